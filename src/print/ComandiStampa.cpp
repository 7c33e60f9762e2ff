#include "print/ComandiStampa.h"

namespace scheda {

// The reports come with the printing of the sheet; until then the commands
// have nothing to print.
void StampaPaginaMostrata() {}
void StampaSchedaCorrente() {}
void AnteprimaPagina(int) {}

} // namespace scheda
