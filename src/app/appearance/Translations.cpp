#include "app/appearance/Translations.h"

#include "app/appearance/InterfaceLanguage.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>

namespace {

App::Language resolved(App::Language language)
{
    return interfaceLanguageFor(language, QLocale::system().language());
}

bool loadAndInstall(QTranslator *translator, const QString &path)
{
    if (!translator)
        return false;
    // load() empties the translator first, so a failed load never leaves the old language behind.
    if (!translator->load(path))
        return false;
    QCoreApplication::installTranslator(translator);
    return true;
}

} // namespace

QString programTranslationPath(App::Language language)
{
    return QStringLiteral(":/Localization/%1_%2.qm")
        .arg(QStringLiteral("AirvaneLite"), languageCode(resolved(language)));
}

QString toolkitTranslationPath(App::Language language)
{
    return QStringLiteral("%1/translations/qt_%2.qm")
        .arg(QCoreApplication::applicationDirPath(), languageCode(resolved(language)));
}

void removeTranslations(QTranslator *program, QTranslator *toolkit)
{
    // The application keeps a plain list and removes one entry per call; a translator is never
    // installed twice here, so one call each is enough.
    if (program)
        QCoreApplication::removeTranslator(program);
    if (toolkit)
        QCoreApplication::removeTranslator(toolkit);
}

bool loadTranslations(App::Language language, QTranslator *program, QTranslator *toolkit)
{
    removeTranslations(program, toolkit);
    const App::Language effective = resolved(language);
    const bool programLoaded = loadAndInstall(program, programTranslationPath(effective));
    const bool toolkitLoaded = loadAndInstall(toolkit, toolkitTranslationPath(effective));
    const bool toolkitNeeded = toolkit && effective != App::Language::English;
    return (!program || programLoaded) && (!toolkitNeeded || toolkitLoaded);
}

bool loadTranslations(QTranslator *program, QTranslator *toolkit)
{
    return loadTranslations(readLanguage(), program, toolkit);
}
