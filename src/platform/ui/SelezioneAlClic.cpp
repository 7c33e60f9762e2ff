#include "platform/ui/SelezioneAlClic.h"

#include <QApplication>
#include <QFocusEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTimer>
#include <memory>
#include <utility>

namespace ui {

namespace {

class SelezioneAlClic : public QObject
{
public:
    SelezioneAlClic(QLineEdit *box, DoppioClic doppio)
        : QObject(box)
        , box_(box)
        , doppio_(doppio)
    {
        box->installEventFilter(this);
    }

    bool eventFilter(QObject *o, QEvent *e) override
    {
        if (o != box_)
            return false;
        switch (e->type()) {
        case QEvent::FocusIn:
            if (static_cast<QFocusEvent *>(e)->reason() == Qt::MouseFocusReason)
                entrataDalClic();
            return false;
        case QEvent::FocusOut:
            entrata_ = false;
            lasciaStare();
            return false;
        case QEvent::MouseButtonPress:
            return premuto(static_cast<QMouseEvent *>(e));
        case QEvent::MouseMove:
            return mosso(static_cast<QMouseEvent *>(e));
        case QEvent::MouseButtonRelease: {
            // The release of a press held back is held back too; after a
            // double click the box has seen its press and sees its release.
            const bool trattenuta = stato_ == Stato::PressioneTrattenuta;
            lasciaStare();
            return trattenuta && trattieni(e);
        }
        case QEvent::MouseButtonDblClick:
            if (doppio_ != DoppioClic::Tutto
                || static_cast<QMouseEvent *>(e)->button() != Qt::LeftButton)
                return false;
            lasciaStare();
            box_->selectAll();
            stato_ = Stato::DoppioClicPreso;
            return trattieni(e);
        default:
            return false;
        }
    }

private:
    enum class Stato {
        Libero,
        PressioneTrattenuta, // the press that gave the focus, not yet seen by the box
        DoppioClicPreso,     // the whole text selected by a double click, its button still down
    };

    // Taken here: the box does not see it, nor does its parent.
    static bool trattieni(QEvent *e)
    {
        e->accept();
        return true;
    }

    bool premuto(QMouseEvent *e)
    {
        // Only the press of the click that gave the focus, and only when
        // the focus-in left a selection to keep.
        const bool entrata = std::exchange(entrata_, false);
        lasciaStare();
        if (!entrata || e->button() != Qt::LeftButton || !box_->hasSelectedText())
            return false;
        stato_ = Stato::PressioneTrattenuta;
        pressione_.reset(e->clone());
        return trattieni(e);
    }

    bool mosso(QMouseEvent *e)
    {
        switch (stato_) {
        case Stato::Libero:
            return false;
        case Stato::DoppioClicPreso:
            return trattieni(e); // the whole text stays selected under a shaking hand
        case Stato::PressioneTrattenuta:
            if ((e->position() - pressione_->position()).manhattanLength()
                < QApplication::startDragDistance())
                return trattieni(e);
            break;
        }
        // A drag: the press goes to the box where it fell, and the move
        // selects from there as in a box that has the focus.
        const std::unique_ptr<QMouseEvent> pressione = std::move(pressione_);
        stato_ = Stato::Libero;
        QCoreApplication::sendEvent(box_, pressione.get());
        return false;
    }

    void lasciaStare()
    {
        stato_ = Stato::Libero;
        pressione_.reset();
    }

    void entrataDalClic()
    {
        // The press that gave the focus is delivered right after it, in the
        // same turn of the event loop; a focus given by code with a click's
        // reason and no press behind it must not hold back a later click.
        entrata_ = true;
        QTimer::singleShot(0, this, [this] { entrata_ = false; });
    }

    QLineEdit *box_;
    DoppioClic doppio_;
    bool entrata_ = false; // the focus came by a click whose press is still to come
    Stato stato_ = Stato::Libero;
    std::unique_ptr<QMouseEvent> pressione_; // the press held back, for a drag
};

} // namespace

void tieniSelezioneAlClic(QLineEdit *box, DoppioClic doppio)
{
    if (box)
        new SelezioneAlClic(box, doppio);
}

} // namespace ui
