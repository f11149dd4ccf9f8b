#include "platform/os/Elevation.h"

#include <unistd.h>

namespace os {

bool isProcessElevated()
{
    return ::geteuid() == 0;
}

} // namespace os
