#include "shell/MDIForm1.h"
#include "core/Errori.h"
#include "shell/MostraPagina.h"
#include "shell/ServiziMdi.h"

#include "pages/PaginaScheda.h"
#include "platform/dialoghi/DialoghiQt.h"
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
#include <optional>

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

QLabel *etichetta(QWidget *parent, const QString &testo, int left, int top,
                  QColor colore = Qt::black)
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
class PulsanteStandard : public QToolButton
{
public:
    using QToolButton::QToolButton;

    // The room the caption has: the bevel and a little margin off each side.
    QRect areaTesto() const
    {
        return rect().adjusted(MargineTesto, MargineTesto, -MargineTesto, -MargineTesto);
    }
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
        p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled,
                                 QPalette::ButtonText));
        p.drawText(areaTesto(), Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic, testo);
    }
};

} // namespace

MDIForm1::MDIForm1(QWidget *parent)
    : QMainWindow(parent)
{
    setObjectName(QStringLiteral("MDIForm1"));
    setWindowTitle(QStringLiteral("REGIONE TARVESIA - Velisco - I° Bando"));
    setWindowIcon(
        QIcon(stemma(QSize(32, 36), ui::coloreVb(ui::BluMedio), Qt::white, QStringLiteral("RT"))));

    auto *centro = new QWidget(this);
    auto *layout = new QHBoxLayout(centro);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    area_ = new QMdiArea(centro);
    area_->setObjectName(QStringLiteral("AreaPagine"));
    area_->setBackground(ui::coloreVb(ui::AzzurroPallido));
    area_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    area_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // The area scrolls over a page's room whether or not a page form is open:
    // an empty widget of a page's size lies under the page forms at their
    // place, so closing one page and opening the next leaves the scroll bars
    // as they are instead of hiding them, showing them again, and laying out
    // and painting the whole area each time.
    auto *postoPagina = new QWidget(area_->viewport());
    postoPagina->setObjectName(QStringLiteral("PostoPagina"));
    postoPagina->setAttribute(Qt::WA_TransparentForMouseEvents);
    postoPagina->setGeometry(0, 0, ui::px(LarghezzaPagina), ui::px(AltezzaPagina));
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
    dlg::impostaDialoghiQt(this); // the boxes of the program, over this window
    // Room for a whole page beside the panel when the screen holds it; on a
    // smaller screen the page area scrolls and keeps the focus in sight.
    const int bordo = 2 * area_->frameWidth();
    const ui::Apertura apertura
        = ui::apertura(this,
                       QSize(ui::px(LarghezzaPagina) + bordo + Picture1->width(),
                             menuBar()->sizeHint().height() + ui::px(AltezzaPagina) + bordo),
                       style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr,
                                            area_->verticalScrollBar()));
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

namespace {

// The buttons of the panel, top to bottom, the left column (Left 0) before
// the right one (Left 960).
struct RigaPulsante
{
    const char *nome;
    const char *caption;
    int left, top, width, height;                // twips
    std::optional<QStyle::StandardPixmap> icona; // above the caption; none: the caption alone
    void (MDIForm1::*handler)();
    QToolButton *MDIForm1::*membro; // where the window keeps it; nullptr: CMDPag[pagina]
    int pagina;
    int tab;             // its place in the panel's tab order
    bool grafico = true; // false: a standard button, whose back colour does not show
};

using Q = QStyle;
using W = MDIForm1;
constexpr std::nullopt_t SoloTesto = std::nullopt;

// clang-format off
const RigaPulsante Pulsanti[] = {
    // nome           caption          left  top   width  height  icona                         handler                  membro             pagina  tab  grafico
    {"CMDNuovo",      "Nuovo",         0,    870,  975,   885,    Q::SP_FileIcon,               &W::CMDNuovo_Click,      &W::CMDNuovo,      0,      4},
    {"CMDElimina",    "Elimina",       960,  870,  975,   885,    Q::SP_TrashIcon,              &W::CMDElimina_Click,    &W::CMDElimina,    0,      7},
    {"CMDPrec",       "Precedente",    0,    1760, 975,   885,    Q::SP_ArrowBack,              &W::CMDPrec_Click,       &W::CMDPrec,       0,      0},
    {"CMDSucc",       "Successivo",    960,  1760, 975,   885,    Q::SP_ArrowForward,           &W::CMDSucc_Click,       &W::CMDSucc,       0,      1},
    {"CMDPrimo",      "Primo",         0,    2640, 975,   885,    SoloTesto,                    &W::CMDPrimo_Click,      &W::CMDPrimo,      0,      2},
    {"CMDUltimo",     "Ultimo",        960,  2640, 975,   885,    SoloTesto,                    &W::CMDUltimo_Click,     &W::CMDUltimo,     0,      3},
    {"CMDTrova",      "Trova",         0,    3520, 975,   885,    Q::SP_FileDialogContentsView, &W::CMDTrova_Click,      &W::CMDTrova,      0,      8},
    {"Command1",      "Stampa Pagina", 960,  3520, 975,   885,    SoloTesto,                    &W::Command1_Click,      &W::Command1,      0,      12,  false},
    {"CMDPag1",       "Pag. 1",        0,    4440, 960,   320,    SoloTesto,                    &W::CMDPag1_Click,       nullptr,           1,      11},
    {"CMDPag2",       "Pag. 2",        960,  4440, 960,   320,    SoloTesto,                    &W::CMDPag2_Click,       nullptr,           2,      13},
    {"CMDPag3",       "Pag. 3",        0,    4780, 960,   320,    SoloTesto,                    &W::CMDPag3_Click,       nullptr,           3,      14},
    {"CMDPag4",       "Pag. 4",        960,  4780, 960,   320,    SoloTesto,                    &W::CMDPag4_Click,       nullptr,           4,      15},
    {"CMDPag5",       "Pag. 5",        0,    5130, 960,   320,    SoloTesto,                    &W::CMDPag5_Click,       nullptr,           5,      10},
    {"CMDPag6",       "Pag. 6",        960,  5130, 960,   320,    SoloTesto,                    &W::CMDPag6_Click,       nullptr,           6,      16},
    {"CMDSalva",      "Salva",         0,    5490, 975,   885,    Q::SP_DialogSaveButton,       &W::CMDSalva_Click,      &W::CMDSalva,      0,      6},
    {"CMDRipristina", "Ripristina",    960,  5490, 975,   885,    Q::SP_BrowserReload,          &W::CMDRipristina_Click, &W::CMDRipristina, 0,      5},
    {"CMDEsci",       "Esci",          0,    6420, 1935,  735,    Q::SP_DialogCloseButton,      &W::CMDEsci_Click,       &W::CMDEsci,       0,      9},
};
// clang-format on

// The pictures of the panel, only for show, on its background: the maker's
// emblem with its name at the top, the region's emblem with its name at the foot.
struct RigaFigura
{
    const char *testo;            // a label's caption; nullptr: an emblem
    int left, top, width, height; // twips; a label takes the size of its caption
    QRgb colore;                  // a label's text; an emblem's border and letters
    QRgb campo = 0;               // an emblem's field
    const char *sigla = "";       // an emblem's letters
};

constexpr QRgb Bianco = qRgb(0xFF, 0xFF, 0xFF);
constexpr QRgb Nero = qRgb(0, 0, 0);

// clang-format off
const RigaFigura Figure[] = {
    // testo        left  top   width  height  colore                  campo                   sigla
    {nullptr,       1080, 50,   735,   780,    qRgb(0x20, 0x30, 0x80), qRgb(0xF0, 0xF0, 0xFF), "CSI"},
    {"Centro",      120,  150,  0,     0,      Bianco},
    {"Servizi",     120,  350,  0,     0,      Bianco},
    {"Informatici", 120,  550,  0,     0,      Bianco},
    {nullptr,       1200, 7200, 495,   585,    qRgb(0xB0, 0x10, 0x10), Bianco},
    {"REGIONE",     285,  7300, 0,     0,      Nero},
    {"TARVESIA",    240,  7520, 0,     0,      Nero},
};
// clang-format on

} // namespace

void MDIForm1::creaPannello()
{
    QToolButton *ordine[std::size(Pulsanti)] = {};
    for (const RigaPulsante &r : Pulsanti) {
        QToolButton *b = r.grafico ? new QToolButton(Picture1) : new PulsanteStandard(Picture1);
        b->setObjectName(QString::fromLatin1(r.nome));
        b->setText(QString::fromLatin1(r.caption));
        b->setGeometry(ui::rettangolo(r.left, r.top, r.width, r.height));
        // Buttons take the focus on click, so the box being edited commits first.
        b->setFocusPolicy(Qt::StrongFocus);
        b->setAutoRaise(false);
        b->setProperty("graphical", r.grafico);
        b->setAutoFillBackground(true);
        if (r.icona) {
            b->setIcon(style()->standardIcon(*r.icona));
            b->setIconSize(QSize(24, 24));
            b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        } else {
            b->setToolButtonStyle(Qt::ToolButtonTextOnly);
        }
        connect(b, &QToolButton::clicked, this,
                [this, h = r.handler] { eseguiComando([this, h] { (this->*h)(); }); });
        (r.membro ? this->*r.membro : CMDPag[r.pagina]) = b;
        ordine[r.tab] = b;
    }
    for (std::size_t i = 1; i < std::size(ordine); ++i)
        setTabOrder(ordine[i - 1], ordine[i]);

    for (const RigaFigura &f : Figure) {
        if (f.testo) {
            etichetta(Picture1, QString::fromUtf8(f.testo), f.left, f.top, QColor(f.colore));
            continue;
        }
        auto *figura = new QLabel(Picture1);
        figura->setGeometry(ui::rettangolo(f.left, f.top, f.width, f.height));
        figura->setPixmap(stemma(figura->size(), QColor(f.campo), QColor(f.colore),
                                 QString::fromLatin1(f.sigla)));
    }
}

void MDIForm1::creaMenu()
{
    auto voce = [this](QMenu *menu, const QString &nome, const QString &caption,
                       void (MDIForm1::*handler)()) {
        QAction *a = menu->addAction(caption);
        a->setObjectName(nome);
        connect(a, &QAction::triggered, this,
                [this, handler] { eseguiComando([this, handler] { (this->*handler)(); }); });
        return a;
    };
    MNUFile = menuBar()->addMenu(QStringLiteral("&File"));
    MNUFile->setObjectName(QStringLiteral("MNUFile"));
    MNUEsciItem = voce(MNUFile, QStringLiteral("MNUEsciItem"), QStringLiteral("&Esci"),
                       &MDIForm1::MNUEsciItem_Click);
    Stampa = menuBar()->addMenu(QStringLiteral("Stampa"));
    Stampa->setObjectName(QStringLiteral("Stampa"));
    StampaScheda = voce(Stampa, QStringLiteral("StampaScheda"),
                        QStringLiteral("Stampa Scheda Corrente"), &MDIForm1::StampaScheda_Click);
    Esporta = menuBar()->addMenu(QStringLiteral("Esporta"));
    Esporta->setObjectName(QStringLiteral("Esporta"));
    EsposrtaScheda = voce(Esporta, QStringLiteral("EsposrtaScheda"),
                          QStringLiteral("Esporta Scheda Corrente"),
                          &MDIForm1::EsposrtaScheda_Click);
    Aiuto = menuBar()->addMenu(QStringLiteral("?"));
    Aiuto->setObjectName(QStringLiteral("Aiuto"));
    Sommario = voce(Aiuto, QStringLiteral("Sommario"), QStringLiteral("Help"),
                    &MDIForm1::Sommario_Click);
    Versione = voce(Aiuto, QStringLiteral("Versione"), QStringLiteral("Versione Software "),
                    &MDIForm1::Versione_Click);
    // The preview menu exists but is hidden and disabled for good.
    Video = menuBar()->addMenu(QStringLiteral("Video"));
    Video->setObjectName(QStringLiteral("Video"));
    for (int n = 1; n <= 6; ++n) {
        Pag[n] = Video->addAction(QStringLiteral("Pag %1").arg(n));
        Pag[n]->setObjectName(QStringLiteral("Pag%1").arg(n));
        connect(Pag[n], &QAction::triggered, this,
                [this, n] { eseguiComando([this, n] { Pag_Click(n); }); });
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
