#pragma once

// WLAN profile documents written for a connection: one line of XML in the element order the
// service expects, placeholders filled in one pass, values XML-escaped (the hex element carries the
// SSID's raw UTF-8 bytes).

#include <QString>

namespace ProfileXml {

QString authenticationKeyword(int authAlgorithm);   // "open", "WPA2PSK", ... or "Unknown"
QString encryptionKeyword(int cipherAlgorithm);     // "none", "AES", ... or "Other"
QString ssidHex(const QString &ssid);               // UTF-8 bytes, two uppercase hex digits each

// The SSID's name element shows characters that XML cannot carry at all (U+0001 ... U+001F except
// tab, LF and CR, U+FFFE, U+FFFF, lone surrogates) as U+FFFD; the hex element still names the
// network exactly. A profile name or key with such a character cannot be stored under that name
// or key, so no document is made: the result is empty and the service refuses it.
QString openProfile(const QString &profileName, const QString &ssid, int authAlgorithm,
                    int cipherAlgorithm, bool hidden, bool autoConnect);
QString securedProfile(const QString &profileName, const QString &ssid, int authAlgorithm,
                       int cipherAlgorithm, const QString &password, bool hidden, bool autoConnect);

} // namespace ProfileXml
