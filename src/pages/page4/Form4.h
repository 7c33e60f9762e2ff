#pragma once
// Page 4 of the sheet: section B, the promoting body (name, legal form of
// four choices, tax numbers, activity with its ATECO 2002 code), and
// sections C.1 to C.3: the local unit (a municipality of the region), the
// activity carried on there with its code, and the employees grid.

#include "pages/PaginaScheda.h"
#include "pages/campi/Ricalcolo.h"

namespace scheda {

class Form4 : public PaginaScheda
{
    Q_OBJECT
public:
    explicit Form4(QWidget *parent = nullptr);

private:
    void costruisci();
    campi::Ricalcolo ricalcolo_; // the employees grid's totals and changes
};

PaginaScheda *creaForm4(QWidget *parent = nullptr);

} // namespace scheda
