// The print commands in the whole program with scripted answers: the whole
// sheet from the stored row into a print copy, the page shown as it stands
// on screen, the PDF file when there is no printer, the default printer's
// jobs, the failures, and the previews.

#include "AiutiStampa.h"
#include "Guasti.h"
#include "Interazione.h"

#include "core/Archivio.h"
#include "core/FileDati.h"
#include "core/RecordScheda.h"
#include "pages/PaginaScheda.h"
#include "platform/report/Anteprima.h"
#include "platform/report/StampanteScriptata.h"
#include "print/ComandiStampa.h"
#include "print/Sessione.h"
#include "shell/MostraPagina.h"

#include <QAction>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace scheda;
using namespace stampa;
using namespace prova;
using ado::Variant;

namespace {

const QString DomandaStampa = QStringLiteral(
    "La stampa avverrà sulla stampante predefinita, Procedi?");
const QString TitoloStampa = QStringLiteral("Seleziona Stampante Predefinita");
const QString TitoloFatta = QStringLiteral("Stampa");

class Stampa : public ConProgramma
{
protected:
    void SetUp() override { qputenv("VARNEX_STAMPE", stampe.path().toLocal8Bit()); }
    void TearDown() override { qunsetenv("VARNEX_STAMPE"); }

    // Started on one sheet filled in and stored, page 1 shown.
    void avviaPiena(int schede = 1)
    {
        avvia(schede);
        salvaSchedaPiena();
        clic(p.finestra().CMDRipristina); // page 1 shows the stored row
        ASSERT_EQ(PaginaCorrente, 1);
    }
    void stampaScheda() { p.finestra().StampaScheda->trigger(); }
    void stampaPagina() { clic(p.finestra().Command1); }

    QStringList fileStampati() const
    {
        return QDir(stampe.path()).entryList({QStringLiteral("*.pdf")}, QDir::Files, QDir::Name);
    }
    // The one file printed, read back.
    QList<PaginaPdf> stampato()
    {
        const QStringList f = fileStampati();
        EXPECT_EQ(f.size(), 1) << qPrintable(f.join(u' '));
        return f.isEmpty() ? QList<PaginaPdf>() : leggiPdf(QDir(stampe.path()).filePath(f.front()));
    }
    // The boxes shown, in order: titles.
    QStringList titoli() const
    {
        QStringList t;
        for (const auto &m : p.dialoghi.mostrati)
            t << m.titolo;
        return t;
    }
    QString ultimoMessaggio() const
    {
        return p.dialoghi.mostrati.isEmpty() ? QString() : p.dialoghi.mostrati.back().prompt;
    }

    QTemporaryDir stampe;
    report::StampanteScriptata stampante{false};
};

// Headings that say which page of the sheet a printed page is.
const char *const Titoli[7] = {nullptr, "A.1)", "A.12)", "A.16)", "B.1)", "C.4)", "D.1)"};

} // namespace

// --- The file's name --------------------------------------------------------------

TEST(NomeStampa, TheFileIsNamedAfterTheSheetInPlainLetters)
{
    const Variant prima = IdRecord;
    IdRecord = Variant(12);
    const struct
    {
        const char *denominazione;
        int pagina;
        const char *nome;
    } casi[] = {
        {"COOPERATIVA SOCIALE ALFA", 0, "Scheda_12_COOPERATIVA-SOCIALE-ALFA"},
        {"COOPERATIVA SOCIALE ALFA", 3, "Scheda_12_COOPERATIVA-SOCIALE-ALFA_pagina3"},
        // An accented letter is its plain one, in either case.
        {"SOCIETÀ COOPERATIVA", 0, "Scheda_12_SOCIETA-COOPERATIVA"},
        {"ÀÈÉÌÒÙ àèéìòù ÇÑÜ", 0, "Scheda_12_AEEIOU-aeeiou-CNU"},
        {"CAFFE\u0300 DELL'ARTE", 0, "Scheda_12_CAFFE-DELL-ARTE"}, // a combining accent
        {"ŒUVRE ÆTNA STRAßE ØRESUND ŁÓDŹ", 0, "Scheda_12_OEUVRE-AETNA-STRAssE-ORESUND-LODZ"},
        // What is no letter or digit is one "-", none at the ends.
        {"  L'ALBERO & C. -- SCARL  ", 1, "Scheda_12_L-ALBERO-C-SCARL_pagina1"},
        {"COOP \"ROSSI\" / 2° LOTTO", 0, "Scheda_12_COOP-ROSSI-2-LOTTO"},
        {"COOP 😀 GIOIA", 0, "Scheda_12_COOP-GIOIA"},
        {"", 0, "Scheda_12"},
        {"ÈÈÈ", 2, "Scheda_12_EEE_pagina2"},
        {"---", 0, "Scheda_12"},
        // The first 40 characters of the name.
        {"ABCDEFGHIJKLMNOPQRSTUVWXYZÀBCDEFGHIJKLMNOPQRSTUVWX", 0,
         "Scheda_12_ABCDEFGHIJKLMNOPQRSTUVWXYZABCDEFGHIJKLMN"},
    };
    for (const auto &c : casi) {
        const QString nome = nomeStampa(copiaCon({{"denominazione",
                                                   QString::fromUtf8(c.denominazione)}}),
                                        c.pagina);
        EXPECT_EQ(nome, QString::fromUtf8(c.nome)) << c.denominazione;
    }
    IdRecord = prima;
}

// --- The whole sheet -------------------------------------------------------------

TEST_F(Stampa, TheWholeSheetIsOnePdfOfSixPagesInOrderAndTheMessageGivesItsPath)
{
    avviaPiena();
    p.dialoghi.rispondi(dlg::vbYes);
    stampaScheda();
    ASSERT_EQ(titoli(),
              (QStringList{TitoloStampa, TitoloFatta})); // nothing to save: no save question
    EXPECT_EQ(p.dialoghi.mostrati[0].prompt, DomandaStampa);
    EXPECT_EQ(p.dialoghi.mostrati[0].stile, dlg::vbYesNo | dlg::vbExclamation);
    EXPECT_EQ(RispostaStampa, dlg::vbYes);

    const QStringList f = fileStampati();
    ASSERT_EQ(f.size(), 1);
    const QString percorso = QDir::toNativeSeparators(
        QDir(stampe.path()).absoluteFilePath(f.front()));
    EXPECT_TRUE(ultimoMessaggio().contains(percorso)) << qPrintable(ultimoMessaggio());
    EXPECT_EQ(ultimoMessaggio().split(u'\n').back(),
              percorso); // the path whole, on a line of its own
    EXPECT_TRUE(f.front().startsWith(
        QStringLiteral("Scheda_%1_COOPERATIVA-SOCIALE-ALFA_").arg(IdRecord.toText())))
        << qPrintable(f.front());

    const auto pagine = stampato();
    ASSERT_EQ(pagine.size(), 6);
    for (int n = 1; n <= 6; ++n)
        EXPECT_TRUE(pagine[n - 1].tutto().contains(QLatin1String(Titoli[n]))) << n;
    EXPECT_EQ(testoDi(pagine[0], 1, QStringLiteral("Denom")),
              QStringLiteral("COOPERATIVA SOCIALE ALFA"));
    EXPECT_EQ(testoDi(pagine[1], 2, QStringLiteral("A25")), QStringLiteral("307.000"));
    EXPECT_EQ(testoDi(pagine[5], 6, QStringLiteral("Nome")),
              QStringLiteral("ROSSI MARIO in qualità di rappresentante legale"));
}

TEST_F(Stampa, SavedOnYesTheEditPrintsAndTheFlagIsCleared)
{
    avviaPiena();
    scriviSenzaUscire(campo("TXTDenom"), QStringLiteral("nuovo nome"));
    p.dialoghi.rispondi(dlg::vbYes); // save
    p.dialoghi.rispondi(dlg::vbYes); // print
    stampaScheda();
    EXPECT_EQ(titoli(), (QStringList{TitoloSalva, TitoloStampa, TitoloFatta}));
    EXPECT_EQ(salvato(IdRecord.integer(), "denominazione").toText(), QStringLiteral("NUOVO NOME"));
    EXPECT_EQ(PaginaModificata, 0);
    EXPECT_EQ(testoDi(stampato().value(0), 1, QStringLiteral("Denom")),
              QStringLiteral("NUOVO NOME"));
}

TEST_F(Stampa, NotSavedTheStoredRowPrintsWhileTheEditStaysOnScreenInMemoryAndFlagged)
{
    avviaPiena();
    PaginaScheda *pagina = Form(1);
    scriviSenzaUscire(campo("TXTDenom"), QStringLiteral("nuovo nome"));
    p.dialoghi.rispondi(dlg::vbNo);  // save
    p.dialoghi.rispondi(dlg::vbYes); // print
    stampaScheda();
    EXPECT_EQ(testoDi(stampato().value(0), 1, QStringLiteral("Denom")),
              QStringLiteral("COOPERATIVA SOCIALE ALFA"));
    EXPECT_EQ(salvato(IdRecord.integer(), "denominazione").toText(),
              QStringLiteral("COOPERATIVA SOCIALE ALFA"));
    // Nothing of the page is lost: a later save still writes the edit.
    EXPECT_EQ(PaginaModificata, 1);
    EXPECT_EQ(RecordScheda()[QStringLiteral("denominazione")].toText(),
              QStringLiteral("NUOVO NOME"));
    EXPECT_EQ(Form(1), pagina);
    EXPECT_EQ(campo("TXTDenom")->text(), QStringLiteral("NUOVO NOME"));
    clic(p.finestra().CMDSalva);
    EXPECT_EQ(salvato(IdRecord.integer(), "denominazione").toText(), QStringLiteral("NUOVO NOME"));
}

TEST_F(Stampa, APrintQuestionAnsweredNoPrintsNothingAndKeepsTheSave)
{
    avviaPiena();
    modifica(QStringLiteral("num_rea"), QStringLiteral("999"));
    p.dialoghi.rispondi(dlg::vbYes); // save
    p.dialoghi.rispondi(dlg::vbNo);  // print
    stampaScheda();
    EXPECT_EQ(titoli(), (QStringList{TitoloSalva, TitoloStampa}));
    EXPECT_EQ(RispostaStampa, dlg::vbNo);
    EXPECT_TRUE(fileStampati().isEmpty());
    EXPECT_EQ(salvato(IdRecord.integer(), "num_rea").toText(), QStringLiteral("999"));
    EXPECT_EQ(PaginaModificata, 0);
}

TEST_F(Stampa, FromAnotherPageNoPageOpensBesideItAndANoKeepsTheFlag)
{
    avviaPiena();
    apriPagina(4);
    PaginaScheda *pagina4 = Form(4);
    modifica(QStringLiteral("attivita"), QStringLiteral("NUOVA ATTIVITA"));
    p.dialoghi.rispondi(dlg::vbNo);  // save
    p.dialoghi.rispondi(dlg::vbYes); // print
    stampaScheda();
    EXPECT_EQ(titoli(), (QStringList{TitoloSalva, TitoloStampa, TitoloFatta}));
    EXPECT_EQ(Form(1), nullptr);
    EXPECT_EQ(Form(4), pagina4);
    EXPECT_EQ(PaginaCorrente, 4);
    EXPECT_EQ(PaginaModificata, 1);
    EXPECT_EQ(RecordScheda()[QStringLiteral("attivita")].toText(),
              QStringLiteral("NUOVA ATTIVITA"));
    EXPECT_EQ(testoDi(stampato().value(3), 4, QStringLiteral("Attivita")),
              QStringLiteral("ASSISTENZA DOMICILIARE"));
}

TEST_F(Stampa, Page3ShownAndModifiedIsOfferedAndSavedBeforeThePrint)
{
    avviaPiena();
    apriPagina(3);
    modifica(QStringLiteral("c2"), 777777.0);
    p.dialoghi.rispondi(dlg::vbYes);
    p.dialoghi.rispondi(dlg::vbYes);
    stampaScheda();
    EXPECT_EQ(titoli(), (QStringList{TitoloSalva, TitoloStampa, TitoloFatta}));
    EXPECT_EQ(salvato(IdRecord.integer(), "c2").toDouble(), 777777.0);
    EXPECT_EQ(testoDi(stampato().value(2), 3, QStringLiteral("C2")), QStringLiteral("777.777"));
}

TEST_F(Stampa, TheSheetPrintedIsTheCurrentOneWithNothingOfTheSheetBefore)
{
    avvia(2);
    clic(p.finestra().CMDPrec); // the first sheet, filled in
    salvaSchedaPiena();
    p.dialoghi.rispondi(dlg::vbYes);
    stampaScheda();
    ASSERT_EQ(fileStampati().size(), 1);
    QFile::remove(QDir(stampe.path()).filePath(fileStampati().front()));
    clic(p.finestra().CMDSucc); // the second, named only
    p.dialoghi.rispondi(dlg::vbYes);
    stampaScheda();
    const auto pagine = stampato();
    ASSERT_EQ(pagine.size(), 6);
    EXPECT_EQ(testoDi(pagine[0], 1, QStringLiteral("Denom")), QStringLiteral("SCHEDA 2"));
    for (const auto &[colonna, valore] : schedaPiena())
        if (valore.isText() && valore.text().size() > 4)
            for (const PaginaPdf &pagina : pagine)
                EXPECT_FALSE(pagina.tutto().contains(valore.text())) << qPrintable(colonna);
}

TEST_F(Stampa, ASheetDeletedBehindTheProgramIsReportedAndNotPrinted)
{
    avviaPiena();
    p.cartella.esegui(FileVarnex, PasswordVarnex,
                      QStringLiteral("DELETE FROM Dati WHERE id_scheda = %1").arg(IdRecord.toText()));
    p.dialoghi.rispondi(dlg::vbYes);
    stampaScheda();
    EXPECT_TRUE(fileStampati().isEmpty());
    EXPECT_TRUE(ultimoMessaggio().startsWith(QStringLiteral("Errore di run-time '3021'")))
        << qPrintable(ultimoMessaggio());
}

// --- The page shown ----------------------------------------------------------------

TEST_F(Stampa, ThePagePrintShowsAnUnsavedBoxEditAndAnUnsavedOptionChoice)
{
    avviaPiena();
    scriviSenzaUscire(campo("TXTDenom"), QStringLiteral("in prova"));
    clic(campo<QRadioButton>("OPTGiuri1")); // stored: 2
    ASSERT_EQ(PaginaModificata, 1);
    p.dialoghi.rispondi(dlg::vbYes);
    stampaPagina();
    EXPECT_EQ(titoli(), (QStringList{TitoloStampa, TitoloFatta})); // no save question
    const auto pagine = stampato();
    ASSERT_EQ(pagine.size(), 1);
    EXPECT_EQ(testoDi(pagine[0], 1, QStringLiteral("Denom")), QStringLiteral("IN PROVA"));
    EXPECT_EQ(testoDi(pagine[0], 1, QStringLiteral("NatGiuri1")), QStringLiteral("[X]"));
    EXPECT_EQ(testoDi(pagine[0], 1, QStringLiteral("NatGiuri2")), QStringLiteral("[ ]"));
    EXPECT_TRUE(fileStampati().front().contains(QStringLiteral("_pagina1_")));
    // Printing changed nothing of the page.
    EXPECT_EQ(PaginaModificata, 1);
    EXPECT_EQ(RecordScheda()[QStringLiteral("natura_giuridica")], Variant(2));
    EXPECT_EQ(salvato(IdRecord.integer(), "denominazione").toText(),
              QStringLiteral("COOPERATIVA SOCIALE ALFA"));
}

TEST_F(Stampa, ThePagePrintOfPage4ShowsTheLegalFormChosenOnScreen)
{
    avviaPiena(); // stored: 3
    apriPagina(4);
    auto *b = campo<QRadioButton>("OPTGiuri2");
    QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(8, b->height() / 2)); // on the circle
    ASSERT_TRUE(b->isChecked());
    p.dialoghi.rispondi(dlg::vbYes);
    stampaPagina();
    const auto pagine = stampato();
    ASSERT_EQ(pagine.size(), 1);
    for (int k = 1; k <= 4; ++k)
        EXPECT_EQ(testoDi(pagine[0], 4, QStringLiteral("NatGiuPromo%1").arg(k)),
                  k == 2 ? QStringLiteral("[X]") : QStringLiteral("[ ]"))
            << k;
    EXPECT_EQ(RecordScheda()[QStringLiteral("nat_giuri_promo")].toDouble(), 3);
}

TEST_F(Stampa, ThePagePrintAnsweredNoPrintsNothing)
{
    avviaPiena();
    stampaPagina();
    EXPECT_EQ(titoli(), (QStringList{TitoloStampa}));
    EXPECT_EQ(RispostaStampa, dlg::vbNo);
    EXPECT_TRUE(fileStampati().isEmpty());
}

TEST_F(Stampa, WithNoPageShownThePagePrintDoesNothing)
{
    avviaPiena();
    chiudiPaginaMostrata();
    PaginaCorrente = 10; // the record grid window
    stampaPagina();
    EXPECT_TRUE(p.dialoghi.mostrati.isEmpty());
    EXPECT_TRUE(fileStampati().isEmpty());
}

TEST_F(Stampa, Page6NamesTheRepresentativeAndSeatOfTheCurrentSheetAsStored)
{
    avviaPiena();
    apriPagina(6);
    // What pages 1, 2 and 4 loaded last for another sheet.
    RecordScheda().imposta(QStringLiteral("cognome"), QStringLiteral("VECCHIO"));
    RecordScheda().imposta(QStringLiteral("comune_sede"), QStringLiteral("ALTROVE"));
    p.dialoghi.rispondi(dlg::vbYes);
    stampaPagina();
    const auto pagine = stampato();
    ASSERT_EQ(pagine.size(), 1);
    EXPECT_EQ(testoDi(pagine[0], 6, QStringLiteral("Nome")),
              QStringLiteral("ROSSI MARIO in qualità di rappresentante legale"));
    EXPECT_EQ(testoDi(pagine[0], 6, QStringLiteral("ComuneLoc")),
              QStringLiteral("GIULIANOVA Prov. TE CAP 64021"));
    EXPECT_EQ(RecordScheda()[QStringLiteral("cognome")].toText(),
              QStringLiteral("VECCHIO")); // the sheet in memory untouched
}

// --- Where the pages go --------------------------------------------------------------

TEST_F(Stampa, AFolderThatCannotBeUsedIsReportedAndNothingIsCalledPrinted)
{
    avviaPiena();
    QFile blocco(stampe.filePath(QStringLiteral("blocco")));
    ASSERT_TRUE(blocco.open(QIODevice::WriteOnly));
    blocco.close();
    const QString nonFatta = stampe.filePath(QStringLiteral("blocco/stampe"));
    prova::Montaggio piena(stampe.filePath(QStringLiteral("piena")));
    if (piena.montato())
        piena.riempi();
    const prova::CartellaNonUtf8 nonUtf8(stampe.path());
    const struct
    {
        const char *nome;
        QByteArray variabile;
        QString inizio, fine; // of the description
    } casi[] = {
        {"a folder that cannot be made",
         QFile::encodeName(nonFatta),
         QStringLiteral("Impossibile creare la cartella delle stampe %1.").arg(nonFatta),
         {}},
        {"a full disk", piena.montato() ? QFile::encodeName(piena.cartella()) : QByteArray(),
         QStringLiteral("Impossibile scrivere il file di stampa %1/Scheda_").arg(piena.cartella()),
         QStringLiteral(": Il disco è pieno")},
        {"a folder named in bytes that are not UTF-8",
         nonUtf8.percorso(),
         QStringLiteral("La cartella %1, indicata dalla variabile VARNEX_STAMPE, ha un nome che "
                        "non è in UTF-8: il programma non la può usare.")
             .arg(nonUtf8.comeLetto()),
         {}},
    };
    for (const auto &caso : casi) {
        if (caso.variabile.isEmpty())
            continue; // not made here: skipped at the end
        SCOPED_TRACE(caso.nome);
        qputenv("VARNEX_STAMPE", caso.variabile);
        for (const bool intera : {true, false}) {
            p.dialoghi.mostrati.clear();
            p.dialoghi.rispondi(dlg::vbYes);
            intera ? stampaScheda() : stampaPagina();
            ASSERT_EQ(p.dialoghi.mostrati.size(), 2);
            EXPECT_TRUE(ultimoMessaggio().startsWith(QStringLiteral("Errore di run-time '75'")))
                << qPrintable(ultimoMessaggio());
            EXPECT_TRUE(ultimoMessaggio().startsWith(QStringLiteral("Errore di run-time '75':\n\n")
                                                     + caso.inizio))
                << qPrintable(ultimoMessaggio());
            EXPECT_TRUE(ultimoMessaggio().endsWith(caso.fine)) << qPrintable(ultimoMessaggio());
            EXPECT_EQ(p.dialoghi.mostrati.back().stile, dlg::vbCritical);
        }
    }
    EXPECT_TRUE(fileStampati().isEmpty());
    if (piena.montato())
        EXPECT_EQ(QDir(piena.cartella()).entryList({QStringLiteral("*.pdf")}), QStringList());
    EXPECT_FALSE(QFileInfo::exists(nonUtf8.comeLetto())) << "made under the name as misread";
    if (!piena.montato())
        GTEST_SKIP() << "a full disk: mounting a small file system is not allowed here";
}

TEST_F(Stampa, WithoutVarnexStampeThePdfGoesToStampeInTheProgramFolder)
{
    qunsetenv("VARNEX_STAMPE");
    avviaPiena();
    p.dialoghi.rispondi(dlg::vbYes);
    stampaPagina();
    const QDir cartella(QDir(p.cartella.cartella()).filePath(QStringLiteral("Stampe")));
    const QStringList f = cartella.entryList({QStringLiteral("*.pdf")}, QDir::Files);
    ASSERT_EQ(f.size(), 1);
    EXPECT_TRUE(
        ultimoMessaggio().contains(QDir::toNativeSeparators(cartella.absoluteFilePath(f.front()))));
}

// Names taken in the print folder, for every second of the next minute: a
// link to nowhere under the name a print would take, and a user's file
// under the next one. Two prints, in the same second or not, each make a
// file of their own beside them; nothing is written through a link.
TEST_F(Stampa, APrintTakesAFreeNameAndNeverWritesThroughALinkOrOverAFile)
{
    avviaPiena();
    const QDir d(stampe.path());
    QTemporaryDir altrove;
    const QString inizio = QStringLiteral("Scheda_%1_COOPERATIVA-SOCIALE-ALFA_")
                               .arg(IdRecord.toText());
    const QByteArray dellUtente("dell'utente");
    const QDateTime ora = QDateTime::currentDateTime();
    QStringList collegamenti, fileUtente;
    for (int s = 0; s < 60; ++s) {
        const QString momento = ora.addSecs(s).toString(QStringLiteral("yyyy-MM-dd_HH-mm-ss"));
        collegamenti << d.filePath(inizio + momento + QStringLiteral(".pdf"));
        ASSERT_TRUE(
            QFile::link(altrove.filePath(momento + QStringLiteral(".pdf")), collegamenti.back()));
        fileUtente << d.filePath(inizio + momento + QStringLiteral("_2.pdf"));
        QFile f(fileUtente.back());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        ASSERT_EQ(f.write(dellUtente), dellUtente.size());
    }
    QStringList fatti;
    for (int volta = 0; volta < 2; ++volta) {
        p.dialoghi.mostrati.clear();
        p.dialoghi.rispondi(dlg::vbYes);
        stampaScheda();
        ASSERT_EQ(titoli(), (QStringList{TitoloStampa, TitoloFatta}))
            << qPrintable(ultimoMessaggio());
        fatti << ultimoMessaggio().split(u'\n').back();
    }
    EXPECT_NE(fatti[0], fatti[1]);
    for (const QString &f : fatti) {
        SCOPED_TRACE(qPrintable(f));
        EXPECT_EQ(QFileInfo(f).absolutePath(), QFileInfo(d.path()).absoluteFilePath());
        EXPECT_TRUE(QFileInfo(f).isFile() && !QFileInfo(f).isSymLink());
        EXPECT_EQ(leggiPdf(f).size(), 6);
    }
    EXPECT_TRUE(QDir(altrove.path()).isEmpty()) << "a print went through a link";
    for (const QString &c : collegamenti)
        EXPECT_TRUE(QFileInfo(c).isSymLink()) << qPrintable(c);
    for (const QString &u : fileUtente)
        EXPECT_EQ(byteDi(u), dellUtente) << qPrintable(u);
}

TEST_F(Stampa, OnADefaultPrinterEachPageIsAJobOfItsOwnWithNoMessage)
{
    stampante.presente = true;
    avviaPiena();
    p.dialoghi.rispondi(dlg::vbYes);
    stampaScheda();
    ASSERT_EQ(stampante.stampate.size(), 6);
    for (int n = 1; n <= 6; ++n)
        EXPECT_STREQ(stampante.stampate[n - 1].rapporto().nome,
                     qPrintable(QStringLiteral("DataReport%1").arg(n)));
    EXPECT_EQ(stampante.stampate[0].didascalia(u"Section1", u"Denom"),
              QStringLiteral("COOPERATIVA SOCIALE ALFA"));
    EXPECT_EQ(titoli(), (QStringList{TitoloStampa}));
    EXPECT_TRUE(fileStampati().isEmpty());
}

TEST_F(Stampa, APrinterFailureIsReportedAndThePagesAfterItAreNotPrinted)
{
    stampante.presente = true;
    stampante.fallisceAlla = 3;
    avviaPiena();
    p.dialoghi.rispondi(dlg::vbYes);
    stampaScheda();
    EXPECT_EQ(stampante.tentativi, 3);
    EXPECT_EQ(stampante.stampate.size(), 2);
    ASSERT_EQ(p.dialoghi.mostrati.size(), 2);
    EXPECT_TRUE(ultimoMessaggio().startsWith(QStringLiteral("Errore di run-time '482'")))
        << qPrintable(ultimoMessaggio());
    EXPECT_TRUE(fileStampati().isEmpty());
}

// --- The previews -------------------------------------------------------------------

TEST_F(Stampa, EachPreviewOpensItsPageInAWindowWithNoQuestion)
{
    avviaPiena();
    EXPECT_FALSE(p.finestra().Video->menuAction()->isVisible());
    EXPECT_FALSE(p.finestra().Video->menuAction()->isEnabled());
    for (int n = 1; n <= 6; ++n) {
        p.finestra().Pag[n]->trigger();
        report::FinestraAnteprima *f = report::anteprimaAperta(paginaStampa(n).layout);
        ASSERT_NE(f, nullptr) << n;
        EXPECT_TRUE(f->isVisible());
        EXPECT_EQ(f->windowTitle(), QStringLiteral("DataReport%1").arg(n));
        f->close();
    }
    EXPECT_TRUE(p.dialoghi.mostrati.isEmpty());
    EXPECT_TRUE(fileStampati().isEmpty());
    EXPECT_EQ(PaginaCorrente, 1);
}
