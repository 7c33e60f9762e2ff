#pragma once
// The pictures of the pages (not tests): the main window of a started
// program, tall enough for a whole page, saved to a file.

#include <QString>

class ProgrammaProva;

// Shows the window, waits for it and saves it; the exit status for main().
int salvaFoto(ProgrammaProva &p, const QString &file);

// The whole tool for a page: one sheet filled by the statement `riempi` on
// the main file, page `pagina` shown, its picture saved to the file named
// on the command line (else "paginaN.png").
int fotoPagina(int argc, char **argv, int pagina, const QString &riempi);
