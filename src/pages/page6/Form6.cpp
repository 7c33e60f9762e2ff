#include "pages/page6/Form6.h"

#include <vector>

namespace scheda {

namespace {

using namespace campi;

// The holders by group: the group's label and where it stands, the name
// rule of its boxes and columns, how many lines (0: one line, unnumbered).
// Each line holds a name, a code and a percentage box.
struct Gruppo
{
    const char *etichetta;
    const char *nomeEtichetta;
    int larghezza;
    int top;
    const char *box;     // TXT<box>n, TXTIva<box>n, TXTPerc<box>n
    const char *colonna; // <colonna>n, iva<colonna>n, perc<colonna>n
    int righe;
};
const Gruppo Gruppi[] = {
    {"Soggetto promotore :", "Label6", 1575, 1440, "Promo", "promo", 0},
    {"Società di gestione Fondi per lo sviluppo della Coop. :", "Label7", 3735, 2160, "Societa",
     "societa", 0},
    {"Banche o altri intermediari finanziari :", "Label11", 4095, 2880, "Banca", "banca", 4},
    {"Enti pubblici :", "Label13", 4095, 4680, "Ente", "ente", 4},
    {"Persone giuridiche di natura privata :", "Label3", 4095, 6480, "Person", "person", 4},
};

// The three boxes of a line: prefixes of box and column, place, family, limit.
struct Casella
{
    const char *box;
    const char *colonna;
    int left, width;
    Famiglia famiglia;
    int lunghezza;
};
const Casella Caselle[] = {
    {"TXT", "", 360, 4095, Famiglia::Testo, 50},
    {"TXTIva", "iva", 4680, 1455, Famiglia::Testo, 16},
    {"TXTPerc", "perc", 6360, 975, Famiglia::Percentuale, 0},
};

std::vector<Elemento> righe()
{
    std::vector<Elemento> r = {
        titolo({.nome = "Label17",
                .testo = "D) DATI PER IL CALCOLO DEL PUNTEGGIO",
                .posto = {480, 360, 4335, 255},
                .stile = Grassetto}),
        cornice({.nome = "Frame5",
                 .testo = "D.1) Percentuale di partecipazione al capitale di rischio",
                 .posto = {480, 720, 8295, 8775}}),
        titolo({.nome = "Label22",
                .testo = "DOMANDA",
                .posto = {5760, 600, 975, 255},
                .in = "Frame5",
                .stile = Grassetto}),
        titolo({.nome = "Label4",
                .testo = "SOCI",
                .posto = {360, 1080, 1455, 255},
                .in = "Frame5",
                .stile = Grassetto}),
        titolo({.nome = "Label1",
                .testo = "P. IVA o Cod. Fisc.",
                .posto = {4560, 1080, 1695, 255},
                .in = "Frame5",
                .stile = Grassetto}),
        titolo({.nome = "Label2",
                .testo = "%",
                .posto = {6720, 1080, 255, 255},
                .in = "Frame5",
                .stile = Grassetto}),
    };
    // Line by line in the focus order (name, code, percentage); within a
    // group Posiziona fills the names, then the codes, then the percentages.
    int riga = 0;
    for (const Gruppo &g : Gruppi) {
        r.push_back(titolo({.nome = g.nomeEtichetta,
                            .testo = g.etichetta,
                            .posto = {360, g.top, g.larghezza, 255},
                            .in = "Frame5"}));
        const int linee = g.righe > 0 ? g.righe : 1;
        for (int k = 0; k < 3; ++k) {
            const Casella &c = Caselle[k];
            for (int n = 1; n <= linee; ++n) {
                const QString numero = g.righe > 0 ? QString::number(n) : QString();
                r.push_back({.nome = QLatin1String(c.box) + QLatin1String(g.box) + numero,
                             .famiglia = c.famiglia,
                             .colonna = QLatin1String(c.colonna) + QLatin1String(g.colonna) + numero,
                             .posto = {c.left, g.top + 240 + 360 * (n - 1), c.width},
                             .in = "Frame5",
                             .lunghezza = c.lunghezza,
                             .tab = 3 * (riga + n - 1) + k});
            }
        }
        riga += linee;
    }
    return r;
}

} // namespace

DatiPagina pagina6()
{
    return {.numero = 6, .righe = righe(), .piede = {9120, 8400}};
}

} // namespace scheda
