#include <QtTest>

#include "core/SignalRecorder.h"
#include "core/SimWorld.h"
#include "core/TestSettings.h"

#include "app/settings/SettingsStore.h"
#include "platform/wlan/WlanClientProvider.h"
#include "wireless/ProfileXml.h"
#include "wireless/WirelessConnect.h"
#include "wireless/WirelessTexts.h"

#include <iterator>
#include <random>

// The engine's flows against the simulated service, observed only through the engine's signals
// and what the service holds afterwards (stored profiles, the connection).

using namespace testsupport;

namespace {

const QStringList kListingTail{"appWirelessData", "appProfileWlanData", "wlanNetworksAdded"};
const QString kAdapter0 = QStringLiteral("|Native WiFi|4|Not connected|Extensible Station|Infrastructure|True");

QString shown(const WirelessAP &ap)
{
    return QStringList{ap.ssid, ap.profileName, QString::number(ap.flags), ap.flagsText, QString::number(ap.isSecured),
                       QString::number(ap.isHidden), ap.signal, ap.credentials, QString::number(ap.connectionState),
                       ap.connectionText, ap.bssidCount, ap.bssid, ap.channel, ap.frequency, ap.band}
        .join(QLatin1Char('|'));
}

QString shown(const WirelessInterface &r)
{
    return QStringList{QString::number(r.index), QString::number(r.activeIndex), r.description, r.guid, r.type,
                       QString::number(r.state), r.stateText, r.operationMode, r.bssType, r.autoConfiguration}
        .join(QLatin1Char('|'));
}

// The simulated service with a scripted reason text, recording the buffer size it was given.
struct ReasonTextClient : wlan::SimulatedWlanClient
{
    std::vector<std::pair<uint32_t, uint32_t>> calls;   // reason code, buffer size
    uint32_t reasonCodeToString(uint32_t reasonCode, uint32_t bufferChars, std::u16string &out) override
    {
        calls.emplace_back(reasonCode, bufferChars);
        out = u"Odd %1 text %2";
        return wlan::Success;
    }
};

// Code points of the kinds that break naive writers, mixed with ordinary text.
class NameGenerator
{
public:
    explicit NameGenerator(uint32_t seed) : m_rng(seed) {}

    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_rng); }
    bool coin() { return pick(0, 1) == 1; }

    // A string whose UTF-8 form has between minBytes and maxBytes bytes.
    QString text(int minBytes, int maxBytes)
    {
        const int target = pick(minBytes, maxBytes);
        QString out;
        while (out.toUtf8().size() < target) {
            const QString piece = nextPiece();
            if (out.toUtf8().size() + piece.toUtf8().size() <= target)
                out += piece;
        }
        return out;
    }

private:
    QString nextPiece()
    {
        switch (pick(0, 9)) {
        case 0: return QString(QChar(coin() ? pick(1, 0x1F) : pick(0x7F, 0x9F))); // control characters
        case 1: return QString(QLatin1Char("&<>\"'"[pick(0, 4)]));         // markup
        case 2: return QStringLiteral("%") + QString::number(pick(1, 9));  // placeholders
        case 3: return QString(QChar(pick(0x0400, 0x07FF)));               // two bytes
        case 4: {                                                           // three bytes, no surrogates
            const int specials[] = {0xFFFD, 0xFFFE, 0xFFFF, 0x2028, 0xFEFF};
            if (pick(0, 4) == 0)
                return QString(QChar(specials[pick(0, 4)]));
            const int cp = pick(0x0800, 0xFFFD - 0x800);
            return QString(QChar(cp >= 0xD800 ? cp + 0x800 : cp));
        }
        case 5: {                                                           // four bytes
            const uint cp = static_cast<uint>(pick(0x10000, 0x10FFFF));
            return QString::fromUcs4(&cp, 1);
        }
        case 6: return QString(QLatin1Char(" %;#"[pick(0, 3)]));
        default: return QString(QLatin1Char(pick(0x21, 0x7E)));
        }
    }

    std::mt19937 m_rng;
};

bool isXmlChar(uint cp)
{
    return cp == 0x9 || cp == 0xA || cp == 0xD || (cp >= 0x20 && cp <= 0xD7FF)
        || (cp >= 0xE000 && cp <= 0xFFFD) || (cp >= 0x10000 && cp <= 0x10FFFF);
}

// What a name element is expected to show: characters XML cannot carry become U+FFFD.
// (Built unit by unit: QString::fromUcs4 would drop a leading U+FEFF.)
QString shownName(const QString &s)
{
    QString out;
    for (int i = 0; i < s.size(); ++i) {
        const QChar c = s.at(i);
        if (c.isHighSurrogate() && i + 1 < s.size() && s.at(i + 1).isLowSurrogate()) {
            out += c;
            out += s.at(++i);
        } else {
            out += isXmlChar(c.unicode()) ? c : QChar(QChar::ReplacementCharacter);
        }
    }
    return out;
}

struct Security {
    int auth;
    int cipher;
    bool secured;
    QString authKeyword, cipherKeyword, keyType;
};

// Pairs the service accepts with the key settings the program writes.
const Security kSecurities[] = {
    {1, 0, false, "open", "none", ""},           {10, 4, false, "OWE", "AES", ""},
    {1, 257, true, "open", "WEP", "networkKey"}, {4, 2, true, "WPAPSK", "TKIP", "passPhrase"},
    {7, 4, true, "WPA2PSK", "AES", "passPhrase"}, {9, 4, true, "WPA3SAE", "AES", "passPhrase"},
};

QString hex(const QString &s) { return QString::fromLatin1(s.toUtf8().toHex()); }

} // namespace

class TestWirelessConnect : public QObject
{
    Q_OBJECT

    WirelessConnect *engine = WirelessConnect::instance();
    std::shared_ptr<Sim> sim;
    std::unique_ptr<SignalRecorder> rec;

    // Adapters, networks and open profiles of the fresh world, then start().
    void begin(int adapters, std::initializer_list<Sim::Network> networks = {}, std::initializer_list<QString> profiles = {})
    {
        for (int i = 0; i < adapters; ++i)
            sim->addAdapter(adapter(uint32_t(i)));
        for (const Sim::Network &n : networks)
            sim->addNetwork(n);
        for (const QString &p : profiles)
            sim->addStoredProfile(0, openProfile(p));
        start();
    }
    // Opens the engine on the service and forgets what discovery emitted.
    void start()
    {
        engine->initWlan();
        rec->flush();
        QVERIFY2(rec->count("wirelessInterfaceData") > 0, qPrintable(rec->names().join(',')));
        rec->clear();
    }
    // Waits for everything the service has queued (delayed outcomes too), then for what the
    // engine made of it.
    void settle()
    {
        for (int i = 0; i < 2; ++i) {
            sim->waitForNotifications();
            rec->flush();
        }
    }
    // A finished scan leaves the engine subscribed, so nothing the service reports right after a
    // connect call slips past.
    void subscribe()
    {
        engine->refreshNetworks(0);
        QVERIFY(rec->waitFor("wlanNetworksAdded"));
        settle();
        rec->clear();
    }
    void connectOpen(const QString &name, bool profileExists = false)
    {
        engine->connectOpenAP(name, name, DOT11_AUTH_ALGO_80211_OPEN, DOT11_CIPHER_ALGO_NONE, false, profileExists, true);
    }
    void connectWpa2(const QString &name, const QString &key)
    {
        engine->connectSecuredAP(name, name, DOT11_AUTH_ALGO_RSNA_PSK, DOT11_CIPHER_ALGO_CCMP, key, false, false, false);
    }
    void connectWpa3(const QString &name, const QString &key)
    {
        engine->connectSecuredAP(name, name, static_cast<_DOT11_AUTH_ALGORITHM>(9), DOT11_CIPHER_ALGO_CCMP, key, false,
                                 false, true);
    }
    QVector<WirelessAP> last(const char *signal) const
    {
        return rec->lastArguments(signal).value(0).value<QVector<WirelessAP>>();
    }
    QVector<WirelessInterface> lastInterfaces() const
    {
        return rec->lastArguments("wirelessInterfaceData").value(0).value<QVector<WirelessInterface>>();
    }
    Sim::ParsedProfile stored(const QString &name) const
    {
        Sim::ParsedProfile parsed;
        uint32_t reason = 0;
        const std::u16string xml = sim->storedProfileXml(0, name.toStdU16String());
        if (!xml.empty())
            Sim::parseProfile(xml, parsed, reason);
        return parsed;
    }

private slots:
    void init()
    {
        testsupport::resetSettings();
        engine->reset();
        sim = std::make_shared<Sim>();
        wlan::setDefaultClient(sim);
        rec.reset(new SignalRecorder(engine));
    }

    void cleanup()
    {
        engine->reset();
        sim->waitForNotifications();
        rec->flush();
        rec.reset();
        wlan::setDefaultClient(nullptr);
        sim.reset();
    }

    // ---- adapters ----------------------------------------------------------------------------

    void discovery_data()
    {
        QTest::addColumn<int>("adapters");
        QTest::addColumn<int>("failure");     // 0: none, 1: no WLAN service, 2: enumeration fails
        QTest::addColumn<QString>("status");  // reported instead of records
        QTest::newRow("none") << 0 << 0 << "wirelessCardNotDetected";
        QTest::newRow("two") << 2 << 0 << "";
        QTest::newRow("no WLAN service") << 1 << 1 << "wirelessCardNotDetected";
        QTest::newRow("enumeration fails") << 1 << 2 << "wlanInterfacesError";
    }

    // n adapters: n emissions, the k-th with the records of the first k adapters.
    void discovery()
    {
        QFETCH(int, adapters);
        QFETCH(int, failure);
        QFETCH(QString, status);
        for (int i = 0; i < adapters; ++i)
            sim->addAdapter(adapter(uint32_t(i)));
        sim->addNetwork(securedNetwork("Home", "secret123"));
        sim->setServiceAvailable(failure != 1);
        if (failure == 2)
            sim->failCall(Sim::Call::EnumInterfaces, wlan::InvalidHandle);
        engine->initWlan();
        rec->flush();
        if (!status.isEmpty()) {
            QCOMPARE(rec->names(), QStringList{status});
            return;
        }
        QCOMPARE(rec->names(), QStringList({"wirelessInterfaceData", "wirelessInterfaceData"}) + kListingTail);
        const QList<QVariantList> emissions = rec->argumentsOf("wirelessInterfaceData");
        for (int e = 0; e < adapters; ++e) {
            const auto list = emissions.at(e).value(0).value<QVector<WirelessInterface>>();
            QCOMPARE(list.size(), e + 1);
            for (int i = 0; i <= e; ++i)
                QCOMPARE(shown(list.at(i)), QStringLiteral("%1|0|Wireless Adapter %1|%2").arg(i).arg(adapterGuidText(0)) + kAdapter0);
        }
        QCOMPARE(last("appWirelessData").size(), 1);
    }

    void secondStartClosesTheFirstHandle()
    {
        begin(1, {openNetwork("Cafe")});
        start();
        QCOMPARE(sim->openHandleCount(), 1);
    }

    void adapterChoice_data()
    {
        QTest::addColumn<int>("adapters");
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<int>("requested");
        QTest::addColumn<int>("how");        // 0: nothing breaks, 1: radio query fails, 2: removed
        QTest::addColumn<int>("active");     // -1: reads like the adapter being removed, nothing is listed
        QTest::newRow("one adapter ignores stored 1") << 1 << QVariant(1) << 0 << 0 << 0;
        QTest::newRow("two adapters, stored 1 wins over 0") << 2 << QVariant(1) << 0 << 0 << 1;
        QTest::newRow("two adapters, nothing stored") << 2 << QVariant() << 1 << 0 << 1;
        QTest::newRow("stored index of a removed adapter") << 2 << QVariant(5) << 0 << 0 << -1;
        QTest::newRow("negative stored index") << 2 << QVariant(-7) << 0 << 0 << -1;
        QTest::newRow("requested index past the adapters") << 2 << QVariant() << 3 << 0 << -1;
        QTest::newRow("unplugged, still enumerated") << 2 << QVariant() << 1 << 1 << -1;
        QTest::newRow("gone from the enumeration") << 2 << QVariant() << 1 << 2 << -1;
    }

    void adapterChoice()
    {
        QFETCH(int, adapters);
        QFETCH(QVariant, stored);
        QFETCH(int, requested);
        QFETCH(int, how);
        QFETCH(int, active);
        begin(adapters, {securedNetwork("Home", "secret123")});
        if (stored.isValid())
            writeSetting("AppSettings", "WlanIndex", stored);
        if (how == 1)
            sim->failCall(Sim::Call::QueryRadioState, wlan::NdisDot11PowerStateInvalid);
        if (how == 2)
            sim->removeAdapter(1);
        engine->manageWlanInterface(requested);
        rec->flush();
        if (active < 0) {
            QCOMPARE(rec->names(), QStringList{"removeInterface"});
            QCOMPARE(rec->lastArguments("removeInterface"), QVariantList{stored.isValid() ? stored.toInt() : requested});
            QCOMPARE(sim->callCount(Sim::Call::GetAvailableNetworkList), 1);   // the start's listing only
            return;
        }
        QCOMPARE(rec->names().mid(adapters), kListingTail);
        QCOMPARE(lastInterfaces().size(), adapters);
        for (const WirelessInterface &r : lastInterfaces())
            QCOMPARE(QString::number(r.activeIndex) + r.guid, QString::number(active) + adapterGuidText(uint32_t(active)));
    }

    // Each detail query that fails reads as unknown or an error, and the adapter is still listed.
    void failingDetailQueries()
    {
        sim->addAdapter(adapter(0));
        for (Sim::Call call : {Sim::Call::GuidToString, Sim::Call::GetInterfaceCapability, Sim::Call::QueryOperationMode,
                               Sim::Call::QueryBssType, Sim::Call::QueryAutoConfEnabled})
            sim->failCall(call, wlan::AccessDenied, -1);
        engine->initWlan();
        rec->flush();
        QCOMPARE(shown(lastInterfaces().value(0)), QStringLiteral("0|0|Wireless Adapter 0|Unknown|Unknown|4|Not connected|Error|Error|Error"));
    }

    // ---- listing -----------------------------------------------------------------------------

    void openNetworkNotification_data()
    {
        QTest::addColumn<bool>("secured");
        QTest::addColumn<bool>("connectedProfile");
        QTest::addColumn<QStringList>("expected");
        const QStringList completed = QStringList{"networksScanCompleted"} + kListingTail;
        QTest::newRow("open without profile") << false << false << QStringList{"notifyOpenAP"} + completed;
        QTest::newRow("secured without profile") << true << false << completed;
        QTest::newRow("open, connected through its profile") << false << true << completed;
    }

    void openNetworkNotification()
    {
        QFETCH(bool, secured);
        QFETCH(bool, connectedProfile);
        QFETCH(QStringList, expected);
        sim->addAdapter(adapter(0));
        sim->addNetwork(secured ? securedNetwork("Cafe", "latte1234") : openNetwork("Cafe"));
        sim->addNetwork(securedNetwork("Lab", "labkey999"));
        if (connectedProfile) {
            sim->addStoredProfile(0, openProfile("Cafe"));
            sim->setConnected(0, u"Cafe");
        }
        start();
        engine->refreshNetworks(0);
        QVERIFY(rec->waitFor("wlanNetworksAdded"));
        settle();
        QCOMPARE(rec->names(), expected);
        if (connectedProfile)
            QVERIFY(shown(last("appProfileWlanData").value(0)).startsWith("Cafe|Cafe|3|Connected|0|0|70% (-65 dBm)|Not required|2|Yes|"));
    }

    void listedRecords()
    {
        Sim::Network home = securedNetwork("Home", "secret123", 7, 4);
        home.signalQuality = 75;
        home.phyTypes = {8, 7};
        Sim::Network dual = securedNetwork("Dual", "secret123", 6, 2);
        dual.signalQuality = 100;
        dual.bss = {bssAt(2412000, 0x01), bssAt(5180000, 0x02)};
        Sim::Network weak = openNetwork("Weak", 2472000);
        weak.signalQuality = 0;
        weak.connectable = false;
        weak.notConnectableReason = 0x28002;
        Sim::Network hidden = securedNetwork("Secret", "hiddenkey1");
        hidden.hidden = true;
        sim->addAdapter(adapter(0));
        // An open "Cafe" known through a profile and a secured "Cafe" that is not; a per-user profile.
        for (const Sim::Network &n : {home, dual, weak, hidden, openNetwork("Cafe"), securedNetwork("Cafe", "latte1234"),
                                      securedNetwork("Office", "officekey1")})
            sim->addNetwork(n);
        sim->addStoredProfile(0, openProfile("Cafe"));
        QVERIFY(sim->addStoredProfile(0, ProfileXml::securedProfile("Office wifi", "Office", 7, 4, "officekey1", false, true).toStdU16String(), 2));
        start();
        engine->setWirelessNetworks(0, false);
        rec->flush();
        QCOMPARE(rec->names(), QStringList{"notifyOpenAP"} + kListingTail);   // "Weak" is open without a profile
        QStringList networks;
        for (const WirelessAP &ap : last("appWirelessData"))
            networks << shown(ap);
        // Two BSS entries: the last one of the list is the one shown.
        QCOMPARE(networks, QStringList({
            "Office|Office wifi|6|Unknown (6)|1|0|70% (-65 dBm)|Required|0|No|1|00:1A:2B:3C:4D:5E|6|2437 MHz|2.4 GHz",
            "Home|Home|0|No profile|1|0|75% (-63 dBm)|Required|0|No|1|00:1A:2B:3C:4D:5E|6|2437 MHz|2.4 GHz",
            "Dual|Dual|0|No profile|1|0|100% (-50 dBm)|Credentials|0|No|2|00:1A:2B:3C:4D:02|36|5180 MHz|Dual-Band",
            "Weak|Weak|0|No profile|0|0|0% (-100 dBm)|Not required|0|No|1|00:1A:2B:3C:4D:5E|13|2472 MHz|2.4 GHz",
            "Hidden network|Hidden network|0|No profile|1|1|70% (-65 dBm)|Required|0|No|1|00:1A:2B:3C:4D:5E|6|2437 MHz|2.4 GHz",
            "Cafe|Cafe|0|No profile|1|0|70% (-65 dBm)|Required|0|No|1|00:1A:2B:3C:4D:5E|6|2437 MHz|2.4 GHz"}));
        QCOMPARE(shown(last("appProfileWlanData").value(0)),
                 "Cafe|Cafe|2|Has profile|0|0|70% (-65 dBm)|Not required|0|No|1|00:1A:2B:3C:4D:5E|6|2437 MHz|2.4 GHz");
        QCOMPARE(last("appProfileWlanData").size(), 1);
        const WirelessAP h = last("appWirelessData").at(1), w = last("appWirelessData").at(3);
        QCOMPARE(QStringList({h.cipherText, QString::number(h.cipherAlgorithm), h.authText, QString::number(h.authAlgorithm),
                              h.securityText, h.bssType, h.connectable, h.phyTypeCount, h.phyType, w.connectable}),
                 QStringList({"AES (CCMP)", "4", "WPA2-Personal (WPA2-PSK)", "7", "Yes", "Infrastructure", "Yes", "2", "802.11ac", "No"}));
        QVERIFY(w.notConnectableReason.endsWith(QStringLiteral(" (%1)").arg(0x28002)));
    }

    void listingFailures_data()
    {
        QTest::addColumn<int>("call");          // -1: none; the adapter index is wrong instead
        QTest::addColumn<bool>("scanning");
        QTest::addColumn<QString>("status");
        QTest::newRow("enumeration") << int(Sim::Call::EnumInterfaces) << false << "wlanInterfacesError";
        QTest::newRow("network list, scanning") << int(Sim::Call::GetAvailableNetworkList) << true << "wlanAvailableNetworksError";
        QTest::newRow("missing adapter") << -1 << false << "wlanAvailableNetworksError";
    }

    void listingFailures()
    {
        QFETCH(int, call);
        QFETCH(bool, scanning);
        QFETCH(QString, status);
        begin(1, {openNetwork("Cafe")}, {"Cafe"});
        if (call >= 0)
            sim->failCall(static_cast<Sim::Call>(call), wlan::InvalidHandle, 2);
        engine->setWirelessNetworks(call >= 0 ? 0 : 1, scanning);
        engine->getWlanInRangeProfiles(call >= 0 ? 0 : -1);
        rec->flush();
        QCOMPARE(rec->names(), QStringList{status} + (scanning ? QStringList{"networksScanCompleted"} : QStringList())
                                   + kListingTail + QStringList{status});
        QVERIFY(last("appWirelessData").isEmpty() && last("appProfileWlanData").isEmpty());
    }

    void bssListFailure()
    {
        Sim::Network nobss = securedNetwork("Ghost", "secret123");
        nobss.bss.clear();
        begin(1, {securedNetwork("Home", "secret123"), nobss});
        sim->failCall(Sim::Call::GetNetworkBssList, wlan::NotFound, 1);
        engine->setWirelessNetworks(0, false);
        rec->flush();
        QCOMPARE(rec->names(), QStringList{"failedToGetNetworkInfo"} + kListingTail);
        QCOMPARE(rec->lastArguments("failedToGetNetworkInfo"), QVariantList{1168});
        // The failed query leaves the fields empty; a network without BSS entries reads "Unknown".
        QVERIFY(shown(last("appWirelessData").value(0)).endsWith("|No|1||||"));
        QVERIFY(shown(last("appWirelessData").value(1)).endsWith("|Unknown|Unknown|Unknown|Unknown"));
    }

    // ---- scans -------------------------------------------------------------------------------

    void scanProducesOneListing()
    {
        begin(1, {securedNetwork("Home", "secret123"), openNetwork("Cafe")}, {"Cafe"});
        // A scan the service reports as failed shows nothing.
        sim->failScans(0x2800A);
        engine->refreshNetworks(0);
        settle();
        QCOMPARE(rec->names(), QStringList());
        engine->refreshNetworks(0);
        QVERIFY(rec->waitFor("wlanNetworksAdded"));
        settle();
        QCOMPARE(rec->names(), QStringList{"networksScanCompleted"} + kListingTail);
        // Background scans, and connections that subscribe without a scan, are not answered.
        rec->clear();
        sim->triggerBackgroundScan();
        connectOpen("Cafe", true);
        QVERIFY(rec->waitFor("apConnectionComplete"));
        sim->triggerBackgroundScan();
        settle();
        QCOMPARE(rec->names(), QStringList({"apConnecting", "apConnectionComplete"}));
        QCOMPARE(sim->callCount(Sim::Call::GetAvailableNetworkList), 2);
    }

    void scanRefused()
    {
        begin(1);
        sim->failCall(Sim::Call::Scan, wlan::InvalidState);
        engine->refreshNetworks(0);
        settle();
        QCOMPARE(rec->names(), QStringList{"refreshFailed"});
        QCOMPARE(rec->lastArguments("refreshFailed"), QVariantList{int(wlan::InvalidState)});
        // The scan stays pending: the next completion (even a background one) is answered once.
        rec->clear();
        sim->triggerBackgroundScan();
        QVERIFY(rec->waitFor("wlanNetworksAdded"));
        settle();
        QCOMPARE(rec->names(), QStringList({"noWirelessAPAvailable", "networksScanCompleted"}) + kListingTail);
    }

    void handleErrors()
    {
        begin(1);
        engine->setWlanUnregisterNotification();
        sim->failCall(Sim::Call::RegisterNotification, wlan::AccessDenied);
        engine->setWlanUnregisterNotification();
        engine->setFreeWlanResources();
        engine->refreshNetworks(0);
        engine->setWirelessNetworks(0, false);
        rec->flush();
        QCOMPARE(rec->names(), QStringList({"wlanUnregisterNotificationError", "refreshFailed", "wlanInterfacesError"}) + kListingTail);
        QCOMPARE(rec->argumentsOf("wlanUnregisterNotificationError") + rec->argumentsOf("refreshFailed"),
                 QList<QVariantList>({{int(wlan::AccessDenied)}, {int(wlan::InvalidHandle)}}));
        QCOMPARE(sim->openHandleCount(), 0);
    }

    // ---- connect, disconnect, cancel ---------------------------------------------------------

    void connectAttempt_data()
    {
        QTest::addColumn<QString>("ssid");
        QTest::addColumn<QString>("key");        // empty: an open network
        QTest::addColumn<bool>("succeeds");
        QTest::newRow("open") << "Cafe" << "" << true;
        QTest::newRow("right key") << "Home" << "secret123" << true;
        QTest::newRow("wrong key") << "Home" << "wrong-key" << false;
        QTest::newRow("markup in name and key") << "Tom & Jerry's <5G>" << "p&ss<word>" << true;
    }

    void connectAttempt()
    {
        QFETCH(QString, ssid);
        QFETCH(QString, key);
        QFETCH(bool, succeeds);
        begin(1, {openNetwork("Cafe"), securedNetwork("Home", "secret123"), securedNetwork("Tom & Jerry's <5G>", "p&ss<word>")});
        subscribe();
        key.isEmpty() ? connectOpen(ssid) : connectWpa2(ssid, key);
        QVERIFY(rec->waitUntil([&] { return rec->count("apConnectionComplete") + rec->count("apConnectionFailed") > 0; }));
        settle();
        QCOMPARE(rec->names(), QStringList({"apConnecting", succeeds ? "apConnectionComplete" : "apConnectionFailed"}));
        const Sim::ParsedProfile p = stored(ssid);
        QCOMPARE(QStringList({QString::fromStdU16String(p.name), QString::fromStdString(p.ssidBytes),
                              QString::fromStdU16String(p.keyMaterial), QString::fromStdU16String(p.connectionMode)}),
                 QStringList({ssid, ssid, key, key.isEmpty() ? "auto" : "manual"}));
        QCOMPARE(sim->connectedProfile(0), succeeds ? ssid.toStdU16String() : std::u16string());
        if (!succeeds) {
            const QString text = rec->lastArguments("apConnectionFailed").value(0).toString();
            QVERIFY2(QRegularExpression("^Your security key/network name is not correct! Error code: [1-9]\\d*\nPlease try again\\.$")
                         .match(text).hasMatch(), qPrintable(text));
        }
    }

    void alreadyExistsIsRewritten()
    {
        begin(1, {securedNetwork("Home", "secret123")});
        sim->addStoredProfile(0, securedProfile("Home", "oldsecret"));
        subscribe();
        sim->failCall(Sim::Call::SetProfile, wlan::AlreadyExists);
        connectWpa2("Home", "secret123");
        QVERIFY(rec->waitFor("apConnectionComplete"));
        QCOMPARE(stored("Home").keyMaterial, std::u16string(u"secret123"));

        // A rewrite the service refuses (a 7-character key) puts the user's profile back.
        rec->clear();
        const std::u16string before = sim->storedProfileXml(0, u"Home");
        sim->failCall(Sim::Call::SetProfile, wlan::AlreadyExists);
        connectWpa2("Home", "1234567");
        // A deletion that fails ends the attempt with the deletion's error.
        sim->failCall(Sim::Call::SetProfile, wlan::AlreadyExists);
        sim->failCall(Sim::Call::DeleteProfile, wlan::AccessDenied);
        connectOpen("Cafe");
        settle();
        QCOMPARE(rec->argumentsOf("apNotConnected"), QList<QVariantList>({{int(wlan::BadProfile)}, {int(wlan::AccessDenied)}}));
        QCOMPARE(QString::fromStdU16String(sim->storedProfileXml(0, u"Home")), QString::fromStdU16String(before));
        QCOMPARE(sim->callCount(Sim::Call::Connect), 1);
    }

    void wpa3FallsBackToWpa2Once()
    {
        sim->addAdapter(adapter(0));
        sim->setAdapterSupportsWpa3(0, false);
        sim->addNetwork(securedNetwork("Modern", "modernkey1", 9, 4));
        start();
        subscribe();
        connectWpa3("Modern", "modernkey1");
        QVERIFY(rec->waitFor("apConnectionComplete"));
        QCOMPARE(stored("Modern").authentication, std::u16string(u"WPA2PSK"));
        QCOMPARE(stored("Modern").keyMaterial, std::u16string(u"modernkey1"));

        // The rewrite after "already exists" keeps WPA3 and is not retried as WPA2.
        rec->clear();
        sim->failCall(Sim::Call::SetProfile, wlan::AlreadyExists);
        connectWpa3("Modern", "modernkey1");
        // 1169 without the WPA3 reason is final.
        sim->setAdapterSupportsWpa3(0, true);
        sim->failCall(Sim::Call::SetProfile, wlan::NoMatch);
        connectWpa3("Modern", "modernkey1");
        settle();
        QCOMPARE(rec->argumentsOf("apNotConnected"), QList<QVariantList>({{int(wlan::NoMatch)}, {int(wlan::NoMatch)}}));
        QCOMPARE(sim->callCount(Sim::Call::SetProfile), 6);   // 2, then 2 and the WPA2 profile put back, then 1
        QCOMPARE(stored("Modern").authentication, std::u16string(u"WPA2PSK"));
    }

    void connectRefusals()
    {
        begin(1, {openNetwork("Cafe"), securedNetwork("Old", "sharedkey", 2, 257)});
        // A saved profile that is not there.
        connectOpen("Gone", true);
        // Shared-key authentication has no keyword the service accepts.
        engine->connectSecuredAP("Old", "Old", DOT11_AUTH_ALGO_80211_SHARED_KEY, DOT11_CIPHER_ALGO_WEP, "sharedkey",
                                 false, false, true);
        // The connect call itself refused.
        sim->failCall(Sim::Call::Connect, wlan::InvalidState);
        connectOpen("Cafe");
        settle();
        QCOMPARE(rec->names(), QStringList({"apNotConnected", "apNotConnected", "apNotConnected"}));
        const QList<QVariantList> codes = rec->argumentsOf("apNotConnected");
        QCOMPARE(codes.at(0), QVariantList{1168});
        QVERIFY(codes.at(1).value(0).toInt() != 0);
        QCOMPARE(codes.at(2), QVariantList{int(wlan::InvalidState)});
        QVERIFY(!sim->storedProfileXml(0, u"Cafe").empty());   // written, not removed by the engine
    }

    void ssidThatIsNotUtf8()
    {
        const std::string raw("\xFF\xFE" "Caf\xE9", 6);
        begin(1, {openNetwork(raw)});
        subscribe();
        engine->setWirelessNetworks(0, false);
        rec->flush();
        const WirelessAP ap = last("appWirelessData").value(0);
        const QString decoded = QString::fromUtf8(raw.data(), int(raw.size()));
        // The BSS query used the raw bytes: channel 6 is found.
        QCOMPARE(shown(ap), decoded + "|" + decoded + "|0|No profile|0|0|70% (-65 dBm)|Not required|0|No|1|00:1A:2B:3C:4D:5E|6|2437 MHz|2.4 GHz");

        // The decoded text no longer names the network: the attempt is accepted but cannot succeed.
        rec->clear();
        connectOpen(ap.profileName);
        QVERIFY(rec->waitFor("apConnectionFailed"));
        QVERIFY(rec->lastArguments("apConnectionFailed").value(0).toString().contains(QStringLiteral("Error code: %1\n").arg(0x2800B)));
        QCOMPARE(stored(ap.profileName).ssidHex, std::string("EFBFBDEFBFBD436166EFBFBD"));
    }

    void disconnect()
    {
        begin(1, {openNetwork("Cafe")}, {"Cafe"});
        sim->setConnected(0, u"Cafe");
        engine->disconnectAP();
        sim->failCall(Sim::Call::Disconnect, wlan::InvalidState);
        engine->disconnectAP();
        settle();
        QCOMPARE(rec->names(), QStringList{"apDisconnected"});
        QVERIFY(sim->connectedProfile(0).empty());
    }

    void cancel_data()
    {
        QTest::addColumn<int>("failing");       // -1: nothing fails
        QTest::newRow("canceled") << -1;
        QTest::newRow("disconnect fails") << int(Sim::Call::Disconnect);
        QTest::newRow("unsubscribe fails") << int(Sim::Call::RegisterNotification);
    }

    void cancel()
    {
        QFETCH(int, failing);
        begin(1, {securedNetwork("Home", "secret123")});
        subscribe();
        sim->setConnectDelay(300);
        connectWpa2("Home", "secret123");
        QVERIFY(rec->waitFor("apConnecting"));
        if (failing >= 0)
            sim->failCall(static_cast<Sim::Call>(failing), wlan::AccessDenied);
        engine->cancelAP();
        settle();   // the attempt's own end has been delivered by now
        QCOMPARE(rec->count("apCanceled"), failing < 0 ? 1 : 0);
        QCOMPARE(rec->argumentsOf("apCancelFailed"), failing < 0 ? QList<QVariantList>() : QList<QVariantList>{{int(wlan::AccessDenied)}});
        // A cancelled attempt never completes; one whose disconnect failed goes on.
        QCOMPARE(rec->names().contains("apConnectionComplete"), failing == int(Sim::Call::Disconnect));
        QCOMPARE(sim->connectedProfile(0).empty(), failing != int(Sim::Call::Disconnect));
    }

    void noCompletionAfterUnregistering()
    {
        begin(1, {securedNetwork("Home", "secret123")});
        sim->setConnectDelay(200);
        connectWpa2("Home", "secret123");
        engine->setWlanUnregisterNotification();
        settle();
        QCOMPARE(sim->connectedProfile(0), std::u16string(u"Home"));   // the connection itself went ahead
        QVERIFY2(!rec->names().contains("apConnectionComplete"), qPrintable(rec->names().join(',')));
    }

    void deleteProfile_data()
    {
        QTest::addColumn<bool>("failedOne");      // deleteFailedWlanProfile instead of setWlanDeleteProfile
        QTest::addColumn<QString>("profile");
        QTest::addColumn<bool>("recoverScan");
        QTest::addColumn<int>("error");           // 0: the service is not told to fail
        QTest::addColumn<QString>("expected");
        QTest::newRow("existing") << false << "Cafe" << false << 0 << "wlanProfileRemoved";
        QTest::newRow("missing") << false << "Gone" << false << 0 << "wlanProfileRemoved";
        QTest::newRow("existing, recover scan") << false << "Cafe" << true << 0 << "";
        QTest::newRow("refused, recover scan") << false << "Cafe" << true << 5 << "removeWlanProfileError";
        QTest::newRow("failed profile") << true << "Cafe" << false << 0 << "wlanFailedProfileRemoved";
        QTest::newRow("failed profile, missing") << true << "Gone" << false << 0 << "wlanFailedProfileRemoved";
        QTest::newRow("failed profile, refused") << true << "Cafe" << false << 5 << "removeWlanProfileError";
    }

    void deleteProfile()
    {
        QFETCH(bool, failedOne);
        QFETCH(QString, profile);
        QFETCH(bool, recoverScan);
        QFETCH(int, error);
        QFETCH(QString, expected);
        begin(1, {}, {"Cafe"});
        if (error)
            sim->failCall(Sim::Call::DeleteProfile, uint32_t(error));
        failedOne ? engine->deleteFailedWlanProfile(profile) : engine->setWlanDeleteProfile(profile, recoverScan);
        rec->flush();
        QCOMPARE(rec->names().join(','), expected);
        if (error)
            QCOMPARE(rec->lastArguments("removeWlanProfileError"), QVariantList{error});
        QCOMPARE(sim->storedProfileXml(0, u"Cafe").empty(), profile == "Cafe" && !error);
    }

    // ---- connection state --------------------------------------------------------------------

    void checkWlanState_data()
    {
        QTest::addColumn<int>("state");
        QTest::addColumn<QString>("expected");
        QTest::newRow("connected") << int(wlan::Connected) << "connectedState";
        QTest::newRow("disconnected") << int(wlan::Disconnected) << "wlanStateDisconnected";
        QTest::newRow("disconnecting") << int(wlan::Disconnecting) << "wlanStateDisconnected";
        QTest::newRow("authenticating") << int(wlan::Authenticating) << "wlanStateDisconnected";
        QTest::newRow("associating") << int(wlan::Associating) << "";
    }

    void checkWlanState()
    {
        QFETCH(int, state);
        QFETCH(QString, expected);
        begin(1, {securedNetwork("Home", "secret123")});
        sim->addStoredProfile(0, ProfileXml::securedProfile("Home profile", "Home", 7, 4, "secret123", false, true).toStdU16String());
        state == wlan::Connected ? sim->setConnected(0, u"Home profile") : sim->setAdapterState(0, state);
        engine->checkWlanState(0);
        rec->flush();
        QCOMPARE(rec->names().join(','), expected);
        if (state == wlan::Connected) {
            const ConnectionData data = rec->lastArguments("connectedState").value(0).value<ConnectionData>();
            QCOMPARE(QStringList({data.ssid, data.profileName, QString::number(data.state)}),
                     QStringList({"Home", "Home profile", "2"}));
        }
    }

    void checkWlanStateFailures()
    {
        begin(1, {openNetwork("Cafe")}, {"Cafe"});
        sim->setConnected(0, u"Cafe");
        sim->failCall(Sim::Call::EnumInterfaces, wlan::InvalidHandle);
        engine->checkWlanState(0);
        sim->failCall(Sim::Call::QueryCurrentConnection, wlan::InvalidState);
        engine->checkWlanState(0);
        engine->checkWlanState(1);
        // Out of range: the operating system dropped the connection without a word.
        sim->setNetworkInRange("Cafe", false);
        settle();
        engine->checkWlanState(0);
        rec->flush();
        QCOMPARE(rec->names(), QVector<QString>(4, "wlanStateDisconnected").toList());
    }

    // ---- the profile document as the service receives it, and every profile the program writes
    // coming back from the service's parser with the same values: names, SSID bytes and keys of any content ----

    void documentIsExact()
    {
        QCOMPARE(ProfileXml::securedProfile("Home profile", "Home", 7, 4, "correct horse", false, true),
                 QStringLiteral("<?xml version=\"1.0\"?><WLANProfile xmlns=\"http://www.microsoft.com/networking/WLAN/profile/v1\">"
                                "<name>Home profile</name><SSIDConfig><SSID><hex>486F6D65</hex><name>Home</name></SSID>"
                                "<nonBroadcast>false</nonBroadcast></SSIDConfig><connectionType>ESS</connectionType>"
                                "<connectionMode>auto</connectionMode><MSM><security><authEncryption>"
                                "<authentication>WPA2PSK</authentication><encryption>AES</encryption><useOneX>false</useOneX>"
                                "</authEncryption><sharedKey><keyType>passPhrase</keyType><protected>false</protected>"
                                "<keyMaterial>correct horse</keyMaterial></sharedKey></security></MSM></WLANProfile>"));
        QCOMPARE(ProfileXml::authenticationKeyword(2) + ProfileXml::encryptionKeyword(3), QStringLiteral("UnknownOther"));
    }

    void generatedProfilesComeBackUnchanged()
    {
        NameGenerator gen(0x5EED2024u);
        const int cases = 4000;
        int withControlInSsid = 0;
        for (int i = 0; i < cases; ++i) {
            const QString ssid = gen.text(1, 32);
            // The representable names are the property; the others are covered below.
            const QString profileName = shownName(gen.coin() ? ssid : gen.text(1, 64));
            const QString key = shownName(gen.text(1, 63));
            const Security &sec = kSecurities[gen.pick(0, int(std::size(kSecurities)) - 1)];
            const bool hidden = gen.coin();
            const bool autoConnect = gen.coin();
            withControlInSsid += shownName(ssid) != ssid ? 1 : 0;

            const QString xml = sec.secured
                ? ProfileXml::securedProfile(profileName, ssid, sec.auth, sec.cipher, key, hidden, autoConnect)
                : ProfileXml::openProfile(profileName, ssid, sec.auth, sec.cipher, hidden, autoConnect);
            const QString what = QStringLiteral("case %1: profile %2, ssid %3, key %4").arg(i).arg(hex(profileName), hex(ssid), hex(key));
            QVERIFY2(!xml.isEmpty() && !xml.contains(QLatin1Char('\n')), qPrintable(what));

            wlan::SimulatedWlanClient::ParsedProfile p;
            uint32_t reason = 0xFFFFFFFF;
            QVERIFY2(wlan::SimulatedWlanClient::parseProfile(xml.toStdU16String(), p, reason) == 0,
                     qPrintable(what + QStringLiteral(", reason %1").arg(reason)));
            // Unit for unit: QString::fromStdU16String would drop a leading U+FEFF.
            const auto s = [](const std::u16string &t) { return QString(reinterpret_cast<const QChar *>(t.data()), int(t.size())); };
            const QStringList actual{s(p.name), QString::fromStdString(p.ssidHex), QString::fromLatin1(QByteArray::fromStdString(p.ssidBytes).toHex()),
                                     s(p.ssidName), QString::number(p.nonBroadcast), s(p.connectionType), s(p.connectionMode),
                                     s(p.authentication), s(p.encryption), QString::number(p.hasSharedKey),
                                     sec.secured ? s(p.keyType) : QString(), QString::number(p.keyProtected),
                                     sec.secured ? s(p.keyMaterial) : QString()};
            const QStringList expected{profileName, QString::fromLatin1(ssid.toUtf8().toHex().toUpper()), hex(ssid),
                                       shownName(ssid), QString::number(hidden), "ESS", autoConnect ? "auto" : "manual",
                                       sec.authKeyword, sec.cipherKeyword, QString::number(sec.secured),
                                       sec.secured ? sec.keyType : QString(), "0", sec.secured ? key : QString()};
            if (actual != expected)
                QCOMPARE(actual, expected);
        }
        // The generator must really exercise the awkward cases.
        QVERIFY(withControlInSsid > cases / 10);
    }

    void unrepresentableNamesAreRefused()
    {
        NameGenerator gen(0xBADC0DEu);
        for (int i = 0; i < 1000; ++i) {
            QString name = gen.text(1, 31);
            QString key = gen.text(8, 40);
            const bool spoilName = gen.coin();
            QString &spoilt = spoilName ? name : key;
            spoilt.insert(gen.pick(0, spoilt.size()), QChar(static_cast<ushort>(gen.pick(1, 8))));
            QVERIFY2(ProfileXml::securedProfile(name, name, 7, 4, key, false, true).isEmpty(),
                     qPrintable(hex(name) + " " + hex(key)));
            if (spoilName)
                QVERIFY(ProfileXml::openProfile(name, name, 1, 0, false, true).isEmpty());
        }
    }

    // ---- texts the listings do not reach: values outside the tables, the channel arithmetic,
    // the reason text as the service words it, and the type names queued signals depend on ----

    void valuesOutsideTheTables()
    {
        QCOMPARE(QStringList({cipherAlgorithmText(-1), authAlgorithmText(11), interfaceStateText(8), networkFlagsText(0x80000002u),
                              phyTypeText(11), bssTypeText(4), interfaceTypeText(3), operationModeText(8u),
                              credentialsText(true, 10), credentialsText(true, 8)}),
                 QStringList({"Other", "Other", "", "Unknown (2147483650)", "Other", "", "", "Unknown", "Not required", "Credentials"}));
    }

    void channelFrequencyBand_data()
    {
        QTest::addColumn<uint>("kHz");
        QTest::addColumn<QString>("channel");
        QTest::addColumn<QString>("band");
        QTest::newRow("2412") << 2412000u << "1" << "2.4 GHz";
        QTest::newRow("2484") << 2484000u << "14" << "2.4 GHz";
        QTest::newRow("4920 (802.11j)") << 4920000u << "184" << "5.0 GHz";
        QTest::newRow("5825") << 5825000u << "165" << "5.0 GHz";
        QTest::newRow("5935") << 5935000u << "2" << "6.0 GHz";
        QTest::newRow("7115") << 7115000u << "233" << "6.0 GHz";
        QTest::newRow("sub-MHz part dropped") << 2437999u << "6" << "2.4 GHz";
        // No channel is invented for frequencies no Wi-Fi band uses.
        QTest::newRow("2477") << 2477000u << "Unknown" << "2.4 GHz";
        QTest::newRow("5930") << 5930000u << "Unknown" << "";
    }

    void channelFrequencyBand()
    {
        QFETCH(uint, kHz);
        QFETCH(QString, channel);
        QFETCH(QString, band);
        QCOMPARE(channelText(kHz), channel);
        QCOMPARE(frequencyText(kHz), QStringLiteral("%1 MHz").arg(kHz / 1000));
        if (!band.isEmpty())
            QCOMPARE(bandText(kHz, 1), band);
        QCOMPARE(bandText(kHz, 2), QStringLiteral("Dual-Band"));
    }

    void reasonCodeFromService()
    {
        auto client = std::make_shared<ReasonTextClient>();
        wlan::setDefaultClient(client);
        QCOMPARE(reasonCodeText(0xFFFFFFFFu), QStringLiteral("Odd %1 text %2 (4294967295)"));
        QCOMPARE(client->calls, (std::vector<std::pair<uint32_t, uint32_t>>{{0xFFFFFFFFu, 256u}}));

        wlan::setDefaultClient(sim);
        sim->failCall(Sim::Call::ReasonCodeToString, wlan::ServiceNotActive);
        QCOMPARE(reasonCodeText(0), QStringLiteral("Failed with error code: 1062"));
        QCOMPARE(reasonCodeText(0), QStringLiteral("The operation succeeds. (0)"));
    }

    // Queued signals between threads need every argument type known by name.
    void metaTypesKnownByName()
    {
        registerWirelessMetaTypes();
        for (const char *name : {"QVector<WirelessInterface>", "QVector<WirelessAP>", "ConnectionData", "CWlanNetworkState",
                                 "Connection::State", "_DOT11_AUTH_ALGORITHM", "_DOT11_CIPHER_ALGORITHM"})
            QVERIFY2(QMetaType::type(name) != QMetaType::UnknownType, name);
    }
};

QTEST_GUILESS_MAIN(TestWirelessConnect)
#include "tst_wirelessconnect.moc"
