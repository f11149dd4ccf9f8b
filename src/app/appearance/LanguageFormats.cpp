#include "app/appearance/LanguageFormats.h"

#include "app/appearance/InterfaceLanguage.h"

LastCheckedTexts lastCheckedTextsFor(App::Language setting, QLocale::Language systemLanguage,
                                     const QDateTime &moment)
{
    switch (interfaceLanguageFor(setting, systemLanguage)) {
    case App::Language::Russian:
    case App::Language::Ukrainian: {
        const QLocale locale = interfaceLanguageFor(setting, systemLanguage) == App::Language::Russian
            ? QLocale(QLocale::Russian, QLocale::Russia)
            : QLocale(QLocale::Ukrainian, QLocale::Ukraine);
        return {locale.toString(moment, QStringLiteral("dddd, HH:mm")),
                locale.toString(moment, QStringLiteral("dddd, dd MMMM yyyy, HH:mm:ss"))};
    }
    default: {
        const QLocale english(QLocale::English, QLocale::UnitedStates);
        return {english.toString(moment, QStringLiteral("dddd, hh:mm AP")),
                english.toString(moment, QStringLiteral("dddd, dd MMMM yyyy, hh:mm:ss AP"))};
    }
    }
}

QString languageIconFor(const QLocale &systemLocale)
{
    switch (systemLocale.language()) {
    case QLocale::English:
    case QLocale::Russian:
    case QLocale::Ukrainian:
        return QStringLiteral(":Icon/%1.png").arg(systemLocale.name());
    default:
        return QStringLiteral(":Icon/en_US.png");
    }
}

QString languageIcon()
{
    return languageIconFor(QLocale::system());
}
