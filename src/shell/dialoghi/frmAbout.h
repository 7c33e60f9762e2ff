#pragma once
// The about box: the program's icon, the addresses of the regional office
// that runs the grant call and of the maker, the programme's title and the
// version. Modeless; one at a time.

#include <QDialog>

class QLabel;

namespace scheda {

class frmAbout : public QDialog
{
    Q_OBJECT
public:
    explicit frmAbout(QWidget *parent = nullptr);

    void Form_Load() {}

    QLabel *picIcon = nullptr;
    QLabel *lblTitle = nullptr;
    QLabel *lblVersion = nullptr;
    QWidget *Line1 = nullptr;
};

// "?" > "Versione Software ": opens the about box as a modeless window, or
// brings forward the one already open. Returns it.
frmAbout *mostraFrmAbout(QWidget *owner);

} // namespace scheda
