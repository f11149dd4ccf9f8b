#pragma once

namespace os {

// Whether the program runs with administrator rights: on Windows the elevation of the process
// token (false when it cannot be read), elsewhere an effective user id of 0.
bool isProcessElevated();

} // namespace os
