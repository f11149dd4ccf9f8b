#include "platform/os/Services.h"

#include <QString>

#include <cstdlib>

namespace os {

WmiServiceStatus ensureWmiServiceRunning()
{
    return WmiServiceStatus::Running;
}

std::wstring userName()
{
    const char *name = std::getenv("USERNAME");
    if (!name || !*name)
        name = std::getenv("USER");
    return name ? QString::fromLocal8Bit(name).toStdWString() : std::wstring();
}

} // namespace os
