#pragma once
// The preview window of a layout: modeless, titled with the layout's
// caption, showing its page as the renderer draws it for the printer.
// One window per layout; showing it again refreshes it and brings it up.

#include "platform/report/Istanza.h"

#include <QWidget>
#include <optional>

class QComboBox;
class QScrollArea;

namespace report {

class FoglioAnteprima : public QWidget
{
    Q_OBJECT
public:
    explicit FoglioAnteprima(const IstanzaRapporto &pagina, QWidget *parent = nullptr);
    void aggiorna(const IstanzaRapporto &pagina);
    // Screen pixels per twip: 1/15 at 100 %.
    void impostaZoom(double percento);
    const IstanzaRapporto &pagina() const { return pagina_; }

protected:
    void paintEvent(QPaintEvent *) override;

private:
    IstanzaRapporto pagina_;
    double scala_ = 1.0 / 15;
};

class FinestraAnteprima : public QWidget
{
    Q_OBJECT
public:
    explicit FinestraAnteprima(const IstanzaRapporto &pagina, QWidget *parent = nullptr);
    FoglioAnteprima *foglio() const { return foglio_; }

private:
    FoglioAnteprima *foglio_;
    QScrollArea *area_;
    QComboBox *zoom_;
};

// Refresh and Show: the page as the instance holds it now, in its window.
FinestraAnteprima *mostraAnteprima(const IstanzaRapporto &pagina, QWidget *padre = nullptr);
// The open preview window of a layout, or nullptr.
FinestraAnteprima *anteprimaAperta(const Rapporto &r);

} // namespace report
