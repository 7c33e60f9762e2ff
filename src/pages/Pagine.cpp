#include "pages/Pagine.h"
#include "pages/PaginaScheda.h"
#include "pages/page1/Form1.h"
#include "pages/page2/Form2.h"
#include "pages/page3/Form3.h"
#include "pages/page4/Form4.h"
#include "pages/page5/Form5.h"
#include "pages/page6/Form6.h"

namespace scheda {

PaginaScheda *creaPagina(int n, QWidget *parent)
{
    switch (n) {
    case 1:
        return creaForm1(parent);
    case 2:
        return new Form2(parent);
    case 3:
        return new Form3(parent);
    case 4:
        return creaForm4(parent);
    case 5:
        return new Form5(parent);
    case 6:
        return new Form6(parent);
    default:
        return new PaginaScheda(n, parent); // no such page: the contract alone, no controls
    }
}

} // namespace scheda
