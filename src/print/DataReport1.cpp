// Page 1 of the printed sheet: the heading of the sheet and section A,
// items A.1 to A.11.

#include "print/Impaginazione.h"

namespace stampa {

namespace {

using namespace report;
using namespace regole;
constexpr Carattere G = Grassetto;

constexpr Controllo Dettaglio[] = {
    Testo("Label1", 8504, 0, 1695, 570, "Allegato n.4", G),
    Testo("Label2", 567, 567, 9645, 285, "Velisco ", G),
    Testo("Label3", 2551, 850, 6240, 285, "Delibera della Giunta Regionale n. 1187 del 2004", G),
    Testo("Label4", 3969, 1417, 3675, 285, "PRIMO BANDO", G),
    Testo("Label5", 2835, 1701, 5670, 285, "(Decreto Dirigenziale n. 245 del 12/10/2004)", G),
    Testo("Label6", 3402, 2268, 3975, 555, "SCHEDA TECNICA", {"Times New Roman", 15.75, true, true}),
    Testo("Label7", 0, 2835, 3975, 285, "A) DATI RELATIVI ALL'IMPRESA", G),
    Testo("Label8", 0, 3402, 4530, 285, "A.1) Denominazione dell'impresa ", G),
    Valore("Denom", 283, 3685, 9917, 285),
    Testo("Label9", 0, 4252, 5100, 285, "A.2) Natura giuridica  ", G),
    Testo("Label10", 2551, 4535, 2265, 285, "Tipologia:"),
    Testo("Label11", 3685, 4819, 1980, 285, "A) Cooperativa"),
    Valore("NatGiuri1", 5669, 4819, 570, 285),
    Testo("Label12", 3685, 5386, 1980, 285, "B) Consorzio "),
    Valore("NatGiuri2", 5669, 5386, 570, 285),
    Testo("Label15", 0, 5953, 2835, 285, "A.3)  Data di costituzione    ", G),
    Valore("DataCostituzione", 2835, 5953, 2267, 285),
    Testo("Label16", 0, 6520, 2268, 285, "A.4) Codice Fiscale ", G),
    Valore("CodFiscale", 2835, 6520, 2267, 285),
    Testo("Label17", 0, 7087, 2265, 285, "A.5) Partita IVA ", G),
    Valore("PartIva", 2835, 7087, 2268, 285),
    Testo("Label18", 0, 7654, 9645, 285,
          "A.6) Fatturato degli esercizi precedenti l'anno di apertura del bando:", G),
    Testo("Label19", 0, 7937, 3690, 285, "Fatturato ultimo esercizio (euro)"),
    Valore("FattUltimo", 3685, 7937, 1410, 285).destra(),
    Testo("Label21", 5386, 7937, 2550, 285, "esercizio di riferimento"),
    Valore("EserUltimo", 7937, 7937, 1695, 285),
    Testo("Label20", 0, 8220, 3690, 285, "Fatturato penultimo esercizio (euro)"),
    Valore("FattPenultimo", 3685, 8220, 1410, 285).destra(),
    Testo("Label22", 5386, 8220, 2550, 285, "esercizio di riferimento"),
    Valore("EserPenultimo", 7937, 8220, 1695, 285),
    Testo("Label23", 0, 8787, 2550, 285, "A.7) Capitale sociale ", G),
    Valore("CapSociale", 2551, 8787, 1125, 285).destra(),
    Testo("Label25", 4535, 8787, 1710, 285, "di cui versato ", G),
    Valore("CapVersato", 6236, 8787, 1125, 285).destra(),
    Testo("Label24", 0, 9354, 3690, 285, "A.8) Iscrizione Registro Imprese di", G),
    Valore("IscrImpr", 3685, 9354, 1980, 285),
    Testo("Label27", 5669, 9354, 855, 285, "n. REA", G),
    Valore("NumRea", 6520, 9354, 1125, 285),
    Testo("Label29", 7654, 9354, 855, 285, "Data", G),
    Valore("DataIscr", 8504, 9354, 1410, 285),
    Testo("Label26", 0, 9921, 3690, 285, "A.9) Iscrizione all'Albo Artigiani di ", G),
    Valore("IscrArt", 3685, 9921, 2550, 285),
    Testo("Label30", 6236, 9921, 285, 285, "n.", G),
    Valore("NumArt", 6520, 9921, 1125, 285),
    Testo("Label32", 7654, 9921, 855, 285, "Data", G),
    Valore("DataArt", 8504, 9921, 1410, 285),
    Testo("Label28", 0, 10488, 4245, 285, "A.10) Iscrizione al Registro Prefettizio di", G),
    Valore("IscrPref", 4252, 10488, 1980, 285),
    Testo("Label33", 6236, 10488, 285, 285, "n.", G),
    Valore("NumPref", 6520, 10488, 1125, 285),
    Testo("Label35", 7654, 10488, 855, 285, "Data", G),
    Valore("DataPref", 8504, 10488, 1410, 285),
    Valore("SezPref1", 567, 11055, 570, 285),
    Testo("Label34", 1134, 11055, 5100, 285, "Sezione \"Cooperative di produzione e lavoro\"", G),
    Valore("SezPref2", 567, 11622, 570, 285),
    Testo("Label37", 1134, 11622, 5100, 285, "Sezione \"Cooperative sociali\" ", G),
    Testo(
        "Label38", 0, 12189, 10200, 285,
        "A.11) Iscrizione all'Albo Cooperative del Ministero delle Attività Produttive - Sezione ",
        G),
    Testo("Label39", 567, 12472, 4245, 285, "\"cooperative a mutualità prevalente\"", G),
    Testo("Label13", 567, 12756, 567, 285, "n.."),
    Valore("NumMini", 1134, 12756, 1701, 285),
    Testo("Label31", 3402, 12756, 850, 285, "Data"),
    Valore("DataMini", 4252, 12756, 1701, 285),
    Valore("Categoriamini1", 567, 13323, 567, 285),
    Testo("Label41", 1134, 13323, 5670, 285, "Categoria \"Cooperative di produzione e lavoro\"", G),
    Valore("Categoriamini2", 567, 13890, 567, 285),
    Testo("Label43", 1134, 13890, 5940, 285, "Categoria \"Cooperative sociali\" ", G),
};

constexpr auto Sezioni = impaginazione(Dettaglio, true);
constexpr Rapporto Layout{"DataReport1", "DataReport1", Sezioni};

// The value labels in the order the fill sets them.
constexpr Riempimento Valori[] = {
    {"Denom", "denominazione", comeMemorizzato},
    {"NatGiuri1", "natura_giuridica", primaDiDue},
    {"NatGiuri2", "natura_giuridica", secondaDiDue},
    {"DataCostituzione", "data_costituzione", data},
    {"CodFiscale", "cod_fiscale", comeMemorizzato},
    {"PartIva", "partita_iva", comeMemorizzato},
    {"FattUltimo", "fatt_ultimo", importo},
    {"FattPenultimo", "fatt_penultimo", importo},
    {"EserUltimo", "eser_ultimo", anno},
    {"EserPenultimo", "eser_penultimo", anno},
    {"CapSociale", "capitale_sociale", importo},
    {"CapVersato", "capitale_versato", importo},
    {"IscrImpr", "iscr_reg_imp", comeMemorizzato},
    {"NumRea", "num_rea", comeMemorizzato},
    {"DataIscr", "data_iscr", data},
    {"IscrArt", "iscr_art", comeMemorizzato},
    {"NumArt", "num_art", comeMemorizzato},
    {"DataArt", "data_art", data},
    {"IscrPref", "iscr_pref", comeMemorizzato},
    {"NumPref", "num_pref", comeMemorizzato},
    {"DataPref", "data_pref", data},
    {"NumMini", "num_mini", comeMemorizzato},
    {"DataMini", "data_mini", data},
    {"SezPref1", "sez_pref", primaDiDue},
    {"SezPref2", "sez_pref", secondaDiDue},
    {"Categoriamini1", "categoria_mini", primaDiDue},
    {"Categoriamini2", "categoria_mini", secondaDiDue},
};

} // namespace

constinit const PaginaStampa Pagina1{Layout, Valori};

} // namespace stampa
