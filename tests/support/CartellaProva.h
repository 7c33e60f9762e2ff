#pragma once
// A temporary program folder with the three data files, made by the same
// code as the real ones, and helpers to reach them in tests.

#include "TestiNeiMessaggi.h"

#include "platform/db/Connection.h"
#include "platform/db/Recordset.h"

#include <QString>
#include <QTemporaryDir>
#include <memory>

class CartellaProva
{
public:
    // With or without the data files (tests of missing files make none).
    explicit CartellaProva(bool conFile = true);
    QString percorso(const QString &nome) const;
    QString cartella() const { return dir_.path(); }

    // Adds n rows with denominazione "SCHEDA 1".."SCHEDA n" to Varnex.mdb.
    void aggiungiSchede(int n) const;
    // Runs statements on a file through a connection of its own (connetti).
    void esegui(const QString &nome, const QString &password, const QString &sql) const;

private:
    QTemporaryDir dir_;
};

// A connection to a database file (of a test folder or anywhere else), set
// up, keyed and opened as the program opens its own; its handle() serves
// what a test does on the file through the engine itself (a statement, a
// lock).
std::unique_ptr<ado::Connection> connetti(const QString &percorso, const QString &password);

// Puts a recordset of "Dati" on the row whose key is `chiave` (MoveFirst,
// then MoveNext); false when no row holds it.
bool vaiAllaChiave(ado::Recordset &rs, const ado::Variant &chiave);

// Runs `leggi` on the recordset of "Dati" of a database file, through a
// connection of its own.
template<typename F>
auto suDati(const QString &percorso, const QString &password, F leggi)
{
    const auto c = connetti(percorso, password);
    ado::Recordset rs;
    rs.Source = QStringLiteral("Dati");
    rs.ActiveConnection = c.get();
    rs.Open();
    return leggi(rs);
}
