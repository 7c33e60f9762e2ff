#pragma once
// A text box shows its selection only while it has the focus. The field
// handlers select the stored value for the next entry also after the focus
// has gone on (wrong input brings it back selected); painted, that
// selection would make the box look as if it still held the focus.

class QLineEdit;

namespace ui {

// From now on `box` paints its selection only while it has the focus; the
// selection itself (start, length, text) is kept either way.
void selezioneSoloConFuoco(QLineEdit *box);

} // namespace ui
