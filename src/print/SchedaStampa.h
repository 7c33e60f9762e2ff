#pragma once
// The sheet a print reads: a copy, so that printing never changes the
// in-memory sheet the pages edit. It starts as the in-memory sheet or is
// loaded from the stored row with the same Null defaults and fixed types;
// a stored value a fixed type cannot take (a total beyond 32 bits) stays
// as stored, so that it prints as the number it is.

#include "core/RecordScheda.h"

#include <QHash>

namespace stampa {

class SchedaStampa
{
public:
    SchedaStampa() = default;
    // The in-memory sheet as it stands now.
    static SchedaStampa daMemoria();

    // A variable by its column's name (an unknown name throws 3265).
    const ado::Variant &operator[](const QString &colonna) const;
    const ado::Variant &operator[](const char *colonna) const
    {
        return (*this)[QString::fromLatin1(colonna)];
    }
    void imposta(const QString &colonna, const ado::Variant &v);
    // The given columns of the current row of rs: each its Null default,
    // then the row's value when it is not Null. All or nothing: a read that
    // fails leaves the copy as it was.
    void leggi(ado::Recordset &rs, std::span<const scheda::Colonna> colonne);

private:
    scheda::Scheda scheda_;
    QHash<int, ado::Variant> comeMemorizzati_; // what a fixed type refused, by column
};

} // namespace stampa
