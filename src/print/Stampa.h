#pragma once
// The page procedures: StampaPagina fills layout n's kept instance from a
// print copy and prints it into the session the command gives (one page, on
// the default printer without a dialog, or into its PDF); VisualizzaPagina
// fills it the same way and shows it in its preview window, over the window
// `sopra` (nullptr: on its own).

#include "platform/report/Istanza.h"
#include "print/SchedaStampa.h"

class QWidget;

namespace stampa {

class SessioneStampa;

// The kept instance of layout DataReport<n>, created on first use.
report::IstanzaRapporto &DataReport(int n);
// Fills it from the copy; the names set, in order.
QStringList riempiPagina(int n, const SchedaStampa &s);

void StampaPagina(int n, const SchedaStampa &s, SessioneStampa &sessione);
void VisualizzaPagina(int n, const SchedaStampa &s, QWidget *sopra);

} // namespace stampa
