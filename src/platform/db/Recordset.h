#pragma once
// A cursor over one table (updatable, rows in ascending key order) or over a
// read-only SQL text, with the navigation and editing the program uses.
// Table recordsets are dynamic: rows added or deleted through them show at
// once, and MoveFirst/MoveLast pick up rows changed behind their back.
// A recordset prepares each of its statements once and keeps it until
// Close; none is left running between calls, so it holds no lock on the file.
// A read that fails raises the file's own failure, so that a table that
// cannot be read never looks empty; while the last read of the connection
// has failed, no write goes into the file.

#include "platform/db/Connection.h"
#include "platform/db/SqliteError.h"
#include "platform/db/Variant.h"

#include <QString>
#include <QStringList>
#include <map>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

struct sqlite3_stmt;

namespace ado {

class Recordset;

// ADO's cursor and lock types. A recordset carries them as they are set: how
// it moves and locks does not depend on them.
inline constexpr int adOpenForwardOnly = 0;
inline constexpr int adOpenDynamic = 2;
inline constexpr int adLockReadOnly = 1;
inline constexpr int adLockPessimistic = 2;

// Column kinds, read from the declared type of each column.
enum class ColumnKind { Text, Integer16, Integer32, Double, Date, Key };

class Field
{
public:
    Variant Value() const;
    void setValue(const Variant &v);
    QString Name() const;

private:
    friend class Recordset;
    Field(Recordset *rs, int index)
        : rs_(rs)
        , index_(index)
    {}
    Recordset *rs_;
    int index_;
};

class Recordset
{
public:
    Recordset();
    ~Recordset();
    Recordset(const Recordset &) = delete;
    Recordset &operator=(const Recordset &) = delete;

    int CursorType = adOpenForwardOnly;
    int LockType = adLockReadOnly;
    QString Source;
    Connection *ActiveConnection = nullptr;

    void Open();
    void Close(); // idempotent
    bool isOpen() const { return open_; }
    // A second recordset over the same rows with a position of its own, on
    // its first row. A read-only SQL recordset shares the rows it read (no
    // second query); a table recordset opens afresh on its table.
    std::unique_ptr<Recordset> Clone() const;

    void MoveFirst();
    void MoveNext();
    void MovePrevious();
    void MoveLast();
    void Move(long n);
    // BOF and EOF; EOF is a C macro, hence the names.
    bool isBOF() const;
    bool isEOF() const;

    Field Fields(int index);
    Field Fields(const QString &name); // case-insensitive; 3265 when unknown
    int FieldsCount() const;

    void AddNew();
    void Update(); // one statement; nothing to do when nothing is pending
    // Drops the changes not yet stored (a row being added included), so
    // that a failed write is not stored later by a move.
    void CancelUpdate();
    void Delete(int affect = 1);

    long RecordCount() const;
    ColumnKind kindOf(int index) const;

private:
    friend class Field;
    class Statements;
    // The statement of an SQL text, prepared on first use and kept until Close.
    sqlite3_stmt *statement(const QString &sql, Access access = Access::Read) const;
    Error noCurrent() const; // 3021, naming the file
    // Runs a kept insert, update or delete to its end. When nothing else has
    // changed the file through this connection since the keys were read,
    // gives the connection's count of changes after it: once the caller has
    // put the write into the keys, keepKeys counts it in their mark, and
    // the next MoveFirst reads them again only if another connection has
    // committed since.
    std::optional<std::int64_t> runWrite(sqlite3_stmt *s);
    void keepKeys(std::optional<std::int64_t> changes);
    Variant read(int index);
    void write(int index, const Variant &v);
    int indexOf(const QString &name) const;
    void requireOpen() const;
    void requireCurrent() const;
    void loadRow();
    void reloadKeys();
    void refreshKeys(); // reloadKeys when the file may have changed since
    void commitPending();
    void moveToEnd(bool last); // MoveFirst and MoveLast, with the keys refreshed
    long count() const;

    std::unique_ptr<Statements> statements_;
    bool open_ = false;
    bool table_ = false;
    QString tableName_;
    QStringList names_;
    std::vector<ColumnKind> kinds_;

    // Table mode: the keys in order and the current row's values, read lazily.
    std::vector<std::int64_t> keys_;
    ChangeMark keysMark_{-1, -1}; // the connection's mark when keys_ was read
    std::vector<Variant> row_;
    bool rowLoaded_ = false;
    bool adding_ = false;
    bool deleted_ = false;
    std::map<int, Variant> pending_;

    // SQL mode: every value, read at open, row after row (one block for
    // them all), shared with the clones.
    using Rows = std::vector<Variant>;
    std::shared_ptr<const Rows> rows_ = std::make_shared<const Rows>();

    long pos_ = -1; // -1 before the first row, count() after the last
};

} // namespace ado
