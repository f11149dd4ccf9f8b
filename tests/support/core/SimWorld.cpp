#include "SimWorld.h"

#include "wireless/ProfileXml.h"

namespace testsupport {

Sim::Adapter adapter(uint32_t n, const QString &description)
{
    Sim::Adapter a;
    a.guid.data1 = 0x5A1E0000u + n;
    a.guid.data2 = 0xBEEF;
    a.guid.data3 = 0x4C0D;
    a.guid.data4 = {0x8A, 0x01, 0x02, 0x03, 0xC4, 0xD5, 0xE6, static_cast<uint8_t>(n)};
    a.description = (description.isEmpty() ? QStringLiteral("Wireless Adapter %1").arg(n) : description).toStdU16String();
    return a;
}

QString adapterGuidText(uint32_t n)
{
    return QStringLiteral("{%1-BEEF-4C0D-8A01-0203C4D5E6%2}")
        .arg(0x5A1E0000u + n, 8, 16, QLatin1Char('0'))
        .arg(n, 2, 16, QLatin1Char('0'))
        .toUpper();
}

Sim::Bss bssAt(uint32_t kHz, uint8_t lastByte, int32_t rssi)
{
    Sim::Bss b;
    b.bssid = {0x00, 0x1A, 0x2B, 0x3C, 0x4D, lastByte};
    b.centerFrequencyKHz = kHz;
    b.rssi = rssi;
    return b;
}

Sim::Network openNetwork(const std::string &ssid, uint32_t kHz)
{
    Sim::Network n;
    n.ssid = ssid;
    n.bss = {bssAt(kHz)};
    return n;
}

Sim::Network securedNetwork(const std::string &ssid, const std::string &key, int auth, int cipher)
{
    Sim::Network n = openNetwork(ssid);
    n.securityEnabled = true;
    n.authAlgorithm = auth;
    n.cipherAlgorithm = cipher;
    n.key = key;
    return n;
}

Sim::Network hidden(Sim::Network network)
{
    network.hidden = true;
    return network;
}

std::u16string openProfile(const QString &name)
{
    return ProfileXml::openProfile(name, name, 1, 0, false, true).toStdU16String();
}

std::u16string securedProfile(const QString &name, const QString &key, int auth, int cipher)
{
    return ProfileXml::securedProfile(name, name, auth, cipher, key, false, true).toStdU16String();
}

std::shared_ptr<Sim> world(int adapters, std::initializer_list<Sim::Network> networks,
                           std::initializer_list<QString> openProfiles)
{
    auto sim = std::make_shared<Sim>();
    for (int i = 0; i < adapters; ++i)
        sim->addAdapter(adapter(static_cast<uint32_t>(i)));
    for (const Sim::Network &n : networks)
        sim->addNetwork(n);
    for (const QString &p : openProfiles)
        sim->addStoredProfile(0, openProfile(p));
    return sim;
}

} // namespace testsupport
