#include "pages/campi/Fuoco.h"

#include "core/Errori.h"

#include <QApplication>
#include <QFocusEvent>
#include <QWidget>

namespace scheda::campi {

namespace {

// Set on a focus-in that counts, cleared by the commit of a real focus-out.
QPointer<Fuoco> corrente;

bool passaggio(Qt::FocusReason r)
{
    return r != Qt::PopupFocusReason && r != Qt::MenuBarFocusReason
           && r != Qt::ActiveWindowFocusReason;
}

} // namespace

Fuoco::Fuoco(QWidget *controllo, QObject *proprietario, std::function<void()> entrata,
             std::function<void()> uscita)
    : QObject(proprietario)
    , controllo_(controllo)
    , filtrato_(controllo)
    , entrataProprietario_(std::move(entrata))
    , uscitaProprietario_(std::move(uscita))
{
    controllo->installEventFilter(this);
}

Fuoco::~Fuoco()
{
    if (controllo_)
        controllo_->removeEventFilter(this);
}

Fuoco *Fuoco::attivo()
{
    return corrente;
}

void Fuoco::entrata()
{
    if (corrente == this)
        return; // back from a menu, a dialog or another application
    if (Fuoco *prima = corrente) {
        // The focus moved on while the window was inactive: that control loses it now.
        corrente = nullptr;
        QWidget *w = prima->controllo_;
        if (w && w->isVisible() && w->window() == controllo_->window())
            eseguiComando(prima->uscitaProprietario_);
    }
    corrente = this;
    eseguiComando(entrataProprietario_);
}

void Fuoco::uscita()
{
    QWidget *nuovo = QApplication::focusWidget();
    if (nuovo && nuovo != controllo_ && nuovo->isAncestorOf(controllo_) && corrente == this) {
        // The focus passes through a widget that holds the control (the
        // page's window: a click on its title bar, or Tab on its way to the
        // foot buttons). Where it goes next decides: back into the control
        // is no move at all, anywhere else is.
        QObject::disconnect(attesa_);
        attesa_ = connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *ora) {
            QObject::disconnect(attesa_);
            if (controllo_ && ora != controllo_ && !controllo_->isAncestorOf(ora))
                uscita();
        });
        return;
    }
    const bool altrove = nuovo && nuovo != controllo_ && !controllo_->isAncestorOf(nuovo)
                         && nuovo->window() == controllo_->window() && controllo_->isVisible();
    if (!altrove || corrente != this)
        return;
    corrente = nullptr;
    eseguiComando(uscitaProprietario_);
}

bool Fuoco::eventFilter(QObject *o, QEvent *e)
{
    // Compared as objects: a control being destroyed is no longer a widget.
    if (o != filtrato_ || controllo_.isNull())
        return false;
    if (e->type() != QEvent::FocusIn && e->type() != QEvent::FocusOut)
        return false;
    // The control handles the event first, so the handler has the last word
    // on text and selection.
    const Qt::FocusReason motivo = static_cast<QFocusEvent *>(e)->reason();
    static_cast<QObject *>(controllo_.data())->event(e);
    if (e->type() == QEvent::FocusIn)
        entrata(); // a control entered anew runs its focus-in handler
    else if (passaggio(motivo))
        uscita();
    return true;
}

} // namespace scheda::campi
