#pragma once
// The print commands of the main window: the page shown ("Stampa Pagina"),
// the whole sheet ("Stampa Scheda Corrente") and the on-screen previews of
// the hidden "Video" menu. The shell's handlers call them with the page shown,
// after what they do first themselves.

#include <cstdint>

namespace scheda {
class PaginaScheda;
}

namespace stampa {

// The answer to the print question (6 Yes, 7 No), kept until the next one.
inline std::int32_t RispostaStampa = 0;

// Command1_Click: the print question, then `mostrata`, the page shown, as it
// stands on screen, unsaved edits and option choices included. Nothing
// without a page (nullptr).
void StampaPaginaMostrata(scheda::PaginaScheda *mostrata);
// StampaScheda_Click, once the shell has committed the edit of the page
// shown and offered to save it: the print question, then the six pages of
// the stored row.
void StampaSchedaCorrente();
// Pag1_Click..Pag6_Click: the preview of page n, with no question, over the
// window of `mostrata`, the page shown (nullptr: none), whose option choices
// it shows when it is page n.
void AnteprimaPagina(int n, scheda::PaginaScheda *mostrata);

} // namespace stampa
