#include "platform/os/HostlensPaths.h"

namespace os {

QStringList hostlensInstallPaths()
{
    return {};
}

} // namespace os
