// The menu commands and the print button of the main window.

#include "core/Globali.h"
#include "shell/MDIForm1.h"
#include "shell/MostraPagina.h"
#include "shell/dialoghi/frmAbout.h"
#include "shell/help/cHtmlHelp.h"

#include "export/Esportazione.h"
#include "platform/dialoghi/Dialoghi.h"
#include "print/ComandiStampa.h"

namespace scheda {

namespace {

// Before a menu command uses the stored row: a menu item takes no focus, so
// the box being edited commits here; then the save question, and on Yes
// nothing is pending any more (on No the flag stays).
void registraEOffriSalvataggio()
{
    validareFormMostrato();
    if (offriSalvataggio() == dlg::vbYes)
        PaginaModificata = 0;
}

} // namespace

void MDIForm1::Command1_Click()
{
    stampa::StampaPaginaMostrata(formMostrato());
}
void MDIForm1::StampaScheda_Click()
{
    registraEOffriSalvataggio();
    stampa::StampaSchedaCorrente();
}
void MDIForm1::EsposrtaScheda_Click()
{
    registraEOffriSalvataggio();
    esportazione::EsportaSchedaCorrente();
}
void MDIForm1::Pag_Click(int n)
{
    stampa::AnteprimaPagina(n, formMostrato());
}
void MDIForm1::Sommario_Click()
{
    if (GuidaHtml)
        GuidaHtml->DisplayTOC();
}

void MDIForm1::Versione_Click()
{
    mostraFrmAbout(this);
}

} // namespace scheda
