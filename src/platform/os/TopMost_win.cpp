#include "platform/os/TopMost.h"

#include <windows.h>

namespace os {

bool hasNativeTopMost()
{
    return true;
}

bool setNativeTopMost(quintptr nativeWindowId, bool onTop)
{
    HWND window = reinterpret_cast<HWND>(nativeWindowId);
    if (!window)
        return false;
    return SetWindowPos(window, onTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                        SWP_NOMOVE | SWP_NOSIZE) != 0;
}

} // namespace os
