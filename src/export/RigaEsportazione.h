#pragma once
// The one row of the export file and the copy of the current sheet into it.

namespace esportazione {

// Checks, before anything is written, that the export file can take the
// sheet: its table "Dati" has a row, and both it and the main file's "Dati"
// have the catalogue's columns position by position. Throws, naming the file.
void verificaFileEsportazione();

// Copies the current row of RsDati into the first row of RsEsporta by
// position, the key skipped and Nulls kept Null, then stores it with one
// update. A failure drops the values not stored, so no later move of
// RsEsporta stores half a sheet.
void copiaSchedaInEsportazione();

} // namespace esportazione
