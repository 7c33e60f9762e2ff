// Page 5 in the whole program on real files: the expense grid and its
// totals, the two dates, the general costs, every column through Salva and
// a restart, the Null defaults, the menu commands and the layout (the foot
// buttons: PulsantiPiedeTest).

#include "Interazione.h"

#include "core/FileDati.h"
#include "core/Globali.h"
#include "core/formati/Date.h"
#include "core/formati/Numeri.h"
#include "pages/PaginaScheda.h"
#include "pages/campi/Tabella.h"
#include "platform/maschera/MaskEdBox.h"
#include "platform/ui/Twips.h"
#include "shell/MostraPagina.h"

#include <QGroupBox>
#include <QLabel>
#include <QTest>
#include <QToolButton>
#include <cmath>
#include <gtest/gtest.h>

using namespace scheda;
using ado::Variant;
using namespace prova;

namespace {

class Pagina5 : public ConPagina<5>
{
protected:
    maschera::MaskEdBox *data(const char *nome) const { return campo<maschera::MaskEdBox>(nome); }
    static double num(const char *colonna) { return valore(colonna).toDouble(); }
    QString testo(const char *box) const { return campo(box)->text(); }
};

// --- The expense grid ----------------------------------------------------------

TEST_F(Pagina5, AmountCommitsStoreRoundAndRecomputeTheTotals)
{
    apri();
    const NumeroScritto casi[] = {
        {"0,125", 0, true, true, 0.12, ",12"}, // half to even
        {"0,375", 0, true, true, 0.38, ",38"},
        {"5,001", 5, true, true, 5, "5,00"}, // marked, yet 5 kept
        {"5", 5, true, false, 5, "5,00"},    // the same value: no flag, totals still renewed
        {"-3,5", 0, true, true, -3.5, "-3,50"},
        {"1.5", 0, true, true, 1.5, "1,50"}, // the key "." types ","
        {"1234567,8", 0, true, true, 1234567.8, "1.234.567,80"},
        {"", 7, false, false, 7, "7"}, // beep, the plain stored value back
        {"abc", 7, false, false, 7, "7"},
        {"1.2.3", 7, false, false, 7, "7"}, // two commas
    };
    for (const auto &c : casi) {
        SCOPED_TRACE(c.tasti);
        // Stale totals: a valid commit renews them, a refused one leaves
        // them. The focus waits in a box with no dependants meanwhile.
        scriviNumero("TXTSpeA1", "spea1", "TXTCostEser1", c, [] {
            imposta("speb1", Variant(1.0));
            for (const char *t : {"spec1", "spea7", "speb7", "spec7"})
                imposta(t, Variant(999.0));
        });
        const double riga = c.valido ? c.dopo + 1 : 999;
        EXPECT_EQ(num("spec1"), riga);
        EXPECT_EQ(num("spea7"), c.valido ? c.dopo : 999);
        EXPECT_EQ(num("spec7"), riga);
        EXPECT_EQ(testo("TXTSpeC1"), formattaNumero(riga, Variante::DueDecimali));
        EXPECT_EQ(testo("TXTSpeC7"), formattaNumero(riga, Variante::DueDecimali));
        EXPECT_EQ(num("speb7"), 999.0); // column B's total is no dependant of column A
    }
}

TEST_F(Pagina5, AStaleRowTotalIsCorrectedAndTheGrandTotalAddsTheSixRowTotals)
{
    // Row 3 inconsistent (100 for 10 + 5), row 5 stale at 7 with no
    // amounts, column B's and the grand total stale too.
    apri(QStringLiteral("spea3 = 10, speb3 = 5, spec3 = 100, spec5 = 7, speb7 = 44, spec7 = 1"));
    EXPECT_EQ(testo("TXTSpeC3"), QStringLiteral("100,00")); // shown as stored
    EXPECT_EQ(testo("TXTSpeC7"), QStringLiteral("1,00"));
    EXPECT_EQ(testo("TXTSpeB7"), QStringLiteral("44,00"));
    // Leaving TXTSpeA1, which has the focus, renews row 1 and column A;
    // then the commit in row 3 corrects its total.
    scrivi(campo("TXTSpeB3"), QStringLiteral("6"));
    EXPECT_EQ(num("spec3"), 16.0);
    EXPECT_EQ(num("speb7"), 6.0);
    EXPECT_EQ(num("spec7"), 23.0); // 16 + the stale 7: the row totals as held, not spea7 + speb7
    EXPECT_EQ(num("spea7"), 10.0);
    EXPECT_EQ(testo("TXTSpeC3"), QStringLiteral("16,00"));
    EXPECT_EQ(testo("TXTSpeB7"), QStringLiteral("6,00"));
    EXPECT_EQ(testo("TXTSpeC7"), QStringLiteral("23,00"));
    EXPECT_EQ(testo("TXTSpeC5"), QStringLiteral("7,00"));

    clic(p.finestra().CMDSalva);
    EXPECT_EQ(salvato(1, "spec3").toDouble(), 16.0);
    EXPECT_EQ(salvato(1, "spec5").toDouble(), 7.0); // a stale total stays until its row is committed
    EXPECT_EQ(salvato(1, "spec7").toDouble(), 23.0);
}

TEST_F(Pagina5, ComputedTotalsCarryNoBinaryResidue)
{
    apri();
    scrivi(campo("TXTSpeA1"), QStringLiteral("0,1"));
    scrivi(campo("TXTSpeB1"), QStringLiteral("0,2"));
    scrivi(campo("TXTSpeA2"), QStringLiteral("-0,3"));
    EXPECT_EQ(num("spec1"), 0.3);
    EXPECT_EQ(num("spea7"), -0.2);
    EXPECT_EQ(num("spec7"), 0.0);
    EXPECT_FALSE(std::signbit(num("spec7")));
    EXPECT_EQ(testo("TXTSpeC7"), QStringLiteral(",00"));
    for (const auto &[box, tasti] :
         {std::pair{"TXTCost1", "0,1"}, {"TXTCost2", "0,2"}, {"TXTCost3", "-0,3"}})
        scrivi(campo(box), QString::fromLatin1(tasti));
    EXPECT_EQ(num("cost4"), 0.0);
    EXPECT_FALSE(std::signbit(num("cost4")));
    EXPECT_EQ(testo("TXTCost4"), QStringLiteral(",00"));

    clic(p.finestra().CMDSalva);
    EXPECT_EQ(salvato(1, "spec7"), Variant(0.0));
    EXPECT_EQ(salvato(1, "cost4"), Variant(0.0));
    EXPECT_EQ(salvato(1, "spec1"), Variant(0.3));
}

TEST_F(Pagina5, TheRowTotalsTakeNoTypingAndTheOtherTotalsAreDisabled)
{
    apri(QStringLiteral("spea1 = 2, speb1 = 3, spec1 = 5"));
    for (const char *t : {"TXTSpeC1", "TXTSpeC2", "TXTSpeC3", "TXTSpeC4", "TXTSpeC5", "TXTSpeC6"}) {
        EXPECT_TRUE(campo(t)->isEnabled()) << t;
        EXPECT_TRUE(campo(t)->isReadOnly()) << t;
    }
    for (const char *t : {"TXTSpeA7", "TXTSpeB7", "TXTSpeC7", "TXTCost4"})
        EXPECT_FALSE(campo(t)->isEnabled()) << t;

    entra(campo("TXTCost3"));
    tab();
    ASSERT_EQ(fuoco(), campo("TXTSpeC1"));
    digita(QStringLiteral("123"));
    QTest::keyClick(fuoco(), Qt::Key_Backspace);
    tab();
    EXPECT_EQ(testo("TXTSpeC1"), QStringLiteral("5,00"));
    EXPECT_EQ(num("spec1"), 5.0);
    EXPECT_EQ(PaginaModificata, 0);
    EXPECT_EQ(p.dialoghi.beep, 0);
    f()->Validare(); // nothing to commit there
    EXPECT_EQ(PaginaModificata, 0);
}

// --- Dates and years -------------------------------------------------------------

TEST_F(Pagina5, DateBoxes)
{
    apri(QStringLiteral("dataavvio = '2004-09-01'"));
    EXPECT_EQ(data("TXTdataAvvio")->Text(), QStringLiteral("01/09/2004"));
    EXPECT_EQ(data("TXTDataUltimazione")->Text(), MascheraVuota);
    const struct
    {
        const char *box;
        const char *colonna;
        const char *tasti; // "" clears the mask
        bool beep;
        bool modificato;
        Variant dopo;
        const char *mostrato;
    } casi[] = {
        {"TXTDataUltimazione", "dataultimazione", "", false, false, Variant("01/01/1000"),
         "__/__/____"},
        {"TXTDataUltimazione", "dataultimazione", "1205", true, false, Variant("01/01/1000"),
         "__/__/____"},
        {"TXTDataUltimazione", "dataultimazione", "31022005", true, false, Variant("01/01/1000"),
         "__/__/____"},
        {"TXTDataUltimazione", "dataultimazione", "30062006", false, true,
         Variant(QDate(2006, 6, 30)), "30/06/2006"},
        {"TXTDataUltimazione", "dataultimazione", "", false, true, Variant("01/01/1000"),
         "__/__/____"},
        {"TXTdataAvvio", "dataavvio", "01092004", false, false, Variant(QDate(2004, 9, 1)),
         "01/09/2004"},
        {"TXTdataAvvio", "dataavvio", "01011000", false, true, Variant(QDate(1000, 1, 1)),
         "01/01/1000"},
    };
    for (const auto &c : casi) {
        SCOPED_TRACE(std::string(c.box) + " " + c.tasti);
        PaginaModificata = 0;
        p.dialoghi.beep = 0;
        scrivi(data(c.box), QString::fromLatin1(c.tasti));
        EXPECT_EQ(p.dialoghi.beep, c.beep ? 1 : 0);
        EXPECT_EQ(PaginaModificata, c.modificato ? 1 : 0);
        EXPECT_EQ(valore(c.colonna), c.dopo);
        EXPECT_EQ(data(c.box)->Text(), QString::fromLatin1(c.mostrato));
    }
    // The date 1 January 1000 typed shows the empty mask the next time.
    entra(data("TXTdataAvvio"));
    EXPECT_EQ(data("TXTdataAvvio")->Text(), MascheraVuota);
    clic(p.finestra().CMDSalva);
    EXPECT_EQ(salvato(1, "dataavvio"), Variant(QDate(1000, 1, 1)));
    EXPECT_EQ(salvato(1, "dataultimazione"), Variant(QDate(1000, 1, 1)));
    EXPECT_EQ(data("TXTdataAvvio")->toolTip(),
              QStringLiteral("Inserire la data in formato gg/mm/aaaa"));
}

TEST_F(Pagina5, YearBoxesTakeAnyTextUpperCased)
{
    apri(QStringLiteral("costeser2 = '2005'"));
    scrivi(campo("TXTCostEser1"), QStringLiteral("ab"));
    EXPECT_EQ(valore("costeser1"), Variant("AB"));
    EXPECT_EQ(PaginaModificata, 1);
    PaginaModificata = 0;
    scrivi(campo("TXTCostEser2"), QString());
    EXPECT_EQ(valore("costeser2"), Variant(""));
    EXPECT_EQ(PaginaModificata, 1);
    EXPECT_EQ(campo("TXTCostEser3")->maxLength(), 4);
    EXPECT_EQ(p.dialoghi.beep, 0);
}

// --- Every column, saved and found again ---------------------------------------

TEST_F(Pagina5, All30ColumnsGoThroughSalvaAndComeBackAfterARestart)
{
    apri();
    for (const char l : {'A', 'B'})
        for (int n = 1; n <= 6; ++n)
            scriviSenzaUscire(campo(qPrintable(QStringLiteral("TXTSpe%1%2").arg(l).arg(n))),
                              QStringLiteral("%1%2,25").arg(l == 'A' ? 1 : 2).arg(n));
    scriviSenzaUscire(data("TXTdataAvvio"), QStringLiteral("01092004"));
    scriviSenzaUscire(data("TXTDataUltimazione"), QStringLiteral("31122006"));
    for (int k = 1; k <= 3; ++k) {
        scriviSenzaUscire(campo(qPrintable(QStringLiteral("TXTCostEser%1").arg(k))),
                          QStringLiteral("200%1").arg(k + 3));
        scriviSenzaUscire(campo(qPrintable(QStringLiteral("TXTCost%1").arg(k))),
                          QString::number(k * 1000) + QStringLiteral(",5"));
    }
    clic(p.finestra().CMDSalva); // the last box commits as the button takes the focus
    EXPECT_EQ(p.dialoghi.beep, 0);
    EXPECT_EQ(PaginaModificata, 0);

    // Each column's value as saved.
    QMap<QString, Variant> salvati;
    // A: 11,25 .. 16,25; B: 21,25 .. 26,25.
    double a7 = 0, b7 = 0, c7 = 0;
    for (int n = 1; n <= 6; ++n) {
        const double a = 10 + n + 0.25, b = 20 + n + 0.25;
        a7 += a;
        b7 += b;
        c7 += a + b;
        salvati[QStringLiteral("spea%1").arg(n)] = Variant(a);
        salvati[QStringLiteral("speb%1").arg(n)] = Variant(b);
        salvati[QStringLiteral("spec%1").arg(n)] = Variant(a + b);
    }
    salvati["spea7"] = Variant(a7);
    salvati["speb7"] = Variant(b7);
    salvati["spec7"] = Variant(c7);
    salvati["dataavvio"] = Variant(QDate(2004, 9, 1));
    salvati["dataultimazione"] = Variant(QDate(2006, 12, 31));
    for (int k = 1; k <= 3; ++k) {
        salvati[QStringLiteral("costeser%1").arg(k)] = Variant(QString::number(2003 + k));
        salvati[QStringLiteral("cost%1").arg(k)] = Variant(k * 1000 + 0.5);
    }
    salvati["cost4"] = Variant(6001.5);
    QMap<QString, std::function<void()>> verifiche;
    for (auto it = salvati.cbegin(); it != salvati.cend(); ++it)
        verifiche[it.key()] = [this, colonna = it.key(), atteso = it.value()] {
            EXPECT_EQ(salvato(1, qPrintable(colonna)), atteso) << qPrintable(colonna);
        };
    verificaColonnePagina(5, verifiche);

    riavvia();
    apriPagina(5);
    EXPECT_TRUE(p.dialoghi.mostrati.isEmpty());
    EXPECT_EQ(f()->windowTitle(), QStringLiteral("Pagina 5 - COOP"));
    const struct
    {
        const char *box;
        const char *mostrato;
    } attesi[] = {
        {"TXTSpeB1", "21,25"},    {"TXTSpeA6", "16,25"},    {"TXTSpeC6", "42,50"},
        {"TXTSpeA7", "82,50"},    {"TXTSpeB7", "142,50"},   {"TXTSpeC7", "225,00"},
        {"TXTCostEser2", "2005"}, {"TXTCost3", "3.000,50"}, {"TXTCost4", "6.001,50"},
    };
    for (const auto &a : attesi)
        EXPECT_EQ(testo(a.box), QString::fromLatin1(a.mostrato)) << a.box;
    EXPECT_EQ(data("TXTDataUltimazione")->Text(), QStringLiteral("31/12/2006"));
    EXPECT_EQ(fuoco(), campo("TXTSpeA1"));
    EXPECT_EQ(testo("TXTSpeA1"), QStringLiteral("11,25")); // entered: plain
    EXPECT_EQ(PaginaModificata, 0);
}

TEST_F(Pagina5, ARowOfNullsShowsTheDefaultsAndSavesThem)
{
    apri();
    for (const char *l : {"A", "B", "C"})
        for (int n = 2; n <= 7; ++n) // row 1's A box has the focus
            EXPECT_EQ(testo(qPrintable(QStringLiteral("TXTSpe%1%2").arg(QLatin1String(l)).arg(n))),
                      QStringLiteral(",00"));
    EXPECT_EQ(testo("TXTSpeA1"), QStringLiteral("0"));
    for (const char *c : {"TXTCost1", "TXTCost2", "TXTCost3", "TXTCost4"})
        EXPECT_EQ(testo(c), QStringLiteral(",00")) << c;
    for (const char *c : {"TXTCostEser1", "TXTCostEser2", "TXTCostEser3"})
        EXPECT_EQ(testo(c), QString()) << c;
    EXPECT_EQ(data("TXTdataAvvio")->Text(), MascheraVuota);
    EXPECT_EQ(data("TXTDataUltimazione")->Text(), MascheraVuota);
    EXPECT_EQ(f()->windowTitle(), QStringLiteral("Pagina 5 - COOP"));
    EXPECT_EQ(valore("spea1"), Variant(0));
    EXPECT_EQ(valore("spec7"), Variant(0.0));
    EXPECT_EQ(PaginaModificata, 0);

    f()->Salva();
    EXPECT_EQ(salvato(1, "spea1").toDouble(), 0.0);
    EXPECT_EQ(salvato(1, "cost4"), Variant(0.0));
    EXPECT_EQ(salvato(1, "dataavvio"), Variant(QDate(1000, 1, 1)));
    EXPECT_EQ(salvato(1, "costeser1"), Variant(""));
}

// --- Menu commands -------------------------------------------------------------

TEST_F(Pagina5, ValidareCommitsThePendingEditOfAnyBox)
{
    apri();
    validaOgni({
        {"TXTSpeB4", "12,5", "speb4", Variant(12.5)},
        {"TXTCost2", "700", "cost2", Variant(700.0)},
        {"TXTCostEser1", "2004", "costeser1", Variant("2004")},
        {"TXTDataUltimazione", "15062005", "dataultimazione", Variant(QDate(2005, 6, 15))},
    });
    EXPECT_EQ(num("spec4"), 12.5);
    EXPECT_EQ(num("cost4"), 700.0);

    // "&Esci" takes no focus: the pending amount is committed, then saved.
    scriviSenzaUscire(campo("TXTSpeA6"), QStringLiteral("9"));
    esciSalvando();
    EXPECT_EQ(salvato(1, "spea6"), Variant(9.0));
    EXPECT_EQ(salvato(1, "spec7"), Variant(21.5));
}

// --- Layout --------------------------------------------------------------------

TEST_F(Pagina5, LayoutColoursAndFocusOrder)
{
    apri();
    const PostoControllo posti[] = {
        {"Frame5", 480, 600, 5535, 4215},
        {"Frame1", 480, 5400, 5535, 1215},
        {"Frame2", 480, 7200, 5655, 3015},
        {"TXTSpeA1", 1920, 1080, 1095, 285},
        {"TXTSpeB4", 3000, 2160, 1095, 285},
        {"TXTSpeC6", 4080, 2880, 1095, 285},
        {"TXTSpeC7", 4080, 3240, 1095, 285},
        {"TXTdataAvvio", 3000, 360, 1215, 285},
        {"TXTDataUltimazione", 3000, 720, 1215, 285},
        {"TXTCostEser3", 2400, 2040, 975, 285},
        {"TXTCost1", 3840, 1320, 1095, 285},
        {"TXTCost4", 3840, 2400, 1095, 285},
        {"CMDPrec", 7320, 8760, 1095, 735},
        {"CMDSucces", 8640, 8760, 1095, 735},
    };
    ASSERT_NO_FATAL_FAILURE(controlliAlPosto(f(), posti));
    EXPECT_EQ(campo("TXTCost4")->parentWidget()->objectName(), QStringLiteral("Frame2"));

    // Captions, exactly, with the blanks and spellings of the form.
    const struct
    {
        const char *testo;
        campi::Posto posto;
    } etichette[] = {
        {"DOMANDA", {2880, 360, 975, 255}},
        {"SPESE", {240, 720, 1455, 255}},
        {"DIRETTE", {2160, 720, 735, 255}},
        {"LEASING", {3240, 720, 735, 255}},
        {"TOTALE", {4320, 720, 735, 255}},
        {"a) suolo aziendale", {240, 1080, 1695, 255}},
        {"d) prog. infor.", {240, 2160, 975, 255}},
        {"f) conulenze e studi", {240, 2880, 1575, 255}},
        {"       TOTALE", {240, 3240, 1575, 255}},
        {"C.5.1) Data di avvio a realizzazione :", {360, 360, 2655, 0}},
        {"Esercizi di riferimento", {2040, 960, 1575, 255}},
        {"Imp. Costi", {3960, 960, 975, 255}},
        {"Terzo esercizio", {480, 2040, 1575, 255}},
    };
    for (const auto &e : etichette) {
        const QLabel *trovata = nullptr;
        for (const QLabel *l : f()->findChildren<QLabel *>())
            if (l->text() == QString::fromLatin1(e.testo)
                && l->pos() == ui::rettangolo(e.posto.left, e.posto.top, 1, 1).topLeft())
                trovata = l;
        ASSERT_NE(trovata, nullptr) << e.testo;
        EXPECT_EQ(trovata->width(), ui::px(e.posto.width)) << e.testo;
        if (e.posto.height)
            EXPECT_EQ(trovata->height(), ui::px(e.posto.height)) << e.testo;
    }
    QStringList cornici;
    for (const QGroupBox *g : f()->findChildren<QGroupBox *>())
        cornici << g->title();
    EXPECT_EQ(cornici,
              (QStringList{QStringLiteral("C.4) Spese del programma di investimenti relative al "
                                          "Titolo I (Importi in euro)"),
                           QStringLiteral("C.5) Date previste relative al programma"),
                           QStringLiteral(
                               "C.6) Costi generali di cui al titolo II (Importi in euro)")}));

    const QColor giallo(255, 255, 192);
    for (const char *t : {"TXTSpeC1", "TXTSpeC6"})
        EXPECT_EQ(campo(t)->palette().color(QPalette::Active, QPalette::Base), giallo) << t;
    for (const char *t : {"TXTSpeA7", "TXTSpeB7", "TXTSpeC7", "TXTCost4"})
        EXPECT_EQ(campo(t)->palette().color(QPalette::Disabled, QPalette::Base), giallo) << t;
    for (const char *t : {"TXTSpeA1", "TXTSpeB6", "TXTSpeC3", "TXTSpeA7", "TXTCost2", "TXTCost4"})
        EXPECT_TRUE(campo(t)->alignment() & Qt::AlignRight) << t;
    EXPECT_FALSE(campo("TXTCostEser1")->alignment() & Qt::AlignRight);
    EXPECT_EQ(f()->palette().color(QPalette::Window), QColor(192, 192, 255));

    // Across the grid row by row, the dates, C.6 year then amount, the row
    // totals, the foot buttons.
    QStringList ordine;
    for (int n = 1; n <= 6; ++n)
        ordine << QStringLiteral("TXTSpeA%1").arg(n) << QStringLiteral("TXTSpeB%1").arg(n);
    ordine << QStringLiteral("TXTdataAvvio") << QStringLiteral("TXTDataUltimazione");
    for (int k = 1; k <= 3; ++k)
        ordine << QStringLiteral("TXTCostEser%1").arg(k) << QStringLiteral("TXTCost%1").arg(k);
    for (int n = 1; n <= 6; ++n)
        ordine << QStringLiteral("TXTSpeC%1").arg(n);
    ordine << QStringLiteral("CMDPrec") << QStringLiteral("CMDSucces");
    seguiOrdineTab(ordine);
}

} // namespace
