#include "core/formati/Testi.h"

#include <QList>
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
    return s.left(s.at(n - 1).isHighSurrogate() ? n - 1 : n);
}

QString testoInRiga(const QString &entrato)
{
    QString s;
    s.reserve(entrato.size());
    for (qsizetype i = 0; i < entrato.size(); ++i) {
        const QChar c = entrato.at(i);
        if (c.isHighSurrogate() && i + 1 < entrato.size() && entrato.at(i + 1).isLowSurrogate()) {
            s += c;
            s += entrato.at(++i);
        } else if (c == u'\t' || c == u'\n' || c == u'\r' || c == QChar::LineSeparator
                   || c == QChar::ParagraphSeparator) {
            s += QLatin1Char(' ');
        } else if (!c.isSurrogate() && c.category() != QChar::Other_Control) {
            s += c;
        }
    }
    return s;
}

Riga modificaRiga(const QString &prima, const QString &dopo, int cursore, int limite)
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
    const QString resto = dopo.left(davanti) + dopo.mid(cursore);
    QString entrato = testoInRiga(dopo.mid(davanti, cursore - davanti));
    if (limite > 0)
        entrato = primiCaratteri(entrato, std::max(0, limite - int(resto.size())));
    return {dopo.left(davanti) + entrato + dopo.mid(cursore), davanti + int(entrato.size())};
}

QString nomeScheda(const QString &risposta)
{
    return primiCaratteri(maiuscolo(testoInRiga(risposta)), LunghezzaDenominazione);
}

} // namespace scheda
