#include "app/settings/SettingsStore.h"

#include "app/settings/SettingsKeys.h"

#include <QCoreApplication>
#include <QSettings>

#include <cmath>

namespace {

QString appGroup()
{
    return QLatin1String(SettingsGroup::App);
}

// The identity is taken at every call, so whatever the entry point (or a test) set last wins.
class Store
{
public:
    explicit Store(const QString &group)
        : m_settings(QSettings::NativeFormat, QSettings::UserScope,
                     QCoreApplication::organizationName(), QCoreApplication::applicationName())
    {
        m_settings.beginGroup(group);
    }
    ~Store() { m_settings.endGroup(); }

    QSettings *operator->() { return &m_settings; }

private:
    QSettings m_settings;
};

} // namespace

QVariant readAppSetting(const QString &key, const QVariant &defaultValue)
{
    return readSetting(appGroup(), key, defaultValue);
}

QVariant readSetting(const QString &group, const QString &key, const QVariant &defaultValue)
{
    Store store(group);
    return store->value(key, defaultValue);
}

void writeAppSetting(const QString &key, const QVariant &value)
{
    writeSetting(appGroup(), key, value);
}

void writeSetting(const QString &group, const QString &key, const QVariant &value)
{
    Store store(group);
    store->setValue(key, value);
}

bool hasSetting(const QString &group, const QString &key)
{
    Store store(group);
    return store->contains(key);
}

void writeMissingSettings(const QVector<SettingValue> &values)
{
    Store store{QString()};
    for (const SettingValue &v : values) {
        const QString path = v.group + QLatin1Char('/') + v.key;
        if (!store->contains(path))
            store->setValue(path, v.value);
    }
}

QVector<QVariant> readSettings(const QVector<SettingValue> &keysWithDefaults)
{
    Store store{QString()};
    QVector<QVariant> values;
    values.reserve(keysWithDefaults.size());
    for (const SettingValue &v : keysWithDefaults)
        values << store->value(v.group + QLatin1Char('/') + v.key, v.value);
    return values;
}

void writeSettingAt(const QString &nativePath, const QString &group, const QString &key, const QVariant &value)
{
    QSettings settings(nativePath, QSettings::NativeFormat);
    settings.beginGroup(group);
    settings.setValue(key, value);
    settings.endGroup();
}

double readOpacity()
{
    bool ok = false;
    const double opacity = readAppSetting(QLatin1String(SettingsKey::Opacity), 1).toString().toDouble(&ok);
    // A hand-edited store must not make a window invisible or crash the opacity setter.
    if (!ok || !std::isfinite(opacity))
        return 1.0;
    return qBound(0.0, opacity, 1.0);
}
