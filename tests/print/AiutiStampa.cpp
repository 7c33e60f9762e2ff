#include "AiutiStampa.h"

#include "core/ColonneDati.h"

namespace prova {

scheda::SchedaStampa copiaCon(const QList<std::pair<QString, ado::Variant>> &valori)
{
    scheda::SchedaStampa s;
    for (const scheda::Colonna &c : scheda::colonneDati())
        s.imposta(QString::fromLatin1(c.nome), scheda::valoreNull(c));
    for (const auto &[colonna, valore] : valori)
        s.imposta(colonna, valore);
    return s;
}

std::optional<Posto> posto(int pagina, const QString &nome)
{
    const report::Rapporto &r = scheda::paginaStampa(pagina).layout;
    for (std::size_t s = 0; s < r.sezioni.size(); ++s)
        for (const report::Controllo &c : r.sezioni[s].controlli)
            if (nome.compare(QLatin1String(c.nome), Qt::CaseInsensitive) == 0)
                return Posto{int(s), &c, report::rettangoloSulFoglio(r, int(s), c)};
    return std::nullopt;
}

QString testoDi(const PaginaPdf &p, int pagina, const QString &nome)
{
    const auto dove = posto(pagina, nome);
    return dove ? p.testoIn(dove->sulFoglio) : QStringLiteral("<%1 manca>").arg(nome);
}

} // namespace prova
