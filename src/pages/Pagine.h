#pragma once
// Makes the page form of page N (1..6) from its data (pageN/FormN.h), inside
// `parent` when given (the window it opens in: built there, it is not moved
// into it afterwards).

class QWidget;

namespace scheda {

class PaginaScheda;

PaginaScheda *creaPagina(int n, QWidget *parent = nullptr);

} // namespace scheda
