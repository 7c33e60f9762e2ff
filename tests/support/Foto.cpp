#include "Foto.h"

#include "ProgrammaProva.h"

#include "core/FileDati.h"
#include "pages/PaginaScheda.h"
#include "pages/ServiziShell.h"
#include "platform/ui/Aspetto.h"
#include "shell/MostraPagina.h"

#include <QApplication>
#include <QTest>
#include <cstdio>

int salvaFoto(ProgrammaProva &p, const QString &file)
{
    p.finestra().resize(p.finestra().width(), 1120); // the whole page in the picture
    p.finestra().show();
    p.finestra().activateWindow();
    QTest::qWaitForWindowExposed(&p.finestra());
    QApplication::processEvents();
    const bool ok = p.finestra().grab().save(file);
    std::printf("%s %dx%d\n", ok ? "saved" : "NOT saved", p.finestra().width(),
                p.finestra().height());
    return ok ? 0 : 1;
}

bool avviaPerFoto(ProgrammaProva &p, const QString &riempi, int schede)
{
    p.cartella.aggiungiSchede(schede);
    p.cartella.esegui(scheda::FileVarnex, scheda::PasswordVarnex, riempi);
    return p.avvia();
}

int fotoPagina(int argc, char **argv, int pagina, const QString &riempi, int schede,
               const SullaPagina &sullaPagina)
{
    QApplication app(argc, argv);
    ui::impostaAspetto();
    const QString uscita = argc > 1 ? QString::fromLocal8Bit(argv[1])
                                    : QStringLiteral("pagina%1.png").arg(pagina);
    ProgrammaProva p;
    if (!avviaPerFoto(p, riempi, schede))
        return 1;
    if (!sullaPagina) {
        scheda::serviziShell().cambiaPagina(pagina);
        return salvaFoto(p, uscita);
    }
    // The boxes take the keys once the window is active.
    p.finestra().show();
    if (!p.attiva())
        return 1;
    scheda::serviziShell().cambiaPagina(pagina);
    QWidget *f = scheda::formMostrato();
    if (!f)
        return 1;
    sullaPagina(f);
    return salvaFoto(p, uscita);
}
