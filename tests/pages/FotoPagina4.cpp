// Not a test: page 4 of a sheet in the whole program, its look-ups and its
// employees grid filled in through the keyboard, saved as a picture of the
// main window to compare the layout by eye.
//   xvfb-run -s "-screen 0 1600x1200x24" foto_pagina4 pagina4.png

#include "Foto.h"
#include "Interazione.h"

#include <QWidget>

int main(int argc, char **argv)
{
    return fotoPagina(
        argc, argv, 4,
        QStringLiteral(
            "UPDATE Dati SET denominazione = 'COOPERATIVA ALFA', denominazione_promo = 'CONSORZIO "
            "BETA SOC. COOP.',"
            " nat_giuri_promo = 3, cod_fiscale_promo = '01234560428', partita_iva_promo = "
            "'01234560428',"
            " attivita_promo = 'PANIFICAZIONE E PASTICCERIA', indirizzo_loc = 'VIA ROMA 12',"
            " telefono_loc = '071 123456', fax_loc = '071 654321', attivita = 'ASSISTENZA "
            "DOMICILIARE'"
            " WHERE id_scheda = 1"),
        1, [](QWidget *pagina) {
            const char *const tasti[][2] = {
                {"CMBIstatPromo", "32.30"}, {"CMBComuneLoc", "castelfidardo"},
                {"CMBIstat", "85.32.0"},    {"TXTDipA1", "1"},
                {"TXTDipB1", "2"},          {"TXTDipA2", "3,5"},
                {"TXTDipB2", "4,25"},       {"TXTDipA3", "12"},
                {"TXTDipB3", "10,5"},
            };
            for (const auto &t : tasti)
                if (QWidget *box = prova::figlio<QWidget>(pagina, QString::fromLatin1(t[0])))
                    prova::scrivi(box, QString::fromUtf8(t[1])); // entered as by Tab, left with Tab
        });
}
