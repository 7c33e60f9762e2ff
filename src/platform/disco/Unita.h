#pragma once
// Drive A: of the program. The export names its target as the program
// always has ("A:\Esporta.mdb"); on this machine drive A: is a folder: the
// one named by the environment variable VARNEX_FLOPPY when it is set, else
// /media/floppy, where a removable disk is mounted.

#include "platform/disco/Ambiente.h"

#include <QString>

namespace disco {

inline constexpr const char *CartellaUnitaAPredefinita = "/media/floppy";

// The folder that stands for drive A:, read afresh at every call (error 75
// for a variable that names no folder the program can use).
QString cartellaUnitaA();

// A path on drive A: ("A:\Esporta.mdb") as a path of this machine, with
// the platform's separators; any other path is returned as it is.
QString percorsoLocale(const QString &percorso);

} // namespace disco
