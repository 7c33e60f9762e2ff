#pragma once
// The twelve page procedures: StampaPagina1..6 fill their layout's kept
// instance from a print copy and print it into the session the command gives
// (one page, on the default printer without a dialog, or into its PDF);
// VisualizzaPagina1..6 fill it the same way and show it in its preview
// window, over the window `sopra` (nullptr: on its own).

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

inline void StampaPagina1(const SchedaStampa &s, SessioneStampa &sessione)
{
    StampaPagina(1, s, sessione);
}
inline void StampaPagina2(const SchedaStampa &s, SessioneStampa &sessione)
{
    StampaPagina(2, s, sessione);
}
inline void StampaPagina3(const SchedaStampa &s, SessioneStampa &sessione)
{
    StampaPagina(3, s, sessione);
}
inline void StampaPagina4(const SchedaStampa &s, SessioneStampa &sessione)
{
    StampaPagina(4, s, sessione);
}
inline void StampaPagina5(const SchedaStampa &s, SessioneStampa &sessione)
{
    StampaPagina(5, s, sessione);
}
inline void StampaPagina6(const SchedaStampa &s, SessioneStampa &sessione)
{
    StampaPagina(6, s, sessione);
}
inline void VisualizzaPagina1(const SchedaStampa &s, QWidget *sopra)
{
    VisualizzaPagina(1, s, sopra);
}
inline void VisualizzaPagina2(const SchedaStampa &s, QWidget *sopra)
{
    VisualizzaPagina(2, s, sopra);
}
inline void VisualizzaPagina3(const SchedaStampa &s, QWidget *sopra)
{
    VisualizzaPagina(3, s, sopra);
}
inline void VisualizzaPagina4(const SchedaStampa &s, QWidget *sopra)
{
    VisualizzaPagina(4, s, sopra);
}
inline void VisualizzaPagina5(const SchedaStampa &s, QWidget *sopra)
{
    VisualizzaPagina(5, s, sopra);
}
inline void VisualizzaPagina6(const SchedaStampa &s, QWidget *sopra)
{
    VisualizzaPagina(6, s, sopra);
}

} // namespace stampa
