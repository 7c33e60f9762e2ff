#pragma once
// The three database connections and six recordsets, opened at start-up and
// closed at exit; the export replaces its pair after each copy to the disk.

#include "platform/db/Connection.h"
#include "platform/db/Recordset.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

namespace scheda {

inline std::unique_ptr<ado::Connection> ConnessioneDati;
inline std::unique_ptr<ado::Connection> ConnessioneIdentifica;
inline std::unique_ptr<ado::Connection> ConnessioneEsporta;
inline std::unique_ptr<ado::Recordset> RsDati;
inline std::unique_ptr<ado::Recordset> RsComune;
inline std::unique_ptr<ado::Recordset> RsComune2;
inline std::unique_ptr<ado::Recordset> RsComuneRegione;
inline std::unique_ptr<ado::Recordset> RsAteco;
inline std::unique_ptr<ado::Recordset> RsEsporta;

// The folder of the executable (set at start-up; tests set their own).
inline QString CartellaProgramma;

// A new connection to a database file, set up as every connection of the
// program (provider, file, password) and opened.
std::unique_ptr<ado::Connection> apriFile(const QString &percorso, const QString &password);
// The same for a file of the program folder.
std::unique_ptr<ado::Connection> apriConnessione(const QString &nomeFile, const QString &password);
// A new recordset on a source, dynamic and pessimistic as every one here, opened.
std::unique_ptr<ado::Recordset> apriRecordset(const QString &source, ado::Connection &connessione);

// The connection and recordset of the export file, as start-up opens them.
void apriEsporta();
// Opens the three files and the six recordsets, the main file first: a file
// that fails leaves the ones after it unopened.
void apriArchivio();
// Closes the recordsets, then the connections, and releases them all;
// whatever is not open is skipped.
void chiudiArchivio();

// Moves RsDati to its last row; when "Dati" has none (error 3021) a blank
// row is added and taken. Any other failure is thrown: it is a file that
// could not be read, and such a file is not written.
void ultimaSchedaOVuota();

// Puts RsDati on the row of IdRecord by MoveFirst and MoveNext, stopping at
// the end of the table; false when no row holds the key.
bool posizionaSuIdRecord();

// Runs a write on RsDati; when it fails, the changes not yet stored are
// dropped (so no later move stores them) and the failure goes on.
void scriviRiga(const std::function<void()> &scrittura);
// The same for a write that updates the row of IdRecord and no other (a
// page's save): the sheet list then knows which row has changed.
void salvaRigaScheda(const std::function<void()> &scrittura);

// The key and name of every sheet, in the order of RsDati, from one query
// (a read-only recordset) that leaves RsDati where it stands; a sheet with
// no name has the empty name. While the file has not changed since the last
// read, that read is given again without a query; when the one change since
// is a page's save (salvaRigaScheda), only that row's name is read again.
struct VociSchede
{
    QList<ado::Variant> chiavi;
    QStringList nomi;
};
VociSchede leggiVociSchede();
// A sheet's name as the list shows it: a row with no name has the empty one.
QString testoDenominazione(const ado::Variant &nome);
// Place of a key in a list's keys, -1 when it is not there.
int posizioneChiave(const QList<ado::Variant> &chiavi, const ado::Variant &chiave);

// Puts RsDati on the row of IdRecord by MoveFirst and MoveNext; returns the
// row's position. When the key is gone (deleted behind the program's back)
// it reports it, falls back to the last row and takes that key.
int cercaIdRecord();

} // namespace scheda
