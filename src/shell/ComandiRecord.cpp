// The record commands of the button panel: moves, new, save, restore,
// delete, find; and the page buttons and exit.

#include "core/Archivio.h"
#include "core/Globali.h"
#include "shell/MDIForm1.h"
#include "shell/MostraPagina.h"

#include "core/formati/Testi.h"
#include "platform/dialoghi/Dialoghi.h"
#include "shell/Uscita.h"

#include <functional>

namespace scheda {

namespace {

// A record move: the save question, the move of RsDati (which takes the new
// key into IdRecord and sets Ricarica), then the page shown closed and
// reopened on the new sheet by the show-page operation its page button runs.
// When the sheet moved to cannot be read, the sheet left stays the current
// one and its page is shown again: the failed move is reported and has
// changed nothing.
void sposta(const std::function<void()> &movimento)
{
    offriSalvataggio(); // a Yes writes into the sheet being left
    PaginaModificata = 0;
    const ado::Variant lasciata = IdRecord;
    movimento();
    const int pagina = PaginaCorrente;
    chiudiPaginaMostrata();
    if (pagina < 1 || pagina > 6 || !FinestraPrincipale)
        return;
    try {
        cambiaPagina(pagina);
    } catch (...) {
        IdRecord = lasciata;
        mostraDiNuovo(pagina); // its load puts RsDati back on the sheet left
        throw;
    }
}

// Page 1 of the current sheet, as the new and delete commands open it.
void apriPagina1()
{
    chiudiPaginaMostrata();
    PaginaCorrente = 1;
    apriForm(1);
}

} // namespace

void MDIForm1::CMDPrimo_Click()
{
    sposta([] {
        RsDati->MoveFirst();
        IdRecord = RsDati->Fields(0).Value();
        Ricarica = 1;
    });
}

void MDIForm1::CMDPrec_Click()
{
    sposta([] {
        Ricarica = 1;
        cercaIdRecord(); // the page or a save may have moved the cursor
        RsDati->MovePrevious();
        if (RsDati->isBOF())
            RsDati->MoveFirst();
        IdRecord = RsDati->Fields(0).Value();
    });
}

void MDIForm1::CMDSucc_Click()
{
    sposta([] {
        Ricarica = 1;
        cercaIdRecord();
        RsDati->MoveNext();
        if (RsDati->isEOF())
            RsDati->MoveLast();
        IdRecord = RsDati->Fields(0).Value();
    });
}

void MDIForm1::CMDUltimo_Click()
{
    sposta([] {
        RsDati->MoveLast();
        IdRecord = RsDati->Fields(0).Value();
        Ricarica = 1;
    });
}

void MDIForm1::CMDNuovo_Click()
{
    Messaggio = QStringLiteral("Denominazione dell'Impresa");
    Valore = dlg::InputBox(Messaggio, QStringLiteral("Inserire la Denominazione dell'Impresa"));
    if (Valore.isEmpty())
        return;
    // The edits of the page shown would be lost with the page: ask first.
    if (offriSalvataggio() == dlg::vbYes)
        PaginaModificata = 0; // written: nothing is pending any more
    Valore = nomeScheda(Valore);
    // One insert that carries the name. When it fails nothing has changed:
    // the page shown stays with its edits, its flag and its yellow button.
    scriviRiga([] {
        RsDati->AddNew();
        RsDati->Fields(QStringLiteral("denominazione")).setValue(Valore);
        RsDati->Update();
    });
    PaginaModificata = 0;
    coloraPulsantiPagina(1);
    RsDati->MoveLast();
    IdRecord = RsDati->Fields(0).Value();
    apriPagina1();
}

void MDIForm1::CMDSalva_Click()
{
    salvaFormMostrato();
    PaginaModificata = 0;
}

void MDIForm1::CMDRipristina_Click()
{
    if (PaginaCorrente < 1 || PaginaCorrente > 6)
        return;
    PaginaModificata = 0;
    const int pagina = PaginaCorrente;
    chiudiPaginaMostrata();
    apriForm(pagina);
}

void MDIForm1::CMDElimina_Click()
{
    if (PaginaCorrente == 0)
        return; // no sheet shown (a load failed): none to confirm or delete
    RispostaElimina = dlg::MsgBox(QStringLiteral("Cancelli record?"),
                                  dlg::vbYesNo | dlg::vbExclamation,
                                  QStringLiteral("Conferma cancellazione"));
    if (RispostaElimina == dlg::vbNo)
        return;
    // Only the sheet the user confirmed: when it has gone from the table
    // behind the program's back, nothing is deleted and the last sheet shows.
    if (!posizionaSuIdRecord()) {
        cercaIdRecord();
        PaginaModificata = 0;
        apriPagina1();
        coloraPulsantiPagina(1);
        return;
    }
    RsDati->Delete(1);
    RsDati->Update();
    ultimaSchedaOVuota(); // the only sheet gone: a blank one takes its place
    IdRecord = RsDati->Fields(0).Value();
    Ricarica = 1;
    PaginaModificata = 0;
    apriPagina1();
    coloraPulsantiPagina(1);
}

void MDIForm1::CMDTrova_Click() {}

void MDIForm1::CMDPag1_Click()
{
    cambiaPagina(1);
}
void MDIForm1::CMDPag2_Click()
{
    cambiaPagina(2);
}
void MDIForm1::CMDPag3_Click()
{
    cambiaPagina(3);
}
void MDIForm1::CMDPag4_Click()
{
    cambiaPagina(4);
}
void MDIForm1::CMDPag5_Click()
{
    cambiaPagina(5);
}
void MDIForm1::CMDPag6_Click()
{
    cambiaPagina(6);
}

void MDIForm1::CMDEsci_Click()
{
    esciDalProgramma();
}

void MDIForm1::MNUEsciItem_Click()
{
    validareFormMostrato();
    esciDalProgramma();
}

} // namespace scheda
