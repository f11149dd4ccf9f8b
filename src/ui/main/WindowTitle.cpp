#include "ui/main/WindowTitle.h"

#include "app/settings/SettingsEnums.h"
#include "app/settings/SettingsKeys.h"
#include "app/settings/SettingsStore.h"

#include <QSysInfo>

QString WindowTitle::text(bool showFullInfo, int channel)
{
    const QString name = QStringLiteral("Airvane Lite");
    if (!showFullInfo)
        return name;
    return QStringLiteral("%1 [%2 | %3 %4 | %5]")
        .arg(name, channelName(channel), tr("Build"), QStringLiteral(AIRVANE_VERSION), architecture());
}

QString WindowTitle::stored()
{
    const bool full = readAppSetting(QLatin1String(SettingsKey::ShowFullInfo), true).toBool();
    return text(full, static_cast<int>(readUpdatesChannel()));
}

QString WindowTitle::channelName(int channel)
{
    switch (channel) {
    case 0: return tr("Development");
    case 1: return tr("Insider");
    case 2: return tr("Beta");
    default: return tr("Release");
    }
}

QString WindowTitle::architecture()
{
    const QString bits = QString::number(QSysInfo::WordSize);
    if (bits == QLatin1String("64"))
        return QStringLiteral("x64");
    if (bits == QLatin1String("32"))
        return QStringLiteral("x86");
    return bits;
}
