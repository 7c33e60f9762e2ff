#include "platform/help/CartellaGuida.h"
#include "platform/disco/Descrittore.h"

#include <QByteArrayView>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <cerrno>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace hh {

namespace {

using disco::Descrittore;

// Nobody but the user or root can rename or replace what this folder holds:
// it is theirs, and writable by others only where the sticky bit keeps each
// entry to its owner (as in /tmp).
bool soloNostra(const struct stat &st)
{
    return S_ISDIR(st.st_mode) && (st.st_uid == ::geteuid() || st.st_uid == 0)
           && ((st.st_mode & (S_IWGRP | S_IWOTH)) == 0 || (st.st_mode & S_ISVTX) != 0);
}

// Every folder above `reale` (a real path: no link in it) is soloNostra.
bool viaSicura(const QByteArray &reale)
{
    const QList<QByteArray> parti = reale.split('/');
    QByteArray via = "/";
    for (qsizetype i = 0; i + 1 < parti.size(); ++i) {
        if (i > 0)
            via += (via.endsWith('/') ? "" : "/") + parti[i];
        struct stat st;
        if (::lstat(via.constData(), &st) != 0 || !soloNostra(st))
            return false;
    }
    return true;
}

// The user's own folder at `percorso`, made where missing (mode 0700, its
// parents as any new folder of the user): its real path, or empty when it
// is not the user's own or the user cannot write in it.
QString cartellaPropria(const QString &percorso)
{
    if (percorso.isEmpty() || !QDir().mkpath(QFileInfo(percorso).absolutePath()))
        return {};
    const QByteArray nome = QFile::encodeName(QFileInfo(percorso).absoluteFilePath());
    if (::mkdir(nome.constData(), 0700) != 0 && errno != EEXIST)
        return {};
    // Checked as it is opened, never through a link; one of the user's from
    // before, open to others, is closed now.
    const Descrittore cartella(
        ::open(nome.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    struct stat aperta, nominata;
    if (!cartella.valido() || ::fstat(cartella.fd(), &aperta) != 0 || aperta.st_uid != ::geteuid()
        || ((aperta.st_mode & 077) != 0 && ::fchmod(cartella.fd(), 0700) != 0))
        return {};
    const std::unique_ptr<char, void (*)(void *)> reale(::realpath(nome.constData(), nullptr),
                                                        std::free);
    if (!reale || ::lstat(reale.get(), &nominata) != 0 || nominata.st_dev != aperta.st_dev
        || nominata.st_ino != aperta.st_ino || !viaSicura(reale.get())
        || ::access(reale.get(), W_OK | X_OK) != 0)
        return {};
    return QFile::decodeName(reale.get());
}

std::unique_ptr<QTemporaryDir> &temporanea()
{
    static std::unique_ptr<QTemporaryDir> cartella;
    return cartella;
}

// A folder of this run only, made private (mode 0700) by the system.
QString cartellaTemporanea()
{
    auto &t = temporanea();
    if (!t) {
        t = std::make_unique<QTemporaryDir>(QDir::tempPath()
                                            + QStringLiteral("/varnex-guida-XXXXXX"));
        t->setAutoRemove(false); // rimuoviCartellaTemporanea removes it, following no link
    }
    return t->isValid() ? t->path() : QString();
}

void rimuoviVoce(int cartella, const char *nome)
{
    struct stat st;
    if (::fstatat(cartella, nome, &st, AT_SYMLINK_NOFOLLOW) != 0)
        return;
    if (!S_ISDIR(st.st_mode)) {
        ::unlinkat(cartella, nome, 0); // a link goes as itself
        return;
    }
    const int fd = ::openat(cartella, nome, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ELOOP || errno == ENOTDIR) // it has become a link or a file since
            ::unlinkat(cartella, nome, 0);
        return;
    }
    const std::unique_ptr<DIR, int (*)(DIR *)> dentro(::fdopendir(fd), ::closedir);
    if (!dentro) {
        ::close(fd);
        return;
    }
    QList<QByteArray> voci;
    while (const dirent *voce = ::readdir(dentro.get()))
        if (QByteArrayView(voce->d_name) != "." && QByteArrayView(voce->d_name) != "..")
            voci << QByteArray(voce->d_name);
    for (const QByteArray &voce : std::as_const(voci))
        rimuoviVoce(fd, voce.constData());
    ::unlinkat(cartella, nome, AT_REMOVEDIR);
}

} // namespace

QString cartellaCollezioni()
{
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    const QString propria = cache.isEmpty() ? QString()
                                            : cartellaPropria(cache + QStringLiteral("/guida"));
    return propria.isEmpty() ? cartellaTemporanea() : propria;
}

void rimuoviSenzaSeguire(const QString &cartella, const QString &nome)
{
    if (nome.isEmpty() || nome == QLatin1String(".") || nome == QLatin1String("..")
        || nome.contains(QLatin1Char('/')))
        return;
    const Descrittore fd(
        ::open(QFile::encodeName(cartella).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.valido())
        rimuoviVoce(fd.fd(), QFile::encodeName(nome).constData());
}

void rimuoviCartellaTemporanea()
{
    auto &t = temporanea();
    if (t && t->isValid()) {
        const QFileInfo fi(t->path());
        rimuoviSenzaSeguire(fi.absolutePath(), fi.fileName());
    }
    t.reset();
}

} // namespace hh
