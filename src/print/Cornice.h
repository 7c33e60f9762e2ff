#pragma once
// What the six printed pages share: the frame of their layouts (A4
// portrait, 720-twip margins, five sections, the signature line in the page
// footer of pages 1 to 5) and the fill that writes the captions of the
// value labels from a print copy.

#include "platform/report/Istanza.h"
#include "print/SchedaStampa.h"

#include <QStringList>
#include <array>
#include <initializer_list>
#include <utility>

namespace scheda {

inline constexpr report::Controllo Firma[] = {
    report::Testo("Label44", 0, 0, 5385, 285, "Firma : ______________________________", report::Grassetto),
};

// Report header, page header, the body, the page footer and the report
// footer, as every page has them.
constexpr std::array<report::Sezione, 5> cornice(std::span<const report::Controllo> dettaglio, bool conFirma)
{
    using report::Ruolo;
    return {{
        {"Section4", Ruolo::IntestazioneRapporto, 100, {}},
        {"Section2", Ruolo::IntestazionePagina, 100, {}},
        {"Section1", Ruolo::Dettaglio, 14500, dettaglio},
        {"Section3", Ruolo::PiePagina, 360, conFirma ? std::span<const report::Controllo>(Firma) : std::span<const report::Controllo>()},
        {"Section5", Ruolo::PieRapporto, 100, {}},
    }};
}

// A fill at work: sets captions of the body's value labels by name (without
// regard to case) from the variables of a print copy.
class Riempimento {
public:
    Riempimento(report::IstanzaRapporto &istanza, const SchedaStampa &scheda) : istanza_(istanza), scheda_(scheda) {}

    void operator()(const QString &controllo, const QString &testo);
    void operator()(const char *controllo, const QString &testo) { (*this)(QString::fromLatin1(controllo), testo); }
    const ado::Variant &operator[](const QString &colonna) const { return scheda_[colonna]; }
    const ado::Variant &operator[](const char *colonna) const { return scheda_[colonna]; }

    // Shorthands for the rules several pages share.
    using Coppia = std::pair<const char *, const char *>; // control, column
    void comeMemorizzati(std::initializer_list<Coppia> valori);
    // The two boxes of a choice of two.
    void caselle(const char *primo, const char *secondo, const char *colonna);
    // Controls named as their columns, prefix followed by primo..ultimo,
    // each by the same rule.
    using Regola = QString (*)(const ado::Variant &);
    void serie(const QString &prefisso, int primo, int ultimo, Regola regola);
    // A column of a two-year grid: the year in row 1, whole amounts below.
    void colonnaDiBilancio(QChar lettera, int ultimaRiga);

    // Controls set so far, in order, as the fill spelled them.
    const QStringList &impostati() const { return impostati_; }

private:
    report::IstanzaRapporto &istanza_;
    const SchedaStampa &scheda_;
    QStringList impostati_;
};

// A printed page: its layout and its fill.
struct PaginaStampa {
    const report::Rapporto &layout;
    void (*riempi)(Riempimento &);
};

// Pages 1 to 6.
const PaginaStampa &paginaStampa(int n);

extern const PaginaStampa Pagina1, Pagina2, Pagina3, Pagina4, Pagina5, Pagina6;

} // namespace scheda
