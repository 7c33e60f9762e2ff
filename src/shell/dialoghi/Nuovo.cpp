#include "shell/dialoghi/Nuovo.h"

#include <QPushButton>

namespace scheda {

Nuovo::Nuovo(QWidget *parent)
    : DialogoProtocollo({QStringLiteral("Nuovo Progetto"), 4680, 3195, 1200, 120, 1080, 1200, 2400, 1200,
                         QStringLiteral("Nuovo Progetto"), 600, 2520, 2280},
                        QStringLiteral("Nuovo"), QStringLiteral("CMDNuovoProgetto"), parent)
{
    CMDNuovoProgetto = conferma_;
    connect(CMDNuovoProgetto, &QPushButton::clicked, this, &Nuovo::CMDNuovoProgetto_Click);
    Form_Load();
}

} // namespace scheda
