#include "platform/os/Notifications.h"

namespace os {

bool notificationTextIsMarkup()
{
    return true;
}

} // namespace os
