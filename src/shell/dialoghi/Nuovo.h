#pragma once
// Dialog "Nuovo Progetto": a new sheet by its protocol number. Its confirming
// button does nothing; no command of the program opens it.

#include "shell/dialoghi/DialogoProtocollo.h"

namespace scheda {

class Nuovo : public DialogoProtocollo
{
    Q_OBJECT
public:
    explicit Nuovo(QWidget *parent = nullptr);
    void CMDNuovoProgetto_Click() {}
    QPushButton *CMDNuovoProgetto = nullptr;
};

} // namespace scheda
