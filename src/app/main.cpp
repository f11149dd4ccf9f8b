#include "app/settings/SettingsKeys.h"
#include "ui/main/AirvaneLite.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Tarnwick"));
    QCoreApplication::setApplicationName(QStringLiteral("Airvane Lite"));
    QCoreApplication::setApplicationVersion(QStringLiteral(AIRVANE_VERSION));
    Q_INIT_RESOURCE(icons);

    writeDefaultSettings();

    AirvaneLite window;
    window.show();
    return app.exec();
}
