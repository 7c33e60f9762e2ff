#include "platform/disco/CopiaFile.h"

#include "platform/disco/MotivoErrore.h"

#include <QDir>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace disco {

namespace {

constexpr std::size_t Blocco = 4096;

// A file descriptor closed on every way out.
class Descrittore {
public:
    explicit Descrittore(int fd = -1) : fd_(fd) {}
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

class Copia {
public:
    Copia(const QString &origine, const QString &destinazione)
        : origine_(origine), destinazione_(destinazione),
          cartellaOrigine_(QFileInfo(origine).absolutePath()), cartellaDestinazione_(QFileInfo(destinazione).absolutePath())
    {
    }

    EsitoCopia esegui()
    {
        const bool fatta = copia();
        if (!fatta && !temporaneo_.isEmpty())
            ::unlink(QFile::encodeName(temporaneo_).constData());
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
        QByteArray modello = QFile::encodeName(QDir(cartellaDestinazione_).filePath(
            QStringLiteral(".") + QFileInfo(destinazione_).fileName() + QStringLiteral(".XXXXXX")));
        Descrittore out(::mkstemp(modello.data()));
        if (!out.valido())
            return fallito(Passo::CreazioneTemporaneo, cartellaDestinazione_);
        temporaneo_ = QFile::decodeName(modello);
        // mkstemp makes it private; the copy is an ordinary file of the folder.
        ::fchmod(out.fd(), 0644);

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
        if (::rename(modello.constData(), QFile::encodeName(destinazione_).constData()) != 0)
            return fallito(Passo::Rinomina, cartellaDestinazione_);
        temporaneo_.clear(); // it is the target now

        // The new name is on the disk only once the folder is flushed too.
        if (guasto(Passo::ConfermaCartella, cartellaDestinazione_))
            return false;
        Descrittore cartella(::open(QFile::encodeName(cartellaDestinazione_).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
        if (cartella.valido() && ::fsync(cartella.fd()) != 0 && errno != EINVAL)
            return fallito(Passo::ConfermaCartella, cartellaDestinazione_);
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
        esito_ = {false, passo, errore, motivoErrore(errore), cartella};
        return false;
    }

    QString origine_, destinazione_, cartellaOrigine_, cartellaDestinazione_;
    QString temporaneo_;
    EsitoCopia esito_;
};

} // namespace

EsitoCopia copiaSostituendo(const QString &origine, const QString &destinazione)
{
    return Copia(origine, destinazione).esegui();
}

} // namespace disco
