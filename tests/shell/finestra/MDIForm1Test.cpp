// The main window as the user sees it: caption, menus, page buttons.

#include "Interazione.h"

#include "core/Globali.h"
#include "pages/PaginaScheda.h"
#include "platform/ui/Twips.h"
#include "shell/MostraPagina.h"

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QMap>
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
              (QStringList{QStringLiteral("&File"), QStringLiteral("Stampa"),
                           QStringLiteral("Esporta"), QStringLiteral("?")}));
    EXPECT_EQ(voci(w.MNUFile->actions(), false), QStringList{QStringLiteral("&Esci")});
    EXPECT_EQ(voci(w.Stampa->actions(), false),
              QStringList{QStringLiteral("Stampa Scheda Corrente")});
    EXPECT_EQ(voci(w.Esporta->actions(), false),
              QStringList{QStringLiteral("Esporta Scheda Corrente")});
    EXPECT_EQ(voci(w.Aiuto->actions(), false),
              (QStringList{QStringLiteral("Help"), QStringLiteral("Versione Software ")}));
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
    ASSERT_TRUE(p.attiva());
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

TEST(FinestraPrincipale, ThePanelsButtonsTheirPlacesPicturesAndTabOrder)
{
    ProgrammaProva p;
    p.cartella.aggiungiSchede(1);
    ASSERT_TRUE(p.avvia());
    MDIForm1 &w = p.finestra();
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));

    // The panel down the right-hand edge, 1980 wide, mid blue.
    EXPECT_EQ(w.Picture1->width(), ui::px(1980));
    EXPECT_EQ(w.Picture1->mapTo(&w, QPoint(w.Picture1->width(), 0)).x(), w.width());
    EXPECT_EQ(w.Picture1->palette().color(QPalette::Window), ui::coloreVb(ui::BluMedio));

    enum Aspetto { Icona, SoloTesto, Standard };
    const struct
    {
        QToolButton *pulsante;
        const char *caption;
        int left, top, width, height;
        Aspetto aspetto;
    } pannello[] = {
        {w.CMDNuovo, "Nuovo", 0, 870, 975, 885, Icona},
        {w.CMDElimina, "Elimina", 960, 870, 975, 885, Icona},
        {w.CMDPrec, "Precedente", 0, 1760, 975, 885, Icona},
        {w.CMDSucc, "Successivo", 960, 1760, 975, 885, Icona},
        {w.CMDPrimo, "Primo", 0, 2640, 975, 885, SoloTesto},
        {w.CMDUltimo, "Ultimo", 960, 2640, 975, 885, SoloTesto},
        {w.CMDTrova, "Trova", 0, 3520, 975, 885, Icona},
        {w.Command1, "Stampa Pagina", 960, 3520, 975, 885, Standard},
        {w.CMDPag[1], "Pag. 1", 0, 4440, 960, 320, SoloTesto},
        {w.CMDPag[2], "Pag. 2", 960, 4440, 960, 320, SoloTesto},
        {w.CMDPag[3], "Pag. 3", 0, 4780, 960, 320, SoloTesto},
        {w.CMDPag[4], "Pag. 4", 960, 4780, 960, 320, SoloTesto},
        {w.CMDPag[5], "Pag. 5", 0, 5130, 960, 320, SoloTesto},
        {w.CMDPag[6], "Pag. 6", 960, 5130, 960, 320, SoloTesto},
        {w.CMDSalva, "Salva", 0, 5490, 975, 885, Icona},
        {w.CMDRipristina, "Ripristina", 960, 5490, 975, 885, Icona},
        {w.CMDEsci, "Esci", 0, 6420, 1935, 735, Icona},
    };
    const int margine = 4; // the least room left beside a caption, in pixels
    for (const auto &b : pannello) {
        SCOPED_TRACE(b.caption);
        ASSERT_NE(b.pulsante, nullptr);
        EXPECT_EQ(b.pulsante->parentWidget(), w.Picture1);
        EXPECT_EQ(b.pulsante->text(), QString::fromUtf8(b.caption));
        EXPECT_EQ(b.pulsante->geometry(), ui::rettangolo(b.left, b.top, b.width, b.height));
        EXPECT_EQ(b.pulsante->property("graphical").toBool(), b.aspetto != Standard);
        EXPECT_EQ(b.pulsante->icon().isNull(), b.aspetto != Icona);
        EXPECT_EQ(b.pulsante->font().pixelSize(), 11);
        // The caption as drawn keeps clear of the button's edges: the pixels
        // that change when it is taken away lie inside the margins.
        const QImage con = b.pulsante->grab().toImage();
        const QString caption = b.pulsante->text();
        b.pulsante->setText(QString());
        const QImage senza = b.pulsante->grab().toImage();
        b.pulsante->setText(caption);
        int sinistra = con.width(), destra = -1;
        for (int y = 0; y < con.height(); ++y)
            for (int x = 0; x < con.width(); ++x)
                if (con.pixel(x, y) != senza.pixel(x, y)) {
                    sinistra = std::min(sinistra, x);
                    destra = std::max(destra, x);
                }
        ASSERT_GE(destra, 0) << "no caption drawn";
        EXPECT_GE(sinistra, margine);
        EXPECT_LT(destra, con.width() - margine);
    }

    // Tab order.
    QToolButton *ordine[] = {w.CMDPrec,       w.CMDSucc,   w.CMDPrimo,   w.CMDUltimo, w.CMDNuovo,
                             w.CMDRipristina, w.CMDSalva,  w.CMDElimina, w.CMDTrova,  w.CMDEsci,
                             w.CMDPag[5],     w.CMDPag[1], w.Command1,   w.CMDPag[2], w.CMDPag[3],
                             w.CMDPag[4],     w.CMDPag[6]};
    w.CMDPrec->setFocus(Qt::TabFocusReason);
    ASSERT_EQ(QApplication::focusWidget(), w.CMDPrec);
    for (std::size_t i = 1; i < std::size(ordine); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        ASSERT_EQ(QApplication::focusWidget(), ordine[i])
            << "after " << qPrintable(ordine[i - 1]->text());
    }

    // The two emblems and their labels.
    QList<QRect> figure;
    QMap<QString, QPoint> scritte;
    for (QLabel *l : w.Picture1->findChildren<QLabel *>(Qt::FindDirectChildrenOnly)) {
        if (!l->pixmap().isNull()) {
            figure << l->geometry();
        } else {
            scritte.insert(l->text(), l->pos());
            EXPECT_EQ(l->font().pixelSize(), 9) << qPrintable(l->text()); // 7 points
        }
    }
    EXPECT_TRUE(figure.contains(ui::rettangolo(1080, 50, 735, 780)));
    EXPECT_TRUE(figure.contains(ui::rettangolo(1200, 7200, 495, 585)));
    EXPECT_EQ(scritte.value(QStringLiteral("REGIONE")), QPoint(ui::px(285), ui::px(7300)));
    EXPECT_EQ(scritte.value(QStringLiteral("TARVESIA")), QPoint(ui::px(240), ui::px(7520)));
    int marchio = 0;
    for (const int top : {150, 350, 550})
        for (const QPoint &pos : scritte)
            marchio += pos == QPoint(ui::px(120), ui::px(top));
    EXPECT_EQ(marchio, 3);
}
