// The whole-sheet print into a PDF file (no printer), as the menu command
// runs it, on an archive of 10,000 sheets with the current one filled in:
// the print question answered, the stored row found and loaded, six pages
// filled and drawn into one file, the message. Then its parts: the loader
// alone and each page drawn into a file of its own.
//
//   bench_stampa [benchmark flags]

#include "Banco.h"
#include "CartellaProva.h"
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
#include "shell/MDIForm1.h"
#include "shell/MostraPagina.h"
#include "shell/Uscita.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>
#include <stdexcept>

using namespace scheda;

namespace {

constexpr int SchedeArchivio = 10000;

class Programma {
public:
    static Programma &istanza()
    {
        static Programma p;
        return p;
    }
    // The PDF files written so far, removed.
    int svuota()
    {
        QDir d(stampe.path());
        const QStringList f = d.entryList({QStringLiteral("*.pdf")}, QDir::Files);
        for (const QString &n : f)
            d.remove(n);
        return int(f.size());
    }
    void chiudi() { banco::chiudi(finestra_); }

    CartellaProva cartella;
    QTemporaryDir stampe;
    dlg::DialoghiScriptati dialoghi;
    report::StampanteScriptata senzaStampante{false};

private:
    Programma()
    {
        cartella.aggiungiSchede(SchedeArchivio);
        CartellaProgramma = cartella.cartella();
        finisciProcesso = [](int) {};
        qputenv("VARNEX_STAMPE", stampe.path().toLocal8Bit());
        finestra_ = std::make_unique<MDIForm1>();
        if (!finestra_->MDIForm_Load())
            throw std::runtime_error("avvio fallito");
        prova::salvaSchedaPiena(); // the last sheet, the current one
    }
    std::unique_ptr<MDIForm1> finestra_;
};

void BM_StampaSchedaCorrentePdf(benchmark::State &state)
{
    Programma &p = Programma::istanza();
    int file = 0;
    for (auto _ : state) {
        p.dialoghi.rispondi(dlg::vbYes);
        StampaSchedaCorrente();
        state.PauseTiming();
        file += p.svuota();
        p.dialoghi.mostrati.clear();
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
    const QString percorso = QDir(p.stampe.path()).filePath(QStringLiteral("pagina.pdf"));
    for (auto _ : state) {
        riempiPagina(n, copia);
        report::FilePdf pdf(percorso);
        pdf.aggiungi(DataReport(n));
        pdf.chiudi();
    }
    state.counters["byte"] = double(QFile(percorso).size());
    state.SetLabel("page " + std::to_string(n));
}
BENCHMARK(BM_PaginaInPdf)->DenseRange(1, 6)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    return banco::esegui(argc, argv, [] { Programma::istanza().chiudi(); });
}
