#pragma once

// WLAN profile documents written for a connection: one line of XML in the element order the
// service expects, placeholders filled in one pass, values XML-escaped (the hex element carries the
// SSID's raw UTF-8 bytes).

#include <QString>

namespace ProfileXml {

QString authenticationKeyword(int authAlgorithm);   // "open", "WPA2PSK", ... or "Unknown"
QString encryptionKeyword(int cipherAlgorithm);     // "none", "AES", ... or "Other"
QString ssidHex(const QString &ssid);               // UTF-8 bytes, two uppercase hex digits each

QString openProfile(const QString &profileName, const QString &ssid, int authAlgorithm,
                    int cipherAlgorithm, bool hidden, bool autoConnect);
QString securedProfile(const QString &profileName, const QString &ssid, int authAlgorithm,
                       int cipherAlgorithm, const QString &password, bool hidden, bool autoConnect);

} // namespace ProfileXml
