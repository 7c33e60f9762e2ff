#pragma once
// The field handler families as controllers over real widgets: each one binds
// a control of a page form to its variable of the in-memory sheet and runs
// the family's handlers on the control's events. A page gives its controls
// as a table (Tabella.h), whose builder makes them and hands lega() one
// binding per field, with the control it made.
//
// Focus: the rules of Fuoco.h (a box commits only when the focus really
// moves to another widget of the program). A click that gives a box the
// focus keeps what its focus-in selected, and a double click in a number or
// year box selects its whole text (platform/ui/SelezioneAlClic.h).
//
// A number box with dependants renews them after every numeric commit, from
// the in-memory sheet (Ricalcolo.h); a commit whose dependants could not be
// held (a 32-bit total out of range) is wrong input: beep, the stored value
// back, nothing stored or recomputed, the flag as it was.

#include "core/ColonneDati.h"
#include "core/formati/Numeri.h"
#include "pages/Campo.h"
#include "platform/ui/SelezioneAlClic.h"

#include <QLineEdit>
#include <QList>
#include <QPointer>
#include <QStringList>
#include <span>

class QButtonGroup;
class QKeyEvent;
class QRadioButton;

namespace maschera {
class MaskEdBox;
}

namespace scheda::campi {

class EntrataRiga;
class Ricalcolo;
struct Riferimento;

enum class Famiglia {
    Testo,          // upper case on commit
    TestoMinuscolo, // lower case on commit (the e-mail box)
    Anno,           // a text box of 4 characters, no number check
    Intero,         // number boxes, by variant
    Decimi,
    DueDecimali,
    Percentuale,
    Data,        // masked edit box "##/##/####"
    Opzioni,     // option group, codes 1..n in the order of `pulsanti`
    SoloLettura, // disabled, light yellow, refreshed by its look-up
    Calcolato,   // a computed amount: light yellow, in its variant's pattern; disabled,
                 // or read-only in the focus order (`attivo`)
    Ricerca,     // a look-up combo box (Ricerca.h) over the reference list its row gives
};

// The pattern in which Posiziona shows a text box's value, where a page
// differs from the family.
enum class Formato {
    Famiglia, // text as stored, numbers in the variant's pattern
    Anno,     // "##0" (the year boxes of pages 2 and 3)
};

// One binding: a field of a page table, or an option group made of its buttons.
struct Legame
{
    QWidget *controllo = nullptr; // the control made for the field; unused for Opzioni
    Famiglia famiglia = Famiglia::Testo;
    QString colonna;                      // the variable, named as its column
    int lunghezza = 0;                    // text boxes: length limit, 0 for none (year boxes: 4)
    const Ricalcolo *ricalcolo = nullptr; // number boxes: what their commit renews
    QList<QRadioButton *> pulsanti = {};  // Opzioni: the buttons, code 1 first
    Formato formato = Formato::Famiglia;
    Qt::Alignment allineamento = {};      // text and year boxes: left unless given
    Variante variante = Variante::Intero; // Calcolato: the pattern it shows
    bool attivo = false; // Calcolato: enabled but read-only, so it keeps its place in the focus order
    const Riferimento *riferimento = nullptr; // Ricerca: its reference list
};

// Binds each row to its control, applies the family's box settings and
// returns the controllers, children of `pagina`, in the table's order (the
// order Posiziona shows them); a look-up refreshes the display fields of the
// table bound to its dependants. A control that is missing or of the wrong
// kind for its family, or a look-up without its list, is a programming
// error (std::logic_error).
QList<Campo *> lega(QWidget *pagina, std::span<const Legame> tabella);

// Shows again every control of the page bound to a column (a dependant just
// stored).
void mostraColonna(QObject *pagina, const QString &colonna);

// --- Controllers ---------------------------------------------------------------

// A box with focus-in and commit handlers: text, year, number and date boxes.
class CasellaCampo : public Campo
{
    Q_OBJECT
public:
    ~CasellaCampo() override;
    QWidget *controllo() const override;
    // Validare: the commit handler, as if the box had lost the focus.
    void conferma() override { uscita(); }

    // What the focus tracker (Fuoco.h) runs: entrata on a focus-in that
    // counts, uscita on a real focus-out. Each family answers with its
    // handlers: GotFocus and LostFocus, or a date box's enter and leave.
    virtual void entrata() = 0;
    virtual void uscita() = 0;

    QLineEdit *casella() const { return box_; }
    // The box that holds the focus as the families see it, if any.
    static CasellaCampo *attiva();

protected:
    CasellaCampo(QLineEdit *box, const QString &colonna, ui::DoppioClic doppio, QObject *parent);
    ado::Variant variabile() const;
    void imposta(const ado::Variant &v);
    // Sets the text; a stored text longer than the limit is shown whole.
    void scriviCasella(const QString &testo);
    void selezionaTutto();
    // Key events before the box sees them; true when handled.
    virtual bool tasto(QKeyEvent *) { return false; }
    bool eventFilter(QObject *o, QEvent *e) override;

    int lunghezza_ = 0;
    EntrataRiga *riga_ = nullptr; // text boxes: what enters them is cleaned

private:
    QPointer<QLineEdit> box_;
    const QObject *filtrato_; // the box, for identity only
};

class CampoTesto : public CasellaCampo
{
    Q_OBJECT
public:
    CampoTesto(QLineEdit *box, const QString &colonna, bool minuscole, int lunghezza,
               Formato formato, ui::DoppioClic doppio, QObject *parent);
    void mostra() override;
    void entrata() override { GotFocus(); }
    void uscita() override { LostFocus(); }
    void GotFocus();
    void LostFocus();

private:
    bool minuscole_;
    Formato formato_;
};

class CampoNumero : public CasellaCampo
{
    Q_OBJECT
public:
    CampoNumero(QLineEdit *box, const QString &colonna, Variante variante,
                const Ricalcolo *ricalcolo, QObject *parent);
    void mostra() override;
    void entrata() override { GotFocus(); }
    void uscita() override { LostFocus(); }
    void GotFocus();
    void LostFocus();
    // The key filter: "." (46) becomes "," (44); every other key passes.
    static int KeyPress(int keyAscii) { return keyAscii == 46 ? 44 : keyAscii; }
    Variante variante() const { return variante_; }

protected:
    bool tasto(QKeyEvent *k) override;

private:
    Variante variante_;
    Fisso fisso_;
    const Ricalcolo *ricalcolo_;
};

class CampoData : public CasellaCampo
{
    Q_OBJECT
public:
    CampoData(maschera::MaskEdBox *box, const QString &colonna, QObject *parent);
    void mostra() override;
    // The date family's enter handler (the stored date or the empty mask,
    // selected) and leave handler (the commit).
    void entrata() override;
    void uscita() override;
    maschera::MaskEdBox *maschera() const;
};

// A display-only box: disabled, its text refreshed from its variable. A
// box of several lines (the descriptions) is a plain text box.
class CampoSoloLettura : public Campo
{
    Q_OBJECT
public:
    CampoSoloLettura(QWidget *box, const QString &colonna, QObject *parent);
    QWidget *controllo() const override;
    void mostra() override { GotFocus(); }
    void conferma() override {}
    // The refresh a look-up runs after setting the variable.
    void GotFocus();

private:
    QPointer<QWidget> box_;
};

// A computed amount: light yellow, shown in its variant's pattern (1234 as
// "1.234"); only the commits of the boxes it depends on renew it. Disabled,
// or `attivo`: reached by Tab and its text selectable, but it takes no typing.
class CampoCalcolato : public Campo
{
    Q_OBJECT
public:
    CampoCalcolato(QLineEdit *box, const QString &colonna, Variante variante, bool attivo,
                   QObject *parent);
    QWidget *controllo() const override;
    void mostra() override;
    void conferma() override {}

private:
    QPointer<QLineEdit> box_;
    Variante variante_;
};

// An option group: a click only raises the flag; Salva takes the code.
// Two buttons: the first shows code 1, the second any other code, and Salva
// writes 1 or 2. More buttons: the button of the stored code shows (none for
// a code outside 1..n) and Salva keeps the code when none is selected.
class GruppoOpzioni : public Campo
{
    Q_OBJECT
public:
    GruppoOpzioni(const QList<QRadioButton *> &pulsanti, const QString &colonna, QObject *parent);
    QWidget *controllo() const override; // the first button
    void mostra() override;
    void conferma() override {}
    void primaDiSalvare() override;
    // The Click handler of the button of code k (1..n).
    void Click(int codice);
    QRadioButton *pulsante(int codice) const { return pulsanti_.value(codice - 1); }
    int codiceScelto() const; // 0 when none is selected

private:
    void seleziona(int codice);
    void fermataTab();
    QList<QRadioButton *> pulsanti_;
    QButtonGroup *gruppo_;
};

} // namespace scheda::campi
