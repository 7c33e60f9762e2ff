#pragma once
// The print commands of the main window: the page shown ("Stampa Pagina"),
// the whole sheet ("Stampa Scheda Corrente") and the on-screen previews of
// the hidden "Video" menu.

#include <cstdint>

namespace scheda {

// The answer to the print question (6 Yes, 7 No), kept until the next one.
inline std::int32_t RispostaStampa = 0;

// Command1_Click: the print question, then the page shown as it stands on
// screen, unsaved edits and option choices included. Nothing without a page.
void StampaPaginaMostrata();
// StampaScheda_Click: commits the edit of the page shown, offers to save
// it, asks the print question, then prints the six pages of the stored row.
void StampaSchedaCorrente();
// Pag1_Click..Pag6_Click: the preview of page n, with no question.
void AnteprimaPagina(int n);

} // namespace scheda
