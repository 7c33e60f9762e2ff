// The field families on real widgets: keys typed with QTest, the focus moved
// for real (Tab, clicks, menus, dialogs, another window), beeps counted by
// the scripted dialogs.

#include "Interazione.h"

#include "core/Globali.h"
#include "core/RecordScheda.h"
#include "core/formati/Date.h"
#include "pages/campi/Campi.h"
#include "pages/campi/Combo.h"
#include "pages/campi/Disposizione.h"
#include "pages/campi/Ricalcolo.h"
#include "pages/campi/Tabella.h"
#include "platform/dialoghi/DialoghiScriptati.h"
#include "platform/maschera/MaskEdBox.h"

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QFontMetrics>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>
#include <algorithm>
#include <gtest/gtest.h>
#include <memory>

using namespace scheda;
using namespace scheda::campi;
using ado::Variant;
using prova::aDestraDellaMaschera;
using prova::alPosto;
using prova::digita;
using prova::fuoco;
using prova::imposta;
using prova::tab;
using prova::valore;

namespace {

class Famiglie : public ::testing::Test
{
protected:
    void SetUp() override
    {
        RecordScheda().azzera();
        PaginaModificata = 0;
        Caricamento = 0;
        ValoreNumero = 0;
        ValoreData = Variant();
        TestoMaiuscolo.clear();
        ValoreOpzione = 0;

        finestra = std::make_unique<QWidget>();
        finestra->setObjectName(QStringLiteral("Banco"));
        finestra->resize(700, 420);
        QWidget *f = finestra.get();
        int riga = 0;
        auto prossima = [&riga] { return 120 + 330 * riga++; };
        casella(f, QStringLiteral("TXTCognome"), 120, prossima(), 2295);
        casella(f, QStringLiteral("TXTEmailRef"), 120, prossima(), 2295);
        casella(f, QStringLiteral("TXTEserUltimo"), 120, prossima(), 855);
        casella(f, QStringLiteral("TXTFattUlt"), 120, prossima(), 1335);
        casella(f, QStringLiteral("TXTDipA1"), 120, prossima(), 1335);
        casella(f, QStringLiteral("TXTSpeA1"), 120, prossima(), 1335);
        casella(f, QStringLiteral("TXTPercPromo"), 120, prossima(), 1335);
        casellaData(f, QStringLiteral("TXTNato"), 120, prossima());
        casella(f, QStringLiteral("TXTProvSede"), 120, prossima(), 600);
        casella(f, QStringLiteral("TXTA2"), 120, prossima(), 1335);
        riga = 0;
        opzione(f, QStringLiteral("OPTGiuri1"), QStringLiteral("A) Cooperativa"), 5000, prossima());
        opzione(f, QStringLiteral("OPTGiuri2"), QStringLiteral("B) Consorzio"), 5000, prossima());
        for (int k = 1; k <= 4; ++k)
            opzione(f, QStringLiteral("OPTPromo%1").arg(k), QStringLiteral("Codice %1").arg(k),
                    5000, prossima());
        pulsante = new QToolButton(f);
        pulsante->setObjectName(QStringLiteral("CMDSalva"));
        pulsante->setFocusPolicy(Qt::StrongFocus); // as the main window's buttons
        pulsante->setGeometry(400, 300, 80, 30);

        ricalcolo.formula({.risultato = QStringLiteral("a25"),
                           .termini = {{QStringLiteral("a2")}, {QStringLiteral("a2")}}});
        ricalcolo.dipendenti(QStringLiteral("a2"), {QStringLiteral("a25")});
        const Legame tabella[] = {
            {.controllo = w("TXTCognome"),
             .famiglia = Famiglia::Testo,
             .colonna = QStringLiteral("cognome"),
             .lunghezza = 50},
            {.controllo = w("TXTEmailRef"),
             .famiglia = Famiglia::TestoMinuscolo,
             .colonna = QStringLiteral("email_ref"),
             .lunghezza = 50},
            {.controllo = w("TXTEserUltimo"),
             .famiglia = Famiglia::Anno,
             .colonna = QStringLiteral("eser_ultimo"),
             .allineamento = Qt::AlignRight},
            {.controllo = w("TXTFattUlt"),
             .famiglia = Famiglia::Intero,
             .colonna = QStringLiteral("fatt_ultimo")},
            {.controllo = w("TXTDipA1"),
             .famiglia = Famiglia::Decimi,
             .colonna = QStringLiteral("dipa1")},
            {.controllo = w("TXTSpeA1"),
             .famiglia = Famiglia::DueDecimali,
             .colonna = QStringLiteral("spea1")},
            {.controllo = w("TXTPercPromo"),
             .famiglia = Famiglia::Percentuale,
             .colonna = QStringLiteral("percpromo")},
            {.controllo = w<maschera::MaskEdBox>("TXTNato"),
             .famiglia = Famiglia::Data,
             .colonna = QStringLiteral("nato")},
            {.controllo = w("TXTProvSede"),
             .famiglia = Famiglia::SoloLettura,
             .colonna = QStringLiteral("prov_sede")},
            // a25 is a 32-bit variable: a2 * 2 beyond it is wrong input in a2.
            {.controllo = w("TXTA2"),
             .famiglia = Famiglia::Intero,
             .colonna = QStringLiteral("a2"),
             .ricalcolo = &ricalcolo},
            {.famiglia = Famiglia::Opzioni,
             .colonna = QStringLiteral("natura_giuridica"),
             .pulsanti = {w<QRadioButton>("OPTGiuri1"), w<QRadioButton>("OPTGiuri2")}},
            {.famiglia = Famiglia::Opzioni,
             .colonna = QStringLiteral("nat_giuri_promo"),
             .pulsanti = {w<QRadioButton>("OPTPromo1"), w<QRadioButton>("OPTPromo2"),
                          w<QRadioButton>("OPTPromo3"), w<QRadioButton>("OPTPromo4")}},
        };
        campi = lega(f, tabella);
        imposta("natura_giuridica", Variant(1));
        imposta("nat_giuri_promo", Variant(1));
        imposta("nato", Variant("01/01/1000"));
        // As Carica leaves them: numbers 0, texts empty.
        for (const char *n : {"fatt_ultimo", "dipa1", "spea1", "percpromo", "a2", "a25"})
            imposta(n, Variant(0));
        for (const char *t : {"cognome", "email_ref", "eser_ultimo", "prov_sede"})
            imposta(t, Variant(""));
        mostraTutto();
        finestra->show();
        finestra->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(finestra.get()));
    }

    void TearDown() override
    {
        finestra.reset();
        RecordScheda().azzera();
        PaginaModificata = 0;
    }

    void mostraTutto()
    {
        Caricamento = 1;
        for (Campo *c : campi)
            c->mostra();
        Caricamento = 0;
    }

    template<typename W = QLineEdit>
    W *w(const char *nome) const
    {
        return finestra->findChild<W *>(QString::fromLatin1(nome));
    }
    Campo *campo(const char *nome) const
    {
        for (Campo *c : campi)
            if (c->controllo()->objectName() == QLatin1String(nome))
                return c;
        return nullptr;
    }
    // Entering a box that has the focus already goes through the button first.
    void entra(QWidget *box) { prova::entra(box, pulsante); }
    void scrivi(QWidget *box, const QString &testo) { prova::scrivi(box, testo, pulsante); }

    // Keys typed into a number box and left by Tab: what it stores and shows.
    struct Numero
    {
        const char *box;
        const char *colonna;
        const char *tasti;
        double atteso; // exact, no binary residue
        const char *mostrato;
    };
    void scriviNumeri(std::initializer_list<Numero> casi)
    {
        for (const Numero &c : casi) {
            SCOPED_TRACE(c.tasti);
            scrivi(w(c.box), QString::fromLatin1(c.tasti));
            EXPECT_EQ(valore(c.colonna).toDouble(), c.atteso);
            EXPECT_EQ(w(c.box)->text(), QString::fromLatin1(c.mostrato));
        }
    }

    std::unique_ptr<QWidget> finestra;
    QToolButton *pulsante = nullptr;
    QList<Campo *> campi;
    dlg::DialoghiScriptati dialoghi;
    Ricalcolo ricalcolo;
};

// --- Text family ---------------------------------------------------------------

TEST_F(Famiglie, TextIsStoredAndShownUpperCaseAndRaisesTheFlag)
{
    entra(w("TXTCognome"));
    digita(QStringLiteral("rossi"));
    tab();
    EXPECT_EQ(valore("cognome"), Variant("ROSSI"));
    EXPECT_EQ(w("TXTCognome")->text(), QStringLiteral("ROSSI"));
    EXPECT_EQ(PaginaModificata, 1);
    EXPECT_EQ(fuoco(), w("TXTEmailRef"));
    EXPECT_TRUE(TestoMaiuscolo.isEmpty()); // cleared after storing
}

TEST_F(Famiglie, TextRetypedInAnotherCaseOrLeftAloneRaisesNoFlag)
{
    imposta("cognome", Variant("ROSSI"));
    mostraTutto();
    entra(w("TXTCognome"));
    EXPECT_EQ(w("TXTCognome")->selectedText(), QStringLiteral("ROSSI")); // typing replaces it
    digita(QStringLiteral("Rossi"));
    tab();
    EXPECT_EQ(PaginaModificata, 0);
    EXPECT_EQ(w("TXTCognome")->text(), QStringLiteral("ROSSI"));
    EXPECT_EQ(TestoMaiuscolo, QStringLiteral("ROSSI"));

    entra(w("TXTCognome"));
    tab();
    EXPECT_EQ(PaginaModificata, 0);

    scrivi(w("TXTCognome"), QString());
    EXPECT_EQ(valore("cognome"), Variant(""));
    EXPECT_EQ(PaginaModificata, 1);
}

TEST_F(Famiglie, TextStopsAtItsLimitAndAStoredLongerTextShowsWhole)
{
    scrivi(w("TXTCognome"), QString(55, QLatin1Char('x')));
    EXPECT_EQ(valore("cognome").text(), QString(50, QLatin1Char('X')));
    const QString lungo(60, QLatin1Char('Y'));
    imposta("cognome", Variant(lungo));
    PaginaModificata = 0;
    mostraTutto();
    EXPECT_EQ(w("TXTCognome")->text(), lungo);
    entra(w("TXTCognome"));
    tab();
    EXPECT_EQ(valore("cognome").text(), lungo);
    EXPECT_EQ(PaginaModificata, 0);
}

// How a text comes into a box.
enum class Modo {
    Tasti,     // typed key by key
    Incolla,   // pasted from the clipboard with Ctrl+V
    Inserisci, // put in at the caret, as a drop does
    UnTasto,   // one key event carrying it all, as an input method sends it
    Trascina,  // dropped on the box
    Menu,      // pasted with the box's own menu
};

// One key event carrying `testo`, as an input method or a key of another alphabet sends it.
void unTasto(QLineEdit *box, const QString &testo)
{
    QKeyEvent giu(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, testo);
    QKeyEvent su(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, testo);
    QApplication::sendEvent(box, &giu);
    QApplication::sendEvent(box, &su);
}

void entrata(QLineEdit *box, Modo modo, const QString &testo)
{
    switch (modo) {
    case Modo::Tasti:
        // A key for each character: the letters of the test's keyboard, the others sent as text.
        for (const uint c : testo.toUcs4()) {
            if (c < 0x80)
                QTest::keyClick(box, char(c));
            else
                unTasto(box, QString::fromUcs4(reinterpret_cast<const char32_t *>(&c), 1));
        }
        return;
    case Modo::Incolla:
        QApplication::clipboard()->setText(testo);
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        return;
    case Modo::Inserisci:
        box->insert(testo);
        return;
    case Modo::UnTasto:
        unTasto(box, testo);
        return;
    case Modo::Trascina: {
        QMimeData dati;
        dati.setText(testo);
        const QPoint dove(box->width() - 2, box->height() / 2);
        QDragEnterEvent sopra(dove, Qt::CopyAction, &dati, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(box, &sopra); // a box takes a drop only after a drag has entered it
        QDropEvent lascia(dove, Qt::CopyAction, &dati, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(box, &lascia);
        return;
    }
    case Modo::Menu: {
        QApplication::clipboard()->setText(testo);
        QContextMenuEvent menu(QContextMenuEvent::Mouse, QPoint(2, 2),
                               box->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(box, &menu);
        QMenu *aperto = box->findChild<QMenu *>();
        ASSERT_NE(aperto, nullptr);
        // The menu's "Paste", known by its key.
        const QString tasto = QLatin1Char('\t')
                              + QKeySequence(QKeySequence::Paste).toString(QKeySequence::NativeText);
        const QList<QAction *> voci = aperto->actions();
        const auto incolla = std::find_if(voci.begin(), voci.end(),
                                          [&](QAction *a) { return a->text().endsWith(tasto); });
        ASSERT_NE(incolla, voci.end());
        (*incolla)->trigger();
        delete aperto;
        return;
    }
    }
}

TEST_F(Famiglie, WhatEntersATextBoxIsOneLineAndNeverHalfACharacter)
{
    const QString sorriso = QString::fromUtf8("\U0001F600"); // one character, two UTF-16 units
    const QString a48(48, QLatin1Char('a')), a49(49, QLatin1Char('a'));
    const QString A48 = a48.toUpper(), A49 = a49.toUpper(), B49(49, QLatin1Char('B'));
    const QString a46(46, QLatin1Char('a')), A46 = a46.toUpper();
    const QString acuto = QStringLiteral("e\u0301"), E = QStringLiteral("\u00C9"); // é decomposed
    const QString italia = QString::fromUtf8("\U0001F1EE\U0001F1F9");
    const QString famiglia = QString::fromUtf8("\U0001F468\u200D\U0001F469\u200D\U0001F467");
    const struct
    {
        const char *box;
        const char *colonna;
        QString prima; // typed first
        Modo modo;
        QString entrato;
        QString atteso;     // stored and shown
        QString mostrato{}; // shown by the program after the entry, the box still in focus
    } casi[] = {
        // The limit of 50 never splits a character.
        {"TXTCognome", "cognome", QString(), Modo::Incolla, a49 + sorriso, A49},
        {"TXTCognome", "cognome", QString(), Modo::Inserisci, a49 + sorriso, A49},
        {"TXTCognome", "cognome", a49, Modo::UnTasto, sorriso, A49},
        {"TXTCognome", "cognome", a48, Modo::UnTasto, sorriso, A48 + sorriso},
        {"TXTCognome", "cognome", a48, Modo::Incolla, sorriso + QStringLiteral("xyz"),
         A48 + sorriso},
        {"TXTEserUltimo", "eser_ultimo", QString(), Modo::Incolla, QStringLiteral("200") + sorriso,
         QStringLiteral("200")},
        {"TXTEserUltimo", "eser_ultimo", QString(), Modo::Incolla,
         QStringLiteral("2") + sorriso + QStringLiteral("03"),
         QStringLiteral("2") + sorriso + QStringLiteral("0")},
        // TAB, CR and LF become blanks; the other control characters go.
        {"TXTCognome", "cognome", QString(), Modo::Incolla, QStringLiteral("rossi\tmario"),
         QStringLiteral("ROSSI MARIO")},
        {"TXTCognome", "cognome", QStringLiteral("via "), Modo::Incolla,
         QStringLiteral("roma\r\n12"), QStringLiteral("VIA ROMA  12")},
        {"TXTCognome", "cognome", QString(), Modo::Inserisci, QStringLiteral("a\ab\x1b[0mc\x7f"),
         QStringLiteral("AB[0MC")},
        {"TXTCognome", "cognome", QString(), Modo::UnTasto, QStringLiteral("x\ty\n"),
         QStringLiteral("X Y ")},
        {"TXTCognome", "cognome", QString(), Modo::Tasti, QStringLiteral("bianchi"),
         QStringLiteral("BIANCHI")},
        {"TXTEmailRef", "email_ref", QString(), Modo::Incolla, QStringLiteral("Mario\t@X.IT\r\n"),
         QStringLiteral("mario @x.it  ")},
        {"TXTEserUltimo", "eser_ultimo", QString(), Modo::Incolla,
         QStringLiteral("\x07\x07\x07\x07"), QString()},
        // Composed as it comes in, and cut between whole characters as the user sees them.
        {"TXTCognome", "cognome", QString(), Modo::Incolla, a49 + acuto, A49 + E},
        {"TXTCognome", "cognome", QString(), Modo::Trascina, a49 + acuto, A49 + E},
        {"TXTCognome", "cognome", QString(), Modo::Menu, a49 + acuto, A49 + E},
        {"TXTCognome", "cognome", a49, Modo::UnTasto, acuto, A49 + E},
        {"TXTCognome", "cognome", a48, Modo::Tasti, acuto, A48 + E},
        {"TXTCognome", "cognome", a49, Modo::Incolla, acuto + acuto, A49 + E},
        // A paste into the full box takes nothing, and leaves no note behind
        // for the text the program shows next.
        {"TXTCognome", "cognome", a49 + QStringLiteral("e"), Modo::Incolla,
         QStringLiteral("\u0301x"), B49 + QStringLiteral("E"), B49 + QStringLiteral("E")},
        {"TXTCognome", "cognome", QString(), Modo::Incolla, a48 + italia, A48},
        {"TXTCognome", "cognome", QString(), Modo::Menu, a48 + italia, A48},
        {"TXTCognome", "cognome", a46, Modo::Incolla, italia, A46 + italia},
        {"TXTCognome", "cognome", QString(), Modo::Incolla, a46 + famiglia, A46},
        {"TXTCognome", "cognome", a46, Modo::UnTasto, famiglia, A46},
        {"TXTCognome", "cognome", QString(), Modo::Trascina, a46 + famiglia, A46},
        {"TXTEserUltimo", "eser_ultimo", QString(), Modo::Incolla, QStringLiteral("200e\u0301"),
         QStringLiteral("200") + E},
        // No invisible character that reorders what follows it, or is none.
        {"TXTCognome", "cognome", QString(), Modo::Incolla, QStringLiteral("rossi \u202Emario"),
         QStringLiteral("ROSSI MARIO")},
        {"TXTCognome", "cognome", QString(), Modo::Tasti, QStringLiteral("a\u202Eb\u202Cc"),
         QStringLiteral("ABC")},
        {"TXTCognome", "cognome", QString(), Modo::Inserisci,
         QStringLiteral("\u2066x\u2069\u202A\u202B\u202D\u2067\u2068y\uFFFE\uFFFF"),
         QStringLiteral("XY")},
        {"TXTEmailRef", "email_ref", QString(), Modo::Menu,
         QStringLiteral("\u202Dmario@x.it\u202C"), QStringLiteral("mario@x.it")},
        {"TXTCognome", "cognome", a49, Modo::UnTasto, QStringLiteral("\u202E\u2066x"),
         A49 + QStringLiteral("X")},
    };
    for (const auto &c : casi) {
        SCOPED_TRACE(std::string(c.box) + ": " + c.entrato.toHtmlEscaped().toStdString());
        imposta(c.colonna, Variant(""));
        PaginaModificata = 0;
        mostraTutto();
        QLineEdit *box = w(c.box);
        entra(box);
        QTest::keyClicks(box, c.prima);
        entrata(box, c.modo, c.entrato);
        if (!c.mostrato.isEmpty()) {
            imposta(c.colonna, Variant(c.mostrato));
            mostraTutto();
            EXPECT_EQ(box->text(), c.mostrato);
        }
        tab();
        ASSERT_NE(fuoco(), box);
        EXPECT_EQ(valore(c.colonna), Variant(c.atteso));
        EXPECT_EQ(box->text(), c.atteso);
        EXPECT_EQ(PaginaModificata, c.atteso.isEmpty() || !c.mostrato.isEmpty() ? 0 : 1);
    }
    EXPECT_EQ(dialoghi.beep, 0);
}

TEST_F(Famiglie, AStoredTextWithControlCharactersIsShownAndKeptAsItIs)
{
    // Control characters, an override, an isolate, noncharacters, a letter and its accent
    // apart: what the file holds is no entry.
    for (const QString &memorizzato :
         {QStringLiteral("AN\t123\a"), QStringLiteral("\u202EROSSI\u202C \u2066X\u2069"),
          QStringLiteral("E\u0301\uFFFE\uFFFF")}) {
        SCOPED_TRACE(memorizzato.toHtmlEscaped().toStdString());
        imposta("cognome", Variant(memorizzato));
        PaginaModificata = 0;
        mostraTutto();
        QLineEdit *box = w("TXTCognome");
        EXPECT_EQ(box->text(), memorizzato);
        entra(box);
        EXPECT_EQ(box->text(), memorizzato);
        tab();
        EXPECT_EQ(valore("cognome"), Variant(memorizzato));
        EXPECT_EQ(PaginaModificata, 0);

        // An edit of it cleans only what comes in.
        entra(box);
        QTest::keyClick(box, Qt::Key_End);
        entrata(box, Modo::Incolla, QStringLiteral("\tb\x1b\u202E"));
        tab();
        EXPECT_EQ(valore("cognome"), Variant(memorizzato + QStringLiteral(" B")));
        EXPECT_EQ(PaginaModificata, 1);
    }
}

TEST_F(Famiglie, TheEmailBoxStoresLowerCase)
{
    scrivi(w("TXTEmailRef"), QStringLiteral("Mario.Rossi@Example.IT"));
    EXPECT_EQ(valore("email_ref"), Variant("mario.rossi@example.it"));
    EXPECT_EQ(w("TXTEmailRef")->text(), QStringLiteral("mario.rossi@example.it"));
    EXPECT_EQ(PaginaModificata, 1);
}

TEST_F(Famiglie, AYearBoxTakesLettersUpperCaseWithoutBeep)
{
    EXPECT_EQ(w("TXTEserUltimo")->maxLength(), 4);
    EXPECT_TRUE(w("TXTEserUltimo")->alignment() & Qt::AlignRight);
    scrivi(w("TXTEserUltimo"), QStringLiteral("ab123"));
    EXPECT_EQ(valore("eser_ultimo"), Variant("AB12"));
    EXPECT_EQ(dialoghi.beep, 0);
}

// --- Number family -------------------------------------------------------------

TEST_F(Famiglie, ANumberShowsItsPatternAndPlainSelectedOnFocus)
{
    imposta("fatt_ultimo", Variant(1500.0));
    mostraTutto();
    EXPECT_EQ(w("TXTFattUlt")->text(), QStringLiteral("1.500"));
    EXPECT_TRUE(w("TXTFattUlt")->alignment() & Qt::AlignRight);
    entra(w("TXTFattUlt"));
    EXPECT_EQ(w("TXTFattUlt")->text(), QStringLiteral("1500"));
    EXPECT_EQ(w("TXTFattUlt")->selectedText(), QStringLiteral("1500"));
}

// Pixels of the selection's colour in the box as it is painted now.
int pixelSelezionati(QLineEdit *box)
{
    const QColor evidenza = QApplication::palette(box).color(QPalette::Active, QPalette::Highlight);
    const QImage immagine = box->grab().toImage();
    int n = 0;
    for (int y = 0; y < immagine.height(); ++y)
        for (int x = 0; x < immagine.width(); ++x)
            n += immagine.pixelColor(x, y) == evidenza;
    return n;
}

TEST_F(Famiglie, AStoredValueComingBackSelectedShowsNoSelectionWhileTheFocusIsElsewhere)
{
    imposta("fatt_ultimo", Variant(1500.0));
    imposta("nato", Variant(QDate(2004, 3, 5)));
    mostraTutto();
    const struct
    {
        const char *box;
        const char *tasti;
        const char *tornato;
    } casi[] = {
        {"TXTFattUlt", "abc", "1500"},
        {"TXTNato", "3102", "05/03/2004"},
    };
    for (const auto &c : casi) {
        SCOPED_TRACE(c.box);
        QLineEdit *box = w(c.box);
        entra(box);
        EXPECT_GT(pixelSelezionati(box), 0); // the whole text, selected for typing
        digita(QString::fromLatin1(c.tasti));
        tab();
        ASSERT_NE(fuoco(), box);
        // Wrong input: the stored value back, selected for the next entry,
        // but no box without the focus looks as if it had it.
        EXPECT_EQ(box->selectedText(), QString::fromLatin1(c.tornato));
        EXPECT_EQ(pixelSelezionati(box), 0);
        // It looks exactly as the same text with nothing selected: no
        // selection and no caret.
        const QImage comeAppare = box->grab().toImage();
        box->deselect();
        EXPECT_EQ(comeAppare, box->grab().toImage());
        entra(box);
        EXPECT_GT(pixelSelezionati(box), 0);
    }
}

TEST_F(Famiglie, TheFullStopKeyTypesTheDecimalComma)
{
    entra(w("TXTFattUlt"));
    digita(QStringLiteral("1.5"));
    EXPECT_EQ(w("TXTFattUlt")->text(), QStringLiteral("1,5"));
    tab();
    EXPECT_EQ(ValoreNumero, 1.5);
    EXPECT_EQ(valore("fatt_ultimo").toDouble(), 2.0);
    EXPECT_EQ(w("TXTFattUlt")->text(), QStringLiteral("2"));
    EXPECT_EQ(PaginaModificata, 1);
}

TEST_F(Famiglie, WrongInputBeepsAndBringsBackTheStoredValue)
{
    imposta("fatt_ultimo", Variant(1500.0));
    mostraTutto();
    struct
    {
        const char *testo;
        bool incolla; // a paste, not keys: no full stop becomes a comma
    } casi[] = {{"", false},
                {"abc", false},
                {"1.5", true},
                {"1e5", false},
                {"-", false},
                {"1,2,3", false},
                {"99999999999999999999", false},
                {"inf", false}};
    int beep = 0;
    for (const auto &c : casi) {
        entra(w("TXTFattUlt"));
        QTest::keyClick(fuoco(), Qt::Key_Delete);
        if (c.incolla)
            w("TXTFattUlt")->insert(QString::fromLatin1(c.testo));
        else
            digita(QString::fromLatin1(c.testo));
        tab();
        EXPECT_EQ(dialoghi.beep, ++beep) << c.testo;
        EXPECT_EQ(w("TXTFattUlt")->text(), QStringLiteral("1500")) << c.testo; // plain, not 1.500
        EXPECT_EQ(w("TXTFattUlt")->selectedText(), QStringLiteral("1500")) << c.testo;
        EXPECT_EQ(fuoco(), w("TXTDipA1")) << c.testo; // the focus stays where it went
        EXPECT_EQ(valore("fatt_ultimo").toDouble(), 1500.0) << c.testo;
        EXPECT_EQ(PaginaModificata, 0) << c.testo;
    }
}

TEST_F(Famiglie, WholeAmountsRoundHalfToEvenAndCompareBeforeRounding)
{
    const struct
    {
        const char *testo;
        double memorizzato;
        double atteso;
        const char *mostrato;
        int flag;
    } casi[] = {
        {"1,5", 0, 2, "2", 1},         {"2,5", 0, 2, "2", 1},
        {"3,5", 0, 4, "4", 1},         {"-2,5", 0, -2, "-2", 1},
        {"1234", 0, 1234, "1.234", 1}, {"-1500", 0, -1500, "-1.500", 1},
        {"100,4", 100, 100, "100", 1}, {"1234", 1234, 1234, "1.234", 0},
        {"-0", 0, 0, "0", 0},
    };
    for (const auto &c : casi) {
        imposta("fatt_ultimo", Variant(c.memorizzato));
        PaginaModificata = 0;
        mostraTutto();
        scrivi(w("TXTFattUlt"), QString::fromLatin1(c.testo));
        EXPECT_EQ(valore("fatt_ultimo").toDouble(), c.atteso) << c.testo;
        EXPECT_EQ(w("TXTFattUlt")->text(), QString::fromLatin1(c.mostrato)) << c.testo;
        EXPECT_EQ(PaginaModificata, c.flag) << c.testo;
    }
    EXPECT_EQ(dialoghi.beep, 0);
}

TEST_F(Famiglie, ATrailingCommaOrALeadingPlusIsThePlainNumberInEveryVariant)
{
    // The key "." types ",".
    scriviNumeri({
        {"TXTFattUlt", "fatt_ultimo", "5.", 5, "5"},
        {"TXTFattUlt", "fatt_ultimo", "+7", 7, "7"},
        {"TXTFattUlt", "fatt_ultimo", "+1234,", 1234, "1.234"},
        {"TXTDipA1", "dipa1", "3.", 3, "3,0"},
        {"TXTDipA1", "dipa1", "+2,31", 2.4, "2,4"},
        {"TXTSpeA1", "spea1", "12,", 12, "12,00"},
        {"TXTSpeA1", "spea1", "+0.125", 0.12, ",12"},
        {"TXTPercPromo", "percpromo", "50.", 50, "50,00"},
        {"TXTPercPromo", "percpromo", "+150", 100, "100,00"},
        {"TXTA2", "a2", "+5.", 5, "5"}, // a box with dependants
    });
    EXPECT_EQ(valore("a25"), Variant(std::int64_t(10)));
    EXPECT_EQ(PaginaModificata, 1);
    EXPECT_EQ(dialoghi.beep, 0);

    // What still is no number: a beep, the stored value back.
    imposta("fatt_ultimo", Variant(1500.0));
    PaginaModificata = 0;
    mostraTutto();
    int beep = 0;
    for (const char *testo : {"+", ",", "+,", "++7", "+-7", "-+7", " +7", "1e3", "1.2.3", "+abc"}) {
        SCOPED_TRACE(testo);
        entra(w("TXTFattUlt"));
        QTest::keyClick(fuoco(), Qt::Key_Delete);
        w("TXTFattUlt")->insert(QString::fromLatin1(testo)); // pasted: no full stop becomes a comma
        tab();
        EXPECT_EQ(dialoghi.beep, ++beep);
        EXPECT_EQ(w("TXTFattUlt")->text(), QStringLiteral("1500"));
        EXPECT_EQ(valore("fatt_ultimo").toDouble(), 1500.0);
        EXPECT_EQ(PaginaModificata, 0);
    }
}

TEST_F(Famiglie, RetypingTheStoredValueReformatsAndRecomputesWithoutFlag)
{
    imposta("a2", Variant(1234.0));
    imposta("a25", Variant(0));
    mostraTutto();
    entra(w("TXTA2"));
    EXPECT_EQ(w("TXTA2")->text(), QStringLiteral("1234"));
    tab();
    EXPECT_EQ(PaginaModificata, 0);
    EXPECT_EQ(w("TXTA2")->text(), QStringLiteral("1.234"));
    EXPECT_EQ(valore("a25"), Variant(std::int64_t(2468)));
}

TEST_F(Famiglie, ATotalBeyondItsVariableIsWrongInput)
{
    imposta("a2", Variant(10.0));
    imposta("a25", Variant(7)); // stale: a commit refused renews nothing
    mostraTutto();
    scrivi(w("TXTA2"), QStringLiteral("1500000000")); // a25 would be 3.000.000.000
    EXPECT_EQ(dialoghi.beep, 1);
    EXPECT_EQ(valore("a2").toDouble(), 10.0);
    EXPECT_EQ(valore("a25"), Variant(std::int64_t(7)));
    EXPECT_EQ(w("TXTA2")->text(), QStringLiteral("10"));
    EXPECT_EQ(PaginaModificata, 0);
}

TEST_F(Famiglie, TenthsTwoDecimalsAndPercentages)
{
    scriviNumeri({
        {"TXTDipA1", "dipa1", "2,31", 2.4, "2,4"},
        {"TXTDipA1", "dipa1", "2,25", 2.3, "2,3"},
        {"TXTDipA1", "dipa1", "-2,34", -2.3, "-2,3"},
        {"TXTDipA1", "dipa1", "2,3", 2.3, "2,3"},
        {"TXTDipA1", "dipa1", "3", 3, "3,0"},
        {"TXTDipA1", "dipa1", "0,25", 0.3, ",3"},
        {"TXTSpeA1", "spea1", "1234,5", 1234.5, "1.234,50"},
        {"TXTSpeA1", "spea1", "0,125", 0.12, ",12"},
        {"TXTPercPromo", "percpromo", "150", 100, "100,00"},
        {"TXTPercPromo", "percpromo", "33,3333", 33.333, "33,33"},
    });
    // Entering a tenths box again shows the stored tenth as typed.
    entra(w("TXTDipA1"));
    EXPECT_EQ(w("TXTDipA1")->text(), QStringLiteral("0,3"));
}

// --- Date family ---------------------------------------------------------------

TEST_F(Famiglie, TheEmptyDateShowsTheEmptyMaskAllSelected)
{
    auto *nato = w<maschera::MaskEdBox>("TXTNato");
    EXPECT_EQ(nato->Text(), MascheraVuota);
    EXPECT_EQ(nato->toolTip(), QStringLiteral("Inserire la data in formato gg/mm/aaaa"));
    entra(nato);
    EXPECT_EQ(nato->Text(), MascheraVuota);
    EXPECT_EQ(nato->SelStart(), 0);
    EXPECT_EQ(nato->SelLength(), 10);
    digita(QStringLiteral("05032004"));
    EXPECT_EQ(nato->Text(), QStringLiteral("05/03/2004"));
    tab();
    EXPECT_EQ(valore("nato"), Variant(QDate(2004, 3, 5)));
    EXPECT_EQ(ValoreData, Variant(QDate(2004, 3, 5)));
    EXPECT_EQ(nato->Text(), QStringLiteral("05/03/2004"));
    EXPECT_EQ(PaginaModificata, 1);
}

TEST_F(Famiglie, AWrongDateBeepsAndBringsBackTheStoredOne)
{
    auto *nato = w<maschera::MaskEdBox>("TXTNato");
    const struct
    {
        Variant memorizzato;
        const char *tasti;
        const char *ritorno;
    } casi[] = {
        {Variant("01/01/1000"), "31022004", "__/__/____"},
        {Variant("01/01/1000"), "0503", "__/__/____"},
        {Variant(QDate(2004, 3, 5)), "31022004", "05/03/2004"},
        {Variant(QDate(2004, 3, 5)), "05/03/20", "05/03/2004"},
        {Variant(QDate(2004, 3, 5)), "00002004", "05/03/2004"},
    };
    int beep = 0;
    for (const auto &c : casi) {
        imposta("nato", c.memorizzato);
        mostraTutto();
        entra(nato);
        digita(QString::fromLatin1(c.tasti));
        tab();
        EXPECT_EQ(dialoghi.beep, ++beep) << c.tasti;
        EXPECT_EQ(nato->Text(), QString::fromLatin1(c.ritorno)) << c.tasti;
        EXPECT_EQ(nato->SelLength(), 10) << c.tasti;
        EXPECT_EQ(valore("nato"), c.memorizzato) << c.tasti;
        EXPECT_EQ(PaginaModificata, 0) << c.tasti;
    }
}

TEST_F(Famiglie, ClearingTheMaskStoresTheEmptyDate)
{
    auto *nato = w<maschera::MaskEdBox>("TXTNato");
    entra(nato);
    tab(); // the empty mask left empty: nothing changes
    EXPECT_EQ(PaginaModificata, 0);
    EXPECT_EQ(valore("nato"), Variant("01/01/1000"));

    imposta("nato", Variant(QDate(2004, 3, 5)));
    mostraTutto();
    entra(nato);
    QTest::keyClick(nato, Qt::Key_Delete); // the whole mask is selected
    EXPECT_EQ(nato->Text(), MascheraVuota);
    tab();
    EXPECT_EQ(valore("nato"), Variant("01/01/1000"));
    EXPECT_EQ(nato->Text(), MascheraVuota);
    EXPECT_EQ(PaginaModificata, 1);
}

TEST_F(Famiglie, TypingTheEmptyDateShowsItUntilTheBoxIsEnteredAgain)
{
    auto *nato = w<maschera::MaskEdBox>("TXTNato");
    imposta("nato", Variant(QDate(2004, 3, 5)));
    mostraTutto();
    entra(nato);
    digita(QStringLiteral("01011000"));
    tab();
    EXPECT_EQ(valore("nato"), Variant(QDate(1000, 1, 1)));
    EXPECT_EQ(nato->Text(), QStringLiteral("01/01/1000"));
    EXPECT_EQ(PaginaModificata, 1);
    entra(nato);
    EXPECT_EQ(nato->Text(), MascheraVuota);
}

TEST_F(Famiglie, AClickThatGivesADateBoxTheFocusSelectsTheWholeMask)
{
    auto *nato = w<maschera::MaskEdBox>("TXTNato");
    const struct
    {
        Variant memorizzato;
        const char *tasti;
        QDate atteso;
        bool trascina; // the button held down and moved before its release
    } casi[] = {
        {Variant("01/01/1000"), "05032004", QDate(2004, 3, 5), false},
        {Variant("01/01/1000"), "17111961", QDate(1961, 11, 17), true},
        {Variant(QDate(2004, 3, 5)), "06042005", QDate(2005, 4, 6), false},
    };
    for (const auto &c : casi) {
        SCOPED_TRACE(c.tasti);
        imposta("nato", c.memorizzato);
        PaginaModificata = 0;
        mostraTutto();
        entra(w("TXTCognome"));
        const QPoint destra = aDestraDellaMaschera(nato);
        QTest::mousePress(nato, Qt::LeftButton, {}, destra);
        if (c.trascina)
            QTest::mouseMove(nato, QPoint(2, destra.y()));
        QTest::mouseRelease(nato, Qt::LeftButton, {}, c.trascina ? QPoint(2, destra.y()) : destra);
        ASSERT_EQ(fuoco(), nato);
        EXPECT_EQ(nato->SelStart(), 0);
        EXPECT_EQ(nato->SelLength(), 10);
        digita(QString::fromLatin1(c.tasti));
        tab();
        EXPECT_EQ(valore("nato"), Variant(c.atteso));
        EXPECT_EQ(nato->Text(), c.atteso.toString(QStringLiteral("dd/MM/yyyy")));
        EXPECT_EQ(PaginaModificata, 1);
    }
    EXPECT_EQ(dialoghi.beep, 0);
}

TEST_F(Famiglie, AClickIntoADateBoxThatHasTheFocusPlacesTheCaret)
{
    auto *nato = w<maschera::MaskEdBox>("TXTNato");
    imposta("nato", Variant(QDate(2004, 3, 5)));
    mostraTutto();
    entra(nato); // by Tab: the whole mask selected
    QTest::mouseClick(nato, Qt::LeftButton, {}, alPosto(nato, 3));
    EXPECT_EQ(nato->SelLength(), 0);
    EXPECT_EQ(nato->SelStart(), 3);
    digita(QStringLiteral("04")); // the month typed over
    EXPECT_EQ(nato->Text(), QStringLiteral("05/04/2004"));
    tab();
    EXPECT_EQ(valore("nato"), Variant(QDate(2004, 4, 5)));

    // The focus given from code with a click's reason, and no click behind
    // it, holds back no later click.
    nato->setFocus(Qt::MouseFocusReason);
    ASSERT_EQ(fuoco(), nato);
    EXPECT_EQ(nato->SelLength(), 10); // the date family's entry
    QApplication::processEvents();
    QTest::mouseClick(nato, Qt::LeftButton, {}, alPosto(nato, 6));
    EXPECT_EQ(nato->SelLength(), 0);
    EXPECT_EQ(nato->SelStart(), 6);
    digita(QStringLiteral("1999"));
    tab();
    EXPECT_EQ(valore("nato"), Variant(QDate(1999, 4, 5)));
    EXPECT_EQ(dialoghi.beep, 0);
}

// --- A click into a box ------------------------------------------------------------

// A box of each family whose focus-in selects, holding a value; what typing
// makes of it in place of the whole value, and inserted after its first
// character.
struct Cliccato
{
    const char *box;
    const char *colonna;
    Variant memorizzato;
    const char *tasti;
    Variant atteso;
    const char *mostrato; // when left
    const char *inseriti;
    Variant conInseriti;
};
const Cliccato Cliccati[] = {
    {"TXTCognome", "cognome", Variant("ROSSI"), "bianchi", Variant("BIANCHI"), "BIANCHI", "x",
     Variant("RXOSSI")},
    {"TXTEmailRef", "email_ref", Variant("rossi"), "INFO@COOP.IT", Variant("info@coop.it"),
     "info@coop.it", "X", Variant("rxossi")},
    // A year typed short: the box holds four characters at most.
    {"TXTEserUltimo", "eser_ultimo", Variant("203"), "2004", Variant("2004"), "2004", "0",
     Variant("2003")},
    {"TXTFattUlt", "fatt_ultimo", Variant(25000.0), "7", Variant(7.0), "7", "1", Variant(215000.0)},
    {"TXTDipA1", "dipa1", Variant(12.5), "3,2", Variant(3.2), "3,2", "0", Variant(102.5)},
    {"TXTSpeA1", "spea1", Variant(18500.25), "9,5", Variant(9.5), "9,50", "0", Variant(108500.25)},
    {"TXTPercPromo", "percpromo", Variant(40.0), "5", Variant(5.0), "5,00", ",", Variant(4.0)},
    // A grid box with a total.
    {"TXTA2", "a2", Variant(100.0), "7", Variant(7.0), "7", "5", Variant(1500.0)},
    // The mask is typed over.
    {"TXTNato", "nato", Variant(QDate(2004, 3, 5)), "06042005", Variant(QDate(2005, 4, 6)),
     "06/04/2005", "1", Variant(QDate(2004, 3, 1))},
};

// QTest's click on a widget comes to the application as the window
// system's does (a spontaneous press), so the focus moves on the press
// before the box sees it, as with the user's click.
TEST_F(Famiglie, AClickThatGivesABoxTheFocusKeepsItsSelectionSoTypingReplacesTheValue)
{
    // The button held down and moved before its release, less than the drag
    // distance: a hand that shakes is no drag.
    for (const bool trema : {false, true}) {
        for (const Cliccato &c : Cliccati) {
            SCOPED_TRACE(testing::Message() << c.box << (trema ? ", shaken" : ""));
            imposta(c.colonna, c.memorizzato);
            mostraTutto();
            PaginaModificata = 0;
            QLineEdit *box = w(c.box);
            // From another box, which commits as the click takes the focus.
            entra(box == w("TXTCognome") ? w("TXTA2") : w("TXTCognome"));
            // The caret would fall after the first character, inside the
            // value whichever side the box aligns it.
            const QPoint dove = alPosto(box, 1);
            QPoint lascia = dove;
            QTest::mousePress(box, Qt::LeftButton, {}, dove);
            ASSERT_EQ(fuoco(), box);
            if (trema) {
                lascia = dove + QPoint(QApplication::startDragDistance() - 1, 0);
                QTest::mouseMove(box, lascia);
            }
            QTest::mouseRelease(box, Qt::LeftButton, {}, lascia);
            EXPECT_EQ(box->selectedText(), box->displayText());
            digita(QString::fromLatin1(c.tasti));
            tab();
            EXPECT_EQ(valore(c.colonna), c.atteso);
            EXPECT_EQ(box->text(), QString::fromLatin1(c.mostrato));
            EXPECT_EQ(PaginaModificata, 1);
        }
    }
    EXPECT_EQ(valore("a25"), Variant(14)); // the grid box's total follows
    EXPECT_EQ(dialoghi.beep, 0);
}

TEST_F(Famiglie, AClickIntoTheBoxThatHasTheFocusPlacesTheCaret)
{
    for (const Cliccato &c : Cliccati) {
        SCOPED_TRACE(c.box);
        imposta(c.colonna, c.memorizzato);
        mostraTutto();
        QLineEdit *box = w(c.box);
        entra(box); // by Tab: the plain value selected
        EXPECT_EQ(box->selectedText(), box->displayText());
        QTest::mouseClick(box, Qt::LeftButton, {}, alPosto(box, 1));
        EXPECT_FALSE(box->hasSelectedText());
        EXPECT_EQ(box->cursorPosition(), 1);
        digita(QString::fromLatin1(c.inseriti));
        tab();
        EXPECT_EQ(valore(c.colonna), c.conInseriti);
    }
    EXPECT_EQ(dialoghi.beep, 0);
}

TEST_F(Famiglie, OnlyTheLeftPressOfTheClickThatGaveTheFocusIsHeldBack)
{
    imposta("cognome", Variant("ROSSI"));
    mostraTutto();
    QLineEdit *cognome = w("TXTCognome");

    // The focus given from code with a click's reason, and no click behind
    // it: the family's entry is selected, and a later click places the caret.
    entra(w("TXTFattUlt"));
    cognome->setFocus(Qt::MouseFocusReason);
    ASSERT_EQ(fuoco(), cognome);
    EXPECT_EQ(cognome->selectedText(), QStringLiteral("ROSSI"));
    QApplication::processEvents();
    QTest::mouseClick(cognome, Qt::LeftButton, {}, alPosto(cognome, 2));
    EXPECT_FALSE(cognome->hasSelectedText());
    EXPECT_EQ(cognome->cursorPosition(), 2);

    // The right button gives the focus and keeps the selection, for the
    // box's menu to work on; the left click after it, into the box that
    // has the focus, places the caret.
    entra(w("TXTFattUlt"));
    prova::clicNellaFinestra(cognome, Qt::RightButton, alPosto(cognome, 2));
    ASSERT_EQ(fuoco(), cognome);
    auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(cognome->selectedText(), QStringLiteral("ROSSI"));
    menu->close();
    QApplication::processEvents();
    EXPECT_EQ(cognome->selectedText(), QStringLiteral("ROSSI"));
    QTest::mouseClick(cognome, Qt::LeftButton, {}, alPosto(cognome, 3));
    EXPECT_FALSE(cognome->hasSelectedText());
    EXPECT_EQ(cognome->cursorPosition(), 3);
    digita(QStringLiteral("x"));

    // The focus through the window and back, no move for the families: the
    // box's entry does not run again, nothing is selected anew, and the
    // click back places the caret.
    finestra->setFocus(Qt::MouseFocusReason);
    QTest::mouseClick(cognome, Qt::LeftButton, {}, alPosto(cognome, 1));
    ASSERT_EQ(fuoco(), cognome);
    EXPECT_FALSE(cognome->hasSelectedText());
    EXPECT_EQ(cognome->cursorPosition(), 1);
    digita(QStringLiteral("y"));
    tab();
    EXPECT_EQ(valore("cognome"), Variant("RYOSXSI"));

    // A double click that gives the focus: its first click keeps the whole
    // text selected, its second selects the word it falls on, as in any box.
    imposta("cognome", Variant("ROSSI MARIO"));
    mostraTutto();
    entra(w("TXTFattUlt"));
    const QPoint mario = alPosto(cognome, 8);
    QTest::mouseClick(cognome, Qt::LeftButton, {}, mario);
    EXPECT_EQ(cognome->selectedText(), QStringLiteral("ROSSI MARIO"));
    QTest::mouseDClick(cognome, Qt::LeftButton, {}, mario);
    QTest::mouseRelease(cognome, Qt::LeftButton, {}, mario);
    EXPECT_EQ(cognome->selectedText(), QStringLiteral("MARIO"));
    digita(QStringLiteral("bianchi"));
    tab();
    EXPECT_EQ(valore("cognome"), Variant("ROSSI BIANCHI"));
    EXPECT_EQ(dialoghi.beep, 0);
}

// A double click into a box, from another box or inside the box that has
// the focus: a number or a year is one word, sign and decimals included, so
// typing replaces the value; a text and a date select the word they fall on.
TEST_F(Famiglie, ADoubleClickSelectsAWholeNumberOrYearAndAWordOfATextOrDate)
{
    const struct
    {
        const char *box;
        const char *colonna;
        Variant memorizzato;
        int dove; // the place of the text the double click falls on
        const char *selezionato;
        const char *tasti;
        Variant atteso;
    } casi[] = {
        {"TXTCognome", "cognome", Variant("ROSSI MARIO"), 8, "MARIO", "bianchi",
         Variant("ROSSI BIANCHI")},
        {"TXTEserUltimo", "eser_ultimo", Variant("20,3"), 3, "20,3", "2004", Variant("2004")},
        {"TXTFattUlt", "fatt_ultimo", Variant(-9600.0), 2, "-9600", "8700", Variant(8700.0)},
        {"TXTFattUlt", "fatt_ultimo", Variant(-9600.0), 4, "-9600", "-9800", Variant(-9800.0)},
        {"TXTDipA1", "dipa1", Variant(12.5), 1, "12,5", "3", Variant(3.0)},
        {"TXTSpeA1", "spea1", Variant(14500.5), 2, "14500,5", "14800", Variant(14800.0)},
        {"TXTPercPromo", "percpromo", Variant(17.5), 3, "17,5", "20", Variant(20.0)},
        {"TXTA2", "a2", Variant(-300.0), 1, "-300", "7", Variant(7.0)},
        // The day and its stroke, which the mask then types over in place.
        {"TXTNato", "nato", Variant(QDate(2004, 3, 5)), 1, "05/", "17", Variant(QDate(2004, 3, 17))},
    };
    for (const bool dentro : {false, true}) {
        for (const auto &c : casi) {
            SCOPED_TRACE(testing::Message() << c.box << " " << c.tasti
                                            << (dentro ? ", from inside" : ", from another box"));
            imposta(c.colonna, c.memorizzato);
            mostraTutto();
            PaginaModificata = 0;
            QLineEdit *box = w(c.box);
            entra(box == w("TXTCognome") ? w("TXTA2") : w("TXTCognome"));
            if (dentro)
                entra(box);
            const QPoint punto = alPosto(box, c.dove);
            QTest::mouseClick(box, Qt::LeftButton, {}, punto);
            ASSERT_EQ(fuoco(), box);
            QTest::mouseDClick(box, Qt::LeftButton, {}, punto);
            QTest::mouseRelease(box, Qt::LeftButton, {}, punto);
            EXPECT_EQ(box->selectedText(), QString::fromLatin1(c.selezionato));
            digita(QString::fromLatin1(c.tasti));
            tab();
            EXPECT_EQ(valore(c.colonna), c.atteso);
            EXPECT_EQ(PaginaModificata, 1);
        }
    }

    // The button held after the double click and moved a little: the whole
    // number stays selected.
    imposta("spea1", Variant(14500.5));
    mostraTutto();
    QLineEdit *spea1 = w("TXTSpeA1");
    entra(spea1);
    const QPoint punto = alPosto(spea1, 2);
    QTest::mouseDClick(spea1, Qt::LeftButton, {}, punto);
    QTest::mouseMove(spea1, punto + QPoint(QApplication::startDragDistance() + 5, 0));
    QTest::mouseRelease(spea1, Qt::LeftButton, {},
                        punto + QPoint(QApplication::startDragDistance() + 5, 0));
    EXPECT_EQ(spea1->selectedText(), QStringLiteral("14500,5"));
    EXPECT_EQ(dialoghi.beep, 0);
}

// A press that gives a box the focus and drags past the drag distance
// selects what it dragged over, as in a box that has the focus.
TEST_F(Famiglie, ADragFromTheClickThatGivesTheFocusSelectsWhatItDraggedOver)
{
    const std::pair<const char *, Variant> casi[] = {
        {"cognome", Variant("ROSSI")},
        {"email_ref", Variant("rossi")},
        {"eser_ultimo", Variant("2003")},
        {"fatt_ultimo", Variant(25000.0)},
        {"dipa1", Variant(12.5)},
        {"spea1", Variant(18500.25)},
        {"percpromo", Variant(17.5)},
        {"a2", Variant(100.0)},
        {"nato", Variant(QDate(2004, 3, 5))},
    };
    for (const auto &[colonna, memorizzato] : casi) {
        SCOPED_TRACE(colonna);
        imposta(colonna, memorizzato);
        mostraTutto();
        QLineEdit *box = nullptr;
        for (Campo *c : campi)
            if (c->colonna() == QLatin1String(colonna))
                box = qobject_cast<QLineEdit *>(c->controllo());
        ASSERT_NE(box, nullptr);
        // From its second character to its end, as the box lays out the
        // text its focus-in shows.
        entra(box);
        const QPoint da = alPosto(box, 1);
        const QPoint a = alPosto(box, int(box->displayText().size()));
        ASSERT_GE((a - da).manhattanLength(), QApplication::startDragDistance());
        entra(box == w("TXTCognome") ? w("TXTA2") : w("TXTCognome"));
        QTest::mousePress(box, Qt::LeftButton, {}, da);
        ASSERT_EQ(fuoco(), box);
        QTest::mouseMove(box, a);
        QTest::mouseRelease(box, Qt::LeftButton, {}, a);
        EXPECT_EQ(box->selectedText(), box->displayText().mid(1));
        EXPECT_EQ(box->selectionStart(), 1);
    }

    // Typed over, the range dragged over is replaced and the rest stays.
    imposta("cognome", Variant("ROSSI MARIO"));
    mostraTutto();
    QLineEdit *cognome = w("TXTCognome");
    entra(w("TXTFattUlt"));
    QTest::mousePress(cognome, Qt::LeftButton, {}, alPosto(cognome, 6));
    QTest::mouseMove(cognome, alPosto(cognome, 11));
    QTest::mouseRelease(cognome, Qt::LeftButton, {}, alPosto(cognome, 11));
    EXPECT_EQ(cognome->selectedText(), QStringLiteral("MARIO"));
    digita(QStringLiteral("bianchi"));
    tab();
    EXPECT_EQ(valore("cognome"), Variant("ROSSI BIANCHI"));
    EXPECT_EQ(dialoghi.beep, 0);
}

// --- Option family -------------------------------------------------------------

TEST_F(Famiglie, AClickOnlyRaisesTheFlagSalvaTakesTheCode)
{
    auto *gruppo = static_cast<GruppoOpzioni *>(campo("OPTGiuri1"));
    EXPECT_TRUE(w<QRadioButton>("OPTGiuri1")->isChecked());
    QTest::mouseClick(w<QRadioButton>("OPTGiuri2"), Qt::LeftButton);
    EXPECT_EQ(PaginaModificata, 1);
    EXPECT_EQ(ValoreOpzione, 2);
    EXPECT_EQ(valore("natura_giuridica"), Variant(1));
    QTest::mouseClick(w<QRadioButton>("OPTGiuri1"), Qt::LeftButton);
    EXPECT_EQ(PaginaModificata, 1);
    EXPECT_EQ(ValoreOpzione, 1);
    gruppo->primaDiSalvare();
    EXPECT_EQ(valore("natura_giuridica"), Variant(1));

    // Clicking the stored code leaves the flag as it was.
    PaginaModificata = 0;
    QTest::mouseClick(w<QRadioButton>("OPTGiuri1"), Qt::LeftButton);
    EXPECT_EQ(PaginaModificata, 0);
}

TEST_F(Famiglie, TwoChoicesShowAnyOtherCodeAsTheSecond)
{
    imposta("natura_giuridica", Variant(3));
    mostraTutto();
    EXPECT_TRUE(w<QRadioButton>("OPTGiuri2")->isChecked());
    EXPECT_EQ(PaginaModificata, 0); // Caricamento held the Click back
    campo("OPTGiuri1")->primaDiSalvare();
    EXPECT_EQ(valore("natura_giuridica"), Variant(2));

    // Without the bracket (page 3) the Click of the button shown runs.
    imposta("natura_giuridica", Variant(3));
    campo("OPTGiuri1")->mostra();
    EXPECT_EQ(PaginaModificata, 1);
    PaginaModificata = 0;
    imposta("natura_giuridica", Variant(2));
    campo("OPTGiuri1")->mostra();
    EXPECT_EQ(PaginaModificata, 0);
}

TEST_F(Famiglie, FourChoicesShowTheStoredCodeOrNone)
{
    auto *gruppo = static_cast<GruppoOpzioni *>(campo("OPTPromo1"));
    imposta("nat_giuri_promo", Variant(3));
    mostraTutto();
    EXPECT_EQ(gruppo->codiceScelto(), 3);
    imposta("nat_giuri_promo", Variant(7));
    mostraTutto();
    EXPECT_EQ(gruppo->codiceScelto(), 0);
    gruppo->primaDiSalvare();
    EXPECT_EQ(valore("nat_giuri_promo"), Variant(7));
    QTest::mouseClick(w<QRadioButton>("OPTPromo2"), Qt::LeftButton);
    EXPECT_EQ(PaginaModificata, 1);
    gruppo->primaDiSalvare();
    EXPECT_EQ(valore("nat_giuri_promo"), Variant(2));
}

TEST_F(Famiglie, TabEntersAGroupOnItsChosenButtonOnly)
{
    imposta("natura_giuridica", Variant(2));
    imposta("nat_giuri_promo", Variant(3));
    mostraTutto();
    const auto daCapo = [this] {
        entra(w("TXTA2"));
        tab();
    };
    daCapo();
    EXPECT_EQ(fuoco(), w<QRadioButton>("OPTGiuri2"));
    tab();
    EXPECT_EQ(fuoco(), w<QRadioButton>("OPTPromo3"));
    tab();
    EXPECT_EQ(fuoco(), pulsante);

    // The stop follows the button chosen; with none chosen it is the first.
    QTest::mouseClick(w<QRadioButton>("OPTGiuri1"), Qt::LeftButton);
    imposta("nat_giuri_promo", Variant(7));
    campo("OPTPromo1")->mostra();
    daCapo();
    EXPECT_EQ(fuoco(), w<QRadioButton>("OPTGiuri1"));
    tab();
    EXPECT_EQ(fuoco(), w<QRadioButton>("OPTPromo1"));
    EXPECT_EQ(PaginaModificata, 1); // the click
}

// --- Display-only family -------------------------------------------------------

TEST_F(Famiglie, ADisplayOnlyBoxIsNeverReachedAndRefreshesOnDemand)
{
    auto *prov = w("TXTProvSede");
    EXPECT_FALSE(prov->isEnabled());
    EXPECT_EQ(prov->palette().color(QPalette::Disabled, QPalette::Base), QColor(255, 255, 192));
    EXPECT_EQ(prov->palette().color(QPalette::Disabled, QPalette::Text),
              QColor(0x6D, 0x6D, 0x6D)); // readable
    entra(w<maschera::MaskEdBox>("TXTNato"));
    tab();
    EXPECT_EQ(fuoco(), w("TXTA2"));
    imposta("prov_sede", Variant("AN"));
    static_cast<CampoSoloLettura *>(campo("TXTProvSede"))->GotFocus();
    EXPECT_EQ(prov->text(), QStringLiteral("AN"));
    EXPECT_EQ(PaginaModificata, 0);
}

TEST_F(Famiglie, AComputedBoxIsDisabledOrReadOnlyInTheFocusOrder)
{
    QWidget *f = finestra.get();
    auto *totale = casella(f, QStringLiteral("TXTSpeA7"), 5000, 2700, 1095);
    auto *riga = casella(f, QStringLiteral("TXTSpeC1"), 5000, 3100, 1095);
    const Legame tabella[] = {
        {.controllo = totale,
         .famiglia = Famiglia::Calcolato,
         .colonna = QStringLiteral("spea7"),
         .variante = Variante::DueDecimali},
        {.controllo = riga,
         .famiglia = Famiglia::Calcolato,
         .colonna = QStringLiteral("spec1"),
         .variante = Variante::DueDecimali,
         .attivo = true},
    };
    imposta("spea7", Variant(1234.5));
    imposta("spec1", Variant(0.5));
    for (Campo *c : lega(f, tabella))
        c->mostra();
    totale->show();
    riga->show();
    EXPECT_FALSE(totale->isEnabled());
    EXPECT_EQ(totale->text(), QStringLiteral("1.234,50"));
    EXPECT_TRUE(riga->isEnabled());
    EXPECT_TRUE(riga->isReadOnly());
    EXPECT_EQ(riga->palette().color(QPalette::Active, QPalette::Base), QColor(255, 255, 192));
    EXPECT_TRUE(riga->alignment() & Qt::AlignRight);

    // Reached by Tab, it takes no typing and commits nothing.
    QWidget::setTabOrder(w("TXTA2"), riga);
    entra(w("TXTA2"));
    tab();
    ASSERT_EQ(fuoco(), riga);
    digita(QStringLiteral("99"));
    tab();
    EXPECT_EQ(riga->text(), QStringLiteral(",50"));
    EXPECT_EQ(valore("spec1").toDouble(), 0.5);
    EXPECT_EQ(PaginaModificata, 0);
    EXPECT_EQ(dialoghi.beep, 0);
}

// --- Focus rules ---------------------------------------------------------------

TEST_F(Famiglie, AButtonTakesTheFocusSoTheBoxCommitsFirst)
{
    Variant visto;
    QObject::connect(pulsante, &QToolButton::clicked, [&] { visto = valore("cognome"); });
    entra(w("TXTCognome"));
    digita(QStringLiteral("bianchi"));
    QTest::mouseClick(pulsante, Qt::LeftButton);
    EXPECT_EQ(visto, Variant("BIANCHI"));
    EXPECT_EQ(PaginaModificata, 1);
}

TEST_F(Famiglie, AMenuNeitherCommitsNorOverwrites)
{
    entra(w("TXTFattUlt"));
    digita(QStringLiteral("12.5"));
    QMenu menu(finestra.get());
    menu.addAction(QStringLiteral("Esci"));
    menu.popup(finestra->mapToGlobal(QPoint(300, 10)));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&menu));
    EXPECT_EQ(valore("fatt_ultimo"), Variant(0));
    EXPECT_EQ(PaginaModificata, 0);
    menu.close();
    EXPECT_EQ(fuoco(), w("TXTFattUlt"));
    EXPECT_EQ(w("TXTFattUlt")->text(), QStringLiteral("12,5"));
    EXPECT_EQ(PaginaModificata, 0);
    tab();
    EXPECT_EQ(valore("fatt_ultimo").toDouble(), 12.0);
}

TEST_F(Famiglie, ADialogOrAnotherApplicationNeitherCommitsNorOverwrites)
{
    entra(w<maschera::MaskEdBox>("TXTNato"));
    digita(QStringLiteral("0503"));
    for (const char *altra : {"message box", "other application"}) {
        QDialog finestraAltra;
        finestraAltra.setWindowTitle(QString::fromLatin1(altra));
        finestraAltra.show();
        finestraAltra.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&finestraAltra)) << altra;
        EXPECT_EQ(dialoghi.beep, 0) << altra; // a half-filled mask, not committed
        finestraAltra.close();
        finestra->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(finestra.get())) << altra;
        EXPECT_EQ(fuoco(), w("TXTNato")) << altra;
        EXPECT_EQ(w<maschera::MaskEdBox>("TXTNato")->Text(), QStringLiteral("05/03/____")) << altra;
    }
    digita(QStringLiteral("2004"));
    tab();
    EXPECT_EQ(valore("nato"), Variant(QDate(2004, 3, 5)));
    EXPECT_EQ(dialoghi.beep, 0);
}

TEST_F(Famiglie, TheFocusMovedWhileTheWindowWasInactiveCommitsOnReturn)
{
    entra(w("TXTCognome"));
    digita(QStringLiteral("verdi"));
    QDialog altra;
    altra.show();
    altra.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&altra));
    w("TXTEmailRef")->setFocus(Qt::OtherFocusReason);
    EXPECT_EQ(valore("cognome"), Variant(""));
    altra.close();
    finestra->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(finestra.get()));
    EXPECT_EQ(fuoco(), w("TXTEmailRef"));
    EXPECT_EQ(valore("cognome"), Variant("VERDI"));
    EXPECT_EQ(CasellaCampo::attiva(), campo("TXTEmailRef"));
}

TEST_F(Famiglie, ConfermaCommitsThePendingEditWhileTheFocusStays)
{
    entra(w("TXTCognome"));
    digita(QStringLiteral("gialli"));
    campo("TXTCognome")->conferma();
    EXPECT_EQ(valore("cognome"), Variant("GIALLI"));
    EXPECT_EQ(fuoco(), w("TXTCognome"));
    entra(w("TXTFattUlt"));
    digita(QStringLiteral("1234"));
    campo("TXTFattUlt")->conferma();
    EXPECT_EQ(w("TXTFattUlt")->text(), QStringLiteral("1.234"));
    PaginaModificata = 0;
    tab(); // the pattern written reads back: the real focus-out finds no change
    EXPECT_EQ(PaginaModificata, 0);
    EXPECT_EQ(dialoghi.beep, 0);
    EXPECT_EQ(valore("fatt_ultimo").toDouble(), 1234.0);
}

TEST_F(Famiglie, AMissingControlIsAProgrammingError)
{
    const Legame sbagliato[] = {
        {.controllo = w("TXTNessuno"), .colonna = QStringLiteral("cognome")}};
    EXPECT_THROW(lega(finestra.get(), sbagliato), std::logic_error);
    const Legame tipo[] = {{.controllo = w("TXTCognome"),
                            .famiglia = Famiglia::Data,
                            .colonna = QStringLiteral("nato")}};
    EXPECT_THROW(lega(finestra.get(), tipo), std::logic_error);
    // A look-up box whose row gives it no reference list.
    auto *combo = new ComboScheda(finestra.get(), true);
    const Legame senzaElenco[] = {{.controllo = combo,
                                   .famiglia = Famiglia::Ricerca,
                                   .colonna = QStringLiteral("comune_sede")}};
    EXPECT_THROW(lega(finestra.get(), senzaElenco), std::logic_error);
}

// --- Page tables -----------------------------------------------------------------

TEST(Tabella, ACaptionWiderThanItsLabelIsCondensedNotCut)
{
    QWidget pagina;
    pagina.setFont(carattere());
    const QString lungo = QStringLiteral("Utile netto (perdita) dell'esercizio");
    const Elemento righe[] = {
        {.genere = Genere::Etichetta, .testo = lungo, .posto = {0, 0, 2295, 255}},
        {.genere = Genere::Etichetta,
         .testo = QStringLiteral("Personale"),
         .posto = {0, 300, 2295, 255}},
        {.genere = Genere::Etichetta, .testo = lungo, .posto = {0, 600}}, // as wide as its caption
    };
    costruisciPagina(&pagina, righe);
    const QList<QLabel *> etichette = pagina.findChildren<QLabel *>();
    ASSERT_EQ(etichette.size(), 3);
    for (QLabel *l : etichette) {
        SCOPED_TRACE(l->text().toStdString() + " at " + std::to_string(l->y()));
        EXPECT_LE(QFontMetrics(l->font()).horizontalAdvance(l->text()), l->width());
        EXPECT_EQ(l->font().pixelSize(), 11);
        const bool stretto = l->width() == 153 && l->text() == lungo;
        EXPECT_EQ(l->font().stretch() < 100 && l->font().stretch() > 0, stretto);
    }
}

TEST(Tabella, TheButtonsFollowTheBoxesAndNoTabIsTakenTwice)
{
    QWidget pagina;
    const std::vector<Elemento> campi = {
        testo({.nome = "TXTCognome", .colonna = "cognome", .posto = {0, 0, 900}, .tab = 1}),
        opzione({.nome = "OPTGiuri1", .colonna = "natura_giuridica", .testo = "A", .tab = 0}),
        opzione({.nome = "OPTGiuri2", .colonna = "natura_giuridica", .testo = "B", .tab = 1}),
        testo({.nome = "TXTNome", .colonna = "nome", .posto = {0, 300, 900}, .tab = 0}),
        titolo({.testo = "Titolo", .posto = {0, 600}}),
    };
    EXPECT_EQ(tabSeguente(campi), 2); // the buttons' tabs are their own
    EXPECT_EQ(tabSeguente({}), 0);
    QStringList ordine;
    for (QWidget *w : costruisciPagina(&pagina, campi).ordine)
        ordine << w->objectName();
    EXPECT_EQ(ordine.join(QLatin1Char(' ')),
              QStringLiteral("TXTNome TXTCognome OPTGiuri1 OPTGiuri2"));

    // A field given a grid's first tab: an error, not an order left to chance.
    for (const auto &[nome, righe] : {
             std::pair{"two boxes",
                       std::vector<Elemento>{
                           testo({.nome = "TXTCognome", .colonna = "cognome", .tab = 3}),
                           testo({.nome = "TXTNome", .colonna = "nome", .tab = 3})}},
             std::pair{"two buttons",
                       std::vector<Elemento>{
                           opzione({.nome = "OPTGiuri1", .colonna = "natura_giuridica", .tab = 0}),
                           opzione({.nome = "OPTGiuri2", .colonna = "natura_giuridica", .tab = 0})}},
         }) {
        QWidget altra;
        EXPECT_THROW(costruisciPagina(&altra, righe), std::logic_error) << nome;
    }
}

} // namespace
