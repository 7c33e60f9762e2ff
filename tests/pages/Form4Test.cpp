// Page 4 in the whole program on real files: the layout, the four-choice
// legal form, the three look-ups, the employees grid, every column through
// Salva and a restart, the Null defaults and Validare (the foot buttons:
// PulsantiPiedeTest).

#include "Interazione.h"

#include "core/Archivio.h"
#include "core/FileDati.h"
#include "core/Globali.h"
#include "pages/PaginaScheda.h"
#include "pages/campi/Combo.h"
#include "pages/campi/Ricerca.h"
#include "platform/db/Recordset.h"
#include "shell/MostraPagina.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>
#include <cmath>
#include <gtest/gtest.h>

using namespace scheda;
using ado::Variant;
using namespace prova;

namespace {

const QString Castelfidardo = QStringLiteral("CASTELFIDARDO");
const QString Panetteria = QStringLiteral("Produzione di prodotti di panetteria");

class Pagina4 : public prova::ConPagina<4>
{
protected:
    // Opens page 4 afresh on the row as the file holds it now.
    static void riapri()
    {
        chiudiForm(4);
        apriForm(4);
    }
    QComboBox *combo(const char *nome) const { return campo<QComboBox>(nome); }
    QString descrizione(const char *nome) const
    {
        return campo<QPlainTextEdit>(nome)->toPlainText();
    }
    // A click on the button's circle (a wide button takes no click past its caption).
    void clicOpzione(const char *nome) const
    {
        auto *b = campo<QRadioButton>(nome);
        QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(8, b->height() / 2));
    }
    // The button of the option group that shows, 0 for none.
    int scelto() const
    {
        for (int k = 1; k <= 4; ++k)
            if (campo<QRadioButton>(qPrintable(QStringLiteral("OPTGiuri%1").arg(k)))->isChecked())
                return k;
        return 0;
    }
};

// --- Layout --------------------------------------------------------------------

TEST_F(Pagina4, LayoutAsTheFormGivesIt)
{
    apri();
    EXPECT_EQ(f()->windowTitle(), QStringLiteral("Pagina 4 - COOP"));
    const PostoControllo posti[] = {
        {"TXTDenomPromo", 2040, 840, 7575, 285},
        {"B2", 360, 1320, 5295, 1815},
        {"OPTGiuri1", 600, 360, 4095, 255},
        {"OPTGiuri4", 600, 1440, 4095, 255},
        {"TXTCodFisc", 2040, 3360, 1815, 285},
        {"TXTIva", 2040, 3840, 1815, 285},
        {"B5", 360, 4320, 9615, 2055},
        {"TXTAttivitaPromo", 1320, 360, 7935, 285},
        {"CMBIstatPromo", 2400, 800, 2055, 315},
        {"TXTDescIstatPromo", 120, 1320, 9135, 525},
        {"C1", 360, 7080, 9615, 1335},
        {"CMBComuneLoc", 960, 360, 4455, 315},
        {"TXTProvLoc", 6240, 360, 1095, 285},
        {"TXTCapLoc", 8040, 360, 975, 285},
        {"TXTIndirizzoLoc", 960, 840, 4455, 285},
        {"TXTTelefonoLoc", 6240, 840, 1095, 285},
        {"TXTFaxLoc", 8040, 840, 975, 285},
        {"C2", 360, 8760, 9615, 2055},
        {"TXTAttivita", 1320, 360, 7935, 285},
        {"CMBIstat", 2280, 800, 2055, 315},
        {"TXTDescIstat", 120, 1320, 9135, 525},
        {"C3", 360, 11160, 6015, 2655},
        {"TXTDipA1", 1920, 1080, 975, 285},
        {"TXTDipB2", 2880, 1440, 975, 285},
        {"TXTDipC3", 3840, 1800, 975, 285},
        {"TXTDipC4", 3840, 2160, 975, 285},
        {"CMDPrec", 7920, 12720, 1095, 735},
        {"CMDSucces", 9240, 12720, 1095, 735},
    };
    ASSERT_NO_FATAL_FAILURE(controlliAlPosto(f(), posti));

    const char *const pulsanti[] = {"A) Cooperativa di produzione-lavoro", "B) Cooperativa sociale",
                                    "C) Consorzio di cooperative di produzione-lavoro",
                                    "D) Consorzio di cooperative sociali"};
    for (int k = 1; k <= 4; ++k)
        EXPECT_EQ(campo<QRadioButton>(qPrintable(QStringLiteral("OPTGiuri%1").arg(k)))->text(),
                  QString::fromUtf8(pulsanti[k - 1]));
    QStringList cornici;
    for (QGroupBox *g : f()->findChildren<QGroupBox *>())
        cornici << g->title();
    for (const char *c :
         {"B.2) Natura giuridica", "B.5) Attività svolta dal soggetto promotore",
          "C.1) Unità locale", "C.2) Attività svolta presso l'unità locale",
          "C.3) Occupazione media prevista nell'unità locale oggetto del programma"})
        EXPECT_TRUE(cornici.contains(QString::fromUtf8(c))) << c;
    QStringList etichette;
    for (QLabel *l : f()->findChildren<QLabel *>()) {
        etichette << l->text();
        if (l->text().startsWith(QStringLiteral("B) "))
            || l->text().startsWith(QStringLiteral("C) ")))
            EXPECT_TRUE(l->font().bold()) << qPrintable(l->text());
    }
    for (const char *e : {"B) DATI RELATIVI AL SOGGETTO PROMOTORE",
                          "B.1) Denominazione :",
                          "B.3) Cod. Fiscale :",
                          "B.4) P. IVA",
                          "Attività svolta :",
                          "Codice ISTAT (Ateco 2002)",
                          "C) DATI RELATIVI AL PROGRAMMA DI INVESTIMENTI",
                          "Comune",
                          "Prov.",
                          "Cap.",
                          "Indirizzo",
                          "Telefono",
                          "Fax :",
                          "DOMANDA",
                          "DIPENDE. (n.unità)",
                          "eserci. ante.",
                          "terzo eserc.",
                          "Variazione",
                          "- dirigenti",
                          "- impiegati",
                          "- operai",
                          "  totale"})
        EXPECT_TRUE(etichette.contains(QString::fromUtf8(e))) << e;

    const struct
    {
        const char *box;
        int limite;
    } limiti[] = {{"TXTDenomPromo", 50},    {"TXTCodFisc", 16},      {"TXTIva", 11},
                  {"TXTAttivitaPromo", 50}, {"TXTIndirizzoLoc", 50}, {"TXTTelefonoLoc", 50},
                  {"TXTFaxLoc", 50},        {"TXTAttivita", 50}};
    for (const auto &l : limiti)
        EXPECT_EQ(campo(l.box)->maxLength(), l.limite) << l.box;
    for (const char *c : {"CMBIstatPromo", "CMBComuneLoc", "CMBIstat"}) {
        EXPECT_TRUE(combo(c)->isEditable()) << c;
        EXPECT_EQ(combo(c)->lineEdit()->maxLength(), 32767) << c;
    }
    for (const char *b : {"TXTCodFisc", "TXTIva"})
        EXPECT_EQ(campo(b)->palette().color(QPalette::Base), QColor(Qt::white)) << b;

    // Display and computed boxes: disabled, light yellow; the descriptions of several lines.
    const QColor giallo(255, 255, 192);
    for (const char *d : {"TXTProvLoc", "TXTCapLoc", "TXTDipA4", "TXTDipB4", "TXTDipC1", "TXTDipC2",
                          "TXTDipC3", "TXTDipC4"}) {
        EXPECT_FALSE(campo(d)->isEnabled()) << d;
        EXPECT_EQ(campo(d)->palette().color(QPalette::Disabled, QPalette::Base), giallo) << d;
    }
    for (const char *d : {"TXTDescIstatPromo", "TXTDescIstat"}) {
        EXPECT_FALSE(campo<QPlainTextEdit>(d)->isEnabled()) << d;
        EXPECT_EQ(campo<QPlainTextEdit>(d)->palette().color(QPalette::Disabled, QPalette::Base), giallo)
            << d;
    }
    for (const char *n : {"TXTDipA1", "TXTDipB3", "TXTDipA4", "TXTDipC4"})
        EXPECT_TRUE(campo(n)->alignment() & Qt::AlignRight) << n;
    for (const char *n : {"TXTDipA1", "TXTDipB3"})
        EXPECT_TRUE(campo(n)->isEnabled()) << n;
}

TEST_F(Pagina4, FocusOrderBoxesLookUpsGridThenTheLegalForm)
{
    apri();
    EXPECT_EQ(fuoco(), campo("TXTDenomPromo")); // the page opens on its first box
    const QStringList ordine = {"TXTDenomPromo",    "TXTCodFisc",     "TXTIva",
                                "TXTAttivitaPromo", "CMBIstatPromo",  "CMBComuneLoc",
                                "TXTIndirizzoLoc",  "TXTTelefonoLoc", "TXTFaxLoc",
                                "TXTAttivita",      "CMBIstat",       "TXTDipA1",
                                "TXTDipB1",         "TXTDipA2",       "TXTDipB2",
                                "TXTDipA3",         "TXTDipB3",       "OPTGiuri1",
                                "CMDPrec",          "CMDSucces"};
    seguiOrdineTab(ordine);
}

// --- Legal form ----------------------------------------------------------------

TEST_F(Pagina4, TheLegalFormShowsItsCodeAndSalvaWritesItBack)
{
    apri();
    const struct
    {
        const char *stored;
        int mostrato;
        Variant scritto;
    } casi[] = {
        {"NULL", 1, Variant(1)}, {"1", 1, Variant(1)}, {"2", 2, Variant(2)}, {"3", 3, Variant(3)},
        {"4", 4, Variant(4)},    {"7", 0, Variant(7)}, {"0", 0, Variant(0)}, {"-2", 0, Variant(-2)},
    };
    for (const auto &c : casi) {
        SCOPED_TRACE(c.stored);
        p.cartella.esegui(FileVarnex, PasswordVarnex,
                          QStringLiteral("UPDATE Dati SET nat_giuri_promo = %1")
                              .arg(QLatin1String(c.stored)));
        riapri();
        EXPECT_EQ(scelto(), c.mostrato);
        EXPECT_EQ(PaginaModificata, 0);
        f()->Salva();
        EXPECT_TRUE(salvato(1, "nat_giuri_promo").looselyEquals(c.scritto));
    }
}

TEST_F(Pagina4, AClickRaisesTheFlagOnlyForAnotherCode)
{
    apri(QStringLiteral("nat_giuri_promo = 3"));
    clicOpzione("OPTGiuri3");
    EXPECT_EQ(PaginaModificata, 0);
    clicOpzione("OPTGiuri2");
    EXPECT_EQ(PaginaModificata, 1);
    EXPECT_EQ(ValoreOpzione, 2);
    clicOpzione("OPTGiuri3");
    EXPECT_EQ(PaginaModificata, 1); // back to the stored code: still modified
    clicOpzione("OPTGiuri4");
    EXPECT_EQ(valore("nat_giuri_promo").toDouble(), 3.0); // only Salva takes the code
    clic(p.finestra().CMDSalva);
    EXPECT_EQ(salvato(1, "nat_giuri_promo"), Variant(4));
}

// --- Every column, saved and found again ---------------------------------------

TEST_F(Pagina4, All28ColumnsGoThroughSalvaAndComeBackAfterARestart)
{
    apri();
    const struct
    {
        const char *box;
        const char *tasti;
        const char *colonna;
        Variant atteso;
        const char *mostrato;
    } campi[] = {
        {"TXTDenomPromo", "consorzio beta", "denominazione_promo", Variant("CONSORZIO BETA"),
         "CONSORZIO BETA"},
        {"TXTCodFisc", "rssmra60c05a271x", "cod_fiscale_promo", Variant("RSSMRA60C05A271X"),
         "RSSMRA60C05A271X"},
        {"TXTIva", "it012345678", "partita_iva_promo", Variant("IT012345678"), "IT012345678"},
        {"TXTAttivitaPromo", "panificazione", "attivita_promo", Variant("PANIFICAZIONE"),
         "PANIFICAZIONE"},
        {"CMBIstatPromo", "15.81.1", "istat_codice_promo", Variant("15.81.1"), "15.81.1"},
        {"CMBComuneLoc", "castelfidardo", "comune_loc", Variant(Castelfidardo), "CASTELFIDARDO"},
        {"TXTIndirizzoLoc", "via roma 1", "indirizzo_loc", Variant("VIA ROMA 1"), "VIA ROMA 1"},
        {"TXTTelefonoLoc", "071 123 int. a", "telefono_loc", Variant("071 123 INT. A"),
         "071 123 INT. A"},
        {"TXTFaxLoc", "071 9x", "fax_loc", Variant("071 9X"), "071 9X"},
        {"TXTAttivita", "assistenza", "attivita", Variant("ASSISTENZA"), "ASSISTENZA"},
        {"CMBIstat", "85.32", "istat_codice", Variant("85.32"), "85.32"},
        {"TXTDipA1", "1", "dipa1", Variant(1.0), "1,0"},
        {"TXTDipB1", "2.5", "dipb1", Variant(2.5), "2,5"},
        {"TXTDipA2", "0,04", "dipa2", Variant(0.1), ",1"},
        {"TXTDipB2", "1234,56", "dipb2", Variant(1234.6), "1.234,6"},
        {"TXTDipA3", "-1,26", "dipa3", Variant(-1.2), "-1,2"},
        {"TXTDipB3", "7", "dipb3", Variant(7.0), "7,0"},
    };
    for (const auto &c : campi)
        scriviSenzaUscire(campo<QWidget>(c.box), QString::fromLatin1(c.tasti));
    clicOpzione("OPTGiuri4"); // the last box commits here
    EXPECT_EQ(p.dialoghi.beep, 0);
    // Every edit is in the in-memory sheet before any save.
    EXPECT_EQ(valore("partita_iva_promo"), Variant("IT012345678"));
    clic(p.finestra().CMDSalva);
    EXPECT_EQ(PaginaModificata, 0);

    const struct
    {
        const char *colonna;
        Variant atteso;
        const char *box;
        const char *mostrato;
    } calcolati[] = {
        {"nat_giuri_promo", Variant(4), nullptr, nullptr},
        {"istat_descrizione_promo", Variant(Panetteria), nullptr, nullptr},
        {"prov_loc", Variant("AN"), "TXTProvLoc", "AN"},
        {"cap_loc", Variant("60022"), "TXTCapLoc", "60022"},
        {"istat_descrizione", Variant("Assistenza sociale non residenziale"), nullptr, nullptr},
        {"dipa4", Variant(1.0 + 0.1 + -1.2), "TXTDipA4", "-,1"},
        {"dipb4", Variant(2.5 + 1234.6 + 7.0), "TXTDipB4", "1.244,1"},
        {"dipc1", Variant(1.5), "TXTDipC1", "1,5"},
        {"dipc2", Variant(1234.6 - 0.1), "TXTDipC2", "1.234,5"},
        {"dipc3", Variant(7.0 - -1.2), "TXTDipC3", "8,2"},
        {"dipc4", Variant(1.5 + (1234.6 - 0.1) + (7.0 - -1.2)), "TXTDipC4", "1.244,2"},
    };
    QMap<QString, std::function<void()>> verifiche;
    const auto verifica = [&](const auto &righe) {
        for (const auto &c : righe)
            verifiche[c.colonna] = [this, colonna = c.colonna, atteso = c.atteso] {
                EXPECT_TRUE(salvato(1, colonna).looselyEquals(atteso)) << colonna;
            };
    };
    verifica(campi);
    verifica(calcolati);
    verificaColonnePagina(4, verifiche);
    EXPECT_EQ(salvato(1, "denominazione"), Variant("COOP")); // page 4 never writes it

    riavvia();
    apriPagina(4);
    EXPECT_TRUE(p.dialoghi.mostrati.isEmpty());
    for (const auto &c : campi) {
        const QString mostrato = QLatin1String(c.box).startsWith(QLatin1String("CMB"))
                                     ? combo(c.box)->currentText()
                                     : campo(c.box)->text();
        EXPECT_EQ(mostrato, QString::fromLatin1(c.mostrato)) << c.box;
    }
    for (const auto &c : calcolati)
        if (c.box)
            EXPECT_EQ(campo(c.box)->text(), QString::fromLatin1(c.mostrato)) << c.box;
    EXPECT_EQ(descrizione("TXTDescIstatPromo"), Panetteria);
    EXPECT_EQ(descrizione("TXTDescIstat"), QStringLiteral("Assistenza sociale non residenziale"));
    EXPECT_EQ(scelto(), 4);
    EXPECT_EQ(PaginaModificata, 0);
}

TEST_F(Pagina4, ARowOfNullsShowsTheDefaultsAndSalvaWritesThem)
{
    apri();
    for (const char *t :
         {"TXTDenomPromo", "TXTCodFisc", "TXTIva", "TXTAttivitaPromo", "TXTProvLoc", "TXTCapLoc",
          "TXTIndirizzoLoc", "TXTTelefonoLoc", "TXTFaxLoc", "TXTAttivita"})
        EXPECT_EQ(campo(t)->text(), QString()) << t;
    for (const char *c : {"CMBIstatPromo", "CMBComuneLoc", "CMBIstat"})
        EXPECT_EQ(combo(c)->currentText(), QString()) << c;
    EXPECT_EQ(descrizione("TXTDescIstatPromo"), QString());
    for (const char l : {'A', 'B', 'C'})
        for (int k = 1; k <= 4; ++k) {
            const QString nome = QStringLiteral("TXTDip%1%2").arg(QLatin1Char(l)).arg(k);
            EXPECT_EQ(campo(qPrintable(nome))->text(), QStringLiteral(",0")) << qPrintable(nome);
        }
    EXPECT_EQ(scelto(), 1);
    EXPECT_EQ(PaginaModificata, 0);

    f()->Salva(); // without any edit: every column written
    EXPECT_EQ(salvato(1, "denominazione_promo"), Variant(""));
    EXPECT_EQ(salvato(1, "istat_descrizione"), Variant(""));
    EXPECT_EQ(salvato(1, "nat_giuri_promo"), Variant(1));
    for (const char *n : {"dipa1", "dipb4", "dipc4"})
        EXPECT_EQ(salvato(1, n).toDouble(), 0.0) << n;
}

TEST_F(Pagina4, AStoredTextLongerThanItsLimitIsShownAndWrittenBackWhole)
{
    const QString lungo = QStringLiteral(
        "CONSORZIO DI COOPERATIVE SOCIALI DELLA PROVINCIA DI ANCONA E DINTORNI");
    const QString codice = QStringLiteral("IT-RSSMRA60C05A271X");
    apri(QStringLiteral("denominazione_promo = '%1', cod_fiscale_promo = '%2'").arg(lungo, codice));
    EXPECT_EQ(campo("TXTDenomPromo")->text(), lungo);
    EXPECT_EQ(campo("TXTCodFisc")->text(), codice);
    entra(campo("TXTCodFisc"));
    EXPECT_EQ(campo("TXTCodFisc")->selectedText(), codice);
    tab(); // left as it was: kept whole, no flag
    EXPECT_EQ(valore("cod_fiscale_promo"), Variant(codice));
    EXPECT_EQ(PaginaModificata, 0);
    f()->Salva();
    EXPECT_EQ(salvato(1, "denominazione_promo"), Variant(lungo));
    EXPECT_EQ(salvato(1, "cod_fiscale_promo"), Variant(codice));

    // Typing is held to the limit.
    scrivi(campo("TXTIva"), QStringLiteral("0123456789012345"));
    EXPECT_EQ(valore("partita_iva_promo"), Variant("01234567890"));
}

// --- Look-ups ------------------------------------------------------------------

TEST_F(Pagina4, TheLocalUnitTakesOnlyAMunicipalityOfTheRegion)
{
    apri(QStringLiteral("comune_loc = 'FABRIANO', prov_loc = 'AN', cap_loc = '60044'"));
    // Outside the region: beep, the stored value back, nothing changed.
    for (const char *fuori : {"roma", "milano", "Castelfidardo "}) {
        SCOPED_TRACE(fuori);
        scrivi(combo("CMBComuneLoc"), QString::fromLatin1(fuori));
        EXPECT_EQ(combo("CMBComuneLoc")->currentText(), QStringLiteral("FABRIANO"));
        EXPECT_EQ(valore("comune_loc"), Variant("FABRIANO"));
        EXPECT_EQ(campo("TXTCapLoc")->text(), QStringLiteral("60044"));
        EXPECT_EQ(PaginaModificata, 0);
    }
    EXPECT_EQ(p.dialoghi.beep, 3);

    const struct
    {
        const char *tasti;
        const char *comune, *prov, *cap;
    } dentro[] = {
        {"castelfidardo", "CASTELFIDARDO", "AN", "60022"},
        {"morro d'alba", "MORRO D'ALBA", "AN", "60030"},
        {"Recanati", "RECANATI", "MC", "62019"},
        {"montefiore dell'aso", "MONTEFIORE DELL'ASO", "AP", "63062"},
    };
    for (const auto &d : dentro) {
        SCOPED_TRACE(d.tasti);
        PaginaModificata = 0;
        scrivi(combo("CMBComuneLoc"), QString::fromLatin1(d.tasti));
        EXPECT_EQ(combo("CMBComuneLoc")->currentText(), QString::fromLatin1(d.comune));
        EXPECT_EQ(valore("comune_loc"), Variant(d.comune));
        EXPECT_EQ(valore("prov_loc"), Variant(d.prov));
        EXPECT_EQ(campo("TXTProvLoc")->text(), QString::fromLatin1(d.prov));
        EXPECT_EQ(campo("TXTCapLoc")->text(), QString::fromLatin1(d.cap));
        EXPECT_EQ(PaginaModificata, 1);
        EXPECT_EQ(ComuneTrovato, 1);
    }
    EXPECT_EQ(p.dialoghi.beep, 3);

    // The open list holds the region's municipalities only.
    combo("CMBComuneLoc")->showPopup();
    auto *ricerca = qobject_cast<campi::CampoRicerca *>(f()->campo(QStringLiteral("CMBComuneLoc")));
    ASSERT_NE(ricerca, nullptr);
    EXPECT_EQ(combo("CMBComuneLoc")->count(), RsComuneRegione->RecordCount());
    EXPECT_GT(combo("CMBComuneLoc")->count(), 200);
    for (int i = 0; i < combo("CMBComuneLoc")->count(); ++i)
        ASSERT_TRUE(ProvinceRegione.contains(ricerca->dettaglio(i))) << i;
    combo("CMBComuneLoc")->hidePopup();
}

TEST_F(Pagina4, AnActivityCodeFillsItsDescriptionAndLeavesTheOtherBoxAlone)
{
    apri(QStringLiteral("istat_codice = '85.32', istat_descrizione = 'VECCHIA DESCRIZIONE'"));
    scrivi(combo("CMBIstatPromo"), QStringLiteral("15.81.1"));
    EXPECT_EQ(valore("istat_codice_promo"), Variant("15.81.1"));
    EXPECT_EQ(valore("istat_descrizione_promo"), Variant(Panetteria));
    EXPECT_EQ(descrizione("TXTDescIstatPromo"), Panetteria);
    EXPECT_EQ(PaginaModificata, 1);
    // The other box keeps its stored values, although both read one list.
    EXPECT_EQ(combo("CMBIstat")->currentText(), QStringLiteral("85.32"));
    EXPECT_EQ(descrizione("TXTDescIstat"), QStringLiteral("VECCHIA DESCRIZIONE"));
    EXPECT_EQ(valore("istat_descrizione"), Variant("VECCHIA DESCRIZIONE"));

    // An unknown code refused; a subsection typed in lower case taken.
    scrivi(combo("CMBIstat"), QStringLiteral("99.99"));
    EXPECT_EQ(p.dialoghi.beep, 1);
    EXPECT_EQ(combo("CMBIstat")->currentText(), QStringLiteral("85.32"));
    EXPECT_EQ(valore("istat_codice"), Variant("85.32"));
    scrivi(combo("CMBIstat"), QStringLiteral("da"));
    EXPECT_EQ(valore("istat_codice"), Variant("DA"));
    EXPECT_EQ(descrizione("TXTDescIstat"),
              QStringLiteral("Industrie alimentari, delle bevande e del tabacco"));

    // A pick in one list leaves the other box's code and description as they are.
    scegli(combo("CMBIstat"), 1); // the list in code order: "01", "01.1", ...
    EXPECT_EQ(valore("istat_codice"), Variant("01.1"));
    EXPECT_EQ(descrizione("TXTDescIstat"),
              QStringLiteral("Coltivazioni agricole; orticoltura, floricoltura"));
    PaginaModificata = 0;
    tab(); // the pick raises the flag when the box is left
    EXPECT_EQ(PaginaModificata, 1);
    EXPECT_EQ(valore("istat_codice_promo"), Variant("15.81.1"));
    EXPECT_EQ(descrizione("TXTDescIstatPromo"), Panetteria);
    EXPECT_EQ(combo("CMBIstatPromo")->currentText(), QStringLiteral("15.81.1"));
    EXPECT_EQ(p.dialoghi.beep, 1);
}

TEST(Pagina4Riferimenti, AnEmptyListOrANullInAReferenceRowIsNoCrash)
{
    ProgrammaProva q;
    q.cartella.aggiungiSchede(1);
    q.cartella.esegui(FileIdentifica, PasswordIdentifica, QStringLiteral("DELETE FROM ateco_2002"));
    q.cartella.esegui(FileIdentifica, PasswordIdentifica,
                      QStringLiteral("INSERT INTO comune (descrizione, id_provincia, cap) VALUES "
                                     "(NULL, 'AN', '60000'), ('BORGO NUOVO', 'MC', NULL)"));
    ASSERT_TRUE(q.avviaSuPagina(4));
    PaginaScheda *f = Form(4);
    ASSERT_NE(f, nullptr);
    auto *istat = f->findChild<QComboBox *>(QStringLiteral("CMBIstat"));
    istat->showPopup();
    EXPECT_EQ(istat->count(), 0);
    istat->hidePopup();
    scrivi(istat, QStringLiteral("85.32"));
    EXPECT_EQ(q.dialoghi.beep, 1);
    EXPECT_EQ(valore("istat_codice"), Variant(""));

    auto *comune = f->findChild<QComboBox *>(QStringLiteral("CMBComuneLoc"));
    comune->showPopup();
    EXPECT_EQ(comune->itemText(0), QString()); // the row without a name
    comune->hidePopup();
    scrivi(comune, QStringLiteral("borgo nuovo"));
    EXPECT_EQ(valore("comune_loc"), Variant("BORGO NUOVO"));
    EXPECT_EQ(valore("prov_loc"), Variant("MC"));
    EXPECT_EQ(valore("cap_loc"), Variant(""));
    EXPECT_EQ(q.dialoghi.beep, 1);
}

// --- Employees grid ------------------------------------------------------------

TEST_F(Pagina4, TheGridStoresTheSmallestTenthNotBelowTheTypedValue)
{
    apri();
    const struct
    {
        const char *tasti;
        double stored; // compared exactly with the tenth's literal
        const char *mostrato;
    } casi[] = {
        {"2,31", 2.4, "2,4"},
        {"2,3", 2.3, "2,3"},
        {"7", 7.0, "7,0"},
        {"0,04", 0.1, ",1"},
        {"0,25", 0.3, ",3"},
        {"-1,26", -1.2, "-1,2"},
        {"2,25", 2.3, "2,3"},
        {"-0,5", -0.5, "-,5"},
        {"2.5", 2.5, "2,5"},
        {"0", 0.0, ",0"},
        {"1234,56", 1234.6, "1.234,6"},
    };
    for (const auto &c : casi) {
        SCOPED_TRACE(c.tasti);
        scrivi(campo("TXTDipB2"), QString::fromLatin1(c.tasti));
        EXPECT_EQ(valore("dipb2").toDouble(), c.stored);
        EXPECT_EQ(campo("TXTDipB2")->text(), QString::fromLatin1(c.mostrato));
        // The row's change and the column total follow at once.
        EXPECT_EQ(valore("dipc2").toDouble(), c.stored);
        EXPECT_EQ(campo("TXTDipC2")->text(), QString::fromLatin1(c.mostrato));
        EXPECT_EQ(campo("TXTDipB4")->text(), QString::fromLatin1(c.mostrato));
        EXPECT_EQ(campo("TXTDipC4")->text(), QString::fromLatin1(c.mostrato));
    }
    EXPECT_EQ(p.dialoghi.beep, 0);
}

TEST_F(Pagina4, RetypingWhatTheBoxShowsRaisesNoFlagAndNoChangeShowsMinusZero)
{
    apri();
    scrivi(campo("TXTDipA1"), QStringLiteral("2,25"));
    scrivi(campo("TXTDipB1"), QStringLiteral("2,3"));
    EXPECT_EQ(valore("dipc1").toDouble(), 0.0);
    EXPECT_FALSE(std::signbit(valore("dipc1").toDouble()));
    EXPECT_EQ(campo("TXTDipC1")->text(), QStringLiteral(",0"));
    PaginaModificata = 0;
    entra(campo("TXTDipA1"));
    EXPECT_EQ(campo("TXTDipA1")->selectedText(), QStringLiteral("2,3"));
    scrivi(campo("TXTDipA1"), campo("TXTDipA1")->text());
    EXPECT_EQ(PaginaModificata, 0);

    // Over a stored 2,4, 2,35 raises the flag although 2,4 stays.
    scrivi(campo("TXTDipA2"), QStringLiteral("2,4"));
    PaginaModificata = 0;
    scrivi(campo("TXTDipA2"), QStringLiteral("2,35"));
    EXPECT_EQ(valore("dipa2").toDouble(), 2.4);
    EXPECT_EQ(PaginaModificata, 1);

    // Tenths whose sum carries a binary residue still show no "-,0".
    scrivi(campo("TXTDipB2"), QStringLiteral("0,3")); // c2 = 0,3 - 2,4
    scrivi(campo("TXTDipA3"), QStringLiteral("0,2"));
    scrivi(campo("TXTDipB3"), QStringLiteral("2,3")); // c3 = 2,3 - 0,2
    EXPECT_LT(valore("dipc4").toDouble(), 0.0);       // a tiny negative in doubles
    EXPECT_EQ(campo("TXTDipC4")->text(), QStringLiteral(",0"));
    EXPECT_EQ(p.dialoghi.beep, 0);
}

TEST_F(Pagina4, ACommitRenewsOnlyItsOwnDependantsFromTheStoredValues)
{
    // Stored totals that do not match their entries.
    apri(QStringLiteral(
        "dipa1 = 1, dipa2 = 2, dipa3 = 3, dipa4 = 100, dipb1 = 5, dipb4 = 50, dipc1 = 7, dipc2 = 8,"
        " dipc3 = 9, dipc4 = 99"));
    EXPECT_EQ(campo("TXTDipA4")->text(), QStringLiteral("100,0")); // shown as stored
    EXPECT_EQ(campo("TXTDipC4")->text(), QStringLiteral("99,0"));
    scrivi(campo("TXTDipA1"), QStringLiteral("2"));
    EXPECT_EQ(valore("dipa4").toDouble(), 7.0);
    EXPECT_EQ(valore("dipc1").toDouble(), 3.0);
    EXPECT_EQ(valore("dipc4").toDouble(), 3.0 + 8.0 + 9.0);
    EXPECT_EQ(valore("dipb4").toDouble(), 50.0);
    EXPECT_EQ(valore("dipc2").toDouble(), 8.0);
    EXPECT_EQ(campo("TXTDipB4")->text(), QStringLiteral("50,0"));
    EXPECT_EQ(campo("TXTDipC4")->text(), QStringLiteral("20,0"));

    // Column A 10 and column B 8 in a row give -2.
    scrivi(campo("TXTDipA3"), QStringLiteral("10"));
    scrivi(campo("TXTDipB3"), QStringLiteral("8"));
    EXPECT_EQ(campo("TXTDipC3")->text(), QStringLiteral("-2,0"));
    EXPECT_EQ(valore("dipb4").toDouble(), 5.0 + 0.0 + 8.0);

    // Retyping the stored value raises no flag but shows the dependants afresh.
    p.cartella.esegui(FileVarnex, PasswordVarnex,
                      QStringLiteral("UPDATE Dati SET dipb4 = 77, dipc1 = 1"));
    riapri();
    PaginaModificata = 0;
    scrivi(campo("TXTDipB1"), QStringLiteral("5"));
    EXPECT_EQ(PaginaModificata, 0);
    EXPECT_EQ(campo("TXTDipB4")->text(), QStringLiteral("5,0"));
    EXPECT_EQ(campo("TXTDipC1")->text(), QStringLiteral("4,0"));
}

TEST_F(Pagina4, AClearedOrWrongGridBoxBeepsAndRecomputesNothing)
{
    apri(QStringLiteral("dipa1 = 2.4, dipa4 = 100, dipc1 = 7, dipc4 = 99"));
    const auto nienteCambiato = [this] {
        EXPECT_EQ(valore("dipa1").toDouble(), 2.4);
        EXPECT_EQ(valore("dipa4").toDouble(), 100.0);
        EXPECT_EQ(campo("TXTDipA4")->text(), QStringLiteral("100,0"));
        EXPECT_EQ(campo("TXTDipC1")->text(), QStringLiteral("7,0"));
        EXPECT_EQ(campo("TXTDipC4")->text(), QStringLiteral("99,0"));
        EXPECT_EQ(PaginaModificata, 0);
    };
    // Committed by Validare, the focus staying in the box.
    for (const char *errato : {"", "abc", "1,2,3", "1e2", "--1"}) {
        SCOPED_TRACE(errato);
        scriviSenzaUscire(campo("TXTDipA1"), QString::fromLatin1(errato));
        f()->Validare();
        // The stored value comes back as plain text, selected.
        EXPECT_EQ(campo("TXTDipA1")->text(), QStringLiteral("2,4"));
        EXPECT_EQ(campo("TXTDipA1")->selectedText(), QStringLiteral("2,4"));
        nienteCambiato();
    }
    // Emptied and left by Tab.
    scrivi(campo("TXTDipA1"), QString());
    EXPECT_EQ(campo("TXTDipA1")->text(), QStringLiteral("2,4"));
    nienteCambiato();
    EXPECT_EQ(p.dialoghi.beep, 6);
}

TEST_F(Pagina4, TheChangeAndTotalBoxesTakeNoTyping)
{
    apri(QStringLiteral("dipc1 = 3"));
    for (const char *c : {"TXTDipA4", "TXTDipB4", "TXTDipC1", "TXTDipC2", "TXTDipC3", "TXTDipC4"}) {
        campo(c)->setFocus(Qt::TabFocusReason);
        EXPECT_NE(fuoco(), campo(c)) << c;
    }
    clic(p.finestra().CMDSalva);
    EXPECT_EQ(salvato(1, "dipc1"), Variant(3.0));
}

// --- Validare and menu commands ------------------------------------------------

TEST_F(Pagina4, ValidareCommitsThePendingEditOfAnyBoxOfThePage)
{
    apri();
    validaOgni({
        {"TXTIva", "it99", "partita_iva_promo", Variant("IT99")},
        {"TXTIndirizzoLoc", "via po", "indirizzo_loc", Variant("VIA PO")},
        {"CMBIstatPromo", "15.81.1", "istat_codice_promo", Variant("15.81.1")},
        {"CMBIstat", "85.32", "istat_codice", Variant("85.32")},
        {"CMBComuneLoc", "recanati", "comune_loc", Variant("RECANATI")},
        {"TXTDipA1", "2,31", "dipa1", Variant(2.4)},
        {"TXTDipB3", "3", "dipb3", Variant(3.0)},
    });
    EXPECT_EQ(descrizione("TXTDescIstat"), QStringLiteral("Assistenza sociale non residenziale"));
    EXPECT_EQ(campo("TXTProvLoc")->text(), QStringLiteral("MC"));
    EXPECT_EQ(valore("dipa4").toDouble(), 2.4);
    EXPECT_EQ(campo("TXTDipC3")->text(), QStringLiteral("3,0"));

    // An option button has nothing pending.
    PaginaModificata = 0;
    campo<QRadioButton>("OPTGiuri1")->setFocus(Qt::TabFocusReason);
    f()->Validare();
    EXPECT_EQ(NomeControllo, QStringLiteral("OPTGiuri1"));
    EXPECT_EQ(PaginaModificata, 0);
}

TEST_F(Pagina4, TheExitMenuCommitsTheGridBoxBeforeItsSaveQuestion)
{
    apri();
    scriviSenzaUscire(campo("TXTDipB1"), QStringLiteral("4,01"));
    esciSalvando();
    EXPECT_EQ(salvato(1, "dipb1"), Variant(4.1));
    EXPECT_EQ(salvato(1, "dipb4"), Variant(4.1));
}

TEST_F(Pagina4, AnEmptyCompanyNameLeavesTheCaptionBare)
{
    avvia({QStringLiteral("INSERT INTO Dati (denominazione) VALUES ('PRIMA')"),
           QStringLiteral("INSERT INTO Dati (denominazione) VALUES (NULL)")});
    apriPagina(4);
    EXPECT_EQ(f()->windowTitle(), QStringLiteral("Pagina 4 - "));
}

} // namespace
