// creadati [--sovrascrivi] [--solo varnex,identifica,esporta]
//          [--comuni comuni.csv] [--ateco ateco_2002.csv] CARTELLA
// Makes the program's data files in CARTELLA; existing files are left alone
// unless --sovrascrivi is given.

#include "CreaDati.h"

#include <QCoreApplication>
#include <QStringList>
#include <cstdio>
#include <exception>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    creadati::Opzioni o;
    try {
        while (!args.isEmpty() && args.front().startsWith(QLatin1String("--"))) {
            const QString a = args.takeFirst();
            auto valore = [&] {
                if (args.isEmpty())
                    throw std::runtime_error(("manca il valore di " + a).toStdString());
                return args.takeFirst();
            };
            if (a == QLatin1String("--sovrascrivi")) {
                o.sovrascrivi = true;
            } else if (a == QLatin1String("--solo")) {
                const QStringList quali = valore().split(QLatin1Char(','));
                o.varnex = quali.contains(QLatin1String("varnex"));
                o.identifica = quali.contains(QLatin1String("identifica"));
                o.esporta = quali.contains(QLatin1String("esporta"));
            } else if (a == QLatin1String("--comuni")) {
                o.comuniCsv = valore();
            } else if (a == QLatin1String("--ateco")) {
                o.atecoCsv = valore();
            } else {
                throw std::runtime_error(("opzione sconosciuta: " + a).toStdString());
            }
        }
        if (args.size() != 1)
            throw std::runtime_error(
                "uso: creadati [--sovrascrivi] [--solo varnex,identifica,esporta] "
                "[--comuni FILE] [--ateco FILE] CARTELLA");
        o.cartella = args.front();
        if (o.identifica && (o.comuniCsv.isEmpty() || o.atecoCsv.isEmpty()))
            throw std::runtime_error("per Identifica.mdb servono --comuni e --ateco");
        std::fputs(creadati::creaFile(o).toUtf8().constData(), stdout);
    } catch (const std::exception &e) {
        std::fprintf(stderr, "creadati: %s\n", e.what());
        return 1;
    }
    return 0;
}
