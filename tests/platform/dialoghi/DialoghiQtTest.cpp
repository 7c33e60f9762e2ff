// The program's own message and input boxes, as the user sees them: each is
// at least as wide as its title, so the desktop never cuts the title short.

#include "platform/dialoghi/Dialoghi.h"

#include <QApplication>
#include <QDialog>
#include <QFontMetrics>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// The width the desktop needs for a title: its text in bold, with room for
// the window's icon and buttons beside it.
int larghezzaTitolo(const QWidget &box)
{
    QFont grassetto = box.font();
    grassetto.setBold(true);
    return QFontMetrics(grassetto).horizontalAdvance(box.windowTitle()) + 60;
}

// Runs `apri`, which shows a modal box, and returns the box's width and
// needed width as it stood on screen; the box is then dismissed.
std::pair<int, int> misura(const std::function<void()> &apri)
{
    std::pair<int, int> m{0, 0};
    QTimer::singleShot(0, [&m] {
        if (auto *box = qobject_cast<QDialog *>(QApplication::activeModalWidget())) {
            m = {box->width(), larghezzaTitolo(*box)};
            box->reject();
        }
    });
    apri();
    return m;
}

TEST(DialoghiQt, EveryBoxIsAtLeastAsWideAsItsTitle)
{
    const struct {
        const char *titolo;
        bool domanda; // an input box, not a message box
    } casi[] = {
        {"Inserire Record per avviare il Programma", true},
        {"Inserire la Denominazione dell'Impresa", true},
        {"Dati indispensabili per l'esportazione (vedi Help)", false},
        {"Salva Pagina Modificata", false},
    };
    for (const auto &c : casi) {
        SCOPED_TRACE(c.titolo);
        const QString titolo = QString::fromUtf8(c.titolo);
        const auto [larghezza, necessaria] = misura([&] {
            if (c.domanda)
                dlg::InputBox(QStringLiteral("Denominazione dell'Impresa"), titolo);
            else
                dlg::MsgBox(QStringLiteral("Inserire A1"), dlg::vbExclamation, titolo);
        });
        ASSERT_GT(necessaria, 0) << "no box was shown";
        EXPECT_GE(larghezza, necessaria);
    }
}

TEST(DialoghiQt, ACancelledInputBoxAnswersTheEmptyText)
{
    QString risposta = QStringLiteral("x");
    misura([&] { risposta = dlg::InputBox(QStringLiteral("Denominazione"), QStringLiteral("Titolo")); });
    EXPECT_EQ(risposta, QString());
}

} // namespace
