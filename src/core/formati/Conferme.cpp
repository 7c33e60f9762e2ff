#include "core/formati/Conferme.h"

#include "core/formati/Date.h"
#include "core/formati/Testi.h"

#include <cmath>
#include <cstdint>
#include <limits>

namespace scheda {

EsitoTesto confermaTesto(const QString &casella, const ado::Variant &memorizzato, bool minuscole)
{
    EsitoTesto e;
    e.testo = minuscole ? minuscolo(casella) : maiuscolo(casella);
    e.modificato = e.testo != testoSemplice(memorizzato);
    return e;
}

EsitoNumero confermaNumero(const QString &casella, const ado::Variant &memorizzato,
                           Variante variante, Fisso fisso)
{
    EsitoNumero e;
    const auto digitato = leggiNumero(casella);
    if (!digitato)
        return e;
    e.valoreNumero = digitato->valore();
    const auto attuale = numeroDi(memorizzato);
    e.modificato = !attuale || *attuale != e.valoreNumero;
    if (e.modificato) {
        e.scrivi = true;
        e.valore = digitato->arrotondato(decimaliConservati(variante), true).valore();
    } else {
        e.valore = *attuale;
    }
    if (variante == Variante::Decimi && e.valoreNumero > e.valore) {
        // The next tenth, counted in tenths so that no binary residue stays.
        e.valore = (std::nearbyint(e.valore * 10.0) + 1.0) / 10.0;
        e.scrivi = true;
    }
    if (variante == Variante::Percentuale && e.valore > 100.0) {
        // A stored value above 100 cut to 100 is a change like any other:
        // the page is marked, so the row saved agrees with the screen.
        e.valore = 100.0;
        e.scrivi = true;
        e.modificato = true;
    }
    e.valore += 0.0; // no negative zero
    if (e.scrivi) {
        if (!(std::fabs(e.valore) < LimiteNumero))
            return EsitoNumero{};
        if (fisso == Fisso::Intero32) {
            const double r = numeri::arrotondaPari(e.valore, 0);
            if (!(r >= double(std::numeric_limits<std::int32_t>::min())
                  && r <= double(std::numeric_limits<std::int32_t>::max())))
                return EsitoNumero{};
        }
    }
    e.valido = true;
    return e;
}

EsitoData confermaData(const QString &casella, const ado::Variant &memorizzato)
{
    EsitoData e;
    if (casella == MascheraVuota) {
        e.tipo = EsitoData::Vuota;
        e.modificato = testoDataMemorizzata(memorizzato) != DataVuota;
        e.valore = ado::Variant(DataVuota);
        e.scrivi = true;
        return e;
    }
    const auto d = leggiData(casella);
    if (!d)
        return e;
    e.tipo = EsitoData::Valida;
    const QDate attuale = dataMemorizzata(memorizzato);
    e.modificato = !attuale.isValid() || attuale != *d;
    e.scrivi = e.modificato;
    e.valore = ado::Variant(*d);
    return e;
}

bool opzioneDiversa(const ado::Variant &memorizzato, int codice)
{
    const auto n = numeroDi(memorizzato);
    return !n || *n != double(codice);
}

} // namespace scheda
