#include "pages/campi/Campi.h"

#include "core/RecordScheda.h"
#include "platform/db/Error.h"
#include "platform/dialoghi/Dialoghi.h"
#include "platform/maschera/MaskEdBox.h"
#include "platform/ui/Twips.h"
#include "core/Errori.h"
#include "core/Globali.h"

#include <QApplication>
#include <QButtonGroup>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRadioButton>
#include <stdexcept>

namespace scheda::campi {

namespace {

// The box the families regard as focused: set on a focus-in that counts,
// cleared by the commit of a real focus-out. A focus that leaves for a
// menu, a dialog or another application and comes back finds it unchanged.
QPointer<CasellaCampo> attivo;

constexpr unsigned int GialloChiaro = 0x00C0FFFF;
const QString SuggerimentoData = QStringLiteral("Inserire la data in formato gg/mm/aaaa");

bool motivoDiPassaggio(Qt::FocusReason r)
{
    return r != Qt::PopupFocusReason && r != Qt::MenuBarFocusReason && r != Qt::ActiveWindowFocusReason;
}

Fisso fissoDi(const QString &colonna)
{
    const int i = indiceColonna(colonna);
    if (i < 0)
        throw std::logic_error("colonna sconosciuta: " + colonna.toStdString());
    return colonneDati()[std::size_t(i)].fisso;
}

template <typename W>
W *cerca(QWidget *pagina, const QString &nome)
{
    W *w = pagina->findChild<W *>(nome);
    if (!w)
        throw std::logic_error("controllo mancante o di tipo errato: " + nome.toStdString());
    return w;
}

Variante varianteDi(Famiglia f)
{
    switch (f) {
    case Famiglia::Decimi: return Variante::Decimi;
    case Famiglia::DueDecimali: return Variante::DueDecimali;
    case Famiglia::Percentuale: return Variante::Percentuale;
    default: return Variante::Intero;
    }
}

} // namespace

// --- CasellaCampo ----------------------------------------------------------

CasellaCampo::CasellaCampo(QLineEdit *box, const QString &colonna, QObject *parent)
    : Campo(parent), box_(box), filtrato_(box), colonna_(colonna)
{
    fissoDi(colonna); // a wrong name fails at binding, not at the first edit
    box->installEventFilter(this);
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
    return attivo;
}

ado::Variant CasellaCampo::variabile() const
{
    return RecordScheda()[colonna_];
}

void CasellaCampo::imposta(const ado::Variant &v)
{
    RecordScheda().imposta(colonna_, v);
}

void CasellaCampo::scriviCasella(const QString &testo)
{
    if (lunghezza_ > 0)
        box_->setMaxLength(std::max(lunghezza_, int(testo.size())));
    box_->setText(testo);
    box_->setCursorPosition(0); // a box shows the start of a long text
}

void CasellaCampo::selezionaTutto()
{
    box_->setSelection(0, int(box_->displayText().size()));
}

void CasellaCampo::focusEntrato()
{
    if (attivo == this)
        return; // back from a menu, a dialog or another application
    if (CasellaCampo *prima = attivo) {
        // The focus moved on while the window was inactive: that box loses it now.
        attivo = nullptr;
        if (prima->box_ && prima->box_->isVisible() && prima->box_->window() == box_->window())
            eseguiComando([prima] { prima->uscita(); });
    }
    attivo = this;
    eseguiComando([this] { entrata(); });
}

void CasellaCampo::focusUscito()
{
    QWidget *nuovo = QApplication::focusWidget();
    const bool passaggio = nuovo && nuovo != box_ && nuovo->window() == box_->window() && box_->isVisible();
    if (!passaggio || attivo != this)
        return;
    attivo = nullptr;
    eseguiComando([this] { uscita(); });
}

bool CasellaCampo::eventFilter(QObject *o, QEvent *e)
{
    // Compared as objects: a box being destroyed is no longer a line edit.
    if (o != filtrato_ || box_.isNull())
        return false;
    switch (e->type()) {
    case QEvent::FocusIn:
    case QEvent::FocusOut: {
        // The box handles the event first, so the handler has the last word
        // on text and selection.
        const Qt::FocusReason motivo = static_cast<QFocusEvent *>(e)->reason();
        const bool entra = e->type() == QEvent::FocusIn;
        static_cast<QObject *>(box_.data())->event(e);
        if (entra)
            focusEntrato(); // a box entered anew runs its focus-in handler
        else if (motivoDiPassaggio(motivo))
            focusUscito();
        return true;
    }
    case QEvent::KeyPress: return tasto(static_cast<QKeyEvent *>(e));
    default: return false;
    }
}

// --- CampoTesto --------------------------------------------------------------

CampoTesto::CampoTesto(QLineEdit *box, const QString &colonna, bool minuscole, int lunghezza, Schema schema,
                       QObject *parent)
    : CasellaCampo(box, colonna, parent), minuscole_(minuscole), schema_(schema)
{
    lunghezza_ = lunghezza;
    box->setMaxLength(lunghezza > 0 ? lunghezza : 32767);
}

void CampoTesto::mostra()
{
    scriviCasella(schema_ == Schema::Anno ? formattaAnno(variabile()) : testoSemplice(variabile()));
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

CampoNumero::CampoNumero(QLineEdit *box, const QString &colonna, Variante variante, std::function<void()> dipendenti,
                         QObject *parent)
    : CasellaCampo(box, colonna, parent), variante_(variante), fisso_(fissoDi(colonna)),
      dipendenti_(std::move(dipendenti))
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

void CampoNumero::ricalcola()
{
    if (dipendenti_)
        dipendenti_();
}

void CampoNumero::LostFocus()
{
    const EsitoNumero e = confermaNumero(casella()->text(), variabile(), variante_, fisso_);
    if (!e.valido) {
        dlg::Beep();
        GotFocus();
        return;
    }
    ValoreNumero = e.valoreNumero;
    const ado::Variant prima = variabile();
    const std::int16_t flagPrima = PaginaModificata;
    if (e.modificato)
        PaginaModificata = 1;
    try {
        if (e.scrivi)
            imposta(ado::Variant(e.valore));
        ricalcola();
    } catch (const ado::Error &errore) {
        if (errore.number() != ado::err::Overflow)
            throw;
        // A total beyond what its 32-bit variable holds: wrong input as well.
        imposta(prima);
        PaginaModificata = flagPrima;
        try {
            ricalcola();
        } catch (const ado::Error &) {
        }
        dlg::Beep();
        GotFocus();
        return;
    }
    scriviCasella(formattaValore(variabile(), variante_));
    emit valoreConfermato();
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
    : CasellaCampo(box, colonna, parent)
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

void CampoData::Enter()
{
    maschera()->setText(testoCasellaData(variabile()));
    maschera()->setSelStart(0);
    maschera()->setSelLength(int(maschera()->Text().size()));
}

void CampoData::Leave()
{
    const EsitoData e = confermaData(maschera()->Text(), variabile());
    switch (e.tipo) {
    case EsitoData::Vuota:
        if (e.modificato)
            PaginaModificata = 1;
        imposta(e.valore);
        Enter();
        return;
    case EsitoData::Errata:
        dlg::Beep();
        Enter();
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

CampoSoloLettura::CampoSoloLettura(QLineEdit *box, const QString &colonna, QObject *parent)
    : Campo(parent), box_(box), colonna_(colonna)
{
    fissoDi(colonna);
    box->setEnabled(false);
    QPalette p = box->palette();
    for (auto gruppo : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        p.setColor(gruppo, QPalette::Base, ui::coloreVb(GialloChiaro));
    box->setPalette(p);
}

QWidget *CampoSoloLettura::controllo() const
{
    return box_;
}

void CampoSoloLettura::GotFocus()
{
    box_->setText(testoSemplice(RecordScheda()[colonna_]));
    box_->setCursorPosition(0);
}

// --- GruppoOpzioni -----------------------------------------------------------

GruppoOpzioni::GruppoOpzioni(const QList<QRadioButton *> &pulsanti, const QString &colonna, QObject *parent)
    : Campo(parent), pulsanti_(pulsanti), gruppo_(new QButtonGroup(this)), colonna_(colonna)
{
    fissoDi(colonna);
    for (int i = 0; i < pulsanti_.size(); ++i) {
        gruppo_->addButton(pulsanti_[i], i + 1);
        connect(pulsanti_[i], &QRadioButton::clicked, this, [this, codice = i + 1] {
            eseguiComando([this, codice] { Click(codice); });
        });
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
}

void GruppoOpzioni::mostra()
{
    const ado::Variant v = RecordScheda()[colonna_];
    int codice = 0;
    if (pulsanti_.size() == 2) {
        codice = opzioneDiversa(v, 1) ? 2 : 1;
    } else {
        for (int k = 1; k <= pulsanti_.size(); ++k)
            if (!opzioneDiversa(v, k))
                codice = k;
    }
    seleziona(codice);
    // Selecting a button raises its Click, which changes nothing while
    // Caricamento is 1.
    if (codice > 0)
        Click(codice);
}

void GruppoOpzioni::Click(int codice)
{
    if (Caricamento == 1)
        return;
    ValoreOpzione = std::int16_t(codice);
    if (opzioneDiversa(RecordScheda()[colonna_], codice))
        PaginaModificata = 1;
}

void GruppoOpzioni::primaDiSalvare()
{
    const int scelto = codiceScelto();
    if (pulsanti_.size() == 2)
        RecordScheda().imposta(colonna_, ado::Variant(scelto == 1 ? 1 : 2));
    else if (scelto > 0)
        RecordScheda().imposta(colonna_, ado::Variant(scelto));
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
            QLineEdit *box = cerca<QLineEdit>(pagina, l.controllo);
            const int limite = l.famiglia == Famiglia::Anno && l.lunghezza == 0 ? 4 : l.lunghezza;
            c = new CampoTesto(box, l.colonna, l.famiglia == Famiglia::TestoMinuscolo, limite, l.mostra, pagina);
            if (l.allineamento)
                box->setAlignment(l.allineamento);
            break;
        }
        case Famiglia::Intero:
        case Famiglia::Decimi:
        case Famiglia::DueDecimali:
        case Famiglia::Percentuale:
            c = new CampoNumero(cerca<QLineEdit>(pagina, l.controllo), l.colonna, varianteDi(l.famiglia), l.dipendenti,
                                pagina);
            break;
        case Famiglia::Data:
            c = new CampoData(cerca<maschera::MaskEdBox>(pagina, l.controllo), l.colonna, pagina);
            break;
        case Famiglia::SoloLettura:
            c = new CampoSoloLettura(cerca<QLineEdit>(pagina, l.controllo), l.colonna, pagina);
            break;
        case Famiglia::Opzioni: {
            QList<QRadioButton *> pulsanti;
            for (const QString &nome : l.pulsanti)
                pulsanti << cerca<QRadioButton>(pagina, nome);
            if (pulsanti.size() < 2)
                throw std::logic_error("gruppo di opzioni senza pulsanti: " + l.colonna.toStdString());
            c = new GruppoOpzioni(pulsanti, l.colonna, pagina);
            break;
        }
        }
        campi << c;
    }
    return campi;
}

} // namespace scheda::campi
