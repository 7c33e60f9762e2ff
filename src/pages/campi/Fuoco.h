#pragma once
// The focus rules of the field families, for every control that commits on
// leaving: text and number boxes, masked date boxes, editable combo boxes.
//
// A control commits only when the focus really moves to another widget of
// the same window (Tab, a click on another control or a button, code moving
// the focus). A menu or a pop-up opening, a message box, a click on the
// title bar of the page's window (the focus passes through a widget that
// holds the control and comes back), or switching to another application
// neither commits nor, when the focus comes back, overwrites what is being
// typed: the control stays the active one until a real move. When the focus
// did move on while the window was inactive, the control that had it
// commits as the new one is entered.
//
// An editable combo box is watched on the combo itself: its line edit gets
// the focus events second-hand, and a pop-up opening is no focus change.

#include <QObject>
#include <QPointer>
#include <functional>

class QWidget;

namespace scheda::campi {

class Fuoco : public QObject
{
    Q_OBJECT
public:
    // Watches `controllo` for `proprietario` (its parent) and notifies it:
    // `entrata` runs on a focus-in that counts, `uscita` on a real
    // focus-out. Both run as commands of the user: a failure is reported,
    // never thrown.
    Fuoco(QWidget *controllo, QObject *proprietario, std::function<void()> entrata,
          std::function<void()> uscita);
    ~Fuoco() override;

    // The control the families regard as focused, if any.
    static Fuoco *attivo();

protected:
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    // The control got or lost the focus: each decides whether it counts
    // and then notifies the owner.
    void entrata();
    void uscita();
    QPointer<QWidget> controllo_;
    const QObject *filtrato_; // the control, for identity only
    std::function<void()> entrataProprietario_, uscitaProprietario_;
    QMetaObject::Connection attesa_; // the focus gone to a widget that holds the control
};

} // namespace scheda::campi
