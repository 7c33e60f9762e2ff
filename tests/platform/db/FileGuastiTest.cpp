// Files that cannot be opened, read or written: each failure is told by its
// own number and an Italian text that names the file, and the file is left
// byte for byte as it was. A table that cannot be read never looks empty,
// and nothing is written into a file whose last read failed.

#include "CartellaProva.h"
#include "Guasti.h"

#include "core/Archivio.h"
#include "core/FileDati.h"
#include "platform/db/Connection.h"
#include "platform/db/Error.h"
#include "platform/db/Recordset.h"
#include "platform/db/SqliteError.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace ado;
using scheda::FileVarnex;
using scheda::PasswordVarnex;

namespace {

enum class Passo { Apertura, Lettura, Scrittura, Fatto };

const char *nomeDi(Passo p)
{
    static const char *nomi[] = {"open", "read", "write", "done"};
    return nomi[int(p)];
}

struct Esito
{
    Passo passo = Passo::Fatto;
    long numero = 0;
    QString testo;
};

// The main file used as the program uses it: opened with "Dati", the last
// sheet read whole, then renamed; where it stopped and with what.
Esito usa(const QString &percorso, const QString &password)
{
    Passo passo = Passo::Apertura;
    try {
        auto c = connetti(percorso, password);
        passo = Passo::Lettura;
        auto rs = scheda::apriRecordset(QStringLiteral("Dati"), *c);
        rs->MoveLast();
        rs->Fields(QStringLiteral("nato")).Value();
        passo = Passo::Scrittura;
        rs->Fields(QStringLiteral("denominazione")).setValue(QStringLiteral("RINOMINATA"));
        rs->Update();
        return {};
    } catch (const Error &e) {
        return {passo, e.number(), e.description()};
    }
}

// A database file that anyone can read: the program's table, no password.
void scriviSenzaPassword(const QString &percorso)
{
    QFile::remove(percorso);
    sqlite3 *db = nullptr;
    sqlite3_open_v2(percorso.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE,
                    nullptr);
    sqlite3_exec(
        db,
        "CREATE TABLE Dati (id_scheda INTEGER PRIMARY KEY AUTOINCREMENT, denominazione TEXT);"
        "INSERT INTO Dati (denominazione) VALUES ('SCHEDA 1');",
        nullptr, nullptr, nullptr);
    sqlite3_close_v2(db);
}

// Where a case puts its fault: the file used and what holds the fault
// while it is used.
struct Scena
{
    CartellaProva &cartella;
    QString file;
    QString password = PasswordVarnex;
    std::unique_ptr<prova::Montaggio> disco;
    std::unique_ptr<prova::BloccoFile> blocco;
    std::unique_ptr<prova::LetturaGuasta> lettura;
    QString nonQui; // why this machine cannot make the fault
    std::function<void()> ripristina;

    QString sottocartella(const char *nome) const
    {
        return QDir(cartella.cartella()).filePath(QString::fromLatin1(nome));
    }
    // A small file system of our own holding a copy of the main file.
    bool copiaSuDisco(const char *nome)
    {
        disco = std::make_unique<prova::Montaggio>(sottocartella(nome));
        if (!disco->montato()) {
            nonQui = QStringLiteral("mounting a small file system is not allowed here");
            return false;
        }
        const QString copia = QDir(disco->cartella()).filePath(FileVarnex);
        QFile::copy(file, copia);
        file = copia;
        return true;
    }
};

const bool radice = ::geteuid() == 0;

// What a read of a damaged file says, and a write after it.
QString dannoDi(const QString &file)
{
    return QStringLiteral("Impossibile leggere il file '%1': il file è danneggiato.").arg(file);
}

QString rifiutoDi(const QString &file)
{
    return QStringLiteral("Impossibile scrivere nel file '%1': una sua lettura non è riuscita (il "
                          "file è danneggiato), "
                          "il file resta com'è.")
        .arg(file);
}

// The number and text of the error `f` raises (0 and no text: none).
std::pair<long, std::string> erroreETesto(const std::function<void()> &f)
{
    QString testo;
    const long numero = prova::erroreDi(f, &testo);
    return {numero, testo.toStdString()};
}

} // namespace

TEST(FileGuasti, EachFailureOfTheFileIsToldApartAndTheFileStaysAsItWas)
{
    const QString bloccato = QStringLiteral(
        "il file è bloccato da un altro programma e non si è liberato entro 3 secondi");
    // The disk fails the `volta`-th read of the open: whichever it is, the
    // key's first read or one before it, the same text.
    const auto letturaFallita = [](int volta) {
        return [volta](Scena &s) {
            s.lettura = std::make_unique<prova::LetturaGuasta>(s.file, volta);
        };
    };
    const QString letturaDalDisco = QStringLiteral(
        "Impossibile aprire il file '%1': errore di lettura dal disco.");
    const struct Caso
    {
        const char *nome;
        std::function<void(Scena &)> guasta;
        Passo passo;
        long numero;
        QString testo;        // %1 the file, %2 its folder
        bool attende = false; // the busy timeout passes first
    } casi[] = {
        {"missing file", [](Scena &s) { QFile::remove(s.file); }, Passo::Apertura,
         err::FileNotFound, QStringLiteral("Impossibile trovare il file '%1'.")},
        {"a folder in the file's place",
         [](Scena &s) {
             QFile::remove(s.file);
             QDir().mkdir(s.file);
         },
         Passo::Apertura, err::NotAFile,
         QStringLiteral("Impossibile aprire il file '%1': al suo posto c'è una cartella.")},
        {"every read failing on the disk", letturaFallita(0), Passo::Apertura, err::ReadFailed,
         letturaDalDisco},
        {"the disk failing the open's first read", letturaFallita(1), Passo::Apertura,
         err::ReadFailed, letturaDalDisco},
        {"the disk failing the open's second read", letturaFallita(2), Passo::Apertura,
         err::ReadFailed, letturaDalDisco},
        {"the disk failing the open's third read", letturaFallita(3), Passo::Apertura,
         err::ReadFailed, letturaDalDisco},
        {"empty file", [](Scena &s) { prova::scriviByte(s.file, {}); }, Passo::Apertura,
         err::FileDamaged, QStringLiteral("Impossibile aprire il file '%1': il file è vuoto.")},
        {"wrong password", [](Scena &s) { s.password = QStringLiteral("tervolK"); },
         Passo::Apertura, err::BadPassword,
         QStringLiteral(
             "Impossibile aprire il file '%1': password non valida o file danneggiato.")},
        {"a file of another kind",
         [](Scena &s) {
             prova::scriviByte(s.file, QByteArray("Non sono un archivio.\n").repeated(200));
         },
         Passo::Apertura, err::BadPassword,
         QStringLiteral(
             "Impossibile aprire il file '%1': password non valida o file danneggiato.")},
        {"first page damaged", [](Scena &s) { prova::sovrascriviPagina(s.file, 1); },
         Passo::Apertura, err::BadPassword,
         QStringLiteral(
             "Impossibile aprire il file '%1': password non valida o file danneggiato.")},
        {"a database without password", [](Scena &s) { scriviSenzaPassword(s.file); },
         Passo::Apertura, err::NotEncrypted,
         QStringLiteral("Impossibile aprire il file '%1': è un database senza password, non un "
                        "file del programma.")},
        {"the rows of Dati damaged",
         [](Scena &s) {
             prova::sovrascriviPagina(s.file, prova::paginaDellaTabella(s.file, s.password,
                                                                        QStringLiteral("Dati")));
         },
         Passo::Lettura, err::FileDamaged,
         QStringLiteral("Impossibile leggere il file '%1': il file è danneggiato.")},
        {"locked by another program",
         [](Scena &s) {
             s.blocco = std::make_unique<prova::BloccoFile>(s.file, s.password,
                                                            prova::BloccoFile::Modo::Esclusivo);
         },
         Passo::Apertura, err::FileLocked,
         QStringLiteral("Impossibile aprire il file '%1': ") + bloccato + QLatin1Char('.'), true},
        {"being written by another program",
         [](Scena &s) {
             s.blocco = std::make_unique<prova::BloccoFile>(s.file, s.password,
                                                            prova::BloccoFile::Modo::Scrittura);
         },
         Passo::Scrittura, err::FileLocked,
         QStringLiteral("Impossibile scrivere nel file '%1': ") + bloccato + QLatin1Char('.'), true},
        {"read-only file",
         [](Scena &s) {
             if (!radice) {
                 ::chmod(QFile::encodeName(s.file).constData(), 0444);
                 return;
             }
             // Permissions do not stop root: a read-only file system does.
             if (s.copiaSuDisco("sola"))
                 s.disco->solaLettura(true);
         },
         Passo::Scrittura, err::FileReadOnly,
         QStringLiteral("Impossibile scrivere nel file '%1': il file è di sola lettura.")},
        {"read-only folder",
         [](Scena &s) {
             if (!radice) {
                 const QByteArray cartella = QFile::encodeName(s.cartella.cartella());
                 ::chmod(cartella.constData(), 0555);
                 s.ripristina = [cartella] { ::chmod(cartella.constData(), 0755); };
                 return;
             }
             // The file itself stays writable; the folder it stands in is a
             // read-only file system, where no journal can be made.
             s.disco = std::make_unique<prova::Montaggio>(s.sottocartella("cartella"));
             const QString inCartella = QDir(s.disco->cartella()).filePath(FileVarnex);
             if (!s.disco->montato() || !s.disco->legaFile(s.file, inCartella)
                 || !s.disco->solaLettura(true)) {
                 s.nonQui = QStringLiteral("mounting a small file system is not allowed here");
                 return;
             }
             s.file = inCartella;
         },
         Passo::Scrittura, err::FileReadOnly,
         QStringLiteral("Impossibile scrivere nel file '%1': la cartella '%2' è di sola lettura.")},
        {"full disk",
         [](Scena &s) {
             if (s.copiaSuDisco("piena"))
                 s.disco->riempi();
         },
         Passo::Scrittura, err::DiskFull,
         QStringLiteral("Impossibile scrivere nel file '%1': il disco è pieno.")},
    };
    QStringList nonFatti; // the cases this machine cannot make
    for (const Caso &caso : casi) {
        SCOPED_TRACE(caso.nome);
        CartellaProva cartella;
        cartella.aggiungiSchede(3);
        Scena scena{cartella, cartella.percorso(FileVarnex)};
        caso.guasta(scena);
        if (!scena.nonQui.isEmpty()) {
            nonFatti << QStringLiteral("%1: %2").arg(QLatin1String(caso.nome), scena.nonQui);
            continue;
        }
        const bool cera = QFile::exists(scena.file);
        const QByteArray prima = prova::byteDi(scena.file);
        QElapsedTimer tempo;
        tempo.start();
        const Esito esito = usa(scena.file, scena.password);
        const qint64 attesa = tempo.elapsed();

        EXPECT_STREQ(nomeDi(esito.passo), nomeDi(caso.passo));
        EXPECT_EQ(esito.numero, caso.numero);
        const QString atteso = caso.testo.contains(QStringLiteral("%2"))
                                   ? caso.testo.arg(scena.file,
                                                    QDir::toNativeSeparators(
                                                        QFileInfo(scena.file).absolutePath()))
                                   : caso.testo.arg(scena.file);
        EXPECT_EQ(esito.testo.toStdString(), atteso.toStdString());
        if (caso.attende)
            EXPECT_GE(attesa, BusyTimeoutMs - 100);
        else
            EXPECT_LT(attesa, BusyTimeoutMs / 2) << "no wait without a lock";
        EXPECT_EQ(QFile::exists(scena.file), cera);
        EXPECT_TRUE(prova::byteDi(scena.file) == prima) << "the file was changed";
        EXPECT_FALSE(QFile::exists(scena.file + QStringLiteral("-journal")));
        scena.blocco.reset();
        scena.lettura.reset();
        if (scena.ripristina)
            scena.ripristina();
    }
    if (!nonFatti.isEmpty())
        GTEST_SKIP() << "not made: " << nonFatti.join(QStringLiteral("; ")).toStdString();
}

TEST(FileGuasti, AShortLockOfAnotherProgramIsWaitedFor)
{
    for (const auto modo :
         {prova::BloccoFile::Modo::Esclusivo, prova::BloccoFile::Modo::Scrittura}) {
        SCOPED_TRACE(int(modo));
        CartellaProva cartella;
        cartella.aggiungiSchede(3);
        const QString file = cartella.percorso(FileVarnex);
        prova::BloccoFile blocco(file, PasswordVarnex, modo);
        blocco.rilasciaTra(std::chrono::milliseconds(500));
        QElapsedTimer tempo;
        tempo.start();
        const Esito esito = usa(file, PasswordVarnex);
        EXPECT_STREQ(nomeDi(esito.passo), nomeDi(Passo::Fatto)) << esito.testo.toStdString();
        EXPECT_GE(tempo.elapsed(), 400);
        blocco.rilascia();
        const QString nome = suDati(file, PasswordVarnex, [](Recordset &rs) {
            rs.MoveLast();
            return rs.Fields(QStringLiteral("denominazione")).Value().toText();
        });
        EXPECT_EQ(nome, QStringLiteral("RINOMINATA"));
    }
}

namespace {

// Three sheets, "Dati" open on the last one.
class TreSchede : public ::testing::Test
{
protected:
    void SetUp() override
    {
        cartella.aggiungiSchede(3);
        c = connetti(file, PasswordVarnex);
        rs = scheda::apriRecordset(QStringLiteral("Dati"), *c);
        rs->MoveLast();
    }
    CartellaProva cartella;
    const QString file = cartella.percorso(FileVarnex);
    std::unique_ptr<Connection> c;
    std::unique_ptr<Recordset> rs;
};

} // namespace

TEST_F(TreSchede, ATableThatCannotBeReadIsNeverEmptyAndTheFileIsNotWritten)
{
    prova::rovinaDati(cartella); // behind the connection's back
    const QByteArray guasto = prova::byteDi(file);
    const QString danno = dannoDi(file), rifiuto = rifiutoDi(file);

    const struct
    {
        const char *nome;
        std::function<void()> fai;
        QString testo;
    } operazioni[] = {
        {"the row of the current key", [&] { rs->Fields(QStringLiteral("nome")).Value(); }, danno},
        {"MoveFirst", [&] { rs->MoveFirst(); }, danno},
        {"MoveLast", [&] { rs->MoveLast(); }, danno},
        {"a new recordset on the table", [&] { scheda::apriRecordset(QStringLiteral("Dati"), *c); },
         danno},
        {"an SQL text on the table", [&] { scheda::apriRecordset(scheda::SqlElencoSchede, *c); },
         danno},
        {"a new row",
         [&] {
             rs->AddNew();
             rs->Update();
         },
         rifiuto},
        {"an update",
         [&] {
             rs->Fields(QStringLiteral("denominazione")).setValue(QStringLiteral("MAI"));
             rs->Update();
         },
         rifiuto},
        {"a delete", [&] { rs->Delete(1); }, rifiuto},
    };
    for (const auto &o : operazioni) {
        SCOPED_TRACE(o.nome);
        EXPECT_EQ(erroreETesto(o.fai), std::make_pair(err::FileDamaged, o.testo.toStdString()));
        rs->CancelUpdate();
        EXPECT_EQ(rs->RecordCount(), 3) << "the keys read before are kept";
    }
    EXPECT_TRUE(prova::byteDi(file) == guasto);
}

TEST(FileGuasti, OnceAPageOfOneSheetCouldNotBeReadNothingIsWrittenIntoTheFile)
{
    CartellaProva cartella;
    prova::rovinaPrimaScheda(cartella);
    const QString file = cartella.percorso(FileVarnex);
    const QByteArray guasto = prova::byteDi(file);
    auto c = connetti(file, PasswordVarnex);
    auto rs = scheda::apriRecordset(QStringLiteral("Dati"), *c);
    ASSERT_EQ(rs->RecordCount(), 3);
    {
        auto elenco = scheda::apriRecordset(scheda::SqlElencoSchede, *c); // the names read
        EXPECT_EQ(elenco->RecordCount(), 3);
    }
    rs->MoveFirst();
    const auto danno = std::make_pair(err::FileDamaged, dannoDi(file).toStdString());
    EXPECT_EQ(erroreETesto([&] { rs->Fields(QStringLiteral("nome")).Value(); }), danno);
    rs->MoveLast();
    EXPECT_EQ(rs->Fields(QStringLiteral("denominazione")).Value().toText(),
              QStringLiteral("SCHEDA 3"));

    // The engine would write the last sheet's page; the file met a damaged
    // page, so nothing goes into it.
    const auto rifiuto = std::make_pair(err::FileDamaged, rifiutoDi(file).toStdString());
    rs->Fields(QStringLiteral("denominazione")).setValue(QStringLiteral("MAI"));
    EXPECT_EQ(erroreETesto([&] { rs->Update(); }), rifiuto);
    rs->CancelUpdate();
    rs->AddNew();
    EXPECT_EQ(erroreETesto([&] { rs->Update(); }), rifiuto);
    rs->CancelUpdate();
    rs->MoveLast();
    EXPECT_EQ(erroreETesto([&] { rs->Delete(1); }), rifiuto);
    EXPECT_EQ(rs->RecordCount(), 3);
    EXPECT_TRUE(prova::byteDi(file) == guasto);
}

TEST_F(TreSchede, AfterAReadThatMetALockTheNextWriteWaitsForAReadThatWorks)
{
    const QByteArray prima = prova::byteDi(file);
    {
        prova::BloccoFile blocco(file, PasswordVarnex);
        EXPECT_EQ(prova::erroreDi([&] { rs->MoveFirst(); }), err::FileLocked);
        rs->Fields(QStringLiteral("denominazione")).setValue(QStringLiteral("DURANTE"));
        QString testo;
        EXPECT_EQ(prova::erroreDi([&] { rs->Update(); }, &testo), err::FileLocked);
        EXPECT_TRUE(testo.startsWith(QStringLiteral("Impossibile leggere il file '%1'").arg(file)))
            << testo.toStdString();
        rs->CancelUpdate();
    }
    EXPECT_TRUE(prova::byteDi(file) == prima);
    // Released: the file reads again, and the write goes.
    rs->Fields(QStringLiteral("denominazione")).setValue(QStringLiteral("DOPO"));
    EXPECT_EQ(prova::erroreDi([&] { rs->Update(); }), 0);
    rs->MoveFirst();
    rs->MoveLast();
    EXPECT_EQ(rs->Fields(QStringLiteral("denominazione")).Value().toText(), QStringLiteral("DOPO"));
}

TEST(FileGuasti, TheEnginesReasonsAreToldInItalian)
{
    const QString file = QStringLiteral("/dati/Varnex.mdb");
    const struct
    {
        int codice;
        Access accesso;
        long numero;
        const char *testo;
    } casi[] = {
        {SQLITE_CORRUPT, Access::Read, err::FileDamaged,
         "Impossibile leggere il file '/dati/Varnex.mdb': il file è danneggiato."},
        {SQLITE_NOTADB, Access::Write, err::FileDamaged,
         "Impossibile scrivere nel file '/dati/Varnex.mdb': il file è danneggiato."},
        {SQLITE_IOERR_READ, Access::Read, err::ReadFailed,
         "Impossibile leggere il file '/dati/Varnex.mdb': errore di lettura dal disco."},
        {SQLITE_IOERR_WRITE, Access::Write, err::WriteFailed,
         "Impossibile scrivere nel file '/dati/Varnex.mdb': errore di scrittura sul disco."},
        {SQLITE_FULL, Access::Write, err::DiskFull,
         "Impossibile scrivere nel file '/dati/Varnex.mdb': il disco è pieno."},
        {SQLITE_READONLY, Access::Write, err::FileReadOnly,
         "Impossibile scrivere nel file '/dati/Varnex.mdb': il file è di sola lettura."},
        {SQLITE_CANTOPEN, Access::Open, err::FileNotFound,
         "Impossibile aprire il file '/dati/Varnex.mdb': il file non si può aprire."},
        {SQLITE_CONSTRAINT, Access::Write, err::SqlFailed,
         "Impossibile scrivere nel file '/dati/Varnex.mdb': la modifica viola un vincolo del "
         "database."},
        {SQLITE_NOMEM, Access::Read, err::SqlFailed,
         "Impossibile leggere il file '/dati/Varnex.mdb': memoria insufficiente."},
    };
    for (const auto &c : casi) {
        const Error e = engineError(nullptr, c.codice, c.accesso, file);
        EXPECT_EQ(e.number(), c.numero) << c.testo;
        EXPECT_EQ(e.description().toStdString(), c.testo);
    }

    // Statements the engine refuses, on a file of another shape.
    sqlite3 *db = nullptr;
    sqlite3_open(":memory:", &db);
    sqlite3_exec(db, "CREATE TABLE Dati (id_scheda INTEGER PRIMARY KEY)", nullptr, nullptr, nullptr);
    const struct
    {
        const char *sql;
        const char *motivo;
    } rifiutate[] = {
        {"SELECT * FROM comuni_vecchi", "la tabella 'comuni_vecchi' non esiste"},
        {"SELECT nome FROM Dati", "la colonna 'nome' non esiste"},
        {"INSERT INTO Dati (nome) VALUES (1)", "la tabella 'Dati' non ha la colonna 'nome'"},
        {"SELEZIONA * FROM Dati", "errore di sintassi vicino a \"SELEZIONA\""},
    };
    for (const auto &r : rifiutate) {
        sqlite3_stmt *s = nullptr;
        const int rc = sqlite3_prepare_v2(db, r.sql, -1, &s, nullptr);
        sqlite3_finalize(s);
        const Error e = engineError(db, rc, Access::Read, file);
        EXPECT_EQ(e.number(), err::SqlFailed) << r.sql;
        EXPECT_EQ(e.description().toStdString(),
                  QStringLiteral("Impossibile leggere il file '%1': %2.")
                      .arg(file, QString::fromUtf8(r.motivo))
                      .toStdString());
    }
    sqlite3_close(db);
}
