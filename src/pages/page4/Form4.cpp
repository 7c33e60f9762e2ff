#include "pages/page4/Form4.h"

#include "pages/campi/Tabella.h"

#include <vector>

namespace scheda {

namespace {

// The employees grid: rows 1 to 3 entered in columns A and B, row 4 the
// column totals, column C the change of each row and the total change.
const char *const RigheDipendenti[] = {"- dirigenti", "- impiegati", "- operai", "  totale"};
constexpr int LeftColonna[] = {1920, 2880, 3840};
constexpr int TopRiga[] = {1080, 1440, 1800, 2160};
constexpr int TabPrimaCasella = 12; // after CMBIstat; A1, B1, A2, B2, A3, B3

QString nomeDip(const char *prefisso, char lettera, int riga)
{
    return QStringLiteral("%1%2%3").arg(QLatin1String(prefisso)).arg(QLatin1Char(lettera)).arg(riga);
}

} // namespace

Form4::Form4(QWidget *parent) : PaginaScheda(4, parent)
{
    conCaricamento = true;
    costruisci();
}

void Form4::costruisci()
{
    using namespace campi;

    // The change of each row, then the column totals and the total change.
    for (int k = 1; k <= 3; ++k)
        ricalcolo_.formula({.risultato = nomeDip("dip", 'c', k),
                            .termini = {{nomeDip("dip", 'b', k)}, {nomeDip("dip", 'a', k), true}}});
    aggiungiRighe(ricalcolo_, {QStringLiteral("dipa"), QStringLiteral("dipb"), QStringLiteral("dipc")},
                  {{4, {1, 2, 3}}}, {});
    for (const char l : {'a', 'b'})
        for (int k = 1; k <= 3; ++k)
            ricalcolo_.dipendenti(nomeDip("dip", l, k),
                                  {nomeDip("dip", 'c', k), nomeDip("dip", l, 4), QStringLiteral("dipc4")});

    const Stile grassetto{.grassetto = true};
    const Stile bianco{.sfondo = 0x00FFFFFF};
    const auto testo = [](const char *box, const char *colonna, const char *label, Posto posto, Posto etichetta,
                          const char *in, int tab, Stile stile = {}) {
        return Elemento{.nome = box, .colonna = colonna, .testo = label, .posto = posto, .etichetta = etichetta,
                        .in = in, .lunghezza = 50, .tab = tab, .stile = stile};
    };
    const auto ricerca = [](const char *combo, const char *colonna, const char *label, Posto posto,
                            Posto etichetta, const char *in, int tab) {
        return Elemento{.nome = combo, .famiglia = Famiglia::Ricerca, .colonna = colonna, .testo = label,
                        .posto = posto, .etichetta = etichetta, .in = in, .tab = tab};
    };
    const auto mostra = [](const char *box, const char *colonna, const char *label, Posto posto, Posto etichetta,
                           const char *in, bool righe = false) {
        return Elemento{.nome = box, .famiglia = Famiglia::SoloLettura, .colonna = colonna, .testo = label,
                        .posto = posto, .etichetta = etichetta, .in = in, .righe = righe};
    };
    const auto titolo = [](const char *caption, Posto posto, const char *in = "", Stile stile = {}) {
        return Elemento{.genere = Genere::Etichetta, .testo = caption, .posto = posto, .in = in, .stile = stile};
    };
    const auto cornice = [](const char *nome, const char *caption, Posto posto) {
        return Elemento{.genere = Genere::Cornice, .nome = nome, .testo = caption, .posto = posto};
    };
    const auto opzione = [](const char *nome, const char *caption, int top, int tab) {
        return Elemento{.genere = Genere::Opzione, .nome = nome, .colonna = "nat_giuri_promo", .testo = caption,
                        .posto = {600, top, 4095, 255}, .in = "B2", .tab = tab};
    };

    // The rows in the order Posiziona shows the fields; `tab` gives the
    // focus order: the boxes and look-ups, the grid, then the option buttons.
    std::vector<Elemento> righe = {
        titolo("B) DATI RELATIVI AL SOGGETTO PROMOTORE", {360, 480, 4335, 255}, "", grassetto),
        testo("TXTDenomPromo", "denominazione_promo", "B.1) Denominazione :", {2040, 840, 7575},
              {360, 840, 1575, 255}, "", 1),
        cornice("B2", "B.2) Natura giuridica", {360, 1320, 5295, 1815}),
        opzione("OPTGiuri1", "A) Cooperativa di produzione-lavoro", 360, 18),
        opzione("OPTGiuri2", "B) Cooperativa sociale", 720, 19),
        opzione("OPTGiuri3", "C) Consorzio di cooperative di produzione-lavoro", 1080, 20),
        opzione("OPTGiuri4", "D) Consorzio di cooperative sociali", 1440, 21),
        {.nome = "TXTCodFisc", .colonna = "cod_fiscale_promo", .testo = "B.3) Cod. Fiscale :",
         .posto = {2040, 3360, 1815}, .etichetta = {360}, .lunghezza = 16, .tab = 2, .stile = bianco},
        {.nome = "TXTIva", .colonna = "partita_iva_promo", .testo = "B.4) P. IVA", .posto = {2040, 3840, 1815},
         .etichetta = {360}, .lunghezza = 11, .tab = 3, .stile = bianco},
        cornice("B5", "B.5) Attività svolta dal soggetto promotore", {360, 4320, 9615, 2055}),
        testo("TXTAttivitaPromo", "attivita_promo", "Attività svolta :", {1320, 360, 7935}, {120}, "B5", 4),
        ricerca("CMBIstatPromo", "istat_codice_promo", "Codice ISTAT (Ateco 2002)", {2400, 800, 2055}, {120, 840},
                "B5", 5),
        mostra("TXTDescIstatPromo", "istat_descrizione_promo", "", {120, 1320, 9135, 525}, {}, "B5", true),
        titolo("C) DATI RELATIVI AL PROGRAMMA DI INVESTIMENTI", {360, 6720, 5175, 255}, "", grassetto),
        cornice("C1", "C.1) Unità locale", {360, 7080, 9615, 1335}),
        ricerca("CMBComuneLoc", "comune_loc", "Comune", {960, 360, 4455}, {240}, "C1", 6),
        mostra("TXTProvLoc", "prov_loc", "Prov.", {6240, 360, 1095}, {5520}, "C1"),
        mostra("TXTCapLoc", "cap_loc", "Cap.", {8040, 360, 975}, {7440}, "C1"),
        testo("TXTIndirizzoLoc", "indirizzo_loc", "Indirizzo", {960, 840, 4455}, {240}, "C1", 7),
        testo("TXTTelefonoLoc", "telefono_loc", "Telefono", {6240, 840, 1095}, {5520}, "C1", 8),
        testo("TXTFaxLoc", "fax_loc", "Fax :", {8040, 840, 975}, {7440}, "C1", 9),
        cornice("C2", "C.2) Attività svolta presso l'unità locale", {360, 8760, 9615, 2055}),
        testo("TXTAttivita", "attivita", "Attività svolta :", {1320, 360, 7935}, {120}, "C2", 10),
        ricerca("CMBIstat", "istat_codice", "Codice ISTAT (Ateco 2002)", {2280, 800, 2055}, {120, 840}, "C2", 11),
        mostra("TXTDescIstat", "istat_descrizione", "", {120, 1320, 9135, 525}, {}, "C2", true),
        cornice("C3", "C.3) Occupazione media prevista nell'unità locale oggetto del programma",
                {360, 11160, 6015, 2655}),
        titolo("DOMANDA", {2880, 360}, "C3"),
        titolo("DIPENDE. (n.unità)", {240, 720}, "C3"),
        titolo("eserci. ante.", {1920, 720}, "C3"),
        titolo("terzo eserc.", {2880, 720}, "C3"),
        titolo("Variazione", {3840, 720}, "C3"),
    };

    // The grid, column by column (Posiziona's order): rows 1 to 3 of A and B
    // are entered, row by row in the focus order; row 4 and column C are
    // computed and take no typing.
    for (int k = 1; k <= 4; ++k)
        righe.push_back(titolo(RigheDipendenti[k - 1], {240, TopRiga[k - 1]}, "C3"));
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
                .tab = immessa ? TabPrimaCasella + 2 * (k - 1) + c : -1,
                .variante = Variante::Decimi,
            });
        }
    }
    disponi(righe, &ricalcolo_);
    posizionaPiede(7920, 12720);
}

PaginaScheda *creaForm4(QWidget *parent)
{
    return new Form4(parent);
}

} // namespace scheda
