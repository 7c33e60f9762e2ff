#include "Guasti.h"

#include "SchedaPiena.h"

#include "core/Archivio.h"
#include "core/FileDati.h"
#include "platform/db/Error.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <climits>
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <stdexcept>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

namespace prova {

QByteArray byteDi(const QString &percorso)
{
    QFile f(percorso);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void scriviByte(const QString &percorso, const QByteArray &byte)
{
    QFile f(percorso);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate)) << qPrintable(percorso);
    ASSERT_EQ(f.write(byte), byte.size()) << qPrintable(percorso);
}

unsigned modoDi(const QString &percorso)
{
    struct stat st
    {};
    return ::lstat(QFile::encodeName(percorso).constData(), &st) == 0 ? st.st_mode & 07777 : 0;
}

long erroreDi(const std::function<void()> &f, QString *testo)
{
    try {
        f();
    } catch (const ado::Error &e) {
        if (testo)
            *testo = e.description();
        return e.number();
    }
    return 0;
}

void sovrascriviPagina(const QString &percorso, int numero)
{
    QFile f(percorso);
    if (numero < 1 || !f.open(QIODevice::ReadWrite) || f.size() < qint64(numero) * DimensionePagina)
        throw std::runtime_error("pagina fuori dal file");
    // Page 1 keeps its first 16 bytes (the key's salt): the key is read as
    // before and what follows cannot be decrypted.
    const qint64 inizio = qint64(numero - 1) * DimensionePagina + (numero == 1 ? 16 : 0);
    f.seek(inizio);
    f.write(QByteArray(int(qint64(numero) * DimensionePagina - inizio), char(0xA5)));
}

int paginaDellaTabella(const QString &percorso, const QString &password, const QString &tabella)
{
    const auto c = connetti(percorso, password);
    sqlite3_stmt *s = nullptr;
    sqlite3_prepare_v2(c->handle(),
                       "SELECT rootpage FROM sqlite_master WHERE type = 'table' AND name = ?", -1,
                       &s, nullptr);
    const QByteArray nome = tabella.toUtf8();
    sqlite3_bind_text(s, 1, nome.constData(), int(nome.size()), SQLITE_TRANSIENT);
    const int pagina = sqlite3_step(s) == SQLITE_ROW ? sqlite3_column_int(s, 0) : 0;
    sqlite3_finalize(s);
    if (pagina < 2)
        throw std::runtime_error("tabella non trovata");
    return pagina;
}

void rovinaDati(const CartellaProva &cartella)
{
    using namespace scheda;
    const QString file = cartella.percorso(FileVarnex);
    const int pagina = paginaDellaTabella(file, PasswordVarnex, QStringLiteral("Dati"));
    cartella.esegui(FileVarnex, PasswordVarnex,
                    QStringLiteral("UPDATE Dati SET denominazione = denominazione"));
    sovrascriviPagina(file, pagina);
}

void rovinaPrimaScheda(const CartellaProva &cartella)
{
    using namespace scheda;
    const QString file = cartella.percorso(FileVarnex);
    const int ultima = suDati(file, PasswordVarnex, [](ado::Recordset &rs) {
        const auto pagine = [&rs](const QString &pragma) {
            return int(apriRecordset(pragma, *rs.ActiveConnection)->Fields(0).Value().toDouble());
        };
        // New pages come from the end of the file, one after the other.
        if (rs.RecordCount() != 0 || pagine(QStringLiteral("PRAGMA freelist_count")) != 0)
            throw std::runtime_error("serve un file nuovo");
        rs.AddNew();
        for (const auto &[colonna, valore] : schedaPiena())
            rs.Fields(colonna).setValue(valore);
        rs.Update();
        const int coda = pagine(QStringLiteral("PRAGMA page_count"));
        for (const char *nome : {"SCHEDA 2", "SCHEDA 3"}) {
            rs.AddNew();
            rs.Fields(QStringLiteral("denominazione")).setValue(QString::fromLatin1(nome));
            rs.Update();
        }
        return coda;
    });
    sovrascriviPagina(file, ultima);
}

BloccoFile::BloccoFile(const QString &percorso, const QString &password, Modo modo)
    : c_(connetti(percorso, password))
{
    const char *inizio = modo == Modo::Esclusivo ? "BEGIN EXCLUSIVE" : "BEGIN IMMEDIATE";
    if (sqlite3_exec(c_->handle(), inizio, nullptr, nullptr, nullptr) != SQLITE_OK)
        throw std::runtime_error("blocco non preso");
}

BloccoFile::~BloccoFile()
{
    rilascia();
}

void BloccoFile::rilascia()
{
    if (attesa_.joinable())
        attesa_.join();
    if (!sqlite3_get_autocommit(c_->handle()))
        sqlite3_exec(c_->handle(), "ROLLBACK", nullptr, nullptr, nullptr);
}

void BloccoFile::rilasciaTra(std::chrono::milliseconds dopo)
{
    // The connection is not used here meanwhile: rilascia joins first.
    attesa_ = std::thread([this, dopo] {
        std::this_thread::sleep_for(dopo);
        sqlite3_exec(c_->handle(), "ROLLBACK", nullptr, nullptr, nullptr);
    });
}

namespace {

// The engine reads its files through the system calls of its table, which
// it lets a program replace: the failing read is put there.
struct Guasto
{
    QByteArray file; // the canonical path, as /proc names an open file
    int volta = 0;
    bool eLeSeguenti = false;
    int letture = 0;
    sqlite3_syscall_ptr vera = nullptr;
} guasto;

const char *const ChiamataLettura = "pread64";

bool eIlFileGuasto(int fd)
{
    char nome[PATH_MAX];
    const ssize_t n = ::readlink(QByteArray("/proc/self/fd/" + QByteArray::number(fd)).constData(),
                                 nome, sizeof nome);
    return n > 0 && QByteArray(nome, int(n)) == guasto.file;
}

ssize_t letturaGuasta(int fd, void *dati, size_t quanti, off_t dove)
{
    if (eIlFileGuasto(fd)
        && (++guasto.letture == guasto.volta || guasto.volta == 0
            || (guasto.eLeSeguenti && guasto.letture > guasto.volta))) {
        errno = EIO;
        return -1;
    }
    return reinterpret_cast<ssize_t (*)(int, void *, size_t, off_t)>(guasto.vera)(fd, dati, quanti,
                                                                                  dove);
}

} // namespace

LetturaGuasta::LetturaGuasta(const QString &percorso, int volta, bool eLeSeguenti)
{
    sqlite3_vfs *vfs = sqlite3_vfs_find(nullptr);
    guasto = {QFile::encodeName(QFileInfo(percorso).canonicalFilePath()), volta, eLeSeguenti, 0,
              vfs->xGetSystemCall(vfs, ChiamataLettura)};
    if (!guasto.vera || guasto.file.isEmpty()
        || vfs->xSetSystemCall(vfs, ChiamataLettura,
                               reinterpret_cast<sqlite3_syscall_ptr>(letturaGuasta))
               != SQLITE_OK)
        ADD_FAILURE() << "no failing read on " << qPrintable(percorso);
}

LetturaGuasta::~LetturaGuasta()
{
    sqlite3_vfs *vfs = sqlite3_vfs_find(nullptr);
    vfs->xSetSystemCall(vfs, ChiamataLettura, nullptr); // the system's own again
    guasto = {};
}

CartellaNonUtf8::CartellaNonUtf8(const QString &dentro)
    : percorso_(QFile::encodeName(dentro) + "/caf\xE9")
{
    EXPECT_EQ(::mkdir(percorso_.constData(), 0755), 0) << percorso_.toStdString();
}

CartellaNonUtf8::~CartellaNonUtf8()
{
    EXPECT_EQ(::rmdir(percorso_.constData()), 0)
        << "something was put in " << qPrintable(comeLetto());
}

QString CartellaNonUtf8::comeLetto() const
{
    return QFile::decodeName(percorso_);
}

Montaggio::Montaggio(const QString &cartella)
    : cartella_(cartella)
{
    QDir().mkpath(cartella);
    montato_ = ::mount("tmpfs", QFile::encodeName(cartella).constData(), "tmpfs", 0,
                       "size=64k,mode=0755")
               == 0;
}

Montaggio::~Montaggio()
{
    if (!legato_.isEmpty())
        ::umount2(legato_.constData(), MNT_DETACH);
    if (montato_)
        ::umount2(QFile::encodeName(cartella_).constData(), MNT_DETACH);
}

bool Montaggio::solaLettura(bool si)
{
    return ::mount(nullptr, QFile::encodeName(cartella_).constData(), nullptr,
                   MS_REMOUNT | (si ? MS_RDONLY : 0), "size=64k,mode=0755")
           == 0;
}

QString Montaggio::riempi()
{
    const QString riempitivo = QDir(cartella_).filePath(QStringLiteral("riempitivo"));
    QFile f(riempitivo);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly)) << qPrintable(riempitivo);
    const QByteArray blocco(512, 'x');
    while (f.write(blocco) == blocco.size() && f.flush()) {
    }
    return riempitivo;
}

bool Montaggio::legaFile(const QString &sorgente, const QString &file)
{
    QFile segnaposto(file);
    if (!segnaposto.open(QIODevice::WriteOnly))
        return false;
    segnaposto.close();
    const QByteArray destinazione = QFile::encodeName(file);
    if (::mount(QFile::encodeName(sorgente).constData(), destinazione.constData(), nullptr, MS_BIND,
                nullptr)
        != 0)
        return false;
    legato_ = destinazione;
    return true;
}

} // namespace prova
