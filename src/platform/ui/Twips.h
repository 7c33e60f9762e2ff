#pragma once
// Screen geometry of the page forms: positions and sizes in twips,
// 15 twips to the pixel (96 DPI logical), and its colours as &H00BBGGRR&.

#include <QColor>
#include <QRect>

namespace ui {

constexpr int px(int twips)
{
    return twips / 15;
}
inline QRect rettangolo(int left, int top, int width, int height)
{
    return QRect(px(left), px(top), px(width), px(height));
}

// A colour as the program's tables give it, &H00BBGGRR& (red in the low byte).
inline QColor coloreVb(unsigned int bgr)
{
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

constexpr unsigned int Giallo = 0x0000FFFF;         // the page button of the page shown
constexpr unsigned int FacciaPulsante = 0x8000000F; // system colour of a button face
constexpr unsigned int AzzurroPallido = 0x00FFC0C0; // page and MDI background
constexpr unsigned int BluMedio = 0x00FF8080;       // button panel

// A colour value as the program sets it: system colours resolve to the palette.
QColor colore(unsigned int valore);

} // namespace ui
