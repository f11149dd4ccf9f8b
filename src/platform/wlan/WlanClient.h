#pragma once

// The wireless service as the engine sees it: one method per Native Wi-Fi call that the engine
// makes, with the same meaning, the same numeric codes and the same enumeration values.
// Deliberately free of Qt so that the Windows implementation compiles with nothing but the
// Win32 headers (and is cross-checked by mingw on Linux).

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace wlan {

// Win32 error codes the engine and the service speak.
enum ErrorCode : uint32_t {
    Success = 0,
    InvalidHandle = 6,          // ERROR_INVALID_HANDLE
    NotEnoughMemory = 8,        // ERROR_NOT_ENOUGH_MEMORY
    InvalidParameter = 87,      // ERROR_INVALID_PARAMETER
    AlreadyExists = 183,        // ERROR_ALREADY_EXISTS
    InvalidState = 5023,        // ERROR_INVALID_STATE
    NotFound = 1168,            // ERROR_NOT_FOUND
    NoMatch = 1169,             // ERROR_NO_MATCH
    ServiceNotActive = 1062,    // ERROR_SERVICE_NOT_ACTIVE
    BadProfile = 1206,          // ERROR_BAD_PROFILE
    NotSupported = 50,          // ERROR_NOT_SUPPORTED
    AccessDenied = 5,           // ERROR_ACCESS_DENIED
    NdisDot11PowerStateInvalid = 0x8034200A,
};

// WLAN_NOTIFICATION_SOURCE_* and the ACM codes the engine reacts to.
enum : uint32_t {
    SourceNone = 0,
    SourceOneX = 0x4,
    SourceAcm = 0x8,
    SourceMsm = 0x10,
    SourceAll = 0xFFFF,
    AcmScanComplete = 7,
    AcmScanFail = 8,
    AcmConnectionStart = 9,
    AcmConnectionComplete = 10,
    AcmConnectionAttemptFail = 11,
    AcmDisconnected = 21,
};

// WLAN_INTERFACE_STATE
enum InterfaceState : int {
    NotReady = 0,
    Connected = 1,
    AdHocNetworkFormed = 2,
    Disconnecting = 3,
    Disconnected = 4,
    Associating = 5,
    Discovering = 6,
    Authenticating = 7,
};

// WLAN_AVAILABLE_NETWORK_* flag bits.
enum : uint32_t {
    NetworkConnected = 0x1,
    NetworkHasProfile = 0x2,
    NetworkConsoleUserProfile = 0x4,
};

// DOT11_OPERATION_MODE_*
enum : uint32_t {
    OperationModeExtensibleStation = 0x4,
    OperationModeNetworkMonitor = 0x80000000u,
};

using Handle = uintptr_t;   // opaque client handle; 0 is never a valid one

struct Guid {
    uint32_t data1 = 0;
    uint16_t data2 = 0;
    uint16_t data3 = 0;
    std::array<uint8_t, 8> data4{};

    bool operator==(const Guid &o) const
    {
        return data1 == o.data1 && data2 == o.data2 && data3 == o.data3 && data4 == o.data4;
    }
    bool operator!=(const Guid &o) const { return !(*this == o); }
};

// DOT11_SSID: a length and up to 32 bytes, which need not be text at all.
struct Ssid {
    uint32_t length = 0;
    std::array<uint8_t, 32> bytes{};

    static Ssid fromBytes(const std::string &raw)
    {
        Ssid s;
        s.length = static_cast<uint32_t>(raw.size() < 32 ? raw.size() : 32);
        for (uint32_t i = 0; i < s.length; ++i)
            s.bytes[i] = static_cast<uint8_t>(raw[i]);
        return s;
    }
    std::string toBytes() const
    {
        const uint32_t n = length < 32 ? length : 32;
        return std::string(reinterpret_cast<const char *>(bytes.data()), n);
    }
};

// WLAN_INTERFACE_INFO
struct InterfaceInfo {
    Guid guid;
    std::u16string description;     // at most 255 characters, as the platform's fixed buffer
    int state = NotReady;
};

// WLAN_AVAILABLE_NETWORK
struct AvailableNetwork {
    std::u16string profileName;
    Ssid ssid;
    int bssType = 1;                // DOT11_BSS_TYPE
    uint32_t bssidCount = 0;
    bool connectable = true;
    uint32_t notConnectableReason = 0;
    std::vector<int> phyTypes;      // DOT11_PHY_TYPE; the platform's list holds up to 8
    uint32_t signalQuality = 0;     // 0 .. 100
    bool securityEnabled = false;
    int authAlgorithm = 1;          // DOT11_AUTH_ALGORITHM
    int cipherAlgorithm = 0;        // DOT11_CIPHER_ALGORITHM
    uint32_t flags = 0;
};

// WLAN_BSS_ENTRY (the fields anyone reads)
struct BssEntry {
    Ssid ssid;
    std::array<uint8_t, 6> bssid{};
    int bssType = 1;
    int phyType = 0;
    int32_t rssi = -100;
    uint32_t linkQuality = 0;
    uint32_t centerFrequencyKHz = 0;
};

// WLAN_CONNECTION_ATTRIBUTES (the fields anyone reads)
struct CurrentConnection {
    int state = NotReady;
    int connectionMode = 0;
    std::u16string profileName;
    Ssid ssid;
    std::array<uint8_t, 6> bssid{};
    uint32_t signalQuality = 0;
    bool securityEnabled = false;
    int authAlgorithm = 0;
    int cipherAlgorithm = 0;
};

// WLAN_CONNECTION_PARAMETERS
struct ConnectionParameters {
    int connectionMode = 0;         // wlan_connection_mode_profile
    std::u16string profile;
    int bssType = 3;                // dot11_BSS_type_any
    uint32_t flags = 0;
};

// WLAN_NOTIFICATION_DATA. For ACM connection notifications the platform's data is a
// WLAN_CONNECTION_NOTIFICATION_DATA; hasConnectionData tells whether it was delivered and
// reasonCode is its wlanReasonCode field.
struct Notification {
    uint32_t source = SourceNone;
    uint32_t code = 0;
    Guid interfaceGuid;
    bool hasConnectionData = false;
    uint32_t reasonCode = 0;
    std::u16string profileName;
    Ssid ssid;
};

// WLAN_NOTIFICATION_CALLBACK. A null notification pointer stands for the platform handing the
// callback no data at all.
using NotificationCallback = void (*)(const Notification *notification, void *context);

class WlanClient
{
public:
    virtual ~WlanClient() = default;

    // WlanOpenHandle / WlanCloseHandle
    virtual uint32_t openHandle(uint32_t clientVersion, uint32_t *negotiatedVersion, Handle *handle) = 0;
    virtual uint32_t closeHandle(Handle handle) = 0;

    // WlanEnumInterfaces
    virtual uint32_t enumInterfaces(Handle handle, std::vector<InterfaceInfo> &interfaces) = 0;

    // WlanQueryInterface, one method per opcode the program uses
    virtual uint32_t queryRadioState(Handle handle, const Guid &iface, bool &softwareOn, bool &hardwareOn) = 0;
    virtual uint32_t queryOperationMode(Handle handle, const Guid &iface, uint32_t &mode) = 0;
    virtual uint32_t queryBssType(Handle handle, const Guid &iface, int &bssType) = 0;
    virtual uint32_t queryAutoConfEnabled(Handle handle, const Guid &iface, bool &enabled) = 0;
    virtual uint32_t queryCurrentConnection(Handle handle, const Guid &iface, CurrentConnection &connection) = 0;

    // WlanGetInterfaceCapability: only the interface type is read
    virtual uint32_t getInterfaceCapability(Handle handle, const Guid &iface, int &interfaceType) = 0;

    // WlanScan with no SSID and no information element
    virtual uint32_t scan(Handle handle, const Guid &iface) = 0;

    // WlanGetAvailableNetworkList / WlanGetNetworkBssList
    virtual uint32_t getAvailableNetworkList(Handle handle, const Guid &iface, uint32_t flags,
                                             std::vector<AvailableNetwork> &networks) = 0;
    virtual uint32_t getNetworkBssList(Handle handle, const Guid &iface, const Ssid *ssid, int bssType,
                                       bool securityEnabled, std::vector<BssEntry> &entries) = 0;

    // WlanGetProfile / WlanSetProfile / WlanDeleteProfile
    virtual uint32_t getProfile(Handle handle, const Guid &iface, const std::u16string &profileName,
                                std::u16string &xml) = 0;
    virtual uint32_t setProfile(Handle handle, const Guid &iface, uint32_t flags, const std::u16string &xml,
                                bool overwrite, uint32_t &reasonCode) = 0;
    virtual uint32_t deleteProfile(Handle handle, const Guid &iface, const std::u16string &profileName) = 0;

    // WlanConnect / WlanDisconnect
    virtual uint32_t connect(Handle handle, const Guid &iface, const ConnectionParameters &parameters) = 0;
    virtual uint32_t disconnect(Handle handle, const Guid &iface) = 0;

    // WlanRegisterNotification. sourceMask 0 with no callback cancels every registration of the
    // handle. The callback runs on a thread of the service, never on the caller's.
    virtual uint32_t registerNotification(Handle handle, uint32_t sourceMask, bool ignoreDuplicate,
                                          NotificationCallback callback, void *context) = 0;

    // WlanReasonCodeToString into a buffer of bufferChars wide characters
    virtual uint32_t reasonCodeToString(uint32_t reasonCode, uint32_t bufferChars, std::u16string &text) = 0;

    // StringFromGUID2 into a buffer of bufferChars wide characters; returns the number of
    // characters written including the terminator, 0 on failure (the buffer was too small).
    virtual int guidToString(const Guid &guid, uint32_t bufferChars, std::u16string &text) = 0;
};

} // namespace wlan
