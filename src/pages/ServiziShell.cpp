#include "pages/ServiziShell.h"
#include "pages/PaginaScheda.h"

namespace scheda {

namespace {

// A page form on its own: it shows itself where a page stands.
class SenzaShell : public ServiziShell
{
public:
    void cambiaPagina(int) override {}
    void esciDalProgramma() override {}
    void mostraAlPosto(PaginaScheda *pagina) override { pagina->mostraDaSola(); }
    void riapri(PaginaScheda *pagina) override { pagina->Form_Load(); }
    int offriSalvataggio() override { return 0; }
};

SenzaShell senzaShell;
ServiziShell *installati = nullptr;

} // namespace

ServiziShell &serviziShell()
{
    return installati ? *installati : senzaShell;
}

void installaServiziShell(ServiziShell *servizi)
{
    installati = servizi;
}

} // namespace scheda
