#pragma once
// The words of a PDF file with their boxes, as `pdftotext -bbox` reads them
// (poppler-utils), in points from the top left corner of each page.

#include "TestiNeiMessaggi.h"

#include <QList>
#include <QRectF>
#include <QString>

namespace prova {

struct Parola
{
    QString testo;
    QRectF box; // points
};

struct PaginaPdf
{
    QSizeF formato; // points
    QList<Parola> parole;
    // The words whose centre lies in a rectangle given in twips, joined by
    // one blank each, in reading order.
    QString testoIn(const QRect &twips, int margine = 20) const;
    // The first word equal to `testo` whose centre lies in the rectangle (twips).
    const Parola *parolaIn(const QString &testo, const QRect &twips, int margine = 20) const;
    // Everything on the page, joined by blanks.
    QString tutto() const;
};

// The pages of a PDF file; empty when pdftotext is missing or fails.
QList<PaginaPdf> leggiPdf(const QString &percorso);

} // namespace prova
