#pragma once
// The print loader: the current sheet's stored row, every column of the
// catalogue, into a print copy (the in-memory sheet, the page's boxes and
// the page-modified flag stay as they were).

#include "print/SchedaStampa.h"

namespace stampa {

// Finds the row of IdRecord from the first row of RsDati and loads it;
// RsDati is left on that row. When no row holds the key (the sheet was
// deleted behind the program's back) error 3021 says so and nothing prints.
SchedaStampa CaricaRecordPerStampa();

// The same for a few columns only (page 6 names the legal representative
// and the seat of the current sheet, whatever the pages have loaded).
void caricaDallaRiga(SchedaStampa &copia, std::span<const char *const> colonne);

} // namespace stampa
