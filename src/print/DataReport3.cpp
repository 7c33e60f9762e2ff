// Page 3 of the printed sheet: the income statements of two years as a
// ruled grid (A.16) and the two yes/no declarations A.17 and A.18.

#include "print/Cornice.h"

namespace scheda {

namespace {

using namespace report;
constexpr Carattere G = Grassetto;
constexpr Carattere Piccolo{"Times New Roman", 11.25};

constexpr Controllo Dettaglio[] = {
    Testo("Label26", 567, 850, 5953, 285, "A.16) CONTI ECONOMICI della cooperativa/consorzio.", G),
    Testo("Label29", 6520, 850, 3390, 285, "Riportare i dati relativi agli ultimi", Piccolo),
    Testo("Label32", 567, 1133, 9630, 285,
          "due bilanci approvati, ove disponibili, prima della data di presentazione della domanda (importi in Euro)",
          Piccolo),
    // A.16: row text, column C (penultimate year), column D (last year).
    Testo("Label80", 1134, 1700, 3960, 285, "CONTO ECONOMICO", G).grigio(),
    Testo("Label81", 5102, 1700, 1710, 270, "Penu. Consunti.", G).grigio(),
    Testo("Label82", 6803, 1700, 1695, 270, "Ulti. Consunti.", G).grigio().centro(),
    Testo("Label77", 1134, 1983, 3960, 285, "anni", G).grigio().destra(),
    Valore("C1", 5102, 1983, 1710, 285, G).incorniciato().centro(),
    Valore("D1", 6803, 1983, 1695, 285, G).incorniciato().centro(),
    Testo("Label74", 1134, 2267, 3960, 285, "Fatturato (Ricavi vendite e  prestazioni)").incorniciato(),
    Valore("C2", 5102, 2267, 1710, 285).incorniciato().destra(),
    Valore("D2", 6803, 2267, 1695, 285).incorniciato().destra(),
    Testo("Label71", 1134, 2551, 3960, 285, "Variazione delle rimanenze di prodotti finiti").incorniciato(),
    Valore("C3", 5102, 2550, 1710, 285).incorniciato().destra(),
    Valore("D3", 6803, 2550, 1695, 285).incorniciato().destra(),
    Testo("Label68", 1134, 2834, 3960, 285, "Altri ricavi e proventi").incorniciato(),
    Valore("C4", 5102, 2834, 1710, 285).incorniciato().destra(),
    Valore("D4", 6803, 2834, 1695, 285).incorniciato().destra(),
    Testo("Label65", 1134, 3117, 3960, 285, "A) Valore della produzione ", G).incorniciato(),
    Valore("C5", 5102, 3117, 1710, 285).incorniciato().destra(),
    Valore("D5", 6803, 3117, 1695, 285).incorniciato().destra(),
    Testo("Label62", 1134, 3401, 3960, 285, "Acquisti di materie prime, sussidiarie, ecc.").incorniciato(),
    Valore("C6", 5102, 3401, 1710, 285).incorniciato().destra(),
    Valore("D6", 6803, 3401, 1695, 285).incorniciato().destra(),
    Testo("Label59", 1134, 3684, 3960, 285, "Acquisizione di servizi, consulenze, utenze").incorniciato(),
    Valore("C7", 5102, 3684, 1710, 285).incorniciato().destra(),
    Valore("D7", 6803, 3684, 1695, 285).incorniciato().destra(),
    Testo("Label56", 1134, 3968, 3960, 285, "Variazione delle rimanenze di materie prime").incorniciato(),
    Valore("C8", 5102, 3968, 1710, 285).incorniciato().destra(),
    Valore("D8", 6803, 3968, 1695, 285).incorniciato().destra(),
    Testo("Label53", 1134, 4251, 3960, 270, "Fitti passivi e canoni per locazioni").incorniciato(),
    Valore("C9", 5102, 4251, 1710, 285).incorniciato().destra(),
    Valore("D9", 6803, 4251, 1695, 285).incorniciato().destra(),
    Testo("Label50", 1134, 4534, 3960, 285, "Personale").incorniciato(),
    Valore("C10", 5102, 4534, 1710, 270).incorniciato().destra(),
    Valore("D10", 6803, 4534, 1695, 270).incorniciato().destra(),
    Testo("Label47", 1134, 4818, 3960, 285, "Accantonamenti").incorniciato(),
    Valore("C11", 5102, 4818, 1710, 285).incorniciato().destra(),
    Valore("D11", 6803, 4818, 1695, 285).incorniciato().destra(),
    Testo("Label43", 1134, 5101, 3960, 285, "Ammortamenti").incorniciato().opaco(),
    Valore("C12", 5102, 5101, 1710, 285).incorniciato().destra().opaco(),
    Valore("D12", 6803, 5101, 1695, 285).incorniciato().destra().opaco(),
    Testo("Label40", 1134, 5385, 3960, 285, "Oneri diversi di gestione").incorniciato(),
    Valore("C13", 5102, 5385, 1710, 285).incorniciato().destra(),
    Valore("D13", 6803, 5385, 1695, 285).incorniciato().destra(),
    Testo("Label37", 1134, 5668, 3960, 285, "B) Costi della produzione", G).incorniciato(),
    Valore("C14", 5102, 5668, 1710, 285, G).incorniciato().destra(),
    Valore("D14", 6803, 5668, 1695, 285, G).incorniciato().destra(),
    Testo("Label34", 1134, 5952, 3960, 285, "Risultato operativo (A - B)", G).incorniciato(),
    Valore("C15", 5102, 5952, 1710, 285, G).incorniciato().destra(),
    Valore("D15", 6803, 5952, 1695, 285, G).incorniciato().destra(),
    Testo("Label31", 1134, 6235, 3960, 285, "Proventi finanziari").incorniciato(),
    Valore("C16", 5102, 6235, 1710, 285).incorniciato().destra(),
    Valore("D16", 6803, 6235, 1695, 285).incorniciato().destra(),
    Testo("Label28", 1134, 6519, 3960, 285, "Interessi e oneri finanziari").incorniciato(),
    Valore("C17", 5102, 6519, 1710, 285).incorniciato().destra(),
    Valore("D17", 6803, 6519, 1695, 285).incorniciato().destra(),
    Testo("Label25", 1134, 6802, 3960, 285, "C) Proventi e oneri finanziari ", G).incorniciato(),
    Valore("C18", 5102, 6802, 1710, 285, G).incorniciato().destra(),
    Valore("D18", 6803, 6802, 1695, 285, G).incorniciato().destra(),
    Testo("Label22", 1134, 7086, 3960, 270, "Proventi straordinari").incorniciato(),
    Valore("C19", 5102, 7086, 1710, 285).incorniciato().destra(),
    Valore("D19", 6803, 7086, 1695, 285).incorniciato().destra(),
    Testo("Label19", 1134, 7369, 3960, 270, "Oneri straordinari").incorniciato(),
    Valore("C20", 5102, 7369, 1710, 270).incorniciato().destra(),
    Valore("D20", 6803, 7369, 1695, 270).incorniciato().destra(),
    Testo("Label16", 1134, 7653, 3960, 285, "D) Proventi e oneri straordinari", G).incorniciato(),
    Valore("C21", 5102, 7653, 1710, 285, G).incorniciato().destra(),
    Valore("D21", 6803, 7653, 1695, 285, G).incorniciato().destra(),
    Testo("Label13", 1134, 7936, 3960, 285, "Risult. prima imposte (A - B + C + D)", G).incorniciato(),
    Valore("C22", 5102, 7936, 1695, 285, G).incorniciato().destra(),
    Valore("D22", 6803, 7936, 1695, 285, G).incorniciato().destra(),
    Testo("Label10", 1134, 8220, 3975, 285, "Imposte sul reddito d'esercizio").incorniciato(),
    Valore("C23", 5102, 8220, 1710, 285).incorniciato().destra(),
    Valore("D23", 6803, 8220, 1695, 285).incorniciato().destra(),
    Testo("Label7", 1134, 8503, 3975, 285, "Utile netto (perdita) dell'esercizio", G).incorniciato(),
    Valore("C24", 5102, 8503, 1695, 285, G).incorniciato().destra(),
    Valore("D24", 6803, 8503, 1695, 285, G).incorniciato().destra(),
    // A.17 and A.18.
    Testo("Label1", 567, 9638, 9638, 283,
          "A.17)    La nuova cooperativa è stata costituita tra dipendenti di imprese sottoposte a", G),
    Testo("Label2", 567, 9921, 9638, 283, "procedura concorsuale (art. 4, comma 3, lettera a) del bando)", G),
    Valore("CoopDipe1", 2268, 10488, 567, 283),
    Testo("Label4", 2835, 10488, 567, 283, "SI"),
    Valore("CoopDipe2", 4252, 10488, 567, 283),
    Testo("Label6", 4819, 10488, 567, 283, "NO"),
    Testo("Label8", 567, 11622, 9638, 283,
          "A.18)   I soci della nuova cooperativa hanno sottoscritto il capitale sociale mediante", G),
    Testo("Label9", 567, 11906, 9638, 283, "conferimento del TFR (art. 4, comma 3, lettera b) del bando)", G),
    Valore("CoopVersa1", 2268, 12472, 567, 285),
    Testo("Label12", 2835, 12472, 567, 283, "SI"),
    Valore("CoopVersa2", 4252, 12472, 567, 283),
    Testo("Label15", 4819, 12472, 567, 283, "NO"),
};

constexpr auto Sezioni = cornice(Dettaglio, true);
constexpr Rapporto Layout{"DataReport3", "DataReport3", Sezioni};

void riempi(Riempimento &r)
{
    r.colonnaDiBilancio(u'c', 24);
    r.colonnaDiBilancio(u'd', 24);
    r.caselle("coopdipe1", "coopdipe2", "coop_dipe");
    r.caselle("coopversa1", "coopversa2", "coop_versa");
}

} // namespace

constinit const PaginaStampa Pagina3{Layout, riempi};

} // namespace scheda
