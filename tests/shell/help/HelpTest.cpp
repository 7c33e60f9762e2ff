// The help wrapper over the help file the build made: the help path, the
// eight procedures, one reused help window, silence without a help file, the
// contents, index, search, contexts and pop-ups the procedures ask for, and
// the folder of its collections: the user's own, else a private one of the
// run, and never a link followed.

#include "CartellaProva.h"
#include "Guasti.h"

#include "core/FileDati.h"
#include "core/Globali.h"
#include "platform/help/FileGuida.h"
#include "platform/help/FinestraGuida.h"
#include "platform/help/HtmlHelp.h"
#include "shell/help/cHtmlHelp.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QHelpContentModel>
#include <QHelpEngine>
#include <QHelpIndexModel>
#include <QHelpLink>
#include <QHelpSearchEngine>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTreeView>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Each test process keeps its help collection in a cache folder of its own,
// so that tests running side by side never write the same one.
const bool cacheDelProcesso = [] {
    static QTemporaryDir cartella;
    qputenv("XDG_CACHE_HOME", cartella.path().toUtf8());
    return true;
}();

const QString FileBuild = QStringLiteral(VARNEX_HELP_FILE);
const QString Popup = QStringLiteral("::/VarnexHelpHtmlPopup.Txt.Txt");

// Safety bound for the background work of Qt Help; the tests wait for its
// signals, not for time.
constexpr int Limite = 30000;

hh::FileGuida *guidaBuild()
{
    hh::FileGuida *g = hh::FileGuida::apriGuida(FileBuild);
    EXPECT_NE(g, nullptr) << FileBuild.toStdString();
    return g;
}

void attendiSommario(hh::FileGuida *g)
{
    if (!g->sommarioPronto()) {
        QSignalSpy s(g, &hh::FileGuida::sommarioCreato);
        ASSERT_TRUE(s.wait(Limite));
    }
}

void attendiIndice(hh::FileGuida *g)
{
    if (!g->indicePronto()) {
        QSignalSpy s(g, &hh::FileGuida::indiceCreato);
        ASSERT_TRUE(s.wait(Limite));
    }
}

void attendiRicerca(hh::FileGuida *g)
{
    if (!g->ricercaPronta()) {
        QSignalSpy s(g, &hh::FileGuida::ricercaPreparata);
        ASSERT_TRUE(s.wait(Limite));
    }
}

void voci(QHelpContentModel *m, const QModelIndex &padre, QStringList &titoli, QList<QUrl> &url)
{
    for (int r = 0; r < m->rowCount(padre); ++r) {
        const QModelIndex i = m->index(r, 0, padre);
        titoli << m->contentItemAt(i)->title();
        url << m->contentItemAt(i)->url();
        voci(m, i, titoli, url);
    }
}

int finestreGuida()
{
    int n = 0;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (qobject_cast<hh::FinestraGuida *>(w))
            ++n;
    return n;
}

// The wrapper as start-up makes it, owned by a window of its own.
struct Guida
{
    explicit Guida(const QString &file = FileBuild + Popup)
    {
        g.hWnd = &owner;
        g.HelpFile = file;
    }
    QMainWindow owner;
    cHtmlHelp g;
};

} // namespace

TEST(PercorsoHelp, KeepsWhatPrecedesThePopupPartTrimmedOrTheWholeFile)
{
    const struct
    {
        QString helpFile;
        QString percorso;
    } casi[] = {
        {QStringLiteral("/prog/VarnexHelp.chm::/VarnexHelpHtmlPopup.Txt.Txt"),
         QStringLiteral("/prog/VarnexHelp.chm")},
        {QStringLiteral("  /prog/Varnex Help.chm  ::/popup.txt"),
         QStringLiteral("/prog/Varnex Help.chm")},
        {QStringLiteral("/prog/VarnexHelp.chm"), QStringLiteral("/prog/VarnexHelp.chm")},
        {QStringLiteral("  /prog/VarnexHelp.chm  "), QStringLiteral("  /prog/VarnexHelp.chm  ")},
        {QStringLiteral("/prog/VarnexHelp.chm::popup.txt"),
         QStringLiteral("/prog/VarnexHelp.chm::popup.txt")},
        {QStringLiteral("/prog/a.chm::/b.txt::/c.txt"), QStringLiteral("/prog/a.chm")},
        {QStringLiteral("::/popup.txt"), QString()},
        {QString(), QString()},
    };
    for (const auto &c : casi) {
        cHtmlHelp g;
        g.HelpFile = c.helpFile;
        EXPECT_EQ(g.PercorsoHelp(), c.percorso) << c.helpFile.toStdString();
    }
}

TEST(PercorsoHelp, StartUpValueGivesTheHelpFileOfTheProgramFolder)
{
    QWidget principale;
    const QString cartella = QStringLiteral("/opt/scheda");
    scheda::FileHelp = scheda::percorsoProgramma(cartella, scheda::FileHelpChm) + Popup;
    scheda::PreparaGuida(&principale);
    ASSERT_NE(scheda::GuidaHtml, nullptr);
    EXPECT_EQ(scheda::GuidaHtml->hWnd, &principale);
    EXPECT_EQ(scheda::GuidaHtml->HelpFile,
              QStringLiteral("/opt/scheda/VarnexHelp.chm::/VarnexHelpHtmlPopup.Txt.Txt"));
    EXPECT_EQ(hh::fileHelpApplicazione(), scheda::GuidaHtml->HelpFile);
    EXPECT_EQ(scheda::GuidaHtml->PercorsoHelp(), QStringLiteral("/opt/scheda/VarnexHelp.chm"));
    scheda::GuidaHtml = nullptr;
    scheda::FileHelp.clear();
    hh::impostaFileHelpApplicazione(QString());
}

TEST(HelpContext, WithoutWindowNamePassesTheHelpPathAndShowsTheMappedTopic)
{
    Guida h;
    const std::int32_t handle = h.g.HelpContext(1041);
    EXPECT_NE(handle, 0);
    const hh::Chiamata c = hh::ultimaChiamata();
    EXPECT_EQ(c.owner, &h.owner);
    EXPECT_EQ(c.file, FileBuild);
    EXPECT_EQ(c.comando, unsigned(hh::HH_HELP_CONTEXT));
    EXPECT_EQ(std::get<std::int32_t>(c.dati), 1041);
    ASSERT_NE(hh::finestraGuida(), nullptr);
    EXPECT_EQ(hh::finestraGuida()->handle(), handle);
    EXPECT_EQ(hh::finestraGuida()->argomentoMostrato().fileName(), QStringLiteral("pagina1.html"));
    EXPECT_TRUE(hh::finestraGuida()->nomeFinestra().isEmpty());
}

TEST(HelpContext, WithWindowNamePassesPathBlankGreaterThanAndTheName)
{
    Guida h;
    const std::int32_t primo = h.g.HelpContext(1000);
    const std::int32_t handle = h.g.HelpContext(1081, QStringLiteral("Principale"));
    EXPECT_EQ(handle, primo) << "the same help window";
    const hh::Chiamata c = hh::ultimaChiamata();
    EXPECT_EQ(c.file, FileBuild + QStringLiteral(" >Principale"));
    EXPECT_EQ(std::get<std::int32_t>(c.dati), 1081);
    const QUrl mostrato = hh::finestraGuida()->argomentoMostrato();
    EXPECT_EQ(mostrato.fileName(), QStringLiteral("esportazione.html"));
    EXPECT_EQ(mostrato.fragment(), QStringLiteral("indispensabili"));
    EXPECT_EQ(hh::finestraGuida()->nomeFinestra(), QStringLiteral("Principale"));
    EXPECT_EQ(finestreGuida(), 1);
}

TEST(HelpContext, NumberWithoutTopicShowsNothing)
{
    Guida h;
    EXPECT_EQ(h.g.HelpContext(999), 0);
    EXPECT_EQ(h.g.HelpContext(999, QStringLiteral("Principale")), 0);
    EXPECT_EQ(h.g.DisplayContext(0), 0);
    EXPECT_EQ(hh::finestraGuida(), nullptr);
}

TEST(DisplayTOC, OpensTheContentsAndTwiceGivesOneWindow)
{
    Guida h;
    h.owner.show();
    const std::int32_t primo = h.g.DisplayTOC();
    ASSERT_NE(primo, 0);
    const hh::Chiamata c = hh::ultimaChiamata();
    EXPECT_EQ(c.file, FileBuild);
    EXPECT_EQ(c.comando, unsigned(hh::HH_DISPLAY_TOC));
    EXPECT_TRUE(std::holds_alternative<std::monostate>(c.dati));

    hh::FinestraGuida *f = hh::finestraGuida();
    ASSERT_NE(f, nullptr);
    EXPECT_TRUE(f->isVisible());
    EXPECT_FALSE(f->isModal());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(f->schede()->currentIndex(), int(hh::FinestraGuida::Sommario));
    EXPECT_EQ(f->schede()->tabText(0), QStringLiteral("Sommario"));
    EXPECT_EQ(f->argomentoMostrato().fileName(), QStringLiteral("index.html"));
    EXPECT_EQ(f->windowTitle(), QStringLiteral("Guida - Guida alla Scheda Tecnica"));
    attendiSommario(f->guida());
    QAbstractItemModel *m = f->sommario()->model();
    ASSERT_EQ(m->rowCount(), 1);
    EXPECT_EQ(m->index(0, 0).data().toString(), QStringLiteral("Guida alla Scheda Tecnica"));
    EXPECT_TRUE(f->sommario()->isExpanded(m->index(0, 0)));
    EXPECT_EQ(f->sommario()->currentIndex(), m->index(0, 0)) << "the topic shown is selected";

    // The user reads another topic, closes the window; the menu opens it again.
    f->pagina()->setSource(f->guida()->url(QStringLiteral("stampa.html")));
    f->close();
    EXPECT_FALSE(f->isVisible());
    const std::int32_t secondo = h.g.DisplayTOC();
    EXPECT_EQ(secondo, primo);
    EXPECT_EQ(hh::finestraGuida(), f);
    EXPECT_TRUE(f->isVisible());
    EXPECT_EQ(f->argomentoMostrato().fileName(), QStringLiteral("stampa.html"))
        << "the window is reused as it was";
    EXPECT_EQ(finestreGuida(), 1);
}

TEST(MissingHelpFile, EveryProcedureIsSilent)
{
    CartellaProva cartella(false);
    QWidget casella;
    Guida h(scheda::percorsoProgramma(cartella.cartella(), scheda::FileHelpChm) + Popup);
    hh::setHelpContextID(&casella, 1);
    EXPECT_EQ(h.g.DisplayContext(1041), 0);
    EXPECT_EQ(h.g.DisplayTopic(QStringLiteral("pagina1.html")), 0);
    EXPECT_EQ(h.g.DisplayTopic(), 0);
    EXPECT_EQ(h.g.PopUp(QStringLiteral("Testo")), 0);
    EXPECT_EQ(h.g.DisplaySearch(), 0);
    EXPECT_EQ(h.g.DisplayTOC(), 0);
    EXPECT_EQ(h.g.DisplayIndex(QStringLiteral("Esportazione")), 0);
    EXPECT_EQ(h.g.HelpContextPop(&casella), 0);
    EXPECT_EQ(h.g.HelpContext(1041), 0);
    EXPECT_EQ(h.g.HelpContext(1041, QStringLiteral("Principale")), 0);
    EXPECT_EQ(hh::finestraGuida(), nullptr);
    EXPECT_EQ(hh::popupAperto(), nullptr);
    for (QWidget *w : QApplication::topLevelWidgets())
        EXPECT_FALSE(w->isVisible()) << w->metaObject()->className();
}

TEST(MissingHelpFile, AFileThatIsNoHelpFileIsSilentToo)
{
    CartellaProva cartella;
    Guida h(cartella.percorso(scheda::FileVarnex));
    EXPECT_EQ(h.g.DisplayTOC(), 0);
    EXPECT_EQ(hh::finestraGuida(), nullptr);
}

TEST(DisplayTopic, ShowsTheTopicNamedOrTheFirstPageWithZeroAsData)
{
    Guida h;
    EXPECT_NE(h.g.DisplayTopic(QStringLiteral("pagina3.html")), 0);
    EXPECT_EQ(std::get<QString>(hh::ultimaChiamata().dati), QStringLiteral("pagina3.html"));
    EXPECT_EQ(hh::finestraGuida()->argomentoMostrato().fileName(), QStringLiteral("pagina3.html"));
    EXPECT_NE(h.g.DisplayTopic(), 0);
    EXPECT_TRUE(std::holds_alternative<std::monostate>(hh::ultimaChiamata().dati));
    EXPECT_EQ(hh::finestraGuida()->argomentoMostrato().fileName(), QStringLiteral("index.html"));
    EXPECT_NE(h.g.DisplayContext(1044), 0);
    EXPECT_EQ(hh::ultimaChiamata().comando, unsigned(hh::HH_HELP_CONTEXT));
    EXPECT_EQ(hh::finestraGuida()->argomentoMostrato().fileName(), QStringLiteral("pagina4.html"));
}

TEST(DisplayIndex, SelectsTheKeywordOrPassesZero)
{
    Guida h;
    hh::FileGuida *g = guidaBuild();
    ASSERT_NE(g, nullptr);
    attendiIndice(g);
    EXPECT_NE(h.g.DisplayIndex(QStringLiteral("Esportazione")), 0);
    EXPECT_EQ(hh::ultimaChiamata().comando, unsigned(hh::HH_DISPLAY_INDEX));
    EXPECT_EQ(std::get<QString>(hh::ultimaChiamata().dati), QStringLiteral("Esportazione"));
    hh::FinestraGuida *f = hh::finestraGuida();
    EXPECT_EQ(f->schede()->currentIndex(), int(hh::FinestraGuida::Indice));
    EXPECT_EQ(f->parolaIndice()->text(), QStringLiteral("Esportazione"));
    EXPECT_EQ(f->indice()->currentIndex().data().toString(), QStringLiteral("Esportazione"));
    EXPECT_NE(h.g.DisplayIndex(), 0);
    EXPECT_TRUE(std::holds_alternative<std::monostate>(hh::ultimaChiamata().dati));
    EXPECT_TRUE(f->parolaIndice()->text().isEmpty());
}

TEST(DisplaySearch, OpensTheSearchWithAnEmptyQueryAndTheSearchFindsTopics)
{
    Guida h;
    EXPECT_NE(h.g.DisplaySearch(), 0);
    const hh::Chiamata c = hh::ultimaChiamata();
    EXPECT_EQ(c.comando, unsigned(hh::HH_DISPLAY_SEARCH));
    const auto &q = std::get<hh::HH_FTS_QUERY>(c.dati);
    EXPECT_EQ(q.cbStruct, 32);
    EXPECT_EQ(q.fUniCodeStrings, 0);
    EXPECT_TRUE(q.pszSearchQuery.isEmpty());
    EXPECT_EQ(q.iProximity, 0);
    EXPECT_EQ(q.fStemmedSearch, 0);
    EXPECT_EQ(q.fTitleOnly, 0);
    EXPECT_EQ(q.fExecute, 1);
    EXPECT_TRUE(q.pszWindow.isEmpty());
    hh::FinestraGuida *f = hh::finestraGuida();
    EXPECT_EQ(f->schede()->currentIndex(), int(hh::FinestraGuida::Cerca));
    EXPECT_EQ(f->risultati()->count(), 0) << "an empty query runs nothing";

    // The user looks for the disk.
    QSignalSpy trovati(f, &hh::FinestraGuida::ricercaTerminata);
    f->testoRicerca()->setText(QStringLiteral("floppy"));
    emit f->testoRicerca()->returnPressed();
    ASSERT_TRUE(trovati.count() > 0 || trovati.wait(Limite));
    ASSERT_GT(trovati.front().front().toInt(), 0);
    QStringList pagine;
    for (int i = 0; i < f->risultati()->count(); ++i)
        pagine << f->risultati()->item(i)->data(Qt::UserRole).toUrl().fileName();
    EXPECT_TRUE(pagine.contains(QStringLiteral("esportazione.html")))
        << pagine.join(' ').toStdString();
    emit f->risultati()->itemActivated(
        f->risultati()->item(pagine.indexOf(QStringLiteral("esportazione.html"))));
    EXPECT_EQ(f->argomentoMostrato().fileName(), QStringLiteral("esportazione.html"));
}

TEST(PopUp, ShowsTheTextNearTheActivePageThroughTheWholeHelpFile)
{
    Guida h;
    QMainWindow principale;
    auto *area = new QMdiArea(&principale);
    principale.setCentralWidget(area);
    auto *pagina = area->addSubWindow(new QWidget);
    principale.resize(800, 600);
    principale.show();
    pagina->setGeometry(20, 30, 100, 200);
    QApplication::setActiveWindow(&principale);
    area->setActiveSubWindow(pagina);
    ASSERT_EQ(QApplication::activeWindow(), &principale);

    const std::int32_t handle = h.g.PopUp(QStringLiteral("Testo della finestra a comparsa"));
    EXPECT_NE(handle, 0);
    const hh::Chiamata c = hh::ultimaChiamata();
    EXPECT_EQ(c.file, FileBuild + Popup) << "the whole HelpFile";
    EXPECT_EQ(c.comando, unsigned(hh::HH_DISPLAY_TEXT_POPUP));
    const auto &p = std::get<hh::HH_POPUP>(c.dati);
    EXPECT_EQ(p.cbStruct, 52);
    EXPECT_EQ(p.hinst, 0);
    EXPECT_EQ(p.idString, 0u);
    EXPECT_EQ(p.pszText, QStringLiteral("Testo della finestra a comparsa"));
    // Left 300, Top 450, Height 3000 twips: x = (300 + 360) \ 15, y = (450 + 1500 + 240) \ 15.
    EXPECT_EQ(p.pt.x, 44);
    EXPECT_EQ(p.pt.y, 146);
    EXPECT_EQ(p.clrForeground, -1);
    EXPECT_EQ(p.clrBackground, -1);
    EXPECT_EQ(p.rcMargins.left, -1);
    EXPECT_EQ(p.rcMargins.top, -1);
    EXPECT_EQ(p.rcMargins.right, -1);
    EXPECT_EQ(p.rcMargins.bottom, -1);
    EXPECT_EQ(p.pszFont, QStringLiteral("Verdana,8"));

    QWidget *aperto = hh::popupAperto();
    ASSERT_NE(aperto, nullptr);
    EXPECT_TRUE(aperto->isVisible());
    EXPECT_EQ(aperto->findChild<QLabel *>()->text(),
              QStringLiteral("Testo della finestra a comparsa"));
    EXPECT_EQ(aperto->findChild<QLabel *>()->font().family(), QStringLiteral("Liberation Sans"));
    EXPECT_EQ(aperto->findChild<QLabel *>()->font().pixelSize(), 11); // 8 points, at 96 DPI
    EXPECT_EQ(aperto->geometry().top(), 146);
    aperto->close();
}

TEST(PopUp, WithoutActiveFormTheTextStillShows)
{
    Guida h;
    QApplication::setActiveWindow(nullptr);
    EXPECT_NE(h.g.PopUp(QStringLiteral("Senza pagina")), 0);
    const hh::HH_POPUP p = std::get<hh::HH_POPUP>(
        hh::ultimaChiamata().dati); // a copy: the call record is a temporary
    EXPECT_EQ(p.pt.x, 0);
    EXPECT_EQ(p.pt.y, 0);
    hh::popupAperto()->close();
}

TEST(HelpContextPop, ShowsThePopupTextOfTheControlsContextNumber)
{
    Guida h;
    QWidget finestra;
    auto *data = new QLineEdit(&finestra);
    auto *senza = new QLineEdit(&finestra);
    hh::setHelpContextID(data, 1);
    finestra.show();

    const std::int32_t handle = h.g.HelpContextPop(data);
    EXPECT_NE(handle, 0);
    const hh::Chiamata c = hh::ultimaChiamata();
    EXPECT_EQ(c.owner, data);
    EXPECT_EQ(c.file, FileBuild + Popup);
    EXPECT_EQ(c.comando, unsigned(hh::HH_TP_HELP_WM_HELP));
    const auto &mappa = std::get<hh::MappaContesti>(c.dati);
    ASSERT_EQ(mappa.size(), 2u);
    EXPECT_EQ(mappa[0], std::make_pair(hh::GetDlgCtrlID(data), std::int32_t(1)));
    EXPECT_EQ(mappa[1], std::make_pair(std::int32_t(0), std::int32_t(0)));
    EXPECT_NE(hh::GetDlgCtrlID(data), hh::GetDlgCtrlID(senza));
    ASSERT_NE(hh::popupAperto(), nullptr);
    EXPECT_TRUE(hh::popupAperto()->findChild<QLabel *>()->text().startsWith(
        QStringLiteral("Scrivere la data nel formato gg/mm/aaaa.")));
    hh::popupAperto()->close();

    // A control without a context number, and no control at all: nothing.
    EXPECT_EQ(h.g.HelpContextPop(senza), 0);
    QApplication::setActiveWindow(nullptr);
    if (!QApplication::focusWidget())
        EXPECT_EQ(h.g.HelpContextPop(), 0);
}

TEST(HelpFile, IsBuiltWithTheContentsIndexSearchContextsAndPopupsTheProceduresAskFor)
{
    hh::FileGuida *g = guidaBuild();
    ASSERT_NE(g, nullptr);

    // Contents: one book with every topic for the user, each one present.
    attendiSommario(g);
    QStringList titoli;
    QList<QUrl> url;
    voci(g->motore()->contentModel(), {}, titoli, url);
    for (const char *t :
         {"Guida alla Scheda Tecnica", "Avvio del programma", "La finestra principale",
          "Come si inseriscono i dati", "Pagina 1 - Dati relativi all'impresa",
          "Pagina 2 - Sedi, referente e stati patrimoniali",
          "Pagina 3 - Conti economici e dichiarazioni",
          "Pagina 4 - Soggetto promotore e unità locale", "Pagina 5 - Spese, date e costi generali",
          "Pagina 6 - Capitale di rischio", "I comandi sulle schede",
          "Il salvataggio delle modifiche", "La stampa", "L'esportazione su disco",
          "Dati indispensabili per l'esportazione", "Uscita dal programma"})
        EXPECT_TRUE(titoli.contains(QString::fromUtf8(t))) << t;
    for (const QUrl &u : url)
        EXPECT_TRUE(g->contiene(u)) << u.toString().toStdString();
    EXPECT_EQ(g->paginaIniziale().fileName(), QStringLiteral("index.html"));

    // Index: the keywords lead to their topics.
    attendiIndice(g);
    const QStringList parole = g->motore()->indexModel()->stringList();
    for (const char *k : {"Esportazione", "Dati indispensabili", "Salva", "Stampa", "Floppy",
                          "A.1 Denominazione", "C.4 Spese", "D.1 Capitale di rischio"})
        EXPECT_TRUE(parole.contains(QString::fromUtf8(k))) << k;
    const QList<QHelpLink> indispensabili = g->motore()->documentsForKeyword(
        QStringLiteral("Dati indispensabili"));
    ASSERT_EQ(indispensabili.size(), 1);
    EXPECT_EQ(indispensabili.front().url.fileName(), QStringLiteral("esportazione.html"));
    EXPECT_EQ(indispensabili.front().url.fragment(), QStringLiteral("indispensabili"));

    // Full text: the words of the pages are found, accented ones too.
    attendiRicerca(g);
    QHelpSearchEngine *ricerca = g->motore()->searchEngine();
    for (const auto &[parola, pagina] :
         {std::pair{"floppy", "esportazione.html"}, std::pair{"Ripristina", "comandi.html"},
          std::pair{"leasing", "pagina5.html"}, std::pair{"TFR", "pagina3.html"}}) {
        QSignalSpy fine(ricerca, &QHelpSearchEngine::searchingFinished);
        ricerca->search(QString::fromUtf8(parola));
        ASSERT_TRUE(fine.count() > 0 || fine.wait(Limite)) << parola;
        const int n = fine.front().front().toInt();
        QStringList trovate;
        for (const QHelpSearchResult &r : ricerca->searchResults(0, n))
            trovate << r.url().fileName();
        EXPECT_TRUE(trovate.contains(QString::fromUtf8(pagina)))
            << parola << ": " << trovate.join(' ').toStdString();
    }

    // Context numbers: each maps to a topic of the file.
    for (const std::int32_t n : {1000, 1010, 1020, 1030, 1040, 1041, 1042, 1043, 1044, 1045, 1046,
                                 1050, 1060, 1070, 1080, 1081, 1090, 1100, 1110}) {
        const QString argomento = g->argomentoContesto(n);
        EXPECT_FALSE(argomento.isEmpty()) << n;
        EXPECT_TRUE(g->contiene(g->url(argomento))) << n << " " << argomento.toStdString();
    }
    EXPECT_TRUE(g->argomentoContesto(999).isEmpty());

    // The pop-up text file named at start-up.
    for (const std::int32_t n : {1, 2, 3, 4, 5, 6, 7})
        EXPECT_FALSE(g->testoPopup(QStringLiteral("VarnexHelpHtmlPopup.Txt.Txt"), n).isEmpty())
            << n;
    EXPECT_TRUE(g->testoPopup(QStringLiteral("VarnexHelpHtmlPopup.Txt.Txt"), 99).isEmpty());
}

TEST(HelpFile, PagesComeInItalianWithTheirStyle)
{
    Guida h;
    ASSERT_NE(h.g.DisplayTopic(QStringLiteral("esportazione.html")), 0);
    hh::FinestraGuida *f = hh::finestraGuida();
    const QString testo = f->pagina()->toPlainText();
    EXPECT_TRUE(
        testo.contains(QStringLiteral("Dati indispensabili per l'esportazione (vedi Help)")));
    EXPECT_TRUE(testo.contains(QStringLiteral("Inserire D1 - ALMENO UNA PERCENTUALE DI "
                                              "PARTECIPAZIONE AL CAPITALE SOCIALE dell'impresa")));
    EXPECT_TRUE(testo.contains(QStringLiteral("unità"))) << "UTF-8 text";
    EXPECT_FALSE(f->guida()->dati(f->guida()->url(QStringLiteral("stile.css"))).isEmpty());
}

TEST(F1, OpensTheHelpOfTheApplicationsHelpFile)
{
    QMainWindow principale;
    auto *casella = new QLineEdit(&principale);
    principale.setCentralWidget(casella);
    principale.show();
    QApplication::setActiveWindow(&principale);
    casella->setFocus();
    hh::impostaFileHelpApplicazione(FileBuild + Popup);

    QKeyEvent f1(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
    QApplication::sendEvent(casella, &f1);
    ASSERT_NE(hh::finestraGuida(), nullptr);
    EXPECT_EQ(hh::ultimaChiamata().comando, unsigned(hh::HH_DISPLAY_TOC));
    EXPECT_EQ(hh::ultimaChiamata().file, FileBuild);

    hh::setHelpContextID(casella, 1045);
    QKeyEvent ancora(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
    QApplication::sendEvent(casella, &ancora);
    EXPECT_EQ(hh::finestraGuida()->argomentoMostrato().fileName(), QStringLiteral("pagina5.html"));
    hh::impostaFileHelpApplicazione(QString());
}

namespace {

// The variables the help reads its folders from, put back as they were.
class Ambiente
{
public:
    Ambiente()
    {
        for (const char *v : {"HOME", "XDG_CACHE_HOME", "TMPDIR"})
            prima_.push_back({v, qEnvironmentVariableIsSet(v), qgetenv(v)});
    }
    ~Ambiente()
    {
        for (const Valore &v : prima_)
            v.impostata ? qputenv(v.nome, v.valore) : qunsetenv(v.nome);
    }

private:
    struct Valore
    {
        const char *nome;
        bool impostata;
        QByteArray valore;
    };
    std::vector<Valore> prima_;
};

// The start of the names the help gives the collections of a help file.
QString radiceDi(const QString &file)
{
    return QString::fromLatin1(QCryptographicHash::hash(QFileInfo(file).canonicalFilePath().toUtf8(),
                                                        QCryptographicHash::Sha1)
                                   .toHex()
                                   .left(12));
}

// A folder of someone else's files, and links to it planted in `cartella`
// under the names of an earlier version's collections of `file`.
class Bersaglio
{
public:
    explicit Bersaglio(const QString &cartella)
        : cartella_(cartella)
    {
        QDir().mkpath(cartella + QStringLiteral("/sotto"));
        prova::scriviByte(cartella + QStringLiteral("/uno.txt"), "UNO");
        prova::scriviByte(cartella + QStringLiteral("/sotto/due.txt"), "DUE");
    }
    // The links, their names in `dove`.
    QStringList pianta(const QString &dove, const QString &file) const
    {
        const QString vecchia = radiceDi(file) + QStringLiteral("-000000000000");
        QDir().mkpath(dove);
        const QStringList legami = {dove + QStringLiteral("/.") + vecchia,
                                    dove + QLatin1Char('/') + vecchia + QStringLiteral(".qhc")};
        EXPECT_TRUE(QFile::link(cartella_, legami[0]));
        EXPECT_TRUE(QFile::link(cartella_ + QStringLiteral("/uno.txt"), legami[1]));
        return legami;
    }
    void eIntatto() const
    {
        EXPECT_EQ(prova::byteDi(cartella_ + QStringLiteral("/uno.txt")), QByteArray("UNO"));
        EXPECT_EQ(prova::byteDi(cartella_ + QStringLiteral("/sotto/due.txt")), QByteArray("DUE"));
    }

private:
    QString cartella_;
};

} // namespace

TEST(CartellaGuida, WithNoCacheFolderLinksPlantedInTheTemporaryFolderKeepTheirTargets)
{
    hh::FileGuida::chiudiTutte();
    const Ambiente ambiente;
    QTemporaryDir base;
    const QString tmp = base.filePath(QStringLiteral("tmp"));
    const Bersaglio bersaglio(base.filePath(QStringLiteral("bersaglio")));
    const QString file = base.filePath(QStringLiteral("VarnexHelp.chm"));
    ASSERT_TRUE(QFile::copy(FileBuild, file));
    // Where the collections once went when the user had no cache folder,
    // as another user can plant them in a shared temporary folder.
    QStringList legami = bersaglio.pianta(tmp + QStringLiteral("/varnex-guida"), file);
    legami << bersaglio.pianta(tmp + QStringLiteral("/varnex-cache/guida"), file);
    // A home that is a file: no cache folder at all.
    prova::scriviByte(base.filePath(QStringLiteral("casa")), "NON UNA CARTELLA");
    qputenv("HOME", QFile::encodeName(base.filePath(QStringLiteral("casa"))));
    qunsetenv("XDG_CACHE_HOME");
    qputenv("TMPDIR", QFile::encodeName(tmp));

    {
        Guida h(file + Popup);
        h.owner.show();
        ASSERT_NE(h.g.DisplayTOC(), 0);
        hh::FinestraGuida *f = hh::finestraGuida();
        ASSERT_NE(f, nullptr);
        EXPECT_EQ(f->argomentoMostrato().fileName(), QStringLiteral("index.html"));
        EXPECT_FALSE(f->guida()->dati(f->guida()->url(QStringLiteral("stampa.html"))).isEmpty());
        attendiRicerca(f->guida()); // its index written beside the collection

        // A folder of this run, private.
        const QString privata = QFileInfo(f->guida()->motore()->collectionFile()).absolutePath();
        EXPECT_EQ(QFileInfo(privata).absolutePath(), QFileInfo(tmp).absoluteFilePath());
        EXPECT_TRUE(QFileInfo(privata).fileName().startsWith(QStringLiteral("varnex-guida-")))
            << privata.toStdString();
        EXPECT_EQ(prova::modoDi(privata), 0700u);
        bersaglio.eIntatto();

        // It goes at the end, and nothing else does.
        hh::chiudiGuida();
        EXPECT_FALSE(QFileInfo::exists(privata));
    }
    bersaglio.eIntatto();
    for (const QString &l : std::as_const(legami))
        EXPECT_TRUE(QFileInfo(l).isSymLink()) << l.toStdString();
}

TEST(CartellaGuida, OldCollectionsInTheUsersFolderGoAndALinkAmongThemGoesAsALink)
{
    hh::FileGuida::chiudiTutte();
    const Ambiente ambiente;
    QTemporaryDir base;
    qputenv("XDG_CACHE_HOME", QFile::encodeName(base.filePath(QStringLiteral("cache"))));
    const QString propria = QStandardPaths::writableLocation(QStandardPaths::CacheLocation)
                            + QStringLiteral("/guida");
    const Bersaglio bersaglio(base.filePath(QStringLiteral("bersaglio")));
    const QString file = base.filePath(QStringLiteral("VarnexHelp.chm"));
    ASSERT_TRUE(QFile::copy(FileBuild, file));
    const QStringList legami = bersaglio.pianta(propria, file);
    // An earlier version's collection, a real one.
    const QString vecchia = propria + QStringLiteral("/.") + radiceDi(file)
                            + QStringLiteral("-111111111111");
    QDir().mkpath(vecchia + QStringLiteral("/fts"));
    prova::scriviByte(vecchia + QStringLiteral("/fts/indice"), "VECCHIO");

    hh::FileGuida *g = hh::FileGuida::apriGuida(file);
    ASSERT_NE(g, nullptr);
    EXPECT_FALSE(g->dati(g->url(QStringLiteral("index.html"))).isEmpty());
    EXPECT_EQ(QFileInfo(g->motore()->collectionFile()).absolutePath(),
              QFileInfo(propria).canonicalFilePath());
    for (const QString &l : legami)
        EXPECT_FALSE(QFileInfo(l).isSymLink() || QFileInfo::exists(l)) << l.toStdString();
    EXPECT_FALSE(QFileInfo::exists(vecchia));
    bersaglio.eIntatto();
    hh::FileGuida::chiudiTutte();
}

TEST(CartellaGuida, TheCacheFolderServesOnlyWhenItIsTheUsersOwn)
{
    const struct
    {
        const char *caso;
        // Sets up the folder `guida` whose parent is `sopra`, under `base`.
        std::function<bool(const QString &guida, const QString &sopra, const QString &base)> prepara;
        bool propria;
    } casi[] = {
        {"missing: made closed to others", [](auto &, auto &, auto &) { return true; }, true},
        {"the user's, open to others: closed now",
         [](const QString &guida, auto &, auto &) {
             return QDir().mkpath(guida)
                    && ::chmod(QFile::encodeName(guida).constData(), 0755) == 0;
         },
         true},
        {"a link to a folder of the user's",
         [](const QString &guida, const QString &sopra, const QString &base) {
             return QDir().mkpath(sopra) && QDir().mkpath(base + QStringLiteral("/altrove"))
                    && QFile::link(base + QStringLiteral("/altrove"), guida);
         },
         false},
        {"under a folder that others can write",
         [](auto &, const QString &sopra, auto &) {
             return QDir().mkpath(sopra)
                    && ::chmod(QFile::encodeName(sopra).constData(), 0777) == 0;
         },
         false},
        {"under a folder that others can write, each keeping to their own (sticky)",
         [](auto &, const QString &sopra, auto &) {
             return QDir().mkpath(sopra)
                    && ::chmod(QFile::encodeName(sopra).constData(), 01777) == 0;
         },
         true},
        {"another user's (only root can make one)",
         [](const QString &guida, auto &, auto &) {
             return ::geteuid() == 0 && QDir().mkpath(guida)
                    && ::chmod(QFile::encodeName(guida).constData(), 0777) == 0
                    && ::chown(QFile::encodeName(guida).constData(), 65534, 65534) == 0;
         },
         false},
    };
    for (const auto &c : casi) {
        SCOPED_TRACE(c.caso);
        hh::FileGuida::chiudiTutte();
        const Ambiente ambiente;
        QTemporaryDir base;
        const QString tmp = base.filePath(QStringLiteral("tmp"));
        QDir().mkpath(tmp);
        qputenv("TMPDIR", QFile::encodeName(tmp));
        qputenv("XDG_CACHE_HOME", QFile::encodeName(base.filePath(QStringLiteral("cache"))));
        const QString guida = QStandardPaths::writableLocation(QStandardPaths::CacheLocation)
                              + QStringLiteral("/guida");
        if (!c.prepara(guida, QFileInfo(guida).absolutePath(), base.path())) {
            EXPECT_NE(::geteuid(), 0u) << "only a case for root fails to set up";
            continue;
        }
        hh::FileGuida *g = hh::FileGuida::apriGuida(FileBuild);
        ASSERT_NE(g, nullptr);
        EXPECT_FALSE(g->dati(g->url(QStringLiteral("index.html"))).isEmpty());
        const QString usata = QFileInfo(g->motore()->collectionFile()).absolutePath();
        if (c.propria) {
            EXPECT_EQ(usata, QFileInfo(guida).canonicalFilePath());
            EXPECT_EQ(prova::modoDi(guida), 0700u);
        } else {
            EXPECT_EQ(QFileInfo(usata).absolutePath(), QFileInfo(tmp).absoluteFilePath())
                << usata.toStdString();
            EXPECT_EQ(prova::modoDi(usata), 0700u);
            EXPECT_TRUE(QDir(guida).isEmpty()) << "nothing written in it";
        }
        hh::FileGuida::chiudiTutte();
    }
}
