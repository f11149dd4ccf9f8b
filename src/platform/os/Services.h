#pragma once

// Operating-system services the connection dialogs rely on. Free of Qt.

#include <string>

namespace os {

enum class WmiServiceStatus {
    Running,      // nothing had to be done, or the service manager could not be reached
    Resumed,      // it was paused and has been continued
    Started,      // it was stopped and has been started
    ResumeFailed, // it is paused and refused to continue
    StartFailed,  // it is stopped and could not be started
};

// Makes sure the system's management-instrumentation service ("Winmgmt") runs: a paused service
// is continued, a stopped one started (after switching it to automatic start if it refuses).
// Without such a service (any system but Windows) there is nothing to do.
WmiServiceStatus ensureWmiServiceRunning();

// The name of the user running the program: USERNAME; elsewhere USER when USERNAME is unset.
std::wstring userName();

} // namespace os
