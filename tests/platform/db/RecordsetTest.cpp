// The record layer on real keyed files: connections, the reference SQL texts,
// navigation and editing of "Dati", conversions into the column types.

#include "CartellaProva.h"
#include "ContaIstruzioni.h"
#include "Guasti.h"

#include "core/Archivio.h"
#include "core/ColonneDati.h"
#include "core/FileDati.h"
#include "platform/db/Connection.h"
#include "platform/db/Error.h"
#include "platform/db/Recordset.h"

#include <QDir>
#include <QFile>
#include <functional>
#include <gtest/gtest.h>
#include <limits>
#include <memory>
#include <sqlite3.h>
#include <vector>

using namespace ado;
using prova::erroreDi;
using scheda::FileEsporta;
using scheda::FileIdentifica;
using scheda::FileVarnex;
using scheda::PasswordEsporta;
using scheda::PasswordIdentifica;
using scheda::PasswordVarnex;

namespace {

std::unique_ptr<Recordset> apri(Connection &c, const QString &source)
{
    return scheda::apriRecordset(source, c); // opened as the program opens every recordset
}

// One value read straight from the file, past the recordset.
QString leggiGrezzo(Connection &c, const QString &sql)
{
    sqlite3_stmt *s = nullptr;
    if (sqlite3_prepare_v2(c.handle(), sql.toUtf8().constData(), -1, &s, nullptr) != SQLITE_OK)
        return QStringLiteral("<errore>");
    QString out = QStringLiteral("<nessuna riga>");
    if (sqlite3_step(s) == SQLITE_ROW)
        out = sqlite3_column_type(s, 0) == SQLITE_NULL
                  ? QStringLiteral("<null>")
                  : QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(s, 0)));
    sqlite3_finalize(s);
    return out;
}

std::vector<std::int64_t> chiaviNelFile(Connection &c)
{
    std::vector<std::int64_t> out;
    sqlite3_stmt *s = nullptr;
    sqlite3_prepare_v2(c.handle(), "SELECT id_scheda FROM Dati ORDER BY id_scheda", -1, &s, nullptr);
    while (sqlite3_step(s) == SQLITE_ROW)
        out.push_back(sqlite3_column_int64(s, 0));
    sqlite3_finalize(s);
    return out;
}

// Column 0 of every row from the current one to EOF.
std::vector<QString> finoAllaFine(Recordset &rs, int colonna = 0)
{
    std::vector<QString> out;
    while (!rs.isEOF()) {
        out.push_back(rs.Fields(colonna).Value().toText());
        rs.MoveNext();
    }
    return out;
}

std::vector<std::int64_t> chiavi(Recordset &rs)
{
    std::vector<std::int64_t> out;
    rs.MoveFirst();
    while (!rs.isEOF()) {
        out.push_back(rs.Fields(0).Value().integer());
        rs.MoveNext();
    }
    return out;
}

// A program folder with n sheets and RsDati-like recordset on them.
class Dati : public ::testing::Test
{
protected:
    void prepara(int schede)
    {
        if (schede > 0)
            cartella.aggiungiSchede(schede);
        conn = connetti(cartella.percorso(FileVarnex), PasswordVarnex);
        rs = apri(*conn, QStringLiteral("Dati"));
    }
    std::int64_t chiave() { return rs->Fields(0).Value().integer(); }

    CartellaProva cartella;
    std::unique_ptr<Connection> conn;
    std::unique_ptr<Recordset> rs;
};

} // namespace

// --- Connection ------------------------------------------------------------

TEST(Connessione, PropertyNamesIgnoreCaseAndCloseIsIdempotent)
{
    CartellaProva cartella;
    Connection c;
    c.setProperty(QStringLiteral("data source"), cartella.percorso(FileVarnex));
    c.setProperty(QStringLiteral("JET OLEDB:DATABASE PASSWORD"), PasswordVarnex);
    EXPECT_EQ(c.property(QStringLiteral("Data Source")), cartella.percorso(FileVarnex));
    EXPECT_EQ(c.property(QStringLiteral("Jet OLEDB:Database Password")), PasswordVarnex);
    c.Open();
    EXPECT_TRUE(c.isOpen());
    auto rs = apri(c, QStringLiteral("Dati"));
    rs->Close();
    rs->Close();
    EXPECT_EQ(erroreDi([&] { rs->MoveFirst(); }), err::ObjectClosed);
    c.Close();
    c.Close();
    EXPECT_FALSE(c.isOpen());
    EXPECT_EQ(erroreDi([&] { c.handle(); }), err::ObjectClosed);
    c.Open(); // the same object opens again
    EXPECT_TRUE(c.isOpen());
}

TEST(Connessione, FailedOpensNameTheFileAndCreateNothing)
{
    CartellaProva cartella;
    const struct
    {
        const char *caso;
        QString file;
        QString password;
        long numero;
    } casi[] = {
        {"missing file", cartella.percorso(QStringLiteral("Nessuno.mdb")), PasswordVarnex,
         err::FileNotFound},
        {"folder instead of file", cartella.cartella(), PasswordVarnex, err::NotAFile},
        {"wrong password", cartella.percorso(FileVarnex), QStringLiteral("tervolK"),
         err::BadPassword},
        {"no password", cartella.percorso(FileVarnex), QString(), err::BadPassword},
        {"another file's password", cartella.percorso(FileIdentifica), PasswordEsporta,
         err::BadPassword},
    };
    for (const auto &c : casi) {
        const bool cera = QFile::exists(c.file);
        Connection conn;
        conn.setProperty(QStringLiteral("Data Source"), c.file);
        conn.setProperty(QStringLiteral("Jet OLEDB:Database Password"), c.password);
        try {
            conn.Open();
            ADD_FAILURE() << c.caso;
        } catch (const Error &e) {
            EXPECT_EQ(e.number(), c.numero) << c.caso;
            EXPECT_TRUE(e.description().contains(c.file)) << c.caso << ": " << e.what();
        }
        EXPECT_FALSE(conn.isOpen()) << c.caso;
        EXPECT_EQ(QFile::exists(c.file), cera) << c.caso;
    }
    // A failed open left the right file as it was.
    EXPECT_NO_THROW(connetti(cartella.percorso(FileVarnex), PasswordVarnex));
}

TEST(Connessione, MissingTableOrBadSqlNamesWhatIsMissing)
{
    CartellaProva cartella;
    auto c = connetti(cartella.percorso(FileIdentifica), PasswordIdentifica);
    const struct
    {
        QString source;
        long numero;
        QStringList nomina;
    } casi[] = {
        {QStringLiteral("Dati"),
         err::NoSuchTable,
         {QStringLiteral("Dati"), cartella.percorso(FileIdentifica)}},
        {QStringLiteral("SELECT * FROM comuni_vecchi ORDER BY descrizione "),
         err::SqlFailed,
         {QStringLiteral("comuni_vecchi")}},
    };
    for (const auto &caso : casi) {
        Recordset rs;
        rs.Source = caso.source;
        rs.ActiveConnection = c.get();
        try {
            rs.Open();
            ADD_FAILURE() << caso.source.toStdString();
        } catch (const Error &e) {
            EXPECT_EQ(e.number(), caso.numero) << e.what();
            for (const QString &n : caso.nomina)
                EXPECT_TRUE(e.description().contains(n)) << e.what();
        }
        EXPECT_FALSE(rs.isOpen());
    }
}

TEST(Connessione, ExportFileCopiedAfterCloseOpensAndHoldsTheRow)
{
    CartellaProva cartella;
    const QString esporta = cartella.percorso(FileEsporta);
    // Even a file left in write-ahead mode is put back on a rollback journal.
    cartella.esegui(FileEsporta, PasswordEsporta, QStringLiteral("PRAGMA journal_mode = WAL"));
    auto c = connetti(esporta, PasswordEsporta);
    {
        auto modo = apri(*c, QStringLiteral("PRAGMA journal_mode"));
        EXPECT_EQ(modo->Fields(0).Value().toText(), QStringLiteral("delete"));
    }
    auto rs = apri(*c, QStringLiteral("Dati"));
    rs->MoveFirst();
    rs->Fields(QStringLiteral("denominazione"))
        .setValue(QStringLiteral("L'OFFICINA DI SANT'ELPIDIO SRL"));
    rs->Fields(QStringLiteral("nato")).setValue(QStringLiteral("01/01/1000"));
    rs->Fields(QStringLiteral("a2")).setValue(QStringLiteral("1.234,5"));
    rs->Update();
    rs->Close();
    c->Close();
    for (const char *resto : {"-journal", "-wal", "-shm"})
        EXPECT_FALSE(QFile::exists(esporta + QLatin1String(resto))) << resto;

    const QString copia = QDir(cartella.cartella()).filePath(QStringLiteral("Copia.mdb"));
    ASSERT_TRUE(QFile::copy(esporta, copia));
    EXPECT_EQ(erroreDi([&] { connetti(copia, PasswordVarnex); }), err::BadPassword);
    auto cc = connetti(copia, PasswordEsporta);
    auto letto = apri(*cc, QStringLiteral("Dati"));
    ASSERT_EQ(letto->RecordCount(), 1);
    EXPECT_EQ(letto->Fields(QStringLiteral("denominazione")).Value().toText(),
              QStringLiteral("L'OFFICINA DI SANT'ELPIDIO SRL"));
    EXPECT_EQ(letto->Fields(QStringLiteral("nato")).Value().date(), QDate(1000, 1, 1));
    EXPECT_DOUBLE_EQ(letto->Fields(QStringLiteral("a2")).Value().real(), 1234.5);
}

// --- The reference SQL texts --------------------------------------------------

TEST(Riferimento, TheProgramsSqlTextsOpenReadOnly)
{
    EXPECT_EQ(scheda::SqlComune, QStringLiteral("SELECT * FROM comune ORDER BY descrizione "));
    EXPECT_EQ(scheda::SqlAteco, QStringLiteral("SELECT * FROM ateco_2002 ORDER BY codice_istat "));
    EXPECT_EQ(scheda::sqlComuneRegione().size(), 160);
    EXPECT_TRUE(scheda::sqlComuneRegione().endsWith(QStringLiteral(" ORDER BY descrizione ")));

    CartellaProva cartella;
    cartella.esegui(FileIdentifica, PasswordIdentifica,
                    QStringLiteral(
                        "DELETE FROM ateco_2002;"
                        "INSERT INTO ateco_2002 VALUES ('15.11.0', 'Produzione di carne');"
                        "INSERT INTO ateco_2002 VALUES ('01.11.1', 'Coltivazione di cereali');"
                        "INSERT INTO ateco_2002 VALUES ('01.11.2', 'Coltivazione di semi');"));
    auto c = connetti(cartella.percorso(FileIdentifica), PasswordIdentifica);
    auto ateco = apri(*c, scheda::SqlAteco);
    ASSERT_EQ(ateco->FieldsCount(), 2);
    EXPECT_EQ(ateco->Fields(1).Name(), QStringLiteral("descrizione"));
    EXPECT_EQ(finoAllaFine(*ateco), (std::vector<QString>{"01.11.1", "01.11.2", "15.11.0"}));

    auto comune = apri(*c, scheda::SqlComune);
    ASSERT_EQ(comune->FieldsCount(), 3);
    comune->MoveFirst();
    const struct
    {
        const char *caso;
        std::function<void()> op;
    } vietate[] = {
        {"setValue",
         [&] { comune->Fields(QStringLiteral("CAP")).setValue(QStringLiteral("00000")); }},
        {"AddNew", [&] { comune->AddNew(); }},
        {"Update", [&] { comune->Update(); }},
        {"Delete", [&] { comune->Delete(1); }},
    };
    for (const auto &v : vietate)
        EXPECT_EQ(erroreDi(v.op), err::ReadOnly) << v.caso;
    EXPECT_EQ(leggiGrezzo(*c, QStringLiteral("SELECT count(*) FROM comune WHERE cap = '00000'")),
              QStringLiteral("0"));
}

TEST(Riferimento, MunicipalitiesSortAsAnItalianReaderExpects)
{
    // Case and accents count only between names otherwise equal; apostrophes
    // and hyphens are skipped in the first pass, blanks are not.
    const std::vector<std::pair<QString, QString>> ordine = {
        {QStringLiteral("ACQUASANTA TERME"), QStringLiteral("AP")},
        {QStringLiteral("agugliano"), QStringLiteral("AN")},
        {QStringLiteral("ANCONA"), QStringLiteral("AN")},
        {QStringLiteral("CANTU"), QStringLiteral("CO")},
        {QStringLiteral("CANTÙ"), QStringLiteral("CO")},
        {QStringLiteral("ÉGNA"), QStringLiteral("BZ")}, // an accented initial sorts with its letter
        {QStringLiteral("FORLÌ"), QStringLiteral("FC")},
        {QStringLiteral("FORLI DEL SANNIO"), QStringLiteral("IS")},
        {QStringLiteral("FORLIMPOPOLI"), QStringLiteral("FC")},
        {QStringLiteral("LA SPEZIA"), QStringLiteral("SP")},
        {QStringLiteral("LAPEDONA"), QStringLiteral("FM")},
        {QStringLiteral("L'AQUILA"), QStringLiteral("AQ")},
        {QStringLiteral("LORETO"), QStringLiteral("AN")},
        {QStringLiteral("SANTA VITTORIA IN MATENANO"), QStringLiteral("FM")},
        {QStringLiteral("SANT'ANGELO IN VADO"), QStringLiteral("PU")},
        {QStringLiteral("SANT'ELPIDIO A MARE"), QStringLiteral("FM")},
        {QStringLiteral("SANT’ELPIDIO MORICO"),
         QStringLiteral("FM")}, // typed with a typographic apostrophe
        {QStringLiteral("SANTO STEFANO DI CADORE"), QStringLiteral("BL")},
        {QStringLiteral("SASSOFERRATO"), QStringLiteral("AN")},
        {QStringLiteral("URBINO"), QStringLiteral("PU")},
    };
    CartellaProva cartella;
    QString sql = QStringLiteral("DELETE FROM comune;");
    // Stored in reverse, so that no order of insertion can pass for sorting.
    for (auto it = ordine.rbegin(); it != ordine.rend(); ++it) {
        QString nome = it->first;
        nome.replace(QLatin1Char('\''), QStringLiteral("''"));
        sql += QStringLiteral("INSERT INTO comune VALUES ('%1', '%2', '00000');")
                   .arg(nome, it->second);
    }
    cartella.esegui(FileIdentifica, PasswordIdentifica, sql);

    std::vector<QString> tutti, regione;
    for (const auto &[nome, prov] : ordine) {
        tutti.push_back(nome);
        if (scheda::ProvinceRegione.contains(prov))
            regione.push_back(nome);
    }

    auto c = connetti(cartella.percorso(FileIdentifica), PasswordIdentifica);
    auto comune = apri(*c, scheda::SqlComune);
    auto comune2 = apri(*c, scheda::SqlComune);
    auto perRegione = apri(*c, scheda::sqlComuneRegione());
    EXPECT_EQ(finoAllaFine(*comune), tutti);
    EXPECT_EQ(finoAllaFine(*comune2, 0), tutti);
    EXPECT_EQ(finoAllaFine(*perRegione), regione);
    // The other columns travel with the name.
    perRegione->MoveFirst();
    EXPECT_EQ(perRegione->Fields(QStringLiteral("ID_PROVINCIA")).Value().toText(),
              QStringLiteral("AP"));

    // The comparison itself is a strict order: equal only to itself.
    for (std::size_t i = 0; i < tutti.size(); ++i)
        for (std::size_t j = 0; j < tutti.size(); ++j)
            EXPECT_EQ(compareItalian(tutti[i], tutti[j]), i < j ? -1 : (i > j ? 1 : 0))
                << tutti[i].toStdString() << " | " << tutti[j].toStdString();
}

TEST(Riferimento, TheWholeMunicipalityListComesSorted)
{
    CartellaProva cartella; // the program's own list, homonyms of other provinces included
    auto c = connetti(cartella.percorso(FileIdentifica), PasswordIdentifica);
    auto comune = apri(*c, scheda::SqlComune);
    const std::vector<QString> nomi = finoAllaFine(*comune);
    EXPECT_EQ(long(nomi.size()), comune->RecordCount());
    EXPECT_EQ(leggiGrezzo(*c, QStringLiteral("SELECT count(*) FROM comune")),
              QString::number(nomi.size()));
    for (std::size_t i = 1; i < nomi.size(); ++i)
        EXPECT_LE(compareItalian(nomi[i - 1], nomi[i]), 0)
            << nomi[i - 1].toStdString() << " | " << nomi[i].toStdString();
}

TEST(Riferimento, ACloneSharesTheRowsReadAndMovesOnItsOwn)
{
    CartellaProva cartella;
    auto c = connetti(cartella.percorso(FileIdentifica), PasswordIdentifica);
    auto comune = apri(*c, scheda::SqlComune);
    comune->Move(5);
    std::unique_ptr<Recordset> clone;
    {
        ContaIstruzioni conta(*c);
        clone = comune->Clone();
        EXPECT_TRUE(conta.istruzioni.isEmpty())
            << "no second query: " << conta.istruzioni.join(" | ").toStdString();
    }
    EXPECT_EQ(clone->Source, comune->Source);
    EXPECT_EQ(clone->CursorType, ado::adOpenDynamic);
    EXPECT_EQ(clone->LockType, ado::adLockPessimistic);
    EXPECT_EQ(clone->RecordCount(), comune->RecordCount());
    EXPECT_FALSE(clone->isBOF()) << "a clone stands on the first row";
    const std::vector<QString> dalClone = finoAllaFine(*clone);
    EXPECT_EQ(long(dalClone.size()), comune->RecordCount());
    EXPECT_EQ(comune->Fields(0).Value().toText(), dalClone[5])
        << "the first recordset did not move";
    comune->MoveFirst();
    EXPECT_EQ(finoAllaFine(*comune), dalClone);
    EXPECT_EQ(erroreDi([&] {
                  clone->MoveFirst();
                  clone->Fields(0).setValue(QStringLiteral("X"));
              }),
              err::ReadOnly);

    // Either one closed, the other keeps the rows; a closed one clones nothing.
    comune->Close();
    clone->MoveLast();
    EXPECT_EQ(clone->Fields(0).Value().toText(), dalClone.back());
    EXPECT_EQ(erroreDi([&] { comune->Clone(); }), err::ObjectClosed);
    auto nipote = clone->Clone();
    clone->Close();
    EXPECT_EQ(finoAllaFine(*nipote), dalClone);

    // A table recordset's clone is a cursor of its own on the same table,
    // dynamic like it.
    CartellaProva dati;
    dati.aggiungiSchede(3);
    auto cd = connetti(dati.percorso(FileVarnex), PasswordVarnex);
    auto rs = apri(*cd, QStringLiteral("Dati"));
    rs->MoveLast();
    auto rs2 = rs->Clone();
    EXPECT_EQ(rs2->Fields(0).Value().integer(), 1);
    rs2->AddNew();
    rs2->Update();
    rs->MoveLast();
    EXPECT_EQ(rs->Fields(0).Value().integer(), 4);
    EXPECT_EQ(rs2->Fields(0).Value().integer(), 4);
}

// --- Navigation on "Dati" ------------------------------------------------------

TEST(Navigazione, NoCurrentRecordExactlyWhereAdoRaisesIt)
{
    enum Stato { Vuoto, Bof, Eof, Eliminato };
    const struct
    {
        const char *nome;
        Stato stato;
        bool bof, eof;
    } situazioni[] = {
        {"empty", Vuoto, true, true},
        {"BOF", Bof, true, false},
        {"EOF", Eof, false, true},
        {"deleted row", Eliminato, false, false},
    };
    // Expected error per situation: empty, BOF, EOF, deleted row.
    const struct
    {
        const char *nome;
        std::function<void(Recordset &)> op;
        long atteso[4];
    } operazioni[] = {
        {"MoveFirst", [](Recordset &r) { r.MoveFirst(); }, {3021, 0, 0, 0}},
        {"MoveLast", [](Recordset &r) { r.MoveLast(); }, {3021, 0, 0, 0}},
        {"MoveNext", [](Recordset &r) { r.MoveNext(); }, {3021, 0, 3021, 0}},
        {"MovePrevious", [](Recordset &r) { r.MovePrevious(); }, {3021, 3021, 0, 0}},
        {"Move 1", [](Recordset &r) { r.Move(1); }, {3021, 0, 3021, 0}},
        {"Move -1", [](Recordset &r) { r.Move(-1); }, {3021, 3021, 0, 0}},
        {"read key", [](Recordset &r) { r.Fields(0).Value(); }, {3021, 3021, 3021, 3021}},
        {"read field",
         [](Recordset &r) { r.Fields(QStringLiteral("denominazione")).Value(); },
         {3021, 3021, 3021, 3021}},
        {"write field",
         [](Recordset &r) { r.Fields(QStringLiteral("denominazione")).setValue("X"); },
         {3021, 3021, 3021, 3021}},
        {"Delete", [](Recordset &r) { r.Delete(1); }, {3021, 3021, 3021, 3021}},
        {"Update", [](Recordset &r) { r.Update(); }, {0, 0, 0, 0}},
    };
    for (const auto &s : situazioni) {
        CartellaProva cartella;
        if (s.stato != Vuoto)
            cartella.aggiungiSchede(20);
        auto c = connetti(cartella.percorso(FileVarnex), PasswordVarnex);
        for (const auto &o : operazioni) {
            auto rs = apri(*c, QStringLiteral("Dati"));
            switch (s.stato) {
            case Vuoto:
                break;
            case Bof:
                rs->MoveFirst();
                rs->MovePrevious();
                break;
            case Eof:
                rs->MoveLast();
                rs->MoveNext();
                break;
            case Eliminato:
                rs->MoveFirst();
                rs->Move(3);
                rs->Delete(1);
                break;
            }
            EXPECT_EQ(rs->isBOF(), s.bof) << s.nome;
            EXPECT_EQ(rs->isEOF(), s.eof) << s.nome;
            EXPECT_EQ(erroreDi([&] { o.op(*rs); }), o.atteso[s.stato])
                << o.nome << " on " << s.nome;
        }
    }
}

TEST_F(Dati, WalksBothWaysAndStopsAtTheEnds)
{
    prepara(5);
    EXPECT_FALSE(rs->isBOF());
    EXPECT_EQ(chiave(), 1) << "an opened recordset stands on its first row";
    std::vector<std::int64_t> avanti, indietro;
    while (!rs->isEOF()) {
        avanti.push_back(chiave());
        rs->MoveNext();
    }
    EXPECT_FALSE(rs->isBOF());
    rs->MovePrevious();
    EXPECT_EQ(chiave(), 5) << "MovePrevious from EOF comes back on the last row";
    while (!rs->isBOF()) {
        indietro.push_back(chiave());
        rs->MovePrevious();
    }
    EXPECT_FALSE(rs->isEOF());
    EXPECT_EQ(avanti, (std::vector<std::int64_t>{1, 2, 3, 4, 5}));
    EXPECT_EQ(indietro, (std::vector<std::int64_t>{5, 4, 3, 2, 1}));
    rs->MoveNext();
    EXPECT_EQ(chiave(), 1) << "MoveNext from BOF comes back on the first row";

    // Move n: by steps from the first row, past either end onto BOF/EOF.
    const struct
    {
        long daPrimo, poi;
        std::int64_t attesa; // 0: EOF, -1: BOF
    } salti[] = {{0, 0, 1},  {4, 0, 5},   {5, 0, 0},   {9, 0, 0}, {5, -2, 4},
                 {2, -2, 1}, {2, -3, -1}, {1, -9, -1}, {4, -4, 1}};
    for (const auto &s : salti) {
        rs->MoveFirst();
        rs->Move(s.daPrimo);
        rs->Move(s.poi);
        EXPECT_EQ(rs->isEOF(), s.attesa == 0) << s.daPrimo << " " << s.poi;
        EXPECT_EQ(rs->isBOF(), s.attesa == -1) << s.daPrimo << " " << s.poi;
        if (s.attesa > 0)
            EXPECT_EQ(chiave(), s.attesa) << s.daPrimo << " " << s.poi;
    }
}

TEST_F(Dati, ARowsPlaceInTheOrderLeadsBackToIt)
{
    cartella.aggiungiSchede(12);
    cartella.esegui(FileVarnex, PasswordVarnex,
                    QStringLiteral("DELETE FROM Dati WHERE id_scheda IN (2, 3, 7, 12)"));
    prepara(0);
    const std::vector<std::int64_t> nelFile = chiaviNelFile(*conn);
    ASSERT_EQ(nelFile, (std::vector<std::int64_t>{1, 4, 5, 6, 8, 9, 10, 11}));
    EXPECT_EQ(chiavi(*rs), nelFile) << "ascending key order";
    for (const std::int64_t cercata : nelFile) {
        // As the program seeks: MoveFirst, then MoveNext until Fields(0) matches.
        long posizione = 0;
        rs->MoveFirst();
        while (!rs->isEOF() && !rs->Fields(0).Value().looselyEquals(Variant(cercata))) {
            rs->MoveNext();
            ++posizione;
        }
        ASSERT_FALSE(rs->isEOF());
        rs->MoveLast();
        rs->MoveFirst();
        rs->Move(posizione);
        EXPECT_EQ(chiave(), cercata) << posizione;
        EXPECT_EQ(rs->Fields(QStringLiteral("denominazione")).Value().toText(),
                  QStringLiteral("SCHEDA %1").arg(cercata));
    }
}

// --- Fields ------------------------------------------------------------------

TEST_F(Dati, FieldsByPositionAndByNameInAnyCase)
{
    prepara(1);
    ASSERT_EQ(rs->FieldsCount(), scheda::NumeroColonne + 1);
    EXPECT_EQ(rs->Fields(0).Name(), QLatin1String(scheda::ColonnaChiave));
    for (int i = 0; i < scheda::NumeroColonne; ++i)
        EXPECT_EQ(rs->Fields(i + 1).Name(), QLatin1String(scheda::colonneDati()[i].nome));

    const struct
    {
        const char *nome;
        ColumnKind tipo;
    } tipi[] = {{"id_scheda", ColumnKind::Key}, {"nome", ColumnKind::Text},
                {"nato", ColumnKind::Date},     {"a2", ColumnKind::Double},
                {"a25", ColumnKind::Integer32}, {"natura_giuridica", ColumnKind::Integer16}};
    for (const auto &t : tipi)
        EXPECT_EQ(rs->kindOf(scheda::indiceColonna(QLatin1String(t.nome)) + 1), t.tipo) << t.nome;

    rs->Fields(QStringLiteral("Fax_sede")).setValue(QStringLiteral("071 123456"));
    EXPECT_EQ(rs->Fields(QStringLiteral("fax_sede")).Value().toText(),
              QStringLiteral("071 123456"));
    EXPECT_EQ(rs->Fields(QStringLiteral("FAX_SEDE")).Value().toText(),
              QStringLiteral("071 123456"));
    EXPECT_EQ(rs->Fields(QStringLiteral("ID_Scheda")).Value().integer(), 1);
    rs->Update();
    EXPECT_EQ(leggiGrezzo(*conn, QStringLiteral("SELECT fax_sede FROM Dati")),
              QStringLiteral("071 123456"));

    for (const auto &sbagliato :
         std::vector<std::function<void()>>{[&] { rs->Fields(QStringLiteral("fax")); },
                                            [&] { rs->Fields(QStringLiteral("fax_sede ")); },
                                            [&] { rs->Fields(-1); },
                                            [&] { rs->Fields(scheda::NumeroColonne + 1); }})
        EXPECT_EQ(erroreDi(sbagliato), err::ItemNotFound);
    EXPECT_EQ(erroreDi([&] { rs->Fields(0).setValue(99); }), err::ReadOnly)
        << "the key is the database's";
}

TEST_F(Dati, NullIsKeptApartFromEmptyText)
{
    prepara(1);
    rs->Fields(QStringLiteral("nome")).setValue(QStringLiteral("MARIO"));
    rs->Update();
    rs->AddNew();
    rs->Fields(QStringLiteral("denominazione")).setValue(QStringLiteral(""));
    rs->Fields(QStringLiteral("cognome")).setValue(QStringLiteral("ROSSI"));
    rs->Update();
    rs->MoveFirst();
    rs->Fields(QStringLiteral("nome")).setValue(Variant::null());
    rs->Update();

    rs->MoveFirst();
    EXPECT_TRUE(rs->Fields(QStringLiteral("nome")).Value().isNull()) << "Null written over a value";
    rs->MoveLast();
    const Variant vuoto = rs->Fields(QStringLiteral("denominazione")).Value();
    EXPECT_TRUE(vuoto.isText());
    EXPECT_EQ(vuoto.text(), QString());
    EXPECT_TRUE(rs->Fields(QStringLiteral("nome")).Value().isNull()) << "never written";
    EXPECT_TRUE(rs->Fields(QStringLiteral("nato")).Value().isNull());
    EXPECT_TRUE(rs->Fields(QStringLiteral("a2")).Value().isNull());
    EXPECT_EQ(rs->Fields(QStringLiteral("cognome")).Value().toText(), QStringLiteral("ROSSI"));
    EXPECT_EQ(leggiGrezzo(*conn, QStringLiteral("SELECT quote(denominazione) || quote(nome) FROM "
                                                "Dati ORDER BY id_scheda DESC")),
              QStringLiteral("''NULL"));
}

// --- Editing -----------------------------------------------------------------

TEST_F(Dati, AddNewThenUpdateStandsOnANewKeyNeverReused)
{
    prepara(3);
    rs->MoveLast();
    rs->Delete(1); // key 3
    rs->AddNew();
    EXPECT_FALSE(rs->isBOF());
    EXPECT_FALSE(rs->isEOF());
    rs->Fields(QStringLiteral("denominazione")).setValue(QStringLiteral("NUOVA"));
    rs->Update();
    EXPECT_EQ(chiave(), 4) << "the new row stays current; key 3 is not given again";
    EXPECT_EQ(rs->Fields(QStringLiteral("denominazione")).Value().toText(),
              QStringLiteral("NUOVA"));
    rs->MoveFirst();
    rs->MoveLast();
    EXPECT_EQ(chiave(), 4);
    EXPECT_EQ(chiaviNelFile(*conn), (std::vector<std::int64_t>{1, 2, 4}));

    // Even a row never filled gets its key, and moving away stores the row.
    rs->AddNew();
    rs->MoveFirst();
    EXPECT_EQ(chiaviNelFile(*conn), (std::vector<std::int64_t>{1, 2, 4, 5}));
    rs->AddNew();
    rs->Update();
    rs->MoveLast();
    EXPECT_EQ(chiave(), 6);
}

TEST_F(Dati, UpdateIsOneStatementOrNone)
{
    prepara(2);
    const auto pagina2 = scheda::colonnePagina(2);
    ASSERT_EQ(pagina2.size(), 66u);
    const struct
    {
        const char *caso;
        std::function<void()> prima;
        int istruzioni;
    } casi[] = {
        {"nothing pending", [] {}, 0},
        {"a page of 66 columns",
         [&] {
             for (const scheda::Colonna &col : pagina2)
                 rs->Fields(QLatin1String(col.nome)).setValue(scheda::valoreNull(col));
         },
         1},
        {"a new row with its name",
         [&] {
             rs->AddNew();
             rs->Fields(QStringLiteral("denominazione")).setValue(QStringLiteral("COOP"));
         },
         1},
        {"a deleted row",
         [&] {
             rs->MoveFirst();
             rs->Delete(1);
         },
         0},
    };
    for (const auto &c : casi) {
        rs->MoveLast();
        c.prima();
        ContaIstruzioni conta(*conn);
        EXPECT_EQ(erroreDi([&] { rs->Update(); }), 0) << c.caso;
        EXPECT_EQ(conta.istruzioni.size(), c.istruzioni)
            << c.caso << ": " << conta.istruzioni.join(" | ").toStdString();
    }
    EXPECT_EQ(leggiGrezzo(*conn, QStringLiteral(
                                     "SELECT count(*) FROM Dati WHERE prov_sede = '' AND a2 = 0")),
              QStringLiteral("1"));

    // Nothing pending: no statement even on a row gone behind the recordset's back.
    rs->MoveFirst();
    cartella.esegui(FileVarnex, PasswordVarnex, QStringLiteral("DELETE FROM Dati"));
    EXPECT_EQ(erroreDi([&] { rs->Update(); }), 0);
}

TEST_F(Dati, DeleteLeavesTheCursorBetweenItsNeighbours)
{
    // Five rows, keys 1..5; delete the row at a place, then move.
    const struct
    {
        long posto;
        const char *mossa;
        std::function<void(Recordset &)> op;
        std::int64_t attesa; // 0: EOF, -1: BOF
    } casi[] = {
        {2, "MoveNext", [](Recordset &r) { r.MoveNext(); }, 4},
        {2, "MovePrevious", [](Recordset &r) { r.MovePrevious(); }, 2},
        {2, "Move 1", [](Recordset &r) { r.Move(1); }, 4},
        {2, "Move 2", [](Recordset &r) { r.Move(2); }, 5},
        {2, "Move -1", [](Recordset &r) { r.Move(-1); }, 2},
        {2, "MoveFirst", [](Recordset &r) { r.MoveFirst(); }, 1},
        {2, "MoveLast", [](Recordset &r) { r.MoveLast(); }, 5},
        {4, "MoveNext", [](Recordset &r) { r.MoveNext(); }, 0},
        {4, "Move 1", [](Recordset &r) { r.Move(1); }, 0},
        {4, "MoveLast", [](Recordset &r) { r.MoveLast(); }, 4},
        {0, "MovePrevious", [](Recordset &r) { r.MovePrevious(); }, -1},
        {0, "Move -1", [](Recordset &r) { r.Move(-1); }, -1},
        {0, "MoveNext", [](Recordset &r) { r.MoveNext(); }, 2},
    };
    prepara(0);
    for (const auto &c : casi) {
        cartella.esegui(FileVarnex, PasswordVarnex,
                        QStringLiteral("DELETE FROM Dati; DELETE FROM sqlite_sequence;"
                                       "INSERT INTO Dati (id_scheda) VALUES (1),(2),(3),(4),(5)"));
        rs->MoveFirst();
        rs->Move(c.posto);
        const std::int64_t eliminata = chiave();
        rs->Fields(QStringLiteral("nome")).setValue(QStringLiteral("PERSO"));
        rs->Delete(1);
        EXPECT_EQ(erroreDi([&] { rs->Update(); }), 0) << "Update after Delete does nothing";
        EXPECT_EQ(rs->RecordCount(), 4);
        const auto nelFile = chiaviNelFile(*conn);
        EXPECT_EQ(std::count(nelFile.begin(), nelFile.end(), eliminata), 0);
        EXPECT_EQ(erroreDi([&] { c.op(*rs); }), 0)
            << c.mossa << " after deleting place " << c.posto;
        EXPECT_EQ(rs->isEOF(), c.attesa == 0) << c.mossa << " after deleting place " << c.posto;
        EXPECT_EQ(rs->isBOF(), c.attesa == -1) << c.mossa << " after deleting place " << c.posto;
        if (c.attesa > 0)
            EXPECT_EQ(chiave(), c.attesa) << c.mossa << " after deleting place " << c.posto;
    }
    EXPECT_EQ(leggiGrezzo(*conn, QStringLiteral("SELECT count(*) FROM Dati WHERE nome = 'PERSO'")),
              QStringLiteral("0"));
}

TEST_F(Dati, DeletingTheOnlyRowThenAddingOneAsTheProgramDoes)
{
    prepara(1);
    rs->Delete(1);
    rs->Update();
    EXPECT_EQ(erroreDi([&] { rs->MoveLast(); }), err::NoCurrentRecord);
    EXPECT_TRUE(rs->isBOF());
    EXPECT_TRUE(rs->isEOF());
    rs->AddNew();
    rs->Update();
    rs->MoveLast();
    EXPECT_EQ(chiave(), 2);
    EXPECT_EQ(rs->RecordCount(), 1);
}

TEST_F(Dati, TheCursorIsDynamic)
{
    prepara(3);
    // Through the recordset: at once, in key order.
    rs->MoveFirst();
    rs->MoveNext();
    rs->AddNew();
    rs->Update();
    EXPECT_EQ(rs->RecordCount(), 4);
    rs->MoveFirst();
    rs->Delete(1);
    EXPECT_EQ(rs->RecordCount(), 3);
    EXPECT_EQ(chiavi(*rs), (std::vector<std::int64_t>{2, 3, 4}));

    // Behind its back (another connection): MoveFirst and MoveLast see it.
    {
        auto altra = connetti(cartella.percorso(FileVarnex), PasswordVarnex);
        auto rs2 = apri(*altra, QStringLiteral("Dati"));
        rs2->AddNew();
        rs2->Fields(QStringLiteral("denominazione")).setValue(QStringLiteral("DA FUORI"));
        rs2->Update();
        rs2->MoveFirst();
        rs2->Delete(1); // key 2
    }
    rs->MoveLast();
    EXPECT_EQ(chiave(), 5);
    EXPECT_EQ(rs->Fields(QStringLiteral("denominazione")).Value().toText(),
              QStringLiteral("DA FUORI"));
    rs->MoveFirst();
    EXPECT_EQ(chiave(), 3);
    EXPECT_EQ(rs->RecordCount(), 3);
    // ... and so does another recordset on the same connection.
    auto rs3 = apri(*conn, QStringLiteral("Dati"));
    rs3->AddNew();
    rs3->Update();
    rs->MoveLast();
    EXPECT_EQ(chiave(), 6);
    rs3->Delete(1);
    rs->MoveLast();
    EXPECT_EQ(chiave(), 5);
    cartella.esegui(FileVarnex, PasswordVarnex, QStringLiteral("DELETE FROM Dati"));
    EXPECT_EQ(erroreDi([&] { rs->MoveFirst(); }), err::NoCurrentRecord);
    EXPECT_TRUE(rs->isEOF());
}

// The recordset's own writes leave its keys as they are in the file: the
// next MoveFirst does not read them again. Any other change, before or after
// such a write, by another connection or another recordset, reads them again.
TEST_F(Dati, ItsOwnWritesNeedNoFreshReadOfTheKeys)
{
    prepara(3);
    const auto lettureChiavi = [](const ContaIstruzioni &conta) {
        return conta.istruzioni.filter(QStringLiteral("SELECT \"id_scheda\" FROM")).size();
    };
    rs->MoveFirst();
    {
        ContaIstruzioni conta(*conn);
        rs->Fields(QStringLiteral("denominazione")).setValue(QStringLiteral("NUOVO NOME"));
        rs->Update();
        rs->MoveFirst();
        rs->AddNew();
        rs->Update();
        rs->MoveLast();
        EXPECT_EQ(chiave(), 4);
        rs->MoveFirst();
        rs->Delete(1);
        rs->MoveFirst();
        EXPECT_EQ(lettureChiavi(conta), 0)
            << conta.istruzioni.join(QLatin1Char('\n')).toStdString();
    }
    EXPECT_EQ(chiavi(*rs), (std::vector<std::int64_t>{2, 3, 4}));
    EXPECT_EQ(chiavi(*rs), chiaviNelFile(*conn));

    const auto daFuori = [this](const QString &sql) {
        cartella.esegui(FileVarnex, PasswordVarnex, sql);
    };
    struct Caso
    {
        const char *nome;
        std::function<void()> primaDellaScrittura, dopo;
    } casi[] = {
        {"a row added by another connection before the write",
         [&] { daFuori(QStringLiteral("INSERT INTO Dati (denominazione) VALUES ('PRIMA')")); },
         [] {}},
        {"a row deleted by another connection after the write", [] {},
         [&] {
             daFuori(QStringLiteral(
                 "DELETE FROM Dati WHERE id_scheda = (SELECT min(id_scheda) FROM Dati)"));
         }},
        {"a row added through another recordset before the write",
         [&] {
             auto altro = apri(*conn, QStringLiteral("Dati"));
             altro->AddNew();
             altro->Update();
         },
         [] {}},
    };
    for (const Caso &c : casi) {
        rs->MoveFirst();
        c.primaDellaScrittura();
        rs->Fields(QStringLiteral("denominazione")).setValue(QStringLiteral("ANCORA"));
        rs->Update();
        c.dopo();
        EXPECT_EQ(chiavi(*rs), chiaviNelFile(*conn)) << c.nome;
    }
}

// The statements prepared on a connection, and how many of them are running.
std::pair<int, int> istruzioniPreparate(Connection &c)
{
    int preparate = 0, attive = 0;
    for (sqlite3_stmt *s = sqlite3_next_stmt(c.handle(), nullptr); s;
         s = sqlite3_next_stmt(c.handle(), s)) {
        ++preparate;
        attive += sqlite3_stmt_busy(s) ? 1 : 0;
    }
    return {preparate, attive};
}

// The prepared statement whose text begins so, and the steps its program
// has made over all its runs; nullptr and 0 when there is none.
std::pair<sqlite3_stmt *, int> istruzione(Connection &c, const QString &inizio)
{
    for (sqlite3_stmt *s = sqlite3_next_stmt(c.handle(), nullptr); s;
         s = sqlite3_next_stmt(c.handle(), s))
        if (QString::fromUtf8(sqlite3_sql(s)).startsWith(inizio))
            return {s, sqlite3_stmt_status(s, SQLITE_STMTSTATUS_VM_STEP, 0)};
    return {nullptr, 0};
}

TEST_F(Dati, StatementsAreKeptForTheRecordsetsLifeAndHoldNoLock)
{
    prepara(60);
    const auto leggiTutto = [&] {
        QStringList nomi;
        for (rs->MoveFirst(); !rs->isEOF(); rs->MoveNext())
            nomi << rs->Fields(QStringLiteral("denominazione")).Value().toText();
        return nomi;
    };
    const auto salva = [&](const QString &nome) {
        rs->Fields(QStringLiteral("nome")).setValue(nome);
        rs->Fields(QStringLiteral("cognome")).setValue(nome);
        rs->Update();
    };
    rs->MoveFirst();
    rs->Fields(QStringLiteral("denominazione")).Value();
    salva(QStringLiteral("PRIMO"));
    const auto dopoUnaRiga = istruzioniPreparate(*conn);
    const auto lettura = istruzione(*conn, QStringLiteral("SELECT * FROM"));
    const auto scrittura = istruzione(*conn, QStringLiteral("UPDATE"));
    ASSERT_NE(lettura.first, nullptr) << "the row read is kept";
    ASSERT_NE(scrittura.first, nullptr) << "the save is kept";
    EXPECT_EQ(leggiTutto().size(), 60);
    for (int i = 0; i < 20; ++i) {
        rs->MoveFirst();
        rs->Move(i);
        salva(QStringLiteral("GIRO %1").arg(i)); // the same columns: the same statement
    }
    EXPECT_EQ(istruzioniPreparate(*conn), dopoUnaRiga) << "no statement per row read or per save";
    // One statement run again for every row and for every save.
    const auto letturaDopo = istruzione(*conn, QStringLiteral("SELECT * FROM"));
    const auto scritturaDopo = istruzione(*conn, QStringLiteral("UPDATE"));
    EXPECT_EQ(letturaDopo.first, lettura.first);
    EXPECT_GE(letturaDopo.second, 50 * lettura.second);
    EXPECT_EQ(scritturaDopo.first, scrittura.first);
    EXPECT_GE(scritturaDopo.second, 20 * scrittura.second);
    EXPECT_EQ(dopoUnaRiga.second, 0) << "none left running between calls";

    // Between calls the file is free for another connection, and what it
    // writes is read afresh: rows, names and deletions.
    rs->MoveFirst();
    rs->Move(9);
    EXPECT_EQ(rs->Fields(QStringLiteral("denominazione")).Value().toText(),
              QStringLiteral("SCHEDA 10"));
    cartella.esegui(FileVarnex, PasswordVarnex,
                    QStringLiteral(
                        "UPDATE Dati SET denominazione = 'CAMBIATO' WHERE id_scheda = 10;"
                        "DELETE FROM Dati WHERE id_scheda = 1"));
    EXPECT_EQ(leggiTutto().at(8), QStringLiteral("CAMBIATO"));
    EXPECT_EQ(rs->RecordCount(), 59);
    rs->MoveFirst(); // on key 2
    cartella.esegui(FileVarnex, PasswordVarnex,
                    QStringLiteral("DELETE FROM Dati WHERE id_scheda = 3"));
    rs->MoveNext(); // key 3 is gone, unseen until the next MoveFirst: no row to read
    EXPECT_EQ(erroreDi([&] { rs->Fields(QStringLiteral("denominazione")).Value(); }),
              err::NoCurrentRecord);
    EXPECT_EQ(erroreDi([&] { salva(QStringLiteral("PERSO")); }), err::NoCurrentRecord);
    rs->CancelUpdate();

    // A failing statement leaves the kept ones usable.
    rs->MoveFirst();
    rs->Fields(QStringLiteral("nato")).setValue(QStringLiteral("31/12/2004"));
    cartella.esegui(
        FileVarnex, PasswordVarnex,
        QStringLiteral(
            "CREATE TRIGGER no BEFORE UPDATE ON Dati BEGIN SELECT RAISE(ABORT, 'vietato'); END"));
    EXPECT_EQ(erroreDi([&] { rs->Update(); }), err::SqlFailed);
    rs->CancelUpdate();
    cartella.esegui(FileVarnex, PasswordVarnex, QStringLiteral("DROP TRIGGER no"));
    salva(QStringLiteral("DOPO"));
    EXPECT_EQ(leggiGrezzo(*conn, QStringLiteral("SELECT nome FROM Dati WHERE id_scheda = 2")),
              QStringLiteral("DOPO"));
    EXPECT_EQ(istruzioniPreparate(*conn).second, 0);

    // Close lets them go, so the connection closes the file whole: what
    // remains is the connection's own change check, idle.
    rs->Close();
    EXPECT_EQ(istruzioniPreparate(*conn), std::make_pair(1, 0));
    EXPECT_NE(istruzione(*conn, QStringLiteral("PRAGMA data_version")).first, nullptr);
}

// --- Values by column type ------------------------------------------------------

TEST_F(Dati, DatesKeepTheEmptyDate)
{
    prepara(1);
    const struct
    {
        Variant scritto;
        QDate atteso; // invalid: the write fails with 3421
    } casi[] = {
        {Variant("01/01/1000"), QDate(1000, 1, 1)},
        {Variant(QDate(1000, 1, 1)), QDate(1000, 1, 1)},
        {Variant("5/3/2024"), QDate(2024, 3, 5)},
        {Variant(QDate(2024, 2, 29)), QDate(2024, 2, 29)},
        {Variant("31/12/1899"), QDate(1899, 12, 31)},
        {Variant("31/02/2024"), QDate()},
        {Variant("__/__/____"), QDate()},
        {Variant("2024-03-05"), QDate()},
        {Variant(QDate()), QDate()},
        {Variant(45000), QDate()},
        {Variant(QDate(99, 12, 31)), QDate()},
    };
    for (const auto &c : casi) {
        const QString testo = c.scritto.isDate() ? formatDateIt(c.scritto.date())
                                                 : c.scritto.toText();
        rs->MoveFirst();
        rs->Fields(QStringLiteral("nato")).setValue(QStringLiteral("07/07/1977"));
        rs->Fields(QStringLiteral("data_costituzione")).setValue(Variant::null());
        rs->Update();
        const long e = erroreDi(
            [&] { rs->Fields(QStringLiteral("data_costituzione")).setValue(c.scritto); });
        rs->Update();
        auto altra = connetti(cartella.percorso(FileVarnex), PasswordVarnex);
        for (const QString &source :
             {QStringLiteral("Dati"), QStringLiteral("SELECT * FROM Dati")}) {
            auto letto = apri(*altra, source);
            const Variant v = letto->Fields(QStringLiteral("data_costituzione")).Value();
            if (c.atteso.isValid()) {
                EXPECT_EQ(e, 0) << testo.toStdString();
                ASSERT_TRUE(v.isDate()) << testo.toStdString() << " from " << source.toStdString();
                EXPECT_EQ(v.date(), c.atteso) << testo.toStdString();
                EXPECT_EQ(v.toText(), formatDateIt(c.atteso));
            } else {
                EXPECT_EQ(e, err::WrongType) << testo.toStdString();
                EXPECT_TRUE(v.isNull()) << testo.toStdString() << ": a failed write stores nothing";
            }
            EXPECT_EQ(letto->Fields(QStringLiteral("nato")).Value().date(), QDate(1977, 7, 7));
        }
    }
    rs->MoveFirst();
    rs->Fields(QStringLiteral("data_costituzione")).setValue(QStringLiteral("01/01/1000"));
    rs->Update();
    EXPECT_TRUE(
        rs->Fields(QStringLiteral("data_costituzione")).Value().looselyEquals(Variant("01/01/1000")));
}

TEST_F(Dati, NumbersAreCheckedAgainstTheColumnType)
{
    prepara(1);
    const double inf = std::numeric_limits<double>::infinity();
    const struct
    {
        const char *colonna;
        Variant scritto;
        Variant atteso; // Empty: the write fails
        long errore;
    } casi[] = {
        // DOUBLE
        {"a2", Variant(1234.5), Variant(1234.5), 0},
        {"a2", Variant("1.234,5"), Variant(1234.5), 0},
        {"a2", Variant("-0,25"), Variant(-0.25), 0},
        {"a2", Variant(7), Variant(7.0), 0},
        {"a2", Variant("abc"), Variant(), err::WrongType},
        {"a2", Variant(""), Variant(), err::WrongType},
        {"a2", Variant("1.5"), Variant(), err::WrongType},
        {"a2", Variant(QDate(2024, 1, 1)), Variant(), err::WrongType},
        {"a2", Variant(inf), Variant(), err::Overflow},
        // LONG, 32 bits
        {"a25", Variant(2147483647), Variant(std::int64_t(2147483647)), 0},
        {"a25", Variant(-2147483647 - 1), Variant(std::int64_t(-2147483648LL)), 0},
        {"a25", Variant(700000001.0), Variant(std::int64_t(700000001)), 0},
        {"a25", Variant("2.147.483.647"), Variant(std::int64_t(2147483647)), 0},
        {"a25", Variant(2.5), Variant(std::int64_t(2)), 0},
        {"a25", Variant(3.5), Variant(std::int64_t(4)), 0},
        {"a25", Variant(2147483648.0), Variant(), err::Overflow},
        {"a25", Variant(std::int64_t(-2147483649LL)), Variant(), err::Overflow},
        {"a25", Variant("3 mila"), Variant(), err::WrongType},
        // INTEGER, 16 bits
        {"natura_giuridica", Variant(2), Variant(std::int64_t(2)), 0},
        {"natura_giuridica", Variant("32.767"), Variant(std::int64_t(32767)), 0},
        {"natura_giuridica", Variant(-32768), Variant(std::int64_t(-32768)), 0},
        {"natura_giuridica", Variant(32768), Variant(), err::Overflow},
        {"natura_giuridica", Variant(-32768.5), Variant(std::int64_t(-32768)), 0},
        {"natura_giuridica", Variant(-32769), Variant(), err::Overflow},
        {"natura_giuridica", Variant("uno"), Variant(), err::WrongType},
        // TEXT takes anything, as text
        {"nome", Variant(1234.5), Variant("1234,5"), 0},
        {"nome", Variant(QDate(2024, 3, 5)), Variant("05/03/2024"), 0},
    };
    for (const auto &c : casi) {
        const QString colonna = QLatin1String(c.colonna);
        const std::string caso = std::string(c.colonna) + " <- " + c.scritto.toText().toStdString();
        rs->MoveFirst();
        rs->Fields(colonna).setValue(Variant::null());
        rs->Update();
        EXPECT_EQ(erroreDi([&] { rs->Fields(colonna).setValue(c.scritto); }), c.errore) << caso;
        rs->Update();
        rs->MoveLast(); // the row again, read from the file
        const Variant v = rs->Fields(colonna).Value();
        if (c.errore == 0)
            EXPECT_EQ(v, c.atteso)
                << caso << " read " << (v.isNull() ? "Null" : v.toText().toStdString());
        else
            EXPECT_TRUE(v.isNull()) << caso << ": a failed write stores nothing";
    }
}
