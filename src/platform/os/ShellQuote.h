#pragma once

#include <QString>

namespace os {

// The text as one word of a POSIX shell command: in single quotes, each single quote written
// as '\'' so that nothing inside is ever expanded.
QString shellQuoted(const QString &text);

} // namespace os
