#include "platform/report/Anteprima.h"

#include "platform/report/Disegno.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHash>
#include <QLabel>
#include <QPainter>
#include <QPointer>
#include <QScrollArea>
#include <QVBoxLayout>

namespace report {

FoglioAnteprima::FoglioAnteprima(const IstanzaRapporto &pagina, QWidget *parent)
    : QWidget(parent)
    , pagina_(pagina)
{
    impostaZoom(100);
}

void FoglioAnteprima::aggiorna(const IstanzaRapporto &pagina)
{
    pagina_ = pagina;
    update();
}

void FoglioAnteprima::impostaZoom(double percento)
{
    scala_ = percento / 100.0 / 15.0;
    const QRect f = foglio(pagina_.rapporto());
    setFixedSize(int(f.width() * scala_) + 1, int(f.height() * scala_) + 1);
    update();
}

void FoglioAnteprima::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    p.scale(scala_, scala_);
    disegnaPagina(p, pagina_);
}

FinestraAnteprima::FinestraAnteprima(const IstanzaRapporto &pagina, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , foglio_(new FoglioAnteprima(pagina))
    , area_(new QScrollArea)
    , zoom_(new QComboBox)
{
    setObjectName(QString::fromLatin1(pagina.rapporto().nome));
    setWindowTitle(QString::fromUtf8(pagina.rapporto().caption));
    setAttribute(Qt::WA_DeleteOnClose);

    auto *barra = new QHBoxLayout;
    barra->addWidget(new QLabel(QStringLiteral("Zoom")));
    for (const int z : {50, 75, 100, 150, 200})
        zoom_->addItem(QStringLiteral("%1 %").arg(z), z);
    zoom_->setCurrentIndex(2);
    connect(zoom_, &QComboBox::currentIndexChanged, this,
            [this](int i) { foglio_->impostaZoom(zoom_->itemData(i).toDouble()); });
    barra->addWidget(zoom_);
    barra->addStretch();

    area_->setWidget(foglio_);
    area_->setAlignment(Qt::AlignHCenter);
    area_->setBackgroundRole(QPalette::Dark);

    auto *colonna = new QVBoxLayout(this);
    colonna->addLayout(barra);
    colonna->addWidget(area_);
    resize(foglio_->width() + 60, 900);
}

namespace {

QHash<const Rapporto *, QPointer<FinestraAnteprima>> &finestre()
{
    static QHash<const Rapporto *, QPointer<FinestraAnteprima>> f;
    return f;
}

} // namespace

FinestraAnteprima *mostraAnteprima(const IstanzaRapporto &pagina, QWidget *padre)
{
    QPointer<FinestraAnteprima> &f = finestre()[&pagina.rapporto()];
    if (f)
        f->foglio()->aggiorna(pagina);
    else
        f = new FinestraAnteprima(pagina, padre);
    f->show();
    f->raise();
    f->activateWindow();
    return f;
}

FinestraAnteprima *anteprimaAperta(const Rapporto &r)
{
    return finestre().value(&r);
}

} // namespace report
