#include "pages/campi/Ricerca.h"

#include "core/Archivio.h"
#include "core/Errori.h"
#include "core/Globali.h"
#include "core/RecordScheda.h"
#include "core/formati/Testi.h"
#include "pages/campi/Campi.h"
#include "pages/campi/Combo.h"
#include "pages/campi/Fuoco.h"
#include "platform/db/Recordset.h"
#include "platform/dialoghi/Dialoghi.h"

#include <QAbstractItemView>
#include <QLineEdit>
#include <QPainter>
#include <QStyledItemDelegate>
#include <optional>
#include <stdexcept>

namespace scheda::campi {

namespace {

QString testo(const ado::Variant &v)
{
    return v.isNull() ? QString() : v.toText();
}

// The open list: each entry with what tells equal names apart at its right,
// in grey; the entry itself, and so the box's text, is the bare name.
class VoceConDettaglio : public QStyledItemDelegate
{
public:
    VoceConDettaglio(const CampoRicerca *campo, QObject *parent)
        : QStyledItemDelegate(parent)
        , campo_(campo)
    {}
    void paint(QPainter *p, const QStyleOptionViewItem &o, const QModelIndex &i) const override
    {
        QStyledItemDelegate::paint(p, o, i);
        const QString d = campo_ ? campo_->dettaglio(i.row()) : QString();
        if (d.isEmpty())
            return;
        p->save();
        const bool scelta = o.state & QStyle::State_Selected;
        p->setPen(o.palette.color(scelta ? QPalette::HighlightedText : QPalette::PlaceholderText));
        p->drawText(o.rect.adjusted(0, 0, -6, 0), Qt::AlignRight | Qt::AlignVCenter, d);
        p->restore();
    }

private:
    QPointer<const CampoRicerca> campo_;
};

} // namespace

Riferimento comune(std::unique_ptr<ado::Recordset> &lista, const char *provincia, const char *cap,
                   QString &vecchio, QString &chiave, std::int16_t &trovato)
{
    return {.lista = &lista,
            .chiave = "descrizione",
            .dipendenti = {{provincia, "id_provincia"}, {cap, "cap"}},
            .vecchio = &vecchio,
            .chiaveTrovata = &chiave,
            .trovato = &trovato,
            .dettaglio = "id_provincia"};
}

Riferimento codiceAteco(const char *descrizione, QString &vecchio)
{
    return {.lista = &RsAteco,
            .chiave = "codice_istat",
            .dipendenti = {{descrizione, "descrizione"}},
            .vecchio = &vecchio,
            .chiaveTrovata = &ChiaveIstat,
            .trovato = &IstatTrovato};
}

CampoRicerca::CampoRicerca(ComboScheda *box, const QString &variabile,
                           const Riferimento &riferimento, QObject *parent)
    : Campo(variabile, parent)
    , box_(box)
    , m_(riferimento)
{
    RecordScheda()[colonna()]; // a wrong name fails at binding, not at the first edit
    for (const Dipendente &d : m_.dipendenti)
        RecordScheda()[QString::fromLatin1(d.variabile)];
    // Typed into, with no completion and no entry added (ComboScheda).
    if (!box->isEditable())
        throw std::logic_error("casella di ricerca senza testo: " + box->objectName().toStdString());
    new Fuoco(
        box, this, [this] { GotFocus(); }, [this] { LostFocus(); });
    box->primaDiAprire = [this] { DropDown(); };
    if (m_.dettaglio)
        box->delegatoVoci = new VoceConDettaglio(this, box);
    connect(box, &QComboBox::activated, this,
            [this](int i) { eseguiComando([this, i] { Click(i); }); });
}

QWidget *CampoRicerca::controllo() const
{
    return box_;
}

ado::Recordset &CampoRicerca::lista() const
{
    return **m_.lista;
}

void CampoRicerca::mostra()
{
    scelta_ = -1;
    box_->setEditText(testo(RecordScheda()[colonna()]));
    box_->lineEdit()->setCursorPosition(0);
}

void CampoRicerca::conferma()
{
    LostFocus();
    GotFocus();
}

bool CampoRicerca::vuota() const
{
    return lista().RecordCount() == 0;
}

void CampoRicerca::DropDown()
{
    QStringList voci;
    dettagli_.clear();
    ado::Recordset &rs = lista();
    if (!vuota()) {
        ado::Field chiave = rs.Fields(QString::fromLatin1(m_.chiave));
        std::optional<ado::Field> dettaglio;
        if (m_.dettaglio)
            dettaglio = rs.Fields(QString::fromLatin1(m_.dettaglio));
        // One entry per row, a row without its key as an empty one.
        for (rs.MoveFirst(); !rs.isEOF(); rs.MoveNext()) {
            voci << testo(chiave.Value());
            if (dettaglio)
                dettagli_ << testo(dettaglio->Value());
        }
    }
    // Clearing empties the list and the text part; the list comes in one call.
    box_->clear();
    box_->addItems(voci);
    box_->setCurrentIndex(-1);
    box_->setEditText(QString());
    scelta_ = -1;
}

void CampoRicerca::GotFocus()
{
    *m_.vecchio = testo(RecordScheda()[colonna()]);
    vecchiDipendenti_ = dipendentiMemorizzati();
    ripristina();
}

void CampoRicerca::ripristina()
{
    scelta_ = -1;
    box_->setEditText(testo(RecordScheda()[colonna()]));
}

bool CampoRicerca::cambiato() const
{
    return testo(RecordScheda()[colonna()]) != *m_.vecchio
           || dipendentiMemorizzati() != vecchiDipendenti_;
}

int CampoRicerca::cerca(const QString &chiave) const
{
    ado::Recordset &rs = lista();
    if (vuota())
        return -1;
    ado::Field campo = rs.Fields(QString::fromLatin1(m_.chiave));
    // Unchanged, a name that stands in the list more than once keeps the row
    // of its stored dependants; typed, it takes the first row.
    const bool memorizzata = chiave == testo(RecordScheda()[colonna()]);
    const QStringList memorizzati = dipendentiMemorizzati();
    int prima = -1;
    int riga = 0;
    for (rs.MoveFirst(); !rs.isEOF(); rs.MoveNext(), ++riga) {
        const ado::Variant v = campo.Value();
        if (v.isNull() || v.toText() != chiave)
            continue;
        if (prima < 0)
            prima = riga;
        if (!memorizzata)
            break;
        if (dipendentiDellaRiga() == memorizzati)
            return riga;
    }
    return prima;
}

QStringList CampoRicerca::dipendentiDellaRiga() const
{
    QStringList d;
    for (const Dipendente &x : m_.dipendenti)
        d << testo(lista().Fields(QString::fromLatin1(x.colonnaLista)).Value());
    return d;
}

bool CampoRicerca::prendiRiga(int riga)
{
    ado::Recordset &rs = lista();
    // An empty key is no value: the stored one stays.
    if (riga < 0 || m_.chiaveTrovata->isEmpty() || vuota())
        return false;
    rs.MoveFirst();
    rs.Move(riga);
    // The row must still be the one looked up (the list read again since).
    if (rs.isEOF() || testo(rs.Fields(QString::fromLatin1(m_.chiave)).Value()) != *m_.chiaveTrovata)
        return false;
    const QStringList valori = dipendentiDellaRiga();
    RecordScheda().imposta(colonna(), ado::Variant(*m_.chiaveTrovata));
    for (qsizetype i = 0; i < m_.dipendenti.size(); ++i)
        RecordScheda().imposta(QString::fromLatin1(m_.dipendenti[i].variabile),
                               ado::Variant(valori[i]));
    box_->setEditText(testo(RecordScheda()[colonna()]));
    return true;
}

QStringList CampoRicerca::dipendentiMemorizzati() const
{
    QStringList d;
    for (const Dipendente &x : m_.dipendenti)
        d << testo(RecordScheda()[QString::fromLatin1(x.variabile)]);
    return d;
}

void CampoRicerca::mostraIn(const QList<Campo *> &campi)
{
    caselle_.clear();
    for (const Dipendente &d : m_.dipendenti)
        for (Campo *c : campi)
            if (auto *casella = qobject_cast<CampoSoloLettura *>(c);
                casella && casella->colonna() == QLatin1String(d.variabile))
                caselle_ << casella;
}

void CampoRicerca::aggiornaCaselle()
{
    for (CampoSoloLettura *c : std::as_const(caselle_))
        if (c && c->controllo())
            c->GotFocus();
}

int CampoRicerca::prendi(int riga)
{
    // A row that no longer holds the key: the first row that does.
    if (!prendiRiga(riga)) {
        riga = cerca(*m_.chiaveTrovata);
        if (!prendiRiga(riga))
            return -1;
    }
    *m_.trovato = 1;
    return riga;
}

void CampoRicerca::Click(int indice)
{
    *m_.chiaveTrovata = maiuscolo(box_->currentText());
    *m_.trovato = 0;
    // The row picked, not the first of that name: equal names of two
    // provinces are told apart in the list.
    const int riga = prendi(indice);
    if (riga >= 0) {
        scelta_ = riga;
        testoScelto_ = *m_.chiaveTrovata;
    } else {
        dlg::Beep();
        ripristina();
    }
    aggiornaCaselle();
}

void CampoRicerca::LostFocus()
{
    *m_.chiaveTrovata = maiuscolo(box_->currentText());
    *m_.trovato = 0;
    if (m_.chiaveTrovata->isEmpty()) {
        // Left empty: the stored value stays, and the box shows it again.
        ripristina();
    } else if (prendi(scelta_ >= 0 && testoScelto_ == *m_.chiaveTrovata ? scelta_ : -1) < 0) {
        dlg::Beep();
        ripristina();
    }
    // One comparison for every way out: a pick followed by an empty box, a
    // closed list or a wrong name is still a change of the sheet.
    if (cambiato())
        PaginaModificata = 1;
    aggiornaCaselle();
}

} // namespace scheda::campi
