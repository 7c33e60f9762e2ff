#include "core/formati/Testi.h"

#include <QList>
#include <QTextBoundaryFinder>
#include <algorithm>

namespace scheda {

namespace {

QString testoMappato(const QString &s, bool maiuscole)
{
    QList<uint> punti = s.toUcs4();
    for (uint &c : punti) {
        const char32_t m = maiuscole ? QChar::toUpper(char32_t(c)) : QChar::toLower(char32_t(c));
        // One UTF-16 unit stays one unit, so the text keeps its length.
        if ((m > 0xFFFF) == (c > 0xFFFF))
            c = m;
    }
    return QString::fromUcs4(reinterpret_cast<const char32_t *>(punti.constData()), punti.size());
}

bool aCapo(char32_t c)
{
    return c == u'\t' || c == u'\n' || c == u'\r' || c == QChar::LineSeparator
           || c == QChar::ParagraphSeparator;
}

// Characters a one-line box never takes in: the C0 and C1 controls, the bidi
// embeddings, overrides and isolates (an override left in a name would turn
// what follows it backwards in the sheet list, the captions and the print)
// and the noncharacters. The bidi marks (U+200E, U+200F) and the joiners
// stay: they are part of what some languages and emoji write.
bool invisibile(char32_t c)
{
    return QChar::category(c) == QChar::Other_Control || (c >= 0x202A && c <= 0x202E)
           || (c >= 0x2066 && c <= 0x2069) || QChar::isNonCharacter(c);
}

QString composto(const QString &s)
{
    return s.normalized(QString::NormalizationForm_C);
}

bool traCaratteri(const QString &s, qsizetype i)
{
    QTextBoundaryFinder f(QTextBoundaryFinder::Grapheme, s);
    f.setPosition(i);
    return f.isAtBoundary();
}

// Where the last character of `s` as the user sees it starts.
qsizetype inizioUltimoCarattere(const QString &s)
{
    QTextBoundaryFinder f(QTextBoundaryFinder::Grapheme, s);
    f.toEnd();
    return std::max<qsizetype>(0, f.toPreviousBoundary());
}

} // namespace

QString maiuscolo(const QString &s)
{
    return testoMappato(s, true);
}

QString minuscolo(const QString &s)
{
    return testoMappato(s, false);
}

QString primiCaratteri(const QString &s, int n)
{
    if (n <= 0)
        return QString();
    if (s.size() <= n)
        return s;
    QTextBoundaryFinder f(QTextBoundaryFinder::Grapheme, s);
    f.setPosition(n);
    return s.left(f.isAtBoundary() ? n : std::max<qsizetype>(0, f.toPreviousBoundary()));
}

QString testoInRiga(const QString &entrato)
{
    QString s;
    s.reserve(entrato.size());
    for (qsizetype i = 0; i < entrato.size(); ++i) {
        const QChar c = entrato.at(i);
        if (c.isHighSurrogate() && i + 1 < entrato.size() && entrato.at(i + 1).isLowSurrogate()) {
            const QChar basso = entrato.at(++i);
            if (!invisibile(QChar::surrogateToUcs4(c, basso))) {
                s += c;
                s += basso;
            }
        } else if (aCapo(c.unicode())) {
            s += QLatin1Char(' ');
        } else if (!c.isSurrogate() && !invisibile(c.unicode())) {
            s += c;
        }
    }
    return s;
}

Riga modificaRiga(const QString &prima, const QString &dopo, int cursore, int limite,
                  const QString &intera)
{
    cursore = std::clamp(cursore, 0, int(dopo.size()));
    // dopo = what stood before the caret's start + what came in + what stood after.
    const int dietro = int(dopo.size()) - cursore;
    int davanti = 0;
    const int massimo = std::min(cursore, int(prima.size()) - dietro);
    while (davanti < massimo && prima.at(davanti) == dopo.at(davanti))
        ++davanti;
    if (davanti > 0 && dopo.at(davanti - 1).isHighSurrogate())
        --davanti; // a new character can share its first half with the old one
    QString venuto = dopo.mid(davanti, cursore - davanti);
    if (limite > 0 && dopo.size() == limite && intera.size() > venuto.size()) {
        // The box filled its limit with a start of `intera`: it cut it. What
        // came in may also have begun like the text it replaced.
        for (int s = davanti; s >= 0; --s) {
            const int visto = cursore - s;
            if (visto > 0 && visto < intera.size()
                && QStringView(dopo).mid(s, visto) == intera.left(visto)) {
                davanti = s;
                venuto = intera;
                break;
            }
        }
    }
    const QString entrato = testoInRiga(venuto);
    const QString dietroTesto = dopo.mid(cursore);

    // The character before the caret joins what came in when that continues it.
    int inizio = davanti;
    if (davanti > 0 && !entrato.isEmpty()) {
        const int coda = int(inizioUltimoCarattere(dopo.left(davanti)));
        if (!traCaratteri(dopo.mid(coda, davanti - coda) + entrato, davanti - coda))
            inizio = coda;
    }
    QString nuovo = composto(dopo.mid(inizio, davanti - inizio) + entrato);
    if (limite > 0) {
        nuovo = primiCaratteri(nuovo, std::max(0, limite - inizio - int(dietroTesto.size())));
        if (nuovo.isEmpty())
            inizio = davanti; // not even the character joined fits: it stays as it stood
    }
    return {dopo.left(inizio) + nuovo + dietroTesto, inizio + int(nuovo.size())};
}

QString nomeScheda(const QString &risposta)
{
    return primiCaratteri(maiuscolo(composto(testoInRiga(risposta))), LunghezzaDenominazione);
}

} // namespace scheda
