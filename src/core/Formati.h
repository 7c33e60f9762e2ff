#pragma once
// The pure core of the field handler families: how a box shows a stored
// value, how it reads what was typed, how it rounds, and what a commit does
// to the variable and the page-modified flag. Fixed Italian rules (decimal
// comma, grouping full stop, dd/mm/yyyy) whatever the machine's locale.
// No widget here: the controllers in Campi.h only move texts in and out.

#include "platform/db/Variant.h"
#include "core/ColonneDati.h"

#include <QByteArray>
#include <QDate>
#include <QString>
#include <optional>

namespace scheda::campi {

// The four number box variants.
enum class Variante {
    Intero,      // whole amount: 0 decimals, "#,##0"
    Decimi,      // tenths: 1 decimal, "#,###.0", raised to the next tenth
    DueDecimali, // two-decimal amount: 2 decimals, "#,###.#0"
    Percentuale, // percentage: 3 decimals kept, "#,###.#0", at most 100
};

int decimaliConservati(Variante v);
int decimaliMostrati(Variante v);

// An exact decimal number: digits without leading zeros (empty for zero) and
// how many of them stand after the decimal point (no trailing zeros there).
struct Decimale {
    bool negativo = false;
    QByteArray cifre;
    int decimali = 0;

    bool zero() const { return cifre.isEmpty(); }
    int cifreIntere() const { return int(cifre.size()) - decimali; }
    // Significant digits, trailing zeros of the whole part not counted.
    int cifreSignificative() const;
    // The nearest double (correctly rounded, no binary drift on the way).
    double valore() const;
    // Rounded at `decimali` places: half to the even neighbour, or half away
    // from zero (the display patterns).
    Decimale arrotondato(int decimali, bool mezzoPari) const;
};

// Reads a typed number strictly: an optional "-" or "+", the whole part
// plain ("1234") or grouped by full stops in threes ("1.234"), an optional
// "," with decimals or none ("5," is 5); at least one digit. Everything our
// patterns and the plain focus-in text write reads back, and so do the forms
// a user writes for a plain number ("+7", "5,"); "1.5", "++1", " 1", "1e5",
// "inf", "nan" do not. Numbers a double cannot hold exactly (more than 15
// significant digits, more than 15 whole digits) are refused as well.
std::optional<Decimale> leggiNumero(const QString &testo);

// The decimal a double stands for: the shortest one that reads back as the
// same double, or rounded to `cifre` significant digits when given.
Decimale decimaleDi(double v, int cifre = 0);

// Round half to even on the decimal face of the value.
double arrotondaPari(double v, int decimali);

// A stored value as a number for the numeric comparisons: Empty is 0, a text
// counts when it reads as a number; otherwise nothing (it never compares equal).
std::optional<double> numeroDi(const ado::Variant &v);

// The plain text of a stored value as a box shows it on focus-in: a number
// with up to 15 significant digits, the decimal comma and no grouping
// (1500, 12,5, 0,5); negative zero as 0; a date as dd/mm/yyyy; Empty as "".
QString testoSemplice(const ado::Variant &v);

// A number in a variant's display pattern: "#,##0" (0, 1.234, -1.500),
// "#,###.0" (1.234,0, ,5, ,0) or "#,###.#0" (1.234,50, ,25, ,00).
QString formattaNumero(double v, Variante variante);
// The same for a stored value (Empty as 0; a text that is no number as it stands).
QString formattaValore(const ado::Variant &v, Variante variante);
// "##0": a number (or a text holding one) as a whole number without grouping;
// any other text, the empty text included, as it stands.
QString formattaAnno(const ado::Variant &v);

// Case mapped one character to one ("ß" stays "ß"), so a text never grows
// beyond its box's length limit.
QString maiuscolo(const QString &s);
QString minuscolo(const QString &s);

// At most the first `n` UTF-16 units of a text, one less rather than half a
// surrogate pair.
QString primiCaratteri(const QString &s, int n);

// A text entering a one-line box (typed, pasted, dropped): TAB, CR, LF and
// the line and paragraph separators become a blank, every other control
// character goes, and so does half a surrogate pair.
QString testoInRiga(const QString &entrato);

// An edit of a one-line box of `limite` UTF-16 units (0: none): `prima` is
// its text before, `dopo` the text the edit left, with the caret at
// `cursore`, just after what came in. What came in is cleaned (testoInRiga)
// and cut to the room the limit leaves, at a whole character; the rest of the
// text stays as it stood, a stored text with control characters included.
struct Riga {
    QString testo;
    int cursore = 0;
};
Riga modificaRiga(const QString &prima, const QString &dopo, int cursore, int limite);

// The name given to a sheet (the first run, "Nuovo"): one line, upper case,
// cut to the 50 characters of its column.
inline constexpr int LunghezzaDenominazione = 50;
QString nomeScheda(const QString &risposta);

// Dates.
inline const QString MascheraVuota = QStringLiteral("__/__/____");
inline const QString DataVuota = QStringLiteral("01/01/1000");
// A stored date as text in the short date form (dd/mm/yyyy), for the
// comparisons with the empty date; Empty gives "".
QString testoDataMemorizzata(const ado::Variant &v);
// A stored date in the pattern dd/mm/yyyy (the empty date too, as 01/01/1000).
QString formattaData(const ado::Variant &v);
// What a date box shows: the empty mask for the empty date, else dd/mm/yyyy.
QString testoCasellaData(const ado::Variant &v);
// A filled mask read as a date: exactly dd/mm/yyyy, a real calendar day,
// years 100 to 9999; a half-filled mask or 31/02 is none.
std::optional<QDate> leggiData(const QString &testo);

// --- Commit outcomes ---------------------------------------------------------

struct EsitoTesto {
    QString testo;           // TestoMaiuscolo: the cased text
    bool modificato = false; // it differs from the stored text: flag and store
};
EsitoTesto confermaTesto(const QString &casella, const ado::Variant &memorizzato, bool minuscole);

struct EsitoNumero {
    bool valido = false;       // false: beep, the stored value comes back
    double valoreNumero = 0;   // ValoreNumero: the typed value
    bool modificato = false;   // the typed value (before rounding) differs, or a percentage was cut to 100
    bool scrivi = false;       // the variable takes `valore`
    double valore = 0;         // the variable after the commit
};
// `fisso` bounds what the column holds: a 32-bit variable refuses what it
// cannot take after rounding.
EsitoNumero confermaNumero(const QString &casella, const ado::Variant &memorizzato, Variante variante,
                           Fisso fisso = Fisso::Nessuno);

struct EsitoData {
    enum Tipo { Vuota, Errata, Valida } tipo = Errata;
    bool modificato = false;
    ado::Variant valore; // Vuota: the text "01/01/1000"; Valida: the date typed
    bool scrivi = false;
};
EsitoData confermaData(const QString &casella, const ado::Variant &memorizzato);

// Option family: a click of code k raises the flag when the stored code differs.
bool opzioneDiversa(const ado::Variant &memorizzato, int codice);

} // namespace scheda::campi
