#pragma once
// A sheet filled in as a user would, every page, with totals that add up:
// for the printed pages and the tests that look at them.

#include "platform/db/Variant.h"

#include <QList>
#include <QString>
#include <utility>

namespace prova {

// Every named column that the sheet fills, with its value (the others stay Null).
QList<std::pair<QString, ado::Variant>> schedaPiena();

// Writes them into the current sheet's row of the running program (RsDati
// on the row of IdRecord), one update.
void salvaSchedaPiena();

} // namespace prova
