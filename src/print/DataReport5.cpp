// Page 5 of the printed sheet: the investment expenses as a ruled grid
// (C.4), the programme dates (C.5) and the general costs (C.6).

#include "print/Impaginazione.h"

namespace stampa {

namespace {

using namespace report;
using namespace regole;
constexpr Carattere G = Grassetto;
constexpr Carattere GPiccolo{"Times New Roman", 9.75, true};

constexpr Controllo Dettaglio[] = {
    Testo("Label1", 567, 567, 9638, 283,
          "C.4) Spese del programma di investimenti per le quali sono richieste le agevolazioni ",
          G),
    Testo("Label2", 1134, 850, 7370, 285,
          "di cui al Titolo I del Programma regionale (importi in euro) :", G),
    // C.4: header band, six rows, total band.
    Linea("Line1", 567, 1701, 0, 5102),
    Linea("Line4", 4252, 1701, 0, 5102),
    Linea("Line5", 5953, 1701, 0, 5102),
    Linea("Line6", 7654, 1701, 0, 5102),
    Linea("Line3", 9354, 1701, 0, 5102),
    Linea("Line2", 567, 1701, 8790, 0),
    Linea("Line7", 567, 2551, 8787, 0),
    Linea("Line8", 567, 6236, 8787, 0),
    Linea("Line9", 567, 6803, 8787, 0),
    Testo("Label3", 567, 1701, 3685, 283, "SPESE").centro(),
    Testo("Label4", 4252, 1701, 1701, 283, "DIRETTE").centro(),
    Testo("Label5", 5953, 1701, 1695, 270, "LEASING").centro(),
    Testo("Label6", 7654, 1701, 1700, 270, "TOTALE").centro(),
    Testo("Label7", 5953, 1984, 1695, 270, "(canoni previsti)").centro(),
    Testo("Label8", 567, 2835, 3685, 283, " a) SUOLO AZIENDALE "),
    Valore("SpeA1", 4252, 2835, 1417, 283).destra(),
    Valore("SpeB1", 5953, 2835, 1417, 285).destra(),
    Valore("SpeC1", 7654, 2835, 1417, 285).destra(),
    Testo("Label12", 567, 3402, 3685, 283, " b) OPERE MURARIE E ASSIMIL. "),
    Valore("SpeA2", 4252, 3402, 1417, 285).destra(),
    Valore("SpeB2", 5953, 3402, 1417, 285).destra(),
    Valore("SpeC2", 7654, 3402, 1417, 285).destra(),
    Testo("Label16", 567, 3969, 3685, 283, " c) MACCH., IMPIA. E ATTREZZ."),
    Valore("SpeA3", 4252, 3969, 1417, 285).destra(),
    Valore("SpeB3", 5953, 3969, 1417, 285).destra(),
    Valore("SpeC3", 7654, 3969, 1417, 285).destra(),
    Testo("Label20", 567, 4535, 3685, 283, " d) PROGRAMMI INFORMATICI"),
    Valore("SpeA4", 4252, 4535, 1425, 270).destra(),
    Valore("SpeB4", 5953, 4535, 1410, 270).destra(),
    Valore("SpeC4", 7654, 4535, 1425, 270).destra(),
    Testo("Label24", 567, 5102, 3685, 283, " e) BREVETTI"),
    Valore("SpeA5", 4252, 5102, 1425, 285).destra(),
    Valore("SpeB5", 5953, 5102, 1410, 285).destra(),
    Valore("SpeC5", 7654, 5102, 1425, 285).destra(),
    Testo("Label28", 567, 5669, 3685, 283, " f) CONSULENZE E STUDI"),
    Valore("SpeA6", 4252, 5669, 1417, 283).destra(),
    Valore("SpeB6", 5953, 5669, 1410, 285).destra(),
    Valore("SpeC6", 7654, 5669, 1425, 285).destra(),
    Testo("Label32", 567, 6520, 3685, 283, "        TOTALE "),
    Valore("SpeA7", 4252, 6520, 1417, 283).destra(),
    Valore("SpeB7", 5953, 6520, 1417, 283).destra(),
    Valore("SpeC7", 7654, 6520, 1417, 283).destra(),
    // C.5.
    Testo("Label36", 567, 7370, 7087, 283, "C.5) Date previste relative al programma:", G),
    Testo("Label37", 567, 7937, 850, 283, "C.5.1) ", G),
    Testo("Label39", 1417, 7937, 3118, 283, "Data di avvio a realizzazione: "),
    Valore("DataAvvio", 4535, 7937, 1701, 283),
    Testo("Label38", 567, 8504, 850, 283, "C.5.2) ", G),
    Testo("Label40", 1417, 8504, 2552, 283, "Data di ultimazione:"),
    Valore("DataUltimazione", 4535, 8504, 1701, 283),
    // C.6: header band, three year rows, total band.
    Testo("Label43", 567, 9354, 9638, 283,
          "C.6) Costi generali per i quali sono richieste le agevolazioni di cui al Titolo II ", G),
    Testo("Label45", 1134, 9638, 7935, 285, "del Programma Regionale (importi in euro) :", G),
    Linea("Line10", 567, 10488, 9354, 0),
    Linea("Line14", 567, 11055, 9354, 0),
    Linea("Line16", 567, 11622, 9354, 0),
    Linea("Line17", 567, 12189, 9354, 0),
    Linea("Line18", 567, 12756, 9354, 0),
    Linea("Line19", 567, 13606, 9354, 0),
    Linea("Line11", 567, 10488, 0, 3118),
    Linea("Line15", 5669, 10488, 0, 3118),
    Linea("Line12", 7087, 10488, 0, 3118),
    Linea("Line13", 9921, 10488, 0, 3118),
    Testo("Label46", 567, 10488, 5102, 283,
          " Esercizi di riferimento a partire da quello successivo all'anno ", GPiccolo),
    Testo("Label48", 5669, 10488, 1418, 283, "Anno", G).centro(),
    Testo("Label49", 7087, 10488, 2834, 283, "Importo previsto dei Costi", G).centro(),
    Testo("Label47", 567, 10772, 5102, 283,
          " di avvio del programma di cui alla data indicata al punto C.5.1.", GPiccolo),
    Testo("Label50", 567, 11339, 5102, 283, "  Primo esercizio", G),
    Valore("CostEser1", 5669, 11339, 1418, 283).centro(),
    Valore("Cost1", 7087, 11339, 2551, 283).destra(),
    Testo("Label51", 567, 11906, 5102, 283, "  Secondo esercizio", G),
    Valore("CostEser2", 5669, 11906, 1418, 285).centro(),
    Valore("Cost2", 7087, 11906, 2551, 283).destra(),
    Testo("Label52", 567, 12472, 5102, 283, "  Terzo esercizio", G),
    Valore("CostEser3", 5669, 12472, 1418, 283).centro(),
    Valore("Cost3", 7087, 12472, 2551, 283).destra(),
    Testo("Label9", 5669, 12756, 1417, 283, " ").grigio(),
    Testo("Label10", 5669, 13039, 1417, 283, " ").grigio(),
    Testo("Label53", 567, 13039, 5102, 283, "  TOTALE", G),
    Valore("Cost4", 7087, 13039, 2551, 283).destra(),
    Testo("Label11", 5669, 13323, 1417, 283, " ").grigio(),
};

constexpr auto Sezioni = impaginazione(Dettaglio, true);
constexpr Rapporto Layout{"DataReport5", "DataReport5", Sezioni};

// The value labels in the order the fill sets them.
constexpr Riempimento Valori[] = {
    {"SpeA1", "spea1", dueDecimali},
    {"SpeA2", "spea2", dueDecimali},
    {"SpeA3", "spea3", dueDecimali},
    {"SpeA4", "spea4", dueDecimali},
    {"SpeA5", "spea5", dueDecimali},
    {"SpeA6", "spea6", dueDecimali},
    {"SpeA7", "spea7", dueDecimali},
    {"SpeB1", "speb1", dueDecimali},
    {"SpeB2", "speb2", dueDecimali},
    {"SpeB3", "speb3", dueDecimali},
    {"SpeB4", "speb4", dueDecimali},
    {"SpeB5", "speb5", dueDecimali},
    {"SpeB6", "speb6", dueDecimali},
    {"SpeB7", "speb7", dueDecimali},
    {"SpeC1", "spec1", dueDecimali},
    {"SpeC2", "spec2", dueDecimali},
    {"SpeC3", "spec3", dueDecimali},
    {"SpeC4", "spec4", dueDecimali},
    {"SpeC5", "spec5", dueDecimali},
    {"SpeC6", "spec6", dueDecimali},
    {"SpeC7", "spec7", dueDecimali},
    {"DataAvvio", "dataavvio", data},
    {"DataUltimazione", "dataultimazione", data},
    {"CostEser1", "costeser1", anno},
    {"CostEser2", "costeser2", anno},
    {"CostEser3", "costeser3", anno},
    {"Cost1", "cost1", dueDecimali},
    {"Cost2", "cost2", dueDecimali},
    {"Cost3", "cost3", dueDecimali},
    {"Cost4", "cost4", dueDecimali},
};

} // namespace

constinit const PaginaStampa Pagina5{Layout, Valori};

} // namespace stampa
