#pragma once

#include "app/settings/SettingsEnums.h"

#include <QString>

class QTranslator;

// The program's own texts, compiled in: ":/Localization/AirvaneLite_<code>.qm".
QString programTranslationPath(App::Language language);
// The toolkit's texts shipped beside the program: "<program dir>/translations/qt_<code>.qm".
QString toolkitTranslationPath(App::Language language);

// Takes both translators out of the application, loads them for the language (Automatic and
// unknown values resolve as interfaceLanguage() does) and installs the ones that loaded, so it
// also serves a language change. True when the language is usable: the program's file loaded and,
// for Russian and Ukrainian, the toolkit's file as well (English needs no toolkit catalogue).
// Either translator may be null. The program's file lives in a resource of the ui library:
// initTranslationResources() must have run before.
bool loadTranslations(App::Language language, QTranslator *program, QTranslator *toolkit);
// The same for the stored "AppSettings"/"AppLanguage".
bool loadTranslations(QTranslator *program, QTranslator *toolkit);

// Takes both translators out of the application; null or not installed ones are ignored.
void removeTranslations(QTranslator *program, QTranslator *toolkit);

// Whether loadTranslations has installed the catalogues of the language in these translators and
// they are still installed (for English the toolkit's catalogue is not asked for).
bool translationsInstalled(App::Language language, const QTranslator *program, const QTranslator *toolkit);
