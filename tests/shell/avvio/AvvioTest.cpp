// Start-up on real files: the first sheet, the last row, the fatal cases.

#include "Interazione.h"

#include "pages/PaginaScheda.h"
#include "core/Archivio.h"
#include "core/FileDati.h"
#include "core/Globali.h"
#include "shell/MostraPagina.h"
#include "platform/ui/Twips.h"

#include <QFile>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace scheda;

using prova::coloreDi;
using prova::soloPaginaGialla;

TEST(Avvio, EmptyTableGetsOneBlankSheet)
{
    ProgrammaProva p;
    p.dialoghi.digita(QStringLiteral("coop prima")); // the first-run name, where page 1 asks it
    ASSERT_TRUE(p.avvia());
    const auto chiavi = p.chiavi();
    ASSERT_EQ(chiavi.size(), 1);
    EXPECT_EQ(IdRecord.integer(), chiavi.front());
    EXPECT_EQ(PaginaCorrente, 1);
    EXPECT_EQ(PaginaModificata, 0);
    EXPECT_EQ(Ricarica, 0);
    EXPECT_EQ(TabellaVuota, 0);
    EXPECT_TRUE(RsDati->Fields(0).Value().looselyEquals(IdRecord));
    soloPaginaGialla(p.finestra(), 1);
    ASSERT_NE(Form(1), nullptr);
    for (int n = 2; n <= 6; ++n)
        EXPECT_EQ(Form(n), nullptr);
}

TEST(Avvio, FilledTableStartsOnItsLastRowAndAddsNothing)
{
    ProgrammaProva p;
    p.cartella.aggiungiSchede(3);
    ASSERT_TRUE(p.avvia());
    EXPECT_EQ(p.chiavi(), (QList<qint64>{1, 2, 3}));
    EXPECT_EQ(IdRecord.integer(), 3);
    EXPECT_TRUE(Form(1)->windowTitle().startsWith(QStringLiteral("Pagina 1 - SCHEDA 3")));
    EXPECT_TRUE(p.dialoghi.mostrati.isEmpty());
}

TEST(Avvio, AMissingOrBrokenFileEndsTheProgramNamingIt)
{
    struct Caso {
        const char *nome;
        std::function<void(CartellaProva &)> guasta;
        QString file; // named in the message
        bool mancante;
    };
    const Caso casi[] = {
        {"missing main file", [](CartellaProva &c) { QFile::remove(c.percorso(FileVarnex)); }, FileVarnex, true},
        {"missing reference file", [](CartellaProva &c) { QFile::remove(c.percorso(FileIdentifica)); }, FileIdentifica, true},
        {"missing export file", [](CartellaProva &c) { QFile::remove(c.percorso(FileEsporta)); }, FileEsporta, true},
        {"wrong password", [](CartellaProva &c) { c.esegui(FileVarnex, PasswordVarnex, QStringLiteral("PRAGMA rekey = 'altra'")); }, FileVarnex, false},
        {"missing table",
         [](CartellaProva &c) { c.esegui(FileEsporta, PasswordEsporta, QStringLiteral("DROP TABLE Dati")); }, FileEsporta, false},
        {"missing reference table",
         [](CartellaProva &c) { c.esegui(FileIdentifica, PasswordIdentifica, QStringLiteral("DROP TABLE comune")); },
         FileIdentifica, false},
    };
    for (const Caso &caso : casi) {
        SCOPED_TRACE(caso.nome);
        ProgrammaProva p;
        caso.guasta(p.cartella);
        EXPECT_FALSE(p.avvia());
        ASSERT_EQ(p.uscita, std::optional<int>(1));
        ASSERT_EQ(p.dialoghi.mostrati.size(), 1);
        const auto &box = p.dialoghi.mostrati.front();
        EXPECT_TRUE(box.prompt.startsWith(QStringLiteral("Errore di run-time '"))) << box.prompt.toStdString();
        EXPECT_TRUE(box.prompt.contains(caso.file)) << box.prompt.toStdString();
        EXPECT_EQ(box.stile & dlg::vbCritical, dlg::vbCritical);
        EXPECT_EQ(RsDati, nullptr);
        EXPECT_EQ(ConnessioneDati, nullptr);
        // The program creates no file in place of a missing one.
        if (caso.mancante)
            EXPECT_FALSE(QFile::exists(p.cartella.percorso(caso.file)));
    }
}
