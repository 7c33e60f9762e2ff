#include "core/FileDati.h"

#include <QDir>

namespace scheda {

QString sqlComuneRegione()
{
    QStringList confronti;
    for (const QString &p : ProvinceRegione)
        confronti << QStringLiteral("id_provincia = '%1'").arg(p);
    return QStringLiteral("SELECT * FROM comune WHERE ") + confronti.join(QStringLiteral(" OR "))
           + QStringLiteral(" ORDER BY descrizione ");
}

QString percorsoProgramma(const QString &cartella, const QString &nomeFile)
{
    return QDir(cartella).filePath(nomeFile);
}

} // namespace scheda
