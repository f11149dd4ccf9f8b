#include <QtTest>

#include "core/SignalRecorder.h"
#include "core/TestSettings.h"

#include "app/settings/SettingsStore.h"
#include "platform/wlan/SimulatedWlanClient.h"
#include "platform/wlan/WlanClientProvider.h"
#include "wireless/ProfileXml.h"
#include "wireless/WirelessConnect.h"

#include <memory>
#include <optional>

using Sim = wlan::SimulatedWlanClient;
using testsupport::SignalRecorder;

namespace {

// By value: older Windows SDK headers have no name for it.
const auto kWpa3Sae = static_cast<_DOT11_AUTH_ALGORITHM>(9);

const QStringList kListingTail{"appWirelessData", "appProfileWlanData", "wlanNetworksAdded"};

QString guidText(uint32_t n)
{
    return QStringLiteral("{%1-BEEF-4C0D-8A01-0203C4D5E6%2}").arg(0x5A1E0000u + n, 8, 16, QLatin1Char('0'))
        .arg(n, 2, 16, QLatin1Char('0')).toUpper();
}

Sim::Adapter makeAdapter(uint32_t n, int state = wlan::Disconnected)
{
    Sim::Adapter a;
    a.guid.data1 = 0x5A1E0000u + n;
    a.guid.data2 = 0xBEEF;
    a.guid.data3 = 0x4C0D;
    a.guid.data4 = {0x8A, 0x01, 0x02, 0x03, 0xC4, 0xD5, 0xE6, static_cast<uint8_t>(n)};
    a.description = QStringLiteral("Wireless Adapter %1").arg(n).toStdU16String();
    a.state = state;
    return a;
}

Sim::Bss bssAt(uint32_t kHz, uint8_t last)
{
    Sim::Bss b;
    b.bssid = {0x00, 0x1A, 0x2B, 0x3C, 0x4D, last};
    b.centerFrequencyKHz = kHz;
    return b;
}

Sim::Network openNetwork(const std::string &ssid, uint32_t kHz = 2437000)
{
    Sim::Network n;
    n.ssid = ssid;
    n.bss = {bssAt(kHz, 0x5E)};
    return n;
}

Sim::Network securedNetwork(const std::string &ssid, const std::string &key, int auth = 7, int cipher = 4)
{
    Sim::Network n = openNetwork(ssid);
    n.securityEnabled = true;
    n.authAlgorithm = auth;
    n.cipherAlgorithm = cipher;
    n.key = key;
    return n;
}

std::u16string openProfileXml(const QString &name)
{
    return ProfileXml::openProfile(name, name, 1, 0, false, true).toStdU16String();
}

QVector<WirelessAP> apList(const QVariant &v) { return v.value<QVector<WirelessAP>>(); }
QVector<WirelessInterface> ifaceList(const QVariant &v) { return v.value<QVector<WirelessInterface>>(); }

// The record as one line, for whole-record comparisons.
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

} // namespace

class TestWirelessConnect : public QObject
{
    Q_OBJECT

private:
    WirelessConnect *engine = nullptr;
    std::shared_ptr<Sim> sim;
    std::unique_ptr<SignalRecorder> rec;

    void addAdapters(int count)
    {
        for (int i = 0; i < count; ++i)
            sim->addAdapter(makeAdapter(static_cast<uint32_t>(i)));
    }
    // Adapters, networks and stored profiles of the scripted service, then start().
    void begin(int adapters, std::initializer_list<Sim::Network> networks = {}, std::initializer_list<QString> profiles = {})
    {
        addAdapters(adapters);
        for (const Sim::Network &n : networks)
            sim->addNetwork(n);
        for (const QString &p : profiles)
            sim->addStoredProfile(0, openProfileXml(p));
        start();
    }
    // Opens the engine on the scripted service and forgets what discovery emitted.
    void start()
    {
        engine->initWlan();
        rec->flush();
        QVERIFY2(rec->count("wirelessInterfaceData") > 0, qPrintable(rec->names().join(',')));
        rec->clear();
    }
    // Waits for everything the service has queued, then for what the engine made of it.
    void settle()
    {
        for (int i = 0; i < 2; ++i) {
            sim->waitForNotifications();
            rec->flush();
        }
    }
    // Leaves a notification subscription in place (a finished scan) so that nothing the service
    // reports right after a connect call can slip past before the engine subscribes.
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
    void connectWpa2(const QString &name, const QString &key, bool autoConnect = true)
    {
        engine->connectSecuredAP(name, name, DOT11_AUTH_ALGO_RSNA_PSK, DOT11_CIPHER_ALGO_CCMP, key, false, false, autoConnect);
    }
    // Waits until the attempt ended one way or another.
    void waitForOutcome()
    {
        QVERIFY(rec->waitUntil([&] {
            return rec->count("apConnectionComplete") + rec->count("apConnectionFailed") + rec->count("apNotConnected") > 0;
        }));
        settle();
    }
    void list()
    {
        engine->setWirelessNetworks(0, false);
        rec->flush();
    }
    QVector<WirelessAP> lastNetworks() const { return apList(rec->lastArguments("appWirelessData").value(0)); }
    QVector<WirelessAP> lastProfiles() const { return apList(rec->lastArguments("appProfileWlanData").value(0)); }
    static std::optional<WirelessAP> find(const QVector<WirelessAP> &list, const QString &ssid)
    {
        for (const WirelessAP &ap : list) {
            if (ap.ssid == ssid)
                return ap;
        }
        return std::nullopt;
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
    void initTestCase()
    {
        testsupport::resetSettings();
        engine = WirelessConnect::instance();
    }

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

    // ---- the interface ------------------------------------------------------------------------

    void signalAndSlotOrder()
    {
        const QStringList expected{
            "wirelessCardNotDetected()", "wlanInterfacesError()", "wlanAvailableNetworksError()",
            "wirelessInterfaceData(QVector<WirelessInterface>)", "appWirelessData(QVector<WirelessAP>)",
            "appProfileWlanData(QVector<WirelessAP>)", "apConnected(QString)", "apNotConnected(int)",
            "apDisconnected()", "notifyOpenAP()", "apConnecting()", "apConnectionComplete()",
            "apConnectionFailed(QString)", "connectedState(ConnectionData)", "wlanStateDisconnected()",
            "wlanUnregisterNotificationError(int)", "noWirelessAPAvailable()", "scanAPConnected(QString)",
            "scanAPNotConnected()", "removeWlanProfileError(int)", "wlanProfileRemoved()", "refreshFailed(int)",
            "networksScanCompleted()", "wlanFailedProfileRemoved()", "removeInterface(int)",
            "failedToGetNetworkInfo(int)", "apCanceled()", "apCancelFailed(int)", "wlanNetworksAdded()",
            "initWlan()", "manageWlanInterface(int)",
            "connectOpenAP(QString,QString,_DOT11_AUTH_ALGORITHM,_DOT11_CIPHER_ALGORITHM,bool,bool,bool)",
            "connectSecuredAP(QString,QString,_DOT11_AUTH_ALGORITHM,_DOT11_CIPHER_ALGORITHM,QString,bool,bool,bool)",
            "setWirelessNetworks(int,bool)", "setFreeWlanResources()", "setWlanUnregisterNotification()",
            "setWlanDeleteProfile(QString,bool)", "disconnectAP()", "checkWlanState(int)", "refreshNetworks(int)",
            "getWlanInRangeProfiles(int)", "deleteFailedWlanProfile(QString)", "cancelAP()"};
        const QMetaObject *mo = engine->metaObject();
        QStringList actual;
        for (int i = mo->methodOffset(); i < mo->methodCount(); ++i) {
            const QMetaMethod m = mo->method(i);
            QCOMPARE(m.methodType(), i - mo->methodOffset() < 29 ? QMetaMethod::Signal : QMetaMethod::Slot);
            actual << QString::fromLatin1(m.methodSignature());
        }
        QCOMPARE(actual, expected);
    }

    // ---- discovery ----------------------------------------------------------------------------

    void discovery_data()
    {
        QTest::addColumn<int>("adapters");
        QTest::addColumn<int>("failure");     // 0: none, 1: no WLAN service, 2: enumeration fails
        QTest::addColumn<QString>("status");  // what is reported instead of records
        QTest::newRow("none") << 0 << 0 << "wirelessCardNotDetected";
        QTest::newRow("one") << 1 << 0 << "";
        QTest::newRow("two") << 2 << 0 << "";
        QTest::newRow("no WLAN service") << 1 << 1 << "wirelessCardNotDetected";
        QTest::newRow("enumeration fails") << 1 << 2 << "wlanInterfacesError";
    }

    // n adapters: n emissions, the k-th with records of the first k adapters.
    void discovery()
    {
        QFETCH(int, adapters);
        QFETCH(int, failure);
        QFETCH(QString, status);
        addAdapters(adapters);
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
        QStringList expected;
        for (int i = 0; i < adapters; ++i)
            expected << "wirelessInterfaceData";
        QCOMPARE(rec->names(), expected + kListingTail);
        const QList<QVariantList> emissions = rec->argumentsOf("wirelessInterfaceData");
        for (int e = 0; e < adapters; ++e) {
            const QVector<WirelessInterface> list = ifaceList(emissions.at(e).value(0));
            QCOMPARE(list.size(), e + 1);
            for (int i = 0; i <= e; ++i) {
                QCOMPARE(shown(list.at(i)), QStringLiteral("%1|0|Wireless Adapter %1|%2|Native WiFi|4|Not connected|"
                                                           "Extensible Station|Infrastructure|True").arg(i).arg(guidText(0)));
            }
        }
        QCOMPARE(lastNetworks().size(), 1);
    }

    void storedIndex_data()
    {
        QTest::addColumn<int>("adapters");
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<int>("requested");
        QTest::addColumn<int>("active");
        QTest::newRow("one adapter ignores stored 1") << 1 << QVariant(1) << 0 << 0;
        QTest::newRow("two adapters, stored 1 wins over 0") << 2 << QVariant(1) << 0 << 1;
        QTest::newRow("two adapters, stored 0 wins over 1") << 2 << QVariant(0) << 1 << 0;
        QTest::newRow("two adapters, nothing stored") << 2 << QVariant() << 1 << 1;
    }

    void storedIndex()
    {
        QFETCH(int, adapters);
        QFETCH(QVariant, stored);
        QFETCH(int, requested);
        QFETCH(int, active);
        addAdapters(adapters);
        sim->addNetwork(securedNetwork("Home", "secret123"));
        if (stored.isValid())
            writeSetting("AppSettings", "WlanIndex", stored);
        start();
        engine->manageWlanInterface(requested);
        rec->flush();
        QCOMPARE(rec->names().mid(adapters), kListingTail);
        QCOMPARE(rec->count("wirelessInterfaceData"), adapters);
        const QVector<WirelessInterface> list = ifaceList(rec->lastArguments("wirelessInterfaceData").value(0));
        QCOMPARE(list.size(), adapters);
        for (const WirelessInterface &r : list)
            QCOMPARE(QStringList({QString::number(r.activeIndex), r.guid}),
                     QStringList({QString::number(active), guidText(uint32_t(active))}));
    }

    void activeIndexPastAdapters_data()
    {
        QTest::addColumn<int>("adapters");
        QTest::addColumn<int>("stored");     // -1: nothing stored
        QTest::addColumn<int>("requested");
        QTest::newRow("stored index of a removed adapter") << 2 << 5 << 0;
        QTest::newRow("requested index past one adapter") << 1 << -1 << 3;
        QTest::newRow("negative stored index") << 2 << -7 << 0;
    }

    void activeIndexPastAdapters()
    {
        QFETCH(int, adapters);
        QFETCH(int, stored);
        QFETCH(int, requested);
        addAdapters(adapters);
        sim->addNetwork(openNetwork("Cafe"));
        if (stored != -1)
            writeSetting("AppSettings", "WlanIndex", stored);
        engine->initWlan();
        engine->manageWlanInterface(requested);
        rec->flush();
        const QStringList names = rec->names();
        QVERIFY2(!names.contains("wirelessInterfaceData") || stored == -1, qPrintable(names.join(',')));
        QCOMPARE(names.last(), QStringLiteral("removeInterface"));
        QCOMPARE(rec->lastArguments("removeInterface"), QVariantList{stored == -1 ? requested : stored});
        QCOMPARE(sim->callCount(Sim::Call::QueryRadioState), stored == -1 ? 1 : 0);
    }

    void removedActiveAdapter()
    {
        begin(2, {openNetwork("Cafe")});
        // Unplugged while it is still enumerated: the radio query is what notices.
        sim->failCall(Sim::Call::QueryRadioState, wlan::NdisDot11PowerStateInvalid);
        engine->manageWlanInterface(1);
        // Gone from the enumeration altogether.
        sim->removeAdapter(1);
        engine->manageWlanInterface(1);
        rec->flush();
        QCOMPARE(rec->names(), QStringList({"removeInterface", "removeInterface"}));
        QCOMPARE(rec->argumentsOf("removeInterface"), QList<QVariantList>({{1}, {1}}));
        QCOMPARE(sim->callCount(Sim::Call::GetAvailableNetworkList), 1);
    }

    void failingDetailQueries_data()
    {
        QTest::addColumn<int>("call");
        QTest::addColumn<int>("field");     // position in shown(WirelessInterface)
        QTest::addColumn<QString>("text");
        QTest::newRow("guid") << int(Sim::Call::GuidToString) << 3 << "Unknown";
        QTest::newRow("capability") << int(Sim::Call::GetInterfaceCapability) << 4 << "Unknown";
        QTest::newRow("operation mode") << int(Sim::Call::QueryOperationMode) << 7 << "Error";
        QTest::newRow("bss type") << int(Sim::Call::QueryBssType) << 8 << "Error";
        QTest::newRow("auto configuration") << int(Sim::Call::QueryAutoConfEnabled) << 9 << "Error";
    }

    void failingDetailQueries()
    {
        QFETCH(int, call);
        QFETCH(int, field);
        QFETCH(QString, text);
        addAdapters(2);
        sim->addNetwork(securedNetwork("Home", "secret123"));
        sim->failCall(static_cast<Sim::Call>(call), wlan::AccessDenied, -1);
        engine->initWlan();
        rec->flush();
        QCOMPARE(rec->names(), QStringList({"wirelessInterfaceData", "wirelessInterfaceData"}) + kListingTail);
        const QVector<WirelessInterface> list = ifaceList(rec->lastArguments("wirelessInterfaceData").value(0));
        QCOMPARE(list.size(), 2);
        for (const WirelessInterface &r : list) {
            QStringList expected = QStringLiteral("%1|0|Wireless Adapter %1|%2|Native WiFi|4|Not connected|"
                                                  "Extensible Station|Infrastructure|True").arg(r.index).arg(guidText(0)).split('|');
            expected[field] = text;
            QCOMPARE(shown(r), expected.join('|'));
        }
    }

    // ---- listing ------------------------------------------------------------------------------

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
        addAdapters(1);
        sim->addNetwork(secured ? securedNetwork("Cafe", "latte1234") : openNetwork("Cafe"));
        sim->addNetwork(securedNetwork("Lab", "labkey999"));
        if (connectedProfile) {
            sim->addStoredProfile(0, openProfileXml("Cafe"));
            sim->setConnected(0, u"Cafe");
        }
        start();
        engine->refreshNetworks(0);
        QVERIFY(rec->waitFor("wlanNetworksAdded"));
        settle();
        QCOMPARE(rec->names(), expected);
        if (connectedProfile) {
            const std::optional<WirelessAP> cafe = find(lastProfiles(), "Cafe");
            QVERIFY(cafe);
            QVERIFY2(shown(*cafe).startsWith("Cafe|Cafe|3|Connected|0|0|70% (-65 dBm)|Not required|2|Yes|"), qPrintable(shown(*cafe)));
        }
    }

    void listedRecords()
    {
        addAdapters(1);
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
        // An open "Cafe" known through a profile and a secured "Cafe" that is not; a per-user profile.
        for (const Sim::Network &n : {home, dual, weak, hidden, openNetwork("Cafe"), securedNetwork("Cafe", "latte1234"),
                                      securedNetwork("Office", "officekey1")})
            sim->addNetwork(n);
        sim->addStoredProfile(0, openProfileXml("Cafe"));
        QVERIFY(sim->addStoredProfile(
            0, ProfileXml::securedProfile("Office wifi", "Office", 7, 4, "officekey1", false, true).toStdU16String(), 2));
        start();
        list();
        QCOMPARE(rec->names(), QStringList{"notifyOpenAP"} + kListingTail);   // "Weak" is open without a profile
        QStringList networks, profiles;
        for (const WirelessAP &ap : lastNetworks())
            networks << shown(ap);
        for (const WirelessAP &ap : lastProfiles())
            profiles << shown(ap);
        // Two BSS entries: the last one of the list is the one shown.
        QCOMPARE(networks, QStringList({
            "Office|Office wifi|6|Unknown (6)|1|0|70% (-65 dBm)|Required|0|No|1|00:1A:2B:3C:4D:5E|6|2437 MHz|2.4 GHz",
            "Home|Home|0|No profile|1|0|75% (-63 dBm)|Required|0|No|1|00:1A:2B:3C:4D:5E|6|2437 MHz|2.4 GHz",
            "Dual|Dual|0|No profile|1|0|100% (-50 dBm)|Credentials|0|No|2|00:1A:2B:3C:4D:02|36|5180 MHz|Dual-Band",
            "Weak|Weak|0|No profile|0|0|0% (-100 dBm)|Not required|0|No|1|00:1A:2B:3C:4D:5E|13|2472 MHz|2.4 GHz",
            "Hidden network|Hidden network|0|No profile|1|1|70% (-65 dBm)|Required|0|No|1|00:1A:2B:3C:4D:5E|6|2437 MHz|2.4 GHz",
            "Cafe|Cafe|0|No profile|1|0|70% (-65 dBm)|Required|0|No|1|00:1A:2B:3C:4D:5E|6|2437 MHz|2.4 GHz"}));
        QCOMPARE(profiles, QStringList{
            "Cafe|Cafe|2|Has profile|0|0|70% (-65 dBm)|Not required|0|No|1|00:1A:2B:3C:4D:5E|6|2437 MHz|2.4 GHz"});
        const WirelessAP h = lastNetworks().at(1), w = lastNetworks().at(3);
        QCOMPARE(QStringList({h.cipherText, QString::number(h.cipherAlgorithm), h.authText, QString::number(h.authAlgorithm),
                              h.securityText, h.bssType, h.connectable, h.phyTypeCount, h.phyType, w.connectable}),
                 QStringList({"AES (CCMP)", "4", "WPA2-Personal (WPA2-PSK)", "7", "Yes", "Infrastructure", "Yes", "2", "802.11ac", "No"}));
        QVERIFY(h.notConnectableReason.endsWith(" (0)"));
        QVERIFY(w.notConnectableReason.endsWith(QStringLiteral(" (%1)").arg(0x28002)));
    }

    void listingFailures_data()
    {
        QTest::addColumn<int>("call");
        QTest::addColumn<bool>("scanning");
        QTest::addColumn<QString>("status");
        QTest::newRow("enumeration") << int(Sim::Call::EnumInterfaces) << false << "wlanInterfacesError";
        QTest::newRow("network list") << int(Sim::Call::GetAvailableNetworkList) << false << "wlanAvailableNetworksError";
        QTest::newRow("network list, scanning") << int(Sim::Call::GetAvailableNetworkList) << true << "wlanAvailableNetworksError";
    }

    void listingFailures()
    {
        QFETCH(int, call);
        QFETCH(bool, scanning);
        QFETCH(QString, status);
        begin(1, {openNetwork("Cafe")});
        sim->failCall(static_cast<Sim::Call>(call), wlan::InvalidHandle);
        engine->setWirelessNetworks(0, scanning);
        rec->flush();
        QStringList expected{status};
        if (scanning)
            expected << "networksScanCompleted";
        QCOMPARE(rec->names(), expected + kListingTail);
        QVERIFY(lastNetworks().isEmpty());
        QVERIFY(lastProfiles().isEmpty());
    }

    void listingOfMissingAdapter()
    {
        begin(1, {openNetwork("Cafe")});
        engine->setWirelessNetworks(1, false);
        engine->getWlanInRangeProfiles(4);
        engine->checkWlanState(1);
        engine->getWlanInRangeProfiles(-1);
        rec->flush();
        QCOMPARE(rec->names(), QStringList{"wlanAvailableNetworksError"} + kListingTail
                                   + QStringList({"wlanAvailableNetworksError", "wlanStateDisconnected", "wlanAvailableNetworksError"}));
        QVERIFY(lastNetworks().isEmpty());
    }

    void bssListFailure()
    {
        addAdapters(1);
        sim->addNetwork(securedNetwork("Home", "secret123"));
        Sim::Network nobss = securedNetwork("Ghost", "secret123");
        nobss.bss.clear();
        sim->addNetwork(nobss);
        start();
        sim->failCall(Sim::Call::GetNetworkBssList, wlan::NotFound, 1);
        list();
        QCOMPARE(rec->names(), QStringList{"failedToGetNetworkInfo"} + kListingTail);
        QCOMPARE(rec->lastArguments("failedToGetNetworkInfo"), QVariantList{1168});
        // The failed query leaves the fields empty; a network without BSS entries reads "Unknown".
        QCOMPARE(lastNetworks().size(), 2);
        QVERIFY2(shown(lastNetworks().at(0)).startsWith("Home|") && shown(lastNetworks().at(0)).endsWith("||||"),
                 qPrintable(shown(lastNetworks().at(0))));
        QVERIFY2(shown(lastNetworks().at(1)).startsWith("Ghost|") && shown(lastNetworks().at(1)).endsWith("|Unknown|Unknown|Unknown|Unknown"),
                 qPrintable(shown(lastNetworks().at(1))));
    }

    // ---- scans and notifications ----------------------------------------------------------------

    void scanProducesOneListing()
    {
        begin(1, {securedNetwork("Home", "secret123")});
        // A scan the service reports as failed shows nothing.
        sim->failScans(0x2800A);
        engine->refreshNetworks(0);
        settle();
        QCOMPARE(rec->names(), QStringList());
        engine->refreshNetworks(0);
        QVERIFY(rec->waitFor("wlanNetworksAdded"));
        settle();
        QCOMPARE(rec->names(), QStringList{"networksScanCompleted"} + kListingTail);
        QCOMPARE(sim->callCount(Sim::Call::Scan), 2);
        // Background scans after the listing are not answered.
        rec->clear();
        sim->triggerBackgroundScan();
        sim->triggerBackgroundScan();
        settle();
        QCOMPARE(rec->names(), QStringList());
    }

    void backgroundScansProduceNoListing()
    {
        begin(1, {openNetwork("Cafe")}, {"Cafe"});
        // Subscribed through a connection request; no scan was asked for.
        sim->setConnectDelay(50);
        connectOpen("Cafe", true);
        QVERIFY(rec->waitFor("apConnectionComplete"));
        settle();
        rec->clear();
        sim->triggerBackgroundScan();
        sim->triggerBackgroundScan();
        settle();
        QCOMPARE(rec->names(), QStringList());
        QCOMPARE(sim->callCount(Sim::Call::GetAvailableNetworkList), 1);
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
        list();
        QCOMPARE(rec->names(), QStringList({"wlanUnregisterNotificationError", "refreshFailed", "wlanInterfacesError"}) + kListingTail);
        QCOMPARE(rec->argumentsOf("wlanUnregisterNotificationError") + rec->argumentsOf("refreshFailed"),
                 QList<QVariantList>({{int(wlan::AccessDenied)}, {int(wlan::InvalidHandle)}}));
    }

    void openProfileOfCafe()
    {
        begin(1, {openNetwork("Cafe")});
        subscribe();
        connectOpen("Cafe");
        QVERIFY(rec->waitFor("apConnectionComplete"));
        settle();
        QCOMPARE(rec->names(), QStringList({"apConnecting", "apConnectionComplete"}));
        QCOMPARE(QString::fromStdU16String(sim->storedProfileXml(0, u"Cafe")),
                 QStringLiteral("<?xml version=\"1.0\"?>"
                                "<WLANProfile xmlns=\"http://www.microsoft.com/networking/WLAN/profile/v1\">"
                                "<name>Cafe</name><SSIDConfig><SSID><hex>43616665</hex><name>Cafe</name></SSID>"
                                "<nonBroadcast>false</nonBroadcast></SSIDConfig><connectionType>ESS</connectionType>"
                                "<connectionMode>auto</connectionMode><MSM><security><authEncryption>"
                                "<authentication>open</authentication><encryption>none</encryption>"
                                "<useOneX>false</useOneX></authEncryption></security></MSM></WLANProfile>"));
        QCOMPARE(sim->connectedProfile(0), std::u16string(u"Cafe"));
    }

    void rightAndWrongKey_data()
    {
        QTest::addColumn<QString>("key");
        QTest::newRow("right key") << "secret123";
        QTest::newRow("wrong key") << "wrong-key";
    }

    void rightAndWrongKey()
    {
        QFETCH(QString, key);
        begin(1, {securedNetwork("Home", "secret123")});
        subscribe();
        connectWpa2("Home", key, false);
        waitForOutcome();
        if (key == "secret123") {
            QCOMPARE(rec->names(), QStringList({"apConnecting", "apConnectionComplete"}));
            return;
        }
        QCOMPARE(rec->names(), QStringList({"apConnecting", "apConnectionFailed"}));
        const QString text = rec->lastArguments("apConnectionFailed").value(0).toString();
        const QRegularExpressionMatch m = QRegularExpression(QStringLiteral(
            "^Your security key/network name is not correct! Error code: (\\d+)\nPlease try again\\.$")).match(text);
        QVERIFY2(m.hasMatch() && m.captured(1).toUInt() != 0, qPrintable(text));
        // The engine leaves the profile alone.
        QCOMPARE(stored("Home").connectionMode, std::u16string(u"manual"));
    }

    void alreadyExistsIsRewritten()
    {
        addAdapters(1);
        sim->addNetwork(securedNetwork("Home", "secret123"));
        sim->addStoredProfile(0, ProfileXml::securedProfile("Home", "Home", 7, 4, "oldsecret", false, true).toStdU16String());
        start();
        subscribe();
        sim->failCall(Sim::Call::SetProfile, wlan::AlreadyExists);
        connectWpa2("Home", "secret123");
        QVERIFY(rec->waitFor("apConnectionComplete"));
        QCOMPARE(sim->callCount(Sim::Call::SetProfile), 2);
        QCOMPARE(sim->callCount(Sim::Call::DeleteProfile), 1);
        QCOMPARE(stored("Home").keyMaterial, std::u16string(u"secret123"));

        // A deletion that fails ends the attempt with the deletion's error.
        rec->clear();
        sim->failCall(Sim::Call::SetProfile, wlan::AlreadyExists);
        sim->failCall(Sim::Call::DeleteProfile, wlan::AccessDenied);
        connectOpen("Cafe");
        settle();
        QCOMPARE(rec->names(), QStringList{"apNotConnected"});
        QCOMPARE(rec->lastArguments("apNotConnected"), QVariantList{int(wlan::AccessDenied)});
        QCOMPARE(sim->callCount(Sim::Call::Connect), 1);

        // A rewrite the service refuses (a 7-character key) puts the user's profile back.
        rec->clear();
        const std::u16string before = sim->storedProfileXml(0, u"Home");
        sim->failCall(Sim::Call::SetProfile, wlan::AlreadyExists);
        connectWpa2("Home", "1234567");
        settle();
        QCOMPARE(rec->argumentsOf("apNotConnected"), QList<QVariantList>{{int(wlan::BadProfile)}});
        QCOMPARE(QString::fromStdU16String(sim->storedProfileXml(0, u"Home")), QString::fromStdU16String(before));
    }

    void secondStartClosesTheFirstHandle()
    {
        begin(1, {openNetwork("Cafe")});
        start();
        QCOMPARE(sim->openHandleCount(), 1);
    }

    void wpa3FallsBackToWpa2Once()
    {
        addAdapters(1);
        sim->setAdapterSupportsWpa3(0, false);
        sim->addNetwork(securedNetwork("Modern", "modernkey1", 9, 4));
        start();
        subscribe();
        auto connectWpa3 = [this] {
            engine->connectSecuredAP("Modern", "Modern", kWpa3Sae, DOT11_CIPHER_ALGO_CCMP, "modernkey1", false, false, true);
        };
        connectWpa3();
        QVERIFY(rec->waitFor("apConnectionComplete"));
        QCOMPARE(sim->callCount(Sim::Call::SetProfile), 2);
        QCOMPARE(stored("Modern").authentication, std::u16string(u"WPA2PSK"));
        QCOMPARE(stored("Modern").keyMaterial, std::u16string(u"modernkey1"));

        // The rewrite after "already exists" keeps WPA3 and is not retried as WPA2.
        rec->clear();
        sim->failCall(Sim::Call::SetProfile, wlan::AlreadyExists);
        connectWpa3();
        settle();
        // 1169 without the WPA3 reason is final.
        sim->setAdapterSupportsWpa3(0, true);
        sim->failCall(Sim::Call::SetProfile, wlan::NoMatch);
        connectWpa3();
        settle();
        QCOMPARE(rec->names(), QStringList({"apNotConnected", "apNotConnected"}));
        QCOMPARE(rec->argumentsOf("apNotConnected"), QList<QVariantList>({{int(wlan::NoMatch)}, {int(wlan::NoMatch)}}));
        QCOMPARE(sim->callCount(Sim::Call::SetProfile), 6);   // the refused rewrite put the WPA2 profile back
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

    void specialCharactersInNameAndKey()
    {
        const std::string ssid = "Tom & Jerry's <5G>";
        addAdapters(1);
        Sim::Network tj = securedNetwork(ssid, "p&ss<word>");
        tj.bss = {bssAt(5180000, 0x10)};
        sim->addNetwork(tj);
        start();
        subscribe();
        connectWpa2(QString::fromStdString(ssid), "p&ss<word>");
        waitForOutcome();
        QCOMPARE(rec->names(), QStringList({"apConnecting", "apConnectionComplete"}));
        const Sim::ParsedProfile p = stored(QString::fromStdString(ssid));
        QCOMPARE(QStringList({QString::fromStdU16String(p.name), QString::fromStdU16String(p.ssidName),
                              QString::fromStdString(p.ssidBytes), QString::fromStdU16String(p.keyMaterial)}),
                 QStringList({"Tom & Jerry's <5G>", "Tom & Jerry's <5G>", "Tom & Jerry's <5G>", "p&ss<word>"}));
    }

    void ssidThatIsNotUtf8()
    {
        const std::string raw("\xFF\xFE" "Caf\xE9", 6);
        begin(1, {openNetwork(raw)});
        subscribe();
        list();
        QCOMPARE(lastNetworks().size(), 1);
        const WirelessAP ap = lastNetworks().at(0);
        const QString decoded = QString::fromUtf8(raw.data(), int(raw.size()));
        QVERIFY(decoded.contains(QChar(QChar::ReplacementCharacter)));
        // The BSS query used the raw bytes: channel 6 is found.
        QCOMPARE(shown(ap), decoded + "|" + decoded + "|0|No profile|0|0|70% (-65 dBm)|Not required|0|No|1|00:1A:2B:3C:4D:5E|6|2437 MHz|2.4 GHz");

        // The decoded text no longer names the network: the attempt is accepted but cannot succeed.
        rec->clear();
        connectOpen(ap.profileName);
        waitForOutcome();
        QCOMPARE(rec->names(), QStringList({"apConnecting", "apConnectionFailed"}));
        QVERIFY(rec->lastArguments("apConnectionFailed").value(0).toString().contains(QStringLiteral("Error code: %1\n").arg(0x2800B)));
        QCOMPARE(stored(ap.profileName).ssidHex, std::string("EFBFBDEFBFBD436166EFBFBD"));
    }

    void disconnect()
    {
        addAdapters(1);
        sim->addNetwork(openNetwork("Cafe"));
        sim->addStoredProfile(0, openProfileXml("Cafe"));
        sim->setConnected(0, u"Cafe");
        start();
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
        QTest::qWait(400);
        settle();
        QCOMPARE(rec->names().first(), QStringLiteral("apConnecting"));
        QCOMPARE(rec->count("apCanceled"), failing < 0 ? 1 : 0);
        QCOMPARE(rec->argumentsOf("apCancelFailed"), failing < 0 ? QList<QVariantList>() : QList<QVariantList>{{int(wlan::AccessDenied)}});
        // A cancelled attempt may still report its own end before the subscription is gone, but
        // it never completes; one whose disconnect failed goes on.
        QCOMPARE(rec->names().contains("apConnectionComplete"), failing == int(Sim::Call::Disconnect));
        QCOMPARE(sim->connectedProfile(0).empty(), failing != int(Sim::Call::Disconnect));
    }

    void noCompletionAfterUnregistering()
    {
        begin(1, {securedNetwork("Home", "secret123")});
        sim->setConnectDelay(200);
        connectWpa2("Home", "secret123");
        engine->setWlanUnregisterNotification();
        QTest::qWait(300);
        settle();
        QVERIFY2(!rec->names().contains("apConnectionComplete"), qPrintable(rec->names().join(',')));
        QCOMPARE(sim->connectedProfile(0), std::u16string(u"Home"));   // the connection itself went ahead
    }

    void deleteProfile_data()
    {
        QTest::addColumn<QString>("profile");
        QTest::addColumn<bool>("recoverScan");
        QTest::addColumn<int>("error");           // 0: the service is not told to fail
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("existing") << "Cafe" << false << 0 << QStringList{"wlanProfileRemoved"};
        QTest::newRow("missing") << "Gone" << false << 0 << QStringList{"wlanProfileRemoved"};
        QTest::newRow("existing, recover scan") << "Cafe" << true << 0 << QStringList();
        QTest::newRow("refused") << "Cafe" << false << 5 << QStringList{"removeWlanProfileError"};
        QTest::newRow("refused, recover scan") << "Cafe" << true << 5 << QStringList{"removeWlanProfileError"};
    }

    void deleteProfile()
    {
        QFETCH(QString, profile);
        QFETCH(bool, recoverScan);
        QFETCH(int, error);
        QFETCH(QStringList, expected);
        begin(1, {}, {"Cafe"});
        if (error)
            sim->failCall(Sim::Call::DeleteProfile, uint32_t(error));
        engine->setWlanDeleteProfile(profile, recoverScan);
        rec->flush();
        QCOMPARE(rec->names(), expected);
        if (error)
            QCOMPARE(rec->lastArguments("removeWlanProfileError"), QVariantList{error});
        QCOMPARE(sim->storedProfileXml(0, u"Cafe").empty(), profile == "Cafe" && !error);
    }

    void deleteFailedProfile()
    {
        begin(1, {}, {"Cafe"});
        engine->deleteFailedWlanProfile("Cafe");
        engine->deleteFailedWlanProfile("Cafe");
        sim->failCall(Sim::Call::DeleteProfile, wlan::AccessDenied);
        engine->deleteFailedWlanProfile("Cafe");
        rec->flush();
        QCOMPARE(rec->names(), QStringList({"wlanFailedProfileRemoved", "wlanFailedProfileRemoved", "removeWlanProfileError"}));
        QCOMPARE(rec->lastArguments("removeWlanProfileError"), QVariantList{int(wlan::AccessDenied)});
        QVERIFY(sim->storedProfileNames(0).empty());
    }

    // ---- connection state -----------------------------------------------------------------------

    void checkWlanState_data()
    {
        QTest::addColumn<int>("state");
        QTest::addColumn<QStringList>("expected");
        const QStringList disconnected{"wlanStateDisconnected"};
        QTest::newRow("not ready") << int(wlan::NotReady) << QStringList();
        QTest::newRow("connected") << int(wlan::Connected) << QStringList{"connectedState"};
        QTest::newRow("ad hoc") << int(wlan::AdHocNetworkFormed) << QStringList();
        QTest::newRow("disconnecting") << int(wlan::Disconnecting) << disconnected;
        QTest::newRow("disconnected") << int(wlan::Disconnected) << disconnected;
        QTest::newRow("associating") << int(wlan::Associating) << QStringList();
        QTest::newRow("discovering") << int(wlan::Discovering) << QStringList();
        QTest::newRow("authenticating") << int(wlan::Authenticating) << disconnected;
    }

    void checkWlanState()
    {
        QFETCH(int, state);
        QFETCH(QStringList, expected);
        addAdapters(1);
        sim->addNetwork(securedNetwork("Home", "secret123"));
        sim->addStoredProfile(0, ProfileXml::securedProfile("Home profile", "Home", 7, 4, "secret123", false, true).toStdU16String());
        start();
        if (state == wlan::Connected)
            sim->setConnected(0, u"Home profile");
        else
            sim->setAdapterState(0, state);
        engine->checkWlanState(0);
        rec->flush();
        QCOMPARE(rec->names(), expected);
        if (state == wlan::Connected) {
            const ConnectionData data = rec->lastArguments("connectedState").value(0).value<ConnectionData>();
            QCOMPARE(QStringList({data.ssid, data.profileName, QString::number(data.state)}),
                     QStringList({"Home", "Home profile", "2"}));
        }
    }

    void checkWlanStateFailures()
    {
        addAdapters(1);
        sim->addNetwork(openNetwork("Cafe"));
        sim->addStoredProfile(0, openProfileXml("Cafe"));
        sim->setConnected(0, u"Cafe");
        start();
        sim->failCall(Sim::Call::EnumInterfaces, wlan::InvalidHandle);
        engine->checkWlanState(0);
        sim->failCall(Sim::Call::QueryCurrentConnection, wlan::InvalidState);
        engine->checkWlanState(0);
        rec->flush();
        QCOMPARE(rec->names(), QStringList({"wlanStateDisconnected", "wlanStateDisconnected"}));

        // Out of range: the operating system dropped the connection without a word.
        rec->clear();
        sim->setNetworkInRange("Cafe", false);
        settle();
        QCOMPARE(rec->names(), QStringList());
        engine->checkWlanState(0);
        rec->flush();
        QCOMPARE(rec->names(), QStringList{"wlanStateDisconnected"});
    }
};

QTEST_GUILESS_MAIN(TestWirelessConnect)
#include "tst_wirelessconnect.moc"
