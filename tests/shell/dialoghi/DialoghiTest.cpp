// The about box, the dialogs Apri, Nuovo and Trova, and the record grid
// window over the real data files.

#include "ProgrammaProva.h"

#include "core/Archivio.h"
#include "core/FileDati.h"
#include "core/Globali.h"
#include "pages/PaginaScheda.h"
#include "platform/db/Error.h"
#include "shell/MostraPagina.h"
#include "shell/dialoghi/Apri.h"
#include "shell/dialoghi/Nuovo.h"
#include "shell/dialoghi/Query.h"
#include "shell/dialoghi/Trova.h"
#include "shell/dialoghi/frmAbout.h"

#include <QApplication>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace scheda;

namespace {

int quanti(const char *classe)
{
    int n = 0;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->inherits(classe) && w->isVisible())
            ++n;
    return n;
}

void eliminaRinviati()
{
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// The focus moves to w as the user moves it with the Tab key.
void spostaFuoco(QWidget *w)
{
    QApplication::setActiveWindow(w->window());
    w->setFocus(Qt::TabFocusReason);
}

} // namespace

TEST(frmAbout, IsOneModelessWindowThatLeavesThePagesUsable)
{
    ProgrammaProva p;
    p.cartella.aggiungiSchede(2);
    ASSERT_TRUE(p.avvia());
    p.finestra().show();

    frmAbout *primo = mostraFrmAbout(&p.finestra());
    ASSERT_NE(primo, nullptr);
    frmAbout *secondo = mostraFrmAbout(&p.finestra());
    EXPECT_EQ(secondo, primo);
    EXPECT_EQ(quanti("scheda::frmAbout"), 1);
    EXPECT_TRUE(primo->isVisible());
    EXPECT_FALSE(primo->isModal());
    EXPECT_EQ(primo->windowModality(), Qt::NonModal);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);

    EXPECT_EQ(primo->windowTitle(), QStringLiteral("Informazioni su Trelm"));
    EXPECT_EQ(primo->lblVersion->text(), QStringLiteral("Versione 1.0"));
    EXPECT_EQ(primo->lblVersion->geometry(), QRect(144, 440, 259, 16));
    EXPECT_TRUE(primo->lblVersion->alignment() & Qt::AlignHCenter);
    EXPECT_TRUE(primo->lblTitle->alignment() & Qt::AlignHCenter);
    EXPECT_EQ(primo->lblTitle->geometry().topLeft(), QPoint(80, 424));
    EXPECT_EQ(primo->picIcon->pos(), QPoint(16, 16));
    EXPECT_FALSE(primo->picIcon->pixmap().isNull());
    EXPECT_EQ(primo->palette().color(QPalette::Window), QColor(0xC0, 0xC0, 0xFF));
    EXPECT_FALSE(primo->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(primo->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(primo->windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_EQ(primo->minimumSize(), primo->maximumSize()) << "fixed border";

    // The pages go on while the box is open.
    p.finestra().CMDPag[2]->click();
    EXPECT_EQ(PaginaCorrente, 2);
    EXPECT_NE(Form(2), nullptr);
    EXPECT_TRUE(primo->isVisible());

    // Closed by its close box, it opens anew next time.
    QPointer<frmAbout> chiuso = primo;
    primo->close();
    eliminaRinviati();
    EXPECT_TRUE(chiuso.isNull());
    frmAbout *terzo = mostraFrmAbout(&p.finestra());
    EXPECT_TRUE(terzo->isVisible());
    EXPECT_EQ(quanti("scheda::frmAbout"), 1);
    terzo->close();
    eliminaRinviati();
}

template<class Dialogo>
void regoleProtocollo(const QString &caption, QPushButton *Dialogo::*conferma)
{
    Dialogo d;
    d.TXTProtocollo3->setText(QStringLiteral("resto"));
    d.Form_Load();
    EXPECT_TRUE(d.TXTProtocollo3->text().isEmpty()) << "the load event empties the box";
    EXPECT_EQ(d.windowTitle(), caption);
    d.show();
    QApplication::setActiveWindow(&d);
    EXPECT_EQ(QApplication::focusWidget(), d.TXTProtocollo3) << "first in focus order";
    EXPECT_EQ(d.TXTProtocollo3->nextInFocusChain(), d.*conferma);

    QTest::keyClicks(d.TXTProtocollo3, QStringLiteral("ab-12c"));
    spostaFuoco(d.*conferma);
    EXPECT_EQ(d.TXTProtocollo3->text(), QStringLiteral("AB-12C"))
        << "upper case on losing the focus";
    spostaFuoco(d.TXTProtocollo3);
    EXPECT_TRUE(d.TXTProtocollo3->text().isEmpty()) << "emptied each time it gets the focus";

    // A pop-up taking the focus is no focus change of the program.
    QTest::keyClicks(d.TXTProtocollo3, QStringLiteral("xy"));
    QFocusEvent fuori(QEvent::FocusOut, Qt::PopupFocusReason);
    QApplication::sendEvent(d.TXTProtocollo3, &fuori);
    QFocusEvent dentro(QEvent::FocusIn, Qt::PopupFocusReason);
    QApplication::sendEvent(d.TXTProtocollo3, &dentro);
    EXPECT_EQ(d.TXTProtocollo3->text(), QStringLiteral("xy"));

    // The confirming button does nothing.
    (d.*conferma)->click();
    EXPECT_TRUE(d.isVisible());
    EXPECT_EQ(d.TXTProtocollo3->text(), QStringLiteral("xy"));

    // "Annulla" closes the dialog while the table has rows.
    TabellaVuota = 0;
    d.CMDAnnulla->click();
    EXPECT_FALSE(d.isVisible());
}

TEST(Apri, FocusAndCaseRules)
{
    regoleProtocollo<Apri>(QStringLiteral("Apri"), &Apri::CMDApriProgetto);
    Apri d;
    EXPECT_EQ(d.CMDApriProgetto->text(), QStringLiteral("Apri Progetto"));
    EXPECT_EQ(d.CMDAnnulla->text(), QStringLiteral("Annulla"));
    EXPECT_EQ(d.TXTProtocollo3->geometry(), QRect(152, 72, 81, 19));
    EXPECT_EQ(d.CMDApriProgetto->geometry(), QRect(48, 184, 97, 33));
}

TEST(Nuovo, FocusAndCaseRules)
{
    regoleProtocollo<Nuovo>(QStringLiteral("Nuovo Progetto"), &Nuovo::CMDNuovoProgetto);
    Nuovo d;
    EXPECT_EQ(d.CMDNuovoProgetto->text(), QStringLiteral("Nuovo Progetto"));
    EXPECT_EQ(d.TXTProtocollo3->geometry(), QRect(160, 80, 81, 19));
}

TEST(Apri, AnnullaOnAnEmptyTableEndsTheProgramWithTheFilesClosed)
{
    for (int quale = 0; quale < 2; ++quale) {
        ProgrammaProva p;
        p.cartella.aggiungiSchede(1);
        ASSERT_TRUE(p.avvia());
        TabellaVuota = 1;
        std::unique_ptr<DialogoProtocollo> d;
        if (quale == 0)
            d = std::make_unique<Apri>();
        else
            d = std::make_unique<Nuovo>();
        d->show();
        d->CMDAnnulla->click();
        ASSERT_TRUE(p.uscita.has_value()) << quale;
        EXPECT_EQ(*p.uscita, 0);
        EXPECT_EQ(RsDati, nullptr);
        EXPECT_EQ(ConnessioneDati, nullptr);
        EXPECT_TRUE(p.dialoghi.mostrati.isEmpty()) << "no question";
        TabellaVuota = 0;
    }
}

TEST(Trova, HasNoCaptionAndOnlyEsceActs)
{
    Trova d;
    EXPECT_TRUE(d.windowTitle().isEmpty());
    EXPECT_FALSE(d.windowFlags() & Qt::WindowTitleHint);
    EXPECT_FALSE(d.windowFlags() & Qt::WindowSystemMenuHint);
    EXPECT_FALSE(d.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(d.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(d.pos(), QPoint(57, 204));
    EXPECT_EQ(d.TXTKey->maxLength(), 50);
    EXPECT_EQ(d.TXTKey->geometry(), QRect(12, 24, 481, 21));
    EXPECT_EQ(d.CMDOk->text(), QStringLiteral("Ricerca"));
    EXPECT_EQ(d.CMDRipristina->text(), QStringLiteral("Esce"));
    d.show();
    QApplication::setActiveWindow(&d);
    EXPECT_EQ(QApplication::focusWidget(), d.TXTKey);

    QTest::keyClicks(d.TXTKey, QStringLiteral("coop"));
    spostaFuoco(d.CMDOk);
    EXPECT_EQ(d.TXTKey->text(), QStringLiteral("coop")) << "leaving the box changes nothing";
    d.CMDOk->click();
    EXPECT_TRUE(d.isVisible());
    EXPECT_EQ(d.TXTKey->text(), QStringLiteral("coop"));
    d.CMDRipristina->click();
    EXPECT_FALSE(d.isVisible());
}

TEST(Query, ListsEveryRowAndColumnOfDati)
{
    ProgrammaProva p;
    p.cartella.aggiungiSchede(3);
    ASSERT_TRUE(p.avvia());
    ASSERT_NE(Form(1), nullptr);

    Query *q = ApriQuery();
    ASSERT_NE(q, nullptr);
    EXPECT_EQ(PaginaCorrente, 10);
    EXPECT_EQ(Form(1), nullptr) << "the page shown closed";
    auto *sub = qobject_cast<QMdiSubWindow *>(q->parentWidget());
    ASSERT_NE(sub, nullptr);
    EXPECT_EQ(sub->mdiArea(), p.finestra().areaPagine());
    EXPECT_EQ(sub->geometry(), QRect(0, 0, 870, 1000));
    EXPECT_EQ(sub->windowTitle(), QStringLiteral("Query"));
    EXPECT_EQ(q->Adodc1->ConnectionString, QStringLiteral("DSN=Norvallo"));
    EXPECT_EQ(q->Adodc1->RecordSource, QStringLiteral("Dati"));
    EXPECT_TRUE(q->TXTRecord->text().isEmpty()) << "nothing fills it";

    // Every row and column of the file, in order, as the record layer reads them.
    QAbstractItemModel *m = q->DataGrid1->model();
    suDati(p.cartella.percorso(FileVarnex), PasswordVarnex, [&](ado::Recordset &rs) {
        ASSERT_EQ(m->columnCount(), rs.FieldsCount());
        EXPECT_EQ(m->columnCount(), 244);
        for (int i = 0; i < rs.FieldsCount(); ++i)
            EXPECT_EQ(m->headerData(i, Qt::Horizontal).toString(), rs.Fields(i).Name()) << i;
        ASSERT_EQ(m->rowCount(), 3);
        int riga = 0;
        for (rs.MoveFirst(); !rs.isEOF(); rs.MoveNext(), ++riga)
            for (int i = 0; i < rs.FieldsCount(); ++i) {
                const ado::Variant v = rs.Fields(i).Value();
                EXPECT_EQ(m->index(riga, i).data().toString(), v.isNull() ? QString() : v.toText())
                    << riga << "," << i;
            }
    });
    const int denominazione = [&] {
        for (int i = 0; i < m->columnCount(); ++i)
            if (m->headerData(i, Qt::Horizontal).toString() == QStringLiteral("denominazione"))
                return i;
        return -1;
    }();
    ASSERT_GE(denominazione, 0);
    EXPECT_EQ(m->index(2, denominazione).data().toString(), QStringLiteral("SCHEDA 3"));
    EXPECT_EQ(m->index(0, 0).data().toString(), QStringLiteral("1"));

    // Read-only, with its navigation bar.
    EXPECT_EQ(q->DataGrid1->editTriggers(), QAbstractItemView::NoEditTriggers);
    EXPECT_EQ(q->DataGrid1->currentIndex().row(), 0);
    q->Adodc1->MoveLast();
    EXPECT_EQ(q->DataGrid1->currentIndex().row(), 2);
    q->Adodc1->MoveNext();
    EXPECT_EQ(q->Adodc1->posizione(), 2);
    q->Adodc1->findChild<QToolButton *>(QStringLiteral("Precedente"))->click();
    EXPECT_EQ(q->DataGrid1->currentIndex().row(), 1);
    q->Adodc1->MoveFirst();
    q->Adodc1->MovePrevious();
    EXPECT_EQ(q->DataGrid1->currentIndex().row(), 0);
    q->DataGrid1->setCurrentIndex(m->index(2, 5));
    EXPECT_EQ(q->Adodc1->posizione(), 2);
}

TEST(Query, OpeningClosesPageFiveTooAndAnyShowPageClosesIt)
{
    ProgrammaProva p;
    p.cartella.aggiungiSchede(2);
    ASSERT_TRUE(p.avvia());
    p.finestra().CMDPag[5]->click();
    ASSERT_EQ(PaginaCorrente, 5);
    ASSERT_NE(Form(5), nullptr);

    QPointer<Query> q = ApriQuery();
    ASSERT_FALSE(q.isNull());
    EXPECT_EQ(Form(5), nullptr);
    EXPECT_EQ(PaginaCorrente, 10);
    const QList<QMdiSubWindow *> aperte = p.finestra().areaPagine()->subWindowList();
    int visibili = 0;
    for (QMdiSubWindow *s : aperte)
        visibili += s->isVisible() ? 1 : 0;
    EXPECT_EQ(visibili, 1);

    p.finestra().CMDPag[2]->click();
    EXPECT_EQ(PaginaCorrente, 2);
    EXPECT_NE(Form(2), nullptr);
    eliminaRinviati();
    EXPECT_TRUE(q.isNull()) << "the show-page operation closed the grid";
}

TEST(Query, NorvalloIsTheMainDataFile)
{
    CartellaProgramma = QStringLiteral("/opt/scheda");
    const OrigineDati o = risolviOrigineDati(QStringLiteral("DSN=Norvallo"));
    EXPECT_EQ(o.file, QStringLiteral("/opt/scheda/Varnex.mdb"));
    EXPECT_EQ(o.password, PasswordVarnex);
    EXPECT_THROW(risolviOrigineDati(QStringLiteral("DSN=Altro")), ado::Error);
    CartellaProgramma.clear();
}

TEST(Query, AMissingDataFileIsReportedAndChangesNothing)
{
    ProgrammaProva p;
    p.cartella.aggiungiSchede(1);
    ASSERT_TRUE(p.avvia());
    const QString file = p.cartella.percorso(FileVarnex);
    const QString altrove = file + QStringLiteral(".altrove");
    // The grid opens its own connection: with the file gone it fails.
    ASSERT_TRUE(QFile::rename(file, altrove));
    EXPECT_EQ(ApriQuery(), nullptr);
    ASSERT_TRUE(QFile::rename(altrove, file));
    EXPECT_EQ(PaginaCorrente, 1);
    EXPECT_NE(Form(1), nullptr);
    ASSERT_EQ(p.dialoghi.mostrati.size(), 1);
    EXPECT_TRUE(
        p.dialoghi.mostrati.front().prompt.startsWith(QStringLiteral("Errore di run-time")));
}
