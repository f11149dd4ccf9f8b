#include "platform/wlan/NativeWlanData_win.h"

#include <algorithm>
#include <cstring>

namespace wlan {
namespace native {

namespace {

template <std::size_t N>
std::array<uint8_t, 6> macAddress(const UCHAR (&mac)[N])
{
    static_assert(N == 6, "a MAC address has six bytes");
    std::array<uint8_t, 6> out{};
    std::copy(mac, mac + 6, out.begin());
    return out;
}

} // namespace

std::u16string boundedText(const WCHAR *text, std::size_t bufferChars)
{
    if (!text || bufferChars == 0)
        return {};
    // A full buffer without a terminator keeps its last slot for the terminator it lacks.
    std::size_t length = 0;
    while (length < bufferChars && text[length] != 0)
        ++length;
    if (length == bufferChars)
        --length;
    static_assert(sizeof(WCHAR) == sizeof(char16_t), "WCHAR is UTF-16");
    return std::u16string(reinterpret_cast<const char16_t *>(text), length);
}

Guid fromGuid(const GUID &guid)
{
    Guid out;
    out.data1 = guid.Data1;
    out.data2 = guid.Data2;
    out.data3 = guid.Data3;
    std::copy(guid.Data4, guid.Data4 + 8, out.data4.begin());
    return out;
}

GUID toGuid(const Guid &guid)
{
    GUID out{};
    out.Data1 = guid.data1;
    out.Data2 = guid.data2;
    out.Data3 = guid.data3;
    std::copy(guid.data4.begin(), guid.data4.end(), out.Data4);
    return out;
}

Ssid fromSsid(const DOT11_SSID &ssid)
{
    Ssid out;
    out.length = std::min<ULONG>(ssid.uSSIDLength, DOT11_SSID_MAX_LENGTH);
    std::copy(ssid.ucSSID, ssid.ucSSID + out.length, out.bytes.begin());
    return out;
}

DOT11_SSID toSsid(const Ssid &ssid)
{
    DOT11_SSID out{};
    out.uSSIDLength = std::min<uint32_t>(ssid.length, DOT11_SSID_MAX_LENGTH);
    std::copy(ssid.bytes.begin(), ssid.bytes.begin() + out.uSSIDLength, out.ucSSID);
    return out;
}

InterfaceInfo fromInterfaceInfo(const WLAN_INTERFACE_INFO &info)
{
    InterfaceInfo out;
    out.guid = fromGuid(info.InterfaceGuid);
    out.description = boundedText(info.strInterfaceDescription, 256);
    out.state = static_cast<int>(info.isState);
    return out;
}

AvailableNetwork fromAvailableNetwork(const WLAN_AVAILABLE_NETWORK &network)
{
    AvailableNetwork out;
    out.profileName = boundedText(network.strProfileName, 256);
    out.ssid = fromSsid(network.dot11Ssid);
    out.bssType = static_cast<int>(network.dot11BssType);
    out.bssidCount = network.uNumberOfBssids;
    out.connectable = network.bNetworkConnectable != FALSE;
    out.notConnectableReason = network.wlanNotConnectableReason;
    const ULONG phyCount = std::min<ULONG>(network.uNumberOfPhyTypes, WLAN_MAX_PHY_TYPE_NUMBER);
    for (ULONG i = 0; i < phyCount; ++i)
        out.phyTypes.push_back(static_cast<int>(network.dot11PhyTypes[i]));
    out.signalQuality = std::min<ULONG>(network.wlanSignalQuality, 100);
    out.securityEnabled = network.bSecurityEnabled != FALSE;
    out.authAlgorithm = static_cast<int>(network.dot11DefaultAuthAlgorithm);
    out.cipherAlgorithm = static_cast<int>(network.dot11DefaultCipherAlgorithm);
    out.flags = network.dwFlags;
    return out;
}

BssEntry fromBssEntry(const WLAN_BSS_ENTRY &entry)
{
    BssEntry out;
    out.ssid = fromSsid(entry.dot11Ssid);
    out.bssid = macAddress(entry.dot11Bssid);
    out.bssType = static_cast<int>(entry.dot11BssType);
    out.phyType = static_cast<int>(entry.dot11BssPhyType);
    out.rssi = entry.lRssi;
    out.linkQuality = entry.uLinkQuality;
    out.centerFrequencyKHz = entry.ulChCenterFrequency;
    return out;
}

CurrentConnection fromConnectionAttributes(const WLAN_CONNECTION_ATTRIBUTES &attributes)
{
    CurrentConnection out;
    out.state = static_cast<int>(attributes.isState);
    out.connectionMode = static_cast<int>(attributes.wlanConnectionMode);
    out.profileName = boundedText(attributes.strProfileName, 256);
    const WLAN_ASSOCIATION_ATTRIBUTES &association = attributes.wlanAssociationAttributes;
    out.ssid = fromSsid(association.dot11Ssid);
    out.bssid = macAddress(association.dot11Bssid);
    out.signalQuality = association.wlanSignalQuality;
    const WLAN_SECURITY_ATTRIBUTES &security = attributes.wlanSecurityAttributes;
    out.securityEnabled = security.bSecurityEnabled != FALSE;
    out.authAlgorithm = static_cast<int>(security.dot11AuthAlgorithm);
    out.cipherAlgorithm = static_cast<int>(security.dot11CipherAlgorithm);
    return out;
}

bool carriesConnectionData(DWORD source, DWORD code)
{
    if (source != WLAN_NOTIFICATION_SOURCE_ACM)
        return false;
    switch (code) {
    case wlan_notification_acm_connection_start:
    case wlan_notification_acm_connection_complete:
    case wlan_notification_acm_connection_attempt_fail:
    case wlan_notification_acm_disconnecting:
    case wlan_notification_acm_disconnected:
        return true;
    default:
        return false;
    }
}

Notification fromNotification(const WLAN_NOTIFICATION_DATA &data)
{
    Notification out;
    out.source = data.NotificationSource;
    out.code = data.NotificationCode;
    out.interfaceGuid = fromGuid(data.InterfaceGuid);
    // The profile XML at the end is optional, so its first character is not required.
    const std::size_t needed = offsetof(WLAN_CONNECTION_NOTIFICATION_DATA, strProfileXml);
    if (carriesConnectionData(data.NotificationSource, data.NotificationCode) && data.pData
            && data.dwDataSize >= needed) {
        const auto *connection = static_cast<const WLAN_CONNECTION_NOTIFICATION_DATA *>(data.pData);
        out.hasConnectionData = true;
        out.reasonCode = connection->wlanReasonCode;
        out.profileName = boundedText(connection->strProfileName, WLAN_MAX_NAME_LENGTH);
        out.ssid = fromSsid(connection->dot11Ssid);
    }
    return out;
}

void WINAPI notificationTrampoline(PWLAN_NOTIFICATION_DATA data, PVOID context)
{
    const auto *registration = static_cast<const Registration *>(context);
    if (!registration || !registration->callback)
        return;
    // Nothing may unwind into the service's thread.
    try {
        if (!data) {
            registration->callback(nullptr, registration->context);
            return;
        }
        const Notification notification = fromNotification(*data);
        registration->callback(&notification, registration->context);
    } catch (...) {
    }
}

} // namespace native
} // namespace wlan
