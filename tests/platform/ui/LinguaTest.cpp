// Qt's own texts in Italian: a text box's own menu, as the program's
// start-up installs Qt's translations; without them, in English.

#include "platform/ui/Lingua.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// The entries of the box's own menu, without their accelerators and keys.
QStringList vociDelMenu(QLineEdit &box)
{
    QContextMenuEvent clic(QContextMenuEvent::Mouse, QPoint(2, 2), box.mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(&box, &clic);
    QMenu *menu = box.findChild<QMenu *>();
    QStringList voci;
    if (!menu)
        return voci;
    for (const QAction *a : menu->actions())
        if (!a->isSeparator())
            voci << a->text().section(QLatin1Char('\t'), 0, 0).remove(QLatin1Char('&'));
    delete menu;
    return voci;
}

TEST(Lingua, ATextBoxsOwnMenuIsInItalianAndInEnglishWithoutTheTranslations)
{
    QLineEdit box;
    box.setText(QStringLiteral("ROSSI"));
    box.show();

    ASSERT_TRUE(ui::traduciQt()) << "Qt's Italian translation is not installed";
    const QStringList italiano = vociDelMenu(box);
    EXPECT_TRUE(italiano.contains(QStringLiteral("Incolla"))) << qPrintable(italiano.join(u','));
    EXPECT_TRUE(italiano.contains(QStringLiteral("Copia"))) << qPrintable(italiano.join(u','));
    EXPECT_FALSE(italiano.contains(QStringLiteral("Paste")));

    // A folder without them: the program goes on, in English.
    QTemporaryDir vuota;
    EXPECT_FALSE(ui::traduciQt(vuota.path()));
    EXPECT_TRUE(vociDelMenu(box).contains(QStringLiteral("Paste")));

    ASSERT_TRUE(ui::traduciQt()); // as the other tests run
    EXPECT_EQ(vociDelMenu(box), italiano);
}

} // namespace
