// The reference recordsets as start-up opens them, and page 1's sheet
// list: the region's list holds exactly its five provinces, sorted; the two
// lists of all municipalities move each on its own; the sheet list comes in
// RsDati's order without moving it.

#include "CartellaProva.h"
#include "ContaIstruzioni.h"
#include "Guasti.h"

#include "core/Archivio.h"
#include "core/FileDati.h"
#include "core/Globali.h"
#include "core/RecordScheda.h"
#include "platform/db/Connection.h"
#include "platform/db/Error.h"
#include "platform/db/Recordset.h"

#include <QStringList>
#include <gtest/gtest.h>
#include <sqlite3.h>

using namespace scheda;

namespace {

// The archive of a program folder, opened by the program's own code.
class Archivio : public ::testing::Test
{
protected:
    void apri()
    {
        CartellaProgramma = cartella.cartella();
        apriArchivio();
    }
    void TearDown() override { chiudiArchivio(); }

    static QStringList nomi(ado::Recordset &rs, QStringList *province = nullptr)
    {
        QStringList out;
        for (rs.MoveFirst(); !rs.isEOF(); rs.MoveNext()) {
            out << rs.Fields(QStringLiteral("descrizione")).Value().toText();
            if (province)
                *province << rs.Fields(QStringLiteral("id_provincia")).Value().toText();
        }
        return out;
    }
    // One number read from the reference file past the recordsets.
    long conta(const QString &sql) const
    {
        sqlite3_stmt *s = nullptr;
        sqlite3_prepare_v2(ConnessioneIdentifica->handle(), sql.toUtf8().constData(), -1, &s,
                           nullptr);
        const long n = s && sqlite3_step(s) == SQLITE_ROW ? long(sqlite3_column_int64(s, 0)) : -1;
        sqlite3_finalize(s);
        return n;
    }

    CartellaProva cartella;
};

const QStringList Cinque = {QStringLiteral("AN"), QStringLiteral("AP"), QStringLiteral("FM"),
                            QStringLiteral("MC"), QStringLiteral("PU")};

} // namespace

TEST_F(Archivio, RsComuneRegioneYieldsExactlyTheFiveProvincesSorted)
{
    // Homonyms and near misses of other provinces, stored out of order.
    cartella.esegui(
        FileIdentifica, PasswordIdentifica,
        QStringLiteral(
            "DELETE FROM comune;"
            "INSERT INTO comune VALUES ('URBINO', 'PU', '61029'), ('SANT''ELPIDIO A MARE', 'FM', "
            "'63811'),"
            " ('SAN MARCELLO PITEGLIO', 'PT', '51028'), ('MONTECAROTTO', 'AN', '60036'), ('ROMA', "
            "'RM', '00100'),"
            " ('SANTA VITTORIA IN MATENANO', 'FM', '63854'), ('L''AQUILA', 'AQ', '67100'), "
            "('MACERATA', 'MC', '62100'),"
            " ('SANT''ANGELO IN VADO', 'PU', '61048'), ('CASTELFIDARDO', 'AN', '60022'), "
            "('NESSUNA', NULL, '00000'),"
            " ('MONTE SAN GIUSTO', 'MC', '62015'), ('SPAZIO', 'AN ', '60000'), ('ANCONETTA', "
            "'ANC', '60000'),"
            " ('CASTEL DI LAMA', 'AP', '63082'), ('PERUGIA', 'PG', '06100'), ('LAPEDONA', 'FM', "
            "'63823'),"
            " ('ASCOLI PICENO', 'AP', '63100'), ('SAN MARCELLO', 'AN', '60030'), ('ANCONA', 'AN', "
            "'60121'),"
            " ('FERMO', 'FM', '63900'), ('PESARO', 'PU', '61121'), ('TERAMO', 'TE', '64100')"));
    apri();
    QStringList province;
    EXPECT_EQ(nomi(*RsComuneRegione, &province),
              (QStringList{"ANCONA", "ASCOLI PICENO", "CASTEL DI LAMA", "CASTELFIDARDO", "FERMO",
                           "LAPEDONA", "MACERATA", "MONTE SAN GIUSTO", "MONTECAROTTO", "PESARO",
                           "SAN MARCELLO", "SANTA VITTORIA IN MATENANO", "SANT'ANGELO IN VADO",
                           "SANT'ELPIDIO A MARE", "URBINO"}));
    EXPECT_EQ(province, (QStringList{"AN", "AP", "AP", "AN", "FM", "FM", "MC", "MC", "AN", "PU",
                                     "AN", "FM", "PU", "FM", "PU"}));
    // The other columns travel with the name.
    RsComuneRegione->MoveFirst();
    EXPECT_EQ(RsComuneRegione->Fields(QStringLiteral("cap")).Value().toText(),
              QStringLiteral("60121"));
}

TEST_F(Archivio, RsComuneRegioneOnTheProgramsOwnList)
{
    apri();
    QStringList province;
    const QStringList regione = nomi(*RsComuneRegione, &province);
    EXPECT_EQ(
        long(regione.size()),
        conta(QStringLiteral(
            "SELECT count(*) FROM comune WHERE id_provincia IN ('AN', 'AP', 'FM', 'MC', 'PU')")));
    for (const QString &p : Cinque)
        EXPECT_TRUE(province.contains(p)) << p.toStdString();
    for (const QString &p : province)
        EXPECT_TRUE(Cinque.contains(p)) << p.toStdString();
    for (qsizetype i = 1; i < regione.size(); ++i)
        EXPECT_LT(ado::compareItalian(regione[i - 1], regione[i]), 0)
            << regione[i - 1].toStdString() << " | " << regione[i].toStdString();
}

TEST_F(Archivio, RsComuneAndRsComune2KeepTheirOwnPositions)
{
    apri();
    const QStringList tutti = nomi(*RsComune);
    ASSERT_GT(tutti.size(), 1000);
    EXPECT_EQ(long(tutti.size()), conta(QStringLiteral("SELECT count(*) FROM comune")));
    EXPECT_EQ(RsComune2->Source, SqlComune);
    EXPECT_EQ(RsComune2->FieldsCount(), 3);

    // RsComune walked to the end left RsComune2 on its first row.
    EXPECT_TRUE(RsComune->isEOF());
    EXPECT_FALSE(RsComune2->isBOF());
    EXPECT_EQ(RsComune2->Fields(0).Value().toText(), tutti.first());

    const auto nome = [](ado::Recordset &rs) {
        return rs.Fields(QStringLiteral("descrizione")).Value().toText();
    };
    RsComune2->MoveFirst();
    RsComune2->Move(100);
    RsComune->MoveFirst();
    RsComune->Move(7);
    EXPECT_EQ(nome(*RsComune2), tutti[100]);
    EXPECT_EQ(nome(*RsComune), tutti[7]);
    RsComune->MoveNext();
    RsComune2->MovePrevious();
    EXPECT_EQ(nome(*RsComune), tutti[8]);
    EXPECT_EQ(nome(*RsComune2), tutti[99]);
    RsComune2->MoveLast();
    RsComune2->MoveNext();
    EXPECT_TRUE(RsComune2->isEOF());
    EXPECT_FALSE(RsComune->isEOF());
    EXPECT_EQ(nome(*RsComune), tutti[8]);

    // The same rows in the same order, whichever walks them.
    EXPECT_EQ(nomi(*RsComune2), tutti);
    EXPECT_EQ(nome(*RsComune), tutti[8]);

    // One closed (as the exit closes them in turn), the other still reads.
    RsComune->Close();
    RsComune2->MoveFirst();
    RsComune2->Move(3);
    EXPECT_EQ(nome(*RsComune2), tutti[3]);
}

TEST_F(Archivio, TheSheetListIsReadInRsDatisOrderLeavingRsDatiWhereItStands)
{
    cartella.esegui(FileVarnex, PasswordVarnex,
                    QStringLiteral("INSERT INTO Dati (id_scheda, denominazione) VALUES (7, 'COOP "
                                   "L''ALBA'), (3, NULL), (12, ''), (5, 'ZETA')"));
    apri();
    RsDati->MoveFirst();
    RsDati->Move(2);
    VociSchede voci = leggiVociSchede();
    EXPECT_EQ(voci.nomi, (QStringList{QString(), QStringLiteral("ZETA"),
                                      QStringLiteral("COOP L'ALBA"), QString()}));
    QList<qint64> chiavi;
    for (const ado::Variant &k : voci.chiavi)
        chiavi << k.integer();
    EXPECT_EQ(chiavi, (QList<qint64>{3, 5, 7, 12}));
    EXPECT_EQ(RsDati->Fields(0).Value().integer(), 7) << "RsDati has not moved";

    // Nothing changed since: the same entries, with no query of the table.
    {
        ContaIstruzioni conta(*ConnessioneDati);
        EXPECT_EQ(leggiVociSchede().nomi, voci.nomi);
        EXPECT_EQ(conta.istruzioni, QStringList{QStringLiteral("PRAGMA data_version")});
    }
    // A change through the program's own recordset is read: a name, a new
    // sheet, a deletion.
    RsDati->Fields(QStringLiteral("denominazione")).setValue(QStringLiteral("RINOMINATA"));
    RsDati->Update();
    EXPECT_EQ(leggiVociSchede().nomi.at(2), QStringLiteral("RINOMINATA"));
    RsDati->AddNew();
    RsDati->Update();
    EXPECT_EQ(leggiVociSchede().chiavi.size(), 5);
    RsDati->MoveFirst();
    RsDati->Delete(1);
    EXPECT_EQ(leggiVociSchede().chiavi.first().integer(), 5);
    RsDati->AddNew();
    RsDati->Delete(1); // a row never stored changes nothing
    EXPECT_EQ(leggiVociSchede().chiavi.size(), 4);

    // Rows changed behind the program's back are read as they are now.
    cartella.esegui(FileVarnex, PasswordVarnex,
                    QStringLiteral("DELETE FROM Dati WHERE id_scheda = 5; UPDATE Dati SET "
                                   "denominazione = 'NUOVO' WHERE id_scheda = 12"));
    voci = leggiVociSchede();
    EXPECT_EQ(voci.nomi,
              (QStringList{QStringLiteral("RINOMINATA"), QStringLiteral("NUOVO"), QString()}));
    cartella.esegui(FileVarnex, PasswordVarnex, QStringLiteral("DELETE FROM Dati"));
    EXPECT_TRUE(leggiVociSchede().chiavi.isEmpty());
}

// A page's save (salvaRigaScheda) of the sheet shown: the list reads that
// row's name again and no other; any other change since the list was read
// has it read whole.
TEST_F(Archivio, AfterAPageSaveTheSheetListReadsTheSavedRowAloneUnlessMoreHasChanged)
{
    cartella.esegui(FileVarnex, PasswordVarnex,
                    QStringLiteral("INSERT INTO Dati (id_scheda, denominazione) VALUES (3, 'TRE'), "
                                   "(5, 'CINQUE'), (7, 'SETTE')"));
    apri();
    const auto salvaNome = [](std::int64_t chiave, const QString &nome) {
        IdRecord = ado::Variant(chiave);
        posizionaSuIdRecord();
        salvaRigaScheda([&] {
            RsDati->Fields(QStringLiteral("denominazione")).setValue(nome);
            RsDati->Update();
        });
    };
    leggiVociSchede();

    // The save alone: one row read again.
    salvaNome(5, QStringLiteral("CINQUE BIS"));
    {
        ContaIstruzioni conta(*ConnessioneDati);
        EXPECT_EQ(leggiVociSchede().nomi,
                  (QStringList{QStringLiteral("TRE"), QStringLiteral("CINQUE BIS"),
                               QStringLiteral("SETTE")}));
        EXPECT_EQ(conta.istruzioni.size(), 2)
            << qPrintable(conta.istruzioni.join(QLatin1String(" | ")));
    }
    // Saved to no name: the list's empty name.
    salvaNome(7, QString());
    EXPECT_EQ(leggiVociSchede().nomi.at(2), QString());

    // Another program's commit before the save: both changes are read.
    cartella.esegui(FileVarnex, PasswordVarnex,
                    QStringLiteral("UPDATE Dati SET denominazione = 'FUORI' WHERE id_scheda = 3"));
    salvaNome(5, QStringLiteral("CINQUE TER"));
    EXPECT_EQ(leggiVociSchede().nomi,
              (QStringList{QStringLiteral("FUORI"), QStringLiteral("CINQUE TER"), QString()}));
    // ... and after it.
    salvaNome(5, QStringLiteral("CINQUE QUATER"));
    cartella.esegui(FileVarnex, PasswordVarnex,
                    QStringLiteral("DELETE FROM Dati WHERE id_scheda = 3"));
    EXPECT_EQ(leggiVociSchede().nomi, (QStringList{QStringLiteral("CINQUE QUATER"), QString()}));

    // A change of the program's own after the save: a new sheet, then one gone.
    salvaNome(5, QStringLiteral("CINQUE"));
    RsDati->AddNew();
    RsDati->Fields(QStringLiteral("denominazione")).setValue(QStringLiteral("NUOVA"));
    RsDati->Update();
    EXPECT_EQ(leggiVociSchede().nomi,
              (QStringList{QStringLiteral("CINQUE"), QString(), QStringLiteral("NUOVA")}));
    salvaNome(7, QStringLiteral("SETTE"));
    posizionaSuIdRecord();
    RsDati->Delete(1);
    EXPECT_EQ(leggiVociSchede().nomi,
              (QStringList{QStringLiteral("CINQUE"), QStringLiteral("NUOVA")}));

    // ... and before it, past the save.
    leggiVociSchede();
    IdRecord = ado::Variant(std::int64_t(7));
    posizionaSuIdRecord();
    RsDati->AddNew();
    RsDati->Update();
    salvaNome(5, QStringLiteral("CINQUE BIS"));
    EXPECT_EQ(leggiVociSchede().nomi.size(), 3);

    // A save that fails changes nothing, and what is read next is the file.
    IdRecord = ado::Variant(std::int64_t(5));
    posizionaSuIdRecord();
    EXPECT_ANY_THROW(salvaRigaScheda([] {
        RsDati->Fields(QStringLiteral("denominazione")).setValue(QStringLiteral("MAI"));
        throw ado::Error(3027, QStringLiteral("scrittura rifiutata"));
    }));
    EXPECT_EQ(leggiVociSchede().nomi.at(0), QStringLiteral("CINQUE BIS"));
}

// A load of the sheet whose reads fail, from its first one or half way
// through its columns (the row read, then one column converted by a type
// it does not fit): the sheet in memory stays as it was, every value.
TEST_F(Archivio, ALoadThatFailsLeavesTheSheetInMemoryAsItWas)
{
    cartella.aggiungiSchede(2);
    cartella.esegui(FileVarnex, PasswordVarnex,
                    QStringLiteral("UPDATE Dati SET cognome = 'BIANCHI', nome = 'ANNA',"
                                   " a25 = 99999999999 WHERE id_scheda = 1"));
    apri();
    RsDati->MoveLast();
    RecordScheda().leggi(*RsDati, colonneDati());
    RecordScheda().imposta(QStringLiteral("nome"), ado::Variant("MARIO")); // an edit
    const Scheda prima = RecordScheda();
    const auto uguale = [&prima] {
        for (const Colonna &c : colonneDati()) {
            const QString nome = QString::fromLatin1(c.nome);
            EXPECT_EQ(RecordScheda()[nome], prima[nome]) << c.nome;
        }
    };

    RsDati->MoveFirst();
    {
        const prova::LetturaGuasta disco(cartella.percorso(FileVarnex));
        EXPECT_THROW(RecordScheda().leggi(*RsDati, colonneDati()), ado::Error);
    }
    uguale();
    // a25 holds more than its 32-bit variable: the load fails at it, the
    // columns before it read.
    EXPECT_THROW(RecordScheda().leggi(*RsDati, colonneDati()), ado::Error);
    uguale();
    // With the refused columns noted, the rest loads.
    QStringList rifiutate;
    RecordScheda().leggi(*RsDati, colonneDati(), &rifiutate);
    EXPECT_EQ(rifiutate, QStringList{QStringLiteral("a25")});
    EXPECT_EQ(RecordScheda()[QStringLiteral("cognome")], ado::Variant("BIANCHI"));
    EXPECT_EQ(RecordScheda()[QStringLiteral("nome")], ado::Variant("ANNA"));
}
