// A laptop screen (1366 x 768), too short for a whole page: the main window
// opens maximized, the page area scrolls, and every focus move the keyboard
// or the program makes brings the focused control whole into sight, with
// its frame where that fits.

#include "SchermoProva.h"

#include "pages/PaginaScheda.h"
#include "shell/MostraPagina.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>

using namespace scheda;
using namespace prova;

namespace {

class SchermoPortatile : public ConSchermo
{
protected:
    int scorso() { return area()->verticalScrollBar()->value(); }
};

TEST_F(SchermoPortatile, TheMainWindowOpensMaximizedWithThePanelWholeOnTheRight)
{
    apri();
    MDIForm1 &w = p.finestra();
    const QRect disponibile = w.screen()->availableGeometry();
    ASSERT_EQ(disponibile.size(), QSize(1366, 768));
    EXPECT_TRUE(w.windowState() & Qt::WindowMaximized);
    EXPECT_TRUE(disponibile.contains(w.frameGeometry())) << testo(w.frameGeometry());
    pannelloAlSuoPosto(w);
    // The page is taller than the area: a vertical scroll bar, none across.
    EXPECT_LT(area()->viewport()->height(), ui::px(15000));
    EXPECT_TRUE(area()->verticalScrollBar()->isVisible());
    EXPECT_FALSE(area()->horizontalScrollBar()->isVisible());
    EXPECT_EQ(finestraPagina(1)->pos(), QPoint(0, 0));
    EXPECT_EQ(scorso(), 0);
}

TEST_F(SchermoPortatile, TabKeepsEveryFocusedControlWholeInSight)
{
    apri();
    for (int n = 1; n <= 6; ++n) {
        SCOPED_TRACE(n);
        apriPagina(n);
        PaginaScheda *pagina = Form(n);
        ASSERT_NE(pagina, nullptr);
        // A page opens at its top, wherever the page before was scrolled to.
        EXPECT_EQ(scorso(), 0);
        EXPECT_EQ(finestraPagina(n)->pos(), QPoint(0, 0));
        QWidget *primo = pagina->primoControllo();
        primo->setFocus(Qt::TabFocusReason);
        ASSERT_EQ(fuoco(), primo);
        bool sottoIlBordo = false; // some stop of the page starts out of sight
        for (QWidget *c : pagina->findChildren<QWidget *>())
            sottoIlBordo = sottoIlBordo || (fermata(c) && !inVista(area(), c));
        // Pages 1 to 4 reach below a laptop screen's fold, 5 and 6 do not.
        EXPECT_EQ(sottoIlBordo, n <= 4);

        int piuGiu = 0, passi = 0;
        do {
            tab();
            ASSERT_TRUE(fuoco() && pagina->isAncestorOf(fuoco()));
            EXPECT_TRUE(conLaCorniceInVista(area(), fuoco())) << qPrintable(fuoco()->objectName());
            piuGiu = std::max(piuGiu, scorso());
        } while (fuoco() != primo && ++passi < 200);
        // The view went down with the focus and came back up with it.
        EXPECT_EQ(piuGiu > 0, sottoIlBordo);
        EXPECT_TRUE(inVista(area(), primo));
        QTest::keyClick(fuoco(), Qt::Key_Backtab);
        EXPECT_TRUE(conLaCorniceInVista(area(), fuoco())) << qPrintable(fuoco()->objectName());
    }
}

TEST_F(SchermoPortatile, TheOptionsUnderABoxShowWithIt)
{
    apri();
    apriPagina(1);
    const struct
    {
        const char *prima, *box, *cornice, *opzioni[2]; // Tab goes from `prima` to the box
    } casi[] = {
        {"TXTDataArt", "TXTIscrPref", "A10", {"OPTSezPref1", "OPTSezPref2"}},
        {"TXTIscrPref", "TXTNumPref", "A10", {"OPTSezPref1", "OPTSezPref2"}},
        {"TXTNumPref", "TXTDataPref", "A10", {"OPTSezPref1", "OPTSezPref2"}},
        {"TXTDataPref", "TXTNumMini", "A11", {"OPTCategoriaMini1", "OPTCategoriaMini2"}},
        {"TXTNumMini", "TXTDataMini", "A11", {"OPTCategoriaMini1", "OPTCategoriaMini2"}},
    };
    for (const auto &c : casi) {
        SCOPED_TRACE(c.box);
        // From the top of the page by code, and from the box before by Tab.
        for (const bool conTab : {false, true}) {
            Form(1)->primoControllo()->setFocus(Qt::TabFocusReason);
            area()->verticalScrollBar()->setValue(0);
            ASSERT_EQ(scorso(), 0);
            QWidget *box = campo<QWidget>(c.box);
            ASSERT_FALSE(inVista(area(), campo<QWidget>(c.opzioni[1]))); // below the fold
            if (conTab) {
                campo<QWidget>(c.prima)->setFocus(Qt::TabFocusReason);
                tab();
            } else {
                box->setFocus(Qt::TabFocusReason);
            }
            ASSERT_EQ(fuoco(), box);
            EXPECT_TRUE(inVista(area(), box));
            EXPECT_TRUE(inVista(area(), campo<QGroupBox>(c.cornice)));
            for (const char *opzione : c.opzioni)
                EXPECT_TRUE(inVista(area(), campo<QWidget>(opzione))) << opzione;
        }
    }
}

TEST_F(SchermoPortatile, TheBoxesOfA11AreTypedIntoInSight)
{
    apri();
    apriPagina(1);
    auto *numero = campo("TXTNumMini");
    auto *data = campo("TXTDataMini");
    ASSERT_FALSE(inVista(area(), numero)); // below the fold at first
    // Reached from the box before by Tab, the number typed, Tab to the date.
    campo("TXTDataPref")->setFocus(Qt::TabFocusReason);
    tab();
    ASSERT_EQ(fuoco(), numero);
    EXPECT_TRUE(inVista(area(), numero));
    digita(QStringLiteral("1234"));
    tab();
    ASSERT_EQ(fuoco(), data);
    EXPECT_TRUE(inVista(area(), data));
    digita(QStringLiteral("02031999"));
    tab();
    EXPECT_TRUE(inVista(area(), fuoco())) << qPrintable(fuoco()->objectName());
    EXPECT_EQ(numero->text(), QStringLiteral("1234"));
    EXPECT_EQ(data->text(), QStringLiteral("02/03/1999"));
}

TEST_F(SchermoPortatile, TheProgramGivingABoxTheFocusBringsItIntoSight)
{
    apri();
    apriPagina(4);
    PaginaScheda *pagina = Form(4);
    QList<QWidget *> giu;
    for (QWidget *c : pagina->findChildren<QWidget *>())
        if (fermata(c) && !inVista(area(), c))
            giu << c;
    ASSERT_FALSE(giu.isEmpty());
    for (QWidget *c : giu) {
        SCOPED_TRACE(qPrintable(c->objectName()));
        c->setFocus(Qt::OtherFocusReason);
        ASSERT_EQ(fuoco(), c);
        EXPECT_TRUE(inVista(area(), c));
        pagina->primoControllo()->setFocus(Qt::OtherFocusReason);
        EXPECT_TRUE(inVista(area(), pagina->primoControllo()));
    }
}

TEST_F(SchermoPortatile, AClickOnAButtonHalfInSightIsAClick)
{
    apri();
    apriPagina(1);
    QToolButton *succes = Form(1)->CMDSucces;
    QWidget *vista = area()->viewport();
    // The view scrolled by hand so that only the top of "Pag. Succes." shows.
    area()->verticalScrollBar()->setValue(scorso() + succes->mapTo(vista, QPoint(0, 0)).y() + 10
                                          - vista->height());
    ASSERT_EQ((QRect(succes->mapTo(vista, QPoint(0, 0)), succes->size()) & vista->rect()).height(),
              10);
    // Pressed, and released where the mouse still stands: the view does not
    // move the button away from under it.
    const QPoint dove = succes->mapTo(vista, QPoint(succes->width() / 2, 5));
    QTest::mousePress(succes, Qt::LeftButton, {}, QPoint(succes->width() / 2, 5));
    ASSERT_EQ(fuoco(), succes);
    QTest::mouseRelease(succes, Qt::LeftButton, {}, succes->mapFrom(vista, dove));
    EXPECT_EQ(PaginaCorrente, 2);
}

TEST_F(SchermoPortatile, TheWindowMadeLargeShowsTheWholePageWithNoScrollBars)
{
    apri();
    apriPagina(1);
    campo("TXTDataMini")->setFocus(Qt::TabFocusReason);
    ASSERT_GT(scorso(), 0);
    MDIForm1 &w = p.finestra();
    w.setWindowState(Qt::WindowNoState);
    w.resize(ui::px(13060 + 1980) + 40, ui::px(15000) + 80);
    QApplication::processEvents();
    EXPECT_EQ(scorso(), 0);
    EXPECT_FALSE(area()->verticalScrollBar()->isVisible());
    EXPECT_EQ(finestraPagina(1)->pos(), QPoint(0, 0));
    pannelloAlSuoPosto(w);
}

} // namespace
