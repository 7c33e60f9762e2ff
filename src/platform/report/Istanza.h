#pragma once
// One instance of a layout: the captions its controls print with, each
// with what it holds. A value label shows its placeholder until a fill sets
// it, and keeps what was set until it is set again. Sections and controls
// are found by name without regard to case.

#include "platform/report/Rapporto.h"

#include <QHash>
#include <QString>
#include <QStringView>
#include <vector>

namespace report {

// What a caption holds, as the rule that fills it says (never read from its
// text, which may be a name or a code written like a number): a text is
// narrowed as far as the text limit and then cut; a number in one of our
// patterns (an amount, a count, a year) is narrowed as far as it must and
// never cut, for a cut number would read as another. A fixed caption and a
// placeholder are texts.
enum class Contenuto { Testo, Numero };

class IstanzaRapporto
{
public:
    explicit IstanzaRapporto(const Rapporto &rapporto);

    const Rapporto &rapporto() const { return *rapporto_; }

    // Sections(sezione).Controls(controllo).Caption = testo. A name the
    // layout lacks is a programming error (std::logic_error).
    void imposta(QStringView sezione, QStringView controllo, const QString &testo,
                 Contenuto contenuto = Contenuto::Testo);

    // What control `indice` of section `sezione` prints, and what that holds.
    const QString &didascalia(int sezione, int indice) const
    {
        return didascalie_[sezione][indice].testo;
    }
    Contenuto contenuto(int sezione, int indice) const
    {
        return didascalie_[sezione][indice].contenuto;
    }
    // The same by name (std::logic_error when missing).
    const QString &didascalia(QStringView sezione, QStringView controllo) const;

private:
    std::pair<int, int> posizione(QStringView sezione, QStringView controllo) const;

    struct Didascalia
    {
        QString testo;
        Contenuto contenuto = Contenuto::Testo;
    };

    const Rapporto *rapporto_;
    std::vector<std::vector<Didascalia>> didascalie_;
    QHash<QString, std::pair<int, int>> indice_; // "section/control" in lower case
};

} // namespace report
