#include "platform/os/CrashDumps.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace os {

void registerCrashDumps(const QString &folder)
{
    const QString executable = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    const QString localDumps = QDir::toNativeSeparators(QStringLiteral(
        "HKEY_LOCAL_MACHINE/SOFTWARE/Microsoft/Windows/Windows Error Reporting/LocalDumps"));
    {
        QSettings existing(localDumps, QSettings::NativeFormat);
        if (existing.childGroups().contains(executable, Qt::CaseInsensitive))
            return;
    }
    QSettings entry(QDir::toNativeSeparators(QStringLiteral("%1/%2").arg(localDumps, executable)),
                    QSettings::NativeFormat);
    entry.setValue(QStringLiteral("DumpFolder"), folder);
    entry.setValue(QStringLiteral("DumpCount"), 10);
    entry.setValue(QStringLiteral("DumpType"), 1);
    entry.sync(); // without administrator rights this fails; the program runs on regardless
}

} // namespace os
