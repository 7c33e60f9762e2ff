#pragma once
// Page 4 of the sheet: section B, the promoting body (name, legal form of
// four choices, tax numbers, activity with its ATECO 2002 code), and
// sections C.1 to C.3: the local unit (a municipality of the region), the
// activity carried on there with its code, and the employees grid.

#include "pages/PaginaScheda.h"

namespace scheda {

DatiPagina pagina4();

} // namespace scheda
