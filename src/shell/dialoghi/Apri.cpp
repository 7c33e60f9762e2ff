#include "shell/dialoghi/Apri.h"

#include <QPushButton>

namespace scheda {

Apri::Apri(QWidget *parent)
    : DialogoProtocollo({.caption = QStringLiteral("Apri"),
                         .width = 4680,
                         .height = 3390,
                         .titolo = {.left = 1440, .top = 240},
                         .protocollo = {.left = 960, .top = 1080},
                         .casella = {.left = 2280, .top = 1080},
                         .testoConferma = QStringLiteral("Apri Progetto"),
                         .conferma = {.left = 720, .top = 2760},
                         .annulla = {.left = 2640, .top = 2760}},
                        QStringLiteral("Apri"), QStringLiteral("CMDApriProgetto"), parent)
{
    CMDApriProgetto = conferma_;
    connect(CMDApriProgetto, &QPushButton::clicked, this, &Apri::CMDApriProgetto_Click);
    Form_Load();
}

} // namespace scheda
