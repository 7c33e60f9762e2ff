#pragma once
// Copying a closed file onto another folder (the export onto the disk) so
// that the target is always either the old file or the whole new one: the
// data go into a temporary file beside the target, which is flushed to the
// disk and only then renamed over the target. A failure removes the
// temporary file, leaves the old target as it was, and says which step
// failed, in which folder, and why (motivoErrore). Only the last step,
// flushing the folder after the rename, fails with the new file already in
// place: its name may not have reached the disk, so that is a failure too.
//
// A copy killed before its rename leaves its temporary file behind, a whole
// or partial copy of an earlier file. Each copy removes such leftovers from
// the target folder before it writes: exactly the names it makes itself
// (the target's name after a dot, then a dot and six letters or digits),
// regular files only. The new file gets the mode of any new file of the
// user (0666 less the umask, or the folder's default ACL).

#include <QString>
#include <functional>

namespace disco {

// The steps of a copy, in the order they run.
enum class Passo {
    LetturaOrigine,      // opening and reading the file to copy
    CreazioneTemporaneo, // the temporary file in the target folder
    RimozioneAvanzi,     // one leftover of a killed copy out of the target folder
    Scrittura,           // one block into the temporary file
    Sincronizzazione,    // flushing the temporary file to the disk
    Rinomina,            // the temporary file over the target
    ConfermaCartella,    // flushing the target folder, so the new name lasts
};

struct EsitoCopia
{
    bool riuscita = true;
    Passo passo = Passo::LetturaOrigine; // the step that failed
    int errore = 0;                      // its errno
    QString motivo;                      // why, as motivoErrore says it
    QString cartella;                    // the folder that step worked in
    QString avanzo;                      // RimozioneAvanzi: the leftover's name
};

EsitoCopia copiaSostituendo(const QString &origine, const QString &destinazione);

// For tests: when set, it runs before each step of a copy (Scrittura once
// per block, RimozioneAvanzi once per leftover); an errno other than 0
// makes that step fail as the system would have failed it.
inline std::function<int(Passo)> GuastoSimulato;

} // namespace disco
