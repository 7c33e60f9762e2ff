// Page 3 in the whole program on real files: the income statements' computed
// rows through real boxes, the declarations, every column through Salva and
// a restart, the Null defaults, the menu exit with a box still being typed
// and the layout (the foot buttons: PulsantiPiedeTest).

#include "Interazione.h"

#include "core/FileDati.h"
#include "core/Globali.h"
#include "core/formati/Numeri.h"
#include "pages/ServiziShell.h"
#include "platform/ui/Twips.h"
#include "shell/MostraPagina.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace scheda;
using ado::Variant;
using namespace prova;

namespace {

constexpr int RigheEntrate[] = {2, 3, 4, 6, 7, 8, 9, 10, 11, 12, 13, 16, 17, 19, 20, 23};
constexpr int RigheCalcolate[] = {5, 14, 15, 18, 21, 22, 24};

QString nome(char lettera, int riga)
{
    return QLatin1Char(lettera) + QString::number(riga);
}

class Pagina3 : public ConPagina<3>
{
protected:
    // The sheet's amounts set behind the program's back (all others 0), and
    // page 3 opened on them afresh.
    void riapri(const QMap<QString, double> &importi)
    {
        QStringList assegna;
        for (char l : {'c', 'd'})
            for (int r = 2; r <= 24; ++r)
                assegna << QStringLiteral("%1 = %2")
                               .arg(nome(l, r))
                               .arg(importi.value(nome(l, r)), 0, 'g', 17);
        p.cartella.esegui(FileVarnex, PasswordVarnex,
                          QStringLiteral("UPDATE Dati SET ") + assegna.join(QStringLiteral(", ")));
        PaginaModificata = 0;
        VaiPagina2();
        VaiPagina3();
        ASSERT_NE(f(), nullptr);
        p.dialoghi.beep = 0;
    }
    QLineEdit *box(const QString &colonna) const
    {
        return campo(qPrintable(QStringLiteral("TXT") + colonna.toUpper()));
    }
};

// --- The computed rows -----------------------------------------------------------

TEST_F(Pagina3, ACommitRenewsItsSectionThen15_22And24InItsColumnOnly)
{
    apri();
    const struct
    {
        const char *caso;
        QMap<QString, double> prima; // stored before
        const char *box;
        const char *tasti;
        QMap<QString, double> dopo; // what changes
        bool rifiutato;             // beep, stored value back, nothing changed
        int flag;
    } casi[] = {
        {"1000 on a new sheet",
         {},
         "c2",
         "1000",
         {{"c2", 1000}, {"c5", 1000}, {"c15", 1000}, {"c22", 1000}, {"c24", 1000}},
         false,
         1},
        {"then 1500 in row 6",
         {{"c2", 1000}, {"c5", 1000}, {"c15", 1000}, {"c22", 1000}, {"c24", 1000}},
         "c6",
         "1500",
         {{"c6", 1500}, {"c14", 1500}, {"c15", -500}, {"c22", -500}, {"c24", -500}},
         false,
         1},
        {"row 23 renews 15, 22 and 24 only, from stale subtotals",
         {{"c5", 10}, {"c14", 3}, {"c18", 7}, {"c21", 2}},
         "c23",
         "4",
         {{"c23", 4}, {"c15", 7}, {"c22", 16}, {"c24", 12}},
         false,
         1},
        {"row 2 takes the stored row 14 as it stands",
         {{"c14", 300}},
         "c2",
         "1000",
         {{"c2", 1000}, {"c5", 1000}, {"c15", 700}, {"c22", 700}, {"c24", 700}},
         false,
         1},
        {"row 17 is added",
         {},
         "c17",
         "200",
         {{"c17", 200}, {"c18", 200}, {"c22", 200}, {"c24", 200}},
         false,
         1},
        {"row 17 typed negative",
         {},
         "c17",
         "-200",
         {{"c17", -200}, {"c18", -200}, {"c22", -200}, {"c24", -200}},
         false,
         1},
        {"row 20 is added",
         {{"c19", 50}},
         "c20",
         "-80",
         {{"c20", -80}, {"c21", -30}, {"c22", -30}, {"c24", -30}},
         false,
         1},
        {"2,5 is stored as 2 and counted as 2",
         {},
         "c2",
         "2,5",
         {{"c2", 2}, {"c5", 2}, {"c15", 2}, {"c22", 2}, {"c24", 2}},
         false,
         1},
        {"3.5 is stored as 4",
         {},
         "c3",
         "3.5",
         {{"c3", 4}, {"c5", 4}, {"c15", 4}, {"c22", 4}, {"c24", 4}},
         false,
         1},
        {"0,5 over 0 stores 0 and still raises the flag",
         {{"c5", 9}},
         "c4",
         "0,5",
         {{"c5", 0}, {"c15", 0}, {"c22", 0}, {"c24", 0}},
         false,
         1},
        {"the stored value retyped: no flag, a stale row 5 corrected",
         {{"c2", 1000}, {"c5", 5}},
         "c2",
         "1000",
         {{"c5", 1000}, {"c15", 1000}, {"c22", 1000}, {"c24", 1000}},
         false,
         0},
        {"a cleared box", {{"c2", 1500}, {"c5", 99}}, "c2", "", {}, true, 0},
        {"letters", {{"c2", 1500}, {"c5", 99}}, "c2", "12a", {}, true, 0},
        {"row 24 at the 32-bit limit",
         {},
         "c2",
         "2147483647",
         {{"c2", 2147483647},
          {"c5", 2147483647},
          {"c15", 2147483647},
          {"c22", 2147483647},
          {"c24", 2147483647}},
         false,
         1},
        {"one past it",
         {{"c2", 2147483647},
          {"c5", 2147483647},
          {"c15", 2147483647},
          {"c22", 2147483647},
          {"c24", 2147483647}},
         "c4",
         "1",
         {},
         true,
         0},
        {"row 24 at the lowest 32-bit value",
         {},
         "c23",
         "2147483648",
         {{"c23", 2147483648.0}, {"c24", -2147483648.0}},
         false,
         1},
        {"one below it", {}, "c23", "2147483649", {}, true, 0},
        {"a sum a double cannot hold", {{"c3", 1.5e308}, {"c4", 1.5e308}}, "c2", "1", {}, true, 0},
        {"a fractional stale row 18 gives row 24 half to even",
         {{"c18", 2.5}},
         "c23",
         "0",
         {{"c22", 2.5}, {"c24", 2}},
         false,
         0},
        {"column D alone, with the flag",
         {{"c5", 7}},
         "d2",
         "700",
         {{"d2", 700}, {"d5", 700}, {"d15", 700}, {"d22", 700}, {"d24", 700}},
         false,
         1},
        {"column D's row 13",
         {{"d5", 100}},
         "d13",
         "40",
         {{"d13", 40}, {"d14", 40}, {"d15", 60}, {"d22", 60}, {"d24", 60}},
         false,
         1},
    };
    for (const auto &c : casi) {
        SCOPED_TRACE(c.caso);
        riapri(c.prima);
        const QString colonna = QString::fromLatin1(c.box);
        scrivi(box(colonna), QString::fromLatin1(c.tasti));
        EXPECT_EQ(p.dialoghi.beep, c.rifiutato ? 1 : 0);
        EXPECT_EQ(PaginaModificata, c.flag);
        for (char l : {'c', 'd'})
            for (int r = 2; r <= 24; ++r) {
                const QString n = nome(l, r);
                const double atteso = c.dopo.value(n, c.prima.value(n));
                EXPECT_EQ(valore(n).toDouble(), atteso) << qPrintable(n);
                // A refused box shows its stored value plain; every other one in its pattern.
                const QString testo = c.rifiutato && n == colonna
                                          ? testoSemplice(Variant(atteso))
                                          : formattaNumero(atteso, Variante::Intero);
                EXPECT_EQ(box(n)->text(), testo) << qPrintable(n);
            }
    }
}

TEST_F(Pagina3, TheFirstExampleShowsItsFiguresGrouped)
{
    apri();
    scrivi(box(QStringLiteral("c2")), QStringLiteral("1000"));
    scrivi(box(QStringLiteral("c6")), QStringLiteral("1500"));
    for (const char *n : {"TXTC2", "TXTC5"})
        EXPECT_EQ(campo(n)->text(), QStringLiteral("1.000")) << n;
    for (const char *n : {"TXTC6", "TXTC14"})
        EXPECT_EQ(campo(n)->text(), QStringLiteral("1.500")) << n;
    for (const char *n : {"TXTC15", "TXTC22", "TXTC24"})
        EXPECT_EQ(campo(n)->text(), QStringLiteral("-500")) << n;
    for (int r = 2; r <= 24; ++r)
        EXPECT_EQ(box(nome('d', r))->text(), QStringLiteral("0")) << r;
    EXPECT_EQ(valore("c24").kind(), Variant::Kind::Integer); // a 32-bit value
    // The focus went on along its order, and the computed boxes never take it.
    EXPECT_EQ(fuoco(), campo("TXTD6"));
}

// --- The declarations ------------------------------------------------------------

TEST_F(Pagina3, AStoredCodeOtherThan1Or2ShowsNoAndMarksThePage)
{
    const struct
    {
        const char *memorizzato;
        const char *bottone; // the one shown
        int flag;            // after opening
        int salvato;
    } casi[] = {
        {"1", "1", 0, 1}, {"2", "2", 0, 2}, {"NULL", "2", 0, 2}, {"0", "2", 1, 2}, {"3", "2", 1, 2},
    };
    for (const auto &c : casi)
        for (const char *colonna : {"coop_dipe", "coop_versa"}) {
            SCOPED_TRACE(std::string(colonna) + " stored as " + c.memorizzato);
            ProgrammaProva q;
            q.cartella.esegui(FileVarnex, PasswordVarnex,
                              QStringLiteral(
                                  "INSERT INTO Dati (denominazione, %1) VALUES ('COOP', %2)")
                                  .arg(QLatin1String(colonna), QLatin1String(c.memorizzato)));
            ASSERT_TRUE(q.avviaSuPagina(3));
            const QString gruppo = QLatin1String(colonna) == QLatin1String("coop_dipe")
                                       ? QStringLiteral("OPTDipe")
                                       : QStringLiteral("OPTVersa");
            auto *scelto = figlio<QRadioButton>(Form(3), gruppo + QLatin1String(c.bottone));
            ASSERT_NE(scelto, nullptr);
            EXPECT_TRUE(scelto->isChecked());
            EXPECT_EQ(PaginaModificata, c.flag);
            if (gruppo == QLatin1String("OPTVersa")) // shown last: its Click ran last
                EXPECT_EQ(ValoreOpzione, QString::fromLatin1(c.bottone).toInt());
            Form(3)->Salva();
            EXPECT_EQ(q.valoreSalvato(Variant(1), QLatin1String(colonna)), Variant(c.salvato));
            EXPECT_EQ(valore(QLatin1String(colonna)), Variant(c.salvato));
            PaginaModificata = 0;
        }
}

TEST_F(Pagina3, AClickRaisesTheFlagAndTheCodeWaitsForSalva)
{
    apri(QStringLiteral("coop_dipe = 2, coop_versa = 1"));
    EXPECT_EQ(PaginaModificata, 0);
    clic(campo<QRadioButton>("OPTDipe1"));
    EXPECT_EQ(PaginaModificata, 1);
    EXPECT_EQ(ValoreOpzione, 1);
    EXPECT_EQ(valore("coop_dipe"), Variant(2));
    clic(campo<QRadioButton>("OPTDipe2")); // back to the stored answer: the flag stays
    EXPECT_EQ(PaginaModificata, 1);
    clic(campo<QRadioButton>("OPTVersa2"));
    EXPECT_EQ(valore("coop_versa"), Variant(1));
    clic(p.finestra().CMDSalva);
    EXPECT_EQ(salvato(1, "coop_dipe"), Variant(2));
    EXPECT_EQ(salvato(1, "coop_versa"), Variant(2));
    EXPECT_EQ(valore("coop_versa"), Variant(2));
    EXPECT_EQ(PaginaModificata, 0);
    clic(campo<QRadioButton>("OPTVersa2")); // the code just saved
    EXPECT_EQ(PaginaModificata, 0);
}

// --- Every column, saved and found again ---------------------------------------

TEST_F(Pagina3, All50ColumnsGoThroughSalvaAndComeBackAfterARestart)
{
    apri();
    scriviSenzaUscire(campo("TXTC1"), QStringLiteral("2002"));
    scriviSenzaUscire(campo("TXTD1"), QStringLiteral("0203"));
    // Each entered row its own figure: row r of column C r*1000+1, of column D -(r*10).
    QMap<QString, double> atteso;
    for (int r : RigheEntrate) {
        atteso[nome('c', r)] = r * 1000 + 1;
        atteso[nome('d', r)] = -(r * 10);
    }
    for (int r : RigheEntrate)
        for (char l : {'c', 'd'})
            scriviSenzaUscire(box(nome(l, r)), QString::number(atteso[nome(l, r)]));
    clic(campo<QRadioButton>("OPTDipe1")); // the last box commits here
    EXPECT_EQ(p.dialoghi.beep, 0);
    for (char l : {'c', 'd'}) {
        const auto x = [&](int r) { return atteso[nome(l, r)]; };
        atteso[nome(l, 5)] = x(2) + x(3) + x(4);
        atteso[nome(l, 14)] = x(6) + x(7) + x(8) + x(9) + x(10) + x(11) + x(12) + x(13);
        atteso[nome(l, 15)] = x(5) - x(14);
        atteso[nome(l, 18)] = x(16) + x(17);
        atteso[nome(l, 21)] = x(19) + x(20);
        atteso[nome(l, 22)] = x(15) + x(18) + x(21);
        atteso[nome(l, 24)] = x(22) - x(23);
    }
    clic(p.finestra().CMDSalva);
    EXPECT_EQ(PaginaModificata, 0);

    QMap<QString, std::function<void()>> verifiche = {
        {"c1", [this] { EXPECT_EQ(salvato(1, "c1"), Variant("2002")); }},
        {"d1", [this] { EXPECT_EQ(salvato(1, "d1"), Variant("0203")); }},
        {"coop_dipe", [this] { EXPECT_EQ(salvato(1, "coop_dipe"), Variant(1)); }},
        {"coop_versa", [this] { EXPECT_EQ(salvato(1, "coop_versa"), Variant(2)); }},
    };
    for (auto it = atteso.cbegin(); it != atteso.cend(); ++it)
        verifiche[it.key()] = [this, colonna = it.key(), valore = it.value()] {
            EXPECT_EQ(salvato(1, qPrintable(colonna)).toDouble(), valore) << qPrintable(colonna);
        };
    verificaColonnePagina(3, verifiche);
    EXPECT_EQ(salvato(1, "denominazione"), Variant("COOP"));

    riavvia();
    apriPagina(3);
    EXPECT_TRUE(p.dialoghi.mostrati.isEmpty());
    EXPECT_EQ(PaginaModificata, 0);
    EXPECT_EQ(f()->windowTitle(), QStringLiteral("Pagina 3 - COOP"));
    EXPECT_EQ(campo("TXTD1")->text(), QStringLiteral("203")); // shown as a number
    for (auto it = atteso.cbegin(); it != atteso.cend(); ++it)
        EXPECT_EQ(box(it.key())->text(), formattaNumero(it.value(), Variante::Intero))
            << qPrintable(it.key());
    EXPECT_TRUE(campo<QRadioButton>("OPTDipe1")->isChecked());
    EXPECT_TRUE(campo<QRadioButton>("OPTVersa2")->isChecked());
    EXPECT_EQ(campo("TXTC1")->text(), QStringLiteral("2002"));
    entra(campo("TXTD1"));
    EXPECT_EQ(campo("TXTD1")->text(), QStringLiteral("0203")); // the stored text once entered
}

TEST_F(Pagina3, ARowOfNullsShowsTheDefaultsAndSavesThem)
{
    apri();
    for (const char *a : {"TXTC1", "TXTD1"})
        EXPECT_EQ(campo(a)->text(), QString()) << a;
    for (char l : {'c', 'd'})
        for (int r = 2; r <= 24; ++r)
            EXPECT_EQ(box(nome(l, r))->text(), QStringLiteral("0")) << r;
    EXPECT_TRUE(campo<QRadioButton>("OPTDipe2")->isChecked());
    EXPECT_TRUE(campo<QRadioButton>("OPTVersa2")->isChecked());
    EXPECT_EQ(PaginaModificata, 0);

    f()->Salva(); // without any edit: every column written
    EXPECT_EQ(salvato(1, "c1"), Variant(""));
    EXPECT_EQ(salvato(1, "d1"), Variant(""));
    for (const char *n : {"c2", "c23", "c24", "d5", "d24"})
        EXPECT_EQ(salvato(1, n).toDouble(), 0.0) << n;
    EXPECT_FALSE(salvato(1, "d24").isNull());
    EXPECT_EQ(salvato(1, "coop_dipe"), Variant(2));
    EXPECT_EQ(salvato(1, "coop_versa"), Variant(2));
}

TEST_F(Pagina3, YearsAreFreeTextUpperCasedFlaggedOnlyWhenChanged)
{
    apri(QStringLiteral("c1 = '2003'"));
    const struct
    {
        const char *box, *tasti, *colonna, *memorizzato;
        int flag;
    } casi[] = {
        {"TXTC1", "2003", "c1", "2003", 0},
        {"TXTD1", "abcd", "d1", "ABCD", 1},
        {"TXTC1", "", "c1", "", 1},
    };
    for (const auto &c : casi) {
        SCOPED_TRACE(c.tasti);
        PaginaModificata = 0;
        scrivi(campo(c.box), QString::fromLatin1(c.tasti));
        EXPECT_EQ(valore(QString::fromLatin1(c.colonna)), Variant(c.memorizzato));
        EXPECT_EQ(campo(c.box)->text(), QString::fromLatin1(c.memorizzato));
        EXPECT_EQ(PaginaModificata, c.flag);
    }
    EXPECT_EQ(p.dialoghi.beep, 0);
    EXPECT_EQ(campo("TXTC1")->maxLength(), 4);
}

// --- Menu commands -------------------------------------------------------------

TEST_F(Pagina3, TheMenuExitCommitsTheBoxStillBeingTyped)
{
    const struct
    {
        const char *tasti;
        int domande, beep;
    } casi[] = {
        {"1234", 1, 0}, // committed, asked, saved
        {"12a", 0, 1},  // wrong input: beep, nothing stored, nothing to ask
    };
    for (const auto &c : casi) {
        SCOPED_TRACE(c.tasti);
        ProgrammaProva q;
        ASSERT_TRUE(q.conSchede(1).avviaSuPagina(3));
        ASSERT_NE(Form(3), nullptr);
        scriviSenzaUscire(figlio(Form(3), QStringLiteral("TXTD7")), QString::fromLatin1(c.tasti));
        q.dialoghi.rispondi(dlg::vbYes);
        q.finestra().MNUEsciItem->trigger();
        EXPECT_EQ(NomeControllo, QStringLiteral("TXTD7"));
        EXPECT_EQ(prova::domandeSalva(q.dialoghi), c.domande);
        EXPECT_EQ(q.dialoghi.beep, c.beep);
        const Variant d7 = q.valoreSalvato(Variant(1), QStringLiteral("d7"));
        const Variant d24 = q.valoreSalvato(Variant(1), QStringLiteral("d24"));
        if (c.domande) {
            EXPECT_EQ(d7.toDouble(), 1234.0);
            EXPECT_EQ(d24.toDouble(), -1234.0);
        } else {
            EXPECT_TRUE(d7.isNull());
            EXPECT_TRUE(d24.isNull());
        }
        EXPECT_EQ(q.uscita, 0);
    }
}

// --- Layout --------------------------------------------------------------------

TEST_F(Pagina3, LayoutColoursAndFocusOrder)
{
    apri();
    const PostoControllo posti[] = {
        {"A16", 480, 240, 6855, 8295},         {"A17", 480, 9120, 6855, 735},
        {"A18", 480, 10440, 6855, 735},        {"TXTC1", 3240, 720, 1335, 285},
        {"TXTD1", 4560, 720, 1335, 285},       {"TXTC2", 3240, 1040, 1335, 285},
        {"TXTD4", 4560, 1630, 1335, 285},      {"TXTC14", 3240, 4620, 1335, 285},
        {"TXTD24", 4560, 7620, 1335, 285},     {"OPTDipe1", 2160, 360, 735, 255},
        {"OPTDipe2", 3360, 360, 975, 255},     {"OPTVersa1", 2160, 360, 855, 255},
        {"OPTVersa2", 3360, 360, 735, 255},    {"CMDPrec", 8160, 10080, 1095, 735},
        {"CMDSucces", 9480, 10080, 1095, 735},
    };
    ASSERT_NO_FATAL_FAILURE(controlliAlPosto(f(), posti));

    const QString cornici[] = {
        QStringLiteral("A.16) CONTI ECONOMICI (Importi in euro)"),
        QStringLiteral("A.17) Cooperativa costituita tra dipendenti di imprese sottoposte a "
                       "procedura concorsuale"),
        QStringLiteral(
            "A.18) I soci hanno sottoscritto il capitale sociale mediante conferimento del TFR"),
    };
    for (const QString &t : cornici) {
        bool trovata = false;
        for (QGroupBox *g : f()->findChildren<QGroupBox *>())
            trovata = trovata || g->title() == t;
        EXPECT_TRUE(trovata) << qPrintable(t);
    }

    // Labels: text, place and background, row by row, and the headings.
    const struct
    {
        const char *testo;
        int left, top;
        unsigned int sfondo;
    } etichette[] = {
        {"CONTO ECONOMICO", 960, 480, 0x0080FF80},
        {"Penultimo", 3240, 480, 0x0080FF80},
        {"Ultimo", 4560, 480, 0x0080FF80},
        {"anni  ", 960, 720, 0x0080FF80},
        {"Fatturato (ricavi vendi. e prest.)", 960, 1040, 0x00FFC0FF},
        {"A) Valore della produzione", 960, 1920, 0x00C0FFC0},
        {"Risultato operativo (A -B)", 960, 4920, 0x00C0FFC0},
        {"C) Proventi e oneri finaziari", 960, 5820, 0x00C0FFC0},
        {"Imposte sul reddito d'esercizio", 960, 7320, 0x00FFC0FF},
        {"Utile netto (perdita) dell'esercizio", 960, 7620, 0x00FFFF80},
    };
    QGroupBox *a16 = figlio<QGroupBox>(f(), QStringLiteral("A16"));
    ASSERT_NE(a16, nullptr);
    for (const auto &e : etichette) {
        QLabel *trovata = nullptr;
        for (QLabel *l : a16->findChildren<QLabel *>())
            if (l->text() == QString::fromUtf8(e.testo))
                trovata = l;
        ASSERT_NE(trovata, nullptr) << e.testo;
        EXPECT_EQ(trovata->pos(), QPoint(ui::px(e.left), ui::px(e.top))) << e.testo;
        EXPECT_EQ(trovata->palette().color(QPalette::Window), ui::coloreVb(e.sfondo)) << e.testo;
        EXPECT_LE(QFontMetrics(trovata->font()).horizontalAdvance(trovata->text()), trovata->width())
            << e.testo;
    }

    for (char l : {'c', 'd'}) {
        for (int r : RigheCalcolate) {
            QLineEdit *b = box(nome(l, r));
            EXPECT_FALSE(b->isEnabled()) << r;
            EXPECT_EQ(b->palette().color(QPalette::Disabled, QPalette::Base), QColor(255, 255, 192))
                << r;
            EXPECT_TRUE(b->alignment() & Qt::AlignRight) << r;
        }
        for (int r : RigheEntrate) {
            QLineEdit *b = box(nome(l, r));
            EXPECT_TRUE(b->isEnabled()) << r;
            EXPECT_TRUE(b->alignment() & Qt::AlignRight) << r;
        }
        EXPECT_TRUE(box(nome(l, 1))->alignment() & Qt::AlignHCenter);
        EXPECT_EQ(box(nome(l, 1))->maxLength(), 4);
    }
    EXPECT_EQ(campo<QRadioButton>("OPTDipe1")->text(), QStringLiteral("SI"));
    EXPECT_EQ(campo<QRadioButton>("OPTVersa2")->text(), QStringLiteral("NO"));
    EXPECT_EQ(f()->CMDPrec->text(), QStringLiteral("Pag. Preced."));
    EXPECT_EQ(f()->CMDSucces->text(), QStringLiteral("Pag. Succes."));

    // The focus opens on the first year and goes on by Tab: the years, the
    // entered boxes row by row (C before D), the declarations, the foot buttons.
    EXPECT_EQ(fuoco(), campo("TXTC1"));
    QStringList ordine{QStringLiteral("TXTC1"), QStringLiteral("TXTD1")};
    for (int r : RigheEntrate)
        ordine << QStringLiteral("TXTC%1").arg(r) << QStringLiteral("TXTD%1").arg(r);
    // Each group is one stop, on its chosen answer ("NO" on a new sheet).
    ordine << QStringLiteral("OPTDipe2") << QStringLiteral("OPTVersa2") << QStringLiteral("CMDPrec")
           << QStringLiteral("CMDSucces");
    seguiOrdineTab(ordine);
}

TEST_F(Pagina3, ARow24Beyond32BitsInTheFileIsWrongInputAndThePageOpens)
{
    // Written by another program: our 32-bit row 24 cannot take it.
    avvia({QStringLiteral(
        "INSERT INTO Dati (denominazione, d22, d24) VALUES ('COOP', 5, 3000000000)")});
    clic(p.finestra().CMDPag[3]);
    ASSERT_NE(Form(3), nullptr);
    EXPECT_EQ(PaginaCorrente, 3);
    EXPECT_TRUE(p.dialoghi.mostrati.isEmpty());
    EXPECT_EQ(p.dialoghi.beep, 1);
    EXPECT_EQ(campo("TXTD24")->text(), QStringLiteral("0"));
    EXPECT_EQ(campo("TXTD22")->text(), QStringLiteral("5"));
    EXPECT_EQ(PaginaModificata, 0);
    // The next commit in the column renews it.
    scrivi(campo("TXTD23"), QStringLiteral("1"));
    EXPECT_EQ(campo("TXTD24")->text(), QStringLiteral("-1")); // rows 15 and 22 renewed first: 0 - 1
    EXPECT_FALSE(p.uscita.has_value());
}

} // namespace
