#include "Connection.h"
#include "Error.h"

#include <QFileInfo>
#include <sqlite3.h>

namespace ado {

Connection::~Connection()
{
    Close();
}

void Connection::setProperty(const QString &name, const QString &value)
{
    props_[name.toLower()] = value;
}

QString Connection::property(const QString &name) const
{
    const auto it = props_.find(name.toLower());
    return it == props_.end() ? QString() : it->second;
}

namespace {

QString quoted(const QString &s)
{
    QString q = s;
    q.replace(QLatin1Char('\''), QStringLiteral("''"));
    return QLatin1Char('\'') + q + QLatin1Char('\'');
}

} // namespace

void Connection::Open()
{
    if (db_)
        return;
    const QString path = dataSource();
    if (path.isEmpty() || !QFileInfo(path).isFile())
        throw Error(err::FileNotFound, QStringLiteral("Impossibile trovare il file '%1'.").arg(path));

    sqlite3 *db = nullptr;
    const int rc = sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE, nullptr);
    if (rc != SQLITE_OK) {
        sqlite3_close_v2(db);
        throw Error(err::FileNotFound, QStringLiteral("Impossibile aprire il file '%1'.").arg(path));
    }
    const QString password = property(QStringLiteral("Jet OLEDB:Database Password"));
    const QByteArray keySql = (QStringLiteral("PRAGMA key = ") + quoted(password) + QLatin1Char(';')).toUtf8();
    sqlite3_exec(db, keySql.constData(), nullptr, nullptr, nullptr);
    // The key is only tried on the first read: a wrong one fails here.
    if (sqlite3_exec(db, "SELECT count(*) FROM sqlite_master;", nullptr, nullptr, nullptr) != SQLITE_OK) {
        sqlite3_close_v2(db);
        throw Error(err::BadPassword, QStringLiteral("Password non valida per il file '%1'.").arg(path));
    }
    sqlite3_exec(db, "PRAGMA journal_mode = DELETE;", nullptr, nullptr, nullptr);
    registerItalianCollation(db);
    db_ = db;
}

void Connection::Close()
{
    if (!db_)
        return;
    sqlite3_close_v2(db_);
    db_ = nullptr;
}

sqlite3 *Connection::handle() const
{
    if (!db_)
        throw Error(err::ObjectClosed, QStringLiteral("Operazione non consentita se l'oggetto è chiuso."));
    return db_;
}

namespace {

// Base letters without accents, upper case: the primary sort key.
QString primaryKey(const QString &s)
{
    const QString d = s.normalized(QString::NormalizationForm_D);
    QString out;
    out.reserve(d.size());
    for (const QChar c : d) {
        if (c.category() == QChar::Mark_NonSpacing)
            continue;
        out.append(c.toUpper());
    }
    return out;
}

int collate(void *, int la, const void *a, int lb, const void *b)
{
    const QString sa = QString::fromUtf8(static_cast<const char *>(a), la);
    const QString sb = QString::fromUtf8(static_cast<const char *>(b), lb);
    return compareItalian(sa, sb);
}

} // namespace

int compareItalian(const QString &a, const QString &b)
{
    const int p = QString::compare(primaryKey(a), primaryKey(b), Qt::CaseSensitive);
    if (p != 0)
        return p < 0 ? -1 : 1;
    const int e = QString::compare(a, b, Qt::CaseSensitive);
    return e < 0 ? -1 : (e > 0 ? 1 : 0);
}

void registerItalianCollation(sqlite3 *db)
{
    sqlite3_create_collation(db, "ITALIANO", SQLITE_UTF8, nullptr, collate);
}

} // namespace ado
