#include "shell/MDIForm1.h"
#include "core/Errori.h"
#include "shell/MostraPagina.h"
#include "shell/ServiziMdi.h"

#include "platform/dialoghi/Dialoghi.h"
#include "platform/ui/Apertura.h"
#include "platform/ui/Aspetto.h"
#include "platform/ui/FuocoInVista.h"
#include "platform/ui/Twips.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMdiArea>
#include <QMenuBar>
#include <QPainter>
#include <QPainterPath>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionToolButton>
#include <QStylePainter>
#include <QToolButton>

namespace scheda {

namespace {

ServiziMdi serviziMdi;

// The two emblems of the panel, drawn rather than shipped as pictures.
QPixmap stemma(QSize size, QColor campo, QColor bordo, const QString &sigla)
{
    QPixmap pm(size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath scudo;
    const qreal w = size.width() - 2, h = size.height() - 2;
    scudo.moveTo(1, 1);
    scudo.lineTo(1 + w, 1);
    scudo.lineTo(1 + w, 1 + h * 0.55);
    scudo.quadTo(1 + w, 1 + h * 0.9, 1 + w / 2, 1 + h);
    scudo.quadTo(1, 1 + h * 0.9, 1, 1 + h * 0.55);
    scudo.closeSubpath();
    p.fillPath(scudo, campo);
    p.setPen(QPen(bordo, 2));
    p.drawPath(scudo);
    p.setFont(ui::carattere(QStringLiteral("Arial"), 8, true));
    p.setPen(bordo);
    p.drawText(QRectF(0, 0, size.width(), size.height() * 0.8), Qt::AlignCenter, sigla);
    return pm;
}

QLabel *etichetta(QWidget *parent, const QString &testo, int left, int top, QColor colore = Qt::black)
{
    auto *l = new QLabel(testo, parent);
    l->move(ui::px(left), ui::px(top));
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, colore);
    l->setPalette(p);
    l->setFont(ui::carattere(QStringLiteral("Arial"), 7));
    l->adjustSize();
    return l;
}

// A standard (not graphical) command button: a caption wider than the
// button goes on as many lines as it needs, centred, inside the bevel.
class PulsanteStandard : public QToolButton {
public:
    using QToolButton::QToolButton;

    // The room the caption has: the bevel and a little margin off each side.
    QRect areaTesto() const { return rect().adjusted(MargineTesto, MargineTesto, -MargineTesto, -MargineTesto); }
    static constexpr int MargineTesto = 4;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QStylePainter p(this);
        QStyleOptionToolButton o;
        initStyleOption(&o);
        const QString testo = o.text;
        o.text.clear();
        p.drawComplexControl(QStyle::CC_ToolButton, o);
        p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
        p.drawText(areaTesto(), Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic, testo);
    }
};

} // namespace

MDIForm1::MDIForm1(QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("MDIForm1"));
    setWindowTitle(QStringLiteral("REGIONE TARVESIA - Velisco - I° Bando"));
    setWindowIcon(QIcon(stemma(QSize(32, 36), ui::coloreVb(ui::BluMedio), Qt::white, QStringLiteral("RT"))));

    auto *centro = new QWidget(this);
    auto *layout = new QHBoxLayout(centro);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    area_ = new QMdiArea(centro);
    area_->setObjectName(QStringLiteral("AreaPagine"));
    area_->setBackground(ui::coloreVb(ui::AzzurroPallido));
    area_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    area_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    layout->addWidget(area_, 1);
    Picture1 = new QWidget(centro);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setFixedWidth(ui::px(1980));
    Picture1->setAutoFillBackground(true);
    QPalette pp = Picture1->palette();
    pp.setColor(QPalette::Window, ui::coloreVb(ui::BluMedio));
    Picture1->setPalette(pp);
    layout->addWidget(Picture1);
    setCentralWidget(centro);

    creaPannello();
    creaMenu();

    FinestraPrincipale = this;
    impostaAreaPagine(area_);
    installaServiziShell(&serviziMdi);
    dlg::impostaFinestraPrincipale(this);
    // Room for a whole page beside the panel when the screen holds it; on a
    // smaller screen the page area scrolls and keeps the focus in sight.
    const int bordo = 2 * area_->frameWidth();
    const ui::Apertura apertura =
        ui::apertura(this,
                     QSize(ui::px(13060) + bordo + Picture1->width(), menuBar()->sizeHint().height() + ui::px(15000) + bordo),
                     style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, area_->verticalScrollBar()));
    resize(apertura.misura);
    massimizzata_ = apertura.massimizzata;
    ui::fuocoSempreInVista(area_);
}

void MDIForm1::mostraInApertura()
{
    // The start-up has shown the window already (page 1 opens in it); the
    // window system maximizes it after this, as it does any window.
    if (massimizzata_)
        setWindowState(windowState() | Qt::WindowMaximized);
    show();
}

MDIForm1::~MDIForm1()
{
    if (FinestraPrincipale == this) {
        FinestraPrincipale = nullptr;
        impostaAreaPagine(nullptr);
        installaServiziShell(nullptr);
    }
}

QToolButton *MDIForm1::pulsante(const QString &nome, const QString &caption, int left, int top, int w, int h,
                                void (MDIForm1::*handler)(), bool grafico)
{
    QToolButton *b = grafico ? new QToolButton(Picture1) : new PulsanteStandard(Picture1);
    b->setObjectName(nome);
    b->setText(caption);
    b->setGeometry(ui::rettangolo(left, top, w, h));
    // Buttons take the focus on click, so the box being edited commits first.
    b->setFocusPolicy(Qt::StrongFocus);
    b->setAutoRaise(false);
    b->setProperty("graphical", grafico);
    b->setAutoFillBackground(true);
    connect(b, &QToolButton::clicked, this, [this, handler] { eseguiComando([this, handler] { (this->*handler)(); }); });
    return b;
}

void MDIForm1::creaPannello()
{
    const int L = 0, R = 960;
    CMDNuovo = pulsante(QStringLiteral("CMDNuovo"), QStringLiteral("Nuovo"), L, 870, 975, 885, &MDIForm1::CMDNuovo_Click);
    CMDElimina = pulsante(QStringLiteral("CMDElimina"), QStringLiteral("Elimina"), R, 870, 975, 885, &MDIForm1::CMDElimina_Click);
    CMDPrec = pulsante(QStringLiteral("CMDPrec"), QStringLiteral("Precedente"), L, 1760, 975, 885, &MDIForm1::CMDPrec_Click);
    CMDSucc = pulsante(QStringLiteral("CMDSucc"), QStringLiteral("Successivo"), R, 1760, 975, 885, &MDIForm1::CMDSucc_Click);
    CMDPrimo = pulsante(QStringLiteral("CMDPrimo"), QStringLiteral("Primo"), L, 2640, 975, 885, &MDIForm1::CMDPrimo_Click);
    CMDUltimo = pulsante(QStringLiteral("CMDUltimo"), QStringLiteral("Ultimo"), R, 2640, 975, 885, &MDIForm1::CMDUltimo_Click);
    CMDTrova = pulsante(QStringLiteral("CMDTrova"), QStringLiteral("Trova"), L, 3520, 975, 885, &MDIForm1::CMDTrova_Click);
    Command1 = pulsante(QStringLiteral("Command1"), QStringLiteral("Stampa Pagina"), R, 3520, 975, 885, &MDIForm1::Command1_Click, false);
    void (MDIForm1::*pagine[7])() = {nullptr, &MDIForm1::CMDPag1_Click, &MDIForm1::CMDPag2_Click, &MDIForm1::CMDPag3_Click,
                                     &MDIForm1::CMDPag4_Click, &MDIForm1::CMDPag5_Click, &MDIForm1::CMDPag6_Click};
    const int topPagine[3] = {4440, 4780, 5130};
    for (int n = 1; n <= 6; ++n)
        CMDPag[n] = pulsante(QStringLiteral("CMDPag%1").arg(n), QStringLiteral("Pag. %1").arg(n), (n % 2) ? L : R,
                             topPagine[(n - 1) / 2], 960, 320, pagine[n]);
    CMDSalva = pulsante(QStringLiteral("CMDSalva"), QStringLiteral("Salva"), L, 5490, 975, 885, &MDIForm1::CMDSalva_Click);
    CMDRipristina = pulsante(QStringLiteral("CMDRipristina"), QStringLiteral("Ripristina"), R, 5490, 975, 885, &MDIForm1::CMDRipristina_Click);
    CMDEsci = pulsante(QStringLiteral("CMDEsci"), QStringLiteral("Esci"), L, 6420, 1935, 735, &MDIForm1::CMDEsci_Click);

    const std::pair<QToolButton *, QStyle::StandardPixmap> icone[] = {
        {CMDNuovo, QStyle::SP_FileIcon},           {CMDElimina, QStyle::SP_TrashIcon},
        {CMDPrec, QStyle::SP_ArrowBack},            {CMDSucc, QStyle::SP_ArrowForward},
        {CMDTrova, QStyle::SP_FileDialogContentsView}, {CMDSalva, QStyle::SP_DialogSaveButton},
        {CMDRipristina, QStyle::SP_BrowserReload},  {CMDEsci, QStyle::SP_DialogCloseButton},
    };
    for (const auto &[b, icona] : icone) {
        b->setIcon(style()->standardIcon(icona));
        b->setIconSize(QSize(24, 24));
        b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    }
    for (QToolButton *b : {CMDPrimo, CMDUltimo, Command1})
        b->setToolButtonStyle(Qt::ToolButtonTextOnly);

    // Tab order of the panel.
    QWidget *ordine[] = {CMDPrec, CMDSucc, CMDPrimo, CMDUltimo, CMDNuovo, CMDRipristina, CMDSalva, CMDElimina, CMDTrova,
                         CMDEsci, CMDPag[5], CMDPag[1], Command1, CMDPag[2], CMDPag[3], CMDPag[4], CMDPag[6]};
    for (std::size_t i = 1; i < std::size(ordine); ++i)
        setTabOrder(ordine[i - 1], ordine[i]);

    // The maker's emblem with its name, and the region's emblem at the foot.
    auto *marchio = new QLabel(Picture1);
    marchio->setGeometry(ui::rettangolo(1080, 50, 735, 780));
    marchio->setPixmap(stemma(marchio->size(), QColor(0xF0, 0xF0, 0xFF), QColor(0x20, 0x30, 0x80), QStringLiteral("CSI")));
    etichetta(Picture1, QStringLiteral("Centro"), 120, 150, Qt::white);
    etichetta(Picture1, QStringLiteral("Servizi"), 120, 350, Qt::white);
    etichetta(Picture1, QStringLiteral("Informatici"), 120, 550, Qt::white);
    auto *regione = new QLabel(Picture1);
    regione->setGeometry(ui::rettangolo(1200, 7200, 495, 585));
    regione->setPixmap(stemma(regione->size(), QColor(0xFF, 0xFF, 0xFF), QColor(0xB0, 0x10, 0x10), QString()));
    etichetta(Picture1, QStringLiteral("REGIONE"), 285, 7300);
    etichetta(Picture1, QStringLiteral("TARVESIA"), 240, 7520);
}

void MDIForm1::creaMenu()
{
    auto voce = [this](QMenu *menu, const QString &nome, const QString &caption, void (MDIForm1::*handler)()) {
        QAction *a = menu->addAction(caption);
        a->setObjectName(nome);
        connect(a, &QAction::triggered, this, [this, handler] { eseguiComando([this, handler] { (this->*handler)(); }); });
        return a;
    };
    MNUFile = menuBar()->addMenu(QStringLiteral("&File"));
    MNUFile->setObjectName(QStringLiteral("MNUFile"));
    MNUEsciItem = voce(MNUFile, QStringLiteral("MNUEsciItem"), QStringLiteral("&Esci"), &MDIForm1::MNUEsciItem_Click);
    Stampa = menuBar()->addMenu(QStringLiteral("Stampa"));
    Stampa->setObjectName(QStringLiteral("Stampa"));
    StampaScheda = voce(Stampa, QStringLiteral("StampaScheda"), QStringLiteral("Stampa Scheda Corrente"), &MDIForm1::StampaScheda_Click);
    Esporta = menuBar()->addMenu(QStringLiteral("Esporta"));
    Esporta->setObjectName(QStringLiteral("Esporta"));
    EsposrtaScheda = voce(Esporta, QStringLiteral("EsposrtaScheda"), QStringLiteral("Esporta Scheda Corrente"), &MDIForm1::EsposrtaScheda_Click);
    Aiuto = menuBar()->addMenu(QStringLiteral("?"));
    Aiuto->setObjectName(QStringLiteral("Aiuto"));
    Sommario = voce(Aiuto, QStringLiteral("Sommario"), QStringLiteral("Help"), &MDIForm1::Sommario_Click);
    Versione = voce(Aiuto, QStringLiteral("Versione"), QStringLiteral("Versione Software "), &MDIForm1::Versione_Click);
    // The preview menu exists but is hidden and disabled for good.
    Video = menuBar()->addMenu(QStringLiteral("Video"));
    Video->setObjectName(QStringLiteral("Video"));
    for (int n = 1; n <= 6; ++n) {
        Pag[n] = Video->addAction(QStringLiteral("Pag %1").arg(n));
        Pag[n]->setObjectName(QStringLiteral("Pag%1").arg(n));
        connect(Pag[n], &QAction::triggered, this, [this, n] { eseguiComando([this, n] { Pag_Click(n); }); });
    }
    Video->menuAction()->setVisible(false);
    Video->menuAction()->setEnabled(false);
}

void MDIForm1::closeEvent(QCloseEvent *e)
{
    // Closing by the frame ends the program as "&Esci" does; when the exit
    // does not happen (a failed save), the window stays open.
    e->ignore();
    eseguiComando([this] { MNUEsciItem_Click(); });
}

} // namespace scheda
