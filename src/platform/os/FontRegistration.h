#pragma once

#include <QString>

namespace os {

// Tells the system about a font file copied into the user's fonts folder. Windows: the value
// "<family> (<type>)" = file name under the machine's Fonts registry key (a failed write is
// ignored). Elsewhere fontconfig scans the user's fonts folder by itself: nothing to do.
void registerFont(const QString &family, const QString &type, const QString &fileName);

} // namespace os
