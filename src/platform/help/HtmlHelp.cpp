#include "platform/help/HtmlHelp.h"
#include "platform/help/FileGuida.h"
#include "platform/help/FinestraGuida.h"
#include "platform/help/Popup.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QWidget>

namespace hh {

namespace {

QPointer<FinestraGuida> finestra;
QPointer<FinestraPopup> popup;
Chiamata ultima;
QString fileApplicazione;

// The help window for a help file: the one of the run, made anew only when
// another help file is asked for or the window is gone.
FinestraGuida *finestraPer(FileGuida *guida, QWidget *owner)
{
    if (finestra && finestra->guida() != guida)
        delete finestra.data();
    if (!finestra)
        finestra = new FinestraGuida(guida, owner ? owner->window() : nullptr);
    return finestra;
}

std::int32_t mostraPopup(const QString &testo, const HH_POPUP &formato, QWidget *owner,
                         const QPoint &cima)
{
    if (testo.isEmpty())
        return 0;
    if (popup)
        popup->close();
    popup = new FinestraPopup(testo, formato, owner ? owner->window() : nullptr);
    popup->mostraConCimaIn(cima);
    return popup->handle();
}

// F1 anywhere in the program: the help of the focused control.
class FiltroF1 : public QObject
{
public:
    using QObject::QObject;
    bool eventFilter(QObject *o, QEvent *e) override
    {
        if (e->type() != QEvent::KeyPress || fileApplicazione.isEmpty())
            return false;
        auto *tasto = static_cast<QKeyEvent *>(e);
        if (tasto->key() != Qt::Key_F1 || tasto->modifiers() != Qt::NoModifier || !o->isWidgetType())
            return false;
        QWidget *w = QApplication::focusWidget() ? QApplication::focusWidget()
                                                 : static_cast<QWidget *>(o);
        std::int32_t contesto = 0;
        for (QWidget *p = w; p && contesto == 0; p = p->parentWidget())
            contesto = HelpContextID(p);
        const QString file = scomponiPercorso(fileApplicazione).file;
        if (contesto == 0 || HtmlHelpA(w, file, HH_HELP_CONTEXT, contesto) == 0)
            HtmlHelpA(w, file, HH_DISPLAY_TOC);
        return true;
    }
};

} // namespace

Percorso scomponiPercorso(const QString &percorso)
{
    Percorso p;
    QString resto = percorso;
    if (const int maggiore = resto.lastIndexOf(QLatin1Char('>')); maggiore >= 0) {
        p.finestra = resto.mid(maggiore + 1).trimmed();
        resto.truncate(maggiore);
    }
    if (const int sep = resto.indexOf(QStringLiteral("::")); sep >= 0) {
        QString interno = resto.mid(sep + 2).trimmed();
        while (interno.startsWith(QLatin1Char('/')) || interno.startsWith(QLatin1Char('\\')))
            interno.remove(0, 1);
        p.interno = interno;
        resto.truncate(sep);
    }
    p.file = resto.trimmed();
    return p;
}

std::int32_t HtmlHelpA(QWidget *owner, const QString &file, unsigned comando, const Dati &dati)
{
    ultima = Chiamata{owner, file, comando, dati};
    const Percorso p = scomponiPercorso(file);
    FileGuida *guida = FileGuida::apriGuida(p.file);
    if (!guida)
        return 0;

    const auto testo = [&dati]() -> QString {
        if (const auto *t = std::get_if<QString>(&dati))
            return t->trimmed();
        return {};
    };

    switch (comando) {
    case HH_DISPLAY_TOPIC: {
        const QString argomento = !testo().isEmpty() ? testo() : p.interno;
        FinestraGuida *f = finestraPer(guida, owner);
        f->setNomeFinestra(p.finestra);
        f->mostraArgomento(argomento.isEmpty() ? guida->paginaIniziale() : guida->url(argomento));
        f->porta();
        return f->handle();
    }
    case HH_DISPLAY_TOC: {
        FinestraGuida *f = finestraPer(guida, owner);
        f->setNomeFinestra(p.finestra);
        f->mostraSommario();
        if (!p.interno.isEmpty())
            f->mostraArgomento(guida->url(p.interno));
        else
            f->mostraInizioSeVuota();
        f->porta();
        return f->handle();
    }
    case HH_DISPLAY_INDEX: {
        FinestraGuida *f = finestraPer(guida, owner);
        f->setNomeFinestra(p.finestra);
        f->mostraIndice(testo());
        f->mostraInizioSeVuota();
        f->porta();
        return f->handle();
    }
    case HH_DISPLAY_SEARCH: {
        HH_FTS_QUERY domanda;
        if (const auto *q = std::get_if<HH_FTS_QUERY>(&dati))
            domanda = *q;
        FinestraGuida *f = finestraPer(guida, owner);
        f->setNomeFinestra(p.finestra);
        f->mostraInizioSeVuota();
        f->mostraRicerca(domanda.pszSearchQuery, domanda.fExecute != 0);
        f->porta();
        return f->handle();
    }
    case HH_HELP_CONTEXT: {
        const auto *numero = std::get_if<std::int32_t>(&dati);
        const QString argomento = numero ? guida->argomentoContesto(*numero) : QString();
        if (argomento.isEmpty())
            return 0;
        FinestraGuida *f = finestraPer(guida, owner);
        f->setNomeFinestra(p.finestra);
        f->mostraArgomento(guida->url(argomento));
        f->porta();
        return f->handle();
    }
    case HH_DISPLAY_TEXT_POPUP: {
        const auto *formato = std::get_if<HH_POPUP>(&dati);
        if (!formato)
            return 0;
        const QString t = !formato->pszText.isEmpty()
                              ? formato->pszText
                              : guida->testoPopup(p.interno, std::int32_t(formato->idString));
        return mostraPopup(t, *formato, owner, QPoint(formato->pt.x, formato->pt.y));
    }
    case HH_TP_HELP_WM_HELP: {
        const auto *mappa = std::get_if<MappaContesti>(&dati);
        if (!mappa || !owner)
            return 0;
        const std::int32_t id = GetDlgCtrlID(owner);
        std::int32_t contesto = 0;
        for (const auto &[controllo, numero] : *mappa) {
            if (controllo == 0 && numero == 0)
                break;
            if (controllo == id) {
                contesto = numero;
                break;
            }
        }
        if (contesto == 0)
            return 0;
        HH_POPUP formato;
        formato.pszFont = QStringLiteral("Verdana,8");
        const QPoint sotto = owner->mapToGlobal(QPoint(owner->width() / 2, owner->height() + 2));
        return mostraPopup(guida->testoPopup(p.interno, contesto), formato, owner, sotto);
    }
    default:
        return 0;
    }
}

std::int32_t GetDlgCtrlID(const QWidget *controllo)
{
    if (!controllo)
        return 0;
    static std::int32_t prossimo = 1000;
    const QVariant id = controllo->property("IdControllo");
    if (id.isValid())
        return id.toInt();
    const std::int32_t nuovo = ++prossimo;
    const_cast<QWidget *>(controllo)->setProperty("IdControllo", nuovo);
    return nuovo;
}

std::int32_t HelpContextID(const QWidget *controllo)
{
    return controllo ? controllo->property("HelpContextID").toInt() : 0;
}

void setHelpContextID(QWidget *controllo, std::int32_t id)
{
    if (controllo)
        controllo->setProperty("HelpContextID", id);
}

void impostaFileHelpApplicazione(const QString &file)
{
    fileApplicazione = file;
    static QPointer<FiltroF1> filtro;
    if (!filtro && qApp) {
        filtro = new FiltroF1(qApp);
        qApp->installEventFilter(filtro);
    }
}

QString fileHelpApplicazione()
{
    return fileApplicazione;
}

Chiamata ultimaChiamata()
{
    return ultima;
}

FinestraGuida *finestraGuida()
{
    return finestra;
}

QWidget *popupAperto()
{
    return popup;
}

void chiudiGuida()
{
    delete popup.data();
    delete finestra.data();
    FileGuida::chiudiTutte();
}

} // namespace hh
