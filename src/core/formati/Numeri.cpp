#include "core/formati/Numeri.h"

#include "platform/db/Error.h"

#include <QRegularExpression>
#include <charconv>
#include <cmath>
#include <string>

namespace scheda::campi {

namespace {

void normalizza(Decimale &d)
{
    int inizio = 0;
    while (inizio < d.cifre.size() && d.cifre.at(inizio) == '0')
        ++inizio;
    d.cifre.remove(0, inizio);
    while (d.decimali > 0 && !d.cifre.isEmpty() && d.cifre.endsWith('0')) {
        d.cifre.chop(1);
        --d.decimali;
    }
    if (d.cifre.isEmpty()) {
        d.negativo = false;
        d.decimali = 0;
    }
}

// Whole part and decimals of a decimal as digit strings ("" for no whole digit).
QByteArray parteIntera(const Decimale &d)
{
    const int n = d.cifreIntere();
    return n > 0 ? d.cifre.left(n) : QByteArray();
}

QByteArray parteDecimale(const Decimale &d)
{
    if (d.decimali == 0)
        return QByteArray();
    const int n = d.cifreIntere();
    return n >= 0 ? d.cifre.mid(n) : QByteArray(-n, '0') + d.cifre;
}

QString raggruppa(const QByteArray &intera)
{
    QString s;
    const int n = int(intera.size());
    for (int i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0)
            s += QLatin1Char('.');
        s += QLatin1Char(intera.at(i));
    }
    return s;
}

QString testoItaliano(const Decimale &d)
{
    QString s = d.negativo ? QStringLiteral("-") : QString();
    const QByteArray intera = parteIntera(d);
    s += intera.isEmpty() ? QStringLiteral("0") : QString::fromLatin1(intera);
    if (d.decimali > 0)
        s += QLatin1Char(',') + QString::fromLatin1(parteDecimale(d));
    return s;
}

} // namespace

int decimaliConservati(Variante v)
{
    switch (v) {
    case Variante::Intero: return 0;
    case Variante::Decimi: return 1;
    case Variante::DueDecimali: return 2;
    case Variante::Percentuale: return 3;
    }
    return 0;
}

int decimaliMostrati(Variante v)
{
    switch (v) {
    case Variante::Intero: return 0;
    case Variante::Decimi: return 1;
    case Variante::DueDecimali:
    case Variante::Percentuale: return 2;
    }
    return 0;
}

int Decimale::cifreSignificative() const
{
    int n = int(cifre.size());
    while (n > 0 && cifre.at(n - 1) == '0')
        --n;
    return n;
}

double Decimale::valore() const
{
    if (zero())
        return 0.0;
    const std::string s = (negativo ? std::string("-") : std::string()) + cifre.toStdString() + "e-"
                          + std::to_string(decimali);
    double v = 0;
    std::from_chars(s.data(), s.data() + s.size(), v);
    return v;
}

Decimale Decimale::arrotondato(int posti, bool mezzoPari) const
{
    if (decimali <= posti)
        return *this;
    const int togliere = decimali - posti;
    const int n = int(cifre.size());
    Decimale r;
    r.negativo = negativo;
    r.decimali = posti;
    bool su = false;
    if (togliere <= n) {
        r.cifre = cifre.left(n - togliere);
        const char primo = cifre.at(n - togliere);
        bool restoNonZero = false;
        for (int k = n - togliere + 1; k < n; ++k)
            restoNonZero = restoNonZero || cifre.at(k) != '0';
        if (primo > '5')
            su = true;
        else if (primo == '5') {
            const bool dispari = !r.cifre.isEmpty() && ((r.cifre.back() - '0') % 2 == 1);
            su = restoNonZero || !mezzoPari || dispari;
        }
    } // more places to drop than digits: the first dropped digit is a 0
    if (su) {
        int i = int(r.cifre.size()) - 1;
        while (i >= 0 && r.cifre.at(i) == '9') {
            r.cifre[i] = '0';
            --i;
        }
        if (i >= 0)
            r.cifre[i] = char(r.cifre.at(i) + 1);
        else
            r.cifre.prepend('1');
    }
    normalizza(r);
    return r;
}

std::optional<Decimale> leggiNumero(const QString &testo)
{
    static const QRegularExpression re(
        QStringLiteral("^([-+]?)([0-9]{1,3}(?:\\.[0-9]{3})+|[0-9]+)?(?:,([0-9]*))?\\z"));
    const auto m = re.match(testo);
    if (!m.hasMatch() || (m.captured(2).isEmpty() && m.captured(3).isEmpty()))
        return std::nullopt;
    Decimale d;
    d.negativo = m.captured(1) == QLatin1String("-");
    QString intera = m.captured(2);
    intera.remove(QLatin1Char('.'));
    const QString frazione = m.captured(3);
    d.cifre = (intera + frazione).toLatin1();
    d.decimali = int(frazione.size());
    normalizza(d);
    if (d.cifreSignificative() > MassimoCifre || d.cifreIntere() > MassimoCifre)
        return std::nullopt;
    return d;
}

Decimale decimaleDi(double v, int cifre)
{
    Decimale d;
    if (!std::isfinite(v) || v == 0.0)
        return d;
    char buf[64];
    const auto r = cifre > 0 ? std::to_chars(buf, buf + sizeof buf, v, std::chars_format::scientific, cifre - 1)
                             : std::to_chars(buf, buf + sizeof buf, v, std::chars_format::scientific);
    const std::string s(buf, r.ptr);
    // "-d.ddde+XX"
    std::size_t i = 0;
    if (s[i] == '-') {
        d.negativo = true;
        ++i;
    }
    const std::size_t e = s.find('e', i);
    for (std::size_t k = i; k < e; ++k)
        if (s[k] != '.')
            d.cifre += s[k];
    const int esponente = std::stoi(s.substr(e + 1));
    d.decimali = int(d.cifre.size()) - 1 - esponente;
    if (d.decimali < 0) {
        d.cifre += QByteArray(-d.decimali, '0');
        d.decimali = 0;
    }
    normalizza(d);
    return d;
}

double arrotondaPari(double v, int decimali)
{
    if (!std::isfinite(v))
        return v;
    return decimaleDi(v).arrotondato(decimali, true).valore();
}

std::optional<double> numeroDi(const ado::Variant &v)
{
    switch (v.kind()) {
    case ado::Variant::Kind::Empty: return 0.0;
    case ado::Variant::Kind::Integer: return double(v.integer());
    case ado::Variant::Kind::Double: return v.real();
    case ado::Variant::Kind::Text:
        try {
            return v.toDouble();
        } catch (const ado::Error &) {
            return std::nullopt;
        }
    default: return std::nullopt;
    }
}

QString testoSemplice(const ado::Variant &v)
{
    switch (v.kind()) {
    case ado::Variant::Kind::Empty:
    case ado::Variant::Kind::Null: return QString();
    case ado::Variant::Kind::Double: return testoItaliano(decimaleDi(v.real(), MassimoCifre));
    default: return v.toText();
    }
}

QString formattaNumero(double v, Variante variante)
{
    const int posti = decimaliMostrati(variante);
    Decimale d = decimaleDi(v).arrotondato(posti, false);
    QString s = d.negativo ? QStringLiteral("-") : QString();
    const QString intera = raggruppa(parteIntera(d));
    if (variante == Variante::Intero)
        return s + (intera.isEmpty() ? QStringLiteral("0") : intera);
    QByteArray decimali = parteDecimale(d);
    decimali += QByteArray(posti - decimali.size(), '0');
    return s + intera + QLatin1Char(',') + QString::fromLatin1(decimali);
}

QString formattaValore(const ado::Variant &v, Variante variante)
{
    if (const auto n = numeroDi(v))
        return formattaNumero(*n, variante);
    return testoSemplice(v);
}

QString formattaAnno(const ado::Variant &v)
{
    if (v.isEmpty() || v.isNull() || (v.isText() && v.text().isEmpty()))
        return QString();
    if (const auto n = numeroDi(v)) {
        const Decimale d = decimaleDi(*n).arrotondato(0, false);
        const QByteArray intera = parteIntera(d);
        return (d.negativo ? QStringLiteral("-") : QString())
               + (intera.isEmpty() ? QStringLiteral("0") : QString::fromLatin1(intera));
    }
    return testoSemplice(v);
}

} // namespace scheda::campi
