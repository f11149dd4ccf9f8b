#include "platform/os/TopMost.h"

namespace os {

// X11 and Wayland have no portable call for this; the toolkit's window hint reaches the window
// manager instead.
bool hasNativeTopMost()
{
    return false;
}

bool setNativeTopMost(quintptr, bool)
{
    return false;
}

} // namespace os
