#include "platform/os/Autostart.h"

#include "app/settings/SettingsStore.h"

#include <QDir>
#include <QSettings>

namespace {

QString runKey()
{
    return QStringLiteral("HKEY_CURRENT_USER\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run");
}

QString valueName()
{
    return QStringLiteral("Airvane Lite");
}

} // namespace

bool setRunAtStartup(bool on, const QString &executablePath)
{
    if (on) {
        if (executablePath.isEmpty())
            return false;
        writeSettingAt(runKey(), QString(), valueName(), QDir::toNativeSeparators(executablePath));
    } else {
        QSettings run(runKey(), QSettings::NativeFormat);
        run.remove(valueName());
        run.sync();
        if (run.status() != QSettings::NoError)
            return false;
    }
    return isRunAtStartup() == on;
}

bool isRunAtStartup()
{
    QSettings run(runKey(), QSettings::NativeFormat);
    return run.contains(valueName());
}
