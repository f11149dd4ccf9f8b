#pragma once

#include "app/settings/SettingsEnums.h"

#include <QLocale>
#include <QString>

// Clock format of the interface: 12-hour with AM/PM in English, 24-hour otherwise.
QString timeFormatFor(App::Language setting, QLocale::Language systemLanguage);
// The same for the stored "AppSettings"/"AppLanguage" and QLocale::system().
QString timeFormat();
