// The copy onto the disk, stopped for good at a chosen step so that a test
// can kill it there: at the step's chosen call it writes one byte on its
// standard output and waits.
//
//   copia_interrotta ORIGINE DESTINAZIONE PASSO VOLTA
//
// PASSO is the number of a disco::Passo, VOLTA which of its calls stops
// (writes are one call per block).

#include "platform/disco/CopiaFile.h"

#include <QString>
#include <cstdlib>
#include <unistd.h>

int main(int argc, char **argv)
{
    if (argc != 5)
        return 2;
    const int passo = std::atoi(argv[3]), volta = std::atoi(argv[4]);
    int volte = 0;
    disco::GuastoSimulato = [&](disco::Passo p) {
        if (int(p) == passo && ++volte == volta) {
            if (::write(STDOUT_FILENO, "!", 1) != 1)
                std::_Exit(3);
            for (;;)
                ::pause();
        }
        return 0;
    };
    const disco::EsitoCopia esito = disco::copiaSostituendo(QString::fromLocal8Bit(argv[1]),
                                                            QString::fromLocal8Bit(argv[2]));
    return esito.riuscita ? 0 : 1;
}
