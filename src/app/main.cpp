// The program: the main window runs the start-up in its load event and the
// event loop does the rest.

#include "shell/Archivio.h"
#include "shell/MDIForm1.h"

#include <QApplication>
#include <QStyleFactory>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Varnex"));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSizeF(8.25);
    QApplication::setFont(font);
    scheda::CartellaProgramma = QCoreApplication::applicationDirPath();

    scheda::MDIForm1 finestra;
    if (!finestra.MDIForm_Load())
        return 1;
    finestra.show();
    return app.exec();
}
