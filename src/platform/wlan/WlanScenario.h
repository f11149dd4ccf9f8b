#pragma once

// Scenario documents (JSON) of the simulated service: adapters with their stored profiles, the
// networks in the air and the service's timing. The format is described in resources/wlan/README.md.

#include <QByteArray>
#include <QString>

#include <string>

namespace wlan {

class SimulatedWlanClient;

class WlanScenario
{
public:
    // Fills a fresh client. On failure returns false and describes the problem in *error, naming
    // the field (for example "networks[3].bss[0].bssid: expected ...").
    static bool load(const QByteArray &json, SimulatedWlanClient &client, QString *error);

    // A profile document as the service stores it, with every value XML-escaped.
    static std::u16string profileXml(const QString &name, const std::string &ssidBytes, bool nonBroadcast,
                                     const QString &connectionMode, const QString &authentication,
                                     const QString &encryption, const QString &keyType, const QString &key);
};

} // namespace wlan
