#include "platform/report/Disegno.h"

#include "platform/ui/Aspetto.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QStringList>
#include <algorithm>
#include <cmath>

namespace report {

namespace {

constexpr int SpessoreTratto = 15; // one pixel of the screen, 0.75 points
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
struct Riga {
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

// A caption in its room: the font narrowed until it fits, as far as it can
// be read, with a blank's room to spare; the tab stops stay those of the
// font's own width. The result is
// the width used, in per cent; below the least one the caption is also cut.
struct Composta {
    QFont carattere;
    Riga riga;
    int larghezza = 100;
};

Composta componiNelloSpazio(const QString &testo, const Controllo &c, int spazio)
{
    Composta r{carattereTwips(c.carattere)};
    // Eight average characters, the average taken as the width of an "x".
    const double tab = 8 * QFontMetricsF(r.carattere).horizontalAdvance(QLatin1Char('x'));
    r.riga = componi(testo, r.carattere, tab);
    if (r.riga.larghezza <= spazio)
        return r;
    // Narrowed, it keeps a blank's room clear of whatever stands next to it.
    spazio -= int(std::ceil(QFontMetricsF(r.carattere).horizontalAdvance(QLatin1Char(' '))));
    while (r.riga.larghezza > spazio) {
        const int stretta = int(std::floor(r.larghezza * spazio / r.riga.larghezza));
        if (r.larghezza <= LarghezzaMinima)
            return Composta{r.carattere, r.riga, stretta};
        r.larghezza = std::max(LarghezzaMinima, std::min(r.larghezza - 1, stretta));
        r.carattere.setStretch(r.larghezza);
        r.riga = componi(testo, r.carattere, tab);
    }
    return r;
}

// The room a caption has: inside a border it keeps clear of the lines.
QRect spazioTesto(const QRect &r, const Controllo &c)
{
    return c.cornice ? r.adjusted(Rientro, 0, -Rientro, 0) : r;
}

void disegnaTesto(QPainter &p, const QRect &r, const Controllo &c, const QString &testo)
{
    const Composta composta = componiNelloSpazio(testo, c, r.width());
    const Riga &riga = composta.riga;
    double x = r.left();
    if (c.allineamento == Allineamento::Destra)
        x = r.right() + 1 - riga.larghezza;
    else if (c.allineamento == Allineamento::Centro)
        x = r.left() + (r.width() - riga.larghezza) / 2;
    const double linea = r.top() + QFontMetricsF(composta.carattere).ascent();
    p.save();
    p.setPen(Qt::black);
    // Cut at the sides only: a descender may pass the label's foot.
    p.setClipRect(QRect(r.left(), r.top() - r.height(), r.width(), 3 * r.height()), Qt::IntersectClip);
    QFont f = composta.carattere;
    f.setUnderline(false);
    p.setFont(f);
    for (const auto &[dx, pezzo] : riga.pezzi)
        p.drawText(QPointF(x + dx, linea), pezzo);
    // The underline a tenth of the type size below the baseline, clear of the
    // letters, as the Windows fonts place it.
    if (composta.carattere.underline()) {
        const double dimensione = composta.carattere.pixelSize();
        p.fillRect(QRectF(x, linea + 0.1 * dimensione, riga.larghezza, std::max(15.0, 0.05 * dimensione)), Qt::black);
    }
    p.restore();
}

void disegnaEtichetta(QPainter &p, const QRect &r, const Controllo &c, const QString &testo)
{
    if (c.sfondo == Sfondo::Grigio)
        p.fillRect(r, Grigio);
    else if (c.sfondo == Sfondo::Opaco)
        p.fillRect(r, Qt::white);
    if (!testo.isEmpty())
        disegnaTesto(p, spazioTesto(r, c), c, testo);
    if (c.cornice) {
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

int larghezzaCaption(const Controllo &c, const QString &testo)
{
    return componiNelloSpazio(testo, c, spazioTesto(QRect(0, 0, c.width, c.height), c).width()).larghezza;
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
        for (std::size_t i = 0; i < controlli.size(); ++i) {
            const Controllo &c = controlli[i];
            if (c.genere != Genere::Linea)
                disegnaEtichetta(p, QRect(origine + QPoint(c.left, c.top), QSize(c.width, c.height)), c,
                                 istanza.didascalia(int(s), int(i)));
        }
        p.setPen(tratto());
        for (const Controllo &c : controlli)
            if (c.genere == Genere::Linea)
                p.drawLine(origine + QPoint(c.left, c.top), origine + QPoint(c.left + c.width, c.top + c.height));
    }
    p.restore();
}

} // namespace report
