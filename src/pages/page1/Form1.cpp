#include "pages/page1/Form1.h"

#include "core/RecordScheda.h"
#include "pages/campi/Campi.h"
#include "platform/db/Recordset.h"
#include "platform/dialoghi/Dialoghi.h"
#include "core/Archivio.h"
#include "core/Errori.h"
#include "core/Globali.h"
#include "pages/ServiziShell.h"

#include <QStringListModel>

namespace scheda {

using campi::Famiglia;

namespace {

const QString PromptPrimoAvvio = QStringLiteral("Inserire la Denominazione dell'Impresa");
const QString TitoloPrimoAvvio = QStringLiteral("Inserire Record per avviare il Programma");

QString testoDenominazione(const ado::Variant &v)
{
    return v.isNull() ? QString() : v.toText();
}

} // namespace

Form1::Form1(QWidget *parent) : PaginaScheda(1, parent)
{
    conCaricamento = true;
    costruisci();
}

void Form1::costruisci()
{
    using namespace campi;
    const Stile grassetto{.grassetto = true};
    const Stile bianco{.sfondo = 0x00FFFFFF};
    const Posto prima{PrimaDellaCasella};
    const auto testo = [](const char *box, const char *colonna, const char *label, Posto posto, Posto etichetta,
                          int limite, int tab, Stile stile = {}) {
        return Elemento{.nome = box, .colonna = colonna, .testo = label, .posto = posto, .etichetta = etichetta,
                        .lunghezza = limite, .tab = tab, .stile = stile};
    };
    const auto data = [](const char *box, const char *colonna, const char *label, Posto posto, Posto etichetta,
                         int tab) {
        return Elemento{.nome = box, .famiglia = Famiglia::Data, .colonna = colonna, .testo = label, .posto = posto,
                        .etichetta = etichetta, .tab = tab};
    };
    const auto importo = [](const char *box, const char *colonna, const char *label, Posto posto, Posto etichetta,
                            const char *in, int tab) {
        return Elemento{.nome = box, .famiglia = Famiglia::Intero, .colonna = colonna, .testo = label, .posto = posto,
                        .etichetta = etichetta, .in = in, .tab = tab};
    };
    const auto anno = [&](const char *box, const char *colonna, int top, int tab) {
        return Elemento{.nome = box, .famiglia = Famiglia::Anno, .colonna = colonna,
                        .testo = "Esercizio di riferimento :", .posto = {6360, top, 855}, .etichetta = prima,
                        .in = "A6", .lunghezza = 4, .tab = tab,
                        .stile = {.allineamento = Qt::AlignRight | Qt::AlignVCenter}};
    };
    const auto opzione = [](const char *nome, const char *colonna, const char *caption, Posto posto, const char *in,
                            int tab) {
        return Elemento{.genere = Genere::Opzione, .nome = nome, .colonna = colonna, .testo = caption,
                        .posto = posto, .in = in, .tab = tab};
    };
    const auto titolo = [](const char *caption, Posto posto, Stile stile) {
        return Elemento{.genere = Genere::Etichetta, .testo = caption, .posto = posto, .stile = stile};
    };
    const auto cornice = [](const char *nome, const char *caption, Posto posto) {
        return Elemento{.genere = Genere::Cornice, .nome = nome, .testo = caption, .posto = posto};
    };

    // The rows in the order Posiziona shows the fields; `tab` gives the
    // focus order: the list, the boxes, then the option buttons.
    std::vector<Elemento> righe = {
        titolo("ELENCO PROGETTI :", {1920, 800}, grassetto),
        {.genere = Genere::Elenco, .nome = "CMBDenominazione", .posto = {3960, 720, 3375, 315}, .tab = 0},
        titolo("LEGALE RAPPRESENTANTE", {3960, 1320}, grassetto),
        testo("TXTCognome", "cognome", "Cognome :", {1320, 1920, 2295}, {360}, 50, 1),
        testo("TXTNome", "nome", "Nome :", {4680, 1920, 2295}, {3960}, 50, 2),
        data("TXTNato", "nato", "Nato/a il :", {8040, 1920}, {7320}, 3),
        titolo("SCHEDA TECNICA", {3960, 3000}, {.punti = 9.75, .grassetto = true, .sottolineato = true}),
        titolo("A) DATI RELATIVI ALL'IMPRESA", {360, 3360}, grassetto),
        testo("TXTDenom", "denominazione", "A.1) Denominazione :", {2040, 3720, 7575}, {360}, 50, 4, bianco),
        cornice("A2", "A.2) Natura giuridica", {360, 4200, 2655, 1095}),
        opzione("OPTGiuri1", "natura_giuridica", "A) Cooperativa", {600, 240}, "A2", 25),
        opzione("OPTGiuri2", "natura_giuridica", "B) Consorzio", {600, 600}, "A2", 26),
        data("TXTDataCost", "data_costituzione", "A.3) Data di costituzione :", {2280, 5520}, {360}, 5),
        testo("TXTCodFisc", "cod_fiscale", "A.4) Cod. Fiscale :", {2040, 5925, 1815}, {360, 6000}, 16, 6, bianco),
        testo("TXTIva", "partita_iva", "A.5) P. IVA", {2040, 6360, 1815}, {360, 6405}, 11, 7, bianco),
        cornice("A6", "A.6) Fatturato esercizi precedenti l'anno di apertura del Bando", {360, 6960, 7455, 1215}),
        importo("TXTFattUlt", "fatt_ultimo", "Fatturato ultimo esercizio (euro) :", {2880, 360, 1335}, {120}, "A6", 8),
        importo("TXTFattPen", "fatt_penultimo", "Fatturato penultimo esercizio (euro) :", {2880, 840, 1335}, {120},
                "A6", 10),
        anno("TXTEserUltimo", "eser_ultimo", 360, 9),
        anno("TXTEserPenultimo", "eser_penultimo", 840, 11),
        cornice("A7", "A.7) Capitale sociale", {360, 8400, 5775, 615}),
        importo("TXTCapSociale", "capitale_sociale", "Capitale sociale :", {1680, 240, 1215}, {120}, "A7", 12),
        importo("TXTCapVersato", "capitale_versato", "Di cui versato :", {4440, 240, 1215}, prima, "A7", 13),
    };

    // A.8 to A.10: the registrations, each with place, number and date.
    struct Iscrizione {
        const char *cornice, *titolo;
        int top, altezza, riga;
        const char *etichettaLuogo, *luogo, *colonnaLuogo, *etichettaNumero, *numero, *colonnaNumero,
            *etichettaData, *data, *colonnaData;
    };
    const Iscrizione iscrizioni[] = {
        {"A8", "A.8) Iscrizione CCIAA", 9240, 615, 240, "Iscrizione CCIAA di :", "TXTIscrImpr", "iscr_reg_imp",
         "N. REA :", "TXTNumRea", "num_rea", "Data :", "TXTDataIscr", "data_iscr"},
        {"A9", "A.9) Iscrizione Albo Artigiani", 10080, 735, 300, "Iscr. Albo Artigiani di :", "TXTIscrArt",
         "iscr_art", "n :", "TXTNumArt", "num_art", "Data:", "TXTDataArt", "data_art"},
        {"A10", "A.10) Iscrizione Registro Prefettizio", 11040, 1455, 300, "Isc. Reg. Prefettiz. di :", "TXTIscrPref",
         "iscr_pref", "n :", "TXTNumPref", "num_pref", "Data:", "TXTDataPref", "data_pref"},
    };
    const auto dentro = [](Elemento e, const char *in) {
        e.in = in;
        return e;
    };
    int tab = 14;
    for (const Iscrizione &i : iscrizioni) {
        righe.push_back(cornice(i.cornice, i.titolo, {360, i.top, 7455, i.altezza}));
        righe.push_back(
            dentro(testo(i.luogo, i.colonnaLuogo, i.etichettaLuogo, {1920, i.riga, 1095}, {120}, 50, tab++), i.cornice));
        righe.push_back(dentro(testo(i.numero, i.colonnaNumero, i.etichettaNumero, {4080, i.riga, 855}, prima, 50, tab++),
                               i.cornice));
        righe.push_back(dentro(data(i.data, i.colonnaData, i.etichettaData, {6000, i.riga}, prima, tab++), i.cornice));
    }
    const Elemento resto[] = {
        opzione("OPTSezPref1", "sez_pref", "Sezione \"Coopereative di produzione e lavoro\"", {1920, 720}, "A10", 27),
        opzione("OPTSezPref2", "sez_pref", "Sezione \"Cooperative sociali\"", {1920, 1080}, "A10", 28),
        cornice("A11", "A.11) Iscrizione Albo Cooperative Ministero Attività Produttive", {360, 12720, 5895, 1575}),
        {.nome = "TXTNumMini", .colonna = "num_mini", .testo = "n :", .posto = {960, 360, 1095}, .etichetta = prima,
         .in = "A11", .tab = 23},
        {.nome = "TXTDataMini", .famiglia = Famiglia::Data, .colonna = "data_mini", .testo = "Data :",
         .posto = {3600, 360}, .etichetta = prima, .in = "A11", .tab = 24},
        opzione("OPTCategoriaMini1", "categoria_mini", "Categoria \"Cooperative di produzione e lavoro", {1920, 840},
                "A11", 29),
        opzione("OPTCategoriaMini2", "categoria_mini", "Categoria \"Cooperative sociali\"", {1920, 1200}, "A11", 30),
    };
    righe.insert(righe.end(), std::begin(resto), std::end(resto));
    disponi(righe);

    CMBDenominazione = findChild<ComboScheda *>(QStringLiteral("CMBDenominazione"));
    connect(CMBDenominazione, &QComboBox::activated, this,
            [this](int indice) { eseguiComando([this, indice] { CMBDenominazione_Click(indice); }); });
    CMBDenominazione->primaDiAprire = [this] { aggiornaElenco(); };
}

namespace {

// Place of a key in the list's keys, -1 when it is not there.
int posizioneChiave(const QList<ado::Variant> &chiavi, const ado::Variant &chiave)
{
    for (int k = 0; k < chiavi.size(); ++k)
        if (chiavi[k].looselyEquals(chiave))
            return k;
    return -1;
}

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
        uguale = voci.chiavi[i].looselyEquals(chiavi_[i]) && voci.nomi[i] == CMBDenominazione->itemText(i);
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
        RsDati->Fields(QStringLiteral("denominazione")).setValue(ado::Variant(campi::nomeScheda(Valore)));
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
    IndiceProgetto = std::int16_t(IndiceLista);
    ComboDenominazione();
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

PaginaScheda *creaForm1(QWidget *parent)
{
    return new Form1(parent);
}

} // namespace scheda
