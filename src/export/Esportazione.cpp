#include "export/Esportazione.h"

#include "export/DatiIndispensabili.h"
#include "export/RigaEsportazione.h"

#include "core/Archivio.h"
#include "core/FileDati.h"
#include "platform/db/Error.h"
#include "platform/dialoghi/Dialoghi.h"
#include "platform/disco/CopiaFile.h"
#include "platform/disco/Unita.h"

#include <QDir>

namespace esportazione {

namespace {

// Closes and releases the export file's recordset, then its connection.
void chiudiEsporta()
{
    if (scheda::RsEsporta)
        scheda::RsEsporta->Close();
    scheda::RsEsporta.reset();
    if (scheda::ConnessioneEsporta)
        scheda::ConnessioneEsporta->Close();
    scheda::ConnessioneEsporta.reset();
}

// The export file opened as start-up opens it, in place of what is left of
// the old pair. A failure is reported by the command; the exit then closes
// only what is open, and the next export tries again first.
void riapriEsporta()
{
    chiudiEsporta();
    try {
        scheda::apriEsporta();
    } catch (const ado::Error &e) {
        throw ado::Error(e.number(),
                         QStringLiteral("Il file di esportazione non si è potuto riaprire: %1\n"
                                        "Sarà riaperto alla prossima esportazione.")
                             .arg(e.description()));
    }
}

// The folder, the leftover of a killed export that stood in the way if it
// was one, and the reason.
void segnalaCopiaFallita(const disco::EsitoCopia &esito)
{
    const QString avanzo = esito.avanzo.isEmpty()
                               ? QString()
                               : QStringLiteral("Non si è potuto cancellare il file rimasto da "
                                                "un'esportazione interrotta: %1\n")
                                     .arg(esito.avanzo);
    dlg::MsgBox(QStringLiteral(
                    "Esportazione non riuscita: il file non è stato copiato sul disco.\n\n"
                    "Cartella: %1\n%2Motivo: %3")
                    .arg(QDir::toNativeSeparators(esito.cartella), avanzo, esito.motivo),
                dlg::vbCritical, TitoloEsportazione);
}

// The export file is closed so that it is whole on disk, copied to the
// drive, then opened again whatever happened to the copy. Drive A: is
// found first: a variable that names no folder to use leaves it open.
void copiaSuDisco()
{
    const QString destinazione = disco::percorsoLocale(FileSuDisco);
    chiudiEsporta();
    const disco::EsitoCopia esito
        = disco::copiaSostituendo(scheda::percorsoProgramma(scheda::CartellaProgramma,
                                                            scheda::FileEsporta),
                                  destinazione);
    if (esito.riuscita)
        dlg::MsgBox(EsportazioneRiuscita, dlg::vbOKOnly, TitoloEsportazione);
    else
        segnalaCopiaFallita(esito);
    riapriEsporta();
}

} // namespace

void EsportaSchedaCorrente()
{
    if (!scheda::RsEsporta || !scheda::ConnessioneEsporta || !scheda::RsEsporta->isOpen())
        riapriEsporta();
    verificaFileEsportazione();
    if (!scheda::posizionaSuIdRecord())
        throw ado::Error(ado::err::NoCurrentRecord,
                         QStringLiteral("La scheda corrente non si trova più nell'archivio: la "
                                        "scheda non è stata esportata."));
    copiaSchedaInEsportazione();

    if (const auto mancante = primoDatoMancante(*scheda::RsEsporta)) {
        dlg::MsgBox(*mancante, dlg::vbExclamation, TitoloDatiIndispensabili);
        return;
    }

    const int RispostaFloppy = dlg::MsgBox(DomandaFloppy, dlg::vbYesNo | dlg::vbExclamation,
                                           TitoloFloppy);
    if (RispostaFloppy == dlg::vbNo)
        return;
    copiaSuDisco();
}

} // namespace esportazione
