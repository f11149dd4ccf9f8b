#include "platform/os/Notifications.h"

namespace os {

bool notificationTextIsMarkup()
{
    return false;
}

} // namespace os
