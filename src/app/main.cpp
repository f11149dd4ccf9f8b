#include "app/appearance/Translations.h"
#include "app/settings/SettingsKeys.h"
#include "app/startup/TranslationResources.h"
#include "ui/main/AirvaneLite.h"

#include <QApplication>
#include <QIcon>
#include <QTranslator>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Tarnwick"));
    QCoreApplication::setApplicationName(QStringLiteral("Airvane Lite"));
    QCoreApplication::setApplicationVersion(QStringLiteral(AIRVANE_VERSION));
    Q_INIT_RESOURCE(icons);
    initTranslationResources();
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/Icon/airvane.png")));

    writeDefaultSettings();

    QTranslator programTranslator;
    QTranslator toolkitTranslator;
    loadTranslations(&programTranslator, &toolkitTranslator);

    AirvaneLite window;
    window.show();
    return app.exec();
}
