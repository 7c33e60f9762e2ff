// A copy onto the disk that fails is told with the folder tried and the
// reason in Italian, never as a success; the old copy on the disk stays
// whole, no temporary file is left, the export file is open again and the
// next export works. A failed reopening is told and tried again. What
// exports killed half-way left on the disk goes at the next export, and
// nothing else does: not the user's files named alike, not a copy in flight
// in another program; a file that is not ours never stops an export.

#include "Guasti.h"
#include "ProvaEsportazione.h"

#include "core/Archivio.h"
#include "shell/MDIForm1.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTest>
#include <QToolButton>
#include <cerrno>
#include <fcntl.h>
#include <linux/fs.h>
#include <memory>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

using namespace scheda;

namespace {

using prova::Montaggio;

// A file that nobody, root included, can remove while the flag is on, where
// the file system and our rights allow setting it.
class Immutabile
{
public:
    explicit Immutabile(const QString &percorso)
        : percorso_(QFile::encodeName(percorso))
    {
        fatto_ = imposta(true);
    }
    ~Immutabile() { togli(); }
    bool fatto() const { return fatto_; }
    void togli()
    {
        if (fatto_)
            fatto_ = !imposta(false);
    }

private:
    bool imposta(bool si)
    {
        const int fd = ::open(percorso_.constData(), O_RDONLY | O_CLOEXEC);
        int attributi = 0;
        bool ok = fd >= 0 && ::ioctl(fd, FS_IOC_GETFLAGS, &attributi) == 0;
        attributi = si ? attributi | FS_IMMUTABLE_FL : attributi & ~FS_IMMUTABLE_FL;
        ok = ok && ::ioctl(fd, FS_IOC_SETFLAGS, &attributi) == 0;
        if (fd >= 0)
            ::close(fd);
        return ok;
    }

    QByteArray percorso_;
    bool fatto_ = false;
};

class CopiaSuDisco : public ProvaEsportazione
{
protected:
    // An export that fails at the copy in `cartella` for `motivo`, a
    // leftover that could not be removed named when `avanzo` is given; then
    // `ripara` mends the disk and the next export works.
    void copiaFallita(const QString &motivo, const QString &cartella,
                      const std::function<void()> &ripara, const QString &avanzo = {})
    {
        const QByteArray vecchio = prova::byteDi(suDisco());
        const QStringList fileDiPrima = QDir(cartella).entryList(QDir::Files | QDir::Hidden);
        p.dialoghi.rispondi(dlg::vbYes);
        esporta();
        ASSERT_EQ(mostrati().size(), 2);
        eDomandaFloppy(mostrati()[0]);
        const dlg::Mostrato &m = mostrati()[1];
        EXPECT_EQ(m.stile, dlg::vbCritical);
        EXPECT_EQ(m.titolo, QStringLiteral("Esportazione"));
        EXPECT_TRUE(m.prompt.startsWith(QStringLiteral("Esportazione non riuscita")))
            << m.prompt.toStdString();
        EXPECT_TRUE(m.prompt.contains(QStringLiteral("Cartella: ") + cartella))
            << m.prompt.toStdString();
        EXPECT_TRUE(m.prompt.contains(QStringLiteral("Motivo: ") + motivo))
            << m.prompt.toStdString();
        EXPECT_EQ(m.prompt,
                  QStringLiteral(
                      "Esportazione non riuscita: il file non è stato copiato sul disco.\n\n"
                      "Cartella: ")
                      + cartella + QStringLiteral("\n")
                      + (avanzo.isEmpty()
                             ? QString()
                             : QStringLiteral("Non si è potuto cancellare il file rimasto da "
                                              "un'esportazione interrotta: ")
                                   + avanzo + QStringLiteral("\n"))
                      + QStringLiteral("Motivo: ") + motivo);
        EXPECT_EQ(prova::byteDi(suDisco()), vecchio); // the old copy whole, or still none
        EXPECT_EQ(QDir(cartella).entryList(QDir::Files | QDir::Hidden),
                  fileDiPrima); // no temporary file
        EXPECT_TRUE(esportaAperto());
        EXPECT_EQ(rigaEsporta().mid(1), rigaScheda(IdRecord.integer()).mid(1));

        ripara();
        esportaConSuccesso();
    }
    // Drive A: on `cartella`, and a first export onto it; then the sheet
    // changes: the disk holds an old copy that a failed export must not touch.
    void copiaVecchiaSu(const QString &cartella)
    {
        usaDisco(cartella);
        avvia(1);
        esportaConSuccesso();
        prova::completaScheda(p.cartella, IdRecord.integer(), 2);
    }
    QString cartella(const char *nome) const
    {
        return QDir(cartellaDisco.path()).filePath(QString::fromLatin1(nome));
    }
    QString sulDisco(const QString &nome) const
    {
        return QDir(cartellaDisco.path()).filePath(nome);
    }
    QStringList fileSulDisco() const
    {
        return QDir(cartellaDisco.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    }
    // The files on the disk named as the copy names its temporary files.
    QStringList temporaneiSulDisco() const
    {
        static const QRegularExpression nome(
            QStringLiteral("^\\.Esporta\\.mdb\\.varnex-copia-[A-Za-z0-9]{6}$"));
        return fileSulDisco().filter(nome);
    }

    // The program's export file copied onto the disk by another process
    // `figlio`, which stops for good when it reaches the `volta`-th call of
    // `passo`, after it made its temporary file and before the rename. The
    // temporary file it holds, or empty.
    QString copiaFerma(QProcess &figlio, disco::Passo passo, int volta)
    {
        const QStringList prima = temporaneiSulDisco();
        figlio.start(QStringLiteral(COPIA_INTERROTTA),
                     {fileEsporta(), suDisco(), QString::number(int(passo)),
                      QString::number(volta)});
        EXPECT_TRUE(figlio.waitForReadyRead(10000)) << "the copy did not stop where asked";
        EXPECT_EQ(figlio.read(1), QByteArray("!"));
        QStringList nuovi = temporaneiSulDisco();
        for (const QString &n : prima)
            nuovi.removeOne(n);
        EXPECT_EQ(nuovi.size(), 1) << nuovi.join(u' ').toStdString();
        return nuovi.value(0);
    }
    static void uccidi(QProcess &figlio)
    {
        figlio.kill(); // SIGKILL: nothing of the copy runs after it
        EXPECT_TRUE(figlio.waitForFinished(10000));
        EXPECT_EQ(figlio.exitStatus(), QProcess::CrashExit);
    }
    // The same copy killed there: the temporary file it leaves, or empty.
    QString copiaUccisa(disco::Passo passo, int volta)
    {
        const QByteArray vecchio = prova::byteDi(suDisco());
        QProcess figlio;
        const QString avanzo = copiaFerma(figlio, passo, volta);
        uccidi(figlio);
        EXPECT_EQ(prova::byteDi(suDisco()), vecchio); // no rename came
        return avanzo;
    }
};

} // namespace

TEST_F(CopiaSuDisco, MissingFolder)
{
    const QString mancante = cartella("mancante");
    usaDisco(mancante);
    avvia(1);
    copiaFallita(QStringLiteral("La cartella o il file non esiste"), mancante,
                 [&] { QDir().mkpath(mancante); });
}

TEST_F(CopiaSuDisco, AFolderInThePlaceOfTheFile)
{
    const QString cartellaNelPosto = suDisco();
    ASSERT_TRUE(QDir().mkdir(cartellaNelPosto));
    avvia(1);
    copiaFallita(QStringLiteral("Al posto del file c'è una cartella"), cartellaDisco.path(),
                 [&] { QDir().rmdir(cartellaNelPosto); });
}

TEST_F(CopiaSuDisco, ADriveNamedInBytesThatAreNotUtf8IsToldAndTheExportFileStaysOpen)
{
    const prova::CartellaNonUtf8 cartella(cartellaDisco.path());
    qputenv(disco::VariabileUnitaA, cartella.percorso());
    avvia(1);
    p.dialoghi.rispondi(dlg::vbYes);
    esporta();
    ASSERT_EQ(mostrati().size(), 2);
    eDomandaFloppy(mostrati()[0]);
    EXPECT_EQ(mostrati()[1].prompt,
              QStringLiteral("Errore di run-time '75':\n\nLa cartella %1, indicata dalla "
                             "variabile VARNEX_FLOPPY, ha un nome che non è in UTF-8: il "
                             "programma non la può usare.")
                  .arg(cartella.comeLetto()));
    EXPECT_EQ(mostrati()[1].stile & dlg::vbCritical, dlg::vbCritical);
    EXPECT_TRUE(esportaAperto());
    EXPECT_FALSE(QFileInfo::exists(cartella.comeLetto())) << "made under the name as misread";

    usaDisco(cartellaDisco.path());
    esportaConSuccesso();
}

TEST_F(CopiaSuDisco, ReadOnlyFolder)
{
    if (::geteuid() != 0) {
        const QString sola = cartella("sola");
        QDir().mkpath(sola);
        copiaVecchiaSu(sola);
        ::chmod(QFile::encodeName(sola).constData(), 0555);
        copiaFallita(QStringLiteral("Permesso negato"), sola,
                     [&] { ::chmod(QFile::encodeName(sola).constData(), 0755); });
        return;
    }
    // Permissions do not stop root: a read-only file system does.
    Montaggio disco(cartella("sola"));
    if (!disco.montato())
        GTEST_SKIP() << "no read-only folder here: running as root and mounting is not allowed";
    copiaVecchiaSu(cartella("sola"));
    ASSERT_TRUE(disco.solaLettura(true));
    copiaFallita(QStringLiteral("Il disco è di sola lettura (protetto dalla scrittura)"),
                 cartella("sola"), [&] { ASSERT_TRUE(disco.solaLettura(false)); });
}

TEST_F(CopiaSuDisco, FullDisk)
{
    Montaggio disco(cartella("piena"));
    if (!disco.montato())
        GTEST_SKIP() << "mounting a small file system is not allowed here";
    copiaVecchiaSu(cartella("piena"));
    const QString riempitivo = disco.riempi();
    copiaFallita(QStringLiteral("Il disco è pieno"), cartella("piena"),
                 [&] { QFile::remove(riempitivo); });
}

TEST_F(CopiaSuDisco, WriteErrorHalfWay)
{
    copiaVecchiaSu(cartellaDisco.path());
    int blocchi = 0;
    disco::GuastoSimulato = [&](disco::Passo passo) {
        return passo == disco::Passo::Scrittura && ++blocchi == 2 ? ENOSPC : 0;
    };
    copiaFallita(QStringLiteral("Il disco è pieno"), cartellaDisco.path(),
                 [] { disco::GuastoSimulato = nullptr; });
    EXPECT_GE(blocchi, 2);
}

TEST_F(CopiaSuDisco, AFailedReopeningIsToldAndTriedAgainByTheNextExport)
{
    avvia(1);
    const QString file = fileEsporta(), via = file + QStringLiteral(".via");
    // The export file goes away while the copy is made.
    disco::GuastoSimulato = [&](disco::Passo passo) {
        if (passo == disco::Passo::Rinomina)
            QFile::rename(file, via);
        return 0;
    };
    p.dialoghi.rispondi(dlg::vbYes);
    esporta();
    disco::GuastoSimulato = nullptr;
    ASSERT_EQ(mostrati().size(), 3);
    eRiuscita(mostrati()[1]); // the copy itself is on the disk
    EXPECT_EQ(mostrati()[2].stile, dlg::vbCritical);
    EXPECT_TRUE(mostrati()[2].prompt.contains(
        QStringLiteral("Il file di esportazione non si è potuto riaprire")));
    EXPECT_TRUE(mostrati()[2].prompt.contains(file));
    EXPECT_FALSE(RsEsporta);

    // Still missing: the next export tries it first and stops there.
    esporta();
    ASSERT_EQ(mostrati().size(), 1);
    EXPECT_TRUE(mostrati()[0].prompt.contains(QStringLiteral("non si è potuto riaprire")));

    ASSERT_TRUE(QFile::rename(via, file));
    esportaConSuccesso();
}

TEST_F(CopiaSuDisco, TheExitAfterAFailedReopeningClosesWhatIsOpen)
{
    avvia(1);
    const QString file = fileEsporta();
    disco::GuastoSimulato = [&](disco::Passo passo) {
        if (passo == disco::Passo::Rinomina)
            QFile::remove(file);
        return 0;
    };
    p.dialoghi.rispondi(dlg::vbYes);
    esporta();
    ASSERT_FALSE(RsEsporta);
    QTest::mouseClick(p.finestra().CMDEsci, Qt::LeftButton);
    EXPECT_EQ(p.uscita, 0);
    EXPECT_FALSE(RsDati);
}

TEST_F(CopiaSuDisco, TheLeftoverOfAKilledExportGoesAtTheNextExportAndForeignFilesStay)
{
    copiaVecchiaSu(cartellaDisco.path());
    // A whole export of the sheet as it was, left by a kill before the
    // rename, and the user's own files beside it, some of them named alike.
    const QString avanzo = QStringLiteral(".Esporta.mdb.varnex-copia-k3Xq9Z");
    prova::scriviByte(sulDisco(avanzo), prova::byteDi(suDisco()));
    const QStringList estranei = {QStringLiteral(".Esporta.mdb.backup"),
                                  QStringLiteral(".Esporta.mdb.copia1"),
                                  QStringLiteral(".Esporta.mdb.k3Xq9Z"),
                                  QStringLiteral(".Esporta.mdb.varnex-copia-k3Xq9Z.bak"),
                                  QStringLiteral(".Esporta.mdb.k3Xq9"),
                                  QStringLiteral(".Esporta.mdb.k3Xq9Z.bak"),
                                  QStringLiteral(".esporta.mdb.k3Xq9Z"),
                                  QStringLiteral("Esporta.mdb.k3Xq9Z"),
                                  QStringLiteral(".Esporta.mdb.k3X-9Z"),
                                  QStringLiteral("appunti.txt")};
    for (const QString &n : estranei)
        prova::scriviByte(sulDisco(n), n.toUtf8());

    esportaConSuccesso();
    EXPECT_FALSE(QFile::exists(sulDisco(avanzo)));
    for (const QString &n : estranei)
        EXPECT_EQ(prova::byteDi(sulDisco(n)), n.toUtf8()) << n.toStdString();
    QStringList attesi = estranei;
    attesi << QStringLiteral("Esporta.mdb");
    attesi.sort();
    EXPECT_EQ(fileSulDisco(), attesi);
}

TEST_F(CopiaSuDisco, CopiesKilledBeforeTheRenameLeaveNothingAfterTheNextExport)
{
    copiaVecchiaSu(cartellaDisco.path());
    prova::scriviByte(sulDisco(QStringLiteral("appunti.txt")), "DEL CONSULENTE");
    const qint64 intero = QFileInfo(fileEsporta()).size();
    ASSERT_GT(intero, 4096) << "the export file should take more than one block";
    const struct
    {
        disco::Passo passo;
        int volta;
        qint64 lasciati; // bytes of the temporary file when the kill came
    } uccisioni[] = {
        {disco::Passo::Scrittura, 1, 0},     // just created
        {disco::Passo::Scrittura, 2, 4096},  // half-written
        {disco::Passo::Rinomina, 1, intero}, // whole and flushed
    };
    QString intera;
    for (const auto &u : uccisioni) {
        SCOPED_TRACE(int(u.passo) * 10 + u.volta);
        const QString avanzo = copiaUccisa(u.passo, u.volta);
        EXPECT_EQ(QFileInfo(sulDisco(avanzo)).size(), u.lasciati);
        // The killed copy had already removed what the kill before left.
        EXPECT_EQ(temporaneiSulDisco(), QStringList{avanzo});
        intera = avanzo;
    }
    // The last one is a whole export of the sheet: what must not be handed in.
    EXPECT_EQ(prova::riga(sulDisco(intera), PasswordEsporta).mid(1), rigaEsporta().mid(1));

    esportaConSuccesso();
    EXPECT_EQ(fileSulDisco(),
              (QStringList{QStringLiteral("Esporta.mdb"), QStringLiteral("appunti.txt")}));
    EXPECT_EQ(prova::byteDi(sulDisco(QStringLiteral("appunti.txt"))), QByteArray("DEL CONSULENTE"));
}

TEST_F(CopiaSuDisco, ADiskFilledByLeftoversTakesTheNextExport)
{
    Montaggio disco(cartella("piena"));
    if (!disco.montato())
        GTEST_SKIP() << "mounting a small file system is not allowed here";
    copiaVecchiaSu(cartella("piena"));
    // Whole copies left by kills, until the disk is full.
    const QByteArray intera = prova::byteDi(suDisco());
    for (int i = 0; i < 100; ++i) {
        QFile f(QDir(cartella("piena"))
                    .filePath(QStringLiteral(".Esporta.mdb.varnex-copia-Pien%1")
                                  .arg(i, 2, 10, QLatin1Char('0'))));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        if (f.write(intera) != intera.size() || !f.flush())
            break;
    }
    ASSERT_LT(QFileInfo(suDisco()).size(), 8 * 1024 * 1024); // sanity: the disk is the small one
    esportaConSuccesso();
    EXPECT_EQ(QDir(cartella("piena")).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("Esporta.mdb")});
}

TEST_F(CopiaSuDisco, ALeftoverThatCannotBeRemovedIsToldByName)
{
    copiaVecchiaSu(cartellaDisco.path());
    const QString avanzo = QStringLiteral(".Esporta.mdb.varnex-copia-Fermo1");
    prova::scriviByte(sulDisco(avanzo), prova::byteDi(suDisco()));
    Immutabile fermo(sulDisco(avanzo));
    // Where the flag cannot be set, the system's refusal is scripted.
    if (!fermo.fatto())
        disco::GuastoSimulato = [](disco::Passo passo) {
            return passo == disco::Passo::RimozioneAvanzi ? EPERM : 0;
        };
    copiaFallita(
        QStringLiteral("Permesso negato"), cartellaDisco.path(),
        [&] {
            fermo.togli();
            disco::GuastoSimulato = nullptr;
        },
        avanzo);
    EXPECT_FALSE(QFile::exists(sulDisco(avanzo)));
}

TEST_F(CopiaSuDisco, ACopyInFlightInAnotherProgramKeepsItsFileThroughAnExport)
{
    copiaVecchiaSu(cartellaDisco.path());
    prova::scriviByte(sulDisco(QStringLiteral(".Esporta.mdb.backup")), "COPIA DELL'UTENTE");
    // Another program half-way through its copy onto the same disk.
    QProcess figlio;
    const QString inCorso = copiaFerma(figlio, disco::Passo::Scrittura, 2);
    ASSERT_FALSE(inCorso.isEmpty());
    const QByteArray scritto = prova::byteDi(sulDisco(inCorso));
    EXPECT_EQ(scritto.size(), 4096);

    esportaConSuccesso();
    EXPECT_EQ(prova::byteDi(sulDisco(inCorso)), scritto);
    QStringList attesi = {inCorso, QStringLiteral(".Esporta.mdb.backup"),
                          QStringLiteral("Esporta.mdb")};
    attesi.sort();
    EXPECT_EQ(fileSulDisco(), attesi);

    // Killed before its rename, what it leaves goes at the next export.
    uccidi(figlio);
    esportaConSuccesso();
    EXPECT_EQ(fileSulDisco(),
              (QStringList{QStringLiteral(".Esporta.mdb.backup"), QStringLiteral("Esporta.mdb")}));
    EXPECT_EQ(prova::byteDi(sulDisco(QStringLiteral(".Esporta.mdb.backup"))),
              QByteArray("COPIA DELL'UTENTE"));
}

TEST_F(CopiaSuDisco, AFileNotOursThatCannotBeRemovedNeverStopsAnExport)
{
    copiaVecchiaSu(cartellaDisco.path());
    // The user's files named as other tools name their temporary files,
    // whole copies of the sheet as it was.
    const QString estranei[] = {QStringLiteral(".Esporta.mdb.backup"),
                                QStringLiteral(".Esporta.mdb.Fermo1")};
    std::vector<std::unique_ptr<Immutabile>> fermi;
    bool tutti = true;
    for (const QString &n : estranei) {
        prova::scriviByte(sulDisco(n), prova::byteDi(suDisco()));
        fermi.push_back(std::make_unique<Immutabile>(sulDisco(n)));
        tutti = tutti && fermi.back()->fatto();
    }
    // Where the flag cannot be set, the system's refusal is scripted.
    if (!tutti)
        disco::GuastoSimulato = [](disco::Passo passo) {
            return passo == disco::Passo::RimozioneAvanzi ? EPERM : 0;
        };
    const QByteArray vecchio = prova::byteDi(suDisco());
    esportaConSuccesso();
    for (const QString &n : estranei)
        EXPECT_EQ(prova::byteDi(sulDisco(n)), vecchio) << n.toStdString();
    fermi.clear();
    esportaConSuccesso();
    QStringList attesi(std::begin(estranei), std::end(estranei));
    attesi << QStringLiteral("Esporta.mdb");
    attesi.sort();
    EXPECT_EQ(fileSulDisco(), attesi);
}
