#pragma once
// What the page forms ask of the shell: the show-page operation, the exit
// procedure, placing and reopening a page form and the save question.
// The main window installs the shell's own; until then (a page form made on
// its own) a page places and shows itself and nothing else happens.

namespace scheda {

class PaginaScheda;

class ServiziShell
{
public:
    virtual ~ServiziShell() = default;

    // The show-page operation of page N (1..6), as the page buttons run it.
    virtual void cambiaPagina(int n) = 0;
    // The exit procedure: the save question, then the end of the program.
    // When it returns the program has ended (or a failed save stopped it),
    // and the caller does nothing more.
    virtual void esciDalProgramma() = 0;
    // Places a page form at Left 0, Top 0 in the page's size (LarghezzaPagina
    // x AltezzaPagina, pages/PaginaScheda.h) and shows it.
    virtual void mostraAlPosto(PaginaScheda *pagina) = 0;
    // Closes a page form and opens it again: its load event runs anew.
    virtual void riapri(PaginaScheda *pagina) = 0;

    // The save question when PaginaModificata is 1; on Yes the page shown
    // is saved into the current sheet's row. The answer, 0 when not asked.
    virtual int offriSalvataggio() = 0;
};

// The services in use.
ServiziShell &serviziShell();
// Installs the shell's services; nullptr goes back to the stand-alone set.
void installaServiziShell(ServiziShell *servizi);

inline void VaiPagina1()
{
    serviziShell().cambiaPagina(1);
}
inline void VaiPagina2()
{
    serviziShell().cambiaPagina(2);
}
inline void VaiPagina3()
{
    serviziShell().cambiaPagina(3);
}
inline void VaiPagina4()
{
    serviziShell().cambiaPagina(4);
}
inline void VaiPagina5()
{
    serviziShell().cambiaPagina(5);
}
inline void VaiPagina6()
{
    serviziShell().cambiaPagina(6);
}
inline void ChiudiProgramma()
{
    serviziShell().esciDalProgramma();
}

} // namespace scheda
