// Page 4 of the printed sheet: the promoting body (section B), the local
// unit and its activity (C.1, C.2) and its average employees as a ruled
// grid (C.3).

#include "print/Impaginazione.h"

namespace stampa {

namespace {

using namespace report;
using namespace regole;
constexpr Carattere G = Grassetto;

constexpr Controllo Dettaglio[] = {
    Testo("Label1", 567, 567, 8220, 283, "B) DATI RELATIVI AL SOGGETTO PROMOTORE", G),
    Testo("DenomPromort", 567, 1134, 7935, 285, "B.1) Denominazione del soggetto promotore", G),
    Valore("DenomPromo", 567, 1417, 8790, 285),
    Testo("Label4", 567, 1984, 7935, 285, "B.2) Natura giuridica del soggetto promotore", G),
    Testo("Label5", 1134, 2551, 2835, 285, "Tipologia:"),
    // The four legal forms, a list: one width for its lines.
    Testo("Label6", 1701, 3118, 3975, 285, "A)\tCooperativa di produzione-lavoro").inGruppo(1),
    Valore("NatGiuPromo1", 6803, 3118, 555, 285, CarattereRapporto, "[ ]"),
    Testo("Label7", 1701, 3685, 3975, 285, "B)\tCooperativa sociale ").inGruppo(1),
    Valore("NatGiuPromo2", 6803, 3685, 555, 285, CarattereRapporto, "[ ]"),
    Testo("Label8", 1701, 4252, 5115, 270, "C)\tConsorzio di cooperative di produzione-lavoro")
        .inGruppo(1),
    Valore("NatGiuPromo3", 6803, 4252, 555, 270, CarattereRapporto, "[ ]"),
    Testo("Label9", 1701, 4819, 5115, 285, "D)\tConsorzio di cooperative sociali").inGruppo(1),
    Valore("NatGiuPromo4", 6803, 4819, 555, 285, CarattereRapporto, "[ ]"),
    Testo("Label14", 567, 5669, 4815, 285, "B.3) Codice Fiscale del soggetto promotore", G),
    Valore("CodFiscalePromo", 5386, 5669, 4815, 285),
    Testo("Label16", 567, 6236, 4815, 285, "B.4) Partita IVA del soggetto promotore", G),
    Valore("PartitaIvaPromo", 5386, 6236, 4815, 285),
    Testo("Label18", 567, 6803, 9630, 285,
          "B.5) Attività svolta dal soggetto promotore attinente al Programma di investimento ", G),
    Valore("AttivitaPromo", 567, 7087, 9630, 285),
    Testo("Label20", 1701, 7654, 4260, 285, "Codice d'attività ISTAT (Ateco 2002) "),
    Valore("IstatCodicePromo", 5953, 7654, 4245, 285),
    Testo("Label22", 567, 8504, 7935, 285, "C) DATI RELATIVI AL PROGRAMMA DI INVESTIMENTI", G),
    Testo("Label23", 567, 9071, 7080, 285,
          "C.1) Unità locale interessata dal programma di investimenti: ", G),
    Testo("Label25", 567, 9354, 1125, 285, "Comune "),
    Valore("ComuneLoc", 1701, 9354, 3690, 285),
    Testo("Label26", 5386, 9354, 855, 285, "Prov. "),
    Valore("ProvLoc", 6236, 9354, 840, 285),
    Testo("Label27", 7370, 9354, 855, 285, "C.A.P. "),
    Valore("CapLoc", 8220, 9354, 1695, 285),
    Testo("Label28", 567, 9638, 1125, 285, "via e n.civ. "),
    Valore("IndirizzoLoc", 1701, 9638, 3690, 285),
    Testo("Label29", 5386, 9638, 1140, 285, "Telefono"),
    Valore("TelefonoLoc", 6520, 9638, 1410, 285),
    Testo("Label30", 7937, 9638, 570, 285, "Fax"),
    Valore("FaxLoc", 8504, 9638, 1410, 285),
    Testo("Label24", 567, 10488, 9630, 285,
          "C.2) Attività svolta o da svolgere  presso l'unità locale di cui al precedente punto "
          "C.1):",
          G),
    Valore("Attivita", 567, 10772, 9630, 285),
    Testo("Label32", 1701, 11339, 4260, 285, "Codice d'attività ISTAT (Ateco 2002) "),
    Valore("IstatCodice", 5953, 11339, 4245, 285),
    Testo("Label34", 567, 11906, 9630, 285,
          "C.3) Occupazione media prevista nell'unità locale oggetto del programma:", G),
    // C.3: the ruled header band, then the framed rows.
    Testo("Label52", 1134, 12472, 1695, 285, "DIPENDENTI").centro().opaco(),
    Testo("Label54", 2835, 12472, 1695, 285, "nell'esercizio ").centro().opaco(),
    Testo("Label56", 4535, 12472, 1710, 285, "terzo esercizio ").centro().opaco(),
    Testo("Label58", 6236, 12472, 1695, 285, "variazione").centro().opaco(),
    Testo("Label53", 1134, 12756, 1695, 285, "(n. di unità)").centro().opaco(),
    Testo("Label55", 2835, 12756, 1695, 285, "ant. domanda").centro().opaco(),
    Testo("Label57", 4535, 12756, 1710, 285, "succ. programma").centro().opaco(),
    Testo("Label59", 6236, 12756, 1695, 285, "  ").opaco(),
    Linea("Line1", 1134, 12472, 6803, 0),
    Linea("Line3", 1134, 12472, 0, 567),
    Linea("Line4", 2835, 12472, 0, 567),
    Linea("Line5", 4535, 12472, 0, 567),
    Linea("Line6", 6236, 12472, 0, 567),
    Linea("Line2", 7937, 12472, 0, 567),
    Testo("Label48", 1134, 13039, 1695, 285, "- dirigenti").bordato(),
    Valore("DipA1", 2835, 13039, 1695, 270).bordato().destra(),
    Valore("DipB1", 4535, 13039, 1710, 270).bordato().destra(),
    Valore("DipC1", 6236, 13039, 1695, 270).bordato().destra(),
    Testo("Label43", 1134, 13323, 1695, 270, "- impiegati").bordato(),
    Valore("DipA2", 2835, 13323, 1695, 270).bordato().destra(),
    Valore("DipB2", 4535, 13323, 1710, 270).bordato().destra(),
    Valore("DipC2", 6236, 13323, 1695, 270).bordato().destra(),
    Testo("Label39", 1134, 13606, 1695, 270, "- operai").bordato(),
    Valore("DipA3", 2835, 13606, 1695, 270).bordato().destra(),
    Valore("DipB3", 4535, 13606, 1710, 285).bordato().destra(),
    Valore("DipC3", 6236, 13606, 1695, 270).bordato().destra(),
    Testo("Label35", 1134, 13890, 1695, 285, "   totale").bordato(),
    Valore("DipA4", 2835, 13890, 1695, 285).bordato().destra(),
    Valore("DipB4", 4535, 13890, 1710, 285).bordato().destra(),
    Valore("DipC4", 6236, 13890, 1695, 285).bordato().destra(),
};

constexpr auto Sezioni = impaginazione(Dettaglio, true);
constexpr Rapporto Layout{"DataReport4", "DataReport4", Sezioni};

// The value labels in the order the fill sets them.
constexpr Riempimento Valori[] = {
    {"DenomPromo", "denominazione_promo", comeMemorizzato},
    // One box ticked for the codes 1 to 4, none for any other.
    {"NatGiuPromo1", "nat_giuri_promo", casella<1>},
    {"NatGiuPromo2", "nat_giuri_promo", casella<2>},
    {"NatGiuPromo3", "nat_giuri_promo", casella<3>},
    {"NatGiuPromo4", "nat_giuri_promo", casella<4>},
    {"CodFiscalePromo", "cod_fiscale_promo", comeMemorizzato},
    {"PartitaIvaPromo", "partita_iva_promo", comeMemorizzato},
    {"AttivitaPromo", "attivita_promo", comeMemorizzato},
    {"IstatCodicePromo", "istat_codice_promo", comeMemorizzato},
    {"ComuneLoc", "comune_loc", comeMemorizzato},
    {"ProvLoc", "prov_loc", comeMemorizzato},
    {"CapLoc", "cap_loc", comeMemorizzato},
    {"IndirizzoLoc", "indirizzo_loc", comeMemorizzato},
    {"TelefonoLoc", "telefono_loc", comeMemorizzato},
    {"FaxLoc", "fax_loc", comeMemorizzato},
    {"Attivita", "attivita", comeMemorizzato},
    {"IstatCodice", "istat_codice", comeMemorizzato},
    {"DipA1", "dipa1", decimi},
    {"DipA2", "dipa2", decimi},
    {"DipA3", "dipa3", decimi},
    {"DipA4", "dipa4", decimi},
    {"DipB1", "dipb1", decimi},
    {"DipB2", "dipb2", decimi},
    {"DipB3", "dipb3", decimi},
    {"DipB4", "dipb4", decimi},
    {"DipC1", "dipc1", decimi},
    {"DipC2", "dipc2", decimi},
    {"DipC3", "dipc3", decimi},
    {"DipC4", "dipc4", decimi},
};

} // namespace

constinit const PaginaStampa Pagina4{Layout, Valori};

} // namespace stampa
