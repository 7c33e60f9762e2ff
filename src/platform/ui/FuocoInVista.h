#pragma once
// The focused control stays in sight. When the window is smaller than what
// it holds (a page form on a laptop screen), the area that holds it scrolls,
// and every focus move into the area by the keyboard or by code (Tab, a
// commit that moves on, a command giving a box the focus) brings the control
// whole into view, and with it the frame it belongs to (the boxes and
// options of one group) wherever that fits; a control the user clicks is in
// view already.

#include "platform/ui/Twips.h"

#include <QPoint>
#include <QRect>

class QAbstractScrollArea;

namespace ui {

// How far the view must scroll (added to the scroll bars' values) so that
// `controllo` lies whole inside `vista`, with `margine` pixels of room around
// it where there is room to spare; nothing when it lies there already. A
// control larger than the view stays where it is while part of it shows,
// else its top-left corner comes into view. Given the `cornice` that holds
// the control, the whole frame is shown instead along each axis where it
// fits in the view.
QPoint scorrimentoPerVedere(const QRect &controllo, const QRect &vista, int margine,
                            const QRect &cornice = {});

// From now on, a focus move to a widget inside the area's viewport, made
// with no mouse button down, scrolls the area so that the widget is in view,
// and the group box nearest around it where it fits; so does a resize of the
// viewport while such a widget has the focus, with a margin of about a row
// of controls. The area's scroll bars count pixels of its content
// (as those of an MDI area do).
void fuocoSempreInVista(QAbstractScrollArea *area, int margine = px(375));

} // namespace ui
