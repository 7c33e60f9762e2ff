#pragma once
// Texts in test failures as texts, not as the bytes of a QString: one
// printer for every test, seen by every file that compares texts.

#include <QString>
#include <ostream>

inline void PrintTo(const QString &s, std::ostream *os)
{
    *os << '"' << s.toStdString() << '"';
}
