#pragma once
// The combo boxes of the page forms: page 1's sheet list and the look-up
// boxes. Their list is built by their owner just before it opens (the
// drop-down hook), the wheel over a closed box changes nothing, and Enter
// neither adds an entry nor picks one: an entry is picked from the open list
// or with the arrow keys.

#include <QComboBox>
#include <functional>

namespace scheda::campi {

class ComboScheda : public QComboBox
{
    Q_OBJECT
public:
    explicit ComboScheda(QWidget *parent = nullptr, bool modificabile = false);

    // DropDown: runs just before the list opens, to fill it.
    std::function<void()> primaDiAprire;
    // How the entries are drawn, when not as plain text (the box owns it).
    QAbstractItemDelegate *delegatoVoci = nullptr;
    void showPopup() override;

protected:
    void wheelEvent(QWheelEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;

private:
    // The list's view is set up when the list first opens, not with the
    // box: most boxes of a page are never opened, and a view with its frame
    // and scroll bars costs as much to make as the box itself.
    void preparaVista();
    bool vistaPronta_ = false;
};

} // namespace scheda::campi
