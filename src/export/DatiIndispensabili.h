#pragma once
// The data a sheet must hold to be exported, tested in a fixed order on the
// export row: the first one missing is the one the user is told of.

#include <QString>
#include <optional>
#include <span>

namespace ado {
class Recordset;
}

namespace esportazione {

// Text: fails when empty (blanks pass). Date: fails on Null and on the empty
// date 01/01/1000. Number: fails on exactly 0 (a negative passes).
// Percentages: fails when none of the share percentages is other than 0.
enum class Prova { Testo, Data, Numero, Percentuali };

struct DatoIndispensabile
{
    const char *colonna; // nullptr for the percentages, which test colonnePercentuali()
    Prova prova;
    const char *messaggio;
};

inline const QString TitoloDatiIndispensabili = QStringLiteral(
    "Dati indispensabili per l'esportazione (vedi Help)");

// The sixteen tests, in their order.
std::span<const DatoIndispensabile> datiIndispensabili();
// The fourteen share percentages of page 6, all read by the last test.
std::span<const char *const> colonnePercentuali();

// The message of the first test that fails on the current row of rs, or
// nothing. The value under test goes through TestoMaiuscolo, ValoreData and
// ValoreNumero, which keep the last one tested.
std::optional<QString> primoDatoMancante(ado::Recordset &rs);

} // namespace esportazione
