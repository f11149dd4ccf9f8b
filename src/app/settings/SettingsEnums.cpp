#include "app/settings/SettingsEnums.h"

#include "app/settings/SettingsKeys.h"
#include "app/settings/SettingsStore.h"

#include <QString>

namespace {

int readInt(const char *group, const char *key)
{
    return readIntSetting(QLatin1String(group), QLatin1String(key));
}

void writeInt(const char *group, const char *key, int value)
{
    writeSetting(QLatin1String(group), QLatin1String(key), value);
}

} // namespace

int readIntSetting(const QString &group, const QString &key)
{
    // Through the text form, so that a value reads the same from the in-process cache (which
    // keeps e.g. a bool) as from the store on disk (which gives "true").
    bool ok = false;
    const int value = readSettingOrDefault(group, key).toString().toInt(&ok);
    return ok ? value : 0;
}

App::Language readLanguage()
{
    return static_cast<App::Language>(readInt(SettingsGroup::App, SettingsKey::AppLanguage));
}

App::Theme readTheme()
{
    return static_cast<App::Theme>(readInt(SettingsGroup::App, SettingsKey::AppTheme));
}

Update::Channel readUpdatesChannel()
{
    return static_cast<Update::Channel>(readInt(SettingsGroup::Updates, SettingsKey::UpdatesChannel));
}

Update::Delivery readDelivery()
{
    return static_cast<Update::Delivery>(readInt(SettingsGroup::Updates, SettingsKey::Delivery));
}

void writeLanguage(App::Language language)
{
    writeInt(SettingsGroup::App, SettingsKey::AppLanguage, static_cast<int>(language));
}

void writeTheme(App::Theme theme)
{
    writeInt(SettingsGroup::App, SettingsKey::AppTheme, static_cast<int>(theme));
}

void writeUpdatesChannel(Update::Channel channel)
{
    writeInt(SettingsGroup::Updates, SettingsKey::UpdatesChannel, static_cast<int>(channel));
}

void writeDelivery(Update::Delivery delivery)
{
    writeInt(SettingsGroup::Updates, SettingsKey::Delivery, static_cast<int>(delivery));
}
