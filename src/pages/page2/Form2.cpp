#include "pages/page2/Form2.h"

#include "pages/page2/StatiPatrimoniali.h"

namespace scheda {

using namespace campi;

Form2::Form2(QWidget *parent) : PaginaScheda(2, parent)
{
    const Stile bianco{.sfondo = 0x00FFFFFF};
    const auto cornice = [](const char *nome, const char *caption, Posto posto) {
        return Elemento{.genere = Genere::Cornice, .nome = nome, .testo = QString::fromUtf8(caption), .posto = posto};
    };
    const auto testo = [](const char *box, const char *colonna, const char *label, Posto posto, int leftLabel,
                          const char *in, int tab, Stile stile = {}) {
        return Elemento{.nome = box, .colonna = colonna, .testo = QString::fromUtf8(label), .posto = posto,
                        .etichetta = {leftLabel}, .in = in, .lunghezza = 50, .tab = tab, .stile = stile};
    };
    const auto comune = [](const char *combo, const char *colonna, const char *label, Posto posto, int leftLabel,
                           const char *in, int tab) {
        return Elemento{.nome = combo, .famiglia = Famiglia::Ricerca, .colonna = colonna,
                        .testo = QString::fromUtf8(label), .posto = posto, .etichetta = {leftLabel}, .in = in,
                        .tab = tab};
    };
    const auto mostrato = [](const char *box, const char *colonna, const char *label, Posto posto, int leftLabel,
                             const char *in) {
        return Elemento{.nome = box, .famiglia = Famiglia::SoloLettura, .colonna = colonna,
                        .testo = QString::fromUtf8(label), .posto = posto, .etichetta = {leftLabel}, .in = in};
    };

    // In the order Posiziona shows them; `tab` gives the focus order.
    std::vector<Elemento> righe = {
        cornice("A12", "A.12) Sede Legale", {360, 360, 9615, 1335}),
        comune("CMBComuneSede", "comune_sede", "Comune", {960, 360, 4455, 315}, 240, "A12", 0),
        mostrato("TXTProvSede", "prov_sede", "Prov.", {6240, 360, 1335}, 5520, "A12"),
        mostrato("TXTCapSede", "cap_sede", "Cap.", {8160, 360, 1215}, 7680, "A12"),
        testo("TXTViaSede", "via_sede", "Indirizzo", {960, 840, 4455}, 240, "A12", 1, bianco),
        testo("TXTTelefonoSede", "tel_sede", "Telefono", {6240, 840, 1335}, 5520, "A12", 2, bianco),
        testo("TXTFaxSede", "fax_sede", "Fax :", {8160, 840, 1215}, 7680, "A12", 3),

        cornice("A13", "A.13) Referente dell'impresa per il progetto", {360, 2040, 7815, 1215}),
        testo("TXTCognomeRef", "cognome_ref", "Cognome :", {1080, 360, 1815}, 240, "A13", 4),
        testo("TXTNomeRef", "nome_ref", "Nome :", {3960, 360, 1695}, 3240, "A13", 5),
        testo("TXTTelRef", "tel_ref", "Tel. :", {1080, 840, 1215}, 480, "A13", 6),
        testo("TXTFaxRef", "fax_ref", "Fax :", {3360, 840, 1215}, 2640, "A13", 7),
        {.nome = "TXTEmailRef", .famiglia = Famiglia::TestoMinuscolo, .colonna = "email_ref", .testo = "Email :",
         .posto = {5640, 840, 1935}, .etichetta = {4920}, .in = "A13", .lunghezza = 50, .tab = 8},

        cornice("A14", "A.14) Indirizzo al quale inviare la corrispondenza", {360, 3600, 9615, 2055}),
        {.nome = "TXTDenomPosta", .colonna = "denom_posta",
         .testo = "presso (Nome e Cognome o Denominazione sociale) :", .posto = {4200, 480, 5175},
         .etichetta = {240, 480, 3855, 255}, .in = "A14", .lunghezza = 50, .tab = 9},
        comune("CMBComunePosta", "comune_posta", "Comune :", {960, 960, 4455, 315}, 240, "A14", 10),
        mostrato("TXTProvPosta", "prov_posta", "Prov. :", {6240, 960, 1335}, 5640, "A14"),
        mostrato("TXTCapPosta", "cap_posta", "Cap. :", {8160, 960, 1215}, 7680, "A14"),
        testo("TXTViaPosta", "via_posta", "Indirizzo :", {960, 1440, 4455}, 240, "A14", 11),
    };
    const std::vector<Elemento> griglia = pagina2::righeStatiPatrimoniali();
    righe.insert(righe.end(), griglia.begin(), griglia.end());
    disponi(righe, &pagina2::ricalcoloStatiPatrimoniali());
    posizionaPiede(7920, 12600);
}

} // namespace scheda
