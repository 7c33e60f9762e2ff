// Not a test: page 4 of a sheet in the whole program, its look-ups and its
// employees grid filled in through the keyboard, saved as a picture of the
// main window to compare the layout by eye.
//   xvfb-run -s "-screen 0 1600x1200x24" foto_pagina4 pagina4.png

#include "Foto.h"

#include <QApplication>
#include <QTest>
#include <QWidget>

namespace {

// Enters the control by name, types and leaves it with Tab.
void scrivi(QWidget *pagina, const char *nome, const char *testo)
{
    auto *w = pagina->findChild<QWidget *>(QString::fromLatin1(nome));
    if (!w)
        return;
    w->setFocus(Qt::TabFocusReason);
    QWidget *f = QApplication::focusWidget();
    QTest::keyClick(f, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(f, Qt::Key_Delete);
    QTest::keyClicks(f, QString::fromUtf8(testo));
    QTest::keyClick(f, Qt::Key_Tab);
}

} // namespace

int main(int argc, char **argv)
{
    return fotoPagina(
        argc, argv, 4,
        QStringLiteral(
            "UPDATE Dati SET denominazione = 'COOPERATIVA ALFA', denominazione_promo = 'CONSORZIO BETA SOC. COOP.',"
            " nat_giuri_promo = 3, cod_fiscale_promo = '01234560428', partita_iva_promo = '01234560428',"
            " attivita_promo = 'PANIFICAZIONE E PASTICCERIA', indirizzo_loc = 'VIA ROMA 12',"
            " telefono_loc = '071 123456', fax_loc = '071 654321', attivita = 'ASSISTENZA DOMICILIARE'"
            " WHERE id_scheda = 1"),
        1, [](QWidget *pagina) {
            const char *const tasti[][2] = {
                {"CMBIstatPromo", "32.30"}, {"CMBComuneLoc", "castelfidardo"}, {"CMBIstat", "85.32.0"},
                {"TXTDipA1", "1"},          {"TXTDipB1", "2"},                 {"TXTDipA2", "3,5"},
                {"TXTDipB2", "4,25"},       {"TXTDipA3", "12"},                {"TXTDipB3", "10,5"},
            };
            for (const auto &t : tasti)
                scrivi(pagina, t[0], t[1]);
        });
}
