#include "shell/dialoghi/CasellaTesto.h"

namespace scheda {

namespace {

bool contaPerIlProgramma(Qt::FocusReason r)
{
    return r != Qt::PopupFocusReason && r != Qt::ActiveWindowFocusReason
           && r != Qt::MenuBarFocusReason;
}

} // namespace

void CasellaTesto::focusInEvent(QFocusEvent *e)
{
    QLineEdit::focusInEvent(e);
    if (contaPerIlProgramma(e->reason()))
        emit GotFocus();
}

void CasellaTesto::focusOutEvent(QFocusEvent *e)
{
    QLineEdit::focusOutEvent(e);
    if (contaPerIlProgramma(e->reason()))
        emit LostFocus();
}

} // namespace scheda
