#pragma once
// Building blocks of the page layouts: controls placed in twips as the page
// tables give them (inside a frame, relative to the frame), the Windows fonts
// the pages name mapped to the fonts at hand, the page colours.

#include "platform/ui/Aspetto.h"

#include <QSize>
#include <QString>

class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QWidget;

namespace maschera {
class MaskEdBox;
}

namespace scheda::campi {

using ui::carattere;

// The size a label's plain text needs on one line: the label's natural size.
QSize dimensioneNaturale(const QLabel *l);
// A label with the page's background; as wide as its text when no width is given.
QLabel *etichetta(QWidget *parent, const QString &testo, int left, int top, int width = 0,
                  int height = 0);
// A label that ends 60 twips before the box it names (where a page's row
// gives only the box's place).
QLabel *etichettaPrima(QWidget *parent, const QString &testo, int leftCasella, int top);
// A frame with its caption.
QGroupBox *cornice(QWidget *parent, const QString &titolo, int left, int top, int width, int height);
// A text box (285 twips high unless told).
QLineEdit *casella(QWidget *parent, const QString &nome, int left, int top, int width,
                   int height = 285);
// A masked date box, 1215 x 285 unless told.
maschera::MaskEdBox *casellaData(QWidget *parent, const QString &nome, int left, int top,
                                 int width = 1215, int height = 285);
// An option button; as wide as its caption when no width is given.
QRadioButton *opzione(QWidget *parent, const QString &nome, const QString &testo, int left, int top,
                      int width = 0, int height = 255);

} // namespace scheda::campi
