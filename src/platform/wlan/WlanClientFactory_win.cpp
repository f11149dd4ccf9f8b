#include "platform/wlan/NativeWlanClient_win.h"
#include "platform/wlan/WlanClientProvider.h"

namespace wlan {

std::shared_ptr<WlanClient> createNativeClient()
{
    return std::make_shared<NativeWlanClient>();
}

} // namespace wlan
