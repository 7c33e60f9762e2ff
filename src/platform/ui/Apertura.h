#pragma once
// The size a main window opens at: the room its contents want when the
// screen's available area holds it, frame included; on a smaller screen the
// window opens maximized, its normal size cut to what the area holds.

#include <QSize>

class QWidget;

namespace ui {

// Room a window frame takes at most (borders and title bar), which the
// window system only tells once the window is shown.
inline constexpr QSize ContornoFinestra(16, 48);

struct Apertura
{
    QSize misura;      // the normal size
    bool massimizzata; // opens maximized
};

// For a window whose contents want `voluta` (frame excluded), on a screen
// whose available area is `disponibile`. Where the height is cut, the
// contents scroll up and down and the width takes a scroll bar `barra`
// pixels wide more (and the other way round), as far as the area holds it.
Apertura apertura(QSize voluta, QSize disponibile, int barra, QSize contorno = ContornoFinestra);
// The same on the screen of the top-level `finestra`.
Apertura apertura(const QWidget *finestra, QSize voluta, int barra);

} // namespace ui
