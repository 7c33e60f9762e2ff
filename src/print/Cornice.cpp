#include "print/Cornice.h"

#include "print/Regole.h"

#include <stdexcept>

namespace scheda {

void Riempimento::operator()(const QString &controllo, const QString &testo)
{
    istanza_.imposta(u"Section1", controllo, testo);
    impostati_.append(controllo);
}

void Riempimento::comeMemorizzati(std::initializer_list<Coppia> valori)
{
    for (const auto &[controllo, colonna] : valori)
        (*this)(controllo, regole::comeMemorizzato((*this)[colonna]));
}

void Riempimento::caselle(const char *primo, const char *secondo, const char *colonna)
{
    const auto [a, b] = regole::dueCaselle((*this)[colonna]);
    (*this)(primo, a);
    (*this)(secondo, b);
}

void Riempimento::colonnaDiBilancio(QChar lettera, int ultimaRiga)
{
    serie(lettera, 1, 1, regole::annoInGriglia);
    serie(lettera, 2, ultimaRiga, regole::importo);
}

void Riempimento::serie(const QString &prefisso, int primo, int ultimo, Regola regola)
{
    for (int k = primo; k <= ultimo; ++k) {
        const QString nome = prefisso + QString::number(k);
        (*this)(nome, regola((*this)[nome]));
    }
}

const PaginaStampa &paginaStampa(int n)
{
    static const PaginaStampa *const pagine[] = {&Pagina1, &Pagina2, &Pagina3, &Pagina4, &Pagina5, &Pagina6};
    if (n < 1 || n > 6)
        throw std::out_of_range("pagina della scheda inesistente");
    return *pagine[n - 1];
}

} // namespace scheda
