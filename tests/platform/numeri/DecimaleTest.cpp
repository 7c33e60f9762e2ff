// The exact decimals under every number conversion, by tables: reading
// digits, reading back a double, rounding both ways, writing, and the
// decimal face of a double.

#include "TestiNeiMessaggi.h"

#include "platform/numeri/Decimale.h"

#include <cmath>
#include <gtest/gtest.h>

using numeri::Decimale;
using numeri::Scrittura;

namespace {

Decimale di(const char *intera, const char *frazione, bool negativo = false)
{
    return Decimale::daCifre(negativo, QString::fromLatin1(intera), QString::fromLatin1(frazione));
}

} // namespace

TEST(Decimale, DigitsAsReadWithoutLeadingOrTrailingZeros)
{
    const struct
    {
        const char *intera, *frazione;
        bool negativo;
        const char *testo;
        int cifreIntere, cifreSignificative;
        double valore;
    } casi[] = {
        {"007", "500", false, "7,5", 1, 2, 7.5},
        {"", "5", false, "0,5", 0, 1, 0.5},
        {"", "05", true, "-0,05", -1, 1, -0.05},
        {"1200", "", false, "1200", 4, 2, 1200},
        {"000", "000", true, "0", 0, 0, 0}, // zero is never negative
        {"", "", false, "0", 0, 0, 0},
        {"123456789012345", "", false, "123456789012345", 15, 15, 123456789012345.0},
    };
    for (const auto &c : casi) {
        const Decimale d = di(c.intera, c.frazione, c.negativo);
        EXPECT_EQ(d.testo(), QString::fromLatin1(c.testo)) << c.testo;
        EXPECT_EQ(d.cifreIntere(), c.cifreIntere) << c.testo;
        EXPECT_EQ(d.cifreSignificative(), c.cifreSignificative) << c.testo;
        EXPECT_EQ(d.valore(), c.valore) << c.testo;
        EXPECT_EQ(d.negativo, c.valore < 0) << c.testo;
    }
}

TEST(Decimale, BeyondWhatADoubleHoldsIsNoValue)
{
    bool ok = false;
    EXPECT_EQ(di("1", "").valore(&ok), 1.0);
    EXPECT_TRUE(ok);
    EXPECT_TRUE(
        std::isinf(Decimale::daCifre(false, QString(400, QLatin1Char('9')), {}).valore(&ok)));
    EXPECT_FALSE(ok);
    EXPECT_EQ(Decimale::daCifre(false, {}, QString(400, QLatin1Char('0')) + QLatin1Char('1'))
                  .valore(&ok),
              0.0);
    EXPECT_FALSE(ok);
    // The smallest doubles are still numbers.
    EXPECT_EQ(Decimale::daCifre(false, {}, QString(311, QLatin1Char('0')) + QLatin1Char('1'))
                  .valore(&ok),
              1e-312);
    EXPECT_TRUE(ok);
}

TEST(Decimale, RoundsHalfToEvenOrHalfAwayFromZero)
{
    const struct
    {
        Decimale d;
        int posti;
        const char *pari, *viaDaZero;
    } casi[] = {
        {di("2", "5"), 0, "2", "3"},
        {di("3", "5"), 0, "4", "4"},
        {di("2", "5", true), 0, "-2", "-3"},
        {di("0", "125"), 2, "0,12", "0,13"},
        {di("0", "1251"), 2, "0,13", "0,13"},
        {di("9", "995"), 2, "10", "10"},
        {di("0", "4"), 0, "0", "0"},
        {di("0", "4", true), 0, "0", "0"}, // no negative zero
        {di("0", "005"), 0, "0", "0"},     // more places dropped than digits
        {di("1", "5"), 3, "1,5", "1,5"},   // nothing to drop
        // Whole digits: -1 rounds to the tens, -2 to the hundreds.
        {di("1250", ""), -2, "1200", "1300"},
        {di("1350", ""), -2, "1400", "1400"},
        {di("5", ""), -1, "0", "10"},
        {di("99", "5"), -1, "100", "100"},
    };
    for (const auto &c : casi) {
        EXPECT_EQ(c.d.arrotondato(c.posti, true).testo(), QString::fromLatin1(c.pari))
            << c.pari << " @" << c.posti;
        EXPECT_EQ(c.d.arrotondato(c.posti, false).testo(), QString::fromLatin1(c.viaDaZero))
            << c.viaDaZero << " @" << c.posti;
    }
}

TEST(Decimale, WritesItalianNotation)
{
    const Scrittura raggruppato{.raggruppa = true};
    const Scrittura dueDecimali{.raggruppa = true, .zeroIntero = false, .decimaliMinimi = 2};
    const struct
    {
        Decimale d;
        Scrittura scrittura;
        const char *testo;
    } casi[] = {
        {di("1234", "5", true), {}, "-1234,5"},
        {di("1234567", ""), raggruppato, "1.234.567"},
        {di("123", ""), raggruppato, "123"},
        {di("", ""), raggruppato, "0"},
        {di("1234", "5"), dueDecimali, "1.234,50"},
        {di("", "25"), dueDecimali, ",25"},
        {di("", ""), dueDecimali, ",00"},
        {di("", "5", true), {.zeroIntero = false, .decimaliMinimi = 1}, "-,5"},
        {di("", "0001"), {}, "0,0001"},
        {di("12", "34567"), dueDecimali, "12,34567"}, // at least, never fewer
    };
    for (const auto &c : casi)
        EXPECT_EQ(c.d.testo(c.scrittura), QString::fromLatin1(c.testo)) << c.testo;
}

TEST(Decimale, TheDecimalFaceOfADouble)
{
    const struct
    {
        double v;
        int cifre;
        bool mezzoPari;
        const char *testo;
    } casi[] = {
        {0.1 + 0.2, 0, true, "0,30000000000000004"}, // the shortest that reads back
        {0.1 + 0.2, 15, true, "0,3"},
        {2.675, 0, true, "2,675"},
        {1e20, 0, true, "100000000000000000000"},
        {-1234.5, 15, true, "-1234,5"},
        {0.0, 15, true, "0"},
        {-0.0, 0, true, "0"},
        {INFINITY, 0, true, "0"},
        // An exact half at the fifteenth digit: to the even neighbour or away from zero.
        {100000000000000.5, 15, true, "100000000000000"},
        {100000000000000.5, 15, false, "100000000000001"},
        {-100000000000000.5, 15, false, "-100000000000001"},
        {100000000000001.5, 15, true, "100000000000002"},
        {999999999999999.5, 15, false, "1000000000000000"},
        {10000000000000050.0, 15, false, "10000000000000100"}, // the half in the whole digits
        {10000000000000050.0, 15, true, "10000000000000000"},
        // Close to a half is no half.
        {0.1234567890123455, 15, false, "0,123456789012345"},
    };
    for (const auto &c : casi) {
        const QString atteso = QString::fromLatin1(c.testo);
        EXPECT_EQ(numeri::decimaleDi(c.v, c.cifre, c.mezzoPari).testo(), atteso) << c.testo;
    }
    // A subnormal double has fewer digits of its own than 15.
    const QString zeri = QStringLiteral("0,") + QString(323, QLatin1Char('0'));
    EXPECT_EQ(numeri::decimaleDi(5e-324).testo(), zeri + QStringLiteral("5"));
    EXPECT_EQ(numeri::decimaleDi(5e-324, 15).testo(), zeri + QStringLiteral("494065645841247"));
}

TEST(Decimale, TheWholeNumberOfADoubleKeepsEveryDigit)
{
    const struct
    {
        double v;
        const char *testo;
    } casi[] = {
        {std::ldexp(1.0, 60), "1152921504606846976"},
        {1e20, "100000000000000000000"},
        {1000000000000000.5, "1000000000000001"},
        {-1000000000000000.5, "-1000000000000001"},
        {1000000000000000.25, "1000000000000000"},
        {0.5, "1"},
        {-0.4, "0"},
        {0.00001, "0"},
        {NAN, "0"},
    };
    for (const auto &c : casi)
        EXPECT_EQ(numeri::interoDi(c.v).testo(), QString::fromLatin1(c.testo)) << c.testo;
}

TEST(Decimale, ArrotondaPariOnTheDecimalFace)
{
    const struct
    {
        double v;
        int decimali;
        double atteso;
    } casi[] = {
        {2.675, 2, 2.68},    {-2.675, 2, -2.68}, {1.005, 2, 1.0}, {0.125, 2, 0.12},
        {2.5, 0, 2.0},       {-2.5, 0, -2.0},    {0.35, 1, 0.4},  {1e300, 2, 1e300},
        {0.1 + 0.2, 2, 0.3}, {-0.001, 2, 0.0},
    };
    for (const auto &c : casi) {
        EXPECT_EQ(numeri::arrotondaPari(c.v, c.decimali), c.atteso) << c.v << " @" << c.decimali;
        if (c.atteso == 0)
            EXPECT_FALSE(std::signbit(numeri::arrotondaPari(c.v, c.decimali))) << c.v;
    }
    EXPECT_TRUE(std::isnan(numeri::arrotondaPari(NAN, 2)));
}
