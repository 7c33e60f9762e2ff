#include "Banco.h"

#include "core/Archivio.h"
#include "platform/memoria/Memoria.h"
#include "platform/ui/Aspetto.h"
#include "shell/MDIForm1.h"
#include "shell/MostraPagina.h"

#include <QApplication>
#include <benchmark/benchmark.h>

namespace banco {

int esegui(int argc, char **argv, const std::function<void()> &allaFine)
{
    memoria::tieniMemoriaLiberata(); // as the program does
    if (qgetenv("QT_QPA_PLATFORM").isEmpty())
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ui::impostaAspetto();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    if (allaFine)
        allaFine();
    benchmark::Shutdown();
    return 0;
}

void chiudi(std::unique_ptr<scheda::MDIForm1> &finestra)
{
    for (int n = 1; n <= 6; ++n)
        scheda::chiudiForm(n);
    scheda::chiudiArchivio();
    finestra.reset();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace banco
