#include "platform/dialoghi/DialoghiQt.h"

#include "platform/dialoghi/Dialoghi.h"

#include <QApplication>
#include <QClipboard>
#include <QGridLayout>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QStringList>
#include <algorithm>

namespace dlg {

namespace {

QPointer<QWidget> finestra;

// A message or input box is at least as wide as its title, drawn bold by the
// desktop with the window's buttons beside it, so a long title is never cut
// short.
void larghezzaDelTitolo(QDialog &box)
{
    QFont grassetto = box.font();
    grassetto.setBold(true);
    const int larghezza = QFontMetrics(grassetto).horizontalAdvance(box.windowTitle()) + 120;
    auto *spazio = new QSpacerItem(larghezza, 0, QSizePolicy::Minimum, QSizePolicy::Fixed);
    if (auto *griglia = qobject_cast<QGridLayout *>(box.layout()))
        griglia->addItem(spazio, griglia->rowCount(), 0, 1, griglia->columnCount());
    else if (box.layout())
        box.layout()->addItem(spazio);
    else
        delete spazio;
}

// A line of a message that is a whole path, of a file or a folder, is shown
// whole: on screen a word joiner after each hyphen and no-break blanks keep
// it from breaking there, and the box widens for it as far as the screen
// lets it; a path wider still breaks after a separator. What is copied from
// the box carries the path as it is.
constexpr QChar Giunzione(0x2060); // word joiner
constexpr QChar Unito(0x00A0);     // no-break space

bool percorso(const QString &riga)
{
    static const QRegularExpression inizio(QStringLiteral(R"(^(/|[A-Za-z]:[\\/]|\\\\))"));
    return inizio.match(riga).hasMatch();
}

QString rigaMostrata(QString riga)
{
    if (!percorso(riga))
        return riga;
    riga.replace(QLatin1Char('-'), QStringLiteral("-") + Giunzione);
    riga.replace(QLatin1Char(' '), Unito);
    return riga;
}

QString testoMostrato(const QString &prompt)
{
    QStringList righe = prompt.split(QLatin1Char('\n'));
    std::transform(righe.begin(), righe.end(), righe.begin(), rigaMostrata);
    return righe.join(QLatin1Char('\n'));
}

// The label of the box as wide as its longest path, within the widest box
// the screen leaves a message box (beyond it Qt would break any letter).
void larghezzaDeiPercorsi(QMessageBox &box, const QString &prompt)
{
    const QString mostrato = testoMostrato(prompt);
    QLabel *testo = nullptr;
    for (QLabel *l : box.findChildren<QLabel *>())
        if (l->text() == mostrato)
            testo = l;
    if (!testo)
        return;
    int larghezza = 0;
    for (const QString &riga : prompt.split(QLatin1Char('\n')))
        if (percorso(riga))
            larghezza = std::max(larghezza,
                                 testo->fontMetrics().horizontalAdvance(rigaMostrata(riga)) + 4);
    const int schermo = box.screen()->availableGeometry().width();
    const int massima = (schermo <= 1024 ? schermo : std::min(schermo - 480, 1000)) - 100;
    testo->setMinimumWidth(std::min(larghezza, massima));
}

// While a box is open, a piece of its text copied (to the clipboard or the
// selection) gets back the hyphens and blanks of its paths.
class CopiaFedele
{
public:
    explicit CopiaFedele(const QString &prompt)
    {
        const QString mostrato = testoMostrato(prompt);
        if (prompt.contains(Giunzione) || prompt.contains(Unito) || mostrato == prompt)
            return;
        QClipboard *appunti = QGuiApplication::clipboard();
        const auto ripristina = [appunti, mostrato](QClipboard::Mode modo) {
            QString t = appunti->text(modo);
            t.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
            if ((!t.contains(Giunzione) && !t.contains(Unito)) || !mostrato.contains(t))
                return;
            t.remove(Giunzione);
            t.replace(Unito, QLatin1Char(' '));
            appunti->setText(t, modo);
        };
        connessioni_ = {QObject::connect(appunti, &QClipboard::dataChanged,
                                         [=] { ripristina(QClipboard::Clipboard); }),
                        QObject::connect(appunti, &QClipboard::selectionChanged,
                                         [=] { ripristina(QClipboard::Selection); })};
    }
    ~CopiaFedele()
    {
        for (const auto &c : connessioni_)
            QObject::disconnect(c);
    }
    CopiaFedele(const CopiaFedele &) = delete;
    CopiaFedele &operator=(const CopiaFedele &) = delete;

private:
    QList<QMetaObject::Connection> connessioni_;
};

class DialoghiQt : public Dialoghi
{
public:
    int MsgBox(const QString &prompt, int stile, const QString &titolo) override
    {
        QMessageBox box(finestra.data());
        box.setWindowTitle(titolo.isEmpty() ? QApplication::applicationName() : titolo);
        box.setText(testoMostrato(prompt));
        const CopiaFedele copia(prompt);
        const int icona = stile & 0x70;
        box.setIcon(icona == vbCritical      ? QMessageBox::Critical
                    : icona == vbExclamation ? QMessageBox::Warning
                    : icona == vbInformation ? QMessageBox::Information
                                             : QMessageBox::NoIcon);
        if ((stile & 0x7) == vbYesNo) {
            QPushButton *si = box.addButton(QStringLiteral("&Sì"), QMessageBox::YesRole);
            QPushButton *no = box.addButton(QStringLiteral("&No"), QMessageBox::NoRole);
            box.setDefaultButton(si);
            box.setEscapeButton(no);
            larghezzaDelTitolo(box);
            larghezzaDeiPercorsi(box, prompt);
            box.exec();
            return box.clickedButton() == si ? vbYes : vbNo;
        }
        box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
        larghezzaDelTitolo(box);
        larghezzaDeiPercorsi(box, prompt);
        box.exec();
        return vbOK;
    }

    QString InputBox(const QString &prompt, const QString &titolo) override
    {
        QInputDialog box(finestra.data());
        box.setWindowTitle(titolo);
        box.setLabelText(prompt);
        box.setInputMode(QInputDialog::TextInput);
        box.setOkButtonText(QStringLiteral("OK"));
        box.setCancelButtonText(QStringLiteral("Annulla"));
        larghezzaDelTitolo(box);
        return box.exec() == QDialog::Accepted ? box.textValue() : QString();
    }

    void Beep() override { QApplication::beep(); }
};

} // namespace

void impostaDialoghiQt(QWidget *finestraPrincipale)
{
    static DialoghiQt qt;
    finestra = finestraPrincipale;
    impostaDialoghiProgramma(&qt);
}

} // namespace dlg
