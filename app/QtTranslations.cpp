#include "app/QtTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace qttranslations {

namespace {

// Loaded on first use and kept: switching back and forth only installs or removes it.
QTranslator* frenchCatalogue()
{
    static QTranslator* const translator = [] {
        auto* loaded = new QTranslator(QCoreApplication::instance());
        if (!loaded->load(QStringLiteral("qtbase_fr"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
            delete loaded;
            return static_cast<QTranslator*>(nullptr);
        }
        return loaded;
    }();
    return translator;
}

} // namespace

bool apply(text::LanguageIndex language)
{
    QTranslator* french = frenchCatalogue();
    if (!french)
        return language != text::French;
    // Installing twice would stack the catalogue; removing first keeps one copy at most.
    QCoreApplication::removeTranslator(french);
    if (language == text::French)
        QCoreApplication::installTranslator(french);
    return true;
}

} // namespace qttranslations
