#include "pages/page5/Form5.h"

#include <vector>

namespace scheda {

namespace {

using namespace campi;

// The totals carry the amounts' two decimals, so no binary residue of the
// sums reaches the screen, the row or the export (0,1 + 0,2 - 0,3 is 0).
constexpr int Centesimi = 2;

// C.4: each row total is its two amounts, each column total (the grand
// total too) its six rows; C.6: the total of the three years.
Ricalcolo ricalcolo()
{
    Ricalcolo r;
    aggiungiGriglia(r, {.lettere = {QStringLiteral("spea"), QStringLiteral("speb"),
                                    QStringLiteral("spec")},
                        .righe = 6,
                        .terza = GrigliaRighe::Somma,
                        .decimali = Centesimi});
    aggiungiRighe(r, {QStringLiteral("cost")}, {{4, {1, 2, 3}, Centesimi}}, {{{1, 2, 3}, {4}}});
    return r;
}

// The C.4 rows: label and its width; row 7 is the totals.
struct RigaSpese
{
    const char *etichetta;
    int larghezza;
};
const RigaSpese RigheSpese[] = {
    {"a) suolo aziendale", 1695}, {"b) opere murarie", 1335}, {"c) macc. imp. att.", 1215},
    {"d) prog. infor.", 975},     {"e) brevetti", 1575},      {"f) conulenze e studi", 1575},
    {"       TOTALE", 1575},
};
// Column A (direct purchase), B (leasing), C (row totals): where the boxes stand.
struct ColonnaSpese
{
    char lettera;
    int left;
};
const ColonnaSpese ColonneSpese[] = {{'A', 1920}, {'B', 3000}, {'C', 4080}};
// The focus order, block after block, each from where the one before it
// ends: the C.4 amounts row by row (A then B), the two dates of C.5, the
// C.6 rows (year, then amount), the C.4 row totals; the column totals and
// the C.6 total, which never take the focus, last.
constexpr int RigheImmesse = 6; // C.4 rows 1 to 6; row 7 the totals
constexpr int Esercizi = 3;     // the C.6 rows
constexpr int TabDate = 2 * RigheImmesse;
constexpr int TabEsercizi = TabDate + 2;
constexpr int TabTotaliRiga = TabEsercizi + 2 * Esercizi;
constexpr int TabTotaliColonna = TabTotaliRiga + RigheImmesse;
constexpr int TabTotaleCosti = TabTotaliColonna + 3;

int tabSpese(char lettera, int n)
{
    if (n > RigheImmesse)
        return TabTotaliColonna + (lettera - 'A');
    if (lettera == 'C')
        return TabTotaliRiga + (n - 1);
    return 2 * (n - 1) + (lettera - 'A');
}

std::vector<Elemento> righe()
{
    std::vector<Elemento> r = {
        cornice(
            {.nome = "Frame5",
             .testo
             = "C.4) Spese del programma di investimenti relative al Titolo I (Importi in euro)",
             .posto = {480, 600, 5535, 4215}}),
        cornice({.nome = "Frame1",
                 .testo = "C.5) Date previste relative al programma",
                 .posto = {480, 5400, 5535, 1215}}),
        cornice({.nome = "Frame2",
                 .testo = "C.6) Costi generali di cui al titolo II (Importi in euro)",
                 .posto = {480, 7200, 5655, 3015}}),
        titolo({.testo = "DOMANDA", .posto = {2880, 360, 975, 255}, .in = "Frame5"}),
        titolo({.testo = "SPESE", .posto = {240, 720, 1455, 255}, .in = "Frame5"}),
        titolo({.testo = "DIRETTE", .posto = {2160, 720, 735, 255}, .in = "Frame5"}),
        titolo({.testo = "LEASING", .posto = {3240, 720, 735, 255}, .in = "Frame5"}),
        titolo({.testo = "TOTALE", .posto = {4320, 720, 735, 255}, .in = "Frame5"}),
    };
    for (int n = 1; n <= 7; ++n)
        r.push_back(titolo({.testo = RigheSpese[n - 1].etichetta,
                            .posto = {240, 1080 + 360 * (n - 1), RigheSpese[n - 1].larghezza, 255},
                            .in = "Frame5"}));
    // The grid's boxes, column by column as Posiziona shows them: the amounts
    // typed in A and B; the totals computed, the row totals read-only in
    // the focus order, the column totals disabled.
    for (const ColonnaSpese &c : ColonneSpese)
        for (int n = 1; n <= 7; ++n) {
            const bool digitato = c.lettera != 'C' && n < 7;
            r.push_back({.nome = QStringLiteral("TXTSpe%1%2").arg(c.lettera).arg(n),
                         .famiglia = digitato ? Famiglia::DueDecimali : Famiglia::Calcolato,
                         .colonna = QStringLiteral("spe%1%2").arg(QChar(c.lettera).toLower()).arg(n),
                         .posto = {c.left, 1080 + 360 * (n - 1), 1095},
                         .in = "Frame5",
                         .tab = tabSpese(c.lettera, n),
                         .variante = Variante::DueDecimali,
                         .attivo = !digitato && n < 7});
        }
    r.push_back(data({.nome = "TXTdataAvvio",
                      .colonna = "dataavvio",
                      .testo = "C.5.1) Data di avvio a realizzazione :",
                      .posto = {3000, 360},
                      .etichetta = {360, 0, 2655},
                      .in = "Frame1",
                      .tab = TabDate}));
    r.push_back(data({.nome = "TXTDataUltimazione",
                      .colonna = "dataultimazione",
                      .testo = "C.5.2) Data di ultimazione :",
                      .posto = {3000, 720},
                      .etichetta = {360, 0, 2655},
                      .in = "Frame1",
                      .tab = TabDate + 1}));
    r.push_back(titolo({.testo = "DOMANDA", .posto = {2400, 480, 1095, 255}, .in = "Frame2"}));
    r.push_back(titolo(
        {.testo = "Esercizi di riferimento", .posto = {2040, 960, 1575, 255}, .in = "Frame2"}));
    r.push_back(titolo({.testo = "Imp. Costi", .posto = {3960, 960, 975, 255}, .in = "Frame2"}));
    const char *esercizi[] = {"Primo esercizio", "Secondo esercizio", "Terzo esercizio"};
    for (int k = 1; k <= Esercizi; ++k)
        r.push_back(anno({.nome = QStringLiteral("TXTCostEser%1").arg(k),
                          .colonna = QStringLiteral("costeser%1").arg(k),
                          .testo = esercizi[k - 1],
                          .posto = {2400, 1320 + 360 * (k - 1), 975},
                          .etichetta = {480, 0, 1575, 255},
                          .in = "Frame2",
                          .lunghezza = 4,
                          .tab = TabEsercizi + 2 * (k - 1)}));
    for (int k = 1; k <= Esercizi + 1; ++k)
        r.push_back({.nome = QStringLiteral("TXTCost%1").arg(k),
                     .famiglia = k <= Esercizi ? Famiglia::DueDecimali : Famiglia::Calcolato,
                     .colonna = QStringLiteral("cost%1").arg(k),
                     .posto = {3840, 1320 + 360 * (k - 1), 1095},
                     .in = "Frame2",
                     .tab = k <= Esercizi ? TabEsercizi + 2 * (k - 1) + 1 : TabTotaleCosti,
                     .variante = Variante::DueDecimali});
    return r;
}

} // namespace

DatiPagina pagina5()
{
    return {.numero = 5, .righe = righe(), .ricalcolo = ricalcolo(), .piede = {7320, 8760}};
}

} // namespace scheda
