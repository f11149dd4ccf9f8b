#pragma once

#include <QString>

namespace os {

// Asks the system's error reporting to keep up to ten mini dumps of this executable in `folder`
// (Windows: the LocalDumps registry entry named after the executable's file name). An entry that
// already exists is left as it is; a failed write (no administrator rights) is not an error.
// Other systems keep core dumps their own way: nothing is done there.
void registerCrashDumps(const QString &folder);

} // namespace os
