// The size a main window opens at: what it wants when the screen holds it
// with its frame, else maximized with a normal size the screen holds.

#include "TestiNeiMessaggi.h"

#include "platform/ui/Apertura.h"

#include <gtest/gtest.h>

namespace {

TEST(Apertura, TheWantedSizeWhenTheScreenHoldsItElseMaximized)
{
    const QSize pagina(1003, 1022); // a page beside the panel, under the menu bar
    const int barra = 14;           // a scroll bar's width
    const struct
    {
        const char *caso;
        QSize disponibile;
        QSize misura;
        bool massimizzata;
    } casi[] = {
        {"large screen", {1920, 1200}, {1003, 1022}, false},
        {"just large enough", {1003 + 16, 1022 + 48}, {1003, 1022}, false},
        {"a pixel short, no room beside for a scroll bar",
         {1003 + 16, 1022 + 47},
         {1003, 1021},
         true},
        {"1920 x 1080 under a task bar", {1920, 1040}, {1017, 992}, true},
        {"laptop", {1366, 768}, {1017, 720}, true},
        {"laptop under a task bar", {1366, 728}, {1017, 680}, true},
        {"narrow", {800, 1200}, {784, 1036}, true},
        {"narrow and short", {800, 600}, {784, 552}, true},
        {"tiny", {10, 10}, {0, 0}, true},
    };
    for (const auto &c : casi) {
        SCOPED_TRACE(c.caso);
        const ui::Apertura a = ui::apertura(pagina, c.disponibile, barra);
        EXPECT_EQ(a.misura, c.misura);
        EXPECT_EQ(a.massimizzata, c.massimizzata);
    }
}

} // namespace
