// The one font helper: the families the Windows names map to and the
// sizes in pixels at 96 DPI.

#include "TestiNeiMessaggi.h"

#include "platform/ui/Aspetto.h"

#include <gtest/gtest.h>

namespace {

TEST(Carattere, FamiliesAndPixelSizes)
{
    const struct
    {
        const char *nome;
        double punti;
        const char *famiglia;
        int pixel;
    } casi[] = {
        {"MS Sans Serif", 8.25, "Liberation Sans", 11},
        {"Arial", 7, "Liberation Sans", 9},
        {"Verdana", 8, "Liberation Sans", 11},
        {"tahoma", 10, "Liberation Sans", 13},
        {"", 8, "Liberation Sans", 11},
        {"Times New Roman", 12, "Liberation Serif", 16},
        {"Courier New", 9, "Liberation Mono", 12},
        {" Georgia ", 6, "Georgia", 8},
    };
    for (const auto &c : casi) {
        SCOPED_TRACE(c.nome);
        EXPECT_EQ(ui::famiglia(QString::fromLatin1(c.nome)), QString::fromLatin1(c.famiglia));
        const QFont f = ui::carattere(QString::fromLatin1(c.nome), c.punti);
        EXPECT_EQ(f.family(), QString::fromLatin1(c.famiglia));
        EXPECT_EQ(f.pixelSize(), c.pixel);
        EXPECT_EQ(f.pointSizeF(), -1.0); // one unit: pixels
        EXPECT_FALSE(f.bold());
    }
    const QFont g = ui::carattere(QStringLiteral("Arial"), 8, true, true);
    EXPECT_TRUE(g.bold());
    EXPECT_TRUE(g.underline());
}

} // namespace
