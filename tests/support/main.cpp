// Test entry point: one QApplication for every test, offscreen.
#include "platform/dialoghi/DialoghiQt.h"
#include "platform/ui/Aspetto.h"
#include "platform/ui/Lingua.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen")
                                                                    : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    ui::impostaAspetto();     // the program's own style and fonts
    ui::traduciQt();          // Qt's own texts in Italian
    dlg::impostaDialoghiQt(); // and its boxes, until a test scripts them
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
