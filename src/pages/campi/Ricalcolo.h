#pragma once
// What a page computes from its entered amounts, as data: each computed
// column is a sum of other columns (a term may be subtracted), and each
// entered column names, in order, the computed columns its commit renews.
// The values are taken from the in-memory sheet as they stand, each result
// counting for the next one, left to right in double precision. No widget
// here: the number boxes store and show what this returns.

#include "platform/db/Variant.h"

#include <QList>
#include <QMap>
#include <QString>
#include <optional>
#include <utility>

namespace scheda {
class Scheda;
}

namespace scheda::campi {

struct Termine
{
    QString colonna;
    bool meno = false; // subtracted
};

struct Formula
{
    QString risultato;      // the computed column
    QList<Termine> termini; // added in this order
    int decimali = -1;      // rounded half to even to so many decimals (-1: as summed)
};

using Valori = QList<std::pair<QString, ado::Variant>>;

class Ricalcolo
{
public:
    void formula(const Formula &f);
    // The computed columns a commit of `colonna` renews, in this order.
    void dipendenti(const QString &colonna, const QStringList &risultati);

    // The values the dependants of `colonna` take when it holds `valore`,
    // in order, each converted as its variable converts what it is given.
    // Nothing when one of them cannot be held (a 32-bit total out of range,
    // a sum that is no finite number, a term that holds no number): the
    // commit is wrong input then.
    std::optional<Valori> valuta(const Scheda &scheda, const QString &colonna, double valore) const;

private:
    QMap<QString, Formula> formule_;
    QMap<QString, QStringList> dipendenti_;
};

// One block of a grid in row numbers, for each column letter of the grid:
// "{3, {4, 5, 6}}" over letters "a" and "b" gives a3 = a4 + a5 + a6 and
// b3 = b4 + b5 + b6. A negative row number is subtracted.
struct FormulaRighe
{
    int riga;
    QList<int> termini;
    int decimali = -1;
};
struct DipendentiRighe
{
    QList<int> righe;     // the entered rows
    QList<int> risultati; // what each of them renews, in order
};
void aggiungiRighe(Ricalcolo &r, const QStringList &lettere, const QList<FormulaRighe> &formule,
                   const QList<DipendentiRighe> &dipendenti);

// A grid of two entered columns and a third computed across each row, with
// a totals row under all three: {{"dipa", "dipb", "dipc"}, 3, Differenza}
// gives dipc1 = dipb1 - dipa1 to dipc3 and the sums of rows 1 to 3 in
// dipa4, dipb4 and dipc4. The commit of an entered cell renews its row's
// third cell, its column's total and the third column's total, in order.
struct GrigliaRighe
{
    enum Terza { Somma, Differenza }; // first + second, or second - first
    QStringList lettere;              // the two entered columns, then the computed one
    int righe;                        // the entered rows 1..righe; the totals row follows
    Terza terza;
    int decimali = -1; // every result rounded so (-1: as summed)
};
void aggiungiGriglia(Ricalcolo &r, const GrigliaRighe &g);

} // namespace scheda::campi
