#pragma once

#include "app/settings/SettingsEnums.h"

#include <QLocale>
#include <QString>

// The language the interface is shown in: English, Russian or Ukrainian, never Automatic.
// Automatic follows the system locale's language (English for any language without a
// translation); a stored value outside the known ones means English.
App::Language interfaceLanguageFor(App::Language setting, QLocale::Language systemLanguage);
// The same for "AppSettings"/"AppLanguage" and QLocale::system().
App::Language interfaceLanguage();

// "en", "ru", "uk" for the language's file names; the code of interfaceLanguageFor() otherwise.
QString languageCode(App::Language language);
