#include "Interazione.h"

#include "core/Archivio.h"
#include "core/ColonneDati.h"
#include "core/FileDati.h"
#include "core/RecordScheda.h"
#include "pages/PaginaScheda.h"
#include "platform/maschera/MaskEdBox.h"
#include "platform/ui/Twips.h"
#include "shell/MostraPagina.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QFontMetrics>
#include <QTest>
#include <QToolButton>
#include <QWindow>

namespace prova {

void entra(QWidget *box, QWidget *altrove)
{
    if (fuoco() == box && altrove)
        altrove->setFocus(Qt::MouseFocusReason);
    box->setFocus(Qt::TabFocusReason);
    ASSERT_EQ(fuoco(), box) << qPrintable(box->objectName());
}

void digita(const QString &testo)
{
    QTest::keyClicks(fuoco(), testo);
}

void tab()
{
    QTest::keyClick(fuoco(), Qt::Key_Tab);
}

QStringList percorsoTab(qsizetype n)
{
    QStringList visti;
    for (qsizetype i = 0; i < n; ++i) {
        if (i > 0)
            tab();
        visti << (fuoco() ? fuoco()->objectName() : QString());
    }
    return visti;
}

void scriviSenzaUscire(QWidget *box, const QString &testo, QWidget *altrove)
{
    entra(box, altrove);
    if (fuoco() != box)
        return;
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_Delete);
    digita(testo);
}

void scrivi(QWidget *box, const QString &testo, QWidget *altrove)
{
    scriviSenzaUscire(box, testo, altrove);
    tab();
}

void apriElenco(QComboBox *lista)
{
    if (lista->isEditable())
        QTest::mouseClick(lista, Qt::LeftButton, {},
                          QPoint(lista->width() - 6, lista->height() / 2));
    else
        QTest::mouseClick(lista, Qt::LeftButton);
    ASSERT_TRUE(lista->view()->isVisible()) << qPrintable(lista->objectName());
}

void scegli(QComboBox *lista, int voce)
{
    apriElenco(lista);
    scegliAperto(lista, voce);
}

void scegliAperto(QComboBox *lista, int voce)
{
    QAbstractItemView *v = lista->view();
    ASSERT_TRUE(v->isVisible());
    QTest::keyClick(v, Qt::Key_Home);
    for (int k = 0; k < voce; ++k)
        QTest::keyClick(v, Qt::Key_Down);
    QTest::keyClick(v, Qt::Key_Return);
    ASSERT_FALSE(v->isVisible());
}

void clic(QAbstractButton *pulsante)
{
    QTest::mouseClick(pulsante, Qt::LeftButton);
}

void clicNellaFinestra(QWidget *w, Qt::MouseButton pulsante, QPoint dove)
{
    QWindow *finestra = w->window()->windowHandle();
    ASSERT_NE(finestra, nullptr);
    QTest::mouseClick(finestra, pulsante, {}, w->mapTo(w->window(), dove));
}

QPoint alPosto(QLineEdit *box, int k)
{
    const int cursore = box->cursorPosition();
    const int inizio = box->selectionStart();
    const int lunghezza = int(box->selectedText().size());
    box->setCursorPosition(k);
    box->repaint(); // a box scrolls its text into place as it paints it (a right-aligned one)
    const QRect caret = box->inputMethodQuery(Qt::ImCursorRectangle).toRect();
    if (inizio >= 0)
        box->setSelection(inizio, lunghezza);
    else
        box->setCursorPosition(cursore);
    return {caret.center().x() + 2, box->height() / 2};
}

QPoint aDestraDellaMaschera(maschera::MaskEdBox *box)
{
    const QPoint p(box->width() - 3, box->height() / 2);
    EXPECT_GT(p.x(), QFontMetrics(box->font()).horizontalAdvance(box->displayText()) + 6)
        << "not past the mask";
    return p;
}

void controlliAlPosto(const QWidget *pagina, std::span<const PostoControllo> posti)
{
    for (const PostoControllo &c : posti) {
        const QWidget *w = pagina->findChild<QWidget *>(QString::fromLatin1(c.nome));
        ASSERT_NE(w, nullptr) << c.nome;
        EXPECT_EQ(w->geometry(), ui::rettangolo(c.left, c.top, c.width, c.height)) << c.nome;
    }
}

unsigned int coloreDi(const QAbstractButton *pulsante)
{
    return pulsante->property("BackColor").toUInt();
}

void soloPaginaGialla(scheda::MDIForm1 &finestra, int n)
{
    for (int i = 1; i <= 6; ++i)
        EXPECT_EQ(coloreDi(finestra.CMDPag[i]), i == n ? ui::Giallo : ui::FacciaPulsante)
            << "Pag. " << i;
}

ado::Variant valore(const QString &colonna)
{
    return scheda::RecordScheda()[colonna];
}

QString testo(const QString &colonna)
{
    const ado::Variant &v = scheda::RecordScheda()[colonna];
    return v.isNull() ? QStringLiteral("<Null>") : v.toText();
}

void imposta(const QString &colonna, const ado::Variant &v)
{
    scheda::RecordScheda().imposta(colonna, v);
}

int domande(const dlg::DialoghiScriptati &dialoghi, const QString &titolo)
{
    int n = 0;
    for (const auto &m : dialoghi.mostrati)
        n += m.titolo == titolo;
    return n;
}

void ConProgramma::avvia(int schede)
{
    ASSERT_TRUE(p.conSchede(schede).avvia());
    attiva();
}

void ConProgramma::avvia(const QStringList &righe)
{
    for (const QString &r : righe)
        p.cartella.esegui(scheda::FileVarnex, scheda::PasswordVarnex, r);
    avvia();
}

void ConProgramma::attiva()
{
    ASSERT_TRUE(p.attiva());
}

void ConProgramma::riavvia()
{
    for (int n = 1; n <= 6; ++n)
        scheda::chiudiForm(n);
    scheda::chiudiArchivio();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    scheda::RecordScheda().azzera();
    scheda::PaginaCorrente = 0;
    avvia();
}

void ConProgramma::apriPagina(int n)
{
    ASSERT_TRUE(p.apriPagina(n)) << "page " << n << " asked, PaginaCorrente "
                                 << scheda::PaginaCorrente;
}

void ConProgramma::avviaSuPagina(int n, const QString &valori)
{
    QStringList righe{QStringLiteral("INSERT INTO Dati (denominazione) VALUES ('COOP')")};
    if (!valori.isEmpty())
        righe << QStringLiteral("UPDATE Dati SET %1 WHERE id_scheda = 1").arg(valori);
    avvia(righe);
    apriPagina(n);
}

void ConProgramma::modifica(const QString &colonna, const ado::Variant &valore)
{
    imposta(colonna, valore);
    scheda::PaginaModificata = 1;
}

void ConProgramma::validaOgni(std::initializer_list<Pendente> casi)
{
    for (const Pendente &c : casi) {
        SCOPED_TRACE(c.box);
        scheda::PaginaModificata = 0;
        QWidget *box = campo<QWidget>(c.box);
        scriviSenzaUscire(box, QString::fromLatin1(c.tasti));
        scheda::validareFormMostrato();
        EXPECT_EQ(scheda::NomeControllo, QString::fromLatin1(c.box));
        EXPECT_EQ(scheda::RecordScheda()[QString::fromLatin1(c.colonna)], c.atteso);
        EXPECT_EQ(scheda::PaginaModificata, 1);
        EXPECT_EQ(fuoco(), box);
        // The box kept the focus: leaving it now, after a save, finds
        // nothing new to store, whatever its pattern shows.
        scheda::PaginaModificata = 0;
        tab();
        EXPECT_EQ(scheda::RecordScheda()[QString::fromLatin1(c.colonna)], c.atteso)
            << "after leaving";
        EXPECT_EQ(scheda::PaginaModificata, 0) << "after leaving";
    }
}

void ConProgramma::scriviNumero(const QString &box, const QString &colonna, const QString &attesa,
                                const NumeroScritto &c, const std::function<void()> &prepara)
{
    entra(campo(attesa));
    imposta(colonna, ado::Variant(c.prima));
    if (prepara)
        prepara();
    scheda::formMostrato()->Posiziona();
    scheda::PaginaModificata = 0;
    p.dialoghi.beep = 0;

    scrivi(campo(box), QString::fromLatin1(c.tasti));
    EXPECT_EQ(p.dialoghi.beep, c.valido ? 0 : 1);
    EXPECT_EQ(scheda::PaginaModificata, c.modificato ? 1 : 0);
    EXPECT_EQ(valore(colonna).toDouble(), c.dopo); // exact
    EXPECT_EQ(campo(box)->text(), QString::fromLatin1(c.mostrato));
    if (c.rientrando) {
        entra(campo(box));
        EXPECT_EQ(campo(box)->text(), QString::fromLatin1(c.rientrando));
    }
}

void ConProgramma::esciSalvando()
{
    const int prima = domandeSalva();
    p.dialoghi.rispondi(dlg::vbYes);
    p.finestra().MNUEsciItem->trigger();
    EXPECT_EQ(domandeSalva(), prima + 1);
    EXPECT_EQ(p.uscita, 0);
}

void ConProgramma::seguiOrdineTab(const QStringList &ordine)
{
    EXPECT_EQ(percorsoTab(ordine.size()), ordine);
    EXPECT_EQ(p.dialoghi.beep, 0) << "a box left as it was beeped";
    EXPECT_EQ(scheda::PaginaModificata, 0) << "a box left as it was marked the page";
}

ado::Variant ConProgramma::salvato(qint64 chiave, const char *colonna) const
{
    return p.valoreSalvato(ado::Variant(std::int64_t(chiave)), QString::fromLatin1(colonna));
}

void ConProgramma::verificaColonnePagina(int pagina,
                                         const QMap<QString, std::function<void()>> &verifiche)
{
    QStringList colonne;
    for (const scheda::Colonna &c : scheda::colonnePagina(pagina)) {
        colonne << QString::fromLatin1(c.nome);
        if (const auto v = verifiche.find(colonne.back()); v != verifiche.end())
            (*v)();
        else
            ADD_FAILURE() << "page " << pagina << ": column " << c.nome << " is not checked";
    }
    for (auto v = verifiche.keyBegin(); v != verifiche.keyEnd(); ++v)
        if (!colonne.contains(*v))
            ADD_FAILURE() << "page " << pagina << ": " << qPrintable(*v)
                          << " is none of its columns";
}

const QWidget *ConProgramma::paginaMostrata()
{
    return scheda::formMostrato();
}

} // namespace prova
