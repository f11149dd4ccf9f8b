#include "platform/os/HostlensPaths.h"

namespace os {

QStringList hostlensInstallPaths()
{
    return {QStringLiteral("C:\\Program Files\\Tarnwick\\Hostlens Home\\HostlensHome.exe"),
            QStringLiteral("C:\\Program Files (x86)\\Tarnwick\\Hostlens Home\\HostlensHome.exe")};
}

} // namespace os
