#pragma once
// A file descriptor of the system, closed on every way out.

#include <cerrno>
#include <cstddef>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace disco {

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
    void sostituisci(int fd)
    {
        chiudi();
        fd_ = fd;
    }
    int rilascia() { return std::exchange(fd_, -1); }

private:
    int fd_;
};

// Writes all of `quanti` bytes, going on after an interrupted or partial
// write; false at a failure, with errno the system's reason. A write that
// takes nothing is told as the disk being full (ENOSPC), never waited on.
inline bool scriviTutto(int fd, const char *dati, std::size_t quanti)
{
    while (quanti > 0) {
        const ssize_t scritti = ::write(fd, dati, quanti);
        if (scritti < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        if (scritti == 0) {
            errno = ENOSPC;
            return false;
        }
        dati += scritti;
        quanti -= std::size_t(scritti);
    }
    return true;
}

// The name still stands for the file `aperto` describes (fstat of our own
// descriptor): neither removed nor renamed away, nor replaced by another
// file or a link.
inline bool stessoFile(const struct stat &aperto, const char *percorso)
{
    struct stat nominato;
    return ::lstat(percorso, &nominato) == 0 && aperto.st_dev == nominato.st_dev
           && aperto.st_ino == nominato.st_ino;
}

} // namespace disco
