#pragma once
// "Esporta" > "Esporta Scheda Corrente": the current sheet, as stored, goes
// into the one row of the export file, is tested for the data the export
// requires, and the export file is copied onto the disk in drive A:. The
// shell's handler commits the edit of the page shown and offers to save it
// first; the export reads only the stored row.

#include <QString>

namespace esportazione {

inline const QString DomandaFloppy = QStringLiteral("Inserire un floppy nell'unità A: ");
inline const QString TitoloFloppy = QStringLiteral("Inserire Floppy in A: ");
inline const QString EsportazioneRiuscita = QStringLiteral("Esportazione Terminata Correttamente");
inline const QString TitoloEsportazione = QStringLiteral("Esportazione");
// The export file's place on the disk.
inline const QString FileSuDisco = QStringLiteral("A:\\Esporta.mdb");

// The whole command. A failure of the database or of the copy is reported
// and ends it; whatever happened to the copy, the export file is open again
// afterwards, or its reopening was reported and the next export tries it
// first.
void EsportaSchedaCorrente();

} // namespace esportazione
