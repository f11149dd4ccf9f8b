#include "platform/wlan/WlanScenario.h"
#include "platform/wlan/WlanText.h"

#include "platform/wlan/SimulatedWlanClient.h"
#include "platform/wlan/WlanProfileParser.h"
#include "platform/wlan/WlanReasonCodes.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>
#include <QRegularExpression>
#include <QXmlStreamWriter>

#include <cmath>
#include <limits>
#include <vector>

namespace wlan {

namespace {

struct ScenarioError {
    QString message;
};

[[noreturn]] void fail(const QString &field, const QString &problem)
{
    throw ScenarioError{field + QStringLiteral(": ") + problem};
}

// Typed access to one JSON object; every complaint names the field by its full path.
class Fields
{
public:
    Fields(const QJsonObject &object, const QString &path)
        : o(object), path(path)
    {
    }

    QString field(const QString &name) const { return path.isEmpty() ? name : path + QLatin1Char('.') + name; }
    bool has(const char *name) const { return o.contains(QLatin1String(name)); }

    QJsonValue required(const char *name) const
    {
        if (!has(name))
            fail(field(QLatin1String(name)), QStringLiteral("missing (required)"));
        return o.value(QLatin1String(name));
    }

    QString string(const char *name) const
    {
        const QJsonValue v = required(name);
        if (!v.isString())
            fail(field(QLatin1String(name)), QStringLiteral("expected a string"));
        return v.toString();
    }

    QString string(const char *name, const QString &fallback) const
    {
        return has(name) ? string(name) : fallback;
    }

    bool boolean(const char *name, bool fallback) const
    {
        if (!has(name))
            return fallback;
        const QJsonValue v = o.value(QLatin1String(name));
        if (!v.isBool())
            fail(field(QLatin1String(name)), QStringLiteral("expected true or false"));
        return v.toBool();
    }

    qint64 integer(const char *name, qint64 fallback, qint64 min, qint64 max) const
    {
        if (!has(name))
            return fallback;
        return integerValue(o.value(QLatin1String(name)), field(QLatin1String(name)), min, max);
    }

    static qint64 integerValue(const QJsonValue &v, const QString &field, qint64 min, qint64 max)
    {
        const double x = v.toDouble(std::numeric_limits<double>::quiet_NaN());
        if (!v.isDouble() || std::isnan(x) || std::floor(x) != x || x < static_cast<double>(min)
            || x > static_cast<double>(max))
            fail(field, QStringLiteral("expected an integer from %1 to %2").arg(min).arg(max));
        return static_cast<qint64>(x);
    }

    QJsonArray array(const char *name, bool mandatory) const
    {
        if (!mandatory && !has(name))
            return QJsonArray();
        const QJsonValue v = required(name);
        if (!v.isArray())
            fail(field(QLatin1String(name)), QStringLiteral("expected an array"));
        return v.toArray();
    }

    static Fields element(const QJsonArray &array, int index, const QString &arrayField)
    {
        const QString path = QStringLiteral("%1[%2]").arg(arrayField).arg(index);
        if (!array.at(index).isObject())
            fail(path, QStringLiteral("expected an object"));
        return Fields(array.at(index).toObject(), path);
    }

    const QJsonObject &object() const { return o; }
    const QString &location() const { return path; }

private:
    QJsonObject o;
    QString path;
};

std::string hexBytes(const QString &digits, const QString &field)
{
    static const QRegularExpression pattern(QStringLiteral("^([0-9A-Fa-f]{2}){1,32}$"));
    if (!pattern.match(digits).hasMatch())
        fail(field, QStringLiteral("expected 1 to 32 bytes as hexadecimal digits"));
    return QByteArray::fromHex(digits.toLatin1()).toStdString();
}

// "ssid" (text, stored as UTF-8) or "ssidHex" (raw bytes); fallback when neither is given.
std::string ssidOf(const Fields &f, const QString *fallback)
{
    if (f.has("ssid") && f.has("ssidHex"))
        fail(f.field(QStringLiteral("ssid")), QStringLiteral("give either ssid or ssidHex, not both"));
    if (f.has("ssidHex"))
        return hexBytes(f.string("ssidHex"), f.field(QStringLiteral("ssidHex")));
    if (!f.has("ssid") && fallback) {
        const std::string bytes = fallback->toUtf8().toStdString();
        if (bytes.empty() || bytes.size() > 32)
            fail(f.field(QStringLiteral("ssid")), QStringLiteral("missing, and the name is no valid SSID"));
        return bytes;
    }
    if (!f.has("ssid"))
        fail(f.field(QStringLiteral("ssid")), QStringLiteral("missing (give ssid or ssidHex)"));
    const std::string bytes = f.string("ssid").toUtf8().toStdString();
    if (bytes.empty() || bytes.size() > 32)
        fail(f.field(QStringLiteral("ssid")), QStringLiteral("expected 1 to 32 bytes of UTF-8"));
    return bytes;
}

Guid parseGuid(const QString &text, const QString &field)
{
    static const QRegularExpression pattern(QStringLiteral(
        "^\\{?([0-9A-Fa-f]{8})-([0-9A-Fa-f]{4})-([0-9A-Fa-f]{4})-([0-9A-Fa-f]{4})-([0-9A-Fa-f]{12})\\}?$"));
    const QRegularExpressionMatch m = pattern.match(text);
    if (!m.hasMatch())
        fail(field, QStringLiteral("expected a GUID such as {3F9A2C61-7B4E-4D2A-9C1F-5E8B0A6D7C42}"));
    Guid g;
    g.data1 = m.captured(1).toUInt(nullptr, 16);
    g.data2 = static_cast<uint16_t>(m.captured(2).toUInt(nullptr, 16));
    g.data3 = static_cast<uint16_t>(m.captured(3).toUInt(nullptr, 16));
    const QByteArray tail = QByteArray::fromHex((m.captured(4) + m.captured(5)).toLatin1());
    for (int i = 0; i < 8; ++i)
        g.data4[static_cast<size_t>(i)] = static_cast<uint8_t>(tail.at(i));
    return g;
}

std::array<uint8_t, 6> parseBssid(const QString &text, const QString &field)
{
    static const QRegularExpression pattern(QStringLiteral("^([0-9A-Fa-f]{2})([:-][0-9A-Fa-f]{2}){5}$"));
    if (!pattern.match(text).hasMatch())
        fail(field, QStringLiteral("expected six hexadecimal bytes such as 00:1A:2B:3C:4D:5E"));
    const QByteArray bytes = QByteArray::fromHex(QString(text).remove(QRegularExpression(QStringLiteral("[:-]"))).toLatin1());
    std::array<uint8_t, 6> out{};
    for (int i = 0; i < 6; ++i)
        out[static_cast<size_t>(i)] = static_cast<uint8_t>(bytes.at(i));
    return out;
}

SimulatedWlanClient::Network readNetwork(const Fields &f)
{
    SimulatedWlanClient::Network n;
    n.ssid = ssidOf(f, nullptr);
    n.hidden = f.boolean("hidden", false);
    n.bssType = static_cast<int>(f.integer("bssType", 1, 1, 3));
    n.authAlgorithm = static_cast<int>(f.integer("authAlgorithm", 1, 0, 0xFFFFFFFFll));
    n.cipherAlgorithm = static_cast<int>(f.integer("cipherAlgorithm", 0, 0, 0xFFFFFFFFll));
    n.securityEnabled = f.boolean("securityEnabled", !(n.authAlgorithm == 1 && n.cipherAlgorithm == 0));
    n.key = f.string("key", QString()).toUtf8().toStdString();
    n.signalQuality = static_cast<uint32_t>(f.integer("signalQuality", 70, 0, 100));
    if (f.has("phyTypes")) {
        const QJsonArray phy = f.array("phyTypes", true);
        if (phy.isEmpty())
            fail(f.field(QStringLiteral("phyTypes")), QStringLiteral("expected at least one PHY type"));
        n.phyTypes.clear();
        for (int i = 0; i < phy.size(); ++i) {
            n.phyTypes.push_back(static_cast<int>(Fields::integerValue(
                phy.at(i), QStringLiteral("%1[%2]").arg(f.field(QStringLiteral("phyTypes"))).arg(i), 0, 0x7FFFFFFF)));
        }
    }
    n.connectable = f.boolean("connectable", true);
    n.notConnectableReason = static_cast<uint32_t>(f.integer("notConnectableReason", 0, 0, 0xFFFFFFFFll));
    n.inRange = f.boolean("inRange", true);
    n.extraFlags = static_cast<uint32_t>(f.integer("extraFlags", 0, 0, 0xFFFFFFFFll));
    const QJsonArray bss = f.array("bss", false);
    const QString bssField = f.field(QStringLiteral("bss"));
    for (int i = 0; i < bss.size(); ++i) {
        const Fields b = Fields::element(bss, i, bssField);
        SimulatedWlanClient::Bss entry;
        entry.bssid = parseBssid(b.string("bssid"), b.field(QStringLiteral("bssid")));
        entry.centerFrequencyKHz = static_cast<uint32_t>(Fields::integerValue(
            b.required("centerFrequencyKHz"), b.field(QStringLiteral("centerFrequencyKHz")), 1, 100000000));
        entry.rssi = static_cast<int32_t>(b.integer("rssi", -60, -127, 0));
        entry.phyType = static_cast<int>(b.integer("phyType", n.phyTypes.empty() ? 0 : n.phyTypes.front(), 0,
                                                   0x7FFFFFFF));
        n.bss.push_back(entry);
    }
    return n;
}

struct ProfileEntry {
    std::u16string xml;
    uint32_t flags = 0;
};

ProfileEntry readProfile(const Fields &f, bool adapterSupportsWpa3)
{
    ProfileEntry entry;
    entry.flags = f.boolean("perUser", false) ? 0x2 : 0;
    if (f.has("xml")) {
        entry.xml = f.string("xml").toStdU16String();
    } else {
        const QString name = f.string("name");
        const std::string ssid = ssidOf(f, &name);
        const QString auth = f.string("authentication");
        const QString enc = f.string("encryption");
        const QString keyType = f.string("keyType", enc == QLatin1String("WEP") ? QStringLiteral("networkKey")
                                                                               : QStringLiteral("passPhrase"));
        const QString mode = f.string("connectionMode", QStringLiteral("auto"));
        entry.xml = WlanScenario::profileXml(name, ssid, f.boolean("nonBroadcast", false), mode, auth, enc,
                                             f.has("key") ? keyType : QString(), f.string("key", QString()));
    }
    SimulatedWlanClient::ParsedProfile parsed;
    uint32_t reason = 0;
    uint32_t r = SimulatedWlanClient::parseProfile(entry.xml, parsed, reason);
    if (r == Success)
        r = WlanProfileParser::checkKeyMaterial(parsed, reason);
    if (r == Success && WlanProfileParser::needsWpa3Adapter(parsed.authentication) && !adapterSupportsWpa3) {
        reason = WlanReasonCodes::MsmsecCapabilityProfileAuth;
        r = NoMatch;
    }
    if (r != Success) {
        fail(f.location(), QStringLiteral("the service refuses this profile with error %1, reason 0x%2 (%3)")
                               .arg(r)
                               .arg(reason, 0, 16)
                               .arg(wlan::toQString(WlanReasonCodes::text(reason))));
    }
    return entry;
}

void loadInto(const QByteArray &json, SimulatedWlanClient &client)
{
    QJsonParseError parseError;
    const QJsonDocument doc = QJsonDocument::fromJson(json, &parseError);
    if (parseError.error != QJsonParseError::NoError)
        throw ScenarioError{QStringLiteral("not valid JSON: %1 at offset %2")
                                .arg(parseError.errorString())
                                .arg(parseError.offset)};
    if (!doc.isObject())
        throw ScenarioError{QStringLiteral("the scenario must be a JSON object")};
    const Fields root(doc.object(), QString());

    const bool serviceAvailable = root.boolean("serviceAvailable", true);
    const int scanDelay = static_cast<int>(root.integer("scanDelayMs", 0, 0, 600000));
    const int connectDelay = static_cast<int>(root.integer("connectDelayMs", 0, 0, 600000));
    const int backgroundInterval = static_cast<int>(root.integer("backgroundScanIntervalMs", 0, 0, 86400000));

    const QJsonArray networks = root.array("networks", true);
    std::vector<SimulatedWlanClient::Network> parsedNetworks;
    for (int i = 0; i < networks.size(); ++i)
        parsedNetworks.push_back(readNetwork(Fields::element(networks, i, QStringLiteral("networks"))));

    struct AdapterEntry {
        SimulatedWlanClient::Adapter adapter;
        std::vector<ProfileEntry> profiles;
        QString connectedProfile;
        QString connectedField;
    };
    std::vector<AdapterEntry> adapters;
    const QJsonArray adapterArray = root.array("adapters", true);
    for (int i = 0; i < adapterArray.size(); ++i) {
        const Fields f = Fields::element(adapterArray, i, QStringLiteral("adapters"));
        AdapterEntry entry;
        SimulatedWlanClient::Adapter &a = entry.adapter;
        a.description = f.string("description").toStdU16String();
        a.guid = parseGuid(f.string("guid"), f.field(QStringLiteral("guid")));
        for (size_t j = 0; j < adapters.size(); ++j) {
            if (adapters[j].adapter.guid == a.guid)
                fail(f.field(QStringLiteral("guid")), QStringLiteral("the same GUID as adapters[%1]").arg(j));
        }
        a.state = static_cast<int>(f.integer("state", Disconnected, 0, 7));
        a.interfaceType = static_cast<int>(f.integer("interfaceType", 1, 0, 0x7FFFFFFF));
        a.operationMode = static_cast<uint32_t>(f.integer("operationMode", OperationModeExtensibleStation, 0,
                                                          0xFFFFFFFFll));
        a.bssType = static_cast<int>(f.integer("bssType", 1, 1, 3));
        a.autoConfiguration = f.boolean("autoConfiguration", true);
        a.radioSoftwareOn = f.boolean("radioSoftwareOn", true);
        a.radioHardwareOn = f.boolean("radioHardwareOn", true);
        a.supportsWpa3 = f.boolean("supportsWpa3", true);
        const QJsonArray profiles = f.array("profiles", false);
        for (int j = 0; j < profiles.size(); ++j) {
            entry.profiles.push_back(
                readProfile(Fields::element(profiles, j, f.field(QStringLiteral("profiles"))), a.supportsWpa3));
        }
        entry.connectedProfile = f.string("connectedProfile", QString());
        entry.connectedField = f.field(QStringLiteral("connectedProfile"));
        adapters.push_back(entry);
    }

    client.setServiceAvailable(serviceAvailable);
    client.setScanDelay(scanDelay);
    client.setConnectDelay(connectDelay);
    for (const SimulatedWlanClient::Network &n : parsedNetworks)
        client.addNetwork(n);
    for (const AdapterEntry &entry : adapters) {
        const int index = client.addAdapter(entry.adapter);
        for (const ProfileEntry &p : entry.profiles)
            client.addStoredProfile(index, p.xml, p.flags);
        if (entry.connectedProfile.isEmpty())
            continue;
        client.setConnected(index, entry.connectedProfile.toStdU16String());
        if (client.connectedProfile(index).empty())
            fail(entry.connectedField,
                 QStringLiteral("no profile of this adapter is named \"%1\"").arg(entry.connectedProfile));
    }
    client.setBackgroundScanInterval(backgroundInterval);
}

} // namespace

bool WlanScenario::load(const QByteArray &json, SimulatedWlanClient &client, QString *error)
{
    try {
        loadInto(json, client);
    } catch (const ScenarioError &e) {
        if (error)
            *error = e.message;
        return false;
    }
    return true;
}

std::u16string WlanScenario::profileXml(const QString &name, const std::string &ssidBytes, bool nonBroadcast,
                                        const QString &connectionMode, const QString &authentication,
                                        const QString &encryption, const QString &keyType, const QString &key)
{
    const QByteArray bytes = QByteArray::fromStdString(ssidBytes);
    QString out;
    QXmlStreamWriter w(&out);
    w.writeStartDocument();
    w.writeStartElement(QStringLiteral("WLANProfile"));
    w.writeDefaultNamespace(QString::fromUtf16(WlanProfileParser::Namespace));
    w.writeTextElement(QStringLiteral("name"), name);
    w.writeStartElement(QStringLiteral("SSIDConfig"));
    w.writeStartElement(QStringLiteral("SSID"));
    w.writeTextElement(QStringLiteral("hex"), QString::fromLatin1(bytes.toHex().toUpper()));
    w.writeTextElement(QStringLiteral("name"), QString::fromUtf8(bytes));
    w.writeEndElement();
    w.writeTextElement(QStringLiteral("nonBroadcast"), nonBroadcast ? QStringLiteral("true") : QStringLiteral("false"));
    w.writeEndElement();
    w.writeTextElement(QStringLiteral("connectionType"), QStringLiteral("ESS"));
    w.writeTextElement(QStringLiteral("connectionMode"), connectionMode);
    w.writeStartElement(QStringLiteral("MSM"));
    w.writeStartElement(QStringLiteral("security"));
    w.writeStartElement(QStringLiteral("authEncryption"));
    w.writeTextElement(QStringLiteral("authentication"), authentication);
    w.writeTextElement(QStringLiteral("encryption"), encryption);
    w.writeTextElement(QStringLiteral("useOneX"), QStringLiteral("false"));
    w.writeEndElement();
    if (!keyType.isEmpty()) {
        w.writeStartElement(QStringLiteral("sharedKey"));
        w.writeTextElement(QStringLiteral("keyType"), keyType);
        w.writeTextElement(QStringLiteral("protected"), QStringLiteral("false"));
        w.writeTextElement(QStringLiteral("keyMaterial"), key);
        w.writeEndElement();
    }
    w.writeEndDocument();
    return out.toStdU16String();
}

} // namespace wlan
