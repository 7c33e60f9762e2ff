#pragma once
// The look-up boxes: a combo box whose value must equal an entry of a
// reference list (a municipality, an ATECO 2002 code) and which fills the
// values that depend on it (province and postal code, description).
//
// - DropDown builds the list anew from the reference recordset, in its
//   order, and empties the box; the list shows beside each entry what tells
//   equal names apart (the province), the box takes the bare name.
// - GotFocus takes the value on entry (the stored value and its dependants)
//   and shows the stored value; it runs when the box is entered and after
//   Validare's commit.
// - Click (a pick from the list or with the arrow keys) stores the picked
//   row's value and dependants at once, without raising the flag.
// - LostFocus accepts the upper-cased text only when it equals an entry
//   exactly (no trimming, no prefix, no completion): typed, it takes the
//   first such row; after a pick, the picked one; unchanged, the row of the
//   stored dependants. Any other text beeps and brings the stored value
//   back; an empty text keeps the stored value and shows it again. Whatever
//   the text, the flag rises when the stored value or a dependant differs
//   from the value on entry: a pick is never shown without being saved.
// A wrong pick or name brings the stored value back and keeps the value on
// entry, so a pick made before it still counts at LostFocus.
// An empty list or a Null in a reference row is "not found" or an empty
// text; the empty entry of a row without its key cannot be picked.

#include "pages/Campo.h"

#include <QPointer>
#include <QStringList>
#include <cstdint>
#include <memory>

namespace ado {
class Recordset;
}

namespace scheda::campi {

class CampoSoloLettura;
class ComboScheda;

// A dependant: the sheet's variable and the reference column it takes.
struct Dipendente
{
    const char *variabile;
    const char *colonnaLista;
};

// What a look-up box takes its values from and what it fills, given on the
// box's own page row (Tabella.h), which names the box and its column. The
// boxes that show the dependants are the page's display fields of their
// variables.
struct Riferimento
{
    std::unique_ptr<ado::Recordset> *lista = nullptr; // the reference recordset, read at each use
    const char *chiave = nullptr;                     // its key column
    QList<Dipendente> dipendenti = {};                // in the order they are filled
    QString *vecchio = nullptr;                       // the value on entry
    QString *chiaveTrovata = nullptr;                 // key scratch
    std::int16_t *trovato = nullptr;                  // found scratch
    const char *dettaglio = nullptr; // reference column shown beside the key in the list
};

// A municipality of `lista` (RsComune, RsComune2, RsComuneRegione): its
// province into the variable `provincia` and its postal code into `cap`,
// the province beside each name in the list.
Riferimento comune(std::unique_ptr<ado::Recordset> &lista, const char *provincia, const char *cap,
                   QString &vecchio, QString &chiave, std::int16_t &trovato);
// An ATECO 2002 code of RsAteco: its description into the variable `descrizione`.
Riferimento codiceAteco(const char *descrizione, QString &vecchio);

class CampoRicerca : public Campo
{
    Q_OBJECT
public:
    CampoRicerca(ComboScheda *box, const QString &variabile, const Riferimento &riferimento,
                 QObject *parent);
    // The display boxes it refreshes: those of `campi` bound to its
    // dependants' variables, in the dependants' order.
    void mostraIn(const QList<Campo *> &campi);

    QWidget *controllo() const override;
    void mostra() override; // the stored value into the box's text
    // Validare: LostFocus, then GotFocus.
    void conferma() override;

    void DropDown();
    void GotFocus();
    void Click(int indice);
    void LostFocus();

    // What the open list shows beside entry i (the province), "" for none.
    QString dettaglio(int i) const { return dettagli_.value(i); }

private:
    ado::Recordset &lista() const;
    bool vuota() const;                      // the reference list has no row
    int cerca(const QString &chiave) const;  // row of the key (see above), -1
    QStringList dipendentiDellaRiga() const; // of the list's current row, Null as ""
    // Stores the key and the dependants of a row when it holds the key.
    bool prendiRiga(int riga);
    // That row (the one picked), or else the row the key is looked up in;
    // found := 1. The row taken, -1 for none.
    int prendi(int riga);
    QStringList dipendentiMemorizzati() const;
    // After wrong input: the stored value back in the box, the pick
    // forgotten, the value on entry kept.
    void ripristina();
    // The stored value or a dependant differs from the value on entry.
    bool cambiato() const;
    void aggiornaCaselle();

    QPointer<ComboScheda> box_;
    const Riferimento m_;
    QList<QPointer<CampoSoloLettura>> caselle_;
    int scelta_ = -1; // the row picked from the list, while the box shows it
    QString testoScelto_;
    QStringList vecchiDipendenti_; // the dependants on entry, beside the value on entry
    QStringList dettagli_;         // beside each entry of the open list
};

} // namespace scheda::campi
