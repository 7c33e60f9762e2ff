#include "platform/help/FileGuida.h"
#include "platform/help/CartellaGuida.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QHelpContentModel>
#include <QHelpEngine>
#include <QHelpIndexModel>
#include <QHelpSearchEngine>
#include <QMap>
#include <QPointer>
#include <QRegularExpression>

namespace hh {

namespace {

QMap<QString, QPointer<FileGuida>> &aperti()
{
    static QMap<QString, QPointer<FileGuida>> m;
    return m;
}

QString impronta(const QByteArray &dati)
{
    return QString::fromLatin1(
        QCryptographicHash::hash(dati, QCryptographicHash::Sha1).toHex().left(12));
}

// The collection for this version of the help file (its registry, and the
// hidden folder of its search index); those left by earlier versions of the
// same file go, whatever they have become: a link goes as itself.
QString collezionePer(const QFileInfo &fi)
{
    const QString cartella = cartellaCollezioni();
    if (cartella.isEmpty())
        return {};
    const QString radice = impronta(fi.canonicalFilePath().toUtf8());
    const QString versione = impronta(QByteArray::number(fi.size()) + '/'
                                      + QByteArray::number(fi.lastModified().toMSecsSinceEpoch()));
    const QString nome = radice + QLatin1Char('-') + versione;
    const QString registro = nome + QStringLiteral(".qhc"), indice = QLatin1Char('.') + nome;
    const QStringList vecchie = QDir(cartella).entryList({radice + QStringLiteral("-*.qhc"),
                                                          QLatin1Char('.') + radice
                                                              + QStringLiteral("-*")},
                                                         QDir::AllEntries | QDir::Hidden
                                                             | QDir::System | QDir::NoDotAndDotDot);
    for (const QString &v : vecchie)
        if (v != registro && v != indice)
            rimuoviSenzaSeguire(cartella, v);
    return QDir(cartella).filePath(registro);
}

} // namespace

// When the application ends, the help files close before Qt's SQL module
// drops its connections: deleting an engine stops its full-text indexing
// thread and waits for it, instead of leaving it writing into a connection
// that is going away. Post routines run last added first, so this one is
// added after the first engine has set up its connections.
void FileGuida::chiudiTutte()
{
    const auto guide = aperti();
    aperti().clear();
    for (const QPointer<FileGuida> &g : guide)
        delete g.data();
    rimuoviCartellaTemporanea();
}

FileGuida *FileGuida::apriGuida(const QString &percorso)
{
    const QFileInfo fi(percorso);
    if (percorso.isEmpty() || !fi.isFile() || !fi.isReadable())
        return nullptr;
    const QString chiave = fi.canonicalFilePath();
    const QString versione = chiave + QLatin1Char('|') + QString::number(fi.size())
                             + QLatin1Char('|')
                             + QString::number(fi.lastModified().toMSecsSinceEpoch());
    auto &m = aperti();
    if (auto it = m.find(versione); it != m.end()) {
        if (*it)
            return *it;
        m.erase(it);
    }
    auto *g = new FileGuida(chiave, QCoreApplication::instance());
    if (!g->prepara()) {
        delete g;
        if (m.isEmpty()) // no collection of this run is left to keep
            rimuoviCartellaTemporanea();
        return nullptr;
    }
    m.insert(versione, g);
    static const bool chiusuraRegistrata = (qAddPostRoutine(chiudiTutte), true);
    Q_UNUSED(chiusuraRegistrata);
    return g;
}

FileGuida::FileGuida(const QString &percorso, QObject *parent)
    : QObject(parent)
    , percorso_(percorso)
{}

bool FileGuida::prepara()
{
    spazio_ = QHelpEngineCore::namespaceName(percorso_);
    if (spazio_.isEmpty())
        return false;
    const QString collezione = collezionePer(QFileInfo(percorso_));
    if (collezione.isEmpty())
        return false;
    motore_ = new QHelpEngine(collezione, this);
    motore_->setReadOnly(false);
    if (!motore_->setupData())
        return false;
    const QStringList registrati = motore_->registeredDocumentations();
    if (registrati.contains(spazio_)
        && QFileInfo(motore_->documentationFileName(spazio_)).canonicalFilePath() != percorso_)
        motore_->unregisterDocumentation(spazio_);
    if (!motore_->registeredDocumentations().contains(spazio_)
        && !motore_->registerDocumentation(percorso_))
        return false;

    const QList<QUrl> file = motore_->files(spazio_, QString());
    if (file.isEmpty())
        return false;
    cartella_ = file.front().path().section(QLatin1Char('/'), 1, 1);

    connect(motore_->contentModel(), &QHelpContentModel::contentsCreated, this,
            &FileGuida::sommarioCreato);
    connect(motore_->indexModel(), &QHelpIndexModel::indexCreated, this, &FileGuida::indiceCreato);
    QHelpSearchEngine *ricerca = motore_->searchEngine();
    connect(ricerca, &QHelpSearchEngine::indexingStarted, this, [this] { ricercaPronta_ = false; });
    connect(ricerca, &QHelpSearchEngine::indexingFinished, this, [this] {
        ricercaPronta_ = true;
        emit ricercaPreparata();
    });
    ricerca->scheduleIndexDocumentation();
    return true;
}

QUrl FileGuida::url(const QString &interno) const
{
    QString rel = interno.trimmed();
    while (rel.startsWith(QLatin1Char('/')))
        rel.remove(0, 1);
    QString frammento;
    if (const int h = rel.indexOf(QLatin1Char('#')); h >= 0) {
        frammento = rel.mid(h + 1);
        rel.truncate(h);
    }
    QUrl u;
    u.setScheme(QStringLiteral("qthelp"));
    u.setHost(spazio_);
    u.setPath(QLatin1Char('/') + cartella_ + QLatin1Char('/') + rel);
    if (!frammento.isEmpty())
        u.setFragment(frammento);
    return u;
}

bool FileGuida::contiene(const QUrl &url) const
{
    QUrl senza = url;
    senza.setFragment(QString());
    return motore_->findFile(senza).isValid();
}

QByteArray FileGuida::dati(const QUrl &url) const
{
    QUrl senza = url;
    senza.setFragment(QString());
    return motore_->fileData(senza);
}

bool FileGuida::sommarioPronto() const
{
    return !motore_->contentModel()->isCreatingContents()
           && motore_->contentModel()->rowCount() > 0;
}

bool FileGuida::indicePronto() const
{
    return !motore_->indexModel()->isCreatingIndex() && motore_->indexModel()->rowCount() > 0;
}

QUrl FileGuida::paginaIniziale() const
{
    if (sommarioPronto()) {
        QHelpContentModel *m = motore_->contentModel();
        if (QHelpContentItem *primo = m->contentItemAt(m->index(0, 0));
            primo && primo->url().isValid())
            return primo->url();
    }
    const QUrl indice = url(QStringLiteral("index.html"));
    if (contiene(indice))
        return indice;
    const QList<QUrl> file = motore_->files(spazio_, QString(), QStringLiteral("html"));
    return file.isEmpty() ? indice : file.front();
}

void FileGuida::leggiContesti()
{
    if (contestiLetti_)
        return;
    contestiLetti_ = true;
    // mappa.h: #define NAME number; alias.txt: NAME=topic.
    static const QRegularExpression define(
        QStringLiteral("^\\s*#define\\s+(\\S+)\\s+(0[xX][0-9A-Fa-f]+|-?\\d+)"));
    const QString mappa = QString::fromUtf8(dati(url(QStringLiteral("mappa.h"))));
    for (const QString &riga : mappa.split(QLatin1Char('\n'))) {
        const auto m = define.match(riga);
        if (m.hasMatch()) {
            bool ok = false;
            const std::int32_t n = std::int32_t(m.captured(2).toLongLong(&ok, 0));
            if (ok)
                nomi_.insert(m.captured(1), n);
        }
    }
    const QString alias = QString::fromUtf8(dati(url(QStringLiteral("alias.txt"))));
    for (QString riga : alias.split(QLatin1Char('\n'))) {
        riga = riga.trimmed();
        if (riga.isEmpty() || riga.startsWith(QLatin1Char(';')))
            continue;
        const int uguale = riga.indexOf(QLatin1Char('='));
        if (uguale <= 0)
            continue;
        const QString nome = riga.left(uguale).trimmed();
        const QString argomento = riga.mid(uguale + 1).trimmed();
        bool numerico = false;
        const std::int32_t n = std::int32_t(nome.toLongLong(&numerico, 0));
        if (numerico)
            contesti_.insert(n, argomento);
        else if (nomi_.contains(nome))
            contesti_.insert(nomi_.value(nome), argomento);
    }
}

QString FileGuida::argomentoContesto(std::int32_t numero) const
{
    const_cast<FileGuida *>(this)->leggiContesti();
    return contesti_.value(numero);
}

QString FileGuida::testoPopup(const QString &fileTesto, std::int32_t numero) const
{
    if (fileTesto.isEmpty())
        return {};
    const QString testo = QString::fromUtf8(dati(url(fileTesto)));
    // The names of mappa.h may stand for their numbers.
    const_cast<FileGuida *>(this)->leggiContesti();
    QStringList righe;
    bool dentro = false;
    for (const QString &riga : testo.split(QLatin1Char('\n'))) {
        const QString r = riga.trimmed();
        if (r.startsWith(QStringLiteral(".topic"), Qt::CaseInsensitive)) {
            if (dentro)
                break;
            const QString id = r.mid(6).trimmed();
            bool ok = false;
            std::int32_t n = std::int32_t(id.toLongLong(&ok, 0));
            if (!ok && nomi_.contains(id)) {
                n = nomi_.value(id);
                ok = true;
            }
            dentro = ok && n == numero;
            continue;
        }
        if (dentro)
            righe << r;
    }
    // Lines of a paragraph join; a blank line separates paragraphs.
    QStringList paragrafi;
    QString corrente;
    for (const QString &r : std::as_const(righe)) {
        if (r.isEmpty()) {
            if (!corrente.isEmpty())
                paragrafi << corrente;
            corrente.clear();
        } else {
            corrente += (corrente.isEmpty() ? QString() : QStringLiteral(" ")) + r;
        }
    }
    if (!corrente.isEmpty())
        paragrafi << corrente;
    return paragrafi.join(QStringLiteral("\n\n"));
}

} // namespace hh
