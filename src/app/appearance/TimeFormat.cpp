#include "app/appearance/TimeFormat.h"

#include "app/appearance/InterfaceLanguage.h"

QString timeFormatFor(App::Language setting, QLocale::Language systemLanguage)
{
    if (interfaceLanguageFor(setting, systemLanguage) == App::Language::English)
        return QStringLiteral("hh:mm:ss AP");
    return QStringLiteral("hh:mm:ss");
}

QString timeFormat()
{
    return timeFormatFor(readLanguage(), QLocale::system().language());
}
