#pragma once
// Page 2 of the sheet: the registered seat (A.12), the contact person for
// the project (A.13), the address for correspondence (A.14), each seat with
// its municipality looked up in the reference list, and the balance sheets
// of the last two years (A.15).

#include "pages/PaginaScheda.h"

namespace scheda {

DatiPagina pagina2();

} // namespace scheda
