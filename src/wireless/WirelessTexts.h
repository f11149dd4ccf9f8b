#pragma once

// Display texts for the platform's wireless values. Every text a record carries is made here, so
// receivers show record fields as they are and never translate platform values themselves.
// The translated tables use the translation context "WirelessConnect".

#include <QString>

#include <array>
#include <cstdint>

QString cipherAlgorithmText(int cipherAlgorithm);
QString authAlgorithmText(int authAlgorithm);
QString credentialsText(bool isSecured, int authAlgorithm);
QString interfaceStateText(int state);
QString networkFlagsText(int flags);
QString phyTypeText(int phyType);
QString bssTypeText(int bssType);               // empty for values outside 1..3
QString interfaceTypeText(int interfaceType);   // empty for values outside 0..2
QString operationModeText(uint32_t operationMode);
QString reasonCodeText(uint32_t reasonCode);    // asks the wireless service for the text
QString macAddressText(const std::array<uint8_t, 6> &bssid);
// Signal quality (0..100) and the level estimated from it, e.g. "75% (-63 dBm)".
QString signalText(uint32_t quality);

// Channel and band of a BSS centre frequency (kHz): 2.4, 5 and 6 GHz channels get their real
// numbers, any other frequency the channel "Unknown". The band also depends on how many BSSIDs
// the network was seen with ("Dual-Band" for two or more).
QString channelText(uint32_t centerFrequencyKHz);
QString frequencyText(uint32_t centerFrequencyKHz);
QString bandText(uint32_t centerFrequencyKHz, uint32_t bssidCount);

// Registers the wireless records and enumerations with the meta-type system under their names.
void registerWirelessMetaTypes();
