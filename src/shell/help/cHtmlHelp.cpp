#include "shell/help/cHtmlHelp.h"

#include "core/Globali.h"

#include "platform/db/Variant.h"
#include "platform/help/HtmlHelp.h"

#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QWidget>
#include <memory>

namespace {

// 15 twips to the pixel across and down (96 DPI logical).
constexpr int TwipsPerPixelX = 15;
constexpr int TwipsPerPixelY = 15;

// Integer division as the runtime's "\": both operands rounded half to even,
// the quotient truncated.
long divisioneIntera(double a, double b)
{
    return long(ado::roundHalfEven(a)) / long(ado::roundHalfEven(b));
}

// The active form: the active page (MDI child) of the active window, or that
// window itself. Its Left and Top are in twips, in its parent's coordinates.
QWidget *formAttiva()
{
    QWidget *attiva = QApplication::activeWindow();
    if (!attiva)
        return nullptr;
    if (auto *area = attiva->findChild<QMdiArea *>(); area && area->activeSubWindow())
        return area->activeSubWindow();
    return attiva;
}

} // namespace

QString cHtmlHelp::PercorsoHelp() const
{
    const int p = HelpFile.indexOf(QStringLiteral("::/"));
    if (p >= 0)
        return HelpFile.left(p).trimmed();
    return HelpFile;
}

std::int32_t cHtmlHelp::DisplayContext(std::int32_t TopicNum)
{
    return hh::HtmlHelpA(hWnd, PercorsoHelp(), hh::HH_HELP_CONTEXT, TopicNum);
}

std::int32_t cHtmlHelp::DisplayTopic(const QString &TopicName)
{
    if (!TopicName.isEmpty())
        return hh::HtmlHelpA(hWnd, PercorsoHelp(), hh::HH_DISPLAY_TOPIC, TopicName);
    return hh::HtmlHelpA(hWnd, PercorsoHelp(), hh::HH_DISPLAY_TOPIC);
}

std::int32_t cHtmlHelp::PopUp(const QString &Text)
{
    // Errors are ignored: with no active form the point stays (0, 0).
    hh::HH_POPUP popup;
    popup.cbStruct = 52;
    popup.hinst = 0;
    popup.idString = 0;
    popup.pszText = Text;
    if (const QWidget *form = formAttiva()) {
        const double left = double(form->x()) * TwipsPerPixelX;
        const double top = double(form->y()) * TwipsPerPixelY;
        const double height = double(form->height()) * TwipsPerPixelY;
        popup.pt.x = std::int32_t(divisioneIntera(left + 360, TwipsPerPixelX));
        popup.pt.y = std::int32_t(
            divisioneIntera(top + divisioneIntera(height, 2) + 240, TwipsPerPixelY));
    }
    popup.clrForeground = -1;
    popup.clrBackground = -1;
    popup.rcMargins = {-1, -1, -1, -1};
    popup.pszFont = QStringLiteral("Verdana,8");
    return hh::HtmlHelpA(hWnd, HelpFile, hh::HH_DISPLAY_TEXT_POPUP, popup);
}

std::int32_t cHtmlHelp::DisplaySearch()
{
    hh::HH_FTS_QUERY domanda;
    domanda.cbStruct = 32;
    domanda.fUniCodeStrings = 0;
    domanda.pszSearchQuery = QString();
    domanda.iProximity = 0;
    domanda.fStemmedSearch = 0;
    domanda.fTitleOnly = 0;
    domanda.fExecute = 1;
    domanda.pszWindow = QString();
    return hh::HtmlHelpA(hWnd, PercorsoHelp(), hh::HH_DISPLAY_SEARCH, domanda);
}

std::int32_t cHtmlHelp::DisplayTOC()
{
    return hh::HtmlHelpA(hWnd, PercorsoHelp(), hh::HH_DISPLAY_TOC);
}

std::int32_t cHtmlHelp::DisplayIndex(const QString &sKeyWord)
{
    if (!sKeyWord.isEmpty())
        return hh::HtmlHelpA(hWnd, PercorsoHelp(), hh::HH_DISPLAY_INDEX, sKeyWord);
    return hh::HtmlHelpA(hWnd, PercorsoHelp(), hh::HH_DISPLAY_INDEX);
}

std::int32_t cHtmlHelp::HelpContextPop(QWidget *elControl)
{
    // Errors are ignored: with no control there is no call.
    QWidget *controllo = elControl ? elControl : QApplication::focusWidget();
    if (!controllo)
        return 0;
    mappa_[0] = {hh::GetDlgCtrlID(controllo), hh::HelpContextID(controllo)};
    mappa_[1] = {0, 0};
    return hh::HtmlHelpA(controllo, HelpFile, hh::HH_TP_HELP_WM_HELP,
                         hh::MappaContesti(mappa_.begin(), mappa_.end()));
}

std::int32_t cHtmlHelp::HelpContext(std::int32_t TopicNum, const QString &laVentana)
{
    QString percorso = PercorsoHelp();
    if (!laVentana.isEmpty())
        percorso += QStringLiteral(" >") + laVentana;
    return hh::HtmlHelpA(hWnd, percorso, hh::HH_HELP_CONTEXT, TopicNum);
}

namespace scheda {

void PreparaGuida(QWidget *finestraPrincipale)
{
    static std::unique_ptr<cHtmlHelp> guida;
    hh::impostaFileHelpApplicazione(FileHelp);
    guida = std::make_unique<cHtmlHelp>();
    guida->hWnd = finestraPrincipale;
    guida->HelpFile = hh::fileHelpApplicazione();
    GuidaHtml = guida.get();
}

} // namespace scheda
