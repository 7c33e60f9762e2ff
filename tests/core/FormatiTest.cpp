// The pure core of the field families, by tables: reading, rounding,
// patterns and what each commit does to the variable and the flag.

#include "core/Formati.h"

#include <gtest/gtest.h>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>

using namespace scheda::campi;
using ado::Variant;
using scheda::Fisso;

namespace {

QString q(const char *s)
{
    return QString::fromUtf8(s);
}

} // namespace

TEST(LeggiNumero, AcceptsWhatThePatternsThePlainTextAndAUserWrite)
{
    const struct {
        const char *testo;
        double valore;
    } casi[] = {
        {"0", 0},          {"1234", 1234},      {"1.234", 1234},     {"-1.500", -1500},  {"1.234,50", 1234.5},
        {",5", 0.5},       {",00", 0},          {"-,5", -0.5},       {"12,5", 12.5},     {"0,5", 0.5},
        {"2,3", 2.3},      {"-0", 0},           {"1.234.567", 1234567}, {"100,4", 100.4}, {"007", 7},
        {"99.999.999.999.999", 99999999999999.0}, {"999.999.999.999.999", 999999999999999.0}, {"0,000000000000001", 1e-15},
        // A trailing comma and a leading plus: the plain number.
        {"5,", 5},        {"+7", 7},         {"+7,", 7},     {"-5,", -5},   {"0,", 0},         {"-0,", 0},
        {"+0", 0},        {"+,5", 0.5},      {"+0,5", 0.5},  {"+007", 7},   {"1.234,", 1234},  {"+1.234,5", 1234.5},
        {"+12,5", 12.5},  {"+999.999.999.999.999", 999999999999999.0},  {"+0,000000000000001", 1e-15},
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
    for (const char *testo : {"", "-", ",", "1.5", "1.23", "1234.567", "1.234.", ".5", " 5", "5 ", "1,2,3",
                              "1e5", "1E5", "1,5e3", "inf", "-inf", "nan", "NaN", "abc", "12a", "1..234", "1.2345",
                              "\u0661\u0662", "1234567890123456", "1.000.000.000.000.000", "1000000000000000", "0,1234567890123456",
                              "1,0000000000000001",
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
    const std::string c = (meno ? "-" : "") + (intera.isEmpty() ? std::string("0") : intera.toStdString()) + "."
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
                    ASSERT_TRUE(conVirgola && conVirgola->valore() == d->valore()) << qPrintable(testo);
                }
                // Whatever it reads, every pattern writes back readable.
                for (Variante v : {Variante::Intero, Variante::Decimi, Variante::DueDecimali, Variante::Percentuale})
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
    const struct {
        const char *testo;
        int decimali;
        double atteso;
    } casi[] = {
        {"0,5", 0, 0},       {"1,5", 0, 2},       {"2,5", 0, 2},    {"3,5", 0, 4},       {"-2,5", 0, -2},
        {"-3,5", 0, -4},     {"2,5000000001", 0, 3}, {"0,25", 1, 0.2}, {"0,35", 1, 0.4}, {"0,125", 2, 0.12},
        {"2,675", 2, 2.68},  {"1,005", 2, 1.0},   {"0,0625", 3, 0.062}, {"33,3333", 3, 33.333}, {"9,99", 1, 10},
        {"999,5", 0, 1000},  {"0,04", 1, 0},      {"0,05", 1, 0},   {"0,051", 1, 0.1},   {"1.234", 2, 1234},
    };
    for (const auto &c : casi) {
        const auto d = leggiNumero(q(c.testo));
        ASSERT_TRUE(d) << c.testo;
        EXPECT_EQ(d->arrotondato(c.decimali, true).valore(), c.atteso) << c.testo << " @" << c.decimali;
    }
    // A stored value rounds on its decimal face, not on its binary residue.
    EXPECT_EQ(arrotondaPari(2.675, 2), 2.68);
    EXPECT_EQ(arrotondaPari(0.125, 2), 0.12);
    EXPECT_EQ(arrotondaPari(-2.5, 0), -2.0);
}

TEST(Schemi, EachVariantPrintsAsItsPattern)
{
    const struct {
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
    for (double v : {0.0, 1234.0, -1500.0, 1234.5, 0.5, -0.5, 12.5, 2.3, 33.333, 0.25, 99999999999999.0}) {
        for (Variante var : {Variante::Intero, Variante::Decimi, Variante::DueDecimali, Variante::Percentuale}) {
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
    const struct {
        Variant v;
        const char *atteso;
    } casi[] = {
        {Variant(1500.0), "1500"},        {Variant(12.5), "12,5"},   {Variant(0.5), "0,5"},
        {Variant(-0.0), "0"},             {Variant(), ""},           {Variant(7), "7"},
        {Variant("ABC"), "ABC"},          {Variant(QDate(2004, 3, 5)), "05/03/2004"},
        {Variant(0.1 + 0.2), "0,3"},      {Variant(1e-5), "0,00001"}, {Variant(2.3), "2,3"},
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

TEST(Maiuscole, OneCharacterForOne)
{
    EXPECT_EQ(maiuscolo(q("mario rossi")), q("MARIO ROSSI"));
    EXPECT_EQ(maiuscolo(q("perché è così")), q("PERCHÉ È COSÌ"));
    for (const char *s : {"straße", "ŉ", "ﬁore", "ǆ", "ΐ", "İi"}) {
        EXPECT_EQ(maiuscolo(q(s)).size(), q(s).size()) << s;
        EXPECT_EQ(minuscolo(q(s)).size(), q(s).size()) << s;
    }
    EXPECT_EQ(maiuscolo(q("straße")), q("STRAßE"));
    EXPECT_EQ(minuscolo(q("Mario.Rossi@Example.IT")), q("mario.rossi@example.it"));
}

TEST(NomeScheda, UpperCaseCutTo50NeverHalfACharacter)
{
    const QString a49(49, QLatin1Char('a')), A49(49, QLatin1Char('A'));
    const QString musica = q("\U0001D11E"); // one character, two UTF-16 units
    const struct {
        QString risposta;
        QString atteso;
    } casi[] = {
        {q("coop alfa"), q("COOP ALFA")},
        {QString(50, QLatin1Char('b')), QString(50, QLatin1Char('B'))},
        {QString(60, QLatin1Char('c')), QString(50, QLatin1Char('C'))},
        {a49 + q("èx"), A49 + q("È")},
        {a49 + musica, A49},             // the pair would be split at 50: it goes whole
        {QString(48, QLatin1Char('a')) + musica + q("z"), QString(48, QLatin1Char('A')) + musica},
        {musica.repeated(30), musica.repeated(25)},
        {q("straße ") + QString(50, QLatin1Char('x')), q("STRAßE ") + QString(43, QLatin1Char('X'))},
        {QString(), QString()},
        // One line, as every box of it.
        {q("coop\talfa\r\n"), q("COOP ALFA  ")},
        {q("\x1b[1mcoop\x07"), q("[1MCOOP")},
        {q("\x07") + a49 + q("bc"), A49 + q("B")},
    };
    for (const auto &c : casi) {
        EXPECT_EQ(nomeScheda(c.risposta), c.atteso) << qPrintable(c.risposta);
        EXPECT_LE(nomeScheda(c.risposta).size(), 50);
    }
    EXPECT_EQ(primiCaratteri(q("abc"), 0), QString());
    EXPECT_EQ(primiCaratteri(musica, 1), QString());
    EXPECT_EQ(primiCaratteri(musica, 2), musica);
}

TEST(TestoInRiga, LineBreaksAndTabsBecomeBlanksOtherControlCharactersGo)
{
    const QString musica = q("\U0001D11E");
    const struct {
        QString entrato;
        QString atteso;
    } casi[] = {
        {q("ROSSI"), q("ROSSI")},
        {q("ROSSI\tMARIO"), q("ROSSI MARIO")},
        {q("VIA ROMA\r\n12"), q("VIA ROMA  12")},
        {q("A\nB\rC"), q("A B C")},
        {q("A\u2028B\u2029C"), q("A B C")},          // line and paragraph separators
        {q("A\aB\x1b[0mC\x7f"), q("AB[0mC")},       // BEL, ESC, DEL
        {q("\x01\x02\x1f"), QString()},
        {q("A\u0085B\u009fC"), q("ABC")},            // the C1 controls, NEL among them
        {QString(QChar(0)) + q("A"), q("A")},           // NUL
        {q("perché € \u00a0ß"), q("perché € \u00a0ß")}, // printable, a no-break blank too
        {q("\u200dA\u200b"), q("\u200dA\u200b")},    // format characters stay (emoji joiners)
        {musica + q("x") + musica, musica + q("x") + musica},
        {QString(QChar(0xD834)), QString()},            // half a pair, alone
        {q("A") + QChar(0xDD1E) + q("B"), q("AB")},
        {q("A") + QChar(0xD834) + QChar(0xD834) + musica, q("A") + musica},
        {QString(), QString()},
    };
    for (const auto &c : casi)
        EXPECT_EQ(testoInRiga(c.entrato), c.atteso) << qPrintable(c.entrato.toHtmlEscaped());
}

TEST(ModificaRiga, WhatCameInIsCleanedAndCutAtAWholeCharacter)
{
    const QString musica = q("\U0001D11E"), sorriso = q("\U0001F600"), occhiolino = q("\U0001F609");
    const QString a48(48, QLatin1Char('A')), a49(49, QLatin1Char('A')), a50(50, QLatin1Char('A'));
    const struct {
        const char *caso;
        QString prima, dopo;
        int cursore, limite;
        QString testo;
        int cursoreDopo;
    } casi[] = {
        {"typed at the end", q("ROSS"), q("ROSSI"), 5, 50, q("ROSSI"), 5},
        {"a pasted tab", q("ROSSI"), q("ROSSI\tMARIO"), 11, 50, q("ROSSI MARIO"), 11},
        {"a pasted line", QString(), q("COOP\r\n"), 6, 50, q("COOP  "), 6},
        {"pasted in the middle", q("AB"), q("A\x07\x1bxB"), 4, 50, q("AxB"), 2},
        {"over a selection", q("ABCD"), q("A\tD"), 2, 50, q("A D"), 2},
        // The box cut the pair in two at its limit: the half goes.
        {"49 A and an emoji cut by the box", QString(), a49 + sorriso.left(1), 50, 50, a49, 49},
        {"an emoji typed at 49", a49, a49 + sorriso.left(1), 50, 50, a49, 49},
        {"an emoji typed at 48", a48, a48 + sorriso, 50, 50, a48 + sorriso, 50},
        {"more than the room left", a48, a48 + q("xyz"), 51, 50, a48 + q("xy"), 50},
        {"an emoji past the room", a48, a48 + q("x") + musica, 51, 50, a48 + q("x"), 49},
        {"cleaned first, then cut", a48, a48 + q("\x07\x07xyz"), 53, 50, a48 + q("xy"), 50},
        {"in the middle at the limit", a49, a48 + sorriso + q("A"), 50, 50, a49, 48},
        {"in the middle, cut by the box", a49, a48 + sorriso.left(1) + q("A"), 49, 50, a49, 48},
        {"no limit", QString(), QString(40000, QLatin1Char('x')), 40000, 0, QString(40000, QLatin1Char('x')), 40000},
        {"a full box takes nothing", a50, a50 + q("x"), 51, 50, a50, 50},
        // What stood there stays as it stood, control characters and length included.
        {"typed after a stored tab", q("A\tB"), q("A\tBC"), 4, 50, q("A\tBC"), 4},
        {"deleted beside a stored tab", q("A\tBC"), q("A\tB"), 3, 50, q("A\tB"), 3},
        {"a stored text longer than the limit", QString(55, QLatin1Char('Y')), QString(54, QLatin1Char('Y')), 54, 50,
         QString(54, QLatin1Char('Y')), 54},
        {"a letter doubled", q("AAA"), q("AAAA"), 2, 50, q("AAAA"), 2},
        // A new emoji that shares its first half with the one it replaces.
        {"an emoji over an emoji", sorriso, occhiolino, 2, 50, occhiolino, 2},
        {"an emoji over an emoji, cut", a48 + sorriso, a48 + occhiolino, 50, 50, a48 + occhiolino, 50},
    };
    for (const auto &c : casi) {
        const Riga r = modificaRiga(c.prima, c.dopo, c.cursore, c.limite);
        EXPECT_EQ(r.testo, c.testo) << c.caso;
        EXPECT_EQ(r.cursore, c.cursoreDopo) << c.caso;
        // Idempotent: the box checks the cleaned text again.
        const Riga ancora = modificaRiga(c.prima, r.testo, r.cursore, c.limite);
        EXPECT_EQ(ancora.testo, r.testo) << c.caso;
        EXPECT_EQ(ancora.cursore, r.cursore) << c.caso;
    }
}

TEST(ConfermaTesto, CasedTextAndTheFlag)
{
    const struct {
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
    const struct {
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
        {Variante::Intero, "99.999.999.999.999", Variant(0), true, true, 99999999999999.0, "99.999.999.999.999"},
        {Variante::Intero, "99999999999999,9", Variant(0), true, true, 1e14, "100.000.000.000.000"},
        {Variante::Intero, "999999999999999,5", Variant(0), false, false, nessuno, ""}, // 16 digits
        {Variante::Intero, "2147483647", Variant(0), true, true, 2147483647.0, "2.147.483.647", Fisso::Intero32},
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
        {Variante::Intero, "+2147483647", Variant(0), true, true, 2147483647.0, "2.147.483.647", Fisso::Intero32},
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
    for (const char *t : {"31/02/2004", "29/02/2003", "05/03/20__", "__/03/2004", "00/01/2004", "05/13/2004",
                          "01/01/0099", "__/__/____", "5/3/2004", "05-03-2004", "05/03/2004 "})
        EXPECT_FALSE(leggiData(q(t)).has_value()) << t;
}

TEST(ConfermaData, TheCasesOfTheLeaveHandler)
{
    const struct {
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
