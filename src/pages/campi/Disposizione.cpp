#include "pages/campi/Disposizione.h"

#include "platform/maschera/MaskEdBox.h"
#include "platform/ui/Twips.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QRadioButton>
#include <QStyle>
#include <cmath>

namespace scheda::campi {

namespace {

void colloca(QWidget *w, int left, int top, int width, int height)
{
    // The natural size only where the row gives none: it lays the text out.
    const auto *l = qobject_cast<const QLabel *>(w);
    const QSize naturale = width > 0 && height > 0 ? QSize()
                           : l                     ? dimensioneNaturale(l)
                                                   : w->sizeHint();
    w->setGeometry(ui::px(left), ui::px(top), width > 0 ? ui::px(width) : naturale.width(),
                   height > 0 ? ui::px(height) : naturale.height());
}

// A page's frame: an etched line from the middle of the caption's first
// line, the caption 6 pixels in over the page's background with a pixel of
// room each side, the children placed from the frame's outer corner.
// Painted here rather than by a style sheet: a sheet would be
// matched and polished for every control the frame holds.
class Telaio : public QGroupBox
{
public:
    Telaio(const QString &titolo, QWidget *parent)
        : QGroupBox(titolo, parent)
        , sfondo_(parent->palette().color(QPalette::Window))
        , margine_(fontMetrics().height() / 2)
    {
        // What a frame holds is drawn in the program's colours, not the
        // page's: the outlines of its boxes and buttons are grey.
        QPalette programma = QApplication::palette(this);
        programma.setResolveMask(
            ~QPalette::ResolveMask(0)); // every role its own, none from the page
        setPalette(programma);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        constexpr QColor Ombra(0xf0, 0xf0, 0xf0);
        QPainter p(this);
        // The line: the outer pixel shaded at the top and left, white at the
        // bottom and right, the inner pixel the other way round.
        const QRect r = rect().adjusted(0, margine_, 0, 0);
        const int x0 = r.left(), y0 = r.top(), x1 = r.right(), y1 = r.bottom();
        p.fillRect(QRect(QPoint(x0, y0), QPoint(x1, y0)), Ombra);
        p.fillRect(QRect(QPoint(x0, y0), QPoint(x0, y1)), Ombra);
        p.fillRect(QRect(QPoint(x0 + 1, y1), QPoint(x1, y1)), Qt::white);
        p.fillRect(QRect(QPoint(x1, y0 + 1), QPoint(x1, y1)), Qt::white);
        p.fillRect(QRect(QPoint(x0 + 1, y0 + 1), QPoint(x1 - 1, y0 + 1)), Qt::white);
        p.fillRect(QRect(QPoint(x0 + 1, y0 + 1), QPoint(x0 + 1, y1 - 1)), Qt::white);
        p.fillRect(QRect(QPoint(x0 + 2, y1 - 1), QPoint(x1 - 1, y1 - 1)), Ombra);
        p.fillRect(QRect(QPoint(x1 - 1, y0 + 2), QPoint(x1 - 1, y1 - 1)), Ombra);
        if (title().isEmpty())
            return;
        // The caption over the line: its text and a blank, a pixel of room each side.
        const QFontMetrics fm = fontMetrics();
        const QRect didascalia(6, 0,
                               fm.size(Qt::TextShowMnemonic, title() + QLatin1Char(' ')).width() + 2,
                               fm.height());
        p.fillRect(didascalia, sfondo_);
        int allineamento = Qt::AlignCenter;
        if (!style()->styleHint(QStyle::SH_UnderlineShortcut, nullptr, this))
            allineamento |= Qt::TextHideMnemonic;
        style()->drawItemText(&p, didascalia.adjusted(1, 0, -1, 0), allineamento, palette(),
                              isEnabled(), title(), QPalette::WindowText);
    }

private:
    QColor sfondo_;
    int margine_; // the line's distance from the top: half the caption's height
};

} // namespace

QSize dimensioneNaturale(const QLabel *l)
{
    // What QLabel::sizeHint() gives for a plain text on one line without
    // margins or indent, from one layout of the text: the label's own hint
    // lays it out three times (for its minimum size too).
    const int allineamento = int(QStyle::visualAlignment(l->layoutDirection(), l->alignment()))
                             & ~(Qt::AlignVCenter | Qt::AlignHCenter);
    return l->fontMetrics().boundingRect(0, 0, 2000, 2000, allineamento, l->text()).size();
}

QLabel *etichetta(QWidget *parent, const QString &testo, int left, int top, int width, int height)
{
    auto *l = new QLabel(testo, parent);
    l->setTextFormat(Qt::PlainText);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    colloca(l, left, top, width, height);
    return l;
}

QLabel *etichettaPrima(QWidget *parent, const QString &testo, int leftCasella, int top)
{
    QLabel *l = etichetta(parent, testo, 0, top);
    l->move(ui::px(leftCasella - 60) - l->width(), l->y());
    return l;
}

QGroupBox *cornice(QWidget *parent, const QString &titolo, int left, int top, int width, int height)
{
    auto *g = new Telaio(titolo, parent);
    g->setGeometry(ui::rettangolo(left, top, width, height));
    return g;
}

QLineEdit *casella(QWidget *parent, const QString &nome, int left, int top, int width, int height)
{
    auto *e = new QLineEdit(parent);
    e->setObjectName(nome);
    e->setGeometry(ui::rettangolo(left, top, width, height));
    return e;
}

maschera::MaskEdBox *casellaData(QWidget *parent, const QString &nome, int left, int top, int width,
                                 int height)
{
    auto *e = new maschera::MaskEdBox(parent);
    e->setObjectName(nome);
    e->setGeometry(ui::rettangolo(left, top, width, height));
    return e;
}

QRadioButton *opzione(QWidget *parent, const QString &nome, const QString &testo, int left, int top,
                      int width, int height)
{
    auto *r = new QRadioButton(testo, parent);
    r->setObjectName(nome);
    colloca(r, left, top, width, height);
    return r;
}

} // namespace scheda::campi
