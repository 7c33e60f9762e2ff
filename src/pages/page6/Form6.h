#pragma once
// Page 6 of the sheet: D.1, the shares of the risk capital held by the
// promoting body, a fund-management company, four banks or other financial
// intermediaries, four public bodies and four private legal persons, each
// with name, VAT number or tax code and percentage.

#include "pages/PaginaScheda.h"

namespace scheda {

DatiPagina pagina6();

} // namespace scheda
