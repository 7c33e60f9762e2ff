#include "AiutiStampa.h"

#include "core/ColonneDati.h"

#include <QDate>
#include <QRegularExpression>

namespace prova {

stampa::SchedaStampa copiaCon(const QList<std::pair<QString, ado::Variant>> &valori)
{
    stampa::SchedaStampa s;
    for (const scheda::Colonna &c : scheda::colonneDati())
        s.imposta(QString::fromLatin1(c.nome), scheda::valoreNull(c));
    for (const auto &[colonna, valore] : valori)
        s.imposta(colonna, valore);
    return s;
}

QList<std::pair<QString, ado::Variant>> schedaAlLimite()
{
    // What a box takes when it is not a name of 50 characters.
    const QList<std::pair<QRegularExpression, int>> lunghezze = {
        {QRegularExpression(QStringLiteral("^(cod_fiscale.*|iva.*)$")), 16},
        {QRegularExpression(QStringLiteral("^partita_iva.*$")), 11},
        {QRegularExpression(QStringLiteral("^prov_.*$")), 2},
        {QRegularExpression(QStringLiteral("^cap_.*$")), 5},
        {QRegularExpression(QStringLiteral("^comune_.*$")),
         34}, // SAN VALENTINO IN ABRUZZO CITERIORE
        {QRegularExpression(QStringLiteral("^istat_codice.*$")), 8},
        {QRegularExpression(QStringLiteral("^(eser_.*|[abcd]1|costeser.)$")), 4},
    };
    const QString lettere = QStringLiteral("ÀBCDÈFGHÌJKLMNÒPQRSTÙVWXYZ");
    QList<std::pair<QString, ado::Variant>> s;
    for (const scheda::Colonna &c : scheda::colonneDati()) {
        const QString nome = QString::fromLatin1(c.nome);
        switch (c.tipo) {
        case scheda::Tipo::Testo: {
            int n = 50;
            for (const auto &[regola, lunghezza] : lunghezze)
                if (regola.match(nome).hasMatch()) {
                    n = lunghezza;
                    break;
                }
            QString t;
            if (n == 4)
                t = QStringLiteral("2004");
            else if (nome == u"email_ref")
                t = lettere.toLower().repeated(2).left(n - 9) + QStringLiteral("@alfa.it");
            else
                t = lettere.repeated(2).left(n);
            s.append({nome, ado::Variant(t)});
            break;
        }
        case scheda::Tipo::Data:
            s.append({nome, ado::Variant(QDate(2004, 12, 28))});
            break;
        case scheda::Tipo::Numero:
            // Percentages stop at 100; the 32-bit totals at their largest.
            if (nome.startsWith(u"perc"))
                s.append({nome, ado::Variant(100.0)});
            else if (c.fisso == scheda::Fisso::Intero32)
                s.append({nome, ado::Variant(-2147483647)});
            else
                s.append({nome, ado::Variant(-999999999999999.0)});
            break;
        case scheda::Tipo::Opzione:
            s.append({nome, ado::Variant(1)});
            break;
        }
    }
    return s;
}

std::optional<Posto> posto(int pagina, const QString &nome)
{
    const report::Rapporto &r = stampa::paginaStampa(pagina).layout;
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
