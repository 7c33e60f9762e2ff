#include "core/Archivio.h"
#include "core/FileDati.h"
#include "core/Globali.h"

#include "platform/db/Error.h"
#include "platform/dialoghi/Dialoghi.h"

namespace scheda {

namespace {

// The last sheet list read, and the mark of the file when it was read: a
// record move reopens page 1 on a table that has not changed.
struct ElencoLetto
{
    const ado::Connection *connessione = nullptr;
    ado::ChangeMark segno;
    VociSchede voci;
};
ElencoLetto ultimoElenco;

// The last page save: the row it updated, and the connection's count of
// changes before and after it.
struct Salvataggio
{
    ado::Variant chiave;
    std::int64_t prima = -1;
    std::int64_t dopo = -1;
};
Salvataggio ultimoSalvataggio;

// Whether the file has changed since the list was read by that save alone:
// no other connection has committed (the first part of the mark), and this
// one has made one change, the save's, and nothing before or after it.
bool soloIlSalvataggio(const ElencoLetto &e, const ado::ChangeMark &segno)
{
    const Salvataggio &s = ultimoSalvataggio;
    return segno.first == e.segno.first && s.prima == e.segno.second && s.dopo == s.prima + 1
           && segno.second == s.dopo;
}

// The name of the row saved, read again into the list; false when the row is
// not one of the list's (the list is then read whole).
bool rileggiNomeSalvato(ElencoLetto &e)
{
    const int i = posizioneChiave(e.voci.chiavi, ultimoSalvataggio.chiave);
    if (i < 0)
        return false;
    const auto riga = apriRecordset(QStringLiteral("SELECT denominazione FROM Dati WHERE "
                                                   "id_scheda = %1")
                                        .arg(e.voci.chiavi[i].integer()),
                                    *ConnessioneDati);
    if (riga->isEOF())
        return false;
    e.voci.nomi[i] = testoDenominazione(riga->Fields(0).Value());
    return true;
}

} // namespace

std::unique_ptr<ado::Connection> apriFile(const QString &percorso, const QString &password)
{
    auto c = std::make_unique<ado::Connection>();
    c->Provider = ProviderJet;
    c->setProperty(QStringLiteral("Data Source"), percorso);
    c->setProperty(QStringLiteral("Jet OLEDB:Database Password"), password);
    c->Open();
    return c;
}

std::unique_ptr<ado::Connection> apriConnessione(const QString &nomeFile, const QString &password)
{
    return apriFile(percorsoProgramma(CartellaProgramma, nomeFile), password);
}

std::unique_ptr<ado::Recordset> apriRecordset(const QString &source, ado::Connection &connessione)
{
    auto rs = std::make_unique<ado::Recordset>();
    rs->CursorType = ado::adOpenDynamic;
    rs->Source = source;
    rs->LockType = ado::adLockPessimistic;
    rs->ActiveConnection = &connessione;
    rs->Open();
    return rs;
}

void apriEsporta()
{
    ConnessioneEsporta = apriConnessione(FileEsporta, PasswordEsporta);
    RsEsporta = apriRecordset(QStringLiteral("Dati"), *ConnessioneEsporta);
}

void apriArchivio()
{
    ultimoElenco = {};
    ultimoSalvataggio = {};
    ConnessioneDati = apriConnessione(FileVarnex, PasswordVarnex);
    RsDati = apriRecordset(QStringLiteral("Dati"), *ConnessioneDati);
    ConnessioneIdentifica = apriConnessione(FileIdentifica, PasswordIdentifica);
    ConnessioneEsporta = apriConnessione(FileEsporta, PasswordEsporta);
    RsComune = apriRecordset(SqlComune, *ConnessioneIdentifica);
    RsComune2 = RsComune->Clone(); // the same sorted list, read once, a cursor of its own
    RsComuneRegione = apriRecordset(sqlComuneRegione(), *ConnessioneIdentifica);
    RsAteco = apriRecordset(SqlAteco, *ConnessioneIdentifica);
    RsEsporta = apriRecordset(QStringLiteral("Dati"), *ConnessioneEsporta);
}

void chiudiArchivio()
{
    ultimoElenco = {};
    ultimoSalvataggio = {};
    for (auto *rs : {&RsDati, &RsComune, &RsComune2, &RsComuneRegione, &RsAteco, &RsEsporta})
        if (*rs)
            (*rs)->Close();
    for (auto *rs : {&RsDati, &RsComune, &RsComune2, &RsComuneRegione, &RsAteco, &RsEsporta})
        rs->reset();
    for (auto *c : {&ConnessioneDati, &ConnessioneIdentifica, &ConnessioneEsporta})
        if (*c)
            (*c)->Close();
    for (auto *c : {&ConnessioneDati, &ConnessioneIdentifica, &ConnessioneEsporta})
        c->reset();
}

void ultimaSchedaOVuota()
{
    try {
        RsDati->MoveLast();
    } catch (const ado::Error &e) {
        if (e.number() != ado::err::NoCurrentRecord)
            throw;
        TabellaVuota = 1;
    }
    if (TabellaVuota == 1) {
        RsDati->AddNew();
        RsDati->Update();
        RsDati->MoveLast();
        TabellaVuota = 0;
    }
}

bool posizionaSuIdRecord()
{
    RsDati->MoveFirst();
    while (!RsDati->isEOF() && !RsDati->Fields(0).Value().looselyEquals(IdRecord))
        RsDati->MoveNext();
    return !RsDati->isEOF();
}

void scriviRiga(const std::function<void()> &scrittura)
{
    try {
        scrittura();
    } catch (...) {
        RsDati->CancelUpdate();
        throw;
    }
}

void salvaRigaScheda(const std::function<void()> &scrittura)
{
    const std::int64_t prima = ConnessioneDati->changesMade();
    ultimoSalvataggio = {};
    scriviRiga(scrittura);
    ultimoSalvataggio = {IdRecord, prima, ConnessioneDati->changesMade()};
}

VociSchede leggiVociSchede()
{
    const ado::ChangeMark segno = ConnessioneDati->changeMark();
    if (ultimoElenco.connessione == ConnessioneDati.get()) {
        if (ultimoElenco.segno == segno)
            return ultimoElenco.voci;
        if (soloIlSalvataggio(ultimoElenco, segno) && rileggiNomeSalvato(ultimoElenco)) {
            ultimoElenco.segno = segno;
            return ultimoElenco.voci;
        }
    }
    const auto elenco = apriRecordset(SqlElencoSchede, *ConnessioneDati);
    VociSchede voci;
    voci.chiavi.reserve(elenco->RecordCount());
    voci.nomi.reserve(elenco->RecordCount());
    for (; !elenco->isEOF(); elenco->MoveNext()) {
        voci.chiavi << elenco->Fields(0).Value();
        voci.nomi << testoDenominazione(elenco->Fields(1).Value());
    }
    ultimoElenco = {ConnessioneDati.get(), segno, voci};
    return voci;
}

QString testoDenominazione(const ado::Variant &nome)
{
    return nome.isNull() ? QString() : nome.toText();
}

int posizioneChiave(const QList<ado::Variant> &chiavi, const ado::Variant &chiave)
{
    for (int k = 0; k < chiavi.size(); ++k)
        if (chiavi[k].looselyEquals(chiave))
            return k;
    return -1;
}

int cercaIdRecord()
{
    int posizione = 0;
    RsDati->MoveFirst();
    while (!RsDati->isEOF() && !RsDati->Fields(0).Value().looselyEquals(IdRecord)) {
        RsDati->MoveNext();
        ++posizione;
    }
    if (!RsDati->isEOF())
        return posizione;
    dlg::MsgBox(
        QStringLiteral(
            "La scheda corrente non si trova più nell'archivio: viene mostrata l'ultima scheda."),
        dlg::vbExclamation, QStringLiteral("Scheda non trovata"));
    RsDati->MoveLast();
    IdRecord = RsDati->Fields(0).Value();
    return int(RsDati->RecordCount()) - 1;
}

} // namespace scheda
