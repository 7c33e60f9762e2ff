// The menu commands and the print button of the main window.

#include "core/Globali.h"
#include "shell/MDIForm1.h"
#include "shell/dialoghi/frmAbout.h"
#include "shell/help/cHtmlHelp.h"

#include "export/Esportazione.h"
#include "print/ComandiStampa.h"

namespace scheda {

void MDIForm1::Command1_Click()
{
    StampaPaginaMostrata();
}
void MDIForm1::StampaScheda_Click()
{
    StampaSchedaCorrente();
}
void MDIForm1::EsposrtaScheda_Click()
{
    EsportaSchedaCorrente();
}
void MDIForm1::Pag_Click(int n)
{
    AnteprimaPagina(n);
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
