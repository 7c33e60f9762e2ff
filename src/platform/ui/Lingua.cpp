#include "platform/ui/Lingua.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <array>
#include <memory>

namespace ui {

namespace {

// The widgets' texts, and the help window's.
constexpr std::array Cataloghi = {"qtbase_it", "qt_help_it"};

std::array<std::unique_ptr<QTranslator>, Cataloghi.size()> installati;

} // namespace

bool traduciQt(const QString &cartella)
{
    const QString dove = cartella.isEmpty() ? QLibraryInfo::path(QLibraryInfo::TranslationsPath)
                                            : cartella;
    for (std::size_t i = 0; i < Cataloghi.size(); ++i) {
        if (installati[i])
            QCoreApplication::removeTranslator(installati[i].get());
        installati[i] = std::make_unique<QTranslator>();
        if (!installati[i]->load(QString::fromLatin1(Cataloghi[i]), dove)
            || !QCoreApplication::installTranslator(installati[i].get()))
            installati[i].reset();
    }
    return installati[0] != nullptr;
}

} // namespace ui
