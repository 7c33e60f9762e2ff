// Numbers as the boxes read and show them, by tables: reading, rounding
// and the display patterns.

#include "TestiNeiMessaggi.h"

#include "Utf8.h"
#include "core/formati/Numeri.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <gtest/gtest.h>

using namespace scheda;
using ado::Variant;
using numeri::arrotondaPari;

TEST(LeggiNumero, AcceptsWhatThePatternsThePlainTextAndAUserWrite)
{
    const struct
    {
        const char *testo;
        double valore;
    } casi[] = {
        {"0", 0},
        {"1234", 1234},
        {"1.234", 1234},
        {"-1.500", -1500},
        {"1.234,50", 1234.5},
        {",5", 0.5},
        {",00", 0},
        {"-,5", -0.5},
        {"12,5", 12.5},
        {"0,5", 0.5},
        {"2,3", 2.3},
        {"-0", 0},
        {"1.234.567", 1234567},
        {"100,4", 100.4},
        {"007", 7},
        {"99.999.999.999.999", 99999999999999.0},
        {"999.999.999.999.999", 999999999999999.0},
        {"0,000000000000001", 1e-15},
        // A trailing comma and a leading plus: the plain number.
        {"5,", 5},
        {"+7", 7},
        {"+7,", 7},
        {"-5,", -5},
        {"0,", 0},
        {"-0,", 0},
        {"+0", 0},
        {"+,5", 0.5},
        {"+0,5", 0.5},
        {"+007", 7},
        {"1.234,", 1234},
        {"+1.234,5", 1234.5},
        {"+12,5", 12.5},
        {"+999.999.999.999.999", 999999999999999.0},
        {"+0,000000000000001", 1e-15},
    };
    for (const auto &c : casi) {
        const auto d = leggiNumero(q(c.testo));
        ASSERT_TRUE(d.has_value()) << c.testo;
        EXPECT_EQ(d->valore(), c.valore) << c.testo;
        if (c.valore == 0)
            EXPECT_FALSE(std::signbit(d->valore())) << c.testo; // no negative zero
    }
}

TEST(LeggiNumero, RefusesEverythingElse)
{
    for (const char *testo :
         {"", "-", ",", "1.5", "1.23", "1234.567", "1.234.", ".5", " 5", "5 ", "1,2,3", "1e5",
          "1E5", "1,5e3", "inf", "-inf", "nan", "NaN", "abc", "12a", "1..234", "1.2345",
          "\u0661\u0662", "1234567890123456", "1.000.000.000.000.000", "1000000000000000",
          "0,1234567890123456", "1,0000000000000001",
          // Signs and commas that make no number.
          "+", "+,", "-,", "++7", "+-7", "-+7", "--7", " +7", "+ 7", "7+", "7-", "5,,", ",,", "5,+",
          "+5,5,", "+.5", "1.5,", "+1.5", "1e3", "+1e3", "1.2.3", "+1.2.3", "+inf", "+nan", "+abc",
          "\uFF0B7", "+1234567890123456", "5,\t", "+7\n", "7\n"}) {
        EXPECT_FALSE(leggiNumero(q(testo)).has_value()) << testo;
    }
}

namespace {

// The grammar of leggiNumero told a second way, without a pattern: a sign,
// a whole part plain or in groups of three, a comma with or without
// decimals, at least one digit. The value as the C library reads it.
std::optional<double> numeroAtteso(const QString &testo)
{
    QString t = testo;
    const bool meno = t.startsWith(QLatin1Char('-'));
    if (meno || t.startsWith(QLatin1Char('+')))
        t.remove(0, 1);
    const QStringList parti = t.split(QLatin1Char(','));
    if (parti.size() > 2)
        return std::nullopt;
    const auto cifre = [](const QString &s) {
        return std::all_of(s.begin(), s.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
    };
    QString intera = parti[0];
    const QString frazione = parti.size() == 2 ? parti[1] : QString();
    if (!cifre(frazione))
        return std::nullopt;
    if (intera.contains(QLatin1Char('.'))) {
        const QStringList gruppi = intera.split(QLatin1Char('.'));
        if (gruppi[0].isEmpty() || gruppi[0].size() > 3 || !cifre(gruppi[0]))
            return std::nullopt;
        for (qsizetype i = 1; i < gruppi.size(); ++i)
            if (gruppi[i].size() != 3 || !cifre(gruppi[i]))
                return std::nullopt;
        intera.remove(QLatin1Char('.'));
    } else if (!cifre(intera)) {
        return std::nullopt;
    }
    if (intera.isEmpty() && frazione.isEmpty())
        return std::nullopt;
    const std::string c = (meno ? "-" : "")
                          + (intera.isEmpty() ? std::string("0") : intera.toStdString()) + "."
                          + frazione.toStdString() + "0";
    return std::strtod(c.c_str(), nullptr) + 0.0;
}

} // namespace

TEST(LeggiNumero, EveryShortTextIsReadAsItsGrammarSaysAndNothingElse)
{
    // Every text of up to six characters over digits, the separators, the
    // signs, a blank and an exponent: well over a quarter of a million.
    const QString alfabeto = QStringLiteral("05.,+- e");
    QList<QString> livello{QString()};
    int letti = 0;
    for (int lunghezza = 0; lunghezza <= 6; ++lunghezza) {
        QList<QString> prossimo;
        for (const QString &testo : livello) {
            const auto d = leggiNumero(testo);
            const auto atteso = numeroAtteso(testo);
            ASSERT_EQ(d.has_value(), atteso.has_value()) << qPrintable(testo);
            if (d) {
                ++letti;
                ASSERT_EQ(d->valore(), *atteso) << qPrintable(testo);
                ASSERT_FALSE(d->valore() == 0 && std::signbit(d->valore())) << qPrintable(testo);
                // The database layer reads a stored text the same way.
                ASSERT_EQ(Variant(testo).toDouble(), d->valore()) << qPrintable(testo);
                // A plus in front of an unsigned text and a comma after a
                // whole one change nothing.
                if (testo.front() != u'+' && testo.front() != u'-') {
                    const auto conPiu = leggiNumero(QLatin1Char('+') + testo);
                    ASSERT_TRUE(conPiu && conPiu->valore() == d->valore()) << qPrintable(testo);
                }
                if (!testo.contains(QLatin1Char(','))) {
                    const auto conVirgola = leggiNumero(testo + QLatin1Char(','));
                    ASSERT_TRUE(conVirgola && conVirgola->valore() == d->valore())
                        << qPrintable(testo);
                }
                // Whatever it reads, every pattern writes back readable.
                for (Variante v : {Variante::Intero, Variante::Decimi, Variante::DueDecimali,
                                   Variante::Percentuale})
                    ASSERT_TRUE(leggiNumero(formattaNumero(d->valore(), v))) << qPrintable(testo);
            }
            if (lunghezza < 6)
                for (QChar c : alfabeto)
                    prossimo << testo + c;
        }
        livello = std::move(prossimo);
    }
    EXPECT_GT(letti, 500); // the texts read are many, not a handful
}

TEST(Arrotondamento, HalfToEvenOnTheTypedFigures)
{
    const struct
    {
        const char *testo;
        int decimali;
        double atteso;
    } casi[] = {
        {"0,5", 0, 0},        {"1,5", 0, 2},          {"2,5", 0, 2},          {"3,5", 0, 4},
        {"-2,5", 0, -2},      {"-3,5", 0, -4},        {"2,5000000001", 0, 3}, {"0,25", 1, 0.2},
        {"0,35", 1, 0.4},     {"0,125", 2, 0.12},     {"2,675", 2, 2.68},     {"1,005", 2, 1.0},
        {"0,0625", 3, 0.062}, {"33,3333", 3, 33.333}, {"9,99", 1, 10},        {"999,5", 0, 1000},
        {"0,04", 1, 0},       {"0,05", 1, 0},         {"0,051", 1, 0.1},      {"1.234", 2, 1234},
    };
    for (const auto &c : casi) {
        const auto d = leggiNumero(q(c.testo));
        ASSERT_TRUE(d) << c.testo;
        EXPECT_EQ(d->arrotondato(c.decimali, true).valore(), c.atteso)
            << c.testo << " @" << c.decimali;
    }
    // A stored value rounds on its decimal face, not on its binary residue.
    EXPECT_EQ(arrotondaPari(2.675, 2), 2.68);
    EXPECT_EQ(arrotondaPari(0.125, 2), 0.12);
    EXPECT_EQ(arrotondaPari(-2.5, 0), -2.0);
}

TEST(Schemi, EachVariantPrintsAsItsPattern)
{
    const struct
    {
        double valore;
        Variante variante;
        const char *atteso;
    } casi[] = {
        {0, Variante::Intero, "0"},
        {1234, Variante::Intero, "1.234"},
        {-1500, Variante::Intero, "-1.500"},
        {1234567, Variante::Intero, "1.234.567"},
        {123, Variante::Intero, "123"},
        {-0.0, Variante::Intero, "0"},
        {-0.4, Variante::Intero, "0"},
        {1234.4, Variante::Intero, "1.234"},
        {1234, Variante::Decimi, "1.234,0"},
        {12.5, Variante::Decimi, "12,5"},
        {0.5, Variante::Decimi, ",5"},
        {0, Variante::Decimi, ",0"},
        {-0.0, Variante::Decimi, ",0"},
        {-0.5, Variante::Decimi, "-,5"},
        {-4.440892098500626e-16, Variante::Decimi, ",0"}, // a sum of tenths left a residue
        {0.30000000000000004, Variante::Decimi, ",3"},
        {2.3, Variante::Decimi, "2,3"},
        {3, Variante::Decimi, "3,0"},
        {1234.5, Variante::DueDecimali, "1.234,50"},
        {33.333, Variante::DueDecimali, "33,33"},
        {0.25, Variante::DueDecimali, ",25"},
        {0, Variante::DueDecimali, ",00"},
        {0.12, Variante::DueDecimali, ",12"},
        {-1234.5, Variante::DueDecimali, "-1.234,50"},
        {100, Variante::Percentuale, "100,00"},
        {33.333, Variante::Percentuale, "33,33"},
    };
    for (const auto &c : casi)
        EXPECT_EQ(formattaNumero(c.valore, c.variante), q(c.atteso)) << c.valore;
    EXPECT_EQ(formattaValore(Variant(), Variante::Intero), q("0"));
    EXPECT_EQ(formattaValore(Variant(std::int64_t(1500)), Variante::Intero), q("1.500"));
}

TEST(Schemi, WhatTheyWriteReadsBack)
{
    for (double v :
         {0.0, 1234.0, -1500.0, 1234.5, 0.5, -0.5, 12.5, 2.3, 33.333, 0.25, 99999999999999.0}) {
        for (Variante var :
             {Variante::Intero, Variante::Decimi, Variante::DueDecimali, Variante::Percentuale}) {
            const QString t = formattaNumero(v, var);
            EXPECT_TRUE(leggiNumero(t).has_value()) << t.toStdString();
        }
        const QString semplice = testoSemplice(Variant(v));
        const auto d = leggiNumero(semplice);
        ASSERT_TRUE(d) << semplice.toStdString();
        EXPECT_EQ(d->valore(), v) << semplice.toStdString();
    }
}

TEST(TestoSemplice, PlainFiguresWithTheDecimalComma)
{
    const struct
    {
        Variant v;
        const char *atteso;
    } casi[] = {
        {Variant(1500.0), "1500"},
        {Variant(12.5), "12,5"},
        {Variant(0.5), "0,5"},
        {Variant(-0.0), "0"},
        {Variant(), ""},
        {Variant(7), "7"},
        {Variant("ABC"), "ABC"},
        {Variant(QDate(2004, 3, 5)), "05/03/2004"},
        {Variant(0.1 + 0.2), "0,3"},
        {Variant(1e-5), "0,00001"},
        {Variant(2.3), "2,3"},
        {Variant(-1234.5), "-1234,5"},
    };
    for (const auto &c : casi)
        EXPECT_EQ(testoSemplice(c.v), q(c.atteso)) << c.atteso;
}

TEST(Anno, NumbersWithoutGroupingTextAsItStands)
{
    EXPECT_EQ(formattaAnno(Variant("2003")), q("2003"));
    EXPECT_EQ(formattaAnno(Variant(2003)), q("2003"));
    EXPECT_EQ(formattaAnno(Variant("")), q(""));
    EXPECT_EQ(formattaAnno(Variant()), q(""));
    EXPECT_EQ(formattaAnno(Variant("ABCD")), q("ABCD"));
    EXPECT_EQ(formattaAnno(Variant("12345")), q("12345"));
}
