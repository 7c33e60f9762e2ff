// The sheet list and the keys of RsDati against the file, after each of
// 1,500 random steps of the whole program on page 1 and of the others who
// write the file: another connection, and a second recordset on the
// program's own connection. Both take shortcuts that must stay sound: after
// a page's save the list reads the saved row alone, and a recordset's own
// writes keep its keys without reading them again.

#include "CartellaProva.h"
#include "Interazione.h"

#include "core/Archivio.h"
#include "core/FileDati.h"
#include "core/Globali.h"
#include "pages/page1/Form1.h"
#include "platform/db/Error.h"
#include "shell/MostraPagina.h"

#include <QAbstractItemView>
#include <QTest>
#include <QToolButton>
#include <algorithm>
#include <gtest/gtest.h>
#include <random>
#include <sqlite3.h>
#include <utility>
#include <vector>

using namespace scheda;
using prova::clic;

namespace {

// 1,500 steps in all, in three runs of 500 that ctest runs side by side
// (one run of 1,500 takes four times as long as any other test). Each run
// has a fixed seed of its own, so that a failure replays: the seed is
// printed with the step that failed.
constexpr unsigned Semi[] = {24090, 7741, 31337};
constexpr int Passi = 500;
constexpr int SchedeIniziali = 12;
// The others keep the table between these sizes (the program's own
// "Elimina" of the last sheet leaves a blank one).
constexpr int MinimoSchede = 2;
constexpr int MassimoSchede = 40;

// A row of "Dati" as the list shows it: its key and its name.
using Riga = std::pair<std::int64_t, QString>;

class PassiCasuali
    : public prova::ConProgramma
    , public ::testing::WithParamInterface<unsigned>
{
protected:
    void SetUp() override
    {
        caso_.seed(GetParam());
        avvia(SchedeIniziali);
        // A save that meets a lock fails at once, not after the usual wait.
        sqlite3_busy_timeout(ConnessioneDati->handle(), 1);
        fuori_ = connetti(p.cartella.percorso(FileVarnex), PasswordVarnex);
        altro_ = apriRecordset(QStringLiteral("Dati"), *ConnessioneDati);
        // Questions answered as a user would: the save question either way
        // (No while the test only looks), any name asked for given.
        p.dialoghi.allaDomanda = [this](const QString &) {
            const dlg::Mostrato &m = p.dialoghi.mostrati.last();
            if (m.input && p.dialoghi.testi.isEmpty())
                p.dialoghi.digita(nuovoNome());
            else if (m.titolo == TitoloSalva && p.dialoghi.risposte.isEmpty())
                p.dialoghi.rispondi(!guardando_ && tra(2) ? dlg::vbYes : dlg::vbNo);
        };
    }
    void TearDown() override
    {
        if (fuori_ && !sqlite3_get_autocommit(fuori_->handle()))
            esegui("ROLLBACK");
        altro_.reset();
        fuori_.reset();
    }

    int tra(int n) { return std::uniform_int_distribution<int>(0, n - 1)(caso_); }
    QString nuovoNome() { return QStringLiteral("N%1").arg(++nomi_); }
    void racconta(const QString &fatto) { fatti_ << fatto; }

    // --- The file as another program has it ------------------------------

    void esegui(const char *sql)
    {
        char *errore = nullptr;
        const int rc = sqlite3_exec(fuori_->handle(), sql, nullptr, nullptr, &errore);
        const QString testo = QString::fromUtf8(errore ? errore : "");
        sqlite3_free(errore);
        if (rc != SQLITE_OK)
            ADD_FAILURE() << sql << ": " << qPrintable(testo);
    }
    void esegui(const QString &sql) { esegui(sql.toUtf8().constData()); }
    std::vector<Riga> righe() const
    {
        std::vector<Riga> out;
        sqlite3_stmt *s = nullptr;
        sqlite3_prepare_v2(fuori_->handle(),
                           "SELECT id_scheda, denominazione FROM Dati ORDER BY id_scheda", -1, &s,
                           nullptr);
        while (sqlite3_step(s) == SQLITE_ROW) {
            const auto *nome = reinterpret_cast<const char *>(sqlite3_column_text(s, 1));
            out.emplace_back(sqlite3_column_int64(s, 0), nome ? QString::fromUtf8(nome) : QString());
        }
        sqlite3_finalize(s);
        return out;
    }
    std::int64_t chiaveACaso()
    {
        const auto r = righe();
        return r.empty() ? 0 : r[std::size_t(tra(int(r.size())))].first;
    }

    // --- What the user does on page 1 ------------------------------------

    Form1 *pagina1() const { return qobject_cast<Form1 *>(Form(1)); }
    int errori() const
    {
        int n = 0;
        for (const auto &m : p.dialoghi.mostrati)
            n += m.prompt.startsWith(QStringLiteral("Errore di run-time"));
        return n;
    }
    // The name box typed into, or another box, or none; then "Salva".
    void salvaPagina1(bool conNome)
    {
        if (conNome) {
            const QString nome = tra(10) ? nuovoNome() : QString();
            racconta(QStringLiteral("Salva with the name '%1'").arg(nome));
            prova::scriviSenzaUscire(campo(QStringLiteral("TXTDenom")), nome);
        } else if (tra(2)) {
            racconta(QStringLiteral("Salva with a new Cognome"));
            prova::scriviSenzaUscire(campo(QStringLiteral("TXTCognome")), nuovoNome());
        } else {
            racconta(QStringLiteral("Salva with nothing typed"));
        }
        clic(p.finestra().CMDSalva);
    }
    void salvaConNome() { salvaPagina1(true); }
    // Page 1's name box, page 2's or no box; page 1 shown again after a
    // save of page 2 reads the list as the save left it.
    void salvaSenzaNome()
    {
        if (tra(4)) {
            salvaPagina1(false);
            return;
        }
        racconta(QStringLiteral("Salva of page 2, then Pag. 1"));
        clic(p.finestra().CMDPag[2]);
        if (PaginaCorrente == 2) {
            prova::scriviSenzaUscire(campo(QStringLiteral("TXTViaSede")), nuovoNome());
            clic(p.finestra().CMDSalva);
        }
        clic(p.finestra().CMDPag[1]);
    }
    // "Salva" refused: another program holds the file (for writing, or
    // so that no one reads it either) and may write in its transaction,
    // committed or not after the failure; or its trigger refuses updates.
    void salvaFallito()
    {
        const int modo = tra(5);
        if (modo == 0) {
            racconta(QStringLiteral("another program's trigger refuses updates:"));
            esegui("CREATE TRIGGER rifiuta BEFORE UPDATE ON Dati "
                   "BEGIN SELECT RAISE(ABORT, 'rifiutato'); END");
        } else {
            const bool esclusivo = modo == 1;
            racconta(esclusivo ? QStringLiteral("another program holds the file exclusively:")
                               : QStringLiteral("another program holds the file for writing:"));
            esegui(esclusivo ? "BEGIN EXCLUSIVE" : "BEGIN IMMEDIATE");
            if (tra(2))
                scriviFuori();
        }
        const int prima = errori();
        salvaPagina1(tra(2));
        if (errori() == prima)
            nonFallito_ = true;
        if (modo == 0) {
            esegui("DROP TRIGGER rifiuta");
        } else if (tra(2)) {
            racconta(QStringLiteral("it commits"));
            esegui("COMMIT");
        } else {
            racconta(QStringLiteral("it rolls back"));
            esegui("ROLLBACK");
        }
    }
    // Another program's trigger that adds a row, or deletes one, at each
    // update of "Dati", for a few steps: the saves meanwhile change two rows
    // through the program's connection, and no commit of another connection
    // tells it (the trigger came before the list and the keys were read).
    void piantaEco()
    {
        if (passiEco_ > 0)
            return;
        passiEco_ = 2 + tra(3);
        const bool aggiunge = tra(2);
        racconta(aggiunge ? QStringLiteral("another program's trigger adds a row at each update")
                          : QStringLiteral("another program's trigger deletes the first other "
                                           "row at each update"));
        esegui(aggiunge ? "CREATE TRIGGER eco AFTER UPDATE ON Dati "
                          "BEGIN INSERT INTO Dati (denominazione) VALUES ('ECO'); END"
                        : "CREATE TRIGGER eco AFTER UPDATE ON Dati BEGIN DELETE FROM Dati WHERE "
                          "id_scheda = (SELECT min(id_scheda) FROM Dati WHERE id_scheda <> "
                          "NEW.id_scheda); END");
    }
    void togliEco()
    {
        if (passiEco_ == 0 || --passiEco_ > 0)
            return;
        racconta(QStringLiteral("the trigger is dropped"));
        esegui("DROP TRIGGER eco");
    }
    void nuovo()
    {
        const QString nome = tra(8) ? nuovoNome() : QString();
        racconta(QStringLiteral("Nuovo '%1'").arg(nome));
        p.dialoghi.digita(nome);
        clic(p.finestra().CMDNuovo);
    }
    void elimina()
    {
        const bool si = tra(6) != 0;
        racconta(QStringLiteral("Elimina of %1 answered %2")
                     .arg(IdRecord.toText(), si ? QStringLiteral("Yes") : QStringLiteral("No")));
        p.dialoghi.rispondi(si ? dlg::vbYes : dlg::vbNo);
        clic(p.finestra().CMDElimina);
    }
    // Another sheet picked in the list, so that saves fall on any row.
    void scegli()
    {
        Form1 *f = pagina1();
        const int voce = tra(f->CMBDenominazione->count());
        racconta(QStringLiteral("entry %1 of the list picked").arg(voce));
        // The list stays shut when the sheet shown has gone and saving its
        // edits into it fails.
        QTest::mouseClick(f->CMBDenominazione, Qt::LeftButton);
        if (f->CMBDenominazione->view()->isVisible())
            prova::scegliAperto(f->CMBDenominazione, voce);
        else
            racconta(QStringLiteral("the list stays shut"));
    }

    // --- What the others write -------------------------------------------

    // Another connection: a row added (named or not, sometimes at a key
    // that had gone), renamed, deleted, or another column changed; or two
    // of these in one transaction.
    void scriviFuori()
    {
        const bool inTransazione = sqlite3_get_autocommit(fuori_->handle()) == 0;
        QString sql = scritturaFuori();
        if (tra(5) == 0) {
            sql += QStringLiteral("; ") + scritturaFuori();
            if (!inTransazione)
                sql = QStringLiteral("BEGIN; %1; COMMIT").arg(sql);
        }
        racconta(QStringLiteral("another connection: ") + sql);
        esegui(sql);
    }
    QString scritturaFuori()
    {
        const auto r = righe();
        const int n = int(r.size());
        int tipo = tra(4);
        if (tipo == 2 && n <= MinimoSchede)
            tipo = 0;
        if (tipo == 0 && n >= MassimoSchede)
            tipo = 2;
        switch (tipo) {
        case 0: {
            const QString nome = tra(6) ? QStringLiteral("'%1'").arg(nuovoNome())
                                        : QStringLiteral("NULL");
            const std::int64_t chiave = n > 0 ? r.back().first - tra(3) : 1;
            const bool libera = std::none_of(r.begin(), r.end(),
                                             [&](const Riga &x) { return x.first == chiave; });
            return libera && tra(2)
                       ? QStringLiteral("INSERT INTO Dati (id_scheda, denominazione) "
                                        "VALUES (%1, %2)")
                             .arg(chiave)
                             .arg(nome)
                       : QStringLiteral("INSERT INTO Dati (denominazione) VALUES (%1)").arg(nome);
        }
        case 1:
            return QStringLiteral("UPDATE Dati SET denominazione = '%1' WHERE id_scheda = %2")
                .arg(nuovoNome())
                .arg(chiaveACaso());
        case 2:
            return QStringLiteral("DELETE FROM Dati WHERE id_scheda = %1")
                .arg(tra(4) ? chiaveACaso() : IdRecord.integer());
        default:
            return QStringLiteral("UPDATE Dati SET cognome = '%1' WHERE id_scheda = %2")
                .arg(nuovoNome())
                .arg(chiaveACaso());
        }
    }
    // A second recordset of "Dati" on the program's connection: a row
    // added, renamed or deleted through it.
    void scriviAltroRecordset()
    {
        try {
            altro_->MoveFirst();
            const long n = altro_->RecordCount();
            int tipo = tra(3);
            if (tipo == 2 && n <= MinimoSchede)
                tipo = 0;
            if (tipo == 0 && n >= MassimoSchede)
                tipo = 2;
            if (tipo == 0) {
                altro_->AddNew();
                racconta(QStringLiteral("second recordset: a row added"));
            } else {
                altro_->Move(tra(int(n)));
                racconta(
                    QStringLiteral("second recordset: row %1 %2")
                        .arg(altro_->Fields(0).Value().toText(),
                             tipo == 1 ? QStringLiteral("renamed") : QStringLiteral("deleted")));
            }
            if (tipo == 2) {
                altro_->Delete(1);
            } else {
                altro_->Fields(QStringLiteral("denominazione")).setValue(nuovoNome());
                altro_->Update();
            }
        } catch (const ado::Error &e) {
            erroreAltro_ = e.description();
        }
    }

    // --- What the test compares with the file ----------------------------

    // The first difference between what the program holds and the file,
    // empty when there is none: page 1's list as it opens, the keys and
    // names the program holds for it, the sheet it shows, RsDati's MoveLast
    // and its keys walked from MoveFirst, and the second recordset's keys.
    QString differenza()
    {
        if (nonFallito_)
            return QStringLiteral("the save refused by another program did not fail");
        if (!erroreAltro_.isEmpty())
            return QStringLiteral("the second recordset failed: ") + erroreAltro_;
        Form1 *f = pagina1();
        if (PaginaCorrente != 1 || !f || !f->isVisible())
            return QStringLiteral("page 1 is not shown (PaginaCorrente %1)").arg(PaginaCorrente);
        const auto file = righe();
        QList<ado::Variant> chiavi;
        QStringList nomi;
        for (const auto &[k, nome] : file) {
            chiavi << ado::Variant(k);
            nomi << nome;
        }
        const auto comeTesto = [](const QList<ado::Variant> &v) {
            QStringList t;
            for (const auto &x : v)
                t << x.toText();
            return t.join(QLatin1Char(' '));
        };

        guardando_ = true;
        f->CMBDenominazione->showPopup();
        guardando_ = false;
        QStringList mostrati;
        for (int i = 0; i < f->CMBDenominazione->count(); ++i)
            mostrati << f->CMBDenominazione->itemText(i);
        f->CMBDenominazione->hidePopup();
        if (mostrati != nomi)
            return QStringLiteral("the list opened shows [%1], the file holds [%2]")
                .arg(mostrati.join(QLatin1Char('|')), nomi.join(QLatin1Char('|')));
        const VociSchede voci = leggiVociSchede();
        if (voci.nomi != nomi || comeTesto(voci.chiavi) != comeTesto(chiavi))
            return QStringLiteral("the sheet list held has keys [%1], the file [%2]")
                .arg(comeTesto(voci.chiavi), comeTesto(chiavi));
        const int posto = posizioneChiave(chiavi, IdRecord);
        if (posto < 0 || f->CMBDenominazione->currentIndex() != posto)
            return QStringLiteral("the sheet shown %1 is entry %2 of the list, in the file %3")
                .arg(IdRecord.toText())
                .arg(f->CMBDenominazione->currentIndex())
                .arg(posto);

        RsDati->MoveLast();
        if (!RsDati->Fields(0).Value().looselyEquals(chiavi.last()))
            return QStringLiteral("RsDati's MoveLast is on %1, the file's last key is %2")
                .arg(RsDati->Fields(0).Value().toText(), chiavi.last().toText());
        for (auto *rs : {RsDati.get(), altro_.get()}) {
            QList<ado::Variant> lette;
            for (rs->MoveFirst(); !rs->isEOF(); rs->MoveNext())
                lette << rs->Fields(0).Value();
            if (comeTesto(lette) != comeTesto(chiavi))
                return QStringLiteral("%1 walks the keys [%2], the file holds [%3]")
                    .arg(rs == RsDati.get() ? QStringLiteral("RsDati")
                                            : QStringLiteral("the second recordset"),
                         comeTesto(lette), comeTesto(chiavi));
        }
        posizionaSuIdRecord(); // where the program keeps it
        return {};
    }

    // One thing done, drawn by weight: the user's, on page 1, or the
    // others' writes.
    void mossaACaso()
    {
        static const struct
        {
            int peso;
            void (PassiCasuali::*fai)();
        } mosse[] = {
            {6, &PassiCasuali::salvaConNome}, {4, &PassiCasuali::salvaSenzaNome},
            {2, &PassiCasuali::salvaFallito}, {1, &PassiCasuali::piantaEco},
            {2, &PassiCasuali::nuovo},        {2, &PassiCasuali::elimina},
            {1, &PassiCasuali::scegli},       {4, &PassiCasuali::scriviAltroRecordset},
            {5, &PassiCasuali::scriviFuori},
        };
        int totale = 0;
        for (const auto &m : mosse)
            totale += m.peso;
        int estratto = tra(totale);
        const auto *m = mosse;
        while (estratto >= m->peso)
            estratto -= (m++)->peso;
        (this->*(m->fai))();
    }

    std::unique_ptr<ado::Connection> fuori_;
    std::unique_ptr<ado::Recordset> altro_;
    std::mt19937 caso_;
    int nomi_ = 0;
    QStringList fatti_;
    bool guardando_ = false;
    bool nonFallito_ = false;
    int passiEco_ = 0; // steps left to the trigger, 0 when there is none
    QString erroreAltro_;
};

} // namespace

// Each step is one to three things done, and then the list and the keys
// are compared with the file: so a save meets the others' writes before
// and after it, with no look between.
TEST_P(PassiCasuali, TheSheetListAndTheKeysFollowTheFileThroughRandomSaves)
{
    QString passoPrima;
    for (int passo = 1; passo <= Passi; ++passo) {
        fatti_.clear();
        togliEco();
        if (passiEco_ > 0)
            racconta(QStringLiteral("(the trigger still in place)"));
        for (int k = 1 + tra(3); k > 0; --k)
            mossaACaso();
        const QString passoOra = fatti_.join(QStringLiteral("; "));
        const QString diversa = differenza();
        ASSERT_TRUE(diversa.isEmpty())
            << "seed " << GetParam() << ", step " << passo << " of " << Passi << " ("
            << qPrintable(passoOra) << "): " << qPrintable(diversa)
            << "\n  the step before: " << qPrintable(passoPrima);
        ASSERT_FALSE(HasFailure())
            << "seed " << GetParam() << ", step " << passo << " (" << qPrintable(passoOra) << ")";
        passoPrima = passoOra;
        p.dialoghi.risposte.clear();
        p.dialoghi.testi.clear();
        p.dialoghi.mostrati.clear();
    }
}

INSTANTIATE_TEST_SUITE_P(TreSemi, PassiCasuali, ::testing::ValuesIn(Semi));
