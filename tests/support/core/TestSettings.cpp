#include "TestSettings.h"

#include <QCoreApplication>
#include <QSettings>
#include <QStandardPaths>

namespace testsupport {

void setApplicationIdentity()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Tarnwick"));
    QCoreApplication::setApplicationName(QStringLiteral("Airvane Lite"));
    QCoreApplication::setApplicationVersion(QStringLiteral("2.8.8.652"));
}

void resetSettings()
{
    QStandardPaths::setTestModeEnabled(true);
    setApplicationIdentity();
    QSettings settings;
    settings.clear();
    settings.sync();
}

} // namespace testsupport
