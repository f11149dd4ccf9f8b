#pragma once

// An in-process WLAN service: adapters, networks in the air, a profile store that validates the
// XML like the operating system, connection attempts and scans. Notifications are delivered on a
// thread of its own, as the real service does. Its world comes from a JSON scenario or is scripted
// directly by tests; every scripting call is thread-safe.

#include "platform/wlan/WlanClient.h"

#include <QString>

#include <array>
#include <memory>
#include <string>
#include <vector>

namespace wlan {

class SimulatedWlanClient : public WlanClient
{
public:
    // Which service call a scripted failure applies to.
    enum class Call {
        OpenHandle, CloseHandle, EnumInterfaces, QueryRadioState, QueryOperationMode, QueryBssType,
        QueryAutoConfEnabled, QueryCurrentConnection, GetInterfaceCapability, Scan,
        GetAvailableNetworkList, GetNetworkBssList, GetProfile, SetProfile, DeleteProfile, Connect,
        Disconnect, RegisterNotification, ReasonCodeToString, GuidToString,
    };

    struct Adapter {
        Guid guid;
        std::u16string description;
        int state = Disconnected;           // WLAN_INTERFACE_STATE while idle
        int interfaceType = 1;              // WLAN_INTERFACE_TYPE: 1 native Wi-Fi
        uint32_t operationMode = OperationModeExtensibleStation;
        int bssType = 1;                    // infrastructure
        bool autoConfiguration = true;
        bool radioSoftwareOn = true;
        bool radioHardwareOn = true;
        bool supportsWpa3 = true;           // false: WPA3-SAE profiles are refused with 1169 / 0x4001E
    };

    struct Bss {
        std::array<uint8_t, 6> bssid{};
        uint32_t centerFrequencyKHz = 2437000;
        int32_t rssi = -60;
        int phyType = 7;
    };

    struct Network {
        std::string ssid;                   // raw bytes (need not be UTF-8), 1..32
        bool hidden = false;                // broadcasts an empty SSID
        int bssType = 1;
        bool securityEnabled = false;
        int authAlgorithm = 1;
        int cipherAlgorithm = 0;
        std::string key;                    // the right key (UTF-8) for secured networks
        uint32_t signalQuality = 70;
        std::vector<int> phyTypes{7};
        bool connectable = true;
        uint32_t notConnectableReason = 0;
        std::vector<Bss> bss;
        bool inRange = true;
        uint32_t extraFlags = 0;            // flag bits reported on top of profile / connected
    };

    SimulatedWlanClient();
    ~SimulatedWlanClient() override;

    // The compiled-in scenario, or the file named by AIRVANE_WLAN_SCENARIO. A file that cannot be
    // read or parsed is reported (file name and problem) on stderr and the default is used.
    static std::shared_ptr<SimulatedWlanClient> fromEnvironment();
    // Loads a scenario; on failure returns nullptr and describes the problem in *error.
    static std::shared_ptr<SimulatedWlanClient> fromScenarioJson(const QByteArray &json, QString *error);
    static QByteArray defaultScenarioJson();

    // --- world scripting -------------------------------------------------------------------
    void setServiceAvailable(bool available);       // false: openHandle fails with 1062
    int addAdapter(const Adapter &adapter);         // returns its enumeration index
    void removeAdapter(int index);                  // unplugged: gone from enumeration and calls fail
    void setAdapterState(int index, int state);
    void setAdapterSupportsWpa3(int index, bool supported);
    void setAdapterRadio(int index, bool softwareOn, bool hardwareOn);
    Adapter adapter(int index) const;
    int adapterCount() const;
    Guid adapterGuid(int index) const;

    void addNetwork(const Network &network);
    void setNetworkInRange(const std::string &ssid, bool inRange);   // leaving range drops a connection
    void setSignalQuality(const std::string &ssid, uint32_t quality);
    void clearNetworks();
    std::vector<Network> networks() const;

    // Profiles stored per adapter (by adapter index), XML as the service keeps it.
    void addStoredProfile(int adapterIndex, const std::u16string &xml);
    // flags as for setProfile (2: a per-user profile, listed with flags 6). A document the service
    // would refuse is not stored; false then.
    bool addStoredProfile(int adapterIndex, const std::u16string &xml, uint32_t flags);
    std::vector<std::u16string> storedProfileNames(int adapterIndex) const;
    std::u16string storedProfileXml(int adapterIndex, const std::u16string &name) const;
    // Makes the adapter connected to the network of a stored profile, without notifications.
    void setConnected(int adapterIndex, const std::u16string &profileName);
    // The profile the adapter is connected through; empty when it is not connected.
    std::u16string connectedProfile(int adapterIndex) const;

    // Failure injection: the next `times` calls of `call` return `error` (times < 0: every call).
    void failCall(Call call, uint32_t error, int times = 1);
    void clearFailures();
    int callCount(Call call) const;
    // Handles opened and not closed yet: a client that forgets to close one leaks it.
    int openHandleCount() const;
    // The next `times` scans end with a scan-fail notification carrying `reasonCode`.
    void failScans(uint32_t reasonCode, int times = 1);

    // Timing of asynchronous work (milliseconds; 0 = as soon as the notification thread runs).
    void setScanDelay(int ms);
    void setConnectDelay(int ms);
    void setBackgroundScanInterval(int ms);         // 0 = no background scans
    int scanDelay() const;
    int connectDelay() const;
    int backgroundScanInterval() const;
    // Delivers a scan-complete notification nobody asked for (the service's own background scan).
    void triggerBackgroundScan();
    // Blocks until every notification queued so far has been delivered.
    void waitForNotifications();
    // Holds back every notification until released, then delivers them in the order they arose.
    void holdNotifications(bool held);

    // Parses a profile like the service does: 0 and the parsed fields, or an error with a reason.
    struct ParsedProfile {
        std::u16string name;
        std::string ssidHex;                // the hex element's digits
        std::string ssidBytes;              // bytes decoded from hex (or from name when no hex)
        std::u16string ssidName;
        bool nonBroadcast = false;
        std::u16string connectionType;      // "ESS" or "IBSS"
        std::u16string connectionMode;
        std::u16string authentication;
        std::u16string encryption;
        bool hasSharedKey = false;
        std::u16string keyType;
        bool keyProtected = false;
        std::u16string keyMaterial;
    };
    static uint32_t parseProfile(const std::u16string &xml, ParsedProfile &profile, uint32_t &reasonCode);

    // --- WlanClient ---------------------------------------------------------------------------
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
