// The number conversions that run for every value a page loads, shows and
// commits, and for every number the record layer reads or writes: a stored
// double as text (CStr) and a text as a double (CDbl), the display patterns,
// the plain focus-in text, the reading of a typed number and its commit.
// Each benchmark converts the same thousand values of the program's kinds:
// whole amounts, tenths, two-decimal amounts, percentages, and a few sums
// with a binary residue.

#include "core/formati/Conferme.h"
#include "core/formati/Numeri.h"
#include "platform/db/Variant.h"

#include <QList>
#include <QString>
#include <benchmark/benchmark.h>
#include <random>

using namespace scheda;

namespace {

const QList<double> &valori()
{
    static const QList<double> v = [] {
        std::mt19937 rnd(20040305);
        QList<double> r;
        for (int i = 0; i < 1000; ++i) {
            switch (i % 5) {
            case 0:
                r << double(rnd() % 100000000);
                break; // whole amounts
            case 1:
                r << double(rnd() % 10000) / 10.0;
                break; // tenths
            case 2:
                r << double(rnd() % 100000000) / 100.0;
                break; // two-decimal amounts
            case 3:
                r << double(rnd() % 100000) / 1000.0;
                break; // percentages
            case 4:
                r << double(rnd() % 1000) / 10.0 + 0.2;
                break; // a sum with a residue
            }
        }
        return r;
    }();
    return v;
}

// What a number box shows and what the user types back, in both forms.
const QList<QString> &testi()
{
    static const QList<QString> t = [] {
        QList<QString> r;
        int i = 0;
        for (double v : valori())
            r << (i++ % 2 ? formattaNumero(v, Variante::DueDecimali)
                          : testoSemplice(ado::Variant(v)));
        return r;
    }();
    return t;
}

void BM_VariantTesto(benchmark::State &state)
{
    QList<ado::Variant> vs;
    for (double v : valori())
        vs << ado::Variant(v);
    for (auto _ : state)
        for (const ado::Variant &v : vs)
            benchmark::DoNotOptimize(v.toText());
    state.SetItemsProcessed(state.iterations() * vs.size());
}
BENCHMARK(BM_VariantTesto);

void BM_VariantNumero(benchmark::State &state)
{
    QList<ado::Variant> vs;
    for (const QString &t : testi())
        vs << ado::Variant(t);
    for (auto _ : state)
        for (const ado::Variant &v : vs)
            benchmark::DoNotOptimize(v.toDouble());
    state.SetItemsProcessed(state.iterations() * vs.size());
}
BENCHMARK(BM_VariantNumero);

void BM_VariantIntero32(benchmark::State &state)
{
    QList<ado::Variant> vs;
    for (double v : valori())
        vs << ado::Variant(v);
    for (auto _ : state)
        for (const ado::Variant &v : vs)
            benchmark::DoNotOptimize(v.toInt32());
    state.SetItemsProcessed(state.iterations() * vs.size());
}
BENCHMARK(BM_VariantIntero32);

// Rounding at two decimals: the record layer's Round and the boxes' rounding.
void BM_RoundHalfEven(benchmark::State &state)
{
    for (auto _ : state)
        for (double v : valori())
            benchmark::DoNotOptimize(ado::roundHalfEven(v, 2));
    state.SetItemsProcessed(state.iterations() * valori().size());
}
BENCHMARK(BM_RoundHalfEven);

void BM_ArrotondaPari(benchmark::State &state)
{
    for (auto _ : state)
        for (double v : valori())
            benchmark::DoNotOptimize(numeri::arrotondaPari(v, 2));
    state.SetItemsProcessed(state.iterations() * valori().size());
}
BENCHMARK(BM_ArrotondaPari);

// Arg: the variant (0 whole amount, 1 tenths, 2 two decimals, 3 percentage).
void BM_FormattaNumero(benchmark::State &state)
{
    const auto variante = Variante(state.range(0));
    for (auto _ : state)
        for (double v : valori())
            benchmark::DoNotOptimize(formattaNumero(v, variante));
    state.SetItemsProcessed(state.iterations() * valori().size());
}
BENCHMARK(BM_FormattaNumero)->DenseRange(0, 3);

void BM_TestoSemplice(benchmark::State &state)
{
    QList<ado::Variant> vs;
    for (double v : valori())
        vs << ado::Variant(v);
    for (auto _ : state)
        for (const ado::Variant &v : vs)
            benchmark::DoNotOptimize(testoSemplice(v));
    state.SetItemsProcessed(state.iterations() * vs.size());
}
BENCHMARK(BM_TestoSemplice);

void BM_LeggiNumero(benchmark::State &state)
{
    for (auto _ : state)
        for (const QString &t : testi())
            benchmark::DoNotOptimize(leggiNumero(t));
    state.SetItemsProcessed(state.iterations() * testi().size());
}
BENCHMARK(BM_LeggiNumero);

void BM_ConfermaNumero(benchmark::State &state)
{
    const ado::Variant memorizzato(1234.5);
    for (auto _ : state)
        for (const QString &t : testi())
            benchmark::DoNotOptimize(confermaNumero(t, memorizzato, Variante::DueDecimali));
    state.SetItemsProcessed(state.iterations() * testi().size());
}
BENCHMARK(BM_ConfermaNumero);

} // namespace

BENCHMARK_MAIN();
