// Page 2 in the whole program on real files: the layout and focus order,
// every column through Salva and a restart, the Null defaults, the fax
// column under either spelling, the balance-sheet grid through its boxes,
// and Validare for any box (the foot buttons: PulsantiPiedeTest).

#include "Interazione.h"

#include "core/ColonneDati.h"
#include "core/FileDati.h"
#include "core/Globali.h"
#include "pages/PaginaScheda.h"
#include "pages/campi/Combo.h"
#include "platform/ui/Twips.h"
#include "shell/MostraPagina.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace scheda;
using namespace prova;
using ado::Variant;

namespace {

class Pagina2 : public ConPagina<2>
{
protected:
    // Page 2 of one sheet "COOP ALFA", after these assignments to its row.
    void apri(const QString &assegna = {})
    {
        avviaSuPagina(2, QStringLiteral("denominazione = 'COOP ALFA'")
                             + (assegna.isEmpty() ? QString() : QStringLiteral(", ") + assegna));
    }
    // The amount boxes of one column as the user sees them, rows 2 to 25.
    QString colonnaMostrata(char lettera) const
    {
        QStringList t;
        for (int n = 2; n <= 25; ++n)
            t << box(lettera, n)->text();
        return t.join(QLatin1Char(' '));
    }
    QLineEdit *box(char lettera, int n) const
    {
        return figlio<QLineEdit>(f(),
                                 QStringLiteral("TXT%1%2").arg(QChar::fromLatin1(lettera)).arg(n));
    }
};

// --- Layout --------------------------------------------------------------------

TEST_F(Pagina2, LayoutFramesBoxesAndFootButtonsStandWhereTheFormPutsThem)
{
    apri();
    EXPECT_EQ(f()->windowTitle(), QStringLiteral("Pagina 2 - COOP ALFA"));
    const PostoControllo caselle[] = {
        {"CMBComuneSede", 960, 360, 4455, 315},    {"TXTProvSede", 6240, 360, 1335, 285},
        {"TXTCapSede", 8160, 360, 1215, 285},      {"TXTViaSede", 960, 840, 4455, 285},
        {"TXTTelefonoSede", 6240, 840, 1335, 285}, {"TXTFaxSede", 8160, 840, 1215, 285},
        {"TXTCognomeRef", 1080, 360, 1815, 285},   {"TXTNomeRef", 3960, 360, 1695, 285},
        {"TXTTelRef", 1080, 840, 1215, 285},       {"TXTFaxRef", 3360, 840, 1215, 285},
        {"TXTEmailRef", 5640, 840, 1935, 285},     {"TXTDenomPosta", 4200, 480, 5175, 285},
        {"CMBComunePosta", 960, 960, 4455, 315},   {"TXTProvPosta", 6240, 960, 1335, 285},
        {"TXTCapPosta", 8160, 960, 1215, 285},     {"TXTViaPosta", 960, 1440, 4455, 285},
        {"TXTA1", 3240, 720, 1335, 285},           {"TXTB1", 4560, 720, 1335, 285},
        {"TXTA11", 3240, 3120, 1335, 285},         {"TXTB12", 4560, 3720, 1335, 285},
        {"TXTA25", 3240, 6840, 1335, 285},         {"CMDPrec", 7920, 12600, 1095, 735},
        {"CMDSucces", 9240, 12600, 1095, 735},
    };
    ASSERT_NO_FATAL_FAILURE(controlliAlPosto(f(), caselle));

    const struct
    {
        const char *titolo;
        QRect posto;
    } cornici[] = {
        {"A.12) Sede Legale", ui::rettangolo(360, 360, 9615, 1335)},
        {"A.13) Referente dell'impresa per il progetto", ui::rettangolo(360, 2040, 7815, 1215)},
        {"A.14) Indirizzo al quale inviare la corrispondenza",
         ui::rettangolo(360, 3600, 9615, 2055)},
        {"A.15) STATI PATRIMONIALI (Importi in euro)", ui::rettangolo(360, 6120, 6855, 7575)},
    };
    const QList<QGroupBox *> trovate = f()->findChildren<QGroupBox *>();
    ASSERT_EQ(trovate.size(), qsizetype(std::size(cornici)));
    for (std::size_t i = 0; i < std::size(cornici); ++i) {
        EXPECT_EQ(trovate[i]->title(), QString::fromUtf8(cornici[i].titolo));
        EXPECT_EQ(trovate[i]->geometry(), cornici[i].posto) << cornici[i].titolo;
    }

    // Limits, alignment and colours by kind of box.
    for (const char *t :
         {"TXTViaSede", "TXTTelefonoSede", "TXTFaxSede", "TXTCognomeRef", "TXTNomeRef", "TXTTelRef",
          "TXTFaxRef", "TXTEmailRef", "TXTDenomPosta", "TXTViaPosta"}) {
        EXPECT_EQ(campo(t)->maxLength(), 50) << t;
        EXPECT_TRUE(campo(t)->isEnabled()) << t;
    }
    for (const char *c : {"CMBComuneSede", "CMBComunePosta"}) {
        auto *combo = campo<campi::ComboScheda>(c);
        EXPECT_TRUE(combo->isEditable()) << c;
        EXPECT_EQ(combo->lineEdit()->maxLength(), 32767) << c;
        EXPECT_EQ(combo->insertPolicy(), QComboBox::NoInsert) << c;
        EXPECT_EQ(combo->completer(), nullptr) << c;
    }
    for (const char *b : {"TXTViaSede", "TXTTelefonoSede"})
        EXPECT_EQ(campo(b)->palette().color(QPalette::Base), QColor(Qt::white)) << b;
    const QColor giallo(255, 255, 192);
    for (const char *d : {"TXTProvSede", "TXTCapSede", "TXTProvPosta", "TXTCapPosta", "TXTA3",
                          "TXTB7", "TXTA11", "TXTB12", "TXTA16", "TXTB20", "TXTA25", "TXTB25"}) {
        EXPECT_FALSE(campo(d)->isEnabled()) << d;
        EXPECT_EQ(campo(d)->palette().color(QPalette::Disabled, QPalette::Base), giallo) << d;
        EXPECT_EQ(campo(d)->palette().color(QPalette::Disabled, QPalette::Text),
                  QColor(0x6D, 0x6D, 0x6D))
            << d;
    }
    for (char l : {'A', 'B'}) {
        EXPECT_EQ(box(l, 1)->maxLength(), 4);
        EXPECT_EQ(box(l, 1)->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
        for (int n = 2; n <= 25; ++n)
            EXPECT_EQ(box(l, n)->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight) << l << n;
    }
    EXPECT_EQ(fuoco(), campo<QWidget>("CMBComuneSede")); // where the page opens
}

TEST_F(Pagina2, TheGridCarriesItsCaptionsBlanksIncludedInTheirColours)
{
    apri();
    const QColor verdeChiaro(128, 255, 128), verdePallido(192, 255, 192), rosa(255, 192, 255),
        ciano(128, 255, 255);
    const struct
    {
        const char *testo;
        QRect posto; // twips, inside the frame
        QColor sfondo;
        Qt::Alignment allineamento;
    } etichette[] = {
        {"ATTIVO", ui::rettangolo(960, 480, 2295, 495), verdeChiaro, Qt::AlignLeft},
        {"Penultimo", ui::rettangolo(3240, 480, 1335, 255), verdeChiaro, Qt::AlignHCenter},
        {"Ultimo", ui::rettangolo(4560, 480, 1335, 255), verdeChiaro, Qt::AlignHCenter},
        {"PASSIVO", ui::rettangolo(960, 3400, 4935, 285), verdeChiaro, Qt::AlignLeft},
        {"anni  ", ui::rettangolo(960, 720, 2295, 255), verdeChiaro, Qt::AlignRight},
        {"Rimanenze", ui::rettangolo(960, 960, 2295, 255), verdePallido, Qt::AlignLeft},
        {"Altro attivo circolante", ui::rettangolo(960, 1200, 2295, 255), verdePallido,
         Qt::AlignLeft},
        {"Di cui: disponibilità liquide", ui::rettangolo(960, 1440, 2295, 255), rosa, Qt::AlignLeft},
        {"          crediti a breve", ui::rettangolo(960, 1680, 2295, 255), rosa, Qt::AlignLeft},
        {"          ratei e risconti", ui::rettangolo(960, 1920, 2295, 255), rosa, Qt::AlignLeft},
        {"Immobilizzazioni", ui::rettangolo(960, 2160, 2295, 255), verdePallido, Qt::AlignLeft},
        {"Di cui : immateriali", ui::rettangolo(960, 2400, 2295, 255), rosa, Qt::AlignLeft},
        {"          materiali", ui::rettangolo(960, 2640, 2295, 255), rosa, Qt::AlignLeft},
        {"          finanziarie", ui::rettangolo(960, 2880, 2295, 255), rosa, Qt::AlignLeft},
        {"TOTALE ATTIVO ", ui::rettangolo(960, 3120, 2295, 285), ciano, Qt::AlignRight},
        {"Passivo circolante", ui::rettangolo(960, 3720, 2295, 255), verdePallido, Qt::AlignLeft},
        {"Di cui: debiti a breve vs fornitori", ui::rettangolo(960, 3960, 2295, 375), rosa,
         Qt::AlignLeft},
        {"          debiti a breve vs banche", ui::rettangolo(960, 4200, 2295, 255), rosa,
         Qt::AlignLeft},
        {"          ratei e risconti", ui::rettangolo(960, 4440, 2295, 255), rosa, Qt::AlignLeft},
        {"Passivo a M/L termine", ui::rettangolo(960, 4680, 2295, 255), verdePallido, Qt::AlignLeft},
        {"Di cui: debiti a M/L termine", ui::rettangolo(960, 4920, 2295, 255), rosa, Qt::AlignLeft},
        {"          TFR", ui::rettangolo(960, 5160, 2295, 255), rosa, Qt::AlignLeft},
        {"          Fondi rischi e oneri", ui::rettangolo(960, 5400, 2295, 255), rosa,
         Qt::AlignLeft},
        {"Mezzi propri", ui::rettangolo(960, 5640, 2295, 255), verdePallido, Qt::AlignLeft},
        {"Di cui: Capitale sociale", ui::rettangolo(960, 5880, 2295, 255), rosa, Qt::AlignLeft},
        {"          Riserve", ui::rettangolo(960, 6120, 2295, 255), rosa, Qt::AlignLeft},
        {"          Utili (perd.) port. a nuovo", ui::rettangolo(960, 6360, 2295, 255), rosa,
         Qt::AlignLeft},
        {"          Utili (perd.) dell'esercizio", ui::rettangolo(960, 6600, 2295, 255), rosa,
         Qt::AlignLeft},
        {"TOTALE PASSIVO ", ui::rettangolo(960, 6840, 2295, 285), ciano, Qt::AlignRight},
    };
    QGroupBox *griglia = nullptr;
    for (QGroupBox *g : f()->findChildren<QGroupBox *>())
        if (g->title().startsWith(QLatin1String("A.15)")))
            griglia = g;
    ASSERT_NE(griglia, nullptr);
    const QList<QLabel *> trovate = griglia->findChildren<QLabel *>(Qt::FindDirectChildrenOnly);
    ASSERT_EQ(trovate.size(), qsizetype(std::size(etichette)));
    for (std::size_t i = 0; i < std::size(etichette); ++i) {
        const auto &e = etichette[i];
        const QLabel *l = trovate[i];
        EXPECT_EQ(l->text(), QString::fromUtf8(e.testo)) << i;
        EXPECT_EQ(l->geometry(), e.posto) << e.testo;
        EXPECT_EQ(l->palette().color(QPalette::Window), e.sfondo) << e.testo;
        EXPECT_TRUE(l->autoFillBackground()) << e.testo;
        EXPECT_EQ(l->alignment() & Qt::AlignHorizontal_Mask, e.allineamento) << e.testo;
    }
    // The rows' captions on the left of the other frames, as the form has them.
    QStringList altre;
    for (QLabel *l : f()->findChildren<QLabel *>())
        if (l->parentWidget() != griglia)
            altre << l->text();
    EXPECT_EQ(
        altre.join(QLatin1Char('|')),
        QStringLiteral(
            "Comune|Prov.|Cap.|Indirizzo|Telefono|Fax :|Cognome :|Nome :|Tel. :|Fax :|Email :|"
            "presso (Nome e Cognome o Denominazione sociale) :|Comune :|Prov. :|Cap. :|Indirizzo "
            ":"));
}

TEST_F(Pagina2, TabRunsAlongTheFieldsThenRowWiseThroughTheGridSkippingTotals)
{
    apri();
    QStringList atteso = {"CMBComuneSede", "TXTViaSede",    "TXTTelefonoSede", "TXTFaxSede",
                          "TXTCognomeRef", "TXTNomeRef",    "TXTTelRef",       "TXTFaxRef",
                          "TXTEmailRef",   "TXTDenomPosta", "CMBComunePosta",  "TXTViaPosta"};
    for (int n : {1, 2, 4, 5, 6, 8, 9, 10, 13, 14, 15, 17, 18, 19, 21, 22, 23, 24})
        atteso << QStringLiteral("TXTA%1").arg(n) << QStringLiteral("TXTB%1").arg(n);
    atteso << QStringLiteral("CMDPrec") << QStringLiteral("CMDSucces");
    seguiOrdineTab(atteso);
}

// --- Every column, saved and found again ----------------------------------------

TEST_F(Pagina2, All66ColumnsGoThroughSalvaAndComeBackAfterARestart)
{
    apri();
    const struct
    {
        const char *box;
        const char *tasti;
    } campi[] = {
        {"CMBComuneSede", "sant'elpidio a mare"},
        {"TXTViaSede", "via roma 1"},
        {"TXTTelefonoSede", "071 123"},
        {"TXTFaxSede", "071 456"},
        {"TXTCognomeRef", "bianchi"},
        {"TXTNomeRef", "lucia"},
        {"TXTTelRef", "333 1"},
        {"TXTFaxRef", "071 789"},
        {"TXTEmailRef", "Lucia.Bianchi@Coop.IT"},
        {"TXTDenomPosta", "studio rossi"},
        {"CMBComunePosta", "l'aquila"},
        {"TXTViaPosta", "corso 2"},
    };
    for (const auto &c : campi)
        scriviSenzaUscire(campo<QWidget>(c.box), QString::fromUtf8(c.tasti));
    // The grid: years, then every entered amount row n as n * 100 + 1 (A) and - n (B).
    scriviSenzaUscire(box('A', 1), QStringLiteral("2002"));
    scriviSenzaUscire(box('B', 1), QStringLiteral("2003"));
    for (int n : {2, 4, 5, 6, 8, 9, 10, 13, 14, 15, 17, 18, 19, 21, 22, 23, 24}) {
        scriviSenzaUscire(box('A', n), QString::number(n * 100 + 1));
        scriviSenzaUscire(box('B', n), QString::number(-n));
    }
    clic(p.finestra().CMDSalva); // the last box commits as the button takes the focus
    EXPECT_EQ(p.dialoghi.beep, 0);
    EXPECT_EQ(PaginaModificata, 0);

    const struct
    {
        const char *colonna;
        Variant atteso;
    } testi[] = {
        {"comune_sede", Variant("SANT'ELPIDIO A MARE")},
        {"prov_sede", Variant("FM")},
        {"cap_sede", Variant("63811")},
        {"via_sede", Variant("VIA ROMA 1")},
        {"tel_sede", Variant("071 123")},
        {"fax_sede", Variant("071 456")},
        {"cognome_ref", Variant("BIANCHI")},
        {"nome_ref", Variant("LUCIA")},
        {"tel_ref", Variant("333 1")},
        {"fax_ref", Variant("071 789")},
        {"email_ref", Variant("lucia.bianchi@coop.it")},
        {"denom_posta", Variant("STUDIO ROSSI")},
        {"comune_posta", Variant("L'AQUILA")},
        {"prov_posta", Variant("AQ")},
        {"cap_posta", Variant("67100")},
        {"via_posta", Variant("CORSO 2")},
        {"a1", Variant("2002")},
        {"b1", Variant("2003")},
    };
    QMap<QString, std::function<void()>> verifiche;
    for (const auto &t : testi)
        verifiche[t.colonna] = [this, t] {
            EXPECT_EQ(salvato(1, t.colonna), t.atteso) << t.colonna;
        };
    // Entered rows as typed; subtotals and totals as the grid computed them.
    const auto importo = [](char l, int n) -> double {
        if (n == 3 || n == 7 || n == 12 || n == 16 || n == 20 || n == 11 || n == 25)
            return 0; // computed
        return l == 'a' ? n * 100 + 1 : -n;
    };
    for (char l : {'a', 'b'}) {
        const auto somma = [&](std::initializer_list<int> r) {
            double s = 0;
            for (int n : r)
                s += importo(l, n);
            return s;
        };
        const double r3 = somma({4, 5, 6}), r7 = somma({8, 9, 10}), r12 = somma({13, 14, 15}),
                     r16 = somma({17, 18, 19}), r20 = somma({21, 22, 23, 24});
        for (int n = 2; n <= 24; ++n) {
            double atteso = importo(l, n);
            if (n == 3)
                atteso = r3;
            if (n == 7)
                atteso = r7;
            if (n == 11)
                atteso = importo(l, 2) + r3 + r7;
            if (n == 12)
                atteso = r12;
            if (n == 16)
                atteso = r16;
            if (n == 20)
                atteso = r20;
            const std::string nome = std::string(1, l) + std::to_string(n);
            verifiche[QString::fromStdString(nome)] = [this, nome, atteso] {
                EXPECT_EQ(salvato(1, nome.c_str()).toDouble(), atteso) << nome;
            };
        }
        const std::string totale = std::string(1, l) + "25";
        const Variant atteso(std::int64_t(r12 + r16 + r20));
        verifiche[QString::fromStdString(totale)] = [this, totale, atteso] {
            EXPECT_EQ(salvato(1, totale.c_str()), atteso) << totale;
        };
    }
    verificaColonnePagina(2, verifiche);
    EXPECT_EQ(salvato(1, "denominazione"), Variant("COOP ALFA"));

    const QString colonnaA = colonnaMostrata('A'), colonnaB = colonnaMostrata('B');
    riavvia();
    apriPagina(2);
    EXPECT_TRUE(p.dialoghi.mostrati.isEmpty());
    EXPECT_EQ(campo<QComboBox>("CMBComuneSede")->currentText(),
              QStringLiteral("SANT'ELPIDIO A MARE"));
    EXPECT_EQ(campo("TXTProvSede")->text() + campo("TXTCapSede")->text(),
              QStringLiteral("FM63811"));
    EXPECT_EQ(campo<QComboBox>("CMBComunePosta")->currentText(), QStringLiteral("L'AQUILA"));
    EXPECT_EQ(campo("TXTProvPosta")->text() + campo("TXTCapPosta")->text(),
              QStringLiteral("AQ67100"));
    EXPECT_EQ(campo("TXTEmailRef")->text(), QStringLiteral("lucia.bianchi@coop.it"));
    EXPECT_EQ(campo("TXTViaPosta")->text(), QStringLiteral("CORSO 2"));
    EXPECT_EQ(box('A', 1)->text() + box('B', 1)->text(), QStringLiteral("20022003"));
    EXPECT_EQ(colonnaMostrata('A'), colonnaA);
    EXPECT_EQ(colonnaMostrata('B'), colonnaB);
    EXPECT_EQ(box('A', 11)->text(), QStringLiteral("4.407")); // 201 + 1.503 + 2.703
    EXPECT_EQ(box('B', 25)->text(), QStringLiteral("-186"));  // -42 - 54 - 90
    EXPECT_EQ(PaginaModificata, 0);
}

TEST_F(Pagina2, ARowOfNullsShowsTheDefaultsAndSalvaWritesThem)
{
    apri();
    for (const char *t :
         {"TXTProvSede", "TXTCapSede", "TXTViaSede", "TXTTelefonoSede", "TXTFaxSede",
          "TXTCognomeRef", "TXTNomeRef", "TXTTelRef", "TXTFaxRef", "TXTEmailRef", "TXTDenomPosta",
          "TXTProvPosta", "TXTCapPosta", "TXTViaPosta", "TXTA1", "TXTB1"})
        EXPECT_EQ(campo(t)->text(), QString()) << t;
    for (const char *c : {"CMBComuneSede", "CMBComunePosta"})
        EXPECT_EQ(campo<QComboBox>(c)->currentText(), QString()) << c;
    const QString zeri = QStringList(24, QStringLiteral("0")).join(QLatin1Char(' '));
    EXPECT_EQ(colonnaMostrata('A'), zeri);
    EXPECT_EQ(colonnaMostrata('B'), zeri);
    // Leaving the seat box at once changes nothing.
    tab();
    EXPECT_EQ(PaginaModificata, 0);
    EXPECT_EQ(p.dialoghi.beep, 0);

    f()->Salva();
    for (const char *t : {"comune_sede", "prov_sede", "cap_sede", "via_sede", "fax_sede",
                          "email_ref", "comune_posta", "via_posta", "a1", "b1"})
        EXPECT_EQ(salvato(1, t), Variant("")) << t;
    for (const char *n : {"a2", "a3", "a11", "a24", "b2", "b12", "b24"})
        EXPECT_EQ(salvato(1, n), Variant(0.0)) << n;
    EXPECT_EQ(salvato(1, "a25"), Variant(std::int64_t(0)));
    EXPECT_EQ(salvato(1, "b25"), Variant(std::int64_t(0)));
    EXPECT_EQ(salvato(1, "denominazione"), Variant("COOP ALFA"));
}

TEST_F(Pagina2, TheFaxColumnIsOneColumnUnderEitherSpelling)
{
    // A file whose column is spelt as the page writes it.
    p.cartella.esegui(FileVarnex, PasswordVarnex,
                      QStringLiteral("DROP TABLE Dati; ")
                          + sqlCreaDati().replace(QStringLiteral(" fax_sede "),
                                                  QStringLiteral(" Fax_sede ")));
    apri(QStringLiteral("Fax_sede = 12345"));
    EXPECT_EQ(campo("TXTFaxSede")->text(), QStringLiteral("12345"));
    EXPECT_EQ(valore("fax_sede"), Variant("12345")); // a text variable
    scrivi(campo("TXTFaxSede"), QStringLiteral("071 99"));
    clic(p.finestra().CMDSalva);
    EXPECT_EQ(salvato(1, "Fax_sede"), Variant("071 99"));
    EXPECT_EQ(salvato(1, "fax_sede"), Variant("071 99"));
}

// --- The balance-sheet grid ------------------------------------------------------

TEST_F(Pagina2, AmountsRecomputeTheirGroupThenTheirSideFromTheSheet)
{
    // Column A: stored subtotal a7 stale at 100; column B holds 5 everywhere.
    QString assegna = QStringLiteral("a7 = 100");
    for (int n = 2; n <= 25; ++n)
        assegna += QStringLiteral(", b%1 = 5").arg(n);
    apri(assegna);
    const QString colonnaB = colonnaMostrata('B');
    const struct
    {
        char lettera;
        int riga;
        const char *tasti;
        const char *mostrato;                                // the box after the leave
        std::vector<std::pair<int, const char *>> calcolati; // rows shown after it
        int flag;
    } casi[] = {
        // Row 2 alone renews the total, with the stale stored row 7.
        {'A', 2, "1", "1", {{3, "0"}, {7, "100"}, {11, "101"}}, 1},
        {'A', 4, "2", "2", {{3, "2"}, {7, "100"}, {11, "103"}}, 1},
        {'A', 5, "3", "3", {{3, "5"}, {11, "106"}}, 1},
        {'A', 6, "4", "4", {{3, "9"}, {11, "110"}}, 1},
        {'A', 8, "5", "5", {{7, "5"}, {11, "15"}}, 1},
        {'A', 9, "6", "6", {{7, "11"}, {11, "21"}}, 1},
        {'A', 10, "7", "7", {{7, "18"}, {11, "28"}}, 1},
        // "1234,5" keeps 1234 (half to even) and shows 1.234; 1235,5 gives 1236.
        {'A', 13, "1234,5", "1.234", {{12, "1.234"}, {25, "1.234"}}, 1},
        {'A', 14, "1235.5", "1.236", {{12, "2.470"}, {25, "2.470"}}, 1},
        // A loss lowers its group and the total by its size.
        {'A', 24, "-3000", "-3.000", {{20, "-3.000"}, {25, "-530"}}, 1},
        {'A', 17, "10", "10", {{16, "10"}, {25, "-520"}}, 1},
        // Left unchanged: recomputed and shown again, no flag.
        {'A', 21, "0", "0", {{20, "-3.000"}, {25, "-520"}}, 0},
    };
    for (const auto &c : casi) {
        PaginaModificata = 0;
        // Left for a box outside the grid: Tab would leave a column B box too.
        scriviSenzaUscire(box(c.lettera, c.riga), QString::fromLatin1(c.tasti));
        entra(campo("TXTViaSede"));
        EXPECT_EQ(box(c.lettera, c.riga)->text(), QString::fromLatin1(c.mostrato)) << c.riga;
        for (const auto &[r, t] : c.calcolati)
            EXPECT_EQ(box(c.lettera, r)->text(), QString::fromLatin1(t))
                << "after row " << c.riga << ", row " << r;
        EXPECT_EQ(PaginaModificata, c.flag) << c.riga;
    }
    EXPECT_EQ(colonnaMostrata('B'), colonnaB); // column A never touches column B
    EXPECT_EQ(p.dialoghi.beep, 0);
    // Held as numbers: whole amounts, a 32-bit total.
    EXPECT_EQ(valore("a13"), Variant(1234.0));
    EXPECT_EQ(valore("a3"), Variant(9.0));
    EXPECT_EQ(valore("a25"), Variant(std::int64_t(-520)));

    // Column B renews its own rows only.
    const QString colonnaA = colonnaMostrata('A');
    scriviSenzaUscire(box('B', 2), QStringLiteral("10"));
    entra(campo("TXTViaSede"));
    EXPECT_EQ(box('B', 11)->text(), QStringLiteral("20")); // 10 + stored 5 + stored 5
    EXPECT_EQ(colonnaMostrata('A'), colonnaA);
}

TEST_F(Pagina2, WrongAmountsBeepAndRenewNothing)
{
    apri(QStringLiteral("a13 = 1234, a12 = 7, a25 = 9"));
    const struct
    {
        const char *tasti;
    } casi[] = {{""}, {"abc"}, {"12a"}, {"1e3"}, {"1,2,3"}};
    int beep = 0;
    for (const auto &c : casi) {
        scrivi(box('A', 13), QString::fromLatin1(c.tasti));
        EXPECT_EQ(p.dialoghi.beep, ++beep) << c.tasti;
        EXPECT_EQ(box('A', 13)->text(), QStringLiteral("1234")) << c.tasti; // plain, not 1.234
        EXPECT_EQ(fuoco(), box('B', 13)) << c.tasti;
        EXPECT_EQ(box('A', 12)->text(), QStringLiteral("7")) << c.tasti; // stale, not renewed
        EXPECT_EQ(box('A', 25)->text(), QStringLiteral("9")) << c.tasti;
        EXPECT_EQ(PaginaModificata, 0) << c.tasti;
    }
    // A full stop typed in an amount is the decimal comma; in a year box it stays.
    entra(box('A', 2));
    digita(QStringLiteral("1.5"));
    EXPECT_EQ(box('A', 2)->text(), QStringLiteral("1,5"));
    entra(box('A', 1));
    digita(QStringLiteral("20.3"));
    EXPECT_EQ(box('A', 1)->text(), QStringLiteral("20.3"));
    tab();
    EXPECT_EQ(valore("a1"), Variant("20.3"));
    EXPECT_EQ(valore("a2"), Variant(2.0));
}

TEST_F(Pagina2, TheLiabilitiesTotalHoldsExactly32BitsAndOnePastIsWrongInput)
{
    apri(QStringLiteral("a13 = 2147483000, b13 = -2147483000"));
    const struct
    {
        char lettera;
        const char *tasti;
        bool accettato;
        const char *totale;
    } casi[] = {
        {'A', "647", true, "2.147.483.647"},
        {'A', "648", false, "2.147.483.647"},
        {'B', "-648", true, "-2.147.483.648"},
        {'B', "-649", false, "-2.147.483.648"},
        {'A', "99999999999", false, "2.147.483.647"},
        {'A', "646,5", true, "2.147.483.646"}, // 646 after rounding half to even
    };
    int beep = 0;
    for (const auto &c : casi) {
        PaginaModificata = 0;
        const QString prima = box(c.lettera, 14)->text();
        scrivi(box(c.lettera, 14), QString::fromLatin1(c.tasti));
        beep += c.accettato ? 0 : 1;
        EXPECT_EQ(p.dialoghi.beep, beep) << c.tasti;
        EXPECT_EQ(box(c.lettera, 25)->text(), QString::fromLatin1(c.totale)) << c.tasti;
        EXPECT_EQ(PaginaModificata, c.accettato ? 1 : 0) << c.tasti;
        if (!c.accettato) // the stored value back, plain
            EXPECT_EQ(box(c.lettera, 14)->text(), QString(prima).remove(QLatin1Char('.')))
                << c.tasti;
    }
    EXPECT_EQ(valore("a14"), Variant(646.0));
    EXPECT_EQ(valore("a25"), Variant(std::int64_t(2147483646)));
    EXPECT_EQ(valore("b25"), Variant(std::int64_t(-2147483648LL)));
}

TEST_F(Pagina2, AStoredTotalBeyond32BitsOpensThePageWithABeepAndItsDefault)
{
    apri(QStringLiteral("a25 = 3000000000, b25 = -5, a13 = 1"));
    ASSERT_NE(f(), nullptr);
    EXPECT_EQ(p.dialoghi.beep, 1);
    EXPECT_TRUE(p.dialoghi.mostrati.isEmpty()); // no error box
    EXPECT_EQ(box('A', 25)->text(), QStringLiteral("0"));
    EXPECT_EQ(box('B', 25)->text(), QStringLiteral("-5"));
    EXPECT_EQ(box('A', 13)->text(), QStringLiteral("1"));
    EXPECT_EQ(PaginaModificata, 0);
    scrivi(box('A', 14), QStringLiteral("2"));
    EXPECT_EQ(box('A', 25)->text(), QStringLiteral("3"));
}

// --- Validare ------------------------------------------------------------------

TEST_F(Pagina2, AMenuCommandCommitsThePendingEditOfAnyBoxGridIncluded)
{
    apri();
    scriviSenzaUscire(box('B', 5), QStringLiteral("250"));
    f()->Validare();
    EXPECT_EQ(NomeControllo, QStringLiteral("TXTB5"));
    EXPECT_EQ(box('B', 5)->text(), QStringLiteral("250"));
    EXPECT_EQ(box('B', 3)->text(), QStringLiteral("250"));
    EXPECT_EQ(box('B', 11)->text(), QStringLiteral("250"));
    EXPECT_EQ(PaginaModificata, 1);

    scriviSenzaUscire(campo("TXTNomeRef"), QStringLiteral("anna"));
    p.dialoghi.rispondi(dlg::vbYes);
    p.finestra().MNUEsciItem->trigger();
    EXPECT_EQ(domandeSalva(), 1);
    EXPECT_EQ(salvato(1, "nome_ref"), Variant("ANNA"));
    EXPECT_EQ(salvato(1, "b5").toDouble(), 250.0);
    EXPECT_EQ(salvato(1, "b11").toDouble(), 250.0);
    EXPECT_EQ(p.uscita, 0);
}

} // namespace
