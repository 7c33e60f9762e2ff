#include "platform/db/Connection.h"
#include "platform/db/Error.h"

#include <QFileInfo>
#include <sqlite3.h>

#include <algorithm>
#include <array>
#include <cstring>

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

int openKeyed(const QString &path, const QString &password, int flags, sqlite3 **db)
{
    *db = nullptr;
    if (const int rc = sqlite3_open_v2(path.toUtf8().constData(), db, flags, nullptr);
        rc != SQLITE_OK)
        return rc;
    const QByteArray keySql
        = (QStringLiteral("PRAGMA key = ") + quoted(password) + QLatin1Char(';')).toUtf8();
    return sqlite3_exec(*db, keySql.constData(), nullptr, nullptr, nullptr);
}

void Connection::Open()
{
    if (db_)
        return;
    const QString path = dataSource();
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists())
        throw Error(err::FileNotFound,
                    QStringLiteral("Impossibile trovare il file '%1'.").arg(path));
    // Neither missing nor damaged: something else stands under the name.
    if (!info.isFile())
        throw Error(err::NotAFile,
                    failureText(Access::Open, path,
                                info.isDir() ? QStringLiteral("al suo posto c'è una cartella")
                                             : QStringLiteral("non è un file ordinario")));
    // What a copy cut short leaves; the engine would take it for a new database.
    if (info.size() == 0)
        throw Error(err::FileDamaged,
                    failureText(Access::Open, path, QStringLiteral("il file è vuoto")));

    sqlite3 *db = nullptr;
    const auto fail = [&](int rc) {
        const Error e = engineError(db, rc, Access::Open, path);
        sqlite3_close_v2(db);
        return e;
    };
    // A connection is used by the one thread that opened it: no mutex
    // around each call (a read of 10,000 rows makes some 100,000 of them).
    const int rc = openKeyed(path, property(QStringLiteral("Jet OLEDB:Database Password")),
                             SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, &db);
    if (rc != SQLITE_OK)
        throw fail(rc);
    sqlite3_busy_timeout(db, BusyTimeoutMs);
    // The key is only tried on the first read: a wrong one fails here.
    if (const int read = sqlite3_exec(db, "SELECT count(*) FROM sqlite_master;", nullptr, nullptr,
                                      nullptr);
        read != SQLITE_OK)
        throw fail(read);
    sqlite3_exec(db, "PRAGMA journal_mode = DELETE;", nullptr, nullptr, nullptr);
    // Pages are decrypted on every read that misses the cache: keep a large
    // archive's "Dati" whole in it, so that a MoveFirst reads no page twice.
    sqlite3_exec(db, "PRAGMA cache_size = -16384;", nullptr, nullptr, nullptr);
    registerItalianCollation(db);
    db_ = db;
    readFailure_.reset();
}

void Connection::Close()
{
    if (!db_)
        return;
    sqlite3_finalize(dataVersion_);
    dataVersion_ = nullptr;
    sqlite3_close_v2(db_);
    db_ = nullptr;
    readFailure_.reset();
}

ChangeMark Connection::changeMark()
{
    sqlite3 *db = handle();
    if (!dataVersion_) {
        if (const int rc = sqlite3_prepare_v2(db, "PRAGMA data_version", -1, &dataVersion_, nullptr);
            rc != SQLITE_OK)
            throw readError(rc);
    }
    const int rc = sqlite3_step(dataVersion_);
    const std::int64_t version = rc == SQLITE_ROW ? sqlite3_column_int64(dataVersion_, 0) : -1;
    sqlite3_reset(dataVersion_);
    if (rc != SQLITE_ROW)
        throw readError(rc);
    return {version, changesMade()};
}

std::int64_t Connection::changesMade() const
{
    return sqlite3_total_changes(handle());
}

EngineFailure Connection::noteReadFailure(int rc)
{
    const EngineFailure f = engineFailure(db_, rc, Access::Read, dataSource());
    // A damaged file stays damaged, whatever is read after.
    if (!readFailure_ || !readFailure_->lasting)
        readFailure_ = f;
    return f;
}

Error Connection::readError(int rc)
{
    const EngineFailure f = noteReadFailure(rc);
    return Error(f.number, failureText(Access::Read, dataSource(), f.reason));
}

Error Connection::writeError(int rc) const
{
    return engineError(db_, rc, Access::Write, dataSource());
}

void Connection::requireWritable()
{
    if (!readFailure_)
        return;
    if (!readFailure_->lasting) {
        // The lock may have gone, the disk come back: one read tells.
        if (const int rc = sqlite3_exec(handle(), "SELECT count(*) FROM sqlite_master;", nullptr,
                                        nullptr, nullptr);
            rc != SQLITE_OK)
            throw readError(rc);
        readFailure_.reset();
        return;
    }
    throw Error(readFailure_->number,
                failureText(Access::Write, dataSource(),
                            QStringLiteral(
                                "una sua lettura non è riuscita (%1), il file resta com'è")
                                .arg(readFailure_->reason)));
}

sqlite3 *Connection::handle() const
{
    if (!db_)
        throw Error(err::ObjectClosed,
                    QStringLiteral("Operazione non consentita se l'oggetto è chiuso."));
    return db_;
}

namespace {

// Skipped in the first pass, as a reader skips them: "SANT'ANGELO" files
// after "SANTA VITTORIA", "L'AQUILA" after "LAPEDONA".
bool skippedFirst(QChar c)
{
    return c == QLatin1Char('\'') || c == QChar(0x2019) || c == QLatin1Char('-');
}

// Base letters without accents, upper case: the first-pass key.
QString primaryKey(const QString &s)
{
    const QString d = s.normalized(QString::NormalizationForm_D);
    QString out;
    out.reserve(d.size());
    for (const QChar c : d) {
        if (c.category() == QChar::Mark_NonSpacing || skippedFirst(c))
            continue;
        out.append(c.toUpper());
    }
    return out;
}

int sign(int v)
{
    return v < 0 ? -1 : (v > 0 ? 1 : 0);
}

int compareSlow(const QString &a, const QString &b)
{
    const int p = QString::compare(primaryKey(a), primaryKey(b), Qt::CaseSensitive);
    if (p != 0)
        return sign(p);
    return sign(QString::compare(a, b, Qt::CaseSensitive));
}

// The first-pass key of each Latin-1 character, from primaryKey itself so
// that the two ways agree: 0 for a skipped one, Fallback when it yields
// more than one character (never, today; kept for safety).
constexpr char16_t Skip = 0;
constexpr char16_t Fallback = 0xFFFF;

const std::array<char16_t, 256> &latin1Keys()
{
    static const std::array<char16_t, 256> keys = [] {
        std::array<char16_t, 256> k{};
        for (int c = 0; c < 256; ++c) {
            const QString key = primaryKey(QString(QChar(c)));
            k[c] = key.isEmpty()                                     ? Skip
                   : key.size() == 1 && key[0].unicode() != Fallback ? key[0].unicode()
                                                                     : Fallback;
        }
        return k;
    }();
    return keys;
}

// Reads code points below 256 from UTF-16 or UTF-8 text; anything else
// stops the fast comparison and the slow one decides.
struct Utf16Reader
{
    const QChar *p, *end;
    bool next(char32_t &c, bool &other)
    {
        if (p == end)
            return false;
        const char16_t u = (p++)->unicode();
        other = u > 0xFF;
        c = u;
        return true;
    }
};

struct Utf8Reader
{
    const unsigned char *p, *end;
    bool next(char32_t &c, bool &other)
    {
        if (p == end)
            return false;
        const unsigned char b = *p++;
        other = false;
        if (b < 0x80) {
            c = b;
        } else if ((b == 0xC2 || b == 0xC3) && p != end && (*p & 0xC0) == 0x80) {
            c = char32_t(((b & 0x1F) << 6) | (*p++ & 0x3F));
        } else {
            other = true;
        }
        return true;
    }
};

// First pass over both texts; 2 when a character outside Latin-1 appears.
template<class Reader>
int comparePrimary(Reader a, Reader b)
{
    const auto &keys = latin1Keys();
    auto nextKey = [&keys](Reader &r, char16_t &k, bool &other) {
        char32_t c;
        while (r.next(c, other)) {
            if (other)
                return true;
            k = keys[c];
            if (k == Fallback) {
                other = true;
                return true;
            }
            if (k != Skip)
                return true;
        }
        return false;
    };
    for (;;) {
        char16_t ka = 0, kb = 0;
        bool oa = false, ob = false;
        const bool ha = nextKey(a, ka, oa);
        const bool hb = nextKey(b, kb, ob);
        if (oa || ob)
            return 2;
        if (!ha || !hb)
            return ha ? 1 : (hb ? -1 : 0);
        if (ka != kb)
            return ka < kb ? -1 : 1;
    }
}

int collate(void *, int la, const void *a, int lb, const void *b)
{
    const auto *pa = static_cast<const unsigned char *>(a);
    const auto *pb = static_cast<const unsigned char *>(b);
    const int p = comparePrimary(Utf8Reader{pa, pa + la}, Utf8Reader{pb, pb + lb});
    if (p == 2)
        return compareSlow(QString::fromUtf8(static_cast<const char *>(a), la),
                           QString::fromUtf8(static_cast<const char *>(b), lb));
    if (p != 0)
        return p;
    // Then exactly; the order of UTF-8 bytes is the order of the characters.
    const int e = std::memcmp(a, b, std::size_t(std::min(la, lb)));
    return e != 0 ? sign(e) : sign(la - lb);
}

} // namespace

int compareItalian(const QString &a, const QString &b)
{
    const int p = comparePrimary(Utf16Reader{a.constData(), a.constData() + a.size()},
                                 Utf16Reader{b.constData(), b.constData() + b.size()});
    if (p == 2)
        return compareSlow(a, b);
    if (p != 0)
        return p;
    return sign(QString::compare(a, b, Qt::CaseSensitive));
}

void registerItalianCollation(sqlite3 *db)
{
    sqlite3_create_collation(db, "ITALIANO", SQLITE_UTF8, nullptr, collate);
}

} // namespace ado
