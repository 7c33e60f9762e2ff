#pragma once
// The field boxes select their whole text when they get the focus, so that
// typing replaces it. A focus that comes by a click would lose that
// selection to the press, which places the caret where it fell: the press
// that gives the focus, and the drag that follows it, are held back until
// the release, and what the focus-in selected stays selected. A click into
// the box that has the focus places the caret as usual, and so does the
// click that gives the focus to a box whose focus-in selected nothing.
// A double click selects a word, and the right button opens the box's menu,
// whichever click gave the focus.

class QLineEdit;

namespace ui {

// From now on a click that gives `box` the focus keeps its selection. The
// box's focus events must reach this filter: install it after any filter
// of the box that takes them for itself.
void tieniSelezioneAlClic(QLineEdit *box);

} // namespace ui
