#include "net/UpdateTargets.h"

#include "app/settings/SettingsKeys.h"
#include "app/settings/SettingsStore.h"
#include "net/NetworkEndpoints.h"
#include "util/TextCipher.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSysInfo>

namespace updates {

bool isDeveloperBuild()
{
    const QString group = QStringLiteral("Credentials");
    const QString key = QStringLiteral("DevBuild");
    // Missing means "no"; only a stored value is worth deciphering.
    if (!hasSetting(group, key))
        return false;
    const QString stored = readSetting(group, key).toString();
    return TextCipher::decryptText(TextCipher::storedSecretKey, stored) == QLatin1String("yes");
}

Update::Channel effectiveChannel(Update::Channel stored, bool developerBuild)
{
    if (stored == Update::Channel::Development && !developerBuild)
        return Update::Channel::Insider;
    return stored;
}

Update::Channel effectiveChannel()
{
    return effectiveChannel(readUpdatesChannel(), isDeveloperBuild());
}

QString languagePrefix(int storedLanguage, QLocale::Language systemLanguage, bool *valid)
{
    *valid = true;
    switch (storedLanguage) {
    case int(App::Language::Automatic):
        if (systemLanguage == QLocale::Russian)
            return QStringLiteral("ru.");
        if (systemLanguage == QLocale::Ukrainian)
            return QStringLiteral("ua.");
        return QStringLiteral("en.");
    case int(App::Language::English):
        return QStringLiteral("en.");
    case int(App::Language::Russian):
        return QStringLiteral("ru.");
    case int(App::Language::Ukrainian):
        return QStringLiteral("ua.");
    default:
        *valid = false;
        return QString();
    }
}

QString manifestAddress(Update::Channel channel, const QString &prefix)
{
    QString format;
    switch (channel) {
    case Update::Channel::Development:
        format = QStringLiteral("%1/%2/dev/%3update.dev.json");
        break;
    case Update::Channel::Insider:
        format = QStringLiteral("%1/%2/insider/%3update.insider.json");
        break;
    case Update::Channel::Beta:
        format = QStringLiteral("%1/%2/beta/%3update.beta.json");
        break;
    default:
        format = QStringLiteral("%1/%2/release/%3update.release.json");
        break;
    }
    return format.arg(endpoints::webAddress(QStringLiteral("/apps")), QLatin1String(productFolder), prefix);
}

QString installerFilePath(const QString &downloadFolder, Update::Channel channel)
{
    const QString architecture = QSysInfo::WordSize == 64 ? QStringLiteral("x64") : QStringLiteral("x86");
    const QString stem = QLatin1String(productFileStem);
    QString channelName;
    switch (channel) {
    case Update::Channel::Development:
        channelName = QStringLiteral("Dev");
        break;
    case Update::Channel::Insider:
        channelName = QStringLiteral("Insider");
        break;
    case Update::Channel::Beta:
        channelName = QStringLiteral("Beta");
        break;
    default:
        return QDir::toNativeSeparators(
            QStringLiteral("%1/%2.Setup.%3.exe").arg(downloadFolder, stem, architecture));
    }
    return QDir::toNativeSeparators(
        QStringLiteral("%1/%2.%3.Setup.%4.exe").arg(downloadFolder, stem, channelName, architecture));
}

bool removeOldInstallers(const QString &downloadFolder)
{
    const Update::Channel stored = readUpdatesChannel();
    bool removed = true;
    for (const Update::Channel channel : {stored, effectiveChannel(stored, isDeveloperBuild())}) {
        QFile installer(installerFilePath(downloadFolder, channel));
        if (installer.exists() && !installer.remove())
            removed = false;
    }
    return removed;
}

QString downloadFolder()
{
    return readSettingOrDefault(QLatin1String(SettingsGroup::Updates), QLatin1String(SettingsKey::DownloadPath))
        .toString();
}

QString installFolder()
{
    return readSettingOrDefault(QLatin1String(SettingsGroup::Updates), QLatin1String(SettingsKey::InstallPath))
        .toString();
}

QString channelDisplayName(Update::Channel channel)
{
    switch (channel) {
    case Update::Channel::Development:
        return QCoreApplication::translate("Update", "Development");
    case Update::Channel::Insider:
        return QCoreApplication::translate("Update", "Insider");
    case Update::Channel::Beta:
        return QCoreApplication::translate("Update", "Beta");
    default:
        return QCoreApplication::translate("Update", "Release");
    }
}

} // namespace updates
