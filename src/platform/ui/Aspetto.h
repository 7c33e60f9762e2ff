#pragma once
// The look of the program: one style and the fonts the forms were drawn
// with (the Windows fonts map to Liberation, DejaVu as fallback).

#include <QFont>
#include <QString>

namespace ui {

void impostaAspetto();

// A font of the forms, the one way the program sizes its type: "MS Sans
// Serif", "Arial" and "Verdana" become Liberation Sans, "Times New Roman"
// Liberation Serif (DejaVu as fallback); the size in points is turned into
// pixels at 96 DPI, whatever the screen says (8.25 points are 11 pixels).
QFont carattere(const QString &nomeWindows = QStringLiteral("MS Sans Serif"), double punti = 8.25,
                bool grassetto = false, bool sottolineato = false);

} // namespace ui
