#pragma once
// A connection to one password-protected database file, set up the way the
// program always does it: Provider, Properties("Data Source"),
// Properties("Jet OLEDB:Database Password"), then Open.

#include <QString>
#include <map>

struct sqlite3;

namespace ado {

class Connection {
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
    // by reading the schema; errors name the file.
    void Open();
    void Close(); // idempotent
    bool isOpen() const { return db_ != nullptr; }

    sqlite3 *handle() const; // throws 3704 when closed
    QString dataSource() const { return property(QStringLiteral("Data Source")); }

private:
    std::map<QString, QString> props_; // keys folded to lower case
    sqlite3 *db_ = nullptr;
};

// Registers the collation ITALIANO on a raw handle; Open does it for every
// connection. First pass: letters without accents or case, apostrophes and
// hyphens skipped, blanks kept; names equal there are then ordered exactly.
void registerItalianCollation(sqlite3 *db);
// The comparison behind it, for tests and for sorting in memory.
int compareItalian(const QString &a, const QString &b);

} // namespace ado
