#pragma once
// The show-page operation and the handling of the page forms: which form is
// open, opening one on the current sheet, closing the page shown, and the
// calls the shell sends to the page shown (Salva, Validare).

class QMdiArea;
class QMdiSubWindow;
class QWidget;

namespace scheda {

class PaginaScheda;

// The MDI area the page forms open in (the main window sets it).
void impostaAreaPagine(QMdiArea *area);

// The open page form N (1..6), or nullptr.
PaginaScheda *Form(int n);
// The form of the page shown (PaginaCorrente), or nullptr.
PaginaScheda *formMostrato();

// Loads page form N unless it is open (its load event seeks IdRecord,
// runs Carica and Posiziona), then places it at Left 0, Top 0 in the page's
// size (LarghezzaPagina x AltezzaPagina, pages/PaginaScheda.h) and shows it. A load that fails leaves the form closed, and
// PaginaCorrente and the page buttons naming the window still shown, or
// none (0).
void apriForm(int n);
// Unloads page form N (10: the record grid window): its controls are
// dropped, the in-memory sheet stays.
void chiudiForm(int n);
// Closes the page shown, and with it any other page form left open, so that
// no stale form can later write over another sheet. Nothing while the record grid
// window is shown; with no page shown (0), any page form left.
void chiudiPaginaMostrata();

// Another window in the page place (the record grid window, number 10).
void apriFinestraPagina(int numero, QWidget *contenuto);

// Salva of the page shown, after putting RsDati on the row of IdRecord.
void salvaFormMostrato();
// Validare of the page shown (any of the six), before a menu command.
void validareFormMostrato();

// The save question, when PaginaModificata is 1; on Yes the page shown is
// saved. Returns the answer (0 when nothing was asked).
int offriSalvataggio();

// After a load that failed: page N (1..6) of the current sheet shown again,
// its button yellow, if it loads; when it does not, no page is shown. This
// second failure is not raised: the first one is the one to report.
void mostraDiNuovo(int n);

// The show-page operation: page N, from the main window's page buttons and
// the pages' "Pag. Preced." / "Pag. Succes." alike (VaiPagina1 to VaiPagina6
// of pages/ServiziShell.h run it as a command). When page N cannot load, the
// page shown before is loaded again; when that fails too, no page is shown
// (PaginaCorrente 0, no yellow button) until a page button loads one.
void cambiaPagina(int n);

// The page buttons of the main window: N yellow, the other five button face.
void coloraPulsantiPagina(int n);

} // namespace scheda
