#pragma once
// A small RFC 4180 reader: comma separated, fields in double quotes may hold
// commas, quotes (doubled) and line breaks. The first row is the header.

#include <QList>
#include <QString>
#include <QStringList>

namespace creadati {

struct TabellaCsv
{
    QStringList intestazione;
    QList<QStringList> righe;
};

// Throws std::runtime_error naming the file on a missing file or a bad row.
TabellaCsv leggiCsv(const QString &percorso, const QStringList &colonneAttese);

} // namespace creadati
