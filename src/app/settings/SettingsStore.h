#pragma once

#include <QString>
#include <QVariant>

// Every access opens the native store afresh, enters the group, touches one key and closes it
// again, so no store object outlives a call and concurrent writers never see stale caches.

QVariant readAppSetting(const QString &key, const QVariant &defaultValue = QVariant());
QVariant readSetting(const QString &group, const QString &key, const QVariant &defaultValue = QVariant());
void writeAppSetting(const QString &key, const QVariant &value);
void writeSetting(const QString &group, const QString &key, const QVariant &value);
bool hasSetting(const QString &group, const QString &key);
void writeSettingAt(const QString &nativePath, const QString &group, const QString &key, const QVariant &value);

// "AppSettings"/"Opacity" as a double in [0, 1]; every window applies it when it is built.
double readOpacity();
