// The export command on real files: the required data in their order, the
// row copy by position, the save offer, the disk question, two exports in
// one run, a damaged export file and a sheet that has gone.

#include "ProvaEsportazione.h"

#include "core/Archivio.h"
#include "core/ColonneDati.h"
#include "core/RecordScheda.h"
#include "pages/PaginaScheda.h"
#include "shell/MostraPagina.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>

using namespace scheda;
using ado::Variant;

namespace {

const QString TitoloDati = QStringLiteral("Dati indispensabili per l'esportazione (vedi Help)");
const QString TitoloDomandaSalva = QStringLiteral("Salva Pagina Modificata");

// Every share percentage 0 or Null but `tranne` (none when empty).
QString percentuali(const QString &tranne)
{
    const QStringList tutte = {"percpromo",   "percsocieta", "percbanca1",  "percbanca2",
                               "percbanca3",  "percbanca4",  "percente1",   "percente2",
                               "percente3",   "percente4",   "percperson1", "percperson2",
                               "percperson3", "percperson4"};
    QStringList a;
    for (int i = 0; i < tutte.size(); ++i)
        if (tutte[i] != tranne)
            a << tutte[i] + (i % 2 ? QStringLiteral(" = NULL") : QStringLiteral(" = 0"));
    return a.join(QStringLiteral(", "));
}

class Esportazione : public ProvaEsportazione
{
protected:
    void clic(QToolButton *b) { QTest::mouseClick(b, Qt::LeftButton); }
    void modificaScheda(qint64 chiave, const QString &assegnazioni)
    {
        p.cartella.esegui(FileVarnex, PasswordVarnex,
                          QStringLiteral("UPDATE Dati SET %1 WHERE id_scheda = %2")
                              .arg(assegnazioni)
                              .arg(chiave));
    }
};

} // namespace

TEST_F(Esportazione, RequiredDataAreTestedInOrderAndTheFirstMissingIsTold)
{
    struct Caso
    {
        QString modifica;
        const char *messaggio; // nullptr: every test passes, the disk question comes
    };
    const char *cognome = "Inserire COGNOME del rappresentante legale";
    const char *d1
        = "Inserire D1 - ALMENO UNA PERCENTUALE DI PARTECIPAZIONE AL CAPITALE SOCIALE dell'impresa";
    const Caso casi[] = {
        {"cognome = NULL", cognome},
        {"cognome = ''", cognome},
        {"cognome = ' '", nullptr}, // blanks are text
        {"cognome = NULL, nome = NULL", cognome},
        {"nome = ''", "Inserire NOME del rappresentante legale"},
        {"nome = NULL, spec7 = 0", "Inserire NOME del rappresentante legale"},
        {"denominazione = NULL", "Inserire A1 - DENOMINAZIONE dell'impresa"},
        {"data_costituzione = NULL", "Inserire A3 - DATA COSTITUZIONE dell'impresa"},
        {"data_costituzione = '1000-01-01'", "Inserire A3 - DATA COSTITUZIONE dell'impresa"},
        {"data_costituzione = '1000-01-02'", nullptr},
        {"cod_fiscale = ''", "Inserire A4 - CODICE FISCALE dell'impresa"},
        {"capitale_sociale = 0", "Inserire A7 - CAPITALE SOCIALE dell'impresa"},
        {"capitale_sociale = NULL", "Inserire A7 - CAPITALE SOCIALE dell'impresa"},
        {"capitale_sociale = -1", nullptr},
        {"capitale_sociale = 0.001", nullptr},
        {"comune_sede = NULL", "Inserire A12 - COMUNE SEDE dell'impresa"},
        {"denominazione_promo = NULL",
         "Inserire B1 - DENOMINAZIONE SOGGETTO PROMOTORE dell'impresa"},
        {"cod_fiscale_promo = ''", "Inserire B3 - CODICE FISCALE SOGGETTO PROMOTORE dell'impresa"},
        {"attivita_promo = NULL", "Inserire B5 - ATTIVITA' SOGGETTO PROMOTORE dell'impresa"},
        {"comune_loc = NULL", "Inserire C1 - COMUNE UNITA' LOCALE dell'impresa"},
        {"attivita = ''", "Inserire C2 - ATTIVITA' dell'impresa"},
        {"spec7 = 0", "Inserire C4 - ALMENO UNA VOCE DI SPESA  dell'impresa"},
        {"spec7 = NULL", "Inserire C4 - ALMENO UNA VOCE DI SPESA  dell'impresa"},
        {"spec7 = -0.5", nullptr},
        {"dataavvio = NULL", "Inserire C.5.1 - DATA AVVIO INVESTIMENTO dell'impresa"},
        {"dataavvio = '1000-01-01'", "Inserire C.5.1 - DATA AVVIO INVESTIMENTO dell'impresa"},
        {"dataultimazione = NULL", "Inserire C.5.2 - DATA ULTIMAZIONE INVESTIMENTO dell'impresa"},
        {"dataultimazione = '1000-01-01'",
         "Inserire C.5.2 - DATA ULTIMAZIONE INVESTIMENTO dell'impresa"},
        {percentuali(QString()), d1},
        {percentuali(QStringLiteral("percpromo")), nullptr},
        {percentuali(QStringLiteral("percperson4")), nullptr},
        {percentuali(QStringLiteral("percbanca3")) + QStringLiteral(", percbanca3 = -2"), nullptr},
        {percentuali(QString()) + QStringLiteral(", dataultimazione = NULL"),
         "Inserire C.5.2 - DATA ULTIMAZIONE INVESTIMENTO dell'impresa"},
    };
    avvia(1);
    clic(p.finestra().CMDPag[3]); // no Validare, no field committed
    ASSERT_EQ(PaginaCorrente, 3);
    const qint64 chiave = IdRecord.integer();
    for (const Caso &c : casi) {
        SCOPED_TRACE(c.modifica.toStdString());
        prova::completaScheda(p.cartella, chiave, 1);
        modificaScheda(chiave, c.modifica);
        esporta();
        ASSERT_EQ(mostrati().size(), 1);
        if (c.messaggio) {
            EXPECT_EQ(mostrati()[0].prompt, QString::fromUtf8(c.messaggio));
            EXPECT_EQ(mostrati()[0].titolo, TitoloDati);
            EXPECT_EQ(mostrati()[0].stile, dlg::vbExclamation);
        } else {
            eDomandaFloppy(mostrati()[0]); // answered No: nothing more
        }
        // Whatever the outcome, the export row holds the sheet as stored.
        EXPECT_EQ(rigaEsporta().mid(1), rigaScheda(chiave).mid(1));
        EXPECT_FALSE(QFile::exists(suDisco()));
        EXPECT_TRUE(esportaAperto());
    }
}

TEST_F(Esportazione, TheLastValuesTestedStayInTheScratchValues)
{
    avvia(1);
    esporta();
    eDomandaFloppy(mostrati().value(0));
    EXPECT_EQ(TestoMaiuscolo, QStringLiteral("V1 ATTIVITA"));
    EXPECT_EQ(ValoreData.date(),
              rigaScheda(IdRecord.integer())[1 + indiceColonna(QStringLiteral("dataultimazione"))]
                  .date());
    EXPECT_EQ(ValoreNumero,
              rigaScheda(IdRecord.integer())[1 + indiceColonna(QStringLiteral("percperson4"))]
                  .toDouble());
}

TEST_F(Esportazione, TheStoredRowIsCopiedByPositionNullsKeptAndTheKeyUntouched)
{
    const QStringList nulle = {"nato",      "partita_iva", "fatt_ultimo", "natura_giuridica",
                               "a25",       "fax_sede",    "via_posta",   "dipc4",
                               "data_mini", "percperson4"};
    avvia(2, nulle); // on sheet 2, with those Nulls
    const Variant chiaveEsporta = rigaEsporta()[0];
    QList<Variant> sheetInMemory;
    for (const Colonna &c : colonneDati())
        sheetInMemory << RecordScheda()[QString::fromLatin1(c.nome)];

    auto controlla = [&](qint64 chiave, bool conNulle) {
        SCOPED_TRACE(chiave);
        const QList<Variant> e = rigaEsporta(), s = rigaScheda(chiave);
        ASSERT_EQ(e.size(), NumeroColonne + 1);
        ASSERT_EQ(s.size(), NumeroColonne + 1);
        EXPECT_EQ(e[0], chiaveEsporta);
        for (int i = 1; i <= NumeroColonne; ++i)
            EXPECT_EQ(e[i], s[i]) << colonneDati()[i - 1].nome;
        for (const QString &n : nulle)
            EXPECT_EQ(e[1 + indiceColonna(n)].isNull(), conNulle) << n.toStdString();
        EXPECT_EQ(prova::riga(suDisco(), PasswordEsporta), e); // the disk holds the same row
        EXPECT_EQ(prova::righe(fileEsporta(), PasswordEsporta), 1);
        // The export moves nothing of the program.
        EXPECT_EQ(IdRecord.integer(), chiave);
        EXPECT_TRUE(RsDati->Fields(0).Value().looselyEquals(IdRecord));
    };
    esportaConSuccesso();
    controlla(2, true);
    EXPECT_EQ(PaginaCorrente, 1);
    for (int i = 0; i < NumeroColonne; ++i)
        EXPECT_EQ(RecordScheda()[QString::fromLatin1(colonneDati()[i].nome)], sheetInMemory[i]);

    clic(p.finestra().CMDPrimo);
    esportaConSuccesso();
    controlla(1, false); // every value of sheet 1 over the Nulls
    clic(p.finestra().CMDUltimo);
    esportaConSuccesso();
    controlla(2, true); // and the Nulls back over them
}

namespace {

// Page 1 with a new company name typed and the focus still in its box.
class NomeDigitato : public Esportazione
{
protected:
    void digitaNome()
    {
        avvia(1);
        ASSERT_TRUE(p.attiva());
        auto *box = Form(1)->findChild<QLineEdit *>(QStringLiteral("TXTDenom"));
        ASSERT_NE(box, nullptr);
        box->setFocus(Qt::TabFocusReason);
        ASSERT_EQ(QApplication::focusWidget(), box);
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(box, QStringLiteral("COOP NUOVA"));
        ASSERT_EQ(PaginaModificata, 0); // not committed yet
        this->box = box;
    }
    // The save question, then the disk question (No).
    void esportaRispondendo(int salva)
    {
        p.dialoghi.rispondi(salva);
        p.dialoghi.rispondi(dlg::vbNo);
        esporta();
        ASSERT_EQ(mostrati().size(), 2);
        EXPECT_EQ(mostrati()[0].prompt,
                  QStringLiteral("La pagina è stata modificata, vuoi salvarla?"));
        EXPECT_EQ(mostrati()[0].titolo, TitoloDomandaSalva);
        EXPECT_EQ(mostrati()[0].stile, dlg::vbYesNo | dlg::vbExclamation);
        eDomandaFloppy(mostrati()[1]);
    }
    Variant esportato(const char *colonna) const
    {
        return rigaEsporta()[1 + indiceColonna(QString::fromLatin1(colonna))];
    }
    Variant salvato(const char *colonna) const
    {
        return p.valoreSalvato(IdRecord, QString::fromLatin1(colonna));
    }
    QLineEdit *box = nullptr;
};

} // namespace

TEST_F(NomeDigitato, YesToTheSaveOfferExportsTheNameJustTyped)
{
    digitaNome();
    esportaRispondendo(dlg::vbYes);
    EXPECT_EQ(salvato("denominazione").toText(), QStringLiteral("COOP NUOVA"));
    EXPECT_EQ(esportato("denominazione").toText(), QStringLiteral("COOP NUOVA"));
    EXPECT_EQ(PaginaModificata, 0);
}

TEST_F(NomeDigitato, NoToTheSaveOfferExportsTheRowAsStoredAndKeepsTheEdit)
{
    digitaNome();
    esportaRispondendo(dlg::vbNo);
    EXPECT_EQ(salvato("denominazione").toText(), QStringLiteral("V1 DENOMINAZIONE"));
    EXPECT_EQ(esportato("denominazione").toText(), QStringLiteral("V1 DENOMINAZIONE"));
    EXPECT_EQ(PaginaModificata, 1);
    EXPECT_EQ(box->text(), QStringLiteral("COOP NUOVA"));
    EXPECT_EQ(RecordScheda()[QStringLiteral("denominazione")].toText(),
              QStringLiteral("COOP NUOVA"));
    // The next page change asks again.
    p.dialoghi.mostrati.clear();
    clic(p.finestra().CMDPag[2]);
    ASSERT_EQ(mostrati().size(), 1);
    EXPECT_EQ(mostrati()[0].titolo, TitoloDomandaSalva);
}

TEST_F(Esportazione, OnPage3TheSaveOfferComesOnlyWhenThePageIsAlreadyModified)
{
    avvia(1);
    clic(p.finestra().CMDPag[3]);
    esporta();
    ASSERT_EQ(mostrati().size(), 1);
    eDomandaFloppy(mostrati()[0]);

    RecordScheda().imposta(QStringLiteral("c2"), 777);
    PaginaModificata = 1;
    p.dialoghi.rispondi(dlg::vbYes);
    esporta();
    ASSERT_EQ(mostrati().size(), 2);
    EXPECT_EQ(mostrati()[0].titolo, TitoloDomandaSalva);
    eDomandaFloppy(mostrati()[1]);
    EXPECT_EQ(PaginaModificata, 0);
    EXPECT_EQ(rigaEsporta()[1 + indiceColonna(QStringLiteral("c2"))].toDouble(), 777);
}

TEST_F(Esportazione, NoToTheDiskQuestionCopiesNothingAndSaysNothing)
{
    avvia(1);
    p.dialoghi.rispondi(dlg::vbNo);
    esporta();
    ASSERT_EQ(mostrati().size(), 1);
    eDomandaFloppy(mostrati()[0]);
    EXPECT_TRUE(QDir(cartellaDisco.path()).isEmpty());
    EXPECT_TRUE(esportaAperto());
    EXPECT_EQ(rigaEsporta().mid(1), rigaScheda(IdRecord.integer()).mid(1));
}

TEST_F(Esportazione, TwoSuccessfulExportsInOneRunReplaceTheDiskCopy)
{
    avvia(1);
    esportaConSuccesso();
    prova::completaScheda(p.cartella, IdRecord.integer(), 3);
    esportaConSuccesso();
    EXPECT_EQ(prova::riga(suDisco(), PasswordEsporta).mid(1), rigaScheda(IdRecord.integer()).mid(1));
    EXPECT_EQ(prova::riga(suDisco(), PasswordEsporta)[1].toText(), QStringLiteral("V3 NOME"));
    EXPECT_EQ(QDir(cartellaDisco.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("Esporta.mdb")});
}

TEST_F(Esportazione, ADamagedExportFileIsReportedBeforeAnythingIsWritten)
{
    struct Caso
    {
        const char *nome;
        QString sql; // run on the export file before start-up
        QString detto;
    };
    const QString crea = sqlCreaDati();
    auto rifai = [](QString tabella) {
        return QStringLiteral("DROP TABLE Dati; %1; INSERT INTO Dati DEFAULT VALUES;").arg(tabella);
    };
    QString scambiate = crea, corta = crea;
    scambiate.replace(QStringLiteral("nome TEXT, cognome TEXT"),
                      QStringLiteral("cognome TEXT, nome TEXT"));
    corta.replace(QStringLiteral(", percperson4 DOUBLE)"), QStringLiteral(")"));
    ASSERT_NE(scambiate, crea);
    ASSERT_NE(corta, crea);
    const Caso casi[] = {
        {"no row", QStringLiteral("DELETE FROM Dati"),
         QStringLiteral("la tabella \"Dati\" non ha righe.")},
        {"columns swapped", rifai(scambiate),
         QStringLiteral("la colonna 1 della tabella \"Dati\" è \"cognome\" invece di \"nome\".")},
        {"a column short", rifai(corta),
         QStringLiteral("la tabella \"Dati\" ha 243 colonne invece di 244.")},
    };
    for (const Caso &c : casi) {
        SCOPED_TRACE(c.nome);
        ProgrammaProva q;
        prova::aggiungiSchedaCompleta(q.cartella, 1);
        q.cartella.esegui(FileEsporta, PasswordEsporta, c.sql);
        const QList<Variant> prima = prova::riga(q.cartella.percorso(FileEsporta), PasswordEsporta);
        ASSERT_TRUE(q.avvia());
        q.finestra().EsposrtaScheda->trigger();
        ASSERT_EQ(q.dialoghi.mostrati.size(), 1);
        EXPECT_EQ(q.dialoghi.mostrati[0].stile, dlg::vbCritical);
        EXPECT_TRUE(q.dialoghi.mostrati[0].prompt.contains(c.detto))
            << q.dialoghi.mostrati[0].prompt.toStdString();
        EXPECT_TRUE(q.dialoghi.mostrati[0].prompt.contains(q.cartella.percorso(FileEsporta)));
        EXPECT_TRUE(q.dialoghi.mostrati[0].prompt.contains(
            QStringLiteral("La scheda non è stata esportata.")));
        EXPECT_EQ(prova::riga(q.cartella.percorso(FileEsporta), PasswordEsporta), prima);
        EXPECT_TRUE(QDir(cartellaDisco.path()).isEmpty());
    }
}

TEST_F(Esportazione, ASheetGoneBehindTheProgramsBackIsReportedAndNotExported)
{
    avvia(2);
    const QList<Variant> prima = rigaEsporta();
    p.cartella.esegui(FileVarnex, PasswordVarnex,
                      QStringLiteral("DELETE FROM Dati WHERE id_scheda = 2"));
    esporta();
    ASSERT_EQ(mostrati().size(), 1);
    EXPECT_EQ(mostrati()[0].stile, dlg::vbCritical);
    EXPECT_TRUE(mostrati()[0].prompt.contains(
        QStringLiteral("non si trova più nell'archivio: la scheda non è stata esportata")));
    EXPECT_EQ(rigaEsporta(), prima);
    EXPECT_TRUE(QDir(cartellaDisco.path()).isEmpty());
    EXPECT_TRUE(esportaAperto());
}
