#include "pages/page3/Form3.h"

#include <iterator>
#include <vector>

namespace scheda {

using namespace campi;

namespace {

enum class Tipo { Anno, Inserita, Calcolata };

// Label backgrounds.
constexpr unsigned int VerdeChiaro = 0x0080FF80;
constexpr unsigned int RosaPallido = 0x00FFC0FF;
constexpr unsigned int VerdePallido = 0x00C0FFC0;
constexpr unsigned int CianoChiaro = 0x00FFFF80;

struct RigaConto
{
    int riga;
    const char *etichetta;
    Tipo tipo;
    unsigned int sfondo;
    int top; // of the row's boxes, inside the frame
};

// The rows of the income statement, in the order of the frame.
constexpr RigaConto Conto[] = {
    {1, "anni  ", Tipo::Anno, VerdeChiaro, 720},
    {2, "Fatturato (ricavi vendi. e prest.)", Tipo::Inserita, RosaPallido, 1040},
    {3, "Variazioni rimanenz. e pro. finiti", Tipo::Inserita, RosaPallido, 1320},
    {4, "Altri ricavi e proventi", Tipo::Inserita, RosaPallido, 1630},
    {5, "A) Valore della produzione", Tipo::Calcolata, VerdePallido, 1920},
    {6, "Acquisti materie prime, ecc.", Tipo::Inserita, RosaPallido, 2230},
    {7, "Acquisizione di servizi, ecc.", Tipo::Inserita, RosaPallido, 2520},
    {8, "Variazioni rimanenze, ecc.", Tipo::Inserita, RosaPallido, 2830},
    {9, "Fitti passivi e canoni per locaz.", Tipo::Inserita, RosaPallido, 3120},
    {10, "Personale", Tipo::Inserita, RosaPallido, 3420},
    {11, "Accantonamenti", Tipo::Inserita, RosaPallido, 3720},
    {12, "Ammortamenti", Tipo::Inserita, RosaPallido, 4020},
    {13, "Oneri diversi di gestione", Tipo::Inserita, RosaPallido, 4320},
    {14, "B) Costi della produzione", Tipo::Calcolata, VerdePallido, 4620},
    {15, "Risultato operativo (A -B)", Tipo::Calcolata, VerdePallido, 4920},
    {16, "Proventi finanziari", Tipo::Inserita, RosaPallido, 5220},
    {17, "Interessi e oneri finanziari", Tipo::Inserita, RosaPallido, 5520},
    {18, "C) Proventi e oneri finaziari", Tipo::Calcolata, VerdePallido, 5820},
    {19, "Proventi straordinari", Tipo::Inserita, RosaPallido, 6120},
    {20, "Oneri straordinari", Tipo::Inserita, RosaPallido, 6420},
    {21, "D) Proventi e oneri straordinari", Tipo::Calcolata, VerdePallido, 6720},
    {22, "Risultato pr. imp. (A-B+C+D)", Tipo::Calcolata, VerdePallido, 7020},
    {23, "Imposte sul reddito d'esercizio", Tipo::Inserita, RosaPallido, 7320},
    {24, "Utile netto (perdita) dell'esercizio", Tipo::Calcolata, CianoChiaro, 7620},
};

// The two columns of the statement: letter, box left.
struct ColonnaConto
{
    char lettera;
    int left;
};
constexpr ColonnaConto Colonne[] = {{'c', 3240}, {'d', 4560}};

constexpr int LeftEtichetta = 960;
constexpr int LarghezzaEtichetta = 2295;
constexpr int LarghezzaCasella = 1335;
constexpr int AltezzaRiga = 255;

// The rows of the page: frames, headings, the statement's boxes (column C
// then column D, Posiziona's order; the label stands with the column C
// box), the declarations.
std::vector<Elemento> righePagina()
{
    const Qt::Alignment centro = Qt::AlignHCenter | Qt::AlignVCenter;
    std::vector<Elemento> righe = {
        cornice({.nome = "A16",
                 .testo = "A.16) CONTI ECONOMICI (Importi in euro)",
                 .posto = {480, 240, 6855, 8295}}),
        cornice({.nome = "A17",
                 .testo = "A.17) Cooperativa costituita tra dipendenti di imprese sottoposte a "
                          "procedura concorsuale",
                 .posto = {480, 9120, 6855, 735}}),
        cornice(
            {.nome = "A18",
             .testo
             = "A.18) I soci hanno sottoscritto il capitale sociale mediante conferimento del TFR",
             .posto = {480, 10440, 6855, 735}}),
        titolo({.testo = "CONTO ECONOMICO",
                .posto = {LeftEtichetta, 480, LarghezzaEtichetta, AltezzaRiga},
                .in = "A16",
                .stile = {.sfondo = VerdeChiaro}}),
        titolo({.testo = "Penultimo",
                .posto = {3240, 480, LarghezzaCasella, AltezzaRiga},
                .in = "A16",
                .stile = {.sfondo = VerdeChiaro, .allineamento = centro}}),
        titolo({.testo = "Ultimo",
                .posto = {4560, 480, LarghezzaCasella, AltezzaRiga},
                .in = "A16",
                .stile = {.sfondo = VerdeChiaro, .allineamento = centro}}),
    };

    // Focus order: the two years (tabs 0 and 1), then the entered boxes row
    // by row, column C before column D; the declarations' buttons follow.
    int tabInserita = int(std::size(Colonne));
    std::vector<int> tabRiga(std::size(Conto) + 1, -1);
    for (const RigaConto &r : Conto)
        if (r.tipo == Tipo::Inserita) {
            tabRiga[std::size_t(r.riga)] = tabInserita;
            tabInserita += 2;
        }

    for (std::size_t k = 0; k < std::size(Colonne); ++k) {
        const ColonnaConto &c = Colonne[k];
        const int tabColonna = int(k);
        for (const RigaConto &r : Conto) {
            const QString colonna = QLatin1Char(c.lettera) + QString::number(r.riga);
            Elemento e{.nome = QStringLiteral("TXT") + colonna.toUpper(),
                       .colonna = colonna,
                       .posto = {c.left, r.top, LarghezzaCasella},
                       .in = "A16"};
            switch (r.tipo) {
            case Tipo::Anno:
                e.famiglia = Famiglia::Anno;
                e.lunghezza = 4;
                e.formato = Formato::Anno;
                e.stile.allineamento = centro;
                e.tab = tabColonna;
                break;
            case Tipo::Inserita:
                e.famiglia = Famiglia::Intero;
                e.tab = tabRiga[std::size_t(r.riga)] + tabColonna;
                break;
            case Tipo::Calcolata:
                e.famiglia = Famiglia::Calcolato;
                break;
            }
            if (k == 0) {
                e.testo = QString::fromUtf8(r.etichetta);
                e.etichetta = {LeftEtichetta, 0, LarghezzaEtichetta, AltezzaRiga};
                e.stileEtichetta = {.sfondo = r.sfondo};
                if (r.tipo == Tipo::Anno)
                    e.stileEtichetta.allineamento = Qt::AlignRight | Qt::AlignTop;
            }
            righe.push_back(e);
        }
    }

    // The declarations: "SI" is code 1, "NO" code 2.
    const Elemento dichiarazioni[] = {
        opzione({.nome = "OPTDipe1",
                 .colonna = "coop_dipe",
                 .testo = "SI",
                 .posto = {2160, 360, 735, 255},
                 .in = "A17",
                 .tab = 0}),
        opzione({.nome = "OPTDipe2",
                 .colonna = "coop_dipe",
                 .testo = "NO",
                 .posto = {3360, 360, 975, 255},
                 .in = "A17",
                 .tab = 1}),
        opzione({.nome = "OPTVersa1",
                 .colonna = "coop_versa",
                 .testo = "SI",
                 .posto = {2160, 360, 855, 255},
                 .in = "A18",
                 .tab = 2}),
        opzione({.nome = "OPTVersa2",
                 .colonna = "coop_versa",
                 .testo = "NO",
                 .posto = {3360, 360, 735, 255},
                 .in = "A18",
                 .tab = 3}),
    };
    righe.insert(righe.end(), std::begin(dichiarazioni), std::end(dichiarazioni));
    return righe;
}

// What a commit of an entered amount renews: the section subtotal of its
// row (5, 14, 18 or 21; none for row 23), then rows 15, 22 and 24, in the
// box's own column only.
Ricalcolo ricalcoloContoEconomico()
{
    Ricalcolo r;
    aggiungiRighe(r, {QStringLiteral("c"), QStringLiteral("d")},
                  {
                      {5, {2, 3, 4}},
                      {14, {6, 7, 8, 9, 10, 11, 12, 13}},
                      {15, {5, -14}},
                      {18, {16, 17}},
                      {21, {19, 20}},
                      {22, {15, 18, 21}},
                      {24, {22, -23}}, // a 32-bit column: rounded half to even, refused out of range
                  },
                  {
                      {{2, 3, 4}, {5, 15, 22, 24}},
                      {{6, 7, 8, 9, 10, 11, 12, 13}, {14, 15, 22, 24}},
                      {{16, 17}, {18, 15, 22, 24}},
                      {{19, 20}, {21, 15, 22, 24}},
                      {{23}, {15, 22, 24}},
                  });
    return r;
}

} // namespace

// No Caricamento bracket: the Click of each button Posiziona selects runs,
// and a stored declaration code other than 1 or 2 raises the flag.
DatiPagina pagina3()
{
    return {.numero = 3,
            .righe = righePagina(),
            .ricalcolo = ricalcoloContoEconomico(),
            .piede = {8160, 10080}};
}

} // namespace scheda
