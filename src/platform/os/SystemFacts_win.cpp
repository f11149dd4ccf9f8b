#include "platform/os/SystemFacts.h"

#include <windows.h>

#include <objbase.h>
#include <oleauto.h>
#include <wbemidl.h>

namespace os {

namespace {

// Releases a COM interface when it goes out of scope.
template <typename T>
class ComRef
{
public:
    ComRef() = default;
    ~ComRef() { reset(); }
    ComRef(const ComRef &) = delete;
    ComRef &operator=(const ComRef &) = delete;

    T **out()
    {
        reset();
        return &m_ptr;
    }
    T *operator->() const { return m_ptr; }
    T *get() const { return m_ptr; }
    void reset()
    {
        if (m_ptr) {
            m_ptr->Release();
            m_ptr = nullptr;
        }
    }

private:
    T *m_ptr = nullptr;
};

// A BSTR owned for the duration of one call.
class Bstr
{
public:
    explicit Bstr(const wchar_t *text) : m_value(SysAllocString(text)) {}
    ~Bstr() { SysFreeString(m_value); }
    Bstr(const Bstr &) = delete;
    Bstr &operator=(const Bstr &) = delete;
    operator BSTR() const { return m_value; }

private:
    BSTR m_value;
};

std::wstring trimmedCopy(const wchar_t *text, UINT length)
{
    std::wstring value(text, length);
    const wchar_t *blanks = L" \t\r\n\v\f";
    const auto first = value.find_first_not_of(blanks);
    if (first == std::wstring::npos)
        return std::wstring();
    const auto last = value.find_last_not_of(blanks);
    return value.substr(first, last - first + 1);
}

std::wstring stringProperty(IWbemClassObject *object, const wchar_t *name)
{
    VARIANT value;
    VariantInit(&value);
    std::wstring text;
    if (SUCCEEDED(object->Get(name, 0, &value, nullptr, nullptr)) && value.vt == VT_BSTR
        && value.bstrVal != nullptr)
        text = trimmedCopy(value.bstrVal, SysStringLen(value.bstrVal));
    VariantClear(&value);
    return text;
}

OsQueryResult failure(OsQueryStep step, HRESULT code)
{
    OsQueryResult result;
    result.failedStep = step;
    result.errorCode = static_cast<std::uint32_t>(code);
    return result;
}

OsQueryResult runQuery()
{
    ComRef<IWbemLocator> locator;
    HRESULT hr = CoCreateInstance(CLSID_WbemLocator, nullptr, CLSCTX_INPROC_SERVER, IID_IWbemLocator,
        reinterpret_cast<void **>(locator.out()));
    if (FAILED(hr))
        return failure(OsQueryStep::CreateLocator, hr);

    ComRef<IWbemServices> services;
    hr = locator->ConnectServer(Bstr(L"ROOT\\CIMV2"), nullptr, nullptr, nullptr, 0, nullptr, nullptr,
        services.out());
    if (FAILED(hr))
        return failure(OsQueryStep::ConnectNamespace, hr);

    hr = CoSetProxyBlanket(services.get(), RPC_C_AUTHN_WINNT, RPC_C_AUTHZ_NONE, nullptr,
        RPC_C_AUTHN_LEVEL_CALL, RPC_C_IMP_LEVEL_IMPERSONATE, nullptr, EOAC_NONE);
    if (FAILED(hr))
        return failure(OsQueryStep::SetProxyBlanket, hr);

    ComRef<IEnumWbemClassObject> rows;
    hr = services->ExecQuery(Bstr(L"WQL"),
        Bstr(L"SELECT Caption, Version, OSArchitecture, CSName FROM Win32_OperatingSystem"),
        WBEM_FLAG_FORWARD_ONLY | WBEM_FLAG_RETURN_IMMEDIATELY, nullptr, rows.out());
    if (FAILED(hr))
        return failure(OsQueryStep::ExecuteQuery, hr);

    OsQueryResult result;
    for (;;) {
        ComRef<IWbemClassObject> row;
        ULONG returned = 0;
        hr = rows->Next(WBEM_INFINITE, 1, row.out(), &returned);
        if (returned == 0 || row.get() == nullptr)
            break;
        OsInstanceFacts facts;
        facts.caption = stringProperty(row.get(), L"Caption");
        facts.version = stringProperty(row.get(), L"Version");
        facts.osArchitecture = stringProperty(row.get(), L"OSArchitecture");
        facts.csName = stringProperty(row.get(), L"CSName");
        result.instances.push_back(facts);
    }
    return result;
}

using InstalledMemoryFunction = BOOL(WINAPI *)(PULONGLONG);

} // namespace

OsQueryResult queryOperatingSystem()
{
    const HRESULT hr = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    if (FAILED(hr))
        return failure(OsQueryStep::InitializeCom, hr);
    OsQueryResult result = runQuery(); // every interface is released before COM goes away
    CoUninitialize();
    return result;
}

MemoryFacts queryMemory()
{
    MemoryFacts facts;

    if (HMODULE kernel = GetModuleHandleW(L"kernel32.dll")) {
        // Through void(*)() so that the compiler accepts the cast between function types.
        const auto installed = reinterpret_cast<InstalledMemoryFunction>(
            reinterpret_cast<void (*)()>(GetProcAddress(kernel, "GetPhysicallyInstalledSystemMemory")));
        ULONGLONG kilobytes = 0;
        if (installed && installed(&kilobytes) && kilobytes > 0) {
            facts.source = MemoryFacts::Source::InstalledMemory;
            facts.installedKilobytes = kilobytes;
            return facts;
        }
    }

    MEMORYSTATUSEX status;
    status.dwLength = sizeof status;
    if (GlobalMemoryStatusEx(&status)) {
        facts.source = MemoryFacts::Source::MemoryStatus;
        facts.totalPhysicalBytes = status.ullTotalPhys;
    }
    return facts;
}

} // namespace os
