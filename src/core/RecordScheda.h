#pragma once
// The in-memory sheet: one value per named column of "Dati", each known by
// its column's name. Pages load their share into it, edit it through their
// controls and write it back; printing reads it.

#include "core/ColonneDati.h"
#include "platform/db/Variant.h"

#include <QString>
#include <QStringList>
#include <array>
#include <span>

namespace ado {
class Recordset;
}

namespace scheda {

class Scheda
{
public:
    Scheda();

    // Reads a value; an unknown name is a programming error (throws 3265).
    const ado::Variant &operator[](const QString &colonna) const;
    // Stores a value, converted for the variables of fixed type
    // (text, 32-bit integer rounding half to even, double).
    void imposta(const QString &colonna, const ado::Variant &v);

    // Loads the given columns from the current row of rs: each takes its Null
    // default, then the row's value when it is not Null. A value that its
    // fixed-type variable cannot hold (a 32-bit total beyond its range)
    // fails the load; with `rifiutate` it leaves the Null default instead
    // and the column's name is added there. All or nothing: a load that
    // fails (a read refused by a lock, a damaged page) leaves every value
    // as it was.
    void leggi(ado::Recordset &rs, std::span<const Colonna> colonne,
               QStringList *rifiutate = nullptr);
    // Writes the given columns into the current row (no Update).
    void scrivi(ado::Recordset &rs, std::span<const Colonna> colonne) const;

    // Back to the start values (every untyped variable empty).
    void azzera();

private:
    std::array<ado::Variant, NumeroColonne> valori_;
};

// The one in-memory sheet of the program.
Scheda &RecordScheda();

} // namespace scheda
