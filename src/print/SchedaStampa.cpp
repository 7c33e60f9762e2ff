#include "print/SchedaStampa.h"

#include "platform/db/Error.h"
#include "platform/db/Recordset.h"

namespace stampa {

SchedaStampa SchedaStampa::daMemoria()
{
    SchedaStampa s;
    s.scheda_ = scheda::RecordScheda();
    return s;
}

const ado::Variant &SchedaStampa::operator[](const QString &colonna) const
{
    const ado::Variant &v = scheda_[colonna]; // checks the name
    if (!comeMemorizzati_.isEmpty())
        if (const auto it = comeMemorizzati_.constFind(scheda::indiceColonna(colonna));
            it != comeMemorizzati_.cend())
            return *it;
    return v;
}

void SchedaStampa::imposta(const QString &colonna, const ado::Variant &v)
{
    const int i = scheda::indiceColonna(colonna);
    comeMemorizzati_.remove(i);
    try {
        scheda_.imposta(colonna, v);
    } catch (const ado::Error &) {
        if (i < 0)
            throw;
        comeMemorizzati_.insert(i, v);
    }
}

void SchedaStampa::leggi(ado::Recordset &rs, std::span<const scheda::Colonna> colonne)
{
    // Into a copy of its own, taken only once every column was read.
    SchedaStampa letta = *this;
    for (const scheda::Colonna &c : colonne) {
        const QString nome = QString::fromLatin1(c.nome);
        const ado::Variant v = rs.Fields(nome).Value(); // a read that fails ends the load
        letta.imposta(nome, v.isNull() ? scheda::valoreNull(c) : v);
    }
    *this = std::move(letta);
}

} // namespace stampa
