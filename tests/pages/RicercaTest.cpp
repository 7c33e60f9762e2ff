// The look-up boxes in the whole program, on a small municipality and
// activity-code list in the reference file of a temporary program folder:
// the two of page 2 on page 2 itself, the three that page 4 places on a
// page of their own. Typed with QTest, picked from the open list, left by
// Tab, beeps counted by the scripted dialogs.

#include "Interazione.h"

#include "core/FileDati.h"
#include "core/Globali.h"
#include "pages/PaginaScheda.h"
#include "pages/campi/Combo.h"
#include "pages/campi/Fuoco.h"
#include "pages/campi/Ricerca.h"
#include "pages/campi/Tabella.h"
#include "pages/page4/Form4.h"
#include "shell/MostraPagina.h"

#include <QAbstractItemView>
#include <QImage>
#include <QLineEdit>
#include <QListView>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QSet>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <QWheelEvent>
#include <gtest/gtest.h>

using namespace scheda;
using namespace scheda::campi;
using namespace prova;
using ado::Variant;

namespace {

// Two LIVO in two provinces, apostrophes, a row without a name and one
// without province and postal code; three of them in the region.
const QString ComuniProva = QStringLiteral(
    "DELETE FROM comune;"
    "INSERT INTO comune VALUES ('MACERATA', 'MC', '62100'), ('LIVO', 'CO', '22010'), ('ANCONA', "
    "'AN', '60121'),"
    " ('L''AQUILA', 'AQ', '67100'), ('LIVO', 'TN', '38020'), (NULL, 'RM', '00100'),"
    " ('SANT''ELPIDIO A MARE', 'FM', '63811'), ('SENZA DATI', NULL, NULL), ('ZUNGRI', 'VV', "
    "'89867');"
    "DELETE FROM ateco_2002;"
    "INSERT INTO ateco_2002 VALUES ('01.11', 'Coltivazione di cereali'), ('01.12', 'Coltivazione "
    "di ortaggi'),"
    " ('55.30', 'Ristoranti'), (NULL, 'Senza codice'), ('93.02', NULL);");

class Ricerche : public ConProgramma
{
protected:
    // Page 2 on a sheet whose seat is MACERATA, on the fixture list.
    void SetUp() override
    {
        p.cartella.esegui(FileIdentifica, PasswordIdentifica, ComuniProva);
        avviaSuPagina(2, QStringLiteral(
                             "comune_sede = 'MACERATA', prov_sede = 'MC', cap_sede = '62100',"
                             " comune_posta = 'ANCONA', prov_posta = 'AN', cap_posta = '60121'"));
        PaginaModificata = 0;
    }

    ComboScheda *sede() const { return campo<ComboScheda>("CMBComuneSede"); }
    ComboScheda *posta() const { return campo<ComboScheda>("CMBComunePosta"); }
    CampoRicerca *ricerca(const char *nome) const
    {
        return qobject_cast<CampoRicerca *>(formMostrato()->campo(QString::fromLatin1(nome)));
    }
    QString sedeMostrata() const
    {
        return sede()->currentText() + QLatin1Char(' ') + campo("TXTProvSede")->text()
               + QLatin1Char(' ') + campo("TXTCapSede")->text();
    }
    static QString sedeMemorizzata()
    {
        return testo("comune_sede") + QLatin1Char(' ') + testo("prov_sede") + QLatin1Char(' ')
               + testo("cap_sede");
    }
    // The entry of the open list of `c` that shows this name and province.
    int voce(const char *combo, const QString &nome, const QString &provincia) const
    {
        for (int i = 0; i < campo<ComboScheda>(combo)->count(); ++i)
            if (campo<ComboScheda>(combo)->itemText(i) == nome
                && ricerca(combo)->dettaglio(i) == provincia)
                return i;
        return -1;
    }
};

// --- Typed names ------------------------------------------------------------------

TEST_F(Ricerche, ATypedNameIsFoundOnlyWhenItsUpperCaseIsAnEntry)
{
    const struct
    {
        const char *tasti;
        const char *memorizzato; // comune, provincia, cap after the leave
        bool beep;
        int flag;
    } casi[] = {
        {"ANCONA", "ANCONA AN 60121", false, 1},
        {"ancona", "ANCONA AN 60121", false, 1},
        {"Sant'Elpidio a Mare", "SANT'ELPIDIO A MARE FM 63811", false, 1},
        {"l'aquila", "L'AQUILA AQ 67100", false, 1},
        {"livo", "LIVO CO 22010", false, 1},         // typed, the first of the two
        {"senza dati", "SENZA DATI  ", false, 1},    // its Nulls are empty texts
        {"macerata", "MACERATA MC 62100", false, 0}, // the stored one again
        {"ANCO", "MACERATA MC 62100", true, 0},      // no prefix match
        {" ANCONA", "MACERATA MC 62100", true, 0},   // no trimming
        {"ANCONA ", "MACERATA MC 62100", true, 0},
        {"ROMA", "MACERATA MC 62100", true, 0},
        {"'", "MACERATA MC 62100", true, 0},
        {"%", "MACERATA MC 62100", true, 0},
        {"", "MACERATA MC 62100", false, 0}, // cleared: the stored one stays
    };
    for (const auto &c : casi) {
        imposta("comune_sede", Variant("MACERATA"));
        imposta("prov_sede", Variant("MC"));
        imposta("cap_sede", Variant("62100"));
        PaginaModificata = 0;
        const int beep = p.dialoghi.beep;
        scrivi(sede(), QString::fromUtf8(c.tasti), campo("TXTViaSede"));
        EXPECT_EQ(sedeMemorizzata(), QString::fromUtf8(c.memorizzato)) << c.tasti;
        EXPECT_EQ(sedeMostrata(), QString::fromUtf8(c.memorizzato)) << c.tasti; // the screen agrees
        EXPECT_EQ(p.dialoghi.beep - beep, c.beep ? 1 : 0) << c.tasti;
        EXPECT_EQ(PaginaModificata, c.flag) << c.tasti;
        EXPECT_EQ(fuoco(), campo("TXTViaSede")) << c.tasti;
    }
    EXPECT_EQ(ChiaveComune, QString());
    EXPECT_EQ(ComuneTrovato, 0);
}

// --- The open list -----------------------------------------------------------------

TEST_F(Ricerche, TheListIsTheReferenceOrderWithTheProvinceBesideEachName)
{
    EXPECT_EQ(sede()->count(), 0); // empty until it is opened
    entra(sede());
    apriElenco(sede());
    EXPECT_EQ(sede()->currentText(), QString()); // opening empties the text
    QStringList voci;
    for (int i = 0; i < sede()->count(); ++i)
        voci << sede()->itemText(i) + QLatin1Char('/') + ricerca("CMBComuneSede")->dettaglio(i);
    // The row without a name is an empty entry, the one without province a bare name.
    EXPECT_EQ(voci.join(QLatin1Char(' ')),
              QStringLiteral("/RM ANCONA/AN L'AQUILA/AQ LIVO/CO LIVO/TN MACERATA/MC SANT'ELPIDIO A "
                             "MARE/FM SENZA DATI/ "
                             "ZUNGRI/VV"));
    // Drawn so: the province at the right end of its row, one height for all rows.
    auto *vista = qobject_cast<QListView *>(sede()->view());
    ASSERT_TRUE(vista);
    EXPECT_TRUE(vista->uniformItemSizes());
    const auto coloriADestra = [vista](int voce) {
        const QRect riga = vista->visualRect(vista->model()->index(voce, 0));
        const QImage foto
            = vista->viewport()->grab(riga.adjusted(riga.width() * 3 / 4, 0, 0, 0)).toImage();
        QSet<QRgb> colori;
        for (int y = 0; y < foto.height(); ++y)
            for (int x = 0; x < foto.width(); ++x)
                colori.insert(foto.pixel(x, y));
        return colori.size();
    };
    EXPECT_GT(coloriADestra(1), 1); // ANCONA, AN
    EXPECT_EQ(coloriADestra(7), 1); // SENZA DATI, no province
    QTest::keyClick(sede()->view(), Qt::Key_Escape);
    // Opened again, it is made again, not doubled.
    apriElenco(sede());
    EXPECT_EQ(sede()->count(), 9);
    QTest::keyClick(sede()->view(), Qt::Key_Escape);
    EXPECT_EQ(PaginaModificata, 0);
    EXPECT_EQ(p.dialoghi.beep, 0);
}

TEST_F(Ricerche, TheEmptyEntryOfARowWithoutANameCannotBePicked)
{
    entra(sede());
    apriElenco(sede());
    ASSERT_EQ(sede()->itemText(0), QString());
    scegliAperto(sede(), 0);
    EXPECT_EQ(p.dialoghi.beep, 1);
    EXPECT_EQ(sedeMemorizzata(), QStringLiteral("MACERATA MC 62100"));
    EXPECT_EQ(sedeMostrata(), QStringLiteral("MACERATA MC 62100"));
    EXPECT_EQ(ComuneTrovato, 0);
    tab();
    EXPECT_EQ(sedeMemorizzata(), QStringLiteral("MACERATA MC 62100"));
    EXPECT_EQ(PaginaModificata, 0);
    EXPECT_EQ(p.dialoghi.beep, 1);
}

TEST_F(Ricerche, TheSecondOfTwoEqualNamesPickedKeepsItsProvince)
{
    entra(sede());
    apriElenco(sede());
    const int tn = voce("CMBComuneSede", QStringLiteral("LIVO"), QStringLiteral("TN"));
    ASSERT_GE(tn, 0);
    scegliAperto(sede(), tn);
    // At once: the sheet and both display boxes; the flag waits for the leave.
    EXPECT_EQ(sedeMemorizzata(), QStringLiteral("LIVO TN 38020"));
    EXPECT_EQ(sedeMostrata(), QStringLiteral("LIVO TN 38020"));
    EXPECT_EQ(sede()->currentText(), QStringLiteral("LIVO")); // the bare name
    EXPECT_EQ(PaginaModificata, 0);
    EXPECT_EQ(fuoco(), sede());
    tab();
    EXPECT_EQ(sedeMemorizzata(), QStringLiteral("LIVO TN 38020"));
    EXPECT_EQ(PaginaModificata, 1);

    // Entered and left again, or the same name typed over it: still TN, no flag.
    PaginaModificata = 0;
    entra(sede(), campo("TXTViaSede"));
    tab();
    scrivi(sede(), QStringLiteral("livo"), campo("TXTViaSede"));
    EXPECT_EQ(sedeMemorizzata(), QStringLiteral("LIVO TN 38020"));
    EXPECT_EQ(PaginaModificata, 0);

    // The first LIVO picked over the second: same name, other province, flag.
    entra(sede(), campo("TXTViaSede"));
    apriElenco(sede());
    scegliAperto(sede(), voce("CMBComuneSede", QStringLiteral("LIVO"), QStringLiteral("CO")));
    tab();
    EXPECT_EQ(sedeMostrata(), QStringLiteral("LIVO CO 22010"));
    EXPECT_EQ(PaginaModificata, 1);
    EXPECT_EQ(p.dialoghi.beep, 0);

    // Saved and found again after a restart, with its province.
    p.dialoghi.rispondi(dlg::vbYes);
    clic(p.finestra().CMDSalva);
    riavvia();
    apriPagina(2);
    EXPECT_EQ(sedeMostrata(), QStringLiteral("LIVO CO 22010"));
}

TEST_F(Ricerche, TheArrowKeysOnTheClosedBoxPickTheNextEntry)
{
    entra(sede());
    apriElenco(sede());
    scegliAperto(sede(), voce("CMBComuneSede", QStringLiteral("LIVO"), QStringLiteral("CO")));
    QTest::keyClick(sede(), Qt::Key_Down);
    EXPECT_FALSE(sede()->view()->isVisible());
    EXPECT_EQ(sedeMostrata(), QStringLiteral("LIVO TN 38020"));
    QTest::keyClick(sede(), Qt::Key_Down);
    EXPECT_EQ(sedeMostrata(), QStringLiteral("MACERATA MC 62100"));
    QTest::keyClick(sede(), Qt::Key_Up);
    EXPECT_EQ(sedeMemorizzata(), QStringLiteral("LIVO TN 38020"));
    EXPECT_EQ(PaginaModificata, 0);
    tab();
    EXPECT_EQ(sedeMemorizzata(), QStringLiteral("LIVO TN 38020"));
    EXPECT_EQ(PaginaModificata, 1); // LIVO of TN in place of MACERATA
    EXPECT_EQ(p.dialoghi.beep, 0);
}

TEST_F(Ricerche, APickThenAnotherTypedNameTakesTheTypedOne)
{
    entra(sede());
    apriElenco(sede());
    scegliAperto(sede(), voce("CMBComuneSede", QStringLiteral("LIVO"), QStringLiteral("TN")));
    QTest::keyClick(sede(), Qt::Key_A, Qt::ControlModifier);
    digita(QStringLiteral("zungri"));
    tab();
    EXPECT_EQ(sedeMostrata(), QStringLiteral("ZUNGRI VV 89867"));
    EXPECT_EQ(PaginaModificata, 1);
}

TEST_F(Ricerche, OpeningTheListIsNoFocusChangeAndClosingItUnpickedChangesNothing)
{
    scriviSenzaUscire(sede(), QStringLiteral("anc"));
    Fuoco *attivo = Fuoco::attivo();
    ASSERT_NE(attivo, nullptr);
    apriElenco(sede());
    EXPECT_EQ(Fuoco::attivo(), attivo); // no LostFocus, no GotFocus
    EXPECT_EQ(VecchioComuneSede, QStringLiteral("MACERATA"));
    EXPECT_EQ(p.dialoghi.beep, 0); // "anc" was not looked up
    QTest::keyClick(sede()->view(), Qt::Key_Escape);
    EXPECT_EQ(fuoco(), sede());
    EXPECT_EQ(sede()->currentText(), QString()); // not put back by a focus-in
    EXPECT_EQ(sedeMemorizzata(), QStringLiteral("MACERATA MC 62100"));
    tab(); // left empty: as a cleared box
    EXPECT_EQ(sedeMostrata(), QStringLiteral("MACERATA MC 62100"));
    EXPECT_EQ(PaginaModificata, 0);
    EXPECT_EQ(p.dialoghi.beep, 0);
}

TEST_F(Ricerche, EnterAddsNothingAndTheWheelChangesNothing)
{
    entra(sede());
    apriElenco(sede());
    QTest::keyClick(sede()->view(), Qt::Key_Escape);
    const int voci = sede()->count();
    // Enter on a name that is no entry, then on one that is.
    for (const char *tasti : {"NUOVO COMUNE", "ANCONA"}) {
        QTest::keyClick(sede(), Qt::Key_A, Qt::ControlModifier);
        digita(QString::fromLatin1(tasti));
        QTest::keyClick(sede(), Qt::Key_Return);
        EXPECT_EQ(sede()->count(), voci) << tasti;
        EXPECT_EQ(sede()->currentText(), QString::fromLatin1(tasti)) << tasti;
        EXPECT_EQ(sedeMemorizzata(), QStringLiteral("MACERATA MC 62100")) << tasti; // no pick
        EXPECT_EQ(fuoco(), sede()) << tasti;
    }
    tab();
    EXPECT_EQ(sedeMemorizzata(), QStringLiteral("ANCONA AN 60121"));

    // The wheel over the closed box, focused or not.
    for (QWidget *dove :
         {static_cast<QWidget *>(sede()), static_cast<QWidget *>(campo("TXTViaSede"))}) {
        entra(dove);
        const QPoint centro = sede()->rect().center();
        QWheelEvent ruota(centro, sede()->mapToGlobal(centro), QPoint(), QPoint(0, -120),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(sede(), &ruota);
        EXPECT_EQ(sede()->currentText(), QStringLiteral("ANCONA"));
        EXPECT_EQ(sedeMemorizzata(), QStringLiteral("ANCONA AN 60121"));
    }
    EXPECT_EQ(p.dialoghi.beep, 0);
}

TEST_F(Ricerche, NothingIsCompletedAndAnExactNameLeftAfterOpeningTakesTheFirstOfItsName)
{
    entra(sede());
    apriElenco(sede());
    QTest::keyClick(sede()->view(), Qt::Key_Escape);
    QSignalSpy scelte(sede(), &QComboBox::activated);
    digita(QStringLiteral("ANC"));
    EXPECT_EQ(sede()->currentText(), QStringLiteral("ANC"));
    EXPECT_EQ(sede()->lineEdit()->selectedText(), QString());
    QTest::keyClick(sede(), Qt::Key_A, Qt::ControlModifier);
    digita(QStringLiteral("LIVO"));
    tab();
    EXPECT_EQ(scelte.count(), 0); // leaving is no pick
    EXPECT_EQ(sedeMostrata(), QStringLiteral("LIVO CO 22010"));
}

// --- The two boxes of page 2 -------------------------------------------------------

TEST_F(Ricerche, TheTwoMunicipalityBoxesNeverDisturbEachOther)
{
    const auto postaMostrata = [this] {
        return posta()->currentText() + QLatin1Char(' ') + campo("TXTProvPosta")->text()
               + QLatin1Char(' ') + campo("TXTCapPosta")->text();
    };
    const auto postaMemorizzata = [] {
        return testo("comune_posta") + QLatin1Char(' ') + testo("prov_posta") + QLatin1Char(' ')
               + testo("cap_posta");
    };
    entra(sede());
    apriElenco(sede());
    const int tn = voce("CMBComuneSede", QStringLiteral("LIVO"), QStringLiteral("TN"));
    scegliAperto(sede(), tn);
    // The other box opens its own list while the first holds its pick.
    entra(posta());
    EXPECT_EQ(sedeMostrata(), QStringLiteral("LIVO TN 38020"));
    apriElenco(posta());
    EXPECT_EQ(posta()->count(), 9);
    scegliAperto(posta(), voce("CMBComunePosta", QStringLiteral("LIVO"), QStringLiteral("CO")));
    EXPECT_EQ(postaMostrata(), QStringLiteral("LIVO CO 22010"));
    tab();
    scrivi(sede(), QStringLiteral("zzz")); // wrong: the seat's own stored value comes back
    EXPECT_EQ(p.dialoghi.beep, 1);
    EXPECT_EQ(sedeMostrata(), QStringLiteral("LIVO TN 38020"));
    EXPECT_EQ(postaMemorizzata(), QStringLiteral("LIVO CO 22010"));
    EXPECT_EQ(postaMostrata(), QStringLiteral("LIVO CO 22010"));
    scrivi(posta(), QStringLiteral("l'aquila"));
    EXPECT_EQ(sedeMemorizzata(), QStringLiteral("LIVO TN 38020"));
    EXPECT_EQ(sedeMostrata(), QStringLiteral("LIVO TN 38020"));
    EXPECT_EQ(postaMostrata(), QStringLiteral("L'AQUILA AQ 67100"));
    EXPECT_EQ(VecchioComuneSede, QStringLiteral("LIVO"));
    EXPECT_EQ(ChiaveComunePosta, QStringLiteral("L'AQUILA"));
    EXPECT_EQ(ComunePostaTrovato, 1);
    // Each list is its own: the seat's still holds its entries.
    EXPECT_EQ(sede()->count(), 9);
    EXPECT_EQ(sede()->itemText(tn), QStringLiteral("LIVO"));
}

// --- Validare ------------------------------------------------------------------

TEST_F(Ricerche, ValidareCommitsTheTypedNameAndTakesAFreshValueOnEntry)
{
    scriviSenzaUscire(sede(), QStringLiteral("ancona"));
    formMostrato()->Validare();
    EXPECT_EQ(NomeControllo, QStringLiteral("CMBComuneSede"));
    EXPECT_EQ(sedeMostrata(), QStringLiteral("ANCONA AN 60121"));
    EXPECT_EQ(sedeMemorizzata(), QStringLiteral("ANCONA AN 60121"));
    EXPECT_EQ(VecchioComuneSede, QStringLiteral("ANCONA"));
    EXPECT_EQ(PaginaModificata, 1);
    EXPECT_EQ(fuoco(), sede());
    PaginaModificata = 0;
    tab(); // the real leave finds no change since Validare
    EXPECT_EQ(PaginaModificata, 0);

    // The correspondence box commits too (no typed value is lost to a menu).
    scriviSenzaUscire(posta(), QStringLiteral("zungri"));
    p.dialoghi.rispondi(dlg::vbYes);
    p.finestra().MNUEsciItem->trigger();
    EXPECT_EQ(domandeSalva(), 1);
    EXPECT_EQ(salvato(1, "comune_sede"), Variant("ANCONA"));
    EXPECT_EQ(salvato(1, "comune_posta"), Variant("ZUNGRI"));
    EXPECT_EQ(salvato(1, "cap_posta"), Variant("89867"));
    EXPECT_EQ(p.uscita, 0);
}

TEST_F(Ricerche, AWrongNameCommittedByValidareBeepsAndShowsTheStoredOne)
{
    scriviSenzaUscire(sede(), QStringLiteral("roma"));
    formMostrato()->Validare();
    EXPECT_EQ(p.dialoghi.beep, 1);
    EXPECT_EQ(sedeMostrata(), QStringLiteral("MACERATA MC 62100"));
    EXPECT_EQ(PaginaModificata, 0);
}

// --- A pick is saved, whatever follows it ----------------------------------------

// A member as the user meets it on its page, on a row that holds `prima`.
struct MembroPagina
{
    int pagina;
    int altra; // the page button pressed afterwards
    const char *combo;
    const char *voce;      // the entry picked
    const char *dettaglio; // shown beside it in the list (nullptr: none)
    QStringList colonne;   // the stored value, then its dependants
    QStringList prima;     // in the row before the pick
    QStringList scelta;    // after it
    QStringList caselle;   // the display boxes of the dependants
};

const MembroPagina MembriPagina[] = {
    {2,
     3,
     "CMBComuneSede",
     "LIVO",
     "TN",
     {"comune_sede", "prov_sede", "cap_sede"},
     {"MACERATA", "MC", "62100"},
     {"LIVO", "TN", "38020"},
     {"TXTProvSede", "TXTCapSede"}},
    {4,
     5,
     "CMBIstat",
     "01.11",
     nullptr,
     {"istat_codice", "istat_descrizione"},
     {"A", "AGRICOLTURA"},
     {"01.11", "Coltivazione di cereali"},
     {"TXTDescIstat"}},
};

// What the user does after the pick, before leaving the box by Tab.
struct Seguito
{
    const char *nome;
    void (*azione)(ComboScheda *);
    int beep;
};

const Seguito Seguiti[] = {
    {"the list opened again and closed unpicked",
     [](ComboScheda *b) {
         apriElenco(b);
         QTest::keyClick(b->view(), Qt::Key_Escape);
     },
     0},
    {"the box cleared",
     [](ComboScheda *b) {
         QTest::keyClick(b, Qt::Key_A, Qt::ControlModifier);
         QTest::keyClick(b, Qt::Key_Delete);
     },
     0},
    {"a wrong name typed",
     [](ComboScheda *b) {
         QTest::keyClick(b, Qt::Key_A, Qt::ControlModifier);
         digita(QStringLiteral("ZZZ"));
     },
     1},
    {"the empty entry picked", // refused: both lists hold a row without its key first
     [](ComboScheda *b) {
         apriElenco(b);
         scegliAperto(b, 0);
     },
     1},
    {"nothing", [](ComboScheda *) {}, 0},
};

class PreseSullaPagina : public ConProgramma
{
protected:
    void SetUp() override
    {
        p.cartella.esegui(FileIdentifica, PasswordIdentifica, ComuniProva);
        avvia({QStringLiteral("INSERT INTO Dati (denominazione) VALUES ('COOP')")});
    }

    // The row holds `valori` in `colonne`; page N loaded afresh on it.
    void aperta(const MembroPagina &m, const QStringList &valori)
    {
        QStringList set;
        for (qsizetype i = 0; i < m.colonne.size(); ++i)
            set << QStringLiteral("%1 = '%2'").arg(m.colonne[i], valori[i]);
        p.cartella.esegui(FileVarnex, PasswordVarnex,
                          QStringLiteral("UPDATE Dati SET %1 WHERE id_scheda = 1")
                              .arg(set.join(QStringLiteral(", "))));
        if (PaginaCorrente == m.pagina)
            apriPagina(m.altra);
        apriPagina(m.pagina);
        PaginaModificata = 0;
    }
    // The box and its display boxes, as the screen shows them.
    QStringList mostrati(const MembroPagina &m) const
    {
        QStringList v{campo<ComboScheda>(m.combo)->currentText()};
        for (const QString &c : m.caselle) {
            QWidget *w = campo<QWidget>(qPrintable(c));
            v << (qobject_cast<QPlainTextEdit *>(w)
                      ? qobject_cast<QPlainTextEdit *>(w)->toPlainText()
                      : qobject_cast<QLineEdit *>(w)->text());
        }
        return v;
    }
    static QStringList memorizzati(const MembroPagina &m)
    {
        QStringList v;
        for (const QString &c : m.colonne)
            v << testo(qPrintable(c));
        return v;
    }
    QStringList nellaRiga(const MembroPagina &m) const
    {
        QStringList v;
        for (const QString &c : m.colonne)
            v << salvato(1, qPrintable(c)).toText();
        return v;
    }
    // Entry `voce` (with `dettaglio` beside it) of the open list.
    int voce(const MembroPagina &m) const
    {
        auto *box = campo<ComboScheda>(m.combo);
        auto *r = qobject_cast<CampoRicerca *>(formMostrato()->campo(QString::fromLatin1(m.combo)));
        for (int i = 0; i < box->count(); ++i)
            if (box->itemText(i) == QLatin1String(m.voce)
                && (!m.dettaglio || r->dettaglio(i) == QLatin1String(m.dettaglio)))
                return i;
        return -1;
    }
};

TEST_F(PreseSullaPagina, APickIsSavedWhateverTheUserDoesBeforeLeavingTheBox)
{
    for (const MembroPagina &m : MembriPagina)
        for (const Seguito &s : Seguiti) {
            SCOPED_TRACE(std::string(m.combo) + ", then " + s.nome);
            aperta(m, m.prima);
            auto *box = campo<ComboScheda>(m.combo);
            entra(box);
            apriElenco(box);
            scegliAperto(box, voce(m));
            EXPECT_EQ(mostrati(m), m.scelta);
            EXPECT_EQ(PaginaModificata, 0); // the flag waits for the leave
            const int beep = p.dialoghi.beep;
            s.azione(box);
            tab();
            EXPECT_NE(fuoco(), box);
            EXPECT_EQ(p.dialoghi.beep - beep, s.beep);
            // What the screen shows is what the sheet holds: the pick.
            EXPECT_EQ(mostrati(m), m.scelta);
            EXPECT_EQ(memorizzati(m), m.scelta);
            EXPECT_EQ(PaginaModificata, 1);

            const int domande = domandeSalva();
            p.dialoghi.rispondi(dlg::vbYes);
            clic(p.finestra().CMDPag[m.altra]);
            EXPECT_EQ(domandeSalva(), domande + 1);
            EXPECT_EQ(PaginaCorrente, m.altra);
            EXPECT_EQ(nellaRiga(m), m.scelta);
        }
}

TEST_F(PreseSullaPagina, APickTakenBackBeforeTheLeaveAsksNothing)
{
    const MembroPagina &m = MembriPagina[0];
    aperta(m, m.scelta);
    auto *box = campo<ComboScheda>(m.combo);
    entra(box);
    scegli(box, 0); // the empty entry: refused, the stored one stays
    scegli(box, box->findText(QStringLiteral("MACERATA")));
    EXPECT_EQ(memorizzati(m), m.prima);
    apriElenco(box);
    scegliAperto(box, voce(m)); // back to the one on entry
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_Delete);
    tab();
    EXPECT_EQ(mostrati(m), m.scelta);
    EXPECT_EQ(PaginaModificata, 0);
    clic(p.finestra().CMDPag[m.altra]);
    EXPECT_EQ(domandeSalva(), 0);
    EXPECT_EQ(nellaRiga(m), m.scelta);
    EXPECT_EQ(p.dialoghi.beep, 1);
}

// --- Lists that hold nothing ---------------------------------------------------------

class RicercheSenzaElenco : public ConProgramma
{};

TEST_F(RicercheSenzaElenco, AnEmptyListFindsNothingAndNeverFails)
{
    p.cartella.esegui(FileIdentifica, PasswordIdentifica, QStringLiteral("DELETE FROM comune"));
    avviaSuPagina(2,
                  QStringLiteral("comune_sede = 'ANCONA', prov_sede = 'AN', cap_sede = '60121'"));
    auto *sede = campo<ComboScheda>("CMBComuneSede");
    entra(sede);
    tab(); // the stored name is no entry now: wrong input
    EXPECT_EQ(p.dialoghi.beep, 1);
    // Opening it: nothing to show, and the text emptied as by any opening.
    QTest::mouseClick(sede, Qt::LeftButton, {}, QPoint(sede->width() - 6, sede->height() / 2));
    EXPECT_EQ(sede->count(), 0);
    EXPECT_FALSE(sede->view()->isVisible());
    EXPECT_EQ(sede->currentText(), QString());
    tab();
    EXPECT_EQ(p.dialoghi.beep, 1);
    EXPECT_EQ(sede->currentText(), QStringLiteral("ANCONA"));
    scrivi(sede, QStringLiteral("ancona"), campo("TXTViaSede"));
    EXPECT_EQ(p.dialoghi.beep, 2);
    EXPECT_EQ(sede->currentText(), QStringLiteral("ANCONA"));
    EXPECT_EQ(campo("TXTProvSede")->text(), QStringLiteral("AN"));
    EXPECT_EQ(PaginaModificata, 0);
    EXPECT_TRUE(p.dialoghi.mostrati.isEmpty()); // no error box
}

// --- The three boxes page 4 places -------------------------------------------------

// The local unit's municipality and the two activity codes on a page of
// their own, built from rows as page 4 gives them.
class RicerchePagina4 : public ConProgramma
{
protected:
    void SetUp() override
    {
        p.cartella.esegui(FileIdentifica, PasswordIdentifica, ComuniProva);
        avvia(1);
        pagina = std::make_unique<QWidget>();
        // Page 4's own rows of the three boxes and their display boxes,
        // without their labels, placed anew; TXTDescIstat on one line, so
        // that both kinds of display box are seen.
        const struct
        {
            const char *nome;
            Posto posto;
            int tab;
            bool righe = false;
        } posti[] = {
            {"CMBComuneLoc", {120, 120, 4455}, 0},
            {"TXTProvLoc", {4700, 120, 600}, -1},
            {"TXTCapLoc", {5400, 120, 900}, -1},
            {"CMBIstatPromo", {120, 600, 1500}, 1},
            {"TXTDescIstatPromo", {1800, 600, 4000, 600}, -1, true},
            {"CMBIstat", {120, 1400, 1500}, 2},
            {"TXTDescIstat", {1800, 1400, 4000}, -1},
        };
        const DatiPagina pagina4 = scheda::pagina4();
        std::vector<Elemento> righe;
        for (const auto &x : posti) {
            const auto e = std::find_if(pagina4.righe.begin(), pagina4.righe.end(),
                                        [&x](const Elemento &e) { return e.nome == x.nome; });
            ASSERT_NE(e, pagina4.righe.end()) << x.nome;
            Elemento r = *e;
            r.testo.clear();
            r.posto = x.posto;
            r.in.clear();
            r.tab = x.tab;
            r.righe = x.righe;
            righe.push_back(r);
        }
        const PaginaCostruita fatta = costruisciPagina(pagina.get(), righe);
        campi = fatta.campi;
        for (const char *t :
             {"comune_loc", "prov_loc", "cap_loc", "istat_codice_promo", "istat_codice"})
            imposta(QString::fromLatin1(t), Variant(""));
        for (Campo *c : campi)
            c->mostra();
        pagina->resize(500, 200);
        pagina->show();
        pagina->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(pagina.get()));
        PaginaModificata = 0;
    }
    void TearDown() override { pagina.reset(); }

    template<typename W = ComboScheda>
    W *w(const char *nome) const
    {
        return figlio<W>(pagina.get(), QString::fromLatin1(nome));
    }

    std::unique_ptr<QWidget> pagina;
    QList<Campo *> campi;
};

TEST_F(RicerchePagina4, TheLocalUnitTakesOnlyMunicipalitiesOfTheRegion)
{
    entra(w("CMBComuneLoc"));
    apriElenco(w("CMBComuneLoc"));
    QStringList voci;
    for (int i = 0; i < w("CMBComuneLoc")->count(); ++i)
        voci << w("CMBComuneLoc")->itemText(i);
    EXPECT_EQ(voci.join(QLatin1Char(',')), QStringLiteral("ANCONA,MACERATA,SANT'ELPIDIO A MARE"));
    QTest::keyClick(w("CMBComuneLoc")->view(), Qt::Key_Escape);
    scrivi(w("CMBComuneLoc"), QStringLiteral("livo"), w("CMBIstatPromo"));
    EXPECT_EQ(p.dialoghi.beep, 1);
    EXPECT_EQ(testo("comune_loc"), QString());
    scrivi(w("CMBComuneLoc"), QStringLiteral("sant'elpidio a mare"), w("CMBIstatPromo"));
    EXPECT_EQ(testo("comune_loc") + testo("prov_loc") + testo("cap_loc"),
              QStringLiteral("SANT'ELPIDIO A MAREFM63811"));
    EXPECT_EQ(w<QLineEdit>("TXTProvLoc")->text(), QStringLiteral("FM"));
    EXPECT_EQ(w<QLineEdit>("TXTCapLoc")->text(), QStringLiteral("63811"));
    EXPECT_EQ(VecchioComuneLoc, QString()); // taken when the box was entered
    EXPECT_EQ(ChiaveComune, QStringLiteral("SANT'ELPIDIO A MARE"));
    EXPECT_EQ(PaginaModificata, 1);
}

TEST_F(RicerchePagina4, TheTwoActivityCodeBoxesShareTheirListAndNeverDisturbEachOther)
{
    entra(w("CMBIstatPromo"));
    apriElenco(w("CMBIstatPromo"));
    QStringList voci;
    for (int i = 0; i < w("CMBIstatPromo")->count(); ++i)
        voci << w("CMBIstatPromo")->itemText(i);
    EXPECT_EQ(voci.join(QLatin1Char(',')), QStringLiteral(",01.11,01.12,55.30,93.02"));
    scegliAperto(w("CMBIstatPromo"), 3);
    EXPECT_EQ(w<QPlainTextEdit>("TXTDescIstatPromo")->toPlainText(), QStringLiteral("Ristoranti"));
    // The other box, typed while the first holds its pick.
    scrivi(w("CMBIstat"), QStringLiteral("01.12"));
    EXPECT_EQ(testo("istat_codice_promo"), QStringLiteral("55.30"));
    EXPECT_EQ(testo("istat_descrizione_promo"), QStringLiteral("Ristoranti"));
    EXPECT_EQ(testo("istat_codice"), QStringLiteral("01.12"));
    EXPECT_EQ(w<QLineEdit>("TXTDescIstat")->text(), QStringLiteral("Coltivazione di ortaggi"));
    scrivi(w("CMBIstat"), QStringLiteral("93.02")); // its description is Null: an empty text
    EXPECT_EQ(testo("istat_descrizione"), QString());
    EXPECT_EQ(w<QLineEdit>("TXTDescIstat")->text(), QString());
    entra(w("CMBIstatPromo"));
    apriElenco(w("CMBIstatPromo"));
    scegliAperto(w("CMBIstatPromo"), 1);
    tab();
    EXPECT_EQ(testo("istat_codice_promo") + QLatin1Char(' ') + testo("istat_descrizione_promo"),
              QStringLiteral("01.11 Coltivazione di cereali"));
    EXPECT_EQ(testo("istat_codice"), QStringLiteral("93.02"));
    EXPECT_EQ(w("CMBIstat")->currentText(), QStringLiteral("93.02"));
    EXPECT_EQ(ChiaveIstat, QStringLiteral("01.11"));
    EXPECT_EQ(IstatTrovato, 1);
    EXPECT_EQ(p.dialoghi.beep, 0);
    EXPECT_EQ(PaginaModificata, 1);
}

} // namespace
