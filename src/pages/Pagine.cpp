#include "pages/Pagine.h"
#include "pages/PaginaScheda.h"
#include "pages/page1/Form1.h"
#include "pages/page2/Form2.h"
#include "pages/page3/Form3.h"
#include "pages/page4/Form4.h"
#include "pages/page5/Form5.h"
#include "pages/page6/Form6.h"

namespace scheda {

namespace {

// Each page's data, made when the first page opens and kept for the others.
const DatiPagina &datiPagina(int n)
{
    static const DatiPagina dati[] = {pagina1(), pagina2(), pagina3(),
                                      pagina4(), pagina5(), pagina6()};
    return dati[n - 1];
}

} // namespace

PaginaScheda *creaPagina(int n, QWidget *parent)
{
    if (n < 1 || n > 6)
        return new PaginaScheda(n, parent); // no such page: the contract alone, no controls
    // Page 1 adds the handlers of its sheet list.
    if (n == 1)
        return new Form1(datiPagina(n), parent);
    return new PaginaScheda(datiPagina(n), parent);
}

} // namespace scheda
