#pragma once
// The whole program on complete sheets, with drive A: on a temporary folder,
// and the export run from its menu item.

#include "Guasti.h"
#include "ProgrammaProva.h"
#include "SchedeProva.h"

#include "core/Archivio.h"
#include "core/FileDati.h"
#include "core/Globali.h"
#include "platform/disco/CopiaFile.h"
#include "platform/disco/Unita.h"
#include "shell/MDIForm1.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

class ProvaEsportazione : public ::testing::Test
{
protected:
    void SetUp() override { usaDisco(cartellaDisco.path()); }
    void TearDown() override
    {
        disco::GuastoSimulato = nullptr;
        qunsetenv(disco::VariabileUnitaA);
    }

    // Drive A: on this folder from now on.
    void usaDisco(const QString &cartella)
    {
        disco_ = cartella;
        qputenv(disco::VariabileUnitaA, QFile::encodeName(cartella));
    }
    // Complete sheets of variants 1..n, the last one with `nulle` left Null;
    // the program starts on the last.
    void avvia(int n = 1, const QStringList &nulle = {})
    {
        for (int v = 1; v <= n; ++v)
            prova::aggiungiSchedaCompleta(p.cartella, v, v == n ? nulle : QStringList());
        ASSERT_TRUE(p.avvia());
        p.finestra().activateWindow();
    }
    // "Esporta" > "Esporta Scheda Corrente", with the boxes of this run only.
    void esporta()
    {
        p.dialoghi.mostrati.clear();
        p.finestra().EsposrtaScheda->trigger();
    }

    QString fileEsporta() const { return p.cartella.percorso(scheda::FileEsporta); }
    QString suDisco() const { return QDir(disco_).filePath(QStringLiteral("Esporta.mdb")); }
    QList<ado::Variant> rigaEsporta() const
    {
        return prova::riga(fileEsporta(), scheda::PasswordEsporta);
    }
    QList<ado::Variant> rigaScheda(qint64 chiave) const
    {
        return prova::riga(p.cartella.percorso(scheda::FileVarnex), scheda::PasswordVarnex, chiave);
    }
    bool esportaAperto() const
    {
        return scheda::RsEsporta && scheda::RsEsporta->isOpen() && scheda::ConnessioneEsporta
               && scheda::ConnessioneEsporta->isOpen();
    }

    // The boxes shown by the last export.
    const QList<dlg::Mostrato> &mostrati() const { return p.dialoghi.mostrati; }
    static void eDomandaFloppy(const dlg::Mostrato &m)
    {
        EXPECT_EQ(m.prompt, QStringLiteral("Inserire un floppy nell'unità A: "));
        EXPECT_EQ(m.titolo, QStringLiteral("Inserire Floppy in A: "));
        EXPECT_EQ(m.stile, dlg::vbYesNo | dlg::vbExclamation);
    }
    static void eRiuscita(const dlg::Mostrato &m)
    {
        EXPECT_EQ(m.prompt, QStringLiteral("Esportazione Terminata Correttamente"));
        EXPECT_EQ(m.titolo, QStringLiteral("Esportazione"));
        EXPECT_EQ(m.stile, dlg::vbOKOnly);
    }
    // An export answered Yes at the disk question that ends in success, the
    // disk's copy the program's export file byte for byte.
    void esportaConSuccesso()
    {
        p.dialoghi.rispondi(dlg::vbYes);
        esporta();
        ASSERT_EQ(mostrati().size(), 2);
        eDomandaFloppy(mostrati()[0]);
        eRiuscita(mostrati()[1]);
        EXPECT_EQ(prova::byteDi(suDisco()), prova::byteDi(fileEsporta()));
        EXPECT_TRUE(esportaAperto());
    }

    QTemporaryDir cartellaDisco;
    ProgrammaProva p;

private:
    QString disco_;
};
