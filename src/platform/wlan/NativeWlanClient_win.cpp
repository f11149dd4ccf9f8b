#include "platform/wlan/NativeWlanClient_win.h"

#include "platform/wlan/NativeWlanData_win.h"

#include <objbase.h>

#include <algorithm>
#include <limits>

namespace wlan {

namespace {

// ERROR_INVALID_DATA: the service answered success with less data than the opcode promises.
constexpr uint32_t InvalidData = 13;

HANDLE toHandle(Handle handle)
{
    return reinterpret_cast<HANDLE>(handle);
}

LPCWSTR wide(const std::u16string &text)
{
    return reinterpret_cast<LPCWSTR>(text.c_str());
}

// Owns a buffer the service allocated; frees it the moment the values are copied.
template <typename T>
class WlanBuffer
{
public:
    WlanBuffer() = default;
    ~WlanBuffer() { reset(); }
    WlanBuffer(const WlanBuffer &) = delete;
    WlanBuffer &operator=(const WlanBuffer &) = delete;

    T **out() { reset(); return &data_; }
    T *get() const { return data_; }
    void reset()
    {
        if (data_)
            WlanFreeMemory(data_);
        data_ = nullptr;
    }

private:
    T *data_ = nullptr;
};

template <typename T>
uint32_t queryValue(Handle handle, const Guid &iface, WLAN_INTF_OPCODE opcode, T &value)
{
    const GUID guid = native::toGuid(iface);
    DWORD size = 0;
    WlanBuffer<void> data;
    const DWORD result = WlanQueryInterface(toHandle(handle), &guid, opcode, nullptr, &size,
                                            data.out(), nullptr);
    if (result != ERROR_SUCCESS)
        return result;
    if (!data.get() || size < sizeof(T))
        return InvalidData;
    value = *static_cast<const T *>(data.get());
    return ERROR_SUCCESS;
}

} // namespace

NativeWlanClient::NativeWlanClient() = default;

NativeWlanClient::~NativeWlanClient()
{
    // A handle left open with a registration would have the service call into freed records.
    std::lock_guard<std::mutex> lock(registrationsMutex_);
    for (const auto &entry : registrations_)
        WlanCloseHandle(toHandle(entry.first), nullptr);
    registrations_.clear();
}

uint32_t NativeWlanClient::openHandle(uint32_t clientVersion, uint32_t *negotiatedVersion, Handle *handle)
{
    if (!handle)
        return InvalidParameter;
    DWORD negotiated = 0;
    HANDLE opened = nullptr;
    const DWORD result = WlanOpenHandle(clientVersion, nullptr, &negotiated, &opened);
    if (negotiatedVersion)
        *negotiatedVersion = result == ERROR_SUCCESS ? negotiated : 0;
    *handle = result == ERROR_SUCCESS ? reinterpret_cast<Handle>(opened) : 0;
    return result;
}

uint32_t NativeWlanClient::closeHandle(Handle handle)
{
    // The service lets running callbacks finish before the close returns, so only then do the
    // contexts go.
    const DWORD result = WlanCloseHandle(toHandle(handle), nullptr);
    if (result == ERROR_SUCCESS) {
        std::lock_guard<std::mutex> lock(registrationsMutex_);
        registrations_.erase(handle);
    }
    return result;
}

uint32_t NativeWlanClient::enumInterfaces(Handle handle, std::vector<InterfaceInfo> &interfaces)
{
    interfaces.clear();
    WlanBuffer<WLAN_INTERFACE_INFO_LIST> list;
    const DWORD result = WlanEnumInterfaces(toHandle(handle), nullptr, list.out());
    if (result != ERROR_SUCCESS)
        return result;
    if (list.get()) {
        interfaces.reserve(list.get()->dwNumberOfItems);
        for (DWORD i = 0; i < list.get()->dwNumberOfItems; ++i)
            interfaces.push_back(native::fromInterfaceInfo(list.get()->InterfaceInfo[i]));
    }
    return ERROR_SUCCESS;
}

uint32_t NativeWlanClient::queryRadioState(Handle handle, const Guid &iface, bool &softwareOn, bool &hardwareOn)
{
    const GUID guid = native::toGuid(iface);
    DWORD size = 0;
    WlanBuffer<void> data;
    const DWORD result = WlanQueryInterface(toHandle(handle), &guid, wlan_intf_opcode_radio_state,
                                            nullptr, &size, data.out(), nullptr);
    if (result != ERROR_SUCCESS)
        return result;
    const std::size_t header = offsetof(WLAN_RADIO_STATE, PhyRadioState);
    if (!data.get() || size < header)
        return InvalidData;
    const auto *state = static_cast<const WLAN_RADIO_STATE *>(data.get());
    // The radio counts as on when any of its PHYs is on.
    const std::size_t available = (size - header) / sizeof(WLAN_PHY_RADIO_STATE);
    const std::size_t phys = std::min<std::size_t>({state->dwNumberOfPhys, available, WLAN_MAX_PHY_INDEX});
    softwareOn = false;
    hardwareOn = false;
    for (std::size_t i = 0; i < phys; ++i) {
        softwareOn = softwareOn || state->PhyRadioState[i].dot11SoftwareRadioState == dot11_radio_state_on;
        hardwareOn = hardwareOn || state->PhyRadioState[i].dot11HardwareRadioState == dot11_radio_state_on;
    }
    return ERROR_SUCCESS;
}

uint32_t NativeWlanClient::queryOperationMode(Handle handle, const Guid &iface, uint32_t &mode)
{
    ULONG value = 0;
    const uint32_t result = queryValue(handle, iface, wlan_intf_opcode_current_operation_mode, value);
    if (result == ERROR_SUCCESS)
        mode = value;
    return result;
}

uint32_t NativeWlanClient::queryBssType(Handle handle, const Guid &iface, int &bssType)
{
    DOT11_BSS_TYPE value = dot11_BSS_type_any;
    const uint32_t result = queryValue(handle, iface, wlan_intf_opcode_bss_type, value);
    if (result == ERROR_SUCCESS)
        bssType = static_cast<int>(value);
    return result;
}

uint32_t NativeWlanClient::queryAutoConfEnabled(Handle handle, const Guid &iface, bool &enabled)
{
    BOOL value = FALSE;
    const uint32_t result = queryValue(handle, iface, wlan_intf_opcode_autoconf_enabled, value);
    if (result == ERROR_SUCCESS)
        enabled = value != FALSE;
    return result;
}

uint32_t NativeWlanClient::queryCurrentConnection(Handle handle, const Guid &iface, CurrentConnection &connection)
{
    WLAN_CONNECTION_ATTRIBUTES value{};
    const uint32_t result = queryValue(handle, iface, wlan_intf_opcode_current_connection, value);
    if (result == ERROR_SUCCESS)
        connection = native::fromConnectionAttributes(value);
    return result;
}

uint32_t NativeWlanClient::getInterfaceCapability(Handle handle, const Guid &iface, int &interfaceType)
{
    const GUID guid = native::toGuid(iface);
    WlanBuffer<WLAN_INTERFACE_CAPABILITY> capability;
    const DWORD result = WlanGetInterfaceCapability(toHandle(handle), &guid, nullptr, capability.out());
    if (result != ERROR_SUCCESS)
        return result;
    if (!capability.get())
        return InvalidData;
    interfaceType = static_cast<int>(capability.get()->interfaceType);
    return ERROR_SUCCESS;
}

uint32_t NativeWlanClient::scan(Handle handle, const Guid &iface)
{
    const GUID guid = native::toGuid(iface);
    return WlanScan(toHandle(handle), &guid, nullptr, nullptr, nullptr);
}

uint32_t NativeWlanClient::getAvailableNetworkList(Handle handle, const Guid &iface, uint32_t flags,
                                                   std::vector<AvailableNetwork> &networks)
{
    networks.clear();
    const GUID guid = native::toGuid(iface);
    WlanBuffer<WLAN_AVAILABLE_NETWORK_LIST> list;
    const DWORD result = WlanGetAvailableNetworkList(toHandle(handle), &guid, flags, nullptr, list.out());
    if (result != ERROR_SUCCESS)
        return result;
    if (list.get()) {
        networks.reserve(list.get()->dwNumberOfItems);
        for (DWORD i = 0; i < list.get()->dwNumberOfItems; ++i)
            networks.push_back(native::fromAvailableNetwork(list.get()->Network[i]));
    }
    return ERROR_SUCCESS;
}

uint32_t NativeWlanClient::getNetworkBssList(Handle handle, const Guid &iface, const Ssid *ssid, int bssType,
                                             bool securityEnabled, std::vector<BssEntry> &entries)
{
    entries.clear();
    const GUID guid = native::toGuid(iface);
    DOT11_SSID wanted{};
    if (ssid)
        wanted = native::toSsid(*ssid);
    WlanBuffer<WLAN_BSS_LIST> list;
    const DWORD result = WlanGetNetworkBssList(toHandle(handle), &guid, ssid ? &wanted : nullptr,
                                               static_cast<DOT11_BSS_TYPE>(bssType),
                                               securityEnabled ? TRUE : FALSE, nullptr, list.out());
    if (result != ERROR_SUCCESS)
        return result;
    if (list.get()) {
        entries.reserve(list.get()->dwNumberOfItems);
        for (DWORD i = 0; i < list.get()->dwNumberOfItems; ++i)
            entries.push_back(native::fromBssEntry(list.get()->wlanBssEntries[i]));
    }
    return ERROR_SUCCESS;
}

uint32_t NativeWlanClient::getProfile(Handle handle, const Guid &iface, const std::u16string &profileName,
                                      std::u16string &xml)
{
    xml.clear();
    const GUID guid = native::toGuid(iface);
    WlanBuffer<WCHAR> text;
    const DWORD result = WlanGetProfile(toHandle(handle), &guid, wide(profileName), nullptr, text.out(),
                                        nullptr, nullptr);
    if (result != ERROR_SUCCESS)
        return result;
    if (text.get())
        xml = reinterpret_cast<const char16_t *>(text.get());
    return ERROR_SUCCESS;
}

uint32_t NativeWlanClient::setProfile(Handle handle, const Guid &iface, uint32_t flags, const std::u16string &xml,
                                      bool overwrite, uint32_t &reasonCode)
{
    const GUID guid = native::toGuid(iface);
    DWORD reason = 0;
    const DWORD result = WlanSetProfile(toHandle(handle), &guid, flags, wide(xml), nullptr,
                                        overwrite ? TRUE : FALSE, nullptr, &reason);
    reasonCode = reason;
    return result;
}

uint32_t NativeWlanClient::deleteProfile(Handle handle, const Guid &iface, const std::u16string &profileName)
{
    const GUID guid = native::toGuid(iface);
    return WlanDeleteProfile(toHandle(handle), &guid, wide(profileName), nullptr);
}

uint32_t NativeWlanClient::connect(Handle handle, const Guid &iface, const ConnectionParameters &parameters)
{
    const GUID guid = native::toGuid(iface);
    WLAN_CONNECTION_PARAMETERS request{};
    request.wlanConnectionMode = static_cast<WLAN_CONNECTION_MODE>(parameters.connectionMode);
    request.strProfile = parameters.profile.empty() ? nullptr : wide(parameters.profile);
    request.pDot11Ssid = nullptr;
    request.pDesiredBssidList = nullptr;
    request.dot11BssType = static_cast<DOT11_BSS_TYPE>(parameters.bssType);
    request.dwFlags = parameters.flags;
    return WlanConnect(toHandle(handle), &guid, &request, nullptr);
}

uint32_t NativeWlanClient::disconnect(Handle handle, const Guid &iface)
{
    const GUID guid = native::toGuid(iface);
    return WlanDisconnect(toHandle(handle), &guid, nullptr);
}

uint32_t NativeWlanClient::registerNotification(Handle handle, uint32_t sourceMask, bool ignoreDuplicate,
                                                NotificationCallback callback, void *context)
{
    DWORD previous = 0;
    if (!callback) {
        const DWORD result = WlanRegisterNotification(toHandle(handle), sourceMask, ignoreDuplicate ? TRUE : FALSE,
                                                      nullptr, nullptr, nullptr, &previous);
        // A service that has no notifications at all (Wine's) never held a subscription, so
        // ending one is already done; anything else it answers is passed on as it is.
        if (result == ERROR_CALL_NOT_IMPLEMENTED && sourceMask == WLAN_NOTIFICATION_SOURCE_NONE)
            return ERROR_SUCCESS;
        return result;
    }

    std::lock_guard<std::mutex> lock(registrationsMutex_);
    auto &records = registrations_[handle];
    auto found = std::find_if(records.begin(), records.end(), [&](const auto &record) {
        return record->callback == callback && record->context == context;
    });
    native::Registration *registration = nullptr;
    std::unique_ptr<native::Registration> created;
    if (found != records.end()) {
        registration = found->get();
    } else {
        created = std::make_unique<native::Registration>();
        created->callback = callback;
        created->context = context;
        registration = created.get();
    }
    const DWORD result = WlanRegisterNotification(toHandle(handle), sourceMask,
                                                  ignoreDuplicate ? TRUE : FALSE,
                                                  &native::notificationTrampoline, registration,
                                                  nullptr, &previous);
    if (result == ERROR_SUCCESS && created)
        records.push_back(std::move(created));
    if (records.empty())
        registrations_.erase(handle);
    return result;
}

uint32_t NativeWlanClient::reasonCodeToString(uint32_t reasonCode, uint32_t bufferChars, std::u16string &text)
{
    text.clear();
    std::vector<WCHAR> buffer(std::max<uint32_t>(bufferChars, 1), 0);
    const DWORD result = WlanReasonCodeToString(reasonCode, bufferChars, buffer.data(), nullptr);
    if (result == ERROR_SUCCESS)
        text = native::boundedText(buffer.data(), buffer.size());
    return result;
}

int NativeWlanClient::guidToString(const Guid &guid, uint32_t bufferChars, std::u16string &text)
{
    text.clear();
    const GUID value = native::toGuid(guid);
    const int limit = static_cast<int>(std::min<uint32_t>(bufferChars, std::numeric_limits<int>::max()));
    std::vector<WCHAR> buffer(std::max(limit, 1), 0);
    const int written = StringFromGUID2(value, buffer.data(), limit);
    if (written > 0)
        text = native::boundedText(buffer.data(), static_cast<std::size_t>(written));
    return written;
}

} // namespace wlan
