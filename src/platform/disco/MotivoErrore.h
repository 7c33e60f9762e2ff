#pragma once
// Why a file operation failed, as the user reads it: the common causes in
// Italian whatever the machine's language, the system's own text for the
// rest.

#include <QString>

namespace disco {

// The reason for the errno `errore`.
QString motivoErrore(int errore);

} // namespace disco
