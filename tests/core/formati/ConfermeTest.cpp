// What each commit does to the variable and the flag, by tables.

#include "TestiNeiMessaggi.h"

#include "Utf8.h"
#include "core/formati/Conferme.h"
#include "core/formati/Date.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

using namespace scheda;
using ado::Variant;

TEST(ConfermaTesto, CasedTextAndTheFlag)
{
    const struct
    {
        const char *casella;
        Variant memorizzato;
        bool minuscole;
        const char *testo;
        bool modificato;
    } casi[] = {
        {"mario", Variant(""), false, "MARIO", true},
        {"Mario", Variant("MARIO"), false, "MARIO", false},
        {"MARIO", Variant("MARIO"), false, "MARIO", false},
        {"", Variant("MARIO"), false, "", true},
        {"", Variant(""), false, "", false},
        {"", Variant(), false, "", false},
        {"Mario.Rossi@Example.IT", Variant(""), true, "mario.rossi@example.it", true},
        {"MARIO@X.IT", Variant("mario@x.it"), true, "mario@x.it", false},
        {"2003", Variant("2003"), false, "2003", false},
        {"abcd", Variant(""), false, "ABCD", true},
        {"mario ", Variant("MARIO"), false, "MARIO ", true}, // no trimming
    };
    for (const auto &c : casi) {
        const EsitoTesto e = confermaTesto(q(c.casella), c.memorizzato, c.minuscole);
        EXPECT_EQ(e.testo, q(c.testo)) << c.casella;
        EXPECT_EQ(e.modificato, c.modificato) << c.casella;
    }
}

TEST(ConfermaNumero, TheExamplesAndTheEdges)
{
    const double nessuno = std::numeric_limits<double>::quiet_NaN();
    const struct
    {
        Variante variante;
        const char *casella;
        Variant memorizzato;
        bool valido;
        bool modificato;
        double valore;
        const char *mostrato;
        Fisso fisso = Fisso::Nessuno;
    } casi[] = {
        {Variante::Intero, "1,5", Variant(0), true, true, 2, "2"},
        {Variante::Intero, "2,5", Variant(0), true, true, 2, "2"},
        {Variante::Intero, "3,5", Variant(0), true, true, 4, "4"},
        {Variante::Intero, "-2,5", Variant(0), true, true, -2, "-2"},
        {Variante::Intero, "0,5", Variant(7), true, true, 0, "0"},
        {Variante::Intero, "-0,4", Variant(7), true, true, 0, "0"},
        {Variante::Intero, "1234", Variant(0), true, true, 1234, "1.234"},
        {Variante::Intero, "-1500", Variant(0), true, true, -1500, "-1.500"},
        {Variante::Intero, "100,4", Variant(100.0), true, true, 100, "100"},
        {Variante::Intero, "1234", Variant(1234.0), true, false, 1234, "1.234"},
        {Variante::Intero, "1.234", Variant(1234.0), true, false, 1234, "1.234"},
        {Variante::Intero, "0", Variant(), true, false, 0, "0"},
        {Variante::Intero, "-0", Variant(0.0), true, false, 0, "0"},
        {Variante::Intero, "", Variant(1500.0), false, false, nessuno, ""},
        {Variante::Intero, "abc", Variant(1500.0), false, false, nessuno, ""},
        {Variante::Intero, "1.5", Variant(1500.0), false, false, nessuno, ""},
        {Variante::Intero, "1e5", Variant(1500.0), false, false, nessuno, ""},
        {Variante::Intero, "99999999999999999999", Variant(0), false, false, nessuno, ""},
        {Variante::Intero, "99.999.999.999.999", Variant(0), true, true, 99999999999999.0,
         "99.999.999.999.999"},
        {Variante::Intero, "99999999999999,9", Variant(0), true, true, 1e14, "100.000.000.000.000"},
        {Variante::Intero, "999999999999999,5", Variant(0), false, false, nessuno, ""}, // 16 digits
        {Variante::Intero, "2147483647", Variant(0), true, true, 2147483647.0, "2.147.483.647",
         Fisso::Intero32},
        {Variante::Intero, "2147483648", Variant(0), false, false, nessuno, "", Fisso::Intero32},
        {Variante::Intero, "-2147483649", Variant(0), false, false, nessuno, "", Fisso::Intero32},
        {Variante::Intero, "2147483647,5", Variant(0), false, false, nessuno, "", Fisso::Intero32},
        {Variante::Decimi, "2,31", Variant(0), true, true, 2.4, "2,4"},
        {Variante::Decimi, "2,25", Variant(0), true, true, 2.3, "2,3"},
        {Variante::Decimi, "2,36", Variant(0), true, true, 2.4, "2,4"},
        {Variante::Decimi, "-2,34", Variant(0), true, true, -2.3, "-2,3"},
        {Variante::Decimi, "2,3", Variant(0), true, true, 2.3, "2,3"},
        {Variante::Decimi, "2,3", Variant(2.3), true, false, 2.3, "2,3"},
        {Variante::Decimi, "0,25", Variant(0), true, true, 0.3, ",3"},
        {Variante::Decimi, "0,04", Variant(0), true, true, 0.1, ",1"},
        {Variante::Decimi, "3", Variant(0), true, true, 3, "3,0"},
        {Variante::Decimi, "9,99", Variant(0), true, true, 10, "10,0"},
        {Variante::Decimi, "7", Variant(0), true, true, 7, "7,0"},
        {Variante::Decimi, "-1,26", Variant(0), true, true, -1.2, "-1,2"},
        {Variante::Decimi, "-0,04", Variant(0), true, true, 0, ",0"},
        {Variante::Decimi, "2,35", Variant(2.4), true, true, 2.4, "2,4"},
        {Variante::Decimi, "2,4", Variant(2.4), true, false, 2.4, "2,4"},
        {Variante::Decimi, "0,1", Variant(0.1), true, false, 0.1, ",1"},
        {Variante::Decimi, "1234,56", Variant(0), true, true, 1234.6, "1.234,6"},
        {Variante::DueDecimali, "1234,5", Variant(0), true, true, 1234.5, "1.234,50"},
        {Variante::DueDecimali, "0,125", Variant(0), true, true, 0.12, ",12"},
        {Variante::DueDecimali, "0", Variant(5.0), true, true, 0, ",00"},
        {Variante::Percentuale, "150", Variant(0), true, true, 100, "100,00"},
        {Variante::Percentuale, "33,3333", Variant(0), true, true, 33.333, "33,33"},
        {Variante::Percentuale, "0,0625", Variant(0), true, true, 0.062, ",06"},
        {Variante::Percentuale, "100", Variant(100.0), true, false, 100, "100,00"},
        // A stored value above 100 (from elsewhere) cut to 100 marks the page,
        // whatever was typed over it.
        {Variante::Percentuale, "150", Variant(150.0), true, true, 100, "100,00"},
        {Variante::Percentuale, "100,0004", Variant(100.0004), true, true, 100, "100,00"},
        {Variante::Percentuale, "100", Variant(150.0), true, true, 100, "100,00"},
        {Variante::Percentuale, "150", Variant(100.0), true, true, 100, "100,00"},
        {Variante::Percentuale, "-5", Variant(0), true, true, -5, "-5,00"},
        {Variante::Percentuale, "12,5004", Variant(12.5), true, true, 12.5, "12,50"},
        {Variante::Percentuale, "12,5", Variant(12.5), true, false, 12.5, "12,50"},
        {Variante::Percentuale, "1,0625", Variant(0), true, true, 1.062, "1,06"},
        {Variante::Percentuale, "1,1875", Variant(0), true, true, 1.188, "1,19"},
        // A leading plus and a trailing comma, in every variant.
        {Variante::Intero, "5,", Variant(0), true, true, 5, "5"},
        {Variante::Intero, "+7", Variant(0), true, true, 7, "7"},
        {Variante::Intero, "+7", Variant(7.0), true, false, 7, "7"},
        {Variante::Intero, "+1.234,", Variant(0), true, true, 1234, "1.234"},
        {Variante::Intero, "+2,5", Variant(0), true, true, 2, "2"},
        {Variante::Intero, "+2147483647", Variant(0), true, true, 2147483647.0, "2.147.483.647",
         Fisso::Intero32},
        {Variante::Intero, "+2147483648", Variant(0), false, false, nessuno, "", Fisso::Intero32},
        {Variante::Intero, "+", Variant(1500.0), false, false, nessuno, ""},
        {Variante::Intero, "+,", Variant(1500.0), false, false, nessuno, ""},
        {Variante::Intero, "++7", Variant(1500.0), false, false, nessuno, ""},
        {Variante::Intero, "+-7", Variant(1500.0), false, false, nessuno, ""},
        {Variante::Intero, " +7", Variant(1500.0), false, false, nessuno, ""},
        {Variante::Decimi, "+2,31", Variant(0), true, true, 2.4, "2,4"},
        {Variante::Decimi, "3,", Variant(0), true, true, 3, "3,0"},
        {Variante::Decimi, "+3,", Variant(3.0), true, false, 3, "3,0"},
        {Variante::DueDecimali, "12,", Variant(0), true, true, 12, "12,00"},
        {Variante::DueDecimali, "+0,125", Variant(0), true, true, 0.12, ",12"},
        {Variante::Percentuale, "+150", Variant(0), true, true, 100, "100,00"},
        {Variante::Percentuale, "50,", Variant(0), true, true, 50, "50,00"},
        {Variante::Percentuale, "+33,3333", Variant(0), true, true, 33.333, "33,33"},
    };
    for (const auto &c : casi) {
        const EsitoNumero e = confermaNumero(q(c.casella), c.memorizzato, c.variante, c.fisso);
        EXPECT_EQ(e.valido, c.valido) << c.casella;
        if (!c.valido || !e.valido)
            continue;
        EXPECT_EQ(e.modificato, c.modificato) << c.casella;
        EXPECT_EQ(e.valore, c.valore) << c.casella; // exact: no binary residue
        if (c.valore == 0)
            EXPECT_FALSE(std::signbit(e.valore)) << c.casella;
        EXPECT_EQ(formattaNumero(e.valore, c.variante), q(c.mostrato)) << c.casella;
    }
}

TEST(ConfermaNumero, TheTypedValueGoesIntoValoreNumeroUnrounded)
{
    const EsitoNumero e = confermaNumero(q("100,4"), Variant(100.0), Variante::Intero);
    EXPECT_EQ(e.valoreNumero, 100.4);
    EXPECT_TRUE(e.modificato);
    EXPECT_EQ(e.valore, 100.0);
}

TEST(ConfermaData, TheCasesOfTheLeaveHandler)
{
    const struct
    {
        const char *casella;
        Variant memorizzato;
        EsitoData::Tipo tipo;
        bool modificato;
    } casi[] = {
        {"__/__/____", Variant("01/01/1000"), EsitoData::Vuota, false},
        {"__/__/____", Variant(QDate(1000, 1, 1)), EsitoData::Vuota, false},
        {"__/__/____", Variant(QDate(2004, 3, 5)), EsitoData::Vuota, true},
        {"05/03/2004", Variant("01/01/1000"), EsitoData::Valida, true},
        {"05/03/2004", Variant(QDate(2004, 3, 5)), EsitoData::Valida, false},
        {"06/03/2004", Variant(QDate(2004, 3, 5)), EsitoData::Valida, true},
        {"01/01/1000", Variant("01/01/1000"), EsitoData::Valida, false},
        {"01/01/1000", Variant(QDate(2004, 3, 5)), EsitoData::Valida, true},
        {"31/02/2004", Variant(QDate(2004, 3, 5)), EsitoData::Errata, false},
        {"05/03/20__", Variant("01/01/1000"), EsitoData::Errata, false},
    };
    for (const auto &c : casi) {
        const EsitoData e = confermaData(q(c.casella), c.memorizzato);
        EXPECT_EQ(e.tipo, c.tipo) << c.casella;
        EXPECT_EQ(e.modificato, c.modificato) << c.casella;
    }
    const EsitoData vuota = confermaData(MascheraVuota, Variant(QDate(2004, 3, 5)));
    EXPECT_EQ(vuota.valore, Variant("01/01/1000"));
    const EsitoData data = confermaData(q("01/01/1000"), Variant(QDate(2004, 3, 5)));
    EXPECT_EQ(data.valore, Variant(QDate(1000, 1, 1)));
    EXPECT_EQ(testoCasellaData(data.valore), MascheraVuota); // the next entry shows the empty mask
}

TEST(Opzioni, ACodeOtherThanTheStoredOne)
{
    EXPECT_FALSE(opzioneDiversa(Variant(1), 1));
    EXPECT_TRUE(opzioneDiversa(Variant(1), 2));
    EXPECT_FALSE(opzioneDiversa(Variant(2.0), 2));
    EXPECT_TRUE(opzioneDiversa(Variant(), 1));
    EXPECT_TRUE(opzioneDiversa(Variant(3), 2));
}
