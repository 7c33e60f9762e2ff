// The print loader on real files: the stored row of the current sheet,
// every column with its Null default and fixed type, into a print copy that
// leaves the in-memory sheet and the page-modified flag as they were.

#include "Interazione.h"

#include "core/Archivio.h"
#include "core/ColonneDati.h"
#include "core/FileDati.h"
#include "core/RecordScheda.h"
#include "core/formati/Date.h"
#include "platform/db/Error.h"
#include "print/RecordPerStampa.h"

#include <gtest/gtest.h>

using namespace scheda;
using namespace stampa;
using ado::Variant;

namespace {

class Caricatore : public prova::ConProgramma
{
protected:
    // Two sheets: a named first one, then the row given (the current sheet).
    void avviaSu(const QString &colonne, const QString &valori)
    {
        avvia({QStringLiteral("INSERT INTO Dati (denominazione) VALUES ('PRIMA')"),
               QStringLiteral("INSERT INTO Dati (%1) VALUES (%2)").arg(colonne, valori)});
    }
};

} // namespace

TEST_F(Caricatore, ARowOfNullsLoadsEveryDefault)
{
    avviaSu(QStringLiteral("id_scheda"), QStringLiteral("NULL"));
    RecordScheda().imposta(QStringLiteral("denominazione"), QStringLiteral("IN MEMORIA"));
    RecordScheda().imposta(QStringLiteral("percente3"), 33);
    PaginaModificata = 1;
    const SchedaStampa copia = CaricaRecordPerStampa();
    int testi = 0, date = 0, zeri = 0, uno = 0, due = 0;
    for (const Colonna &c : colonneDati()) {
        const Variant &v = copia[QString::fromLatin1(c.nome)];
        const QString t = v.isText() ? v.text() : QString();
        if (v.isText() && t.isEmpty())
            ++testi;
        else if (t == DataVuota)
            ++date;
        else if (v.isNumber() && v.toDouble() == 0)
            ++zeri;
        else if (v == Variant(1))
            ++uno;
        else if (v == Variant(2))
            ++due;
        else
            ADD_FAILURE() << c.nome;
    }
    EXPECT_EQ(testi, 80);
    EXPECT_EQ(date, 8);
    EXPECT_EQ(zeri, 149);
    EXPECT_EQ(uno, 4);
    EXPECT_EQ(due, 2);
    for (const char *c : {"natura_giuridica", "sez_pref", "categoria_mini", "nat_giuri_promo"})
        EXPECT_EQ(copia[c], Variant(1)) << c;
    for (const char *c : {"coop_dipe", "coop_versa"})
        EXPECT_EQ(copia[c], Variant(2)) << c;
    // The in-memory sheet and the flag are as they were.
    EXPECT_EQ(RecordScheda()[QStringLiteral("denominazione")].toText(),
              QStringLiteral("IN MEMORIA"));
    EXPECT_EQ(RecordScheda()[QStringLiteral("percente3")], Variant(33));
    EXPECT_EQ(PaginaModificata, 1);
}

TEST_F(Caricatore, ValuesLoadAsStoredEachInItsOwnVariableWithItsFixedType)
{
    avviaSu(
        QStringLiteral(
            "percente2, percente3, percente4, partita_iva_promo, ivapromo, a25, dipc4, num_art, "
            "spec7, d1, data_iscr"),
        QStringLiteral("40, NULL, 5, '111', '222', 12.5, 12.5, 42, 7, 2004, '2004-03-07'"));
    const SchedaStampa copia = CaricaRecordPerStampa();
    EXPECT_EQ(copia["percente2"].toDouble(), 40);
    EXPECT_EQ(copia["percente3"], Variant(0));
    EXPECT_EQ(copia["percente4"].toDouble(), 5);
    EXPECT_EQ(copia["partita_iva_promo"].toText(), QStringLiteral("111"));
    EXPECT_EQ(copia["ivapromo"].toText(), QStringLiteral("222"));
    EXPECT_EQ(copia["a25"], Variant(std::int64_t(12))); // 32 bits, half to even
    EXPECT_EQ(copia["dipc4"], Variant(12.5));
    EXPECT_EQ(copia["num_art"], Variant(QStringLiteral("42")));
    EXPECT_EQ(copia["spec7"], Variant(7.0));
    EXPECT_TRUE(copia["d1"].isText());
    EXPECT_EQ(copia["data_iscr"].toDate(), QDate(2004, 3, 7));
}

TEST_F(Caricatore, ATotalBeyond32BitsStaysTheNumberStored)
{
    avviaSu(QStringLiteral("a25, c24"), QStringLiteral("3000000000, -3000000000"));
    const SchedaStampa copia = CaricaRecordPerStampa();
    EXPECT_EQ(copia["a25"].toDouble(), 3000000000.0);
    EXPECT_EQ(copia["c24"].toDouble(), -3000000000.0);
}

TEST_F(Caricatore, TheRowOfTheCurrentSheetIsFoundWhereverTheCursorStands)
{
    avviaSu(QStringLiteral("denominazione"), QStringLiteral("'SECONDA'"));
    RsDati->MoveFirst();
    const SchedaStampa copia = CaricaRecordPerStampa();
    EXPECT_EQ(copia["denominazione"].toText(), QStringLiteral("SECONDA"));
    EXPECT_TRUE(RsDati->Fields(0).Value().looselyEquals(IdRecord));
}

TEST_F(Caricatore, NothingOfAnEarlierSheetSurvives)
{
    avviaSu(QStringLiteral("denominazione"), QStringLiteral("'SECONDA'"));
    SchedaStampa copia;
    copia.imposta(QStringLiteral("cognome"), QStringLiteral("VECCHIO"));
    copia = CaricaRecordPerStampa();
    EXPECT_EQ(copia["cognome"].toText(), QString());
    // A few columns reloaded into a copy leave the others as they are.
    copia.imposta(QStringLiteral("nome"), QStringLiteral("IN COPIA"));
    RsDati->Fields(QStringLiteral("cognome")).setValue(Variant(QStringLiteral("ROSSI")));
    RsDati->Update();
    static constexpr const char *colonne[] = {"cognome"};
    caricaDallaRiga(copia, colonne);
    EXPECT_EQ(copia["cognome"].toText(), QStringLiteral("ROSSI"));
    EXPECT_EQ(copia["nome"].toText(), QStringLiteral("IN COPIA"));
}

TEST_F(Caricatore, ASheetThatIsGoneIsAnError)
{
    avviaSu(QStringLiteral("denominazione"), QStringLiteral("'SECONDA'"));
    IdRecord = Variant(std::int64_t(999));
    try {
        CaricaRecordPerStampa();
        FAIL() << "loaded";
    } catch (const ado::Error &e) {
        EXPECT_EQ(e.number(), ado::err::NoCurrentRecord);
    }
}
