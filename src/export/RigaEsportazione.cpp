#include "export/RigaEsportazione.h"

#include "core/Archivio.h"
#include "core/ColonneDati.h"
#include "platform/db/Error.h"

namespace esportazione {

namespace {

QString danneggiato(ado::Connection &c)
{
    return QStringLiteral("Il file '%1' è danneggiato: ").arg(c.dataSource());
}

const QString NienteEsportato = QStringLiteral(" La scheda non è stata esportata.");

// The key, then the catalogue's columns, in its order.
void verificaColonne(ado::Recordset &rs, ado::Connection &c)
{
    const auto colonne = scheda::colonneDati();
    if (rs.FieldsCount() != int(colonne.size()) + 1)
        throw ado::Error(ado::err::ItemNotFound,
                         danneggiato(c)
                             + QStringLiteral("la tabella \"Dati\" ha %1 colonne invece di %2.")
                                   .arg(rs.FieldsCount())
                                   .arg(colonne.size() + 1)
                             + NienteEsportato);
    for (std::size_t i = 0; i < colonne.size(); ++i) {
        const QString attesa = QString::fromLatin1(colonne[i].nome);
        const QString trovata = rs.Fields(int(i) + 1).Name();
        if (trovata.compare(attesa, Qt::CaseInsensitive) != 0)
            throw ado::Error(
                ado::err::ItemNotFound,
                danneggiato(c)
                    + QStringLiteral(
                          "la colonna %1 della tabella \"Dati\" è \"%2\" invece di \"%3\".")
                          .arg(i + 1)
                          .arg(trovata, attesa)
                    + NienteEsportato);
    }
}

} // namespace

void verificaFileEsportazione()
{
    verificaColonne(*scheda::RsDati, *scheda::ConnessioneDati);
    verificaColonne(*scheda::RsEsporta, *scheda::ConnessioneEsporta);
    if (scheda::RsEsporta->RecordCount() == 0)
        throw ado::Error(ado::err::NoCurrentRecord,
                         danneggiato(*scheda::ConnessioneEsporta)
                             + QStringLiteral("la tabella \"Dati\" non ha righe.")
                             + NienteEsportato);
}

void copiaSchedaInEsportazione()
{
    scheda::RsEsporta->MoveFirst();
    try {
        for (int IndiceCampo = 1; IndiceCampo <= scheda::NumeroColonne; ++IndiceCampo)
            scheda::RsEsporta->Fields(IndiceCampo)
                .setValue(scheda::RsDati->Fields(IndiceCampo).Value());
        scheda::RsEsporta->Update();
    } catch (...) {
        scheda::RsEsporta->CancelUpdate();
        throw;
    }
}

} // namespace esportazione
