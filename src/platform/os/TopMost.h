#pragma once

#include <QtGlobal>

namespace os {

// Whether this platform can raise a native window above all others by itself. When it cannot,
// the caller asks the toolkit for a stays-on-top window instead.
bool hasNativeTopMost();

// Makes the native window top-most (or not) without moving or resizing it. Returns false when
// nothing was changed (no native support, or the window manager refused).
bool setNativeTopMost(quintptr nativeWindowId, bool onTop);

} // namespace os
