#include "platform/os/Autostart.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

QString autostartFile()
{
    // Resolved by hand rather than through QStandardPaths, whose test mode would move it.
    QString configHome = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (configHome.isEmpty() || QDir::isRelativePath(configHome))
        configHome = QDir::homePath() + QStringLiteral("/.config");
    return configHome + QStringLiteral("/autostart/airvane-lite.desktop");
}

// One argument of an Exec line: quoted, with the characters that are special inside quotes
// escaped, then escaped once more as a desktop-entry string value. "%" would start a field code.
QString execArgument(const QString &argument)
{
    QString quoted;
    for (const QChar c : argument) {
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') || c == QLatin1Char('\\'))
            quoted += QLatin1Char('\\');
        if (c == QLatin1Char('%'))
            quoted += QLatin1Char('%');
        quoted += c;
    }
    quoted = QLatin1Char('"') + quoted + QLatin1Char('"');

    QString value;
    for (const QChar c : quoted) {
        if (c == QLatin1Char('\\'))
            value += QStringLiteral("\\\\");
        else if (c == QLatin1Char('\n'))
            value += QStringLiteral("\\n");
        else if (c == QLatin1Char('\r'))
            value += QStringLiteral("\\r");
        else if (c == QLatin1Char('\t'))
            value += QStringLiteral("\\t");
        else
            value += c;
    }
    return value;
}

} // namespace

bool setRunAtStartup(bool on, const QString &executablePath)
{
    const QString path = autostartFile();
    if (!on)
        return !QFileInfo::exists(path) || QFile::remove(path);

    // Autostart launchers do not search a working directory: only an absolute program runs.
    if (executablePath.isEmpty() || QDir::isRelativePath(executablePath))
        return false;
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;

    const QString entry = QStringLiteral("[Desktop Entry]\n"
                                         "Type=Application\n"
                                         "Version=1.0\n"
                                         "Name=Airvane Lite\n"
                                         "Exec=")
        + execArgument(executablePath)
        + QStringLiteral("\n"
                         "Terminal=false\n"
                         "X-GNOME-Autostart-enabled=true\n");

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray bytes = entry.toUtf8();
    if (file.write(bytes) != bytes.size())
        return false;
    return file.commit();
}

bool isRunAtStartup()
{
    return QFileInfo::exists(autostartFile());
}
