#pragma once

#include "app/settings/SettingsEnums.h"

#include <QDateTime>
#include <QLocale>
#include <QString>

// Date texts of the last update check, in the interface language.
struct LastCheckedTexts
{
    QString display; // "Monday, 09:05 PM" / "понедельник, 21:05"
    QString logDate; // the full date for the log line
};
LastCheckedTexts lastCheckedTextsFor(App::Language setting, QLocale::Language systemLanguage,
                                     const QDateTime &moment);

// Resource name of the flag of the system locale: ":Icon/<locale name>.png" for English,
// Russian and Ukrainian locales, ":Icon/en_US.png" for any other.
QString languageIconFor(const QLocale &systemLocale);
QString languageIcon();
