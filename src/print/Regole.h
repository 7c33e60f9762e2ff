#pragma once
// The caption rules of the printed pages, over the formatters the page
// boxes use on screen: a value prints as its box shows it.

#include "platform/db/Variant.h"

#include <QString>
#include <utility>

namespace scheda::regole {

// The value as held, turned into text (an empty text prints nothing).
QString comeMemorizzato(const ado::Variant &v);
// "#,##0": whole amounts.
QString importo(const ado::Variant &v);
// "##0": years.
QString anno(const ado::Variant &v);
// "#,###.0": head counts.
QString decimi(const ado::Variant &v);
// "#,###.#0": amounts of page 5 and percentages of page 6.
QString dueDecimali(const ado::Variant &v);
// The empty date "01/01/1000" prints "__/__/____", any other dd/mm/yyyy.
QString data(const ado::Variant &v);
// A year cell of a grid: the empty text prints one blank, else as held.
QString annoInGriglia(const ado::Variant &v);

// A box of an option: "[X]" when the code (compared as a number) is the
// box's, else "[ ]".
QString casella(const ado::Variant &codice, int codiceCasella);

// The two boxes of a choice of two: code 1 ticks the first, any other
// code the second.
std::pair<QString, QString> dueCaselle(const ado::Variant &codice);

} // namespace scheda::regole
