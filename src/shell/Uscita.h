#pragma once
// The exit procedure: offers to save the page shown, closes the recordsets
// and connections in order and ends the program.

#include <functional>

namespace scheda {

// Ends the process with the given status once the files are closed. The
// program never returns from it; tests put a hook here that records the
// exit and returns, and every caller stops at once after the call.
inline std::function<void(int)> finisciProcesso;

// The exit procedure: the save question, then the files closed and the
// process ended. A failed save stops it, and the program goes on. The
// shell's exit button and menu item run it; the pages' ChiudiProgramma
// (pages/ServiziShell.h) reaches it through the services the shell installs.
void esciDalProgramma();

// Closes the files and ends the process at once, with no question
// (start-up failures, the open and new dialogs on an empty table).
void esciSenzaDomande(int stato);

} // namespace scheda
