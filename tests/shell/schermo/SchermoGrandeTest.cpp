// A large screen (1920 x 1200) holds a whole page beside the panel: the main
// window opens at that size, not maximized, with no scroll bars, and the
// focus moving about the page never moves the page.

#include "SchermoProva.h"

#include <QMdiArea>
#include <QMenuBar>
#include <QScreen>
#include <QScrollBar>

using namespace scheda;
using namespace prova;

namespace {

class SchermoGrande : public ConSchermo
{};

TEST_F(SchermoGrande, TheWindowHoldsTheWholePageBesideThePanelAndNothingScrolls)
{
    apri();
    MDIForm1 &w = p.finestra();
    QMdiArea *area = w.areaPagine();
    const QRect disponibile = w.screen()->availableGeometry();
    ASSERT_EQ(disponibile.size(), QSize(1920, 1200));
    EXPECT_FALSE(w.windowState() & Qt::WindowMaximized);
    EXPECT_TRUE(disponibile.contains(w.frameGeometry())) << testo(w.frameGeometry());
    // Room for the page and the panel, and no more.
    const int bordo = 2 * area->frameWidth();
    EXPECT_EQ(w.size(), QSize(ui::px(13060) + bordo + ui::px(1980),
                              w.menuBar()->height() + ui::px(15000) + bordo));
    pannelloAlSuoPosto(w);

    for (int n = 1; n <= 6; ++n) {
        SCOPED_TRACE(n);
        apriPagina(n);
        QMdiSubWindow *sub = finestraPagina(n);
        ASSERT_NE(sub, nullptr);
        EXPECT_EQ(sub->pos(), QPoint(0, 0));
        EXPECT_EQ(sub->size(), QSize(ui::px(13060), ui::px(15000)));
        EXPECT_TRUE(area->viewport()->rect().contains(sub->geometry()));
        PaginaScheda *pagina = Form(n);
        QWidget *primo = pagina->primoControllo();
        primo->setFocus(Qt::TabFocusReason);
        int passi = 0;
        do {
            tab();
            EXPECT_TRUE(inVista(area, fuoco())) << qPrintable(fuoco()->objectName());
        } while (fuoco() != primo && ++passi < 200);
        EXPECT_EQ(sub->pos(), QPoint(0, 0));
        EXPECT_FALSE(area->verticalScrollBar()->isVisible());
        EXPECT_FALSE(area->horizontalScrollBar()->isVisible());
    }
    pannelloAlSuoPosto(w);
}

} // namespace
