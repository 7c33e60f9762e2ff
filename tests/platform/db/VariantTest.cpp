#include "TestiNeiMessaggi.h"

#include "platform/db/Error.h"
#include "platform/db/Variant.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

using ado::Variant;

TEST(Variant, TextOfEachKind)
{
    EXPECT_EQ(Variant().toText(), QString());
    EXPECT_EQ(Variant(1234).toText(), QStringLiteral("1234"));
    EXPECT_EQ(Variant(1234.5).toText(), QStringLiteral("1234,5"));
    EXPECT_EQ(Variant(-0.0).toText(), QStringLiteral("0"));
    EXPECT_EQ(Variant(QDate(1000, 1, 1)).toText(), QStringLiteral("01/01/1000"));
    EXPECT_EQ(Variant(QDate(2024, 3, 5)).toText(), QStringLiteral("05/03/2024"));
    EXPECT_THROW(Variant::null().toText(), ado::Error);
}

TEST(Variant, NumbersFromItalianText)
{
    EXPECT_DOUBLE_EQ(Variant("1.234,5").toDouble(), 1234.5);
    EXPECT_DOUBLE_EQ(Variant("-12").toDouble(), -12.0);
    EXPECT_DOUBLE_EQ(Variant(",5").toDouble(), 0.5);
    for (const char *bad : {"", "abc", "1e5", "inf", "1,2,3"}) {
        try {
            Variant(bad).toDouble();
            ADD_FAILURE() << bad;
        } catch (const ado::Error &e) {
            EXPECT_EQ(e.number(), ado::err::TypeMismatch) << bad;
        }
    }
}

TEST(Variant, Int32RoundsHalfToEvenAndOverflows)
{
    // Large whole numbers are no halves: they come back as they are.
    const struct
    {
        double in;
        std::int32_t out;
    } cases[] = {{2.5, 2},
                 {3.5, 4},
                 {-2.5, -2},
                 {-3.5, -4},
                 {0.5, 0},
                 {1.4999, 1},
                 {700000001.0, 700000001},
                 {2147483647.0, 2147483647},
                 {2147483646.5, 2147483646},
                 {-2147483648.0, std::numeric_limits<std::int32_t>::min()}};
    for (const auto &c : cases)
        EXPECT_EQ(Variant(c.in).toInt32(), c.out) << c.in;
    EXPECT_EQ(Variant("2.147.483.647").toInt32(), 2147483647);
    for (const Variant &over : {Variant(2147483648.0), Variant(2147483647.5),
                                Variant(-2147483649.0), Variant("2.147.483.648")}) {
        try {
            over.toInt32();
            ADD_FAILURE() << over.toText().toStdString();
        } catch (const ado::Error &e) {
            EXPECT_EQ(e.number(), ado::err::Overflow) << over.toText().toStdString();
        }
    }
}

TEST(Variant, DatesFromTextIncludingTheEmptyDate)
{
    EXPECT_EQ(Variant("01/01/1000").toDate(), QDate(1000, 1, 1));
    EXPECT_EQ(Variant("5/3/2024").toDate(), QDate(2024, 3, 5));
    EXPECT_THROW(Variant("31/02/2024").toDate(), ado::Error);
    EXPECT_THROW(Variant("__/__/____").toDate(), ado::Error);
}

TEST(Variant, LooseEquality)
{
    EXPECT_TRUE(Variant().looselyEquals(Variant(0)));
    EXPECT_TRUE(Variant().looselyEquals(Variant("")));
    EXPECT_TRUE(Variant(QDate(1000, 1, 1)).looselyEquals(Variant("01/01/1000")));
    EXPECT_TRUE(Variant(3).looselyEquals(Variant(3.0)));
    EXPECT_FALSE(Variant::null().looselyEquals(Variant::null()));
    EXPECT_FALSE(Variant("").looselyEquals(Variant::null()));
}

TEST(Variant, RoundHalfEven)
{
    const struct
    {
        double in;
        int decimals;
        double out;
    } cases[] = {
        {2.5, 0, 2.0},
        {-1.5, 0, -2.0},
        {0.125, 2, 0.12},
        {2.675, 2, 2.68}, // taken at its decimal face
        {-2.675, 2, -2.68},
        {0.995, 2, 1.0},
        {9.995, 2, 10.0},
        {1.005, 2, 1.0},
        {1.2351, 2, 1.24},
        {1.2349, 2, 1.23},
        {3.14, 2, 3.14},
        {1234567.125, 2, 1234567.12},
        {123456789012.5, 0, 123456789012.0},
        {987654321.0, 2, 987654321.0},
    };
    for (const auto &c : cases)
        EXPECT_DOUBLE_EQ(ado::roundHalfEven(c.in, c.decimals), c.out) << c.in << " @" << c.decimals;
}

TEST(Variant, NumbersAtTheEdgesOfThePlainForm)
{
    // CStr: fifteen digits, an exact half away from zero; the whole number
    // from 10^15 up and below 10^-4.
    const struct
    {
        double in;
        const char *out;
    } testi[] = {
        {0.1 + 0.2, "0,3"},
        {100000000000000.5, "100000000000001"},
        {-100000000000000.5, "-100000000000001"},
        {0.0001, "0,0001"},
        {0.00001, "0"},
        {-0.00001, "-0"},
        {1e15, "1000000000000000"},
        {1000000000000000.5, "1000000000000001"},
        {std::ldexp(1.0, 60), "1152921504606846976"},
        {999999999999999.4, "999999999999999"},
    };
    for (const auto &c : testi)
        EXPECT_EQ(Variant(c.in).toText(), QString::fromLatin1(c.out)) << c.out;
    // CDbl: blanks around, any number of digits while a double holds them;
    // "-0" is negative zero.
    EXPECT_DOUBLE_EQ(Variant(" 1.234,5\t").toDouble(), 1234.5);
    EXPECT_DOUBLE_EQ(Variant(QStringLiteral("0,") + QString(40, QLatin1Char('0'))
                             + QStringLiteral("25"))
                         .toDouble(),
                     2.5e-41);
    EXPECT_TRUE(std::signbit(Variant("-0").toDouble()));
    EXPECT_TRUE(std::signbit(Variant(" -0,0\n").toDouble()));
    EXPECT_DOUBLE_EQ(Variant("\v\f\r\n+7 ").toDouble(), 7.0);
    // Only the blanks of the C locale surround a number; none stands inside.
    for (const QString &fuori : {QStringLiteral("\u00A05"), QStringLiteral("5\u2003"),
                                 QStringLiteral("- 5"), QStringLiteral("1 234")}) {
        try {
            Variant(fuori).toDouble();
            ADD_FAILURE() << fuori.toStdString();
        } catch (const ado::Error &e) {
            EXPECT_EQ(e.number(), ado::err::TypeMismatch);
        }
    }
    for (const QString &fuori :
         {QString(400, QLatin1Char('9')),
          QStringLiteral("0,") + QString(400, QLatin1Char('0')) + QStringLiteral("1")}) {
        try {
            Variant(fuori).toDouble();
            ADD_FAILURE() << fuori.size();
        } catch (const ado::Error &e) {
            EXPECT_EQ(e.number(), ado::err::TypeMismatch);
        }
    }
}
