#include "print/Stampa.h"

#include "platform/report/Anteprima.h"
#include "print/Impaginazione.h"
#include "print/Sessione.h"

#include <array>
#include <optional>

namespace stampa {

report::IstanzaRapporto &DataReport(int n)
{
    static std::array<std::optional<report::IstanzaRapporto>, 7> istanze;
    auto &i = istanze.at(std::size_t(n));
    if (!i)
        i.emplace(paginaStampa(n).layout);
    return *i;
}

QStringList riempiPagina(int n, const SchedaStampa &s)
{
    return riempi(DataReport(n), paginaStampa(n).riempimento, s);
}

void StampaPagina(int n, const SchedaStampa &s, SessioneStampa &sessione)
{
    riempiPagina(n, s);
    sessione.stampa(DataReport(n));
}

void VisualizzaPagina(int n, const SchedaStampa &s, QWidget *sopra)
{
    riempiPagina(n, s);
    report::mostraAnteprima(DataReport(n), sopra);
}

} // namespace stampa
