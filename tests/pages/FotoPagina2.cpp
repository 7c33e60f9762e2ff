// Not a test: draws page 2 of a filled-in sheet in the whole program and
// saves three pictures, to compare the layout by eye: the page with both
// balance sheets filled, the municipality list open on a name found in two
// provinces, and the page after that name was picked and the box left.
//   xvfb-run -s "-screen 0 1600x1200x24" foto_pagina2 pagina2 [NAME]
// writes pagina2.png, pagina2-elenco.png and pagina2-scelto.png; the list
// is opened on NAME (LIVO by default), the last entry of that name picked.

#include "Foto.h"
#include "ProgrammaProva.h"

#include "core/Globali.h"
#include "pages/PaginaScheda.h"
#include "pages/ServiziShell.h"
#include "platform/ui/Aspetto.h"
#include "shell/MostraPagina.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPixmap>
#include <QScreen>
#include <QTest>
#include <QToolButton>
#include <cstdio>

namespace {

bool salva(const QPixmap &foto, const QString &nome)
{
    const bool ok = foto.save(nome);
    std::printf("%s %s %dx%d\n", ok ? "saved" : "NOT saved", qPrintable(nome), foto.width(),
                foto.height());
    return ok;
}

void attendi()
{
    for (int i = 0; i < 5; ++i) {
        QApplication::processEvents();
        QTest::qWait(50);
    }
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    ui::impostaAspetto();
    const QString radice = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("pagina2");
    const QString nome = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QStringLiteral("LIVO");

    ProgrammaProva p;
    QString importi;
    for (const char *l : {"a", "b"})
        for (int n = 2; n <= 25; ++n)
            importi += QStringLiteral(", %1%2 = %3")
                           .arg(QLatin1String(l))
                           .arg(n)
                           .arg(n * 1000 + (*l == 'a' ? 37 : 59) * n);
    const QString riempi
        = QStringLiteral(
              "UPDATE Dati SET denominazione = 'COOPERATIVA ALFA', comune_sede = 'ANCONA', "
              "prov_sede = 'AN',"
              " cap_sede = '60121', via_sede = 'VIA DELLE INDUSTRIE 12', tel_sede = '071 123456', "
              "fax_sede = '071 654321',"
              " cognome_ref = 'BIANCHI', nome_ref = 'LUCIA', tel_ref = '333 1234567', fax_ref = "
              "'071 654322',"
              " email_ref = 'lucia.bianchi@coopalfa.it', denom_posta = 'STUDIO ROSSI E ASSOCIATI',"
              " comune_posta = 'SANT''ELPIDIO A MARE', prov_posta = 'FM', cap_posta = '63811',"
              " via_posta = 'CORSO GARIBALDI 3', a1 = '2002', b1 = '2003'")
          + importi + QStringLiteral(", a25 = -1234567, b24 = -15000 WHERE id_scheda = 1");
    if (!avviaPerFoto(p, riempi))
        return 1;
    scheda::VaiPagina2();
    bool ok = salvaFoto(p, radice + QStringLiteral(".png")) == 0;
    if (!p.attiva())
        return 1;

    // The list open on the name (LIVO stands in two provinces).
    auto *sede = scheda::formMostrato()->findChild<QComboBox *>(QStringLiteral("CMBComuneSede"));
    QTest::mouseClick(sede, Qt::LeftButton, {}, QPoint(sede->width() - 8, sede->height() / 2));
    attendi();
    int voce = sede->findText(nome);
    while (voce >= 0 && voce + 1 < sede->count() && sede->itemText(voce + 1) == nome)
        ++voce;
    QAbstractItemView *vista = sede->view();
    vista->setCurrentIndex(sede->model()->index(voce, 0));
    vista->scrollTo(vista->currentIndex());
    attendi();
    ok = salva(sede->screen()->grabWindow(0, 0, 0, p.finestra().width(), 700),
               radice + QStringLiteral("-elenco.png"))
         && ok;

    // That entry picked, then the box left by Tab.
    QTest::keyClick(vista, Qt::Key_Return);
    attendi();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    attendi();
    ok = salva(p.finestra().grab(), radice + QStringLiteral("-scelto.png")) && ok;
    std::printf("comune_sede picked: %s %s, flag %d\n", qPrintable(sede->currentText()),
                qPrintable(scheda::formMostrato()
                               ->findChild<QLineEdit *>(QStringLiteral("TXTProvSede"))
                               ->text()),
                scheda::PaginaModificata);
    return ok ? 0 : 1;
}
