#include "platform/disco/Ambiente.h"

#include "platform/db/Error.h"

#include <QDir>
#include <QFile>

namespace disco {

QString cartellaDellaVariabile(const char *nome)
{
    const QByteArray valore = qgetenv(nome);
    const QString cartella = QFile::decodeName(valore);
    if (QFile::encodeName(cartella) != valore)
        throw ado::Error(ado::err::PathFileAccess,
                         QStringLiteral("La cartella %1, indicata dalla variabile %2, ha un nome "
                                        "che non è in UTF-8: il programma non la può usare.")
                             .arg(QDir::toNativeSeparators(cartella), QLatin1String(nome)));
    return cartella;
}

} // namespace disco
