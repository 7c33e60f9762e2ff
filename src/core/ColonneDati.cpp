#include "core/ColonneDati.h"

#include <QStringList>
#include <array>
#include <unordered_map>

namespace scheda {

namespace {

constexpr std::array<Colonna, NumeroColonne> Colonne = {{
    {"nome", 1, Tipo::Testo, Fisso::Nessuno, 0},
    {"cognome", 1, Tipo::Testo, Fisso::Nessuno, 0},
    {"nato", 1, Tipo::Data, Fisso::Nessuno, 0},
    {"denominazione", 1, Tipo::Testo, Fisso::Nessuno, 0},
    {"natura_giuridica", 1, Tipo::Opzione, Fisso::Nessuno, 1},
    {"data_costituzione", 1, Tipo::Data, Fisso::Nessuno, 0},
    {"cod_fiscale", 1, Tipo::Testo, Fisso::Nessuno, 0},
    {"partita_iva", 1, Tipo::Testo, Fisso::Nessuno, 0},
    {"fatt_ultimo", 1, Tipo::Numero, Fisso::Nessuno, 0},
    {"fatt_penultimo", 1, Tipo::Numero, Fisso::Nessuno, 0},
    {"eser_ultimo", 1, Tipo::Testo, Fisso::Nessuno, 0},
    {"eser_penultimo", 1, Tipo::Testo, Fisso::Nessuno, 0},
    {"capitale_sociale", 1, Tipo::Numero, Fisso::Nessuno, 0},
    {"capitale_versato", 1, Tipo::Numero, Fisso::Nessuno, 0},
    {"iscr_reg_imp", 1, Tipo::Testo, Fisso::Nessuno, 0},
    {"num_rea", 1, Tipo::Testo, Fisso::Nessuno, 0},
    {"data_iscr", 1, Tipo::Data, Fisso::Nessuno, 0},
    {"iscr_art", 1, Tipo::Testo, Fisso::Nessuno, 0},
    {"num_art", 1, Tipo::Testo, Fisso::Testo, 0},
    {"data_art", 1, Tipo::Data, Fisso::Nessuno, 0},
    {"iscr_pref", 1, Tipo::Testo, Fisso::Nessuno, 0},
    {"num_pref", 1, Tipo::Testo, Fisso::Nessuno, 0},
    {"data_pref", 1, Tipo::Data, Fisso::Nessuno, 0},
    {"sez_pref", 1, Tipo::Opzione, Fisso::Nessuno, 1},
    {"num_mini", 1, Tipo::Testo, Fisso::Nessuno, 0},
    {"data_mini", 1, Tipo::Data, Fisso::Nessuno, 0},
    {"categoria_mini", 1, Tipo::Opzione, Fisso::Nessuno, 1},
    {"comune_sede", 2, Tipo::Testo, Fisso::Nessuno, 0},
    {"prov_sede", 2, Tipo::Testo, Fisso::Nessuno, 0},
    {"cap_sede", 2, Tipo::Testo, Fisso::Nessuno, 0},
    {"via_sede", 2, Tipo::Testo, Fisso::Nessuno, 0},
    {"tel_sede", 2, Tipo::Testo, Fisso::Nessuno, 0},
    {"fax_sede", 2, Tipo::Testo, Fisso::Testo, 0},
    {"cognome_ref", 2, Tipo::Testo, Fisso::Nessuno, 0},
    {"nome_ref", 2, Tipo::Testo, Fisso::Nessuno, 0},
    {"tel_ref", 2, Tipo::Testo, Fisso::Nessuno, 0},
    {"fax_ref", 2, Tipo::Testo, Fisso::Nessuno, 0},
    {"email_ref", 2, Tipo::Testo, Fisso::Nessuno, 0},
    {"denom_posta", 2, Tipo::Testo, Fisso::Nessuno, 0},
    {"comune_posta", 2, Tipo::Testo, Fisso::Nessuno, 0},
    {"prov_posta", 2, Tipo::Testo, Fisso::Nessuno, 0},
    {"cap_posta", 2, Tipo::Testo, Fisso::Nessuno, 0},
    {"via_posta", 2, Tipo::Testo, Fisso::Testo, 0},
    {"a1", 2, Tipo::Testo, Fisso::Nessuno, 0},
    {"a2", 2, Tipo::Numero, Fisso::Nessuno, 0},
    {"a3", 2, Tipo::Numero, Fisso::Nessuno, 0},
    {"a4", 2, Tipo::Numero, Fisso::Nessuno, 0},
    {"a5", 2, Tipo::Numero, Fisso::Nessuno, 0},
    {"a6", 2, Tipo::Numero, Fisso::Nessuno, 0},
    {"a7", 2, Tipo::Numero, Fisso::Nessuno, 0},
    {"a8", 2, Tipo::Numero, Fisso::Nessuno, 0},
    {"a9", 2, Tipo::Numero, Fisso::Nessuno, 0},
    {"a10", 2, Tipo::Numero, Fisso::Nessuno, 0},
    {"a11", 2, Tipo::Numero, Fisso::Nessuno, 0},
    {"a12", 2, Tipo::Numero, Fisso::Nessuno, 0},
    {"a13", 2, Tipo::Numero, Fisso::Nessuno, 0},
    {"a14", 2, Tipo::Numero, Fisso::Nessuno, 0},
    {"a15", 2, Tipo::Numero, Fisso::Nessuno, 0},
    {"a16", 2, Tipo::Numero, Fisso::Nessuno, 0},
    {"a17", 2, Tipo::Numero, Fisso::Nessuno, 0},
    {"a18", 2, Tipo::Numero, Fisso::Nessuno, 0},
    {"a19", 2, Tipo::Numero, Fisso::Nessuno, 0},
    {"a20", 2, Tipo::Numero, Fisso::Nessuno, 0},
    {"a21", 2, Tipo::Numero, Fisso::Nessuno, 0},
    {"a22", 2, Tipo::Numero, Fisso::Nessuno, 0},
    {"a23", 2, Tipo::Numero, Fisso::Nessuno, 0},
    {"a24", 2, Tipo::Numero, Fisso::Nessuno, 0},
    {"a25", 2, Tipo::Numero, Fisso::Intero32, 0},
    {"b1", 2, Tipo::Testo, Fisso::Nessuno, 0},
    {"b2", 2, Tipo::Numero, Fisso::Nessuno, 0},
    {"b3", 2, Tipo::Numero, Fisso::Nessuno, 0},
    {"b4", 2, Tipo::Numero, Fisso::Nessuno, 0},
    {"b5", 2, Tipo::Numero, Fisso::Nessuno, 0},
    {"b6", 2, Tipo::Numero, Fisso::Nessuno, 0},
    {"b7", 2, Tipo::Numero, Fisso::Nessuno, 0},
    {"b8", 2, Tipo::Numero, Fisso::Nessuno, 0},
    {"b9", 2, Tipo::Numero, Fisso::Nessuno, 0},
    {"b10", 2, Tipo::Numero, Fisso::Nessuno, 0},
    {"b11", 2, Tipo::Numero, Fisso::Nessuno, 0},
    {"b12", 2, Tipo::Numero, Fisso::Nessuno, 0},
    {"b13", 2, Tipo::Numero, Fisso::Nessuno, 0},
    {"b14", 2, Tipo::Numero, Fisso::Nessuno, 0},
    {"b15", 2, Tipo::Numero, Fisso::Nessuno, 0},
    {"b16", 2, Tipo::Numero, Fisso::Nessuno, 0},
    {"b17", 2, Tipo::Numero, Fisso::Nessuno, 0},
    {"b18", 2, Tipo::Numero, Fisso::Nessuno, 0},
    {"b19", 2, Tipo::Numero, Fisso::Nessuno, 0},
    {"b20", 2, Tipo::Numero, Fisso::Nessuno, 0},
    {"b21", 2, Tipo::Numero, Fisso::Nessuno, 0},
    {"b22", 2, Tipo::Numero, Fisso::Nessuno, 0},
    {"b23", 2, Tipo::Numero, Fisso::Nessuno, 0},
    {"b24", 2, Tipo::Numero, Fisso::Nessuno, 0},
    {"b25", 2, Tipo::Numero, Fisso::Intero32, 0},
    {"c1", 3, Tipo::Testo, Fisso::Nessuno, 0},
    {"c2", 3, Tipo::Numero, Fisso::Nessuno, 0},
    {"c3", 3, Tipo::Numero, Fisso::Nessuno, 0},
    {"c4", 3, Tipo::Numero, Fisso::Nessuno, 0},
    {"c5", 3, Tipo::Numero, Fisso::Nessuno, 0},
    {"c6", 3, Tipo::Numero, Fisso::Nessuno, 0},
    {"c7", 3, Tipo::Numero, Fisso::Nessuno, 0},
    {"c8", 3, Tipo::Numero, Fisso::Nessuno, 0},
    {"c9", 3, Tipo::Numero, Fisso::Nessuno, 0},
    {"c10", 3, Tipo::Numero, Fisso::Nessuno, 0},
    {"c11", 3, Tipo::Numero, Fisso::Nessuno, 0},
    {"c12", 3, Tipo::Numero, Fisso::Nessuno, 0},
    {"c13", 3, Tipo::Numero, Fisso::Nessuno, 0},
    {"c14", 3, Tipo::Numero, Fisso::Nessuno, 0},
    {"c15", 3, Tipo::Numero, Fisso::Nessuno, 0},
    {"c16", 3, Tipo::Numero, Fisso::Nessuno, 0},
    {"c17", 3, Tipo::Numero, Fisso::Nessuno, 0},
    {"c18", 3, Tipo::Numero, Fisso::Nessuno, 0},
    {"c19", 3, Tipo::Numero, Fisso::Nessuno, 0},
    {"c20", 3, Tipo::Numero, Fisso::Nessuno, 0},
    {"c21", 3, Tipo::Numero, Fisso::Nessuno, 0},
    {"c22", 3, Tipo::Numero, Fisso::Nessuno, 0},
    {"c23", 3, Tipo::Numero, Fisso::Nessuno, 0},
    {"c24", 3, Tipo::Numero, Fisso::Intero32, 0},
    {"d1", 3, Tipo::Testo, Fisso::Testo, 0},
    {"d2", 3, Tipo::Numero, Fisso::Nessuno, 0},
    {"d3", 3, Tipo::Numero, Fisso::Nessuno, 0},
    {"d4", 3, Tipo::Numero, Fisso::Nessuno, 0},
    {"d5", 3, Tipo::Numero, Fisso::Nessuno, 0},
    {"d6", 3, Tipo::Numero, Fisso::Nessuno, 0},
    {"d7", 3, Tipo::Numero, Fisso::Nessuno, 0},
    {"d8", 3, Tipo::Numero, Fisso::Nessuno, 0},
    {"d9", 3, Tipo::Numero, Fisso::Nessuno, 0},
    {"d10", 3, Tipo::Numero, Fisso::Nessuno, 0},
    {"d11", 3, Tipo::Numero, Fisso::Nessuno, 0},
    {"d12", 3, Tipo::Numero, Fisso::Nessuno, 0},
    {"d13", 3, Tipo::Numero, Fisso::Nessuno, 0},
    {"d14", 3, Tipo::Numero, Fisso::Nessuno, 0},
    {"d15", 3, Tipo::Numero, Fisso::Nessuno, 0},
    {"d16", 3, Tipo::Numero, Fisso::Nessuno, 0},
    {"d17", 3, Tipo::Numero, Fisso::Nessuno, 0},
    {"d18", 3, Tipo::Numero, Fisso::Nessuno, 0},
    {"d19", 3, Tipo::Numero, Fisso::Nessuno, 0},
    {"d20", 3, Tipo::Numero, Fisso::Nessuno, 0},
    {"d21", 3, Tipo::Numero, Fisso::Nessuno, 0},
    {"d22", 3, Tipo::Numero, Fisso::Nessuno, 0},
    {"d23", 3, Tipo::Numero, Fisso::Nessuno, 0},
    {"d24", 3, Tipo::Numero, Fisso::Intero32, 0},
    {"coop_dipe", 3, Tipo::Opzione, Fisso::Nessuno, 2},
    {"coop_versa", 3, Tipo::Opzione, Fisso::Nessuno, 2},
    {"denominazione_promo", 4, Tipo::Testo, Fisso::Nessuno, 0},
    {"nat_giuri_promo", 4, Tipo::Opzione, Fisso::Nessuno, 1},
    {"cod_fiscale_promo", 4, Tipo::Testo, Fisso::Nessuno, 0},
    {"partita_iva_promo", 4, Tipo::Testo, Fisso::Nessuno, 0},
    {"attivita_promo", 4, Tipo::Testo, Fisso::Nessuno, 0},
    {"istat_codice_promo", 4, Tipo::Testo, Fisso::Nessuno, 0},
    {"istat_descrizione_promo", 4, Tipo::Testo, Fisso::Testo, 0},
    {"comune_loc", 4, Tipo::Testo, Fisso::Nessuno, 0},
    {"prov_loc", 4, Tipo::Testo, Fisso::Nessuno, 0},
    {"cap_loc", 4, Tipo::Testo, Fisso::Nessuno, 0},
    {"indirizzo_loc", 4, Tipo::Testo, Fisso::Nessuno, 0},
    {"telefono_loc", 4, Tipo::Testo, Fisso::Nessuno, 0},
    {"fax_loc", 4, Tipo::Testo, Fisso::Nessuno, 0},
    {"attivita", 4, Tipo::Testo, Fisso::Nessuno, 0},
    {"istat_codice", 4, Tipo::Testo, Fisso::Nessuno, 0},
    {"istat_descrizione", 4, Tipo::Testo, Fisso::Testo, 0},
    {"dipa1", 4, Tipo::Numero, Fisso::Nessuno, 0},
    {"dipa2", 4, Tipo::Numero, Fisso::Nessuno, 0},
    {"dipa3", 4, Tipo::Numero, Fisso::Nessuno, 0},
    {"dipa4", 4, Tipo::Numero, Fisso::Nessuno, 0},
    {"dipb1", 4, Tipo::Numero, Fisso::Nessuno, 0},
    {"dipb2", 4, Tipo::Numero, Fisso::Nessuno, 0},
    {"dipb3", 4, Tipo::Numero, Fisso::Nessuno, 0},
    {"dipb4", 4, Tipo::Numero, Fisso::Nessuno, 0},
    {"dipc1", 4, Tipo::Numero, Fisso::Nessuno, 0},
    {"dipc2", 4, Tipo::Numero, Fisso::Nessuno, 0},
    {"dipc3", 4, Tipo::Numero, Fisso::Nessuno, 0},
    {"dipc4", 4, Tipo::Numero, Fisso::Doppio, 0},
    {"spea1", 5, Tipo::Numero, Fisso::Nessuno, 0},
    {"spea2", 5, Tipo::Numero, Fisso::Nessuno, 0},
    {"spea3", 5, Tipo::Numero, Fisso::Nessuno, 0},
    {"spea4", 5, Tipo::Numero, Fisso::Nessuno, 0},
    {"spea5", 5, Tipo::Numero, Fisso::Nessuno, 0},
    {"spea6", 5, Tipo::Numero, Fisso::Nessuno, 0},
    {"spea7", 5, Tipo::Numero, Fisso::Nessuno, 0},
    {"speb1", 5, Tipo::Numero, Fisso::Nessuno, 0},
    {"speb2", 5, Tipo::Numero, Fisso::Nessuno, 0},
    {"speb3", 5, Tipo::Numero, Fisso::Nessuno, 0},
    {"speb4", 5, Tipo::Numero, Fisso::Nessuno, 0},
    {"speb5", 5, Tipo::Numero, Fisso::Nessuno, 0},
    {"speb6", 5, Tipo::Numero, Fisso::Nessuno, 0},
    {"speb7", 5, Tipo::Numero, Fisso::Nessuno, 0},
    {"spec1", 5, Tipo::Numero, Fisso::Nessuno, 0},
    {"spec2", 5, Tipo::Numero, Fisso::Nessuno, 0},
    {"spec3", 5, Tipo::Numero, Fisso::Nessuno, 0},
    {"spec4", 5, Tipo::Numero, Fisso::Nessuno, 0},
    {"spec5", 5, Tipo::Numero, Fisso::Nessuno, 0},
    {"spec6", 5, Tipo::Numero, Fisso::Nessuno, 0},
    {"spec7", 5, Tipo::Numero, Fisso::Doppio, 0},
    {"dataavvio", 5, Tipo::Data, Fisso::Nessuno, 0},
    {"dataultimazione", 5, Tipo::Data, Fisso::Nessuno, 0},
    {"costeser1", 5, Tipo::Testo, Fisso::Nessuno, 0},
    {"costeser2", 5, Tipo::Testo, Fisso::Nessuno, 0},
    {"costeser3", 5, Tipo::Testo, Fisso::Nessuno, 0},
    {"cost1", 5, Tipo::Numero, Fisso::Nessuno, 0},
    {"cost2", 5, Tipo::Numero, Fisso::Nessuno, 0},
    {"cost3", 5, Tipo::Numero, Fisso::Nessuno, 0},
    {"cost4", 5, Tipo::Numero, Fisso::Doppio, 0},
    {"promo", 6, Tipo::Testo, Fisso::Nessuno, 0},
    {"ivapromo", 6, Tipo::Testo, Fisso::Nessuno, 0},
    {"percpromo", 6, Tipo::Numero, Fisso::Nessuno, 0},
    {"societa", 6, Tipo::Testo, Fisso::Nessuno, 0},
    {"ivasocieta", 6, Tipo::Testo, Fisso::Nessuno, 0},
    {"percsocieta", 6, Tipo::Numero, Fisso::Nessuno, 0},
    {"banca1", 6, Tipo::Testo, Fisso::Nessuno, 0},
    {"ivabanca1", 6, Tipo::Testo, Fisso::Nessuno, 0},
    {"percbanca1", 6, Tipo::Numero, Fisso::Nessuno, 0},
    {"banca2", 6, Tipo::Testo, Fisso::Nessuno, 0},
    {"ivabanca2", 6, Tipo::Testo, Fisso::Nessuno, 0},
    {"percbanca2", 6, Tipo::Numero, Fisso::Nessuno, 0},
    {"banca3", 6, Tipo::Testo, Fisso::Nessuno, 0},
    {"ivabanca3", 6, Tipo::Testo, Fisso::Nessuno, 0},
    {"percbanca3", 6, Tipo::Numero, Fisso::Nessuno, 0},
    {"banca4", 6, Tipo::Testo, Fisso::Nessuno, 0},
    {"ivabanca4", 6, Tipo::Testo, Fisso::Testo, 0},
    {"percbanca4", 6, Tipo::Numero, Fisso::Doppio, 0},
    {"ente1", 6, Tipo::Testo, Fisso::Nessuno, 0},
    {"ivaente1", 6, Tipo::Testo, Fisso::Nessuno, 0},
    {"percente1", 6, Tipo::Numero, Fisso::Nessuno, 0},
    {"ente2", 6, Tipo::Testo, Fisso::Nessuno, 0},
    {"ivaente2", 6, Tipo::Testo, Fisso::Nessuno, 0},
    {"percente2", 6, Tipo::Numero, Fisso::Nessuno, 0},
    {"ente3", 6, Tipo::Testo, Fisso::Nessuno, 0},
    {"ivaente3", 6, Tipo::Testo, Fisso::Nessuno, 0},
    {"percente3", 6, Tipo::Numero, Fisso::Nessuno, 0},
    {"ente4", 6, Tipo::Testo, Fisso::Nessuno, 0},
    {"ivaente4", 6, Tipo::Testo, Fisso::Testo, 0},
    {"percente4", 6, Tipo::Numero, Fisso::Nessuno, 0},
    {"person1", 6, Tipo::Testo, Fisso::Nessuno, 0},
    {"ivaperson1", 6, Tipo::Testo, Fisso::Nessuno, 0},
    {"percperson1", 6, Tipo::Numero, Fisso::Nessuno, 0},
    {"person2", 6, Tipo::Testo, Fisso::Nessuno, 0},
    {"ivaperson2", 6, Tipo::Testo, Fisso::Nessuno, 0},
    {"percperson2", 6, Tipo::Numero, Fisso::Nessuno, 0},
    {"person3", 6, Tipo::Testo, Fisso::Nessuno, 0},
    {"ivaperson3", 6, Tipo::Testo, Fisso::Nessuno, 0},
    {"percperson3", 6, Tipo::Numero, Fisso::Nessuno, 0},
    {"person4", 6, Tipo::Testo, Fisso::Nessuno, 0},
    {"ivaperson4", 6, Tipo::Testo, Fisso::Testo, 0},
    {"percperson4", 6, Tipo::Numero, Fisso::Doppio, 0},
}};

} // namespace

std::span<const Colonna> colonneDati()
{
    return Colonne;
}

std::span<const Colonna> colonnePagina(int pagina)
{
    std::size_t first = 0;
    while (first < Colonne.size() && Colonne[first].pagina != pagina)
        ++first;
    std::size_t last = first;
    while (last < Colonne.size() && Colonne[last].pagina == pagina)
        ++last;
    return std::span<const Colonna>(Colonne).subspan(first, last - first);
}

int indiceColonna(const QString &nome)
{
    static const std::unordered_map<QString, int> indice = [] {
        std::unordered_map<QString, int> m;
        for (std::size_t i = 0; i < Colonne.size(); ++i)
            m.emplace(QString::fromLatin1(Colonne[i].nome), int(i));
        return m;
    }();
    const auto it = indice.find(nome.toLower());
    return it == indice.end() ? -1 : it->second;
}

ado::Variant valoreNull(const Colonna &c)
{
    switch (c.tipo) {
    case Tipo::Testo:
        return ado::Variant(QString());
    case Tipo::Data:
        return ado::Variant(QStringLiteral("01/01/1000"));
    case Tipo::Opzione:
        return ado::Variant(c.predefinito);
    case Tipo::Numero:
        return c.fisso == Fisso::Doppio ? ado::Variant(0.0) : ado::Variant(0);
    }
    return {};
}

QString tipoSql(const Colonna &c)
{
    switch (c.tipo) {
    case Tipo::Testo:
        return QStringLiteral("TEXT");
    case Tipo::Data:
        return QStringLiteral("DATE");
    case Tipo::Opzione:
        return QStringLiteral("INTEGER");
    case Tipo::Numero:
        return c.fisso == Fisso::Intero32 ? QStringLiteral("LONG") : QStringLiteral("DOUBLE");
    }
    return QString();
}

QString sqlCreaDati()
{
    QStringList defs;
    defs << QStringLiteral("%1 INTEGER PRIMARY KEY AUTOINCREMENT").arg(QLatin1String(ColonnaChiave));
    for (const Colonna &c : Colonne)
        defs << QStringLiteral("%1 %2").arg(QLatin1String(c.nome), tipoSql(c));
    return QStringLiteral("CREATE TABLE Dati (%1)").arg(defs.join(QStringLiteral(", ")));
}

} // namespace scheda
