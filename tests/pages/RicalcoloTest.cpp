// The recompute table on its own: formulas as data over the in-memory sheet.

#include "TestiNeiMessaggi.h"

#include "core/RecordScheda.h"
#include "pages/campi/Ricalcolo.h"

#include <gtest/gtest.h>

using namespace scheda;
using namespace scheda::campi;
using ado::Variant;

namespace {

// The balance sheet's liabilities side of column a, as page 2 has it.
Ricalcolo passivo()
{
    Ricalcolo r;
    aggiungiRighe(r, {QStringLiteral("a")},
                  {{12, {13, 14, 15}},
                   {16, {17, 18, 19}},
                   {20, {21, 22, 23, 24}},
                   {25, {12, 16, 20}}},
                  {{{13, 14, 15}, {12, 25}},
                   {{17, 18, 19}, {16, 25}},
                   {{21, 22, 23, 24}, {20, 25}}});
    return r;
}

Scheda foglio(std::initializer_list<std::pair<const char *, Variant>> valori)
{
    Scheda s;
    for (const auto &[c, v] : valori)
        s.imposta(QString::fromLatin1(c), v);
    return s;
}

QString dump(const std::optional<Valori> &v)
{
    if (!v)
        return QStringLiteral("refused");
    QStringList parti;
    for (const auto &[c, x] : *v)
        parti << c + QLatin1Char('=') + x.toText();
    return parti.join(QLatin1Char(' '));
}

} // namespace

TEST(Ricalcolo, DependantsInOrderFromTheSheetAsItStands)
{
    const Ricalcolo r = passivo();
    const struct
    {
        const char *caso;
        Scheda scheda;
        const char *colonna;
        double valore;
        const char *atteso;
    } casi[] = {
        // The subtotal of the group, then the side's total with the other
        // groups' stored subtotals (a16 stale at 100).
        {"group then total", foglio({{"a14", Variant(2.0)}, {"a16", Variant(100.0)}}), "a13", 5,
         "a12=7 a25=107"},
        {"the committed value counts, not the stored one", foglio({{"a13", Variant(9.0)}}), "a13",
         1, "a12=1 a25=1"},
        {"negative amounts", foglio({{"a21", Variant(10.0)}}), "a24", -25, "a20=-15 a25=-15"},
        {"a column with no dependants", foglio({}), "a2", 3, ""},
        {"a total at the 32-bit limit", foglio({{"a13", Variant(2147483646.0)}}), "a14", 1,
         "a12=2147483647 a25=2147483647"},
        {"one past it is refused", foglio({{"a13", Variant(2147483647.0)}}), "a14", 1, "refused"},
        {"a 32-bit total rounds half to even", foglio({{"a13", Variant(0.5)}}), "a14", 2,
         "a12=2,5 a25=2"},
        {"a term that holds no number", foglio({{"a15", Variant("ABC")}}), "a13", 1, "refused"},
        {"an empty term counts 0", foglio({}), "a13", 4, "a12=4 a25=4"},
    };
    for (const auto &c : casi)
        EXPECT_EQ(dump(r.valuta(c.scheda, QString::fromLatin1(c.colonna), c.valore)),
                  QString::fromLatin1(c.atteso))
            << c.caso;
}

TEST(Ricalcolo, SubtractedTermsAndRoundedTotals)
{
    // Two-decimal amounts whose sum would carry a binary residue.
    const Scheda s = foglio({{"spea1", Variant(0.1)}, {"spea2", Variant(0.2)}});
    Ricalcolo meno;
    meno.formula({.risultato = QStringLiteral("c15"),
                  .termini = {{QStringLiteral("c5")}, {QStringLiteral("c14"), true}}});
    meno.dipendenti(QStringLiteral("c14"), {QStringLiteral("c15")});
    // Both letters of a grid get their own formulas.
    Ricalcolo due;
    aggiungiRighe(due, {QStringLiteral("a"), QStringLiteral("b")}, {{3, {4, 5}}}, {{{4, 5}, {3}}});

    Ricalcolo spe;
    aggiungiRighe(spe, {QStringLiteral("spea")}, {{7, {1, 2, 3}, 2}}, {{{1, 2, 3}, {7}}});
    const auto totale = spe.valuta(s, QStringLiteral("spea3"), -0.3);
    ASSERT_TRUE(totale);
    EXPECT_EQ(totale->at(0).second.toDouble(), 0.0);
    EXPECT_FALSE(std::signbit(totale->at(0).second.toDouble()));
    EXPECT_EQ(dump(meno.valuta(foglio({{"c5", Variant(1000.0)}}), QStringLiteral("c14"), 1500)),
              QStringLiteral("c15=-500"));
    EXPECT_EQ(dump(due.valuta(foglio({{"b5", Variant(1.0)}}), QStringLiteral("b4"), 2)),
              QStringLiteral("b3=3"));
    EXPECT_EQ(dump(due.valuta(foglio({{"b5", Variant(1.0)}}), QStringLiteral("a4"), 2)),
              QStringLiteral("a3=2"));
}

TEST(Ricalcolo, AGridRenewsItsRowThenItsColumnThenTheCorner)
{
    Ricalcolo somma;
    aggiungiGriglia(somma, {.lettere = {QStringLiteral("spea"), QStringLiteral("speb"),
                                        QStringLiteral("spec")},
                            .righe = 2,
                            .terza = GrigliaRighe::Somma,
                            .decimali = 2});
    Ricalcolo differenza;
    aggiungiGriglia(differenza, {.lettere = {QStringLiteral("dipa"), QStringLiteral("dipb"),
                                             QStringLiteral("dipc")},
                                 .righe = 2,
                                 .terza = GrigliaRighe::Differenza});
    const Scheda s = foglio({{"spea2", Variant(0.2)},
                             {"speb1", Variant(1.0)},
                             {"spec2", Variant(0.2)},
                             {"dipa2", Variant(3.0)},
                             {"dipb1", Variant(7.5)},
                             {"dipc2", Variant(-3.0)}});
    EXPECT_EQ(dump(somma.valuta(s, QStringLiteral("spea1"), 0.1)),
              QStringLiteral("spec1=1,1 spea3=0,3 spec3=1,3"));
    EXPECT_EQ(dump(somma.valuta(s, QStringLiteral("speb2"), 2)),
              QStringLiteral("spec2=2,2 speb3=3 spec3=2,2"));
    EXPECT_EQ(dump(differenza.valuta(s, QStringLiteral("dipa1"), 2)),
              QStringLiteral("dipc1=5,5 dipa3=5 dipc3=2,5"));
    EXPECT_EQ(dump(differenza.valuta(s, QStringLiteral("dipb2"), 4)),
              QStringLiteral("dipc2=1 dipb3=11,5 dipc3=1"));
    EXPECT_EQ(dump(somma.valuta(s, QStringLiteral("spec1"), 1)), QString()); // computed
}
