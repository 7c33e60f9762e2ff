#include "pages/campi/Riga.h"

#include "core/formati/Testi.h"

#include <QLineEdit>

namespace scheda::campi {

EntrataRiga::EntrataRiga(QLineEdit *box)
    : QValidator(box)
    , box_(box)
    , prima_(box->text())
{
    box->setValidator(this);
}

void EntrataRiga::mostra(const QString &testo)
{
    prima_ = testo; // the box checks its new text against itself: nothing came in
    box_->setText(testo);
}

QValidator::State EntrataRiga::validate(QString &testo, int &cursore) const
{
    // The box has already kept its own limit, in UTF-16 units: a character
    // it cut in half comes here as half a surrogate pair, and goes.
    const Riga r = modificaRiga(prima_, testo, cursore, box_->maxLength());
    testo = r.testo;
    cursore = r.cursore;
    prima_ = r.testo;
    return Acceptable;
}

} // namespace scheda::campi
