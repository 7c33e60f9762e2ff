#include "print/Regole.h"

#include "core/formati/Date.h"
#include "core/formati/Numeri.h"

namespace stampa {

QString Regola::operator()(const SchedaStampa &s, const char *colonna) const
{
    return daValore_ ? daValore_(s[colonna]) : daScheda_(s);
}

namespace regole {

QString comeMemorizzato(const ado::Variant &v)
{
    return scheda::testoSemplice(v);
}

QString comeImporto(const ado::Variant &v)
{
    return scheda::formattaValore(v, scheda::Variante::Intero);
}

QString comeAnno(const ado::Variant &v)
{
    return scheda::formattaAnno(v);
}

QString comeDecimi(const ado::Variant &v)
{
    return scheda::formattaValore(v, scheda::Variante::Decimi);
}

QString comeDueDecimali(const ado::Variant &v)
{
    return scheda::formattaValore(v, scheda::Variante::DueDecimali);
}

QString data(const ado::Variant &v)
{
    return scheda::testoCasellaData(v);
}

QString annoInGriglia(const ado::Variant &v)
{
    const QString testo = comeMemorizzato(v);
    return testo.isEmpty() ? QStringLiteral(" ") : testo;
}

QString bianco(const SchedaStampa &)
{
    return QStringLiteral(" ");
}

namespace {

QString segno(bool scelto)
{
    return scelto ? QStringLiteral("[X]") : QStringLiteral("[ ]");
}

bool uguale(const ado::Variant &codice, int k)
{
    const auto n = scheda::numeroDi(codice);
    return n && *n == k;
}

} // namespace

QString casella(const ado::Variant &codice, int codiceCasella)
{
    return segno(uguale(codice, codiceCasella));
}

QString primaDiDue(const ado::Variant &codice)
{
    return segno(uguale(codice, 1));
}

QString secondaDiDue(const ado::Variant &codice)
{
    return segno(!uguale(codice, 1));
}

} // namespace regole

} // namespace stampa
