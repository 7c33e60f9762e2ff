#include "platform/db/Error.h"
#include "platform/db/Variant.h"

#include <gtest/gtest.h>

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
    EXPECT_EQ(Variant(2.5).toInt32(), 2);
    EXPECT_EQ(Variant(3.5).toInt32(), 4);
    EXPECT_EQ(Variant(-2.5).toInt32(), -2);
    EXPECT_EQ(Variant(2147483647.0).toInt32(), 2147483647);
    try {
        Variant(2147483648.0).toInt32();
        ADD_FAILURE();
    } catch (const ado::Error &e) {
        EXPECT_EQ(e.number(), ado::err::Overflow);
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
    EXPECT_DOUBLE_EQ(ado::roundHalfEven(2.5), 2.0);
    EXPECT_DOUBLE_EQ(ado::roundHalfEven(0.125, 2), 0.12);
    EXPECT_DOUBLE_EQ(ado::roundHalfEven(2.675, 2), 2.68); // taken at its decimal face
    EXPECT_DOUBLE_EQ(ado::roundHalfEven(-1.5), -2.0);
}
