#include "platform/db/Recordset.h"
#include "platform/db/Connection.h"
#include "platform/db/Error.h"
#include "platform/db/SqliteError.h"

#include <QRegularExpression>
#include <sqlite3.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>

namespace ado {

namespace {

struct StmtDeleter
{
    void operator()(sqlite3_stmt *s) const { sqlite3_finalize(s); }
};
using Stmt = std::unique_ptr<sqlite3_stmt, StmtDeleter>;

// The engine's result code; `out` holds the statement when it is SQLITE_OK.
int prepare(sqlite3 *db, const QString &sql, Stmt &out)
{
    sqlite3_stmt *s = nullptr;
    const QByteArray utf8 = sql.toUtf8();
    const int rc = sqlite3_prepare_v2(db, utf8.constData(), int(utf8.size()), &s, nullptr);
    out.reset(s);
    return rc;
}

// One run of a kept statement: reset and unbound when the run ends, however
// it ends, so that no statement holds the file's read lock between calls.
class Run
{
public:
    explicit Run(sqlite3_stmt *s)
        : s_(s)
    {}
    ~Run()
    {
        sqlite3_reset(s_);
        sqlite3_clear_bindings(s_);
    }
    Run(const Run &) = delete;
    Run &operator=(const Run &) = delete;
    sqlite3_stmt *get() const { return s_; }

private:
    sqlite3_stmt *s_;
};

QString quoteIdent(const QString &name)
{
    QString q = name;
    q.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + q + QLatin1Char('"');
}

ColumnKind kindFromDecl(const QString &declared, bool primaryKey)
{
    if (primaryKey)
        return ColumnKind::Key;
    const QString t = declared.toUpper();
    if (t.contains(QLatin1String("DATE")))
        return ColumnKind::Date;
    if (t.contains(QLatin1String("LONG")))
        return ColumnKind::Integer32;
    if (t.contains(QLatin1String("INT")))
        return ColumnKind::Integer16;
    if (t.contains(QLatin1String("DOUBLE")) || t.contains(QLatin1String("REAL"))
        || t.contains(QLatin1String("FLOAT")) || t.contains(QLatin1String("NUM")))
        return ColumnKind::Double;
    return ColumnKind::Text;
}

Variant fromColumn(sqlite3_stmt *s, int col, ColumnKind kind)
{
    const int type = sqlite3_column_type(s, col);
    if (type == SQLITE_NULL)
        return Variant::null();
    switch (kind) {
    case ColumnKind::Key:
    case ColumnKind::Integer16:
    case ColumnKind::Integer32:
        return Variant(std::int64_t(sqlite3_column_int64(s, col)));
    case ColumnKind::Double:
        return Variant(sqlite3_column_double(s, col));
    case ColumnKind::Date: {
        const QString iso = QString::fromUtf8(
            reinterpret_cast<const char *>(sqlite3_column_text(s, col)));
        const QDate d = QDate::fromString(iso, Qt::ISODate);
        return d.isValid() ? Variant(d) : Variant(iso);
    }
    case ColumnKind::Text:
        return Variant(QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(s, col)),
                                         sqlite3_column_bytes(s, col)));
    }
    return Variant::null();
}

Error wrongType(const QString &column)
{
    return Error(err::WrongType,
                 QStringLiteral("Valore di tipo errato per il campo '%1'.").arg(column));
}

// Converts what the program assigns to what the column stores.
Variant toColumn(const Variant &v, ColumnKind kind, const QString &column)
{
    if (v.isNull() || v.isEmpty())
        return Variant::null();
    try {
        switch (kind) {
        case ColumnKind::Text:
            return Variant(v.toText());
        case ColumnKind::Date: {
            // The runtime's dates run from 1/1/100 to 31/12/9999; 1/1/1000 is
            // the program's empty date and an ordinary one here.
            const QDate d = v.toDate();
            if (!d.isValid() || d.year() < 100 || d.year() > 9999)
                throw wrongType(column);
            return Variant(d);
        }
        case ColumnKind::Double: {
            const double d = v.isDate() ? throw wrongType(column) : v.toDouble();
            if (!std::isfinite(d))
                throw Error(err::Overflow, QStringLiteral("Overflow nel campo '%1'.").arg(column));
            return Variant(d);
        }
        case ColumnKind::Integer16:
        case ColumnKind::Integer32: {
            const double r = roundHalfEven(v.toDouble());
            const double lo = kind == ColumnKind::Integer16
                                  ? -32768.0
                                  : double(std::numeric_limits<std::int32_t>::min());
            const double hi = kind == ColumnKind::Integer16
                                  ? 32767.0
                                  : double(std::numeric_limits<std::int32_t>::max());
            if (!(r >= lo && r <= hi))
                throw Error(err::Overflow, QStringLiteral("Overflow nel campo '%1'.").arg(column));
            return Variant(std::int64_t(r));
        }
        case ColumnKind::Key:
            break;
        }
    } catch (const Error &e) {
        if (e.number() == err::Overflow)
            throw;
        throw wrongType(column);
    }
    throw wrongType(column);
}

void bind(sqlite3_stmt *s, int i, const Variant &v)
{
    switch (v.kind()) {
    case Variant::Kind::Empty:
    case Variant::Kind::Null:
        sqlite3_bind_null(s, i);
        break;
    case Variant::Kind::Integer:
        sqlite3_bind_int64(s, i, v.integer());
        break;
    case Variant::Kind::Double:
        sqlite3_bind_double(s, i, v.real());
        break;
    case Variant::Kind::Text: {
        const QByteArray b = v.text().toUtf8();
        sqlite3_bind_text(s, i, b.constData(), int(b.size()), SQLITE_TRANSIENT);
        break;
    }
    case Variant::Kind::Date: {
        const QByteArray b = v.date().toString(Qt::ISODate).toUtf8();
        sqlite3_bind_text(s, i, b.constData(), int(b.size()), SQLITE_TRANSIENT);
        break;
    }
    }
}

} // namespace

// --- Field ---------------------------------------------------------------

Variant Field::Value() const
{
    return rs_->read(index_);
}
void Field::setValue(const Variant &v)
{
    rs_->write(index_, v);
}
QString Field::Name() const
{
    return rs_->names_.at(index_);
}

// --- Recordset -------------------------------------------------------------

// The statements of a table recordset: the key list, the row read, the
// change check and the delete are the same texts for its whole life; the
// writes differ by the columns they set, and a page saves the same set
// each time. Kept until Close.
class Recordset::Statements
{
public:
    // Preparing reads the file's schema: a failure is one of `access`.
    sqlite3_stmt *get(Connection &c, const QString &sql, Access access)
    {
        const auto it = kept_.find(sql);
        if (it != kept_.end())
            return it->second.get();
        Stmt s;
        if (const int rc = prepare(c.handle(), sql, s); rc != SQLITE_OK)
            throw access == Access::Write ? c.writeError(rc) : c.readError(rc);
        // A recordset written column by column in ever new sets does not
        // grow without end.
        if (kept_.size() >= MaxKept)
            kept_.clear();
        return kept_.emplace(sql, std::move(s)).first->second.get();
    }
    void clear() { kept_.clear(); }

private:
    static constexpr std::size_t MaxKept = 64;
    std::map<QString, Stmt> kept_;
};

Recordset::Recordset()
    : statements_(std::make_unique<Statements>())
{}

Recordset::~Recordset() = default;

sqlite3_stmt *Recordset::statement(const QString &sql, Access access) const
{
    return statements_->get(*ActiveConnection, sql, access);
}

Error Recordset::noCurrent() const
{
    return Error(err::NoCurrentRecord,
                 QStringLiteral("BOF o EOF è True oppure il record corrente è stato eliminato. "
                                "L'operazione richiesta richiede un record corrente (file '%1').")
                     .arg(ActiveConnection->dataSource()));
}

std::optional<std::int64_t> Recordset::runWrite(sqlite3_stmt *s)
{
    sqlite3 *db = ActiveConnection->handle();
    const std::int64_t before = sqlite3_total_changes(db);
    if (const int rc = sqlite3_step(s); rc != SQLITE_DONE)
        throw ActiveConnection->writeError(rc);
    // The keys read are still those of the file when, through this
    // connection, nothing but this statement has changed it since, and the
    // statement has changed no row but those it names. A commit by another
    // connection, before or after, is for the file's mark to tell (its
    // first part leaves out this connection's own commits).
    const std::int64_t after = sqlite3_total_changes(db);
    if (!table_ || keysMark_.first < 0 || keysMark_.second != before
        || after - before != sqlite3_changes(db))
        return std::nullopt;
    return after;
}

void Recordset::Open()
{
    if (open_)
        return;
    if (!ActiveConnection)
        throw Error(err::ObjectClosed, QStringLiteral("Connessione non impostata."));
    sqlite3 *db = ActiveConnection->handle();
    static const QRegularExpression ident(QStringLiteral("^\\s*[A-Za-z_][A-Za-z0-9_]*\\s*$"));
    table_ = ident.match(Source).hasMatch();
    names_.clear();
    kinds_.clear();
    keys_.clear();
    pending_.clear();
    statements_->clear();
    rows_ = std::make_shared<const Rows>();
    adding_ = deleted_ = rowLoaded_ = false;

    if (table_) {
        tableName_ = Source.trimmed();
        Stmt info;
        int rc = prepare(db, QStringLiteral("PRAGMA table_info(%1)").arg(quoteIdent(tableName_)),
                         info);
        if (rc != SQLITE_OK)
            throw ActiveConnection->readError(rc);
        while ((rc = sqlite3_step(info.get())) == SQLITE_ROW) {
            names_ << QString::fromUtf8(
                reinterpret_cast<const char *>(sqlite3_column_text(info.get(), 1)));
            const QString decl = QString::fromUtf8(
                reinterpret_cast<const char *>(sqlite3_column_text(info.get(), 2)));
            kinds_.push_back(kindFromDecl(decl, sqlite3_column_int(info.get(), 5) == 1));
        }
        if (rc != SQLITE_DONE)
            throw ActiveConnection->readError(rc);
        if (names_.isEmpty())
            throw Error(err::NoSuchTable,
                        QStringLiteral(
                            "Impossibile trovare la tabella di input '%1' nel file '%2'.")
                            .arg(tableName_, ActiveConnection->dataSource()));
        if (kinds_.front() != ColumnKind::Key)
            throw Error(err::SqlFailed,
                        QStringLiteral(
                            "La tabella '%1' del file '%2' non ha una chiave in colonna 0.")
                            .arg(tableName_, ActiveConnection->dataSource()));
        open_ = true;
        try {
            reloadKeys();
        } catch (...) {
            open_ = false;
            throw;
        }
    } else {
        // A failing text names the file it was run on.
        Stmt s;
        if (const int rc = prepare(db, Source, s); rc != SQLITE_OK) {
            const EngineFailure f = ActiveConnection->noteReadFailure(rc);
            throw Error(f.number,
                        QStringLiteral("Errore nell'interrogazione \"%1\" sul file '%2': %3.")
                            .arg(Source.trimmed(), ActiveConnection->dataSource(), f.reason));
        }
        const int n = sqlite3_column_count(s.get());
        for (int c = 0; c < n; ++c) {
            names_ << QString::fromUtf8(sqlite3_column_name(s.get(), c));
            const char *decl = sqlite3_column_decltype(s.get(), c);
            kinds_.push_back(kindFromDecl(QString::fromUtf8(decl ? decl : ""), false));
        }
        auto rows = std::make_shared<Rows>();
        int rc;
        while ((rc = sqlite3_step(s.get())) == SQLITE_ROW)
            for (int c = 0; c < n; ++c)
                rows->push_back(fromColumn(s.get(), c, kinds_[c]));
        if (rc != SQLITE_DONE)
            throw ActiveConnection->readError(rc);
        ActiveConnection->readSucceeded();
        rows_ = std::move(rows);
        open_ = true;
    }
    pos_ = count() > 0 ? 0 : -1;
}

std::unique_ptr<Recordset> Recordset::Clone() const
{
    requireOpen();
    auto clone = std::make_unique<Recordset>();
    clone->CursorType = CursorType;
    clone->LockType = LockType;
    clone->Source = Source;
    clone->ActiveConnection = ActiveConnection;
    if (table_) {
        clone->Open();
        return clone;
    }
    clone->names_ = names_;
    clone->kinds_ = kinds_;
    clone->rows_ = rows_;
    clone->open_ = true;
    clone->pos_ = clone->count() > 0 ? 0 : -1;
    return clone;
}

void Recordset::Close()
{
    open_ = false;
    statements_->clear();
    rows_ = std::make_shared<const Rows>();
    keys_.clear();
    row_.clear();
    pending_.clear();
    rowLoaded_ = adding_ = deleted_ = false;
}

void Recordset::requireOpen() const
{
    if (!open_)
        throw Error(err::ObjectClosed,
                    QStringLiteral("Operazione non consentita se l'oggetto è chiuso."));
}

long Recordset::count() const
{
    return table_             ? long(keys_.size())
           : names_.isEmpty() ? 0
                              : long(rows_->size()) / long(names_.size());
}

long Recordset::RecordCount() const
{
    requireOpen();
    return count();
}

bool Recordset::isBOF() const
{
    requireOpen();
    return !adding_ && (count() == 0 || pos_ < 0);
}

bool Recordset::isEOF() const
{
    requireOpen();
    return !adding_ && (count() == 0 || pos_ >= count());
}

void Recordset::requireCurrent() const
{
    requireOpen();
    if (adding_)
        return;
    if (deleted_ || pos_ < 0 || pos_ >= count())
        throw noCurrent();
}

// The keys are read again when the file may have changed since: a commit by
// another connection, or a change through this one (any recordset on it).
void Recordset::refreshKeys()
{
    if (ActiveConnection->changeMark() != keysMark_ || keysMark_.first < 0)
        reloadKeys();
}

// Only a read that ran to its end counts: one that failed half-way keeps
// the keys read before and is made again next time.
void Recordset::reloadKeys()
{
    keysMark_ = {-1, -1};
    const ChangeMark mark = ActiveConnection->changeMark();
    const Run s(statement(QStringLiteral("SELECT %1 FROM %2 ORDER BY %1")
                              .arg(quoteIdent(names_.front()), quoteIdent(tableName_))));
    std::vector<std::int64_t> keys;
    keys.reserve(keys_.size());
    int rc;
    while ((rc = sqlite3_step(s.get())) == SQLITE_ROW)
        keys.push_back(sqlite3_column_int64(s.get(), 0));
    if (rc != SQLITE_DONE)
        throw ActiveConnection->readError(rc);
    ActiveConnection->readSucceeded();
    keys_ = std::move(keys);
    keysMark_ = mark;
}

void Recordset::keepKeys(std::optional<std::int64_t> changes)
{
    if (!changes)
        return;
    keysMark_.second = *changes;
}

void Recordset::commitPending()
{
    if (adding_ || !pending_.empty())
        Update();
}

void Recordset::moveToEnd(bool last)
{
    requireOpen();
    commitPending();
    if (table_)
        refreshKeys();
    if (count() == 0)
        throw noCurrent();
    pos_ = last ? count() - 1 : 0;
    deleted_ = rowLoaded_ = false;
}

void Recordset::MoveFirst()
{
    moveToEnd(false);
}

void Recordset::MoveLast()
{
    moveToEnd(true);
}

void Recordset::MoveNext()
{
    requireOpen();
    commitPending();
    // After a delete the position already names the row that followed.
    if (deleted_) {
        deleted_ = rowLoaded_ = false;
        return;
    }
    if (isEOF())
        throw noCurrent();
    ++pos_;
    deleted_ = rowLoaded_ = false;
}

void Recordset::MovePrevious()
{
    requireOpen();
    commitPending();
    if (!deleted_ && isBOF())
        throw noCurrent();
    --pos_;
    deleted_ = rowLoaded_ = false;
}

void Recordset::Move(long n)
{
    requireOpen();
    commitPending();
    if (n == 0)
        return;
    // From a deleted row the move counts from the place it left, as MoveNext
    // and MovePrevious do, even when that place is now past either end.
    if (!deleted_ && ((n > 0 && isEOF()) || (n < 0 && isBOF())))
        throw noCurrent();
    long target = pos_ + n - ((deleted_ && n > 0) ? 1 : 0);
    pos_ = std::clamp(target, -1L, count());
    deleted_ = rowLoaded_ = false;
}

int Recordset::FieldsCount() const
{
    requireOpen();
    return int(names_.size());
}

ColumnKind Recordset::kindOf(int index) const
{
    return kinds_.at(index);
}

int Recordset::indexOf(const QString &name) const
{
    for (int i = 0; i < names_.size(); ++i)
        if (names_[i].compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

Field Recordset::Fields(int index)
{
    requireOpen();
    if (index < 0 || index >= names_.size())
        throw Error(err::ItemNotFound,
                    QStringLiteral("Elemento %1 non trovato nell'insieme.").arg(index));
    return Field(this, index);
}

Field Recordset::Fields(const QString &name)
{
    requireOpen();
    const int i = indexOf(name);
    if (i < 0)
        throw Error(err::ItemNotFound,
                    QStringLiteral("Elemento '%1' non trovato nell'insieme.").arg(name));
    return Field(this, i);
}

void Recordset::loadRow()
{
    if (rowLoaded_)
        return;
    const Run s(statement(QStringLiteral("SELECT * FROM %1 WHERE %2 = ?")
                              .arg(quoteIdent(tableName_), quoteIdent(names_.front()))));
    sqlite3_bind_int64(s.get(), 1, keys_[pos_]);
    const int rc = sqlite3_step(s.get());
    if (rc == SQLITE_DONE)
        throw noCurrent(); // deleted behind our back
    if (rc != SQLITE_ROW)
        throw ActiveConnection->readError(rc);
    ActiveConnection->readSucceeded();
    row_.clear();
    for (int c = 0; c < names_.size(); ++c)
        row_.push_back(fromColumn(s.get(), c, kinds_[c]));
    for (const auto &[c, v] : pending_)
        row_[c] = v;
    rowLoaded_ = true;
}

Variant Recordset::read(int index)
{
    requireCurrent();
    if (!table_)
        return (*rows_)[std::size_t(pos_) * names_.size() + index];
    if (adding_) {
        const auto it = pending_.find(index);
        return it == pending_.end() ? Variant::null() : it->second;
    }
    if (index == 0)
        return Variant(keys_[pos_]);
    loadRow();
    return row_[index];
}

void Recordset::write(int index, const Variant &v)
{
    requireCurrent();
    if (!table_)
        throw Error(err::ReadOnly, QStringLiteral("Il recordset è di sola lettura."));
    if (kinds_[index] == ColumnKind::Key)
        throw Error(err::ReadOnly,
                    QStringLiteral("Il campo '%1' non può essere aggiornato.").arg(names_[index]));
    const Variant stored = toColumn(v, kinds_[index], names_[index]);
    pending_[index] = stored;
    if (rowLoaded_)
        row_[index] = stored;
}

void Recordset::AddNew()
{
    requireOpen();
    if (!table_)
        throw Error(err::ReadOnly, QStringLiteral("Il recordset è di sola lettura."));
    commitPending();
    adding_ = true;
    deleted_ = rowLoaded_ = false;
    pending_.clear();
}

void Recordset::CancelUpdate()
{
    requireOpen();
    adding_ = false; // back on the row that was current before AddNew
    pending_.clear();
    rowLoaded_ = false;
}

void Recordset::Update()
{
    requireOpen();
    if (!table_)
        throw Error(err::ReadOnly, QStringLiteral("Il recordset è di sola lettura."));
    if (!adding_ && pending_.empty())
        return;
    ActiveConnection->requireWritable();
    sqlite3 *db = ActiveConnection->handle();
    if (adding_) {
        QStringList cols, marks;
        for (const auto &[c, v] : pending_) {
            cols << quoteIdent(names_[c]);
            marks << QStringLiteral("?");
        }
        const QString sql = cols.isEmpty()
                                ? QStringLiteral("INSERT INTO %1 DEFAULT VALUES")
                                      .arg(quoteIdent(tableName_))
                                : QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                      .arg(quoteIdent(tableName_), cols.join(QLatin1Char(',')),
                                           marks.join(QLatin1Char(',')));
        const Run s(statement(sql, Access::Write));
        int i = 1;
        for (const auto &[c, v] : pending_)
            bind(s.get(), i++, v);
        const std::optional<std::int64_t> mark = runWrite(s.get());
        const std::int64_t key = sqlite3_last_insert_rowid(db);
        const auto at = std::lower_bound(keys_.begin(), keys_.end(), key);
        pos_ = long(at - keys_.begin());
        keys_.insert(at, key);
        keepKeys(mark);
        adding_ = false;
    } else {
        requireCurrent();
        QStringList sets;
        for (const auto &[c, v] : pending_)
            sets << quoteIdent(names_[c]) + QStringLiteral(" = ?");
        const Run s(statement(QStringLiteral("UPDATE %1 SET %2 WHERE %3 = ?")
                                  .arg(quoteIdent(tableName_), sets.join(QLatin1Char(',')),
                                       quoteIdent(names_.front())),
                              Access::Write));
        int i = 1;
        for (const auto &[c, v] : pending_)
            bind(s.get(), i++, v);
        sqlite3_bind_int64(s.get(), i, keys_[pos_]);
        const std::optional<std::int64_t> mark = runWrite(s.get());
        if (sqlite3_changes(db) == 0)
            throw noCurrent();
        keepKeys(mark); // the key column is never written
    }
    pending_.clear();
    rowLoaded_ = false;
}

void Recordset::Delete(int affect)
{
    requireCurrent();
    if (!table_)
        throw Error(err::ReadOnly, QStringLiteral("Il recordset è di sola lettura."));
    if (affect != 1)
        throw Error(err::ReadOnly, QStringLiteral("Solo il record corrente può essere eliminato."));
    if (adding_) { // cancels the row not yet stored
        adding_ = false;
        pending_.clear();
        deleted_ = true;
        return;
    }
    ActiveConnection->requireWritable();
    const Run s(statement(QStringLiteral("DELETE FROM %1 WHERE %2 = ?")
                              .arg(quoteIdent(tableName_), quoteIdent(names_.front())),
                          Access::Write));
    sqlite3_bind_int64(s.get(), 1, keys_[pos_]);
    const std::optional<std::int64_t> mark = runWrite(s.get());
    keys_.erase(keys_.begin() + pos_);
    keepKeys(mark);
    pending_.clear();
    deleted_ = true;
    rowLoaded_ = false;
}

} // namespace ado
