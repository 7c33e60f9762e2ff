#pragma once
// The shell's own services for the page forms, printing and export: the
// show-page operation, the exit procedure and the window registry of the
// main window. The main window installs them for its lifetime.

#include "pages/ServiziShell.h"

namespace scheda {

class ServiziMdi : public ServiziShell {
public:
    void vaiPagina(int n) override;
    void chiudiProgramma() override; // Uscita.cpp
    void mostraAlPosto(PaginaScheda *pagina) override;
    void riapri(PaginaScheda *pagina) override;
    PaginaScheda *paginaMostrata() override;
    void validarePaginaMostrata() override;
    int chiediSalvataggio() override;
};

} // namespace scheda
