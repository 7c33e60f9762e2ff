// The main window as the user sees it: caption, menus, page buttons.

#include "Interazione.h"

#include "pages/PaginaScheda.h"
#include "platform/ui/Twips.h"
#include "shell/MostraPagina.h"
#include "core/Globali.h"

#include <QAction>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace scheda;

namespace {

QStringList voci(const QList<QAction *> &azioni, bool soloVisibili)
{
    QStringList testi;
    for (const QAction *a : azioni)
        if (!soloVisibili || a->isVisible())
            testi << a->text();
    return testi;
}

} // namespace

TEST(FinestraPrincipale, CaptionAndMenusAsTheUserSeesThem)
{
    ProgrammaProva p;
    p.cartella.aggiungiSchede(1);
    ASSERT_TRUE(p.avvia());
    MDIForm1 &w = p.finestra();
    EXPECT_EQ(w.windowTitle(), QStringLiteral("REGIONE TARVESIA - Velisco - I° Bando"));
    EXPECT_EQ(voci(w.menuBar()->actions(), true),
              (QStringList{QStringLiteral("&File"), QStringLiteral("Stampa"), QStringLiteral("Esporta"), QStringLiteral("?")}));
    EXPECT_EQ(voci(w.MNUFile->actions(), false), QStringList{QStringLiteral("&Esci")});
    EXPECT_EQ(voci(w.Stampa->actions(), false), QStringList{QStringLiteral("Stampa Scheda Corrente")});
    EXPECT_EQ(voci(w.Esporta->actions(), false), QStringList{QStringLiteral("Esporta Scheda Corrente")});
    EXPECT_EQ(voci(w.Aiuto->actions(), false), (QStringList{QStringLiteral("Help"), QStringLiteral("Versione Software ")}));
    // The preview menu is there, hidden and disabled.
    EXPECT_FALSE(w.Video->menuAction()->isVisible());
    EXPECT_FALSE(w.Video->menuAction()->isEnabled());
    EXPECT_EQ(voci(w.Video->actions(), false).size(), 6);
    EXPECT_EQ(w.Pag[6]->text(), QStringLiteral("Pag 6"));
}

TEST(FinestraPrincipale, OnlyThePageShownIsYellowAndFindDoesNothing)
{
    ProgrammaProva p;
    p.cartella.aggiungiSchede(2);
    ASSERT_TRUE(p.avvia());
    MDIForm1 &w = p.finestra();
    QTest::mouseClick(w.CMDPag[4], Qt::LeftButton);
    prova::soloPaginaGialla(w, 4);
    EXPECT_EQ(w.CMDPag[4]->palette().color(QPalette::Button), QColor(255, 255, 0));

    const auto id = IdRecord;
    QTest::mouseClick(w.CMDTrova, Qt::LeftButton);
    EXPECT_EQ(IdRecord, id);
    EXPECT_EQ(PaginaCorrente, 4);
    EXPECT_TRUE(p.dialoghi.mostrati.isEmpty());
}

TEST(FinestraPrincipale, APageWindowHasAFixedSize)
{
    ProgrammaProva p;
    p.cartella.aggiungiSchede(1);
    ASSERT_TRUE(p.avvia());
    // Room for the whole page, so the mouse reaches its edges.
    p.finestra().resize(ui::px(13060 + 1980) + 80, ui::px(15000) + 120);
    p.finestra().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&p.finestra()));
    for (const int n : {1, 4}) {
        SCOPED_TRACE(n);
        QTest::mouseClick(p.finestra().CMDPag[n], Qt::LeftButton);
        auto *sub = qobject_cast<QMdiSubWindow *>(Form(n)->parentWidget());
        ASSERT_NE(sub, nullptr);
        const QSize misura(ui::px(13060), ui::px(15000));
        EXPECT_EQ(sub->size(), misura);
        EXPECT_EQ(sub->minimumSize(), misura);
        EXPECT_EQ(sub->maximumSize(), misura);
        // The user drags the right edge and then the bottom edge.
        const QPoint presa[] = {QPoint(misura.width() - 2, 200), QPoint(300, misura.height() - 2)};
        for (const QPoint &da : presa) {
            QTest::mouseMove(sub, da); // over the border: the resize cursor
            QTest::mousePress(sub, Qt::LeftButton, {}, da);
            QTest::mouseMove(sub, da - QPoint(120, 120));
            QTest::mouseRelease(sub, Qt::LeftButton, {}, da - QPoint(120, 120));
            EXPECT_EQ(sub->size(), misura);
        }
        EXPECT_EQ(sub->pos(), QPoint(0, 0));
    }
}
