// Not a test: draws page 5 of a filled-in sheet in the whole program and
// saves a picture of the main window, to compare the layout by eye.
//   xvfb-run -s "-screen 0 1600x1200x24" foto_pagina5 pagina5.png

#include "Foto.h"

int main(int argc, char **argv)
{
    return fotoPagina(
        argc, argv, 5,
        QStringLiteral(
            "UPDATE Dati SET denominazione = 'COOPERATIVA ALFA',"
            " spea1 = 125000, spea2 = 340000.5, spea3 = 1250000, spea4 = 18000, spea5 = 0, spea6 = "
            "7500.25,"
            " speb1 = 0, speb2 = 0, speb3 = 480000, speb4 = 2500, speb5 = 12000, speb6 = 0,"
            " spec1 = 125000, spec2 = 340000.5, spec3 = 1730000, spec4 = 20500, spec5 = 12000, "
            "spec6 = 7500.25,"
            " spea7 = 1740500.75, speb7 = 494500, spec7 = 2235000.75, dataavvio = '2004-09-01',"
            " dataultimazione = '1000-01-01', costeser1 = '2004', costeser2 = '2005', costeser3 = "
            "'2006',"
            " cost1 = 15000, cost2 = 22000.5, cost3 = 0.75, cost4 = 37001.25 WHERE id_scheda = 1"));
}
