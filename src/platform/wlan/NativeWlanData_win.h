#pragma once

// Copies between the Native Wi-Fi structures and the seam's plain structs. Only for *_win.cpp
// files: it pulls in the Win32 headers.

#include "platform/wlan/WlanClient.h"

#include <windows.h>
#include <wlanapi.h>

#include <cstddef>

namespace wlan {
namespace native {

// What the OS gets as the context of a notification registration.
struct Registration {
    NotificationCallback callback = nullptr;
    void *context = nullptr;
};

// The callback registered with the OS; its context is a Registration.
void WINAPI notificationTrampoline(PWLAN_NOTIFICATION_DATA data, PVOID context);

// Text from a fixed buffer that the platform should terminate but is not trusted to.
std::u16string boundedText(const WCHAR *text, std::size_t bufferChars);

Guid fromGuid(const GUID &guid);
GUID toGuid(const Guid &guid);
Ssid fromSsid(const DOT11_SSID &ssid);
DOT11_SSID toSsid(const Ssid &ssid);

InterfaceInfo fromInterfaceInfo(const WLAN_INTERFACE_INFO &info);
AvailableNetwork fromAvailableNetwork(const WLAN_AVAILABLE_NETWORK &network);
BssEntry fromBssEntry(const WLAN_BSS_ENTRY &entry);
CurrentConnection fromConnectionAttributes(const WLAN_CONNECTION_ATTRIBUTES &attributes);

// True for the ACM codes whose data is a WLAN_CONNECTION_NOTIFICATION_DATA.
bool carriesConnectionData(DWORD source, DWORD code);
Notification fromNotification(const WLAN_NOTIFICATION_DATA &data);

} // namespace native
} // namespace wlan
