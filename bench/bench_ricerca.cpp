// The municipality look-up of page 2 on the whole reference list, in the
// whole program with page 2 shown: the pop-up of CMBComuneSede opened (the
// list made from RsComune, the view laid out and shown, then closed), and
// the focus-out look-up of the last municipality of the list, of a name
// found in two provinces, and of a name that is in no row (a full scan).
//
//   build-bench/bench/bench_ricerca [benchmark flags]

#include "Banco.h"
#include "ProgrammaProva.h"

#include "core/Archivio.h"
#include "core/Globali.h"
#include "core/RecordScheda.h"
#include "pages/PaginaScheda.h"
#include "pages/campi/Combo.h"
#include "pages/campi/Ricerca.h"
#include "platform/db/Recordset.h"
#include "platform/ui/Aspetto.h"
#include "shell/MostraPagina.h"

#include <QAbstractItemView>
#include <QApplication>
#include <benchmark/benchmark.h>
#include <memory>
#include <stdexcept>

using namespace scheda;

namespace {

// The program started once for the whole run, page 2 shown.
class Pagina2
{
public:
    static Pagina2 &istanza()
    {
        if (!unica)
            unica.reset(new Pagina2);
        return *unica;
    }
    // Closed before the application ends.
    static void chiudi() { unica.reset(); }
    campi::ComboScheda *sede() const { return sede_; }
    campi::CampoRicerca *ricerca() const { return ricerca_; }
    ProgrammaProva programma;

private:
    Pagina2()
    {
        programma.cartella.aggiungiSchede(1);
        if (!programma.avviaSuPagina(2))
            throw std::runtime_error("avvio su pagina 2 fallito");
        QApplication::processEvents();
        PaginaScheda *f = Form(2);
        if (!f)
            throw std::runtime_error("pagina 2 non aperta");
        sede_ = f->findChild<campi::ComboScheda *>(QStringLiteral("CMBComuneSede"));
        ricerca_ = qobject_cast<campi::CampoRicerca *>(f->campo(QStringLiteral("CMBComuneSede")));
        if (!sede_ || !ricerca_)
            throw std::runtime_error("CMBComuneSede mancante");
    }
    campi::ComboScheda *sede_ = nullptr;
    campi::CampoRicerca *ricerca_ = nullptr;
    static inline std::unique_ptr<Pagina2> unica;
};

// The name of the last row of the list.
QString ultimoComune()
{
    RsComune->MoveLast();
    return RsComune->Fields(QStringLiteral("descrizione")).Value().toText();
}

void BM_AperturaElencoComuneSede(benchmark::State &state)
{
    Pagina2 &p = Pagina2::istanza();
    for (auto _ : state) {
        p.sede()->showPopup();
        QApplication::processEvents(); // laid out and painted
        state.PauseTiming();
        if (!p.sede()->view()->isVisible())
            state.SkipWithError("the list did not open");
        p.sede()->hidePopup();
        QApplication::processEvents();
        state.ResumeTiming();
    }
    state.counters["voci"] = p.sede()->count();
}
BENCHMARK(BM_AperturaElencoComuneSede)->Unit(benchmark::kMillisecond);

// The focus-out handler on a typed name: 0 the last municipality, 1 the
// first LIVO (a name of two provinces, the stored one), 2 no municipality.
void BM_UscitaComuneSede(benchmark::State &state)
{
    Pagina2 &p = Pagina2::istanza();
    const int caso = int(state.range(0));
    const QString nome = caso == 0   ? ultimoComune()
                         : caso == 1 ? QStringLiteral("LIVO")
                                     : QStringLiteral("NESSUNO");
    p.sede()->setFocus();
    for (auto _ : state) {
        state.PauseTiming();
        RecordScheda().imposta(QStringLiteral("comune_sede"),
                               ado::Variant(caso == 1 ? "LIVO" : "ANCONA"));
        RecordScheda().imposta(QStringLiteral("prov_sede"), ado::Variant(caso == 1 ? "TN" : "AN"));
        RecordScheda().imposta(QStringLiteral("cap_sede"),
                               ado::Variant(caso == 1 ? "38020" : "60121"));
        p.ricerca()->GotFocus();
        p.sede()->setEditText(nome);
        state.ResumeTiming();
        p.ricerca()->LostFocus();
    }
    const bool trovato = ComuneTrovato == 1;
    if (trovato != (caso != 2))
        state.SkipWithError("unexpected look-up outcome");
    static const char *etichette[] = {"the last municipality",
                                      "LIVO, stored in its second province", "a name in no row"};
    state.SetLabel(
        QStringLiteral("%1 (%2)").arg(QLatin1String(etichette[caso]), nome).toStdString());
    state.counters["righe"] = double(RsComune->RecordCount());
}
BENCHMARK(BM_UscitaComuneSede)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    return banco::esegui(argc, argv, [] { Pagina2::chiudi(); });
}
