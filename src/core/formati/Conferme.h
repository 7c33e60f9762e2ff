#pragma once
// What a commit of each field family does to the variable and the
// page-modified flag, told apart from the boxes: the cased text, the typed
// number with its rounding and extra rule, the typed date, the option code.

#include "core/ColonneDati.h"
#include "core/formati/Numeri.h"
#include "platform/db/Variant.h"

#include <QString>

namespace scheda {

struct EsitoTesto
{
    QString testo;           // TestoMaiuscolo: the cased text
    bool modificato = false; // it differs from the stored text: flag and store
};
EsitoTesto confermaTesto(const QString &casella, const ado::Variant &memorizzato, bool minuscole);

struct EsitoNumero
{
    bool valido = false;     // false: beep, the stored value comes back
    double valoreNumero = 0; // ValoreNumero: the typed value
    bool modificato
        = false; // the typed value (before rounding) differs, or a percentage was cut to 100
    bool scrivi = false; // the variable takes `valore`
    double valore = 0;   // the variable after the commit
};
// `fisso` bounds what the column holds: a 32-bit variable refuses what it
// cannot take after rounding.
EsitoNumero confermaNumero(const QString &casella, const ado::Variant &memorizzato,
                           Variante variante, Fisso fisso = Fisso::Nessuno);

struct EsitoData
{
    enum Tipo { Vuota, Errata, Valida } tipo = Errata;
    bool modificato = false;
    ado::Variant valore; // Vuota: the text "01/01/1000"; Valida: the date typed
    bool scrivi = false;
};
EsitoData confermaData(const QString &casella, const ado::Variant &memorizzato);

// Option family: a click of code k raises the flag when the stored code differs.
bool opzioneDiversa(const ado::Variant &memorizzato, int codice);

} // namespace scheda
