#include "pages/campi/Riga.h"

#include "core/formati/Testi.h"

#include <QClipboard>
#include <QDropEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>

namespace scheda::campi {

namespace {

QString appunti(QClipboard::Mode modo = QClipboard::Clipboard)
{
    QClipboard *c = QGuiApplication::clipboard();
    return modo == QClipboard::Clipboard || c->supportsSelection() ? c->text(modo) : QString();
}

} // namespace

EntrataRiga::EntrataRiga(QLineEdit *box)
    : QValidator(box)
    , box_(box)
    , prima_(box->text())
{
    box->setValidator(this);
    box->installEventFilter(this);
}

void EntrataRiga::mostra(const QString &testo)
{
    // The box checks its new text against itself: nothing came in, and a
    // note of an entry the box refused (a paste into a full box) is stale.
    prima_ = testo;
    intera_.clear();
    box_->setText(testo);
}

bool EntrataRiga::eventFilter(QObject *, QEvent *e)
{
    // The box keeps its own limit (its MaxLength, in UTF-16 units) before it
    // asks us: an accent pasted after its letter at the limit would go and
    // leave the letter bare. Raising it would change what the box says its
    // MaxLength is, and lose the undo steps at each raise; instead each way
    // in is noted here, and the validator takes it whole when the box has cut it.
    switch (e->type()) {
    case QEvent::KeyPress: {
        const auto *k = static_cast<QKeyEvent *>(e);
        if (!k->matches(QKeySequence::Paste))
            intera_ = k->text();
        else if (k->key() == Qt::Key_Insert
                 && k->modifiers() == (Qt::ControlModifier | Qt::ShiftModifier))
            intera_ = appunti(QClipboard::Selection);
        else
            intera_ = appunti();
        break;
    }
    case QEvent::InputMethod:
        intera_ = static_cast<QInputMethodEvent *>(e)->commitString();
        break;
    case QEvent::Drop:
        intera_ = static_cast<QDropEvent *>(e)->mimeData()->text();
        break;
    case QEvent::MouseButtonRelease:
        if (static_cast<QMouseEvent *>(e)->button() == Qt::MiddleButton)
            intera_ = appunti(QClipboard::Selection);
        break;
    case QEvent::ContextMenu: // its "Paste" comes later, from the menu
        intera_ = appunti();
        break;
    default:
        break;
    }
    return false;
}

QValidator::State EntrataRiga::validate(QString &testo, int &cursore) const
{
    const Riga r = modificaRiga(prima_, testo, cursore, box_->maxLength(), intera_);
    intera_.clear();
    testo = r.testo;
    cursore = r.cursore;
    prima_ = r.testo;
    return Acceptable;
}

} // namespace scheda::campi
