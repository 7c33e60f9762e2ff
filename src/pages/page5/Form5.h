#pragma once
// Page 5 of the sheet: C.4 the investment expenses of the programme (six
// rows, direct purchase and leasing, with the row, column and grand
// totals), C.5 the programme's start and completion dates, C.6 the general
// costs of three financial years with their total.

#include "pages/PaginaScheda.h"

namespace scheda {

DatiPagina pagina5();

} // namespace scheda
