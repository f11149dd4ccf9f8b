#include "app/startup/EntryPoint.h"

#include "app/appearance/SharedTranslators.h"
#include "app/appearance/Translations.h"
#include "app/settings/SettingsEnums.h"
#include "app/settings/SettingsKeys.h"
#include "app/settings/SettingsStore.h"
#include "app/startup/AppTheme.h"
#include "app/startup/CrashRecovery.h"
#include "app/startup/LocalizationError.h"
#include "app/startup/ManageStartup.h"
#include "app/startup/SingleInstance.h"
#include "app/startup/TranslationResources.h"
#include "platform/os/CrashDumps.h"
#include "ui/main/AirvaneLite.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QStandardPaths>

#include <memory>

static void initIconResources()
{
    Q_INIT_RESOURCE(icons);
}

void EntryPoint::setEarlyAttributes()
{
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QCoreApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
    QCoreApplication::setAttribute(Qt::AA_UseOpenGLES);
}

void EntryPoint::setIdentity()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Tarnwick"));
    QCoreApplication::setApplicationName(QStringLiteral("Airvane Lite"));
    QCoreApplication::setApplicationVersion(QStringLiteral(AIRVANE_VERSION));
}

bool EntryPoint::loadStartupTranslations()
{
    if (loadTranslations(SharedTranslators::program(), SharedTranslators::toolkit()))
        return true;
    removeTranslations(SharedTranslators::program(), SharedTranslators::toolkit());
    return false;
}

int EntryPoint::run(int argc, char *argv[], StartupServices services)
{
    setEarlyAttributes();
    QApplication app(argc, argv);
    setIdentity();
    initIconResources();
    initTranslationResources();
    initAppearanceResources();
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/Icon/airvane.png")));

    os::registerCrashDumps(QDir::toNativeSeparators(
        QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) + QStringLiteral("/CrashDumps")));
    applyTheme(readTheme(), nullptr);
    const CrashRecovery crashRecovery;
    crashRecovery.install();

    if (!loadStartupTranslations()) {
        LocalizationError::show();
        return LocalizationError::ExitCode;
    }

    SingleInstance instance;
    const auto title = [] {
        return AirvaneLite::titleText(readAppSetting(QLatin1String(SettingsKey::ShowFullInfo), true).toBool(),
                                      static_cast<int>(readUpdatesChannel()));
    };
    if (instance.decide(QCoreApplication::arguments(), title) == SingleInstance::Decision::Quit)
        return 0;

    crashRecovery.offerFeedback(services.openFeedback);

    auto startup = std::make_unique<ManageStartup>(&app, std::move(services));
    // The start-up translations stay: they are the pair the main window switches later.
    const int exitCode = QApplication::exec();
    // Windows go before the application object does.
    startup.reset();
    return exitCode;
}
