#pragma once
// The shell's own services for the page forms: the show-page operation, the
// exit procedure, placing and reopening a page form and the save question
// (cambiaPagina and offriSalvataggio run the procedures of the same name of
// shell/MostraPagina.h, esciDalProgramma that of shell/Uscita.h). The main
// window installs them for its lifetime. For the shell's own sources: only
// they reach pages/ServiziShell.h through the shell.

#include "pages/ServiziShell.h"

namespace scheda {

class ServiziMdi : public ServiziShell
{
public:
    void cambiaPagina(int n) override;
    void esciDalProgramma() override; // Uscita.cpp
    void mostraAlPosto(PaginaScheda *pagina) override;
    void riapri(PaginaScheda *pagina) override;
    int offriSalvataggio() override;
};

} // namespace scheda
