#include "core/formati/Date.h"

#include "core/formati/Numeri.h"

#include <QRegularExpression>

namespace scheda {

QString testoDataMemorizzata(const ado::Variant &v)
{
    return testoSemplice(v);
}

QDate dataMemorizzata(const ado::Variant &v)
{
    if (v.isDate())
        return v.date();
    if (v.isText())
        return ado::parseDateIt(v.text());
    return QDate();
}

QString formattaData(const ado::Variant &v)
{
    const QDate d = dataMemorizzata(v);
    return d.isValid() ? ado::formatDateIt(d) : testoSemplice(v);
}

QString testoCasellaData(const ado::Variant &v)
{
    if (testoDataMemorizzata(v) == DataVuota)
        return MascheraVuota;
    const QDate d = dataMemorizzata(v);
    // What the mask cannot hold shows as no date.
    return d.isValid() && d.year() >= 100 && d.year() <= 9999 ? ado::formatDateIt(d)
                                                              : MascheraVuota;
}

std::optional<QDate> leggiData(const QString &testo)
{
    static const QRegularExpression re(QStringLiteral("^([0-9]{2})/([0-9]{2})/([0-9]{4})$"));
    const auto m = re.match(testo);
    if (!m.hasMatch())
        return std::nullopt;
    const int anno = m.captured(3).toInt();
    const QDate d(anno, m.captured(2).toInt(), m.captured(1).toInt());
    if (!d.isValid() || anno < 100)
        return std::nullopt;
    return d;
}

} // namespace scheda
