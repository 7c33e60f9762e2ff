#include "platform/disco/CopiaFile.h"

#include "platform/disco/Descrittore.h"
#include "platform/disco/MotivoErrore.h"

#include <QByteArrayView>
#include <QDir>
#include <QFileInfo>
#include <QList>
#include <QRandomGenerator>

#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace disco {

namespace {

constexpr std::size_t Blocco = 4096;

// The temporary file is a dot, the target's name, a dot and this marker,
// then this many of these characters.
constexpr char Marca[] = "varnex-copia-";
constexpr int CaratteriCasuali = 6;
constexpr char Alfabeto[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
constexpr int TentativiNome = 100;

class Copia
{
public:
    Copia(const QString &origine, const QString &destinazione)
        : origine_(origine)
        , destinazione_(destinazione)
        , cartellaOrigine_(QFileInfo(origine).absolutePath())
        , cartellaDestinazione_(QFileInfo(destinazione).absolutePath())
        , cartella_(QFile::encodeName(cartellaDestinazione_))
        , prefisso_('.' + QFile::encodeName(QFileInfo(destinazione).fileName()) + '.' + Marca)
    {}

    EsitoCopia esegui()
    {
        const bool fatta = copia();
        if (!fatta && !temporaneo_.isEmpty())
            ::unlink(percorso(temporaneo_).constData());
        blocco_.chiudi(); // only once the name is gone or is the target
        return esito_;
    }

private:
    bool copia()
    {
        if (guasto(Passo::LetturaOrigine, cartellaOrigine_))
            return false;
        Descrittore in(::open(QFile::encodeName(origine_).constData(), O_RDONLY | O_CLOEXEC));
        if (!in.valido())
            return fallito(Passo::LetturaOrigine, cartellaOrigine_);

        if (guasto(Passo::CreazioneTemporaneo, cartellaDestinazione_))
            return false;
        Descrittore out(creaTemporaneo());
        if (!out.valido())
            return fallito(Passo::CreazioneTemporaneo, cartellaDestinazione_);
        if (!rimuoviAvanzi())
            return false;

        char dati[Blocco];
        for (;;) {
            const ssize_t letti = ::read(in.fd(), dati, sizeof dati);
            if (letti < 0) {
                if (errno == EINTR)
                    continue;
                return fallito(Passo::LetturaOrigine, cartellaOrigine_);
            }
            if (letti == 0)
                break;
            if (!scrivi(out.fd(), dati, std::size_t(letti)))
                return false;
        }

        if (guasto(Passo::Sincronizzazione, cartellaDestinazione_))
            return false;
        if (::fsync(out.fd()) != 0 || out.chiudi() != 0)
            return fallito(Passo::Sincronizzazione, cartellaDestinazione_);

        if (guasto(Passo::Rinomina, cartellaDestinazione_))
            return false;
        if (::rename(percorso(temporaneo_).constData(), QFile::encodeName(destinazione_).constData())
            != 0)
            return fallito(Passo::Rinomina, cartellaDestinazione_);
        temporaneo_.clear(); // it is the target now

        // The new name is on the disk only once the folder is flushed too.
        if (guasto(Passo::ConfermaCartella, cartellaDestinazione_))
            return false;
        Descrittore cartella(::open(cartella_.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
        if (!cartella.valido() || (::fsync(cartella.fd()) != 0 && errno != EINVAL))
            return fallito(Passo::ConfermaCartella, cartellaDestinazione_);
        return true;
    }

    // A file of a new name, created as any new file of the user is (not
    // with mkstemp, which makes it private), and locked until the copy ends:
    // the lock lives in a second descriptor, which the close of the written
    // one before the rename leaves in place.
    int creaTemporaneo()
    {
        for (int tentativo = 0; tentativo < TentativiNome; ++tentativo) {
            QByteArray nome = prefisso_;
            for (int i = 0; i < CaratteriCasuali; ++i)
                nome += Alfabeto[QRandomGenerator::global()->bounded(int(sizeof Alfabeto - 1))];
            Descrittore fd(
                ::open(percorso(nome).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
            if (!fd.valido()) {
                if (errno == EEXIST)
                    continue;
                return -1;
            }
            // Between the creation and the lock another copy's clean-up may
            // have taken the file for a leftover: it removes it, we take another.
            if (!blocca(fd.fd()) || !stessoFile(fd.fd(), nome))
                continue;
            temporaneo_ = nome; // from here on, esegui removes it after a failure
            struct stat st;
            blocco_.sostituisci(::fcntl(fd.fd(), F_DUPFD_CLOEXEC, 0));
            if (!blocco_.valido() || ::fstat(fd.fd(), &st) != 0)
                return -1;
            proprietario_ = st.st_uid;
            return fd.rilascia();
        }
        errno = EEXIST;
        return -1;
    }

    // The lock that tells a copy in flight from a leftover. Where the file
    // system keeps no locks, nobody can take one: every copy goes ahead and
    // no clean-up removes anything.
    static bool blocca(int fd)
    {
        return ::flock(fd, LOCK_EX | LOCK_NB) == 0 || errno == ENOLCK || errno == EOPNOTSUPP
               || errno == ENOSYS || errno == EINVAL;
    }

    // The name still stands for the open file: neither removed nor renamed away.
    bool stessoFile(int fd, const QByteArray &nome) const
    {
        struct stat aperto;
        return ::fstat(fd, &aperto) == 0 && disco::stessoFile(aperto, percorso(nome).constData());
    }

    // A name that a copy onto this target makes for its temporary file.
    bool eTemporaneo(QByteArrayView nome) const
    {
        if (nome.size() != prefisso_.size() + CaratteriCasuali || !nome.startsWith(prefisso_))
            return false;
        for (const char c : nome.sliced(prefisso_.size()))
            if (!QByteArrayView(Alfabeto).contains(c))
                return false;
        return true;
    }

    // A regular file with the owner the file system gives our own files.
    bool eNostro(const struct stat &st) const
    {
        return S_ISREG(st.st_mode) && st.st_uid == proprietario_;
    }

    // A listed leftover opened to take its lock, never through a link
    // (O_NONBLOCK: a name that has become a pipe since does not hold the copy
    // up); for writing where it can be, since some network file systems lock
    // only a file open for writing.
    int apriAvanzo(const QByteArray &nome) const
    {
        constexpr int Modo = O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC;
        const int fd = ::open(percorso(nome).constData(), O_RDWR | Modo);
        return fd >= 0 ? fd : ::open(percorso(nome).constData(), O_RDONLY | Modo);
    }

    // The temporary files that copies killed before their rename left in
    // the target folder. Each is opened without following a link and
    // removed only while this copy holds its lock and its name still stands
    // for it: a copy in flight holds its own lock, and a copy that has
    // renamed its file has given that name up.
    bool rimuoviAvanzi()
    {
        QList<QByteArray> avanzi;
        {
            const std::unique_ptr<DIR, int (*)(DIR *)> cartella(::opendir(cartella_.constData()),
                                                                ::closedir);
            if (!cartella)
                return fallito(Passo::RimozioneAvanzi, cartellaDestinazione_);
            for (;;) {
                errno = 0;
                const dirent *voce = ::readdir(cartella.get());
                if (!voce)
                    break;
                struct stat st;
                if (eTemporaneo(voce->d_name) && voce->d_name != temporaneo_
                    && ::fstatat(::dirfd(cartella.get()), voce->d_name, &st, AT_SYMLINK_NOFOLLOW)
                           == 0
                    && eNostro(st))
                    avanzi << QByteArray(voce->d_name);
            }
            if (errno != 0)
                return fallito(Passo::RimozioneAvanzi, cartellaDestinazione_);
        }
        for (const QByteArray &nome : std::as_const(avanzi)) {
            const Descrittore avanzo(apriAvanzo(nome));
            struct stat st;
            if (!avanzo.valido() || ::fstat(avanzo.fd(), &st) != 0 || !eNostro(st)
                || ::flock(avanzo.fd(), LOCK_EX | LOCK_NB) != 0 || !stessoFile(avanzo.fd(), nome))
                continue; // gone, in flight, or not ours to tell: left as it is
            avanzo_ = QFile::decodeName(nome);
            if (guasto(Passo::RimozioneAvanzi, cartellaDestinazione_))
                return false;
            if (::unlink(percorso(nome).constData()) != 0 && errno != ENOENT)
                return fallito(Passo::RimozioneAvanzi, cartellaDestinazione_);
        }
        avanzo_.clear();
        return true;
    }

    bool scrivi(int fd, const char *dati, std::size_t quanti)
    {
        if (guasto(Passo::Scrittura, cartellaDestinazione_))
            return false;
        return scriviTutto(fd, dati, quanti) || fallito(Passo::Scrittura, cartellaDestinazione_);
    }

    // True when the test hook makes this step fail.
    bool guasto(Passo passo, const QString &cartella)
    {
        const int errore = GuastoSimulato ? GuastoSimulato(passo) : 0;
        if (errore == 0)
            return false;
        errno = errore;
        fallito(passo, cartella);
        return true;
    }

    bool fallito(Passo passo, const QString &cartella)
    {
        const int errore = errno;
        esito_ = {false, passo, errore, motivoErrore(errore), cartella, avanzo_};
        return false;
    }

    QByteArray percorso(const QByteArray &nome) const { return cartella_ + '/' + nome; }

    QString origine_, destinazione_, cartellaOrigine_, cartellaDestinazione_;
    QByteArray cartella_,
        prefisso_; // the target folder and the start of our temporary names, as the system spells them
    QByteArray temporaneo_;  // the name of this copy's temporary file while it exists
    Descrittore blocco_;     // holds its lock until the copy ends
    uid_t proprietario_ = 0; // the owner of its temporary file, as the file system says it
    QString avanzo_;         // the leftover being removed
    EsitoCopia esito_;
};

} // namespace

EsitoCopia copiaSostituendo(const QString &origine, const QString &destinazione)
{
    return Copia(origine, destinazione).esegui();
}

} // namespace disco
