#pragma once
// Dialog "Apri": open a sheet by its protocol number. Its confirming button
// does nothing; no command of the program opens it.

#include "shell/dialoghi/DialogoProtocollo.h"

namespace scheda {

class Apri : public DialogoProtocollo
{
    Q_OBJECT
public:
    explicit Apri(QWidget *parent = nullptr);
    void CMDApriProgetto_Click() {}
    QPushButton *CMDApriProgetto = nullptr;
};

} // namespace scheda
