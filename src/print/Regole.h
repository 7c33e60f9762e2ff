#pragma once
// The caption rules of the printed pages, over the formatters the page
// boxes use on screen: a value prints as its box shows it. A rule turns
// the value of one column into a caption; the few captions joined from
// several columns are rules over the whole sheet, each named after what
// it prints.

#include "platform/db/Variant.h"
#include "print/SchedaStampa.h"

#include <QString>

namespace scheda {

// How a value label's caption comes from the sheet: from the value of the
// column its fill row names, or from the sheet as a whole.
class Regola
{
public:
    using DaValore = QString (*)(const ado::Variant &valore);
    using DaScheda = QString (*)(const SchedaStampa &scheda);

    constexpr Regola(DaValore f)
        : daValore_(f)
    {}
    constexpr Regola(DaScheda f)
        : daScheda_(f)
    {}

    // Whether it reads the column of its row (else it names none).
    constexpr bool leggeColonna() const { return daValore_ != nullptr; }
    QString operator()(const SchedaStampa &s, const char *colonna) const;

private:
    DaValore daValore_ = nullptr;
    DaScheda daScheda_ = nullptr;
};

namespace regole {

// The value as held, turned into text (an empty text prints nothing).
QString comeMemorizzato(const ado::Variant &v);
// "#,##0": whole amounts.
QString importo(const ado::Variant &v);
// "##0": years.
QString anno(const ado::Variant &v);
// "#,###.0": head counts.
QString decimi(const ado::Variant &v);
// "#,###.#0": amounts of page 5 and percentages of page 6.
QString dueDecimali(const ado::Variant &v);
// The empty date "01/01/1000" prints "__/__/____", any other dd/mm/yyyy.
QString data(const ado::Variant &v);
// A year cell of a grid: the empty text prints one blank, else as held.
QString annoInGriglia(const ado::Variant &v);
// A grey cell that shows nothing: always one blank.
QString bianco(const SchedaStampa &);

// A box of an option: "[X]" when the code (compared as a number) is the
// box's, else "[ ]".
QString casella(const ado::Variant &codice, int codiceCasella);
template<int codiceCasella>
QString casella(const ado::Variant &codice)
{
    return casella(codice, codiceCasella);
}

// The two boxes of a choice of two: code 1 ticks the first, any other
// code the second.
QString primaDiDue(const ado::Variant &codice);
QString secondaDiDue(const ado::Variant &codice);

} // namespace regole

} // namespace scheda
