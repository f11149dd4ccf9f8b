#include "platform/os/SystemConsole.h"

#include <QProcess>
#include <QStringList>

#include <windows.h>
#include <shellapi.h>

namespace os {

bool runConsoleCommand(bool elevated, const QString &parameters)
{
    const std::wstring text = parameters.toStdWString();
    const HINSTANCE result = ShellExecuteW(nullptr, elevated ? L"runas" : nullptr, L"cmd.exe", text.c_str(),
                                           nullptr, SW_SHOW);
    return reinterpret_cast<INT_PTR>(result) > 32;
}

bool openNetworkSettings()
{
    return QProcess::startDetached(QStringLiteral("control.exe"),
                                   { QStringLiteral("/name"), QStringLiteral("Microsoft.NetworkAndSharingCenter") });
}

} // namespace os
