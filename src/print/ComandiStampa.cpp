#include "print/ComandiStampa.h"

#include "core/ColonneDati.h"
#include "pages/PaginaScheda.h"
#include "platform/dialoghi/Dialoghi.h"
#include "print/RecordPerStampa.h"
#include "print/Sessione.h"
#include "print/Stampa.h"

namespace stampa {

namespace {

bool chiediStampa()
{
    RispostaStampa = dlg::MsgBox(QStringLiteral(
                                     "La stampa avverrà sulla stampante predefinita, Procedi?"),
                                 dlg::vbYesNo | dlg::vbExclamation,
                                 QStringLiteral("Seleziona Stampante Predefinita"));
    return RispostaStampa != dlg::vbNo;
}

// Page n as the user sees it: the in-memory sheet with the option buttons
// chosen on the page shown. Page 6 names the legal representative and the
// seat of the current sheet as stored, whatever page loaded them last.
SchedaStampa comeSulloSchermo(int n, scheda::PaginaScheda *mostrata)
{
    SchedaStampa copia = SchedaStampa::daMemoria();
    if (mostrata && mostrata->numero() == n)
        for (const scheda::Colonna &c : scheda::colonnePagina(n))
            if (c.tipo == scheda::Tipo::Opzione) {
                const QString nome = QString::fromLatin1(c.nome);
                if (const int codice = mostrata->codiceMostrato(nome); codice > 0)
                    copia.imposta(nome, ado::Variant(codice));
            }
    if (n == 6) {
        static constexpr const char *dichiarante[] = {"cognome", "nome", "comune_sede", "prov_sede",
                                                      "cap_sede"};
        caricaDallaRiga(copia, dichiarante);
    }
    return copia;
}

} // namespace

void StampaPaginaMostrata(scheda::PaginaScheda *mostrata)
{
    if (!mostrata)
        return;
    if (!chiediStampa())
        return;
    const int n = mostrata->numero();
    const SchedaStampa copia = comeSulloSchermo(n, mostrata);
    SessioneStampa sessione(nomeStampa(copia, n));
    StampaPagina(n, copia, sessione);
    sessione.concludi();
}

void StampaSchedaCorrente()
{
    if (!chiediStampa())
        return;
    const SchedaStampa copia = CaricaRecordPerStampa();
    SessioneStampa sessione(nomeStampa(copia));
    for (int n = 1; n <= 6; ++n)
        StampaPagina(n, copia, sessione);
    sessione.concludi();
}

void AnteprimaPagina(int n, scheda::PaginaScheda *mostrata)
{
    VisualizzaPagina(n, comeSulloSchermo(n, mostrata), mostrata ? mostrata->window() : nullptr);
}

} // namespace stampa
