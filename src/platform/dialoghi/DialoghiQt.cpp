#include "platform/dialoghi/Dialoghi.h"

#include <QApplication>
#include <QGridLayout>
#include <QInputDialog>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>

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

class DialoghiQt : public Dialoghi {
public:
    int MsgBox(const QString &prompt, int stile, const QString &titolo) override
    {
        QMessageBox box(finestra.data());
        box.setWindowTitle(titolo.isEmpty() ? QApplication::applicationName() : titolo);
        box.setText(prompt);
        const int icona = stile & 0x70;
        box.setIcon(icona == vbCritical ? QMessageBox::Critical
                    : icona == vbExclamation ? QMessageBox::Warning
                    : icona == vbInformation ? QMessageBox::Information
                                             : QMessageBox::NoIcon);
        if ((stile & 0x7) == vbYesNo) {
            QPushButton *si = box.addButton(QStringLiteral("&Sì"), QMessageBox::YesRole);
            QPushButton *no = box.addButton(QStringLiteral("&No"), QMessageBox::NoRole);
            box.setDefaultButton(si);
            box.setEscapeButton(no);
            larghezzaDelTitolo(box);
            box.exec();
            return box.clickedButton() == si ? vbYes : vbNo;
        }
        box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
        larghezzaDelTitolo(box);
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

DialoghiQt qt;
Dialoghi *corrente = &qt;

} // namespace

Dialoghi &dialoghi()
{
    return *corrente;
}

void impostaDialoghi(Dialoghi *d)
{
    corrente = d ? d : &qt;
}

void impostaFinestraPrincipale(QWidget *w)
{
    finestra = w;
}

} // namespace dlg
