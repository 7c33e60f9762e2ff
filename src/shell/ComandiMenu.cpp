// The menu commands and the print button of the main window.

#include "Globali.h"
#include "MDIForm1.h"
#include "dialoghi/frmAbout.h"
#include "help/cHtmlHelp.h"

#include "export/Esportazione.h"
#include "print/ComandiStampa.h"

namespace scheda {

void MDIForm1::Command1_Click() { StampaPaginaMostrata(); }
void MDIForm1::StampaScheda_Click() { StampaSchedaCorrente(); }
void MDIForm1::EsposrtaScheda_Click() { EsportaSchedaCorrente(); }
void MDIForm1::Pag_Click(int n) { AnteprimaPagina(n); }
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
