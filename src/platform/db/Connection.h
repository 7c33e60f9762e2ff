#pragma once
// A connection to one password-protected database file, set up the way the
// program always does it: Provider, Properties("Data Source"),
// Properties("Jet OLEDB:Database Password"), then Open.

#include "platform/db/SqliteError.h"

#include <QString>
#include <cstdint>
#include <map>
#include <optional>
#include <utility>

struct sqlite3;
struct sqlite3_stmt;

namespace ado {

// Tells whether a file may have changed between two moments: equal marks,
// no change. A commit by another connection (of this program or another)
// moves its first part, a change through this connection the second.
using ChangeMark = std::pair<std::int64_t, std::int64_t>;

class Connection
{
public:
    Connection() = default;
    ~Connection();
    Connection(const Connection &) = delete;
    Connection &operator=(const Connection &) = delete;

    QString Provider;

    // Property names match without regard to case.
    void setProperty(const QString &name, const QString &value);
    QString property(const QString &name) const;

    // Opens an existing file (never creates one) and checks the password
    // by reading the schema; errors name the file and tell a missing file,
    // a folder (or anything but a file) in its place, a wrong password (or a
    // damaged first page), a file without password, a damaged one, one
    // locked by another program and a disk that fails a read apart. Every call
    // waits up to BusyTimeoutMs for a file another program holds.
    void Open();
    void Close(); // idempotent
    bool isOpen() const { return db_ != nullptr; }

    sqlite3 *handle() const; // throws 3704 when closed
    QString dataSource() const { return property(QStringLiteral("Data Source")); }

    // The file's mark now (one pragma, kept prepared).
    ChangeMark changeMark();
    // The second part of the mark alone: the changes made through this
    // connection so far, counted in memory (no read of the file).
    std::int64_t changesMade() const;

    // Reads of the file tell the connection how they ended, and every write
    // asks it first: nothing is written into a file whose last read failed.
    // A damaged file stays refused until it is closed; after another failure
    // (a lock, the disk) one read is tried again before the write.
    EngineFailure noteReadFailure(int rc); // what a failed read met, remembered
    Error readError(int rc);               // the same, as the error to raise
    void readSucceeded()
    {
        if (readFailure_ && !readFailure_->lasting)
            readFailure_.reset();
    }
    void requireWritable();
    Error writeError(int rc) const;

private:
    std::map<QString, QString> props_; // keys folded to lower case
    sqlite3 *db_ = nullptr;
    sqlite3_stmt *dataVersion_ = nullptr;
    std::optional<EngineFailure> readFailure_;
};

// Opens the engine's handle on the file at `path` with `flags` (as
// sqlite3_open_v2 takes them) and keys it with `password`: the one way a
// file of the program is opened, by a Connection and by what writes a file
// through the engine itself. As sqlite3_open_v2, *db holds a handle even
// when it fails (for the engine's message), and the caller closes it. The
// key is only tried on the first read.
int openKeyed(const QString &path, const QString &password, int flags, sqlite3 **db);

// Registers the collation ITALIANO on a raw handle; Open does it for every
// connection. First pass: letters without accents or case, apostrophes and
// hyphens skipped, blanks kept; names equal there are then ordered exactly.
void registerItalianCollation(sqlite3 *db);
// The comparison behind it, for tests and for sorting in memory.
int compareItalian(const QString &a, const QString &b);

} // namespace ado
