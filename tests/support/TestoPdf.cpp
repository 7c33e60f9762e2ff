#include "TestoPdf.h"

#include <QProcess>
#include <QRegularExpression>
#include <algorithm>

namespace prova {

namespace {

QRectF inPunti(const QRect &twips, int margine)
{
    return QRectF((twips.left() - margine) / 20.0, (twips.top() - margine) / 20.0,
                  (twips.width() + 2 * margine) / 20.0, (twips.height() + 2 * margine) / 20.0);
}

QString decodifica(const QString &html)
{
    QString s = html;
    s.replace(QLatin1String("&lt;"), QLatin1String("<"));
    s.replace(QLatin1String("&gt;"), QLatin1String(">"));
    s.replace(QLatin1String("&quot;"), QLatin1String("\""));
    s.replace(QLatin1String("&apos;"), QLatin1String("'"));
    s.replace(QLatin1String("&#39;"), QLatin1String("'"));
    s.replace(QLatin1String("&amp;"), QLatin1String("&"));
    return s;
}

} // namespace

QString PaginaPdf::testoIn(const QRect &twips, int margine) const
{
    const QRectF r = inPunti(twips, margine);
    QList<Parola> dentro;
    for (const Parola &p : parole)
        if (r.contains(p.box.center()))
            dentro << p;
    std::stable_sort(dentro.begin(), dentro.end(), [](const Parola &a, const Parola &b) {
        if (std::abs(a.box.top() - b.box.top()) > 3)
            return a.box.top() < b.box.top();
        return a.box.left() < b.box.left();
    });
    QStringList testi;
    for (const Parola &p : dentro)
        testi << p.testo;
    return testi.join(QLatin1Char(' '));
}

const Parola *PaginaPdf::parolaIn(const QString &testo, const QRect &twips, int margine) const
{
    const QRectF r = inPunti(twips, margine);
    for (const Parola &p : parole)
        if (p.testo == testo && r.contains(p.box.center()))
            return &p;
    return nullptr;
}

QString PaginaPdf::tutto() const
{
    QStringList testi;
    for (const Parola &p : parole)
        testi << p.testo;
    return testi.join(QLatin1Char(' '));
}

QList<PaginaPdf> leggiPdf(const QString &percorso)
{
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"),
                    {QStringLiteral("-bbox"), percorso, QStringLiteral("-")});
    if (!pdftotext.waitForFinished(30000) || pdftotext.exitCode() != 0)
        return {};
    const QString html = QString::fromUtf8(pdftotext.readAllStandardOutput());
    static const QRegularExpression pagina(
        QString::fromLatin1(R"x(<page width="([\d.]+)" height="([\d.]+)">)x"));
    static const QRegularExpression parola(QString::fromLatin1(
        R"x(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">(.*?)</word>)x"));
    QList<PaginaPdf> pagine;
    const QStringList pezzi = html.split(QStringLiteral("</page>"));
    for (const QString &pezzo : pezzi) {
        const auto mp = pagina.match(pezzo);
        if (!mp.hasMatch())
            continue;
        PaginaPdf p;
        p.formato = QSizeF(mp.captured(1).toDouble(), mp.captured(2).toDouble());
        for (auto it = parola.globalMatch(pezzo); it.hasNext();) {
            const auto m = it.next();
            p.parole.append({decodifica(m.captured(5)),
                             QRectF(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                                    QPointF(m.captured(3).toDouble(), m.captured(4).toDouble()))});
        }
        pagine << p;
    }
    return pagine;
}

} // namespace prova
