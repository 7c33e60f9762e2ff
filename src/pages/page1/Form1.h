#pragma once
// Page 1 of the sheet: the list of all sheets, the legal representative and
// section A (company identity, legal form, tax numbers, turnover, capital,
// registrations). It is also where a first run asks for the first name.

#include "pages/PaginaScheda.h"
#include "platform/db/Variant.h"

#include "pages/campi/Combo.h"

#include <QList>
#include <cstdint>

namespace scheda {

// Page 1's controls: the sheet list, the legal representative and section A.
DatiPagina pagina1();

// Page 1 with the handlers of its sheet list.
class Form1 : public PaginaScheda
{
    Q_OBJECT
public:
    // The page of `dati` (pagina1()), which outlives it.
    explicit Form1(const DatiPagina &dati, QWidget *parent = nullptr);

    void Form_Load() override;
    void Posiziona() override;
    void Salva() override;

    // Switches the current sheet to entry IndiceLista of the list.
    void ComboDenominazione();
    // A pick in the list (the user's choice, by mouse or keys).
    void CMBDenominazione_Click(int indice);

    // The list from the table, by one query of key and name: one entry per
    // row in the order of RsDati, an unnamed sheet as an empty entry.
    void riempiElenco();
    // Rebuilds the list when the table no longer matches it; when the sheet
    // shown has gone, asks the save question first, then shows the last sheet.
    void aggiornaElenco();

    // The sheet list: a drop-down list that takes no typing, checked
    // against the table each time it opens.
    campi::ComboScheda *CMBDenominazione = nullptr;
    // Position of the current sheet among the rows, and its list index.
    std::int16_t IndiceProgetto = 0;

private:
    QList<ado::Variant> chiavi_; // key of each entry
};

} // namespace scheda
