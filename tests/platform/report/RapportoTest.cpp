// The report layer on a small layout of its own: captions found by name
// without regard to case, the sections on the page, one renderer read back
// from the PDF it writes (pdftotext) and from a picture, the PDF file's
// failures, the default printer and the preview window.

#include "Guasti.h"
#include "TestoPdf.h"

#include "platform/db/Error.h"
#include "platform/report/Anteprima.h"
#include "platform/report/Disegno.h"
#include "platform/report/Uscite.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPrinterInfo>
#include <QTemporaryDir>
#include <QTextBoundaryFinder>
#include <algorithm>
#include <gtest/gtest.h>
#include <memory>

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
    Valore("Cella", 2000, 1600, 1500, 285).bordato().destra(),
    Linea("Riga", 0, 2200, 5000, 0),
    Linea("Colonna", 6000, 2000, 0, 800),
    // Captions too long for their labels, each beside a label of its own.
    Valore("Stretto", 0, 3200, 1500, 285),
    Testo("Dopo", 1500, 3200, 1500, 285, "Dopo"),
    Testo("Prima", 2500, 3600, 1500, 285, "Prima"),
    Valore("StrettoDestra", 4000, 3600, 1500, 285).destra(),
    Valore("Dichiarazione", 0, 4000, 4000, 285).conCoda(" in qualità di rappresentante legale"),
    Testo("Segue", 4000, 4000, 1500, 285, "Segue"),
    // A list whose lines print at one width.
    Testo("RigaA", 0, 4400, 3975, 285, "A)\tCooperativa di produzione-lavoro").inGruppo(1),
    Testo("RigaB", 0, 4700, 3975, 285, "B)\tCooperativa sociale").inGruppo(1),
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
double pt(int twips)
{
    return twips / 20.0;
}

IstanzaRapporto riempita(const QString &destra = QStringLiteral("Alfa"))
{
    IstanzaRapporto i(Prova);
    i.imposta(u"Corpo", u"Destra", destra);
    i.imposta(u"Corpo", u"Coda", QStringLiteral("Alfa   "));
    i.imposta(u"Corpo", u"Centro", QStringLiteral("Alfa"));
    i.imposta(u"Corpo", u"Cella", QStringLiteral("1.234"));
    return i;
}

class Rapporti : public ::testing::Test
{
protected:
    QString scrivi(const QList<IstanzaRapporto> &pagine)
    {
        FilePdf pdf(dir.path(), QStringLiteral("prova"), QStringLiteral("Prova"));
        for (const IstanzaRapporto &p : pagine)
            pdf.aggiungi(p);
        pdf.chiudi();
        return pdf.percorso();
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
    const double blanchi = QFontMetricsF(carattereTwips(CarattereRapporto))
                               .horizontalAdvance(QStringLiteral("   "))
                           / 20;
    EXPECT_NEAR(parola(QStringLiteral("Alfa"), 1, Corpo[1]).left(), pt(720) + blanchi, 0.3);
    EXPECT_NEAR(parola(QStringLiteral("Alfa"), 1, Corpo[3]).right(), pt(720 + 6000) - blanchi, 0.3);
    // A tab stops every eight widths of an "x".
    const double x
        = QFontMetricsF(carattereTwips(CarattereRapporto)).horizontalAdvance(QLatin1Char('x')) / 20;
    EXPECT_NEAR(parola(QStringLiteral("Beta"), 1, Corpo[5]).left(), pt(720) + 8 * x, 0.3);
    // Inside a border the caption keeps clear of the line.
    EXPECT_NEAR(parola(QStringLiteral("1.234"), 1, Corpo[8]).right(), pt(720 + 3500 - 30), 0.3);
    // Too wide a caption is narrowed into its label, every word of it.
    EXPECT_LT(comeStampata(Corpo[6], QString::fromUtf8(Corpo[6].testo)).larghezza, 100);
    EXPECT_GE(comeStampata(Corpo[6], QString::fromUtf8(Corpo[6].testo)).larghezza, 60);
    const QRect largo = rettangoloSulFoglio(Prova, 1, Corpo[6]);
    EXPECT_EQ(p.testoIn(largo), QStringLiteral("Una didascalia troppo lunga"));
    for (const prova::Parola &w : p.parole)
        if (w.box.center().y() > pt(largo.top()) && w.box.center().y() < pt(largo.bottom()))
            EXPECT_LE(w.box.right(), pt(largo.right() + 1) + 0.3) << qPrintable(w.testo);
    // The footer at the foot; the second page with its own captions.
    EXPECT_NE(p.parolaIn(QStringLiteral("Firma"), rettangoloSulFoglio(Prova, 2, Piede[0])), nullptr);
    EXPECT_EQ(pagine[1].testoIn(rettangoloSulFoglio(Prova, 1, Corpo[2])), QStringLiteral("Beta"));
}

TEST_F(Rapporti, ATooLongCaptionIsCutAtAWholeCharacterAndNothingOfItPassesItsLabel)
{
    const QString alfabeto = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ");
    const QString nomi = QStringLiteral("ÀBCDÈFGHÌJKLMNÒPQRSTÙVWXYZÀBCDÈFGHÌJKLMNÒPQRSTÙVW");
    const QString coda = QStringLiteral(" in qualità di rappresentante legale");
    const struct
    {
        const char *controllo;
        QString testo;
        bool intera;           // printed whole
        int larghezza;         // at most this width, in per cent
        QString stampa;        // what prints, when known
        bool leggibile = true; // the PDF's text reads back as drawn (pdftotext splits
                               // combining accents and drops emoji)
        Contenuto contenuto = Contenuto::Testo; // what its fill says it holds
    } casi[] = {
        {"Stretto", QStringLiteral("Alfa"), true, 100, QStringLiteral("Alfa")},
        {"Stretto", alfabeto, false, 60, {}},
        {"Stretto", QStringLiteral("ALFA BETA GAMMA DELTA EPSILON ZETA"), false, 60, {}},
        // A letter with its combining accent, and a pair of surrogates, are one character.
        {"Stretto", QStringLiteral("E\u0301").repeated(40), false, 60, {}, false},
        {"Stretto", QStringLiteral("😀").repeated(30), false, 60, {}, false},
        {"StrettoDestra", alfabeto, false, 60, {}},
        // A number is never cut: it is narrowed as far as it must.
        {"StrettoDestra", QStringLiteral("-999.999.999.999.999,00"), true, 59,
         QStringLiteral("-999.999.999.999.999,00"), true, Contenuto::Numero},
        {"StrettoDestra", QStringLiteral("1.234"), true, 100, QStringLiteral("1.234"), true,
         Contenuto::Numero},
        // A text written like a number is a text all the same.
        {"StrettoDestra", QStringLiteral("-999.999.999.999.999,00"), false, 60, {}},
        {"Stretto", QStringLiteral("1.234.567.890.123.456.789"), false, 60, {}},
        // The closing words stay; the names before them are cut.
        {"Dichiarazione", nomi + QLatin1Char(' ') + nomi + coda, false, 60, {}},
        {"Dichiarazione", QStringLiteral("ROSSI MARIO") + coda, true, 100,
         QStringLiteral("ROSSI MARIO") + coda},
    };
    QList<IstanzaRapporto> pagine;
    for (const auto &c : casi) {
        pagine << riempita();
        pagine.back().imposta(u"Corpo", QString::fromLatin1(c.controllo), c.testo, c.contenuto);
    }
    const auto pdf = prova::leggiPdf(scrivi(pagine));
    ASSERT_EQ(pdf.size(), qsizetype(std::size(casi)));
    for (std::size_t k = 0; k < std::size(casi); ++k) {
        const auto &c = casi[k];
        SCOPED_TRACE(qPrintable(c.testo));
        const auto controlli = Prova.sezioni[1].controlli;
        const auto it = std::find_if(controlli.begin(), controlli.end(), [&](const Controllo &x) {
            return qstrcmp(x.nome, c.controllo) == 0;
        });
        const Controllo &controllo = *it;
        const Stampata s = comeStampata(pagine[k], 1, int(it - controlli.begin()));
        EXPECT_EQ(s.testo == c.testo, c.intera) << qPrintable(s.testo);
        EXPECT_LE(s.larghezza, c.larghezza);
        if (!c.stampa.isEmpty())
            EXPECT_EQ(s.testo, c.stampa);
        // Cut between whole characters, once narrowed as far as a text may
        // be: the end of the caption goes, the closing words excepted.
        if (!c.intera) {
            EXPECT_EQ(s.larghezza, 60);
            QString testa = s.testo;
            if (controllo.coda && c.testo.endsWith(coda)) {
                EXPECT_TRUE(testa.endsWith(coda));
                testa.chop(coda.size());
            }
            EXPECT_TRUE(c.testo.startsWith(testa));
            EXPECT_FALSE(testa.isEmpty());
            QTextBoundaryFinder caratteri(QTextBoundaryFinder::Grapheme, c.testo);
            caratteri.setPosition(testa.size());
            EXPECT_TRUE(caratteri.isAtBoundary()) << testa.size();
        }
        // On paper and in the PDF's text: what prints, in its label, a
        // blank clear of the next one, which reads as it is.
        const prova::PaginaPdf &p = pdf[int(k)];
        const QRect dove = rettangoloSulFoglio(Prova, 1, controllo);
        if (c.leggibile)
            EXPECT_EQ(p.testoIn(dove), s.testo.simplified());
        const double bianco = QFontMetricsF(carattereTwips(controllo.carattere))
                                  .horizontalAdvance(QLatin1Char(' '))
                              / 20;
        for (const prova::Parola &w : p.parole) {
            if (std::abs(w.box.center().y() - (dove.top() + dove.height() / 2.0) / 20) > 5)
                continue;
            const bool suo = w.box.center().x() >= pt(dove.left())
                             && w.box.center().x() <= pt(dove.right() + 1);
            if (!suo)
                continue;
            EXPECT_GE(w.box.left(), pt(dove.left()) - 0.3) << qPrintable(w.testo);
            EXPECT_LE(w.box.right(), pt(dove.right() + 1) + 0.3) << qPrintable(w.testo);
            if (s.larghezza < 100 && controllo.allineamento == Allineamento::Sinistra)
                EXPECT_LE(w.box.right(), pt(dove.right() + 1) - bianco + 0.3)
                    << qPrintable(w.testo);
            if (s.larghezza < 100 && controllo.allineamento == Allineamento::Destra)
                EXPECT_GE(w.box.left(), pt(dove.left()) + bianco - 0.3) << qPrintable(w.testo);
        }
        EXPECT_EQ(p.testoIn(rettangoloSulFoglio(Prova, 1, Corpo[12])), QStringLiteral("Dopo"));
        EXPECT_EQ(p.testoIn(rettangoloSulFoglio(Prova, 1, Corpo[13])), QStringLiteral("Prima"));
        EXPECT_EQ(p.testoIn(rettangoloSulFoglio(Prova, 1, Corpo[16])), QStringLiteral("Segue"));
    }
}

TEST_F(Rapporti, TheLinesOfAGroupPrintAtTheWidthTheNarrowestNeeds)
{
    const IstanzaRapporto i = riempita();
    const Stampata a = comeStampata(i, 1, 17);
    const Stampata b = comeStampata(i, 1, 18);
    EXPECT_LT(a.larghezza, 100);
    EXPECT_EQ(b.larghezza, a.larghezza);
    EXPECT_EQ(a.testo, QString::fromUtf8(Corpo[17].testo));
    EXPECT_EQ(b.testo, QString::fromUtf8(Corpo[18].testo));
    // Alone, the shorter line would print at its font's width.
    EXPECT_EQ(comeStampata(Corpo[18], b.testo).larghezza, 100);
}

TEST_F(Rapporti, GreyCellsBordersAndLinesAsDrawnOnAPicture)
{
    QImage img(794, 1123, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    p.scale(1 / 15.0, 1 / 15.0);
    disegnaPagina(p, riempita());
    p.end();
    const auto pixel = [&img](int xTwips, int yTwips) {
        return img.pixelColor(xTwips / 15, yTwips / 15);
    };
    EXPECT_EQ(pixel(720 + 750, CimaCorpo + 1600 + 140), QColor(0xE0, 0xE0, 0xE0));
    EXPECT_LT(pixel(720 + 2000, CimaCorpo + 1600 + 140).lightness(), 100); // the cell's left border
    EXPECT_LT(pixel(720 + 2500, CimaCorpo + 2200).lightness(), 100);       // the horizontal line
    EXPECT_LT(pixel(720 + 6000, CimaCorpo + 2400).lightness(), 100);       // the vertical one
    EXPECT_EQ(pixel(720 + 2500, CimaCorpo + 3000), QColor(Qt::white));
}

TEST_F(Rapporti, APdfThatCannotBeWrittenIsAnErrorAndLeavesNoFile)
{
    prova::Montaggio piena(dir.filePath(QStringLiteral("piena")));
    if (piena.montato())
        piena.riempi();
    const QString nonDirectory = dir.filePath(QStringLiteral("file"));
    {
        QFile f(nonDirectory);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    const struct
    {
        const char *nome;
        QString cartella;
        QString testo; // %1 the file
    } casi[] = {
        {"a folder that is not there", dir.filePath(QStringLiteral("manca")),
         QStringLiteral(
             "Impossibile creare il file di stampa %1: La cartella o il file non esiste")},
        {"a file in the folder's place", nonDirectory,
         QStringLiteral(
             "Impossibile creare il file di stampa %1: Al posto della cartella c'è un file")},
        {"a full disk", piena.montato() ? piena.cartella() : QString(),
         QStringLiteral("Impossibile scrivere il file di stampa %1: Il disco è pieno")},
    };
    for (const auto &c : casi) {
        if (c.cartella.isEmpty())
            continue;
        SCOPED_TRACE(c.nome);
        const QString percorso = QDir(c.cartella).filePath(QStringLiteral("prova.pdf"));
        QString testo;
        EXPECT_EQ(prova::erroreDi(
                      [&] {
                          FilePdf pdf(c.cartella, QStringLiteral("prova"));
                          pdf.aggiungi(riempita());
                          pdf.chiudi();
                      },
                      &testo),
                  ErroreFile);
        EXPECT_EQ(testo.toStdString(), c.testo.arg(percorso).toStdString());
        EXPECT_FALSE(QFileInfo(percorso).isFile()) << "a file was left";
    }
    // A file begun and never completed goes away.
    {
        FilePdf pdf(dir.path(), QStringLiteral("interrotto"));
        pdf.aggiungi(riempita());
        EXPECT_TRUE(QFile::exists(pdf.percorso()));
    }
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("interrotto.pdf"))));
    if (!piena.montato())
        GTEST_SKIP() << "a full disk: mounting a small file system is not allowed here";
}

// What stands under a PDF's name is never ours to write, follow or remove:
// a user's file, a folder, a link to a file, a link to nowhere. The PDF
// takes the next free name; a failure removes only the file it made, and
// only while its name still stands for it.
TEST_F(Rapporti, APdfIsANewFileNeverWrittenOverANameThatExistsNorThroughALink)
{
    const QDir d(dir.path());
    const auto scriviFile = [](const QString &percorso, const QByteArray &dati) {
        QFile f(percorso);
        return f.open(QIODevice::WriteOnly) && f.write(dati) == dati.size();
    };
    ASSERT_TRUE(d.mkdir(QStringLiteral("altrove")));
    const QString bersaglio = d.filePath(QStringLiteral("altrove/bersaglio"));
    const QString nessuno = d.filePath(QStringLiteral("altrove/nessuno.pdf"));
    ASSERT_TRUE(scriviFile(bersaglio, "del bersaglio"));
    ASSERT_TRUE(scriviFile(d.filePath(QStringLiteral("s.pdf")), "dell'utente"));
    ASSERT_TRUE(QFile::link(nessuno, d.filePath(QStringLiteral("s_2.pdf"))));
    ASSERT_TRUE(QFile::link(bersaglio, d.filePath(QStringLiteral("s_3.pdf"))));
    ASSERT_TRUE(d.mkdir(QStringLiteral("s_4.pdf")));
    const auto comeErano = [&] {
        EXPECT_EQ(prova::byteDi(d.filePath(QStringLiteral("s.pdf"))), QByteArray("dell'utente"));
        EXPECT_EQ(QFileInfo(d.filePath(QStringLiteral("s_2.pdf"))).symLinkTarget(), nessuno);
        EXPECT_FALSE(QFileInfo::exists(nessuno)) << "written through a link to nowhere";
        EXPECT_EQ(QFileInfo(d.filePath(QStringLiteral("s_3.pdf"))).symLinkTarget(), bersaglio);
        EXPECT_EQ(prova::byteDi(bersaglio), QByteArray("del bersaglio"));
        EXPECT_TRUE(QFileInfo(d.filePath(QStringLiteral("s_4.pdf"))).isDir());
    };
    {
        FilePdf pdf(d.path(), QStringLiteral("s"));
        EXPECT_EQ(pdf.percorso(), d.filePath(QStringLiteral("s_5.pdf")));
        pdf.aggiungi(riempita());
        pdf.chiudi();
    }
    comeErano();
    EXPECT_FALSE(prova::leggiPdf(d.filePath(QStringLiteral("s_5.pdf"))).isEmpty());

    // Two prints of one name at once: each its own file, and the one that
    // fails takes nothing of the other's.
    {
        auto primo = std::make_unique<FilePdf>(d.path(), QStringLiteral("t"));
        FilePdf secondo(d.path(), QStringLiteral("t"));
        EXPECT_EQ(primo->percorso(), d.filePath(QStringLiteral("t.pdf")));
        EXPECT_EQ(secondo.percorso(), d.filePath(QStringLiteral("t_2.pdf")));
        secondo.aggiungi(riempita());
        primo->aggiungi(riempita());
        primo.reset(); // failed
        secondo.chiudi();
    }
    EXPECT_FALSE(QFileInfo::exists(d.filePath(QStringLiteral("t.pdf"))));
    EXPECT_FALSE(prova::leggiPdf(d.filePath(QStringLiteral("t_2.pdf"))).isEmpty());

    // A failure after the name was given to another file or to a link.
    for (const bool collegamento : {false, true}) {
        SCOPED_TRACE(collegamento ? "a link in its place" : "a file in its place");
        QString percorso;
        {
            FilePdf pdf(d.path(), QStringLiteral("u"));
            percorso = pdf.percorso();
            pdf.aggiungi(riempita());
            ASSERT_TRUE(QFile::remove(percorso));
            ASSERT_TRUE(collegamento ? QFile::link(bersaglio, percorso)
                                     : scriviFile(percorso, "di un altro"));
        }
        if (collegamento)
            EXPECT_EQ(QFileInfo(percorso).symLinkTarget(), bersaglio);
        else
            EXPECT_EQ(prova::byteDi(percorso), QByteArray("di un altro"));
        EXPECT_EQ(prova::byteDi(bersaglio), QByteArray("del bersaglio"));
        ASSERT_TRUE(QFile::remove(percorso));
    }
    comeErano();
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
