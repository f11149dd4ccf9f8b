#include "app/startup/LastCheckedText.h"

#include "app/appearance/LanguageFormats.h"
#include "log/LogView.h"

QString LastCheckedText::text(const QDateTime &moment)
{
    const LastCheckedTexts texts = lastCheckedTextsFor(readLanguage(), QLocale::system().language(), moment);
    appendLog(tr("last updates checked on") + QLatin1Char(' ') + texts.logDate);
    return texts.display;
}
