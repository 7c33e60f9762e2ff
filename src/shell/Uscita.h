#pragma once
// The exit procedure: offers to save the page shown, closes the recordsets
// and connections in order and ends the program.

#include <functional>

namespace scheda {

// Ends the process with the given status once the files are closed. The
// program never returns from it; tests put a hook here that records the
// exit and returns, and every caller stops at once after the call.
inline std::function<void(int)> finisciProcesso;

// The exit procedure ChiudiProgramma (pages/ServiziShell.h) runs the shell's
// ServiziMdi::esciDalProgramma (Uscita.cpp).

// Closes the files and ends the process at once, with no question
// (start-up failures, the open and new dialogs on an empty table).
void esciSenzaDomande(int stato);

} // namespace scheda
