#include "shell/dialoghi/Apri.h"

#include <QPushButton>

namespace scheda {

Apri::Apri(QWidget *parent)
    : DialogoProtocollo({QStringLiteral("Apri"), 4680, 3390, 1440, 240, 960, 1080, 2280, 1080,
                         QStringLiteral("Apri Progetto"), 720, 2640, 2760},
                        QStringLiteral("Apri"), QStringLiteral("CMDApriProgetto"), parent)
{
    CMDApriProgetto = conferma_;
    connect(CMDApriProgetto, &QPushButton::clicked, this, &Apri::CMDApriProgetto_Click);
    Form_Load();
}

} // namespace scheda
