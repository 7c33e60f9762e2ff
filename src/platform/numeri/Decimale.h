#pragma once
// The exact decimal numbers under every number the program converts: the
// record layer's CStr, CDbl and Round, and the patterns of the boxes and the
// printed sheet. A double is taken at its decimal face, rounded as decimal
// digits and read back as the nearest double, so no binary residue is ever
// rounded or printed (2.675 rounds to 2.68, 0.1 + 0.2 prints as 0,3).
// Written in Italian: decimal comma, grouping full stop.

#include <QString>
#include <QStringView>
#include <QVarLengthArray>
#include <optional>

namespace numeri {

// How a decimal is written.
struct Scrittura
{
    bool raggruppa = false; // a full stop between the groups of three whole digits
    bool zeroIntero = true; // a 0 when there is no whole digit ("0,5"; else ",5")
    int decimaliMinimi = 0; // decimals written at least, zeros added
};

// An exact decimal number: digits without leading zeros (empty for zero) and
// how many of them stand after the decimal point (no trailing zeros there).
// Zero is never negative.
struct Decimale
{
    bool negativo = false;
    QVarLengthArray<char, 32> cifre; // '0' to '9'
    int decimali = 0;

    // The number whose digits were read: the whole part and the decimals,
    // ASCII digits only, either of them possibly empty.
    static Decimale daCifre(bool negativo, QStringView intera, QStringView frazione);

    bool zero() const { return cifre.isEmpty(); }
    int cifreIntere() const { return int(cifre.size()) - decimali; }
    // Significant digits, trailing zeros of the whole part not counted.
    int cifreSignificative() const;
    // The nearest double (correctly rounded, no binary drift on the way).
    // Beyond what a double holds it is infinite, or 0 for a number too small,
    // and *ok is false.
    double valore(bool *ok = nullptr) const;
    // Rounded at `decimali` places (a negative count rounds whole digits: -1
    // to the tens): half to the even neighbour, or half away from zero.
    Decimale arrotondato(int decimali, bool mezzoPari) const;
    // The decimal in Italian notation: "-1234,5", with a Scrittura "-1.234,50".
    QString testo(const Scrittura &scrittura = {}) const;
};

// A number written in Italian: an optional sign, the whole digits plain or
// grouped in threes by full stops, an optional decimal comma and decimals,
// with digits on at least one side of the comma ("5," and ",5" are numbers,
// "+7" is 7). Nothing else, not even a blank: nothing when the text is not one.
std::optional<Decimale> leggiItaliano(QStringView testo);

// The decimal a double stands for: the shortest one that reads back as the
// same double or, given `cifre` (1 to 15: the digits a double always gives
// back), the double rounded to that many significant digits, an exact half
// to the even neighbour or away from zero. Zero, infinities and NaN give 0.
Decimale decimaleDi(double v, int cifre = 0, bool mezzoPari = true);

// The whole number nearest a double, half away from zero, with every digit
// of the double (2^60 is 1152921504606846976).
Decimale interoDi(double v);

// A double rounded half to even on its decimal face (2.675 gives 2.68 at 2
// decimals; -0.001 gives 0 at 2).
double arrotondaPari(double v, int decimali);

} // namespace numeri
