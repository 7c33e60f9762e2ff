#include "platform/report/Disegno.h"

#include "platform/ui/Aspetto.h"

#include <QFontMetricsF>
#include <QHash>
#include <QPainter>
#include <QStringList>
#include <QTextBoundaryFinder>
#include <algorithm>
#include <cmath>

namespace report {

namespace {

constexpr int SpessoreTratto = 15;  // one pixel of the screen, 0.75 points
constexpr int Rientro = 30;         // twips between a border and its caption
constexpr int LarghezzaMinima = 60; // per cent of the font's width a caption may be narrowed to
const QColor Grigio(0xE0, 0xE0, 0xE0);

QPen tratto()
{
    QPen pen(Qt::black, SpessoreTratto);
    pen.setCapStyle(Qt::SquareCap);
    pen.setJoinStyle(Qt::MiterJoin);
    return pen;
}

// A caption laid out on one line: where each piece between tabs starts,
// and how wide the whole is (blanks included).
struct Riga
{
    QList<std::pair<double, QString>> pezzi;
    double larghezza = 0;
};

Riga componi(const QString &testo, const QFont &f, double tab)
{
    const QFontMetricsF fm(f);
    Riga r;
    double x = 0;
    const QStringList pezzi = testo.split(QLatin1Char('\t'));
    for (qsizetype i = 0; i < pezzi.size(); ++i) {
        if (i > 0)
            x = (std::floor(x / tab + 1e-9) + 1) * tab;
        r.pezzi.append({x, pezzi[i]});
        x += fm.horizontalAdvance(pezzi[i]);
    }
    r.larghezza = x;
    return r;
}

// A caption in its room, as it is drawn: the text (the caption, or the part
// that fits), its font, narrowed as far as it needs to, and that width in
// per cent. The tab stops stay those of the font's own width.
struct Composta
{
    QString testo;
    QFont carattere;
    Riga riga;
    int larghezza = 100;
};

// Eight average characters, the average taken as the width of an "x".
double passoTab(const QFont &f)
{
    return 8 * QFontMetricsF(f).horizontalAdvance(QLatin1Char('x'));
}

// What a narrowed caption still cannot hold: its end goes, whole characters
// at a time (a letter with its accents is one), down to what fits. The
// layout's fixed closing words stay whole when they fit by themselves: the
// value before them is cut instead.
void taglia(Composta &r, const Controllo &c, double spazio, double tab)
{
    QString testa = r.testo;
    QString coda = c.coda ? QString::fromUtf8(c.coda) : QString();
    if (coda.isEmpty() || !testa.endsWith(coda)
        || componi(coda, r.carattere, tab).larghezza > spazio)
        coda.clear();
    testa.chop(coda.size());
    QList<qsizetype> confini;
    QTextBoundaryFinder caratteri(QTextBoundaryFinder::Grapheme, testa);
    for (qsizetype i = 0; i >= 0; i = caratteri.toNextBoundary())
        confini.append(i);
    // The longest head that fits, sought by halves: widths grow with the text.
    qsizetype basso = 0, alto = confini.size() - 1;
    while (basso < alto) {
        const qsizetype medio = (basso + alto + 1) / 2;
        if (componi(testa.left(confini[medio]) + coda, r.carattere, tab).larghezza <= spazio)
            basso = medio;
        else
            alto = medio - 1;
    }
    r.testo = testa.left(confini[basso]) + coda;
    r.riga = componi(r.testo, r.carattere, tab);
}

// `massima` narrows the caption at least that far (the width of its group);
// a number may go below the text limit, as far as it must.
Composta componiNelloSpazio(const QString &testo, Contenuto contenuto, const Controllo &c,
                            int spazio, int massima = 100)
{
    Composta r{testo, carattereTwips(c.carattere)};
    const double tab = passoTab(r.carattere);
    const double bianco = QFontMetricsF(r.carattere).horizontalAdvance(QLatin1Char(' '));
    if (massima < 100) {
        r.larghezza = massima;
        r.carattere.setStretch(massima);
    }
    r.riga = componi(testo, r.carattere, tab);
    if (r.riga.larghezza <= spazio)
        return r;
    // Narrowed, it keeps a blank's room clear of whatever stands next to it.
    const double stanza = spazio - std::ceil(bianco);
    const int minima = contenuto == Contenuto::Numero ? 1 : LarghezzaMinima;
    while (r.riga.larghezza > stanza && r.larghezza > minima) {
        const int stretta = int(std::floor(r.larghezza * stanza / r.riga.larghezza));
        r.larghezza = std::max(minima, std::min(r.larghezza - 1, stretta));
        r.carattere.setStretch(r.larghezza);
        r.riga = componi(testo, r.carattere, tab);
    }
    if (r.riga.larghezza > stanza)
        taglia(r, c, stanza, tab);
    return r;
}

// The room a caption has: inside a border it keeps clear of the lines.
QRect spazioTesto(const QRect &r, const Controllo &c)
{
    return c.bordo ? r.adjusted(Rientro, 0, -Rientro, 0) : r;
}

Composta componiControllo(const Controllo &c, const QString &testo, Contenuto contenuto,
                          int massima = 100)
{
    return componiNelloSpazio(testo, contenuto, c,
                              spazioTesto(QRect(0, 0, c.width, c.height), c).width(), massima);
}

// Every caption of a section as it prints, each group at its narrowest.
std::vector<Composta> componiSezione(const IstanzaRapporto &istanza, int sezione)
{
    const auto controlli = istanza.rapporto().sezioni[sezione].controlli;
    std::vector<Composta> composte;
    QHash<int, int> gruppi; // group, its width
    for (std::size_t i = 0; i < controlli.size(); ++i) {
        composte.push_back(componiControllo(controlli[i], istanza.didascalia(sezione, int(i)),
                                            istanza.contenuto(sezione, int(i))));
        if (const int g = controlli[i].gruppo; g > 0)
            gruppi[g] = std::min(gruppi.value(g, 100), composte.back().larghezza);
    }
    for (std::size_t i = 0; i < controlli.size(); ++i)
        if (const int g = controlli[i].gruppo; g > 0 && composte[i].larghezza != gruppi[g])
            composte[i] = componiControllo(controlli[i], istanza.didascalia(sezione, int(i)),
                                           istanza.contenuto(sezione, int(i)), gruppi[g]);
    return composte;
}

void disegnaTesto(QPainter &p, const QRect &r, const Controllo &c, const Composta &composta)
{
    const Riga &riga = composta.riga;
    double x = r.left();
    if (c.allineamento == Allineamento::Destra)
        x = r.right() + 1 - riga.larghezza;
    else if (c.allineamento == Allineamento::Centro)
        x = r.left() + (r.width() - riga.larghezza) / 2;
    const double linea = r.top() + QFontMetricsF(composta.carattere).ascent();
    p.save();
    p.setPen(Qt::black);
    // What is drawn fits; the cut at the sides only catches a letter's
    // overhang (a descender may pass the label's foot).
    p.setClipRect(QRect(r.left(), r.top() - r.height(), r.width(), 3 * r.height()),
                  Qt::IntersectClip);
    QFont f = composta.carattere;
    f.setUnderline(false);
    p.setFont(f);
    for (const auto &[dx, pezzo] : riga.pezzi)
        p.drawText(QPointF(x + dx, linea), pezzo);
    // The underline a tenth of the type size below the baseline, clear of the
    // letters, as the Windows fonts place it.
    if (composta.carattere.underline()) {
        const double dimensione = composta.carattere.pixelSize();
        p.fillRect(QRectF(x, linea + 0.1 * dimensione, riga.larghezza,
                          std::max(15.0, 0.05 * dimensione)),
                   Qt::black);
    }
    p.restore();
}

void disegnaEtichetta(QPainter &p, const QRect &r, const Controllo &c, const Composta &testo)
{
    if (c.sfondo == Sfondo::Grigio)
        p.fillRect(r, Grigio);
    else if (c.sfondo == Sfondo::Opaco)
        p.fillRect(r, Qt::white);
    if (!testo.testo.isEmpty())
        disegnaTesto(p, spazioTesto(r, c), c, testo);
    if (c.bordo) {
        p.save();
        p.setPen(tratto());
        p.setBrush(Qt::NoBrush);
        p.drawRect(r);
        p.restore();
    }
}

} // namespace

QFont carattereTwips(const Carattere &c)
{
    QFont f = ui::carattere(QString::fromLatin1(c.nome), c.punti, c.grassetto, c.sottolineato);
    f.setPixelSize(int(std::lround(c.punti * 20)));
    f.setKerning(false); // the widths of the printed page do not depend on neighbours
    return f;
}

std::vector<int> cimeSezioni(const Rapporto &r)
{
    std::vector<int> cime;
    int y = r.margine;
    for (const Sezione &s : r.sezioni) {
        if (s.ruolo == Ruolo::PiePagina) {
            cime.push_back(r.altezzaFoglio - r.margine - s.altezza);
            continue;
        }
        cime.push_back(y);
        y += s.altezza;
    }
    return cime;
}

QRect rettangoloSulFoglio(const Rapporto &r, int sezione, const Controllo &c)
{
    return QRect(r.margine + c.left, cimeSezioni(r)[sezione] + c.top, c.width, c.height);
}

Stampata comeStampata(const IstanzaRapporto &istanza, int sezione, int indice)
{
    const Composta c = componiSezione(istanza, sezione)[indice];
    return {c.testo, c.larghezza};
}

Stampata comeStampata(const Controllo &c, const QString &testo)
{
    const Composta composta = componiControllo(c, testo, Contenuto::Testo);
    return {composta.testo, composta.larghezza};
}

QRect foglio(const Rapporto &r)
{
    return QRect(0, 0, r.larghezzaFoglio, r.altezzaFoglio);
}

void disegnaPagina(QPainter &p, const IstanzaRapporto &istanza)
{
    const Rapporto &r = istanza.rapporto();
    const std::vector<int> cime = cimeSezioni(r);
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    for (std::size_t s = 0; s < r.sezioni.size(); ++s) {
        const auto controlli = r.sezioni[s].controlli;
        const QPoint origine(r.margine, cime[s]);
        const std::vector<Composta> testi = componiSezione(istanza, int(s));
        for (std::size_t i = 0; i < controlli.size(); ++i) {
            const Controllo &c = controlli[i];
            if (c.tipo != TipoControllo::Linea)
                disegnaEtichetta(p,
                                 QRect(origine + QPoint(c.left, c.top), QSize(c.width, c.height)),
                                 c, testi[i]);
        }
        p.setPen(tratto());
        for (const Controllo &c : controlli)
            if (c.tipo == TipoControllo::Linea)
                p.drawLine(origine + QPoint(c.left, c.top),
                           origine + QPoint(c.left + c.width, c.top + c.height));
    }
    p.restore();
}

} // namespace report
