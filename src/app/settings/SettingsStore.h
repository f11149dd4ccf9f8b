#pragma once

#include <QString>
#include <QVariant>
#include <QVector>

// Every access opens the native store afresh, enters the group, touches one key and closes it
// again, so no store object outlives a call and concurrent writers never see stale caches.

QVariant readAppSetting(const QString &key, const QVariant &defaultValue = QVariant());
QVariant readSetting(const QString &group, const QString &key, const QVariant &defaultValue = QVariant());
void writeAppSetting(const QString &key, const QVariant &value);
void writeSetting(const QString &group, const QString &key, const QVariant &value);
bool hasSetting(const QString &group, const QString &key);
// One value of a group, for the few writers that touch many keys at once.
struct SettingValue {
    QString group;
    QString key;
    QVariant value;
};
// Opens the store once and writes, in the given order, each value whose key it does not hold
// yet; keys it holds keep their values. Closed again before returning, like every other access.
void writeMissingSettings(const QVector<SettingValue> &values);
// Opens the store once and reads the given keys, in order; a key the store does not hold reads
// as the value given with it. For readers that need several keys at one moment.
QVector<QVariant> readSettings(const QVector<SettingValue> &keysWithDefaults);

void writeSettingAt(const QString &nativePath, const QString &group, const QString &key, const QVariant &value);

// "AppSettings"/"Opacity" as a double in [0, 1]; every window applies it when it is built.
double readOpacity();
