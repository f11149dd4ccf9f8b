#include "platform/os/InstanceRaise.h"

#include <windows.h>

namespace os {

quintptr findWindowByTitle(const QString &windowClass, const QString &title)
{
    const std::wstring className = windowClass.toStdWString();
    const std::wstring windowName = title.toStdWString();
    return reinterpret_cast<quintptr>(FindWindowExW(nullptr, nullptr, className.c_str(), windowName.c_str()));
}

bool raiseRunningInstance(const QString &, const QString &windowClass, const QString &title)
{
    HWND window = reinterpret_cast<HWND>(findWindowByTitle(windowClass, title));
    if (!window)
        return false;
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    if (processId == 0)
        return false;
    if (IsIconic(window))
        ShowWindow(window, SW_RESTORE);
    return SetForegroundWindow(window) != 0;
}

} // namespace os
