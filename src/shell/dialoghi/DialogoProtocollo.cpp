#include "shell/dialoghi/DialogoProtocollo.h"

#include "core/Globali.h"
#include "shell/Uscita.h"

#include "platform/ui/Twips.h"

#include <QLabel>
#include <QPushButton>

namespace scheda {

namespace {

// The frame a fixed dialog adds around its client area (borders and caption).
constexpr int ContornoLarghezza = 6;
constexpr int ContornoAltezza = 25;

} // namespace

DialogoProtocollo::DialogoProtocollo(const Disposizione &d, const QString &nome,
                                     const QString &nomeConferma, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                          | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(nome);
    setWindowTitle(d.caption);
    setFixedSize(ui::px(d.width) - ContornoLarghezza, ui::px(d.height) - ContornoAltezza);

    // First in focus order.
    TXTProtocollo3 = new CasellaTesto(this);
    TXTProtocollo3->setObjectName(QStringLiteral("TXTProtocollo3"));
    TXTProtocollo3->setGeometry(ui::rettangolo(d.casella.left, d.casella.top, 1215, 285));

    conferma_ = new QPushButton(d.testoConferma, this);
    conferma_->setObjectName(nomeConferma);
    conferma_->setGeometry(ui::rettangolo(d.conferma.left, d.conferma.top, 1455, 495));
    conferma_->setAutoDefault(false);
    CMDAnnulla = new QPushButton(QStringLiteral("Annulla"), this);
    CMDAnnulla->setObjectName(QStringLiteral("CMDAnnulla"));
    CMDAnnulla->setGeometry(ui::rettangolo(d.annulla.left, d.annulla.top, 1455, 495));
    CMDAnnulla->setAutoDefault(false);

    auto *titolo = new QLabel(QStringLiteral("Identificativo Progetto"), this);
    titolo->setObjectName(QStringLiteral("Label1"));
    QFont grassetto = titolo->font();
    grassetto.setBold(true);
    titolo->setFont(grassetto);
    titolo->move(ui::px(d.titolo.left), ui::px(d.titolo.top));
    titolo->adjustSize();
    auto *protocollo = new QLabel(QStringLiteral("Protocollo"), this);
    protocollo->setObjectName(QStringLiteral("Label2"));
    protocollo->move(ui::px(d.protocollo.left), ui::px(d.protocollo.top));
    protocollo->adjustSize();

    setTabOrder(TXTProtocollo3, conferma_);
    setTabOrder(conferma_, CMDAnnulla);
    TXTProtocollo3->setFocus();

    connect(TXTProtocollo3, &CasellaTesto::GotFocus, this,
            &DialogoProtocollo::TXTProtocollo3_GotFocus);
    connect(TXTProtocollo3, &CasellaTesto::LostFocus, this,
            &DialogoProtocollo::TXTProtocollo3_LostFocus);
    connect(CMDAnnulla, &QPushButton::clicked, this, &DialogoProtocollo::CMDAnnulla_Click);
}

void DialogoProtocollo::Form_Load()
{
    TXTProtocollo3->setText(QString());
}

void DialogoProtocollo::TXTProtocollo3_GotFocus()
{
    TXTProtocollo3->setText(QString());
}

void DialogoProtocollo::TXTProtocollo3_LostFocus()
{
    TXTProtocollo3->setText(TXTProtocollo3->text().toUpper());
}

void DialogoProtocollo::CMDAnnulla_Click()
{
    if (TabellaVuota == 1) {
        esciSenzaDomande(0);
        return;
    }
    close();
}

} // namespace scheda
