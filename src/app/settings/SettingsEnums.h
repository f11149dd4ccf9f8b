#pragma once

#include <QString>

// Enumerations kept in the settings store as plain integers. Values outside the listed ones can
// come back from a hand-edited store; every user of a reader decides what they mean.

namespace App {
enum class Language : int { Automatic = 0, English = 1, Russian = 2, Ukrainian = 3 };
enum class Theme : int { Light = 0, Gray = 1, Dark = 2 };
} // namespace App

namespace Update {
enum class Channel : int { Development = 0, Insider = 1, Beta = 2, Release = 3 };
enum class Delivery : int { Server = 0, OneDrive = 1, Dropbox = 2 };
} // namespace Update

// Readers: a missing key gives the key's default; a value that is not an integer gives 0.
App::Language readLanguage();          // "AppSettings"/"AppLanguage"
App::Theme readTheme();                // "AppSettings"/"AppTheme"
Update::Channel readUpdatesChannel();  // "Updates"/"UpdatesChannel"
Update::Delivery readDelivery();       // "Updates"/"Delivery"

void writeLanguage(App::Language language);
void writeTheme(App::Theme theme);
void writeUpdatesChannel(Update::Channel channel);
void writeDelivery(Update::Delivery delivery);

// The same conversion for any integer-valued key: the table default when missing, 0 when the
// stored value cannot be converted to an integer.
int readIntSetting(const QString &group, const QString &key);
