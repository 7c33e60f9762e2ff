#include "shell/dialoghi/Trova.h"

#include "platform/ui/Twips.h"

#include <QLabel>
#include <QPushButton>

namespace scheda {

namespace {

// The border of a window without caption.
constexpr int Contorno = 6;

} // namespace

Trova::Trova(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("Trova"));
    setWindowTitle(QString());
    setFixedSize(ui::px(7635) - Contorno, ui::px(1620) - Contorno);
    move(ui::px(855), ui::px(3060));

    auto *etichetta = new QLabel(QStringLiteral("Denominazione"), this);
    etichetta->setObjectName(QStringLiteral("Label1"));
    etichetta->move(ui::px(180), ui::px(60));
    etichetta->adjustSize();
    TXTKey = new CasellaTesto(this);
    TXTKey->setObjectName(QStringLiteral("TXTKey"));
    TXTKey->setGeometry(ui::rettangolo(180, 360, 7215, 315));
    TXTKey->setMaxLength(50);
    CMDOk = new QPushButton(QStringLiteral("Ricerca"), this);
    CMDOk->setObjectName(QStringLiteral("CMDOk"));
    CMDOk->setGeometry(ui::rettangolo(180, 900, 1200, 495));
    CMDOk->setAutoDefault(false);
    CMDRipristina = new QPushButton(QStringLiteral("Esce"), this);
    CMDRipristina->setObjectName(QStringLiteral("CMDRipristina"));
    CMDRipristina->setGeometry(ui::rettangolo(6180, 900, 1200, 495));
    CMDRipristina->setAutoDefault(false);
    setTabOrder(TXTKey, CMDOk);
    setTabOrder(CMDOk, CMDRipristina);
    TXTKey->setFocus();

    connect(TXTKey, &CasellaTesto::LostFocus, this, &Trova::TXTKey_LostFocus);
    connect(CMDOk, &QPushButton::clicked, this, &Trova::CMDOk_Click);
    connect(CMDRipristina, &QPushButton::clicked, this, &Trova::CMDRipristina_Click);
    Form_Load();
}

void Trova::CMDRipristina_Click()
{
    close();
}

} // namespace scheda
