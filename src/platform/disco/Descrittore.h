#pragma once
// A file descriptor of the system, closed on every way out.

#include <cerrno>
#include <cstddef>
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
// write; false at a failure, with errno the system's reason.
inline bool scriviTutto(int fd, const char *dati, std::size_t quanti)
{
    while (quanti > 0) {
        const ssize_t scritti = ::write(fd, dati, quanti);
        if (scritti < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        dati += scritti;
        quanti -= std::size_t(scritti);
    }
    return true;
}

} // namespace disco
