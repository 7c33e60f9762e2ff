#pragma once
// What the benchmarks of the whole program share: the main function that
// runs them under an application (offscreen unless a display is asked for)
// and the orderly close of a main window started on a test folder.

#include <functional>
#include <memory>

namespace scheda {
class MDIForm1;
}

namespace banco {

// Runs the benchmarks named on the command line; `allaFine` closes what
// they opened while the application still stands.
int esegui(int argc, char **argv, const std::function<void()> &allaFine);

// Closes every page form, the files and the main window, and lets the
// deferred deletions happen.
void chiudi(std::unique_ptr<scheda::MDIForm1> &finestra);

} // namespace banco
