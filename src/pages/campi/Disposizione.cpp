#include "pages/campi/Disposizione.h"

#include "platform/maschera/MaskEdBox.h"
#include "platform/ui/Twips.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <cmath>

namespace scheda::campi {

namespace {

void posiziona(QWidget *w, int left, int top, int width, int height)
{
    const QSize naturale = w->sizeHint();
    w->setGeometry(ui::px(left), ui::px(top), width > 0 ? ui::px(width) : naturale.width(),
                   height > 0 ? ui::px(height) : naturale.height());
}

} // namespace

QLabel *etichetta(QWidget *parent, const QString &testo, int left, int top, int width, int height)
{
    auto *l = new QLabel(testo, parent);
    l->setTextFormat(Qt::PlainText);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    posiziona(l, left, top, width, height);
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
    auto *g = new QGroupBox(titolo, parent);
    g->setGeometry(ui::rettangolo(left, top, width, height));
    // As the forms draw a frame: an etched line from the caption's middle,
    // the caption on it over the page's background, children placed from
    // the frame's outer corner.
    const QColor sfondo = parent->palette().color(QPalette::Window);
    g->setStyleSheet(QStringLiteral("QGroupBox { border: 2px groove #f0f0f0; border-radius: 0px; margin-top: %1px; }"
                                    " QGroupBox::title { subcontrol-origin: margin; subcontrol-position: top left;"
                                    " left: 6px; padding: 0px 1px; background-color: %2; }")
                         .arg(g->fontMetrics().height() / 2)
                         .arg(sfondo.name()));
    return g;
}

QLineEdit *casella(QWidget *parent, const QString &nome, int left, int top, int width, int height)
{
    auto *e = new QLineEdit(parent);
    e->setObjectName(nome);
    e->setGeometry(ui::rettangolo(left, top, width, height));
    return e;
}

maschera::MaskEdBox *casellaData(QWidget *parent, const QString &nome, int left, int top, int width, int height)
{
    auto *e = new maschera::MaskEdBox(parent);
    e->setObjectName(nome);
    e->setGeometry(ui::rettangolo(left, top, width, height));
    return e;
}

QRadioButton *opzione(QWidget *parent, const QString &nome, const QString &testo, int left, int top, int width,
                      int height)
{
    auto *r = new QRadioButton(testo, parent);
    r->setObjectName(nome);
    posiziona(r, left, top, width, height);
    return r;
}

void sfondoBianco(QLineEdit *box)
{
    QPalette p = box->palette();
    p.setColor(QPalette::Base, Qt::white);
    box->setPalette(p);
}

} // namespace scheda::campi
