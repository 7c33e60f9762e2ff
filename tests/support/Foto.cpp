#include "Foto.h"

#include "ProgrammaProva.h"

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
    std::printf("%s %dx%d\n", ok ? "saved" : "NOT saved", p.finestra().width(), p.finestra().height());
    return ok ? 0 : 1;
}
