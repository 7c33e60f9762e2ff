#include "pages/campi/Combo.h"

#include "core/Errori.h"

#include <QAbstractItemView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QWheelEvent>

namespace scheda::campi {

ComboScheda::ComboScheda(QWidget *parent, bool modificabile)
    : QComboBox(parent)
{
    setEditable(modificabile);
    setFocusPolicy(Qt::StrongFocus);
    setMaxVisibleItems(12);
    if (modificabile) {
        setInsertPolicy(QComboBox::NoInsert);
        setCompleter(nullptr); // what is typed stays as typed: no completion
        lineEdit()->setMaxLength(32767);
        // Leaving the box with the text of an entry is no pick of it.
        disconnect(lineEdit(), &QLineEdit::editingFinished, this, nullptr);
    }
    // Thousands of entries: one height for all, so the list opens at once.
    auto *vista = new QListView(this);
    vista->setUniformItemSizes(true);
    setView(vista);
}

void ComboScheda::showPopup()
{
    if (primaDiAprire && !eseguiComando(primaDiAprire))
        return;
    QComboBox::showPopup();
}

void ComboScheda::wheelEvent(QWheelEvent *e)
{
    e->ignore(); // the page scrolls, the box keeps its value
}

void ComboScheda::keyPressEvent(QKeyEvent *e)
{
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        e->ignore();
        return;
    }
    QComboBox::keyPressEvent(e);
}

} // namespace scheda::campi
