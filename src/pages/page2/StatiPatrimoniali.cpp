#include "pages/page2/StatiPatrimoniali.h"

namespace scheda {

using campi::cornice;
using campi::Elemento;
using campi::Famiglia;
using campi::titolo;

namespace {

constexpr unsigned int VerdeChiaro = 0x0080FF80;  // headings, the year row, the band
constexpr unsigned int VerdePallido = 0x00C0FFC0; // groups and their subtotals
constexpr unsigned int RosaChiaro = 0x00FFC0FF;   // the rows of a group
constexpr unsigned int CianoChiaro = 0x00FFFF80;  // the two totals

enum class Tipo { Anno, Importo, Calcolato };

struct Riga
{
    const char *didascalia;
    Tipo tipo;
    unsigned int sfondo;
    int altezza = 255; // of the label
};

// Rows 1 to 25; the captions of the rows of a group begin with ten blanks.
const Riga Righe[] = {
    {"anni  ", Tipo::Anno, VerdeChiaro},
    {"Rimanenze", Tipo::Importo, VerdePallido},
    {"Altro attivo circolante", Tipo::Calcolato, VerdePallido},
    {"Di cui: disponibilità liquide", Tipo::Importo, RosaChiaro},
    {"          crediti a breve", Tipo::Importo, RosaChiaro},
    {"          ratei e risconti", Tipo::Importo, RosaChiaro},
    {"Immobilizzazioni", Tipo::Calcolato, VerdePallido},
    {"Di cui : immateriali", Tipo::Importo, RosaChiaro},
    {"          materiali", Tipo::Importo, RosaChiaro},
    {"          finanziarie", Tipo::Importo, RosaChiaro},
    {"TOTALE ATTIVO ", Tipo::Calcolato, CianoChiaro, 285},
    {"Passivo circolante", Tipo::Calcolato, VerdePallido},
    {"Di cui: debiti a breve vs fornitori", Tipo::Importo, RosaChiaro, 375},
    {"          debiti a breve vs banche", Tipo::Importo, RosaChiaro},
    {"          ratei e risconti", Tipo::Importo, RosaChiaro},
    {"Passivo a M/L termine", Tipo::Calcolato, VerdePallido},
    {"Di cui: debiti a M/L termine", Tipo::Importo, RosaChiaro},
    {"          TFR", Tipo::Importo, RosaChiaro},
    {"          Fondi rischi e oneri", Tipo::Importo, RosaChiaro},
    {"Mezzi propri", Tipo::Calcolato, VerdePallido},
    {"Di cui: Capitale sociale", Tipo::Importo, RosaChiaro},
    {"          Riserve", Tipo::Importo, RosaChiaro},
    {"          Utili (perd.) port. a nuovo", Tipo::Importo, RosaChiaro},
    {"          Utili (perd.) dell'esercizio", Tipo::Importo, RosaChiaro},
    {"TOTALE PASSIVO ", Tipo::Calcolato, CianoChiaro, 285},
};
constexpr int NumeroRighe = int(std::size(Righe));

const QString Cornice = QStringLiteral("A15");
constexpr int LeftEtichette = 960;
constexpr int LarghezzaEtichette = 2295;
constexpr int LeftColonna[] = {3240, 4560}; // A, B
constexpr int LarghezzaCasella = 1335;

// Assets from Top 720, liabilities from 3720 below the band, 240 apart.
int top(int n)
{
    return n <= 11 ? 720 + 240 * (n - 1) : 3720 + 240 * (n - 12);
}

bool aDestra(int n)
{
    return n == 1 || n == 11 || n == 25;
}

Elemento casella(int n, int colonna, int primoTab)
{
    const Riga &r = Righe[n - 1];
    const QString lettera = colonna == 0 ? QStringLiteral("a") : QStringLiteral("b");
    Elemento e{.nome = QStringLiteral("TXT") + lettera.toUpper() + QString::number(n),
               .colonna = lettera + QString::number(n),
               .posto = {LeftColonna[colonna], top(n), LarghezzaCasella, 285},
               .in = Cornice,
               .tab = primoTab + 2 * (n - 1) + colonna};
    switch (r.tipo) {
    case Tipo::Anno:
        e.famiglia = Famiglia::Anno;
        e.lunghezza = 4;
        e.formato = campi::Formato::Anno;
        e.stile.allineamento = Qt::AlignHCenter | Qt::AlignVCenter;
        break;
    case Tipo::Importo:
        e.famiglia = Famiglia::Intero;
        break;
    case Tipo::Calcolato:
        e.famiglia = Famiglia::Calcolato;
        break;
    }
    return e;
}

} // namespace

std::vector<Elemento> righeStatiPatrimoniali(int primoTab)
{
    const Qt::Alignment sinistra = Qt::AlignLeft | Qt::AlignTop;
    const Qt::Alignment centro = Qt::AlignHCenter | Qt::AlignTop;
    std::vector<Elemento> righe = {
        cornice({.nome = Cornice,
                 .testo = "A.15) STATI PATRIMONIALI (Importi in euro)",
                 .posto = {360, 6120, 6855, 7575}}),
        // "ATTIVO" reaches down behind the year row's label, of its colour.
        titolo({.testo = "ATTIVO",
                .posto = {LeftEtichette, 480, LarghezzaEtichette, 495},
                .in = Cornice,
                .stile = {.sfondo = VerdeChiaro, .allineamento = sinistra}}),
        titolo({.testo = "Penultimo",
                .posto = {LeftColonna[0], 480, LarghezzaCasella, 255},
                .in = Cornice,
                .stile = {.sfondo = VerdeChiaro, .allineamento = centro}}),
        titolo({.testo = "Ultimo",
                .posto = {LeftColonna[1], 480, LarghezzaCasella, 255},
                .in = Cornice,
                .stile = {.sfondo = VerdeChiaro, .allineamento = centro}}),
        titolo({.testo = "PASSIVO",
                .posto = {LeftEtichette, 3400, 4935, 285},
                .in = Cornice,
                .stile = {.sfondo = VerdeChiaro, .allineamento = sinistra}}),
    };
    for (int n = 1; n <= NumeroRighe; ++n) {
        const Riga &r = Righe[n - 1];
        righe.push_back(titolo(
            {.testo = r.didascalia,
             .posto = {LeftEtichette, top(n), LarghezzaEtichette, r.altezza},
             .in = Cornice,
             .stile = {.sfondo = r.sfondo,
                       .allineamento = aDestra(n) ? Qt::AlignRight | Qt::AlignTop : sinistra}}));
    }
    for (int colonna : {0, 1})
        for (int n = 1; n <= NumeroRighe; ++n)
            righe.push_back(casella(n, colonna, primoTab));
    return righe;
}

campi::Ricalcolo ricalcoloStatiPatrimoniali()
{
    campi::Ricalcolo r;
    campi::aggiungiRighe(r, {QStringLiteral("a"), QStringLiteral("b")},
                         {
                             {3, {4, 5, 6}},
                             {7, {8, 9, 10}},
                             {11, {2, 3, 7}},
                             {12, {13, 14, 15}},
                             {16, {17, 18, 19}},
                             {20, {21, 22, 23, 24}},
                             {25,
                              {12, 16,
                               20}}, // a 32-bit variable: rounded half to even as it is stored
                         },
                         {
                             {{2}, {11}},
                             {{4, 5, 6}, {3, 11}},
                             {{8, 9, 10}, {7, 11}},
                             {{13, 14, 15}, {12, 25}},
                             {{17, 18, 19}, {16, 25}},
                             {{21, 22, 23, 24}, {20, 25}},
                         });
    return r;
}

} // namespace scheda
