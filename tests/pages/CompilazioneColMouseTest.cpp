// A sheet filled by mouse, as a clerk does it: each box is clicked from the
// one before, what is typed replaces the value the box held, and the main
// window's "Salva" stores it. Through the whole program on real files.

#include "Interazione.h"

#include "core/Globali.h"
#include "platform/maschera/MaskEdBox.h"
#include "shell/MostraPagina.h"

#include <QDate>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace scheda;
using ado::Variant;
using namespace prova;

namespace {

class CompilazioneColMouse : public ConProgramma
{};

// A click on the box, then the keys.
struct Clic
{
    const char *box;
    const char *tasti;
    const char *colonna;
    Variant atteso;
};

struct Pagina
{
    int n;
    std::vector<Clic> clic;
};

TEST_F(CompilazioneColMouse, EachClickedBoxStoresWhatWasTypedInPlaceOfItsValue)
{
    avviaSuPagina(1,
                  QStringLiteral("cognome = 'ROSSI', capitale_sociale = 25000,"
                                 " capitale_versato = 18500, data_costituzione = '2001-02-03',"
                                 " a2 = 300, c2 = 400, dipa1 = 12.5, spea1 = 18500.25, speb1 = 250,"
                                 " percpromo = 40, percsocieta = 35"));
    const Pagina pagine[] = {
        {1,
         {{"TXTCapSociale", "7", "capitale_sociale", Variant(7.0)},
          {"TXTCapVersato", "9", "capitale_versato", Variant(9.0)},
          {"TXTCognome", "bianchi", "cognome", Variant("BIANCHI")},
          {"TXTDataCost", "17111961", "data_costituzione", Variant(QDate(1961, 11, 17))}}},
        {2, {{"TXTA2", "5", "a2", Variant(5.0)}}},
        {3, {{"TXTC2", "6", "c2", Variant(6.0)}}},
        {4, {{"TXTDipA1", "2", "dipa1", Variant(2.0)}}},
        {5, {{"TXTSpeB1", "1", "speb1", Variant(1.0)}, {"TXTSpeA1", "8", "spea1", Variant(8.0)}}},
        {6,
         {{"TXTPercPromo", "3", "percpromo", Variant(3.0)},
          {"TXTPercSocieta", "4", "percsocieta", Variant(4.0)}}},
    };
    for (const Pagina &pagina : pagine) {
        SCOPED_TRACE(pagina.n);
        apriPagina(pagina.n);
        for (const Clic &c : pagina.clic) {
            SCOPED_TRACE(c.box);
            QLineEdit *box = campo(c.box);
            ASSERT_NE(fuoco(), box);
            QTest::mouseClick(box, Qt::LeftButton, {}, alPosto(box, 1));
            ASSERT_EQ(fuoco(), box);
            digita(QString::fromLatin1(c.tasti));
        }
        clic(p.finestra().CMDSalva); // the last box commits as the button takes the focus
        EXPECT_EQ(PaginaModificata, 0);
        for (const Clic &c : pagina.clic)
            EXPECT_EQ(salvato(1, c.colonna), c.atteso) << c.colonna;
    }
    EXPECT_EQ(p.dialoghi.beep, 0);
    EXPECT_TRUE(p.dialoghi.mostrati.isEmpty());
}

// A double click on a figure, from the box before or inside it, then the keys: the whole
// figure goes, its sign and decimals too, saved with "Salva".
TEST_F(CompilazioneColMouse, ADoubleClickedFigureIsReplacedWholeByWhatIsTyped)
{
    avviaSuPagina(1, QStringLiteral("capitale_sociale = -9600, c2 = -9600, c3 = -9600,"
                                    " spea1 = 14500.5, percpromo = 17.5"));
    const Pagina pagine[] = {
        {1, {{"TXTCapSociale", "7", "capitale_sociale", Variant(7.0)}}},
        {3, {{"TXTC2", "8700", "c2", Variant(8700.0)}, {"TXTC3", "-9800", "c3", Variant(-9800.0)}}},
        {5, {{"TXTSpeA1", "14800", "spea1", Variant(14800.0)}}},
        {6, {{"TXTPercPromo", "20", "percpromo", Variant(20.0)}}},
    };
    for (const Pagina &pagina : pagine) {
        SCOPED_TRACE(pagina.n);
        apriPagina(pagina.n);
        for (const Clic &c : pagina.clic) {
            SCOPED_TRACE(c.box);
            QLineEdit *box = campo(c.box); // page 5 opens with the focus in it
            // On the figure's second digit, as the box shows it once entered.
            QTest::mouseClick(box, Qt::LeftButton, {}, alPosto(box, 2));
            ASSERT_EQ(fuoco(), box);
            const QPoint cifra = alPosto(box, 2);
            QTest::mouseDClick(box, Qt::LeftButton, {}, cifra);
            QTest::mouseRelease(box, Qt::LeftButton, {}, cifra);
            EXPECT_EQ(box->selectedText(), box->displayText());
            digita(QString::fromLatin1(c.tasti));
        }
        clic(p.finestra().CMDSalva);
        EXPECT_EQ(PaginaModificata, 0);
        for (const Clic &c : pagina.clic)
            EXPECT_EQ(salvato(1, c.colonna), c.atteso) << c.colonna;
    }
    EXPECT_EQ(p.dialoghi.beep, 0);
    EXPECT_TRUE(p.dialoghi.mostrati.isEmpty());
}

} // namespace
