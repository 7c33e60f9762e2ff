#include "core/RecordScheda.h"

#include "platform/db/Error.h"
#include "platform/db/Recordset.h"

namespace scheda {

namespace {

int indiceValido(const QString &colonna)
{
    const int i = indiceColonna(colonna);
    if (i < 0)
        throw ado::Error(ado::err::ItemNotFound,
                         QStringLiteral("Variabile '%1' inesistente.").arg(colonna));
    return i;
}

ado::Variant converti(const Colonna &c, const ado::Variant &v)
{
    switch (c.fisso) {
    case Fisso::Nessuno:
        return v;
    case Fisso::Testo:
        return ado::Variant(v.toText());
    case Fisso::Intero32:
        return ado::Variant(std::int64_t(v.toInt32()));
    case Fisso::Doppio:
        return ado::Variant(v.toDouble());
    }
    return v;
}

} // namespace

Scheda::Scheda()
{
    azzera();
}

void Scheda::azzera()
{
    const auto colonne = colonneDati();
    for (std::size_t i = 0; i < colonne.size(); ++i) {
        switch (colonne[i].fisso) {
        case Fisso::Nessuno:
            valori_[i] = ado::Variant();
            break;
        case Fisso::Testo:
            valori_[i] = ado::Variant(QString());
            break;
        case Fisso::Intero32:
            valori_[i] = ado::Variant(0);
            break;
        case Fisso::Doppio:
            valori_[i] = ado::Variant(0.0);
            break;
        }
    }
}

const ado::Variant &Scheda::operator[](const QString &colonna) const
{
    return valori_[indiceValido(colonna)];
}

void Scheda::imposta(const QString &colonna, const ado::Variant &v)
{
    const int i = indiceValido(colonna);
    valori_[i] = converti(colonneDati()[i], v);
}

void Scheda::leggi(ado::Recordset &rs, std::span<const Colonna> colonne, QStringList *rifiutate)
{
    // Into a sheet of its own: this one takes it only once every column was read.
    Scheda letta = *this;
    QStringList scartate;
    for (const Colonna &c : colonne) {
        const QString nome = QString::fromLatin1(c.nome);
        letta.imposta(nome, valoreNull(c));
        const ado::Variant v = rs.Fields(nome).Value();
        if (v.isNull())
            continue;
        try {
            letta.imposta(nome, v);
        } catch (const ado::Error &e) {
            if (!rifiutate || c.fisso == Fisso::Nessuno
                || (e.number() != ado::err::Overflow && e.number() != ado::err::TypeMismatch))
                throw;
            scartate << nome;
        }
    }
    valori_ = std::move(letta.valori_);
    if (rifiutate)
        *rifiutate << scartate;
}

void Scheda::scrivi(ado::Recordset &rs, std::span<const Colonna> colonne) const
{
    for (const Colonna &c : colonne) {
        const QString nome = QString::fromLatin1(c.nome);
        rs.Fields(nome).setValue((*this)[nome]);
    }
}

Scheda &RecordScheda()
{
    static Scheda s;
    return s;
}

} // namespace scheda
