// Texts as the text boxes keep them, by tables: case, one line, length.

#include "TestiNeiMessaggi.h"

#include "Utf8.h"
#include "core/formati/Testi.h"

#include <gtest/gtest.h>

using namespace scheda;

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
    const QString musica = q("\U0001D11E");           // one character, two UTF-16 units
    const QString italia = q("\U0001F1EE\U0001F1F9"); // one flag, two regional indicators
    const QString famiglia = q("\U0001F468\u200D\U0001F469\u200D\U0001F467"); // 8 units
    const struct
    {
        QString risposta;
        QString atteso;
    } casi[] = {
        {q("coop alfa"), q("COOP ALFA")},
        {QString(50, QLatin1Char('b')), QString(50, QLatin1Char('B'))},
        {QString(60, QLatin1Char('c')), QString(50, QLatin1Char('C'))},
        {a49 + q("èx"), A49 + q("È")},
        {a49 + musica, A49}, // the pair would be split at 50: it goes whole
        {QString(48, QLatin1Char('a')) + musica + q("z"), QString(48, QLatin1Char('A')) + musica},
        {musica.repeated(30), musica.repeated(25)},
        {q("straße ") + QString(50, QLatin1Char('x')), q("STRAßE ") + QString(43, QLatin1Char('X'))},
        {QString(), QString()},
        // One line, as every box of it.
        {q("coop\talfa\r\n"), q("COOP ALFA  ")},
        {q("\x1b[1mcoop\x07"), q("[1MCOOP")},
        {q("\x07") + a49 + q("bc"), A49 + q("B")},
        // Whole characters as the user sees them: composed first, then cut between them.
        {a49 + q("e\u0301"), A49 + q("É")},
        {a49 + q("e\u0301x"), A49 + q("É")},
        {a49 + q("ex\u0301"), A49 + q("E")},
        {QString(48, QLatin1Char('a')) + italia, QString(48, QLatin1Char('A'))},
        {QString(46, QLatin1Char('a')) + italia, QString(46, QLatin1Char('A')) + italia},
        {QString(46, QLatin1Char('a')) + famiglia, QString(46, QLatin1Char('A'))},
        {QString(42, QLatin1Char('a')) + famiglia, QString(42, QLatin1Char('A')) + famiglia},
        // No invisible character that reorders the text or is none.
        {q("coop \u202Ealfa"), q("COOP ALFA")},
        {q("\u2066coop\u2069 \u202Balfa\u202C\uFFFE\uFFFF"), q("COOP ALFA")},
    };
    for (const auto &c : casi) {
        EXPECT_EQ(nomeScheda(c.risposta), c.atteso) << qPrintable(c.risposta);
        EXPECT_LE(nomeScheda(c.risposta).size(), 50);
    }
    EXPECT_EQ(primiCaratteri(q("abc"), 0), QString());
    EXPECT_EQ(primiCaratteri(musica, 1), QString());
    EXPECT_EQ(primiCaratteri(musica, 2), musica);
    EXPECT_EQ(primiCaratteri(q("e\u0301"), 1), QString());
    EXPECT_EQ(primiCaratteri(italia, 3), QString());
    EXPECT_EQ(primiCaratteri(famiglia, 7), QString());
    EXPECT_EQ(primiCaratteri(famiglia + q("ab"), 9), famiglia + q("a"));
}

TEST(TestoInRiga, LineBreaksAndTabsBecomeBlanksOtherControlCharactersGo)
{
    const QString musica = q("\U0001D11E");
    const struct
    {
        QString entrato;
        QString atteso;
    } casi[] = {
        {q("ROSSI"), q("ROSSI")},
        {q("ROSSI\tMARIO"), q("ROSSI MARIO")},
        {q("VIA ROMA\r\n12"), q("VIA ROMA  12")},
        {q("A\nB\rC"), q("A B C")},
        {q("A\u2028B\u2029C"), q("A B C")},   // line and paragraph separators
        {q("A\aB\x1b[0mC\x7f"), q("AB[0mC")}, // BEL, ESC, DEL
        {q("\x01\x02\x1f"), QString()},
        {q("A\u0085B\u009fC"), q("ABC")},               // the C1 controls, NEL among them
        {QString(QChar(0)) + q("A"), q("A")},           // NUL
        {q("perché € \u00a0ß"), q("perché € \u00a0ß")}, // printable, a no-break blank too
        {q("\u200dA\u200b"), q("\u200dA\u200b")},       // format characters stay (emoji joiners)
        {musica + q("x") + musica, musica + q("x") + musica},
        {QString(QChar(0xD834)), QString()}, // half a pair, alone
        {q("A") + QChar(0xDD1E) + q("B"), q("AB")},
        {q("A") + QChar(0xD834) + QChar(0xD834) + musica, q("A") + musica},
        // The bidi embeddings, overrides and isolates, and the noncharacters.
        {q("A\u202AB\u202BC\u202CD\u202DE\u202EF"), q("ABCDEF")},
        {q("\u2066A\u2067B\u2068C\u2069"), q("ABC")},
        {q("A\uFFFEB\uFFFFC\uFDD0D\U0001FFFE\U0010FFFF"), q("ABCD")},
        {q("\u202Erossi"), q("rossi")},
        {q("A\u200EB\u200FC\u061C"), q("A\u200EB\u200FC\u061C")}, // the bidi marks stay
        {q("e\u0301"), q("e\u0301")},                             // cleaned, not yet composed
        {QString(), QString()},
    };
    for (const auto &c : casi)
        EXPECT_EQ(testoInRiga(c.entrato), c.atteso) << qPrintable(c.entrato.toHtmlEscaped());
}

TEST(ModificaRiga, WhatCameInIsCleanedAndCutAtAWholeCharacter)
{
    const QString musica = q("\U0001D11E"), sorriso = q("\U0001F600"), occhiolino = q("\U0001F609");
    const QString a48(48, QLatin1Char('A')), a49(49, QLatin1Char('A')), a50(50, QLatin1Char('A'));
    const QString a42(42, QLatin1Char('A')), a46(46, QLatin1Char('A'));
    const QString italia = q("\U0001F1EE\U0001F1F9");
    const QString famiglia = q("\U0001F468\u200D\U0001F469\u200D\U0001F467");
    const QString pollice = q("\U0001F44D\U0001F3FD"); // a thumb and its skin tone
    const struct
    {
        const char *caso;
        QString prima, dopo;
        int cursore, limite;
        QString testo;
        int cursoreDopo;
        QString intera = QString(); // the whole of what came in, when the box cut it
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
        {"no limit", QString(), QString(40000, QLatin1Char('x')), 40000, 0,
         QString(40000, QLatin1Char('x')), 40000},
        {"a full box takes nothing", a50, a50 + q("x"), 51, 50, a50, 50},
        // What stood there stays as it stood, control characters and length included.
        {"typed after a stored tab", q("A\tB"), q("A\tBC"), 4, 50, q("A\tBC"), 4},
        {"deleted beside a stored tab", q("A\tBC"), q("A\tB"), 3, 50, q("A\tB"), 3},
        {"a stored text longer than the limit", QString(55, QLatin1Char('Y')),
         QString(54, QLatin1Char('Y')), 54, 50, QString(54, QLatin1Char('Y')), 54},
        {"a letter doubled", q("AAA"), q("AAAA"), 2, 50, q("AAAA"), 2},
        // A new emoji that shares its first half with the one it replaces.
        {"an emoji over an emoji", sorriso, occhiolino, 2, 50, occhiolino, 2},
        {"an emoji over an emoji, cut", a48 + sorriso, a48 + occhiolino, 50, 50, a48 + occhiolino,
         50},
        // Composed as it comes in, cut between whole characters as the user sees them.
        {"a decomposed letter that fits", a48, a48 + q("E\u0301"), 50, 50, a48 + q("É"), 49},
        {"a decomposed letter past the limit", a49, a49 + q("E\u0301"), 51, 50, a49 + q("É"), 50},
        {"a decomposed letter the box cut", a49, a49 + q("E"), 50, 50, a49 + q("É"), 50,
         q("E\u0301")},
        {"a decomposed letter and more, cut", a48, a48 + q("XE"), 50, 50, a48 + q("XÉ"), 50,
         q("XE\u0301YZ")},
        {"a letter with no room for its accent", a48, a48 + q("XE"), 50, 50, a48 + q("X"), 49,
         q("XE\u0301\u0301")},
        {"a flag past the limit", a48, a48 + italia, 52, 50, a48, 48},
        {"a flag the box cut", a48, a48 + italia.left(2), 50, 50, a48, 48, italia},
        {"a flag that fits", a46, a46 + italia, 50, 50, a46 + italia, 50},
        {"a family the box cut", a46, a46 + famiglia.left(4), 50, 50, a46, 46, famiglia},
        {"a family past the limit", a46, a46 + famiglia, 54, 50, a46, 46},
        {"a family that fits", a42, a42 + famiglia, 50, 50, a42 + famiglia, 50},
        {"a skin tone the box cut", a48, a48 + pollice.left(2), 50, 50, a48, 48, pollice},
        // An accent typed after its letter is composed with it.
        {"an accent after its letter", q("E"), q("E\u0301"), 2, 50, q("É"), 1},
        {"an accent after its letter, in the middle", q("EB"), q("E\u0301B"), 2, 50, q("ÉB"), 1},
        {"an accent on the last letter of a full box", a49 + q("E"), a49 + q("E\u0301"), 51, 50,
         a49 + q("É"), 50},
        {"an accent with no room, on a longer stored text", QString(55, QLatin1Char('E')),
         QString(55, QLatin1Char('E')) + q("\u0301"), 56, 50, QString(55, QLatin1Char('E')), 55},
        {"a skin tone after its emoji", pollice.left(2), pollice, 4, 50, pollice, 4},
        {"what came in after a stored decomposed letter", q("E\u0301"), q("E\u0301x"), 3, 50,
         q("E\u0301x"), 3},
        // The box's cut is mended only with what did come in.
        {"another text noted", a49, a49 + q("E"), 50, 50, a49 + q("E"), 50, q("YZ")},
        {"what came in noted, not cut", a48, a48 + q("E\u0301"), 50, 50, a48 + q("É"), 49,
         q("E\u0301")},
        {"a box not full", a48, a48 + q("E"), 49, 50, a48 + q("E"), 49, q("E\u0301")},
        // A note of an entry that never came (a paste a full box refused):
        // nothing of it is taken for a start of it.
        {"a full box with a note left over", a49 + q("E"), a49 + q("E"), 50, 50, a49 + q("E"), 50,
         q("\u0301x")},
        {"what came in began like the text it replaced", q("ABCD"), q("ABxE"), 4, 4, q("ABxÉ"), 4,
         q("ABxE\u0301")},
        // Invisible controls go; a stored one stays.
        {"a pasted override", QString(), q("\u202EROSSI"), 6, 50, q("ROSSI"), 5},
        {"isolates and noncharacters in the middle", q("AB"), q("A\u2066x\uFFFF\u2069B"), 5, 50,
         q("AxB"), 2},
        {"an override cleaned before the cut", a48, a48 + q("\u202E\u202Exy"), 52, 50,
         a48 + q("xy"), 50},
        {"typed after a stored override", q("\u202EAB"), q("\u202EABC"), 4, 50, q("\u202EABC"), 4},
    };
    for (const auto &c : casi) {
        const Riga r = modificaRiga(c.prima, c.dopo, c.cursore, c.limite, c.intera);
        EXPECT_EQ(r.testo, c.testo) << c.caso;
        EXPECT_EQ(r.cursore, c.cursoreDopo) << c.caso;
        // Idempotent: the box checks the cleaned text again.
        const Riga ancora = modificaRiga(c.prima, r.testo, r.cursore, c.limite);
        EXPECT_EQ(ancora.testo, r.testo) << c.caso;
        EXPECT_EQ(ancora.cursore, r.cursore) << c.caso;
    }
}
