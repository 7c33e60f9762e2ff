#pragma once
// Our help layer in place of the platform's HTML Help: one call with the
// owner window, the help file path, a command and its data, as the program's
// help wrapper makes it. The compiled help file is a Qt help file kept under
// the name the program uses; it is shown in one reused, non-modal help window
// of the program, with its contents, keyword index and full-text search.
//
// The path may carry a file inside the help file behind "::/" (a topic, or the
// text file of the pop-ups) and a window name behind ">":
//   /cartella/VarnexHelp.chm::/VarnexHelpHtmlPopup.Txt.Txt
//   /cartella/VarnexHelp.chm >Principale
// A help file that is missing or unreadable shows nothing and returns 0.

#include <QString>
#include <cstdint>
#include <utility>
#include <variant>
#include <vector>

class QWidget;

namespace hh {

// Commands, numbered as the HTML Help standard numbers them.
enum Comando : unsigned {
    HH_DISPLAY_TOPIC = 0x0000,
    HH_DISPLAY_TOC = 0x0001,
    HH_DISPLAY_INDEX = 0x0002,
    HH_DISPLAY_SEARCH = 0x0003,
    HH_DISPLAY_TEXT_POPUP = 0x000E,
    HH_HELP_CONTEXT = 0x000F,
    HH_TP_HELP_WM_HELP = 0x0011,
};

struct POINT
{
    std::int32_t x = 0;
    std::int32_t y = 0;
};

struct RECT
{
    std::int32_t left = 0, top = 0, right = 0, bottom = 0;
};

// A text pop-up: pszText, or the topic idString of the text file named
// behind "::/" in the path. pt (screen pixels) is where its top centre goes.
// Colours are &H00BBGGRR& values, -1 the default; margins in pixels, -1 the
// default; pszFont "face,size[,charset[,BOLD ITALIC UNDERLINE]]".
struct HH_POPUP
{
    std::int32_t cbStruct = 52;
    std::int32_t hinst = 0;
    std::uint32_t idString = 0;
    QString pszText;
    POINT pt;
    std::int32_t clrForeground = -1;
    std::int32_t clrBackground = -1;
    RECT rcMargins{-1, -1, -1, -1};
    QString pszFont;
};

// A full-text search: the query is put in the search box and, with fExecute,
// run at once (an empty query runs nothing).
struct HH_FTS_QUERY
{
    std::int32_t cbStruct = 32;
    std::int32_t fUniCodeStrings = 0;
    QString pszSearchQuery;
    std::int32_t iProximity = 0;
    std::int32_t fStemmedSearch = 0;
    std::int32_t fTitleOnly = 0;
    std::int32_t fExecute = 1;
    QString pszWindow;
};

// Pairs (control identifier, help context identifier); a (0, 0) pair ends it.
using MappaContesti = std::vector<std::pair<std::int32_t, std::int32_t>>;

// The data of a call: nothing (0), a number, a text, or a structure.
using Dati
    = std::variant<std::monostate, std::int32_t, QString, HH_POPUP, HH_FTS_QUERY, MappaContesti>;

// Runs one command. Returns the handle of the window shown (the help window
// or the pop-up), or 0 when nothing was shown.
//   HH_DISPLAY_TOPIC   data: the topic (a file inside the help file, "#" anchor
//                      allowed), or nothing for the topic behind "::/" or the
//                      help file's first page
//   HH_DISPLAY_TOC     data: nothing; the contents
//   HH_DISPLAY_INDEX   data: a keyword, or nothing; the index
//   HH_DISPLAY_SEARCH  data: HH_FTS_QUERY; the search
//   HH_HELP_CONTEXT    data: a context number, mapped to a topic through the
//                      help file's mappa.h (#define NAME number) and alias.txt
//                      (NAME=topic); 0 when the number maps to no topic
//   HH_DISPLAY_TEXT_POPUP  data: HH_POPUP
//   HH_TP_HELP_WM_HELP data: MappaContesti; the owner is the control, whose
//                      context number picks the pop-up text of the text file
std::int32_t HtmlHelpA(QWidget *owner, const QString &file, unsigned comando, const Dati &dati = {});

// The identifier of a control within its window, the same for the whole run
// (the first call gives it one); 0 for no control.
std::int32_t GetDlgCtrlID(const QWidget *controllo);

// The help context number a control carries (its "HelpContextID" property), 0 by default.
std::int32_t HelpContextID(const QWidget *controllo);
void setHelpContextID(QWidget *controllo, std::int32_t id);

// The application's help file, used for help on a control: with it set, F1
// shows the topic of the focused control's help context number (of the first
// of its parents that has one), or the contents when none has.
void impostaFileHelpApplicazione(const QString &file);
QString fileHelpApplicazione();

// A path taken apart: the help file, the file inside it behind "::/" and the
// window name behind ">", each trimmed of blanks.
struct Percorso
{
    QString file;
    QString interno;
    QString finestra;
};
Percorso scomponiPercorso(const QString &percorso);

// The last call made, as it came (for diagnostics and tests).
struct Chiamata
{
    QWidget *owner = nullptr;
    QString file;
    unsigned comando = 0;
    Dati dati;
};
Chiamata ultimaChiamata();

class FinestraGuida;
// The help window, while it exists.
FinestraGuida *finestraGuida();
// The pop-up shown, while it is open.
QWidget *popupAperto();

// Before the program ends: the help window and the pop-up close, and so do
// the help files, their private temporary folder, if one was made, going
// with them.
void chiudiGuida();

} // namespace hh
