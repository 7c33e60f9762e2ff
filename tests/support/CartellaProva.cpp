#include "CartellaProva.h"

#include "CreaDati.h"
#include "core/Archivio.h"
#include "core/FileDati.h"

#include <sqlite3.h>
#include <stdexcept>

CartellaProva::CartellaProva(bool conFile)
{
    if (!conFile)
        return;
    creadati::Opzioni o;
    o.cartella = dir_.path();
    o.comuniCsv = QStringLiteral(VARNEX_DATA_DIR "/comuni.csv");
    o.atecoCsv = QStringLiteral(VARNEX_DATA_DIR "/ateco_2002.csv");
    creadati::creaFile(o);
}

QString CartellaProva::percorso(const QString &nome) const
{
    return scheda::percorsoProgramma(dir_.path(), nome);
}

void CartellaProva::esegui(const QString &nome, const QString &password, const QString &sql) const
{
    const auto c = connetti(percorso(nome), password);
    char *errore = nullptr;
    const int rc = sqlite3_exec(c->handle(), sql.toUtf8().constData(), nullptr, nullptr, &errore);
    const std::string msg = errore ? errore : "";
    sqlite3_free(errore);
    if (rc != SQLITE_OK)
        throw std::runtime_error(msg);
}

void CartellaProva::aggiungiSchede(int n) const
{
    QString sql = QStringLiteral("BEGIN;");
    for (int i = 1; i <= n; ++i)
        sql += QStringLiteral("INSERT INTO Dati (denominazione) VALUES ('SCHEDA %1');").arg(i);
    sql += QStringLiteral("COMMIT;");
    esegui(scheda::FileVarnex, scheda::PasswordVarnex, sql);
}

bool vaiAllaChiave(ado::Recordset &rs, const ado::Variant &chiave)
{
    if (rs.RecordCount() == 0)
        return false;
    for (rs.MoveFirst(); !rs.isEOF(); rs.MoveNext())
        if (rs.Fields(0).Value().looselyEquals(chiave))
            return true;
    return false;
}

std::unique_ptr<ado::Connection> connetti(const QString &percorso, const QString &password)
{
    return scheda::apriFile(percorso, password);
}
