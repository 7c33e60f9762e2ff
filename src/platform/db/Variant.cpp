#include "platform/db/Variant.h"
#include "platform/db/Error.h"
#include "platform/numeri/Decimale.h"

#include <QRegularExpression>
#include <cmath>
#include <limits>

namespace ado {

Variant Variant::null()
{
    Variant v;
    v.kind_ = Kind::Null;
    return v;
}

Variant::Variant(int v)
    : kind_(Kind::Integer)
    , data_(std::int64_t(v))
{}
Variant::Variant(std::int64_t v)
    : kind_(Kind::Integer)
    , data_(v)
{}
Variant::Variant(double v)
    : kind_(Kind::Double)
    , data_(v)
{}
Variant::Variant(const QString &v)
    : kind_(Kind::Text)
    , data_(v)
{}
Variant::Variant(const char *v)
    : kind_(Kind::Text)
    , data_(QString::fromUtf8(v))
{}
Variant::Variant(const QDate &v)
    : kind_(Kind::Date)
    , data_(v)
{}

double roundHalfEven(double value, int decimals)
{
    if (!std::isfinite(value))
        return value;
    if (decimals <= 0) {
        // Whole units: nearbyint rounds half to even in the default rounding
        // mode, and every double is exact here, so no tolerance is needed.
        const double scale = std::pow(10.0, -decimals);
        return std::nearbyint(value / scale) * scale;
    }
    // Decimals: on the value's decimal face (2.675 is 2.675, not
    // 2.67499999...); a negative value that rounds to zero keeps its sign.
    return std::copysign(numeri::arrotondaPari(value, decimals), value);
}

QString formatDateIt(const QDate &d)
{
    return QStringLiteral("%1/%2/%3")
        .arg(d.day(), 2, 10, QLatin1Char('0'))
        .arg(d.month(), 2, 10, QLatin1Char('0'))
        .arg(d.year(), 4, 10, QLatin1Char('0'));
}

QDate parseDateIt(const QString &text)
{
    static const QRegularExpression re(QStringLiteral("^\\s*(\\d{1,2})/(\\d{1,2})/(\\d{4})\\s*$"));
    const auto m = re.match(text);
    if (!m.hasMatch())
        return {};
    return QDate(m.captured(3).toInt(), m.captured(2).toInt(), m.captured(1).toInt());
}

namespace {

QString formatNumberIt(double v)
{
    if (v == 0.0)
        return QStringLiteral("0"); // also for -0
    if (!std::isfinite(v))
        return std::isnan(v) ? QStringLiteral("nan")
               : v < 0       ? QStringLiteral("-inf")
                             : QStringLiteral("inf");
    // Fifteen significant digits, an exact half away from zero, as far as the
    // plain form reaches (10^-4 up to 10^15); beyond, the nearest whole
    // number with every digit (a tiny negative number gives "-0").
    const numeri::Decimale d = numeri::decimaleDi(v, 15, false);
    const int esponente = d.cifreIntere() - 1;
    if (esponente >= -4 && esponente < 15)
        return d.testo();
    const numeri::Decimale intero = numeri::interoDi(v);
    return intero.zero() && v < 0 ? QStringLiteral("-0") : intero.testo();
}

// Reads a number the way the program reads one under Italian settings,
// blanks around it allowed.
bool parseNumberIt(const QString &text, double &out)
{
    // The blanks of the C locale only (a no-break space is no blank here).
    const auto blank = [](QChar c) { return c == u' ' || (c >= u'\t' && c <= u'\r'); };
    QStringView t(text);
    while (!t.isEmpty() && blank(t.front()))
        t = t.sliced(1);
    while (!t.isEmpty() && blank(t.back()))
        t.chop(1);
    const std::optional<numeri::Decimale> d = numeri::leggiItaliano(t);
    if (!d)
        return false;
    bool ok = false;
    out = d->valore(&ok);
    if (t.startsWith(u'-') && out == 0.0)
        out = -0.0; // "-0" is negative zero
    return ok;
}

} // namespace

QString Variant::toText() const
{
    switch (kind_) {
    case Kind::Empty:
        return QString();
    case Kind::Null:
        throw Error(err::InvalidUseOfNull, QStringLiteral("Utilizzo non valido di Null"));
    case Kind::Integer:
        return QString::number(integer());
    case Kind::Double:
        return formatNumberIt(real());
    case Kind::Text:
        return text();
    case Kind::Date:
        return formatDateIt(date());
    }
    return QString();
}

double Variant::toDouble() const
{
    switch (kind_) {
    case Kind::Empty:
        return 0.0;
    case Kind::Null:
        throw Error(err::InvalidUseOfNull, QStringLiteral("Utilizzo non valido di Null"));
    case Kind::Integer:
        return double(integer());
    case Kind::Double:
        return real();
    case Kind::Text: {
        double v = 0;
        if (!parseNumberIt(text(), v))
            throw Error(err::TypeMismatch, QStringLiteral("Tipo non corrispondente"));
        return v;
    }
    case Kind::Date:
        return double(QDate(1899, 12, 30).daysTo(date()));
    }
    return 0.0;
}

std::int32_t Variant::toInt32() const
{
    const double r = roundHalfEven(toDouble());
    if (!(r >= double(std::numeric_limits<std::int32_t>::min())
          && r <= double(std::numeric_limits<std::int32_t>::max())))
        throw Error(err::Overflow, QStringLiteral("Overflow"));
    return std::int32_t(r);
}

QDate Variant::toDate() const
{
    switch (kind_) {
    case Kind::Date:
        return date();
    case Kind::Text: {
        const QDate d = parseDateIt(text());
        if (d.isValid())
            return d;
        break;
    }
    case Kind::Null:
        throw Error(err::InvalidUseOfNull, QStringLiteral("Utilizzo non valido di Null"));
    default:
        break;
    }
    throw Error(err::TypeMismatch, QStringLiteral("Tipo non corrispondente"));
}

bool Variant::looselyEquals(const Variant &o) const
{
    if (isNull() || o.isNull())
        return false;
    if (isEmpty() && o.isEmpty())
        return true;
    if (isDate() || o.isDate()) {
        const Variant &other = isDate() ? o : *this;
        const QDate mine = isDate() ? date() : o.date();
        if (other.isDate())
            return other.date() == mine;
        if (other.isText())
            return parseDateIt(other.text()) == mine;
        return false;
    }
    const bool textA = isText() || isEmpty();
    const bool textB = o.isText() || o.isEmpty();
    if (textA && textB)
        return toText() == o.toText();
    if (isNumber() && o.isNumber())
        return toDouble() == o.toDouble();
    // A number against a text (or Empty): the text must read as that number.
    const Variant &num = isNumber() ? *this : o;
    const Variant &txt = isNumber() ? o : *this;
    if (txt.isEmpty())
        return num.toDouble() == 0.0;
    double v = 0;
    return parseNumberIt(txt.text(), v) && v == num.toDouble();
}

} // namespace ado
