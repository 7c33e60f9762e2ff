#include "pages/campi/Ricalcolo.h"

#include "core/ColonneDati.h"
#include "core/RecordScheda.h"
#include "core/formati/Numeri.h"
#include "platform/db/Error.h"

#include <cmath>

namespace scheda::campi {

void Ricalcolo::formula(const Formula &f)
{
    formule_.insert(f.risultato, f);
}

void Ricalcolo::dipendenti(const QString &colonna, const QStringList &risultati)
{
    dipendenti_.insert(colonna, risultati);
}

std::optional<Valori> Ricalcolo::valuta(const Scheda &scheda, const QString &colonna,
                                        double valore) const
{
    QMap<QString, double> nuovi{{colonna, valore}};
    const auto numero = [&](const QString &c) -> std::optional<double> {
        if (const auto it = nuovi.constFind(c); it != nuovi.cend())
            return *it;
        return numeroDi(scheda[c]);
    };
    Valori esito;
    for (const QString &r : dipendenti_.value(colonna)) {
        const Formula &f = formule_[r];
        double somma = 0;
        for (const Termine &t : f.termini) {
            const auto x = numero(t.colonna);
            if (!x)
                return std::nullopt;
            somma = t.meno ? somma - *x : somma + *x;
        }
        if (f.decimali >= 0)
            somma = numeri::arrotondaPari(somma, f.decimali) + 0.0;
        if (!std::isfinite(somma))
            return std::nullopt;
        // Converted as the variable converts it: a 32-bit total rounds half
        // to even and cannot leave its range.
        ado::Variant v(somma);
        const Colonna &c = colonneDati()[std::size_t(indiceColonna(r))];
        if (c.fisso == Fisso::Intero32) {
            try {
                v = ado::Variant(std::int64_t(v.toInt32()));
            } catch (const ado::Error &) {
                return std::nullopt;
            }
        }
        nuovi.insert(r, v.toDouble());
        esito.append({r, v});
    }
    return esito;
}

void aggiungiRighe(Ricalcolo &r, const QStringList &lettere, const QList<FormulaRighe> &formule,
                   const QList<DipendentiRighe> &dipendenti)
{
    for (const QString &l : lettere) {
        const auto nome = [&l](int riga) { return l + QString::number(std::abs(riga)); };
        for (const FormulaRighe &f : formule) {
            Formula g{.risultato = nome(f.riga), .decimali = f.decimali};
            for (int t : f.termini)
                g.termini.append({nome(t), t < 0});
            r.formula(g);
        }
        for (const DipendentiRighe &d : dipendenti) {
            QStringList risultati;
            for (int k : d.risultati)
                risultati << nome(k);
            for (int riga : d.righe)
                r.dipendenti(nome(riga), risultati);
        }
    }
}

void aggiungiGriglia(Ricalcolo &r, const GrigliaRighe &g)
{
    const auto nome = [](const QString &lettera, int riga) {
        return lettera + QString::number(riga);
    };
    const QString &prima = g.lettere.at(0), &seconda = g.lettere.at(1), &terza = g.lettere.at(2);
    const int totali = g.righe + 1;
    QList<int> righe;
    for (int n = 1; n <= g.righe; ++n)
        righe << n;
    aggiungiRighe(r, g.lettere, {{totali, righe, g.decimali}}, {});
    for (int n = 1; n <= g.righe; ++n) {
        r.formula({.risultato = nome(terza, n),
                   .termini = g.terza == GrigliaRighe::Somma
                                  ? QList<Termine>{{nome(prima, n)}, {nome(seconda, n)}}
                                  : QList<Termine>{{nome(seconda, n)}, {nome(prima, n), true}},
                   .decimali = g.decimali});
        for (const QString &l : {prima, seconda})
            r.dipendenti(nome(l, n), {nome(terza, n), nome(l, totali), nome(terza, totali)});
    }
}

} // namespace scheda::campi
