#pragma once

// The one builder of simulated wireless worlds for the core tests: adapters, networks in the air
// and stored profiles, each test starting from a fresh service.

#include "platform/wlan/SimulatedWlanClient.h"

#include <QString>

#include <initializer_list>
#include <memory>
#include <string>

namespace testsupport {

using Sim = wlan::SimulatedWlanClient;

// Adapter n: GUID {5A1E000n-BEEF-4C0D-8A01-0203C4D5E60n}, named "Wireless Adapter n" unless named.
Sim::Adapter adapter(uint32_t n, const QString &description = QString());
QString adapterGuidText(uint32_t n);
Sim::Bss bssAt(uint32_t kHz, uint8_t lastByte = 0x5E, int32_t rssi = -60);
Sim::Network openNetwork(const std::string &ssid, uint32_t kHz = 2437000);
Sim::Network securedNetwork(const std::string &ssid, const std::string &key, int auth = 7, int cipher = 4);
// The same network broadcasting no name.
Sim::Network hidden(Sim::Network network);

// Profiles as the program writes them.
std::u16string openProfile(const QString &name);
std::u16string securedProfile(const QString &name, const QString &key, int auth = 7, int cipher = 4);

// A fresh service: `adapters` adapters, the networks, and open profiles stored on adapter 0.
std::shared_ptr<Sim> world(int adapters, std::initializer_list<Sim::Network> networks = {},
                           std::initializer_list<QString> openProfiles = {});

} // namespace testsupport
