// A copy onto the disk that fails is told with the folder tried and the
// reason in Italian, never as a success; the old copy on the disk stays
// whole, no temporary file is left, the export file is open again and the
// next export works. A failed reopening is told and tried again.

#include "ProvaEsportazione.h"

#include "core/Archivio.h"
#include "shell/MDIForm1.h"

#include <QToolButton>
#include <QTest>
#include <cerrno>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace scheda;

namespace {

// A small tmpfs of our own, where this machine lets a test mount one.
class Montaggio {
public:
    explicit Montaggio(const QString &cartella) : cartella_(QFile::encodeName(cartella))
    {
        QDir().mkpath(cartella);
        montato_ = ::mount("tmpfs", cartella_.constData(), "tmpfs", 0, "size=64k,mode=0755") == 0;
    }
    ~Montaggio()
    {
        if (montato_)
            ::umount2(cartella_.constData(), MNT_DETACH);
    }
    bool montato() const { return montato_; }
    bool solaLettura(bool si)
    {
        return ::mount(nullptr, cartella_.constData(), nullptr, MS_REMOUNT | (si ? MS_RDONLY : 0), "size=64k,mode=0755") == 0;
    }

private:
    QByteArray cartella_;
    bool montato_ = false;
};

class CopiaSuDisco : public ProvaEsportazione {
protected:
    // An export that fails at the copy in `cartella` for `motivo`; then
    // `ripara` mends the disk and the next export works.
    void copiaFallita(const QString &motivo, const QString &cartella, const std::function<void()> &ripara)
    {
        const QByteArray vecchio = contenuto(suDisco());
        const QStringList fileDiPrima = QDir(cartella).entryList(QDir::Files | QDir::Hidden);
        p.dialoghi.rispondi(dlg::vbYes);
        esporta();
        ASSERT_EQ(mostrati().size(), 2);
        eDomandaFloppy(mostrati()[0]);
        const dlg::Mostrato &m = mostrati()[1];
        EXPECT_EQ(m.stile, dlg::vbCritical);
        EXPECT_EQ(m.titolo, QStringLiteral("Esportazione"));
        EXPECT_TRUE(m.prompt.startsWith(QStringLiteral("Esportazione non riuscita"))) << m.prompt.toStdString();
        EXPECT_TRUE(m.prompt.contains(QStringLiteral("Cartella: ") + cartella)) << m.prompt.toStdString();
        EXPECT_TRUE(m.prompt.contains(QStringLiteral("Motivo: ") + motivo)) << m.prompt.toStdString();
        EXPECT_EQ(m.prompt, QStringLiteral("Esportazione non riuscita: il file non è stato copiato sul disco.\n\n"
                                           "Cartella: ")
                                + cartella + QStringLiteral("\nMotivo: ") + motivo);
        EXPECT_EQ(contenuto(suDisco()), vecchio); // the old copy whole, or still none
        EXPECT_EQ(QDir(cartella).entryList(QDir::Files | QDir::Hidden), fileDiPrima); // no temporary file
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
    QString cartella(const char *nome) const { return QDir(cartellaDisco.path()).filePath(QString::fromLatin1(nome)); }
};

} // namespace

TEST_F(CopiaSuDisco, MissingFolder)
{
    const QString mancante = cartella("mancante");
    usaDisco(mancante);
    avvia(1);
    copiaFallita(QStringLiteral("La cartella o il file non esiste"), mancante, [&] { QDir().mkpath(mancante); });
}

TEST_F(CopiaSuDisco, ReadOnlyFolder)
{
    if (::geteuid() != 0) {
        const QString sola = cartella("sola");
        QDir().mkpath(sola);
        copiaVecchiaSu(sola);
        ::chmod(QFile::encodeName(sola).constData(), 0555);
        copiaFallita(QStringLiteral("Permesso negato"), sola, [&] { ::chmod(QFile::encodeName(sola).constData(), 0755); });
        return;
    }
    // Permissions do not stop root: a read-only file system does.
    Montaggio disco(cartella("sola"));
    if (!disco.montato())
        GTEST_SKIP() << "no read-only folder here: running as root and mounting is not allowed";
    copiaVecchiaSu(cartella("sola"));
    ASSERT_TRUE(disco.solaLettura(true));
    copiaFallita(QStringLiteral("Il disco è di sola lettura (protetto dalla scrittura)"), cartella("sola"), [&] { ASSERT_TRUE(disco.solaLettura(false)); });
}

TEST_F(CopiaSuDisco, FullDisk)
{
    Montaggio disco(cartella("piena"));
    if (!disco.montato())
        GTEST_SKIP() << "mounting a small file system is not allowed here";
    copiaVecchiaSu(cartella("piena"));
    // Fill what is left of it.
    const QString riempitivo = QDir(cartella("piena")).filePath(QStringLiteral("riempitivo"));
    {
        QFile f(riempitivo);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        const QByteArray blocco(1024, 'x');
        while (f.write(blocco) == blocco.size() && f.flush()) {
        }
    }
    copiaFallita(QStringLiteral("Il disco è pieno"), cartella("piena"), [&] { QFile::remove(riempitivo); });
}

TEST_F(CopiaSuDisco, WriteErrorHalfWay)
{
    copiaVecchiaSu(cartellaDisco.path());
    int blocchi = 0;
    disco::GuastoSimulato = [&](disco::Passo passo) { return passo == disco::Passo::Scrittura && ++blocchi == 2 ? ENOSPC : 0; };
    copiaFallita(QStringLiteral("Il disco è pieno"), cartellaDisco.path(), [] { disco::GuastoSimulato = nullptr; });
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
    EXPECT_TRUE(mostrati()[2].prompt.contains(QStringLiteral("Il file di esportazione non si è potuto riaprire")));
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
