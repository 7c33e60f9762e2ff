// The column list of "Dati": its share per page, kinds and Null defaults.

#include "TestiNeiMessaggi.h"

#include "core/ColonneDati.h"

#include <gtest/gtest.h>
#include <map>
#include <set>

using namespace scheda;

TEST(ColonneDati, PagesKindsAndDefaults)
{
    const std::map<int, std::size_t> perPagina = {{1, 27}, {2, 66}, {3, 50},
                                                  {4, 28}, {5, 30}, {6, 42}};
    for (const auto &[pagina, n] : perPagina)
        EXPECT_EQ(colonnePagina(pagina).size(), n) << "page " << pagina;

    std::map<Tipo, int> perTipo;
    std::set<QString> nomi;
    for (const Colonna &c : colonneDati()) {
        ++perTipo[c.tipo];
        EXPECT_TRUE(nomi.insert(QString::fromLatin1(c.nome)).second) << c.nome;
    }
    EXPECT_EQ(perTipo[Tipo::Testo], 80);
    EXPECT_EQ(perTipo[Tipo::Numero], 149);
    EXPECT_EQ(perTipo[Tipo::Data], 8);
    EXPECT_EQ(perTipo[Tipo::Opzione], 6);

    const struct
    {
        const char *nome;
        ado::Variant nullo;
        Fisso fisso;
    } casi[] = {
        {"natura_giuridica", 1, Fisso::Nessuno},
        {"nat_giuri_promo", 1, Fisso::Nessuno},
        {"coop_dipe", 2, Fisso::Nessuno},
        {"coop_versa", 2, Fisso::Nessuno},
        {"dataavvio", "01/01/1000", Fisso::Nessuno},
        {"nato", "01/01/1000", Fisso::Nessuno},
        {"a25", 0, Fisso::Intero32},
        {"d24", 0, Fisso::Intero32},
        {"dipc4", 0.0, Fisso::Doppio},
        {"percperson4", 0.0, Fisso::Doppio},
        {"num_art", "", Fisso::Testo},
        {"ivaente4", "", Fisso::Testo},
        {"partita_iva_promo", "", Fisso::Nessuno},
        {"ivapromo", "", Fisso::Nessuno},
        {"percente3", 0, Fisso::Nessuno},
        {"d1", "", Fisso::Testo},
    };
    for (const auto &c : casi) {
        const int i = indiceColonna(QString::fromLatin1(c.nome));
        ASSERT_GE(i, 0) << c.nome;
        const Colonna &col = colonneDati()[i];
        EXPECT_EQ(valoreNull(col), c.nullo) << c.nome;
        EXPECT_EQ(col.fisso, c.fisso) << c.nome;
    }
    // Names match without regard to case.
    EXPECT_EQ(indiceColonna(QStringLiteral("Fax_sede")), indiceColonna(QStringLiteral("fax_sede")));
    EXPECT_EQ(indiceColonna(QStringLiteral("id_scheda")), -1);
}
