#pragma once
// The look of the program: one style, and the fonts its windows and printed
// pages name by their Windows names (mapped to Liberation, DejaVu as
// fallback).

#include <QFont>
#include <QString>

namespace ui {

void impostaAspetto();

// The family our fonts take for a Windows font name: "MS Sans Serif",
// "Arial", "Verdana", "Tahoma" (and no name) Liberation Sans, "Times New
// Roman" Liberation Serif, "Courier New" Liberation Mono; another name as given.
QString famiglia(const QString &nomeWindows);

// A font by its Windows name, the one way the program sizes its type: the family
// above (DejaVu as fallback), the size in points turned into pixels at 96
// DPI whatever the screen says (8.25 points are 11 pixels).
QFont carattere(const QString &nomeWindows = QStringLiteral("MS Sans Serif"), double punti = 8.25,
                bool grassetto = false, bool sottolineato = false);

} // namespace ui
