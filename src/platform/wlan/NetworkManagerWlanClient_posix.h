#pragma once

// The wireless service over NetworkManager's D-Bus API on the system bus (Linux). Adapters are
// NetworkManager's Wi-Fi devices, available networks its access points grouped by SSID, profiles
// its saved 802-11-wireless connections. Notifications are delivered on a thread of this client's
// own, made from device state changes and finished scans. Every call is thread-safe; a call that
// NetworkManager does not answer gives up after a few seconds with an error.

#include "platform/wlan/WlanClient.h"

#include <memory>

namespace wlan {

class NetworkManagerWlanClient : public WlanClient
{
public:
    NetworkManagerWlanClient();
    ~NetworkManagerWlanClient() override;

    // NetworkManager answers on the system bus (DBUS_SYSTEM_BUS_ADDRESS when set).
    static bool serviceAnswers();

    uint32_t openHandle(uint32_t clientVersion, uint32_t *negotiatedVersion, Handle *handle) override;
    uint32_t closeHandle(Handle handle) override;
    uint32_t enumInterfaces(Handle handle, std::vector<InterfaceInfo> &interfaces) override;
    uint32_t queryRadioState(Handle handle, const Guid &iface, bool &softwareOn, bool &hardwareOn) override;
    uint32_t queryOperationMode(Handle handle, const Guid &iface, uint32_t &mode) override;
    uint32_t queryBssType(Handle handle, const Guid &iface, int &bssType) override;
    uint32_t queryAutoConfEnabled(Handle handle, const Guid &iface, bool &enabled) override;
    uint32_t queryCurrentConnection(Handle handle, const Guid &iface, CurrentConnection &connection) override;
    uint32_t getInterfaceCapability(Handle handle, const Guid &iface, int &interfaceType) override;
    uint32_t scan(Handle handle, const Guid &iface) override;
    uint32_t getAvailableNetworkList(Handle handle, const Guid &iface, uint32_t flags,
                                     std::vector<AvailableNetwork> &networks) override;
    uint32_t getNetworkBssList(Handle handle, const Guid &iface, const Ssid *ssid, int bssType,
                               bool securityEnabled, std::vector<BssEntry> &entries) override;
    uint32_t getProfile(Handle handle, const Guid &iface, const std::u16string &profileName,
                        std::u16string &xml) override;
    uint32_t setProfile(Handle handle, const Guid &iface, uint32_t flags, const std::u16string &xml,
                        bool overwrite, uint32_t &reasonCode) override;
    uint32_t deleteProfile(Handle handle, const Guid &iface, const std::u16string &profileName) override;
    uint32_t connect(Handle handle, const Guid &iface, const ConnectionParameters &parameters) override;
    uint32_t disconnect(Handle handle, const Guid &iface) override;
    uint32_t registerNotification(Handle handle, uint32_t sourceMask, bool ignoreDuplicate,
                                  NotificationCallback callback, void *context) override;
    uint32_t reasonCodeToString(uint32_t reasonCode, uint32_t bufferChars, std::u16string &text) override;
    int guidToString(const Guid &guid, uint32_t bufferChars, std::u16string &text) override;

private:
    struct Private;
    std::unique_ptr<Private> d;
};

} // namespace wlan
