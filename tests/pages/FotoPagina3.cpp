// Not a test: draws page 3 of a sheet with both income statements filled in
// and saves a picture of the main window, to compare the layout by eye.
//   xvfb-run -s "-screen 0 1600x1200x24" foto_pagina3 pagina3.png

#include "Foto.h"

#include <QStringList>

int main(int argc, char **argv)
{
    // Two statements that add up, the second with a loss.
    const double c[] = {1250000, -15000, 32000, 0,     420000, 210500, 8000,
                        36000,   380000, 5000,  61000, 12500,  0,      4200,
                        -18750,  0,      2500,  -900,  0,      0,      31000};
    const double d[] = {1385400, 22000,  41250, 0,     505000, 260000, -6500,
                        38000,   455000, 7000,  74500, 15250,  0,      3100,
                        -21400,  0,      0,     -1200, 0,      0,      29000};
    QStringList assegna{QStringLiteral("denominazione = 'COOPERATIVA ALFA'"),
                        QStringLiteral("c1 = '2002'"), QStringLiteral("d1 = '2003'"),
                        QStringLiteral("coop_dipe = 1"), QStringLiteral("coop_versa = 2")};
    const auto colonna = [&](char lettera, const double *x) {
        double v[25] = {};
        for (int r = 2; r <= 23; ++r)
            v[r] = x[r - 2];
        v[5] = v[2] + v[3] + v[4];
        v[14] = 0;
        for (int r = 6; r <= 13; ++r)
            v[14] += v[r];
        v[15] = v[5] - v[14];
        v[18] = v[16] + v[17];
        v[21] = v[19] + v[20];
        v[22] = v[15] + v[18] + v[21];
        v[24] = v[22] - v[23];
        for (int r = 2; r <= 24; ++r)
            assegna << QStringLiteral("%1%2 = %3")
                           .arg(QLatin1Char(lettera))
                           .arg(r)
                           .arg(v[r], 0, 'f', 0);
    };
    colonna('c', c);
    colonna('d', d);

    return fotoPagina(argc, argv, 3,
                      QStringLiteral("UPDATE Dati SET ") + assegna.join(QStringLiteral(", "))
                          + QStringLiteral(" WHERE id_scheda = 1"));
}
