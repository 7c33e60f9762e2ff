#pragma once
// One instance of a layout: the captions its controls print with. A value
// label shows its placeholder until a fill sets it, and keeps what was set
// until it is set again. Sections and controls are found by name without
// regard to case.

#include "platform/report/Rapporto.h"

#include <QHash>
#include <QString>
#include <QStringView>
#include <vector>

namespace report {

class IstanzaRapporto
{
public:
    explicit IstanzaRapporto(const Rapporto &rapporto);

    const Rapporto &rapporto() const { return *rapporto_; }

    // Sections(sezione).Controls(controllo).Caption = testo. A name the
    // layout lacks is a programming error (std::logic_error).
    void imposta(QStringView sezione, QStringView controllo, const QString &testo);

    // What control `indice` of section `sezione` prints.
    const QString &didascalia(int sezione, int indice) const
    {
        return didascalie_[sezione][indice];
    }
    // The same by name (std::logic_error when missing).
    const QString &didascalia(QStringView sezione, QStringView controllo) const;

private:
    std::pair<int, int> posizione(QStringView sezione, QStringView controllo) const;

    const Rapporto *rapporto_;
    std::vector<std::vector<QString>> didascalie_;
    QHash<QString, std::pair<int, int>> indice_; // "section/control" in lower case
};

} // namespace report
