// Page 6 in the whole program on real files: the percentages, the names and
// codes, the 42 columns through Salva and a restart, the Null defaults and
// the fixed types, the menu commands and the layout (the foot button:
// PulsantiPiedeTest).

#include "Interazione.h"

#include "core/Globali.h"
#include "pages/PaginaScheda.h"
#include "pages/campi/Tabella.h"
#include "platform/ui/Twips.h"
#include "shell/MostraPagina.h"

#include <QGroupBox>
#include <QLabel>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace scheda;
using ado::Variant;
using namespace prova;

namespace {

// The fourteen lines: box suffix and column stem, in the focus order.
struct Linea
{
    QString box, colonna;
};
QList<Linea> linee()
{
    QList<Linea> l{{QStringLiteral("Promo"), QStringLiteral("promo")},
                   {QStringLiteral("Societa"), QStringLiteral("societa")}};
    for (const auto &[box, colonna] :
         {std::pair{"Banca", "banca"}, {"Ente", "ente"}, {"Person", "person"}})
        for (int n = 1; n <= 4; ++n)
            l.append({QLatin1String(box) + QString::number(n),
                      QLatin1String(colonna) + QString::number(n)});
    return l;
}

class Pagina6 : public ConPagina<6>
{
protected:
    Variant salvato(const QString &colonna) const
    {
        return ConProgramma::salvato(1, qPrintable(colonna));
    }
};

// --- Percentages ---------------------------------------------------------------

TEST_F(Pagina6, PercentageCommits)
{
    apri();
    const NumeroScritto casi[] = {
        {"150", 0, true, true, 100, "100,00", "100"},
        {"150", 100, true, true, 100, "100,00", "100"},
        {"12,3456", 0, true, true, 12.346, "12,35", "12,346"},
        {"1,0625", 0, true, true, 1.062, "1,06", "1,062"}, // half to even
        {"1,1875", 0, true, true, 1.188, "1,19", "1,188"},
        {"33,3333", 0, true, true, 33.333, "33,33", "33,333"},
        {"-5", 0, true, true, -5, "-5,00", "-5"}, // no lower bound
        {"12,5", 12.5, true, false, 12.5, "12,50", "12,5"},
        {"12,5004", 12.5, true, true, 12.5, "12,50", "12,5"},
        {"0.5", 0, true, true, 0.5, ",50", "0,5"}, // the key "." types ","
        {"", 0, false, false, 0, "0", "0"},        // beep, the plain stored value back
        {"abc", 7, false, false, 7, "7", "7"},
    };
    // An ordinary member and one whose variable is a double.
    for (const char *membro : {"Banca1", "Person4"}) {
        const QString nome = QStringLiteral("TXTPerc") + QLatin1String(membro);
        const QString colonna = QStringLiteral("perc") + QString::fromLatin1(membro).toLower();
        for (const auto &c : casi) {
            SCOPED_TRACE(qPrintable(nome + QLatin1Char(' ') + QLatin1String(c.tasti)));
            scriviNumero(nome, colonna, QStringLiteral("TXTPromo"), c);
        }
    }
    EXPECT_EQ(valore(QStringLiteral("percperson4")).kind(), Variant::Kind::Double);
}

TEST_F(Pagina6, AStoredPercentageAbove100CutOnLeavingMarksThePageAndIsSaved)
{
    apri(QStringLiteral("percbanca2 = 150, percente3 = 100.0004"));
    EXPECT_EQ(campo(QStringLiteral("TXTPercBanca2"))->text(),
              QStringLiteral("150,00")); // shown as stored
    entra(campo(QStringLiteral("TXTPercBanca2")));
    EXPECT_EQ(campo(QStringLiteral("TXTPercBanca2"))->text(), QStringLiteral("150"));
    tab();
    EXPECT_EQ(valore(QStringLiteral("percbanca2")).toDouble(), 100.0);
    EXPECT_EQ(campo(QStringLiteral("TXTPercBanca2"))->text(), QStringLiteral("100,00"));
    EXPECT_EQ(PaginaModificata, 1);
    PaginaModificata = 0;
    scrivi(campo(QStringLiteral("TXTPercEnte3")),
           QStringLiteral("100,0004")); // the stored value retyped
    EXPECT_EQ(valore(QStringLiteral("percente3")).toDouble(), 100.0);
    EXPECT_EQ(PaginaModificata, 1);
    EXPECT_EQ(p.dialoghi.beep, 0);

    // So the save question comes, and the row agrees with the screen.
    p.dialoghi.rispondi(dlg::vbYes);
    clic(p.finestra().CMDPag[5]);
    EXPECT_EQ(domandeSalva(), 1);
    EXPECT_EQ(salvato(QStringLiteral("percbanca2")).toDouble(), 100.0);
    EXPECT_EQ(salvato(QStringLiteral("percente3")).toDouble(), 100.0);
}

// --- Names and codes -------------------------------------------------------------

TEST_F(Pagina6, NamesAndCodesAreStoredUpperCaseAndMayBeEmptied)
{
    apri(QStringLiteral("banca3 = 'banca minuscola', ivaente2 = 'AB12'"));
    EXPECT_EQ(campo(QStringLiteral("TXTBanca3"))->text(),
              QStringLiteral("banca minuscola")); // as stored
    entra(campo(QStringLiteral("TXTBanca3")));
    tab();
    EXPECT_EQ(valore(QStringLiteral("banca3")), Variant("BANCA MINUSCOLA"));
    EXPECT_EQ(campo(QStringLiteral("TXTBanca3"))->text(), QStringLiteral("BANCA MINUSCOLA"));
    EXPECT_EQ(PaginaModificata, 1);

    PaginaModificata = 0;
    scrivi(campo(QStringLiteral("TXTIvaEnte2")),
           QStringLiteral("ab12")); // the same text upper-cased
    EXPECT_EQ(PaginaModificata, 0);
    EXPECT_EQ(campo(QStringLiteral("TXTIvaEnte2"))->text(), QStringLiteral("AB12"));
    scrivi(campo(QStringLiteral("TXTIvaEnte2")), QString());
    EXPECT_EQ(valore(QStringLiteral("ivaente2")), Variant(""));
    EXPECT_EQ(PaginaModificata, 1);

    // The limits: 50 for a name, 16 for a code.
    scrivi(campo(QStringLiteral("TXTEnte1")), QString(60, QLatin1Char('x')));
    EXPECT_EQ(valore(QStringLiteral("ente1")), Variant(QString(50, QLatin1Char('X'))));
    scrivi(campo(QStringLiteral("TXTIvaPerson1")), QStringLiteral("rssmra60c05a271xyz"));
    EXPECT_EQ(valore(QStringLiteral("ivaperson1")), Variant("RSSMRA60C05A271X"));

    clic(p.finestra().CMDSalva);
    EXPECT_EQ(salvato(QStringLiteral("ivaente2")), Variant("")); // the empty text, not Null
    EXPECT_EQ(salvato(QStringLiteral("banca3")), Variant("BANCA MINUSCOLA"));
    EXPECT_EQ(p.dialoghi.beep, 0);
}

// --- Every column, saved and found again ---------------------------------------

TEST_F(Pagina6, All42ColumnsGoThroughSalvaAndComeBackAfterARestart)
{
    apri();
    const QList<Linea> l = linee();
    for (qsizetype i = 0; i < l.size(); ++i) {
        scriviSenzaUscire(campo(QStringLiteral("TXT") + l[i].box),
                          QStringLiteral("socio ") + l[i].colonna);
        scriviSenzaUscire(campo(QStringLiteral("TXTIva") + l[i].box),
                          QStringLiteral("iva%1").arg(i));
        scriviSenzaUscire(campo(QStringLiteral("TXTPerc") + l[i].box),
                          QStringLiteral("%1,25").arg(i));
    }
    clic(p.finestra().CMDSalva); // the last box commits as the button takes the focus
    EXPECT_EQ(p.dialoghi.beep, 0);
    EXPECT_EQ(PaginaModificata, 0);
    QMap<QString, std::function<void()>> verifiche;
    const auto verifica = [&](const QString &colonna, const Variant &atteso) {
        verifiche[colonna] = [this, colonna, atteso] {
            EXPECT_EQ(salvato(colonna), atteso) << qPrintable(colonna);
        };
    };
    for (qsizetype i = 0; i < l.size(); ++i) {
        verifica(l[i].colonna, Variant(QStringLiteral("SOCIO ") + l[i].colonna.toUpper()));
        verifica(QStringLiteral("iva") + l[i].colonna, Variant(QStringLiteral("IVA%1").arg(i)));
        verifica(QStringLiteral("perc") + l[i].colonna, Variant(i + 0.25));
    }
    verificaColonnePagina(6, verifiche);

    riavvia();
    apriPagina(6);
    EXPECT_TRUE(p.dialoghi.mostrati.isEmpty());
    EXPECT_EQ(f()->windowTitle(), QStringLiteral("Pagina 6 - COOP"));
    for (qsizetype i = 1; i < l.size(); ++i) { // line 0's name box has the focus
        SCOPED_TRACE(qPrintable(l[i].colonna));
        EXPECT_EQ(campo(QStringLiteral("TXT") + l[i].box)->text(),
                  QStringLiteral("SOCIO ") + l[i].colonna.toUpper());
        EXPECT_EQ(campo(QStringLiteral("TXTIva") + l[i].box)->text(),
                  QStringLiteral("IVA%1").arg(i));
        EXPECT_EQ(campo(QStringLiteral("TXTPerc") + l[i].box)->text(),
                  QStringLiteral("%1,25").arg(i));
    }
    EXPECT_EQ(fuoco(), campo(QStringLiteral("TXTPromo")));
    EXPECT_EQ(PaginaModificata, 0);
}

TEST_F(Pagina6, ARowOfNullsShowsTheDefaultsAndTheFixedTypesHold)
{
    apri();
    for (const Linea &l : linee()) {
        EXPECT_EQ(campo(QStringLiteral("TXT") + l.box)->text(), QString()) << qPrintable(l.box);
        EXPECT_EQ(campo(QStringLiteral("TXTIva") + l.box)->text(), QString()) << qPrintable(l.box);
        EXPECT_EQ(campo(QStringLiteral("TXTPerc") + l.box)->text(), QStringLiteral(",00"))
            << qPrintable(l.box);
    }
    EXPECT_EQ(f()->windowTitle(), QStringLiteral("Pagina 6 - COOP"));
    EXPECT_EQ(PaginaModificata, 0);
    const struct
    {
        const char *colonna;
        Variant atteso;
    } tipi[] = {
        {"percbanca1", Variant(0)}, {"percbanca4", Variant(0.0)}, {"percperson4", Variant(0.0)},
        {"ivabanca4", Variant("")}, {"ivaente4", Variant("")},    {"ivaperson4", Variant("")},
        {"promo", Variant("")},
    };
    for (const auto &t : tipi)
        EXPECT_EQ(valore(QString::fromLatin1(t.colonna)), t.atteso) << t.colonna; // kind and value

    f()->Salva();
    EXPECT_EQ(salvato(QStringLiteral("promo")), Variant(""));
    EXPECT_EQ(salvato(QStringLiteral("percbanca4")), Variant(0.0));
    EXPECT_EQ(salvato(QStringLiteral("percente1")).toDouble(), 0.0);

    // A code typed as digits stays a text; a whole percentage is held as a double.
    scrivi(campo(QStringLiteral("TXTIvaBanca4")), QStringLiteral("12345"));
    scrivi(campo(QStringLiteral("TXTPercBanca4")), QStringLiteral("7"));
    EXPECT_EQ(valore(QStringLiteral("ivabanca4")), Variant("12345"));
    EXPECT_EQ(valore(QStringLiteral("percbanca4")), Variant(7.0));
    clic(p.finestra().CMDSalva);
    riavvia();
    apriPagina(6);
    EXPECT_EQ(valore(QStringLiteral("ivabanca4")), Variant("12345"));
    EXPECT_EQ(valore(QStringLiteral("percbanca4")), Variant(7.0));
}

// --- Menu commands -------------------------------------------------------------

TEST_F(Pagina6, ValidareCommitsThePendingEditOfAnyBox)
{
    apri();
    validaOgni({
        {"TXTSocieta", "fondo", "societa", Variant("FONDO")},
        {"TXTIvaEnte4", "x1", "ivaente4", Variant("X1")},
        {"TXTPercPerson2", "40", "percperson2", Variant(40.0)},
        {"TXTPercSocieta", "12,3456", "percsocieta", Variant(12.346)}, // three decimals, two shown
    });

    // "&Esci" takes no focus: the pending name is committed, then saved.
    scriviSenzaUscire(campo("TXTPerson3"), QStringLiteral("gamma srl"));
    esciSalvando();
    EXPECT_EQ(salvato(QStringLiteral("person3")), Variant("GAMMA SRL"));
    EXPECT_EQ(salvato(QStringLiteral("percperson2")).toDouble(), 40.0);
}

TEST_F(Pagina6, APercentageCommittedByAMenuCommandKeepsItsThirdDecimalWhenItsBoxIsLeft)
{
    apri();
    scriviSenzaUscire(campo("TXTPercSocieta"), QStringLiteral("12,3456"));
    p.dialoghi.rispondi(dlg::vbYes); // save the page; the export then finds data missing
    p.finestra().EsposrtaScheda->trigger();
    EXPECT_EQ(domandeSalva(), 1);
    EXPECT_EQ(salvato(QStringLiteral("percsocieta")).toDouble(), 12.346);
    // The box still has the focus, showing the stored value in its pattern.
    EXPECT_EQ(fuoco(), campo("TXTPercSocieta"));
    EXPECT_EQ(campo("TXTPercSocieta")->text(), QStringLiteral("12,35"));

    // Leaving it for page 5 stores nothing new and asks nothing.
    clic(p.finestra().CMDPag[5]);
    EXPECT_EQ(domandeSalva(), 1);
    EXPECT_EQ(salvato(QStringLiteral("percsocieta")).toDouble(), 12.346);
    EXPECT_EQ(PaginaCorrente, 5);

    // What the user types over the pattern is read as typed.
    apriPagina(6);
    scriviSenzaUscire(campo("TXTPercSocieta"), QStringLiteral("12,3456"));
    f()->Validare();
    campo("TXTPercSocieta")->selectAll();
    digita(QStringLiteral("12,35"));
    tab();
    EXPECT_EQ(valore(QStringLiteral("percsocieta")), Variant(12.35));
}

// --- Layout --------------------------------------------------------------------

TEST_F(Pagina6, LayoutCaptionsLimitsAndFocusOrder)
{
    apri();
    const struct
    {
        const char *nome;
        campi::Posto posto;
        const char *testo; // labels: the caption, bold for the heading and the column heads
        bool grassetto;
    } posti[] = {
        {"Label17", {480, 360, 4335, 255}, "D) DATI PER IL CALCOLO DEL PUNTEGGIO", true},
        {"Frame5", {480, 720, 8295, 8775}, nullptr, false},
        {"Label22", {5760, 600, 975, 255}, "DOMANDA", true},
        {"Label4", {360, 1080, 1455, 255}, "SOCI", true},
        {"Label1", {4560, 1080, 1695, 255}, "P. IVA o Cod. Fisc.", true},
        {"Label2", {6720, 1080, 255, 255}, "%", true},
        {"Label6", {360, 1440, 1575, 255}, "Soggetto promotore :", false},
        {"Label7",
         {360, 2160, 3735, 255},
         "Società di gestione Fondi per lo sviluppo della Coop. :",
         false},
        {"Label11", {360, 2880, 4095, 255}, "Banche o altri intermediari finanziari :", false},
        {"Label13", {360, 4680, 4095, 255}, "Enti pubblici :", false},
        {"Label3", {360, 6480, 4095, 255}, "Persone giuridiche di natura privata :", false},
        {"TXTPromo", {360, 1680, 4095, 285}, nullptr, false},
        {"TXTIvaSocieta", {4680, 2400, 1455, 285}, nullptr, false},
        {"TXTPercBanca1", {6360, 3120, 975, 285}, nullptr, false},
        {"TXTBanca4", {360, 4200, 4095, 285}, nullptr, false},
        {"TXTIvaEnte1", {4680, 4920, 1455, 285}, nullptr, false},
        {"TXTPercEnte4", {6360, 6000, 975, 285}, nullptr, false},
        {"TXTPerson1", {360, 6720, 4095, 285}, nullptr, false},
        {"TXTPercPerson4", {6360, 7800, 975, 285}, nullptr, false},
        {"CMDPrec", {9120, 8400, 1095, 735}, nullptr, false},
        {"CMDSucces", {10440, 8400, 1095, 735}, nullptr, false},
    };
    for (const auto &q : posti) {
        const QWidget *w = f()->findChild<QWidget *>(QString::fromLatin1(q.nome));
        ASSERT_NE(w, nullptr) << q.nome;
        EXPECT_EQ(w->geometry(),
                  ui::rettangolo(q.posto.left, q.posto.top, q.posto.width, q.posto.height))
            << q.nome;
        if (const auto *l = qobject_cast<const QLabel *>(w)) {
            EXPECT_EQ(l->text(), QString::fromUtf8(q.testo)) << q.nome;
            EXPECT_EQ(l->font().bold(), q.grassetto) << q.nome;
        }
    }
    EXPECT_EQ(f()->findChild<QGroupBox *>(QStringLiteral("Frame5"))->title(),
              QStringLiteral("D.1) Percentuale di partecipazione al capitale di rischio"));
    EXPECT_EQ(campo("TXTPercPerson4")->parentWidget()->objectName(), QStringLiteral("Frame5"));
    EXPECT_EQ(f()->palette().color(QPalette::Window), QColor(192, 192, 255));

    QStringList ordine;
    for (const Linea &l : linee()) {
        SCOPED_TRACE(qPrintable(l.box));
        EXPECT_EQ(campo(QStringLiteral("TXT") + l.box)->maxLength(), 50);
        EXPECT_EQ(campo(QStringLiteral("TXTIva") + l.box)->maxLength(), 16);
        EXPECT_EQ(campo(QStringLiteral("TXTPerc") + l.box)->maxLength(), 32767);
        EXPECT_TRUE(campo(QStringLiteral("TXTPerc") + l.box)->alignment() & Qt::AlignRight);
        EXPECT_FALSE(campo(QStringLiteral("TXT") + l.box)->alignment() & Qt::AlignRight);
        ordine << QStringLiteral("TXT") + l.box << QStringLiteral("TXTIva") + l.box
               << QStringLiteral("TXTPerc") + l.box;
    }
    ordine << QStringLiteral("CMDPrec");
    seguiOrdineTab(ordine);
    tab(); // "Pag. Succes." is disabled: the order starts again
    EXPECT_EQ(fuoco()->objectName(), ordine[0]);
    EXPECT_EQ(p.dialoghi.beep, 0); // every box left as it was
    EXPECT_EQ(PaginaModificata, 0);
}

} // namespace
