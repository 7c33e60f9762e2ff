#pragma once
// The twelve page procedures: StampaPagina1..6 fill their layout's kept
// instance from a print copy and print it (one page, on the default printer
// without a dialog, or into the PDF of the command running);
// VisualizzaPagina1..6 fill it the same way and show it in its preview
// window.

#include "platform/report/Istanza.h"
#include "print/SchedaStampa.h"

namespace scheda {

// The kept instance of layout DataReport<n>, created on first use.
report::IstanzaRapporto &DataReport(int n);
// Fills it from the copy; the names set, in order.
QStringList riempiPagina(int n, const SchedaStampa &s);

void StampaPagina(int n, const SchedaStampa &s);
void VisualizzaPagina(int n, const SchedaStampa &s);

inline void StampaPagina1(const SchedaStampa &s)
{
    StampaPagina(1, s);
}
inline void StampaPagina2(const SchedaStampa &s)
{
    StampaPagina(2, s);
}
inline void StampaPagina3(const SchedaStampa &s)
{
    StampaPagina(3, s);
}
inline void StampaPagina4(const SchedaStampa &s)
{
    StampaPagina(4, s);
}
inline void StampaPagina5(const SchedaStampa &s)
{
    StampaPagina(5, s);
}
inline void StampaPagina6(const SchedaStampa &s)
{
    StampaPagina(6, s);
}
inline void VisualizzaPagina1(const SchedaStampa &s)
{
    VisualizzaPagina(1, s);
}
inline void VisualizzaPagina2(const SchedaStampa &s)
{
    VisualizzaPagina(2, s);
}
inline void VisualizzaPagina3(const SchedaStampa &s)
{
    VisualizzaPagina(3, s);
}
inline void VisualizzaPagina4(const SchedaStampa &s)
{
    VisualizzaPagina(4, s);
}
inline void VisualizzaPagina5(const SchedaStampa &s)
{
    VisualizzaPagina(5, s);
}
inline void VisualizzaPagina6(const SchedaStampa &s)
{
    VisualizzaPagina(6, s);
}

} // namespace scheda
