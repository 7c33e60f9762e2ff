#include "platform/db/Variant.h"
#include "platform/db/Error.h"

#include <QRegularExpression>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace ado {

Variant Variant::null()
{
    Variant v;
    v.kind_ = Kind::Null;
    return v;
}

Variant::Variant(int v) : kind_(Kind::Integer), data_(std::int64_t(v)) {}
Variant::Variant(std::int64_t v) : kind_(Kind::Integer), data_(v) {}
Variant::Variant(double v) : kind_(Kind::Double), data_(v) {}
Variant::Variant(const QString &v) : kind_(Kind::Text), data_(v) {}
Variant::Variant(const char *v) : kind_(Kind::Text), data_(QString::fromUtf8(v)) {}
Variant::Variant(const QDate &v) : kind_(Kind::Date), data_(v) {}

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
    // Decimals: the value is taken at its decimal face (the shortest text that
    // reads back as it, so 2.675 is 2.675 and not 2.67499999...), rounded as
    // decimal digits and read back.
    char buf[400];
    const auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed);
    if (res.ec != std::errc())
        return value;
    std::string face(buf, res.ptr);
    const bool negative = !face.empty() && face.front() == '-';
    if (negative)
        face.erase(0, 1);
    const std::size_t dot = face.find('.');
    if (dot == std::string::npos || face.size() - dot - 1 <= std::size_t(decimals))
        return value; // no more decimals than asked for
    std::string kept = face.substr(0, dot) + face.substr(dot + 1, std::size_t(decimals));
    const std::string rest = face.substr(dot + 1 + std::size_t(decimals));
    bool up;
    if (rest.front() != '5')
        up = rest.front() > '5';
    else if (rest.find_first_not_of('0', 1) != std::string::npos)
        up = true;
    else
        up = (kept.back() - '0') % 2 == 1; // an exact half: to the even digit
    if (up) {
        std::size_t i = kept.size();
        while (i > 0 && kept[i - 1] == '9')
            kept[--i] = '0';
        if (i == 0)
            kept.insert(kept.begin(), '1');
        else
            ++kept[i - 1];
    }
    kept.insert(kept.size() - std::size_t(decimals), 1, '.');
    if (negative)
        kept.insert(kept.begin(), '-');
    double out = value;
    std::from_chars(kept.data(), kept.data() + kept.size(), out);
    return out;
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
    QString s = QString::number(v, 'g', 15);
    if (s.contains(QLatin1Char('e')) || s.contains(QLatin1Char('E')))
        s = QString::number(v, 'f', 0);
    s.replace(QLatin1Char('.'), QLatin1Char(','));
    return s;
}

// Reads a number the way the runtime does under Italian settings: an
// optional sign, digits grouped by '.', an optional ',' and decimals.
bool parseNumberIt(const QString &text, double &out)
{
    static const QRegularExpression re(QStringLiteral("^\\s*([+-]?)(\\d{1,3}(?:\\.\\d{3})+|\\d*)(?:,(\\d*))?\\s*$"));
    const auto m = re.match(text);
    if (!m.hasMatch())
        return false;
    QString intPart = m.captured(2);
    const QString frac = m.captured(3);
    if (intPart.isEmpty() && frac.isEmpty())
        return false;
    intPart.remove(QLatin1Char('.'));
    QString c = m.captured(1) + (intPart.isEmpty() ? QStringLiteral("0") : intPart);
    if (!frac.isEmpty())
        c += QLatin1Char('.') + frac;
    bool ok = false;
    out = c.toDouble(&ok);
    return ok && std::isfinite(out);
}

} // namespace

QString Variant::toText() const
{
    switch (kind_) {
    case Kind::Empty: return QString();
    case Kind::Null: throw Error(err::InvalidUseOfNull, QStringLiteral("Utilizzo non valido di Null"));
    case Kind::Integer: return QString::number(integer());
    case Kind::Double: return formatNumberIt(real());
    case Kind::Text: return text();
    case Kind::Date: return formatDateIt(date());
    }
    return QString();
}

double Variant::toDouble() const
{
    switch (kind_) {
    case Kind::Empty: return 0.0;
    case Kind::Null: throw Error(err::InvalidUseOfNull, QStringLiteral("Utilizzo non valido di Null"));
    case Kind::Integer: return double(integer());
    case Kind::Double: return real();
    case Kind::Text: {
        double v = 0;
        if (!parseNumberIt(text(), v))
            throw Error(err::TypeMismatch, QStringLiteral("Tipo non corrispondente"));
        return v;
    }
    case Kind::Date: return double(QDate(1899, 12, 30).daysTo(date()));
    }
    return 0.0;
}

std::int32_t Variant::toInt32() const
{
    const double r = roundHalfEven(toDouble());
    if (!(r >= double(std::numeric_limits<std::int32_t>::min()) && r <= double(std::numeric_limits<std::int32_t>::max())))
        throw Error(err::Overflow, QStringLiteral("Overflow"));
    return std::int32_t(r);
}

QDate Variant::toDate() const
{
    switch (kind_) {
    case Kind::Date: return date();
    case Kind::Text: {
        const QDate d = parseDateIt(text());
        if (d.isValid())
            return d;
        break;
    }
    case Kind::Null: throw Error(err::InvalidUseOfNull, QStringLiteral("Utilizzo non valido di Null"));
    default: break;
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
