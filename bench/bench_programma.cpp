// The whole program on an archive of 10,000 sheets (and, for the page steps,
// of one sheet), driven through its main window as the user drives it:
// start-up to page 1 shown, filling and opening page 1's sheet list, a
// record move with page 1 shown, a page switch that saves, page 1 shown
// again from page 2. Each timed step ends with the events it posted handled
// (the page closed, the new one painted).
//
//   bench_programma [--piene] [benchmark flags]
// --piene fills every column of every sheet (a larger file); by default a
// sheet holds its name and a few values.

#include "Banco.h"
#include "CartellaProva.h"

#include "core/Archivio.h"
#include "core/ColonneDati.h"
#include "core/FileDati.h"
#include "core/Globali.h"
#include "core/RecordScheda.h"
#include "pages/page1/Form1.h"
#include "platform/dialoghi/DialoghiScriptati.h"
#include "platform/ui/Aspetto.h"
#include "shell/MDIForm1.h"
#include "shell/MostraPagina.h"
#include "shell/Uscita.h"

#include <QApplication>
#include <QStringList>
#include <QTest>
#include <QToolButton>
#include <benchmark/benchmark.h>
#include <cstring>
#include <map>
#include <memory>
#include <stdexcept>

using namespace scheda;

namespace {

constexpr int SchedeArchivio = 10000;
bool schedePiene = false;

// Every column of every sheet with a value of its type.
QString sqlRiempiTutto()
{
    QStringList assegna;
    for (const Colonna &c : colonneDati()) {
        QString v;
        switch (c.tipo) {
        case Tipo::Testo:
            v = QStringLiteral("'VALORE DI PROVA'");
            break;
        case Tipo::Data:
            v = QStringLiteral("'2004-06-15'");
            break;
        case Tipo::Numero:
            v = QStringLiteral("1234");
            break;
        case Tipo::Opzione:
            v = QStringLiteral("1");
            break;
        }
        if (QLatin1String(c.nome) != QLatin1String("denominazione"))
            assegna << QString::fromLatin1(c.nome) + QStringLiteral(" = ") + v;
    }
    return QStringLiteral("UPDATE Dati SET ") + assegna.join(QStringLiteral(", "));
}

// The program set up as the tests set it up, on one folder per archive size
// for the whole run: scripted dialogs, the exit hook, the main window after
// start-up. One program runs at a time: asking for the other size closes it.
class Programma
{
public:
    static Programma &istanza(int schede = SchedeArchivio)
    {
        static std::map<int, std::unique_ptr<Programma>> programmi;
        std::unique_ptr<Programma> &p = programmi[schede];
        if (!p)
            p.reset(new Programma(schede));
        if (attivo_ != p.get()) {
            chiudiTutto();
            attivo_ = p.get();
        }
        CartellaProgramma = p->cartella.cartella();
        return *p;
    }
    // Closes the program that runs, whatever its size.
    static void chiudiTutto()
    {
        if (attivo_)
            attivo_->chiudi();
    }

    void avvia()
    {
        finestra_ = std::make_unique<MDIForm1>();
        if (!finestra_->MDIForm_Load())
            throw std::runtime_error("avvio fallito");
        QApplication::processEvents();
    }
    void chiudi()
    {
        banco::chiudi(finestra_);
        QApplication::processEvents();
        RecordScheda().azzera();
        PaginaCorrente = 0;
    }
    MDIForm1 &finestra()
    {
        if (!finestra_)
            avvia();
        return *finestra_;
    }
    Form1 *pagina1() { return qobject_cast<Form1 *>(Form(1)); }
    // A timed click. Not inlined, so that a profiler can collect the timed
    // steps alone (valgrind --tool=callgrind --toggle-collect='*Programma::clic*').
    [[gnu::noinline]] void clic(QToolButton *b) { premi(b); }
    // A click and the events it posted; untimed where called directly.
    void premi(QToolButton *b)
    {
        QTest::mouseClick(b, Qt::LeftButton);
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QApplication::processEvents();
    }
    CartellaProva cartella;
    // One set of scripted dialogs for the whole run, whichever program runs.
    dlg::DialoghiScriptati &dialoghi = dialoghiDelBanco();

private:
    static dlg::DialoghiScriptati &dialoghiDelBanco()
    {
        static dlg::DialoghiScriptati d;
        return d;
    }
    static inline Programma *attivo_ = nullptr;
    explicit Programma(int schede)
    {
        cartella.aggiungiSchede(schede);
        if (schedePiene)
            cartella.esegui(FileVarnex, PasswordVarnex, sqlRiempiTutto());
        CartellaProgramma = cartella.cartella();
        finisciProcesso = [](int) {};
    }
    std::unique_ptr<MDIForm1> finestra_;
};

void etichetta(benchmark::State &state, int schede = SchedeArchivio, const std::string &passo = {})
{
    std::string l = schede == 1 ? "1 sheet" : "10,000 sheets";
    if (schedePiene)
        l += ", every column filled";
    state.SetLabel(passo.empty() ? l : passo + ", " + l);
}

// Start-up: the main window made and loaded until page 1 stands on screen.
void BM_AvvioFinoAPagina1(benchmark::State &state)
{
    Programma &p = Programma::istanza();
    p.chiudi();
    for (auto _ : state) {
        p.avvia();
        state.PauseTiming();
        if (!p.pagina1() || !p.pagina1()->isVisible())
            state.SkipWithError("page 1 not shown");
        p.chiudi();
        state.ResumeTiming();
    }
    etichetta(state);
}
BENCHMARK(BM_AvvioFinoAPagina1)->Unit(benchmark::kMillisecond);

// Argument 1: a name saved through the program's own recordset before each
// read; 2: changed by another program (the file's pages are then read and
// decrypted again); 3: saved as a page saves it (only that row is read
// again); 0: the table unchanged (the last read is given again).
void cambiaUnNome(benchmark::State &state, Programma &p, int giro)
{
    if (state.range(0) == 0)
        return;
    state.PauseTiming();
    const QString nome = QStringLiteral("SCHEDA %1").arg(giro);
    if (state.range(0) == 1 || state.range(0) == 3) {
        const ado::Variant shown = IdRecord;
        RsDati->MoveFirst();
        RsDati->Move(SchedeArchivio / 2);
        const auto scrivi = [&nome] {
            RsDati->Fields(QStringLiteral("denominazione")).setValue(nome);
            RsDati->Update();
        };
        if (state.range(0) == 1) {
            scrivi();
        } else {
            IdRecord = RsDati->Fields(0).Value();
            salvaRigaScheda(scrivi);
            IdRecord = shown;
        }
        posizionaSuIdRecord();
    } else {
        p.cartella.esegui(FileVarnex, PasswordVarnex,
                          QStringLiteral(
                              "UPDATE Dati SET denominazione = '%1' WHERE id_scheda = 5000")
                              .arg(nome));
    }
    state.ResumeTiming();
}

const char *cambio(benchmark::State &state)
{
    static const char *casi[] = {"table unchanged", "a name saved by the program",
                                 "a name changed by another program", "a name saved by a page"};
    return casi[state.range(0)];
}

// Page 1's sheet list made from the table.
void BM_RiempiElencoPagina1(benchmark::State &state)
{
    Programma &p = Programma::istanza();
    p.finestra();
    Form1 *f = p.pagina1();
    int giro = 0;
    for (auto _ : state) {
        cambiaUnNome(state, p, ++giro);
        f->riempiElenco();
    }
    state.counters["voci"] = f->CMBDenominazione->count();
    state.SetLabel(cambio(state));
}
BENCHMARK(BM_RiempiElencoPagina1)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

// The one query behind the list: key and name of every sheet.
void BM_LetturaVociSchede(benchmark::State &state)
{
    Programma &p = Programma::istanza();
    p.finestra();
    long voci = 0;
    int giro = 0;
    for (auto _ : state) {
        cambiaUnNome(state, p, ++giro);
        voci = leggiVociSchede().chiavi.size();
    }
    state.counters["voci"] = double(voci);
    state.SetLabel(cambio(state));
}
BENCHMARK(BM_LetturaVociSchede)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

// Opening the sheet list: checked against the table, rebuilt when a name
// has changed in the file without the list (arguments 1 and 2).
void BM_AperturaElencoPagina1(benchmark::State &state)
{
    Programma &p = Programma::istanza();
    p.finestra();
    Form1 *f = p.pagina1();
    int giro = 0;
    for (auto _ : state) {
        cambiaUnNome(state, p, ++giro);
        f->CMBDenominazione->showPopup();
        f->CMBDenominazione->hidePopup();
        QApplication::processEvents();
    }
    state.SetLabel(cambio(state));
}
BENCHMARK(BM_AperturaElencoPagina1)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

// "<" and ">" by turns, near the end of the table, with page 1 shown;
// argument: the sheets in the archive.
void BM_SpostamentoRecordPagina1(benchmark::State &state)
{
    const int schede = int(state.range(0));
    Programma &p = Programma::istanza(schede);
    MDIForm1 &w = p.finestra();
    if (PaginaCorrente != 1)
        p.premi(w.CMDPag[1]);
    bool indietro = true;
    for (auto _ : state) {
        p.clic(indietro ? w.CMDPrec : w.CMDSucc);
        indietro = !indietro;
    }
    if (PaginaCorrente != 1 || !p.pagina1())
        state.SkipWithError("page 1 not shown");
    etichetta(state, schede);
}
BENCHMARK(BM_SpostamentoRecordPagina1)->Arg(1)->Arg(SchedeArchivio)->Unit(benchmark::kMillisecond);

// A page button pressed with an edit on the page shown, answered Yes: the
// page is saved, closed, and page N opens (2 from page 1, 1 from page 2).
// Arguments: N, the sheets in the archive.
void BM_CambioPaginaConSalvataggio(benchmark::State &state)
{
    const int schede = int(state.range(1));
    Programma &p = Programma::istanza(schede);
    MDIForm1 &w = p.finestra();
    const int verso = int(state.range(0));
    const int da = verso == 1 ? 2 : 1;
    const QString colonna = da == 1 ? QStringLiteral("cognome") : QStringLiteral("via_sede");
    int giro = 0;
    for (auto _ : state) {
        state.PauseTiming();
        if (PaginaCorrente != da)
            p.premi(w.CMDPag[da]);
        RecordScheda().imposta(colonna, QStringLiteral("VALORE %1").arg(++giro));
        PaginaModificata = 1;
        p.dialoghi.rispondi(dlg::vbYes);
        state.ResumeTiming();
        p.clic(w.CMDPag[verso]);
    }
    if (PaginaCorrente != verso || p.dialoghi.mostrati.size() < qsizetype(giro))
        state.SkipWithError("the switch did not save");
    p.dialoghi.mostrati.clear();
    etichetta(state, schede, verso == 2 ? "page 1 to page 2" : "page 2 to page 1");
}
BENCHMARK(BM_CambioPaginaConSalvataggio)
    ->Args({2, 1})
    ->Args({1, 1})
    ->Args({2, SchedeArchivio})
    ->Args({1, SchedeArchivio})
    ->Unit(benchmark::kMillisecond);

// "Pag. 1" pressed on page 2 without an edit: page 2 closes, page 1 opens
// (nothing asked, nothing saved). Argument: the sheets in the archive.
void BM_Pagina1DaPagina2(benchmark::State &state)
{
    const int schede = int(state.range(0));
    Programma &p = Programma::istanza(schede);
    MDIForm1 &w = p.finestra();
    p.dialoghi.mostrati.clear();
    for (auto _ : state) {
        state.PauseTiming();
        p.premi(w.CMDPag[2]);
        state.ResumeTiming();
        p.clic(w.CMDPag[1]);
    }
    if (PaginaCorrente != 1 || !p.pagina1() || !p.dialoghi.mostrati.isEmpty())
        state.SkipWithError("page 1 not shown, or a question asked");
    etichetta(state, schede);
}
BENCHMARK(BM_Pagina1DaPagina2)->Arg(1)->Arg(SchedeArchivio)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    int resto = 0;
    for (int i = 0; i < argc; ++i) {
        if (std::strcmp(argv[i], "--piene") == 0)
            schedePiene = true;
        else
            argv[resto++] = argv[i];
    }
    return banco::esegui(resto, argv, [] { Programma::chiudiTutto(); });
}
