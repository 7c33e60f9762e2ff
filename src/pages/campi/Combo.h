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
    void showPopup() override;

protected:
    void wheelEvent(QWheelEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;
};

} // namespace scheda::campi
