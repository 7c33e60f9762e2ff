#include "core/formati/Numeri.h"

#include "platform/db/Error.h"

namespace scheda {

using numeri::Decimale;

namespace {

struct Decimali
{
    int conservati; // kept in the variable
    int mostrati;   // shown in the box
};

Decimali decimali(Variante v)
{
    switch (v) {
    case Variante::Intero:
        return {0, 0};
    case Variante::Decimi:
        return {1, 1};
    case Variante::DueDecimali:
        return {2, 2};
    case Variante::Percentuale:
        return {3, 2};
    }
    return {0, 0};
}

} // namespace

int decimaliConservati(Variante v)
{
    return decimali(v).conservati;
}

int decimaliMostrati(Variante v)
{
    return decimali(v).mostrati;
}

std::optional<Decimale> leggiNumero(const QString &testo)
{
    const std::optional<Decimale> d = numeri::leggiItaliano(testo);
    if (!d || d->cifreSignificative() > MassimoCifre || d->cifreIntere() > MassimoCifre)
        return std::nullopt;
    return d;
}

std::optional<double> numeroDi(const ado::Variant &v)
{
    switch (v.kind()) {
    case ado::Variant::Kind::Empty:
        return 0.0;
    case ado::Variant::Kind::Integer:
        return double(v.integer());
    case ado::Variant::Kind::Double:
        return v.real();
    case ado::Variant::Kind::Text:
        try {
            return v.toDouble();
        } catch (const ado::Error &) {
            return std::nullopt;
        }
    default:
        return std::nullopt;
    }
}

QString testoSemplice(const ado::Variant &v)
{
    switch (v.kind()) {
    case ado::Variant::Kind::Empty:
    case ado::Variant::Kind::Null:
        return QString();
    case ado::Variant::Kind::Double:
        return numeri::decimaleDi(v.real(), MassimoCifre).testo();
    default:
        return v.toText();
    }
}

QString formattaNumero(double v, Variante variante)
{
    const int posti = decimaliMostrati(variante);
    const Decimale d = numeri::decimaleDi(v).arrotondato(posti, false);
    if (variante == Variante::Intero)
        return d.testo({.raggruppa = true});
    return d.testo({.raggruppa = true, .zeroIntero = false, .decimaliMinimi = posti});
}

QString formattaValore(const ado::Variant &v, Variante variante)
{
    if (const auto n = numeroDi(v))
        return formattaNumero(*n, variante);
    return testoSemplice(v);
}

QString formattaAnno(const ado::Variant &v)
{
    if (v.isEmpty() || v.isNull() || (v.isText() && v.text().isEmpty()))
        return QString();
    if (const auto n = numeroDi(v))
        return numeri::decimaleDi(*n).arrotondato(0, false).testo();
    return testoSemplice(v);
}

} // namespace scheda
