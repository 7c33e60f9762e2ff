#pragma once
// The help wrapper: the owner window and the help file, and one procedure per
// kind of help window (contents, index, search, topic, context topic, pop-up
// text, pop-up help of a control). Each returns the result of its help call:
// the handle of the window shown, or 0.

#include <QPointer>
#include <QString>
#include <QWidget>
#include <array>
#include <cstdint>
#include <utility>

class cHtmlHelp
{
public:
    // The owner window of the help windows (start-up: the main window).
    QPointer<QWidget> hWnd;
    // The help file; it may carry the pop-up text file behind "::/".
    QString HelpFile;

    std::int32_t DisplayContext(std::int32_t TopicNum = 0);
    std::int32_t DisplayTopic(const QString &TopicName = QString());
    std::int32_t PopUp(const QString &Text);
    std::int32_t DisplaySearch();
    std::int32_t DisplayTOC();
    std::int32_t DisplayIndex(const QString &sKeyWord = QString());
    std::int32_t HelpContextPop(QWidget *elControl = nullptr);
    std::int32_t HelpContext(std::int32_t TopicNum = 0, const QString &laVentana = QString());

    // The help path: HelpFile without the pop-up file (what precedes "::/",
    // trimmed), or HelpFile unchanged when it has none.
    QString PercorsoHelp() const;

private:
    // (control identifier, help context identifier); the second pair ends the map.
    std::array<std::pair<std::int32_t, std::int32_t>, 2> mappa_{};
};

namespace scheda {

// Start-up, help set-up: the application's help file becomes FileHelp, and
// GuidaHtml a new wrapper owned by the main window with that help file.
void PreparaGuida(QWidget *finestraPrincipale);

} // namespace scheda
