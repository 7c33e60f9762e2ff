#pragma once
// A page form as a table: one row per frame, label, field or option button,
// giving its name, caption, column, family, place and size (twips, inside
// its frame relative to the frame), type and colours, and its position in
// the focus order. One builder makes the controls, binds the fields to
// their columns and sets the focus order; each control is named once.
//
// A row begins with its kind (the row builders below) and gives the rest by
// name, in the order of Elemento's fields:
//   const Elemento righe[] = {
//       cornice({.nome = "A2", .testo = "A.2) Natura giuridica", .posto = {360, 4200, 2655, 1095}}),
//       testo({.nome = "TXTCognome", .colonna = "cognome", .testo = "Cognome :", .posto = {1320, 1920, 2295},
//              .etichetta = {360}, .lunghezza = 50, .tab = 1}),
//       opzione({.nome = "OPTGiuri1", .colonna = "natura_giuridica", .testo = "A) Cooperativa",
//                .posto = {600, 240}, .in = "A2", .tab = 0}),
//   };
// Grids are rows made by a loop from their naming rule, added to the rest.
//
// The focus order: the boxes and lists by `tab`, then the option buttons by
// their own `tab`s (on every page the buttons follow the boxes), the foot
// buttons last. A grid that follows the rows before it takes its first tab from
// them (tabSeguente), so a field added before it moves it on; a tab shared
// by two controls is a programming error, not an order left to chance.

#include "pages/campi/Campi.h"
#include "pages/campi/Ricerca.h"

#include <QList>
#include <QString>
#include <span>
#include <utility>

namespace scheda::campi {

class ComboScheda;
class Ricalcolo;

enum class Genere {
    Campo,     // a field bound to its column, by family; with its label when `testo` is given
    Cornice,   // a frame; `nome` is what the rows inside it give as `in`
    Etichetta, // a label standing alone (headings, grid captions), named by `nome` if given
    Opzione,   // an option button: the buttons of one column form its group, code 1 first
    Elenco,    // a drop-down list the page fills and handles itself (page 1's sheet list)
};

// Left, top, width, height in twips; a width or height of 0 takes what the
// kind of control has (a text box 285 high, a date box 1215 x 285, a combo
// box 315 high, a label or an option button as its caption needs).
struct Posto
{
    int left = 0, top = 0, width = 0, height = 0;
};

// A field's label that ends 60 twips before its box (where its row gives
// only the box's place).
inline constexpr int PrimaDellaCasella = -1;

// Type and colours; zero values keep what the page and the family give.
struct Stile
{
    double punti = 0; // size of "MS Sans Serif" (0: the page's 8.25)
    bool grassetto = false;
    bool sottolineato = false;
    unsigned int sfondo = 0; // background &H00BBGGRR& (0: none of its own)
    Qt::Alignment allineamento = {};
};

struct Elemento
{
    Genere genere = Genere::Campo;
    QString nome;
    Famiglia famiglia = Famiglia::Testo;
    QString colonna;
    QString testo;        // caption of a frame, label or button; a field's label
    Posto posto;          // the control itself
    Posto etichetta = {}; // a field's label: its left (or PrimaDellaCasella), top (0: the box's)
    Stile stileEtichetta = {};
    QString in;        // the frame it stands in ("" the page)
    int lunghezza = 0; // text boxes: length limit (0 none; year boxes 4)
    int tab = -1; // position in the focus order (-1: none); an option button's among the buttons
    Stile stile = {};
    Formato formato = Formato::Famiglia;
    Variante variante = Variante::Intero; // computed boxes: the pattern they show
    bool righe = false;                   // a display box of several lines
    bool attivo = false; // a computed box: read-only in the focus order instead of disabled
    Riferimento riferimento = {}; // a look-up box: the list it takes its values from
};

// Type and colours the pages share.
inline constexpr Stile Grassetto{.grassetto = true};
inline constexpr Stile Bianco{.sfondo = 0x00FFFFFF}; // the boxes the pages colour white

// --- Row builders: each sets the kind of its row, the row gives the rest ----

inline Elemento conGenere(Genere g, Elemento e)
{
    e.genere = g;
    return e;
}
inline Elemento conFamiglia(Famiglia f, Elemento e)
{
    e.famiglia = f;
    return e;
}

inline Elemento cornice(Elemento e)
{
    return conGenere(Genere::Cornice, std::move(e));
}
// A label standing alone.
inline Elemento titolo(Elemento e)
{
    return conGenere(Genere::Etichetta, std::move(e));
}
inline Elemento opzione(Elemento e)
{
    return conGenere(Genere::Opzione, std::move(e));
}
inline Elemento elenco(Elemento e)
{
    return conGenere(Genere::Elenco, std::move(e));
}

inline Elemento testo(Elemento e)
{
    return conFamiglia(Famiglia::Testo, std::move(e));
}
inline Elemento testoMinuscolo(Elemento e)
{
    return conFamiglia(Famiglia::TestoMinuscolo, std::move(e));
}
inline Elemento anno(Elemento e)
{
    return conFamiglia(Famiglia::Anno, std::move(e));
}
// A whole amount.
inline Elemento importo(Elemento e)
{
    return conFamiglia(Famiglia::Intero, std::move(e));
}
inline Elemento data(Elemento e)
{
    return conFamiglia(Famiglia::Data, std::move(e));
}
inline Elemento ricerca(Elemento e)
{
    return conFamiglia(Famiglia::Ricerca, std::move(e));
}
inline Elemento soloLettura(Elemento e)
{
    return conFamiglia(Famiglia::SoloLettura, std::move(e));
}

struct PaginaCostruita
{
    QList<Campo *> campi;         // the bound fields, in the table's order (Posiziona's)
    QList<QWidget *> ordine;      // the controls in focus order
    QList<ComboScheda *> elenchi; // the Elenco rows' lists, in the table's order
};

// Builds the rows on `pagina` (frames first), binds the fields through
// lega() with the page's recompute table, and chains the focus order by
// `tab`. A row that names an unknown frame or column, or a tab taken twice,
// is a programming error (std::logic_error).
PaginaCostruita costruisciPagina(QWidget *pagina, std::span<const Elemento> righe,
                                 const Ricalcolo *ricalcolo = nullptr);

// The tab after the highest of the rows' controls other than option
// buttons (0 when none has one): where a grid that follows them begins.
int tabSeguente(std::span<const Elemento> righe);

} // namespace scheda::campi
