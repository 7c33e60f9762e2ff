#pragma once
// Numbers as the boxes and the printed sheet read and show them: the four
// number box variants, the strict reading of a typed number, the display
// patterns and the plain focus-in text, all on the exact decimals of
// platform/numeri (which also round half to even on the decimal face).
// Fixed Italian rules (decimal comma, grouping full stop) whatever the
// machine's locale. No widget here: the controllers in Campi.h only move
// texts in and out.

#include "platform/db/Variant.h"
#include "platform/numeri/Decimale.h"

#include <QString>
#include <optional>

namespace scheda {

// A double gives back every decimal of up to 15 significant digits; whole
// parts of more than 15 digits are out of range.
inline constexpr int MassimoCifre = 15;
inline constexpr double LimiteNumero = 1e15;

// The four number box variants.
enum class Variante {
    Intero,      // whole amount: 0 decimals, "#,##0"
    Decimi,      // tenths: 1 decimal, "#,###.0", raised to the next tenth
    DueDecimali, // two-decimal amount: 2 decimals, "#,###.#0"
    Percentuale, // percentage: 3 decimals kept, "#,###.#0", at most 100
};

int decimaliConservati(Variante v);
int decimaliMostrati(Variante v);

// Reads a typed number strictly: an optional "-" or "+", the whole part
// plain ("1234") or grouped by full stops in threes ("1.234"), an optional
// "," with decimals or none ("5," is 5); at least one digit. Everything our
// patterns and the plain focus-in text write reads back, and so do the forms
// a user writes for a plain number ("+7", "5,"); "1.5", "++1", " 1", "1e5",
// "inf", "nan" do not. Numbers a double cannot hold exactly (more than 15
// significant digits, more than 15 whole digits) are refused as well.
std::optional<numeri::Decimale> leggiNumero(const QString &testo);

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

} // namespace scheda
