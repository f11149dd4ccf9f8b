#pragma once

#include "platform/wlan/WlanClient.h"

#include <memory>

namespace wlan {

// The one place that picks the wireless service. The native service is used on Windows; on Linux
// NetworkManager when it answers on the system bus, else the simulated service (the choice is told
// once on stderr). AIRVANE_WLAN=simulated, =native or =networkmanager overrides the choice, and
// AIRVANE_WLAN_SCENARIO names a scenario file for the simulated service.
std::shared_ptr<WlanClient> defaultClient();

// Replaces the process-wide client (tests hand the engine a scripted service this way).
void setDefaultClient(std::shared_ptr<WlanClient> client);

// The platform's own service, or nullptr where there is none (defined per platform).
std::shared_ptr<WlanClient> createNativeClient();

// NetworkManager over the system bus, or nullptr where there is no D-Bus (defined per platform).
// When `onlyIfAnswering`, nullptr also when NetworkManager does not answer there.
std::shared_ptr<WlanClient> createNetworkManagerClient(bool onlyIfAnswering);

} // namespace wlan
