#include "platform/wlan/WlanReasonCodes.h"

#include <unordered_map>

namespace wlan {

namespace {

const std::unordered_map<uint32_t, const char16_t *> &table()
{
    static const std::unordered_map<uint32_t, const char16_t *> texts = {
        {WlanReasonCodes::Success, u"The operation succeeds."},
        {WlanReasonCodes::Unknown, u"An unknown error occurred."},

        {WlanReasonCodes::NetworkNotCompatible, u"The network is not compatible with this computer."},
        {WlanReasonCodes::ProfileNotCompatible, u"The profile is not compatible with this computer."},
        {WlanReasonCodes::NotVisible, u"The network is not visible."},
        {WlanReasonCodes::ConnectCallFail, u"The connection request could not be sent to the driver."},
        {WlanReasonCodes::ScanCallFail, u"The scan request could not be sent to the driver."},
        {WlanReasonCodes::NetworkNotAvailable, u"The network is not available."},
        {WlanReasonCodes::ProfileChangedOrDeleted,
         u"The profile was changed or deleted before the connection was established."},
        {WlanReasonCodes::KeyMismatch, u"The key does not match the network."},

        {WlanReasonCodes::UnsupportedSecuritySet, u"The security settings are not supported by the network."},
        {WlanReasonCodes::UserCancelled, u"The connection was cancelled by the user."},
        {WlanReasonCodes::AssociationFailure, u"The association with the network failed."},
        {WlanReasonCodes::AssociationTimeout, u"The association with the network timed out."},
        {WlanReasonCodes::SecurityFailure, u"The security negotiation with the network failed."},
        {WlanReasonCodes::DriverDisconnected, u"The driver disconnected while the connection was in use."},
        {WlanReasonCodes::InternalFailure, u"An internal error occurred in the wireless service."},
        {WlanReasonCodes::NoVisibleAp, u"No access point of the network is visible."},

        {WlanReasonCodes::MsmsecPskPresent, u"A pre-shared key was given for a network that does not use one."},
        {WlanReasonCodes::MsmsecKeyLength, u"The network key has an invalid length."},
        {WlanReasonCodes::MsmsecPskLength,
         u"The pass phrase must be 8 to 63 characters long, or a key of 64 hexadecimal digits."},
        {WlanReasonCodes::MsmsecNoAuthCipherSpecified, u"No authentication and cipher pair was specified."},
        {WlanReasonCodes::MsmsecInvalidAuthCipher, u"The authentication and cipher pair is not valid."},
        {WlanReasonCodes::MsmsecOneXDisabled, u"802.1X is disabled although the authentication requires it."},
        {WlanReasonCodes::MsmsecOneXEnabled, u"802.1X is enabled although the authentication does not allow it."},
        {WlanReasonCodes::MsmsecPassphraseChar, u"The pass phrase contains an invalid character."},
        {WlanReasonCodes::MsmsecKeyMaterialChar, u"The key material contains an invalid character."},
        {WlanReasonCodes::MsmsecWrongKeyType, u"The key type is not valid for this security setting."},
        {WlanReasonCodes::MsmsecCapabilityProfileAuth,
         u"The authentication method in the profile is not supported by the network adapter."},
        {WlanReasonCodes::MsmsecCapabilityProfileCipher,
         u"The cipher in the profile is not supported by the network adapter."},
        {WlanReasonCodes::MsmsecUiRequestFailure, u"The request for user credentials failed."},
        {WlanReasonCodes::MsmsecAuthStartTimeout, u"The authentication did not start in time."},
        {WlanReasonCodes::MsmsecCancelled, u"The security negotiation was cancelled."},
        {WlanReasonCodes::MsmsecPskMismatchSuspected,
         u"The pre-shared key (network security key) does not seem to match."},

        {WlanReasonCodes::InvalidProfileSchema, u"The profile is not valid according to the profile schema."},
        {WlanReasonCodes::ProfileMissing, u"The profile is missing."},
        {WlanReasonCodes::InvalidProfileName, u"The profile name is not valid."},
        {WlanReasonCodes::InvalidProfileType, u"The profile type is not valid."},
        {WlanReasonCodes::MsmSecurityMissing, u"The profile has no security settings."},
        {WlanReasonCodes::ConflictSecurity, u"The security settings of the profile conflict."},
        {WlanReasonCodes::SecurityMissing, u"The network key is missing from the profile."},
        {WlanReasonCodes::InvalidBssType, u"The BSS type of the profile is not valid."},
        {WlanReasonCodes::ProfileSsidInvalid, u"The SSID in the profile is not valid."},
    };
    return texts;
}

} // namespace

std::u16string WlanReasonCodes::text(uint32_t reasonCode)
{
    const auto &texts = table();
    const auto it = texts.find(reasonCode);
    if (it != texts.end())
        return it->second;
    return u"The reason code is not recognized by the wireless service.";
}

} // namespace wlan
