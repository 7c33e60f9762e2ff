#pragma once
// The look of the program: one style and the fonts the forms were drawn
// with (the Windows fonts map to Liberation, DejaVu as fallback).

namespace ui {

void impostaAspetto();

} // namespace ui
