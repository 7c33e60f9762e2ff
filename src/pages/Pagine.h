#pragma once
// Makes the page form of page N (1..6).

namespace scheda {

class PaginaScheda;

PaginaScheda *creaPagina(int n);

} // namespace scheda
