#pragma once
// The print commands of the main window: the page shown ("Stampa Pagina"),
// the whole sheet ("Stampa Scheda Corrente") and the on-screen previews of
// the hidden "Video" menu.

namespace scheda {

void StampaPaginaMostrata();
void StampaSchedaCorrente();
void AnteprimaPagina(int n);

} // namespace scheda
