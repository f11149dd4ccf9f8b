#include "platform/os/Services.h"

#include <windows.h>

#include <vector>

namespace os {

namespace {

class ServiceHandle
{
public:
    explicit ServiceHandle(SC_HANDLE handle) : m_handle(handle) {}
    ~ServiceHandle()
    {
        if (m_handle)
            CloseServiceHandle(m_handle);
    }
    ServiceHandle(const ServiceHandle &) = delete;
    ServiceHandle &operator=(const ServiceHandle &) = delete;
    SC_HANDLE get() const { return m_handle; }

private:
    SC_HANDLE m_handle;
};

} // namespace

WmiServiceStatus ensureWmiServiceRunning()
{
    ServiceHandle manager(OpenSCManagerW(nullptr, nullptr, SC_MANAGER_ALL_ACCESS));
    if (!manager.get())
        return WmiServiceStatus::Running;
    ServiceHandle service(OpenServiceW(manager.get(), L"Winmgmt", SERVICE_ALL_ACCESS));
    if (!service.get())
        return WmiServiceStatus::Running;

    SERVICE_STATUS status{};
    if (!QueryServiceStatus(service.get(), &status))
        return WmiServiceStatus::Running;

    if (status.dwCurrentState == SERVICE_PAUSED) {
        SERVICE_STATUS after{};
        return ControlService(service.get(), SERVICE_CONTROL_CONTINUE, &after)
            ? WmiServiceStatus::Resumed
            : WmiServiceStatus::ResumeFailed;
    }
    if (status.dwCurrentState == SERVICE_STOPPED) {
        if (StartServiceW(service.get(), 0, nullptr))
            return WmiServiceStatus::Started;
        // A disabled service refuses to start; switching it to automatic start only helps if
        // the start is then tried again.
        if (ChangeServiceConfigW(service.get(), SERVICE_NO_CHANGE, SERVICE_AUTO_START, SERVICE_NO_CHANGE,
                nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr)
            && StartServiceW(service.get(), 0, nullptr))
            return WmiServiceStatus::Started;
        return WmiServiceStatus::StartFailed;
    }
    return WmiServiceStatus::Running;
}

std::wstring userName()
{
    const DWORD needed = GetEnvironmentVariableW(L"USERNAME", nullptr, 0);
    if (needed == 0)
        return std::wstring();
    std::vector<wchar_t> buffer(needed);
    const DWORD length = GetEnvironmentVariableW(L"USERNAME", buffer.data(), needed);
    if (length == 0 || length >= needed)
        return std::wstring();
    return std::wstring(buffer.data(), length);
}

} // namespace os
