#include "app/appearance/InterfaceLanguage.h"

App::Language interfaceLanguageFor(App::Language setting, QLocale::Language systemLanguage)
{
    switch (setting) {
    case App::Language::English:
    case App::Language::Russian:
    case App::Language::Ukrainian:
        return setting;
    case App::Language::Automatic:
        switch (systemLanguage) {
        case QLocale::Russian:
            return App::Language::Russian;
        case QLocale::Ukrainian:
            return App::Language::Ukrainian;
        default:
            return App::Language::English;
        }
    }
    return App::Language::English;
}

App::Language interfaceLanguage()
{
    return interfaceLanguageFor(readLanguage(), QLocale::system().language());
}

QString languageCode(App::Language language)
{
    switch (interfaceLanguageFor(language, QLocale::English)) {
    case App::Language::Russian:
        return QStringLiteral("ru");
    case App::Language::Ukrainian:
        return QStringLiteral("uk");
    default:
        return QStringLiteral("en");
    }
}
