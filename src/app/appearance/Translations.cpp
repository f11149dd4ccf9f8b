#include "app/appearance/Translations.h"

#include "app/appearance/InterfaceLanguage.h"

#include <QCoreApplication>
#include <QHash>
#include <QLocale>
#include <QMutex>
#include <QPointer>
#include <QTranslator>

namespace {

App::Language resolved(App::Language language)
{
    return interfaceLanguageFor(language, QLocale::system().language());
}

// The file each translator was installed with, while it is installed. The guarded pointer tells
// a translator destroyed since from another one made later at the same address.
struct InstalledFile
{
    QPointer<const QTranslator> translator;
    QString path;
};

struct InstalledFiles
{
    QMutex mutex;
    QHash<const QTranslator *, InstalledFile> files;
};

InstalledFiles &installedFiles()
{
    static InstalledFiles installed;
    return installed;
}

void noteInstalled(const QTranslator *translator, const QString &path)
{
    InstalledFiles &installed = installedFiles();
    QMutexLocker lock(&installed.mutex);
    installed.files.insert(translator, {translator, path});
}

void noteRemoved(const QTranslator *translator)
{
    InstalledFiles &installed = installedFiles();
    QMutexLocker lock(&installed.mutex);
    installed.files.remove(translator);
}

QString installedFile(const QTranslator *translator)
{
    InstalledFiles &installed = installedFiles();
    QMutexLocker lock(&installed.mutex);
    const auto found = installed.files.constFind(translator);
    return found != installed.files.constEnd() && found->translator == translator ? found->path : QString();
}

bool loadAndInstall(QTranslator *translator, const QString &path)
{
    if (!translator)
        return false;
    // load() empties the translator first, so a failed load never leaves the old language behind.
    if (!translator->load(path))
        return false;
    QCoreApplication::installTranslator(translator);
    noteInstalled(translator, path);
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
    if (program) {
        QCoreApplication::removeTranslator(program);
        noteRemoved(program);
    }
    if (toolkit) {
        QCoreApplication::removeTranslator(toolkit);
        noteRemoved(toolkit);
    }
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

bool translationsInstalled(App::Language language, const QTranslator *program, const QTranslator *toolkit)
{
    const App::Language effective = resolved(language);
    if (!program || installedFile(program) != programTranslationPath(effective))
        return false;
    return effective == App::Language::English || (toolkit && installedFile(toolkit) == toolkitTranslationPath(effective));
}
