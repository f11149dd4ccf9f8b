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
        // Quoted: Windows reads an unquoted path with spaces as "C:\Program" plus arguments, and
        // would start a C:\Program.exe that someone placed there.
        writeSettingAt(runKey(), QString(), valueName(),
                       QString(QLatin1Char('"') + QDir::toNativeSeparators(executablePath) + QLatin1Char('"')));
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
    // Older versions wrote the bare path, this one writes it quoted: either names a program.
    QSettings run(runKey(), QSettings::NativeFormat);
    QString command = run.value(valueName()).toString().trimmed();
    if (command.size() >= 2 && command.startsWith(QLatin1Char('"')) && command.endsWith(QLatin1Char('"')))
        command = command.mid(1, command.size() - 2);
    return !command.trimmed().isEmpty();
}
