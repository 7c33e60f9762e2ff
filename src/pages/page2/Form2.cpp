#include "pages/page2/Form2.h"

#include "pages/page2/StatiPatrimoniali.h"

#include "core/Archivio.h"
#include "core/Globali.h"

namespace scheda {

using namespace campi;

namespace {

// The seat, the contact person and the address for correspondence, then the
// balance sheets; in the order Posiziona shows them, `tab` giving the focus order.
std::vector<Elemento> righePagina()
{
    std::vector<Elemento> righe = {
        cornice({.nome = "A12", .testo = "A.12) Sede Legale", .posto = {360, 360, 9615, 1335}}),
        ricerca({.nome = "CMBComuneSede",
                 .colonna = "comune_sede",
                 .testo = "Comune",
                 .posto = {960, 360, 4455, 315},
                 .etichetta = {240},
                 .in = "A12",
                 .tab = 0,
                 .riferimento = comune(RsComune, "prov_sede", "cap_sede", VecchioComuneSede,
                                       ChiaveComune, ComuneTrovato)}),
        soloLettura({.nome = "TXTProvSede",
                     .colonna = "prov_sede",
                     .testo = "Prov.",
                     .posto = {6240, 360, 1335},
                     .etichetta = {5520},
                     .in = "A12"}),
        soloLettura({.nome = "TXTCapSede",
                     .colonna = "cap_sede",
                     .testo = "Cap.",
                     .posto = {8160, 360, 1215},
                     .etichetta = {7680},
                     .in = "A12"}),
        testo({.nome = "TXTViaSede",
               .colonna = "via_sede",
               .testo = "Indirizzo",
               .posto = {960, 840, 4455},
               .etichetta = {240},
               .in = "A12",
               .lunghezza = 50,
               .tab = 1,
               .stile = Bianco}),
        testo({.nome = "TXTTelefonoSede",
               .colonna = "tel_sede",
               .testo = "Telefono",
               .posto = {6240, 840, 1335},
               .etichetta = {5520},
               .in = "A12",
               .lunghezza = 50,
               .tab = 2,
               .stile = Bianco}),
        testo({.nome = "TXTFaxSede",
               .colonna = "fax_sede",
               .testo = "Fax :",
               .posto = {8160, 840, 1215},
               .etichetta = {7680},
               .in = "A12",
               .lunghezza = 50,
               .tab = 3}),

        cornice({.nome = "A13",
                 .testo = "A.13) Referente dell'impresa per il progetto",
                 .posto = {360, 2040, 7815, 1215}}),
        testo({.nome = "TXTCognomeRef",
               .colonna = "cognome_ref",
               .testo = "Cognome :",
               .posto = {1080, 360, 1815},
               .etichetta = {240},
               .in = "A13",
               .lunghezza = 50,
               .tab = 4}),
        testo({.nome = "TXTNomeRef",
               .colonna = "nome_ref",
               .testo = "Nome :",
               .posto = {3960, 360, 1695},
               .etichetta = {3240},
               .in = "A13",
               .lunghezza = 50,
               .tab = 5}),
        testo({.nome = "TXTTelRef",
               .colonna = "tel_ref",
               .testo = "Tel. :",
               .posto = {1080, 840, 1215},
               .etichetta = {480},
               .in = "A13",
               .lunghezza = 50,
               .tab = 6}),
        testo({.nome = "TXTFaxRef",
               .colonna = "fax_ref",
               .testo = "Fax :",
               .posto = {3360, 840, 1215},
               .etichetta = {2640},
               .in = "A13",
               .lunghezza = 50,
               .tab = 7}),
        testoMinuscolo({.nome = "TXTEmailRef",
                        .colonna = "email_ref",
                        .testo = "Email :",
                        .posto = {5640, 840, 1935},
                        .etichetta = {4920},
                        .in = "A13",
                        .lunghezza = 50,
                        .tab = 8}),

        cornice({.nome = "A14",
                 .testo = "A.14) Indirizzo al quale inviare la corrispondenza",
                 .posto = {360, 3600, 9615, 2055}}),
        testo({.nome = "TXTDenomPosta",
               .colonna = "denom_posta",
               .testo = "presso (Nome e Cognome o Denominazione sociale) :",
               .posto = {4200, 480, 5175},
               .etichetta = {240, 480, 3855, 255},
               .in = "A14",
               .lunghezza = 50,
               .tab = 9}),
        ricerca({.nome = "CMBComunePosta",
                 .colonna = "comune_posta",
                 .testo = "Comune :",
                 .posto = {960, 960, 4455, 315},
                 .etichetta = {240},
                 .in = "A14",
                 .tab = 10,
                 .riferimento = comune(RsComune2, "prov_posta", "cap_posta", VecchioComunePosta,
                                       ChiaveComunePosta, ComunePostaTrovato)}),
        soloLettura({.nome = "TXTProvPosta",
                     .colonna = "prov_posta",
                     .testo = "Prov. :",
                     .posto = {6240, 960, 1335},
                     .etichetta = {5640},
                     .in = "A14"}),
        soloLettura({.nome = "TXTCapPosta",
                     .colonna = "cap_posta",
                     .testo = "Cap. :",
                     .posto = {8160, 960, 1215},
                     .etichetta = {7680},
                     .in = "A14"}),
        testo({.nome = "TXTViaPosta",
               .colonna = "via_posta",
               .testo = "Indirizzo :",
               .posto = {960, 1440, 4455},
               .etichetta = {240},
               .in = "A14",
               .lunghezza = 50,
               .tab = 11}),
    };
    const std::vector<Elemento> griglia = righeStatiPatrimoniali(tabSeguente(righe));
    righe.insert(righe.end(), griglia.begin(), griglia.end());
    return righe;
}

} // namespace

DatiPagina pagina2()
{
    return {.numero = 2,
            .righe = righePagina(),
            .ricalcolo = ricalcoloStatiPatrimoniali(),
            .piede = {7920, 12600}};
}

} // namespace scheda
