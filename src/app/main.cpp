// The program: the main window runs the start-up in its load event and the
// event loop does the rest.

#include "core/Archivio.h"
#include "platform/memoria/Memoria.h"
#include "platform/ui/Aspetto.h"
#include "platform/ui/Lingua.h"
#include "shell/MDIForm1.h"

#include <QApplication>

int main(int argc, char **argv)
{
    memoria::tieniMemoriaLiberata();
    QApplication app(argc, argv);
    ui::impostaAspetto();
    ui::traduciQt(); // without them the program still starts, Qt's texts in English
    scheda::CartellaProgramma = QCoreApplication::applicationDirPath();

    scheda::MDIForm1 finestra;
    if (!finestra.MDIForm_Load())
        return 1;
    finestra.mostraInApertura();
    return app.exec();
}
