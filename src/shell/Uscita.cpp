#include "shell/Uscita.h"
#include "core/Archivio.h"
#include "core/Globali.h"
#include "shell/MostraPagina.h"
#include "shell/ServiziMdi.h"

#include "platform/dialoghi/Dialoghi.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>

namespace scheda {

void TerminaProgramma(int stato)
{
    chiudiArchivio();
    if (FinisciProcesso) {
        FinisciProcesso(stato);
        return;
    }
    std::fflush(nullptr);
    std::_Exit(stato);
}

void ServiziMdi::chiudiProgramma()
{
    ChiediSalvataggio(); // a failed save stops here: the program goes on
    PaginaModificata = 0;
    TerminaProgramma(0);
}

} // namespace scheda
