#pragma once
// A text pop-up of the help layer: a small framed window with the text, which
// closes at the next click or key.

#include <QFrame>
#include <cstdint>

class QLabel;

namespace hh {

struct HH_POPUP;

class FinestraPopup : public QFrame
{
    Q_OBJECT
public:
    // Font "face,size[,charset[,BOLD ITALIC UNDERLINE]]"; colours &H00BBGGRR& or
    // -1 for the default; margins in pixels, -1 for the default.
    FinestraPopup(const QString &testo, const HH_POPUP &formato, QWidget *parent);

    std::int32_t handle() const { return handle_; }
    QString testo() const;

    // Top centre at a point of the screen, kept on the screen.
    void mostraConCimaIn(const QPoint &punto);

protected:
    void mousePressEvent(QMouseEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;

private:
    QLabel *etichetta_;
    std::int32_t handle_;
};

} // namespace hh
