#include "shell/Uscita.h"
#include "core/Archivio.h"
#include "core/Globali.h"
#include "platform/help/HtmlHelp.h"
#include "shell/MostraPagina.h"
#include "shell/ServiziMdi.h"

#include <cstdio>
#include <cstdlib>

namespace scheda {

void esciSenzaDomande(int stato)
{
    chiudiArchivio();
    if (finisciProcesso) {
        finisciProcesso(stato);
        return;
    }
    hh::chiudiGuida(); // nothing of the run is left in the temporary folder
    std::fflush(nullptr);
    std::_Exit(stato);
}

void esciDalProgramma()
{
    offriSalvataggio(); // a failed save stops here: the program goes on
    PaginaModificata = 0;
    esciSenzaDomande(0);
}

void ServiziMdi::esciDalProgramma()
{
    scheda::esciDalProgramma(); // unqualified, the member would call itself
}

} // namespace scheda
