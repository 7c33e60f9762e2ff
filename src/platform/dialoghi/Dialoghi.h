#pragma once
// Every message box, input box and beep of the program goes through here,
// so that tests can script the answers and count the beeps.

#include <QString>

namespace dlg {

// Button and icon styles as the program combines them (52 = YesNo + Exclamation).
enum Stile : int {
    vbOKOnly = 0,
    vbYesNo = 4,
    vbCritical = 16,
    vbExclamation = 48,
    vbInformation = 64,
};
// Answers.
enum Risposta : int { vbOK = 1, vbCancel = 2, vbYes = 6, vbNo = 7 };

class Dialoghi
{
public:
    virtual ~Dialoghi() = default;
    // Yes/No boxes have Yes as default; Esc or the close box answer No.
    virtual int MsgBox(const QString &prompt, int stile, const QString &titolo) = 0;
    // The empty text on Cancel.
    virtual QString InputBox(const QString &prompt, const QString &titolo) = 0;
    virtual void Beep() = 0;
};

// The one instance in use: the one a test installed, else the program's own
// boxes. A program with a window makes the Qt boxes its own (DialoghiQt.h);
// one without shows no box: each is written to the standard error and
// answered as Esc answers it.
Dialoghi &dialoghi();
void impostaDialoghi(Dialoghi *d); // nullptr restores the program's own
void impostaDialoghiProgramma(Dialoghi *d);

// Convenience wrappers used by the program.
inline int MsgBox(const QString &prompt, int stile = vbOKOnly, const QString &titolo = QString())
{
    return dialoghi().MsgBox(prompt, stile, titolo);
}
inline QString InputBox(const QString &prompt, const QString &titolo)
{
    return dialoghi().InputBox(prompt, titolo);
}
inline void Beep()
{
    dialoghi().Beep();
}

} // namespace dlg
