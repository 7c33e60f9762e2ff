#pragma once
// Where the help keeps its collections (the files Qt Help makes from a help
// file: its registry and its search index), and how old ones go.
//
// The folder is the user's own, so that nobody else can put anything in it:
// the user's cache folder when it is a real folder (not a link) owned by the
// user, closed to others (made, or set, with mode 0700), on a path that no
// other user can change; otherwise a fresh private temporary folder made
// for this run, which goes when the help files close at the end.

#include <QString>

namespace hh {

// The folder of the collections, chosen at the first call; empty when not
// even a temporary folder can be made.
QString cartellaCollezioni();

// Removes the entry `nome` of the folder `cartella`: a file or a link as
// itself, a folder with all it holds. A link is never followed, neither at
// the top nor inside: what it points to keeps its files.
void rimuoviSenzaSeguire(const QString &cartella, const QString &nome);

// The private temporary folder goes, with what it holds, if one was made.
void rimuoviCartellaTemporanea();

} // namespace hh
