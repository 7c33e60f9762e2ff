#pragma once
// Dates as the date boxes and the printed sheet show them: dd/mm/yyyy, and
// the empty date 01/01/1000 shown as the empty mask.

#include "platform/db/Variant.h"

#include <QDate>
#include <QString>
#include <optional>

namespace scheda {

inline const QString MascheraVuota = QStringLiteral("__/__/____");
inline const QString DataVuota = QStringLiteral("01/01/1000");

// A stored date as text in the short date form (dd/mm/yyyy), for the
// comparisons with the empty date; Empty gives "".
QString testoDataMemorizzata(const ado::Variant &v);
// A stored value as a date: a date, or a text that reads as one; otherwise
// an invalid date.
QDate dataMemorizzata(const ado::Variant &v);
// A stored date in the pattern dd/mm/yyyy (the empty date too, as 01/01/1000).
QString formattaData(const ado::Variant &v);
// What a date box shows: the empty mask for the empty date, else dd/mm/yyyy.
QString testoCasellaData(const ado::Variant &v);
// A filled mask read as a date: exactly dd/mm/yyyy, a real calendar day,
// years 100 to 9999; a half-filled mask or 31/02 is none.
std::optional<QDate> leggiData(const QString &testo);

} // namespace scheda
