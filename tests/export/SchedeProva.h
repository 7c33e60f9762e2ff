#pragma once
// Complete sheets written straight into the data files of a test program
// folder, and rows of "Dati" read back from a file through a connection of
// their own, for the export tests.

#include "CartellaProva.h"

#include "core/ColonneDati.h"
#include "platform/db/Variant.h"

#include <QList>
#include <QStringList>
#include <optional>

namespace prova {

// The SQL literal of column c in a complete sheet: every column filled, each
// variant with other values, every datum the export requires present.
QString valoreCompleto(const scheda::Colonna &c, int variante);

// Adds a complete sheet of the given variant to Varnex.mdb, the columns
// `nulle` left Null.
void aggiungiSchedaCompleta(const CartellaProva &cartella, int variante,
                            const QStringList &nulle = {});
// Writes every column of sheet `chiave` complete again.
void completaScheda(const CartellaProva &cartella, qint64 chiave, int variante);

// The values of a row of "Dati" of a database file, key first: the row of
// `chiave`, or the first one.
QList<ado::Variant> riga(const QString &percorso, const QString &password,
                         std::optional<qint64> chiave = std::nullopt);
// The number of rows of "Dati" of a database file.
long righe(const QString &percorso, const QString &password);

} // namespace prova
