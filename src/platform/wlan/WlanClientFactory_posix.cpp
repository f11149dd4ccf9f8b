#include "platform/wlan/WlanClientProvider.h"

namespace wlan {

// No native WLAN service here; the provider falls back to the simulated one.
std::shared_ptr<WlanClient> createNativeClient()
{
    return nullptr;
}

} // namespace wlan
