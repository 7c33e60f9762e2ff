// Page 2 of the printed sheet: the registered seat (A.12), the contact
// person (A.13), the address for correspondence (A.14) and the balance
// sheets of two years as a ruled grid (A.15).

#include "print/Cornice.h"
#include "print/Regole.h"

namespace scheda {

namespace {

using namespace report;
constexpr Carattere G = Grassetto;
constexpr Carattere Piccolo{"Times New Roman", 11.25};

constexpr Controllo Dettaglio[] = {
    Testo("Label2", 567, 567, 2835, 285, "A.12) Sede Legale", G),
    Testo("Label3", 567, 850, 1125, 285, "Comune "),
    Valore("ComuneSede", 1701, 850, 3690, 285),
    Testo("Label6", 5386, 850, 855, 285, "Prov. "),
    Valore("ProvSede", 6236, 850, 840, 285),
    Testo("Label9", 7370, 850, 855, 285, "C.A.P. "),
    Valore("CapSede", 8220, 850, 1695, 285),
    Testo("Label5", 567, 1134, 1125, 285, "via e n.civ. "),
    Valore("ViaSede", 1701, 1134, 3690, 285),
    Testo("Label11", 5386, 1134, 1140, 285, "Telefono"),
    Valore("TelefonoSede", 6520, 1134, 1410, 285),
    Testo("Label14", 7937, 1134, 570, 285, "Fax"),
    Valore("FaxSede", 8504, 1134, 1410, 285),
    Testo("Label8", 567, 1701, 5100, 285, "A.13) Referente dell'impresa per il progetto: ", G),
    Testo("Label12", 567, 1984, 570, 285, "Sig"),
    Valore("Denomref", 1134, 1984, 4245, 285),
    Testo("Label17", 5669, 1984, 570, 285, "Tel."),
    Valore("Telref", 6236, 1984, 1410, 285),
    Testo("Label20", 7937, 1984, 570, 285, "Fax"),
    Valore("Faxref", 8504, 1984, 1410, 285),
    Testo("Label23", 567, 2268, 840, 285, "E-mail"),
    Valore("Emailref", 1417, 2268, 3975, 285),
    Testo("Label15", 567, 2835, 6510, 285, "A.14) Indirizzo al quale inviare la corrispondenza:", G),
    Testo("Label18", 567, 3118, 5100, 285, "presso (Nome e Cognome o Denominazione sociale)"),
    Valore("DenomPosta", 5669, 3118, 4245, 285),
    Testo("Label24", 567, 3402, 1125, 285, "Comune"),
    Valore("Comuneposta", 1701, 3402, 3690, 285),
    Testo("Label27", 5386, 3402, 855, 285, "Prov."),
    Valore("ProvPosta", 6236, 3402, 840, 285),
    Testo("Label30", 7370, 3402, 855, 285, "C.A.P."),
    Valore("Capposta", 8220, 3402, 1695, 285),
    Testo("Label21", 567, 3685, 1125, 285, "via e n.civ."),
    Valore("Viaposta", 1701, 3685, 4830, 285),
    Testo("Label26", 567, 4535, 6240, 285, "A.15) STATI PATRIMONIALI della cooperativa/consorzio. ", G),
    Testo("Label29", 6803, 4535, 3390, 285, "Riportare i dati relativi agli ultimi", Piccolo),
    Testo("Label32", 567, 4819, 9630, 285,
          "due bilanci approvati, ove disponibili, prima della data di presentazione della domanda (importi in Euro)",
          Piccolo),
    // A.15: row label, column A (penultimate year), column B (last year).
    Testo("Label80", 1134, 5386, 3960, 283, "ATTIVO", G).grigio(),
    Testo("Label81", 5102, 5386, 1710, 283, "Penu. Consunti.", G).grigio(),
    Testo("Label82", 6803, 5386, 1695, 283, "Ulti. Consunti.", G).grigio().centro(),
    Testo("Label77", 1134, 5669, 3960, 284, "anni", G).grigio().destra(),
    Valore("A1", 5102, 5669, 1710, 284, G).incorniciato().centro(),
    Valore("B1", 6803, 5669, 1695, 284, G).incorniciato().centro(),
    Testo("Label74", 1134, 5953, 3960, 283, "Rimanenze", G).incorniciato(),
    Valore("A2", 5102, 5953, 1710, 283, G).incorniciato().destra(),
    Valore("B2", 6803, 5953, 1695, 283, G).incorniciato().destra(),
    Testo("Label71", 1134, 6236, 3960, 284, "Altro attivo circolante", G).incorniciato(),
    Valore("A3", 5102, 6236, 1710, 284, G).incorniciato().destra(),
    Valore("B3", 6803, 6236, 1695, 284, G).incorniciato().destra(),
    Testo("Label68", 1134, 6520, 3960, 283, "Di cui: disponibilità liquide").incorniciato(),
    Valore("A4", 5102, 6520, 1710, 283).incorniciato().destra(),
    Valore("B4", 6803, 6520, 1695, 283).incorniciato().destra(),
    Testo("Label65", 1134, 6803, 3960, 284, "     crediti a breve").incorniciato(),
    Valore("A5", 5102, 6803, 1710, 284).incorniciato().destra(),
    Valore("B5", 6803, 6803, 1695, 284).incorniciato().destra(),
    Testo("Label62", 1134, 7087, 3960, 283, "     ratei e risconti").incorniciato(),
    Valore("A6", 5102, 7087, 1710, 283).incorniciato().destra(),
    Valore("B6", 6803, 7087, 1695, 283).incorniciato().destra(),
    Testo("Label59", 1134, 7370, 3960, 284, "Immobilizzazioni", G).incorniciato(),
    Valore("A7", 5102, 7370, 1710, 284, G).incorniciato().destra(),
    Valore("B7", 6803, 7370, 1695, 284, G).incorniciato().destra(),
    Testo("Label56", 1134, 7654, 3960, 283, "Di cui: immateriali").incorniciato(),
    Valore("A8", 5102, 7654, 1710, 283).incorniciato().destra(),
    Valore("B8", 6803, 7654, 1695, 283).incorniciato().destra(),
    Testo("Label53", 1134, 7937, 3960, 283, "       materiali").incorniciato(),
    Valore("A9", 5102, 7937, 1710, 283).incorniciato().destra(),
    Valore("B9", 6803, 7937, 1695, 283).incorniciato().destra(),
    Testo("Label50", 1134, 8220, 3960, 284, "       finanziarie").incorniciato(),
    Valore("A10", 5102, 8220, 1710, 284).incorniciato().destra(),
    Valore("B10", 6803, 8220, 1695, 284).incorniciato().destra(),
    Testo("Label47", 1134, 8504, 3960, 283, "TOTALE ATTIVO", G).incorniciato().destra(),
    Valore("A11", 5102, 8504, 1710, 283, G).incorniciato().destra(),
    Valore("B11", 6803, 8504, 1695, 283, G).incorniciato().destra(),
    Testo("Label43", 1134, 8787, 3960, 284, "PASSIVO", G).grigio(),
    Valore("LBL1", 5102, 8787, 1710, 284).grigio(),
    Valore("LBL2", 6803, 8787, 1695, 284).grigio(),
    Testo("Label40", 1134, 9071, 3960, 283, "Passivo circolante", G).incorniciato(),
    Valore("A12", 5102, 9071, 1710, 283, G).incorniciato().destra(),
    Valore("B12", 6803, 9071, 1695, 283, G).incorniciato().destra(),
    Testo("Label37", 1134, 9354, 3960, 284, "Di cui: debiti a breve vs fornitori").incorniciato(),
    Valore("A13", 5102, 9354, 1710, 284).incorniciato().destra(),
    Valore("B13", 6803, 9354, 1695, 284).incorniciato().destra(),
    Testo("Label34", 1134, 9638, 3960, 283, "      debiti a breve vs banche ").incorniciato(),
    Valore("A14", 5102, 9638, 1710, 283).incorniciato().destra(),
    Valore("B14", 6803, 9638, 1695, 283).incorniciato().destra(),
    Testo("Label31", 1134, 9921, 3960, 284, "       ratei e risconti").incorniciato(),
    Valore("A15", 5102, 9921, 1710, 284).incorniciato().destra(),
    Valore("B15", 6803, 9921, 1695, 284).incorniciato().destra(),
    Testo("Label28", 1134, 10205, 3960, 283, "Passivo a M/L termine", G).incorniciato(),
    Valore("A16", 5102, 10205, 1710, 283, G).incorniciato().destra(),
    Valore("B16", 6803, 10205, 1695, 283, G).incorniciato().destra(),
    Testo("Label25", 1134, 10488, 3960, 284, "Di cui: debiti a M/L termine").incorniciato(),
    Valore("A17", 5102, 10488, 1710, 284).incorniciato().destra(),
    Valore("B17", 6803, 10488, 1695, 284).incorniciato().destra(),
    Testo("Label22", 1134, 10772, 3960, 283, "       TFR").incorniciato(),
    Valore("A18", 5102, 10772, 1710, 283).incorniciato().destra(),
    Valore("B18", 6803, 10772, 1695, 283).incorniciato().destra(),
    Testo("Label19", 1134, 11055, 3960, 284, "       Fondi rischi e oneri").incorniciato(),
    Valore("A19", 5102, 11055, 1710, 284).incorniciato().destra(),
    Valore("B19", 6803, 11055, 1695, 284).incorniciato().destra(),
    Testo("Label16", 1134, 11339, 3960, 283, "Mezzi propri", G).incorniciato(),
    Valore("A20", 5102, 11339, 1710, 283, G).incorniciato().destra(),
    Valore("B20", 6803, 11339, 1695, 283, G).incorniciato().destra(),
    Testo("Label13", 1134, 11622, 3960, 284, "Di cui: Capitale sociale").incorniciato(),
    Valore("A21", 5102, 11622, 1701, 284).incorniciato().destra(),
    Valore("B21", 6803, 11622, 1695, 284).incorniciato().destra(),
    Testo("Label10", 1134, 11906, 3968, 283, "       Riserve").incorniciato(),
    Valore("A22", 5102, 11906, 1710, 283).incorniciato().destra(),
    Valore("B22", 6803, 11906, 1695, 283).incorniciato().destra(),
    Testo("Label7", 1134, 12189, 3968, 283, "        Utili (perd.) portate a nuovo").incorniciato(),
    Valore("A23", 5102, 12189, 1701, 283).incorniciato().destra(),
    Valore("B23", 6803, 12189, 1695, 283).incorniciato().destra(),
    Testo("Label4", 1134, 12472, 3968, 284, "        Utili (perd.) dell'esercizio").incorniciato(),
    Valore("A24", 5102, 12472, 1701, 284).incorniciato().destra(),
    Valore("B24", 6803, 12472, 1695, 284).incorniciato().destra(),
    Testo("Label1", 1134, 12756, 3968, 284, "TOTALE PASSIVO", G).incorniciato().destra(),
    Valore("A25", 5102, 12756, 1710, 284, G).incorniciato().destra(),
    Valore("B25", 6803, 12756, 1695, 284, G).incorniciato().destra(),
};

constexpr auto Sezioni = cornice(Dettaglio, true);
constexpr Rapporto Layout{"DataReport2", "DataReport2", Sezioni};

void riempi(Riempimento &r)
{
    r.comeMemorizzati({{"comunesede", "comune_sede"}, {"provsede", "prov_sede"}, {"capsede", "cap_sede"},
                       {"viasede", "via_sede"}, {"telefonosede", "tel_sede"}, {"faxsede", "fax_sede"}});
    // The contact person by surname and first name.
    QStringList nomi;
    for (const char *colonna : {"cognome_ref", "nome_ref"})
        if (const QString n = regole::comeMemorizzato(r[colonna]); !n.isEmpty())
            nomi << n;
    r("denomref", nomi.join(QLatin1Char(' ')));
    r.comeMemorizzati({{"telref", "tel_ref"}, {"faxref", "fax_ref"}, {"emailref", "email_ref"},
                       {"denomposta", "denom_posta"}, {"comuneposta", "comune_posta"}, {"provposta", "prov_posta"},
                       {"capposta", "cap_posta"}, {"viaposta", "via_posta"}});
    r("lbl1", QStringLiteral(" "));
    r("lbl2", QStringLiteral(" "));
    r.colonnaDiBilancio(u'a', 25);
    r.colonnaDiBilancio(u'b', 25);
}

} // namespace

constinit const PaginaStampa Pagina2{Layout, riempi};

} // namespace scheda
