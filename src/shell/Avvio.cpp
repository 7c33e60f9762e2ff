// Start-up: the load event of the main window.

#include "core/Archivio.h"
#include "core/Errori.h"
#include "core/FileDati.h"
#include "core/Globali.h"
#include "shell/MDIForm1.h"
#include "shell/MostraPagina.h"
#include "shell/Uscita.h"
#include "shell/help/cHtmlHelp.h"

#include <QDir>

namespace scheda {

bool MDIForm1::MDIForm_Load()
{
    try {
        QDir::setCurrent(CartellaProgramma);
        FileHelp = percorsoProgramma(CartellaProgramma, FileHelpChm)
                   + QStringLiteral("::/VarnexHelpHtmlPopup.Txt.Txt");
        PreparaGuida(this);
        PaginaCorrente = 1;
        move(0, 0);

        apriArchivio();
        TabellaVuota = 0;
        Ricarica = 0;

        ultimaSchedaOVuota();
        IdRecord = RsDati->Fields(0).Value();

        apriForm(1);
        if (!RsDati) // the first-run question ended the program
            return false;
        PaginaCorrente = 1;
        coloraPulsantiPagina(1);
        return RsDati != nullptr;
    } catch (const std::exception &e) {
        segnalaErrore(e);
        esciSenzaDomande(1);
        return false;
    }
}

} // namespace scheda
