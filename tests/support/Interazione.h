#pragma once
// What a user does in a test: enter a box, type, Tab out, pick a list entry,
// click; the questions the scripted dialogs were asked; and a fixture with
// the whole program started on a temporary folder, for page and shell tests.

#include "ProgrammaProva.h"

#include "core/Globali.h"
#include "pages/PaginaScheda.h"
#include "platform/db/Variant.h"
#include "shell/MostraPagina.h"

#include <QApplication>
#include <QLineEdit>
#include <QMap>
#include <QStringList>
#include <functional>
#include <gtest/gtest.h>
#include <span>

class QAbstractButton;
class QComboBox;

namespace maschera {
class MaskEdBox;
}

namespace prova {

// The widget with the keyboard focus.
inline QWidget *fuoco()
{
    return QApplication::focusWidget();
}

// The box takes the focus as by Tab. When it has it already, the focus goes
// to `altrove` first (if given), so that the box sees a real entry again.
void entra(QWidget *box, QWidget *altrove = nullptr);
// Keys typed into the focused widget.
void digita(const QString &testo);
// Tab pressed in the focused widget.
void tab();
// Enters the box, clears it and types: the focus stays in the box, so the
// commit comes with the next focus change (a click, a menu command).
void scriviSenzaUscire(QWidget *box, const QString &testo, QWidget *altrove = nullptr);
// The names of the focused widget and of those Tab moves to, n in all.
QStringList percorsoTab(qsizetype n);
// As scriviSenzaUscire, then Tab out: the box commits.
void scrivi(QWidget *box, const QString &testo, QWidget *altrove = nullptr);
// Opens a drop-down list as the user does: a click, which takes the focus
// (on the arrow when the box can be typed into).
void apriElenco(QComboBox *lista);
// Picks entry `voce` of the open list with the keys; Enter takes it.
void scegliAperto(QComboBox *lista, int voce);
// Both: opens the list and picks entry `voce`.
void scegli(QComboBox *lista, int voce);
// A left click, which also gives a button the focus.
void clic(QAbstractButton *pulsante);
// A click as the window system delivers it, through the widget's window:
// the right button also opens the widget's context menu, which a click
// sent to the widget itself does not.
void clicNellaFinestra(QWidget *w, Qt::MouseButton pulsante, QPoint dove);
// Where a click falls in a box: on place k of its text (of a date box's
// mask), or to the right of a date box's mask (the box is wider than it).
// Caret and selection stay as they were.
QPoint alPosto(QLineEdit *box, int k);
QPoint aDestraDellaMaschera(maschera::MaskEdBox *box);

// Where a page's form puts a control: its name and its place in twips,
// inside its frame.
struct PostoControllo
{
    const char *nome;
    int left, top, width, height;
};
// Each control stands in `pagina` where its form puts it; a missing one is
// a fatal failure.
void controlliAlPosto(const QWidget *pagina, std::span<const PostoControllo> posti);

// The colour a button shows (its BackColor).
unsigned int coloreDi(const QAbstractButton *pulsante);
// Page button N of the main window yellow, the other five button face.
void soloPaginaGialla(scheda::MDIForm1 &finestra, int n);

// How many boxes with this title were shown.
int domande(const dlg::DialoghiScriptati &dialoghi, const QString &titolo);
// How many times the save question was asked.
inline int domandeSalva(const dlg::DialoghiScriptati &dialoghi)
{
    return domande(dialoghi, scheda::TitoloSalva);
}

// The current sheet as the program holds it (RecordScheda): a column's
// value; the same as a text, "<Null>" for Null; a column set as a field
// handler sets it, the flag left as it is.
ado::Variant valore(const QString &colonna);
QString testo(const QString &colonna);
void imposta(const QString &colonna, const ado::Variant &v);

// A child of `dove` by name; a missing one fails the test.
template<typename W = QLineEdit>
W *figlio(const QWidget *dove, const QString &nome)
{
    W *x = dove ? dove->findChild<W *>(nome) : nullptr;
    EXPECT_NE(x, nullptr) << qPrintable(nome);
    return x;
}

// The whole program started on a temporary folder, its main window active.
class ConProgramma : public ::testing::Test
{
protected:
    // Starts on `schede` sheets named "SCHEDA 1".."SCHEDA n" (none: the
    // first run asks for a name), on the last one.
    void avvia(int schede = 0);
    // Starts after running these statements on the main file.
    void avvia(const QStringList &righe);
    // Brings the main window to the front, as the user has it.
    void attiva();
    // Closes everything and starts again on the same folder.
    void riavvia();
    // Page N through its button of the main window.
    void apriPagina(int n);
    // Starts on one sheet named "COOP" whose columns take `valori` (an SQL
    // SET list; none when empty), then shows page N.
    void avviaSuPagina(int n, const QString &valori = {});
    // An edit of the page shown, as a field handler makes it.
    static void modifica(const QString &colonna, const ado::Variant &valore);

    // A box of the page shown, the keys typed into it without leaving it,
    // and what its column holds once Validare has committed them.
    struct Pendente
    {
        const char *box;
        const char *tasti;
        const char *colonna;
        ado::Variant atteso;
    };
    // For each case: the keys typed, Validare of the page shown run (as a
    // menu command does), the box named as the active control, its value
    // committed, the flag raised and the focus left in it; then, the flag
    // cleared as by a save, the box left by Tab commits nothing more.
    void validaOgni(std::initializer_list<Pendente> casi);
    // Keys typed into a number box over a stored value, and what the commit
    // leaves: the keys taken or refused with a beep, the page marked or not,
    // the value held (compared exactly), the text shown once the box is left
    // and, when given, the plain text on entering it again.
    struct NumeroScritto
    {
        const char *tasti;
        double prima;
        bool valido;
        bool modificato;
        double dopo;
        const char *mostrato;
        const char *rientrando = nullptr;
    };
    // One case in box `box` of column `colonna` of the page shown: while the
    // focus waits in `attesa`, a box with no effect, the column takes
    // `prima` and `prepara` sets what else the case needs; the page shows
    // it (Posiziona), flag and beeps cleared, the keys are typed and the box
    // is left by Tab; then what the case says is checked.
    void scriviNumero(const QString &box, const QString &colonna, const QString &attesa,
                      const NumeroScritto &c, const std::function<void()> &prepara = {});
    // "&Esci" answered Yes: one save question, and the program ends well.
    void esciSalvando();
    // Tab from the focused control, the first of `ordine`, stops at each of
    // the others in turn, and every box left as it was neither beeps nor
    // marks the page.
    void seguiOrdineTab(const QStringList &ordine);

    // A control of the page shown, by name.
    template<typename W = QLineEdit>
    W *campo(const QString &nome) const
    {
        return figlio<W>(paginaMostrata(), nome);
    }
    // A column of row `chiave` as the file holds it.
    ado::Variant salvato(qint64 chiave, const char *colonna) const;
    // The round trip of page `pagina`: each of its columns, taken from the
    // column table, is checked by the entry of `verifiche` that it names. A
    // column with no entry fails, and so does an entry that names none of
    // the page's columns: a field added to the page cannot be left out.
    static void verificaColonnePagina(int pagina,
                                      const QMap<QString, std::function<void()>> &verifiche);
    int domande(const QString &titolo) const { return prova::domande(p.dialoghi, titolo); }
    int domandeSalva() const { return prova::domandeSalva(p.dialoghi); }

    ProgrammaProva p;

private:
    static const QWidget *paginaMostrata();
};

// The fixture of page N's tests: the whole program started on a temporary
// folder, page N opened on one sheet, and page N's form.
template<int N, typename F = scheda::PaginaScheda>
class ConPagina : public ConProgramma
{
protected:
    // Starts on one sheet "COOP" whose columns take `valori` (an SQL SET
    // list; none when empty), then shows page N.
    void apri(const QString &valori = {}) { avviaSuPagina(N, valori); }
    // Page N's form, none while it is not loaded.
    static F *f() { return qobject_cast<F *>(scheda::Form(N)); }
};

} // namespace prova
