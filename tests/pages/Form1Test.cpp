// Page 1 in the whole program on real files: the first run, the sheet list,
// the option pairs, every column through Salva and a restart, the Null
// defaults, Validare and the layout (the foot button: PulsantiPiedeTest).

#include "Guasti.h"
#include "Interazione.h"

#include "core/Archivio.h"
#include "core/FileDati.h"
#include "core/Globali.h"
#include "core/RecordScheda.h"
#include "pages/ServiziShell.h"
#include "pages/page1/Form1.h"
#include "platform/maschera/MaskEdBox.h"
#include "platform/ui/Twips.h"
#include "shell/MostraPagina.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace scheda;
using ado::Variant;
using namespace prova;

namespace {

const QString Prompt = QStringLiteral("Inserire la Denominazione dell'Impresa");
const QString Titolo = QStringLiteral("Inserire Record per avviare il Programma");

class Pagina1 : public prova::ConPagina<1, Form1>
{
protected:
    static void inserisci(CartellaProva &c, const QString &nomi)
    {
        c.esegui(FileVarnex, PasswordVarnex,
                 QStringLiteral("INSERT INTO Dati (denominazione) VALUES (%1)").arg(nomi));
    }
    void scegliScheda(int i) { scegli(f()->CMBDenominazione, i); }
};

// --- First run -----------------------------------------------------------------

TEST_F(Pagina1, FirstRunCancelOrAnEmptyAnswerEndsTheProgram)
{
    for (const bool vuota : {false, true}) {
        SCOPED_TRACE(vuota ? "empty answer" : "cancel");
        ProgrammaProva q;
        if (vuota)
            q.dialoghi.digita(QString());
        EXPECT_FALSE(q.avvia());
        ASSERT_EQ(q.dialoghi.mostrati.size(), 1); // no further question
        EXPECT_TRUE(q.dialoghi.mostrati[0].input);
        EXPECT_EQ(q.dialoghi.mostrati[0].prompt, Prompt);
        EXPECT_EQ(q.dialoghi.mostrati[0].titolo, Titolo);
        EXPECT_EQ(q.uscita, 0);
        EXPECT_EQ(Messaggio, Prompt);
    }
}

TEST_F(Pagina1, FirstRunNameIsStoredUpperCaseAndCutTo50)
{
    const QString risposta = QStringLiteral(
        "cooperativa sociale la perla del conero di ancona e dintorni");
    p.dialoghi.allaDomanda = [](const QString &) {
        // The question comes once page 1 stands on screen.
        EXPECT_NE(Form(1), nullptr);
        EXPECT_TRUE(Form(1) && Form(1)->isVisible());
    };
    p.dialoghi.digita(risposta);
    avvia();
    const QString atteso = risposta.toUpper().left(50);
    EXPECT_EQ(salvato(1, "denominazione"), Variant(atteso));
    ASSERT_NE(f(), nullptr);
    EXPECT_EQ(f()->windowTitle(), QStringLiteral("Pagina 1 - ") + atteso);
    EXPECT_EQ(campo("TXTDenom")->text(), atteso);
    EXPECT_EQ(f()->CMBDenominazione->count(), 1);
    EXPECT_EQ(f()->CMBDenominazione->currentText(), atteso);
    EXPECT_EQ(p.dialoghi.mostrati.size(), 1); // the reload asks nothing
    EXPECT_EQ(PaginaModificata, 0);
    EXPECT_EQ(PaginaCorrente, 1);
    EXPECT_FALSE(p.uscita.has_value());
}

TEST_F(Pagina1, AnUnnamedSheetThatIsNotTheFirstRowAsksNothing)
{
    avvia({QStringLiteral("INSERT INTO Dati (denominazione) VALUES (NULL)"),
           QStringLiteral("INSERT INTO Dati (denominazione) VALUES (NULL)")});
    EXPECT_TRUE(p.dialoghi.mostrati.isEmpty());
    EXPECT_EQ(IdRecord.integer(), 2);
    EXPECT_EQ(f()->windowTitle(), QStringLiteral("Pagina 1 - "));
    EXPECT_EQ(f()->CMBDenominazione->count(), 2);
    EXPECT_EQ(f()->CMBDenominazione->itemText(0), QString());
}

// --- The sheet list ------------------------------------------------------------

TEST_F(Pagina1, TheListNamesEverySheetAndAPickShowsItAtOnce)
{
    avvia(3);
    QComboBox *c = f()->CMBDenominazione;
    ASSERT_EQ(c->count(), 3);
    EXPECT_EQ(c->itemText(0), QStringLiteral("SCHEDA 1"));
    EXPECT_EQ(c->currentIndex(), 2);
    EXPECT_EQ(f()->IndiceProgetto, 2);

    scegliScheda(0);
    EXPECT_EQ(IdRecord.integer(), 1);
    EXPECT_EQ(f()->IndiceProgetto, 0);
    EXPECT_EQ(f()->windowTitle(), QStringLiteral("Pagina 1 - SCHEDA 1"));
    EXPECT_EQ(campo("TXTDenom")->text(), QStringLiteral("SCHEDA 1"));
    EXPECT_TRUE(p.dialoghi.mostrati.isEmpty());
    EXPECT_EQ(PaginaModificata, 0);

    scegliScheda(0); // the entry already selected: nothing happens
    EXPECT_EQ(IdRecord.integer(), 1);
    EXPECT_TRUE(p.dialoghi.mostrati.isEmpty());
}

TEST_F(Pagina1, APickWithEditsAsksToSaveIntoTheSheetLeft)
{
    for (const int risposta : {int(dlg::vbYes), int(dlg::vbNo)}) {
        SCOPED_TRACE(risposta);
        ProgrammaProva q;
        ASSERT_TRUE(q.conSchede(3).avvia());
        ASSERT_TRUE(q.attiva());
        Form1 *pagina = qobject_cast<Form1 *>(Form(1));
        auto *cognome = pagina->findChild<QLineEdit *>(QStringLiteral("TXTCognome"));
        auto *denom = pagina->findChild<QLineEdit *>(QStringLiteral("TXTDenom"));
        scriviSenzaUscire(cognome, QStringLiteral("rossi"));
        scriviSenzaUscire(denom, QStringLiteral("nuovo nome"));
        q.dialoghi.rispondi(risposta);
        QComboBox *c = pagina->CMBDenominazione;
        scegli(c, 0); // the box commits as the list takes the focus

        ASSERT_EQ(q.dialoghi.mostrati.size(), 1);
        EXPECT_EQ(q.dialoghi.mostrati[0].prompt, DomandaSalva);
        EXPECT_EQ(q.dialoghi.mostrati[0].titolo, TitoloSalva);
        EXPECT_EQ(q.dialoghi.mostrati[0].stile, dlg::vbYesNo | dlg::vbExclamation);
        const bool si = risposta == dlg::vbYes;
        EXPECT_EQ(q.valoreSalvato(Variant(3), QStringLiteral("cognome")),
                  si ? Variant("ROSSI") : Variant::null());
        EXPECT_EQ(q.valoreSalvato(Variant(3), QStringLiteral("denominazione")),
                  Variant(si ? "NUOVO NOME" : "SCHEDA 3"));
        EXPECT_EQ(q.valoreSalvato(Variant(1), QStringLiteral("cognome")), Variant::null());
        EXPECT_EQ(c->itemText(2), si ? QStringLiteral("NUOVO NOME") : QStringLiteral("SCHEDA 3"));
        EXPECT_EQ(IdRecord.integer(), 1);
        EXPECT_EQ(cognome->text(), QString());
        EXPECT_EQ(PaginaModificata, 0);
        EXPECT_EQ(pagina->windowTitle(), QStringLiteral("Pagina 1 - SCHEDA 1"));
    }
}

TEST_F(Pagina1, SavingANewNameRenamesItsEntry)
{
    avvia(2);
    scriviSenzaUscire(campo("TXTDenom"), QStringLiteral("altra coop"));
    QTest::mouseClick(p.finestra().CMDSalva, Qt::LeftButton);
    EXPECT_EQ(salvato(2, "denominazione"), Variant("ALTRA COOP"));
    EXPECT_EQ(f()->CMBDenominazione->itemText(1), QStringLiteral("ALTRA COOP"));
    EXPECT_EQ(f()->CMBDenominazione->itemText(0), QStringLiteral("SCHEDA 1"));
}

TEST_F(Pagina1, ANewSheetIsTheLastEntrySelected)
{
    avvia(2);
    p.dialoghi.digita(QStringLiteral("nuova coop"));
    QTest::mouseClick(p.finestra().CMDNuovo, Qt::LeftButton);
    ASSERT_NE(f(), nullptr);
    QComboBox *c = f()->CMBDenominazione;
    ASSERT_EQ(c->count(), 3);
    EXPECT_EQ(c->currentIndex(), 2);
    EXPECT_EQ(c->currentText(), QStringLiteral("NUOVA COOP"));
    EXPECT_EQ(f()->windowTitle(), QStringLiteral("Pagina 1 - NUOVA COOP"));
}

TEST_F(Pagina1, AStaleListIsMadeAgainAndNeverReadPastItsEnd)
{
    avvia(4);
    QComboBox *c = f()->CMBDenominazione;
    // Rows deleted behind the program's back: entry 2 (key 3) now stands at 1.
    p.cartella.esegui(FileVarnex, PasswordVarnex,
                      QStringLiteral("DELETE FROM Dati WHERE id_scheda = 1"));
    f()->CMBDenominazione_Click(2);
    EXPECT_EQ(IdRecord.integer(), 3);
    EXPECT_EQ(c->count(), 3);
    EXPECT_EQ(c->currentIndex(), 1);
    EXPECT_EQ(f()->IndiceProgetto, 1);
    EXPECT_EQ(f()->windowTitle(), QStringLiteral("Pagina 1 - SCHEDA 3"));

    // The entry picked is past the end of the table now: nothing is read there.
    p.cartella.esegui(FileVarnex, PasswordVarnex,
                      QStringLiteral("DELETE FROM Dati WHERE id_scheda IN (2, 4)"));
    f()->CMBDenominazione_Click(2);
    EXPECT_EQ(IdRecord.integer(), 3);
    EXPECT_EQ(c->count(), 1);
    EXPECT_EQ(c->currentIndex(), 0);
    EXPECT_TRUE(p.dialoghi.mostrati.isEmpty());

    // Opening the list checks it against the table.
    p.cartella.esegui(FileVarnex, PasswordVarnex,
                      QStringLiteral(
                          "UPDATE Dati SET denominazione = 'ALTRO' WHERE id_scheda = 3"));
    inserisci(p.cartella, QStringLiteral("'NUOVA'"));
    c->showPopup();
    EXPECT_EQ(c->count(), 2);
    EXPECT_EQ(c->itemText(0), QStringLiteral("ALTRO"));
    EXPECT_EQ(c->itemText(1), QStringLiteral("NUOVA"));
    EXPECT_EQ(c->currentIndex(), 0);
    c->hidePopup();
}

// --- Option pairs --------------------------------------------------------------

TEST_F(Pagina1, AListRebuiltWithoutTheSheetShownFallsBackToTheLastSheet)
{
    avvia(4);
    QComboBox *c = f()->CMBDenominazione;
    p.cartella.esegui(FileVarnex, PasswordVarnex,
                      QStringLiteral("DELETE FROM Dati WHERE id_scheda IN (1, 4)"));
    c->showPopup();
    c->hidePopup();
    EXPECT_EQ(IdRecord.integer(), 3);
    EXPECT_EQ(c->count(), 2);
    EXPECT_EQ(c->currentIndex(), 1);
    EXPECT_EQ(f()->IndiceProgetto, 1);
    EXPECT_EQ(f()->windowTitle(), QStringLiteral("Pagina 1 - SCHEDA 3"));
    ASSERT_EQ(p.dialoghi.mostrati.size(), 1); // the vanished sheet is reported
    EXPECT_TRUE(RsDati->Fields(0).Value().looselyEquals(IdRecord));
}

TEST_F(Pagina1, TheSheetShownGoneWithEditsAsksToSaveBeforeTheListIsMadeAgain)
{
    avvia(4);
    QComboBox *c = f()->CMBDenominazione;
    scriviSenzaUscire(campo("TXTCognome"), QStringLiteral("rossi"));
    p.cartella.esegui(FileVarnex, PasswordVarnex,
                      QStringLiteral("DELETE FROM Dati WHERE id_scheda IN (1, 4)"));

    // Yes: the row is gone, the save fails and is reported; the list stays
    // shut and the page keeps its edits.
    p.dialoghi.rispondi(dlg::vbYes);
    QTest::mouseClick(c, Qt::LeftButton); // the box commits as the list takes the focus
    ASSERT_EQ(p.dialoghi.mostrati.size(), 2);
    EXPECT_EQ(p.dialoghi.mostrati[0].titolo, TitoloSalva);
    EXPECT_EQ(p.dialoghi.mostrati[1].stile, dlg::vbCritical);
    EXPECT_TRUE(
        p.dialoghi.mostrati[1].prompt.contains(QStringLiteral("la pagina non è stata salvata")));
    EXPECT_FALSE(c->view()->isVisible());
    EXPECT_EQ(IdRecord.integer(), 4);
    EXPECT_EQ(PaginaModificata, 1);
    EXPECT_EQ(campo("TXTCognome")->text(), QStringLiteral("ROSSI"));

    // No: then the last sheet is shown, with the message, and the list opens
    // without the sheets that have gone; nothing is written.
    p.dialoghi.mostrati.clear();
    p.dialoghi.rispondi(dlg::vbNo);
    QTest::mouseClick(c, Qt::LeftButton);
    ASSERT_EQ(p.dialoghi.mostrati.size(), 2);
    EXPECT_EQ(p.dialoghi.mostrati[0].titolo, TitoloSalva);
    EXPECT_EQ(p.dialoghi.mostrati[1].titolo, QStringLiteral("Scheda non trovata"));
    EXPECT_TRUE(c->view()->isVisible());
    c->hidePopup();
    EXPECT_EQ(IdRecord.integer(), 3);
    EXPECT_EQ(f()->windowTitle(), QStringLiteral("Pagina 1 - SCHEDA 3"));
    EXPECT_EQ(campo("TXTCognome")->text(), QString());
    EXPECT_EQ(PaginaModificata, 0);
    EXPECT_EQ(c->count(), 2);
    EXPECT_EQ(c->currentIndex(), 1);
    EXPECT_TRUE(salvato(3, "cognome").isNull());
    EXPECT_TRUE(p.chiavi() == (QList<qint64>{2, 3}));
}

TEST_F(Pagina1, APickOfASheetThatHasGoneShowsTheStoredSheetNeverTheOldValues)
{
    const struct
    {
        const char *caso;
        const char *elimina;
        qint64 mostrata; // the sheet shown afterwards
        int messaggi;    // "Scheda non trovata"
    } casi[] = {
        {"the sheet shown is still there", "DELETE FROM Dati WHERE id_scheda = 2", 4, 0},
        {"the sheet shown has gone too", "DELETE FROM Dati WHERE id_scheda IN (2, 4)", 3, 1},
    };
    for (const auto &k : casi) {
        SCOPED_TRACE(k.caso);
        ProgrammaProva q;
        q.cartella.aggiungiSchede(4);
        q.cartella.esegui(FileVarnex, PasswordVarnex,
                          QStringLiteral(
                              "UPDATE Dati SET cognome = 'BIANCHI' WHERE id_scheda = 3"));
        ASSERT_TRUE(q.avvia());
        Form1 *pagina = qobject_cast<Form1 *>(Form(1));
        modifica(QStringLiteral("cognome"), QStringLiteral("ROSSI"));
        pagina->Posiziona();
        q.cartella.esegui(FileVarnex, PasswordVarnex, QString::fromLatin1(k.elimina));
        q.dialoghi.rispondi(dlg::vbNo);
        pagina->CMBDenominazione_Click(1); // the entry of sheet 2

        EXPECT_EQ(prova::domandeSalva(q.dialoghi), 1);
        EXPECT_EQ(prova::domande(q.dialoghi, QStringLiteral("Scheda non trovata")), k.messaggi);
        EXPECT_EQ(IdRecord.integer(), k.mostrata);
        const QString nome = QStringLiteral("SCHEDA %1").arg(k.mostrata);
        EXPECT_EQ(pagina->windowTitle(), QStringLiteral("Pagina 1 - ") + nome);
        EXPECT_EQ(figlio(pagina, QStringLiteral("TXTDenom"))->text(), nome);
        EXPECT_EQ(figlio(pagina, QStringLiteral("TXTCognome"))->text(),
                  k.mostrata == 3 ? QStringLiteral("BIANCHI") : QString());
        EXPECT_EQ(pagina->CMBDenominazione->currentText(), nome);
        EXPECT_EQ(PaginaModificata, 0);

        // A save now writes the sheet shown with its own values.
        clic(q.finestra().CMDSalva);
        EXPECT_EQ(q.valoreSalvato(Variant(std::int64_t(k.mostrata)),
                                  QStringLiteral("denominazione")),
                  Variant(nome));
        EXPECT_EQ(q.valoreSalvato(Variant(3), QStringLiteral("cognome")), Variant("BIANCHI"));
    }
}

TEST(Pagina1FileGuasto, APickOfASheetThatCannotBeReadKeepsTheSheetShownBefore)
{
    ProgrammaProva q;
    prova::rovinaPrimaScheda(q.cartella); // sheet 1's row cannot be read
    const QString file = q.cartella.percorso(FileVarnex);
    ASSERT_TRUE(q.avviaSuPagina(1)); // on sheet 3
    Form1 *pagina = qobject_cast<Form1 *>(Form(1));
    ASSERT_NE(pagina, nullptr);
    const QByteArray prima = prova::byteDi(file);

    scegli(pagina->CMBDenominazione, 0); // the entry of sheet 1
    ASSERT_FALSE(q.dialoghi.mostrati.isEmpty());
    EXPECT_EQ(q.dialoghi.mostrati.last().prompt,
              QStringLiteral("Errore di run-time '3049':\n\nImpossibile leggere il file "
                             "'%1': il file è danneggiato.")
                  .arg(file));
    // Sheet 3 stays the current one, shown as stored, its entry chosen.
    EXPECT_EQ(IdRecord.integer(), 3);
    EXPECT_EQ(RsDati->Fields(0).Value().integer(), 3);
    EXPECT_EQ(Form(1), pagina);
    EXPECT_EQ(pagina->windowTitle(), QStringLiteral("Pagina 1 - SCHEDA 3"));
    EXPECT_EQ(figlio(pagina, QStringLiteral("TXTDenom"))->text(), QStringLiteral("SCHEDA 3"));
    EXPECT_EQ(pagina->CMBDenominazione->currentText(), QStringLiteral("SCHEDA 3"));
    EXPECT_EQ(PaginaModificata, 0);
    EXPECT_TRUE(prova::byteDi(file) == prima) << "the file was written";

    // An edit typed now belongs to sheet 3: its save is refused as every
    // write is once the file met a damaged page, and nothing is written.
    scrivi(figlio(pagina, QStringLiteral("TXTCognome")), QStringLiteral("rossi"));
    EXPECT_EQ(RecordScheda()[QStringLiteral("cognome")], Variant("ROSSI"));
    clic(q.finestra().CMDSalva);
    EXPECT_EQ(q.dialoghi.mostrati.last().prompt,
              QStringLiteral("Errore di run-time '3049':\n\nImpossibile scrivere nel file '%1': "
                             "una sua lettura non è riuscita (il file è danneggiato), il file "
                             "resta com'è.")
                  .arg(file));
    EXPECT_TRUE(prova::byteDi(file) == prima) << "the file was written";
    // The list goes on picking the sheets that read.
    PaginaModificata = 0;
    const qsizetype mostrati = q.dialoghi.mostrati.size();
    scegli(pagina->CMBDenominazione, 1);
    EXPECT_EQ(IdRecord.integer(), 2);
    EXPECT_EQ(pagina->windowTitle(), QStringLiteral("Pagina 1 - SCHEDA 2"));
    EXPECT_EQ(q.dialoghi.mostrati.size(), mostrati) << "the pick said something";
}

// A pick whose reads fail, and go on failing for the sheet shown too: the
// file locked by another program in a write transaction (the cursor's first
// read is refused), or the disk failing from the n-th read on, wherever
// that falls (in the cursor's move, or in the load of the sheet picked,
// which then fails half way). The sheet shown stays whole, on screen and in
// memory, and a save writes what the screen shows, nothing blank.
TEST(Pagina1FileBloccato, APickWhoseReadsFailKeepsTheSheetShownWholeAndSalvaWritesIt)
{
    int caricamentiFalliti = 0; // of the sheet picked, after its cursor moved
    for (int volta = 0; volta <= 12; ++volta) {
        SCOPED_TRACE(volta == 0 ? std::string("a lock") : "from read " + std::to_string(volta));
        ProgrammaProva q;
        q.cartella.aggiungiSchede(3);
        q.cartella.esegui(FileVarnex, PasswordVarnex,
                          QStringLiteral("UPDATE Dati SET nome = 'MARIO', cognome = 'ROSSI',"
                                         " partita_iva = '01234567890', capitale_sociale = 9600"
                                         " WHERE id_scheda = 3"));
        const QString file = q.cartella.percorso(FileVarnex);
        ASSERT_TRUE(q.avviaSuPagina(1)); // on sheet 3
        Form1 *pagina = qobject_cast<Form1 *>(Form(1));
        ASSERT_NE(pagina, nullptr);
        const auto mostrati = [pagina] {
            QStringList testi;
            for (const QLineEdit *box : pagina->findChildren<QLineEdit *>())
                testi << box->objectName() + QLatin1Char('=') + box->text();
            return testi;
        };
        const QStringList primaDellaScelta = mostrati();
        const auto colonne = colonnePagina(1);
        QList<Variant> memoria;
        for (const Colonna &c : colonne)
            memoria << RecordScheda()[QString::fromLatin1(c.nome)];

        apriElenco(pagina->CMBDenominazione); // read before the fault
        {
            std::unique_ptr<prova::BloccoFile> blocco;
            std::unique_ptr<prova::LetturaGuasta> disco;
            if (volta == 0)
                blocco = std::make_unique<prova::BloccoFile>(file, PasswordVarnex);
            else
                disco = std::make_unique<prova::LetturaGuasta>(file, volta, true);
            scegliAperto(pagina->CMBDenominazione, 0); // the entry of sheet 1
            if (volta > 0 && IdRecord.integer() == 1)
                break; // the pick read all it needed before the fault
        }
        ASSERT_EQ(q.dialoghi.mostrati.size(), 1);
        EXPECT_TRUE(
            q.dialoghi.mostrati[0].prompt.startsWith(QStringLiteral("Errore di run-time '")))
            << qPrintable(q.dialoghi.mostrati[0].prompt);
        EXPECT_TRUE(q.dialoghi.mostrati[0].prompt.contains(file))
            << qPrintable(q.dialoghi.mostrati[0].prompt);
        if (RsDati->Fields(0).Value().integer() == 1)
            ++caricamentiFalliti;
        EXPECT_EQ(IdRecord.integer(), 3);
        EXPECT_EQ(pagina->CMBDenominazione->currentText(), QStringLiteral("SCHEDA 3"));
        EXPECT_EQ(pagina->windowTitle(), QStringLiteral("Pagina 1 - SCHEDA 3"));
        EXPECT_EQ(mostrati(), primaDellaScelta);
        for (qsizetype i = 0; i < memoria.size(); ++i)
            EXPECT_EQ(RecordScheda()[QString::fromLatin1(colonne[i].nome)], memoria[i])
                << colonne[i].nome;
        EXPECT_EQ(PaginaModificata, 0);

        // The fault gone, an edit and "Salva": the row holds what the screen shows.
        scrivi(figlio(pagina, QStringLiteral("TXTCognome")), QStringLiteral("verdi"));
        clic(q.finestra().CMDSalva);
        ASSERT_EQ(q.dialoghi.mostrati.size(), 1) << qPrintable(q.dialoghi.mostrati.last().prompt);
        const Variant chiave(3);
        EXPECT_EQ(q.valoreSalvato(chiave, QStringLiteral("cognome")), Variant("VERDI"));
        EXPECT_EQ(q.valoreSalvato(chiave, QStringLiteral("nome")), Variant("MARIO"));
        EXPECT_EQ(q.valoreSalvato(chiave, QStringLiteral("partita_iva")), Variant("01234567890"));
        EXPECT_EQ(q.valoreSalvato(chiave, QStringLiteral("capitale_sociale")).toDouble(), 9600.0);
        EXPECT_EQ(q.valoreSalvato(chiave, QStringLiteral("denominazione")), Variant("SCHEDA 3"));
        EXPECT_EQ(q.dialoghi.beep, 0);
    }
    EXPECT_GT(caricamentiFalliti, 0) << "no fault fell in the load itself";
}

TEST_F(Pagina1, TheSheetListHasTheFocusWheneverPage1Opens)
{
    avvia(2);
    EXPECT_EQ(QApplication::focusWidget(), f()->CMBDenominazione);
    VaiPagina2();
    VaiPagina1();
    EXPECT_EQ(QApplication::focusWidget(), f()->CMBDenominazione);
}

TEST_F(Pagina1, OptionPairsRaiseTheFlagAndSalvaTakesTheButtons)
{
    avvia({QStringLiteral(
        "INSERT INTO Dati (denominazione, sez_pref, categoria_mini) VALUES ('COOP', 3, 2)")});
    EXPECT_TRUE(campo<QRadioButton>("OPTGiuri1")->isChecked());   // Null: 1
    EXPECT_TRUE(campo<QRadioButton>("OPTSezPref2")->isChecked()); // 3: the second
    EXPECT_TRUE(campo<QRadioButton>("OPTCategoriaMini2")->isChecked());
    EXPECT_EQ(PaginaModificata, 0);

    QTest::mouseClick(campo<QRadioButton>("OPTGiuri2"), Qt::LeftButton);
    EXPECT_EQ(PaginaModificata, 1);
    EXPECT_EQ(valore("natura_giuridica"), Variant(1));
    QTest::mouseClick(campo<QRadioButton>("OPTGiuri1"), Qt::LeftButton);
    EXPECT_EQ(PaginaModificata, 1);
    QTest::mouseClick(campo<QRadioButton>("OPTCategoriaMini1"), Qt::LeftButton);
    QTest::mouseClick(p.finestra().CMDSalva, Qt::LeftButton);
    EXPECT_EQ(salvato(1, "natura_giuridica"), Variant(1));
    EXPECT_EQ(salvato(1, "sez_pref"), Variant(2));
    EXPECT_EQ(salvato(1, "categoria_mini"), Variant(1));
}

TEST_F(Pagina1, ThePageTellsTheCodeChosenOnScreenBeforeSalva)
{
    avvia(
        {QStringLiteral("INSERT INTO Dati (denominazione, natura_giuridica) VALUES ('COOP', 1)")});
    EXPECT_EQ(f()->codiceMostrato(QStringLiteral("natura_giuridica")), 1);
    QTest::mouseClick(campo<QRadioButton>("OPTGiuri2"), Qt::LeftButton);
    EXPECT_EQ(f()->codiceMostrato(QStringLiteral("natura_giuridica")), 2);
    EXPECT_EQ(valore("natura_giuridica"), Variant(1)); // not taken yet
    EXPECT_EQ(f()->codiceMostrato(QStringLiteral("sez_pref")), 1);
    // No option group of its own: nothing to tell.
    EXPECT_EQ(f()->codiceMostrato(QStringLiteral("denominazione")), 0);
    EXPECT_EQ(f()->codiceMostrato(QStringLiteral("nat_giuri_promo")), 0);
}

// --- Every column, saved and found again ---------------------------------------

TEST_F(Pagina1, All27ColumnsGoThroughSalvaAndComeBackAfterARestart)
{
    avvia(1);
    const struct
    {
        const char *box;
        const char *tasti;
        const char *colonna;
        Variant atteso;
        const char *mostrato; // after the reload
    } campi[] = {
        {"TXTCognome", "rossi", "cognome", Variant("ROSSI"), "ROSSI"},
        {"TXTNome", "mario", "nome", Variant("MARIO"), "MARIO"},
        {"TXTNato", "05031960", "nato", Variant(QDate(1960, 3, 5)), "05/03/1960"},
        {"TXTDenom", "coop alfa", "denominazione", Variant("COOP ALFA"), "COOP ALFA"},
        {"TXTDataCost", "01021990", "data_costituzione", Variant(QDate(1990, 2, 1)), "01/02/1990"},
        {"TXTCodFisc", "rssmra60c05a271x", "cod_fiscale", Variant("RSSMRA60C05A271X"),
         "RSSMRA60C05A271X"},
        {"TXTIva", "01234567890", "partita_iva", Variant("01234567890"), "01234567890"},
        {"TXTFattUlt", "1234567", "fatt_ultimo", Variant(1234567.0), "1.234.567"},
        {"TXTEserUltimo", "2003", "eser_ultimo", Variant("2003"), "2003"},
        {"TXTFattPen", "2.5", "fatt_penultimo", Variant(2.0), "2"},
        {"TXTEserPenultimo", "2002", "eser_penultimo", Variant("2002"), "2002"},
        {"TXTCapSociale", "-1500", "capitale_sociale", Variant(-1500.0), "-1.500"},
        {"TXTCapVersato", "3.5", "capitale_versato", Variant(4.0), "4"},
        {"TXTIscrImpr", "ancona", "iscr_reg_imp", Variant("ANCONA"), "ANCONA"},
        {"TXTNumRea", "an-123", "num_rea", Variant("AN-123"), "AN-123"},
        {"TXTDataIscr", "29022000", "data_iscr", Variant(QDate(2000, 2, 29)), "29/02/2000"},
        {"TXTIscrArt", "macerata", "iscr_art", Variant("MACERATA"), "MACERATA"},
        {"TXTNumArt", "42", "num_art", Variant("42"), "42"},
        {"TXTDataArt", "31122003", "data_art", Variant(QDate(2003, 12, 31)), "31/12/2003"},
        {"TXTIscrPref", "pesaro", "iscr_pref", Variant("PESARO"), "PESARO"},
        {"TXTNumPref", "7/b", "num_pref", Variant("7/B"), "7/B"},
        {"TXTDataPref", "01011000", "data_pref", Variant(QDate(1000, 1, 1)), "__/__/____"},
        {"TXTNumMini", "a123456789012345678901234567890123456789012345678901234567890", "num_mini",
         Variant("A123456789012345678901234567890123456789012345678901234567890"),
         "A123456789012345678901234567890123456789012345678901234567890"},
        {"TXTDataMini", "15062004", "data_mini", Variant(QDate(2004, 6, 15)), "15/06/2004"},
    };
    for (const auto &c : campi)
        scriviSenzaUscire(campo(c.box), QString::fromLatin1(c.tasti));
    QTest::mouseClick(campo<QRadioButton>("OPTGiuri2"), Qt::LeftButton); // the last box commits here
    QTest::mouseClick(campo<QRadioButton>("OPTSezPref2"), Qt::LeftButton);
    QTest::mouseClick(campo<QRadioButton>("OPTCategoriaMini2"), Qt::LeftButton);
    EXPECT_EQ(p.dialoghi.beep, 0);
    QTest::mouseClick(p.finestra().CMDSalva, Qt::LeftButton);
    EXPECT_EQ(PaginaModificata, 0);

    QMap<QString, std::function<void()>> verifiche;
    for (const auto &c : campi)
        verifiche[QString::fromLatin1(c.colonna)] = [this, c] {
            EXPECT_EQ(salvato(1, c.colonna), c.atteso) << c.colonna;
        };
    for (const char *opzione : {"natura_giuridica", "sez_pref", "categoria_mini"})
        verifiche[QString::fromLatin1(opzione)] = [this, opzione] {
            EXPECT_EQ(salvato(1, opzione), Variant(2)) << opzione;
        };
    verificaColonnePagina(1, verifiche);

    riavvia();
    EXPECT_TRUE(p.dialoghi.mostrati.isEmpty());
    EXPECT_EQ(f()->windowTitle(), QStringLiteral("Pagina 1 - COOP ALFA"));
    for (const auto &c : campi)
        EXPECT_EQ(campo(c.box)->displayText(), QString::fromLatin1(c.mostrato)) << c.box;
    for (const char *b : {"OPTGiuri2", "OPTSezPref2", "OPTCategoriaMini2"})
        EXPECT_TRUE(campo<QRadioButton>(b)->isChecked()) << b;
    EXPECT_EQ(PaginaModificata, 0);
}

TEST_F(Pagina1, ARowOfNullsShowsTheNullDefaultsAndSavesThem)
{
    avvia({QStringLiteral("INSERT INTO Dati (denominazione) VALUES ('VUOTA')")});
    for (const char *t : {"TXTCognome", "TXTNome", "TXTCodFisc", "TXTIva", "TXTEserUltimo",
                          "TXTEserPenultimo", "TXTIscrImpr", "TXTNumRea", "TXTIscrArt", "TXTNumArt",
                          "TXTIscrPref", "TXTNumPref", "TXTNumMini"})
        EXPECT_EQ(campo(t)->text(), QString()) << t;
    for (const char *d :
         {"TXTNato", "TXTDataCost", "TXTDataIscr", "TXTDataArt", "TXTDataPref", "TXTDataMini"})
        EXPECT_EQ(campo<maschera::MaskEdBox>(d)->Text(), QStringLiteral("__/__/____")) << d;
    for (const char *n : {"TXTFattUlt", "TXTFattPen", "TXTCapSociale", "TXTCapVersato"})
        EXPECT_EQ(campo(n)->text(), QStringLiteral("0")) << n;
    for (const char *o : {"OPTGiuri1", "OPTSezPref1", "OPTCategoriaMini1"})
        EXPECT_TRUE(campo<QRadioButton>(o)->isChecked()) << o;
    EXPECT_EQ(PaginaModificata, 0);

    f()->Salva(); // without any edit: every column written
    EXPECT_EQ(salvato(1, "nato"), Variant(QDate(1000, 1, 1)));
    EXPECT_EQ(salvato(1, "fatt_ultimo").toDouble(), 0.0);
    EXPECT_EQ(salvato(1, "cognome"), Variant(""));
    EXPECT_EQ(salvato(1, "sez_pref"), Variant(1));
}

// --- What a user pastes and where a click falls, saved to the file -------------

TEST_F(Pagina1, PastedControlCharactersAndHalfCharactersNeverReachTheFile)
{
    // A stored text that holds a TAB, written by another program.
    avvia({QStringLiteral(
        "INSERT INTO Dati (denominazione, num_rea) VALUES ('COOP', 'AN' || char(9) || '123')")});
    EXPECT_EQ(campo("TXTNumRea")->text(), QStringLiteral("AN\t123"));
    const QString sorriso = QString::fromUtf8("\U0001F600");
    const struct
    {
        const char *box;
        QString incollato;
        const char *colonna;
        QString atteso;
    } casi[] = {
        {"TXTDenom", QStringLiteral("coop\talfa\r\n\x07"), "denominazione",
         QStringLiteral("COOP ALFA  ")},
        {"TXTCognome", QString(49, QLatin1Char('a')) + sorriso, "cognome",
         QString(49, QLatin1Char('A'))},
        {"TXTCodFisc", QStringLiteral("rssmra60c05a271x\r\n"), "cod_fiscale",
         QStringLiteral("RSSMRA60C05A271X")},
        {"TXTIscrImpr", QStringLiteral("\x1b[1mancona\x1b[0m\x7f"), "iscr_reg_imp",
         QStringLiteral("[1MANCONA[0M")},
        {"TXTIva", QStringLiteral("0123456789") + sorriso, "partita_iva",
         QStringLiteral("0123456789")},
    };
    for (const auto &c : casi) {
        entra(campo(c.box));
        QApplication::clipboard()->setText(c.incollato);
        QTest::keyClick(fuoco(), Qt::Key_V, Qt::ControlModifier);
    }
    entra(campo("TXTNumRea")); // entered and left as it was
    tab();
    QTest::mouseClick(p.finestra().CMDSalva, Qt::LeftButton);
    EXPECT_EQ(PaginaModificata, 0);
    for (const auto &c : casi)
        EXPECT_EQ(salvato(1, c.colonna), Variant(c.atteso)) << c.box;
    EXPECT_EQ(salvato(1, "num_rea"), Variant(QStringLiteral("AN\t123")));
    EXPECT_EQ(p.dialoghi.beep, 0);

    // The sheet list and the page's title show the name as one line.
    riavvia();
    EXPECT_EQ(f()->windowTitle(), QStringLiteral("Pagina 1 - COOP ALFA  "));
    EXPECT_EQ(f()->CMBDenominazione->itemText(0), QStringLiteral("COOP ALFA  "));
    EXPECT_EQ(campo("TXTNumRea")->text(), QStringLiteral("AN\t123"));
}

TEST_F(Pagina1, AClickAnywhereInADateBoxThenTypingStoresTheDate)
{
    p.cartella.aggiungiSchede(1);
    avvia({QStringLiteral("UPDATE Dati SET data_iscr = '2000-02-01' WHERE id_scheda = 1")});
    EXPECT_EQ(campo<maschera::MaskEdBox>("TXTDataIscr")->Text(), QStringLiteral("01/02/2000"));
    const struct
    {
        const char *box;
        const char *colonna;
        const char *tasti;
        QDate atteso;
    } casi[] = {
        {"TXTNato", "nato", "17111961", QDate(1961, 11, 17)},
        {"TXTDataCost", "data_costituzione", "01021990", QDate(1990, 2, 1)},
        {"TXTDataIscr", "data_iscr", "05032004", QDate(2004, 3, 5)},  // over a stored date
        {"TXTDataMini", "data_mini", "15062004", QDate(2005, 6, 15)}, // its year typed over below
    };
    for (const auto &c : casi) {
        SCOPED_TRACE(c.box);
        auto *box = campo<maschera::MaskEdBox>(c.box);
        entra(campo("TXTIva"));
        QTest::mouseClick(box, Qt::LeftButton, {}, aDestraDellaMaschera(box));
        ASSERT_EQ(fuoco(), box);
        digita(QString::fromLatin1(c.tasti));
    }
    // A click into the box that has the focus places the caret.
    auto *mini = campo<maschera::MaskEdBox>("TXTDataMini");
    QTest::mouseClick(mini, Qt::LeftButton, {}, alPosto(mini, 6));
    EXPECT_EQ(mini->SelStart(), 6);
    EXPECT_EQ(mini->SelLength(), 0);
    digita(QStringLiteral("2005"));
    tab();
    EXPECT_EQ(p.dialoghi.beep, 0);
    p.dialoghi.rispondi(dlg::vbYes);
    apriPagina(2); // saved on the way
    EXPECT_EQ(domandeSalva(), 1);
    for (const auto &c : casi)
        EXPECT_EQ(salvato(1, c.colonna), Variant(c.atteso)) << c.colonna;
}

// --- Validare ------------------------------------------------------------------

TEST_F(Pagina1, ValidareCommitsThePendingEditOfAnyField)
{
    avvia(1);
    scriviSenzaUscire(campo("TXTIscrImpr"),
                      QStringLiteral("roma")); // not a field the export requires
    f()->Validare();
    EXPECT_EQ(NomeControllo, QStringLiteral("TXTIscrImpr"));
    EXPECT_EQ(valore("iscr_reg_imp"), Variant("ROMA"));
    EXPECT_EQ(PaginaModificata, 1);
    EXPECT_EQ(fuoco(), campo("TXTIscrImpr"));

    scriviSenzaUscire(campo("TXTDataCost"), QStringLiteral("3102"));
    f()->Validare();
    EXPECT_EQ(p.dialoghi.beep, 1);
    EXPECT_EQ(campo<maschera::MaskEdBox>("TXTDataCost")->Text(), QStringLiteral("__/__/____"));

    PaginaModificata = 0;
    f()->CMBDenominazione->setFocus(Qt::TabFocusReason);
    f()->Validare();
    EXPECT_EQ(NomeControllo, QStringLiteral("CMBDenominazione"));
    EXPECT_EQ(PaginaModificata, 0);
}

TEST_F(Pagina1, TheMenuBarNeitherCommitsNorOverwritesItsCommandValidatesFirst)
{
    avvia(1);
    scriviSenzaUscire(campo("TXTIscrImpr"), QStringLiteral("verdi"));
    QMenuBar *barra = p.finestra().menuBar();
    QTest::mouseClick(barra, Qt::LeftButton, {},
                      barra->actionGeometry(p.finestra().MNUFile->menuAction()).center());
    ASSERT_TRUE(p.finestra().MNUFile->isVisible());
    EXPECT_EQ(valore("iscr_reg_imp"), Variant(""));
    EXPECT_EQ(PaginaModificata, 0);
    QTest::keyClick(p.finestra().MNUFile, Qt::Key_Escape);
    QTest::keyClick(barra, Qt::Key_Escape);
    EXPECT_EQ(fuoco(), campo("TXTIscrImpr"));
    EXPECT_EQ(campo("TXTIscrImpr")->text(), QStringLiteral("verdi"));
    EXPECT_EQ(PaginaModificata, 0);

    // "&Esci" takes no focus: the page's Validare commits the edit, then the save question.
    p.dialoghi.rispondi(dlg::vbYes);
    p.finestra().MNUEsciItem->trigger();
    EXPECT_EQ(domande(TitoloSalva), 1);
    EXPECT_EQ(salvato(1, "iscr_reg_imp"), Variant("VERDI"));
    EXPECT_EQ(p.uscita, 0);
}

TEST_F(Pagina1, AClickOnThePagesTitleBarNeitherCommitsNorReplacesWhatIsBeingTyped)
{
    avvia(1);
    scriviSenzaUscire(campo("TXTNome"), QStringLiteral("ross"));
    QWidget *finestraPagina = f()->parentWidget(); // the page's window in the main window
    ASSERT_NE(finestraPagina, nullptr);
    QTest::mouseClick(finestraPagina, Qt::LeftButton, {}, QPoint(finestraPagina->width() / 2, 6));
    EXPECT_EQ(fuoco(), campo("TXTNome"));
    EXPECT_EQ(valore("nome"), Variant(""));
    EXPECT_EQ(PaginaModificata, 0);
    digita(QStringLiteral("i")); // typing goes on where it was
    tab();
    EXPECT_EQ(valore("nome"), Variant("ROSSI"));
    EXPECT_EQ(PaginaModificata, 1);
}

// --- Layout --------------------------------------------------------------------

TEST_F(Pagina1, LayoutCaptionsLimitsAndFocusOrder)
{
    avvia(1);
    EXPECT_EQ(campo("TXTDenom")->geometry(), ui::rettangolo(2040, 3720, 7575, 285));
    EXPECT_EQ(campo("TXTCodFisc")->geometry(), ui::rettangolo(2040, 5925, 1815, 285));
    EXPECT_EQ(campo<maschera::MaskEdBox>("TXTNato")->geometry(),
              ui::rettangolo(8040, 1920, 1215, 285));
    EXPECT_EQ(f()->CMBDenominazione->geometry(), ui::rettangolo(3960, 720, 3375, 315));
    EXPECT_EQ(campo("TXTCapVersato")->geometry(),
              ui::rettangolo(4440, 240, 1215, 285)); // inside its frame
    EXPECT_EQ(f()->CMDSucces->geometry(), ui::rettangolo(9360, 13440, 1095, 735));
    EXPECT_FALSE(f()->CMBDenominazione->isEditable());

    const struct
    {
        const char *box;
        int limite;
    } limiti[] = {{"TXTCognome", 50},   {"TXTDenom", 50},  {"TXTCodFisc", 16},   {"TXTIva", 11},
                  {"TXTEserUltimo", 4}, {"TXTNumArt", 50}, {"TXTNumMini", 32767}};
    for (const auto &l : limiti)
        EXPECT_EQ(campo(l.box)->maxLength(), l.limite) << l.box;
    for (const char *a : {"TXTFattUlt", "TXTCapSociale", "TXTEserUltimo", "TXTEserPenultimo"})
        EXPECT_TRUE(campo(a)->alignment() & Qt::AlignRight) << a;
    EXPECT_EQ(campo("TXTDenom")->palette().color(QPalette::Base), QColor(Qt::white));
    EXPECT_EQ(campo<maschera::MaskEdBox>("TXTDataMini")->toolTip(),
              QStringLiteral("Inserire la data in formato gg/mm/aaaa"));

    const struct
    {
        const char *nome;
        const char *testo;
    } didascalie[] = {
        {"OPTGiuri1", "A) Cooperativa"},
        {"OPTGiuri2", "B) Consorzio"},
        {"OPTSezPref1", "Sezione \"Coopereative di produzione e lavoro\""},
        {"OPTSezPref2", "Sezione \"Cooperative sociali\""},
        {"OPTCategoriaMini1", "Categoria \"Cooperative di produzione e lavoro"},
        {"OPTCategoriaMini2", "Categoria \"Cooperative sociali\""},
    };
    for (const auto &d : didascalie)
        EXPECT_EQ(campo<QRadioButton>(d.nome)->text(), QString::fromUtf8(d.testo)) << d.nome;
    QStringList cornici;
    for (QGroupBox *g : f()->findChildren<QGroupBox *>())
        cornici << g->title();
    EXPECT_TRUE(cornici.contains(
        QStringLiteral("A.11) Iscrizione Albo Cooperative Ministero Attività Produttive")));
    EXPECT_TRUE(cornici.contains(
        QStringLiteral("A.6) Fatturato esercizi precedenti l'anno di apertura del Bando")));
    for (QLabel *l : f()->findChildren<QLabel *>()) {
        if (l->text() == QStringLiteral("SCHEDA TECNICA")) {
            EXPECT_TRUE(l->font().bold() && l->font().underline());
            EXPECT_EQ(l->font().pixelSize(), 13);
            EXPECT_EQ(l->font().family(), QStringLiteral("Liberation Sans"));
        }
        if (l->text() == QStringLiteral("ELENCO PROGETTI :"))
            EXPECT_TRUE(l->font().bold());
    }

    const QStringList ordine = {"CMBDenominazione", "TXTCognome",    "TXTNome",
                                "TXTNato",          "TXTDenom",      "TXTDataCost",
                                "TXTCodFisc",       "TXTIva",        "TXTFattUlt",
                                "TXTEserUltimo",    "TXTFattPen",    "TXTEserPenultimo",
                                "TXTCapSociale",    "TXTCapVersato", "TXTIscrImpr",
                                "TXTNumRea",        "TXTDataIscr",   "TXTIscrArt",
                                "TXTNumArt",        "TXTDataArt",    "TXTIscrPref",
                                "TXTNumPref",       "TXTDataPref",   "TXTNumMini",
                                "TXTDataMini",      "OPTGiuri1"};
    f()->CMBDenominazione->setFocus(Qt::TabFocusReason);
    seguiOrdineTab(ordine);
}

} // namespace
