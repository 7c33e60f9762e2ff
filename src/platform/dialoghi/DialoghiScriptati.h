#pragma once
// Dialogs with answers given in advance, for tests: each box takes the next
// scripted answer (No and the empty text when none is left) and is recorded.

#include "platform/dialoghi/Dialoghi.h"

#include <QList>
#include <QString>
#include <functional>

namespace dlg {

struct Mostrato
{
    QString prompt;
    int stile = 0;
    QString titolo;
    bool input = false;
};

class DialoghiScriptati : public Dialoghi
{
public:
    DialoghiScriptati() { impostaDialoghi(this); }
    ~DialoghiScriptati() override { impostaDialoghi(nullptr); }

    void rispondi(int risposta) { risposte.append(risposta); }
    void digita(const QString &testo) { testi.append(testo); }

    int MsgBox(const QString &prompt, int stile, const QString &titolo) override
    {
        mostrati.append({prompt, stile, titolo, false});
        if (allaDomanda)
            allaDomanda(prompt);
        if (!risposte.isEmpty())
            return risposte.takeFirst();
        return (stile & 0x7) == vbYesNo ? vbNo : vbOK;
    }

    QString InputBox(const QString &prompt, const QString &titolo) override
    {
        mostrati.append({prompt, 0, titolo, true});
        if (allaDomanda)
            allaDomanda(prompt);
        return testi.isEmpty() ? QString() : testi.takeFirst();
    }

    void Beep() override { ++beep; }

    QList<int> risposte;
    QList<QString> testi;
    QList<Mostrato> mostrati;
    int beep = 0;
    // Runs while a box is "open" (to look at the screen at that moment).
    std::function<void(const QString &)> allaDomanda;
};

} // namespace dlg
