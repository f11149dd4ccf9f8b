#include "platform/wlan/NetworkManagerProfile_posix.h"

#include "platform/wlan/WlanProfileParser.h"
#include "platform/wlan/WlanReasonCodes.h"
#include "platform/wlan/WlanScenario.h"
#include "platform/wlan/WlanText.h"

#include <QDBusArgument>
#include <QStringList>

namespace wlan {

namespace {

const QString kConnection = QStringLiteral("connection");
const QString kWireless = QStringLiteral("802-11-wireless");
const QString kSecurity = QStringLiteral("802-11-wireless-security");
const QString kUser = QStringLiteral("user");

using StringMap = QMap<QString, QString>;

StringMap stringMap(const QVariant &value)
{
    if (value.canConvert<QDBusArgument>())
        return qdbus_cast<StringMap>(value.value<QDBusArgument>());
    return value.value<StringMap>();
}

QStringList stringList(const QVariant &value)
{
    if (value.canConvert<QDBusArgument>())
        return qdbus_cast<QStringList>(value.value<QDBusArgument>());
    return value.toStringList();
}

} // namespace

QString NetworkManagerProfile::ownerKey()
{
    // Letters and dots only: what NetworkManager accepts as a user-data key everywhere.
    return QStringLiteral("com.tarnwick.airvanelite.added");
}

QString NetworkManagerProfile::id(const Settings &settings)
{
    return settings.value(kConnection).value(QStringLiteral("id")).toString();
}

QByteArray NetworkManagerProfile::ssid(const Settings &settings)
{
    return settings.value(kWireless).value(QStringLiteral("ssid")).toByteArray();
}

bool NetworkManagerProfile::isWireless(const Settings &settings)
{
    const QVariantMap wireless = settings.value(kWireless);
    const QString mode = wireless.value(QStringLiteral("mode"), QStringLiteral("infrastructure")).toString();
    return settings.value(kConnection).value(QStringLiteral("type")).toString() == kWireless
        && mode == QLatin1String("infrastructure");
}

bool NetworkManagerProfile::isOwnedByProgram(const Settings &settings)
{
    return stringMap(settings.value(kUser).value(QStringLiteral("data"))).value(ownerKey()) == QLatin1String("1");
}

void NetworkManagerProfile::authAndCipher(const Settings &settings, int &auth, int &cipher)
{
    auth = 1;
    cipher = 0;
    if (!settings.contains(kSecurity))
        return;
    const QVariantMap sec = settings.value(kSecurity);
    const QString keyMgmt = sec.value(QStringLiteral("key-mgmt")).toString();
    const QStringList proto = stringList(sec.value(QStringLiteral("proto")));
    const QStringList pairwise = stringList(sec.value(QStringLiteral("pairwise")));
    const bool tkipOnly = pairwise.contains(QStringLiteral("tkip")) && !pairwise.contains(QStringLiteral("ccmp"));
    if (keyMgmt == QLatin1String("none")) {
        auth = sec.value(QStringLiteral("auth-alg")).toString() == QLatin1String("shared") ? 2 : 1;
        cipher = 257;
    } else if (keyMgmt == QLatin1String("wpa-psk")) {
        const bool wpa1 = proto == QStringList{QStringLiteral("wpa")};
        auth = wpa1 ? 4 : 7;
        cipher = (wpa1 && !pairwise.contains(QStringLiteral("ccmp"))) || tkipOnly ? 2 : 4;
    } else if (keyMgmt == QLatin1String("sae")) {
        auth = 9;
        cipher = 4;
    } else if (keyMgmt == QLatin1String("owe")) {
        auth = 10;
        cipher = 4;
    } else if (keyMgmt == QLatin1String("wpa-eap")) {
        auth = 6;
        cipher = tkipOnly ? 2 : 4;
    } else if (keyMgmt == QLatin1String("wpa-eap-suite-b-192")) {
        auth = 8;
        cipher = 9;
    }
}

uint32_t NetworkManagerProfile::toSettings(const std::u16string &xml, Settings &settings, QByteArray &ssidBytes,
                                           uint32_t &reasonCode)
{
    SimulatedWlanClient::ParsedProfile p;
    uint32_t r = WlanProfileParser::parse(xml, p, reasonCode);
    if (r == Success)
        r = WlanProfileParser::checkKeyMaterial(p, reasonCode);
    if (r != Success)
        return r;
    if (p.connectionType != u"ESS") {
        // Ad hoc networks are not managed through this program on NetworkManager.
        reasonCode = WlanReasonCodes::InvalidBssType;
        return BadProfile;
    }

    ssidBytes = QByteArray::fromStdString(p.ssidBytes);
    const QString key = toQString(p.keyMaterial);
    QVariantMap security;
    const std::u16string &auth = p.authentication;
    const std::u16string &enc = p.encryption;
    const QStringList pairwise{enc == u"TKIP" ? QStringLiteral("tkip") : QStringLiteral("ccmp")};
    if (enc == u"WEP") {
        security.insert(QStringLiteral("key-mgmt"), QStringLiteral("none"));
        security.insert(QStringLiteral("auth-alg"), auth == u"shared" ? QStringLiteral("shared") : QStringLiteral("open"));
        security.insert(QStringLiteral("wep-key0"), key);
        // 1: the key itself (5/13 characters or 10/26 hex digits), which is what a network key is.
        security.insert(QStringLiteral("wep-key-type"), QVariant::fromValue(uint(1)));
    } else if (auth == u"WPAPSK" || auth == u"WPA2PSK") {
        security.insert(QStringLiteral("key-mgmt"), QStringLiteral("wpa-psk"));
        security.insert(QStringLiteral("proto"), QStringList{auth == u"WPAPSK" ? QStringLiteral("wpa") : QStringLiteral("rsn")});
        security.insert(QStringLiteral("pairwise"), pairwise);
        security.insert(QStringLiteral("psk"), key);
    } else if (auth == u"WPA3SAE") {
        security.insert(QStringLiteral("key-mgmt"), QStringLiteral("sae"));
        security.insert(QStringLiteral("psk"), key);
    } else if (auth == u"OWE") {
        security.insert(QStringLiteral("key-mgmt"), QStringLiteral("owe"));
    } else if (auth != u"open" || enc != u"none") {
        reasonCode = WlanReasonCodes::UnsupportedSecuritySet;
        return BadProfile;
    }

    QVariantMap connection;
    connection.insert(QStringLiteral("id"), toQString(p.name));
    connection.insert(QStringLiteral("type"), kWireless);
    connection.insert(QStringLiteral("autoconnect"), p.connectionMode == u"auto");
    QVariantMap wireless;
    wireless.insert(QStringLiteral("ssid"), ssidBytes);
    wireless.insert(QStringLiteral("mode"), QStringLiteral("infrastructure"));
    wireless.insert(QStringLiteral("hidden"), p.nonBroadcast);
    QVariantMap user;
    user.insert(QStringLiteral("data"), QVariant::fromValue(StringMap{{ownerKey(), QStringLiteral("1")}}));

    settings.clear();
    settings.insert(kConnection, connection);
    settings.insert(kWireless, wireless);
    if (!security.isEmpty())
        settings.insert(kSecurity, security);
    settings.insert(kUser, user);
    reasonCode = WlanReasonCodes::Success;
    return Success;
}

std::u16string NetworkManagerProfile::toXml(const Settings &settings)
{
    int auth = 1;
    int cipher = 0;
    authAndCipher(settings, auth, cipher);
    const char *authKeyword = "open";
    switch (auth) {
    case 2: authKeyword = "shared"; break;
    case 4: authKeyword = "WPAPSK"; break;
    case 6: authKeyword = "WPA2"; break;
    case 7: authKeyword = "WPA2PSK"; break;
    case 8: authKeyword = "WPA3ENT192"; break;
    case 9: authKeyword = "WPA3SAE"; break;
    case 10: authKeyword = "OWE"; break;
    default: break;
    }
    const char *cipherKeyword = cipher == 257 ? "WEP" : cipher == 2 ? "TKIP" : cipher == 9 ? "GCMP256"
                              : cipher == 4 ? "AES" : "none";
    const bool autoConnect = settings.value(kConnection).value(QStringLiteral("autoconnect"), true).toBool();
    const bool hidden = settings.value(kWireless).value(QStringLiteral("hidden"), false).toBool();
    return WlanScenario::profileXml(id(settings), ssid(settings).toStdString(), hidden,
                                    autoConnect ? QStringLiteral("auto") : QStringLiteral("manual"),
                                    QString::fromLatin1(authKeyword), QString::fromLatin1(cipherKeyword),
                                    QString(), QString());
}

} // namespace wlan
