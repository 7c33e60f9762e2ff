#pragma once
// The fill of a printed page as rows beside its layout: each value label,
// spelled as the layout spells it, with the column of the sheet it shows
// and its caption rule. One loop sets them all, each caption with what its
// rule says it holds.

#include "platform/report/Istanza.h"
#include "print/Regole.h"

#include <QStringList>
#include <span>

namespace stampa {

struct Riempimento
{
    const char *controllo; // a value label of the body, as the layout names it
    const char *colonna;   // the variable it shows; nullptr when its rule reads the sheet
    Regola regola;
};

// Sets the captions of the body's value labels row by row; the controls
// set, in order.
QStringList riempi(report::IstanzaRapporto &istanza, std::span<const Riempimento> righe,
                   const SchedaStampa &s);

} // namespace stampa
