#pragma once
// The page-form contract shared by the six pages of the sheet: finding the
// current row, loading the page's columns into the in-memory sheet, showing
// them, writing them back with one update and committing a pending edit for
// the menu commands. A page is data (DatiPagina): one table of rows, from
// which one constructor makes its controls, binds them to their columns and
// orders them, and the recompute rows of its number boxes.

#include "core/ColonneDati.h"
#include "pages/Campo.h"
#include "pages/campi/Ricalcolo.h"
#include "pages/campi/Tabella.h"

#include <QList>
#include <QStringList>
#include <QWidget>
#include <vector>

class QToolButton;

namespace scheda {

// The size of a page form's window, in twips: the shell places every page
// (and the record grid window) at Left 0, Top 0 with it.
inline constexpr int LarghezzaPagina = 13060;
inline constexpr int AltezzaPagina = 15000;

// A page as data (each pageN/FormN.cpp gives its own).
struct DatiPagina
{
    int numero = 0;
    // The controls in the order Posiziona shows the fields (Tabella.h).
    std::vector<campi::Elemento> righe;
    // What the commit of each number box renews (nothing when empty).
    campi::Ricalcolo ricalcolo = {};
    // Posiziona bracketed with Caricamento, so that the option buttons it
    // sets change nothing (pages 1 and 4).
    bool conCaricamento = false;
    // Where "Pag. Preced." stands (left, top in twips); "Pag. Succes." follows.
    campi::Posto piede = {8040, 13440};
};

class PaginaScheda : public QWidget
{
    Q_OBJECT
public:
    // The page of `dati`, which outlives it: its controls made, bound and
    // put in focus order, the foot buttons last.
    explicit PaginaScheda(const DatiPagina &dati, QWidget *parent = nullptr);
    // A page of that number with no controls: the contract and the foot buttons.
    explicit PaginaScheda(int numero, QWidget *parent = nullptr);
    ~PaginaScheda() override;

    int numero() const { return numero_; }

    // The load event: seeks the row of IdRecord, then Carica and Posiziona.
    virtual void Form_Load();
    // Row into the in-memory sheet: denominazione and the page's columns. A
    // stored value that its variable cannot hold (a 32-bit total beyond its
    // range, written by another program) is wrong input: a beep, and the
    // variable keeps its Null default, so the page still opens.
    virtual void Carica();
    // In-memory sheet into the controls, and the caption "Pagina N - " + name.
    virtual void Posiziona();
    // The page's columns into the row RsDati stands on, then one Update.
    virtual void Salva();
    // Commits the pending edit of the active control, whatever bound
    // control it is, on every page: no typed value is lost to a menu command.
    virtual void Validare();

    // The page's columns in its order (the catalogue's share by default).
    virtual std::span<const Colonna> colonne() const;

    // The control that takes the focus when the page opens: the first of
    // its focus order that can take it.
    QWidget *primoControllo() const;

    // A form outside the main window places and shows itself where a page stands.
    void mostraDaSola();

    Campo *campo(const QString &nomeControllo) const;
    // The code of the button chosen on screen in the option group of a
    // column (1..n): what the page shows before Salva takes it into the
    // in-memory sheet. 0 when no button is chosen or the page has no group
    // for the column.
    int codiceMostrato(const QString &colonna) const;
    const QList<Campo *> &campi() const { return campi_; }

    QToolButton *CMDPrec = nullptr;   // "Pag. Preced."
    QToolButton *CMDSucces = nullptr; // "Pag. Succes."

protected:
    // The drop-down lists the page fills and handles itself, in the table's
    // order (page 1's sheet list).
    const QList<campi::ComboScheda *> &elenchi() const { return elenchi_; }

private:
    // Builds the page from its table: the controls, their bindings (in the
    // table's order, Posiziona's) and the focus order, the foot buttons last.
    void disponi(std::span<const campi::Elemento> righe, const campi::Ricalcolo &ricalcolo);
    // Places the foot buttons: "Pag. Succes." stands 1320 twips to the right.
    void posizionaPiede(int leftTwips, int topTwips);

    int numero_;
    bool conCaricamento_ = false;
    QList<Campo *> campi_;
    QList<QWidget *> ordine_; // focus order
    QList<campi::ComboScheda *> elenchi_;
};

} // namespace scheda
