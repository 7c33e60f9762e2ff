// Not a test: draws page 1 of a filled-in sheet in the whole program and
// saves a picture of the main window, to compare the layout by eye.
//   xvfb-run -s "-screen 0 1600x1200x24" foto_pagina1 pagina1.png

#include "Foto.h"

int main(int argc, char **argv)
{
    // Page 1 of the second of two sheets, the one start-up shows.
    return fotoPagina(argc, argv, 1,
                      QStringLiteral(
                          "UPDATE Dati SET cognome = 'ROSSI', nome = 'MARIO', nato = '1960-03-05', "
                          "denominazione = 'COOPERATIVA ALFA',"
                          " natura_giuridica = 1, data_costituzione = '1990-02-01', cod_fiscale = "
                          "'RSSMRA60C05A271X',"
                          " partita_iva = '01234567890', fatt_ultimo = 1234567, fatt_penultimo = "
                          "987654, eser_ultimo = '2003',"
                          " eser_penultimo = '2002', capitale_sociale = 50000, capitale_versato = "
                          "25000, iscr_reg_imp = 'ANCONA',"
                          " num_rea = 'AN-123456', data_iscr = '1990-03-01', iscr_art = 'ANCONA', "
                          "num_art = '42', data_art = '1000-01-01',"
                          " iscr_pref = 'ANCONA', num_pref = '77', data_pref = '1991-04-02', "
                          "sez_pref = 2, num_mini = 'A123456',"
                          " data_mini = '2004-06-15', categoria_mini = 1 WHERE id_scheda = 2"),
                      2);
}
