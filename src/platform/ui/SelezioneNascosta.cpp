#include "platform/ui/SelezioneNascosta.h"

#include <QEvent>
#include <QLineEdit>

namespace ui {

namespace {

constexpr QPalette::ColorGroup Gruppi[] = {QPalette::Active, QPalette::Inactive};

// Swaps the box's selection colours: its own while it has the focus, the
// text's own colours on no background while it has not.
class Selezione : public QObject
{
public:
    explicit Selezione(QLineEdit *box)
        : QObject(box)
        , box_(box)
    {
        const QPalette p = box->palette();
        for (QPalette::ColorGroup g : Gruppi) {
            evidenza_[g] = p.brush(g, QPalette::Highlight);
            testo_[g] = p.brush(g, QPalette::HighlightedText);
        }
        box->installEventFilter(this);
        aggiorna(box->hasFocus());
    }

    bool eventFilter(QObject *o, QEvent *e) override
    {
        if (o == box_ && (e->type() == QEvent::FocusIn || e->type() == QEvent::FocusOut))
            aggiorna(e->type() == QEvent::FocusIn);
        return false;
    }

private:
    void aggiorna(bool fuoco)
    {
        QPalette p = box_->palette();
        for (QPalette::ColorGroup g : Gruppi) {
            p.setBrush(g, QPalette::Highlight, fuoco ? evidenza_[g] : QBrush(Qt::transparent));
            p.setBrush(g, QPalette::HighlightedText, fuoco ? testo_[g] : p.brush(g, QPalette::Text));
        }
        box_->setPalette(p);
    }

    QLineEdit *box_;
    QBrush evidenza_[QPalette::NColorGroups];
    QBrush testo_[QPalette::NColorGroups];
};

} // namespace

void selezioneSoloConFuoco(QLineEdit *box)
{
    if (box)
        new Selezione(box);
}

} // namespace ui
