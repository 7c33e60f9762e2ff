#pragma once
// Dialog "Trova": find a sheet by its name. "Ricerca" does nothing, "Esce"
// closes the dialog; no command of the program opens it (the main window's
// "Trova" has an empty handler).

#include "shell/dialoghi/CasellaTesto.h"

#include <QDialog>

class QPushButton;

namespace scheda {

class Trova : public QDialog
{
    Q_OBJECT
public:
    explicit Trova(QWidget *parent = nullptr);

    void Form_Load() {}
    void TXTKey_LostFocus() {}
    void CMDOk_Click() {}
    void CMDRipristina_Click();

    CasellaTesto *TXTKey = nullptr;
    QPushButton *CMDOk = nullptr;
    QPushButton *CMDRipristina = nullptr;
};

} // namespace scheda
