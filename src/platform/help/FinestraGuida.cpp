#include "platform/help/FinestraGuida.h"
#include "platform/help/FileGuida.h"

#include <QAction>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QHelpContentModel>
#include <QHelpEngine>
#include <QHelpIndexModel>
#include <QHelpLink>
#include <QHelpSearchEngine>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QSplitter>
#include <QStyle>
#include <QTabWidget>
#include <QTextDocument>
#include <QToolBar>
#include <QTreeView>
#include <QVBoxLayout>

namespace hh {

std::int32_t nuovoHandle()
{
    static std::int32_t prossimo = 0;
    if (++prossimo <= 0)
        prossimo = 1;
    return prossimo;
}

namespace {

QUrl senzaFrammento(QUrl u)
{
    u.setFragment(QString());
    return u;
}

// The item of the contents whose topic is url (with its anchor first, then
// without), searched depth first.
QModelIndex trovaNelSommario(QHelpContentModel *m, const QModelIndex &padre, const QUrl &url,
                             bool esatto)
{
    for (int r = 0; r < m->rowCount(padre); ++r) {
        const QModelIndex i = m->index(r, 0, padre);
        if (QHelpContentItem *voce = m->contentItemAt(i)) {
            const bool uguale = esatto ? voce->url() == url
                                       : senzaFrammento(voce->url()) == senzaFrammento(url);
            if (uguale)
                return i;
        }
        if (const QModelIndex sotto = trovaNelSommario(m, i, url, esatto); sotto.isValid())
            return sotto;
    }
    return {};
}

QWidget *colonna(QWidget *parent, QVBoxLayout *&layout)
{
    auto *w = new QWidget(parent);
    layout = new QVBoxLayout(w);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(4);
    return w;
}

} // namespace

PaginaGuida::PaginaGuida(FileGuida *guida, QWidget *parent)
    : QTextBrowser(parent)
    , guida_(guida)
{
    setObjectName(QStringLiteral("PaginaGuida"));
    setOpenLinks(false);
    setOpenExternalLinks(false);
}

QVariant PaginaGuida::loadResource(int type, const QUrl &name)
{
    const QUrl url = name.isRelative() ? source().resolved(name) : name;
    if (url.scheme() != QStringLiteral("qthelp"))
        return QTextBrowser::loadResource(type, name);
    const QByteArray dati = guida_->dati(url);
    if (type == QTextDocument::HtmlResource || type == QTextDocument::StyleSheetResource)
        return QString::fromUtf8(dati);
    return dati;
}

FinestraGuida::FinestraGuida(FileGuida *guida, QWidget *parent)
    : QMainWindow(parent, Qt::Window)
    , guida_(guida)
    , handle_(nuovoHandle())
{
    setObjectName(QStringLiteral("FinestraGuida"));
    setWindowTitle(QStringLiteral("Guida"));
    setAttribute(Qt::WA_DeleteOnClose, false);

    auto *barra = addToolBar(QStringLiteral("Guida"));
    barra->setObjectName(QStringLiteral("BarraGuida"));
    barra->setMovable(false);
    barra->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    barra->setIconSize(QSize(20, 20));
    nascondi_ = barra->addAction(style()->standardIcon(QStyle::SP_FileDialogListView),
                                 QStringLiteral("Nascondi"));
    nascondi_->setObjectName(QStringLiteral("Nascondi"));
    QAction *indietro = barra->addAction(style()->standardIcon(QStyle::SP_ArrowBack),
                                         QStringLiteral("Indietro"));
    indietro->setObjectName(QStringLiteral("Indietro"));
    QAction *avanti = barra->addAction(style()->standardIcon(QStyle::SP_ArrowForward),
                                       QStringLiteral("Avanti"));
    avanti->setObjectName(QStringLiteral("Avanti"));
    QAction *inizio = barra->addAction(style()->standardIcon(QStyle::SP_DirHomeIcon),
                                       QStringLiteral("Inizio"));
    inizio->setObjectName(QStringLiteral("Inizio"));

    auto *divisore = new QSplitter(Qt::Horizontal, this);
    schede_ = new QTabWidget(divisore);
    schede_->setObjectName(QStringLiteral("Schede"));
    pannello_ = schede_;
    pagina_ = new PaginaGuida(guida_, divisore);
    divisore->addWidget(schede_);
    divisore->addWidget(pagina_);
    divisore->setStretchFactor(0, 0);
    divisore->setStretchFactor(1, 1);
    divisore->setSizes({280, 620});
    setCentralWidget(divisore);

    creaSommario();
    creaIndice();
    creaRicerca();

    indietro->setEnabled(false);
    avanti->setEnabled(false);
    connect(pagina_, &QTextBrowser::backwardAvailable, indietro, &QAction::setEnabled);
    connect(pagina_, &QTextBrowser::forwardAvailable, avanti, &QAction::setEnabled);
    connect(indietro, &QAction::triggered, pagina_, &QTextBrowser::backward);
    connect(avanti, &QAction::triggered, pagina_, &QTextBrowser::forward);
    connect(inizio, &QAction::triggered, this,
            [this] { mostraArgomento(guida_->paginaIniziale()); });
    connect(nascondi_, &QAction::triggered, this, [this] {
        pannello_->setVisible(!pannello_->isVisible());
        nascondi_->setText(pannello_->isVisible() ? QStringLiteral("Nascondi")
                                                  : QStringLiteral("Mostra"));
    });
    connect(pagina_, &QTextBrowser::anchorClicked, this, [this](const QUrl &link) {
        const QUrl url = link.isRelative() ? pagina_->source().resolved(link) : link;
        if (url.scheme() == QStringLiteral("qthelp"))
            mostraArgomento(url);
        else
            QDesktopServices::openUrl(url);
    });
    connect(pagina_, &QTextBrowser::sourceChanged, this, [this] {
        aggiornaTitolo();
        sincronizzaSommario();
    });

    resize(920, 660);
}

void FinestraGuida::creaSommario()
{
    QVBoxLayout *l = nullptr;
    QWidget *w = colonna(schede_, l);
    sommario_ = new QTreeView(w);
    sommario_->setObjectName(QStringLiteral("Sommario"));
    sommario_->setModel(guida_->motore()->contentModel());
    sommario_->header()->hide();
    sommario_->setUniformRowHeights(true);
    sommario_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    l->addWidget(sommario_);
    schede_->addTab(w, QStringLiteral("Sommario"));

    auto apri = [this](const QModelIndex &i) {
        if (QHelpContentItem *voce = guida_->motore()->contentModel()->contentItemAt(i);
            voce && voce->url().isValid())
            mostraArgomento(voce->url());
    };
    connect(sommario_, &QTreeView::activated, this, apri);
    connect(sommario_, &QTreeView::clicked, this, apri);
    auto pronto = [this] {
        sommario_->expandToDepth(0);
        if (vuota_ && isVisible())
            mostraArgomento(guida_->paginaIniziale());
        else
            sincronizzaSommario();
    };
    connect(guida_, &FileGuida::sommarioCreato, this, pronto);
    if (guida_->sommarioPronto())
        sommario_->expandToDepth(0);
}

void FinestraGuida::creaIndice()
{
    QVBoxLayout *l = nullptr;
    QWidget *w = colonna(schede_, l);
    l->addWidget(new QLabel(QStringLiteral("Digitare la parola chiave da trovare:"), w));
    parolaIndice_ = new QLineEdit(w);
    parolaIndice_->setObjectName(QStringLiteral("ParolaIndice"));
    l->addWidget(parolaIndice_);
    indice_ = new QListView(w);
    indice_->setObjectName(QStringLiteral("Indice"));
    indice_->setModel(guida_->motore()->indexModel());
    indice_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    indice_->setUniformItemSizes(true);
    l->addWidget(indice_);
    auto *visualizza = new QPushButton(QStringLiteral("Visualizza"), w);
    visualizza->setObjectName(QStringLiteral("VisualizzaIndice"));
    l->addWidget(visualizza, 0, Qt::AlignRight);
    schede_->addTab(w, QStringLiteral("Indice"));

    connect(parolaIndice_, &QLineEdit::textChanged, this, &FinestraGuida::filtraIndice);
    connect(parolaIndice_, &QLineEdit::returnPressed, this,
            [this] { apriVoceIndice(indice_->currentIndex()); });
    connect(indice_, &QListView::activated, this, &FinestraGuida::apriVoceIndice);
    connect(visualizza, &QPushButton::clicked, this,
            [this] { apriVoceIndice(indice_->currentIndex()); });
    connect(guida_, &FileGuida::indiceCreato, this, &FinestraGuida::filtraIndice);
}

void FinestraGuida::creaRicerca()
{
    QVBoxLayout *l = nullptr;
    QWidget *w = colonna(schede_, l);
    l->addWidget(new QLabel(QStringLiteral("Digitare la parola da cercare:"), w));
    testoRicerca_ = new QLineEdit(w);
    testoRicerca_->setObjectName(QStringLiteral("TestoRicerca"));
    l->addWidget(testoRicerca_);
    auto *elenca = new QPushButton(QStringLiteral("Elenca argomenti"), w);
    elenca->setObjectName(QStringLiteral("ElencaArgomenti"));
    l->addWidget(elenca, 0, Qt::AlignRight);
    l->addWidget(new QLabel(QStringLiteral("Selezionare l'argomento da visualizzare:"), w));
    risultati_ = new QListWidget(w);
    risultati_->setObjectName(QStringLiteral("Risultati"));
    l->addWidget(risultati_);
    auto *visualizza = new QPushButton(QStringLiteral("Visualizza"), w);
    visualizza->setObjectName(QStringLiteral("VisualizzaRisultato"));
    l->addWidget(visualizza, 0, Qt::AlignRight);
    schede_->addTab(w, QStringLiteral("Cerca"));

    connect(testoRicerca_, &QLineEdit::returnPressed, this, &FinestraGuida::cerca);
    connect(elenca, &QPushButton::clicked, this, &FinestraGuida::cerca);
    connect(risultati_, &QListWidget::itemActivated, this, &FinestraGuida::apriRisultato);
    connect(visualizza, &QPushButton::clicked, this,
            [this] { apriRisultato(risultati_->currentItem()); });

    QHelpSearchEngine *motore = guida_->motore()->searchEngine();
    connect(guida_, &FileGuida::ricercaPreparata, this, [this] {
        if (ricercaInAttesa_)
            cerca();
    });
    connect(motore, &QHelpSearchEngine::searchingFinished, this, [this, motore](int trovati) {
        risultati_->clear();
        const QList<QHelpSearchResult> elenco = motore->searchResults(0, trovati);
        for (const QHelpSearchResult &r : elenco) {
            auto *voce = new QListWidgetItem(r.title().isEmpty() ? r.url().fileName() : r.title(),
                                             risultati_);
            voce->setData(Qt::UserRole, r.url());
        }
        if (elenco.isEmpty()) {
            auto *voce = new QListWidgetItem(QStringLiteral("Nessun argomento trovato."),
                                             risultati_);
            voce->setFlags(Qt::NoItemFlags);
        } else {
            risultati_->setCurrentRow(0);
        }
        emit ricercaTerminata(int(elenco.size()));
    });
}

void FinestraGuida::mostraSommario()
{
    schede_->setCurrentIndex(Sommario);
    pannello_->setVisible(true);
    nascondi_->setText(QStringLiteral("Nascondi"));
    sommario_->setFocus();
}

void FinestraGuida::mostraIndice(const QString &parola)
{
    schede_->setCurrentIndex(Indice);
    pannello_->setVisible(true);
    nascondi_->setText(QStringLiteral("Nascondi"));
    if (parolaIndice_->text() == parola)
        filtraIndice();
    else
        parolaIndice_->setText(parola);
    parolaIndice_->setFocus();
    parolaIndice_->selectAll();
}

void FinestraGuida::mostraRicerca(const QString &testo, bool esegui)
{
    schede_->setCurrentIndex(Cerca);
    pannello_->setVisible(true);
    nascondi_->setText(QStringLiteral("Nascondi"));
    testoRicerca_->setText(testo);
    testoRicerca_->setFocus();
    testoRicerca_->selectAll();
    if (esegui && !testo.trimmed().isEmpty())
        cerca();
}

bool FinestraGuida::mostraArgomento(const QUrl &url)
{
    vuota_ = false;
    if (!guida_->contiene(url)) {
        pagina_->setHtml(
            QStringLiteral("<h2>Argomento non trovato</h2><p>La Guida non contiene la pagina "
                           "richiesta (%1). Scegliere un argomento dal Sommario.</p>")
                .arg(url.fileName().toHtmlEscaped()));
        aggiornaTitolo();
        return false;
    }
    pagina_->setSource(url);
    return true;
}

void FinestraGuida::mostraInizioSeVuota()
{
    if (vuota_)
        mostraArgomento(guida_->paginaIniziale());
}

void FinestraGuida::porta()
{
    if (isMinimized())
        showNormal();
    else
        show();
    raise();
    activateWindow();
}

QUrl FinestraGuida::argomentoMostrato() const
{
    return vuota_ ? QUrl() : pagina_->source();
}

void FinestraGuida::closeEvent(QCloseEvent *e)
{
    // The window stays for the next call; closing only hides it.
    e->accept();
    hide();
}

void FinestraGuida::sincronizzaSommario()
{
    if (!guida_->sommarioPronto() || vuota_)
        return;
    QHelpContentModel *m = guida_->motore()->contentModel();
    QModelIndex i = trovaNelSommario(m, {}, pagina_->source(), true);
    if (!i.isValid())
        i = trovaNelSommario(m, {}, pagina_->source(), false);
    if (!i.isValid())
        return;
    sommario_->setCurrentIndex(i);
    sommario_->scrollTo(i);
}

void FinestraGuida::filtraIndice()
{
    if (!guida_->indicePronto())
        return;
    QHelpIndexModel *m = guida_->motore()->indexModel();
    const QModelIndex migliore = m->filter(parolaIndice_->text().trimmed());
    if (migliore.isValid()) {
        indice_->setCurrentIndex(migliore);
        indice_->scrollTo(migliore, QAbstractItemView::PositionAtTop);
    }
}

void FinestraGuida::apriVoceIndice(const QModelIndex &voce)
{
    if (!voce.isValid())
        return;
    const QString parola = voce.data().toString();
    const QList<QHelpLink> documenti = guida_->motore()->documentsForKeyword(parola);
    if (documenti.isEmpty())
        return;
    if (documenti.size() == 1) {
        mostraArgomento(documenti.front().url);
        return;
    }
    // More topics under one keyword: the user picks one.
    QMenu scelta(this);
    for (const QHelpLink &d : documenti)
        scelta.addAction(d.title)->setData(d.url);
    const QRect r = indice_->visualRect(voce);
    if (QAction *a = scelta.exec(indice_->viewport()->mapToGlobal(r.bottomLeft())))
        mostraArgomento(a->data().toUrl());
}

void FinestraGuida::cerca()
{
    const QString testo = testoRicerca_->text().trimmed();
    if (testo.isEmpty())
        return;
    if (!guida_->ricercaPronta()) {
        ricercaInAttesa_ = true;
        risultati_->clear();
        auto *voce = new QListWidgetItem(QStringLiteral("Preparazione della ricerca in corso..."),
                                         risultati_);
        voce->setFlags(Qt::NoItemFlags);
        return;
    }
    ricercaInAttesa_ = false;
    guida_->motore()->searchEngine()->search(testo);
}

void FinestraGuida::apriRisultato(QListWidgetItem *voce)
{
    if (voce && voce->data(Qt::UserRole).toUrl().isValid())
        mostraArgomento(voce->data(Qt::UserRole).toUrl());
}

void FinestraGuida::aggiornaTitolo()
{
    const QString titolo = pagina_->documentTitle();
    setWindowTitle(titolo.isEmpty() ? QStringLiteral("Guida") : QStringLiteral("Guida - ") + titolo);
}

} // namespace hh
