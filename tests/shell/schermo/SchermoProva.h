#pragma once
// What the screen tests look at: whether a control lies whole in the page
// area's view, the window of page N, the panel where the layout puts it; and
// the program started as it opens for the user.

#include "Interazione.h"

#include "pages/PaginaScheda.h"
#include "platform/ui/Twips.h"
#include "shell/MostraPagina.h"

#include <QAbstractScrollArea>
#include <QGroupBox>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QToolButton>
#include <gtest/gtest.h>
#include <string>

namespace prova {

// A rectangle as the failure messages show it.
inline std::string testo(const QRect &r)
{
    return QStringLiteral("%1,%2 %3x%4")
        .arg(r.x())
        .arg(r.y())
        .arg(r.width())
        .arg(r.height())
        .toStdString();
}

// The control lies whole inside the view of the scroll area.
inline bool inVista(QAbstractScrollArea *area, const QWidget *controllo)
{
    const QWidget *vista = area->viewport();
    return vista->isAncestorOf(controllo)
           && vista->rect().contains(
               QRect(controllo->mapTo(vista, QPoint(0, 0)), controllo->size()));
}

// The frame nearest around a control of a page, none when it stands on
// the page itself.
inline const QGroupBox *corniceDi(const QWidget *controllo)
{
    for (const QWidget *w = controllo->parentWidget(); w; w = w->parentWidget())
        if (const auto *g = qobject_cast<const QGroupBox *>(w))
            return g;
    return nullptr;
}

// The control is in view, and so is its frame whole when it fits in the view.
inline bool conLaCorniceInVista(QAbstractScrollArea *area, const QWidget *controllo)
{
    const QGroupBox *g = corniceDi(controllo);
    const bool entra = g && g->height() <= area->viewport()->height()
                       && g->width() <= area->viewport()->width();
    return inVista(area, controllo) && (!entra || inVista(area, g));
}

// A stop of the Tab key.
inline bool fermata(const QWidget *c)
{
    return c->isVisible() && c->isEnabled() && (c->focusPolicy() & Qt::TabFocus);
}

// The MDI window that holds page form N.
inline QMdiSubWindow *finestraPagina(int n)
{
    return scheda::Form(n) ? qobject_cast<QMdiSubWindow *>(scheda::Form(n)->parentWidget())
                           : nullptr;
}

// The button panel down the right-hand edge, 1980 twips wide, from just
// under the menu bar, every button whole inside the window.
inline void pannelloAlSuoPosto(scheda::MDIForm1 &w)
{
    EXPECT_EQ(w.Picture1->width(), ui::px(1980));
    const QRect pannello(w.Picture1->mapTo(&w, QPoint(0, 0)), w.Picture1->size());
    EXPECT_EQ(pannello.right() + 1, w.width());
    EXPECT_EQ(pannello.top(), w.areaPagine()->mapTo(&w, QPoint(0, 0)).y());
    for (const QToolButton *b : w.Picture1->findChildren<QToolButton *>()) {
        EXPECT_EQ(b->parentWidget(), w.Picture1);
        EXPECT_TRUE(w.rect().contains(QRect(b->mapTo(&w, QPoint(0, 0)), b->size())))
            << qPrintable(b->objectName());
    }
    // Where the outside checks click: the panel's background at x = width - 132, y = 17.
    EXPECT_EQ(w.childAt(w.width() - 132, pannello.top() + 17), w.Picture1);
}

// The program started as it opens for the user: the start-up, then the
// window shown at its opening size and state.
class ConSchermo : public ConProgramma
{
protected:
    void apri(int schede = 1)
    {
        avvia(schede);
        p.finestra().mostraInApertura();
        QApplication::processEvents(); // the window system gives the window its state
        attiva();
        QApplication::processEvents(); // the scroll bars show or hide a turn after the area's size
    }
    QMdiArea *area() { return p.finestra().areaPagine(); }
};

} // namespace prova
