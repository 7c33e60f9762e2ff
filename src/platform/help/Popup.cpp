#include "platform/help/Popup.h"
#include "platform/help/FinestraGuida.h"
#include "platform/help/HtmlHelp.h"
#include "platform/ui/Aspetto.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

namespace hh {

namespace {

QColor daColorRef(std::int32_t valore)
{
    const auto v = std::uint32_t(valore);
    return QColor(int(v & 0xFF), int((v >> 8) & 0xFF), int((v >> 16) & 0xFF));
}

} // namespace

FinestraPopup::FinestraPopup(const QString &testo, const HH_POPUP &formato, QWidget *parent)
    : QFrame(parent, Qt::Popup | Qt::FramelessWindowHint)
    , handle_(nuovoHandle())
{
    setObjectName(QStringLiteral("PopupGuida"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFrameShape(QFrame::Box);
    setLineWidth(1);

    // "face,size[,charset[,BOLD ITALIC UNDERLINE]]"; 8 points when no size is given.
    const QStringList parti = formato.pszFont.split(QLatin1Char(','));
    bool ok = false;
    double punti = parti.value(1).trimmed().toDouble(&ok);
    if (!ok || punti <= 0)
        punti = 8;
    const QString stile = parti.value(3).toUpper();
    QFont f = ui::carattere(parti.value(0), punti, stile.contains(QStringLiteral("BOLD")),
                            stile.contains(QStringLiteral("UNDERLINE")));
    f.setItalic(stile.contains(QStringLiteral("ITALIC")));

    QPalette p = palette();
    p.setColor(QPalette::Window, formato.clrBackground == -1 ? QColor(0xFF, 0xFF, 0xE1)
                                                             : daColorRef(formato.clrBackground));
    p.setColor(QPalette::WindowText,
               formato.clrForeground == -1 ? QColor(Qt::black) : daColorRef(formato.clrForeground));
    setPalette(p);
    setAutoFillBackground(true);

    auto *l = new QVBoxLayout(this);
    const RECT &m = formato.rcMargins;
    l->setContentsMargins(m.left < 0 ? 8 : m.left, m.top < 0 ? 6 : m.top, m.right < 0 ? 8 : m.right,
                          m.bottom < 0 ? 6 : m.bottom);
    etichetta_ = new QLabel(testo, this);
    etichetta_->setObjectName(QStringLiteral("TestoPopup"));
    etichetta_->setTextFormat(Qt::PlainText);
    etichetta_->setWordWrap(true);
    etichetta_->setFont(f);
    etichetta_->setMaximumWidth(360);
    l->addWidget(etichetta_);
    adjustSize();
}

QString FinestraPopup::testo() const
{
    return etichetta_->text();
}

void FinestraPopup::mostraConCimaIn(const QPoint &punto)
{
    adjustSize();
    QPoint in(punto.x() - width() / 2, punto.y());
    if (QScreen *s = QGuiApplication::screenAt(punto) ? QGuiApplication::screenAt(punto)
                                                      : QGuiApplication::primaryScreen()) {
        const QRect area = s->availableGeometry();
        in.setX(std::clamp(in.x(), area.left(), std::max(area.left(), area.right() - width())));
        in.setY(std::clamp(in.y(), area.top(), std::max(area.top(), area.bottom() - height())));
    }
    move(in);
    show();
}

void FinestraPopup::mousePressEvent(QMouseEvent *e)
{
    e->accept();
    close();
}

void FinestraPopup::keyPressEvent(QKeyEvent *e)
{
    e->accept();
    close();
}

} // namespace hh
