#pragma once

// Translates between the WLAN profile documents the engine writes and NetworkManager's saved
// 802-11-wireless connections (the a{sa{sv}} settings of org.freedesktop.NetworkManager.Settings).

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QVariantMap>

#include <cstdint>
#include <string>

namespace wlan {

class NetworkManagerProfile
{
public:
    using Settings = QMap<QString, QVariantMap>;

    // A profile document as a new connection: 0, or the error and reason code the Windows service
    // gives for a profile it refuses (1206 with the parser's reason; an authentication this backend
    // cannot express, such as 802.1X without its settings, is refused with 0x30002). The key goes
    // into the security setting and nowhere else. ssidBytes receives the SSID the document names.
    static uint32_t toSettings(const std::u16string &xml, Settings &settings, QByteArray &ssidBytes,
                               uint32_t &reasonCode);

    // A saved connection as a profile document (NetworkManager never hands out its secrets, so the
    // document carries no key material).
    static std::u16string toXml(const Settings &settings);

    static QString id(const Settings &settings);
    static QByteArray ssid(const Settings &settings);
    static bool isWireless(const Settings &settings);
    // Added by this program for one of its connection attempts (marked in the connection's user data).
    static bool isOwnedByProgram(const Settings &settings);
    static QString ownerKey();

    // Authentication and cipher (DOT11_AUTH_ALGORITHM / DOT11_CIPHER_ALGORITHM) of the security setting.
    static void authAndCipher(const Settings &settings, int &auth, int &cipher);
};

} // namespace wlan
