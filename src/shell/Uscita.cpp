#include "Uscita.h"
#include "Archivio.h"
#include "Globali.h"
#include "MostraPagina.h"

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

void ChiudiProgramma()
{
    ChiediSalvataggio(); // a failed save stops here: the program goes on
    PaginaModificata = 0;
    TerminaProgramma(0);
}

} // namespace scheda
