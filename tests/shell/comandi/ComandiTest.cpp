// The show-page operation, the record commands and the exit, driven through
// the main window's buttons and menus with scripted answers.

#include "Interazione.h"

#include "pages/PaginaScheda.h"
#include "core/RecordScheda.h"
#include "core/Archivio.h"
#include "core/FileDati.h"
#include "core/Globali.h"
#include "shell/MostraPagina.h"
#include "platform/ui/Twips.h"

#include <QAction>
#include <QCloseEvent>
#include <QTest>
#include <QPushButton>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace scheda;
using prova::clic;

namespace {

// A started program on named sheets, on the last one.
class Comandi : public prova::ConProgramma {};

} // namespace

TEST_F(Comandi, PageSwitchWithEditsWritesOnYesOnly)
{
    for (const int risposta : {int(dlg::vbYes), int(dlg::vbNo)}) {
        SCOPED_TRACE(risposta);
        ProgrammaProva q;
        q.cartella.aggiungiSchede(1);
        ASSERT_TRUE(q.avvia());
        QTest::mouseClick(q.finestra().CMDPag[2], Qt::LeftButton);
        ASSERT_EQ(PaginaCorrente, 2);
        RecordScheda().imposta(QStringLiteral("via_sede"), QStringLiteral("VIA ROMA 1"));
        PaginaModificata = 1;
        // The buttons are coloured before the question.
        unsigned int coloreAllaDomanda = 0;
        q.dialoghi.allaDomanda = [&](const QString &) { coloreAllaDomanda = prova::coloreDi(q.finestra().CMDPag[3]); };
        q.dialoghi.rispondi(risposta);
        QTest::mouseClick(q.finestra().CMDPag[3], Qt::LeftButton);
        EXPECT_EQ(coloreAllaDomanda, ui::Giallo);
        ASSERT_EQ(q.dialoghi.mostrati.size(), 1);
        EXPECT_EQ(q.dialoghi.mostrati[0].prompt, QStringLiteral("La pagina è stata modificata, vuoi salvarla?"));
        EXPECT_EQ(q.dialoghi.mostrati[0].stile, dlg::vbYesNo | dlg::vbExclamation);
        const ado::Variant salvato = q.valoreSalvato(IdRecord, QStringLiteral("via_sede"));
        if (risposta == dlg::vbYes)
            EXPECT_EQ(salvato.toText(), QStringLiteral("VIA ROMA 1"));
        else
            EXPECT_TRUE(salvato.isNull());
        EXPECT_EQ(PaginaModificata, 0);
        EXPECT_EQ(PaginaCorrente, 3);
        EXPECT_EQ(Form(2), nullptr);
        EXPECT_NE(Form(3), nullptr);
    }
}

TEST_F(Comandi, PageButtonOfThePageShownAnsweredNoKeepsTheEditsOnScreen)
{
    avvia(1);
    clic(p.finestra().CMDPag[2]);
    PaginaScheda *prima = Form(2);
    modifica(QStringLiteral("via_sede"), QStringLiteral("VIA NUOVA"));
    p.dialoghi.rispondi(dlg::vbNo);
    clic(p.finestra().CMDPag[2]);
    EXPECT_EQ(Form(2), prima); // not reopened
    EXPECT_EQ(RecordScheda()[QStringLiteral("via_sede")].toText(), QStringLiteral("VIA NUOVA"));
    EXPECT_EQ(PaginaModificata, 0);
    EXPECT_TRUE(p.valoreSalvato(IdRecord, QStringLiteral("via_sede")).isNull());
}

TEST_F(Comandi, PageFootButtonsGoToTheNeighbours)
{
    avvia(1);
    clic(p.finestra().CMDPag[3]);
    QTest::mouseClick(Form(3)->CMDSucces, Qt::LeftButton);
    EXPECT_EQ(PaginaCorrente, 4);
    EXPECT_EQ(prova::coloreDi(p.finestra().CMDPag[4]), ui::Giallo);
    QTest::mouseClick(Form(4)->CMDPrec, Qt::LeftButton);
    EXPECT_EQ(PaginaCorrente, 3);
    EXPECT_TRUE(Form(3)->CMDPrec->isEnabled());
    clic(p.finestra().CMDPag[6]);
    EXPECT_FALSE(Form(6)->CMDSucces->isEnabled());
    clic(p.finestra().CMDPag[1]);
    EXPECT_FALSE(Form(1)->CMDPrec->isEnabled());
}

TEST_F(Comandi, MovesStopAtBothEndsAndReloadThePageShown)
{
    avvia(3);
    clic(p.finestra().CMDPag[2]);
    clic(p.finestra().CMDSucc); // on the last sheet already
    EXPECT_EQ(IdRecord.integer(), 3);
    EXPECT_EQ(PaginaCorrente, 2);
    EXPECT_NE(Form(2), nullptr);
    EXPECT_EQ(Ricarica, 0);
    clic(p.finestra().CMDPrimo);
    EXPECT_EQ(IdRecord.integer(), 1);
    EXPECT_TRUE(Form(2)->windowTitle().startsWith(QStringLiteral("Pagina 2 - SCHEDA 1")));
    clic(p.finestra().CMDPrec);
    EXPECT_EQ(IdRecord.integer(), 1);
    clic(p.finestra().CMDSucc);
    EXPECT_EQ(IdRecord.integer(), 2);
    clic(p.finestra().CMDUltimo);
    EXPECT_EQ(IdRecord.integer(), 3);
    EXPECT_EQ(PaginaCorrente, 2);
    EXPECT_TRUE(p.dialoghi.mostrati.isEmpty());
}

TEST_F(Comandi, AMoveWithEditsSavesIntoTheSheetLeft)
{
    avvia(3);
    modifica(QStringLiteral("nome"), QStringLiteral("MARIO"));
    p.dialoghi.rispondi(dlg::vbYes);
    clic(p.finestra().CMDPrimo);
    EXPECT_EQ(p.valoreSalvato(3, QStringLiteral("nome")).toText(), QStringLiteral("MARIO"));
    EXPECT_TRUE(p.valoreSalvato(1, QStringLiteral("nome")).isNull());
    EXPECT_EQ(IdRecord.integer(), 1);
    EXPECT_EQ(PaginaModificata, 0);
}

TEST_F(Comandi, NewSheetTakesTheNameUpperCaseCutTo50)
{
    avvia(1);
    clic(p.finestra().CMDPag[4]);
    p.dialoghi.digita(QString(60, QLatin1Char('a')));
    clic(p.finestra().CMDNuovo);
    ASSERT_EQ(p.chiavi().size(), 2);
    EXPECT_EQ(p.dialoghi.mostrati[0].prompt, QStringLiteral("Denominazione dell'Impresa"));
    EXPECT_EQ(p.dialoghi.mostrati[0].titolo, QStringLiteral("Inserire la Denominazione dell'Impresa"));
    EXPECT_EQ(IdRecord.integer(), 2);
    EXPECT_EQ(p.valoreSalvato(2, QStringLiteral("denominazione")).toText(), QString(50, QLatin1Char('A')));
    EXPECT_EQ(PaginaCorrente, 1);
    EXPECT_NE(Form(1), nullptr);
    EXPECT_EQ(Form(4), nullptr);
    prova::soloPaginaGialla(p.finestra(), 1);
}

TEST_F(Comandi, NewSheetCancelledChangesNothing)
{
    avvia(2);
    clic(p.finestra().CMDPag[3]);
    modifica(QStringLiteral("c2"), 5);
    clic(p.finestra().CMDNuovo); // no answer scripted: the empty text, as Cancel
    EXPECT_EQ(p.chiavi().size(), 2);
    EXPECT_EQ(PaginaCorrente, 3);
    EXPECT_EQ(PaginaModificata, 1);
    EXPECT_EQ(domandeSalva(), 0);
}

TEST_F(Comandi, NewSheetAsksToSaveTheEditsOfTheSheetLeft)
{
    avvia(2);
    modifica(QStringLiteral("cognome"), QStringLiteral("ROSSI"));
    p.dialoghi.digita(QStringLiteral("nuova coop"));
    p.dialoghi.rispondi(dlg::vbYes);
    clic(p.finestra().CMDNuovo);
    EXPECT_EQ(domandeSalva(), 1);
    EXPECT_EQ(p.valoreSalvato(2, QStringLiteral("cognome")).toText(), QStringLiteral("ROSSI"));
    EXPECT_EQ(p.valoreSalvato(3, QStringLiteral("denominazione")).toText(), QStringLiteral("NUOVA COOP"));
    EXPECT_TRUE(p.valoreSalvato(3, QStringLiteral("cognome")).isNull());
    EXPECT_EQ(PaginaModificata, 0);
}

TEST_F(Comandi, DeleteAnsweredNoChangesNothing)
{
    avvia(2);
    p.dialoghi.rispondi(dlg::vbNo);
    clic(p.finestra().CMDElimina);
    EXPECT_EQ(p.dialoghi.mostrati[0].prompt, QStringLiteral("Cancelli record?"));
    EXPECT_EQ(p.dialoghi.mostrati[0].titolo, QStringLiteral("Conferma cancellazione"));
    EXPECT_EQ(p.chiavi(), (QList<qint64>{1, 2}));
    EXPECT_EQ(IdRecord.integer(), 2);
}

TEST_F(Comandi, DeleteTakesTheLastSheetAndTheOnlyOneLeavesABlankOne)
{
    avvia(2);
    clic(p.finestra().CMDPrimo);
    clic(p.finestra().CMDPag[5]);
    p.dialoghi.rispondi(dlg::vbYes);
    clic(p.finestra().CMDElimina);
    EXPECT_EQ(p.chiavi(), (QList<qint64>{2}));
    EXPECT_EQ(IdRecord.integer(), 2);
    EXPECT_EQ(PaginaCorrente, 1);
    EXPECT_EQ(Ricarica, 1);
    EXPECT_EQ(prova::coloreDi(p.finestra().CMDPag[1]), ui::Giallo);

    p.dialoghi.rispondi(dlg::vbYes);
    p.dialoghi.digita(QStringLiteral("dopo"));
    clic(p.finestra().CMDElimina);
    EXPECT_EQ(p.chiavi(), (QList<qint64>{3})); // a new blank sheet, with a key never used before
    EXPECT_EQ(IdRecord.integer(), 3);
    EXPECT_EQ(TabellaVuota, 0);
    EXPECT_NE(Form(1), nullptr);
}

TEST_F(Comandi, SaveAndRestore)
{
    avvia(1);
    clic(p.finestra().CMDPag[2]);
    modifica(QStringLiteral("via_sede"), QStringLiteral("VIA UNO"));
    clic(p.finestra().CMDSalva);
    EXPECT_EQ(p.valoreSalvato(1, QStringLiteral("via_sede")).toText(), QStringLiteral("VIA UNO"));
    EXPECT_EQ(PaginaModificata, 0);
    EXPECT_TRUE(p.dialoghi.mostrati.isEmpty());

    modifica(QStringLiteral("via_sede"), QStringLiteral("VIA DUE"));
    clic(p.finestra().CMDRipristina);
    EXPECT_EQ(RecordScheda()[QStringLiteral("via_sede")].toText(), QStringLiteral("VIA UNO"));
    EXPECT_EQ(PaginaModificata, 0);
    EXPECT_EQ(PaginaCorrente, 2);
    EXPECT_NE(Form(2), nullptr);

    clic(p.finestra().CMDTrova);
    EXPECT_EQ(PaginaCorrente, 2);
    EXPECT_TRUE(p.dialoghi.mostrati.isEmpty());
}

TEST_F(Comandi, ExitByButtonMenuAndFrame)
{
    enum Via { Pulsante, Menu, Cornice };
    for (const Via via : {Pulsante, Menu, Cornice}) {
        for (const int risposta : {0, int(dlg::vbYes), int(dlg::vbNo)}) {
            SCOPED_TRACE(testing::Message() << "via " << via << " answer " << risposta);
            ProgrammaProva q;
            q.cartella.aggiungiSchede(1);
            ASSERT_TRUE(q.avvia());
            if (risposta) {
                RecordScheda().imposta(QStringLiteral("nome"), QStringLiteral("ANNA"));
                PaginaModificata = 1;
                q.dialoghi.rispondi(risposta);
            }
            if (via == Pulsante) {
                QTest::mouseClick(q.finestra().CMDEsci, Qt::LeftButton);
            } else if (via == Menu) {
                q.finestra().MNUEsciItem->trigger();
            } else {
                QCloseEvent e;
                QCoreApplication::sendEvent(&q.finestra(), &e);
                EXPECT_FALSE(e.isAccepted());
            }
            EXPECT_EQ(q.uscita, std::optional<int>(0));
            EXPECT_EQ(q.dialoghi.mostrati.size(), risposta ? 1 : 0);
            EXPECT_EQ(RsDati, nullptr);
            EXPECT_EQ(ConnessioneDati, nullptr);
            EXPECT_EQ(ConnessioneEsporta, nullptr);
            const ado::Variant nome = q.valoreSalvato(1, QStringLiteral("nome"));
            if (risposta == dlg::vbYes)
                EXPECT_EQ(nome.toText(), QStringLiteral("ANNA"));
            else
                EXPECT_TRUE(nome.isNull());
        }
    }
}

TEST_F(Comandi, NoStalePageWritesOverAnotherSheet)
{
    avvia(2);
    clic(p.finestra().CMDPag[3]);
    // Page 1 opened beside page 3, as the whole-sheet print does.
    ApriForm(1);
    ASSERT_NE(Form(1), nullptr);
    clic(p.finestra().CMDPag[2]);
    EXPECT_EQ(Form(1), nullptr);
    EXPECT_EQ(Form(3), nullptr);
    EXPECT_NE(Form(2), nullptr);
}

TEST_F(Comandi, AFailedSaveAfterYesStopsTheCommand)
{
    avvia(2);
    clic(p.finestra().CMDPag[2]);
    modifica(QStringLiteral("via_sede"), QStringLiteral("VIA PERSA"));
    // The row goes away behind the program's back.
    p.cartella.esegui(FileVarnex, PasswordVarnex, QStringLiteral("DELETE FROM Dati WHERE id_scheda = 2"));
    p.dialoghi.rispondi(dlg::vbYes);
    clic(p.finestra().CMDPag[3]);
    ASSERT_EQ(p.dialoghi.mostrati.size(), 2);
    EXPECT_TRUE(p.dialoghi.mostrati[1].prompt.startsWith(QStringLiteral("Errore di run-time '3021'")));
    EXPECT_EQ(PaginaModificata, 1);
    EXPECT_EQ(PaginaCorrente, 2);
    EXPECT_NE(Form(2), nullptr);
    EXPECT_EQ(RecordScheda()[QStringLiteral("via_sede")].toText(), QStringLiteral("VIA PERSA"));

    // Exit with the same failure: reported, and the program goes on.
    p.dialoghi.rispondi(dlg::vbYes);
    clic(p.finestra().CMDEsci);
    EXPECT_FALSE(p.uscita.has_value());
    EXPECT_NE(RsDati, nullptr);
}

TEST_F(Comandi, AWriteThatFailedIsNotStoredByALaterMove)
{
    avvia(2);
    clic(p.finestra().CMDPag[2]);
    modifica(QStringLiteral("via_sede"), QStringLiteral("VIA BLOCCATA"));
    p.cartella.esegui(FileVarnex, PasswordVarnex,
                      QStringLiteral("CREATE TRIGGER blocca BEFORE UPDATE ON Dati BEGIN SELECT RAISE(ABORT, 'bloccato'); END"));
    p.dialoghi.rispondi(dlg::vbYes);
    clic(p.finestra().CMDPag[3]);
    EXPECT_EQ(PaginaModificata, 1);
    EXPECT_EQ(PaginaCorrente, 2);
    // The buttons show the page that stayed.
    prova::soloPaginaGialla(p.finestra(), 2);

    // The file accepts writes again; the user now declines the save.
    p.cartella.esegui(FileVarnex, PasswordVarnex, QStringLiteral("DROP TRIGGER blocca"));
    p.dialoghi.rispondi(dlg::vbNo);
    clic(p.finestra().CMDPag[3]);
    EXPECT_EQ(PaginaCorrente, 3);
    clic(p.finestra().CMDPrimo);
    EXPECT_TRUE(p.valoreSalvato(2, QStringLiteral("via_sede")).isNull());
}

TEST_F(Comandi, DeleteOfASheetGoneBehindTheProgramsBackDeletesNothingElse)
{
    avvia(3);
    clic(p.finestra().CMDPrimo);
    p.cartella.esegui(FileVarnex, PasswordVarnex, QStringLiteral("DELETE FROM Dati WHERE id_scheda = 1"));
    p.dialoghi.rispondi(dlg::vbYes);
    clic(p.finestra().CMDElimina);
    EXPECT_EQ(p.chiavi(), (QList<qint64>{2, 3}));
    EXPECT_EQ(IdRecord.integer(), 3); // the last sheet is shown instead
    EXPECT_EQ(PaginaCorrente, 1);
    EXPECT_NE(Form(1), nullptr);
}

TEST_F(Comandi, ANewSheetThatCouldNotBeAddedIsNotAddedLater)
{
    avvia(1);
    p.cartella.esegui(FileVarnex, PasswordVarnex,
                      QStringLiteral("CREATE TRIGGER blocca BEFORE INSERT ON Dati BEGIN SELECT RAISE(ABORT, 'bloccato'); END"));
    p.dialoghi.digita(QStringLiteral("mai aggiunta"));
    clic(p.finestra().CMDNuovo);
    EXPECT_TRUE(p.dialoghi.mostrati.last().prompt.startsWith(QStringLiteral("Errore di run-time")));
    p.cartella.esegui(FileVarnex, PasswordVarnex, QStringLiteral("DROP TRIGGER blocca"));
    clic(p.finestra().CMDPrimo);
    clic(p.finestra().CMDUltimo);
    EXPECT_EQ(p.chiavi(), (QList<qint64>{1}));
    EXPECT_EQ(IdRecord.integer(), 1);
}
