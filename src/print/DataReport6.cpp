// Page 6 of the printed sheet: the shares of the share capital (D.1) and
// the declaration the legal representative signs. It has no signature line
// in its footer: the declaration carries its own.

#include "print/Impaginazione.h"

namespace stampa {

namespace {

using namespace report;
using namespace regole;
constexpr Carattere G = Grassetto;
constexpr Carattere Nota{"Times New Roman", 9};
// The words that follow the representative's names, which a long name never cuts.
constexpr const char *InQualita = " in qualità di rappresentante legale";

constexpr Controllo Dettaglio[] = {
    Testo("Label1", 567, 567, 6795, 285, "D) DATI PER IL CALCOLO DEL PUNTEGGIO", G),
    Testo("Label2", 567, 1134, 8220, 285,
          "D.1) Percentuale di partecipazione al capitale sociale:", G),
    // D.1: three columns, a header band and five bands of holders.
    Linea("Line2", 567, 1701, 0, 7653),
    Linea("Line3", 5102, 1701, 0, 7653),
    Linea("Line4", 8220, 1701, 0, 7653),
    Linea("Line5", 9638, 1701, 0, 7653),
    Linea("Line1", 567, 1701, 9075, 0),
    Linea("Line6", 567, 2268, 9075, 0),
    Linea("Line7", 567, 3118, 9075, 0),
    Linea("Line10", 567, 4252, 9075, 0),
    Linea("Line9", 567, 5953, 9075, 0),
    Linea("Line11", 567, 7654, 9071, 0),
    Linea("Line12", 567, 9354, 9071, 0),
    Testo("Label3", 567, 1701, 4530, 270, "Soci", G).centro(),
    Testo("Label4", 5102, 1701, 3120, 270, "Partita IVA o codice fiscale", G).centro(),
    Testo("Label5", 8220, 1701, 1410, 270, "%", G).centro(),
    Testo("Label6", 567, 2268, 4530, 285, " Soggetto promotore:"),
    Valore("Promo", 850, 2551, 4245, 285),
    Valore("IvaPromo", 5102, 2551, 3120, 285).centro(),
    Valore("PercPromo", 8220, 2551, 1140, 285).destra(),
    Testo("Label10", 567, 3118, 4535, 283, " Società di gestione di Fondi per lo sviluppo "),
    Testo("Label11", 567, 3402, 4535, 283, " della cooperazione:"),
    Valore("Societa", 850, 3685, 4245, 285),
    Valore("IvaSocieta", 5102, 3685, 3118, 283).centro(),
    Valore("PercSocieta", 8220, 3685, 1134, 283).destra(),
    Testo("Label13", 567, 4252, 4535, 285, " Banche o altri intermediari finanziari:"),
    Valore("Banca1", 850, 4535, 4245, 285),
    Valore("IvaBanca1", 5102, 4535, 3118, 285).centro(),
    Valore("PercBanca1", 8220, 4535, 1134, 285).destra(),
    Valore("Banca2", 850, 4819, 4245, 285),
    Valore("IvaBanca2", 5102, 4819, 3120, 285).centro(),
    Valore("PercBanca2", 8220, 4819, 1140, 285).destra(),
    Valore("Banca3", 850, 5102, 4252, 283),
    Valore("IvaBanca3", 5102, 5102, 3120, 285).centro(),
    Valore("Percbanca3", 8220, 5102, 1140, 285).destra(),
    Valore("Banca4", 850, 5386, 4252, 283),
    Valore("IvaBanca4", 5102, 5386, 3118, 283).centro(),
    Valore("Percbanca4", 8220, 5386, 1140, 285).destra(),
    Testo("Label28", 567, 5953, 4535, 283, " Enti pubblici:"),
    Valore("Ente1", 850, 6236, 4252, 283),
    Valore("IvaEnte1", 5102, 6236, 3120, 285).centro(),
    Valore("PercEnte1", 8220, 6236, 1140, 285).destra(),
    Valore("Ente2", 850, 6520, 4252, 283),
    Valore("IvaEnte2", 5102, 6520, 3118, 283).centro(),
    Valore("PercEnte2", 8220, 6520, 1134, 283).destra(),
    Valore("Ente3", 850, 6803, 4252, 283),
    Valore("IvaEnte3", 5102, 6803, 3118, 283).centro(),
    Valore("PercEnte3", 8220, 6803, 1134, 283).destra(),
    Valore("Ente4", 850, 7087, 4252, 283),
    Valore("IvaEnte4", 5102, 7087, 3118, 283).centro(),
    Valore("PercEnte4", 8220, 7087, 1134, 283).destra(),
    Testo("Label41", 567, 7654, 4535, 283, " Persone giuridiche di natura privata:"),
    Valore("Person1", 850, 7937, 4252, 283),
    Valore("IvaPerson1", 5102, 7937, 3118, 283).centro(),
    Valore("PercPerson1", 8220, 7937, 1134, 283).destra(),
    Valore("Person2", 850, 8220, 4252, 283),
    Valore("IvaPerson2", 5102, 8220, 3120, 285).centro(),
    Valore("PercPerson2", 8220, 8220, 1134, 283).destra(),
    Valore("Person3", 850, 8504, 4252, 283),
    Valore("IvaPerson3", 5102, 8504, 3118, 283).centro(),
    Valore("PercPerson3", 8220, 8504, 1134, 283).destra(),
    Valore("Person4", 850, 8787, 4252, 283),
    Valore("IvaPerson4", 5102, 8787, 3118, 283).centro(),
    Valore("Percperson4", 8220, 8787, 1134, 283).destra(),
    // The declaration.
    Testo("Label55", 567, 9638, 1701, 285, "Il sottoscritto/a"),
    Valore("Nome", 2268, 9638, 7370, 283).conCoda(InQualita),
    Testo("Label58", 567, 9921, 3405, 285, "della cooperativa/consorzio "),
    Valore("Denominazione", 3402, 9921, 6803, 285),
    Testo("Label60", 567, 10205, 1984, 283, "con sede legale in "),
    Valore("ComuneLoc", 2551, 10205, 7654, 283),
    Testo("Label66", 567, 10488, 9638, 270,
          "consapevole della responsabilità penale cui può andare incontro in caso di "
          "dichiarazioni mendaci"),
    Testo("Label67", 567, 10772, 9638, 283,
          "o di esibizione di atto falso o contenente dati non rispondenti a verità, di cui "
          "all'art. 76 del "),
    Testo("Label68", 567, 11055, 9638, 283, "D.P.R. 28 dicembre 2000 n. 445,"),
    Testo("Label69", 4252, 11622, 2550, 285, "DICHIARA", G),
    Testo("Label70", 567, 12189, 9638, 283,
          "che tutte le notizie fornite nella presente Scheda Tecnica e nell'altra documentazione "
          "a corredo"),
    Testo("Label71", 567, 12472, 8787, 283, "della domanda corrispondono al vero."),
    Testo("Label72", 567, 13039, 1417, 283, "Luogo e data: "),
    Testo("Label73", 6236, 13039, 2268, 270, "timbro e firma (1)"),
    Linea("Line8", 1984, 13323, 1984, 0),
    Linea("Line13", 5102, 13606, 3402, 0),
    Linea("Line14", 567, 14173, 3402, 0),
    Testo("Label74", 567, 14173, 9638, 283,
          "1) Sottoscrivere la presente dichiarazione con le modalità previste dall'art. 38, comma "
          "3, del D.P.R. "
          "n.445 del 28 dicembre 2000.",
          Nota),
};

constexpr auto Sezioni = impaginazione(Dettaglio, false);
constexpr Rapporto Layout{"DataReport6", "DataReport6", Sezioni};

// The legal representative by surname and first name, and the words of
// the declaration after them.
QString rappresentante(const SchedaStampa &s)
{
    return comeMemorizzato(s["cognome"]) + QLatin1Char(' ') + comeMemorizzato(s["nome"])
           + QString::fromUtf8(InQualita);
}

// The registered seat of the cooperative (A.12): municipality, province
// and postal code.
QString sedeLegale(const SchedaStampa &s)
{
    return comeMemorizzato(s["comune_sede"]) + QStringLiteral("  Prov. ")
           + comeMemorizzato(s["prov_sede"]) + QStringLiteral(" CAP ")
           + comeMemorizzato(s["cap_sede"]);
}

// The value labels in the order the fill sets them.
constexpr Riempimento Valori[] = {
    {"Promo", "promo", comeMemorizzato},
    {"IvaPromo", "ivapromo", comeMemorizzato},
    {"PercPromo", "percpromo", dueDecimali},
    {"Societa", "societa", comeMemorizzato},
    {"IvaSocieta", "ivasocieta", comeMemorizzato},
    {"PercSocieta", "percsocieta", dueDecimali},
    {"Banca1", "banca1", comeMemorizzato},
    {"Banca2", "banca2", comeMemorizzato},
    {"Banca3", "banca3", comeMemorizzato},
    {"Banca4", "banca4", comeMemorizzato},
    {"IvaBanca1", "ivabanca1", comeMemorizzato},
    {"IvaBanca2", "ivabanca2", comeMemorizzato},
    {"IvaBanca3", "ivabanca3", comeMemorizzato},
    {"IvaBanca4", "ivabanca4", comeMemorizzato},
    {"PercBanca1", "percbanca1", dueDecimali},
    {"PercBanca2", "percbanca2", dueDecimali},
    {"Percbanca3", "percbanca3", dueDecimali},
    {"Percbanca4", "percbanca4", dueDecimali},
    {"Ente1", "ente1", comeMemorizzato},
    {"Ente2", "ente2", comeMemorizzato},
    {"Ente3", "ente3", comeMemorizzato},
    {"Ente4", "ente4", comeMemorizzato},
    {"IvaEnte1", "ivaente1", comeMemorizzato},
    {"IvaEnte2", "ivaente2", comeMemorizzato},
    {"IvaEnte3", "ivaente3", comeMemorizzato},
    {"IvaEnte4", "ivaente4", comeMemorizzato},
    {"PercEnte1", "percente1", dueDecimali},
    {"PercEnte2", "percente2", dueDecimali},
    {"PercEnte3", "percente3", dueDecimali},
    {"PercEnte4", "percente4", dueDecimali},
    {"Person1", "person1", comeMemorizzato},
    {"Person2", "person2", comeMemorizzato},
    {"Person3", "person3", comeMemorizzato},
    {"Person4", "person4", comeMemorizzato},
    {"IvaPerson1", "ivaperson1", comeMemorizzato},
    {"IvaPerson2", "ivaperson2", comeMemorizzato},
    {"IvaPerson3", "ivaperson3", comeMemorizzato},
    {"IvaPerson4", "ivaperson4", comeMemorizzato},
    {"PercPerson1", "percperson1", dueDecimali},
    {"PercPerson2", "percperson2", dueDecimali},
    {"PercPerson3", "percperson3", dueDecimali},
    {"Percperson4", "percperson4", dueDecimali},
    {"Nome", nullptr, rappresentante},
    {"Denominazione", "denominazione", comeMemorizzato},
    {"ComuneLoc", nullptr, sedeLegale},
};

} // namespace

constinit const PaginaStampa Pagina6{Layout, Valori};

} // namespace stampa
