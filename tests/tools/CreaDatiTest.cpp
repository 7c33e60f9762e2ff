// The data-file tool: the three files it makes open through the record layer
// with their passwords only; existing files stay unless it is told to
// overwrite; a bad list fails before anything half-made is left.

#include "CreaDati.h"
#include "CartellaProva.h"
#include "Guasti.h"

#include "core/ColonneDati.h"
#include "core/FileDati.h"
#include "platform/db/Connection.h"
#include "platform/db/Error.h"
#include "platform/db/Recordset.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <stdexcept>

using namespace scheda;

namespace {

struct Aperto
{
    std::unique_ptr<ado::Connection> conn;
    std::unique_ptr<ado::Recordset> rs;
};

Aperto apri(const QString &file, const QString &password, const QString &source)
{
    Aperto a;
    a.conn = connetti(file, password);
    a.rs = std::make_unique<ado::Recordset>();
    a.rs->Source = source;
    a.rs->ActiveConnection = a.conn.get();
    a.rs->Open();
    return a;
}

// A folder with the two lists beside it and the tool's options pointing there.
class Cartella
{
public:
    Cartella()
    {
        scrivi(QStringLiteral("comuni.csv"),
               "\xEF\xBB\xBF"
               "descrizione,id_provincia,cap\r\n"
               "ANCONA,AN,60121\r\n"
               "  sant'elpidio a mare ,fm, 63811 \r\n"
               "\"FORLÌ\",FC,47121\r\n"
               "\"CASTEL D'AIANO, FRAZIONE \"\"ROCCA\"\"\",BO,40034\r\n"
               "\r\n");
        scrivi(QStringLiteral("ateco.csv"),
               "codice_istat,descrizione\n"
               "01.11.1,\"Coltivazione di cereali (compreso il riso)\"\n"
               "15.11.0,\"Produzione, lavorazione e conservazione di carne\"\n");
        opzioni.cartella = programma();
        opzioni.comuniCsv = percorso(QStringLiteral("comuni.csv"));
        opzioni.atecoCsv = percorso(QStringLiteral("ateco.csv"));
        QDir(dir_.path()).mkdir(QStringLiteral("programma"));
    }
    QString percorso(const QString &nome) const { return QDir(dir_.path()).filePath(nome); }
    QString programma() const { return percorso(QStringLiteral("programma")); }
    QString file(const QString &nome) const { return percorsoProgramma(programma(), nome); }
    QStringList contenuto() const
    {
        return QDir(programma()).entryList(QDir::Files | QDir::Hidden);
    }
    void scrivi(const QString &nome, const QByteArray &testo) const
    {
        prova::scriviByte(percorso(nome), testo);
    }

    creadati::Opzioni opzioni;

private:
    QTemporaryDir dir_;
};

std::vector<QStringList> righe(ado::Recordset &rs)
{
    std::vector<QStringList> out;
    while (!rs.isEOF()) {
        QStringList r;
        for (int i = 0; i < rs.FieldsCount(); ++i)
            r << rs.Fields(i).Value().toText();
        out.push_back(r);
        rs.MoveNext();
    }
    return out;
}

} // namespace

TEST(CreaDati, MakesTheThreeFilesTheLayerOpensWithTheirPasswordsOnly)
{
    Cartella c;
    const QString rapporto = creadati::creaFile(c.opzioni);
    EXPECT_EQ(rapporto,
              QStringLiteral("Varnex.mdb: creato\nIdentifica.mdb: creato\nEsporta.mdb: creato\n"));
    EXPECT_EQ(c.contenuto(), (QStringList{FileEsporta, FileIdentifica, FileVarnex}));

    const struct
    {
        QString file, password, tabella;
        long righe;
    } file[] = {
        {FileVarnex, PasswordVarnex, QStringLiteral("Dati"), 0},
        {FileIdentifica, PasswordIdentifica, QStringLiteral("comune"), 4},
        {FileIdentifica, PasswordIdentifica, QStringLiteral("ateco_2002"), 2},
        {FileEsporta, PasswordEsporta, QStringLiteral("Dati"), 1},
    };
    const QStringList password = {PasswordVarnex, PasswordIdentifica, PasswordEsporta, QString(),
                                  QStringLiteral("TERVOLK")};
    for (const auto &f : file) {
        const QString source = f.tabella == QLatin1String("Dati")
                                   ? f.tabella
                                   : QStringLiteral("SELECT * FROM %1").arg(f.tabella);
        Aperto a = apri(c.file(f.file), f.password, source);
        EXPECT_EQ(a.rs->RecordCount(), f.righe)
            << f.file.toStdString() << " " << f.tabella.toStdString();
        if (f.tabella == QLatin1String("Dati")) {
            ASSERT_EQ(a.rs->FieldsCount(), NumeroColonne + 1);
            EXPECT_EQ(a.rs->Fields(0).Name(), QLatin1String(ColonnaChiave));
            EXPECT_EQ(a.rs->kindOf(0), ado::ColumnKind::Key);
        }
        for (const QString &sbagliata : password) {
            if (sbagliata == f.password)
                continue;
            try {
                apri(c.file(f.file), sbagliata, source);
                ADD_FAILURE() << f.file.toStdString() << " opened with " << sbagliata.toStdString();
            } catch (const ado::Error &e) {
                EXPECT_EQ(e.number(), ado::err::BadPassword) << f.file.toStdString();
            }
        }
    }

    // The export file's one row is a blank one with a key.
    Aperto esporta = apri(c.file(FileEsporta), PasswordEsporta, QStringLiteral("Dati"));
    EXPECT_EQ(esporta.rs->Fields(0).Value().integer(), 1);
    EXPECT_TRUE(esporta.rs->Fields(QStringLiteral("denominazione")).Value().isNull());

    // The lists as the program reads them: names trimmed and upper case,
    // quoted fields whole, in the program's order.
    Aperto id = apri(c.file(FileIdentifica), PasswordIdentifica, SqlComune);
    EXPECT_EQ(righe(*id.rs), (std::vector<QStringList>{
                                 {"ANCONA", "AN", "60121"},
                                 {"CASTEL D'AIANO, FRAZIONE \"ROCCA\"", "BO", "40034"},
                                 {"FORLÌ", "FC", "47121"},
                                 {"SANT'ELPIDIO A MARE", "FM", "63811"},
                             }));
    Aperto ateco = apri(c.file(FileIdentifica), PasswordIdentifica, SqlAteco);
    EXPECT_EQ(righe(*ateco.rs), (std::vector<QStringList>{
                                    {"01.11.1", "Coltivazione di cereali (compreso il riso)"},
                                    {"15.11.0", "Produzione, lavorazione e conservazione di carne"},
                                }));
}

TEST(CreaDati, LeavesExistingFilesAloneUnlessToldToOverwrite)
{
    Cartella c;
    creadati::creaFile(c.opzioni);
    auto contaSchede = [&] {
        return apri(c.file(FileVarnex), PasswordVarnex, QStringLiteral("Dati")).rs->RecordCount();
    };
    {
        Aperto a = apri(c.file(FileVarnex), PasswordVarnex, QStringLiteral("Dati"));
        a.rs->AddNew();
        a.rs->Fields(QStringLiteral("denominazione")).setValue(QStringLiteral("DA TENERE"));
        a.rs->Update();
    }
    EXPECT_EQ(creadati::creaFile(c.opzioni),
              QStringLiteral("Varnex.mdb: presente, lasciato com'è\n"
                             "Identifica.mdb: presente, lasciato com'è\n"
                             "Esporta.mdb: presente, lasciato com'è\n"));
    EXPECT_EQ(contaSchede(), 1);

    // Only the missing one is made again.
    ASSERT_TRUE(QFile::remove(c.file(FileEsporta)));
    EXPECT_EQ(creadati::creaFile(c.opzioni),
              QStringLiteral("Varnex.mdb: presente, lasciato com'è\n"
                             "Identifica.mdb: presente, lasciato com'è\n"
                             "Esporta.mdb: creato\n"));
    EXPECT_EQ(contaSchede(), 1);
    EXPECT_EQ(apri(c.file(FileEsporta), PasswordEsporta, QStringLiteral("Dati")).rs->RecordCount(),
              1);

    c.opzioni.sovrascrivi = true;
    c.opzioni.identifica = c.opzioni.esporta = false;
    EXPECT_EQ(creadati::creaFile(c.opzioni), QStringLiteral("Varnex.mdb: creato\n"));
    EXPECT_EQ(contaSchede(), 0);
    EXPECT_EQ(c.contenuto(), (QStringList{FileEsporta, FileIdentifica, FileVarnex}));
}

TEST(CreaDati, ABadListFailsAndLeavesNoHalfMadeFile)
{
    const struct
    {
        const char *caso;
        const char *comuni; // nullptr: the file is missing
        const char *ateco;
    } casi[] = {
        {"header of another list", "codice_istat,descrizione\n01.11.1,X\n", nullptr},
        {"header with a column missing", "descrizione,id_provincia\nANCONA,AN\n", nullptr},
        {"a row with a field too few", "descrizione,id_provincia,cap\nANCONA,AN,60121\nFERMO,FM\n",
         nullptr},
        {"a row with a field too many", "descrizione,id_provincia,cap\nANCONA,AN,60121,X\n",
         nullptr},
        {"a comma in a name not quoted",
         "descrizione,id_provincia,cap\nCASTEL D'AIANO, FRAZIONE,BO,40034\n", nullptr},
        {"an empty list", "", nullptr},
        {"a missing list", nullptr, nullptr},
        {"a bad activity list", "descrizione,id_provincia,cap\nANCONA,AN,60121\n",
         "codice,descrizione\n01.11.1,X\n"},
    };
    for (const auto &k : casi) {
        for (const bool sopra : {false, true}) {
            Cartella c;
            if (sopra)
                creadati::creaFile(c.opzioni); // a good file to keep
            if (k.comuni)
                c.scrivi(QStringLiteral("cattivi.csv"), k.comuni);
            c.opzioni.comuniCsv = c.percorso(QStringLiteral("cattivi.csv"));
            if (k.ateco) {
                c.scrivi(QStringLiteral("ateco cattivo.csv"), k.ateco);
                c.opzioni.atecoCsv = c.percorso(QStringLiteral("ateco cattivo.csv"));
            }
            c.opzioni.sovrascrivi = sopra;
            c.opzioni.varnex = c.opzioni.esporta = false;
            try {
                creadati::creaFile(c.opzioni);
                ADD_FAILURE() << k.caso;
            } catch (const std::runtime_error &e) {
                const QString lista = k.ateco ? QStringLiteral("ateco cattivo.csv")
                                              : QStringLiteral("cattivi.csv");
                EXPECT_TRUE(QString::fromUtf8(e.what()).contains(lista))
                    << k.caso << ": " << e.what();
            }
            if (sopra) {
                EXPECT_EQ(c.contenuto(), (QStringList{FileEsporta, FileIdentifica, FileVarnex}))
                    << k.caso;
                Aperto a = apri(c.file(FileIdentifica), PasswordIdentifica, SqlComune);
                EXPECT_EQ(a.rs->RecordCount(), 4) << k.caso << ": the old file is kept";
            } else {
                EXPECT_TRUE(c.contenuto().isEmpty())
                    << k.caso << ": " << c.contenuto().join(' ').toStdString();
            }
        }
    }
}

TEST(CreaDati, CommandLine)
{
    Cartella c;
    const QString buona = c.opzioni.comuniCsv;
    c.scrivi(QStringLiteral("cattivi.csv"), "descrizione\nANCONA\n");
    const struct
    {
        QStringList argomenti;
        int uscita;
        QStringList file;    // what the folder holds afterwards
        const char *scritto; // found in the output (stdout on success, stderr on failure)
    } casi[] = {
        {{"--solo", "varnex", c.programma()}, 0, {FileVarnex}, "Varnex.mdb: creato"},
        {{"--solo", "varnex,esporta", c.programma()},
         0,
         {FileEsporta, FileVarnex},
         "Varnex.mdb: presente"},
        {{c.programma()}, 1, {FileEsporta, FileVarnex}, "--comuni"},
        {{"--sovrascrivi", "--comuni", c.percorso("cattivi.csv"), "--ateco", c.opzioni.atecoCsv,
          c.programma()},
         1,
         {FileEsporta, FileVarnex},
         "cattivi.csv"},
        {{"--comuni", buona, "--ateco", c.opzioni.atecoCsv, c.programma()},
         0,
         {FileEsporta, FileIdentifica, FileVarnex},
         "Identifica.mdb: creato"},
        {{"--boh", c.programma()}, 1, {FileEsporta, FileIdentifica, FileVarnex}, "--boh"},
        {{"--solo", "varnex", c.percorso("nessuna")},
         1,
         {FileEsporta, FileIdentifica, FileVarnex},
         "nessuna"},
        {{"--solo"}, 1, {FileEsporta, FileIdentifica, FileVarnex}, "--solo"},
    };
    for (const auto &k : casi) {
        QProcess p;
        p.start(QStringLiteral(CREADATI_EXE), k.argomenti);
        ASSERT_TRUE(p.waitForFinished(60000));
        const QString uscita = QString::fromUtf8(k.uscita == 0 ? p.readAllStandardOutput()
                                                               : p.readAllStandardError());
        const std::string caso = k.argomenti.join(' ').toStdString();
        EXPECT_EQ(p.exitStatus(), QProcess::NormalExit) << caso;
        EXPECT_EQ(p.exitCode(), k.uscita) << caso;
        EXPECT_TRUE(uscita.contains(QString::fromUtf8(k.scritto)))
            << caso << ": " << uscita.toStdString();
        EXPECT_EQ(c.contenuto(), k.file) << caso;
    }
}
