#include "platform/os/CrashDumps.h"

namespace os {

void registerCrashDumps(const QString &)
{
    // Core dumps follow the system's own settings (ulimit, systemd-coredump); nothing to register.
}

} // namespace os
