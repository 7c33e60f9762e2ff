#pragma once
// The whole program on a temporary program folder: scripted dialogs, an exit
// hook instead of ending the process, and the main window after start-up.

#include "CartellaProva.h"

#include "platform/db/Variant.h"
#include "platform/dialoghi/DialoghiScriptati.h"
#include "shell/MDIForm1.h"

#include <memory>
#include <optional>

class ProgrammaProva
{
public:
    // Prepares the folder; preparaCartella may add rows or break files first.
    explicit ProgrammaProva(bool conFile = true);
    ~ProgrammaProva();

    // Puts n sheets "SCHEDA 1".."SCHEDA n" in the folder: the set-up of the
    // fresh program a test starts for each of its cases (an answer, a
    // command), as `ASSERT_TRUE(q.conSchede(n).avvia())`.
    ProgrammaProva &conSchede(int n);
    // Creates the main window and runs its start-up; false when it failed.
    bool avvia();
    // Brings the main window to the front, as the user has it; false when
    // it did not become active.
    bool attiva();
    // Page N through its button of the main window; false when another
    // page is the current one after it.
    bool apriPagina(int n);
    // A fresh program on page N: started on the folder as it was prepared
    // (its sheets put in), brought to the front, page N through its button;
    // false at the first step that failed.
    bool avviaSuPagina(int n);

    scheda::MDIForm1 &finestra() { return *finestra_; }
    CartellaProva cartella;
    dlg::DialoghiScriptati dialoghi;
    // Status passed to the exit, once the program has ended.
    std::optional<int> uscita;

    // A column of row `key` of Varnex.mdb read from the file itself.
    ado::Variant valoreSalvato(const ado::Variant &key, const QString &colonna) const;
    // Keys of Varnex.mdb in order, read from the file itself.
    QList<qint64> chiavi() const;

private:
    std::unique_ptr<scheda::MDIForm1> finestra_;
};
