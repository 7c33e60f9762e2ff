// The program's own message and input boxes, as the user sees them: each is
// at least as wide as its title, so the desktop never cuts the title short,
// and a path in a message stands whole on its line.

#include "TestiNeiMessaggi.h"

#include "platform/dialoghi/Dialoghi.h"

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QFontMetrics>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>
#include <QTextLayout>
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
    const struct
    {
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

// Runs `guarda` on the message box that MsgBox opens, then dismisses it.
void conMessaggio(const QString &prompt, const std::function<void(QMessageBox &)> &guarda)
{
    bool visto = false;
    QTimer::singleShot(0, [&] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            guarda(*box);
            visto = true;
            box->reject();
        }
    });
    dlg::MsgBox(prompt, dlg::vbInformation, QStringLiteral("Stampa"));
    EXPECT_TRUE(visto) << "no box was shown";
}

QLabel *testoDi(QMessageBox &box)
{
    for (QLabel *l : box.findChildren<QLabel *>())
        if (l->text().contains(QStringLiteral("file")))
            return l;
    return nullptr;
}

// Where the label's text breaks into lines, as the label lays it out.
QStringList righe(const QLabel &l)
{
    QStringList r;
    for (const QString &paragrafo : l.text().split(QLatin1Char('\n'))) {
        QTextLayout layout(paragrafo, l.font());
        QTextOption opzioni;
        opzioni.setWrapMode(QTextOption::WordWrap);
        layout.setTextOption(opzioni);
        layout.beginLayout();
        for (QTextLine riga = layout.createLine(); riga.isValid(); riga = layout.createLine()) {
            riga.setLineWidth(l.contentsRect().width());
            r << paragrafo.mid(riga.textStart(), riga.textLength());
        }
        layout.endLayout();
    }
    return r;
}

QString senzaGiunzioni(QString s)
{
    s.remove(QChar(0x2060));
    s.replace(QChar(0x00A0), QLatin1Char(' '));
    return s;
}

TEST(DialoghiQt, APathInAMessageShowsWholeOnItsLineAndIsCopiedAsItIs)
{
    const QString percorso = QStringLiteral(
        "/tmp/Stampe di prova/Scheda_12_COOPERATIVA-SOCIALE-ALFA_2005-03-14_10-30-00.pdf");
    const QString prompt
        = QStringLiteral("Non c'è una stampante predefinita: la stampa è stata salvata nel file\n")
          + percorso;
    conMessaggio(prompt, [&](QMessageBox &box) {
        QLabel *l = testoDi(box);
        ASSERT_NE(l, nullptr);
        // The letters shown are the message's; the path stands whole on its line.
        EXPECT_EQ(senzaGiunzioni(l->text()), prompt);
        EXPECT_TRUE(righe(*l).contains(l->text().split(QLatin1Char('\n')).back()))
            << qPrintable(righe(*l).join(u'|'));
        EXPECT_LE(box.frameGeometry().width(), box.screen()->availableGeometry().width());
        // What is copied from it (a selection of the path) is the path itself.
        const QString mostrato = l->text().split(QLatin1Char('\n')).back();
        ASSERT_NE(mostrato, percorso);
        QGuiApplication::clipboard()->setText(mostrato);
        QApplication::processEvents();
        EXPECT_EQ(QGuiApplication::clipboard()->text(), percorso);
        QGuiApplication::clipboard()->setText(mostrato.mid(5, 40));
        QApplication::processEvents();
        EXPECT_EQ(QGuiApplication::clipboard()->text(), senzaGiunzioni(mostrato.mid(5, 40)));
        // A text from elsewhere is left alone.
        const QString altrove = QStringLiteral("12") + QChar(0x00A0) + QStringLiteral("kg");
        QGuiApplication::clipboard()->setText(altrove);
        QApplication::processEvents();
        EXPECT_EQ(QGuiApplication::clipboard()->text(), altrove);
    });
    // Once the box is gone, the clipboard is left alone.
    const QString altro = QStringLiteral("a-") + QChar(0x2060) + QStringLiteral("b");
    QGuiApplication::clipboard()->setText(altro);
    QApplication::processEvents();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), altro);
}

TEST(DialoghiQt, APathWiderThanTheScreenBreaksOnlyAfterASeparator)
{
    QString percorso;
    for (int i = 0; i < 12; ++i)
        percorso += QStringLiteral("/cartella-di-prova-%1").arg(i);
    percorso += QStringLiteral("/Scheda_12_COOPERATIVA-SOCIALE-ALFA_2005-03-14_10-30-00.pdf");
    conMessaggio(QStringLiteral("Salvata nel file\n") + percorso, [&](QMessageBox &box) {
        QLabel *l = testoDi(box);
        ASSERT_NE(l, nullptr);
        EXPECT_LE(box.frameGeometry().width(), box.screen()->availableGeometry().width());
        const QStringList r = righe(*l);
        ASSERT_GT(r.size(), 2) << "the path fits: make it longer";
        for (qsizetype i = 1; i + 1 < r.size(); ++i)
            EXPECT_TRUE(r[i].endsWith(QLatin1Char('/'))) << qPrintable(r[i]);
        EXPECT_EQ(senzaGiunzioni(r.mid(1).join(QString())), percorso);
    });
}

TEST(DialoghiQt, ACancelledInputBoxAnswersTheEmptyText)
{
    QString risposta = QStringLiteral("x");
    misura([&] {
        risposta = dlg::InputBox(QStringLiteral("Denominazione"), QStringLiteral("Titolo"));
    });
    EXPECT_EQ(risposta, QString());
}

} // namespace
