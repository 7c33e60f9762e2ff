#include "platform/disco/CopiaFile.h"

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
#include <sys/stat.h>
#include <unistd.h>

namespace disco {

namespace {

constexpr std::size_t Blocco = 4096;

// The temporary file is the target's name between dots, then this many of
// these characters (the ones mkstemp uses, so that what older copies left
// is found too).
constexpr int CaratteriCasuali = 6;
constexpr char Alfabeto[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
constexpr int TentativiNome = 100;

// A file descriptor closed on every way out.
class Descrittore
{
public:
    explicit Descrittore(int fd = -1)
        : fd_(fd)
    {}
    ~Descrittore() { chiudi(); }
    Descrittore(const Descrittore &) = delete;
    Descrittore &operator=(const Descrittore &) = delete;
    int fd() const { return fd_; }
    bool valido() const { return fd_ >= 0; }
    // The result of close itself: some file systems report a lost write only here.
    int chiudi()
    {
        const int rc = fd_ >= 0 ? ::close(fd_) : 0;
        fd_ = -1;
        return rc;
    }

private:
    int fd_;
};

class Copia
{
public:
    Copia(const QString &origine, const QString &destinazione)
        : origine_(origine)
        , destinazione_(destinazione)
        , cartellaOrigine_(QFileInfo(origine).absolutePath())
        , cartellaDestinazione_(QFileInfo(destinazione).absolutePath())
        , cartella_(QFile::encodeName(cartellaDestinazione_))
        , prefisso_('.' + QFile::encodeName(QFileInfo(destinazione).fileName()) + '.')
    {}

    EsitoCopia esegui()
    {
        const bool fatta = copia();
        if (!fatta && !temporaneo_.isEmpty())
            ::unlink(percorso(temporaneo_).constData());
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
        if (cartella.valido() && ::fsync(cartella.fd()) != 0 && errno != EINVAL)
            return fallito(Passo::ConfermaCartella, cartellaDestinazione_);
        return true;
    }

    // A file of a new name, created as any new file of the user is (not
    // with mkstemp, which makes it private).
    int creaTemporaneo()
    {
        for (int tentativo = 0; tentativo < TentativiNome; ++tentativo) {
            QByteArray nome = prefisso_;
            for (int i = 0; i < CaratteriCasuali; ++i)
                nome += Alfabeto[QRandomGenerator::global()->bounded(int(sizeof Alfabeto - 1))];
            const int fd = ::open(percorso(nome).constData(),
                                  O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            if (fd >= 0)
                temporaneo_ = nome;
            if (fd >= 0 || errno != EEXIST)
                return fd;
        }
        return -1; // errno says EEXIST
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

    // The temporary files that copies killed before their rename left in
    // the target folder, this copy's own excepted.
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
                    && S_ISREG(st.st_mode))
                    avanzi << QByteArray(voce->d_name);
            }
            if (errno != 0)
                return fallito(Passo::RimozioneAvanzi, cartellaDestinazione_);
        }
        for (const QByteArray &nome : std::as_const(avanzi)) {
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
        while (quanti > 0) {
            if (guasto(Passo::Scrittura, cartellaDestinazione_))
                return false;
            const ssize_t scritti = ::write(fd, dati, quanti);
            if (scritti < 0) {
                if (errno == EINTR)
                    continue;
                return fallito(Passo::Scrittura, cartellaDestinazione_);
            }
            dati += scritti;
            quanti -= std::size_t(scritti);
        }
        return true;
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
    QByteArray temporaneo_; // the name of this copy's temporary file while it exists
    QString avanzo_;        // the leftover being removed
    EsitoCopia esito_;
};

} // namespace

EsitoCopia copiaSostituendo(const QString &origine, const QString &destinazione)
{
    return Copia(origine, destinazione).esegui();
}

} // namespace disco
