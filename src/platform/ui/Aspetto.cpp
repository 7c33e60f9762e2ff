#include "platform/ui/Aspetto.h"

#include <QApplication>
#include <QFont>
#include <QStyleFactory>

namespace ui {

void impostaAspetto()
{
    QApplication::setApplicationName(QStringLiteral("Varnex"));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QFont::insertSubstitution(QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans"));
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSizeF(8.25); // MS Sans Serif 8.25 of the forms
    QApplication::setFont(font);
}

} // namespace ui
