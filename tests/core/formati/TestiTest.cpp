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
    const QString musica = q("\U0001D11E"); // one character, two UTF-16 units
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
        {QString(), QString()},
    };
    for (const auto &c : casi)
        EXPECT_EQ(testoInRiga(c.entrato), c.atteso) << qPrintable(c.entrato.toHtmlEscaped());
}

TEST(ModificaRiga, WhatCameInIsCleanedAndCutAtAWholeCharacter)
{
    const QString musica = q("\U0001D11E"), sorriso = q("\U0001F600"), occhiolino = q("\U0001F609");
    const QString a48(48, QLatin1Char('A')), a49(49, QLatin1Char('A')), a50(50, QLatin1Char('A'));
    const struct
    {
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
