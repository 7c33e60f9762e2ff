#include "Csv.h"

#include <QFile>
#include <stdexcept>

namespace creadati {

namespace {

QList<QStringList> analizza(const QString &testo)
{
    QList<QStringList> righe;
    QStringList riga;
    QString campo;
    bool virgolette = false;
    bool inizioCampo = true;
    for (qsizetype i = 0; i < testo.size(); ++i) {
        const QChar c = testo[i];
        if (virgolette) {
            if (c == QLatin1Char('"')) {
                if (i + 1 < testo.size() && testo[i + 1] == QLatin1Char('"')) {
                    campo += c;
                    ++i;
                } else {
                    virgolette = false;
                }
            } else {
                campo += c;
            }
            continue;
        }
        if (c == QLatin1Char('"') && inizioCampo) {
            virgolette = true;
            inizioCampo = false;
        } else if (c == QLatin1Char(',')) {
            riga << campo;
            campo.clear();
            inizioCampo = true;
        } else if (c == QLatin1Char('\n') || c == QLatin1Char('\r')) {
            if (c == QLatin1Char('\r') && i + 1 < testo.size() && testo[i + 1] == QLatin1Char('\n'))
                ++i;
            riga << campo;
            campo.clear();
            if (!(riga.size() == 1 && riga.front().isEmpty()))
                righe << riga;
            riga.clear();
            inizioCampo = true;
        } else {
            campo += c;
            inizioCampo = false;
        }
    }
    if (!campo.isEmpty() || !riga.isEmpty()) {
        riga << campo;
        righe << riga;
    }
    return righe;
}

} // namespace

TabellaCsv leggiCsv(const QString &percorso, const QStringList &colonneAttese)
{
    QFile f(percorso);
    if (!f.open(QIODevice::ReadOnly))
        throw std::runtime_error(("impossibile leggere " + percorso).toStdString());
    QString testo = QString::fromUtf8(f.readAll());
    if (testo.startsWith(QChar(0xFEFF)))
        testo.remove(0, 1);
    QList<QStringList> righe = analizza(testo);
    if (righe.isEmpty())
        throw std::runtime_error((percorso + ": file vuoto").toStdString());
    TabellaCsv t;
    t.intestazione = righe.takeFirst();
    for (QString &h : t.intestazione)
        h = h.trimmed().toLower();
    if (t.intestazione != colonneAttese)
        throw std::runtime_error(
            (percorso + ": intestazione attesa \"" + colonneAttese.join(QLatin1Char(',')) + "\"")
                .toStdString());
    for (qsizetype n = 0; n < righe.size(); ++n) {
        if (righe[n].size() != colonneAttese.size())
            throw std::runtime_error(
                (percorso + QStringLiteral(": riga %1 con %2 campi").arg(n + 2).arg(righe[n].size()))
                    .toStdString());
    }
    t.righe = std::move(righe);
    return t;
}

} // namespace creadati
