#pragma once
// The field boxes select their whole text when they get the focus, so that
// typing replaces it. A focus that comes by a click would lose that
// selection to the press, which places the caret where it fell: the press
// that gives the focus is held back until the release, and what the
// focus-in selected stays selected. When the button is dragged past the
// drag distance before its release, the press is given to the box after all
// and the range dragged over is selected, as in a box that has the focus.
// A click into the box that has the focus places the caret as usual, and so
// does the click that gives the focus to a box whose focus-in selected
// nothing. The right button opens the box's menu, whichever click gave the
// focus.

class QLineEdit;

namespace ui {

// What a double click selects in a box.
enum class DoppioClic {
    Parola, // the word it falls on, as the line edit does (a text, a date)
    Tutto,  // the whole text: a number or a year is one word, sign and decimals included
};

// From now on a click that gives `box` the focus keeps its selection, and a
// double click selects as `doppio` says. The box's focus events must reach
// this filter: install it after any filter of the box that takes them for
// itself.
void tieniSelezioneAlClic(QLineEdit *box, DoppioClic doppio = DoppioClic::Parola);

} // namespace ui
