#pragma once
// The application state shared by the main window, the page forms, printing
// and export. One user-interface thread reads and writes it; no locks.

#include "platform/db/Variant.h"

#include <QString>
#include <cstdint>

class cHtmlHelp;

namespace scheda {

inline ado::Variant IdRecord; // key of the current sheet's row
inline std::int16_t PaginaCorrente
    = 0; // 1..6 page shown, 10 record grid window, 0 none (a load failed)
inline std::int16_t PaginaModificata = 0;
inline std::int16_t Ricarica = 0;
inline std::int16_t TabellaVuota = 0;
inline std::int32_t RispostaSalva = 0;
inline std::int32_t RispostaElimina = 0;
inline QString Messaggio;
inline QString Valore;
inline QString FileHelp;
inline cHtmlHelp *GuidaHtml = nullptr;

// Scratch values of the page forms' handlers (the export uses some too).
inline std::int16_t Caricamento = 0;
inline double ValoreNumero = 0;
inline ado::Variant ValoreData;
inline QString TestoMaiuscolo;
inline std::int16_t ValoreOpzione = 0;
inline int IndiceLista = 0;
inline QString NomeControllo;

// Scratch values and values on entry of the look-up boxes: the upper-cased
// text looked up and 1 when found; the stored value when the box was entered.
inline QString ChiaveComune;
inline std::int16_t ComuneTrovato = 0;
inline QString ChiaveComunePosta;
inline std::int16_t ComunePostaTrovato = 0;
inline QString ChiaveIstat;
inline std::int16_t IstatTrovato = 0;
inline QString VecchioComuneSede;
inline QString VecchioComunePosta;
inline QString VecchioComuneLoc;
inline QString VecchioIstatPromo;
inline QString VecchioIstat;

// The question every command asks before it leaves or uses a modified page.
inline const QString DomandaSalva = QStringLiteral("La pagina è stata modificata, vuoi salvarla?");
inline const QString TitoloSalva = QStringLiteral("Salva Pagina Modificata");

} // namespace scheda
