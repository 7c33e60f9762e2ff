#pragma once
// The columns of table "Dati", in the order the pages load them and the
// export copies them: the key id_scheda, then NumeroColonne named columns.
// One table serves the schema of the main and export files, the in-memory
// sheet, the print loader and the export.

#include "platform/db/Variant.h"

#include <QString>
#include <span>

namespace scheda {

enum class Tipo { Testo, Data, Numero, Opzione };
// Variables of the in-memory sheet with a fixed type convert what they take.
enum class Fisso { Nessuno, Testo, Intero32, Doppio };

struct Colonna
{
    const char *nome;
    int pagina; // 1 to 6
    Tipo tipo;
    Fisso fisso;
    int predefinito; // Null default of an option group (1 or 2)
};

inline constexpr const char *ColonnaChiave = "id_scheda";
inline constexpr int NumeroColonne = 243;

std::span<const Colonna> colonneDati();
// The columns of one page, in its order.
std::span<const Colonna> colonnePagina(int pagina);
// Position among the named columns (0-based; the key is not counted), -1 when unknown.
int indiceColonna(const QString &nome);

// What a column's variable takes when the column is Null.
ado::Variant valoreNull(const Colonna &c);
// The declared type of the column in the database file.
QString tipoSql(const Colonna &c);

// CREATE TABLE text of "Dati" (main and export file alike).
QString sqlCreaDati();

} // namespace scheda
