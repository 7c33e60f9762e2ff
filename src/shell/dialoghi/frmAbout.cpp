#include "shell/dialoghi/frmAbout.h"

#include "platform/ui/Twips.h"

#include <QApplication>
#include <QIcon>
#include <QLabel>
#include <QPointer>
#include <QStyle>

namespace scheda {

namespace {

// The frame a fixed dialog adds around its client area (borders and caption).
constexpr int ContornoLarghezza = 6;
constexpr int ContornoAltezza = 25;

constexpr int LeftTesti = 1200;
constexpr int LarghezzaTesti = 6764 - 1200;
constexpr int AltezzaRiga = 240;

QLabel *riga(QWidget *parent, const QString &nome, const QString &testo, int top,
             bool grassetto = false)
{
    auto *l = new QLabel(testo, parent);
    l->setObjectName(nome);
    l->setGeometry(ui::rettangolo(LeftTesti, top, LarghezzaTesti, AltezzaRiga));
    if (grassetto) {
        QFont f = l->font();
        f.setBold(true);
        l->setFont(f);
    }
    return l;
}

} // namespace

frmAbout::frmAbout(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                          | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("Informazioni su Trelm"));
    setModal(false);
    setFixedSize(ui::px(8115) - ContornoLarghezza, ui::px(7515) - ContornoAltezza);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, ui::coloreVb(ui::AzzurroPallido));
    setPalette(p);

    // The program's icon, sized to the picture.
    QIcon icona = parent ? parent->window()->windowIcon() : QIcon();
    if (icona.isNull())
        icona = QApplication::windowIcon();
    if (icona.isNull())
        icona = style()->standardIcon(QStyle::SP_ComputerIcon);
    picIcon = new QLabel(this);
    picIcon->setObjectName(QStringLiteral("picIcon"));
    picIcon->setPixmap(icona.pixmap(32, 32));
    picIcon->move(ui::px(240), ui::px(240));
    picIcon->adjustSize();

    // The regional office that runs the grant call.
    riga(this, QStringLiteral("lblEnte"), QStringLiteral("REGIONE TARVESIA"), 120, true);
    riga(this, QStringLiteral("lblEnte1"),
         QStringLiteral("Servizio Cooperazione e Sviluppo delle Imprese"), 360);
    riga(this, QStringLiteral("lblEnte2"), QStringLiteral("Via della Regione, 1 - 00000 Velisco"),
         600);
    riga(this, QStringLiteral("lblEnte3"), QStringLiteral("Tel. 000 0000000 - Fax 000 0000001"),
         840);
    riga(this, QStringLiteral("lblEnte4"),
         QStringLiteral("E-mail: bando.cooperative@regione-tarvesia.example"), 1080);
    riga(this, QStringLiteral("lblEnte5"), QStringLiteral("Internet: www.regione-tarvesia.example"),
         1320);
    riga(this, QStringLiteral("lblEnte6"),
         QStringLiteral("Informazioni sul bando: dal lunedì al venerdì, ore 9.00 - 13.00"), 1560);

    // The white line between the two blocks.
    Line1 = new QWidget(this);
    Line1->setObjectName(QStringLiteral("Line1"));
    Line1->setGeometry(ui::px(1200), ui::px(2280), ui::px(6764) - ui::px(1200), 1);
    Line1->setAutoFillBackground(true);
    QPalette bianco = Line1->palette();
    bianco.setColor(QPalette::Window, Qt::white);
    Line1->setPalette(bianco);

    // The maker.
    riga(this, QStringLiteral("lblAutore"), QStringLiteral("Realizzazione e assistenza tecnica"),
         2400, true);
    riga(this, QStringLiteral("lblAutore1"), QStringLiteral("Centro Servizi Informatici"), 2700);
    riga(this, QStringLiteral("lblAutore2"), QStringLiteral("Via dei Sistemi, 10 - 00000 Velisco"),
         2940);
    riga(this, QStringLiteral("lblAutore3"), QStringLiteral("Tel. 000 0000100 - Fax 000 0000101"),
         3180);
    riga(this, QStringLiteral("lblAutore4"),
         QStringLiteral("E-mail: assistenza@centroservizi.example"), 3420);
    riga(this, QStringLiteral("lblAutore5"), QStringLiteral("Internet: www.centroservizi.example"),
         3660);
    riga(this, QStringLiteral("lblAutore6"),
         QStringLiteral("Assistenza sul programma: dal lunedì al venerdì,"), 4140);
    riga(this, QStringLiteral("lblAutore7"), QStringLiteral("ore 9.00 - 13.00 e 14.30 - 17.30"),
         4380);
    riga(this, QStringLiteral("lblAutore8"),
         QStringLiteral("Per le domande sul bando e sui dati da inserire"), 4860);
    riga(this, QStringLiteral("lblAutore9"),
         QStringLiteral("rivolgersi all'ufficio regionale indicato sopra."), 5100);

    lblTitle = new QLabel(QStringLiteral("SCHEDA TECNICA - Bando regionale per le cooperative"),
                          this);
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    lblTitle->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    lblTitle->setGeometry(ui::rettangolo(1200, 6360, 5805, AltezzaRiga));
    QFont titolo = lblTitle->font();
    titolo.setBold(true);
    lblTitle->setFont(titolo);

    lblVersion = new QLabel(QStringLiteral("Versione 1.0"), this);
    lblVersion->setObjectName(QStringLiteral("lblVersion"));
    lblVersion->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    lblVersion->setGeometry(ui::rettangolo(2160, 6600, 3885, AltezzaRiga));
}

frmAbout *mostraFrmAbout(QWidget *owner)
{
    static QPointer<frmAbout> aperta;
    if (!aperta) {
        aperta = new frmAbout(owner ? owner->window() : nullptr);
        aperta->setAttribute(Qt::WA_DeleteOnClose);
        aperta->Form_Load();
    }
    aperta->show();
    aperta->raise();
    aperta->activateWindow();
    return aperta;
}

} // namespace scheda
