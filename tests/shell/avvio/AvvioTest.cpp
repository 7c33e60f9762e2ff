// Start-up on real files: the first sheet, the last row, the fatal cases.

#include "Guasti.h"
#include "Interazione.h"

#include "core/Archivio.h"
#include "core/FileDati.h"
#include "core/Globali.h"
#include "pages/PaginaScheda.h"
#include "platform/ui/Twips.h"
#include "shell/MostraPagina.h"

#include <QDir>
#include <QFile>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace scheda;

using prova::coloreDi;
using prova::soloPaginaGialla;

TEST(Avvio, EmptyTableGetsOneBlankSheet)
{
    ProgrammaProva p;
    p.dialoghi.digita(QStringLiteral("coop prima")); // the first-run name, where page 1 asks it
    ASSERT_TRUE(p.avvia());
    const auto chiavi = p.chiavi();
    ASSERT_EQ(chiavi.size(), 1);
    EXPECT_EQ(IdRecord.integer(), chiavi.front());
    EXPECT_EQ(PaginaCorrente, 1);
    EXPECT_EQ(PaginaModificata, 0);
    EXPECT_EQ(Ricarica, 0);
    EXPECT_EQ(TabellaVuota, 0);
    EXPECT_TRUE(RsDati->Fields(0).Value().looselyEquals(IdRecord));
    soloPaginaGialla(p.finestra(), 1);
    ASSERT_NE(Form(1), nullptr);
    for (int n = 2; n <= 6; ++n)
        EXPECT_EQ(Form(n), nullptr);
}

TEST(Avvio, FilledTableStartsOnItsLastRowAndAddsNothing)
{
    ProgrammaProva p;
    p.cartella.aggiungiSchede(3);
    ASSERT_TRUE(p.avvia());
    EXPECT_EQ(p.chiavi(), (QList<qint64>{1, 2, 3}));
    EXPECT_EQ(IdRecord.integer(), 3);
    EXPECT_TRUE(Form(1)->windowTitle().startsWith(QStringLiteral("Pagina 1 - SCHEDA 3")));
    EXPECT_TRUE(p.dialoghi.mostrati.isEmpty());
}

TEST(Avvio, AMissingOrBrokenFileEndsTheProgramNamingIt)
{
    namespace err = ado::err;
    struct Caso
    {
        const char *nome;
        std::function<void(CartellaProva &)> guasta;
        QString file; // named in the message
        long numero;
        bool mancante = false;
        QString bloccatoCon = {}; // the password of the file another program holds locked
        int letturaGuasta = 0;    // the read of the file that the disk fails, counted from start-up
    };
    const Caso casi[] = {
        {"missing main file", [](CartellaProva &c) { QFile::remove(c.percorso(FileVarnex)); },
         FileVarnex, err::FileNotFound, true},
        {"missing reference file",
         [](CartellaProva &c) { QFile::remove(c.percorso(FileIdentifica)); }, FileIdentifica,
         err::FileNotFound, true},
        {"missing export file", [](CartellaProva &c) { QFile::remove(c.percorso(FileEsporta)); },
         FileEsporta, err::FileNotFound, true},
        {"wrong password",
         [](CartellaProva &c) {
             c.esegui(FileVarnex, PasswordVarnex, QStringLiteral("PRAGMA rekey = 'altra'"));
         },
         FileVarnex, err::BadPassword},
        {"missing table",
         [](CartellaProva &c) {
             c.esegui(FileEsporta, PasswordEsporta, QStringLiteral("DROP TABLE Dati"));
         },
         FileEsporta, err::NoSuchTable},
        {"missing reference table",
         [](CartellaProva &c) {
             c.esegui(FileIdentifica, PasswordIdentifica, QStringLiteral("DROP TABLE comune"));
         },
         FileIdentifica, err::SqlFailed},
        {"damaged main file",
         [](CartellaProva &c) {
             c.aggiungiSchede(3);
             prova::rovinaDati(c);
         },
         FileVarnex, err::FileDamaged},
        {"damaged first page of the reference file",
         [](CartellaProva &c) { prova::sovrascriviPagina(c.percorso(FileIdentifica), 1); },
         FileIdentifica, err::BadPassword},
        {"export file locked by another program", [](CartellaProva &) {}, FileEsporta,
         err::FileLocked, false, PasswordEsporta},
        {"a folder in the place of the main file",
         [](CartellaProva &c) {
             QFile::remove(c.percorso(FileVarnex));
             QDir().mkdir(c.percorso(FileVarnex));
         },
         FileVarnex, err::NotAFile},
        {"a folder in the place of the reference file",
         [](CartellaProva &c) {
             QFile::remove(c.percorso(FileIdentifica));
             QDir().mkdir(c.percorso(FileIdentifica));
         },
         FileIdentifica, err::NotAFile},
        // The read of the key's salt, which the engine would take for a wrong key.
        {"the disk failing while the main file opens",
         [](CartellaProva &) {},
         FileVarnex,
         err::ReadFailed,
         false,
         {},
         2},
        {"the disk failing while the reference file opens",
         [](CartellaProva &) {},
         FileIdentifica,
         err::ReadFailed,
         false,
         {},
         2},
    };
    for (const Caso &caso : casi) {
        SCOPED_TRACE(caso.nome);
        ProgrammaProva p;
        caso.guasta(p.cartella);
        std::unique_ptr<prova::BloccoFile> blocco;
        if (!caso.bloccatoCon.isEmpty())
            blocco = std::make_unique<prova::BloccoFile>(p.cartella.percorso(caso.file),
                                                         caso.bloccatoCon);
        std::unique_ptr<prova::LetturaGuasta> lettura;
        if (caso.letturaGuasta)
            lettura = std::make_unique<prova::LetturaGuasta>(p.cartella.percorso(caso.file),
                                                             caso.letturaGuasta);
        const QByteArray prima = prova::byteDi(p.cartella.percorso(caso.file));
        EXPECT_FALSE(p.avvia());
        blocco.reset();
        lettura.reset();
        EXPECT_TRUE(prova::byteDi(p.cartella.percorso(caso.file)) == prima)
            << "the file was changed";
        ASSERT_EQ(p.uscita, std::optional<int>(1));
        ASSERT_EQ(p.dialoghi.mostrati.size(), 1);
        const auto &box = p.dialoghi.mostrati.front();
        EXPECT_TRUE(box.prompt.startsWith(QStringLiteral("Errore di run-time '%1':").arg(caso.numero)))
            << box.prompt.toStdString();
        EXPECT_TRUE(box.prompt.contains(caso.file)) << box.prompt.toStdString();
        EXPECT_EQ(box.stile & dlg::vbCritical, dlg::vbCritical);
        EXPECT_EQ(RsDati, nullptr);
        EXPECT_EQ(ConnessioneDati, nullptr);
        // The program creates no file in place of a missing one.
        if (caso.mancante)
            EXPECT_FALSE(QFile::exists(p.cartella.percorso(caso.file)));
    }
}

TEST(Avvio, ADamagedMainFileIsReportedAtEveryStartAndNeverWritten)
{
    CartellaProva cartella;
    cartella.aggiungiSchede(3);
    prova::rovinaDati(cartella); // the page of the rows of "Dati" overwritten
    const QString file = cartella.percorso(FileVarnex);
    const QByteArray guasto = prova::byteDi(file);
    for (int avvio = 1; avvio <= 5; ++avvio) {
        SCOPED_TRACE(avvio);
        ProgrammaProva p(false);
        CartellaProgramma = cartella.cartella();
        EXPECT_FALSE(p.avvia());
        EXPECT_EQ(p.uscita, std::optional<int>(1));
        ASSERT_EQ(p.dialoghi.mostrati.size(), 1);
        EXPECT_EQ(p.dialoghi.mostrati.front().prompt.toStdString(),
                  QStringLiteral("Errore di run-time '3049':\n\nImpossibile leggere il file '%1': "
                                 "il file è danneggiato.")
                      .arg(file)
                      .toStdString());
        EXPECT_EQ(p.dialoghi.mostrati.front().stile & dlg::vbCritical, dlg::vbCritical);
        EXPECT_TRUE(prova::byteDi(file) == guasto) << "the damaged file was written";
        EXPECT_FALSE(QFile::exists(file + QStringLiteral("-journal")));
    }
}
