#include "print/RecordPerStampa.h"

#include "core/Archivio.h"
#include "platform/db/Error.h"

#include <vector>

namespace stampa {

namespace {

void sullaRigaCorrente()
{
    if (!scheda::posizionaSuIdRecord())
        throw ado::Error(
            ado::err::NoCurrentRecord,
            QStringLiteral(
                "La scheda corrente non si trova più nell'archivio: non è stata stampata."));
}

} // namespace

SchedaStampa CaricaRecordPerStampa()
{
    sullaRigaCorrente();
    SchedaStampa copia;
    copia.leggi(*scheda::RsDati, scheda::colonneDati());
    return copia;
}

void caricaDallaRiga(SchedaStampa &copia, std::span<const char *const> colonne)
{
    sullaRigaCorrente();
    std::vector<scheda::Colonna> scelte;
    for (const char *nome : colonne) {
        const int i = scheda::indiceColonna(QString::fromLatin1(nome));
        if (i < 0)
            throw ado::Error(ado::err::ItemNotFound,
                             QStringLiteral("Colonna '%1' inesistente.").arg(QLatin1String(nome)));
        scelte.push_back(scheda::colonneDati()[i]);
    }
    copia.leggi(*scheda::RsDati, scelte);
}

} // namespace stampa
