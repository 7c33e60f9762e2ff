// Not a test: runs two exports in the whole program with the real message
// boxes, and saves a picture of the screen at each box, to compare them by
// eye: a sheet without the legal representative's surname, then the same
// sheet complete, exported onto a temporary disk folder. A window manager
// draws the titles of the boxes; twm does, given a twmrc with the lines
// DecorateTransients, RandomPlacement and UsePPosition "on":
//   xvfb-run -a -s "-screen 0 1600x1200x24" sh -c 'twm -f twmrc & sleep 1; foto_esportazione CARTELLA'

#include "ProgrammaProva.h"
#include "SchedeProva.h"

#include "core/FileDati.h"
#include "core/Globali.h"
#include "platform/dialoghi/Dialoghi.h"
#include "platform/disco/Unita.h"
#include "platform/ui/Aspetto.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cstdio>

namespace {

// The file each box's picture goes to, by its title.
QString nomeFoto(const QString &titolo)
{
    if (titolo.startsWith(QStringLiteral("Dati indispensabili")))
        return QStringLiteral("esporta-dato-mancante.png");
    if (titolo.startsWith(QStringLiteral("Inserire Floppy")))
        return QStringLiteral("esporta-domanda-disco.png");
    return QStringLiteral("esporta-riuscita.png");
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    ui::impostaAspetto();
    const QDir uscita(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
    QTemporaryDir disco;
    qputenv(disco::VariabileUnitaA, QFile::encodeName(disco.path()));

    ProgrammaProva p;
    dlg::impostaDialoghi(nullptr); // the real boxes
    prova::aggiungiSchedaCompleta(p.cartella, 1, {QStringLiteral("cognome")});
    if (!p.avvia())
        return 1;
    p.finestra().show();
    p.finestra().activateWindow();
    QTest::qWaitForWindowExposed(&p.finestra());

    int salvate = 0;
    // At each box: a picture of the whole screen, then Yes or OK.
    QTimer guarda;
    QObject::connect(&guarda, &QTimer::timeout, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        guarda.stop();
        QTimer::singleShot(700, box, [&, box] {
            const QString file = uscita.filePath(nomeFoto(box->windowTitle()));
            salvate += QGuiApplication::primaryScreen()->grabWindow(0).save(file);
            box->grab().save(
                QString(file).replace(QStringLiteral(".png"), QStringLiteral("-box.png")));
            std::printf("%s\n", qPrintable(file));
            box->buttons().first()->click();
            guarda.start();
        });
    });
    guarda.start(100);

    p.finestra().EsposrtaScheda->trigger();
    prova::completaScheda(p.cartella, scheda::IdRecord.integer(), 1);
    p.finestra().EsposrtaScheda->trigger();
    std::printf("%d pictures, disk copy %s\n", salvate,
                QFile::exists(QDir(disco.path()).filePath(QStringLiteral("Esporta.mdb")))
                    ? "made"
                    : "MISSING");
    return salvate == 3 ? 0 : 1;
}
