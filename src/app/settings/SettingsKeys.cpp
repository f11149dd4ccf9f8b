#include "app/settings/SettingsKeys.h"

#include "app/settings/SettingsStore.h"

#include <QDir>
#include <QStandardPaths>

namespace {

QVariant downloadFolder()
{
    return QDir::toNativeSeparators(QStandardPaths::writableLocation(QStandardPaths::DownloadLocation));
}

QVariant blob(const char *base64)
{
    return QByteArray::fromBase64(QByteArray(base64));
}

QVector<SettingKeyInfo> buildTable()
{
    using namespace SettingsKey;
    using T = SettingType;
    const QString app = QLatin1String(SettingsGroup::App);
    const QString updates = QLatin1String(SettingsGroup::Updates);
    const QString fonts = QLatin1String(SettingsGroup::Fonts);
    const QString database = QLatin1String(SettingsGroup::Database);
    const QString installPath = QDir::toNativeSeparators(
        QStringLiteral("C:\\Program Files\\Tarnwick\\") + QStringLiteral("Airvane Lite"));

    auto entry = [](const QString &group, const char *key, T type, const QVariant &def,
                    bool firstStart = true, QVariant (*compute)() = nullptr) {
        return SettingKeyInfo{group, QLatin1String(key), type, def, compute, firstStart};
    };

    return {
        entry(app, ShowFullInfo, T::Bool, true),
        entry(app, ShowSplash, T::Bool, true),
        entry(app, AlwaysOnTop, T::Bool, false),
        entry(app, OpenInfoWithConfigManager, T::Bool, true),
        entry(app, AddToTray, T::Bool, false),
        entry(app, CloseToTray, T::Bool, false),
        entry(app, MinimizeToTray, T::Bool, false),
        entry(app, ShowWindowWhenInTray, T::Bool, false),
        entry(app, NotifyWhenOpenAP, T::Bool, true),
        entry(app, AutoRefreshWlanNetworks, T::Bool, true),
        entry(app, Opacity, T::Double, 1), // an integer 1 on purpose: that is what gets stored
        entry(app, WlanViewSize, T::SplitterState, blob(DefaultLayout::WlanViewSizeBase64)),
        entry(app, SettingsViewSize, T::SplitterState, blob(DefaultLayout::SettingsViewSizeBase64)),
        entry(app, AppLanguage, T::Language, 0),
        entry(app, AppTheme, T::Theme, 0),
        entry(app, Position, T::Geometry, blob(DefaultLayout::PositionBase64)),
        entry(app, SettingsPos, T::Geometry, blob(DefaultLayout::SettingsPosBase64)),
        entry(fonts, Family, T::String, QStringLiteral("Segoe UI")),
        entry(fonts, Size, T::Int, 12),
        entry(updates, EnableUpdates, T::Bool, true),
        entry(updates, CheckForUpdatesWhenAppStarts, T::Bool, true),
        entry(updates, InstallUpdatesAutomatically, T::Bool, true),
        entry(updates, GetInsiderBuildsNotification, T::Bool, true),
        entry(updates, DeleteInstaller, T::Bool, false),
        entry(updates, InstallSilently, T::Bool, true),
        entry(updates, UpdatesChannel, T::UpdateChannel, 3),
        entry(updates, DownloadPath, T::String, QVariant(), true, &downloadFolder),
        entry(updates, InstallPath, T::String, installPath),
        entry(updates, Delivery, T::UpdateDelivery, 0),

        entry(app, NotifyWhenInTray, T::Bool, false, false),
        entry(app, WlanIndex, T::Int, 0, false),
        entry(app, LogPath, T::String, QString(), false),
        entry(app, Reminder, T::String, QString(), false),
        entry(database, APName, T::String, QString(), false),
        entry(database, APPassword, T::String, QString(), false),
    };
}

QVariant defaultOf(const SettingKeyInfo &info)
{
    return info.computeDefault ? info.computeDefault() : info.defaultValue;
}

} // namespace

const QVector<SettingKeyInfo> &settingKeyTable()
{
    static const QVector<SettingKeyInfo> table = buildTable();
    return table;
}

const SettingKeyInfo *findSettingKey(const QString &group, const QString &key)
{
    for (const SettingKeyInfo &info : settingKeyTable()) {
        if (info.group == group && info.key == key)
            return &info;
    }
    return nullptr;
}

QVariant settingDefault(const QString &group, const QString &key)
{
    const SettingKeyInfo *info = findSettingKey(group, key);
    return info ? defaultOf(*info) : QVariant();
}

QVariant readSettingOrDefault(const QString &group, const QString &key)
{
    return readSetting(group, key, settingDefault(group, key));
}

void writeDefaultSettings()
{
    // One pass over the store: opening it once per key made the first start slow.
    QVector<SettingValue> values;
    for (const SettingKeyInfo &info : settingKeyTable()) {
        if (info.writtenAtFirstStart)
            values.append({info.group, info.key, defaultOf(info)});
    }
    writeMissingSettings(values);
}

QByteArray readLayoutBlob(const QString &key)
{
    const QString group = QLatin1String(SettingsGroup::App);
    if (hasSetting(group, key))
        return readSetting(group, key).toByteArray();
    return settingDefault(group, key).toByteArray();
}
