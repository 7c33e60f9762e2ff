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
    setFocusPolicy(Qt::StrongFocus);
    setMaxVisibleItems(12);
    if (modificabile) {
        // Made editable by a line edit of its own: setEditable() would make
        // the list's view with the box (see preparaVista).
        auto *riga = new QLineEdit(this);
        riga->setPalette(palette());
        setLineEdit(riga);
        setInsertPolicy(QComboBox::NoInsert);
        setCompleter(nullptr); // what is typed stays as typed: no completion
        lineEdit()->setMaxLength(32767);
        // Leaving the box with the text of an entry is no pick of it.
        disconnect(lineEdit(), &QLineEdit::editingFinished, this, nullptr);
    }
}

void ComboScheda::showPopup()
{
    if (primaDiAprire && !eseguiComando(primaDiAprire))
        return;
    preparaVista();
    QComboBox::showPopup();
}

void ComboScheda::preparaVista()
{
    if (vistaPronta_)
        return;
    vistaPronta_ = true;
    // Thousands of entries: one height for all, so the list opens at once.
    if (auto *vista = qobject_cast<QListView *>(view()))
        vista->setUniformItemSizes(true);
    if (delegatoVoci)
        view()->setItemDelegate(delegatoVoci);
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
