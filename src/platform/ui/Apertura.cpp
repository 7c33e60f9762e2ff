#include "platform/ui/Apertura.h"

#include <QScreen>
#include <QWidget>

namespace ui {

Apertura apertura(QSize voluta, QSize disponibile, int barra, QSize contorno)
{
    const QSize interno = (disponibile - contorno).expandedTo(QSize(0, 0));
    const bool tagliataAltezza = voluta.height() > interno.height();
    const bool tagliataLarghezza = voluta.width() > interno.width();
    QSize misura = voluta;
    if (tagliataAltezza)
        misura.rwidth() += barra;
    if (tagliataLarghezza)
        misura.rheight() += barra;
    return {misura.boundedTo(interno), tagliataAltezza || tagliataLarghezza};
}

Apertura apertura(const QWidget *finestra, QSize voluta, int barra)
{
    const QScreen *schermo = finestra->screen();
    return schermo ? apertura(voluta, schermo->availableGeometry().size(), barra)
                   : Apertura{voluta, false};
}

} // namespace ui
