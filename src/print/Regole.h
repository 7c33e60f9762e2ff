#pragma once
// The caption rules of the printed pages, over the formatters the page
// boxes use on screen: a value prints as its box shows it. A rule turns
// the value of one column into a caption; the few captions joined from
// several columns are rules over the whole sheet, each named after what
// it prints. A rule also says what its captions hold: the rules of the
// number patterns print numbers, every other rule texts, whatever a text
// looks like.

#include "platform/db/Variant.h"
#include "platform/report/Istanza.h"
#include "print/SchedaStampa.h"

#include <QString>

namespace stampa {

// How a value label's caption comes from the sheet: from the value of the
// column its fill row names, or from the sheet as a whole.
class Regola
{
public:
    using DaValore = QString (*)(const ado::Variant &valore);
    using DaScheda = QString (*)(const SchedaStampa &scheda);

    constexpr Regola(DaValore f, report::Contenuto contenuto = report::Contenuto::Testo)
        : daValore_(f)
        , contenuto_(contenuto)
    {}
    constexpr Regola(DaScheda f)
        : daScheda_(f)
    {}

    // Whether it reads the column of its row (else it names none).
    constexpr bool leggeColonna() const { return daValore_ != nullptr; }
    // What its captions hold, for the label they fill.
    constexpr report::Contenuto contenuto() const { return contenuto_; }
    QString operator()(const SchedaStampa &s, const char *colonna) const;

private:
    DaValore daValore_ = nullptr;
    DaScheda daScheda_ = nullptr;
    report::Contenuto contenuto_ = report::Contenuto::Testo;
};

namespace regole {

// The number patterns, and their rules, whose captions are numbers.
// "#,##0": whole amounts.
QString comeImporto(const ado::Variant &v);
// "##0": years.
QString comeAnno(const ado::Variant &v);
// "#,###.0": head counts.
QString comeDecimi(const ado::Variant &v);
// "#,###.#0": amounts of page 5 and percentages of page 6.
QString comeDueDecimali(const ado::Variant &v);
inline constexpr Regola importo{comeImporto, report::Contenuto::Numero};
inline constexpr Regola anno{comeAnno, report::Contenuto::Numero};
inline constexpr Regola decimi{comeDecimi, report::Contenuto::Numero};
inline constexpr Regola dueDecimali{comeDueDecimali, report::Contenuto::Numero};

// The rules of texts: a function by itself is one.
// The value as held, turned into text (an empty text prints nothing).
QString comeMemorizzato(const ado::Variant &v);
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

} // namespace stampa
