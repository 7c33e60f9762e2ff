#include "ProgrammaProva.h"

#include "core/Archivio.h"
#include "core/FileDati.h"
#include "core/Globali.h"
#include "core/RecordScheda.h"
#include "platform/db/Connection.h"
#include "platform/db/Recordset.h"
#include "shell/MostraPagina.h"
#include "shell/Uscita.h"

#include <QApplication>
#include <QTest>
#include <QToolButton>

namespace {

void azzeraStato()
{
    using namespace scheda;
    IdRecord = ado::Variant();
    PaginaCorrente = 0;
    PaginaModificata = 0;
    Ricarica = 0;
    TabellaVuota = 0;
    RispostaSalva = RispostaElimina = 0;
    Messaggio.clear();
    Valore.clear();
    FileHelp.clear();
    Caricamento = 0;
    ValoreNumero = 0;
    ValoreData = ado::Variant();
    TestoMaiuscolo.clear();
    ValoreOpzione = 0;
    IndiceLista = 0;
    NomeControllo.clear();
    RecordScheda().azzera();
}

} // namespace

ProgrammaProva::ProgrammaProva(bool conFile)
    : cartella(conFile)
{
    azzeraStato();
    scheda::CartellaProgramma = cartella.cartella();
    scheda::finisciProcesso = [this](int stato) {
        if (!uscita)
            uscita = stato;
    };
}

ProgrammaProva::~ProgrammaProva()
{
    for (int n = 1; n <= 6; ++n)
        scheda::chiudiForm(n);
    scheda::chiudiArchivio();
    finestra_.reset();
    QApplication::processEvents();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    scheda::finisciProcesso = nullptr;
    azzeraStato();
}

ProgrammaProva &ProgrammaProva::conSchede(int n)
{
    if (n > 0)
        cartella.aggiungiSchede(n);
    return *this;
}

bool ProgrammaProva::avvia()
{
    finestra_ = std::make_unique<scheda::MDIForm1>();
    return finestra_->MDIForm_Load();
}

bool ProgrammaProva::attiva()
{
    finestra_->activateWindow();
    return QTest::qWaitForWindowActive(finestra_.get());
}

bool ProgrammaProva::apriPagina(int n)
{
    QTest::mouseClick(finestra_->CMDPag[n], Qt::LeftButton);
    return scheda::PaginaCorrente == n;
}

bool ProgrammaProva::avviaSuPagina(int n)
{
    return avvia() && attiva() && apriPagina(n);
}

namespace {

template<typename F>
auto leggiDati(const CartellaProva &cartella, F leggi)
{
    return suDati(cartella.percorso(scheda::FileVarnex), scheda::PasswordVarnex, leggi);
}

} // namespace

ado::Variant ProgrammaProva::valoreSalvato(const ado::Variant &key, const QString &colonna) const
{
    return leggiDati(cartella, [&](ado::Recordset &rs) {
        return vaiAllaChiave(rs, key) ? rs.Fields(colonna).Value() : ado::Variant();
    });
}

QList<qint64> ProgrammaProva::chiavi() const
{
    return leggiDati(cartella, [](ado::Recordset &rs) {
        QList<qint64> k;
        if (rs.RecordCount() > 0)
            for (rs.MoveFirst(); !rs.isEOF(); rs.MoveNext())
                k << rs.Fields(0).Value().integer();
        return k;
    });
}
