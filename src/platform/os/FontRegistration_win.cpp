#include "platform/os/FontRegistration.h"

#include <QSettings>

namespace os {

void registerFont(const QString &family, const QString &type, const QString &fileName)
{
    QSettings fonts(QStringLiteral("HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Fonts"),
                    QSettings::NativeFormat);
    fonts.setValue(QStringLiteral("%1 (%2)").arg(family, type), fileName);
    fonts.sync(); // without administrator rights the write fails; the font file is in place anyway
}

} // namespace os
