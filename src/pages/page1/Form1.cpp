#include "pages/page1/Form1.h"

#include "core/Archivio.h"
#include "core/Errori.h"
#include "core/Globali.h"
#include "core/RecordScheda.h"
#include "core/formati/Testi.h"
#include "pages/ServiziShell.h"
#include "pages/campi/Campi.h"
#include "platform/db/Recordset.h"
#include "platform/dialoghi/Dialoghi.h"

#include <QStringListModel>

namespace scheda {

namespace {

const QString PromptPrimoAvvio = QStringLiteral("Inserire la Denominazione dell'Impresa");
const QString TitoloPrimoAvvio = QStringLiteral("Inserire Record per avviare il Programma");

// The sheet list, the legal representative and section A.
std::vector<campi::Elemento> righePagina()
{
    using namespace campi;
    const Posto prima{PrimaDellaCasella};
    const Stile aDestra{.allineamento = Qt::AlignRight | Qt::AlignVCenter};

    // The rows in the order Posiziona shows the fields; `tab` gives the
    // focus order: the list, the boxes, then the option buttons.
    std::vector<Elemento> righe = {
        titolo({.testo = "ELENCO PROGETTI :", .posto = {1920, 800}, .stile = Grassetto}),
        elenco({.nome = "CMBDenominazione", .posto = {3960, 720, 3375, 315}, .tab = 0}),
        titolo({.testo = "LEGALE RAPPRESENTANTE", .posto = {3960, 1320}, .stile = Grassetto}),
        testo({.nome = "TXTCognome",
               .colonna = "cognome",
               .testo = "Cognome :",
               .posto = {1320, 1920, 2295},
               .etichetta = {360},
               .lunghezza = 50,
               .tab = 1}),
        testo({.nome = "TXTNome",
               .colonna = "nome",
               .testo = "Nome :",
               .posto = {4680, 1920, 2295},
               .etichetta = {3960},
               .lunghezza = 50,
               .tab = 2}),
        data({.nome = "TXTNato",
              .colonna = "nato",
              .testo = "Nato/a il :",
              .posto = {8040, 1920},
              .etichetta = {7320},
              .tab = 3}),
        titolo({.testo = "SCHEDA TECNICA",
                .posto = {3960, 3000},
                .stile = {.punti = 9.75, .grassetto = true, .sottolineato = true}}),
        titolo({.testo = "A) DATI RELATIVI ALL'IMPRESA", .posto = {360, 3360}, .stile = Grassetto}),
        testo({.nome = "TXTDenom",
               .colonna = "denominazione",
               .testo = "A.1) Denominazione :",
               .posto = {2040, 3720, 7575},
               .etichetta = {360},
               .lunghezza = 50,
               .tab = 4,
               .stile = Bianco}),
        cornice({.nome = "A2", .testo = "A.2) Natura giuridica", .posto = {360, 4200, 2655, 1095}}),
        opzione({.nome = "OPTGiuri1",
                 .colonna = "natura_giuridica",
                 .testo = "A) Cooperativa",
                 .posto = {600, 240},
                 .in = "A2",
                 .tab = 0}),
        opzione({.nome = "OPTGiuri2",
                 .colonna = "natura_giuridica",
                 .testo = "B) Consorzio",
                 .posto = {600, 600},
                 .in = "A2",
                 .tab = 1}),
        data({.nome = "TXTDataCost",
              .colonna = "data_costituzione",
              .testo = "A.3) Data di costituzione :",
              .posto = {2280, 5520},
              .etichetta = {360},
              .tab = 5}),
        testo({.nome = "TXTCodFisc",
               .colonna = "cod_fiscale",
               .testo = "A.4) Cod. Fiscale :",
               .posto = {2040, 5925, 1815},
               .etichetta = {360, 6000},
               .lunghezza = 16,
               .tab = 6,
               .stile = Bianco}),
        testo({.nome = "TXTIva",
               .colonna = "partita_iva",
               .testo = "A.5) P. IVA",
               .posto = {2040, 6360, 1815},
               .etichetta = {360, 6405},
               .lunghezza = 11,
               .tab = 7,
               .stile = Bianco}),
        cornice({.nome = "A6",
                 .testo = "A.6) Fatturato esercizi precedenti l'anno di apertura del Bando",
                 .posto = {360, 6960, 7455, 1215}}),
        importo({.nome = "TXTFattUlt",
                 .colonna = "fatt_ultimo",
                 .testo = "Fatturato ultimo esercizio (euro) :",
                 .posto = {2880, 360, 1335},
                 .etichetta = {120},
                 .in = "A6",
                 .tab = 8}),
        importo({.nome = "TXTFattPen",
                 .colonna = "fatt_penultimo",
                 .testo = "Fatturato penultimo esercizio (euro) :",
                 .posto = {2880, 840, 1335},
                 .etichetta = {120},
                 .in = "A6",
                 .tab = 10}),
        anno({.nome = "TXTEserUltimo",
              .colonna = "eser_ultimo",
              .testo = "Esercizio di riferimento :",
              .posto = {6360, 360, 855},
              .etichetta = prima,
              .in = "A6",
              .lunghezza = 4,
              .tab = 9,
              .stile = aDestra}),
        anno({.nome = "TXTEserPenultimo",
              .colonna = "eser_penultimo",
              .testo = "Esercizio di riferimento :",
              .posto = {6360, 840, 855},
              .etichetta = prima,
              .in = "A6",
              .lunghezza = 4,
              .tab = 11,
              .stile = aDestra}),
        cornice({.nome = "A7", .testo = "A.7) Capitale sociale", .posto = {360, 8400, 5775, 615}}),
        importo({.nome = "TXTCapSociale",
                 .colonna = "capitale_sociale",
                 .testo = "Capitale sociale :",
                 .posto = {1680, 240, 1215},
                 .etichetta = {120},
                 .in = "A7",
                 .tab = 12}),
        importo({.nome = "TXTCapVersato",
                 .colonna = "capitale_versato",
                 .testo = "Di cui versato :",
                 .posto = {4440, 240, 1215},
                 .etichetta = prima,
                 .in = "A7",
                 .tab = 13}),
    };

    // A.8 to A.10: the registrations, each with place, number and date.
    struct Iscrizione
    {
        const char *cornice, *titolo;
        int top, altezza, riga;
        const char *etichettaLuogo, *luogo, *colonnaLuogo, *etichettaNumero, *numero,
            *colonnaNumero, *etichettaData, *data, *colonnaData;
    };
    const Iscrizione iscrizioni[] = {
        {"A8", "A.8) Iscrizione CCIAA", 9240, 615, 240, "Iscrizione CCIAA di :", "TXTIscrImpr",
         "iscr_reg_imp", "N. REA :", "TXTNumRea", "num_rea", "Data :", "TXTDataIscr", "data_iscr"},
        {"A9", "A.9) Iscrizione Albo Artigiani", 10080, 735, 300,
         "Iscr. Albo Artigiani di :", "TXTIscrArt", "iscr_art", "n :", "TXTNumArt", "num_art",
         "Data:", "TXTDataArt", "data_art"},
        {"A10", "A.10) Iscrizione Registro Prefettizio", 11040, 1455, 300,
         "Isc. Reg. Prefettiz. di :", "TXTIscrPref", "iscr_pref", "n :", "TXTNumPref", "num_pref",
         "Data:", "TXTDataPref", "data_pref"},
    };
    int tab = tabSeguente(righe);
    for (const Iscrizione &i : iscrizioni) {
        righe.push_back(cornice(
            {.nome = i.cornice, .testo = i.titolo, .posto = {360, i.top, 7455, i.altezza}}));
        righe.push_back(testo({.nome = i.luogo,
                               .colonna = i.colonnaLuogo,
                               .testo = i.etichettaLuogo,
                               .posto = {1920, i.riga, 1095},
                               .etichetta = {120},
                               .in = i.cornice,
                               .lunghezza = 50,
                               .tab = tab++}));
        righe.push_back(testo({.nome = i.numero,
                               .colonna = i.colonnaNumero,
                               .testo = i.etichettaNumero,
                               .posto = {4080, i.riga, 855},
                               .etichetta = prima,
                               .in = i.cornice,
                               .lunghezza = 50,
                               .tab = tab++}));
        righe.push_back(data({.nome = i.data,
                              .colonna = i.colonnaData,
                              .testo = i.etichettaData,
                              .posto = {6000, i.riga},
                              .etichetta = prima,
                              .in = i.cornice,
                              .tab = tab++}));
    }
    const Elemento resto[] = {
        opzione({.nome = "OPTSezPref1",
                 .colonna = "sez_pref",
                 .testo = "Sezione \"Coopereative di produzione e lavoro\"",
                 .posto = {1920, 720},
                 .in = "A10",
                 .tab = 2}),
        opzione({.nome = "OPTSezPref2",
                 .colonna = "sez_pref",
                 .testo = "Sezione \"Cooperative sociali\"",
                 .posto = {1920, 1080},
                 .in = "A10",
                 .tab = 3}),
        cornice({.nome = "A11",
                 .testo = "A.11) Iscrizione Albo Cooperative Ministero Attività Produttive",
                 .posto = {360, 12720, 5895, 1575}}),
        testo({.nome = "TXTNumMini",
               .colonna = "num_mini",
               .testo = "n :",
               .posto = {960, 360, 1095},
               .etichetta = prima,
               .in = "A11",
               .tab = tab}),
        data({.nome = "TXTDataMini",
              .colonna = "data_mini",
              .testo = "Data :",
              .posto = {3600, 360},
              .etichetta = prima,
              .in = "A11",
              .tab = tab + 1}),
        opzione({.nome = "OPTCategoriaMini1",
                 .colonna = "categoria_mini",
                 .testo = "Categoria \"Cooperative di produzione e lavoro",
                 .posto = {1920, 840},
                 .in = "A11",
                 .tab = 4}),
        opzione({.nome = "OPTCategoriaMini2",
                 .colonna = "categoria_mini",
                 .testo = "Categoria \"Cooperative sociali\"",
                 .posto = {1920, 1200},
                 .in = "A11",
                 .tab = 5}),
    };
    righe.insert(righe.end(), std::begin(resto), std::end(resto));
    return righe;
}

} // namespace

DatiPagina pagina1()
{
    return {.numero = 1, .righe = righePagina(), .conCaricamento = true};
}

Form1::Form1(const DatiPagina &dati, QWidget *parent)
    : PaginaScheda(dati, parent)
    , CMBDenominazione(elenchi().front())
{
    connect(CMBDenominazione, &QComboBox::activated, this, [this](int indice) {
        eseguiComando([this, indice] { CMBDenominazione_Click(indice); });
    });
    CMBDenominazione->primaDiAprire = [this] { aggiornaElenco(); };
}

namespace {

// The entries from what was read: one per sheet, in the order of RsDati.
// The names go in as one list (thousands of sheets, no item each).
void mostraVoci(QComboBox &elenco, QList<ado::Variant> &chiavi, VociSchede &&voci)
{
    auto *nomi = qobject_cast<QStringListModel *>(elenco.model());
    if (!nomi) {
        nomi = new QStringListModel(&elenco);
        elenco.setModel(nomi);
    }
    nomi->setStringList(voci.nomi);
    chiavi = std::move(voci.chiavi);
}

} // namespace

void Form1::riempiElenco()
{
    mostraVoci(*CMBDenominazione, chiavi_, leggiVociSchede());
}

void Form1::aggiornaElenco()
{
    VociSchede voci = leggiVociSchede();
    bool uguale = voci.chiavi.size() == chiavi_.size();
    for (int i = 0; uguale && i < chiavi_.size(); ++i)
        uguale = voci.chiavi[i].looselyEquals(chiavi_[i])
                 && voci.nomi[i] == CMBDenominazione->itemText(i);
    if (uguale)
        return;
    const int mostrata = posizioneChiave(voci.chiavi, IdRecord);
    if (mostrata < 0) {
        // The sheet shown has gone: its edits are offered for saving first
        // (a save that fails stops here, the list shut and the page as it
        // is); then the last sheet takes its place, with a message.
        serviziShell().offriSalvataggio();
        PaginaModificata = 0;
        mostraVoci(*CMBDenominazione, chiavi_, std::move(voci));
        IndiceProgetto = std::int16_t(cercaIdRecord());
        Carica();
        Posiziona();
        return;
    }
    mostraVoci(*CMBDenominazione, chiavi_, std::move(voci));
    IndiceProgetto = std::int16_t(mostrata);
    CMBDenominazione->setCurrentIndex(IndiceProgetto);
}

void Form1::Form_Load()
{
    riempiElenco();
    IndiceProgetto = std::int16_t(cercaIdRecord());
    PaginaModificata = 0;
    Carica();
    Posiziona();
    serviziShell().mostraAlPosto(this);

    // First run: the first row of the table has no name yet.
    Valore = testoDenominazione(RsDati->Fields(QStringLiteral("denominazione")).Value());
    if (IndiceProgetto != 0 || !Valore.isEmpty())
        return;
    Messaggio = PromptPrimoAvvio;
    Valore = dlg::InputBox(Messaggio, TitoloPrimoAvvio);
    if (Valore.isEmpty()) {
        ChiudiProgramma();
        return; // the program has ended
    }
    scriviRiga([] {
        RsDati->Fields(QStringLiteral("denominazione")).setValue(ado::Variant(nomeScheda(Valore)));
        RsDati->Update();
    });
    PaginaModificata = 0;
    PaginaCorrente = 1;
    // Closed and opened again: the load runs anew, now with a name.
    serviziShell().riapri(this);
}

void Form1::Posiziona()
{
    if (IndiceProgetto >= 0 && IndiceProgetto < CMBDenominazione->count())
        CMBDenominazione->setCurrentIndex(IndiceProgetto);
    PaginaScheda::Posiziona();
}

void Form1::Salva()
{
    PaginaScheda::Salva();
    // The list shows the name just saved (the keys are read, not copied:
    // the list shares them with the last sheet list read).
    if (const int k = posizioneChiave(chiavi_, IdRecord); k >= 0)
        CMBDenominazione->setItemText(k, RecordScheda()[QStringLiteral("denominazione")].toText());
}

void Form1::CMBDenominazione_Click(int indice)
{
    IndiceLista = indice;
    if (IndiceLista == IndiceProgetto)
        return;
    // Unsaved edits are offered for saving into the sheet being left first.
    // The flag belongs to the page shown: that is what a Yes saves.
    if (!eseguiComando([] { serviziShell().offriSalvataggio(); })) {
        CMBDenominazione->setCurrentIndex(IndiceProgetto);
        return;
    }
    PaginaModificata = 0;
    const ado::Variant lasciata = IdRecord;
    IndiceProgetto = std::int16_t(IndiceLista);
    try {
        ComboDenominazione();
    } catch (...) {
        // The sheet picked cannot be read: its load left the sheet in memory
        // as it was, so the sheet shown stays the current one as it stands
        // on screen, nothing read again; its entry is chosen again and the
        // cursor put back on its row by the keys (a save finds the row
        // itself, should that fail too). The first failure is the one told.
        IdRecord = lasciata;
        IndiceProgetto = std::int16_t(posizioneChiave(chiavi_, IdRecord));
        if (IndiceProgetto >= 0)
            CMBDenominazione->setCurrentIndex(IndiceProgetto);
        try {
            posizionaSuIdRecord();
        } catch (...) {
        }
        throw;
    }
}

void Form1::ComboDenominazione()
{
    RsDati->MoveFirst();
    for (int i = 0; i < IndiceLista && !RsDati->isEOF(); ++i)
        RsDati->MoveNext();
    const bool allineato = !RsDati->isEOF() && IndiceLista >= 0 && IndiceLista < chiavi_.size()
                           && RsDati->Fields(0).Value().looselyEquals(chiavi_[IndiceLista]);
    if (!allineato) {
        // The table changed since the list was made: the list is made again
        // and the sheet picked is found by its key, if it is still there.
        const ado::Variant scelta = chiavi_.value(IndiceLista);
        riempiElenco();
        const int trovato = posizioneChiave(chiavi_, scelta);
        if (trovato < 0) {
            // The sheet picked has gone: the sheet shown is shown again as
            // stored (the question has been answered), or, when it has gone
            // too, the last sheet with a message; never the old values
            // under another sheet's key.
            IndiceProgetto = std::int16_t(cercaIdRecord());
            Carica();
            Posiziona();
            return;
        }
        IndiceLista = trovato;
        IndiceProgetto = std::int16_t(trovato);
        RsDati->MoveFirst();
        RsDati->Move(trovato);
    }
    IdRecord = RsDati->Fields(0).Value();
    Carica();
    Posiziona();
}

} // namespace scheda
