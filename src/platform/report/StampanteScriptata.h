#pragma once
// A default printer for tests: present or not as the test says, it keeps
// every page it is given (the instance as it was) and can fail on the
// page of a given number.

#include "platform/db/Error.h"
#include "platform/report/Uscite.h"

#include <QList>
#include <optional>

namespace report {

class StampanteScriptata : public Stampante
{
public:
    explicit StampanteScriptata(bool presente = false)
        : presente(presente)
    {
        impostaStampante(this);
    }
    ~StampanteScriptata() override { impostaStampante(nullptr); }

    bool disponibile() override { return presente; }
    void stampa(const IstanzaRapporto &pagina) override
    {
        ++tentativi;
        if (fallisceAlla && tentativi == *fallisceAlla)
            throw ado::Error(ErroreStampante, QStringLiteral("La stampante non risponde."));
        stampate.append(pagina);
    }

    bool presente;
    std::optional<int> fallisceAlla; // 1 for the first page given
    int tentativi = 0;
    QList<IstanzaRapporto> stampate;
};

} // namespace report
