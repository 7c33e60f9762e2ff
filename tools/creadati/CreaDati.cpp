#include "CreaDati.h"
#include "Csv.h"

#include "core/ColonneDati.h"
#include "core/FileDati.h"
#include "platform/db/Connection.h"

#include <QDir>
#include <QFile>
#include <sqlite3.h>
#include <stdexcept>

namespace creadati {

namespace {

// A new keyed database file, written in one transaction.
class NuovoFile
{
public:
    NuovoFile(const QString &percorso, const QString &password)
        : percorso_(percorso)
    {
        QFile::remove(percorso);
        if (ado::openKeyed(percorso, password, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, &db_)
            != SQLITE_OK)
            fallito("apertura");
        esegui(QStringLiteral("PRAGMA journal_mode = DELETE"));
        ado::registerItalianCollation(db_);
        esegui(QStringLiteral("BEGIN"));
    }
    ~NuovoFile()
    {
        if (db_)
            sqlite3_close_v2(db_);
    }
    void esegui(const QString &sql)
    {
        if (sqlite3_exec(db_, sql.toUtf8().constData(), nullptr, nullptr, nullptr) != SQLITE_OK)
            fallito(sql.left(60));
    }
    void inserisci(const QString &sql, const QStringList &valori)
    {
        sqlite3_stmt *s = nullptr;
        if (sqlite3_prepare_v2(db_, sql.toUtf8().constData(), -1, &s, nullptr) != SQLITE_OK)
            fallito(sql);
        for (int i = 0; i < valori.size(); ++i) {
            const QByteArray b = valori[i].toUtf8();
            sqlite3_bind_text(s, i + 1, b.constData(), int(b.size()), SQLITE_TRANSIENT);
        }
        const int rc = sqlite3_step(s);
        sqlite3_finalize(s);
        if (rc != SQLITE_DONE)
            fallito(sql);
    }
    void chiudi()
    {
        esegui(QStringLiteral("COMMIT"));
        sqlite3_close_v2(db_);
        db_ = nullptr;
    }

private:
    [[noreturn]] void fallito(const QString &cosa)
    {
        const QString msg = QStringLiteral("%1: %2 (%3)")
                                .arg(percorso_, cosa, QString::fromUtf8(sqlite3_errmsg(db_)));
        sqlite3_close_v2(db_);
        db_ = nullptr;
        QFile::remove(percorso_);
        throw std::runtime_error(msg.toStdString());
    }
    QString percorso_;
    sqlite3 *db_ = nullptr;
};

} // namespace

void creaVarnex(const QString &percorso)
{
    NuovoFile f(percorso, scheda::PasswordVarnex);
    f.esegui(scheda::sqlCreaDati());
    f.chiudi();
}

void creaEsporta(const QString &percorso)
{
    NuovoFile f(percorso, scheda::PasswordEsporta);
    f.esegui(scheda::sqlCreaDati());
    f.esegui(QStringLiteral("INSERT INTO Dati DEFAULT VALUES"));
    f.chiudi();
}

void creaIdentifica(const QString &percorso, const QString &comuniCsv, const QString &atecoCsv)
{
    // Read both lists before touching the file, so a bad list leaves no half file.
    const TabellaCsv comuni = leggiCsv(comuniCsv,
                                       {QStringLiteral("descrizione"),
                                        QStringLiteral("id_provincia"), QStringLiteral("cap")});
    const TabellaCsv ateco = leggiCsv(atecoCsv, {QStringLiteral("codice_istat"),
                                                 QStringLiteral("descrizione")});
    NuovoFile f(percorso, scheda::PasswordIdentifica);
    f.esegui(scheda::SqlCreaComune);
    f.esegui(scheda::SqlCreaAteco);
    for (const QStringList &r : comuni.righe)
        f.inserisci(QStringLiteral("INSERT INTO comune VALUES (?, ?, ?)"),
                    {r[0].trimmed().toUpper(), r[1].trimmed().toUpper(), r[2].trimmed()});
    for (const QStringList &r : ateco.righe)
        f.inserisci(QStringLiteral("INSERT INTO ateco_2002 VALUES (?, ?)"),
                    {r[0].trimmed(), r[1].trimmed()});
    f.chiudi();
}

QString creaFile(const Opzioni &o)
{
    if (!QDir(o.cartella).exists())
        throw std::runtime_error(("cartella inesistente: " + o.cartella).toStdString());
    QString rapporto;
    auto passo = [&](bool voluto, const QString &nome, auto &&crea) {
        if (!voluto)
            return;
        const QString percorso = scheda::percorsoProgramma(o.cartella, nome);
        if (QFile::exists(percorso) && !o.sovrascrivi) {
            rapporto += nome + QStringLiteral(": presente, lasciato com'è\n");
            return;
        }
        // Build beside the target and swap in, so a failure keeps the old file.
        const QString temporaneo = percorso + QStringLiteral(".nuovo");
        crea(temporaneo);
        QFile::remove(percorso);
        if (!QFile::rename(temporaneo, percorso))
            throw std::runtime_error(("impossibile scrivere " + percorso).toStdString());
        rapporto += nome + QStringLiteral(": creato\n");
    };
    passo(o.varnex, scheda::FileVarnex, [](const QString &p) { creaVarnex(p); });
    passo(o.identifica, scheda::FileIdentifica,
          [&](const QString &p) { creaIdentifica(p, o.comuniCsv, o.atecoCsv); });
    passo(o.esporta, scheda::FileEsporta, [](const QString &p) { creaEsporta(p); });
    return rapporto;
}

} // namespace creadati
