#include "platform/ui/Aspetto.h"

#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QWidget>
#include <cmath>
#include <map>
#include <utility>

namespace ui {

namespace {

// Fusion, with the caret of a box shown only while the box has the focus:
// a box whose text is selected from code after the focus has gone on (the
// field handlers do that) shows no caret.
class Stile : public QProxyStyle
{
public:
    Stile()
        : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion")))
    {}

    // The standard pictures are read from their files once: every page's
    // foot buttons and every page window's menu show the same few, which
    // never change while the program runs.
    QIcon standardIcon(StandardPixmap icona, const QStyleOption *opzione,
                       const QWidget *widget) const override
    {
        if (opzione)
            return QProxyStyle::standardIcon(icona, opzione, widget);
        const auto chiave = std::pair(icona, QGuiApplication::isRightToLeft());
        auto it = icone_.find(chiave);
        if (it == icone_.end())
            it = icone_.emplace(chiave, QProxyStyle::standardIcon(icona, nullptr, widget)).first;
        return it->second;
    }

    int styleHint(StyleHint hint, const QStyleOption *opzione, const QWidget *widget,
                  QStyleHintReturn *ritorno) const override
    {
        if (hint == SH_BlinkCursorWhenTextSelected && widget && !widget->hasFocus())
            return 0;
        return QProxyStyle::styleHint(hint, opzione, widget, ritorno);
    }

private:
    mutable std::map<std::pair<StandardPixmap, bool>, QIcon> icone_;
};

} // namespace

void impostaAspetto()
{
    QApplication::setApplicationName(QStringLiteral("Varnex"));
    QApplication::setStyle(new Stile);
    QFont::insertSubstitution(QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans"));
    QApplication::setFont(carattere());
}

QString famiglia(const QString &nomeWindows)
{
    const QString n = nomeWindows.trimmed().toLower();
    if (n == QLatin1String("times new roman"))
        return QStringLiteral("Liberation Serif");
    if (n == QLatin1String("courier new") || n == QLatin1String("courier"))
        return QStringLiteral("Liberation Mono");
    if (n.isEmpty() || n == QLatin1String("ms sans serif") || n == QLatin1String("arial")
        || n == QLatin1String("verdana") || n == QLatin1String("tahoma"))
        return QStringLiteral("Liberation Sans");
    return nomeWindows.trimmed();
}

QFont carattere(const QString &nomeWindows, double punti, bool grassetto, bool sottolineato)
{
    const QString nome = famiglia(nomeWindows);
    const bool serif = nome == QLatin1String("Liberation Serif");
    const bool mono = nome == QLatin1String("Liberation Mono");
    QFont f(nome);
    f.setStyleHint(serif ? QFont::Serif : mono ? QFont::Monospace : QFont::SansSerif);
    f.setFamilies({nome, serif  ? QStringLiteral("DejaVu Serif")
                         : mono ? QStringLiteral("DejaVu Sans Mono")
                                : QStringLiteral("DejaVu Sans")});
    f.setPixelSize(int(std::lround(punti * 96.0 / 72.0)));
    f.setBold(grassetto);
    f.setUnderline(sottolineato);
    return f;
}

} // namespace ui
