#pragma once
// Report layouts as constant data: a sheet of paper, its margins, its
// sections from top to bottom, and in each section its controls, one row
// each: labels (a fixed caption, or a value label whose caption a fill
// sets) and lines. Lengths in twips (1440 to the inch), each control
// relative to the top left corner of its section.

#include <array>
#include <span>

namespace report {

struct Carattere
{
    const char *nome = "Times New Roman"; // a Windows font name, mapped as on screen
    double punti = 12;
    bool grassetto = false;
    bool sottolineato = false;
};

// The report font and its bold twin, what most controls use.
inline constexpr Carattere CarattereRapporto{};
inline constexpr Carattere Grassetto{"Times New Roman", 12, true};

enum class TipoControllo { Etichetta, Valore, Linea };
enum class Allineamento { Sinistra, Destra, Centro };
enum class Sfondo {
    Trasparente,
    Grigio, // opaque light grey, &H00E0E0E0
    Opaco,  // opaque with no colour of its own: the page's white
};

struct Controllo
{
    const char *nome;
    TipoControllo tipo;
    int left, top, width, height; // a line is horizontal (height 0) or vertical (width 0)
    const char *testo;            // the caption; for a value label its placeholder (UTF-8)
    Carattere carattere = CarattereRapporto;
    Allineamento allineamento = Allineamento::Sinistra;
    Sfondo sfondo = Sfondo::Trasparente;
    bool bordo = false; // a solid border on all four sides
    // Labels of one group (above 0, within a section) print at one width,
    // the narrowest that any of them needs to fit.
    int gruppo = 0;
    // Fixed words that end the caption a fill sets: a caption too long for
    // its label loses characters of what stands before them, not them.
    const char *coda = nullptr;

    constexpr Controllo destra() const
    {
        return con(&Controllo::allineamento, Allineamento::Destra);
    }
    constexpr Controllo centro() const
    {
        return con(&Controllo::allineamento, Allineamento::Centro);
    }
    constexpr Controllo grigio() const { return con(&Controllo::sfondo, Sfondo::Grigio); }
    constexpr Controllo opaco() const { return con(&Controllo::sfondo, Sfondo::Opaco); }
    constexpr Controllo bordato() const { return con(&Controllo::bordo, true); }
    constexpr Controllo inGruppo(int n) const { return con(&Controllo::gruppo, n); }
    constexpr Controllo conCoda(const char *parole) const { return con(&Controllo::coda, parole); }

private:
    template<typename T>
    constexpr Controllo con(T Controllo::*campo, T valore) const
    {
        Controllo c = *this;
        c.*campo = valore;
        return c;
    }
};

// A static label.
constexpr Controllo Testo(const char *nome, int left, int top, int width, int height,
                          const char *testo, Carattere carattere = CarattereRapporto)
{
    return {nome, TipoControllo::Etichetta, left, top, width, height, testo, carattere};
}
// A value label; its caption in the layout is a placeholder.
constexpr Controllo Valore(const char *nome, int left, int top, int width, int height,
                           Carattere carattere = CarattereRapporto, const char *segnaposto = "")
{
    return {nome, TipoControllo::Valore, left, top, width, height, segnaposto, carattere};
}
constexpr Controllo Linea(const char *nome, int left, int top, int width, int height)
{
    return {nome, TipoControllo::Linea, left, top, width, height, ""};
}

// Where a section prints on the page.
enum class Ruolo {
    IntestazioneRapporto, // first page, at the top
    IntestazionePagina,   // every page, under the report header
    Dettaglio,            // the body
    PiePagina,            // every page, at the foot of the printable area
    PieRapporto,          // after the last body
};

struct Sezione
{
    const char *nome;
    Ruolo ruolo;
    int altezza;
    std::span<const Controllo> controlli;
};

struct Rapporto
{
    const char *nome;                 // the layout's name ("DataReport1")
    const char *caption;              // the title of its preview window
    std::span<const Sezione> sezioni; // top to bottom
    int larghezza = 10420;            // the report's width, inside the margins
    int margine = 720;                // left, right, top and bottom alike
    int larghezzaFoglio = 11906;      // A4 portrait
    int altezzaFoglio = 16838;
};

} // namespace report
