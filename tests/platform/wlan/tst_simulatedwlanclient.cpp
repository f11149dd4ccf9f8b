#include "NotificationRecorder.h"

#include "platform/wlan/SimulatedWlanClient.h"

#include <QElapsedTimer>
#include <QStringList>
#include <QtTest>

#include <atomic>
#include <functional>

using namespace wlan;
using Sim = SimulatedWlanClient;

namespace {

Sim::Bss bss(uint8_t last, uint32_t frequencyKHz, int32_t rssi)
{
    Sim::Bss b;
    b.bssid = {0x3C, 0x84, 0x6A, 0x1F, 0x22, last};
    b.centerFrequencyKHz = frequencyKHz;
    b.rssi = rssi;
    return b;
}

Sim::Network network(const std::string &ssid, int auth, int cipher, const std::string &key = std::string(),
                     std::vector<Sim::Bss> entries = {})
{
    Sim::Network n;
    n.ssid = ssid;
    n.authAlgorithm = auth;
    n.cipherAlgorithm = cipher;
    n.securityEnabled = !(auth == 1 && cipher == 0);
    n.key = key;
    n.bss = std::move(entries);
    return n;
}

QString codes(const std::vector<uint32_t> &list)
{
    QStringList parts;
    for (uint32_t c : list)
        parts << QString::number(c);
    return parts.join(QLatin1Char(' '));
}

QString u(const std::u16string &s)
{
    return QString::fromStdU16String(s);
}

constexpr uint32_t PskMismatch = 0x48014;
constexpr uint32_t NetworkNotAvailable = 0x2800B;
constexpr uint32_t UserCancelled = 0x38001;

} // namespace

class TestSimulatedWlanClient : public QObject
{
    Q_OBJECT

    std::shared_ptr<Sim> sim;
    Handle handle = 0;
    Guid guid;
    NotificationRecorder recorder;

    void listenAll(uint32_t mask = SourceAcm | SourceMsm)
    {
        QCOMPARE(sim->registerNotification(handle, mask, false, &NotificationRecorder::callback, &recorder), 0u);
    }

    uint32_t connectWith(const QString &profile)
    {
        ConnectionParameters p;
        p.profile = profile.toStdU16String();
        return sim->connect(handle, guid, p);
    }

    int adapterState()
    {
        std::vector<InterfaceInfo> list;
        if (sim->enumInterfaces(handle, list) != 0 || list.empty())
            return -1;
        return list.front().state;
    }

    std::vector<AvailableNetwork> available()
    {
        std::vector<AvailableNetwork> list;
        const uint32_t r = sim->getAvailableNetworkList(handle, guid, 0, list);
        if (r != 0)
            qWarning("available list failed: %u", r);
        return list;
    }

    void addSecuredHome()
    {
        sim->addNetwork(network("Home", 7, 4, "correct-horse", {bss(0xA0, 2437000, -50)}));
        QVERIFY(sim->addStoredProfile(0, testProfileXml("Home", hexOf("Home"), "WPA2PSK", "AES", "correct-horse"), 0));
    }

private slots:
    void init()
    {
        sim = std::make_shared<Sim>();
        Sim::Adapter a;
        a.description = u"Intel(R) Wi-Fi 6E AX211 160MHz";
        sim->addAdapter(a);
        guid = sim->adapterGuid(0);
        uint32_t version = 0;
        QCOMPARE(sim->openHandle(2, &version, &handle), 0u);
        sim->waitForNotifications();
        recorder.clear();
    }

    void cleanup()
    {
        sim.reset();
    }

    // --- handles ----------------------------------------------------------------------------------

    void handlesAreDistinctAndNegotiateVersion2()
    {
        Handle second = 0;
        uint32_t version = 0;
        QCOMPARE(sim->openHandle(2, &version, &second), 0u);
        QCOMPARE(version, 2u);
        QVERIFY(handle != 0);
        QVERIFY(second != 0);
        QVERIFY(second != handle);
        QCOMPARE(sim->openHandle(3, &version, &second), uint32_t(InvalidParameter));
        QCOMPARE(sim->openHandle(2, &version, nullptr), uint32_t(InvalidParameter));
    }

    void unavailableServiceRefusesHandles()
    {
        sim->setServiceAvailable(false);
        Handle h = 0;
        uint32_t version = 0;
        QCOMPARE(sim->openHandle(2, &version, &h), uint32_t(ServiceNotActive));
        QCOMPARE(h, Handle(0));
        sim->setServiceAvailable(true);
        QCOMPARE(sim->openHandle(2, &version, &h), 0u);
    }

    void everyCallRefusesAClosedHandle_data()
    {
        QTest::addColumn<int>("call");
        const char *names[] = {"closeHandle", "enumInterfaces", "queryRadioState", "queryOperationMode",
                               "queryBssType", "queryAutoConfEnabled", "queryCurrentConnection",
                               "getInterfaceCapability", "scan", "getAvailableNetworkList", "getNetworkBssList",
                               "getProfile", "setProfile", "deleteProfile", "connect", "disconnect",
                               "registerNotification"};
        for (int i = 0; i < int(sizeof names / sizeof *names); ++i)
            QTest::newRow(names[i]) << i;
    }

    void everyCallRefusesAClosedHandle()
    {
        QFETCH(int, call);
        addSecuredHome();
        Handle closed = 0;
        uint32_t version = 0;
        QCOMPARE(sim->openHandle(2, &version, &closed), 0u);
        QCOMPARE(sim->closeHandle(closed), 0u);

        const std::vector<std::function<uint32_t(Handle)>> calls = {
            [&](Handle h) { return sim->closeHandle(h); },
            [&](Handle h) { std::vector<InterfaceInfo> l; return sim->enumInterfaces(h, l); },
            [&](Handle h) { bool a, b; return sim->queryRadioState(h, guid, a, b); },
            [&](Handle h) { uint32_t m; return sim->queryOperationMode(h, guid, m); },
            [&](Handle h) { int t; return sim->queryBssType(h, guid, t); },
            [&](Handle h) { bool e; return sim->queryAutoConfEnabled(h, guid, e); },
            [&](Handle h) { CurrentConnection c; return sim->queryCurrentConnection(h, guid, c); },
            [&](Handle h) { int t; return sim->getInterfaceCapability(h, guid, t); },
            [&](Handle h) { return sim->scan(h, guid); },
            [&](Handle h) { std::vector<AvailableNetwork> l; return sim->getAvailableNetworkList(h, guid, 0, l); },
            [&](Handle h) { std::vector<BssEntry> l; return sim->getNetworkBssList(h, guid, nullptr, 3, false, l); },
            [&](Handle h) { std::u16string x; return sim->getProfile(h, guid, u"Home", x); },
            [&](Handle h) { uint32_t r; return sim->setProfile(h, guid, 0, sim->storedProfileXml(0, u"Home"), true, r); },
            [&](Handle h) { return sim->deleteProfile(h, guid, u"Home"); },
            [&](Handle h) { ConnectionParameters p; p.profile = u"Home"; return sim->connect(h, guid, p); },
            [&](Handle h) { return sim->disconnect(h, guid); },
            [&](Handle h) { return sim->registerNotification(h, SourceAcm, false, &NotificationRecorder::callback, &recorder); },
        };
        QCOMPARE(calls.at(size_t(call))(closed), uint32_t(InvalidHandle));
        QCOMPARE(calls.at(size_t(call))(Handle(0xBADC0DE)), uint32_t(InvalidHandle));
        QCOMPARE(sim->storedProfileNames(0).size(), size_t(1));   // nothing happened through them
    }

    void closingAHandleEndsItsNotifications()
    {
        addSecuredHome();
        listenAll();
        QCOMPARE(sim->closeHandle(handle), 0u);
        uint32_t version = 0;
        Handle other = 0;
        QCOMPARE(sim->openHandle(2, &version, &other), 0u);
        ConnectionParameters p;
        p.profile = u"Home";
        QCOMPARE(sim->connect(other, guid, p), 0u);
        sim->waitForNotifications();
        QCOMPARE(recorder.size(), size_t(0));
    }

    // --- adapters ---------------------------------------------------------------------------------

    void enumerationAndQueriesReportTheAdapters()
    {
        Sim::Adapter usb;
        usb.description = u"TP-Link Archer T2U Plus Wireless USB Adapter";
        usb.guid = Guid{0x8D21E0B7, 0x4C39, 0x4F65, {0xA1, 0xD8, 0x2B, 0x7C, 0x93, 0xE4, 0xF0, 0x15}};
        usb.state = NotReady;
        usb.interfaceType = 2;
        usb.operationMode = OperationModeNetworkMonitor;
        usb.bssType = 3;
        usb.autoConfiguration = false;
        usb.radioSoftwareOn = false;
        QCOMPARE(sim->addAdapter(usb), 1);

        std::vector<InterfaceInfo> list;
        QCOMPARE(sim->enumInterfaces(handle, list), 0u);
        QCOMPARE(list.size(), size_t(2));
        QCOMPARE(u(list[0].description), QStringLiteral("Intel(R) Wi-Fi 6E AX211 160MHz"));
        QCOMPARE(list[0].state, int(Disconnected));
        QCOMPARE(u(list[1].description), QStringLiteral("TP-Link Archer T2U Plus Wireless USB Adapter"));
        QCOMPARE(list[1].state, int(NotReady));
        QVERIFY(list[1].guid == usb.guid);
        QVERIFY(list[0].guid != list[1].guid);

        bool software = true, hardware = false;
        QCOMPARE(sim->queryRadioState(handle, usb.guid, software, hardware), 0u);
        QVERIFY(!software);
        QVERIFY(hardware);
        uint32_t mode = 0;
        QCOMPARE(sim->queryOperationMode(handle, usb.guid, mode), 0u);
        QCOMPARE(mode, uint32_t(OperationModeNetworkMonitor));
        int bssType = 0;
        QCOMPARE(sim->queryBssType(handle, usb.guid, bssType), 0u);
        QCOMPARE(bssType, 3);
        bool autoConf = true;
        QCOMPARE(sim->queryAutoConfEnabled(handle, usb.guid, autoConf), 0u);
        QVERIFY(!autoConf);
        int type = 0;
        QCOMPARE(sim->getInterfaceCapability(handle, usb.guid, type), 0u);
        QCOMPARE(type, 2);
        CurrentConnection c;
        QCOMPARE(sim->queryCurrentConnection(handle, usb.guid, c), uint32_t(InvalidState));
    }

    void removedAdapterVanishesAndKeepsItsProfilesForLater()
    {
        addSecuredHome();
        listenAll();
        const Sim::Adapter removed = sim->adapter(0);
        sim->removeAdapter(0);
        std::vector<InterfaceInfo> list;
        QCOMPARE(sim->enumInterfaces(handle, list), 0u);
        QVERIFY(list.empty());
        QCOMPARE(sim->adapterCount(), 0);

        bool s = false, h = false;
        QCOMPARE(sim->queryRadioState(handle, guid, s, h), uint32_t(InvalidParameter));
        QCOMPARE(sim->scan(handle, guid), uint32_t(InvalidParameter));
        std::vector<AvailableNetwork> networks;
        QCOMPARE(sim->getAvailableNetworkList(handle, guid, 0, networks), uint32_t(InvalidParameter));
        QCOMPARE(connectWith("Home"), uint32_t(InvalidParameter));
        sim->waitForNotifications();
        QCOMPARE(codes(recorder.codes(SourceAcm)), QStringLiteral("14"));   // interface removal

        QCOMPARE(sim->addAdapter(removed), 0);
        QCOMPARE(sim->storedProfileNames(0).size(), size_t(1));
        QCOMPARE(sim->queryRadioState(handle, guid, s, h), 0u);
    }

    void textConversions()
    {
        std::u16string text;
        const Guid g{0x3F9A2C61, 0x7B4E, 0x4D2A, {0x9C, 0x1F, 0x5E, 0x8B, 0x0A, 0x6D, 0x7C, 0x42}};
        QCOMPARE(sim->guidToString(g, 39, text), 39);
        QCOMPARE(u(text), QStringLiteral("{3F9A2C61-7B4E-4D2A-9C1F-5E8B0A6D7C42}"));
        QCOMPARE(sim->guidToString(g, 38, text), 0);

        QCOMPARE(sim->reasonCodeToString(0, 256, text), 0u);
        QCOMPARE(u(text), QStringLiteral("The operation succeeds."));
        QCOMPARE(sim->reasonCodeToString(0, 5, text), 0u);
        QCOMPARE(u(text), QStringLiteral("The "));
        QCOMPARE(sim->reasonCodeToString(0, 0, text), uint32_t(InvalidParameter));

        QCOMPARE(sim->reasonCodeToString(0x4001E, 256, text), 0u);
        const QString wpa3 = u(text);
        QCOMPARE(sim->reasonCodeToString(PskMismatch, 256, text), 0u);
        const QString psk = u(text);
        QCOMPARE(sim->reasonCodeToString(0x7777777, 256, text), 0u);
        const QString unknown = u(text);
        QCOMPARE(sim->reasonCodeToString(0x7777778, 256, text), 0u);
        QCOMPARE(u(text), unknown);
        QVERIFY(!unknown.isEmpty());
        QVERIFY(wpa3 != unknown && psk != unknown && wpa3 != psk);
    }

    // --- failure injection ------------------------------------------------------------------------

    void injectedFailuresCountDown()
    {
        std::vector<InterfaceInfo> list;
        sim->failCall(Sim::Call::EnumInterfaces, 1234, 2);
        QCOMPARE(sim->enumInterfaces(handle, list), 1234u);
        QCOMPARE(sim->enumInterfaces(handle, list), 1234u);
        QCOMPARE(sim->enumInterfaces(handle, list), 0u);
        QCOMPARE(sim->callCount(Sim::Call::EnumInterfaces), 3);

        sim->failCall(Sim::Call::QueryRadioState, 0x80342002, -1);
        bool s, h;
        for (int i = 0; i < 5; ++i)
            QCOMPARE(sim->queryRadioState(handle, guid, s, h), 0x80342002u);
        sim->clearFailures();
        QCOMPARE(sim->queryRadioState(handle, guid, s, h), 0u);

        sim->failCall(Sim::Call::GuidToString, 1);
        std::u16string text;
        QCOMPARE(sim->guidToString(guid, 39, text), 0);
        QCOMPARE(sim->guidToString(guid, 39, text), 39);

        sim->failCall(Sim::Call::OpenHandle, 5);
        Handle other = 0;
        uint32_t version = 0;
        QCOMPARE(sim->openHandle(2, &version, &other), 5u);
    }

    void injectedFailureOfAsyncCallsSendsNothing()
    {
        addSecuredHome();
        listenAll();
        sim->failCall(Sim::Call::Scan, 0x80342002);
        QCOMPARE(sim->scan(handle, guid), 0x80342002u);
        sim->failCall(Sim::Call::Connect, 5023);
        QCOMPARE(connectWith("Home"), 5023u);
        sim->waitForNotifications();
        QCOMPARE(recorder.size(), size_t(0));
        QCOMPARE(sim->callCount(Sim::Call::Connect), 1);
    }

    // --- available networks -----------------------------------------------------------------------

    void availableListFlags()
    {
        sim->addNetwork(network("Cafe", 1, 0));
        sim->addNetwork(network("Twin", 1, 0));
        sim->addNetwork(network("Twin", 7, 4, "twin-secret"));
        Sim::Network marked = network("Marked", 7, 4, "marked-key");
        marked.extraFlags = NetworkConsoleUserProfile;
        sim->addNetwork(marked);
        Sim::Network away = network("Away", 1, 0);
        away.inRange = false;
        sim->addNetwork(away);
        QVERIFY(sim->addStoredProfile(0, testProfileXml("Twin secured", hexOf("Twin"), "WPA2PSK", "AES", "twin-secret"), 0));
        QVERIFY(sim->addStoredProfile(0, testProfileXml("Marked", hexOf("Marked"), "WPA2PSK", "AES", "marked-key"), 0));
        QVERIFY(sim->addStoredProfile(0, testProfileXml("Away", hexOf("Away"), "open", "none"), 0));

        const std::vector<AvailableNetwork> list = available();
        QStringList seen;
        for (const AvailableNetwork &n : list) {
            seen << QStringLiteral("%1|%2|%3|%4")
                        .arg(u(n.profileName), QString::fromStdString(n.ssid.toBytes()))
                        .arg(n.flags)
                        .arg(n.securityEnabled);
        }
        QCOMPARE(seen, QStringList({QStringLiteral("Twin secured|Twin|2|1"), QStringLiteral("Marked|Marked|6|1"),
                                    QStringLiteral("|Cafe|0|0"), QStringLiteral("|Twin|0|0")}));
    }

    void connectedAndPerUserProfilesAreFlagged()
    {
        addSecuredHome();
        QVERIFY(sim->addStoredProfile(0, testProfileXml("Home again", hexOf("Home"), "WPA2PSK", "AES", "correct-horse"), 0x2));
        sim->setConnected(0, u"HOME");
        const std::vector<AvailableNetwork> list = available();
        QCOMPARE(list.size(), size_t(2));
        QCOMPARE(u(list[0].profileName), QStringLiteral("Home"));
        QCOMPARE(list[0].flags, 3u);
        QCOMPARE(u(list[1].profileName), QStringLiteral("Home again"));
        QCOMPARE(list[1].flags, 6u);
        QCOMPARE(list[0].bssidCount, 1u);
        QCOMPARE(list[0].authAlgorithm, 7);
        QCOMPARE(list[0].cipherAlgorithm, 4);
        QCOMPARE(adapterState(), int(Connected));
    }

    void hiddenNetworksNeedANonBroadcastProfile()
    {
        Sim::Network attic = network("Attic", 7, 4, "under-the-roof", {bss(0x11, 2462000, -75)});
        attic.hidden = true;
        sim->addNetwork(attic);
        QVERIFY(sim->addStoredProfile(0, testProfileXml("Attic plain", hexOf("Attic"), "WPA2PSK", "AES", "under-the-roof"), 0));

        std::vector<AvailableNetwork> list = available();
        QCOMPARE(list.size(), size_t(1));
        QCOMPARE(list[0].ssid.length, 0u);
        QVERIFY(list[0].profileName.empty());
        QCOMPARE(list[0].flags, 0u);
        QVERIFY(list[0].securityEnabled);

        listenAll(SourceAcm);
        QCOMPARE(connectWith("Attic plain"), 0u);
        sim->waitForNotifications();
        QCOMPARE(recorder.first(SourceAcm, AcmConnectionComplete).reasonCode, NetworkNotAvailable);

        QVERIFY(sim->addStoredProfile(0, testProfileXml("Attic", hexOf("Attic"), "WPA2PSK", "AES", "under-the-roof", true), 0));
        list = available();
        QCOMPARE(list.size(), size_t(1));
        QCOMPARE(u(list[0].profileName), QStringLiteral("Attic"));
        QCOMPARE(QString::fromStdString(list[0].ssid.toBytes()), QStringLiteral("Attic"));
        QCOMPARE(list[0].flags, 2u);
    }

    void radioOffListsNothing()
    {
        sim->addNetwork(network("Cafe", 1, 0, std::string(), {bss(1, 2412000, -60)}));
        sim->setAdapterRadio(0, false, true);
        QVERIFY(available().empty());
        std::vector<BssEntry> entries;
        QCOMPARE(sim->getNetworkBssList(handle, guid, nullptr, 3, false, entries), uint32_t(NdisDot11PowerStateInvalid));
        QCOMPARE(sim->scan(handle, guid), uint32_t(NdisDot11PowerStateInvalid));
        QCOMPARE(connectWith("Cafe"), uint32_t(NdisDot11PowerStateInvalid));
    }

    void bssListsFollowTheNetwork()
    {
        sim->addNetwork(network("Harbor", 7, 4, "k", {bss(0xA0, 2437000, -48), bss(0xA4, 5180000, -54)}));
        sim->addNetwork(network("Harbor", 1, 0, std::string(), {bss(0xB0, 2412000, -70)}));
        Sim::Network hidden = network("Attic", 7, 4, "k", {bss(0x11, 2462000, -75)});
        hidden.hidden = true;
        sim->addNetwork(hidden);

        std::vector<BssEntry> entries;
        const Ssid harbor = Ssid::fromBytes("Harbor");
        QCOMPARE(sim->getNetworkBssList(handle, guid, &harbor, 1, true, entries), 0u);
        QCOMPARE(entries.size(), size_t(2));
        QCOMPARE(entries[0].centerFrequencyKHz, 2437000u);
        QCOMPARE(entries[1].centerFrequencyKHz, 5180000u);
        QCOMPARE(entries[1].bssid[5], uint8_t(0xA4));
        QCOMPARE(entries[1].rssi, -54);
        QCOMPARE(QString::fromStdString(entries[0].ssid.toBytes()), QStringLiteral("Harbor"));

        QCOMPARE(sim->getNetworkBssList(handle, guid, &harbor, 1, false, entries), 0u);
        QCOMPARE(entries.size(), size_t(1));
        QCOMPARE(entries[0].bssid[5], uint8_t(0xB0));

        const Ssid nobody = Ssid::fromBytes("Nobody");
        QCOMPARE(sim->getNetworkBssList(handle, guid, &nobody, 1, true, entries), 0u);
        QVERIFY(entries.empty());

        const Ssid empty;
        QCOMPARE(sim->getNetworkBssList(handle, guid, &empty, 1, true, entries), 0u);
        QCOMPARE(entries.size(), size_t(1));
        QCOMPARE(entries[0].ssid.length, 0u);

        QCOMPARE(sim->getNetworkBssList(handle, guid, nullptr, 3, false, entries), 0u);
        QCOMPARE(entries.size(), size_t(4));
        QCOMPARE(sim->getNetworkBssList(handle, guid, &harbor, 3, true, entries), uint32_t(InvalidParameter));
    }

    // --- connections ------------------------------------------------------------------------------

    void connectWithTheRightKey()
    {
        addSecuredHome();
        listenAll();
        sim->setConnectDelay(30);
        QCOMPARE(connectWith("home"), 0u);
        sim->waitForNotifications();

        QCOMPARE(codes(recorder.codes(SourceAcm)), QStringLiteral("9 10"));
        QCOMPARE(codes(recorder.codes(SourceMsm)), QStringLiteral("1 2 3 4"));
        const NotificationRecorder::Entry done = recorder.first(SourceAcm, AcmConnectionComplete);
        QVERIFY(done.hasConnectionData);
        QCOMPARE(done.reasonCode, 0u);
        QCOMPARE(u(done.profileName), QStringLiteral("Home"));
        QCOMPARE(QString::fromStdString(done.ssid), QStringLiteral("Home"));
        QVERIFY(done.iface == guid);

        QCOMPARE(adapterState(), int(Connected));
        CurrentConnection c;
        QCOMPARE(sim->queryCurrentConnection(handle, guid, c), 0u);
        QCOMPARE(u(c.profileName), QStringLiteral("Home"));
        QCOMPARE(QString::fromStdString(c.ssid.toBytes()), QStringLiteral("Home"));
        QCOMPARE(c.bssid[5], uint8_t(0xA0));
        QCOMPARE(available().front().flags, 3u);
    }

    void notificationsArriveOnTheServiceThread()
    {
        addSecuredHome();
        listenAll();
        QCOMPARE(connectWith("Home"), 0u);
        QCOMPARE(sim->scan(handle, guid), 0u);
        sim->waitForNotifications();
        const std::vector<NotificationRecorder::Entry> all = recorder.all();
        QVERIFY(all.size() >= 3);
        for (const NotificationRecorder::Entry &e : all) {
            QVERIFY(e.thread != std::this_thread::get_id());
            QVERIFY(e.thread == all.front().thread);
        }
    }

    void connectWithAWrongKey()
    {
        sim->addNetwork(network("Home", 7, 4, "correct-horse"));
        QVERIFY(sim->addStoredProfile(0, testProfileXml("Home", hexOf("Home"), "WPA2PSK", "AES", "battery-staple"), 0));
        listenAll();
        QCOMPARE(connectWith("Home"), 0u);
        sim->waitForNotifications();
        QCOMPARE(codes(recorder.codes(SourceAcm)), QStringLiteral("9 10 11"));
        QCOMPARE(recorder.first(SourceAcm, AcmConnectionComplete).reasonCode, PskMismatch);
        QCOMPARE(recorder.first(SourceAcm, AcmConnectionAttemptFail).reasonCode, PskMismatch);
        QCOMPARE(adapterState(), int(Disconnected));
        CurrentConnection c;
        QCOMPARE(sim->queryCurrentConnection(handle, guid, c), uint32_t(InvalidState));
    }

    void connectOutOfRange()
    {
        addSecuredHome();
        sim->setNetworkInRange("Home", false);
        listenAll(SourceAcm);
        QCOMPARE(connectWith("Home"), 0u);
        sim->waitForNotifications();
        QCOMPARE(codes(recorder.codes(SourceAcm)), QStringLiteral("9 10 11"));
        QCOMPARE(recorder.first(SourceAcm, AcmConnectionComplete).reasonCode, NetworkNotAvailable);
        QCOMPARE(adapterState(), int(Disconnected));
    }

    void openAndEnhancedOpenNetworksNeedNoKey()
    {
        sim->addNetwork(network("Cafe", 1, 0));
        sim->addNetwork(network("Transit", 10, 4));
        QVERIFY(sim->addStoredProfile(0, testProfileXml("Cafe", hexOf("Cafe"), "open", "none"), 0));
        QVERIFY(sim->addStoredProfile(0, testProfileXml("Transit", hexOf("Transit"), "OWE", "AES"), 0));
        listenAll(SourceAcm);
        QCOMPARE(connectWith("Cafe"), 0u);
        sim->waitForNotifications();
        QCOMPARE(recorder.first(SourceAcm, AcmConnectionComplete).reasonCode, 0u);
        recorder.clear();
        QCOMPARE(connectWith("Transit"), 0u);
        sim->waitForNotifications();
        QCOMPARE(codes(recorder.codes(SourceAcm)), QStringLiteral("20 21 9 10"));
        QCOMPARE(recorder.first(SourceAcm, AcmConnectionComplete).reasonCode, 0u);
        QCOMPARE(u(sim->connectedProfile(0)), QStringLiteral("Transit"));
    }

    void refusedConnectRequests()
    {
        addSecuredHome();
        listenAll();
        QCOMPARE(connectWith("Nowhere"), uint32_t(NotFound));
        ConnectionParameters discovery;
        discovery.connectionMode = 2;
        QCOMPARE(sim->connect(handle, guid, discovery), uint32_t(InvalidParameter));
        sim->setAdapterState(0, NotReady);
        QCOMPARE(connectWith("Home"), uint32_t(InvalidState));
        sim->waitForNotifications();
        QCOMPARE(recorder.size(), size_t(0));
    }

    void aSecondConnectReplacesTheFirst()
    {
        addSecuredHome();
        sim->addNetwork(network("Cafe", 1, 0));
        QVERIFY(sim->addStoredProfile(0, testProfileXml("Cafe", hexOf("Cafe"), "open", "none"), 0));
        listenAll(SourceAcm);
        sim->setConnectDelay(5000);
        QElapsedTimer timer;
        timer.start();
        QCOMPARE(connectWith("Home"), 0u);
        sim->setConnectDelay(10);
        QCOMPARE(connectWith("Cafe"), 0u);
        sim->waitForNotifications();
        QVERIFY(timer.elapsed() < 4000);
        QCOMPARE(codes(recorder.codes(SourceAcm)), QStringLiteral("9 9 10"));
        const std::vector<NotificationRecorder::Entry> all = recorder.all();
        QCOMPARE(u(all[0].profileName), QStringLiteral("Home"));
        QCOMPARE(u(all[1].profileName), QStringLiteral("Cafe"));
        QCOMPARE(u(all[2].profileName), QStringLiteral("Cafe"));
        QCOMPARE(u(sim->connectedProfile(0)), QStringLiteral("Cafe"));
    }

    void disconnectEndsTheConnection()
    {
        addSecuredHome();
        sim->setConnected(0, u"Home");
        listenAll(SourceAcm);
        QCOMPARE(sim->disconnect(handle, guid), 0u);
        QCOMPARE(adapterState(), int(Disconnected));
        sim->waitForNotifications();
        QCOMPARE(codes(recorder.codes(SourceAcm)), QStringLiteral("20 21"));
        QCOMPARE(u(recorder.first(SourceAcm, AcmDisconnected).profileName), QStringLiteral("Home"));
        QCOMPARE(available().front().flags, 2u);

        recorder.clear();
        QCOMPARE(sim->disconnect(handle, guid), 0u);
        sim->waitForNotifications();
        QCOMPARE(recorder.size(), size_t(0));
    }

    void disconnectCancelsAPendingAttempt()
    {
        addSecuredHome();
        listenAll(SourceAcm);
        sim->setConnectDelay(5000);
        QElapsedTimer timer;
        timer.start();
        QCOMPARE(connectWith("Home"), 0u);
        QCOMPARE(adapterState(), int(Associating));
        QCOMPARE(sim->disconnect(handle, guid), 0u);
        sim->waitForNotifications();
        QVERIFY(timer.elapsed() < 4000);
        QCOMPARE(codes(recorder.codes(SourceAcm)), QStringLiteral("9 10 21"));
        QCOMPARE(recorder.first(SourceAcm, AcmConnectionComplete).reasonCode, UserCancelled);
        QCOMPARE(adapterState(), int(Disconnected));
        QVERIFY(sim->connectedProfile(0).empty());
    }

    void nothingArrivesAfterUnregistering()
    {
        addSecuredHome();
        sim->setConnectDelay(5000);
        listenAll(SourceAcm);
        QCOMPARE(connectWith("Home"), 0u);
        QCOMPARE(sim->disconnect(handle, guid), 0u);
        QCOMPARE(sim->registerNotification(handle, SourceNone, false, nullptr, nullptr), 0u);
        const size_t atUnregistering = recorder.size();
        sim->waitForNotifications();
        QCOMPARE(recorder.size(), atUnregistering);
        sim->setConnectDelay(0);
        QCOMPARE(connectWith("Home"), 0u);
        sim->waitForNotifications();
        QCOMPARE(recorder.size(), atUnregistering);
    }

    void registrationsFilterAndReplace()
    {
        addSecuredHome();
        NotificationRecorder second;
        listenAll(SourceAcm);
        QCOMPARE(connectWith("Home"), 0u);
        sim->waitForNotifications();
        QVERIFY(recorder.codes(SourceMsm).empty());
        QCOMPARE(codes(recorder.codes(SourceAcm)), QStringLiteral("9 10"));

        QCOMPARE(sim->registerNotification(handle, SourceMsm, false, &NotificationRecorder::callback, &second), 0u);
        recorder.clear();
        QCOMPARE(sim->disconnect(handle, guid), 0u);
        sim->waitForNotifications();
        QCOMPARE(recorder.size(), size_t(0));
        QCOMPARE(codes(second.codes(SourceMsm)), QStringLiteral("9 10"));
        QVERIFY(second.codes(SourceAcm).empty());

        QCOMPARE(sim->registerNotification(handle, SourceNone, false, nullptr, nullptr), 0u);
        second.clear();
        QCOMPARE(connectWith("Home"), 0u);
        sim->waitForNotifications();
        QCOMPARE(second.size(), size_t(0));
    }

    void leavingRangeDropsTheConnection()
    {
        addSecuredHome();
        sim->setConnected(0, u"Home");
        listenAll(SourceAcm);
        sim->setNetworkInRange("Home", false);
        sim->waitForNotifications();
        QCOMPARE(codes(recorder.codes(SourceAcm)), QStringLiteral("21"));
        QCOMPARE(adapterState(), int(Disconnected));
        QVERIFY(available().empty());
    }

    void deletingTheConnectedProfileDisconnects()
    {
        addSecuredHome();
        sim->setConnected(0, u"Home");
        listenAll(SourceAcm);
        QCOMPARE(sim->deleteProfile(handle, guid, u"HOME"), 0u);
        sim->waitForNotifications();
        QCOMPARE(codes(recorder.codes(SourceAcm)), QStringLiteral("21"));
        QCOMPARE(adapterState(), int(Disconnected));
        QCOMPARE(sim->deleteProfile(handle, guid, u"Home"), uint32_t(NotFound));
    }

    // --- scans ------------------------------------------------------------------------------------

    void scanCompletesAfterItsDelay()
    {
        listenAll(SourceAcm);
        sim->setScanDelay(20);
        QCOMPARE(sim->scan(handle, guid), 0u);
        sim->waitForNotifications();
        QCOMPARE(codes(recorder.codes(SourceAcm)), QStringLiteral("7"));
        QVERIFY(recorder.first(SourceAcm, AcmScanComplete).iface == guid);

        recorder.clear();
        sim->failScans(0x2800A);
        QCOMPARE(sim->scan(handle, guid), 0u);
        QCOMPARE(sim->scan(handle, guid), 0u);
        sim->waitForNotifications();
        QCOMPARE(codes(recorder.codes(SourceAcm)), QStringLiteral("8 7"));
        QCOMPARE(recorder.first(SourceAcm, AcmScanFail).reasonCode, 0x2800Au);
    }

    void backgroundScansNobodyAskedFor()
    {
        Sim::Adapter second;
        second.description = u"USB";
        sim->addAdapter(second);
        sim->waitForNotifications();
        listenAll(SourceAcm);
        sim->triggerBackgroundScan();
        sim->waitForNotifications();
        QCOMPARE(codes(recorder.codes(SourceAcm)), QStringLiteral("7 7"));

        recorder.clear();
        sim->setBackgroundScanInterval(15);
        QTRY_VERIFY_WITH_TIMEOUT(recorder.codes(SourceAcm).size() >= 4, 5000);
        sim->setBackgroundScanInterval(0);
        sim->waitForNotifications();
        const size_t settled = recorder.size();
        sim->triggerBackgroundScan();
        sim->waitForNotifications();
        QCOMPARE(recorder.size(), settled + 2);
    }

    // --- callbacks calling back -------------------------------------------------------------------

    void callbacksMayCallTheService()
    {
        addSecuredHome();
        struct Context {
            Sim *sim;
            Handle handle;
            Guid guid;
            std::atomic<int> listed{0};
            std::atomic<bool> reRegistered{false};
        } context{sim.get(), handle, guid};
        auto callback = [](const Notification *n, void *ctx) {
            auto *c = static_cast<Context *>(ctx);
            if (n->code != AcmScanComplete)
                return;
            std::vector<AvailableNetwork> list;
            if (c->sim->getAvailableNetworkList(c->handle, c->guid, 0, list) == 0)
                c->listed = int(list.size());
            c->sim->waitForNotifications();
            c->sim->addNetwork(network("Added from callback", 1, 0));
            c->reRegistered = c->sim->registerNotification(c->handle, SourceNone, false, nullptr, nullptr) == 0;
        };
        QCOMPARE(sim->registerNotification(handle, SourceAcm, false, callback, &context), 0u);
        QCOMPARE(sim->scan(handle, guid), 0u);
        sim->waitForNotifications();
        QCOMPARE(context.listed.load(), 1);
        QVERIFY(context.reRegistered.load());
        QCOMPARE(available().size(), size_t(2));
    }

    void destroyingWithPendingWorkDoesNotWait()
    {
        addSecuredHome();
        listenAll();
        sim->setConnectDelay(60000);
        sim->setBackgroundScanInterval(60000);
        QCOMPARE(connectWith("Home"), 0u);
        QElapsedTimer timer;
        timer.start();
        sim.reset();
        QVERIFY(timer.elapsed() < 3000);
    }
};

QTEST_GUILESS_MAIN(TestSimulatedWlanClient)
#include "tst_simulatedwlanclient.moc"
