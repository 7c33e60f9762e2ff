// A page that cannot be loaded because another program holds "Varnex.mdb"
// locked: the window says which page is shown (possibly none), and every
// page button tries again once the file is free.

#include "Guasti.h"
#include "Interazione.h"

#include "core/Archivio.h"
#include "core/FileDati.h"
#include "core/Globali.h"
#include "pages/PaginaScheda.h"
#include "platform/db/Connection.h"
#include "shell/MostraPagina.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTest>
#include <QToolButton>
#include <functional>
#include <gtest/gtest.h>
#include <sqlite3.h>

using namespace scheda;
using prova::clic;

namespace {

class PaginaNonCaricata : public prova::ConProgramma
{
protected:
    void SetUp() override
    {
        avviaSuPagina(2, QStringLiteral("via_sede = 'VIA ROMA 1'"));
        // However long the program waits for a locked file, a lock held
        // longer fails the same way: here it waits a tenth of a second, so
        // that each attempt fails quickly.
        sqlite3_busy_timeout(ConnessioneDati->handle(), 100);
    }
    // Another program holding the file: no other connection reads it.
    prova::BloccoFile blocca() const { return {p.cartella.percorso(FileVarnex), PasswordVarnex}; }
    int errori() const
    {
        int n = 0;
        for (const auto &m : p.dialoghi.mostrati)
            n += m.prompt.startsWith(QStringLiteral("Errore di run-time"));
        return n;
    }
    // What the window shows: the page form in the page place, or none (0).
    static int pagineAperte()
    {
        int aperte = 0;
        for (int n = 1; n <= 6; ++n)
            if (PaginaScheda *f = Form(n); f && f->isVisible())
                aperte = aperte * 10 + n;
        return aperte;
    }
    // PaginaCorrente, the window shown and the yellow button agree on page n.
    void mostrata(int n)
    {
        EXPECT_EQ(PaginaCorrente, n);
        EXPECT_EQ(pagineAperte(), n);
        EXPECT_EQ(formMostrato() != nullptr, n != 0);
        prova::soloPaginaGialla(p.finestra(), n);
    }
};

TEST_F(PaginaNonCaricata, ALoadThatFailsLeavesTheTruthShownAndEveryPageButtonTriesAgain)
{
    const struct
    {
        const char *comando;
        std::function<void(MDIForm1 &)> esegui;
        int resta; // the page shown after the failure, 0 for none
    } casi[] = {
        // Page 3 fails, and page 2 cannot be loaded back either.
        {"Pag. 3", [](MDIForm1 &f) { clic(f.CMDPag[3]); }, 0},
        {"Pag. Succes.", [](MDIForm1 &) { clic(Form(2)->CMDSucces); }, 0},
        {"Ripristina", [](MDIForm1 &f) { clic(f.CMDRipristina); }, 0},
        // The move fails to read the file before it closes anything.
        {"Successivo", [](MDIForm1 &f) { clic(f.CMDSucc); }, 2},
    };
    for (const auto &c : casi) {
        SCOPED_TRACE(c.comando);
        mostrata(2);
        const int prima = errori();
        {
            const auto altro = blocca();
            c.esegui(p.finestra());
            EXPECT_EQ(errori(), prima + 1); // the one failure, reported once
            mostrata(c.resta);
            // Still locked: the button of the page that was shown tries
            // again, and fails again the same way.
            if (c.resta == 0) {
                clic(p.finestra().CMDPag[2]);
                EXPECT_EQ(errori(), prima + 2);
                mostrata(0);
            }
        }
        // Free again: the same button loads its page.
        clic(p.finestra().CMDPag[2]);
        EXPECT_EQ(errori(), prima + (c.resta == 0 ? 2 : 1));
        mostrata(2);
        EXPECT_EQ(campo("TXTViaSede")->text(), QStringLiteral("VIA ROMA 1"));
        EXPECT_EQ(Form(2)->windowTitle(), QStringLiteral("Pagina 2 - COOP"));
    }
    EXPECT_EQ(domandeSalva(), 0);
}

TEST_F(PaginaNonCaricata, WithNoPageShownTheCommandsThatUseThePageShownDoNothing)
{
    {
        const auto altro = blocca();
        clic(p.finestra().CMDPag[4]);
    }
    mostrata(0);
    const auto righe = p.chiavi();
    const struct
    {
        const char *nome;
        std::function<void(MDIForm1 &)> comando;
        QString titolo; // of the one box it shows, empty for none
    } comandi[] = {
        {"Salva", [](MDIForm1 &f) { clic(f.CMDSalva); }, {}},
        {"Ripristina", [](MDIForm1 &f) { clic(f.CMDRipristina); }, {}},
        {"Stampa Pagina", [](MDIForm1 &f) { clic(f.Command1); }, {}},
        {"Validare", [](MDIForm1 &) { validareFormMostrato(); }, {}},
        {"Primo", [](MDIForm1 &f) { clic(f.CMDPrimo); }, {}},
        // No sheet on screen to confirm: no question, nothing deleted.
        {"Elimina", [](MDIForm1 &f) { clic(f.CMDElimina); }, {}},
        // Answered No: no save question before it, nothing printed.
        {"Stampa Scheda Corrente", [](MDIForm1 &f) { f.StampaScheda->trigger(); },
         QStringLiteral("Seleziona Stampante Predefinita")},
        // The sheet has no company data: its check stops the export.
        {"Esporta Scheda Corrente", [](MDIForm1 &f) { f.EsposrtaScheda->trigger(); },
         QStringLiteral("Dati indispensabili per l'esportazione (vedi Help)")},
    };
    for (const auto &c : comandi) {
        SCOPED_TRACE(c.nome);
        const qsizetype prima = p.dialoghi.mostrati.size();
        p.dialoghi.rispondi(dlg::vbNo);
        c.comando(p.finestra());
        // Nothing reported, nothing written, no page opened.
        ASSERT_EQ(p.dialoghi.mostrati.size(), prima + (c.titolo.isEmpty() ? 0 : 1));
        if (!c.titolo.isEmpty())
            EXPECT_EQ(p.dialoghi.mostrati.last().titolo, c.titolo);
        EXPECT_EQ(p.chiavi(), righe);
        mostrata(0);
        p.dialoghi.risposte.clear();
    }
    EXPECT_EQ(salvato(1, "via_sede").toText(), QStringLiteral("VIA ROMA 1"));
    clic(p.finestra().CMDPag[4]);
    mostrata(4);
}

} // namespace
