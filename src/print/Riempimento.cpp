#include "print/Riempimento.h"

namespace stampa {

QStringList riempi(report::IstanzaRapporto &istanza, std::span<const Riempimento> righe,
                   const SchedaStampa &s)
{
    QStringList impostati;
    for (const Riempimento &r : righe) {
        const QString controllo = QString::fromLatin1(r.controllo);
        istanza.imposta(u"Section1", controllo, r.regola(s, r.colonna), r.regola.contenuto());
        impostati.append(controllo);
    }
    return impostati;
}

} // namespace stampa
