#include "shell/dialoghi/Nuovo.h"

#include <QPushButton>

namespace scheda {

Nuovo::Nuovo(QWidget *parent)
    : DialogoProtocollo({.caption = QStringLiteral("Nuovo Progetto"),
                         .width = 4680,
                         .height = 3195,
                         .titolo = {.left = 1200, .top = 120},
                         .protocollo = {.left = 1080, .top = 1200},
                         .casella = {.left = 2400, .top = 1200},
                         .testoConferma = QStringLiteral("Nuovo Progetto"),
                         .conferma = {.left = 600, .top = 2280},
                         .annulla = {.left = 2520, .top = 2280}},
                        QStringLiteral("Nuovo"), QStringLiteral("CMDNuovoProgetto"), parent)
{
    CMDNuovoProgetto = conferma_;
    connect(CMDNuovoProgetto, &QPushButton::clicked, this, &Nuovo::CMDNuovoProgetto_Click);
    Form_Load();
}

} // namespace scheda
