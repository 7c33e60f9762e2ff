#pragma once
// A loosely typed value as the record layer and the in-memory sheet hold it:
// Empty (never assigned), Null (a column with no value), a whole number,
// a double, a text or a date. Conversions follow fixed Italian rules
// (decimal comma, grouping full stop, dd/mm/yyyy) whatever the machine's locale.

#include <QDate>
#include <QString>
#include <cstdint>
#include <variant>

namespace ado {

class Variant
{
public:
    enum class Kind { Empty, Null, Integer, Double, Text, Date };

    Variant() = default;
    static Variant null();
    Variant(int v);
    Variant(std::int64_t v);
    Variant(double v);
    Variant(const QString &v);
    Variant(const char *v);
    Variant(const QDate &v);

    Kind kind() const { return kind_; }
    bool isEmpty() const { return kind_ == Kind::Empty; }
    bool isNull() const { return kind_ == Kind::Null; }
    bool isNumber() const { return kind_ == Kind::Integer || kind_ == Kind::Double; }
    bool isText() const { return kind_ == Kind::Text; }
    bool isDate() const { return kind_ == Kind::Date; }

    // The raw payloads; callers check kind() first.
    std::int64_t integer() const { return std::get<std::int64_t>(data_); }
    double real() const { return std::get<double>(data_); }
    const QString &text() const { return std::get<QString>(data_); }
    QDate date() const { return std::get<QDate>(data_); }

    // CStr: Empty gives "", numbers in Italian notation without grouping,
    // dates as dd/mm/yyyy. Throws 94 (invalid use of Null) on Null.
    QString toText() const;
    // CDbl: Empty gives 0; text is read in Italian notation. Throws 13 on text
    // that is no number, 94 on Null.
    double toDouble() const;
    // CLng: rounds half to even; throws 6 (overflow) outside 32 bits.
    std::int32_t toInt32() const;
    // CDate: from a date or a "d/m/yyyy" text ("01/01/1000" included).
    QDate toDate() const;

    // Loose equality, as the program compares values: Empty equals 0
    // and "", numbers compare numerically, a date and a text compare as dates
    // when the text reads as a date. Null equals nothing.
    bool looselyEquals(const Variant &other) const;

    bool operator==(const Variant &o) const { return kind_ == o.kind_ && data_ == o.data_; }

private:
    Kind kind_ = Kind::Empty;
    std::variant<std::monostate, std::int64_t, double, QString, QDate> data_;
};

// Round half to even at the given number of decimals, as the runtime's Round.
double roundHalfEven(double value, int decimals = 0);

// Italian date text "dd/mm/yyyy" for a date (four-digit year, zero padded).
QString formatDateIt(const QDate &d);
// Reads "d/m/yyyy" (also "dd/mm/yyyy"); an invalid QDate when it is no date.
QDate parseDateIt(const QString &text);

} // namespace ado
