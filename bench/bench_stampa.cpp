// The whole-sheet print into a PDF file (no printer), as the menu command
// runs it, on an archive of 10,000 sheets with the current one filled in:
// the print question answered, the stored row found and loaded, six pages
// filled and drawn into one file, the message. Then its parts: the loader
// alone and each page drawn into a file of its own.
//
//   bench_stampa [benchmark flags]

#include "Banco.h"
#include "ProgrammaProva.h"
#include "SchedaPiena.h"

#include "core/Archivio.h"
#include "core/FileDati.h"
#include "core/Globali.h"
#include "core/RecordScheda.h"
#include "platform/dialoghi/DialoghiScriptati.h"
#include "platform/report/StampanteScriptata.h"
#include "platform/report/Uscite.h"
#include "platform/ui/Aspetto.h"
#include "print/ComandiStampa.h"
#include "print/RecordPerStampa.h"
#include "print/Stampa.h"
#include "shell/MostraPagina.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>
#include <stdexcept>

using namespace scheda;
using namespace stampa;

namespace {

constexpr int SchedeArchivio = 10000;

// The program started once for the whole run, the last sheet filled in and
// stored, the PDF files written into a folder of their own.
class Programma
{
public:
    static Programma &istanza()
    {
        if (!unica)
            unica.reset(new Programma);
        return *unica;
    }
    // Closed before the application ends.
    static void chiudi() { unica.reset(); }
    // The PDF files written so far, removed.
    int svuota()
    {
        QDir d(stampe.path());
        const QStringList f = d.entryList({QStringLiteral("*.pdf")}, QDir::Files);
        for (const QString &n : f)
            d.remove(n);
        return int(f.size());
    }

    QTemporaryDir stampe;
    ProgrammaProva programma;
    report::StampanteScriptata senzaStampante{false};

private:
    Programma()
    {
        programma.cartella.aggiungiSchede(SchedeArchivio);
        qputenv("VARNEX_STAMPE", stampe.path().toLocal8Bit());
        if (!programma.avvia())
            throw std::runtime_error("avvio fallito");
        prova::salvaSchedaPiena(); // the last sheet, the current one
    }
    static inline std::unique_ptr<Programma> unica;
};

void BM_StampaSchedaCorrentePdf(benchmark::State &state)
{
    Programma &p = Programma::istanza();
    int file = 0;
    for (auto _ : state) {
        p.programma.dialoghi.rispondi(dlg::vbYes);
        StampaSchedaCorrente();
        state.PauseTiming();
        file += p.svuota();
        p.programma.dialoghi.mostrati.clear();
        state.ResumeTiming();
    }
    if (file != int(state.iterations()))
        state.SkipWithError("not one file per print");
    state.SetLabel("6 pages, 10,000 sheets");
}
BENCHMARK(BM_StampaSchedaCorrentePdf)->Unit(benchmark::kMillisecond);

void BM_CaricaRecordPerStampa(benchmark::State &state)
{
    Programma::istanza();
    for (auto _ : state)
        benchmark::DoNotOptimize(CaricaRecordPerStampa());
    state.SetLabel("the last of 10,000 sheets");
}
BENCHMARK(BM_CaricaRecordPerStampa)->Unit(benchmark::kMillisecond);

void BM_PaginaInPdf(benchmark::State &state)
{
    Programma &p = Programma::istanza();
    const int n = int(state.range(0));
    const SchedaStampa copia = CaricaRecordPerStampa();
    qint64 byte = 0;
    for (auto _ : state) {
        riempiPagina(n, copia);
        report::FilePdf pdf(p.stampe.path(), QStringLiteral("pagina"));
        pdf.aggiungi(DataReport(n));
        pdf.chiudi();
        byte = QFile(pdf.percorso()).size();
        QFile::remove(pdf.percorso()); // its name free for the next one
    }
    state.counters["byte"] = double(byte);
    state.SetLabel("page " + std::to_string(n));
}
BENCHMARK(BM_PaginaInPdf)->DenseRange(1, 6)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    return banco::esegui(argc, argv, [] { Programma::chiudi(); });
}
