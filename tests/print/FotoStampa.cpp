// Not a test: prints the six pages of a filled-in sheet into one PDF file,
// to turn into pictures and compare the layouts by eye; with a page number
// and a picture file after it, also the preview window of that page. With
// --limiti first, the sheet whose every box is full to its limit.
//   foto_stampa scheda.pdf && pdftoppm -r 72 -png scheda.pdf pagina
//   foto_stampa scheda.pdf 2 anteprima2.png
//   foto_stampa --limiti limiti.pdf && pdftoppm -r 150 -png limiti.pdf pagina

#include "AiutiStampa.h"
#include "ProgrammaProva.h"

#include "platform/report/Anteprima.h"
#include "platform/report/Uscite.h"
#include "platform/ui/Aspetto.h"
#include "print/RecordPerStampa.h"
#include "print/Stampa.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <cstdio>

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ui::impostaAspetto();
    const bool alLimite = argc > 1 && qstrcmp(argv[1], "--limiti") == 0;
    if (alLimite) {
        --argc;
        ++argv;
    }
    // Absolute: the start-up moves into the program folder.
    const QString uscita = QFileInfo(argc > 1 ? QString::fromLocal8Bit(argv[1])
                                              : QStringLiteral("scheda.pdf"))
                               .absoluteFilePath();

    QString salvato;
    ProgrammaProva p;
    p.cartella.aggiungiSchede(1);
    if (!alLimite && !p.avvia())
        return 1;
    try {
        if (!alLimite)
            prova::salvaSchedaPiena();
        const stampa::SchedaStampa copia = alLimite ? prova::copiaAlLimite()
                                                    : stampa::CaricaRecordPerStampa();
        // The picture of the last run in the place of the one before.
        QFile::remove(uscita);
        const QFileInfo file(uscita);
        report::FilePdf pdf(file.absolutePath(), file.completeBaseName(), QStringLiteral("Scheda"));
        for (int n = 1; n <= 6; ++n) {
            stampa::riempiPagina(n, copia);
            pdf.aggiungi(stampa::DataReport(n));
        }
        pdf.chiudi();
        salvato = pdf.percorso();
        if (argc > 3) {
            const int n = QString::fromLocal8Bit(argv[2]).toInt();
            stampa::riempiPagina(n, copia);
            report::FinestraAnteprima *f = report::mostraAnteprima(stampa::DataReport(n));
            f->resize(900, 1000);
            QApplication::processEvents();
            f->grab().save(QString::fromLocal8Bit(argv[3]));
        }
    } catch (const std::exception &e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    std::printf("saved %s\n", qPrintable(salvato));
    return 0;
}
