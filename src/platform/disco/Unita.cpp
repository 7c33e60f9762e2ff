#include "platform/disco/Unita.h"

#include <QDir>

namespace disco {

QString cartellaUnitaA()
{
    const QString scelta = cartellaDellaVariabile(VariabileUnitaA);
    return QDir::cleanPath(scelta.isEmpty() ? QString::fromLatin1(CartellaUnitaAPredefinita)
                                            : scelta);
}

QString percorsoLocale(const QString &percorso)
{
    QString resto = percorso;
    resto.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const bool suA = resto.size() >= 2 && resto[0].toUpper() == QLatin1Char('A')
                     && resto[1] == QLatin1Char(':');
    if (!suA)
        return percorso;
    resto = resto.mid(2);
    while (resto.startsWith(QLatin1Char('/')))
        resto.remove(0, 1);
    return QDir(cartellaUnitaA()).filePath(resto);
}

} // namespace disco
