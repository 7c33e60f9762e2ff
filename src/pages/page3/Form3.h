#pragma once
// Page 3 of the sheet: the income statements of the penultimate (column C)
// and the last (column D) financial year side by side, with their computed
// rows, and the two yes/no declarations A.17 and A.18.

#include "pages/PaginaScheda.h"

namespace scheda {

DatiPagina pagina3();

} // namespace scheda
