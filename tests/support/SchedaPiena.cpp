#include "SchedaPiena.h"

#include "core/Archivio.h"
#include "core/ColonneDati.h"

#include <QDate>
#include <QSet>
#include <stdexcept>

namespace prova {

namespace {

using V = ado::Variant;

void somma(QList<std::pair<QString, V>> &s, const QString &colonna,
           std::initializer_list<int> righe, const QString &lettera)
{
    double t = 0;
    for (const int r : righe)
        for (const auto &[c, v] : s)
            if (c == lettera + QString::number(r))
                t += v.toDouble();
    s.append({colonna, V(t)});
}

// Page 6's lines 2 to 4 of the banks, the public bodies and the other
// members: the sheet leaves them Null, so its printed page has empty lines.
QSet<QString> lasciateNull()
{
    QSet<QString> l;
    for (const char *socio : {"banca", "ente", "person"})
        for (int n = 2; n <= 4; ++n)
            for (const char *davanti : {"", "iva", "perc"})
                l.insert(QLatin1String(davanti) + QLatin1String(socio) + QString::number(n));
    return l;
}

// Each column of the catalogue once, with a value or among those left Null.
void controllaColonne(const QList<std::pair<QString, V>> &s)
{
    const QSet<QString> nulle = lasciateNull();
    QSet<QString> conValore;
    for (const auto &[c, v] : s) {
        if (scheda::indiceColonna(c) < 0 || nulle.contains(c) || conValore.contains(c))
            throw std::logic_error(
                "scheda piena: colonna sconosciuta, da lasciare Null o ripetuta: "
                + c.toStdString());
        conValore.insert(c);
    }
    for (const scheda::Colonna &c : scheda::colonneDati())
        if (!conValore.contains(QLatin1String(c.nome)) && !nulle.contains(QLatin1String(c.nome)))
            throw std::logic_error(std::string("scheda piena: nessun valore per la colonna ")
                                   + c.nome);
}

} // namespace

QList<std::pair<QString, V>> schedaPiena()
{
    QList<std::pair<QString, V>> s = {
        {"nome", V("MARIO")},
        {"cognome", V("ROSSI")},
        {"nato", V(QDate(1960, 3, 12))},
        {"denominazione", V("COOPERATIVA SOCIALE ALFA")},
        {"natura_giuridica", V(2)},
        {"data_costituzione", V(QDate(1998, 5, 4))},
        {"cod_fiscale", V("01234567890")},
        {"partita_iva", V("01234567891")},
        {"fatt_ultimo", V(1234567.0)},
        {"fatt_penultimo", V(987654.0)},
        {"eser_ultimo", V("2004")},
        {"eser_penultimo", V("2003")},
        {"capitale_sociale", V(25000.0)},
        {"capitale_versato", V(20000.0)},
        {"iscr_reg_imp", V("TERAMO")},
        {"num_rea", V("123456")},
        {"data_iscr", V(QDate(1998, 6, 15))},
        {"iscr_art", V("")},
        {"num_art", V("")},
        {"data_art", V("01/01/1000")},
        {"iscr_pref", V("TERAMO")},
        {"num_pref", V("789")},
        {"data_pref", V(QDate(1999, 1, 20))},
        {"sez_pref", V(2)},
        {"num_mini", V("A123456")},
        {"data_mini", V(QDate(2005, 2, 1))},
        {"categoria_mini", V(1)},
        // Page 2.
        {"comune_sede", V("GIULIANOVA")},
        {"prov_sede", V("TE")},
        {"cap_sede", V("64021")},
        {"via_sede", V("VIA ROMA 12")},
        {"tel_sede", V("085 8001234")},
        {"fax_sede", V("085 8001235")},
        {"cognome_ref", V("BIANCHI")},
        {"nome_ref", V("LUCIA")},
        {"tel_ref", V("333 1234567")},
        {"fax_ref", V("085 8001236")},
        {"email_ref", V("lucia.bianchi@alfa.it")},
        {"denom_posta", V("COOPERATIVA SOCIALE ALFA")},
        {"comune_posta", V("TERAMO")},
        {"prov_posta", V("TE")},
        {"cap_posta", V("64100")},
        {"via_posta", V("CORSO DE MICHETTI 5")},
        {"a1", V("2003")},
        {"b1", V("2004")},
        // Page 3.
        {"c1", V("2003")},
        {"d1", V("2004")},
        {"coop_dipe", V(1)},
        {"coop_versa", V(2)},
        // Page 4.
        {"denominazione_promo", V("CONSORZIO BETA")},
        {"nat_giuri_promo", V(3)},
        {"cod_fiscale_promo", V("09876543210")},
        {"partita_iva_promo", V("09876543211")},
        {"attivita_promo", V("SERVIZI DI ASSISTENZA SOCIALE")},
        {"istat_codice_promo", V("85.32.0")},
        {"istat_descrizione_promo", V("ASSISTENZA SOCIALE NON RESIDENZIALE")},
        {"comune_loc", V("TERAMO")},
        {"prov_loc", V("TE")},
        {"cap_loc", V("64100")},
        {"indirizzo_loc", V("VIA DEI MILLE 3")},
        {"telefono_loc", V("0861 245678")},
        {"fax_loc", V("0861 245679")},
        {"attivita", V("ASSISTENZA DOMICILIARE")},
        {"istat_codice", V("85.31.0")},
        {"istat_descrizione", V("ASSISTENZA SOCIALE RESIDENZIALE")},
        {"dipa1", V(1.0)},
        {"dipa2", V(3.5)},
        {"dipa3", V(12.0)},
        {"dipa4", V(16.5)},
        {"dipb1", V(2.0)},
        {"dipb2", V(4.0)},
        {"dipb3", V(1234.5)},
        {"dipb4", V(1240.5)},
        {"dipc1", V(1.0)},
        {"dipc2", V(0.5)},
        {"dipc3", V(1222.5)},
        {"dipc4", V(1224.0)},
        // Page 5.
        {"dataavvio", V(QDate(2005, 4, 5))},
        {"dataultimazione", V(QDate(2006, 12, 31))},
        {"costeser1", V("2005")},
        {"costeser2", V("2006")},
        {"costeser3", V("2007")},
        {"cost1", V(12000.5)},
        {"cost2", V(8000.25)},
        {"cost3", V(0.5)},
        {"cost4", V(20001.25)},
        // Page 6.
        {"promo", V("CONSORZIO BETA")},
        {"ivapromo", V("09876543211")},
        {"percpromo", V(30.0)},
        {"societa", V("FONDO SVILUPPO COOPERATIVO SPA")},
        {"ivasocieta", V("11223344556")},
        {"percsocieta", V(10.0)},
        {"banca1", V("BANCA DEL TERAMANO")},
        {"ivabanca1", V("22334455667")},
        {"percbanca1", V(5.5)},
        {"ente1", V("COMUNE DI TERAMO")},
        {"ivaente1", V("00123450670")},
        {"percente1", V(4.25)},
        {"person1", V("ALFA SERVIZI SRL")},
        {"ivaperson1", V("33445566778")},
        {"percperson1", V(2.0)},
    };
    const int patrimoniali[] = {0,      0,     50000, 0,     12000, 80000, 3000, 0, 5000,
                                150000, 20000, 0,     0,     60000, 40000, 2000, 0, 100000,
                                45000,  5000,  0,     25000, 30000, -4000, 4000};
    for (const QString lettera : {QStringLiteral("a"), QStringLiteral("b")}) {
        for (const int r : {2, 4, 5, 6, 8, 9, 10, 13, 14, 15, 17, 18, 19, 21, 22, 23, 24})
            s.append({lettera + QString::number(r),
                      V(double(patrimoniali[r] + (lettera == u"b" ? 1000 * r : 0)))});
        somma(s, lettera + "3", {4, 5, 6}, lettera);
        somma(s, lettera + "7", {8, 9, 10}, lettera);
        somma(s, lettera + "11", {2, 3, 7}, lettera);
        somma(s, lettera + "12", {13, 14, 15}, lettera);
        somma(s, lettera + "16", {17, 18, 19}, lettera);
        somma(s, lettera + "20", {21, 22, 23, 24}, lettera);
        somma(s, lettera + "25", {12, 16, 20}, lettera);
    }
    const int economici[] = {0,    0,     1500000, -20000, 35000, 0,    400000, 250000,
                             5000, 36000, 700000,  10000,  45000, 8000, 0,      0,
                             3000, 12000, 0,       1000,   2500,  0,    0,      15000};
    for (const QString lettera : {QStringLiteral("c"), QStringLiteral("d")}) {
        for (const int r : {2, 3, 4, 6, 7, 8, 9, 10, 11, 12, 13, 16, 17, 19, 20, 23})
            s.append({lettera + QString::number(r),
                      V(double(economici[r] + (lettera == u"d" ? 100 * r : 0)))});
        somma(s, lettera + "5", {2, 3, 4}, lettera);
        somma(s, lettera + "14", {6, 7, 8, 9, 10, 11, 12, 13}, lettera);
        auto valore = [&s](const QString &c) {
            for (const auto &[n, v] : s)
                if (n == c)
                    return v.toDouble();
            throw std::logic_error("colonna mancante");
        };
        s.append({lettera + "15", V(valore(lettera + "5") - valore(lettera + "14"))});
        somma(s, lettera + "18", {16, 17}, lettera);
        somma(s, lettera + "21", {19, 20}, lettera);
        somma(s, lettera + "22", {15, 18, 21}, lettera);
        s.append({lettera + "24", V(valore(lettera + "22") - valore(lettera + "23"))});
    }
    const double dirette[] = {0, 50000, 120000.5, 85000.25, 12000, 0, 8000};
    const double leasing[] = {0, 0, 0, 40000, 1500.75, 0, 0};
    double ta = 0, tb = 0;
    for (int r = 1; r <= 6; ++r) {
        s.append({QStringLiteral("spea%1").arg(r), V(dirette[r])});
        s.append({QStringLiteral("speb%1").arg(r), V(leasing[r])});
        s.append({QStringLiteral("spec%1").arg(r), V(dirette[r] + leasing[r])});
        ta += dirette[r];
        tb += leasing[r];
    }
    s.append({"spea7", V(ta)});
    s.append({"speb7", V(tb)});
    s.append({"spec7", V(ta + tb)});
    controllaColonne(s);
    return s;
}

void salvaSchedaPiena()
{
    using namespace scheda;
    if (!posizionaSuIdRecord())
        throw std::logic_error("nessuna scheda corrente");
    for (const auto &[colonna, valore] : schedaPiena())
        RsDati->Fields(colonna).setValue(valore);
    RsDati->Update();
}

} // namespace prova
