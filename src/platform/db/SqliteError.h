#pragma once
// The one place where a failure of the database engine becomes our error:
// the number the program knows and an Italian text that names the file and
// gives the engine's reason. No engine text reaches the user.

#include "platform/db/Error.h"

#include <QString>

struct sqlite3;

namespace ado {

// How long a call waits for a file that another program holds locked.
constexpr int BusyTimeoutMs = 3000;

// What was being done with the file when the engine failed.
enum class Access { Open, Read, Write };

struct EngineFailure
{
    long number;
    QString reason; // "il file è danneggiato", without the file
    bool lasting;   // the file itself is damaged: trying again cannot help
};

// The failure behind result code `rc` of a call on `db` (which may be null)
// while doing `access` with `file`.
EngineFailure engineFailure(sqlite3 *db, int rc, Access access, const QString &file);

// "Impossibile leggere il file '…': <reason>."
QString failureText(Access access, const QString &file, const QString &reason);
Error engineError(sqlite3 *db, int rc, Access access, const QString &file);

} // namespace ado
