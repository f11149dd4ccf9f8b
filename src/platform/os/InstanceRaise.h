#pragma once

#include <QString>
#include <QtGlobal>

namespace os {

// The first top-level window with this window class and exact title (FindWindowExW with no
// parent and no child-after); 0 when there is none or the system has no such lookup.
quintptr findWindowByTitle(const QString &windowClass, const QString &title);

// Brings the main window of the instance that holds the marker `instanceKey` to the foreground.
// Windows finds it by class and title; elsewhere the running instance is asked through its
// RaiseListener. True when a window was found and raised.
bool raiseRunningInstance(const QString &instanceKey, const QString &windowClass, const QString &title);

} // namespace os
