#pragma once
// The export of the current sheet to the export file and the disk.

namespace scheda {

void EsportaSchedaCorrente();

} // namespace scheda
