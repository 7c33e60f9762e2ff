#pragma once
// Records the statements a connection runs while it is watched.

#include "platform/db/Connection.h"

#include <QStringList>
#include <sqlite3.h>

class ContaIstruzioni
{
public:
    explicit ContaIstruzioni(ado::Connection &c)
        : db_(c.handle())
    {
        sqlite3_trace_v2(db_, SQLITE_TRACE_STMT, &ContaIstruzioni::traccia, this);
    }
    ~ContaIstruzioni() { sqlite3_trace_v2(db_, 0, nullptr, nullptr); }
    ContaIstruzioni(const ContaIstruzioni &) = delete;
    ContaIstruzioni &operator=(const ContaIstruzioni &) = delete;

    // The texts run, in order.
    QStringList istruzioni;

private:
    static int traccia(unsigned, void *ctx, void *stmt, void *)
    {
        static_cast<ContaIstruzioni *>(ctx)->istruzioni
            << QString::fromUtf8(sqlite3_sql(static_cast<sqlite3_stmt *>(stmt)));
        return 0;
    }
    sqlite3 *db_;
};
