// The foot buttons of every page ("Pag. Preced.", "Pag. Succes."), in the
// whole program on real files: the box being typed commits as the button
// takes the focus, the save question comes, the row is written, and the
// page next to it is shown; with nothing changed they ask nothing.

#include "Interazione.h"

#include "core/Globali.h"
#include "pages/PaginaScheda.h"
#include "shell/MostraPagina.h"

#include <QList>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace scheda;
using namespace prova;
using ado::Variant;

namespace {

// A column of the sheet as the file holds it after the save; `numero`:
// compared as a number, whatever kind the file gives it.
struct Salvato
{
    const char *colonna;
    Variant atteso;
    bool numero = false;
};

// A foot button of page `pagina` that shows page `arrivo`, after the keys
// typed into `box`, which give the row these columns.
struct Piede
{
    const char *nome;
    int pagina, arrivo;
    const char *box;
    const char *tasti;
    QList<Salvato> salvati;
};

// A failure names the case.
void PrintTo(const Piede &c, std::ostream *os)
{
    *os << c.nome;
}

const Piede Casi[] = {
    {"Pagina1AllaPagina2", 1, 2, "TXTNome", "anna", {{"nome", Variant("ANNA")}}},
    {"Pagina2AllaPagina1", 2, 1, "TXTViaSede", "via verdi", {{"via_sede", Variant("VIA VERDI")}}},
    {"Pagina2AllaPagina3", 2, 3, "TXTViaSede", "via verdi", {{"via_sede", Variant("VIA VERDI")}}},
    // Column D alone; the save writes the declaration's default too.
    {"Pagina3AllaPagina2",
     3,
     2,
     "TXTD19",
     "55",
     {{"d19", Variant(55.0), true}, {"d21", Variant(55.0), true}, {"coop_dipe", Variant(2)}}},
    {"Pagina3AllaPagina4",
     3,
     4,
     "TXTD19",
     "55",
     {{"d19", Variant(55.0), true}, {"d21", Variant(55.0), true}, {"coop_dipe", Variant(2)}}},
    {"Pagina4AllaPagina3", 4, 3, "TXTFaxLoc", "071 1", {{"fax_loc", Variant("071 1")}}},
    {"Pagina4AllaPagina5", 4, 5, "TXTFaxLoc", "071 1", {{"fax_loc", Variant("071 1")}}},
    {"Pagina5AllaPagina4", 5, 4, "TXTSpeA2", "4", {{"spea2", Variant(4.0)}, {"spec2", Variant(4.0)}}},
    {"Pagina5AllaPagina6", 5, 6, "TXTSpeA2", "6", {{"spea2", Variant(6.0)}, {"spec2", Variant(6.0)}}},
    {"Pagina6AllaPagina5", 6, 5, "TXTPercEnte1", "25", {{"percente1", Variant(25.0), true}}},
};

class PulsantiPiede
    : public ConProgramma
    , public ::testing::WithParamInterface<Piede>
{
protected:
    // The foot button of page N that leads towards page `arrivo`.
    static QToolButton *pulsante(int n, int arrivo)
    {
        PaginaScheda *pagina = Form(n);
        return arrivo < n ? pagina->CMDPrec : pagina->CMDSucces;
    }
};

TEST_P(PulsantiPiede, AFootButtonShowsTheNextPageAfterTheBoxCommitsAndTheSaveQuestion)
{
    const Piede &c = GetParam();
    avvia(1);
    if (c.pagina != 1) // page 1 is shown from the start
        apriPagina(c.pagina);
    ASSERT_NE(Form(c.pagina), nullptr);
    // Page 1 has no page before it, page 6 none after it.
    EXPECT_EQ(Form(c.pagina)->CMDPrec->isEnabled(), c.pagina > 1);
    EXPECT_EQ(Form(c.pagina)->CMDSucces->isEnabled(), c.pagina < 6);

    scriviSenzaUscire(campo(c.box), QString::fromLatin1(c.tasti));
    p.dialoghi.rispondi(dlg::vbYes);
    clic(pulsante(c.pagina, c.arrivo)); // the box commits as the button takes the focus
    EXPECT_EQ(domandeSalva(), 1);
    for (const Salvato &s : c.salvati) {
        if (s.numero)
            EXPECT_EQ(salvato(1, s.colonna).toDouble(), s.atteso.toDouble()) << s.colonna;
        else
            EXPECT_EQ(salvato(1, s.colonna), s.atteso) << s.colonna;
    }
    EXPECT_EQ(PaginaCorrente, c.arrivo);
    EXPECT_NE(Form(c.arrivo), nullptr);
    EXPECT_EQ(Form(c.pagina), nullptr);
    EXPECT_EQ(PaginaModificata, 0);
    soloPaginaGialla(p.finestra(), c.arrivo);

    // Back again, the same button with nothing changed: no question.
    apriPagina(c.pagina);
    clic(pulsante(c.pagina, c.arrivo));
    EXPECT_EQ(domandeSalva(), 1);
    EXPECT_EQ(PaginaCorrente, c.arrivo);
}

INSTANTIATE_TEST_SUITE_P(Pagine, PulsantiPiede, ::testing::ValuesIn(Casi),
                         [](const ::testing::TestParamInfo<Piede> &i) {
                             return std::string(i.param.nome);
                         });

} // namespace
