#pragma once
// What the dialogs Apri and Nuovo share: a project identified by its protocol
// number, typed into TXTProtocollo3, a confirming button and "Annulla".

#include "shell/dialoghi/CasellaTesto.h"

#include <QDialog>

class QLabel;
class QPushButton;

namespace scheda {

class DialogoProtocollo : public QDialog
{
    Q_OBJECT
public:
    // Load event: the protocol box starts empty.
    void Form_Load();
    // Each time the box gets the focus it is emptied again.
    void TXTProtocollo3_GotFocus();
    // The text goes to upper case when the box loses the focus.
    void TXTProtocollo3_LostFocus();
    // On a first run with an empty table the program ends (files closed);
    // otherwise the dialog closes.
    void CMDAnnulla_Click();

    CasellaTesto *TXTProtocollo3 = nullptr;
    QPushButton *CMDAnnulla = nullptr;

protected:
    // Left and top of a control in twips, from the client area's corner.
    struct Punto
    {
        int left, top;
    };
    // What tells the two dialogs apart: caption, size and where each
    // control stands.
    struct Disposizione
    {
        QString caption;
        int width, height;     // twips, the window with its frame
        Punto titolo;          // "Identificativo Progetto"
        Punto protocollo;      // "Protocollo"
        Punto casella;         // TXTProtocollo3
        QString testoConferma; // caption of the confirming button
        Punto conferma;        // the confirming button
        Punto annulla;         // "Annulla"
    };
    DialogoProtocollo(const Disposizione &d, const QString &nome, const QString &nomeConferma,
                      QWidget *parent);

    QPushButton *conferma_ = nullptr;
};

} // namespace scheda
