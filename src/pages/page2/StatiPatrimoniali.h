#pragma once
// Section A.15 of page 2: the balance sheets of the last two years, column
// A the penultimate year (a1..a25), column B the last one (b1..b25). The
// rows, their captions and colours are a table; the frame, labels and boxes
// are made from it by the naming rule, and what each entered amount renews
// (its group's subtotal, then its side's total) is a recompute table.

#include "pages/campi/Ricalcolo.h"
#include "pages/campi/Tabella.h"

#include <vector>

namespace scheda {

// The frame, its headings, the "PASSIVO" band, the 25 row labels and the
// 50 boxes, in Posiziona's order (TXTA1..TXTA25, then TXTB1..TXTB25). The
// boxes follow the page's fields in the focus order, from tab `primoTab`,
// along each row, column A before column B, from row 1 to row 25.
std::vector<campi::Elemento> righeStatiPatrimoniali(int primoTab);

// Subtotals and totals of both columns.
campi::Ricalcolo ricalcoloStatiPatrimoniali();

} // namespace scheda
