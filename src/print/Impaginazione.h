#pragma once
// What the six printed pages share: the sections around their bodies (A4
// portrait, 720-twip margins, five sections, the signature line in the page
// footer of pages 1 to 5), and a page as its layout with its fill.

#include "platform/report/Rapporto.h"
#include "print/Riempimento.h"

#include <array>

namespace stampa {

inline constexpr report::Controllo Firma[] = {
    report::Testo("Label44", 0, 0, 5385, 285, "Firma : ______________________________",
                  report::Grassetto),
};

// Report header, page header, the body, the page footer and the report
// footer, as every page has them.
constexpr std::array<report::Sezione, 5> impaginazione(std::span<const report::Controllo> dettaglio,
                                                       bool conFirma)
{
    using report::Ruolo;
    return {{
        {"Section4", Ruolo::IntestazioneRapporto, 100, {}},
        {"Section2", Ruolo::IntestazionePagina, 100, {}},
        {"Section1", Ruolo::Dettaglio, 14500, dettaglio},
        {"Section3", Ruolo::PiePagina, 360,
         conFirma ? std::span<const report::Controllo>(Firma)
                  : std::span<const report::Controllo>()},
        {"Section5", Ruolo::PieRapporto, 100, {}},
    }};
}

// A printed page: its layout and the rows of its fill.
struct PaginaStampa
{
    const report::Rapporto &layout;
    std::span<const Riempimento> riempimento;
};

// Pages 1 to 6.
const PaginaStampa &paginaStampa(int n);

extern const PaginaStampa Pagina1, Pagina2, Pagina3, Pagina4, Pagina5, Pagina6;

} // namespace stampa
