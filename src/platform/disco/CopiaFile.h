#pragma once
// Copying a closed file onto another folder (the export onto the disk) so
// that the target is always either the old file or the whole new one: the
// data go into a temporary file beside the target, which is flushed to the
// disk and only then renamed over the target. A failure removes the
// temporary file, leaves the old target as it was, and says which step
// failed, in which folder, and why (motivoErrore). Only the last step,
// flushing the folder after the rename, fails with the new file already in
// place: its name may not have reached the disk, so that is a failure too,
// and so is a folder that cannot be opened for it. A file system that says
// it cannot flush a folder at all (EINVAL) keeps its names without it: there
// the copy is complete.
//
// A copy killed before its rename leaves its temporary file behind, a whole
// or partial copy of an earlier file. Each copy removes such leftovers from
// the target folder before it writes, and nothing else: a name of ours
// carries a marker that nobody else would choose (the target's name after a
// dot, then ".varnex-copia-" and six letters or digits), and of such names
// only regular files with the owner of our own files, not links. A copy
// holds a lock on its temporary file until its rename, so a leftover is
// stale only when its lock can be taken: a copy in flight in another
// program keeps its file. A file that is not ours never stops a copy; a
// stale leftover of ours that cannot be removed does, named. The new file
// gets the mode of any new file of the user (0666 less the umask, or the
// folder's default ACL).

#include <QString>
#include <functional>

namespace disco {

// The steps of a copy, in the order they run.
enum class Passo {
    LetturaOrigine,      // opening and reading the file to copy
    CreazioneTemporaneo, // the temporary file in the target folder
    RimozioneAvanzi,     // one stale leftover of ours out of the target folder
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
// per block, RimozioneAvanzi once per stale leftover, when it is locked and
// about to go); an errno other than 0
// makes that step fail as the system would have failed it.
inline std::function<int(Passo)> GuastoSimulato;

} // namespace disco
