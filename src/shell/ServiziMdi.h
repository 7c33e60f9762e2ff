#pragma once
// The shell's own services for the page forms, printing and export: the
// show-page operation, the exit procedure and the window registry of the
// main window. The main window installs them for its lifetime.

#include "pages/ServiziShell.h"

namespace scheda {

class ServiziMdi : public ServiziShell
{
public:
    void cambiaPagina(int n) override;
    void esciDalProgramma() override; // Uscita.cpp
    void mostraAlPosto(PaginaScheda *pagina) override;
    void riapri(PaginaScheda *pagina) override;
    PaginaScheda *paginaInVista() override;
    void registraModificaInCorso() override;
    int offriSalvataggio() override;
};

} // namespace scheda
