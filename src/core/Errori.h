#pragma once
// Run-time failures: a failed command is reported in a message box and
// stops there; a failure at start-up ends the program. No exception leaves
// a handler of the program.

#include <QString>
#include <exception>
#include <functional>

namespace scheda {

// "Errore di run-time 'N':" and the description, in a critical message box.
void segnalaErrore(const std::exception &e);

// Runs one command of the user; a failure is reported and ends the command.
// Returns false when it failed.
bool eseguiComando(const std::function<void()> &comando);

} // namespace scheda
