#include "platform/ui/FuocoInVista.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QEvent>
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
        const QRect r(controllo->mapTo(vista, QPoint(0, 0)), controllo->size());
        const QPoint d = scorrimentoPerVedere(r, vista->rect(), margine_);
        if (d.x())
            area_->horizontalScrollBar()->setValue(area_->horizontalScrollBar()->value() + d.x());
        if (d.y())
            area_->verticalScrollBar()->setValue(area_->verticalScrollBar()->value() + d.y());
    }

    QPointer<QAbstractScrollArea> area_;
    const int margine_;
};

} // namespace

QPoint scorrimentoPerVedere(const QRect &controllo, const QRect &vista, int margine)
{
    return QPoint(scorrimento(controllo.left() - vista.left(), controllo.right() + 1 - vista.left(),
                              vista.width(), margine),
                  scorrimento(controllo.top() - vista.top(), controllo.bottom() + 1 - vista.top(),
                              vista.height(), margine));
}

void fuocoSempreInVista(QAbstractScrollArea *area, int margine)
{
    if (area)
        new Inseguitore(area, margine);
}

} // namespace ui
