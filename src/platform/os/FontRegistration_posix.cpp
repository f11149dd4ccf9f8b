#include "platform/os/FontRegistration.h"

namespace os {

void registerFont(const QString &, const QString &, const QString &)
{
}

} // namespace os
