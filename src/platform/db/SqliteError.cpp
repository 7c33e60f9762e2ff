#include "platform/db/SqliteError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <cstring>
#include <sqlite3.h>
#include <unistd.h>

namespace ado {

namespace {

// A database file that anyone can read opens with this header: one made
// without a password, never one of ours.
bool plainDatabase(const QString &file)
{
    QFile f(file);
    return f.open(QIODevice::ReadOnly) && f.read(16) == QByteArray("SQLite format 3\0", 16);
}

QString folderOf(const QString &file)
{
    return QDir::toNativeSeparators(QFileInfo(file).absolutePath());
}

bool folderWritable(const QString &file)
{
    return ::access(QFile::encodeName(QFileInfo(file).absolutePath()).constData(), W_OK) == 0;
}

// The engine's own words for a statement it cannot run (a table or column
// missing from a file of another shape), in ours.
QString statementReason(sqlite3 *db)
{
    const QString msg = db ? QString::fromUtf8(sqlite3_errmsg(db)) : QString();
    static const struct
    {
        QRegularExpression pattern;
        const char *text;
    } known[] = {
        {QRegularExpression(QStringLiteral("^no such table: (.+)$")), "la tabella '%1' non esiste"},
        {QRegularExpression(QStringLiteral("^no such column: (.+)$")),
         "la colonna '%1' non esiste"},
        {QRegularExpression(QStringLiteral("^table (\\S+) has no column named (.+)$")),
         "la tabella '%1' non ha la colonna '%2'"},
        {QRegularExpression(QStringLiteral("^near \"(.*)\": syntax error$")),
         "errore di sintassi vicino a \"%1\""},
    };
    for (const auto &k : known) {
        const QRegularExpressionMatch m = k.pattern.match(msg);
        if (!m.hasMatch())
            continue;
        const QString text = QString::fromUtf8(k.text);
        return m.lastCapturedIndex() == 2 ? text.arg(m.captured(1), m.captured(2))
                                          : text.arg(m.captured(1));
    }
    return QStringLiteral("istruzione non valida");
}

// The errno of the last system call on the file that failed (0: none).
int lastSystemError(sqlite3 *db)
{
    int error = 0;
    return db && sqlite3_file_control(db, "main", SQLITE_FCNTL_LAST_ERRNO, &error) == SQLITE_OK
               ? error
               : 0;
}

EngineFailure damaged()
{
    return {err::FileDamaged, QStringLiteral("il file è danneggiato"), true};
}

} // namespace

EngineFailure engineFailure(sqlite3 *db, int rc, Access access, const QString &file)
{
    const bool writing = access == Access::Write;
    switch (rc & 0xFF) {
    case SQLITE_NOTADB:
        // The key is tried on the first read: a wrong one and a page 1
        // that no key decrypts look the same. The engine takes a salt it
        // could not read from the file for a random one, so a disk that
        // failed then looks like a wrong key too: the read that failed tells.
        if (access == Access::Open && lastSystemError(db) != 0)
            return engineFailure(db, SQLITE_IOERR_READ, access, file);
        if (access == Access::Open)
            return plainDatabase(file)
                       ? EngineFailure{err::NotEncrypted,
                                       QStringLiteral("è un database senza password, non un file "
                                                      "del programma"),
                                       true}
                       : EngineFailure{err::BadPassword,
                                       QStringLiteral("password non valida o file danneggiato"),
                                       true};
        [[fallthrough]];
    case SQLITE_CORRUPT:
        return damaged();
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
    case SQLITE_PROTOCOL:
        return {err::FileLocked,
                QStringLiteral(
                    "il file è bloccato da un altro programma e non si è liberato entro %1 secondi")
                    .arg(BusyTimeoutMs / 1000),
                false};
    case SQLITE_READONLY:
    case SQLITE_PERM:
        return {err::FileReadOnly, QStringLiteral("il file è di sola lettura"), false};
    case SQLITE_CANTOPEN:
        if (!writing)
            return {err::FileNotFound, QStringLiteral("il file non si può aprire"), false};
        // A write needs a journal beside the file.
        if (!folderWritable(file))
            return {err::FileReadOnly,
                    QStringLiteral("la cartella '%1' è di sola lettura").arg(folderOf(file)),
                    false};
        return {err::WriteFailed,
                QStringLiteral("impossibile creare il file delle modifiche nella cartella '%1'")
                    .arg(folderOf(file)),
                false};
    case SQLITE_FULL:
        return {err::DiskFull, QStringLiteral("il disco è pieno"), false};
    case SQLITE_IOERR:
        return writing ? EngineFailure{err::WriteFailed,
                                       QStringLiteral("errore di scrittura sul disco"), false}
                       : EngineFailure{err::ReadFailed,
                                       QStringLiteral("errore di lettura dal disco"), false};
    case SQLITE_NOMEM:
        return {err::SqlFailed, QStringLiteral("memoria insufficiente"), false};
    case SQLITE_CONSTRAINT:
        return {err::SqlFailed, QStringLiteral("la modifica viola un vincolo del database"), false};
    case SQLITE_TOOBIG:
        return {err::SqlFailed, QStringLiteral("un valore è troppo grande"), false};
    case SQLITE_MISMATCH:
        return {err::SqlFailed, QStringLiteral("un valore non è del tipo della colonna"), false};
    case SQLITE_SCHEMA:
        return {err::SqlFailed,
                QStringLiteral("la struttura del file è cambiata durante l'operazione"), false};
    case SQLITE_INTERRUPT:
    case SQLITE_ABORT:
        return {err::SqlFailed, QStringLiteral("operazione interrotta"), false};
    case SQLITE_NOLFS:
        return {err::SqlFailed, QStringLiteral("il file è troppo grande per il sistema"), false};
    case SQLITE_ERROR:
        // A page that no longer decrypts fails with the bare code and no
        // text of its own; a statement the engine refuses says why.
        if (db && std::strcmp(sqlite3_errmsg(db), sqlite3_errstr(SQLITE_ERROR)) == 0)
            return damaged();
        return {err::SqlFailed, statementReason(db), false};
    default:
        return {err::SqlFailed, QStringLiteral("errore %1 del motore del database").arg(rc), false};
    }
}

QString failureText(Access access, const QString &file, const QString &reason)
{
    static const char *const verbs[] = {"Impossibile aprire il file", "Impossibile leggere il file",
                                        "Impossibile scrivere nel file"};
    return QStringLiteral("%1 '%2': %3.").arg(QString::fromUtf8(verbs[int(access)]), file, reason);
}

Error engineError(sqlite3 *db, int rc, Access access, const QString &file)
{
    const EngineFailure f = engineFailure(db, rc, access, file);
    return Error(f.number, failureText(access, file, f.reason));
}

} // namespace ado
