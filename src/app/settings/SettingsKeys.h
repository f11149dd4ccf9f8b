#pragma once

#include <QByteArray>
#include <QString>
#include <QVariant>
#include <QVector>

// Every group and key of the settings store, in one table with its type and default. Code that
// reads a key without a default of its own asks the table (settingDefault / readSettingOrDefault).

namespace SettingsGroup {
inline constexpr char App[] = "AppSettings";
inline constexpr char Updates[] = "Updates";
inline constexpr char Fonts[] = "Fonts";
inline constexpr char Database[] = "Database";
} // namespace SettingsGroup

namespace SettingsKey {
// "AppSettings"
inline constexpr char ShowFullInfo[] = "ShowFullInfo";
inline constexpr char ShowSplash[] = "ShowSplash";
inline constexpr char AlwaysOnTop[] = "AlwaysOnTop";
inline constexpr char OpenInfoWithConfigManager[] = "OpenInfoWithConfigManager";
inline constexpr char AddToTray[] = "AddToTray";
inline constexpr char CloseToTray[] = "CloseToTray";
inline constexpr char MinimizeToTray[] = "MinimizeToTray";
inline constexpr char ShowWindowWhenInTray[] = "ShowWindowWhenInTray";
inline constexpr char NotifyWhenInTray[] = "NotifyWhenInTray";
inline constexpr char NotifyWhenOpenAP[] = "NotifyWhenOpenAP";
inline constexpr char AutoRefreshWlanNetworks[] = "AutoRefreshWlanNetworks";
inline constexpr char Opacity[] = "Opacity";
inline constexpr char AppLanguage[] = "AppLanguage";
inline constexpr char AppTheme[] = "AppTheme";
inline constexpr char WlanIndex[] = "WlanIndex";
inline constexpr char Position[] = "Position";
inline constexpr char WlanViewSize[] = "WlanViewSize";
inline constexpr char SettingsPos[] = "SettingsPos";
inline constexpr char SettingsViewSize[] = "SettingsViewSize";
inline constexpr char LogPath[] = "LogPath";
inline constexpr char Reminder[] = "Reminder";
// "Updates"
inline constexpr char EnableUpdates[] = "EnableUpdates";
inline constexpr char CheckForUpdatesWhenAppStarts[] = "CheckForUpdatesWhenAppStarts";
inline constexpr char InstallUpdatesAutomatically[] = "InstallUpdatesAutomatically";
inline constexpr char GetInsiderBuildsNotification[] = "GetInsiderBuildsNotification";
inline constexpr char DeleteInstaller[] = "DeleteInstaller";
inline constexpr char InstallSilently[] = "InstallSilently";
inline constexpr char UpdatesChannel[] = "UpdatesChannel";
inline constexpr char Delivery[] = "Delivery";
inline constexpr char DownloadPath[] = "DownloadPath";
inline constexpr char InstallPath[] = "InstallPath";
// "Fonts"
inline constexpr char Family[] = "Family";
inline constexpr char Size[] = "Size";
// "Database"
inline constexpr char APName[] = "APName";
inline constexpr char APPassword[] = "APPassword";
} // namespace SettingsKey

// Layout blobs written at first start: Qt's save-geometry format for the two windows and its
// splitter save-state format for their splitters.
namespace DefaultLayout {
inline constexpr char PositionBase64[] =
    "AdnQywACAAAAAAFFAAAAywAABjoAAAM9AAABSgAAAOEAAAY1AAADOAAAAAAAAAAAB4A=";
inline constexpr char SettingsPosBase64[] =
    "AdnQywACAAAAAAIWAAAA9AAABXEAAAM+AAACGwAAAQoAAAVsAAADOQAAAAAAAAAAB4A=";
inline constexpr char WlanViewSizeBase64[] = "AAAA/wAAAAEAAAAC//////////8B/////wEAAAACAA==";
inline constexpr char SettingsViewSizeBase64[] = "AAAA/wAAAAEAAAAC//////////8B/////wEAAAABAA==";
} // namespace DefaultLayout

enum class SettingType {
    Bool,
    Int,
    Double,
    String,
    Geometry,      // QWidget::saveGeometry blob
    SplitterState, // QSplitter::saveState blob
    Language,      // App::Language as int
    Theme,         // App::Theme as int
    UpdateChannel, // Update::Channel as int
    UpdateDelivery // Update::Delivery as int
};

struct SettingKeyInfo
{
    QString group;
    QString key;
    SettingType type;
    QVariant defaultValue;
    // For defaults that depend on the machine (the user's download folder); null otherwise.
    QVariant (*computeDefault)();
    // Written by writeDefaultSettings(); the table is kept in the order of that first start.
    bool writtenAtFirstStart;
};

// The whole table: first the keys written at first start in their order, then the others.
const QVector<SettingKeyInfo> &settingKeyTable();

// nullptr for a key the table does not know.
const SettingKeyInfo *findSettingKey(const QString &group, const QString &key);

// The default of a known key (computed now, e.g. the user's download folder); an invalid
// QVariant for an unknown key.
QVariant settingDefault(const QString &group, const QString &key);

// The stored value, or the table default when the key is missing.
QVariant readSettingOrDefault(const QString &group, const QString &key);

// First start: writes the default of every first-start key the store does not hold yet, in
// table order. Existing values are never touched.
void writeDefaultSettings();

// "AppSettings"/<key> for "Position", "SettingsPos", "WlanViewSize", "SettingsViewSize": the
// stored blob when the key exists, otherwise the decoded default blob.
QByteArray readLayoutBlob(const QString &key);
