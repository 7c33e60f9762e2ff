// Every page form shows its captions whole: no frame title and no label of
// a fixed width is cut short in our fonts (condensed a little where needed).

#include "Interazione.h"

#include "pages/PaginaScheda.h"
#include "shell/MostraPagina.h"

#include <QGroupBox>
#include <QLabel>
#include <gtest/gtest.h>

using namespace scheda;
using namespace prova;

namespace {

class Didascalie : public ConProgramma
{};

} // namespace

TEST_F(Didascalie, NoPageCutsAFrameTitleOrALabel)
{
    avvia(1);
    for (int n = 1; n <= 6; ++n) {
        apriPagina(n);
        const PaginaScheda *pagina = Form(n);
        ASSERT_NE(pagina, nullptr) << n;
        for (const QGroupBox *g : pagina->findChildren<QGroupBox *>())
            EXPECT_LE(QFontMetrics(g->font()).horizontalAdvance(g->title()), g->width() - 12)
                << "page " << n << ": " << qPrintable(g->title());
        for (const QLabel *l : pagina->findChildren<QLabel *>())
            if (!l->wordWrap() && !l->text().contains(QLatin1Char('\n')))
                EXPECT_LE(QFontMetrics(l->font()).horizontalAdvance(l->text()),
                          l->contentsRect().width())
                    << "page " << n << ": " << qPrintable(l->text());
        // The boxes and buttons in a frame keep the page's type, whatever its title needs.
        for (const QGroupBox *g : pagina->findChildren<QGroupBox *>())
            for (const QWidget *w : g->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
                if (!qobject_cast<const QLabel *>(w))
                    EXPECT_EQ(w->font().stretch(), pagina->font().stretch())
                        << qPrintable(w->objectName());
    }
}
