// The boxes of a program without a screen: none is shown, each is answered
// as Esc answers it; a test's scripted boxes come first and leave again.

#include "TestiNeiMessaggi.h"

#include "platform/dialoghi/Dialoghi.h"
#include "platform/dialoghi/DialoghiScriptati.h"

#include <gtest/gtest.h>

TEST(Dialoghi, WithoutAScreenEachBoxIsAnsweredAsEscAnswersIt)
{
    EXPECT_EQ(dlg::MsgBox(QStringLiteral("Salvare?"), dlg::vbYesNo | dlg::vbExclamation,
                          QStringLiteral("Prova")),
              dlg::vbNo);
    EXPECT_EQ(dlg::MsgBox(QStringLiteral("Fatto"), dlg::vbOKOnly, QStringLiteral("Prova")),
              dlg::vbOK);
    EXPECT_EQ(dlg::InputBox(QStringLiteral("Nome"), QStringLiteral("Prova")), QString());
    dlg::Beep();
}

TEST(Dialoghi, ScriptedBoxesComeFirstAndLeaveAgain)
{
    {
        dlg::DialoghiScriptati scriptati;
        scriptati.rispondi(dlg::vbYes);
        scriptati.digita(QStringLiteral("COOP"));
        EXPECT_EQ(dlg::MsgBox(QStringLiteral("Salvare?"), dlg::vbYesNo, QStringLiteral("Prova")),
                  dlg::vbYes);
        EXPECT_EQ(dlg::InputBox(QStringLiteral("Nome"), QStringLiteral("Prova")),
                  QStringLiteral("COOP"));
        dlg::Beep();
        EXPECT_EQ(scriptati.mostrati.size(), 2);
        EXPECT_EQ(scriptati.beep, 1);
    }
    EXPECT_EQ(dlg::MsgBox(QStringLiteral("Salvare?"), dlg::vbYesNo, QStringLiteral("Prova")),
              dlg::vbNo);
}
