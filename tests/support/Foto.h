#pragma once
// The pictures of the pages (not tests): the main window of a started
// program, tall enough for a whole page, saved to a file.

#include <QString>
#include <functional>

class ProgrammaProva;
class QWidget;

// Starts the program of a picture on `schede` sheets "SCHEDA 1".."SCHEDA n",
// after the statement `riempi` on the main file; false when it failed.
bool avviaPerFoto(ProgrammaProva &p, const QString &riempi, int schede = 1);

// Shows the window, waits for it and saves it; the exit status for main().
int salvaFoto(ProgrammaProva &p, const QString &file);

// What a tool does on its page before the picture, with the window in front
// (keys typed into its boxes).
using SullaPagina = std::function<void(QWidget *pagina)>;

// The whole tool for a page: the program of avviaPerFoto, page `pagina`
// shown (after the window came to the front, when `sullaPagina` is given),
// its picture saved to the file named on the command line (else
// "paginaN.png").
int fotoPagina(int argc, char **argv, int pagina, const QString &riempi, int schede = 1,
               const SullaPagina &sullaPagina = {});
