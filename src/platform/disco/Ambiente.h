#pragma once
// The program's own environment variables, all of them: each names a folder
// of this machine. They are read afresh at every call, so that a change made
// while the program runs (and every test) takes effect. (The help keeps its
// collections in the user's cache folder or a temporary one, as Qt finds
// them: help/CartellaGuida.h.)

#include <QString>

namespace disco {

// Drive A: of the export (see Unita.h).
inline constexpr const char *VariabileUnitaA = "VARNEX_FLOPPY";
// The folder of the PDF files printed when there is no printer.
inline constexpr const char *VariabileStampe = "VARNEX_STAMPE";

// The folder that the variable `nome` names, decoded as the system's file
// names are (as the program folder is); empty when it is unset or empty.
// A name that the program cannot spell back to the system the same (bytes
// that are not UTF-8) is error 75, naming the variable and the folder:
// used as read, it would be another folder, missing or new.
QString cartellaDellaVariabile(const char *nome);

} // namespace disco
