#pragma once
// The texts that Qt draws itself, in Italian like the rest of the program:
// a box's own menu ("Annulla", "Incolla", "Seleziona tutto"), the window's
// menu, the standard buttons. They come from Qt's translations installed
// on the system; where a file is missing the program goes on, those texts
// in English.

#include <QString>

namespace ui {

// Installs Qt's Italian translations found in `cartella` (the system's
// folder of Qt's translations when empty), in place of any installed
// before; before the first window. False when the widgets' own was not found.
bool traduciQt(const QString &cartella = QString());

} // namespace ui
