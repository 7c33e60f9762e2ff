#include "platform/ui/FuocoInVista.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QEvent>
#include <QGroupBox>
#include <QPointer>
#include <QScrollBar>
#include <algorithm>

namespace ui {

namespace {

// One axis: the control spans [inizio, fine), the view [0, lato).
int scorrimento(int inizio, int fine, int lato, int margine)
{
    const int lunghezza = fine - inizio;
    if (lunghezza > lato)
        return inizio < lato && fine > 0 ? 0 : inizio;
    margine = std::clamp(margine, 0, (lato - lunghezza) / 2);
    if (inizio - margine < 0)
        return inizio - margine;
    if (fine + margine > lato)
        return fine + margine - lato;
    return 0;
}

class Inseguitore : public QObject
{
public:
    Inseguitore(QAbstractScrollArea *area, int margine)
        : QObject(area)
        , area_(area)
        , margine_(margine)
    {
        // A control the user clicks shows already; scrolling it under the
        // pressed mouse would move a button away from its own release.
        connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *ora) {
            if (QGuiApplication::mouseButtons() == Qt::NoButton)
                mostra(ora);
        });
        area->viewport()->installEventFilter(this);
    }

    bool eventFilter(QObject *o, QEvent *e) override
    {
        if (o == area_->viewport() && e->type() == QEvent::Resize)
            mostra(QApplication::focusWidget());
        return false;
    }

private:
    void mostra(QWidget *controllo)
    {
        QWidget *vista = area_ ? area_->viewport() : nullptr;
        if (!controllo || !vista || !vista->isAncestorOf(controllo) || !controllo->isVisible())
            return;
        const auto inVista = [vista](const QWidget *w) {
            return QRect(w->mapTo(vista, QPoint(0, 0)), w->size());
        };
        QRect cornice;
        for (QWidget *w = controllo->parentWidget(); w && w != vista; w = w->parentWidget())
            if (qobject_cast<QGroupBox *>(w)) {
                cornice = inVista(w);
                break;
            }
        const QPoint d = scorrimentoPerVedere(inVista(controllo), vista->rect(), margine_, cornice);
        if (d.x())
            area_->horizontalScrollBar()->setValue(area_->horizontalScrollBar()->value() + d.x());
        if (d.y())
            area_->verticalScrollBar()->setValue(area_->verticalScrollBar()->value() + d.y());
    }

    QPointer<QAbstractScrollArea> area_;
    const int margine_;
};

} // namespace

QPoint scorrimentoPerVedere(const QRect &controllo, const QRect &vista, int margine,
                            const QRect &cornice)
{
    QRect r = controllo;
    if (!cornice.isEmpty() && cornice.width() <= vista.width())
        r.setCoords(cornice.left(), r.top(), cornice.right(), r.bottom());
    if (!cornice.isEmpty() && cornice.height() <= vista.height())
        r.setCoords(r.left(), cornice.top(), r.right(), cornice.bottom());
    return QPoint(scorrimento(r.left() - vista.left(), r.right() + 1 - vista.left(), vista.width(),
                              margine),
                  scorrimento(r.top() - vista.top(), r.bottom() + 1 - vista.top(), vista.height(),
                              margine));
}

void fuocoSempreInVista(QAbstractScrollArea *area, int margine)
{
    if (area)
        new Inseguitore(area, margine);
}

} // namespace ui
