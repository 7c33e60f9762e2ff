#pragma once
// Making the program's data files: an empty sheet file, the reference file
// filled from CSV lists, the export file with its one row.

#include <QString>

namespace creadati {

struct Opzioni
{
    QString cartella;
    QString comuniCsv;
    QString atecoCsv;
    bool sovrascrivi = false;
    bool varnex = true, identifica = true, esporta = true;
};

// Returns a line per file made or left alone; throws std::runtime_error.
QString creaFile(const Opzioni &o);

// The pieces, for tests: each makes one new file at the path.
void creaVarnex(const QString &percorso);
void creaEsporta(const QString &percorso);
void creaIdentifica(const QString &percorso, const QString &comuniCsv, const QString &atecoCsv);

} // namespace creadati
