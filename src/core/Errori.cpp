#include "core/Errori.h"

#include "platform/db/Error.h"
#include "platform/dialoghi/Dialoghi.h"

namespace scheda {

void segnalaErrore(const std::exception &e)
{
    QString testo;
    if (const auto *errore = dynamic_cast<const ado::Error *>(&e))
        testo = QStringLiteral("Errore di run-time '%1':\n\n%2")
                    .arg(errore->number())
                    .arg(errore->description());
    else
        testo = QStringLiteral("Errore di run-time:\n\n%1").arg(QString::fromUtf8(e.what()));
    dlg::MsgBox(testo, dlg::vbCritical, QStringLiteral("Varnex"));
}

bool eseguiComando(const std::function<void()> &comando)
{
    try {
        comando();
        return true;
    } catch (const std::exception &e) {
        segnalaErrore(e);
        return false;
    }
}

} // namespace scheda
