#include "pages/PaginaScheda.h"
#include "core/RecordScheda.h"

#include "core/Archivio.h"
#include "core/Globali.h"
#include "pages/ServiziShell.h"
#include "pages/campi/Campi.h"
#include "platform/dialoghi/Dialoghi.h"
#include "platform/ui/Aspetto.h"
#include "platform/ui/Twips.h"

#include <QApplication>
#include <QPalette>
#include <QStyle>
#include <QToolButton>
#include <algorithm>
#include <vector>

namespace scheda {

PaginaScheda::PaginaScheda(int numero, QWidget *parent)
    : QWidget(parent)
    , numero_(numero)
{
    setObjectName(QStringLiteral("Form%1").arg(numero));
    setWindowTitle(QStringLiteral("Pagina %1").arg(numero));
    setFont(ui::carattere());
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, ui::coloreVb(ui::AzzurroPallido));
    setPalette(p);
    setMinimumSize(ui::px(LarghezzaPagina) - 12, ui::px(AltezzaPagina) - 40);

    // Graphical buttons: the picture above the caption.
    auto pulsante = [this](const QString &nome, const QString &caption,
                           QStyle::StandardPixmap icona) {
        auto *b = new QToolButton(this);
        b->setObjectName(nome);
        b->setText(caption);
        b->setIcon(style()->standardIcon(icona));
        b->setIconSize(QSize(20, 20));
        b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        b->setFocusPolicy(Qt::StrongFocus); // a click commits the box being edited
        return b;
    };
    CMDPrec = pulsante(QStringLiteral("CMDPrec"), QStringLiteral("Pag. Preced."),
                       QStyle::SP_ArrowLeft);
    CMDSucces = pulsante(QStringLiteral("CMDSucces"), QStringLiteral("Pag. Succes."),
                         QStyle::SP_ArrowRight);
    posizionaPiede(8040, 13440);

    // Page 1 has no previous page and page 6 no next one.
    if (numero == 1)
        CMDPrec->setEnabled(false);
    else
        connect(CMDPrec, &QToolButton::clicked, this,
                [n = numero] { serviziShell().cambiaPagina(n - 1); });
    if (numero == 6)
        CMDSucces->setEnabled(false);
    else
        connect(CMDSucces, &QToolButton::clicked, this,
                [n = numero] { serviziShell().cambiaPagina(n + 1); });
}

PaginaScheda::PaginaScheda(const DatiPagina &dati, QWidget *parent)
    : PaginaScheda(dati.numero, parent)
{
    conCaricamento_ = dati.conCaricamento;
    disponi(dati.righe, dati.ricalcolo);
    posizionaPiede(dati.piede.left, dati.piede.top);
}

PaginaScheda::~PaginaScheda() = default;

void PaginaScheda::posizionaPiede(int leftTwips, int topTwips)
{
    CMDPrec->setGeometry(ui::rettangolo(leftTwips, topTwips, 1095, 735));
    CMDSucces->setGeometry(ui::rettangolo(leftTwips + 1320, topTwips, 1095, 735));
}

void PaginaScheda::mostraDaSola()
{
    move(0, 0);
    resize(ui::px(LarghezzaPagina), ui::px(AltezzaPagina));
    show();
}

Campo *PaginaScheda::campo(const QString &nomeControllo) const
{
    for (Campo *c : campi_)
        if (c->controllo() && c->controllo()->objectName() == nomeControllo)
            return c;
    return nullptr;
}

int PaginaScheda::codiceMostrato(const QString &colonna) const
{
    for (Campo *c : campi_)
        if (const auto *g = qobject_cast<const campi::GruppoOpzioni *>(c);
            g && g->colonna() == colonna)
            return g->codiceScelto();
    return 0;
}

void PaginaScheda::disponi(std::span<const campi::Elemento> righe, const campi::Ricalcolo &ricalcolo)
{
    const campi::PaginaCostruita fatto = campi::costruisciPagina(this, righe, &ricalcolo);
    campi_ = fatto.campi;
    elenchi_ = fatto.elenchi;
    ordine_ = fatto.ordine;
    ordine_ << CMDPrec << CMDSucces;
    for (qsizetype i = 1; i < ordine_.size(); ++i)
        setTabOrder(ordine_[i - 1], ordine_[i]);
}

QWidget *PaginaScheda::primoControllo() const
{
    const QList<QWidget *> ordine = ordine_.isEmpty() ? QList<QWidget *>{CMDPrec, CMDSucces}
                                                      : ordine_;
    for (QWidget *w : ordine)
        if (w->isEnabled() && (w->focusPolicy() & Qt::TabFocus))
            return w;
    return nullptr;
}

std::span<const Colonna> PaginaScheda::colonne() const
{
    return colonnePagina(numero_);
}

void PaginaScheda::Form_Load()
{
    cercaIdRecord();
    Carica();
    Posiziona();
}

void PaginaScheda::Carica()
{
    // Every page shows the company name in its caption; only page 1 owns it.
    // One load for both, so that a failed one leaves the sheet as it was.
    const auto cols = colonne();
    std::vector<Colonna> daLeggere(cols.begin(), cols.end());
    const bool haDenominazione = std::any_of(cols.begin(), cols.end(), [](const Colonna &c) {
        return QLatin1String(c.nome) == QLatin1String("denominazione");
    });
    if (!haDenominazione)
        daLeggere.push_back(colonneDati()[indiceColonna(QStringLiteral("denominazione"))]);
    QStringList rifiutate;
    RecordScheda().leggi(*RsDati, daLeggere, &rifiutate);
    if (!rifiutate.isEmpty())
        dlg::Beep();
}

void PaginaScheda::Posiziona()
{
    if (conCaricamento_)
        Caricamento = 1;
    setWindowTitle(QStringLiteral("Pagina %1 - ").arg(numero_)
                   + RecordScheda()[QStringLiteral("denominazione")].toText());
    for (Campo *c : campi_)
        c->mostra();
    if (conCaricamento_)
        Caricamento = 0;
}

void PaginaScheda::Salva()
{
    for (Campo *c : campi_)
        c->primaDiSalvare();
    RecordScheda().scrivi(*RsDati, colonne());
    RsDati->Update();
}

void PaginaScheda::Validare()
{
    // The active control: the focused widget when it lies on this form, else
    // the form's last focused child (a menu command takes no focus).
    QWidget *attivo = QApplication::focusWidget();
    if (!attivo || !isAncestorOf(attivo))
        attivo = focusWidget();
    // A widget inside a bound control (a combo's line edit) counts as that control.
    QWidget *w = attivo;
    while (w && w != this && !campo(w->objectName()))
        w = w->parentWidget();
    if (w && w != this)
        attivo = w;
    NomeControllo = attivo && isAncestorOf(attivo) ? attivo->objectName() : QString();
    if (Campo *c = campo(NomeControllo))
        c->conferma();
}

} // namespace scheda
