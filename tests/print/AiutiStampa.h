#pragma once
// What the print tests share: a print copy built from values, the place of a
// control of a printed page on the sheet, and the pages of a PDF.

#include "SchedaPiena.h"
#include "TestoPdf.h"

#include "platform/report/Disegno.h"
#include "print/Impaginazione.h"
#include "print/SchedaStampa.h"

#include <QRect>
#include <optional>

namespace prova {

// A copy as a row of Nulls loads, then the given values.
stampa::SchedaStampa copiaCon(const QList<std::pair<QString, ado::Variant>> &valori = {});
// The filled sheet of SchedaPiena.h.
inline stampa::SchedaStampa copiaPiena()
{
    return copiaCon(schedaPiena());
}

// A sheet at the limits of its boxes: every text as long as its box takes
// (50 characters for a name, 16 for a fiscal code...), capitals with
// accented ones among them, every amount of 15 digits, every date and
// choice set. What the printed page must hold without one text running
// into the next.
QList<std::pair<QString, ado::Variant>> schedaAlLimite();
inline stampa::SchedaStampa copiaAlLimite()
{
    return copiaCon(schedaAlLimite());
}

// A control of page n's layout by name (any case): its section and row.
struct Posto
{
    int sezione = -1;
    const report::Controllo *controllo = nullptr;
    QRect sulFoglio; // twips
};
std::optional<Posto> posto(int pagina, const QString &nome);
// The words a page of the PDF shows in that control.
QString testoDi(const PaginaPdf &p, int pagina, const QString &nome);

} // namespace prova
