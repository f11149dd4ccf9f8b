#include "platform/os/FaultMarker.h"

#include <QDir>

#include <csignal>
#include <cwchar>
#include <windows.h>

namespace os {

namespace {

wchar_t markerFile[MAX_PATH * 4];

extern "C" void onFatalFault(int signalNumber)
{
    // Kernel calls only: no allocation, no locks the faulting thread might hold.
    HANDLE file = CreateFileW(markerFile, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        static const char text[] = "SIGSEGV\r\n";
        DWORD written = 0;
        WriteFile(file, text, DWORD(sizeof text - 1), &written, nullptr);
        CloseHandle(file);
    }
    std::signal(signalNumber, SIG_DFL);
    std::raise(signalNumber);
}

} // namespace

bool installFaultMarker(const QString &markerPath)
{
    const std::wstring path = QDir::toNativeSeparators(markerPath).toStdWString();
    if (path.empty() || path.size() >= sizeof markerFile / sizeof markerFile[0])
        return false;
    std::wmemcpy(markerFile, path.c_str(), path.size() + 1);
    return std::signal(SIGSEGV, onFatalFault) != SIG_ERR;
}

} // namespace os
