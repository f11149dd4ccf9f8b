#pragma once

// WLAN_REASON_CODE values the simulated service reports, and the English texts the service gives
// for them (what WlanReasonCodeToString answers on an English system).

#include <cstdint>
#include <string>

namespace wlan {

class WlanReasonCodes
{
public:
    enum : uint32_t {
        Success = 0,
        Unknown = 0x10001,

        NetworkNotCompatible = 0x20001,
        ProfileNotCompatible = 0x20002,
        NotVisible = 0x28002,
        ConnectCallFail = 0x28009,
        ScanCallFail = 0x2800A,
        NetworkNotAvailable = 0x2800B,
        ProfileChangedOrDeleted = 0x2800C,
        KeyMismatch = 0x2800D,

        UnsupportedSecuritySet = 0x30002,
        UserCancelled = 0x38001,
        AssociationFailure = 0x38002,
        AssociationTimeout = 0x38003,
        SecurityFailure = 0x38006,
        DriverDisconnected = 0x3800B,
        InternalFailure = 0x38010,
        NoVisibleAp = 0x38014,

        MsmsecPskPresent = 0x40002,
        MsmsecKeyLength = 0x40003,
        MsmsecPskLength = 0x40004,
        MsmsecNoAuthCipherSpecified = 0x40005,
        MsmsecInvalidAuthCipher = 0x40009,
        MsmsecOneXDisabled = 0x4000A,
        MsmsecOneXEnabled = 0x4000B,
        MsmsecPassphraseChar = 0x40016,
        MsmsecKeyMaterialChar = 0x40017,
        MsmsecWrongKeyType = 0x40018,
        MsmsecCapabilityProfileAuth = 0x4001E,
        MsmsecCapabilityProfileCipher = 0x4001F,
        MsmsecUiRequestFailure = 0x48001,
        MsmsecAuthStartTimeout = 0x48002,
        MsmsecCancelled = 0x48011,
        MsmsecPskMismatchSuspected = 0x48014,

        InvalidProfileSchema = 0x80001,
        ProfileMissing = 0x80002,
        InvalidProfileName = 0x80003,
        InvalidProfileType = 0x80004,
        MsmSecurityMissing = 0x80006,
        ConflictSecurity = 0x8000B,
        SecurityMissing = 0x8000C,
        InvalidBssType = 0x8000D,
        ProfileSsidInvalid = 0x80013,
    };

    // The service's text for a reason code; unknown codes get a generic text.
    static std::u16string text(uint32_t reasonCode);
};

} // namespace wlan
