#pragma once
// A sheet filled in as a user would, every page, with totals that add up:
// for the printed pages and the tests that look at them.

#include "platform/db/Variant.h"

#include <QList>
#include <QString>
#include <utility>

namespace prova {

// Every named column with its value, but page 6's lines 2 to 4, which stay
// Null. A column of the catalogue given no value here (and not one of those
// lines), or a name that is none of its columns, is a logic_error: a column
// added to the catalogue takes its value here.
QList<std::pair<QString, ado::Variant>> schedaPiena();

// Writes them into the current sheet's row of the running program (RsDati
// on the row of IdRecord), one update.
void salvaSchedaPiena();

} // namespace prova
