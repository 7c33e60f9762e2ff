#pragma once
// Faults a hard tester puts on a database file: one page overwritten, as a
// failing disk leaves it; a read that the disk fails; another program
// holding the file locked; a small file system of our own that fills up or
// turns read-only; a folder whose name is not UTF-8.

#include "CartellaProva.h"

#include <QByteArray>
#include <QString>
#include <chrono>
#include <functional>
#include <memory>
#include <thread>

namespace prova {

// The size of a page of our files.
constexpr int DimensionePagina = 1024;

// The bytes of a file (none when it cannot be read): a file left as it was
// has the same ones.
QByteArray byteDi(const QString &percorso);
// Writes `byte` as the whole of a file; a file not written, or written in
// part, fails the test.
void scriviByte(const QString &percorso, const QByteArray &byte);
// The permission bits of a file or folder itself (a link is not followed),
// 0 when there is none.
unsigned modoDi(const QString &percorso);

// The number of the error (ado::Error) that `f` raises, 0 for none; its
// description into `testo` when asked.
long erroreDi(const std::function<void()> &f, QString *testo = nullptr);

// Overwrites page `numero` (1 is the first) with bytes that no key
// decrypts; the file keeps its size.
void sovrascriviPagina(const QString &percorso, int numero);

// The page where the rows of a table begin (its root), read through the key.
int paginaDellaTabella(const QString &percorso, const QString &password, const QString &tabella);

// The main file of the folder with the page that holds the rows of "Dati"
// overwritten (its other pages whole: it opens, and its table cannot be
// read). A program that has the file open meets the damage at its next
// read: another program writes the file first, so that no page is taken
// from memory.
void rovinaDati(const CartellaProva &cartella);

// The main file of the folder with three sheets: the first filled in whole
// (its row runs over several pages), then "SCHEDA 2" and "SCHEDA 3"; the
// last page of the first sheet's row, which no other row shares, is
// overwritten. The file opens, the keys, the names and the other two
// sheets read; the first sheet's row cannot.
void rovinaPrimaScheda(const CartellaProva &cartella);

// Another program holding a file: a connection of its own (connetti) in a
// write transaction, until it is released or destroyed. Esclusivo: no one
// reads the file either; Scrittura: others read it, no one writes.
class BloccoFile
{
public:
    enum class Modo { Esclusivo, Scrittura };
    BloccoFile(const QString &percorso, const QString &password, Modo modo = Modo::Esclusivo);
    ~BloccoFile();
    BloccoFile(const BloccoFile &) = delete;
    BloccoFile &operator=(const BloccoFile &) = delete;

    void rilascia();
    // Releases it from another thread once `dopo` has passed, as a short
    // lock of another program ends.
    void rilasciaTra(std::chrono::milliseconds dopo);

private:
    std::unique_ptr<ado::Connection> c_;
    std::thread attesa_;
};

// The disk failing under the database engine's reads of one file, as a bad
// sector makes them fail: while this lives, the `volta`-th read of the file
// that the engine makes from now on (every one of them with 0, and every
// one from the `volta`-th on with `eLeSeguenti`) fails with EIO. Other
// readers of the file (byteDi) are not touched. One at a time.
class LetturaGuasta
{
public:
    explicit LetturaGuasta(const QString &percorso, int volta = 0, bool eLeSeguenti = false);
    ~LetturaGuasta();
    LetturaGuasta(const LetturaGuasta &) = delete;
    LetturaGuasta &operator=(const LetturaGuasta &) = delete;
};

// A new folder inside `dentro` named "caf" and a Latin-1 "é" (the byte
// 0xE9, which UTF-8 never has alone), which Qt cannot name: removed at the
// end, and the test fails if anything was put in it.
class CartellaNonUtf8
{
public:
    explicit CartellaNonUtf8(const QString &dentro);
    ~CartellaNonUtf8();
    CartellaNonUtf8(const CartellaNonUtf8 &) = delete;
    CartellaNonUtf8 &operator=(const CartellaNonUtf8 &) = delete;

    // Its path as the system spells it.
    const QByteArray &percorso() const { return percorso_; }
    // The path as Qt decodes it: another folder, which is not there.
    QString comeLetto() const;

private:
    QByteArray percorso_;
};

// A small tmpfs of our own, where this machine lets a test mount one.
class Montaggio
{
public:
    explicit Montaggio(const QString &cartella);
    ~Montaggio();
    Montaggio(const Montaggio &) = delete;
    Montaggio &operator=(const Montaggio &) = delete;

    bool montato() const { return montato_; }
    const QString &cartella() const { return cartella_; }
    bool solaLettura(bool si);
    // Fills what is left of it with a file of its own: its path.
    QString riempi();
    // Puts `sorgente`, a writable file from elsewhere, in the place of
    // `file` of this file system: once this turns read-only, a writable
    // file in a read-only folder.
    bool legaFile(const QString &sorgente, const QString &file);

private:
    QString cartella_;
    bool montato_ = false;
    QByteArray legato_;
};

} // namespace prova
