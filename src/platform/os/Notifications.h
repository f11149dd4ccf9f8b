#pragma once

namespace os {

// Whether the desktop reads the body of a tray notification as markup (the freedesktop
// notification servers do; Windows balloons show plain text). Outside text is escaped for it.
bool notificationTextIsMarkup();

} // namespace os
