#pragma once
// A text box whose GotFocus and LostFocus fire only when the focus really
// moves between widgets of the program: a menu or pop-up opening, or the
// window being deactivated, raises neither.

#include <QFocusEvent>
#include <QLineEdit>

namespace scheda {

class CasellaTesto : public QLineEdit
{
    Q_OBJECT
public:
    using QLineEdit::QLineEdit;

signals:
    void GotFocus();
    void LostFocus();

protected:
    void focusInEvent(QFocusEvent *e) override;
    void focusOutEvent(QFocusEvent *e) override;
};

} // namespace scheda
