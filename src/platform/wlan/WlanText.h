#pragma once

#include "platform/wlan/WlanClient.h"

#include <QString>

#include <cstdio>
#include <string>

namespace wlan {

// The service's wide strings, unit for unit. QString::fromStdU16String / fromUtf16 treat a
// leading U+FEFF as a byte-order mark and drop it, which would rename a profile or SSID that
// happens to start with one.
inline QString toQString(const std::u16string &text)
{
    return QString(reinterpret_cast<const QChar *>(text.data()), static_cast<int>(text.size()));
}

inline std::u16string toU16(const QString &text)
{
    return std::u16string(reinterpret_cast<const char16_t *>(text.utf16()), static_cast<size_t>(text.size()));
}

// StringFromGUID2's registry form: braces, hyphens, uppercase hexadecimal, 38 characters.
inline std::u16string guidText(const Guid &guid)
{
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "{%08X-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}",
                  static_cast<unsigned>(guid.data1), static_cast<unsigned>(guid.data2),
                  static_cast<unsigned>(guid.data3), guid.data4[0], guid.data4[1], guid.data4[2], guid.data4[3],
                  guid.data4[4], guid.data4[5], guid.data4[6], guid.data4[7]);
    return std::u16string(buffer, buffer + 38);
}

} // namespace wlan
