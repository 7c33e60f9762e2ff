#include "platform/ui/Aspetto.h"

#include <QApplication>
#include <QFont>
#include <QStyleFactory>
#include <cmath>

namespace ui {

void impostaAspetto()
{
    QApplication::setApplicationName(QStringLiteral("Varnex"));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QFont::insertSubstitution(QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans"));
    QApplication::setFont(carattere());
}

QFont carattere(const QString &nomeWindows, double punti, bool grassetto, bool sottolineato)
{
    const bool serif = nomeWindows.compare(QLatin1String("Times New Roman"), Qt::CaseInsensitive) == 0;
    QFont f(serif ? QStringLiteral("Liberation Serif") : QStringLiteral("Liberation Sans"));
    f.setStyleHint(serif ? QFont::Serif : QFont::SansSerif);
    f.setFamilies({f.family(), serif ? QStringLiteral("DejaVu Serif") : QStringLiteral("DejaVu Sans")});
    f.setPixelSize(int(std::lround(punti * 96.0 / 72.0)));
    f.setBold(grassetto);
    f.setUnderline(sottolineato);
    return f;
}

} // namespace ui
