#pragma once

#include "platform/wlan/WlanClient.h"

#include <memory>

namespace wlan {

// The one place that picks the wireless service. The native service is used on Windows, the
// simulated one elsewhere; AIRVANE_WLAN=simulated (or =native) overrides the choice, and
// AIRVANE_WLAN_SCENARIO names a scenario file for the simulated service.
std::shared_ptr<WlanClient> defaultClient();

// Replaces the process-wide client (tests hand the engine a scripted service this way).
void setDefaultClient(std::shared_ptr<WlanClient> client);

// The platform's own service, or nullptr where there is none (defined per platform).
std::shared_ptr<WlanClient> createNativeClient();

} // namespace wlan
