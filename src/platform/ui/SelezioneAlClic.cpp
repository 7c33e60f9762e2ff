#include "platform/ui/SelezioneAlClic.h"

#include <QFocusEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTimer>
#include <utility>

namespace ui {

namespace {

class SelezioneAlClic : public QObject
{
public:
    explicit SelezioneAlClic(QLineEdit *box)
        : QObject(box)
        , box_(box)
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
            entrata_ = trattenuto_ = false;
            return false;
        case QEvent::MouseButtonPress: {
            // Only the press of the click that gave the focus, and only
            // when the focus-in left a selection to keep.
            const bool entrata = std::exchange(entrata_, false);
            trattenuto_ = entrata && static_cast<QMouseEvent *>(e)->button() == Qt::LeftButton
                          && box_->hasSelectedText();
            return trattenuto_ && trattieni(e);
        }
        case QEvent::MouseMove:
            return trattenuto_ && trattieni(e); // no selection dragged from where the click fell
        case QEvent::MouseButtonRelease:
            return std::exchange(trattenuto_, false) && trattieni(e);
        default:
            return false;
        }
    }

private:
    // Taken here: the box does not see it, nor does its parent.
    static bool trattieni(QEvent *e)
    {
        e->accept();
        return true;
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
    bool entrata_ = false;    // the focus came by a click whose press is still to come
    bool trattenuto_ = false; // that press, held back until its release
};

} // namespace

void tieniSelezioneAlClic(QLineEdit *box)
{
    if (box)
        new SelezioneAlClic(box);
}

} // namespace ui
