// Not a test: draws page 6 of a filled-in sheet in the whole program and
// saves a picture of the main window, to compare the layout by eye.
//   xvfb-run -s "-screen 0 1600x1200x24" foto_pagina6 pagina6.png

#include "Foto.h"

int main(int argc, char **argv)
{
    return fotoPagina(
        argc, argv, 6,
        QStringLiteral(
            "UPDATE Dati SET denominazione = 'COOPERATIVA ALFA',"
            " promo = 'CONSORZIO PROMOTORE DELLE COOPERATIVE MARCHIGIANE', ivapromo = "
            "'01234567890', percpromo = 35.5,"
            " societa = 'FONDO SVILUPPO SPA', ivasocieta = '09876543210', percsocieta = 12.345,"
            " banca1 = 'BANCA DELLE MARCHE', ivabanca1 = '01122334455', percbanca1 = 10,"
            " banca2 = 'CASSA DI RISPARMIO', ivabanca2 = 'CSSRSP80A01A271X', percbanca2 = 0.5,"
            " banca4 = 'BANCA QUATTRO', ivabanca4 = '04444444444', percbanca4 = 1.5,"
            " ente1 = 'COMUNE DI ANCONA', ivaente1 = '00351040423', percente1 = 20,"
            " person1 = 'ALFA SRL', ivaperson1 = '02233445566', percperson1 = 21.655,"
            " person4 = 'OMEGA SPA', ivaperson4 = '09999999999', percperson4 = 1234.5 WHERE "
            "id_scheda = 1"));
}
