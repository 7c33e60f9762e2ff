// The record layer at the program's sizes: start-up (three files, six
// recordsets, the whole municipality list), the seek of a sheet by
// MoveFirst/MoveNext over 10,000 rows, the save of one page, and the export
// of a sheet (row copy and tests; with the copy onto the disk).

#include "CreaDati.h"

#include "core/Archivio.h"
#include "core/ColonneDati.h"
#include "core/FileDati.h"
#include "core/Globali.h"
#include "export/Esportazione.h"
#include "platform/db/Connection.h"
#include "platform/db/Recordset.h"
#include "platform/dialoghi/DialoghiScriptati.h"
#include "platform/disco/Unita.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTextStream>
#include <benchmark/benchmark.h>
#include <memory>
#include <random>
#include <sqlite3.h>
#include <stdexcept>

namespace {

constexpr int SchedeArchivio = 10000;
constexpr int ComuniSintetici = 8000;

int righeCsv(const QString &percorso)
{
    QFile f(percorso);
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    int n = 0;
    while (!f.atEnd())
        n += f.readLine().trimmed().isEmpty() ? 0 : 1;
    return n > 0 ? n - 1 : 0;
}

// Names shaped like the real ones: compound, with apostrophes, blanks and
// accented finals, in no order; about one in thirty in the region.
void scriviComuniSintetici(const QString &percorso)
{
    static const char *prima[] = {"SAN",   "SANT'", "SANTA", "CASTEL", "MONTE", "BORGO", "VILLA",
                                  "L'",    "LA",    "ROCCA", "POGGIO", "SERRA", "COLLE", "PIEVE",
                                  "TORRE", "",      "",      "",       "",      ""};
    static const char *radice[] = {"ANGELO", "ELPIDIO", "GIORGIO", "MARCO",   "VITTORIA",
                                   "AQUILA", "FIORE",   "BRUNO",   "PIETRO",  "LORENZO",
                                   "AGATA",  "MARIA",   "ROSSO",   "VERDE",   "ALTO",
                                   "NUOVO",  "VECCHIO", "FERRATO", "MARINO",  "CORNELIO",
                                   "FORLÌ",  "CANTÙ",   "SALÒ",    "PERGOLA", "CAGLI"};
    static const char *dopo[]
        = {"",           "",       "",       " IN VADO", " A MARE",   " DI SOPRA", " DEL TRONTO",
           " SUL MONTE", " TERME", " SCALO", " D'ASOLA", " MARITTIMA"};
    static const char *altre[] = {"TO", "MI", "RM", "NA", "BO", "FI", "PG", "TE", "CH", "AQ",
                                  "BG", "BS", "VR", "PD", "VE", "TV", "GE", "SP", "PI", "LU",
                                  "SI", "AR", "LT", "FR", "CS", "RC", "PA", "CT"};
    std::mt19937 rnd(20240305);
    QFile f(percorso);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw std::runtime_error("impossibile scrivere i comuni di prova");
    QTextStream out(&f);
    out << "descrizione,id_provincia,cap\n";
    for (int i = 0; i < ComuniSintetici; ++i) {
        QString nome = QString::fromUtf8(prima[rnd() % std::size(prima)]);
        if (!nome.isEmpty() && !nome.endsWith(QLatin1Char('\'')))
            nome += QLatin1Char(' ');
        nome += QString::fromUtf8(radice[rnd() % std::size(radice)])
                + QString::fromUtf8(dopo[rnd() % std::size(dopo)]);
        nome += QStringLiteral(" %1").arg(i); // distinct names
        const QString prov = i % 30 == 0 ? scheda::ProvinceRegione[(i / 30) % 5]
                                         : QString::fromLatin1(altre[rnd() % std::size(altre)]);
        out << '"' << nome << "\"," << prov << ','
            << QStringLiteral("%1").arg(10000 + int(rnd() % 89999), 5, 10, QLatin1Char('0'))
            << '\n';
    }
}

void scriviAtecoSintetico(const QString &percorso)
{
    QFile f(percorso);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw std::runtime_error("impossibile scrivere l'ateco di prova");
    QTextStream out(&f);
    out << "codice_istat,descrizione\n";
    for (int i = 0; i < 900; ++i)
        out << QStringLiteral("%1.%2.%3,Attività economica %4\n")
                   .arg(1 + i / 10 % 99, 2, 10, QLatin1Char('0'))
                   .arg(i % 10 + 10)
                   .arg(i % 9)
                   .arg(i);
}

// One program folder for the whole run, made once.
class CartellaBench
{
public:
    static CartellaBench &istanza()
    {
        static CartellaBench a;
        return a;
    }
    QString percorso(const QString &nome) const
    {
        return scheda::percorsoProgramma(dir_.path(), nome);
    }
    int comuni = 0;
    QString fonteComuni;

private:
    CartellaBench()
    {
        if (!dir_.isValid())
            throw std::runtime_error("nessuna cartella temporanea");
        creadati::Opzioni o;
        o.cartella = dir_.path();
        o.comuniCsv = QStringLiteral(VARNEX_DATA_DIR "/comuni.csv");
        o.atecoCsv = QStringLiteral(VARNEX_DATA_DIR "/ateco_2002.csv");
        fonteComuni = QStringLiteral("data/comuni.csv");
        if (righeCsv(o.comuniCsv) < 5000) {
            o.comuniCsv = QDir(dir_.path()).filePath(QStringLiteral("comuni.csv"));
            scriviComuniSintetici(o.comuniCsv);
            fonteComuni = QStringLiteral("synthetic");
        }
        if (righeCsv(o.atecoCsv) < 100) {
            o.atecoCsv = QDir(dir_.path()).filePath(QStringLiteral("ateco_2002.csv"));
            scriviAtecoSintetico(o.atecoCsv);
        }
        comuni = righeCsv(o.comuniCsv);
        creadati::creaFile(o);
        scheda::CartellaProgramma = dir_.path(); // the program's own start-up code opens from here
        aggiungiSchede(SchedeArchivio);
    }
    void aggiungiSchede(int n)
    {
        const auto c = scheda::apriFile(percorso(scheda::FileVarnex), scheda::PasswordVarnex);
        sqlite3 *db = c->handle();
        sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
        sqlite3_stmt *s = nullptr;
        sqlite3_prepare_v2(db,
                           "INSERT INTO Dati (denominazione, comune_sede, a2, nato) VALUES (?, "
                           "'ANCONA', 1234.5, '1000-01-01')",
                           -1, &s, nullptr);
        for (int i = 1; i <= n; ++i) {
            const QByteArray nome = QStringLiteral("SCHEDA %1").arg(i).toUtf8();
            sqlite3_bind_text(s, 1, nome.constData(), int(nome.size()), SQLITE_TRANSIENT);
            sqlite3_step(s);
            sqlite3_reset(s);
        }
        sqlite3_finalize(s);
        sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
    }
    QTemporaryDir dir_;
};

// Start-up: the three connections and six recordsets, in the program's order.
void BM_AperturaArchivio(benchmark::State &state)
{
    CartellaBench &a = CartellaBench::istanza();
    for (auto _ : state) {
        scheda::apriArchivio();
        benchmark::DoNotOptimize(scheda::RsComune->RecordCount() + scheda::RsDati->RecordCount());
        scheda::chiudiArchivio();
    }
    state.counters["comuni"] = a.comuni;
    state.SetLabel(a.fonteComuni.toStdString());
}
BENCHMARK(BM_AperturaArchivio)->Unit(benchmark::kMillisecond);

// The parts of start-up one by one.
void BM_AperturaRecordset(benchmark::State &state)
{
    CartellaBench::istanza();
    const int quale = int(state.range(0));
    const QString source = quale == 0   ? QStringLiteral("Dati")
                           : quale == 1 ? scheda::SqlComune
                           : quale == 2 ? scheda::sqlComuneRegione()
                                        : scheda::SqlAteco;
    auto c = quale == 0
                 ? scheda::apriConnessione(scheda::FileVarnex, scheda::PasswordVarnex)
                 : scheda::apriConnessione(scheda::FileIdentifica, scheda::PasswordIdentifica);
    long righe = 0;
    for (auto _ : state) {
        auto rs = scheda::apriRecordset(source, *c);
        righe = rs->RecordCount();
        benchmark::DoNotOptimize(righe);
    }
    static const char *nomi[] = {"RsDati (10,000 rows)", "RsComune", "RsComuneRegione", "RsAteco"};
    state.SetLabel(nomi[quale]);
    state.counters["righe"] = double(righe);
}
BENCHMARK(BM_AperturaRecordset)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

void BM_AperturaConnessione(benchmark::State &state)
{
    CartellaBench::istanza();
    for (auto _ : state) {
        auto c = scheda::apriConnessione(scheda::FileVarnex, scheda::PasswordVarnex);
        benchmark::DoNotOptimize(c->isOpen());
    }
}
BENCHMARK(BM_AperturaConnessione)->Unit(benchmark::kMillisecond);

// The seek of a sheet as the program does it: MoveFirst, then MoveNext
// comparing Fields(0) until the key (at the end: not found); the rows passed.
long cerca(ado::Recordset &rs, const ado::Variant &chiave)
{
    long passi = 0;
    for (rs.MoveFirst(); !rs.isEOF() && !rs.Fields(0).Value().looselyEquals(chiave); rs.MoveNext())
        ++passi;
    return passi;
}

// The seek, the key at the given place.
void BM_CercaScheda(benchmark::State &state)
{
    CartellaBench::istanza();
    auto c = scheda::apriConnessione(scheda::FileVarnex, scheda::PasswordVarnex);
    auto rs = scheda::apriRecordset(QStringLiteral("Dati"), *c);
    rs->MoveFirst();
    rs->Move(long(state.range(0)) - 1);
    const ado::Variant cercata = rs->Fields(0).Value();
    long passi = 0;
    for (auto _ : state) {
        passi = cerca(*rs, cercata);
        if (rs->isEOF())
            state.SkipWithError("chiave non trovata");
    }
    state.counters["passi"] = double(passi);
}
BENCHMARK(BM_CercaScheda)
    ->Arg(1)
    ->Arg(SchedeArchivio / 2)
    ->Arg(SchedeArchivio)
    ->Unit(benchmark::kMillisecond);

// The same seek right after a save, as after a page is saved and the user
// moves on: MoveFirst then reads the keys again.
void BM_CercaSchedaDopoSalvataggio(benchmark::State &state)
{
    CartellaBench::istanza();
    auto c = scheda::apriConnessione(scheda::FileVarnex, scheda::PasswordVarnex);
    auto rs = scheda::apriRecordset(QStringLiteral("Dati"), *c);
    rs->MoveLast();
    const ado::Variant cercata = rs->Fields(0).Value();
    int giro = 0;
    for (auto _ : state) {
        state.PauseTiming();
        rs->MoveLast();
        rs->Fields(QStringLiteral("tel_sede")).setValue(QString::number(++giro));
        rs->Update();
        state.ResumeTiming();
        cerca(*rs, cercata);
    }
}
BENCHMARK(BM_CercaSchedaDopoSalvataggio)->Unit(benchmark::kMillisecond);

// The save of one page: every column of the page set, then one Update.
void BM_SalvaPagina(benchmark::State &state)
{
    CartellaBench::istanza();
    auto c = scheda::apriConnessione(scheda::FileVarnex, scheda::PasswordVarnex);
    auto rs = scheda::apriRecordset(QStringLiteral("Dati"), *c);
    rs->MoveFirst();
    rs->Move(SchedeArchivio / 2);
    const auto colonne = scheda::colonnePagina(int(state.range(0)));
    int giro = 0;
    for (auto _ : state) {
        ++giro;
        for (const scheda::Colonna &col : colonne) {
            ado::Variant v;
            switch (col.tipo) {
            case scheda::Tipo::Testo:
                v = QStringLiteral("VALORE %1").arg(giro);
                break;
            case scheda::Tipo::Data:
                v = giro % 2 ? QStringLiteral("01/01/1000") : QStringLiteral("05/03/2024");
                break;
            case scheda::Tipo::Numero:
                v = QStringLiteral("%1,5").arg(giro % 1000);
                break;
            case scheda::Tipo::Opzione:
                v = 1 + giro % 2;
                break;
            }
            rs->Fields(QString::fromLatin1(col.nome)).setValue(v);
        }
        rs->Update();
    }
    state.counters["colonne"] = double(colonne.size());
}
BENCHMARK(BM_SalvaPagina)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

// The export command on the sheet in the middle of the archive, made
// complete: the seek, the row copy into the export file and the sixteen
// tests; with argument 1 also the close, the copy onto the disk (flushed to
// it) and the reopening.
void BM_EsportaScheda(benchmark::State &state)
{
    CartellaBench &a = CartellaBench::istanza();
    QTemporaryDir disco;
    qputenv(disco::VariabileUnitaA, QFile::encodeName(disco.path()));
    scheda::apriArchivio();
    scheda::RsDati->MoveFirst();
    scheda::RsDati->Move(SchedeArchivio / 2);
    for (const scheda::Colonna &col : scheda::colonneDati()) {
        ado::Variant v;
        switch (col.tipo) {
        case scheda::Tipo::Testo:
            v = QStringLiteral("VALORE");
            break;
        case scheda::Tipo::Data:
            v = QStringLiteral("05/03/2024");
            break;
        case scheda::Tipo::Numero:
            v = 12.5;
            break;
        case scheda::Tipo::Opzione:
            v = 2;
            break;
        }
        scheda::RsDati->Fields(QString::fromLatin1(col.nome)).setValue(v);
    }
    scheda::RsDati->Update();
    scheda::IdRecord = scheda::RsDati->Fields(0).Value();
    const bool suDisco = state.range(0) == 1;
    dlg::DialoghiScriptati dialoghi;
    for (auto _ : state) {
        dialoghi.mostrati.clear();
        dialoghi.rispondi(suDisco ? dlg::vbYes : dlg::vbNo);
        esportazione::EsportaSchedaCorrente();
        if (dialoghi.mostrati.size() != (suDisco ? 2 : 1))
            state.SkipWithError("l'esportazione non è arrivata in fondo");
    }
    scheda::chiudiArchivio();
    qunsetenv(disco::VariabileUnitaA);
    state.SetLabel(suDisco ? "with the copy onto the disk" : "row copy and tests");
    state.counters["bytes"] = double(QFileInfo(a.percorso(scheda::FileEsporta)).size());
}
BENCHMARK(BM_EsportaScheda)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
