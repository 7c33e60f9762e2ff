// Drive A: as a folder, and the copy that never leaves a partial or lost
// target: each step failing in turn, on real files, the reasons in Italian,
// the leftovers of killed copies removed and nothing else (no file of
// another shape, owner or kind, no copy in flight), the user's mode.

#include "Guasti.h"

#include "platform/disco/CopiaFile.h"
#include "platform/disco/MotivoErrore.h"
#include "platform/disco/Unita.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cerrno>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using disco::Passo;
using prova::byteDi;
using prova::scriviByte;

namespace {

// The process's umask for one scope.
class Umask
{
public:
    explicit Umask(mode_t maschera)
        : prima_(::umask(maschera))
    {}
    ~Umask() { ::umask(prima_); }

private:
    mode_t prima_;
};

class Copia : public ::testing::Test
{
protected:
    void SetUp() override
    {
        // Several blocks, so that a write can fail half-way.
        for (int i = 0; nuovo.size() < 3 * 4096 + 123; ++i)
            nuovo += QByteArray::number(i) + ' ';
        origine = QDir(sorgente.path()).filePath(QStringLiteral("Esporta.mdb"));
        destinazione = QDir(disco.path()).filePath(QStringLiteral("Esporta.mdb"));
        scriviByte(origine, nuovo);
    }
    void TearDown() override { disco::GuastoSimulato = nullptr; }
    QStringList fileSulDisco() const
    {
        return QDir(disco.path()).entryList(QDir::Files | QDir::Hidden);
    }

    QTemporaryDir sorgente, disco;
    QString origine, destinazione;
    QByteArray nuovo;
};

} // namespace

TEST(UnitaA, IsTheFolderOfTheVariableElseMediaFloppy)
{
    qunsetenv(disco::VariabileUnitaA);
    EXPECT_EQ(disco::cartellaUnitaA(), QStringLiteral("/media/floppy"));
    EXPECT_EQ(disco::percorsoLocale(QStringLiteral("A:\\Esporta.mdb")),
              QStringLiteral("/media/floppy/Esporta.mdb"));
    qputenv(disco::VariabileUnitaA, "/tmp/chiavetta/");
    EXPECT_EQ(disco::cartellaUnitaA(), QStringLiteral("/tmp/chiavetta"));
    EXPECT_EQ(disco::percorsoLocale(QStringLiteral("A:\\Esporta.mdb")),
              QStringLiteral("/tmp/chiavetta/Esporta.mdb"));
    EXPECT_EQ(disco::percorsoLocale(QStringLiteral("a:\\dati\\Esporta.mdb")),
              QStringLiteral("/tmp/chiavetta/dati/Esporta.mdb"));
    EXPECT_EQ(disco::percorsoLocale(QStringLiteral("/altrove/Esporta.mdb")),
              QStringLiteral("/altrove/Esporta.mdb"));
    qputenv(disco::VariabileUnitaA, "");
    EXPECT_EQ(disco::cartellaUnitaA(), QStringLiteral("/media/floppy"));
    qunsetenv(disco::VariabileUnitaA);
}

TEST(UnitaA, AFolderNamedInBytesThatAreNotUtf8IsToldNotTakenForAnother)
{
    QTemporaryDir dentro;
    const prova::CartellaNonUtf8 cartella(dentro.path());
    qputenv(disco::VariabileUnitaA, cartella.percorso());
    QString testo;
    EXPECT_EQ(prova::erroreDi([] { disco::percorsoLocale(QStringLiteral("A:\\Esporta.mdb")); },
                              &testo),
              75);
    EXPECT_EQ(testo, QStringLiteral("La cartella %1, indicata dalla variabile VARNEX_FLOPPY, ha un "
                                    "nome che non è in UTF-8: il programma non la può usare.")
                         .arg(cartella.comeLetto()));
    EXPECT_TRUE(testo.contains(dentro.path() + QStringLiteral("/caf"))) << testo.toStdString();
    // A name in UTF-8, accents and all, is the folder it names.
    qputenv(disco::VariabileUnitaA, QFile::encodeName(dentro.path()) + "/caff\xC3\xA8");
    EXPECT_EQ(disco::cartellaUnitaA(), dentro.path() + QStringLiteral("/caffè"));
    qunsetenv(disco::VariabileUnitaA);
}

TEST_F(Copia, ReplacesTheTargetWholeAndLeavesNothingElse)
{
    const Umask comune(022);
    scriviByte(destinazione, "VECCHIO");
    const disco::EsitoCopia esito = disco::copiaSostituendo(origine, destinazione);
    EXPECT_TRUE(esito.riuscita) << esito.motivo.toStdString();
    EXPECT_EQ(byteDi(destinazione), nuovo);
    EXPECT_EQ(fileSulDisco(), QStringList{QStringLiteral("Esporta.mdb")});
    EXPECT_EQ(QFile(destinazione).permissions() & QFile::ReadOther, QFile::ReadOther);
    // Again, onto the copy just made.
    nuovo += "ANCORA";
    scriviByte(origine, nuovo);
    EXPECT_TRUE(disco::copiaSostituendo(origine, destinazione).riuscita);
    EXPECT_EQ(byteDi(destinazione), nuovo);
}

TEST_F(Copia, AFailingStepKeepsTheOldTargetAndRemovesTheTemporaryFile)
{
    struct Caso
    {
        Passo passo;
        int volta; // which call of that step fails (writes are one call per block)
        int errore;
        const char *motivo;
    };
    const Caso casi[] = {
        {Passo::CreazioneTemporaneo, 1, EACCES, "Permesso negato"},
        {Passo::Scrittura, 1, ENOSPC, "Il disco è pieno"},
        {Passo::Scrittura, 3, ENOSPC, "Il disco è pieno"},
        {Passo::Sincronizzazione, 1, EIO, "Errore di lettura o di scrittura sul disco"},
        {Passo::Rinomina, 1, EROFS, "Il disco è di sola lettura (protetto dalla scrittura)"},
    };
    for (const Caso &c : casi) {
        SCOPED_TRACE(int(c.passo) * 10 + c.volta);
        scriviByte(destinazione, "VECCHIO");
        int volte = 0;
        disco::GuastoSimulato = [&](Passo p) {
            return p == c.passo && ++volte == c.volta ? c.errore : 0;
        };
        const disco::EsitoCopia esito = disco::copiaSostituendo(origine, destinazione);
        disco::GuastoSimulato = nullptr;
        EXPECT_FALSE(esito.riuscita);
        EXPECT_EQ(esito.passo, c.passo);
        EXPECT_EQ(esito.errore, c.errore);
        EXPECT_EQ(esito.motivo, QString::fromUtf8(c.motivo));
        EXPECT_EQ(esito.cartella, disco.path());
        EXPECT_EQ(esito.avanzo, QString());
        EXPECT_EQ(byteDi(destinazione), QByteArray("VECCHIO"));
        EXPECT_EQ(fileSulDisco(), QStringList{QStringLiteral("Esporta.mdb")});
        // The next copy works.
        EXPECT_TRUE(disco::copiaSostituendo(origine, destinazione).riuscita);
        EXPECT_EQ(byteDi(destinazione), nuovo);
    }
}

TEST_F(Copia, AFolderThatCannotBeFlushedAfterTheRenameIsStillAFailure)
{
    scriviByte(destinazione, "VECCHIO");
    disco::GuastoSimulato = [](Passo p) { return p == Passo::ConfermaCartella ? EIO : 0; };
    const disco::EsitoCopia esito = disco::copiaSostituendo(origine, destinazione);
    EXPECT_FALSE(esito.riuscita);
    EXPECT_EQ(esito.passo, Passo::ConfermaCartella);
    // The new file stands whole; only its name may not have reached the disk.
    EXPECT_EQ(byteDi(destinazione), nuovo);
    EXPECT_EQ(fileSulDisco(), QStringList{QStringLiteral("Esporta.mdb")});
}

// The folder that cannot even be opened for its flush (here: no descriptor
// left for it, the process's limit reached just before) is a failure too,
// never a copy reported as done.
TEST_F(Copia, AFolderThatCannotBeOpenedForItsFlushIsAFailure)
{
    scriviByte(destinazione, "VECCHIO");
    struct rlimit limite;
    ASSERT_EQ(::getrlimit(RLIMIT_NOFILE, &limite), 0);
    disco::GuastoSimulato = [limite](Passo p) {
        if (p == Passo::ConfermaCartella) {
            const int libero = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
            ::close(libero);
            struct rlimit pieno = limite;
            pieno.rlim_cur = rlim_t(libero); // the next descriptor is beyond it
            ::setrlimit(RLIMIT_NOFILE, &pieno);
        }
        return 0;
    };
    const disco::EsitoCopia esito = disco::copiaSostituendo(origine, destinazione);
    ::setrlimit(RLIMIT_NOFILE, &limite);
    EXPECT_FALSE(esito.riuscita);
    EXPECT_EQ(esito.passo, Passo::ConfermaCartella);
    EXPECT_EQ(esito.errore, EMFILE);
    EXPECT_EQ(esito.cartella, disco.path());
    EXPECT_EQ(byteDi(destinazione), nuovo);
    EXPECT_EQ(fileSulDisco(), QStringList{QStringLiteral("Esporta.mdb")});
}

TEST_F(Copia, MissingFolderOrSourceIsReportedWithTheFolderTried)
{
    const QString mancante = QDir(disco.path()).filePath(QStringLiteral("mancante"));
    disco::EsitoCopia esito = disco::copiaSostituendo(origine, QDir(mancante).filePath(
                                                                   QStringLiteral("Esporta.mdb")));
    EXPECT_FALSE(esito.riuscita);
    EXPECT_EQ(esito.passo, Passo::CreazioneTemporaneo);
    EXPECT_EQ(esito.errore, ENOENT);
    EXPECT_EQ(esito.motivo, QStringLiteral("La cartella o il file non esiste"));
    EXPECT_EQ(esito.cartella, mancante);

    // A file where the folder should be.
    scriviByte(mancante, "X");
    esito = disco::copiaSostituendo(origine,
                                    QDir(mancante).filePath(QStringLiteral("Esporta.mdb")));
    EXPECT_EQ(esito.errore, ENOTDIR);
    EXPECT_EQ(esito.motivo, QStringLiteral("Al posto della cartella c'è un file"));
    EXPECT_EQ(esito.cartella, mancante);

    scriviByte(destinazione, "VECCHIO");
    esito = disco::copiaSostituendo(QDir(sorgente.path()).filePath(QStringLiteral("Nessuno.mdb")),
                                    destinazione);
    EXPECT_FALSE(esito.riuscita);
    EXPECT_EQ(esito.passo, Passo::LetturaOrigine);
    EXPECT_EQ(esito.errore, ENOENT);
    EXPECT_EQ(esito.motivo, QStringLiteral("La cartella o il file non esiste"));
    EXPECT_EQ(esito.cartella, sorgente.path());
    EXPECT_EQ(byteDi(destinazione), QByteArray("VECCHIO"));
}

TEST(MotivoErrore, CommonCausesInItalianTheRestAsTheSystemSaysThem)
{
    const struct
    {
        int errore;
        const char *motivo; // nullptr: the system's text
    } casi[] = {
        {ENOENT, "La cartella o il file non esiste"},
        {ENOTDIR, "Al posto della cartella c'è un file"},
        {EISDIR, "Al posto del file c'è una cartella"},
        {EACCES, "Permesso negato"},
        {EPERM, "Permesso negato"},
        {EROFS, "Il disco è di sola lettura (protetto dalla scrittura)"},
        {ENOSPC, "Il disco è pieno"},
        {EDQUOT, "Il disco è pieno"},
        {EIO, "Errore di lettura o di scrittura sul disco"},
        {EBUSY, nullptr},
        {ENAMETOOLONG, nullptr},
        {EXDEV, nullptr},
    };
    for (const auto &c : casi) {
        SCOPED_TRACE(c.errore);
        EXPECT_EQ(disco::motivoErrore(c.errore),
                  c.motivo ? QString::fromUtf8(c.motivo) : qt_error_string(c.errore));
    }
}

TEST_F(Copia, RemovesTheLeftoversOfKilledCopiesAndNothingElse)
{
    struct Voce
    {
        QByteArray nome;
        bool avanzo; // a name our copy makes, so a leftover to remove
    };
    const Voce voci[] = {
        {".Esporta.mdb.varnex-copia-k3Xq9Z", true},
        {".Esporta.mdb.varnex-copia-000000", true},
        {".Esporta.mdb.varnex-copia-zzzzzz", true},
        {".Esporta.mdb.varnex-copia-k3Xq9", false},   // five
        {".Esporta.mdb.varnex-copia-k3Xq9Zz", false}, // seven
        {".Esporta.mdb.varnex-copia-k3X-9Z", false},
        {".Esporta.mdb.varnex-copia-k3Xq9\xe9", false}, // not ASCII
        {".Esporta.mdb.varnex-copia-k3Xq9Z.bak", false},
        {".Esporta.mdb.varnex-copia-", false},
        {".Esporta.mdb.Varnex-Copia-k3Xq9Z", false}, // another case
        {".Esporta.mdb.varnex-k3Xq9Z", false},
        {"Esporta.mdb.varnex-copia-k3Xq9Z", false},     // not hidden
        {".Identifica.mdb.varnex-copia-k3Xq9Z", false}, // what a copy of another file would make
        // Without the marker: the user's own files, and other tools' temporary files.
        {".Esporta.mdb.backup", false},
        {".Esporta.mdb.copia1", false},
        {".Esporta.mdb.k3Xq9Z", false},
        {".Esporta.mdb.000000", false},
        {".Esporta.mdb.k3Xq9", false},   // five
        {".Esporta.mdb.k3Xq9Zz", false}, // seven
        {".esporta.mdb.k3Xq9Z", false},  // another case
        {".ESPORTA.MDB.K3XQ9Z", false},
        {"Esporta.mdb.k3Xq9Z", false}, // not hidden
        {"x.Esporta.mdb.k3Xq9Z", false},
        {".Esporta.mdbXk3Xq9Z", false},
        {".Esporta.mdb-k3Xq9Z", false},
        {".Esporta.mdb.k3X-9Z", false},
        {".Esporta.mdb.k3X 9Z", false},
        {".Esporta.mdb.k3X_9Z", false},
        {".Esporta.mdb.k3Xq9\xe9", false}, // not ASCII
        {".Esporta.mdb.k3Xq9Z~", false},
        {".Esporta.mdb.k3Xq9Z.bak", false},
        {".Esporta.mdb.", false},
        {".Esporta.mdb", false},
        {".Esporta.md.k3Xq9Z", false},
        {".Identifica.mdb.k3Xq9Z", false},
        {"Esporta.mdb.bak", false},
    };
    scriviByte(destinazione, "VECCHIO");
    const QByteArray cartella = QFile::encodeName(disco.path()) + '/';
    for (const Voce &v : voci) {
        const int fd = ::open((cartella + v.nome).constData(), O_WRONLY | O_CREAT | O_EXCL, 0644);
        ASSERT_GE(fd, 0) << v.nome.constData();
        ASSERT_EQ(::write(fd, v.nome.constData(), v.nome.size()), v.nome.size());
        ::close(fd);
    }
    // Of our names, only regular files are ours: a folder and a link are not.
    ASSERT_EQ(::mkdir((cartella + ".Esporta.mdb.varnex-copia-Cartel").constData(), 0755), 0);
    ASSERT_EQ(::symlink(".Esporta.mdb.backup",
                        (cartella + ".Esporta.mdb.varnex-copia-Legame").constData()),
              0);

    const disco::EsitoCopia esito = disco::copiaSostituendo(origine, destinazione);
    ASSERT_TRUE(esito.riuscita) << esito.motivo.toStdString();
    EXPECT_EQ(byteDi(destinazione), nuovo);
    for (const Voce &v : voci) {
        SCOPED_TRACE(v.nome.constData());
        struct stat st
        {};
        const bool resta = ::lstat((cartella + v.nome).constData(), &st) == 0;
        EXPECT_EQ(resta, !v.avanzo);
        if (resta) { // untouched (read by the system's name: not every one is UTF-8)
            char dati[64] = {};
            const int fd = ::open((cartella + v.nome).constData(), O_RDONLY);
            EXPECT_EQ(QByteArray(dati, fd >= 0 ? int(::read(fd, dati, sizeof dati)) : 0), v.nome);
            ::close(fd);
        }
    }
    EXPECT_TRUE(QFileInfo(QFile::decodeName(cartella + ".Esporta.mdb.varnex-copia-Cartel")).isDir());
    EXPECT_TRUE(
        QFileInfo(QFile::decodeName(cartella + ".Esporta.mdb.varnex-copia-Legame")).isSymLink());
    // The temporary folder cannot remove a name that is not UTF-8: this test does.
    for (const Voce &v : voci)
        ::unlink((cartella + v.nome).constData());
}

TEST_F(Copia, ALeftoverThatCannotBeRemovedFailsTheCopyNamingIt)
{
    scriviByte(destinazione, "VECCHIO");
    const QString avanzo = QDir(disco.path())
                               .filePath(QStringLiteral(".Esporta.mdb.varnex-copia-Fermo1"));
    scriviByte(avanzo, "UNA SCHEDA DI PRIMA");
    disco::GuastoSimulato = [](Passo p) { return p == Passo::RimozioneAvanzi ? EPERM : 0; };
    const disco::EsitoCopia esito = disco::copiaSostituendo(origine, destinazione);
    disco::GuastoSimulato = nullptr;
    EXPECT_FALSE(esito.riuscita);
    EXPECT_EQ(esito.passo, Passo::RimozioneAvanzi);
    EXPECT_EQ(esito.errore, EPERM);
    EXPECT_EQ(esito.motivo, QStringLiteral("Permesso negato"));
    EXPECT_EQ(esito.cartella, disco.path());
    EXPECT_EQ(esito.avanzo, QStringLiteral(".Esporta.mdb.varnex-copia-Fermo1"));
    // The old target as it was, this copy's own temporary file gone.
    EXPECT_EQ(byteDi(destinazione), QByteArray("VECCHIO"));
    EXPECT_EQ(fileSulDisco(), (QStringList{QStringLiteral(".Esporta.mdb.varnex-copia-Fermo1"),
                                           QStringLiteral("Esporta.mdb")}));

    ASSERT_TRUE(disco::copiaSostituendo(origine, destinazione).riuscita);
    EXPECT_EQ(fileSulDisco(), QStringList{QStringLiteral("Esporta.mdb")});
}

TEST_F(Copia, TheCopyHasTheModeOfANewFileOfTheUser)
{
    for (const mode_t maschera : {mode_t(022), mode_t(077), mode_t(002)}) {
        SCOPED_TRACE(maschera);
        scriviByte(destinazione, "VECCHIO");
        ::chmod(QFile::encodeName(destinazione).constData(), 0640);
        {
            const Umask u(maschera);
            ASSERT_TRUE(disco::copiaSostituendo(origine, destinazione).riuscita);
        }
        EXPECT_EQ(prova::modoDi(destinazione), 0666u & ~maschera);
        EXPECT_EQ(byteDi(destinazione), nuovo);
    }
}

TEST_F(Copia, ALeftoverOfOursInUseByAnotherCopyStaysUntilItsLockIsFree)
{
    scriviByte(destinazione, "VECCHIO");
    const QString inCorso = QDir(disco.path())
                                .filePath(QStringLiteral(".Esporta.mdb.varnex-copia-InUso1"));
    scriviByte(inCorso, "A METÀ");
    // Another copy's lock: a descriptor of its own, as another program has.
    const int fd = ::open(QFile::encodeName(inCorso).constData(), O_RDWR | O_CLOEXEC);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::flock(fd, LOCK_EX | LOCK_NB), 0);
    // Were it taken for a leftover, its removal would fail the copy.
    disco::GuastoSimulato = [](Passo p) { return p == Passo::RimozioneAvanzi ? EPERM : 0; };
    const disco::EsitoCopia esito = disco::copiaSostituendo(origine, destinazione);
    disco::GuastoSimulato = nullptr;
    EXPECT_TRUE(esito.riuscita) << esito.motivo.toStdString();
    EXPECT_EQ(byteDi(destinazione), nuovo);
    EXPECT_EQ(byteDi(inCorso), QByteArray("A METÀ"));

    ::close(fd); // that copy is gone, killed before its rename: now a leftover
    ASSERT_TRUE(disco::copiaSostituendo(origine, destinazione).riuscita);
    EXPECT_EQ(fileSulDisco(), QStringList{QStringLiteral("Esporta.mdb")});
}

TEST_F(Copia, AFileThatIsNotOursNeverStopsTheCopy)
{
    scriviByte(destinazione, "VECCHIO");
    QStringList estranei = {QStringLiteral(".Esporta.mdb.backup"),
                            QStringLiteral(".Esporta.mdb.copia1"),
                            QStringLiteral(".Esporta.mdb.k3Xq9Z")};
    for (const QString &n : std::as_const(estranei))
        scriviByte(QDir(disco.path()).filePath(n), n.toUtf8());
    // Our name on a file of another user: only root can make one.
    if (::geteuid() == 0) {
        const QString altrui = QStringLiteral(".Esporta.mdb.varnex-copia-Altrui");
        scriviByte(QDir(disco.path()).filePath(altrui), altrui.toUtf8());
        ASSERT_EQ(::chown(QFile::encodeName(QDir(disco.path()).filePath(altrui)).constData(), 65534,
                          65534),
                  0);
        estranei << altrui;
    }
    // Any removal would fail, and fail the copy.
    disco::GuastoSimulato = [](Passo p) { return p == Passo::RimozioneAvanzi ? EPERM : 0; };
    const disco::EsitoCopia esito = disco::copiaSostituendo(origine, destinazione);
    disco::GuastoSimulato = nullptr;
    EXPECT_TRUE(esito.riuscita) << esito.motivo.toStdString();
    EXPECT_EQ(byteDi(destinazione), nuovo);
    for (const QString &n : std::as_const(estranei))
        EXPECT_EQ(byteDi(QDir(disco.path()).filePath(n)), n.toUtf8()) << n.toStdString();
    estranei << QStringLiteral("Esporta.mdb");
    estranei.sort();
    QStringList restano = fileSulDisco();
    restano.sort();
    EXPECT_EQ(restano, estranei);
}
