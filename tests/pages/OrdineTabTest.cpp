// The Tab key keeps to the page shown: after the page's last control (its
// foot buttons) it comes back to the first, Shift+Tab goes the other way,
// and it never wanders off to the main window's buttons.

#include "Interazione.h"

#include "pages/PaginaScheda.h"
#include "shell/MostraPagina.h"

#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace scheda;
using namespace prova;

namespace {

class OrdineTab : public ConProgramma
{};

TEST_F(OrdineTab, TabGoesRoundThePageShownAndNeverLeavesIt)
{
    avvia(1);
    for (int n = 1; n <= 6; ++n) {
        SCOPED_TRACE(n);
        apriPagina(n);
        PaginaScheda *pagina = Form(n);
        ASSERT_NE(pagina, nullptr);
        QWidget *primo = pagina->primoControllo();
        if (n == 1) // shown already: its button left the focus on itself
            primo->setFocus(Qt::TabFocusReason);
        ASSERT_EQ(fuoco(), primo);

        // Round once: every stop on the page, back to the first.
        QWidget *ultimo = nullptr;
        int passi = 0;
        do {
            ultimo = fuoco();
            tab();
            ASSERT_TRUE(fuoco() && pagina->isAncestorOf(fuoco()))
                << "after " << qPrintable(ultimo->objectName()) << ": "
                << qPrintable(fuoco() ? fuoco()->objectName() : QStringLiteral("nothing"));
        } while (fuoco() != primo && ++passi < 200);
        ASSERT_EQ(fuoco(), primo);
        // The last stop is a foot button.
        EXPECT_TRUE(ultimo == pagina->CMDSucces || ultimo == pagina->CMDPrec)
            << qPrintable(ultimo->objectName());

        // And back.
        QTest::keyClick(fuoco(), Qt::Key_Backtab);
        EXPECT_EQ(fuoco(), ultimo);
        QTest::keyClick(fuoco(), Qt::Key_Tab);
        EXPECT_EQ(fuoco(), primo);
    }
}

} // namespace
