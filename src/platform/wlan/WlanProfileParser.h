#pragma once

// Reads and checks WLAN profile documents the way the service does before it stores them.

#include "platform/wlan/SimulatedWlanClient.h"

#include <cstdint>
#include <string>

namespace wlan {

class WlanProfileParser
{
public:
    static constexpr const char16_t *Namespace = u"http://www.microsoft.com/networking/WLAN/profile/v1";

    // Structure, keywords and the authentication/cipher pair: 0, or 1206 with a WLAN reason code.
    static uint32_t parse(const std::u16string &xml, SimulatedWlanClient::ParsedProfile &profile,
                          uint32_t &reasonCode);
    // The key material itself (length, characters), checked when a profile is stored:
    // 0, or 1206 with a reason code. Protected (encrypted) keys are taken as they are.
    static uint32_t checkKeyMaterial(const SimulatedWlanClient::ParsedProfile &profile, uint32_t &reasonCode);

    // DOT11_AUTH_ALGORITHM / DOT11_CIPHER_ALGORITHM of a profile keyword; -1 for an unknown keyword.
    static int authAlgorithm(const std::u16string &keyword);
    static int cipherAlgorithm(const std::u16string &keyword);
    // Keywords that need a sharedKey element (pre-shared key or WEP key).
    static bool needsSharedKey(const std::u16string &authentication, const std::u16string &encryption);
    // The WPA3 generation of authentication (and OWE), which older adapters cannot store.
    static bool needsWpa3Adapter(const std::u16string &authentication);
};

} // namespace wlan
