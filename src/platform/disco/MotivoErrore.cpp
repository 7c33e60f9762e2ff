#include "platform/disco/MotivoErrore.h"

#include <cerrno>

namespace disco {

namespace {

struct Motivo
{
    int errore;
    const char *testo; // UTF-8
};

// The causes a user meets on a removable disk, said the same way in every step.
constexpr Motivo Motivi[] = {
    {ENOENT, "La cartella o il file non esiste"},
    {ENOTDIR, "Al posto della cartella c'è un file"},
    {EISDIR, "Al posto del file c'è una cartella"},
    {EEXIST, "Esiste già un file con questo nome"},
    {EACCES, "Permesso negato"},
    {EPERM, "Permesso negato"},
    {EROFS, "Il disco è di sola lettura (protetto dalla scrittura)"},
    {ENOSPC, "Il disco è pieno"},
    {EDQUOT, "Il disco è pieno"},
    {EIO, "Errore di lettura o di scrittura sul disco"},
};

} // namespace

QString motivoErrore(int errore)
{
    for (const Motivo &m : Motivi)
        if (m.errore == errore)
            return QString::fromUtf8(m.testo);
    return qt_error_string(errore);
}

} // namespace disco
