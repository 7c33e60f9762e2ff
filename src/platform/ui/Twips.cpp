#include "platform/ui/Twips.h"

#include <QApplication>
#include <QPalette>

namespace ui {

QColor colore(unsigned int valore)
{
    if (valore == FacciaPulsante)
        return QApplication::palette().color(QPalette::Button);
    return coloreVb(valore);
}

} // namespace ui
