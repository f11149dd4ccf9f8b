#pragma once

#include <QString>

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

} // namespace wlan
