#include "platform/numeri/Decimale.h"

#include <QRegularExpression>

#include <algorithm>
#include <charconv>
#include <cmath>

namespace numeri {

namespace {

void normalizza(Decimale &d)
{
    qsizetype inizio = 0;
    while (inizio < d.cifre.size() && d.cifre[inizio] == '0')
        ++inizio;
    if (inizio > 0)
        d.cifre.remove(0, inizio);
    while (d.decimali > 0 && !d.cifre.isEmpty() && d.cifre.back() == '0') {
        d.cifre.removeLast();
        --d.decimali;
    }
    if (d.cifre.isEmpty()) {
        d.negativo = false;
        d.decimali = 0;
    }
}

// A leading minus: the decimal takes it, and the text goes on after it.
const char *segno(Decimale &d, const char *testo)
{
    d.negativo = *testo == '-';
    return d.negativo ? testo + 1 : testo;
}

// What std::to_chars writes in scientific form: "-d.ddde+XX".
Decimale daScientifica(const char *inizio, const char *fine)
{
    Decimale d;
    const char *p = segno(d, inizio);
    const char *e = std::find(p, fine, 'e');
    for (; p < e; ++p)
        if (*p != '.')
            d.cifre.append(*p);
    int esponente = 0;
    std::from_chars(e + (e[1] == '+' ? 2 : 1), fine, esponente);
    d.decimali = int(d.cifre.size()) - 1 - esponente;
    if (d.decimali < 0) {
        d.cifre.insert(d.cifre.cend(), -d.decimali, '0');
        d.decimali = 0;
    }
    normalizza(d);
    return d;
}

// What std::to_chars writes in fixed form: "-ddd.ddd".
Decimale daFissa(const char *inizio, const char *fine)
{
    Decimale d;
    const char *p = segno(d, inizio);
    const char *punto = std::find(p, fine, '.');
    d.cifre.append(p, punto - p);
    if (punto != fine) {
        d.cifre.append(punto + 1, fine - punto - 1);
        d.decimali = int(fine - punto - 1);
    }
    normalizza(d);
    return d;
}

// Whether a double is exactly the decimal `d`: its whole expansion (767
// significant digits at the most) has no other digit.
bool esatto(double v, const Decimale &d)
{
    char buf[800];
    const auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::scientific, 780);
    if (r.ec != std::errc())
        return false;
    const Decimale tutto = daScientifica(buf, r.ptr);
    return tutto.decimali == d.decimali && tutto.cifre == d.cifre;
}

} // namespace

Decimale Decimale::daCifre(bool negativo, QStringView intera, QStringView frazione)
{
    Decimale d;
    d.negativo = negativo;
    d.cifre.reserve(intera.size() + frazione.size());
    for (QChar c : intera)
        d.cifre.append(char(c.unicode()));
    for (QChar c : frazione)
        d.cifre.append(char(c.unicode()));
    d.decimali = int(frazione.size());
    normalizza(d);
    return d;
}

std::optional<Decimale> leggiItaliano(QStringView testo)
{
    static const QRegularExpression re(
        QStringLiteral("^([-+]?)([0-9]{1,3}(?:\\.[0-9]{3})+|[0-9]+)?(?:,([0-9]*))?\\z"));
    const auto m = re.match(testo);
    if (!m.hasMatch() || (m.capturedView(2).isEmpty() && m.capturedView(3).isEmpty()))
        return std::nullopt;
    QString intera = m.captured(2);
    intera.remove(QLatin1Char('.'));
    return Decimale::daCifre(m.capturedView(1) == QLatin1Char('-'), intera, m.capturedView(3));
}

int Decimale::cifreSignificative() const
{
    qsizetype n = cifre.size();
    while (n > 0 && cifre[n - 1] == '0')
        --n;
    return int(n);
}

double Decimale::valore(bool *ok) const
{
    if (ok)
        *ok = true;
    if (zero())
        return 0.0;
    // "-digits" and "e-decimals", read by the C++ library: correctly rounded.
    QVarLengthArray<char, 64> testo;
    if (negativo)
        testo.append('-');
    testo.append(cifre.constData(), cifre.size());
    char esponente[16] = {'e', '-'};
    const auto fine = std::to_chars(esponente + 2, esponente + sizeof esponente, decimali).ptr;
    testo.append(esponente, fine - esponente);
    double v = 0;
    if (std::from_chars(testo.cbegin(), testo.cend(), v).ec == std::errc())
        return v;
    if (ok)
        *ok = false;
    v = cifreIntere() > 0 ? HUGE_VAL : 0.0;
    return negativo ? -v : v;
}

Decimale Decimale::arrotondato(int posti, bool mezzoPari) const
{
    if (decimali <= posti)
        return *this;
    const int togliere = decimali - posti;
    const int n = int(cifre.size());
    Decimale r;
    r.negativo = negativo;
    bool su = false;
    if (togliere <= n) {
        r.cifre.append(cifre.constData(), n - togliere);
        const char primo = cifre[n - togliere];
        bool restoNonZero = false;
        for (int k = n - togliere + 1; k < n && !restoNonZero; ++k)
            restoNonZero = cifre[k] != '0';
        if (primo > '5')
            su = true;
        else if (primo == '5') {
            const bool dispari = !r.cifre.isEmpty() && ((r.cifre.back() - '0') % 2 == 1);
            su = restoNonZero || !mezzoPari || dispari;
        }
    } // more places to drop than digits: the first dropped digit is a 0
    if (su) {
        qsizetype i = r.cifre.size() - 1;
        while (i >= 0 && r.cifre[i] == '9') {
            r.cifre[i] = '0';
            --i;
        }
        if (i >= 0)
            ++r.cifre[i];
        else
            r.cifre.insert(r.cifre.cbegin(), '1');
    }
    if (posti < 0) // the whole digits rounded away stand as zeros
        r.cifre.insert(r.cifre.cend(), -posti, '0');
    r.decimali = std::max(posti, 0);
    normalizza(r);
    return r;
}

QString Decimale::testo(const Scrittura &scrittura) const
{
    QVarLengthArray<char, 64> t;
    if (negativo)
        t.append('-');
    const int intere = cifreIntere();
    if (intere <= 0 && scrittura.zeroIntero)
        t.append('0');
    for (int i = 0; i < intere; ++i) {
        if (scrittura.raggruppa && i > 0 && (intere - i) % 3 == 0)
            t.append('.');
        t.append(cifre[i]);
    }
    const int scritti = std::max(decimali, scrittura.decimaliMinimi);
    if (scritti > 0) {
        t.append(',');
        for (int i = 0; i < decimali; ++i)
            t.append(intere + i >= 0 ? cifre[intere + i] : '0');
        t.insert(t.cend(), scritti - decimali, '0');
    }
    return QString::fromLatin1(t.constData(), t.size());
}

Decimale decimaleDi(double v, int cifre, bool mezzoPari)
{
    if (!std::isfinite(v) || v == 0.0)
        return {};
    char buf[32];
    auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::scientific);
    if (cifre <= 0)
        return daScientifica(buf, r.ptr);
    Decimale breve = daScientifica(buf, r.ptr);
    const int significative = breve.cifreSignificative();
    // Up to 15 digits the shortest decimal of a normal double is the double
    // rounded there as well (a subnormal double holds fewer digits).
    if (significative <= cifre && std::isnormal(v))
        return breve;
    // The library takes an exact half to the even neighbour. A double that is
    // an exact half there is its own shortest decimal: one digit more, a 5.
    if (!mezzoPari && significative == cifre + 1 && breve.cifre[significative - 1] == '5'
        && esatto(v, breve)) {
        const int zeriInteri = int(breve.cifre.size()) - significative;
        return breve.arrotondato(breve.decimali - zeriInteri - 1, false);
    }
    r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::scientific, cifre - 1);
    return daScientifica(buf, r.ptr);
}

Decimale interoDi(double v)
{
    if (!std::isfinite(v) || std::fabs(v) < 0.5)
        return {};
    // The fixed form keeps every whole digit of a large double.
    char buf[400];
    const auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed);
    return daFissa(buf, r.ptr).arrotondato(0, false);
}

double arrotondaPari(double v, int decimali)
{
    if (!std::isfinite(v))
        return v;
    const Decimale d = decimaleDi(v);
    if (d.decimali <= decimali)
        return v + 0.0; // nothing to round (and no negative zero)
    return d.arrotondato(decimali, true).valore();
}

} // namespace numeri
