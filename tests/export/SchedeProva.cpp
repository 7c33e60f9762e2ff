#include "SchedeProva.h"

#include "core/FileDati.h"

#include <QDate>

namespace prova {

using scheda::Colonna;

QString valoreCompleto(const Colonna &c, int variante)
{
    const int i = scheda::indiceColonna(QString::fromLatin1(c.nome));
    switch (c.tipo) {
    case scheda::Tipo::Testo:
        return QStringLiteral("'V%1 %2'").arg(variante).arg(QString::fromLatin1(c.nome).toUpper());
    case scheda::Tipo::Data:
        return QStringLiteral("'%1'").arg(
            QDate(1990, 1, 1).addDays(i * 3 + variante).toString(Qt::ISODate));
    case scheda::Tipo::Opzione:
        return QString::number(1 + (i + variante) % 2);
    case scheda::Tipo::Numero:
        return c.fisso == scheda::Fisso::Intero32 ? QString::number(i * 100 + variante)
                                                  : QString::number(i + variante / 4.0, 'f', 2);
    }
    return QStringLiteral("NULL");
}

void aggiungiSchedaCompleta(const CartellaProva &cartella, int variante, const QStringList &nulle)
{
    QStringList nomi, valori;
    for (const Colonna &c : scheda::colonneDati()) {
        const QString nome = QString::fromLatin1(c.nome);
        nomi << nome;
        valori << (nulle.contains(nome) ? QStringLiteral("NULL") : valoreCompleto(c, variante));
    }
    cartella.esegui(scheda::FileVarnex, scheda::PasswordVarnex,
                    QStringLiteral("INSERT INTO Dati (%1) VALUES (%2)")
                        .arg(nomi.join(QLatin1Char(',')), valori.join(QLatin1Char(','))));
}

void completaScheda(const CartellaProva &cartella, qint64 chiave, int variante)
{
    QStringList assegnazioni;
    for (const Colonna &c : scheda::colonneDati())
        assegnazioni << QStringLiteral("%1 = %2").arg(QString::fromLatin1(c.nome),
                                                      valoreCompleto(c, variante));
    cartella.esegui(scheda::FileVarnex, scheda::PasswordVarnex,
                    QStringLiteral("UPDATE Dati SET %1 WHERE id_scheda = %2")
                        .arg(assegnazioni.join(QLatin1Char(',')))
                        .arg(chiave));
}

QList<ado::Variant> riga(const QString &percorso, const QString &password,
                         std::optional<qint64> chiave)
{
    return suDati(percorso, password, [&](ado::Recordset &rs) {
        QList<ado::Variant> valori;
        if (chiave ? !vaiAllaChiave(rs, ado::Variant(std::int64_t(*chiave))) : rs.RecordCount() == 0)
            return valori;
        if (!chiave)
            rs.MoveFirst();
        for (int i = 0; i < rs.FieldsCount(); ++i)
            valori << rs.Fields(i).Value();
        return valori;
    });
}

long righe(const QString &percorso, const QString &password)
{
    return suDati(percorso, password, [](ado::Recordset &rs) { return rs.RecordCount(); });
}

} // namespace prova
