#pragma once

#include <QString>

namespace os {

// Installs the handler for segmentation faults. The handler does only what is safe inside a
// signal handler: it writes a short marker file at `markerPath` (opened and written with plain
// system calls on a path prepared now), restores the default action and raises the signal
// again, so the process still ends by that signal and the system's crash dump is still made.
// The next start finds the marker and asks the user about it. False when the handler could not
// be installed or the path does not fit the prepared buffer.
bool installFaultMarker(const QString &markerPath);

} // namespace os
