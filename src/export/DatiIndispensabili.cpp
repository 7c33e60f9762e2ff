#include "export/DatiIndispensabili.h"

#include "core/Globali.h"
#include "platform/db/Recordset.h"

#include <array>

namespace esportazione {

namespace {

constexpr std::array<DatoIndispensabile, 16> Dati = {{
    {"cognome", Prova::Testo, "Inserire COGNOME del rappresentante legale"},
    {"nome", Prova::Testo, "Inserire NOME del rappresentante legale"},
    {"denominazione", Prova::Testo, "Inserire A1 - DENOMINAZIONE dell'impresa"},
    {"data_costituzione", Prova::Data, "Inserire A3 - DATA COSTITUZIONE dell'impresa"},
    {"cod_fiscale", Prova::Testo, "Inserire A4 - CODICE FISCALE dell'impresa"},
    {"capitale_sociale", Prova::Numero, "Inserire A7 - CAPITALE SOCIALE dell'impresa"},
    {"comune_sede", Prova::Testo, "Inserire A12 - COMUNE SEDE dell'impresa"},
    {"denominazione_promo", Prova::Testo,
     "Inserire B1 - DENOMINAZIONE SOGGETTO PROMOTORE dell'impresa"},
    {"cod_fiscale_promo", Prova::Testo,
     "Inserire B3 - CODICE FISCALE SOGGETTO PROMOTORE dell'impresa"},
    {"attivita_promo", Prova::Testo, "Inserire B5 - ATTIVITA' SOGGETTO PROMOTORE dell'impresa"},
    {"comune_loc", Prova::Testo, "Inserire C1 - COMUNE UNITA' LOCALE dell'impresa"},
    {"attivita", Prova::Testo, "Inserire C2 - ATTIVITA' dell'impresa"},
    // Two blanks before "dell'impresa", as the users have always seen it.
    {"spec7", Prova::Numero, "Inserire C4 - ALMENO UNA VOCE DI SPESA  dell'impresa"},
    {"dataavvio", Prova::Data, "Inserire C.5.1 - DATA AVVIO INVESTIMENTO dell'impresa"},
    {"dataultimazione", Prova::Data, "Inserire C.5.2 - DATA ULTIMAZIONE INVESTIMENTO dell'impresa"},
    {nullptr, Prova::Percentuali,
     "Inserire D1 - ALMENO UNA PERCENTUALE DI PARTECIPAZIONE AL CAPITALE SOCIALE dell'impresa"},
}};

constexpr std::array<const char *, 14> Percentuali = {
    "percpromo",   "percsocieta", "percbanca1",  "percbanca2",  "percbanca3",
    "percbanca4",  "percente1",   "percente2",   "percente3",   "percente4",
    "percperson1", "percperson2", "percperson3", "percperson4",
};

ado::Variant valore(ado::Recordset &rs, const char *colonna)
{
    return rs.Fields(QString::fromLatin1(colonna)).Value();
}

bool testoPresente(ado::Recordset &rs, const char *colonna)
{
    scheda::TestoMaiuscolo.clear();
    if (const ado::Variant v = valore(rs, colonna); !v.isNull())
        scheda::TestoMaiuscolo = v.toText();
    return !scheda::TestoMaiuscolo.isEmpty();
}

bool dataPresente(ado::Recordset &rs, const char *colonna)
{
    const QDate vuota(1000, 1, 1);
    scheda::ValoreData = ado::Variant(vuota);
    if (const ado::Variant v = valore(rs, colonna); !v.isNull())
        scheda::ValoreData = ado::Variant(v.toDate());
    return scheda::ValoreData.date() != vuota;
}

bool numeroPresente(ado::Recordset &rs, const char *colonna)
{
    scheda::ValoreNumero = 0;
    if (const ado::Variant v = valore(rs, colonna); !v.isNull())
        scheda::ValoreNumero = v.toDouble();
    return scheda::ValoreNumero != 0;
}

// Every percentage is read, also after one has been found.
bool percentualePresente(ado::Recordset &rs)
{
    std::int16_t PercentualeTrovata = 0;
    for (const char *colonna : Percentuali)
        if (numeroPresente(rs, colonna))
            PercentualeTrovata = 1;
    return PercentualeTrovata == 1;
}

bool presente(ado::Recordset &rs, const DatoIndispensabile &d)
{
    switch (d.prova) {
    case Prova::Testo:
        return testoPresente(rs, d.colonna);
    case Prova::Data:
        return dataPresente(rs, d.colonna);
    case Prova::Numero:
        return numeroPresente(rs, d.colonna);
    case Prova::Percentuali:
        return percentualePresente(rs);
    }
    return false;
}

} // namespace

std::span<const DatoIndispensabile> datiIndispensabili()
{
    return Dati;
}

std::span<const char *const> colonnePercentuali()
{
    return Percentuali;
}

std::optional<QString> primoDatoMancante(ado::Recordset &rs)
{
    for (const DatoIndispensabile &d : Dati)
        if (!presente(rs, d))
            return QString::fromUtf8(d.messaggio);
    return std::nullopt;
}

} // namespace esportazione
