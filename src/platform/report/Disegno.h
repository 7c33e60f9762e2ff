#pragma once
// The one renderer of the report layouts, for the printer, the PDF file and
// the preview window alike: one page of an instance, drawn on a painter
// whose units are twips with the origin at the sheet's top left corner.
// Captions stand on one line at the top of their label and keep their
// blanks; tabs stop every eight average characters (the width of an "x").
// A caption wider than its label is narrowed to fit with a blank to spare
// (a text down to 60 %; a number, as its fill marked it, as far as it must,
// for a cut number would read as another); what is still wider loses its
// end, whole characters at a time, so that nothing is drawn, and nothing is
// written into a PDF's text, outside its label. Inside a border a caption
// keeps 30 twips clear of the lines. Lines come last, over the cells.

#include "platform/report/Istanza.h"

#include <QFont>
#include <QRect>
#include <vector>

class QPainter;

namespace report {

void disegnaPagina(QPainter &p, const IstanzaRapporto &istanza);

// Where each section starts, in twips from the top of the sheet: the page
// footer stands at the foot of the printable area, the others one under
// the other from the top margin.
std::vector<int> cimeSezioni(const Rapporto &r);
// A control's rectangle on the sheet.
QRect rettangoloSulFoglio(const Rapporto &r, int sezione, const Controllo &c);

// A layout font as the painter in twips takes it: the Windows font mapped
// as on screen, sized at 20 twips to the point.
QFont carattereTwips(const Carattere &c);

// A caption as it prints in its label: what is drawn (the caption whole, or
// cut) and its width in per cent of its font's (100 when it fits as it is).
struct Stampata
{
    QString testo;
    int larghezza = 100;
};
// Control `indice` of section `sezione` of an instance, its group included.
Stampata comeStampata(const IstanzaRapporto &istanza, int sezione, int indice);
// A text in a control of no group.
Stampata comeStampata(const Controllo &c, const QString &testo);

// The sheet in twips, and its size for a paint device.
QRect foglio(const Rapporto &r);

} // namespace report
