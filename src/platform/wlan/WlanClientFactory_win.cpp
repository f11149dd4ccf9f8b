#include "platform/wlan/NativeWlanClient_win.h"
#include "platform/wlan/WlanClientProvider.h"

namespace wlan {

std::shared_ptr<WlanClient> createNativeClient()
{
    return std::make_shared<NativeWlanClient>();
}

// Windows has no system D-Bus; the native service is the real one here.
std::shared_ptr<WlanClient> createNetworkManagerClient(bool /*onlyIfAnswering*/)
{
    return nullptr;
}

} // namespace wlan
