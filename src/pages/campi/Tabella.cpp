#include "pages/campi/Tabella.h"

#include "pages/campi/Combo.h"
#include "pages/campi/Disposizione.h"
#include "platform/maschera/MaskEdBox.h"
#include "platform/ui/Twips.h"

#include <QFontMetrics>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <algorithm>
#include <stdexcept>
#include <string>

namespace scheda::campi {

namespace {

constexpr int AltezzaCasella = 285;
constexpr int AltezzaCombo = 315;
constexpr int LarghezzaData = 1215;

// True when the style gives a type of its own.
bool applicaCarattere(QWidget *w, const Stile &s)
{
    if (!(s.punti > 0 || s.grassetto || s.sottolineato))
        return false;
    w->setFont(carattere(QStringLiteral("MS Sans Serif"), s.punti > 0 ? s.punti : 8.25, s.grassetto,
                         s.sottolineato));
    return true;
}

void applicaSfondo(QWidget *w, const Stile &s, QPalette::ColorRole ruolo)
{
    if (!s.sfondo)
        return;
    QPalette p = w->palette();
    p.setColor(ruolo, ui::coloreVb(s.sfondo));
    w->setPalette(p);
    if (ruolo == QPalette::Window)
        w->setAutoFillBackground(true);
}

// A caption a little wider than its place in our fonts is set condensed
// rather than cut (the places were measured for a narrower type): the
// widest stretch from 99 down to 85 percent that fits, else 85. Each stretch
// tried loads a font, so the search starts from the proportional guess and
// steps from there: the width grows with the stretch.
QFont stretto(QFont f, const QString &testo, int spazio)
{
    constexpr int StrettoMassimo = 85; // percent of the normal width
    const int piena = QFontMetrics(f).horizontalAdvance(testo);
    if (piena <= spazio)
        return f;
    const auto entra = [&](int stretch) {
        f.setStretch(stretch);
        return QFontMetrics(f).horizontalAdvance(testo) <= spazio;
    };
    int stretch = std::clamp(spazio * 100 / piena, StrettoMassimo, 99);
    if (entra(stretch)) {
        while (stretch < 99 && entra(stretch + 1))
            ++stretch;
    } else {
        do
            --stretch;
        while (stretch > StrettoMassimo && !entra(stretch));
        stretch = std::max(stretch, StrettoMassimo);
    }
    f.setStretch(stretch);
    return f;
}

void stringiSeServe(QLabel *l)
{
    const QFont f = stretto(l->font(), l->text(), l->contentsRect().width());
    if (f.stretch() != l->font().stretch())
        l->setFont(f);
}

// A frame's caption stands 6 pixels in, with a pixel of padding each side
// and a little room before the right edge.
bool stringiTitolo(QGroupBox *g)
{
    const QFont f = stretto(g->font(), g->title(), g->width() - 12);
    if (f.stretch() == g->font().stretch())
        return false;
    g->setFont(f);
    return true;
}

QLabel *nuovaEtichetta(QWidget *parent, const QString &testo, const Posto &p, const Stile &s,
                       int leftCasella)
{
    QLabel *l = p.left == PrimaDellaCasella
                    ? etichettaPrima(parent, testo, leftCasella, p.top)
                    : etichetta(parent, testo, p.left, p.top, p.width, p.height);
    const bool tipoProprio = applicaCarattere(l, s);
    if (p.width == 0 && p.height == 0) {
        // As wide as its caption in its own type (it was placed in the page's).
        if (tipoProprio) {
            const int left = l->x() + l->width();
            l->resize(dimensioneNaturale(l));
            if (p.left == PrimaDellaCasella)
                l->move(left - l->width(), l->y());
        }
    } else if (p.width > 0)
        stringiSeServe(l);
    applicaSfondo(l, s, QPalette::Window);
    if (s.allineamento)
        l->setAlignment(s.allineamento);
    return l;
}

QWidget *nuovaCasella(QWidget *parent, const Elemento &e)
{
    const Posto &p = e.posto;
    switch (e.famiglia) {
    case Famiglia::Data:
        return casellaData(parent, e.nome, p.left, p.top, p.width ? p.width : LarghezzaData,
                           p.height ? p.height : AltezzaCasella);
    case Famiglia::Ricerca: {
        auto *c = new ComboScheda(parent, true);
        c->setObjectName(e.nome);
        c->setGeometry(ui::rettangolo(p.left, p.top, p.width, p.height ? p.height : AltezzaCombo));
        return c;
    }
    case Famiglia::SoloLettura:
        if (e.righe) {
            auto *t = new QPlainTextEdit(parent);
            t->setObjectName(e.nome);
            // The text wraps at the box's width; a display box has no scroll bars.
            t->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
            t->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
            t->setGeometry(ui::rettangolo(p.left, p.top, p.width, p.height));
            return t;
        }
        [[fallthrough]];
    default:
        return casella(parent, e.nome, p.left, p.top, p.width, p.height ? p.height : AltezzaCasella);
    }
}

bool numerica(Famiglia f)
{
    return f == Famiglia::Intero || f == Famiglia::Decimi || f == Famiglia::DueDecimali
           || f == Famiglia::Percentuale;
}

} // namespace

PaginaCostruita costruisciPagina(QWidget *pagina, std::span<const Elemento> righe,
                                 const Ricalcolo *ricalcolo)
{
    QHash<QString, QGroupBox *> cornici;
    for (const Elemento &e : righe)
        if (e.genere == Genere::Cornice) {
            QGroupBox *g = cornice(pagina, e.testo, e.posto.left, e.posto.top, e.posto.width,
                                   e.posto.height);
            g->setObjectName(e.nome);
            applicaCarattere(g, e.stile);
            cornici.insert(e.nome, g);
        }
    const auto genitore = [&](const Elemento &e) -> QWidget * {
        if (e.in.isEmpty())
            return pagina;
        QWidget *g = cornici.value(e.in);
        if (!g)
            throw std::logic_error("cornice sconosciuta: " + e.in.toStdString());
        return g;
    };

    PaginaCostruita fatto;
    std::vector<Legame> legami;
    QList<std::pair<std::pair<bool, int>, QWidget *>> ordine; // (button, tab), control
    for (const Elemento &e : righe) {
        QWidget *parent = genitore(e);
        QWidget *w = nullptr;
        switch (e.genere) {
        case Genere::Cornice:
            continue;
        case Genere::Etichetta:
            nuovaEtichetta(parent, e.testo, e.posto, e.stile, 0)->setObjectName(e.nome);
            continue;
        case Genere::Opzione: {
            QRadioButton *b = opzione(parent, e.nome, e.testo, e.posto.left, e.posto.top,
                                      e.posto.width, e.posto.height ? e.posto.height : 255);
            applicaCarattere(b, e.stile);
            auto gruppo = std::find_if(legami.begin(), legami.end(), [&e](const Legame &l) {
                return l.famiglia == Famiglia::Opzioni && l.colonna == e.colonna;
            });
            if (gruppo == legami.end())
                legami.push_back(
                    Legame{.famiglia = Famiglia::Opzioni, .colonna = e.colonna, .pulsanti = {b}});
            else
                gruppo->pulsanti << b;
            w = b;
            break;
        }
        case Genere::Elenco: {
            auto *c = new ComboScheda(parent, false);
            c->setObjectName(e.nome);
            c->setGeometry(ui::rettangolo(e.posto.left, e.posto.top, e.posto.width,
                                          e.posto.height ? e.posto.height : AltezzaCombo));
            fatto.elenchi << c;
            w = c;
            break;
        }
        case Genere::Campo: {
            w = nuovaCasella(parent, e);
            applicaCarattere(w, e.stile);
            applicaSfondo(w, e.stile, QPalette::Base);
            if (!e.testo.isEmpty()) {
                Posto p = e.etichetta;
                if (p.top == 0)
                    p.top = e.posto.top;
                nuovaEtichetta(parent, e.testo, p, e.stileEtichetta, e.posto.left);
            }
            legami.push_back(Legame{.controllo = w,
                                    .famiglia = e.famiglia,
                                    .colonna = e.colonna,
                                    .lunghezza = e.lunghezza,
                                    .ricalcolo = numerica(e.famiglia) ? ricalcolo : nullptr,
                                    .formato = e.formato,
                                    .allineamento = e.stile.allineamento,
                                    .variante = e.variante,
                                    .attivo = e.attivo,
                                    .riferimento = &e.riferimento});
            break;
        }
        }
        if (e.tab >= 0)
            ordine.append({{e.genere == Genere::Opzione, e.tab}, w});
    }

    // A caption is condensed once what its frame holds has been sized in
    // the page's type, which it keeps (its width included).
    QFont tipoPagina = pagina->font();
    tipoPagina.setStretch(QFont::AnyStretch);
    for (QGroupBox *g : std::as_const(cornici))
        if (stringiTitolo(g))
            for (QWidget *w : g->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
                if (!w->testAttribute(Qt::WA_SetFont))
                    w->setFont(tipoPagina);
    fatto.campi = lega(pagina, legami);
    std::stable_sort(ordine.begin(), ordine.end(),
                     [](const auto &a, const auto &b) { return a.first < b.first; });
    for (qsizetype i = 1; i < ordine.size(); ++i)
        if (ordine[i].first == ordine[i - 1].first)
            throw std::logic_error("tab " + std::to_string(ordine[i].first.second) + " ripetuto: "
                                   + ordine[i - 1].second->objectName().toStdString() + ", "
                                   + ordine[i].second->objectName().toStdString());
    for (const auto &[tab, w] : ordine) {
        if (!fatto.ordine.isEmpty())
            QWidget::setTabOrder(fatto.ordine.last(), w);
        fatto.ordine << w;
    }
    return fatto;
}

int tabSeguente(std::span<const Elemento> righe)
{
    int seguente = 0;
    for (const Elemento &e : righe)
        if (e.genere != Genere::Opzione)
            seguente = std::max(seguente, e.tab + 1);
    return seguente;
}

} // namespace scheda::campi
