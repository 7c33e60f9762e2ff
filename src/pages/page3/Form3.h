#pragma once
// Page 3 of the sheet: the income statements of the penultimate (column C)
// and the last (column D) financial year side by side, with their computed
// rows, and the two yes/no declarations A.17 and A.18.

#include "pages/PaginaScheda.h"

namespace scheda {

namespace campi {
class Ricalcolo;
}

class Form3 : public PaginaScheda
{
    Q_OBJECT
public:
    explicit Form3(QWidget *parent = nullptr);
};

// What a commit of an entered amount renews: the section subtotal of its
// row (5, 14, 18 or 21; none for row 23), then rows 15, 22 and 24, in the
// box's own column only.
const campi::Ricalcolo &ricalcoloContoEconomico();

} // namespace scheda
