// The masked edit box: the mask as the date boxes use it, typed for real.

#include "TestiNeiMessaggi.h"

#include "platform/maschera/MaskEdBox.h"

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

using maschera::MaskEdBox;

TEST(MaskEdBox, OurMaskSyntaxBecomesQtsInputMask)
{
    EXPECT_EQ(MaskEdBox::maschereQt(QStringLiteral("##/##/####"), QLatin1Char('_')),
              QStringLiteral("99/99/9999;_"));
    EXPECT_EQ(MaskEdBox::maschereQt(QStringLiteral("(999) ?&C"), QLatin1Char('*')),
              QStringLiteral("(000) AXx;*"));
    // Qt's special characters written as literals stay literals.
    EXPECT_EQ(MaskEdBox::maschereQt(QStringLiteral("#-H\\#"), QLatin1Char('_')),
              QStringLiteral("9-\\H\\#;_"));
}

TEST(MaskEdBox, TextKeepsThePromptCharacters)
{
    MaskEdBox box;
    EXPECT_EQ(box.Mask(), QStringLiteral("##/##/####"));
    EXPECT_EQ(box.PromptChar(), QLatin1Char('_'));
    EXPECT_EQ(box.Text(), QStringLiteral("__/__/____"));
    box.setText(QStringLiteral("05/03/2004"));
    EXPECT_EQ(box.Text(), QStringLiteral("05/03/2004"));
    box.setText(QStringLiteral("05/03/20__"));
    EXPECT_EQ(box.Text(), QStringLiteral("05/03/20__"));
    box.setText(QStringLiteral("__/__/____"));
    EXPECT_EQ(box.Text(), QStringLiteral("__/__/____"));
    box.setText(QString());
    EXPECT_EQ(box.Text(), QStringLiteral("__/__/____"));
    box.setText(QStringLiteral("05/03/2004"));
    box.setPromptChar(QLatin1Char('#'));
    EXPECT_EQ(box.Text(), QStringLiteral("05/03/2004"));
    box.setText(QString());
    EXPECT_EQ(box.Text(), QStringLiteral("##/##/####"));
}

TEST(MaskEdBox, TypingFillsTheDigitPlacesOnly)
{
    QWidget w;
    auto *box = new MaskEdBox(&w);
    w.show();
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    box->setFocus(Qt::TabFocusReason);
    box->setSelStart(0);
    QTest::keyClicks(box, QStringLiteral("0a5-03x2004"));
    EXPECT_EQ(box->Text(), QStringLiteral("05/03/2004"));

    // The whole mask selected: Delete clears it to the prompt characters.
    box->setSelStart(0);
    box->setSelLength(10);
    EXPECT_EQ(box->SelStart(), 0);
    EXPECT_EQ(box->SelLength(), 10);
    QTest::keyClick(box, Qt::Key_Delete);
    EXPECT_EQ(box->Text(), QStringLiteral("__/__/____"));

    // A half-filled mask reads with its prompts.
    box->setSelStart(0);
    QTest::keyClicks(box, QStringLiteral("0503"));
    EXPECT_EQ(box->Text(), QStringLiteral("05/03/____"));
    QTest::keyClick(box, Qt::Key_Backspace);
    EXPECT_EQ(box->Text(), QStringLiteral("05/0_/____"));

    // SelStart alone puts the caret and selects nothing.
    box->setSelStart(3);
    EXPECT_EQ(box->SelStart(), 3);
    EXPECT_EQ(box->SelLength(), 0);
    box->setSelLength(2);
    EXPECT_EQ(box->selectedText(), QStringLiteral("0_"));
}
