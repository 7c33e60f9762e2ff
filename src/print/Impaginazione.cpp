#include "print/Impaginazione.h"

#include <stdexcept>

namespace stampa {

const PaginaStampa &paginaStampa(int n)
{
    static const PaginaStampa *const pagine[] = {&Pagina1, &Pagina2, &Pagina3,
                                                 &Pagina4, &Pagina5, &Pagina6};
    if (n < 1 || n > 6)
        throw std::out_of_range("pagina della scheda inesistente");
    return *pagine[n - 1];
}

} // namespace stampa
