// Dates as the date boxes show and read them.

#include "TestiNeiMessaggi.h"

#include "Utf8.h"
#include "core/formati/Date.h"

#include <gtest/gtest.h>

using namespace scheda;
using ado::Variant;

TEST(Date, WhatTheBoxShows)
{
    EXPECT_EQ(testoCasellaData(Variant("01/01/1000")), MascheraVuota);
    EXPECT_EQ(testoCasellaData(Variant(QDate(1000, 1, 1))), MascheraVuota);
    EXPECT_EQ(testoCasellaData(Variant(QDate(2004, 3, 5))), q("05/03/2004"));
    EXPECT_EQ(testoCasellaData(Variant("5/3/2004")), q("05/03/2004"));
    EXPECT_EQ(testoCasellaData(Variant()), MascheraVuota);
    EXPECT_EQ(formattaData(Variant("01/01/1000")), q("01/01/1000"));
    EXPECT_EQ(formattaData(Variant(QDate(1000, 1, 1))), q("01/01/1000"));
}

TEST(Date, LeggiData)
{
    EXPECT_EQ(leggiData(q("05/03/2004")), QDate(2004, 3, 5));
    EXPECT_EQ(leggiData(q("29/02/2004")), QDate(2004, 2, 29));
    EXPECT_EQ(leggiData(q("01/01/1000")), QDate(1000, 1, 1));
    for (const char *t :
         {"31/02/2004", "29/02/2003", "05/03/20__", "__/03/2004", "00/01/2004", "05/13/2004",
          "01/01/0099", "__/__/____", "5/3/2004", "05-03-2004", "05/03/2004 "})
        EXPECT_FALSE(leggiData(q(t)).has_value()) << t;
}
