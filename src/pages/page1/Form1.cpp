#include "pages/page1/Form1.h"

#include "core/RecordScheda.h"
#include "pages/campi/Campi.h"
#include "pages/campi/Disposizione.h"
#include "platform/db/Recordset.h"
#include "platform/dialoghi/Dialoghi.h"
#include "platform/maschera/MaskEdBox.h"
#include "platform/ui/Twips.h"
#include "core/Archivio.h"
#include "core/Errori.h"
#include "core/Globali.h"
#include "pages/ServiziShell.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace scheda {

using campi::Famiglia;
using campi::Legame;

namespace {

const QString PromptPrimoAvvio = QStringLiteral("Inserire la Denominazione dell'Impresa");
const QString TitoloPrimoAvvio = QStringLiteral("Inserire Record per avviare il Programma");

QString testoDenominazione(const ado::Variant &v)
{
    return v.isNull() ? QString() : v.toText();
}

} // namespace

void ElencoSchede::showPopup()
{
    if (primaDiAprire)
        primaDiAprire();
    QComboBox::showPopup();
}

Form1::Form1(QWidget *parent) : PaginaScheda(1, parent)
{
    conCaricamento = true;
    costruisci();
}

void Form1::costruisci()
{
    using namespace campi;
    setFont(carattere());
    const QFont grassetto = carattere(QStringLiteral("MS Sans Serif"), 8.25, true);

    // Heading lines.
    auto *titoloElenco = etichetta(this, QStringLiteral("ELENCO PROGETTI :"), 1920, 800);
    titoloElenco->setFont(grassetto);
    titoloElenco->adjustSize();
    CMBDenominazione = new ElencoSchede(this);
    CMBDenominazione->setObjectName(QStringLiteral("CMBDenominazione"));
    CMBDenominazione->setEditable(false);
    CMBDenominazione->setGeometry(ui::rettangolo(3960, 720, 3375, 315));
    auto *legale = etichetta(this, QStringLiteral("LEGALE RAPPRESENTANTE"), 3960, 1320);
    legale->setFont(grassetto);
    legale->adjustSize();
    etichetta(this, QStringLiteral("Cognome :"), 360, 1920);
    casella(this, QStringLiteral("TXTCognome"), 1320, 1920, 2295);
    etichetta(this, QStringLiteral("Nome :"), 3960, 1920);
    casella(this, QStringLiteral("TXTNome"), 4680, 1920, 2295);
    etichetta(this, QStringLiteral("Nato/a il :"), 7320, 1920);
    casellaData(this, QStringLiteral("TXTNato"), 8040, 1920);
    auto *schedaTecnica = etichetta(this, QStringLiteral("SCHEDA TECNICA"), 3960, 3000);
    schedaTecnica->setFont(carattere(QStringLiteral("MS Sans Serif"), 9.75, true, true));
    schedaTecnica->adjustSize();
    auto *sezioneA = etichetta(this, QStringLiteral("A) DATI RELATIVI ALL'IMPRESA"), 360, 3360);
    sezioneA->setFont(grassetto);
    sezioneA->adjustSize();

    // A.1 to A.5.
    etichetta(this, QStringLiteral("A.1) Denominazione :"), 360, 3720);
    sfondoBianco(casella(this, QStringLiteral("TXTDenom"), 2040, 3720, 7575));
    QGroupBox *a2 = cornice(this, QStringLiteral("A.2) Natura giuridica"), 360, 4200, 2655, 1095);
    opzione(a2, QStringLiteral("OPTGiuri1"), QStringLiteral("A) Cooperativa"), 600, 240);
    opzione(a2, QStringLiteral("OPTGiuri2"), QStringLiteral("B) Consorzio"), 600, 600);
    etichetta(this, QStringLiteral("A.3) Data di costituzione :"), 360, 5520);
    casellaData(this, QStringLiteral("TXTDataCost"), 2280, 5520);
    etichetta(this, QStringLiteral("A.4) Cod. Fiscale :"), 360, 6000);
    sfondoBianco(casella(this, QStringLiteral("TXTCodFisc"), 2040, 5925, 1815));
    etichetta(this, QStringLiteral("A.5) P. IVA"), 360, 6405);
    sfondoBianco(casella(this, QStringLiteral("TXTIva"), 2040, 6360, 1815));

    // A.6 and A.7: turnover, years and capital.
    QGroupBox *a6 = cornice(this, QStringLiteral("A.6) Fatturato esercizi precedenti l'anno di apertura del Bando"), 360,
                            6960, 7455, 1215);
    etichetta(a6, QStringLiteral("Fatturato ultimo esercizio (euro) :"), 120, 360);
    casella(a6, QStringLiteral("TXTFattUlt"), 2880, 360, 1335);
    etichettaPrima(a6, QStringLiteral("Esercizio di riferimento :"), 6360, 360);
    casella(a6, QStringLiteral("TXTEserUltimo"), 6360, 360, 855);
    etichetta(a6, QStringLiteral("Fatturato penultimo esercizio (euro) :"), 120, 840);
    casella(a6, QStringLiteral("TXTFattPen"), 2880, 840, 1335);
    etichettaPrima(a6, QStringLiteral("Esercizio di riferimento :"), 6360, 840);
    casella(a6, QStringLiteral("TXTEserPenultimo"), 6360, 840, 855);
    QGroupBox *a7 = cornice(this, QStringLiteral("A.7) Capitale sociale"), 360, 8400, 5775, 615);
    etichetta(a7, QStringLiteral("Capitale sociale :"), 120, 240);
    casella(a7, QStringLiteral("TXTCapSociale"), 1680, 240, 1215);
    etichettaPrima(a7, QStringLiteral("Di cui versato :"), 4440, 240);
    casella(a7, QStringLiteral("TXTCapVersato"), 4440, 240, 1215);

    // A.8 to A.11: the registrations, each with place, number and date.
    struct Iscrizione {
        const char *titolo;
        int top, altezza, riga;
        const char *etichettaLuogo, *luogo, *etichettaNumero, *numero, *etichettaData, *data;
    };
    const Iscrizione iscrizioni[] = {
        {"A.8) Iscrizione CCIAA", 9240, 615, 240, "Iscrizione CCIAA di :", "TXTIscrImpr", "N. REA :", "TXTNumRea",
         "Data :", "TXTDataIscr"},
        {"A.9) Iscrizione Albo Artigiani", 10080, 735, 300, "Iscr. Albo Artigiani di :", "TXTIscrArt", "n :",
         "TXTNumArt", "Data:", "TXTDataArt"},
        {"A.10) Iscrizione Registro Prefettizio", 11040, 1455, 300, "Isc. Reg. Prefettiz. di :", "TXTIscrPref", "n :",
         "TXTNumPref", "Data:", "TXTDataPref"},
    };
    QGroupBox *a10 = nullptr;
    for (const Iscrizione &i : iscrizioni) {
        QGroupBox *g = cornice(this, QString::fromUtf8(i.titolo), 360, i.top, 7455, i.altezza);
        etichetta(g, QString::fromUtf8(i.etichettaLuogo), 120, i.riga);
        casella(g, QString::fromLatin1(i.luogo), 1920, i.riga, 1095);
        etichettaPrima(g, QString::fromUtf8(i.etichettaNumero), 4080, i.riga);
        casella(g, QString::fromLatin1(i.numero), 4080, i.riga, 855);
        etichettaPrima(g, QString::fromUtf8(i.etichettaData), 6000, i.riga);
        casellaData(g, QString::fromLatin1(i.data), 6000, i.riga);
        a10 = g;
    }
    opzione(a10, QStringLiteral("OPTSezPref1"), QStringLiteral("Sezione \"Coopereative di produzione e lavoro\""), 1920,
            720);
    opzione(a10, QStringLiteral("OPTSezPref2"), QStringLiteral("Sezione \"Cooperative sociali\""), 1920, 1080);
    QGroupBox *a11 = cornice(this, QStringLiteral("A.11) Iscrizione Albo Cooperative Ministero Attività Produttive"),
                             360, 12720, 5895, 1575);
    etichettaPrima(a11, QStringLiteral("n :"), 960, 360);
    casella(a11, QStringLiteral("TXTNumMini"), 960, 360, 1095);
    etichettaPrima(a11, QStringLiteral("Data :"), 3600, 360);
    casellaData(a11, QStringLiteral("TXTDataMini"), 3600, 360);
    opzione(a11, QStringLiteral("OPTCategoriaMini1"), QStringLiteral("Categoria \"Cooperative di produzione e lavoro"),
            1920, 840);
    opzione(a11, QStringLiteral("OPTCategoriaMini2"), QStringLiteral("Categoria \"Cooperative sociali\""), 1920, 1200);

    // The bindings, in the order Posiziona shows them.
    const auto testo = [](const char *box, const char *colonna, int limite) {
        return Legame{.controllo = QString::fromLatin1(box), .famiglia = Famiglia::Testo,
                      .colonna = QString::fromLatin1(colonna), .lunghezza = limite};
    };
    const auto tipo = [](const char *box, Famiglia f, const char *colonna) {
        return Legame{.controllo = QString::fromLatin1(box), .famiglia = f, .colonna = QString::fromLatin1(colonna)};
    };
    const auto anno = [](const char *box, const char *colonna) {
        return Legame{.controllo = QString::fromLatin1(box), .famiglia = Famiglia::Anno,
                      .colonna = QString::fromLatin1(colonna), .lunghezza = 4,
                      .allineamento = Qt::AlignRight | Qt::AlignVCenter};
    };
    const auto coppia = [](const char *colonna, const char *primo, const char *secondo) {
        return Legame{.famiglia = Famiglia::Opzioni, .colonna = QString::fromLatin1(colonna),
                      .pulsanti = {QString::fromLatin1(primo), QString::fromLatin1(secondo)}};
    };
    const Legame tabella[] = {
        testo("TXTCognome", "cognome", 50),
        testo("TXTNome", "nome", 50),
        tipo("TXTNato", Famiglia::Data, "nato"),
        testo("TXTDenom", "denominazione", 50),
        coppia("natura_giuridica", "OPTGiuri1", "OPTGiuri2"),
        tipo("TXTDataCost", Famiglia::Data, "data_costituzione"),
        testo("TXTCodFisc", "cod_fiscale", 16),
        testo("TXTIva", "partita_iva", 11),
        tipo("TXTFattUlt", Famiglia::Intero, "fatt_ultimo"),
        tipo("TXTFattPen", Famiglia::Intero, "fatt_penultimo"),
        anno("TXTEserUltimo", "eser_ultimo"),
        anno("TXTEserPenultimo", "eser_penultimo"),
        tipo("TXTCapSociale", Famiglia::Intero, "capitale_sociale"),
        tipo("TXTCapVersato", Famiglia::Intero, "capitale_versato"),
        testo("TXTIscrImpr", "iscr_reg_imp", 50),
        testo("TXTNumRea", "num_rea", 50),
        tipo("TXTDataIscr", Famiglia::Data, "data_iscr"),
        testo("TXTIscrArt", "iscr_art", 50),
        testo("TXTNumArt", "num_art", 50),
        tipo("TXTDataArt", Famiglia::Data, "data_art"),
        testo("TXTIscrPref", "iscr_pref", 50),
        testo("TXTNumPref", "num_pref", 50),
        tipo("TXTDataPref", Famiglia::Data, "data_pref"),
        coppia("sez_pref", "OPTSezPref1", "OPTSezPref2"),
        testo("TXTNumMini", "num_mini", 0),
        tipo("TXTDataMini", Famiglia::Data, "data_mini"),
        coppia("categoria_mini", "OPTCategoriaMini1", "OPTCategoriaMini2"),
    };
    for (Campo *c : lega(this, tabella))
        aggiungiCampo(c);

    // Focus order: the list, the boxes, then the option buttons and the foot.
    const char *ordine[] = {
        "CMBDenominazione", "TXTCognome",   "TXTNome",          "TXTNato",         "TXTDenom",
        "TXTDataCost",      "TXTCodFisc",   "TXTIva",           "TXTFattUlt",      "TXTEserUltimo",
        "TXTFattPen",       "TXTEserPenultimo", "TXTCapSociale", "TXTCapVersato",  "TXTIscrImpr",
        "TXTNumRea",        "TXTDataIscr",  "TXTIscrArt",       "TXTNumArt",       "TXTDataArt",
        "TXTIscrPref",      "TXTNumPref",   "TXTDataPref",      "TXTNumMini",      "TXTDataMini",
        "OPTGiuri1",        "OPTGiuri2",    "OPTSezPref1",      "OPTSezPref2",     "OPTCategoriaMini1",
        "OPTCategoriaMini2", "CMDPrec",     "CMDSucces",
    };
    QWidget *prima = nullptr;
    for (const char *nome : ordine) {
        QWidget *w = findChild<QWidget *>(QString::fromLatin1(nome));
        if (prima)
            setTabOrder(prima, w);
        prima = w;
    }
    for (QLabel *l : findChildren<QLabel *>())
        l->setFocusPolicy(Qt::NoFocus);

    connect(CMBDenominazione, &QComboBox::activated, this,
            [this](int indice) { eseguiComando([this, indice] { CMBDenominazione_Click(indice); }); });
    CMBDenominazione->primaDiAprire = [this] { eseguiComando([this] { aggiornaElenco(); }); };
}

void Form1::riempiElenco()
{
    CMBDenominazione->clear();
    chiavi_.clear();
    RsDati->MoveFirst();
    while (!RsDati->isEOF()) {
        CMBDenominazione->addItem(testoDenominazione(RsDati->Fields(QStringLiteral("denominazione")).Value()));
        chiavi_ << RsDati->Fields(0).Value();
        RsDati->MoveNext();
    }
}



QWidget *Form1::primoControllo() const
{
    return CMBDenominazione;
}

void Form1::aggiornaElenco()
{
    bool uguale = true;
    int i = 0;
    RsDati->MoveFirst();
    for (; !RsDati->isEOF() && uguale; RsDati->MoveNext(), ++i) {
        uguale = i < chiavi_.size() && RsDati->Fields(0).Value().looselyEquals(chiavi_[i])
                 && testoDenominazione(RsDati->Fields(QStringLiteral("denominazione")).Value())
                        == CMBDenominazione->itemText(i);
    }
    uguale = uguale && i == chiavi_.size();
    if (!uguale) {
        riempiElenco();
        if (!chiavi_.contains(IdRecord)) {
            // The sheet shown has gone: the last one takes its place.
            IndiceProgetto = std::int16_t(cercaIdRecord());
            Carica();
            Posiziona();
            return;
        }
        IndiceProgetto = std::int16_t(chiavi_.indexOf(IdRecord));
        CMBDenominazione->setCurrentIndex(IndiceProgetto);
    }
    posizionaSuIdRecord(); // the cursor back on the sheet shown
}

void Form1::Form_Load()
{
    riempiElenco();
    IndiceProgetto = std::int16_t(cercaIdRecord());
    PaginaModificata = 0;
    Carica();
    Posiziona();
    Shell().mostraAlPosto(this);

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
    Shell().riapri(this);
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
    // The list shows the name just saved.
    for (int k = 0; k < chiavi_.size(); ++k)
        if (chiavi_[k].looselyEquals(IdRecord))
            CMBDenominazione->setItemText(k, RecordScheda()[QStringLiteral("denominazione")].toText());
}

void Form1::CMBDenominazione_Click(int indice)
{
    IndiceLista = indice;
    if (IndiceLista == IndiceProgetto)
        return;
    // Unsaved edits are offered for saving into the sheet being left first.
    // The flag belongs to the page shown: that is what a Yes saves.
    if (!eseguiComando([] { Shell().chiediSalvataggio(); })) {
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
        int trovato = -1;
        for (int k = 0; k < chiavi_.size() && trovato < 0; ++k)
            if (chiavi_[k].looselyEquals(scelta))
                trovato = k;
        if (trovato < 0) {
            IndiceProgetto = std::int16_t(cercaIdRecord());
            CMBDenominazione->setCurrentIndex(IndiceProgetto);
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
