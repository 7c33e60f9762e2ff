// The show-page operation, the record commands and the exit, driven through
// the main window's buttons and menus with scripted answers.

#include "Guasti.h"
#include "Interazione.h"

#include "core/Archivio.h"
#include "core/FileDati.h"
#include "core/Globali.h"
#include "core/RecordScheda.h"
#include "pages/PaginaScheda.h"
#include "platform/ui/Twips.h"
#include "shell/MostraPagina.h"
#include "shell/dialoghi/Query.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace scheda;
using prova::clic;

namespace {

// A started program on named sheets, on the last one.
class Comandi : public prova::ConProgramma
{};

} // namespace

TEST_F(Comandi, PageSwitchWithEditsWritesOnYesOnly)
{
    for (const int risposta : {int(dlg::vbYes), int(dlg::vbNo)}) {
        SCOPED_TRACE(risposta);
        ProgrammaProva q;
        ASSERT_TRUE(q.conSchede(1).avvia());
        QTest::mouseClick(q.finestra().CMDPag[2], Qt::LeftButton);
        ASSERT_EQ(PaginaCorrente, 2);
        RecordScheda().imposta(QStringLiteral("via_sede"), QStringLiteral("VIA ROMA 1"));
        PaginaModificata = 1;
        // The buttons are coloured before the question.
        unsigned int coloreAllaDomanda = 0;
        q.dialoghi.allaDomanda = [&](const QString &) {
            coloreAllaDomanda = prova::coloreDi(q.finestra().CMDPag[3]);
        };
        q.dialoghi.rispondi(risposta);
        QTest::mouseClick(q.finestra().CMDPag[3], Qt::LeftButton);
        EXPECT_EQ(coloreAllaDomanda, ui::Giallo);
        ASSERT_EQ(q.dialoghi.mostrati.size(), 1);
        EXPECT_EQ(q.dialoghi.mostrati[0].prompt,
                  QStringLiteral("La pagina è stata modificata, vuoi salvarla?"));
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
    EXPECT_EQ(p.dialoghi.mostrati[0].titolo,
              QStringLiteral("Inserire la Denominazione dell'Impresa"));
    EXPECT_EQ(IdRecord.integer(), 2);
    EXPECT_EQ(p.valoreSalvato(2, QStringLiteral("denominazione")).toText(),
              QString(50, QLatin1Char('A')));
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
    EXPECT_EQ(p.valoreSalvato(3, QStringLiteral("denominazione")).toText(),
              QStringLiteral("NUOVA COOP"));
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
    enum Via { Pulsante, Menu, Contorno };
    for (const Via via : {Pulsante, Menu, Contorno}) {
        for (const int risposta : {0, int(dlg::vbYes), int(dlg::vbNo)}) {
            SCOPED_TRACE(testing::Message() << "via " << via << " answer " << risposta);
            ProgrammaProva q;
            ASSERT_TRUE(q.conSchede(1).avvia());
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
    apriForm(1);
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
    p.cartella.esegui(FileVarnex, PasswordVarnex,
                      QStringLiteral("DELETE FROM Dati WHERE id_scheda = 2"));
    p.dialoghi.rispondi(dlg::vbYes);
    clic(p.finestra().CMDPag[3]);
    ASSERT_EQ(p.dialoghi.mostrati.size(), 2);
    EXPECT_TRUE(
        p.dialoghi.mostrati[1].prompt.startsWith(QStringLiteral("Errore di run-time '3021'")));
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
                      QStringLiteral("CREATE TRIGGER blocca BEFORE UPDATE ON Dati BEGIN SELECT "
                                     "RAISE(ABORT, 'bloccato'); END"));
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
    p.cartella.esegui(FileVarnex, PasswordVarnex,
                      QStringLiteral("DELETE FROM Dati WHERE id_scheda = 1"));
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
                      QStringLiteral("CREATE TRIGGER blocca BEFORE INSERT ON Dati BEGIN SELECT "
                                     "RAISE(ABORT, 'bloccato'); END"));
    p.dialoghi.digita(QStringLiteral("mai aggiunta"));
    clic(p.finestra().CMDNuovo);
    EXPECT_TRUE(p.dialoghi.mostrati.last().prompt.startsWith(QStringLiteral("Errore di run-time")));
    p.cartella.esegui(FileVarnex, PasswordVarnex, QStringLiteral("DROP TRIGGER blocca"));
    clic(p.finestra().CMDPrimo);
    clic(p.finestra().CMDUltimo);
    EXPECT_EQ(p.chiavi(), (QList<qint64>{1}));
    EXPECT_EQ(IdRecord.integer(), 1);
}

TEST_F(Comandi, SalvaWritesIntoTheCurrentSheetsRowWhereverTheCursorStands)
{
    avvia(3);
    apriPagina(2);
    modifica(QStringLiteral("via_sede"), QStringLiteral("VIA GIUSTA"));
    RsDati->MoveFirst(); // as a look-up or the sheet list leaves it
    clic(p.finestra().CMDSalva);
    EXPECT_EQ(salvato(3, "via_sede").toText(), QStringLiteral("VIA GIUSTA"));
    EXPECT_TRUE(salvato(1, "via_sede").isNull());
    EXPECT_TRUE(salvato(2, "via_sede").isNull());
    EXPECT_EQ(PaginaModificata, 0);
    EXPECT_TRUE(p.dialoghi.mostrati.isEmpty());
}

TEST_F(Comandi, WithTheRecordGridShownSalvaWritesNoRowAndRipristinaDoesNothing)
{
    avvia(2);
    apriPagina(2);
    ASSERT_NE(ApriQuery(), nullptr);
    ASSERT_EQ(PaginaCorrente, 10);
    modifica(QStringLiteral("via_sede"), QStringLiteral("VIA MAI SCRITTA"));
    clic(p.finestra().CMDSalva);
    EXPECT_TRUE(salvato(2, "via_sede").isNull());
    EXPECT_EQ(PaginaModificata, 0);

    PaginaModificata = 1;
    clic(p.finestra().CMDRipristina);
    EXPECT_EQ(PaginaCorrente, 10);
    EXPECT_EQ(PaginaModificata, 1);
    EXPECT_EQ(RecordScheda()[QStringLiteral("via_sede")].toText(),
              QStringLiteral("VIA MAI SCRITTA"));
    for (int n = 1; n <= 6; ++n)
        EXPECT_EQ(Form(n), nullptr) << n;
    EXPECT_TRUE(p.dialoghi.mostrati.isEmpty());
}

TEST(ComandiSpostamento, AMoveWithEditsWritesIntoTheSheetLeftOnYesOnly)
{
    using Comando = QToolButton *MDIForm1::*;
    const struct
    {
        const char *nome;
        Comando pulsante;
        qint64 arrivo; // from sheet 2 of 3
    } spostamenti[] = {
        {"Primo", &MDIForm1::CMDPrimo, 1},
        {"Precedente", &MDIForm1::CMDPrec, 1},
        {"Successivo", &MDIForm1::CMDSucc, 3},
        {"Ultimo", &MDIForm1::CMDUltimo, 3},
    };
    for (const auto &s : spostamenti) {
        for (const int risposta : {int(dlg::vbYes), int(dlg::vbNo)}) {
            SCOPED_TRACE(testing::Message() << s.nome << " answer " << risposta);
            ProgrammaProva q;
            ASSERT_TRUE(q.conSchede(3).avvia());
            clic(q.finestra().CMDPrec);
            clic(q.finestra().CMDPag[3]);
            ASSERT_EQ(IdRecord.integer(), 2);
            RecordScheda().imposta(QStringLiteral("c2"), 77);
            PaginaModificata = 1;
            q.dialoghi.rispondi(risposta);
            clic(q.finestra().*s.pulsante);
            EXPECT_EQ(prova::domandeSalva(q.dialoghi), 1);
            EXPECT_EQ(IdRecord.integer(), s.arrivo);
            EXPECT_EQ(PaginaCorrente, 3);
            EXPECT_NE(Form(3), nullptr);
            EXPECT_EQ(PaginaModificata, 0);
            for (const int chiave : {1, 2, 3}) {
                const ado::Variant c2 = q.valoreSalvato(chiave, QStringLiteral("c2"));
                if (risposta == dlg::vbYes && chiave == 2)
                    EXPECT_EQ(c2.toDouble(), 77.0);
                else
                    EXPECT_TRUE(c2.isNull()) << "sheet " << chiave;
            }
        }
    }
}

TEST(ComandiNuovo, AFailedInsertChangesNothingOnThePageShown)
{
    for (const int risposta : {int(dlg::vbYes), int(dlg::vbNo)}) {
        SCOPED_TRACE(risposta);
        ProgrammaProva q;
        ASSERT_TRUE(q.conSchede(2).avvia());
        clic(q.finestra().CMDPag[4]);
        PaginaScheda *pagina4 = Form(4);
        ASSERT_NE(pagina4, nullptr);
        RecordScheda().imposta(QStringLiteral("denominazione_promo"), QStringLiteral("ENTE"));
        PaginaModificata = 1;
        q.cartella.esegui(FileVarnex, PasswordVarnex,
                          QStringLiteral("CREATE TRIGGER blocca BEFORE INSERT ON Dati BEGIN SELECT "
                                         "RAISE(ABORT, 'bloccato'); END"));
        q.dialoghi.digita(QStringLiteral("mai aggiunta"));
        q.dialoghi.rispondi(risposta);
        clic(q.finestra().CMDNuovo);

        ASSERT_EQ(q.dialoghi.mostrati.size(), 3); // the name, the save question, the failure
        EXPECT_TRUE(q.dialoghi.mostrati[2].prompt.startsWith(QStringLiteral("Errore di run-time")));
        EXPECT_EQ(q.chiavi(), (QList<qint64>{1, 2}));
        EXPECT_EQ(IdRecord.integer(), 2);
        EXPECT_EQ(PaginaCorrente, 4);
        EXPECT_EQ(Form(4), pagina4);
        EXPECT_EQ(Form(1), nullptr);
        prova::soloPaginaGialla(q.finestra(), 4);
        EXPECT_EQ(RecordScheda()[QStringLiteral("denominazione_promo")].toText(),
                  QStringLiteral("ENTE"));
        // Written on Yes, so nothing is pending; kept pending on No.
        EXPECT_EQ(PaginaModificata, risposta == dlg::vbYes ? 0 : 1);
        EXPECT_EQ(q.valoreSalvato(2, QStringLiteral("denominazione_promo")),
                  risposta == dlg::vbYes ? ado::Variant("ENTE") : ado::Variant::null());
    }
}

TEST_F(Comandi, AfterTheExitNoFileIsOpenAndNoJournalIsLeft)
{
    avvia(2);
    apriPagina(2);
    modifica(QStringLiteral("via_sede"), QStringLiteral("VIA ULTIMA"));
    p.dialoghi.rispondi(dlg::vbYes); // the exit writes before it closes
    clic(p.finestra().CMDEsci);
    ASSERT_EQ(p.uscita, std::optional<int>(0));

    const QString cartella = QDir(p.cartella.cartella()).canonicalPath();
    QStringList aperti;
    for (const QFileInfo &fd :
         QDir(QStringLiteral("/proc/self/fd")).entryInfoList(QDir::Files | QDir::System)) {
        const QString bersaglio = fd.symLinkTarget();
        if (bersaglio.startsWith(cartella + QLatin1Char('/')))
            aperti << bersaglio;
    }
    EXPECT_TRUE(aperti.isEmpty()) << qPrintable(aperti.join(QLatin1Char(' ')));
    const QStringList resti = QDir(cartella).entryList({QStringLiteral("*-journal"),
                                                        QStringLiteral("*-wal"),
                                                        QStringLiteral("*-shm")},
                                                       QDir::Files | QDir::Hidden);
    EXPECT_TRUE(resti.isEmpty()) << qPrintable(resti.join(QLatin1Char(' ')));
    EXPECT_EQ(salvato(2, "via_sede").toText(), QStringLiteral("VIA ULTIMA"));
}

TEST_F(Comandi, TheMenuCommandsValidateEveryPageShownPage3Included)
{
    avvia(1);
    for (int n = 1; n <= 6; ++n) {
        SCOPED_TRACE(n);
        apriPagina(n);
        QToolButton *piede = n == 6 ? Form(n)->CMDPrec : Form(n)->CMDSucces;
        piede->setFocus(Qt::TabFocusReason);
        NomeControllo.clear();
        validareFormMostrato();
        EXPECT_EQ(NomeControllo, piede->objectName()); // Validare read the page's active control
    }
    // The exit menu item too, on page 3.
    apriPagina(3);
    Form(3)->CMDSucces->setFocus(Qt::TabFocusReason);
    NomeControllo.clear();
    p.finestra().MNUEsciItem->trigger();
    EXPECT_EQ(NomeControllo, QStringLiteral("CMDSucces"));
    EXPECT_EQ(p.uscita, std::optional<int>(0));
}

TEST(ComandiFileGuasto, OnAFileDamagedWhileShownEveryCommandReportsItAndChangesNothing)
{
    using Comando = QToolButton *MDIForm1::*;
    const QString lettura = QStringLiteral(
        "Errore di run-time '3049':\n\nImpossibile leggere il file '%1': il file è danneggiato.");
    const QString scrittura = QStringLiteral(
        "Errore di run-time '3049':\n\nImpossibile scrivere nel file '%1': il file è danneggiato.");
    const struct
    {
        const char *nome;
        Comando pulsante;
        std::function<void(ProgrammaProva &)> prima; // answers and edits
        const QString &messaggio;
    } comandi[] = {
        {"Primo", &MDIForm1::CMDPrimo, [](ProgrammaProva &) {}, lettura},
        {"Precedente", &MDIForm1::CMDPrec, [](ProgrammaProva &) {}, lettura},
        {"Successivo", &MDIForm1::CMDSucc, [](ProgrammaProva &) {}, lettura},
        {"Ultimo", &MDIForm1::CMDUltimo, [](ProgrammaProva &) {}, lettura},
        {"Successivo with edits saved", &MDIForm1::CMDSucc,
         [](ProgrammaProva &q) {
             RecordScheda().imposta(QStringLiteral("denominazione"), QStringLiteral("MAI SCRITTA"));
             PaginaModificata = 1;
             q.dialoghi.rispondi(dlg::vbYes);
         },
         lettura},
        {"Elimina", &MDIForm1::CMDElimina,
         [](ProgrammaProva &q) { q.dialoghi.rispondi(dlg::vbYes); }, lettura},
        {"Salva", &MDIForm1::CMDSalva,
         [](ProgrammaProva &) {
             RecordScheda().imposta(QStringLiteral("denominazione"), QStringLiteral("MAI SCRITTA"));
             PaginaModificata = 1;
         },
         lettura},
        {"Nuovo", &MDIForm1::CMDNuovo,
         [](ProgrammaProva &q) { q.dialoghi.digita(QStringLiteral("mai aggiunta")); }, scrittura},
    };
    for (const auto &c : comandi) {
        SCOPED_TRACE(c.nome);
        ProgrammaProva q;
        ASSERT_TRUE(q.conSchede(3).avvia());
        clic(q.finestra().CMDPrec); // on sheet 2, so that moves go both ways
        ASSERT_EQ(IdRecord.integer(), 2);
        const QString file = q.cartella.percorso(FileVarnex);
        prova::rovinaDati(q.cartella);
        const QByteArray guasto = prova::byteDi(file);
        c.prima(q);
        q.dialoghi.mostrati.clear();
        clic(q.finestra().*c.pulsante);
        ASSERT_FALSE(q.dialoghi.mostrati.isEmpty());
        const dlg::Mostrato &box = q.dialoghi.mostrati.last();
        EXPECT_EQ(box.prompt.toStdString(), c.messaggio.arg(file).toStdString());
        EXPECT_EQ(box.stile & dlg::vbCritical, dlg::vbCritical);
        EXPECT_TRUE(prova::byteDi(file) == guasto) << "the damaged file was written";
        EXPECT_FALSE(QFile::exists(file + QStringLiteral("-journal")));
        EXPECT_EQ(IdRecord.integer(), 2);
        EXPECT_EQ(PaginaCorrente, 1);
        EXPECT_NE(Form(1), nullptr);
        EXPECT_FALSE(q.uscita.has_value());
    }
}

TEST(ComandiFileGuasto, OnceOneSheetCouldNotBeReadNoCommandWritesIntoTheFile)
{
    ProgrammaProva q;
    prova::rovinaPrimaScheda(q.cartella); // the last page of sheet 1's row overwritten
    const QString file = q.cartella.percorso(FileVarnex);
    const QByteArray guasto = prova::byteDi(file);
    ASSERT_TRUE(q.avvia()); // on sheet 3, which reads
    EXPECT_EQ(IdRecord.integer(), 3);
    const auto ultimoMessaggio = [&q] {
        return q.dialoghi.mostrati.isEmpty() ? std::string()
                                             : q.dialoghi.mostrati.last().prompt.toStdString();
    };

    clic(q.finestra().CMDPrimo);
    EXPECT_EQ(ultimoMessaggio(), QStringLiteral("Errore di run-time '3049':\n\nImpossibile leggere "
                                                "il file '%1': il file è danneggiato.")
                                     .arg(file)
                                     .toStdString());
    clic(q.finestra().CMDUltimo);
    clic(q.finestra().CMDPag[1]); // page 1 again, whatever the failed load left shown
    ASSERT_EQ(IdRecord.integer(), 3);
    ASSERT_NE(Form(1), nullptr);

    // Sheet 3 reads, and the engine would write it; the file met a damaged page.
    const std::string rifiuto
        = QStringLiteral(
              "Errore di run-time '3049':\n\nImpossibile scrivere nel file '%1': una sua lettura "
              "non è riuscita (il file è danneggiato), il file resta com'è.")
              .arg(file)
              .toStdString();
    const struct
    {
        const char *nome;
        std::function<void()> fai;
    } comandi[] = {
        {"Salva",
         [&] {
             RecordScheda().imposta(QStringLiteral("denominazione"), QStringLiteral("MAI SCRITTA"));
             PaginaModificata = 1;
             clic(q.finestra().CMDSalva);
             EXPECT_EQ(PaginaModificata, 1);
         }},
        {"Elimina",
         [&] {
             q.dialoghi.rispondi(dlg::vbYes);
             clic(q.finestra().CMDElimina);
         }},
        {"Nuovo",
         [&] {
             q.dialoghi.digita(QStringLiteral("mai aggiunta"));
             clic(q.finestra().CMDNuovo);
         }},
    };
    for (const auto &c : comandi) {
        SCOPED_TRACE(c.nome);
        q.dialoghi.mostrati.clear();
        c.fai();
        EXPECT_EQ(ultimoMessaggio(), rifiuto);
        EXPECT_EQ(IdRecord.integer(), 3);
        EXPECT_TRUE(prova::byteDi(file) == guasto) << "the damaged file was written";
    }
    EXPECT_FALSE(q.uscita.has_value());
}

TEST(ComandiFileGuasto, AMoveToASheetThatCannotBeReadKeepsTheSheetShownBefore)
{
    const struct
    {
        const char *nome;
        int scheda, pagina; // shown before the move
        QToolButton *MDIForm1::*pulsante;
        int risposta; // to the save question after an edit, 0 for no edit
    } casi[] = {
        {"Primo", 3, 1, &MDIForm1::CMDPrimo, 0},
        {"Precedente", 2, 4, &MDIForm1::CMDPrec, 0},
        {"Primo with edits saved", 3, 2, &MDIForm1::CMDPrimo, dlg::vbYes},
        {"Primo with edits dropped", 3, 2, &MDIForm1::CMDPrimo, dlg::vbNo},
    };
    for (const auto &c : casi) {
        SCOPED_TRACE(c.nome);
        ProgrammaProva q;
        prova::rovinaPrimaScheda(q.cartella); // sheet 1's row cannot be read
        const QString file = q.cartella.percorso(FileVarnex);
        ASSERT_TRUE(q.avvia()); // on sheet 3
        if (c.scheda == 2)
            clic(q.finestra().CMDPrec);
        ASSERT_TRUE(q.apriPagina(c.pagina));
        ASSERT_EQ(IdRecord.integer(), c.scheda);
        if (c.risposta) {
            prova::imposta(QStringLiteral("via_sede"), QStringLiteral("VIA NUOVA"));
            PaginaModificata = 1;
            q.dialoghi.rispondi(c.risposta);
        }
        const QByteArray prima = prova::byteDi(file);
        q.dialoghi.mostrati.clear();

        clic(q.finestra().*c.pulsante);
        ASSERT_FALSE(q.dialoghi.mostrati.isEmpty());
        EXPECT_EQ(q.dialoghi.mostrati.last().prompt.toStdString(),
                  QStringLiteral("Errore di run-time '3049':\n\nImpossibile leggere il file "
                                 "'%1': il file è danneggiato.")
                      .arg(file)
                      .toStdString());
        EXPECT_EQ(prova::domandeSalva(q.dialoghi), c.risposta ? 1 : 0);
        // The sheet shown before, on the page shown before, read again.
        const auto mostrata = [&](int scheda) {
            EXPECT_EQ(IdRecord.integer(), scheda);
            EXPECT_EQ(RsDati->Fields(0).Value().integer(), scheda);
            EXPECT_EQ(PaginaCorrente, c.pagina);
            ASSERT_NE(Form(c.pagina), nullptr);
            EXPECT_TRUE(Form(c.pagina)->isVisible());
            EXPECT_EQ(Form(c.pagina)->windowTitle(),
                      QStringLiteral("Pagina %1 - SCHEDA %2").arg(c.pagina).arg(scheda));
            prova::soloPaginaGialla(q.finestra(), c.pagina);
            EXPECT_EQ(PaginaModificata, 0);
        };
        mostrata(c.scheda);
        if (c.risposta) {
            // Saved on Yes into the sheet left, dropped on No: the page
            // shows what its row holds.
            const QString atteso = c.risposta == dlg::vbYes ? QStringLiteral("VIA NUOVA")
                                                            : QString();
            EXPECT_EQ(q.valoreSalvato(c.scheda, QStringLiteral("via_sede")).isNull(),
                      atteso.isEmpty());
            EXPECT_EQ(Form(2)->findChild<QLineEdit *>(QStringLiteral("TXTViaSede"))->text(), atteso);
        } else
            EXPECT_TRUE(prova::byteDi(file) == prima) << "the file was written";

        // The other moves go on as before.
        const qsizetype mostrati = q.dialoghi.mostrati.size();
        clic(q.finestra().CMDUltimo);
        mostrata(3);
        clic(q.finestra().CMDPrec);
        mostrata(2);
        clic(q.finestra().CMDSucc);
        mostrata(3);
        EXPECT_EQ(q.dialoghi.mostrati.size(), mostrati) << "a move said something";
        EXPECT_FALSE(q.uscita.has_value());
    }
}
