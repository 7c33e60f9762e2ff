// The six printed pages: the layouts as data (what each holds, names, room
// for every text), the fills (every value label set, by the caption rules)
// and the pages as printed into a PDF and read back with pdftotext.

#include "AiutiStampa.h"

#include "core/formati/Numeri.h"
#include "platform/report/Uscite.h"
#include "print/Stampa.h"

#include <QDate>
#include <QFontMetricsF>
#include <QHash>
#include <QSet>
#include <QTemporaryDir>
#include <cmath>
#include <gtest/gtest.h>
#include <memory>

using namespace scheda;
using namespace stampa;
using ado::Variant;
using report::TipoControllo;

namespace {

struct Contenuto
{
    int etichette, valori, linee, grigie;
    bool firma;
};
// What each printed page holds: labels, value labels, lines, grey cells,
// and whether it ends with the signature line.
const Contenuto Atteso[7] = {
    {},
    {66, 27, 0, 0, true},
    {117, 67, 0, 7, true},
    {90, 52, 0, 4, true},
    {64, 29, 6, 0, true},
    {62, 30, 19, 3, true},
    {68, 45, 14, 0, false},
};

const report::Sezione &corpo(int n)
{
    return paginaStampa(n).layout.sezioni[2];
}

QString caption(int n, const char *controllo)
{
    return DataReport(n).didascalia(u"Section1", QString::fromLatin1(controllo));
}

} // namespace

TEST(PagineStampate, EachLayoutHoldsWhatItsPageShowsWithinTheFrame)
{
    for (int n = 1; n <= 6; ++n) {
        SCOPED_TRACE(n);
        const report::Rapporto &r = paginaStampa(n).layout;
        EXPECT_EQ(QString::fromLatin1(r.nome), QStringLiteral("DataReport%1").arg(n));
        EXPECT_EQ(QString::fromLatin1(r.caption), QStringLiteral("DataReport%1").arg(n));
        EXPECT_EQ(r.larghezza, 10420);
        EXPECT_EQ(r.margine, 720);
        ASSERT_EQ(r.sezioni.size(), 5u);
        const char *nomi[] = {"Section4", "Section2", "Section1", "Section3", "Section5"};
        const int altezze[] = {100, 100, 14500, 360, 100};
        for (int s = 0; s < 5; ++s) {
            EXPECT_STREQ(r.sezioni[s].nome, nomi[s]);
            EXPECT_EQ(r.sezioni[s].altezza, altezze[s]);
            if (s != 2 && s != 3)
                EXPECT_TRUE(r.sezioni[s].controlli.empty());
        }
        // The signature line in the page footer, on pages 1 to 5 only.
        const auto piede = r.sezioni[3].controlli;
        ASSERT_EQ(piede.size(), Atteso[n].firma ? 1u : 0u);
        if (Atteso[n].firma) {
            EXPECT_STREQ(piede[0].nome, "Label44");
            EXPECT_STREQ(piede[0].testo, "Firma : ______________________________");
            EXPECT_TRUE(piede[0].carattere.grassetto);
            EXPECT_EQ(QRect(piede[0].left, piede[0].top, piede[0].width, piede[0].height),
                      QRect(0, 0, 5385, 285));
        }

        int etichette = 0, valori = 0, linee = 0, grigie = 0;
        QSet<QString> nomiVisti;
        for (const report::Controllo &c : corpo(n).controlli) {
            etichette += c.tipo != TipoControllo::Linea;
            valori += c.tipo == TipoControllo::Valore;
            linee += c.tipo == TipoControllo::Linea;
            grigie += c.sfondo == report::Sfondo::Grigio;
            EXPECT_FALSE(nomiVisti.contains(QString::fromLatin1(c.nome).toLower())) << c.nome;
            nomiVisti.insert(QString::fromLatin1(c.nome).toLower());
            // Inside the report's width and the body.
            EXPECT_GE(c.left, 0) << c.nome;
            EXPECT_LE(c.left + c.width, r.larghezza) << c.nome;
            EXPECT_LE(c.top + c.height, 14500) << c.nome;
            if (c.tipo == TipoControllo::Linea)
                EXPECT_TRUE(c.width == 0 || c.height == 0) << c.nome;
            // A grey cell carries no border.
            if (c.sfondo == report::Sfondo::Grigio)
                EXPECT_FALSE(c.bordo) << c.nome;
        }
        EXPECT_EQ(etichette, Atteso[n].etichette);
        EXPECT_EQ(valori, Atteso[n].valori);
        EXPECT_EQ(linee, Atteso[n].linee);
        EXPECT_EQ(grigie, Atteso[n].grigie);
    }
}

TEST(PagineStampate, NoStaticTextIsCutEvenWhereItHasToBeNarrowed)
{
    for (int n = 1; n <= 6; ++n)
        for (const report::Controllo &c : corpo(n).controlli)
            if (c.tipo == TipoControllo::Etichetta) {
                const report::Stampata s = report::comeStampata(c, QString::fromUtf8(c.testo));
                EXPECT_EQ(s.testo, QString::fromUtf8(c.testo)) << n << " " << c.nome;
                EXPECT_GE(s.larghezza, 60) << n << " " << c.nome;
            }
}

TEST(PagineStampate, EachFillSetsEveryValueLabelOnceAndNothingElse)
{
    const SchedaStampa vuota = prova::copiaCon();
    for (int n = 1; n <= 6; ++n) {
        SCOPED_TRACE(n);
        QStringList attesi;
        for (const report::Controllo &c : corpo(n).controlli)
            if (c.tipo == TipoControllo::Valore)
                attesi << QString::fromLatin1(c.nome).toLower();
        QStringList impostati;
        for (const QString &nome : riempiPagina(n, vuota))
            impostati << nome.toLower();
        EXPECT_EQ(impostati.size(), attesi.size());
        QStringList a = attesi, b = impostati;
        a.sort();
        b.sort();
        EXPECT_EQ(a, b);

        // The fill's rows spell each control as the layout does, one row a
        // value label; a row names a column of the sheet exactly when its
        // rule reads one.
        QHash<QString, TipoControllo> tipi;
        for (const report::Controllo &c : corpo(n).controlli)
            tipi.insert(QString::fromLatin1(c.nome), c.tipo);
        QHash<QString, int> righe;
        for (const Riempimento &r : paginaStampa(n).riempimento) {
            const QString controllo = QString::fromLatin1(r.controllo);
            ++righe[controllo];
            EXPECT_TRUE(tipi.contains(controllo)) << "the layout spells no control " << r.controllo;
            EXPECT_TRUE(tipi.value(controllo) == TipoControllo::Valore)
                << r.controllo << " is no value label";
            EXPECT_EQ(r.colonna != nullptr, r.regola.leggeColonna()) << r.controllo;
            if (r.colonna)
                EXPECT_GE(indiceColonna(QString::fromLatin1(r.colonna)), 0)
                    << r.controllo << " " << r.colonna;
        }
        for (const report::Controllo &c : corpo(n).controlli)
            if (c.tipo == TipoControllo::Valore)
                EXPECT_EQ(righe.value(QString::fromLatin1(c.nome)), 1) << c.nome;
        QStringList nomiRighe;
        for (const Riempimento &r : paginaStampa(n).riempimento)
            nomiRighe << QString::fromLatin1(r.controllo);
        EXPECT_EQ(riempiPagina(n, vuota), nomiRighe);
    }
}

TEST(PagineStampate, CaptionsFollowTheRulesOfEachPage)
{
    const struct
    {
        int pagina;
        const char *controllo;
        QList<std::pair<QString, Variant>> valori;
        const char *atteso;
    } casi[] = {
        // Two boxes: 1 ticks the first, any other code the second.
        {1, "NatGiuri1", {{"natura_giuridica", 1}}, "[X]"},
        {1, "NatGiuri2", {{"natura_giuridica", 1}}, "[ ]"},
        {1, "NatGiuri1", {{"natura_giuridica", 2}}, "[ ]"},
        {1, "NatGiuri2", {{"natura_giuridica", 3}}, "[X]"},
        {1, "SezPref2", {{"sez_pref", 2}}, "[X]"},
        {1, "Categoriamini1", {}, "[X]"}, // Null: 1
        // Dates: the empty one as the empty mask, the others day/month/year.
        {1, "DataIscr", {}, "__/__/____"},
        {1, "DataIscr", {{"data_iscr", QDate(2004, 3, 7)}}, "07/03/2004"},
        {1, "DataCostituzione", {{"data_costituzione", QDate(1000, 1, 1)}}, "__/__/____"},
        // Amounts "#,##0", years "##0", texts as held.
        {1, "FattUltimo", {{"fatt_ultimo", 1234567.0}}, "1.234.567"},
        {1, "CapSociale", {}, "0"},
        {1, "EserUltimo", {{"eser_ultimo", "2004"}}, "2004"},
        {1, "NumArt", {}, ""},
        {1, "Denom", {{"denominazione", "  COOP  ALFA "}}, "  COOP  ALFA "},
        // Page 2: the empty year as one blank, the grey cells blank, the contact by both names.
        {2, "A1", {}, " "},
        {2, "B1", {{"b1", "2004"}}, "2004"},
        {2, "LBL1", {{"a1", "2003"}}, " "},
        {2, "LBL2", {}, " "},
        {2, "A25", {{"a25", -15000}}, "-15.000"},
        {2, "B2", {}, "0"},
        {2, "Denomref", {{"cognome_ref", "BIANCHI"}, {"nome_ref", "LUCIA"}}, "BIANCHI LUCIA"},
        {2, "Denomref", {{"nome_ref", "LUCIA"}}, "LUCIA"},
        {2, "Emailref", {{"email_ref", "lucia@alfa.it"}}, "lucia@alfa.it"},
        // Page 3.
        {3, "C1", {}, " "},
        {3, "D1", {{"d1", "2004"}}, "2004"},
        {3, "C2", {{"c2", 1234567.0}}, "1.234.567"},
        {3, "D24", {{"d24", -15000}}, "-15.000"},
        {3, "CoopDipe1", {}, "[ ]"}, // Null: 2, "NO"
        {3, "CoopDipe2", {{"coop_dipe", 0}}, "[X]"},
        {3, "CoopVersa1", {{"coop_versa", 1}}, "[X]"},
        // Page 4: one box of four, none for a code outside 1 to 4; head counts "#,###.0".
        {4, "NatGiuPromo3", {{"nat_giuri_promo", 3}}, "[X]"},
        {4, "NatGiuPromo1", {{"nat_giuri_promo", 3}}, "[ ]"},
        {4, "NatGiuPromo1", {}, "[X]"},
        {4, "NatGiuPromo1", {{"nat_giuri_promo", 7}}, "[ ]"},
        {4, "NatGiuPromo4", {{"nat_giuri_promo", 0}}, "[ ]"},
        {4, "DipA1", {{"dipa1", 12.5}}, "12,5"},
        {4, "DipB1", {{"dipb1", 1234.0}}, "1.234,0"},
        {4, "DipC1", {}, ",0"},
        {4, "DipC2", {{"dipc2", -0.5}}, "-,5"},
        {4, "PartitaIvaPromo", {{"partita_iva_promo", "111"}, {"ivapromo", "222"}}, "111"},
        // Page 5: "#,###.#0", dates dd/mm/yyyy, years.
        {5, "SpeA1", {{"spea1", 1234.5}}, "1.234,50"},
        {5, "DataAvvio", {}, "__/__/____"},
        {5, "DataAvvio", {{"dataavvio", QDate(2005, 4, 5)}}, "05/04/2005"},
        {5, "DataUltimazione", {{"dataultimazione", QDate(2006, 12, 31)}}, "31/12/2006"},
        {5, "CostEser1", {{"costeser1", "2005"}}, "2005"},
        {5, "Cost4", {{"cost4", 20001.25}}, "20.001,25"},
        // Page 6: the percentages, the legal representative and the registered seat.
        {6, "Percbanca3", {{"percbanca3", 5.5}}, "5,50"},
        {6, "IvaPromo", {{"partita_iva_promo", "111"}, {"ivapromo", "222"}}, "222"},
        {6,
         "Nome",
         {{"cognome", "ROSSI"}, {"nome", "MARIO"}},
         "ROSSI MARIO in qualità di rappresentante legale"},
        {6, "Nome", {}, "  in qualità di rappresentante legale"},
        {6,
         "ComuneLoc",
         {{"comune_sede", "GIULIANOVA"},
          {"prov_sede", "TE"},
          {"cap_sede", "64021"},
          {"comune_loc", "TERAMO"},
          {"prov_loc", "TE"},
          {"cap_loc", "64100"}},
         "GIULIANOVA  Prov. TE CAP 64021"},
        {6, "ComuneLoc", {}, "  Prov.  CAP "},
        {6, "Denominazione", {{"denominazione", "COOP ALFA"}}, "COOP ALFA"},
    };
    for (const auto &c : casi) {
        riempiPagina(c.pagina, prova::copiaCon(c.valori));
        EXPECT_EQ(caption(c.pagina, c.controllo), QString::fromUtf8(c.atteso))
            << c.pagina << " " << c.controllo;
    }
}

TEST(PagineStampate, TheLabelsOfTheNumberPatternsHoldNumbersAndAllOthersTexts)
{
    // Amounts, years and counts on pages 1 to 5, percentages on page 6.
    const int numeri[7] = {0, 6, 48, 46, 12, 28, 14};
    for (int n = 1; n <= 6; ++n) {
        riempiPagina(n, prova::copiaPiena());
        const report::IstanzaRapporto &istanza = DataReport(n);
        const auto controlli = corpo(n).controlli;
        int visti = 0;
        for (std::size_t i = 0; i < controlli.size(); ++i) {
            if (istanza.contenuto(2, int(i)) != report::Contenuto::Numero)
                continue;
            ++visti;
            EXPECT_EQ(controlli[i].tipo, TipoControllo::Valore) << n << " " << controlli[i].nome;
            EXPECT_TRUE(leggiNumero(istanza.didascalia(2, int(i))))
                << n << " " << controlli[i].nome << " "
                << qPrintable(istanza.didascalia(2, int(i)));
        }
        EXPECT_EQ(visti, numeri[n]) << n;
    }
}

TEST(PagineStampate, ATotalBeyond32BitsPrintsAsTheNumberStored)
{
    riempiPagina(2, prova::copiaCon({{"a25", 3000000000.0}, {"b25", std::int64_t(-3000000000LL)}}));
    EXPECT_EQ(caption(2, "A25"), QStringLiteral("3.000.000.000"));
    EXPECT_EQ(caption(2, "B25"), QStringLiteral("-3.000.000.000"));
    // What fits is held as the 32-bit variable holds it.
    riempiPagina(3, prova::copiaCon({{"c24", 12.5}}));
    EXPECT_EQ(caption(3, "C24"), QStringLiteral("12"));
}

TEST(PagineStampate, ASheetPrintedAfterAnotherKeepsNothingOfIt)
{
    for (int n = 1; n <= 6; ++n)
        riempiPagina(n, prova::copiaPiena());
    for (int n = 1; n <= 6; ++n) {
        riempiPagina(n, prova::copiaCon());
        for (const report::Controllo &c : corpo(n).controlli)
            if (c.tipo == TipoControllo::Valore)
                for (const auto &[colonna, valore] : prova::schedaPiena())
                    if (valore.isText() && valore.text().size() > 3)
                        EXPECT_FALSE(caption(n, c.nome).contains(valore.text()))
                            << n << " " << c.nome;
    }
}

// --- The pages as printed -------------------------------------------------------

// The six pages of a sheet printed into one PDF and read back, with the
// captions each page printed with.
struct SchedaStampata
{
    const char *nome;
    QList<prova::PaginaPdf> pagine;
    std::vector<std::unique_ptr<report::IstanzaRapporto>> istanze; // pages 1 to 6 at 0 to 5

    const report::IstanzaRapporto &istanza(int n) const { return *istanze[n - 1]; }
};

class PdfDellaScheda : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        cartella = new QTemporaryDir;
        piena = stampa("piena", prova::copiaPiena());
        limite = stampa("al limite", prova::copiaAlLimite());
        pagine = piena->pagine;
    }
    static void TearDownTestSuite()
    {
        delete piena;
        delete limite;
        delete cartella;
    }
    static SchedaStampata *stampa(const char *nome, const SchedaStampa &s)
    {
        auto *stampata = new SchedaStampata{nome, {}, {}};
        report::FilePdf pdf(cartella->path(), QString::fromLatin1(nome));
        for (int n = 1; n <= 6; ++n) {
            riempiPagina(n, s);
            pdf.aggiungi(DataReport(n));
            stampata->istanze.push_back(std::make_unique<report::IstanzaRapporto>(DataReport(n)));
        }
        pdf.chiudi();
        stampata->pagine = prova::leggiPdf(pdf.percorso());
        return stampata;
    }
    static inline QTemporaryDir *cartella = nullptr;
    static inline SchedaStampata *piena = nullptr, *limite = nullptr;
    static inline QList<prova::PaginaPdf> pagine; // the filled sheet's, as most tests read them
};

// A blank of a control's font, in points: the room a narrowed caption keeps.
double bianco(const report::Controllo &c)
{
    return std::ceil(QFontMetricsF(report::carattereTwips(c.carattere))
                         .horizontalAdvance(QLatin1Char(' ')))
           / 20.0;
}

TEST_F(PdfDellaScheda, EveryCaptionStandsInItsLabelAlignedAsTheLayoutSays)
{
    for (const SchedaStampata *scheda : {piena, limite}) {
        SCOPED_TRACE(scheda->nome);
        ASSERT_EQ(scheda->pagine.size(), 6) << "pdftotext (poppler-utils) is needed";
        for (int n = 1; n <= 6; ++n) {
            const report::Rapporto &r = paginaStampa(n).layout;
            const prova::PaginaPdf &pdf = scheda->pagine[n - 1];
            for (std::size_t s = 0; s < r.sezioni.size(); ++s)
                for (std::size_t i = 0; i < r.sezioni[s].controlli.size(); ++i) {
                    const report::Controllo &c = r.sezioni[s].controlli[i];
                    const QString didascalia = scheda->istanza(n).didascalia(int(s), int(i));
                    if (c.tipo == TipoControllo::Linea || didascalia.simplified().isEmpty())
                        continue;
                    SCOPED_TRACE(QStringLiteral("page %1, %2")
                                     .arg(n)
                                     .arg(QLatin1String(c.nome))
                                     .toStdString());
                    // What prints: the caption whole, or cut at a whole
                    // character, the layout's closing words kept.
                    const report::Stampata stampata = report::comeStampata(scheda->istanza(n),
                                                                           int(s), int(i));
                    const QString testo = stampata.testo;
                    if (scheda == piena)
                        EXPECT_EQ(testo, didascalia);
                    const QString coda = c.coda ? QString::fromUtf8(c.coda) : QString();
                    if (!coda.isEmpty() && didascalia.endsWith(coda)) {
                        EXPECT_TRUE(testo.endsWith(coda)) << qPrintable(testo);
                        EXPECT_TRUE(didascalia.startsWith(testo.chopped(coda.size())))
                            << qPrintable(testo);
                    } else {
                        EXPECT_TRUE(didascalia.startsWith(testo)) << qPrintable(testo);
                    }
                    const QRect dove = report::rettangoloSulFoglio(r, int(s), c);
                    EXPECT_EQ(pdf.testoIn(dove), testo.simplified());
                    // The first word starts at the label's left, the last ends at
                    // its right, when no blank stands before or after.
                    const QStringList parole = testo.simplified().split(QLatin1Char(' '));
                    const int rientro = c.bordo ? 30 : 0;
                    if (c.allineamento == report::Allineamento::Sinistra && !testo.front().isSpace()
                        && !testo.contains(u'\t'))
                        if (const auto *w = pdf.parolaIn(parole.front(), dove))
                            EXPECT_NEAR(w->box.left(), (dove.left() + rientro) / 20.0, 0.5);
                    if (c.allineamento == report::Allineamento::Destra && !testo.back().isSpace())
                        if (const auto *w = pdf.parolaIn(parole.back(), dove))
                            EXPECT_NEAR(w->box.right(), (dove.right() + 1 - rientro) / 20.0, 0.5);
                    if (c.allineamento == report::Allineamento::Centro && parole.size() == 1
                        && testo == testo.trimmed())
                        if (const auto *w = pdf.parolaIn(parole.front(), dove))
                            EXPECT_NEAR(w->box.center().x(),
                                        (dove.left() + dove.width() / 2.0) / 20.0, 0.5);
                    // Narrowed or cut, it keeps a blank's room on the side it
                    // does not stand against.
                    if (stampata.larghezza < 100) {
                        if (c.allineamento == report::Allineamento::Sinistra)
                            if (const auto *w = pdf.parolaIn(parole.back(), dove))
                                EXPECT_LE(w->box.right(),
                                          (dove.right() + 1 - rientro) / 20.0 - bianco(c) + 0.3);
                        if (c.allineamento == report::Allineamento::Destra)
                            if (const auto *w = pdf.parolaIn(parole.front(), dove))
                                EXPECT_GE(w->box.left(),
                                          (dove.left() + rientro) / 20.0 + bianco(c) - 0.3);
                    }
                }
        }
    }
}

TEST_F(PdfDellaScheda, NothingOfAPageStandsOutsideTheLabelItBelongsTo)
{
    // Every word of the PDF's text lies whole in one label: no caption runs
    // into the next, and nothing hidden stays in the text.
    for (const SchedaStampata *scheda : {piena, limite}) {
        SCOPED_TRACE(scheda->nome);
        ASSERT_EQ(scheda->pagine.size(), 6);
        for (int n = 1; n <= 6; ++n) {
            const report::Rapporto &r = paginaStampa(n).layout;
            for (const prova::Parola &w : scheda->pagine[n - 1].parole) {
                bool dentro = false;
                for (std::size_t s = 0; s < r.sezioni.size() && !dentro; ++s)
                    for (const report::Controllo &c : r.sezioni[s].controlli) {
                        const QRectF l = QRectF(report::rettangoloSulFoglio(r, int(s), c))
                                             .adjusted(-1, 0, 1, 0);
                        if (c.tipo != TipoControllo::Linea
                            && w.box.center().y() >= l.top() / 20.0 - 1
                            && w.box.center().y() <= l.bottom() / 20.0 + 1
                            && w.box.left() >= l.left() / 20.0 - 0.3
                            && w.box.right() <= l.right() / 20.0 + 0.3) {
                            dentro = true;
                            break;
                        }
                    }
                EXPECT_TRUE(dentro) << "page " << n << ": " << qPrintable(w.testo) << " at "
                                    << w.box.left() << ", " << w.box.top();
            }
        }
    }
}

TEST_F(PdfDellaScheda, TheFourLegalFormsOfPage4PrintAtOneWidth)
{
    for (const SchedaStampata *scheda : {piena, limite}) {
        QList<int> larghezze;
        for (const char *nome : {"Label6", "Label7", "Label8", "Label9"}) {
            const auto dove = prova::posto(4, QString::fromLatin1(nome));
            ASSERT_TRUE(dove);
            const auto controlli = paginaStampa(4).layout.sezioni[dove->sezione].controlli;
            const report::Stampata s = report::comeStampata(scheda->istanza(4), dove->sezione,
                                                            int(dove->controllo - controlli.data()));
            EXPECT_EQ(s.testo, QString::fromUtf8(dove->controllo->testo)) << nome; // whole
            larghezze << s.larghezza;
        }
        EXPECT_LT(larghezze.front(), 100); // "A)" needs narrowing
        EXPECT_EQ(QSet<int>(larghezze.begin(), larghezze.end()).size(), 1)
            << larghezze.front() << " " << larghezze.back();
    }
    // On paper: after the tab, B) is as narrow as A).
    ASSERT_EQ(pagine.size(), 6);
    const auto a = prova::posto(4, QStringLiteral("Label6"));
    const auto b = prova::posto(4, QStringLiteral("Label7"));
    const auto *cooperativaA = pagine[3].parolaIn(QStringLiteral("Cooperativa"), a->sulFoglio);
    const auto *cooperativaB = pagine[3].parolaIn(QStringLiteral("Cooperativa"), b->sulFoglio);
    ASSERT_TRUE(cooperativaA && cooperativaB);
    EXPECT_NEAR(cooperativaA->box.width(), cooperativaB->box.width(), 0.2);
}

TEST_F(PdfDellaScheda, TheSignatureLineIsAtTheFootOfPages1To5Only)
{
    ASSERT_EQ(pagine.size(), 6);
    const QRect piede(720, 16838 - 720 - 360, 5385, 285);
    for (int n = 1; n <= 6; ++n)
        EXPECT_EQ(pagine[n - 1].testoIn(piede),
                  n < 6 ? QStringLiteral("Firma : ______________________________") : QString())
            << n;
}

TEST_F(PdfDellaScheda, TheLegalFormLinesOfPage4StopAtTheirTab)
{
    ASSERT_EQ(pagine.size(), 6);
    // "A)" at the label's left, the words after the tab one stop further.
    const auto a = prova::posto(4, QStringLiteral("Label6"));
    const auto b = prova::posto(4, QStringLiteral("Label7"));
    const auto *lettera = pagine[3].parolaIn(QStringLiteral("A)"), a->sulFoglio);
    const auto *dopo = pagine[3].parolaIn(QStringLiteral("Cooperativa"), a->sulFoglio);
    const auto *dopoB = pagine[3].parolaIn(QStringLiteral("Cooperativa"), b->sulFoglio);
    ASSERT_TRUE(lettera && dopo && dopoB);
    EXPECT_NEAR(lettera->box.left(), a->sulFoglio.left() / 20.0, 0.5);
    EXPECT_GT(dopo->box.left(), lettera->box.right() + 10);
    EXPECT_NEAR(dopo->box.left(), dopoB->box.left(), 0.5); // the same stop on every line
}

TEST_F(PdfDellaScheda, ATextWrittenLikeANumberIsNarrowedToTheTextLimitAndCutANumberPrintsWhole)
{
    // A REA number and a phone number grouped by full stops as amounts are.
    const QString rea = QStringLiteral("1.234.567.890.123.456.789.012.345.678.901.234.567");
    ASSERT_EQ(rea.size(), 49);
    const QString telefono = QStringLiteral("085.800.123.456.789.012.345.678");
    const struct
    {
        int pagina;
        const char *controllo, *colonna;
        Variant valore;
        bool numero;
    } casi[] = {
        {1, "NumRea", "num_rea", rea, false},
        {2, "TelefonoSede", "tel_sede", telefono, false},
        {4, "TelefonoLoc", "telefono_loc", telefono, false},
        // Amounts far too wide for their labels.
        {1, "CapSociale", "capitale_sociale", -999999999999999.0, true},
        {1, "CapVersato", "capitale_versato", -999999999999999.0, true},
    };
    QList<std::pair<QString, Variant>> valori;
    for (const auto &c : casi)
        valori.append({QString::fromLatin1(c.colonna), c.valore});
    const std::unique_ptr<SchedaStampata> scheda(
        stampa("testi come numeri", prova::copiaCon(valori)));
    ASSERT_EQ(scheda->pagine.size(), 6);
    for (const auto &c : casi) {
        SCOPED_TRACE(c.controllo);
        const auto dove = prova::posto(c.pagina, QString::fromLatin1(c.controllo));
        ASSERT_TRUE(dove);
        const auto controlli = paginaStampa(c.pagina).layout.sezioni[dove->sezione].controlli;
        const int indice = int(dove->controllo - controlli.data());
        const report::IstanzaRapporto &istanza = scheda->istanza(c.pagina);
        const QString didascalia = istanza.didascalia(dove->sezione, indice);
        const report::Stampata s = report::comeStampata(istanza, dove->sezione, indice);
        if (c.numero) {
            EXPECT_EQ(s.testo, didascalia);
            EXPECT_LT(s.larghezza, 60);
        } else {
            EXPECT_EQ(s.larghezza, 60);
            EXPECT_FALSE(s.testo.isEmpty());
            EXPECT_LT(s.testo.size(), didascalia.size());
            EXPECT_TRUE(didascalia.startsWith(s.testo)) << qPrintable(s.testo);
        }
        // On paper: what prints, in its label, at that width of its font.
        const prova::PaginaPdf &pdf = scheda->pagine[c.pagina - 1];
        EXPECT_EQ(pdf.testoIn(dove->sulFoglio), s.testo);
        const prova::Parola *parola = pdf.parolaIn(s.testo, dove->sulFoglio);
        ASSERT_NE(parola, nullptr);
        EXPECT_GE(parola->box.left(), dove->sulFoglio.left() / 20.0 - 0.3);
        EXPECT_LE(parola->box.right(), (dove->sulFoglio.right() + 1) / 20.0 + 0.3);
        const double piena = QFontMetricsF(report::carattereTwips(dove->controllo->carattere))
                                 .horizontalAdvance(s.testo)
                             / 20.0;
        EXPECT_NEAR(100 * parola->box.width() / piena, s.larghezza, 1.5);
    }
}
