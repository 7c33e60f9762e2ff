// How far the view scrolls to show a control: nothing when it shows whole,
// just enough (with its margin of room, where there is room) when it does not.

#include "TestiNeiMessaggi.h"

#include "platform/ui/FuocoInVista.h"

#include <gtest/gtest.h>

namespace {

TEST(FuocoInVista, TheViewScrollsJustEnoughToShowTheControlWhole)
{
    const QRect vista(0, 0, 800, 600);
    const struct
    {
        const char *caso;
        QRect controllo;
        int margine;
        QPoint atteso;
    } casi[] = {
        {"whole in view", {100, 100, 80, 20}, 32, {0, 0}},
        {"whole in view, margin to spare", {100, 548, 80, 20}, 32, {0, 0}},
        {"at the foot, inside the margin", {100, 560, 80, 20}, 32, {0, 12}},
        {"half below the foot", {100, 590, 80, 20}, 32, {0, 42}},
        {"far below", {100, 900, 80, 20}, 32, {0, 352}},
        {"above the top", {100, -300, 80, 20}, 32, {0, -332}},
        {"cut at the top", {100, 10, 80, 20}, 32, {0, -22}},
        {"off to the right", {780, 100, 80, 20}, 32, {92, 0}},
        {"off to the left and below", {-50, 700, 80, 20}, 32, {-82, 152}},
        {"no margin asked", {100, 590, 80, 20}, 0, {0, 10}},
        {"margin cut to the room there is", {100, 590, 80, 580}, 32, {0, 580}},
        {"taller than the view, part showing", {100, 200, 80, 900}, 32, {0, 0}},
        {"taller than the view, all below", {100, 700, 80, 900}, 32, {0, 700}},
        {"taller than the view, all above", {100, -1000, 80, 900}, 32, {0, -1000}},
    };
    for (const auto &c : casi) {
        SCOPED_TRACE(c.caso);
        EXPECT_EQ(ui::scorrimentoPerVedere(c.controllo, vista, c.margine), c.atteso);
        // Scrolled by that much, the control lies whole in view (when it fits).
        if (c.controllo.height() <= vista.height())
            EXPECT_TRUE(vista.contains(c.controllo.translated(-c.atteso)));
    }
    // A view that does not start at the origin.
    EXPECT_EQ(ui::scorrimentoPerVedere(QRect(10, 700, 20, 20), QRect(5, 100, 400, 600), 0),
              QPoint(0, 20));
}

TEST(FuocoInVista, TheFrameOfTheControlShowsWholeWhereItFits)
{
    const QRect vista(0, 0, 800, 600);
    const struct
    {
        const char *caso;
        QRect controllo, cornice;
        QPoint atteso;
    } casi[] = {
        {"control and frame in view", {100, 100, 80, 20}, {50, 80, 300, 100}, {0, 0}},
        {"control in view, the frame's foot below", {100, 560, 80, 20}, {50, 540, 300, 100}, {0, 65}},
        {"control in view, the frame's top above", {100, 10, 80, 20}, {50, -40, 300, 200}, {0, -65}},
        {"frame taller than the view: the control", {100, 590, 80, 20}, {50, 0, 300, 700}, {0, 35}},
        {"frame wider than the view: across, the control",
         {780, 100, 80, 20},
         {0, 90, 1000, 60},
         {85, 0}},
        {"no frame", {100, 590, 80, 20}, {}, {0, 35}},
    };
    for (const auto &c : casi) {
        SCOPED_TRACE(c.caso);
        EXPECT_EQ(ui::scorrimentoPerVedere(c.controllo, vista, 25, c.cornice), c.atteso);
        // Scrolled by that much, the control lies whole in view, and so does
        // the frame along each axis where it fits.
        EXPECT_TRUE(vista.contains(c.controllo.translated(-c.atteso)));
        const QRect cornice = c.cornice.translated(-c.atteso);
        if (!c.cornice.isEmpty() && c.cornice.height() <= vista.height())
            EXPECT_TRUE(cornice.top() >= 0 && cornice.bottom() < vista.height());
        if (!c.cornice.isEmpty() && c.cornice.width() <= vista.width())
            EXPECT_TRUE(cornice.left() >= 0 && cornice.right() < vista.width());
    }
}

} // namespace
