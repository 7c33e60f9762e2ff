// The report layer on a small layout of its own: captions found by name
// without regard to case, the sections on the page, one renderer read back
// from the PDF it writes (pdftotext) and from a picture, the PDF file's
// failures, the default printer and the preview window.

#include "TestoPdf.h"

#include "platform/db/Error.h"
#include "platform/report/Anteprima.h"
#include "platform/report/Disegno.h"
#include "platform/report/Uscite.h"

#include <QApplication>
#include <QFile>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPrinterInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace report;

namespace {

constexpr Controllo Corpo[] = {
    Testo("Sinistra", 0, 0, 3000, 285, "Alfa"),
    Testo("Spazi", 0, 400, 3000, 285, "   Alfa"),
    Valore("Destra", 4000, 0, 2000, 285).destra(),
    Valore("Coda", 4000, 400, 2000, 285).destra(),
    Valore("Centro", 7000, 0, 2000, 285).centro(),
    Testo("Tab", 0, 800, 6000, 285, "A)\tBeta"),
    Testo("Largo", 0, 1200, 2000, 285, "Una didascalia troppo lunga"),
    Valore("Grigio", 0, 1600, 1500, 285).grigio(),
    Valore("Cella", 2000, 1600, 1500, 285).incorniciato().destra(),
    Linea("Riga", 0, 2200, 5000, 0),
    Linea("Colonna", 6000, 2000, 0, 800),
};
constexpr Controllo Piede[] = {Testo("Firma", 0, 0, 3000, 285, "Firma :", Grassetto)};
constexpr Sezione Sezioni[] = {
    {"Testa", Ruolo::IntestazionePagina, 100, {}},
    {"Corpo", Ruolo::Dettaglio, 5000, Corpo},
    {"Piede", Ruolo::PiePagina, 360, Piede},
};
constexpr Rapporto Prova{"Prova", "Anteprima di prova", Sezioni};

constexpr int CimaCorpo = 720 + 100;

// Points from twips of the sheet.
double pt(int twips) { return twips / 20.0; }

IstanzaRapporto riempita(const QString &destra = QStringLiteral("Alfa"))
{
    IstanzaRapporto i(Prova);
    i.imposta(u"Corpo", u"Destra", destra);
    i.imposta(u"Corpo", u"Coda", QStringLiteral("Alfa   "));
    i.imposta(u"Corpo", u"Centro", QStringLiteral("Alfa"));
    i.imposta(u"Corpo", u"Cella", QStringLiteral("1.234"));
    return i;
}

class Rapporti : public ::testing::Test {
protected:
    QString scrivi(const QList<IstanzaRapporto> &pagine)
    {
        const QString percorso = dir.filePath(QStringLiteral("prova.pdf"));
        FilePdf pdf(percorso, QStringLiteral("Prova"));
        for (const IstanzaRapporto &p : pagine)
            pdf.aggiungi(p);
        pdf.chiudi();
        return percorso;
    }
    QTemporaryDir dir;
};

} // namespace

TEST_F(Rapporti, CaptionsAreFoundByNameWithoutRegardToCaseAndStayUntilSetAgain)
{
    IstanzaRapporto i(Prova);
    EXPECT_EQ(i.didascalia(u"Corpo", u"Sinistra"), QStringLiteral("Alfa"));
    EXPECT_EQ(i.didascalia(u"Corpo", u"Destra"), QString()); // the placeholder
    i.imposta(u"corpo", u"DESTRA", QStringLiteral("uno"));
    EXPECT_EQ(i.didascalia(u"Corpo", u"destra"), QStringLiteral("uno"));
    i.imposta(u"Corpo", u"Centro", QStringLiteral("due"));
    EXPECT_EQ(i.didascalia(u"Corpo", u"Destra"), QStringLiteral("uno"));
    EXPECT_THROW(i.imposta(u"Corpo", u"Manca", QString()), std::logic_error);
    EXPECT_THROW(i.imposta(u"Piede", u"Destra", QString()), std::logic_error);
}

TEST_F(Rapporti, TheSectionsStandOneUnderTheOtherAndTheFooterAtTheFootOfThePage)
{
    EXPECT_EQ(cimeSezioni(Prova), (std::vector<int>{720, CimaCorpo, 16838 - 720 - 360}));
    EXPECT_EQ(rettangoloSulFoglio(Prova, 1, Corpo[2]), QRect(720 + 4000, CimaCorpo, 2000, 285));
}

TEST_F(Rapporti, LayoutFontsAreTheMappedFontsSizedInTwips)
{
    const QFont f = carattereTwips({"Times New Roman", 11.25, true});
    EXPECT_EQ(f.pixelSize(), 225);
    EXPECT_TRUE(f.bold());
    EXPECT_EQ(QFontInfo(f).family(), QStringLiteral("Liberation Serif"));
    EXPECT_EQ(QFontInfo(carattereTwips({"Arial", 9})).family(), QStringLiteral("Liberation Sans"));
}

TEST_F(Rapporti, ThePdfHoldsEveryCaptionWhereTheLayoutPutsIt)
{
    const auto pagine = prova::leggiPdf(scrivi({riempita(), riempita(QStringLiteral("Beta"))}));
    ASSERT_EQ(pagine.size(), 2) << "pdftotext (poppler-utils) is needed";
    const prova::PaginaPdf &p = pagine[0];
    EXPECT_NEAR(p.formato.width(), 595.3, 0.5);
    EXPECT_NEAR(p.formato.height(), 841.9, 0.5);

    const auto parola = [&p](const QString &testo, int sezione, const Controllo &c) {
        const prova::Parola *w = p.parolaIn(testo, rettangoloSulFoglio(Prova, sezione, c));
        EXPECT_NE(w, nullptr) << qPrintable(testo) << " in " << c.nome;
        return w ? w->box : QRectF();
    };
    // Left, right and centred, at the top of the label.
    const QRectF sinistra = parola(QStringLiteral("Alfa"), 1, Corpo[0]);
    EXPECT_NEAR(sinistra.left(), pt(720), 0.3);
    EXPECT_NEAR(sinistra.top(), pt(CimaCorpo), 1.5);
    EXPECT_NEAR(parola(QStringLiteral("Alfa"), 1, Corpo[2]).right(), pt(720 + 6000), 0.3);
    EXPECT_NEAR(parola(QStringLiteral("Alfa"), 1, Corpo[4]).center().x(), pt(720 + 8000), 0.3);
    // Blanks count: leading ones push the word right, trailing ones left.
    const double blanchi = QFontMetricsF(carattereTwips(CarattereRapporto)).horizontalAdvance(QStringLiteral("   ")) / 20;
    EXPECT_NEAR(parola(QStringLiteral("Alfa"), 1, Corpo[1]).left(), pt(720) + blanchi, 0.3);
    EXPECT_NEAR(parola(QStringLiteral("Alfa"), 1, Corpo[3]).right(), pt(720 + 6000) - blanchi, 0.3);
    // A tab stops every eight widths of an "x".
    const double x = QFontMetricsF(carattereTwips(CarattereRapporto)).horizontalAdvance(QLatin1Char('x')) / 20;
    EXPECT_NEAR(parola(QStringLiteral("Beta"), 1, Corpo[5]).left(), pt(720) + 8 * x, 0.3);
    // Inside a border the caption keeps clear of the line.
    EXPECT_NEAR(parola(QStringLiteral("1.234"), 1, Corpo[8]).right(), pt(720 + 3500 - 30), 0.3);
    // Too wide a caption is narrowed into its label, every word of it.
    EXPECT_LT(larghezzaCaption(Corpo[6], QString::fromUtf8(Corpo[6].testo)), 100);
    EXPECT_GE(larghezzaCaption(Corpo[6], QString::fromUtf8(Corpo[6].testo)), 60);
    const QRect largo = rettangoloSulFoglio(Prova, 1, Corpo[6]);
    EXPECT_EQ(p.testoIn(largo), QStringLiteral("Una didascalia troppo lunga"));
    for (const prova::Parola &w : p.parole)
        if (w.box.center().y() > pt(largo.top()) && w.box.center().y() < pt(largo.bottom()))
            EXPECT_LE(w.box.right(), pt(largo.right() + 1) + 0.3) << qPrintable(w.testo);
    // The footer at the foot; the second page with its own captions.
    EXPECT_NE(p.parolaIn(QStringLiteral("Firma"), rettangoloSulFoglio(Prova, 2, Piede[0])), nullptr);
    EXPECT_EQ(pagine[1].testoIn(rettangoloSulFoglio(Prova, 1, Corpo[2])), QStringLiteral("Beta"));
}

TEST_F(Rapporti, GreyCellsBordersAndLinesAsDrawnOnAPicture)
{
    QImage img(794, 1123, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    p.scale(1 / 15.0, 1 / 15.0);
    disegnaPagina(p, riempita());
    p.end();
    const auto pixel = [&img](int xTwips, int yTwips) { return img.pixelColor(xTwips / 15, yTwips / 15); };
    EXPECT_EQ(pixel(720 + 750, CimaCorpo + 1600 + 140), QColor(0xE0, 0xE0, 0xE0));
    EXPECT_LT(pixel(720 + 2000, CimaCorpo + 1600 + 140).lightness(), 100); // the cell's left border
    EXPECT_LT(pixel(720 + 2500, CimaCorpo + 2200).lightness(), 100);        // the horizontal line
    EXPECT_LT(pixel(720 + 6000, CimaCorpo + 2400).lightness(), 100);        // the vertical one
    EXPECT_EQ(pixel(720 + 2500, CimaCorpo + 3000), QColor(Qt::white));
}

TEST_F(Rapporti, APdfThatCannotBeWrittenIsAnErrorAndLeavesNoFile)
{
    const QString fuori = dir.filePath(QStringLiteral("manca/prova.pdf"));
    try {
        FilePdf pdf(fuori);
        FAIL() << "opened";
    } catch (const ado::Error &e) {
        EXPECT_EQ(e.number(), ErroreFile);
        EXPECT_TRUE(e.description().contains(fuori));
    }
    // A file begun and never completed goes away.
    const QString percorso = dir.filePath(QStringLiteral("interrotto.pdf"));
    {
        FilePdf pdf(percorso);
        pdf.aggiungi(riempita());
        EXPECT_TRUE(QFile::exists(percorso));
    }
    EXPECT_FALSE(QFile::exists(percorso));
}

TEST_F(Rapporti, TheSystemPrinterIsThereWhenTheSystemHasADefaultPrinter)
{
    EXPECT_EQ(stampante().disponibile(), !QPrinterInfo::defaultPrinter().isNull());
}

TEST_F(Rapporti, ThePreviewIsOneWindowPerLayoutRefreshedWhenShownAgain)
{
    FinestraAnteprima *f = mostraAnteprima(riempita());
    ASSERT_NE(f, nullptr);
    EXPECT_TRUE(f->isVisible());
    EXPECT_TRUE(f->isWindow());
    EXPECT_EQ(f->windowTitle(), QStringLiteral("Anteprima di prova"));
    EXPECT_EQ(anteprimaAperta(Prova), f);
    EXPECT_EQ(mostraAnteprima(riempita(QStringLiteral("Beta"))), f);
    EXPECT_EQ(f->foglio()->pagina().didascalia(u"Corpo", u"Destra"), QStringLiteral("Beta"));
    f->close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(anteprimaAperta(Prova), nullptr);
}
