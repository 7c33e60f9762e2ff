#include "shell/MostraPagina.h"
#include "core/Archivio.h"
#include "core/Errori.h"
#include "core/Globali.h"
#include "shell/MDIForm1.h"
#include "shell/ServiziMdi.h"

#include "pages/PaginaScheda.h"
#include "pages/Pagine.h"
#include "platform/db/Error.h"
#include "platform/dialoghi/Dialoghi.h"
#include "platform/ui/Twips.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QScrollBar>
#include <QToolButton>
#include <array>

namespace scheda {

namespace {

QPointer<QMdiArea> areaPagine;
// Index 1..6: page forms; index 0 stands for the other window (number 10).
std::array<QPointer<QMdiSubWindow>, 7> finestre;

QPointer<QMdiSubWindow> &posto(int numero)
{
    return finestre[numero >= 1 && numero <= 6 ? numero : 0];
}

// An empty window in the page area; what it shows is made inside it, not
// moved into it afterwards (a move visits every control again).
QMdiSubWindow *nuovaFinestra()
{
    auto *sub = new QMdiSubWindow(nullptr,
                                  Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    sub->setOption(QMdiSubWindow::RubberBandResize, false);
    if (areaPagine)
        areaPagine->addSubWindow(sub);
    return sub;
}

QMdiSubWindow *nuovaFinestra(QWidget *contenuto)
{
    QMdiSubWindow *sub = nuovaFinestra();
    sub->setWidget(contenuto);
    return sub;
}

void piazzaFinestra(QMdiSubWindow *sub)
{
    // Top 0, Left 0, the page's height, its width, in this order, from the
    // top-left corner of the area scrolled back; a fixed border: the user
    // cannot resize the window.
    if (areaPagine) {
        areaPagine->horizontalScrollBar()->setValue(0);
        areaPagine->verticalScrollBar()->setValue(0);
    }
    sub->move(0, 0);
    sub->setFixedSize(ui::px(LarghezzaPagina), ui::px(AltezzaPagina));
    if (areaPagine && !areaPagine->window()->isVisible())
        areaPagine->window()->show();
    sub->show();
    sub->raise();
    if (areaPagine)
        areaPagine->setActiveSubWindow(sub);
    // A page form takes the focus on the first control of its focus order.
    if (auto *pagina = qobject_cast<PaginaScheda *>(sub->widget()))
        if (QWidget *primo = pagina->primoControllo())
            primo->setFocus(Qt::TabFocusReason);
}

void chiudi(QPointer<QMdiSubWindow> &sub)
{
    if (!sub)
        return;
    QMdiSubWindow *s = sub;
    sub = nullptr;
    // The form may be closing itself from one of its own handlers.
    s->hide();
    if (areaPagine)
        areaPagine->removeSubWindow(s);
    s->deleteLater();
}

// After a page form failed to load: PaginaCorrente and the yellow button
// name the window really shown, or none (0, which selects no page form), so
// that every page button, that of the page shown before included, tries
// again.
void soloLaPaginaAperta()
{
    const bool aperta = PaginaCorrente == 10 ? !finestre[0].isNull()
                                             : Form(PaginaCorrente) != nullptr;
    if (!aperta)
        PaginaCorrente = 0;
    coloraPulsantiPagina(PaginaCorrente);
}

} // namespace

void impostaAreaPagine(QMdiArea *area)
{
    areaPagine = area;
}

PaginaScheda *Form(int n)
{
    if (n < 1 || n > 6 || !finestre[n])
        return nullptr;
    return qobject_cast<PaginaScheda *>(finestre[n]->widget());
}

PaginaScheda *formMostrato()
{
    return Form(PaginaCorrente);
}

void apriForm(int n)
{
    if (!finestre[n]) {
        QMdiSubWindow *sub = nuovaFinestra();
        PaginaScheda *pagina = nullptr;
        try {
            pagina = creaPagina(n, sub);
        } catch (...) {
            delete sub;
            throw;
        }
        sub->setWidget(pagina);
        finestre[n] = sub;
        try {
            pagina->Form_Load();
        } catch (...) {
            // A form that could not load its sheet does not stay open.
            if (finestre[n] == sub)
                chiudi(finestre[n]);
            soloLaPaginaAperta();
            throw;
        }
        // The load event may have closed and reopened the form (page 1's first run).
        if (finestre[n] != sub)
            return;
    }
    piazzaFinestra(finestre[n]);
}

void chiudiForm(int n)
{
    chiudi(posto(n));
}

void chiudiPaginaMostrata()
{
    if (PaginaCorrente == 10)
        return;
    for (int n = 1; n <= 6; ++n)
        chiudi(finestre[n]);
}

void apriFinestraPagina(int numero, QWidget *contenuto)
{
    chiudi(posto(numero));
    QMdiSubWindow *sub = nuovaFinestra(contenuto);
    posto(numero) = sub;
    piazzaFinestra(sub);
}

void salvaFormMostrato()
{
    PaginaScheda *pagina = formMostrato();
    if (!pagina)
        return;
    // The row of the sheet the page holds, never another one.
    if (!posizionaSuIdRecord())
        throw ado::Error(ado::err::NoCurrentRecord,
                         QStringLiteral("La scheda corrente non si trova più nell'archivio: la "
                                        "pagina non è stata salvata."));
    salvaRigaScheda([pagina] { pagina->Salva(); });
}

void validareFormMostrato()
{
    if (PaginaScheda *pagina = formMostrato())
        pagina->Validare();
}

int offriSalvataggio()
{
    if (PaginaModificata != 1)
        return 0;
    RispostaSalva = dlg::MsgBox(DomandaSalva, dlg::vbYesNo | dlg::vbExclamation, TitoloSalva);
    if (RispostaSalva == dlg::vbYes)
        salvaFormMostrato(); // a failure leaves the flag at 1 and ends the command
    return RispostaSalva;
}

void mostraDiNuovo(int n)
{
    if (n < 1 || n > 6)
        return;
    PaginaCorrente = std::int16_t(n);
    coloraPulsantiPagina(n);
    try {
        apriForm(n);
    } catch (...) {
        // The failure that brought us here is the one reported.
    }
}

void cambiaPagina(int n)
{
    const int precedente = PaginaCorrente;
    coloraPulsantiPagina(n);
    try {
        offriSalvataggio();
    } catch (...) {
        // The save failed: the page shown stays, and so do its buttons.
        coloraPulsantiPagina(precedente);
        throw;
    }
    PaginaModificata = 0;
    if (PaginaCorrente != n) {
        chiudiPaginaMostrata();
        if (PaginaCorrente == 10)
            chiudiForm(10);
        PaginaCorrente = std::int16_t(n);
        try {
            apriForm(n);
        } catch (...) {
            // Page N could not load (none is shown now): back to the page
            // that was shown.
            mostraDiNuovo(precedente);
            throw;
        }
    }
    if (Ricarica == 1) {
        Ricarica = 0;
        PaginaCorrente = std::int16_t(n);
        apriForm(n);
    }
}

// --- The services the page forms use --------------------------------------------
// cambiaPagina and offriSalvataggio run the procedures of the same name above,
// called as scheda::…: unqualified, the member would call itself.

void ServiziMdi::cambiaPagina(int n)
{
    eseguiComando([n] { scheda::cambiaPagina(n); });
}

void ServiziMdi::mostraAlPosto(PaginaScheda *pagina)
{
    // Page 1 places itself so from inside its own load event.
    if (const int n = pagina->numero(); Form(n) == pagina)
        piazzaFinestra(finestre[n]);
    else
        pagina->mostraDaSola(); // a form outside the main window
}

void ServiziMdi::riapri(PaginaScheda *pagina)
{
    const int n = pagina->numero();
    if (Form(n) != pagina) {
        pagina->Form_Load();
        return;
    }
    chiudiForm(n);
    apriForm(n);
}

int ServiziMdi::offriSalvataggio()
{
    return scheda::offriSalvataggio();
}

void coloraPulsantiPagina(int n)
{
    if (!FinestraPrincipale)
        return;
    for (int i = 1; i <= 6; ++i) {
        QToolButton *b = FinestraPrincipale->CMDPag[i];
        const unsigned int valore = i == n ? ui::Giallo : ui::FacciaPulsante;
        b->setProperty("BackColor", valore);
        QPalette p = b->palette();
        p.setColor(QPalette::Button, ui::colore(valore));
        b->setPalette(p);
    }
}

} // namespace scheda
