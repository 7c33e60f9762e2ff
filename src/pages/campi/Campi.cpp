#include "pages/campi/Campi.h"
#include "pages/campi/Combo.h"
#include "pages/campi/Fuoco.h"
#include "pages/campi/Ricalcolo.h"
#include "pages/campi/Ricerca.h"
#include "pages/campi/Riga.h"

#include "core/Errori.h"
#include "core/Globali.h"
#include "core/RecordScheda.h"
#include "core/formati/Conferme.h"
#include "core/formati/Date.h"
#include "platform/db/Error.h"
#include "platform/dialoghi/Dialoghi.h"
#include "platform/maschera/MaskEdBox.h"
#include "platform/ui/SelezioneAlClic.h"
#include "platform/ui/SelezioneNascosta.h"
#include "platform/ui/Twips.h"

#include <QApplication>
#include <QButtonGroup>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <stdexcept>

namespace scheda::campi {

namespace {

constexpr unsigned int GialloChiaro = 0x00C0FFFF;
const QString SuggerimentoData = QStringLiteral("Inserire la data in formato gg/mm/aaaa");

Fisso fissoDi(const QString &colonna)
{
    const int i = indiceColonna(colonna);
    if (i < 0)
        throw std::logic_error("colonna sconosciuta: " + colonna.toStdString());
    return colonneDati()[std::size_t(i)].fisso;
}

// The control of a binding as the kind its family drives.
template<typename W>
W *come(QWidget *controllo, const QString &colonna)
{
    W *w = qobject_cast<W *>(controllo);
    if (!w)
        throw std::logic_error("controllo mancante o di tipo errato per " + colonna.toStdString()
                               + (controllo ? ": " + controllo->objectName().toStdString() : ""));
    return w;
}

void gialloChiaro(QWidget *box, bool attivo = false)
{
    box->setEnabled(attivo);
    QPalette p = box->palette();
    for (auto gruppo : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        p.setColor(gruppo, QPalette::Base, ui::coloreVb(GialloChiaro));
    // The grey of disabled text on Windows: a figure the user reads, not a faded one.
    p.setColor(QPalette::Disabled, QPalette::Text, QColor(0x6D, 0x6D, 0x6D));
    box->setPalette(p);
}

// A display box: a line edit or a plain text box of several lines.
QWidget *comeTesto(QWidget *controllo, const QString &colonna)
{
    if (auto *righe = qobject_cast<QPlainTextEdit *>(controllo)) {
        righe->setReadOnly(true);
        return righe;
    }
    return come<QLineEdit>(controllo, colonna);
}

Variante varianteDi(Famiglia f)
{
    switch (f) {
    case Famiglia::Decimi:
        return Variante::Decimi;
    case Famiglia::DueDecimali:
        return Variante::DueDecimali;
    case Famiglia::Percentuale:
        return Variante::Percentuale;
    default:
        return Variante::Intero;
    }
}

} // namespace

// --- CasellaCampo ----------------------------------------------------------

CasellaCampo::CasellaCampo(QLineEdit *box, const QString &colonna, ui::DoppioClic doppio,
                           QObject *parent)
    : Campo(colonna, parent)
    , box_(box)
    , filtrato_(box)
{
    fissoDi(colonna); // a wrong name fails at binding, not at the first edit
    new Fuoco(
        box, this, [this] { entrata(); }, [this] { uscita(); });
    box->installEventFilter(this);
    // After the focus tracker, which takes the focus events for itself.
    ui::selezioneSoloConFuoco(box);
    ui::tieniSelezioneAlClic(box, doppio);
}

CasellaCampo::~CasellaCampo()
{
    if (box_)
        box_->removeEventFilter(this);
}

QWidget *CasellaCampo::controllo() const
{
    return box_;
}

CasellaCampo *CasellaCampo::attiva()
{
    Fuoco *f = Fuoco::attivo();
    return f ? qobject_cast<CasellaCampo *>(f->parent()) : nullptr;
}

ado::Variant CasellaCampo::variabile() const
{
    return RecordScheda()[colonna()];
}

void CasellaCampo::imposta(const ado::Variant &v)
{
    RecordScheda().imposta(colonna(), v);
}

void CasellaCampo::scriviCasella(const QString &testo)
{
    if (lunghezza_ > 0)
        box_->setMaxLength(std::max(lunghezza_, int(testo.size())));
    if (riga_)
        riga_->mostra(testo);
    else
        box_->setText(testo);
    box_->setCursorPosition(0); // a box shows the start of a long text
}

void CasellaCampo::selezionaTutto()
{
    box_->setSelection(0, int(box_->displayText().size()));
}

bool CasellaCampo::eventFilter(QObject *o, QEvent *e)
{
    // Compared as objects: a box being destroyed is no longer a line edit.
    if (o != filtrato_ || box_.isNull() || e->type() != QEvent::KeyPress)
        return false;
    return tasto(static_cast<QKeyEvent *>(e));
}

// --- CampoTesto --------------------------------------------------------------

CampoTesto::CampoTesto(QLineEdit *box, const QString &colonna, bool minuscole, int lunghezza,
                       Formato formato, ui::DoppioClic doppio, QObject *parent)
    : CasellaCampo(box, colonna, doppio, parent)
    , minuscole_(minuscole)
    , formato_(formato)
{
    lunghezza_ = lunghezza;
    box->setMaxLength(lunghezza > 0 ? lunghezza : 32767);
    riga_ = new EntrataRiga(box);
}

void CampoTesto::mostra()
{
    scriviCasella(formato_ == Formato::Anno ? formattaAnno(variabile())
                                            : testoSemplice(variabile()));
}

void CampoTesto::GotFocus()
{
    scriviCasella(testoSemplice(variabile()));
    selezionaTutto();
}

void CampoTesto::LostFocus()
{
    const EsitoTesto e = confermaTesto(casella()->text(), variabile(), minuscole_);
    TestoMaiuscolo = e.testo;
    if (e.modificato) {
        PaginaModificata = 1;
        imposta(ado::Variant(TestoMaiuscolo));
        TestoMaiuscolo.clear();
    }
    scriviCasella(testoSemplice(variabile()));
}

// --- CampoNumero -------------------------------------------------------------

CampoNumero::CampoNumero(QLineEdit *box, const QString &colonna, Variante variante,
                         const Ricalcolo *ricalcolo, QObject *parent)
    : CasellaCampo(box, colonna, ui::DoppioClic::Tutto, parent)
    , variante_(variante)
    , fisso_(fissoDi(colonna))
    , ricalcolo_(ricalcolo)
{
    box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

void CampoNumero::mostra()
{
    scriviCasella(formattaValore(variabile(), variante_));
}

void CampoNumero::GotFocus()
{
    scriviCasella(testoSemplice(variabile()));
    selezionaTutto();
}

void CampoNumero::LostFocus()
{
    // A box still showing the pattern its last commit wrote (Validare leaves
    // the focus in it), not typed into since, stands for its stored value:
    // reading the pattern would round away what it does not show (the third
    // decimal of a percentage).
    QString testo = casella()->text();
    if (!casella()->isModified() && testo == formattaValore(variabile(), variante_))
        testo = testoSemplice(variabile());
    const EsitoNumero e = confermaNumero(testo, variabile(), variante_, fisso_);
    // The dependants as they will stand, before anything is stored: a total
    // its variable cannot hold makes the whole commit wrong input.
    std::optional<Valori> dipendenti = Valori{};
    if (e.valido && ricalcolo_)
        dipendenti = ricalcolo_->valuta(RecordScheda(), colonna(), e.valore);
    if (!e.valido || !dipendenti) {
        dlg::Beep();
        GotFocus();
        return;
    }
    ValoreNumero = e.valoreNumero;
    if (e.modificato)
        PaginaModificata = 1;
    if (e.scrivi)
        imposta(ado::Variant(e.valore));
    scriviCasella(formattaValore(variabile(), variante_));
    // Each dependant is stored and shown before the next one.
    QObject *pagina = parent();
    for (const auto &[c, v] : *dipendenti) {
        RecordScheda().imposta(c, v);
        mostraColonna(pagina, c);
    }
}

bool CampoNumero::tasto(QKeyEvent *k)
{
    if (k->text().size() != 1)
        return false;
    const int codice = k->text().at(0).unicode();
    const int nuovo = KeyPress(codice);
    if (nuovo == codice)
        return false;
    QKeyEvent sostituto(QEvent::KeyPress, Qt::Key_Comma, k->modifiers() & ~Qt::KeypadModifier,
                        QString(QChar(nuovo)), k->isAutoRepeat(), k->count());
    QCoreApplication::sendEvent(casella(), &sostituto);
    return true;
}

// --- CampoData ---------------------------------------------------------------

CampoData::CampoData(maschera::MaskEdBox *box, const QString &colonna, QObject *parent)
    : CasellaCampo(box, colonna, ui::DoppioClic::Parola, parent)
{
    box->setMaschera(QStringLiteral("##/##/####"));
    box->setPromptChar(QLatin1Char('_'));
    box->setMaxLength(10);
    box->setToolTip(SuggerimentoData);
}

maschera::MaskEdBox *CampoData::maschera() const
{
    return static_cast<maschera::MaskEdBox *>(casella());
}

void CampoData::mostra()
{
    maschera()->setText(testoCasellaData(variabile()));
}

void CampoData::entrata()
{
    maschera()->setText(testoCasellaData(variabile()));
    maschera()->setSelStart(0);
    maschera()->setSelLength(int(maschera()->Text().size()));
}

void CampoData::uscita()
{
    const EsitoData e = confermaData(maschera()->Text(), variabile());
    switch (e.tipo) {
    case EsitoData::Vuota:
        if (e.modificato)
            PaginaModificata = 1;
        imposta(e.valore);
        entrata();
        return;
    case EsitoData::Errata:
        dlg::Beep();
        entrata();
        return;
    case EsitoData::Valida:
        ValoreData = e.valore;
        if (e.modificato) {
            PaginaModificata = 1;
            imposta(e.valore);
        }
        maschera()->setText(formattaData(variabile()));
        return;
    }
}

// --- CampoSoloLettura --------------------------------------------------------

CampoSoloLettura::CampoSoloLettura(QWidget *box, const QString &colonna, QObject *parent)
    : Campo(colonna, parent)
    , box_(box)
{
    fissoDi(colonna);
    gialloChiaro(box);
}

QWidget *CampoSoloLettura::controllo() const
{
    return box_;
}

void CampoSoloLettura::GotFocus()
{
    const QString testo = testoSemplice(RecordScheda()[colonna()]);
    if (auto *righe = qobject_cast<QPlainTextEdit *>(box_.data())) {
        righe->setPlainText(testo);
        return;
    }
    auto *box = static_cast<QLineEdit *>(box_.data());
    box->setText(testo);
    box->setCursorPosition(0);
}

// --- CampoCalcolato ----------------------------------------------------------

CampoCalcolato::CampoCalcolato(QLineEdit *box, const QString &colonna, Variante variante,
                               bool attivo, QObject *parent)
    : Campo(colonna, parent)
    , box_(box)
    , variante_(variante)
{
    fissoDi(colonna);
    gialloChiaro(box, attivo);
    box->setReadOnly(true);
    box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

QWidget *CampoCalcolato::controllo() const
{
    return box_;
}

void CampoCalcolato::mostra()
{
    box_->setText(formattaValore(RecordScheda()[colonna()], variante_));
    box_->setCursorPosition(0);
}

// --- GruppoOpzioni -----------------------------------------------------------

GruppoOpzioni::GruppoOpzioni(const QList<QRadioButton *> &pulsanti, const QString &colonna,
                             QObject *parent)
    : Campo(colonna, parent)
    , pulsanti_(pulsanti)
    , gruppo_(new QButtonGroup(this))
{
    fissoDi(colonna);
    for (int i = 0; i < pulsanti_.size(); ++i) {
        gruppo_->addButton(pulsanti_[i], i + 1);
        connect(pulsanti_[i], &QRadioButton::clicked, this,
                [this, codice = i + 1] { eseguiComando([this, codice] { Click(codice); }); });
    }
    connect(gruppo_, &QButtonGroup::buttonToggled, this, [this] { fermataTab(); });
    fermataTab();
}

void GruppoOpzioni::fermataTab()
{
    // Tab stops once in a group, on its chosen button (the first when none
    // is chosen); the arrow keys move within it.
    const int fermata = std::max(codiceScelto(), 1);
    for (int i = 0; i < pulsanti_.size(); ++i) {
        QRadioButton *b = pulsanti_[i];
        b->setFocusPolicy(i + 1 == fermata ? Qt::FocusPolicy(b->focusPolicy() | Qt::TabFocus)
                                           : Qt::FocusPolicy(b->focusPolicy() & ~Qt::TabFocus));
    }
}

QWidget *GruppoOpzioni::controllo() const
{
    return pulsanti_.value(0);
}

int GruppoOpzioni::codiceScelto() const
{
    for (int i = 0; i < pulsanti_.size(); ++i)
        if (pulsanti_[i]->isChecked())
            return i + 1;
    return 0;
}

void GruppoOpzioni::seleziona(int codice)
{
    if (codice > 0) {
        pulsanti_[codice - 1]->setChecked(true);
        return;
    }
    gruppo_->setExclusive(false);
    for (QRadioButton *b : pulsanti_)
        b->setChecked(false);
    gruppo_->setExclusive(true);
    fermataTab();
}

void GruppoOpzioni::mostra()
{
    const ado::Variant v = RecordScheda()[colonna()];
    int codice = 0;
    if (pulsanti_.size() == 2) {
        codice = opzioneDiversa(v, 1) ? 2 : 1;
    } else {
        for (int k = 1; k <= pulsanti_.size(); ++k)
            if (!opzioneDiversa(v, k))
                codice = k;
    }
    seleziona(codice);
    // Setting a button raises its Click (run here: a button set from code
    // sends no click), which changes nothing while Caricamento is 1.
    if (codice > 0)
        Click(codice);
}

void GruppoOpzioni::Click(int codice)
{
    if (Caricamento == 1)
        return;
    ValoreOpzione = std::int16_t(codice);
    if (opzioneDiversa(RecordScheda()[colonna()], codice))
        PaginaModificata = 1;
}

void GruppoOpzioni::primaDiSalvare()
{
    const int scelto = codiceScelto();
    if (pulsanti_.size() == 2)
        RecordScheda().imposta(colonna(), ado::Variant(scelto == 1 ? 1 : 2));
    else if (scelto > 0)
        RecordScheda().imposta(colonna(), ado::Variant(scelto));
}

// --- lega --------------------------------------------------------------------

QList<Campo *> lega(QWidget *pagina, std::span<const Legame> tabella)
{
    QList<Campo *> campi;
    for (const Legame &l : tabella) {
        Campo *c = nullptr;
        switch (l.famiglia) {
        case Famiglia::Testo:
        case Famiglia::TestoMinuscolo:
        case Famiglia::Anno: {
            QLineEdit *box = come<QLineEdit>(l.controllo, l.colonna);
            const int limite = l.famiglia == Famiglia::Anno && l.lunghezza == 0 ? 4 : l.lunghezza;
            // A year is one word to a double click, as a number is.
            c = new CampoTesto(box, l.colonna, l.famiglia == Famiglia::TestoMinuscolo, limite,
                               l.formato,
                               l.famiglia == Famiglia::Anno ? ui::DoppioClic::Tutto
                                                            : ui::DoppioClic::Parola,
                               pagina);
            if (l.allineamento)
                box->setAlignment(l.allineamento);
            break;
        }
        case Famiglia::Intero:
        case Famiglia::Decimi:
        case Famiglia::DueDecimali:
        case Famiglia::Percentuale:
            c = new CampoNumero(come<QLineEdit>(l.controllo, l.colonna), l.colonna,
                                varianteDi(l.famiglia), l.ricalcolo, pagina);
            break;
        case Famiglia::Data:
            c = new CampoData(come<maschera::MaskEdBox>(l.controllo, l.colonna), l.colonna, pagina);
            break;
        case Famiglia::SoloLettura:
            c = new CampoSoloLettura(comeTesto(l.controllo, l.colonna), l.colonna, pagina);
            break;
        case Famiglia::Calcolato:
            c = new CampoCalcolato(come<QLineEdit>(l.controllo, l.colonna), l.colonna, l.variante,
                                   l.attivo, pagina);
            break;
        case Famiglia::Ricerca: {
            auto *box = come<ComboScheda>(l.controllo, l.colonna);
            if (!l.riferimento || !l.riferimento->lista)
                throw std::logic_error("casella di ricerca senza elenco: "
                                       + l.colonna.toStdString());
            c = new CampoRicerca(box, l.colonna, *l.riferimento, pagina);
            break;
        }
        case Famiglia::Opzioni: {
            QList<QRadioButton *> pulsanti;
            for (QWidget *b : l.pulsanti)
                pulsanti << come<QRadioButton>(b, l.colonna);
            if (pulsanti.size() < 2)
                throw std::logic_error("gruppo di opzioni senza pulsanti: "
                                       + l.colonna.toStdString());
            c = new GruppoOpzioni(pulsanti, l.colonna, pagina);
            break;
        }
        }
        campi << c;
    }
    for (Campo *c : std::as_const(campi))
        if (auto *r = qobject_cast<CampoRicerca *>(c))
            r->mostraIn(campi);
    return campi;
}

void mostraColonna(QObject *pagina, const QString &colonna)
{
    for (Campo *c : pagina->findChildren<Campo *>(Qt::FindDirectChildrenOnly))
        if (c->colonna() == colonna)
            c->mostra();
}

} // namespace scheda::campi
