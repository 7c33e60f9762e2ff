#include "pages/page4/Form4.h"

#include "core/Archivio.h"
#include "core/Globali.h"
#include "pages/campi/Tabella.h"

#include <vector>

namespace scheda {

using namespace campi;

namespace {

// The employees grid: rows 1 to 3 entered in columns A and B, row 4 the
// column totals, column C the change of each row and the total change.
const char *const RigheDipendenti[] = {"- dirigenti", "- impiegati", "- operai", "  totale"};
constexpr int LeftColonna[] = {1920, 2880, 3840};
constexpr int TopRiga[] = {1080, 1440, 1800, 2160};

QString nomeDip(const char *prefisso, char lettera, int riga)
{
    return QStringLiteral("%1%2%3").arg(QLatin1String(prefisso)).arg(QLatin1Char(lettera)).arg(riga);
}

// The change of each row, then the column totals and the total change.
Ricalcolo ricalcoloDipendenti()
{
    Ricalcolo r;
    aggiungiGriglia(r, {.lettere = {QStringLiteral("dipa"), QStringLiteral("dipb"),
                                    QStringLiteral("dipc")},
                        .righe = 3,
                        .terza = GrigliaRighe::Differenza});
    return r;
}

// The grid, column by column (Posiziona's order), after its captions: rows 1
// to 3 of A and B are entered, row by row in the focus order from tab
// `primoTab` (A1, B1, A2, B2, A3, B3); row 4 and column C are computed and
// take no typing.
std::vector<Elemento> righeDipendenti(int primoTab)
{
    std::vector<Elemento> righe;
    for (int k = 1; k <= 4; ++k)
        righe.push_back(
            titolo({.testo = RigheDipendenti[k - 1], .posto = {240, TopRiga[k - 1]}, .in = "C3"}));
    for (int c = 0; c < 3; ++c) {
        const char lettera = char('A' + c);
        for (int k = 1; k <= 4; ++k) {
            const bool immessa = c < 2 && k < 4;
            righe.push_back(Elemento{
                .nome = nomeDip("TXTDip", lettera, k),
                .famiglia = immessa ? Famiglia::Decimi : Famiglia::Calcolato,
                .colonna = nomeDip("dip", char('a' + c), k),
                .posto = {LeftColonna[c], TopRiga[k - 1], 975, 285},
                .in = "C3",
                .tab = immessa ? primoTab + 2 * (k - 1) + c : -1,
                .variante = Variante::Decimi,
            });
        }
    }
    return righe;
}

// The promoting body (section B), the local unit and its activity (C.1 and
// C.2), then the employees grid (C.3).
std::vector<Elemento> righePagina()
{
    // The rows in the order Posiziona shows the fields; `tab` gives the
    // focus order: the boxes and look-ups, the grid, then the option buttons.
    std::vector<Elemento> righe = {
        titolo({.testo = "B) DATI RELATIVI AL SOGGETTO PROMOTORE",
                .posto = {360, 480, 4335, 255},
                .stile = Grassetto}),
        testo({.nome = "TXTDenomPromo",
               .colonna = "denominazione_promo",
               .testo = "B.1) Denominazione :",
               .posto = {2040, 840, 7575},
               .etichetta = {360, 840, 1575, 255},
               .lunghezza = 50,
               .tab = 1}),
        cornice({.nome = "B2", .testo = "B.2) Natura giuridica", .posto = {360, 1320, 5295, 1815}}),
        opzione({.nome = "OPTGiuri1",
                 .colonna = "nat_giuri_promo",
                 .testo = "A) Cooperativa di produzione-lavoro",
                 .posto = {600, 360, 4095, 255},
                 .in = "B2",
                 .tab = 0}),
        opzione({.nome = "OPTGiuri2",
                 .colonna = "nat_giuri_promo",
                 .testo = "B) Cooperativa sociale",
                 .posto = {600, 720, 4095, 255},
                 .in = "B2",
                 .tab = 1}),
        opzione({.nome = "OPTGiuri3",
                 .colonna = "nat_giuri_promo",
                 .testo = "C) Consorzio di cooperative di produzione-lavoro",
                 .posto = {600, 1080, 4095, 255},
                 .in = "B2",
                 .tab = 2}),
        opzione({.nome = "OPTGiuri4",
                 .colonna = "nat_giuri_promo",
                 .testo = "D) Consorzio di cooperative sociali",
                 .posto = {600, 1440, 4095, 255},
                 .in = "B2",
                 .tab = 3}),
        testo({.nome = "TXTCodFisc",
               .colonna = "cod_fiscale_promo",
               .testo = "B.3) Cod. Fiscale :",
               .posto = {2040, 3360, 1815},
               .etichetta = {360},
               .lunghezza = 16,
               .tab = 2,
               .stile = Bianco}),
        testo({.nome = "TXTIva",
               .colonna = "partita_iva_promo",
               .testo = "B.4) P. IVA",
               .posto = {2040, 3840, 1815},
               .etichetta = {360},
               .lunghezza = 11,
               .tab = 3,
               .stile = Bianco}),
        cornice({.nome = "B5",
                 .testo = "B.5) Attività svolta dal soggetto promotore",
                 .posto = {360, 4320, 9615, 2055}}),
        testo({.nome = "TXTAttivitaPromo",
               .colonna = "attivita_promo",
               .testo = "Attività svolta :",
               .posto = {1320, 360, 7935},
               .etichetta = {120},
               .in = "B5",
               .lunghezza = 50,
               .tab = 4}),
        ricerca({.nome = "CMBIstatPromo",
                 .colonna = "istat_codice_promo",
                 .testo = "Codice ISTAT (Ateco 2002)",
                 .posto = {2400, 800, 2055},
                 .etichetta = {120, 840},
                 .in = "B5",
                 .tab = 5,
                 .riferimento = codiceAteco("istat_descrizione_promo", VecchioIstatPromo)}),
        soloLettura({.nome = "TXTDescIstatPromo",
                     .colonna = "istat_descrizione_promo",
                     .posto = {120, 1320, 9135, 525},
                     .in = "B5",
                     .righe = true}),
        titolo({.testo = "C) DATI RELATIVI AL PROGRAMMA DI INVESTIMENTI",
                .posto = {360, 6720, 5175, 255},
                .stile = Grassetto}),
        cornice({.nome = "C1", .testo = "C.1) Unità locale", .posto = {360, 7080, 9615, 1335}}),
        ricerca({.nome = "CMBComuneLoc",
                 .colonna = "comune_loc",
                 .testo = "Comune",
                 .posto = {960, 360, 4455},
                 .etichetta = {240},
                 .in = "C1",
                 .tab = 6,
                 .riferimento = comune(RsComuneRegione, "prov_loc", "cap_loc", VecchioComuneLoc,
                                       ChiaveComune, ComuneTrovato)}),
        soloLettura({.nome = "TXTProvLoc",
                     .colonna = "prov_loc",
                     .testo = "Prov.",
                     .posto = {6240, 360, 1095},
                     .etichetta = {5520},
                     .in = "C1"}),
        soloLettura({.nome = "TXTCapLoc",
                     .colonna = "cap_loc",
                     .testo = "Cap.",
                     .posto = {8040, 360, 975},
                     .etichetta = {7440},
                     .in = "C1"}),
        testo({.nome = "TXTIndirizzoLoc",
               .colonna = "indirizzo_loc",
               .testo = "Indirizzo",
               .posto = {960, 840, 4455},
               .etichetta = {240},
               .in = "C1",
               .lunghezza = 50,
               .tab = 7}),
        testo({.nome = "TXTTelefonoLoc",
               .colonna = "telefono_loc",
               .testo = "Telefono",
               .posto = {6240, 840, 1095},
               .etichetta = {5520},
               .in = "C1",
               .lunghezza = 50,
               .tab = 8}),
        testo({.nome = "TXTFaxLoc",
               .colonna = "fax_loc",
               .testo = "Fax :",
               .posto = {8040, 840, 975},
               .etichetta = {7440},
               .in = "C1",
               .lunghezza = 50,
               .tab = 9}),
        cornice({.nome = "C2",
                 .testo = "C.2) Attività svolta presso l'unità locale",
                 .posto = {360, 8760, 9615, 2055}}),
        testo({.nome = "TXTAttivita",
               .colonna = "attivita",
               .testo = "Attività svolta :",
               .posto = {1320, 360, 7935},
               .etichetta = {120},
               .in = "C2",
               .lunghezza = 50,
               .tab = 10}),
        ricerca({.nome = "CMBIstat",
                 .colonna = "istat_codice",
                 .testo = "Codice ISTAT (Ateco 2002)",
                 .posto = {2280, 800, 2055},
                 .etichetta = {120, 840},
                 .in = "C2",
                 .tab = 11,
                 .riferimento = codiceAteco("istat_descrizione", VecchioIstat)}),
        soloLettura({.nome = "TXTDescIstat",
                     .colonna = "istat_descrizione",
                     .posto = {120, 1320, 9135, 525},
                     .in = "C2",
                     .righe = true}),
        cornice({.nome = "C3",
                 .testo = "C.3) Occupazione media prevista nell'unità locale oggetto del programma",
                 .posto = {360, 11160, 6015, 2655}}),
        titolo({.testo = "DOMANDA", .posto = {2880, 360}, .in = "C3"}),
        titolo({.testo = "DIPENDE. (n.unità)", .posto = {240, 720}, .in = "C3"}),
        titolo({.testo = "eserci. ante.", .posto = {1920, 720}, .in = "C3"}),
        titolo({.testo = "terzo eserc.", .posto = {2880, 720}, .in = "C3"}),
        titolo({.testo = "Variazione", .posto = {3840, 720}, .in = "C3"}),
    };
    const std::vector<Elemento> griglia = righeDipendenti(tabSeguente(righe));
    righe.insert(righe.end(), griglia.begin(), griglia.end());
    return righe;
}

} // namespace

DatiPagina pagina4()
{
    return {.numero = 4,
            .righe = righePagina(),
            .ricalcolo = ricalcoloDipendenti(),
            .conCaricamento = true,
            .piede = {7920, 12720}};
}

} // namespace scheda
