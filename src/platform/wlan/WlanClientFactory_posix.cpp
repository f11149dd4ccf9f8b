#include "platform/wlan/WlanClientProvider.h"

#include "platform/wlan/NetworkManagerWlanClient_posix.h"

namespace wlan {

// No Windows WLAN service here; the provider looks for NetworkManager next.
std::shared_ptr<WlanClient> createNativeClient()
{
    return nullptr;
}

std::shared_ptr<WlanClient> createNetworkManagerClient(bool onlyIfAnswering)
{
    if (onlyIfAnswering && !NetworkManagerWlanClient::serviceAnswers())
        return nullptr;
    return std::make_shared<NetworkManagerWlanClient>();
}

} // namespace wlan
