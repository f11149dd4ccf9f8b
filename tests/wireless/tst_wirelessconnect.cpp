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

wlan::Guid makeGuid(uint32_t n)
{
    wlan::Guid g;
    g.data1 = 0x5A1E0000u + n;
    g.data2 = 0xBEEF;
    g.data3 = 0x4C0D;
    g.data4 = {0x8A, 0x01, 0x02, 0x03, 0xC4, 0xD5, 0xE6, static_cast<uint8_t>(n)};
    return g;
}

QString guidText(uint32_t n)
{
    return QStringLiteral("{%1-BEEF-4C0D-8A01-0203C4D5E6%2}")
        .arg(0x5A1E0000u + n, 8, 16, QLatin1Char('0'))
        .arg(n, 2, 16, QLatin1Char('0'))
        .toUpper();
}

Sim::Adapter makeAdapter(uint32_t n, int state = wlan::Disconnected)
{
    Sim::Adapter a;
    a.guid = makeGuid(n);
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

} // namespace

class TestWirelessConnect : public QObject
{
    Q_OBJECT

private:
    WirelessConnect *engine = nullptr;
    std::shared_ptr<Sim> sim;
    std::unique_ptr<SignalRecorder> rec;

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
        sim->waitForNotifications();
        rec->flush();
        sim->waitForNotifications();
        rec->flush();
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
    Sim::ParsedProfile stored(const QString &name, int adapter = 0) const
    {
        Sim::ParsedProfile parsed;
        uint32_t reason = 0;
        const std::u16string xml = sim->storedProfileXml(adapter, name.toStdU16String());
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
        QCOMPARE(engine->parent(), nullptr);
        QCOMPARE(QMetaType::type("_DOT11_AUTH_ALGORITHM") != QMetaType::UnknownType, true);
        QCOMPARE(QMetaType::type("_DOT11_CIPHER_ALGORITHM") != QMetaType::UnknownType, true);
    }

    // ---- discovery ----------------------------------------------------------------------------

    void discovery_data()
    {
        QTest::addColumn<int>("adapters");
        QTest::newRow("one") << 1;
        QTest::newRow("two") << 2;
        QTest::newRow("three") << 3;
    }

    void discovery()
    {
        QFETCH(int, adapters);
        for (int i = 0; i < adapters; ++i)
            sim->addAdapter(makeAdapter(static_cast<uint32_t>(i)));
        sim->addNetwork(securedNetwork("Home", "secret123"));

        engine->initWlan();
        rec->flush();

        QStringList expected;
        for (int i = 0; i < adapters; ++i)
            expected << "wirelessInterfaceData";
        expected << kListingTail;
        QCOMPARE(rec->names(), expected);

        const QList<QVariantList> emissions = rec->argumentsOf("wirelessInterfaceData");
        for (int e = 0; e < adapters; ++e) {
            const QVector<WirelessInterface> list = ifaceList(emissions.at(e).value(0));
            QCOMPARE(list.size(), e + 1);
            for (int i = 0; i <= e; ++i) {
                const WirelessInterface &r = list.at(i);
                QCOMPARE(r.index, i);
                QCOMPARE(r.activeIndex, 0);
                QCOMPARE(r.description, QStringLiteral("Wireless Adapter %1").arg(i));
                QCOMPARE(r.guid, guidText(0));
                QCOMPARE(r.type, QStringLiteral("Native WiFi"));
                QCOMPARE(r.state, 4);
                QCOMPARE(r.stateText, QStringLiteral("Not connected"));
                QCOMPARE(r.operationMode, QStringLiteral("Extensible Station"));
                QCOMPARE(r.bssType, QStringLiteral("Infrastructure"));
                QCOMPARE(r.autoConfiguration, QStringLiteral("True"));
            }
        }
        QCOMPARE(lastNetworks().size(), 1);
        QCOMPARE(lastNetworks().at(0).ssid, QStringLiteral("Home"));
    }

    void discoveryWithoutAdapters()
    {
        engine->initWlan();
        rec->flush();
        QCOMPARE(rec->names(), QStringList{"wirelessCardNotDetected"});
    }

    void discoveryWithoutService()
    {
        sim->addAdapter(makeAdapter(0));
        sim->setServiceAvailable(false);
        engine->initWlan();
        rec->flush();
        QCOMPARE(rec->names(), QStringList{"wirelessCardNotDetected"});
    }

    void discoveryEnumerationFails()
    {
        sim->addAdapter(makeAdapter(0));
        sim->failCall(Sim::Call::EnumInterfaces, wlan::InvalidHandle);
        engine->initWlan();
        rec->flush();
        QCOMPARE(rec->names(), QStringList{"wlanInterfacesError"});
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
        for (int i = 0; i < adapters; ++i)
            sim->addAdapter(makeAdapter(static_cast<uint32_t>(i)));
        sim->addNetwork(securedNetwork("Home", "secret123"));
        if (stored.isValid())
            writeSetting("AppSettings", "WlanIndex", stored);
        start();

        engine->manageWlanInterface(requested);
        rec->flush();
        QCOMPARE(rec->count("wirelessInterfaceData"), adapters);
        const QVector<WirelessInterface> list = ifaceList(rec->lastArguments("wirelessInterfaceData").value(0));
        QCOMPARE(list.size(), adapters);
        for (const WirelessInterface &r : list) {
            QCOMPARE(r.activeIndex, active);
            QCOMPARE(r.guid, guidText(static_cast<uint32_t>(active)));
        }
        QCOMPARE(rec->names().mid(adapters), kListingTail);
    }

    void activeIndexPastAdapters_data()
    {
        QTest::addColumn<int>("adapters");
        QTest::addColumn<int>("stored");     // -1: nothing stored
        QTest::addColumn<int>("requested");
        QTest::addColumn<int>("reported");
        QTest::newRow("stored index of a removed adapter") << 2 << 5 << 0 << 5;
        QTest::newRow("requested index past one adapter") << 1 << -1 << 3 << 3;
        QTest::newRow("negative stored index") << 2 << -7 << 0 << -7;
    }

    void activeIndexPastAdapters()
    {
        QFETCH(int, adapters);
        QFETCH(int, stored);
        QFETCH(int, requested);
        QFETCH(int, reported);
        for (int i = 0; i < adapters; ++i)
            sim->addAdapter(makeAdapter(static_cast<uint32_t>(i)));
        sim->addNetwork(openNetwork("Cafe"));
        if (stored != -1)
            writeSetting("AppSettings", "WlanIndex", stored);
        engine->initWlan();
        engine->manageWlanInterface(requested);
        rec->flush();
        const QStringList names = rec->names();
        QVERIFY2(!names.contains("wirelessInterfaceData") || stored == -1, qPrintable(names.join(',')));
        QCOMPARE(names.last(), QStringLiteral("removeInterface"));
        QCOMPARE(rec->lastArguments("removeInterface"), QVariantList{reported});
        QCOMPARE(sim->callCount(Sim::Call::QueryRadioState), stored == -1 ? 1 : 0);
    }

    void removedActiveAdapter()
    {
        sim->addAdapter(makeAdapter(0));
        sim->addAdapter(makeAdapter(1));
        sim->addNetwork(openNetwork("Cafe"));
        start();

        // Unplugged while it is still enumerated: the radio query is what notices.
        sim->failCall(Sim::Call::QueryRadioState, wlan::NdisDot11PowerStateInvalid);
        engine->manageWlanInterface(1);
        rec->flush();
        QCOMPARE(rec->names(), QStringList{"removeInterface"});
        QCOMPARE(rec->lastArguments("removeInterface"), QVariantList{1});

        // Gone from the enumeration altogether.
        rec->clear();
        sim->removeAdapter(1);
        engine->manageWlanInterface(1);
        rec->flush();
        QCOMPARE(rec->names(), QStringList{"removeInterface"});
        QCOMPARE(sim->callCount(Sim::Call::GetAvailableNetworkList), 1);
    }

    void failingDetailQueries_data()
    {
        QTest::addColumn<int>("call");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::newRow("guid") << int(Sim::Call::GuidToString) << "guid" << "Unknown";
        QTest::newRow("capability") << int(Sim::Call::GetInterfaceCapability) << "type" << "Unknown";
        QTest::newRow("operation mode") << int(Sim::Call::QueryOperationMode) << "operationMode" << "Error";
        QTest::newRow("bss type") << int(Sim::Call::QueryBssType) << "bssType" << "Error";
        QTest::newRow("auto configuration") << int(Sim::Call::QueryAutoConfEnabled) << "autoConfiguration" << "Error";
    }

    void failingDetailQueries()
    {
        QFETCH(int, call);
        QFETCH(QString, field);
        QFETCH(QString, text);
        sim->addAdapter(makeAdapter(0));
        sim->addAdapter(makeAdapter(1));
        sim->addNetwork(securedNetwork("Home", "secret123"));
        sim->failCall(static_cast<Sim::Call>(call), wlan::AccessDenied, -1);
        engine->initWlan();
        rec->flush();
        QCOMPARE(rec->names(), QStringList({"wirelessInterfaceData", "wirelessInterfaceData"}) + kListingTail);
        const QVector<WirelessInterface> list = ifaceList(rec->lastArguments("wirelessInterfaceData").value(0));
        QCOMPARE(list.size(), 2);
        for (const WirelessInterface &r : list) {
            const QMap<QString, QString> fields{{"guid", r.guid}, {"type", r.type}, {"operationMode", r.operationMode},
                                                {"bssType", r.bssType}, {"autoConfiguration", r.autoConfiguration}};
            for (auto it = fields.begin(); it != fields.end(); ++it)
                QCOMPARE(it.value() == text, it.key() == field);
            QCOMPARE(r.stateText, QStringLiteral("Not connected"));
        }
    }

    // ---- listing ------------------------------------------------------------------------------

    void sameSsidWithAndWithoutProfile()
    {
        // An open "Cafe" known through a profile and a secured "Cafe" that is not.
        sim->addAdapter(makeAdapter(0));
        sim->addNetwork(openNetwork("Cafe"));
        sim->addNetwork(securedNetwork("Cafe", "latte1234"));
        sim->addStoredProfile(0, openProfileXml("Cafe"));
        start();

        engine->setWirelessNetworks(0, false);
        rec->flush();
        QCOMPARE(rec->names(), kListingTail);
        const QVector<WirelessAP> networks = lastNetworks();
        const QVector<WirelessAP> profiles = lastProfiles();
        QCOMPARE(networks.size(), 1);
        QCOMPARE(profiles.size(), 1);
        QCOMPARE(networks.at(0).ssid, QStringLiteral("Cafe"));
        QCOMPARE(networks.at(0).profileName, QStringLiteral("Cafe"));
        QCOMPARE(networks.at(0).isSecured, true);
        QCOMPARE(networks.at(0).flags, 0);
        QCOMPARE(networks.at(0).flagsText, QStringLiteral("No profile"));
        QCOMPARE(profiles.at(0).ssid, QStringLiteral("Cafe"));
        QCOMPARE(profiles.at(0).isSecured, false);
        QCOMPARE(profiles.at(0).flags, 2);
        QCOMPARE(profiles.at(0).flagsText, QStringLiteral("Has profile"));
    }

    void perUserProfileIsListedAsNetwork()
    {
        sim->addAdapter(makeAdapter(0));
        sim->addNetwork(securedNetwork("Office", "officekey1"));
        QVERIFY(sim->addStoredProfile(
            0, ProfileXml::securedProfile("Office wifi", "Office", 7, 4, "officekey1", false, true).toStdU16String(), 2));
        start();
        engine->getWlanInRangeProfiles(0);
        engine->setWirelessNetworks(0, false);
        rec->flush();
        QCOMPARE(rec->names(), QStringList{"appProfileWlanData"} + kListingTail);
        QVERIFY(apList(rec->argumentsOf("appProfileWlanData").at(0).value(0)).isEmpty());
        QVERIFY(lastProfiles().isEmpty());
        QCOMPARE(lastNetworks().size(), 1);
        const WirelessAP office = lastNetworks().at(0);
        QCOMPARE(office.flags, 6);
        QCOMPARE(office.flagsText, QStringLiteral("Unknown (6)"));
        QCOMPARE(office.profileName, QStringLiteral("Office wifi"));
        QCOMPARE(office.ssid, QStringLiteral("Office"));
    }

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
        sim->addAdapter(makeAdapter(0));
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
            QCOMPARE(cafe->flags, 3);
            QCOMPARE(cafe->flagsText, QStringLiteral("Connected"));
            QCOMPARE(cafe->isSecured, false);
            QCOMPARE(cafe->connectionState, 2);
            QCOMPARE(cafe->connectionText, QStringLiteral("Yes"));
        }
    }

    void recordFields()
    {
        sim->addAdapter(makeAdapter(0));
        Sim::Network home = securedNetwork("Home", "secret123", 7, 4);
        home.signalQuality = 75;
        home.phyTypes = {8, 7};
        home.bss = {bssAt(2437000, 0x5E)};
        sim->addNetwork(home);
        Sim::Network dual = securedNetwork("Dual", "secret123", 6, 2);
        dual.signalQuality = 100;
        dual.bss = {bssAt(2412000, 0x01), bssAt(5180000, 0x02)};
        sim->addNetwork(dual);
        Sim::Network weak = openNetwork("Weak", 2472000);
        weak.signalQuality = 0;
        weak.connectable = false;
        weak.notConnectableReason = 0x28002;
        sim->addNetwork(weak);
        start();

        engine->setWirelessNetworks(0, false);
        rec->flush();
        const QVector<WirelessAP> list = lastNetworks();
        QCOMPARE(list.size(), 3);

        const std::optional<WirelessAP> h = find(list, "Home");
        QVERIFY(h);
        QCOMPARE(h->profileName, QStringLiteral("Home"));
        QCOMPARE(h->isHidden, false);
        QCOMPARE(h->signal, QStringLiteral("75% (-63 dBm)"));
        QCOMPARE(h->cipherText, QStringLiteral("AES (CCMP)"));
        QCOMPARE(h->cipherAlgorithm, 4);
        QCOMPARE(h->authText, QStringLiteral("WPA2-Personal (WPA2-PSK)"));
        QCOMPARE(h->authAlgorithm, 7);
        QCOMPARE(h->securityText, QStringLiteral("Yes"));
        QCOMPARE(h->isSecured, true);
        QCOMPARE(h->credentials, QStringLiteral("Required"));
        QCOMPARE(h->bssType, QStringLiteral("Infrastructure"));
        QCOMPARE(h->connectable, QStringLiteral("Yes"));
        QCOMPARE(h->bssidCount, QStringLiteral("1"));
        QVERIFY(h->notConnectableReason.endsWith(" (0)"));
        QCOMPARE(h->phyTypeCount, QStringLiteral("2"));
        QCOMPARE(h->phyType, QStringLiteral("802.11ac"));
        QCOMPARE(h->connectionState, 0);
        QCOMPARE(h->connectionText, QStringLiteral("No"));
        QCOMPARE(h->bssid, QStringLiteral("00:1A:2B:3C:4D:5E"));
        QCOMPARE(h->channel, QStringLiteral("6"));
        QCOMPARE(h->frequency, QStringLiteral("2437 MHz"));
        QCOMPARE(h->band, QStringLiteral("2.4 GHz"));

        const std::optional<WirelessAP> d = find(list, "Dual");
        QVERIFY(d);
        QCOMPARE(d->signal, QStringLiteral("100% (-50 dBm)"));
        QCOMPARE(d->credentials, QStringLiteral("Credentials"));
        QCOMPARE(d->bssidCount, QStringLiteral("2"));
        QCOMPARE(d->band, QStringLiteral("Dual-Band"));
        // The last BSS entry of the list is the one shown.
        QCOMPARE(d->bssid, QStringLiteral("00:1A:2B:3C:4D:02"));
        QCOMPARE(d->frequency, QStringLiteral("5180 MHz"));
        QCOMPARE(d->channel, QStringLiteral("36"));

        const std::optional<WirelessAP> w = find(list, "Weak");
        QVERIFY(w);
        QCOMPARE(w->signal, QStringLiteral("0% (-100 dBm)"));
        QCOMPARE(w->connectable, QStringLiteral("No"));
        QVERIFY(w->notConnectableReason.endsWith(QStringLiteral(" (%1)").arg(0x28002)));
        QCOMPARE(w->credentials, QStringLiteral("Not required"));
        QCOMPARE(w->channel, QStringLiteral("13"));
    }

    void connectionTestFollowsAdapterState_data()
    {
        QTest::addColumn<int>("state");
        QTest::addColumn<int>("expected");
        QTest::newRow("ad hoc") << int(wlan::AdHocNetworkFormed) << 4;
        QTest::newRow("disconnecting") << int(wlan::Disconnecting) << 0;
        QTest::newRow("disconnected") << int(wlan::Disconnected) << 0;
        QTest::newRow("associating") << int(wlan::Associating) << 4;
        QTest::newRow("discovering") << int(wlan::Discovering) << 4;
        QTest::newRow("authenticating") << int(wlan::Authenticating) << 0;
    }

    void connectionTestFollowsAdapterState()
    {
        QFETCH(int, state);
        QFETCH(int, expected);
        sim->addAdapter(makeAdapter(0, state));
        sim->addNetwork(openNetwork("Cafe"));
        engine->initWlan();
        rec->flush();
        const std::optional<WirelessAP> cafe = find(lastNetworks(), "Cafe");
        QVERIFY(cafe);
        QCOMPARE(cafe->connectionState, expected);
        QCOMPARE(cafe->connectionText, expected == 0 ? QStringLiteral("No") : QStringLiteral("Unknown"));
    }

    void connectionTestOnConnectedAdapter()
    {
        sim->addAdapter(makeAdapter(0));
        sim->addNetwork(openNetwork("Cafe"));
        sim->addNetwork(openNetwork("Bar"));
        sim->addStoredProfile(0, openProfileXml("Cafe"));
        sim->setConnected(0, u"Cafe");
        start();   // discovery reads the adapter as connected

        engine->setWirelessNetworks(0, false);
        rec->flush();
        QCOMPARE(find(lastProfiles(), "Cafe")->connectionState, 2);
        QCOMPARE(find(lastNetworks(), "Bar")->connectionState, 0);

        rec->clear();
        sim->failCall(Sim::Call::QueryCurrentConnection, wlan::InvalidState, -1);
        engine->setWirelessNetworks(0, false);
        rec->flush();
        QCOMPARE(find(lastNetworks(), "Bar")->connectionState, 4);
        QCOMPARE(find(lastNetworks(), "Bar")->connectionText, QStringLiteral("Unknown"));
    }

    void hiddenNetwork()
    {
        sim->addAdapter(makeAdapter(0));
        Sim::Network hidden = securedNetwork("Secret", "hiddenkey1");
        hidden.hidden = true;
        sim->addNetwork(hidden);
        start();
        engine->setWirelessNetworks(0, false);
        rec->flush();
        QCOMPARE(lastNetworks().size(), 1);
        const WirelessAP ap = lastNetworks().at(0);
        QCOMPARE(ap.profileName, QStringLiteral("Hidden network"));
        QCOMPARE(ap.ssid, QStringLiteral("Hidden network"));
        QCOMPARE(ap.isHidden, true);
        QCOMPARE(ap.connectionState, 0);
    }

    void listingFailures_data()
    {
        QTest::addColumn<int>("call");
        QTest::addColumn<bool>("scanning");
        QTest::addColumn<QString>("status");
        QTest::newRow("enumeration") << int(Sim::Call::EnumInterfaces) << false << "wlanInterfacesError";
        QTest::newRow("enumeration, scanning") << int(Sim::Call::EnumInterfaces) << true << "wlanInterfacesError";
        QTest::newRow("network list") << int(Sim::Call::GetAvailableNetworkList) << false << "wlanAvailableNetworksError";
        QTest::newRow("network list, scanning") << int(Sim::Call::GetAvailableNetworkList) << true
                                                << "wlanAvailableNetworksError";
    }

    void listingFailures()
    {
        QFETCH(int, call);
        QFETCH(bool, scanning);
        QFETCH(QString, status);
        sim->addAdapter(makeAdapter(0));
        sim->addNetwork(openNetwork("Cafe"));
        start();
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
        sim->addAdapter(makeAdapter(0));
        sim->addNetwork(openNetwork("Cafe"));
        start();
        engine->setWirelessNetworks(1, false);
        engine->getWlanInRangeProfiles(4);
        engine->checkWlanState(1);
        engine->getWlanInRangeProfiles(-1);
        rec->flush();
        const QStringList expected = QStringList{"wlanAvailableNetworksError"} + kListingTail
            + QStringList{"wlanAvailableNetworksError", "wlanStateDisconnected", "wlanAvailableNetworksError"};
        QCOMPARE(rec->names(), expected);
        QVERIFY(lastNetworks().isEmpty());
    }

    void noNetworksInRange()
    {
        sim->addAdapter(makeAdapter(0));
        start();
        QCOMPARE(sim->callCount(Sim::Call::GetAvailableNetworkList), 1);
        engine->setWirelessNetworks(0, true);
        engine->getWlanInRangeProfiles(0);
        rec->flush();
        QCOMPARE(rec->names(), QStringList({"noWirelessAPAvailable", "networksScanCompleted"}) + kListingTail
                                   + QStringList{"noWirelessAPAvailable"});
    }

    void bssListFailure()
    {
        sim->addAdapter(makeAdapter(0));
        sim->addNetwork(securedNetwork("Home", "secret123"));
        Sim::Network nobss = securedNetwork("Ghost", "secret123");
        nobss.bss.clear();
        sim->addNetwork(nobss);
        start();

        sim->failCall(Sim::Call::GetNetworkBssList, wlan::NotFound, 1);
        engine->setWirelessNetworks(0, false);
        rec->flush();
        QCOMPARE(rec->names(), QStringList{"failedToGetNetworkInfo"} + kListingTail);
        QCOMPARE(rec->lastArguments("failedToGetNetworkInfo"), QVariantList{1168});
        const QVector<WirelessAP> list = lastNetworks();
        QCOMPARE(list.size(), 2);
        // The failed query leaves the fields empty; a network without BSS entries reads "Unknown".
        QCOMPARE(list.at(0).ssid, QStringLiteral("Home"));
        QCOMPARE(QStringList({list.at(0).bssid, list.at(0).channel, list.at(0).frequency, list.at(0).band}),
                 QStringList({"", "", "", ""}));
        QCOMPARE(list.at(1).ssid, QStringLiteral("Ghost"));
        QCOMPARE(QStringList({list.at(1).bssid, list.at(1).channel, list.at(1).frequency, list.at(1).band}),
                 QStringList({"Unknown", "Unknown", "Unknown", "Unknown"}));
    }

    void inRangeProfiles()
    {
        sim->addAdapter(makeAdapter(0));
        sim->addNetwork(openNetwork("Cafe"));
        sim->addNetwork(openNetwork("Bar"));
        start();
        engine->getWlanInRangeProfiles(0);
        rec->flush();
        QCOMPARE(rec->names(), QStringList{"appProfileWlanData"});
        QVERIFY(lastProfiles().isEmpty());

        rec->clear();
        sim->addStoredProfile(0, openProfileXml("Bar"));
        engine->getWlanInRangeProfiles(0);
        rec->flush();
        QCOMPARE(rec->names(), QStringList{"appProfileWlanData"});
        QCOMPARE(lastProfiles().size(), 1);
        QCOMPARE(lastProfiles().at(0).profileName, QStringLiteral("Bar"));
    }

    // ---- scans and notifications ----------------------------------------------------------------

    void scanProducesOneListing()
    {
        sim->addAdapter(makeAdapter(0));
        sim->addNetwork(securedNetwork("Home", "secret123"));
        start();

        engine->refreshNetworks(0);
        QVERIFY(rec->waitFor("wlanNetworksAdded"));
        settle();
        QCOMPARE(rec->names(), QStringList{"networksScanCompleted"} + kListingTail);
        QCOMPARE(sim->callCount(Sim::Call::Scan), 1);

        // Background scans after the listing are not answered.
        rec->clear();
        sim->triggerBackgroundScan();
        sim->triggerBackgroundScan();
        settle();
        QCOMPARE(rec->names(), QStringList());
    }

    void backgroundScansProduceNoListing()
    {
        sim->addAdapter(makeAdapter(0));
        sim->addNetwork(openNetwork("Cafe"));
        sim->addStoredProfile(0, openProfileXml("Cafe"));
        start();
        // Subscribed through a connection request; no scan was asked for.
        sim->setConnectDelay(50);
        engine->connectOpenAP("Cafe", "Cafe", DOT11_AUTH_ALGO_80211_OPEN, DOT11_CIPHER_ALGO_NONE, false, true, true);
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
        sim->addAdapter(makeAdapter(0));
        start();
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

    void failedScanReportsNothing()
    {
        sim->addAdapter(makeAdapter(0));
        start();
        sim->failScans(0x2800A);
        engine->refreshNetworks(0);
        settle();
        QCOMPARE(rec->names(), QStringList());
    }

    void scanAfterHandleClosed()
    {
        sim->addAdapter(makeAdapter(0));
        start();
        engine->setFreeWlanResources();
        engine->refreshNetworks(0);
        engine->setWirelessNetworks(0, false);
        rec->flush();
        QCOMPARE(rec->names(), QStringList({"refreshFailed", "wlanInterfacesError"}) + kListingTail);
        QCOMPARE(rec->lastArguments("refreshFailed"), QVariantList{int(wlan::InvalidHandle)});
    }

    void unregisterNotificationError()
    {
        sim->addAdapter(makeAdapter(0));
        start();
        engine->setWlanUnregisterNotification();
        sim->failCall(Sim::Call::RegisterNotification, wlan::AccessDenied);
        engine->setWlanUnregisterNotification();
        rec->flush();
        QCOMPARE(rec->names(), QStringList{"wlanUnregisterNotificationError"});
        QCOMPARE(rec->lastArguments("wlanUnregisterNotificationError"), QVariantList{int(wlan::AccessDenied)});
    }

    // ---- profiles and connections ---------------------------------------------------------------

    void openProfileOfCafe()
    {
        sim->addAdapter(makeAdapter(0));
        sim->addNetwork(openNetwork("Cafe"));
        start();
        subscribe();
        engine->connectOpenAP("Cafe", "Cafe", DOT11_AUTH_ALGO_80211_OPEN, DOT11_CIPHER_ALGO_NONE, false, false, true);
        QVERIFY(rec->waitFor("apConnectionComplete"));
        settle();
        QCOMPARE(rec->names(), QStringList({"apConnecting", "apConnectionComplete"}));

        const std::u16string xml = sim->storedProfileXml(0, u"Cafe");
        QCOMPARE(QString::fromStdU16String(xml),
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
        QTest::addColumn<bool>("succeeds");
        QTest::newRow("right key") << "secret123" << true;
        QTest::newRow("wrong key") << "wrong-key" << false;
    }

    void rightAndWrongKey()
    {
        QFETCH(QString, key);
        QFETCH(bool, succeeds);
        sim->addAdapter(makeAdapter(0));
        sim->addNetwork(securedNetwork("Home", "secret123"));
        start();
        subscribe();
        engine->connectSecuredAP("Home", "Home", DOT11_AUTH_ALGO_RSNA_PSK, DOT11_CIPHER_ALGO_CCMP, key, false, false,
                                 false);
        QVERIFY(rec->waitUntil([&] { return rec->count("apConnectionComplete") + rec->count("apConnectionFailed") > 0; }));
        settle();
        if (succeeds) {
            QCOMPARE(rec->names(), QStringList({"apConnecting", "apConnectionComplete"}));
            return;
        }
        QCOMPARE(rec->names(), QStringList({"apConnecting", "apConnectionFailed"}));
        const QString text = rec->lastArguments("apConnectionFailed").value(0).toString();
        const QRegularExpression shape(QStringLiteral("^Your security key/network name is not correct! "
                                                      "Error code: (\\d+)\nPlease try again\\.$"));
        const QRegularExpressionMatch m = shape.match(text);
        QVERIFY2(m.hasMatch(), qPrintable(text));
        QVERIFY(m.captured(1).toUInt() != 0);
        QVERIFY(!sim->storedProfileXml(0, u"Home").empty());   // the engine leaves the profile alone
        QCOMPARE(stored("Home").connectionMode, std::u16string(u"manual"));
    }

    void alreadyExistsIsRewritten()
    {
        sim->addAdapter(makeAdapter(0));
        sim->addNetwork(securedNetwork("Home", "secret123"));
        sim->addStoredProfile(0, ProfileXml::securedProfile("Home", "Home", 7, 4, "oldsecret", false, true)
                                     .toStdU16String());
        start();
        subscribe();
        sim->failCall(Sim::Call::SetProfile, wlan::AlreadyExists);
        engine->connectSecuredAP("Home", "Home", DOT11_AUTH_ALGO_RSNA_PSK, DOT11_CIPHER_ALGO_CCMP, "secret123", false,
                                 false, true);
        QVERIFY(rec->waitFor("apConnectionComplete"));
        QCOMPARE(sim->callCount(Sim::Call::SetProfile), 2);
        QCOMPARE(sim->callCount(Sim::Call::DeleteProfile), 1);
        QCOMPARE(stored("Home").keyMaterial, std::u16string(u"secret123"));

        // A deletion that fails ends the attempt with the deletion's error.
        rec->clear();
        sim->failCall(Sim::Call::SetProfile, wlan::AlreadyExists);
        sim->failCall(Sim::Call::DeleteProfile, wlan::AccessDenied);
        engine->connectOpenAP("Cafe", "Cafe", DOT11_AUTH_ALGO_80211_OPEN, DOT11_CIPHER_ALGO_NONE, false, false, true);
        settle();
        QCOMPARE(rec->names(), QStringList{"apNotConnected"});
        QCOMPARE(rec->lastArguments("apNotConnected"), QVariantList{int(wlan::AccessDenied)});
        QCOMPARE(sim->callCount(Sim::Call::Connect), 1);
    }

    void wpa3FallsBackToWpa2Once()
    {
        sim->addAdapter(makeAdapter(0));
        sim->setAdapterSupportsWpa3(0, false);
        sim->addNetwork(securedNetwork("Modern", "modernkey1", 9, 4));
        start();
        subscribe();
        engine->connectSecuredAP("Modern", "Modern", kWpa3Sae, DOT11_CIPHER_ALGO_CCMP, "modernkey1",
                                 false, false, true);
        QVERIFY(rec->waitFor("apConnectionComplete"));
        QCOMPARE(sim->callCount(Sim::Call::SetProfile), 2);
        QCOMPARE(stored("Modern").authentication, std::u16string(u"WPA2PSK"));
        QCOMPARE(stored("Modern").keyMaterial, std::u16string(u"modernkey1"));

        // The rewrite after "already exists" keeps WPA3 and is not retried as WPA2.
        rec->clear();
        sim->failCall(Sim::Call::SetProfile, wlan::AlreadyExists);
        engine->connectSecuredAP("Modern", "Modern", kWpa3Sae, DOT11_CIPHER_ALGO_CCMP, "modernkey1",
                                 false, false, true);
        settle();
        QCOMPARE(rec->names(), QStringList{"apNotConnected"});
        QCOMPARE(rec->lastArguments("apNotConnected"), QVariantList{int(wlan::NoMatch)});
        QCOMPARE(sim->callCount(Sim::Call::SetProfile), 4);

        // 1169 without the WPA3 reason (or for another algorithm) is final.
        rec->clear();
        sim->setAdapterSupportsWpa3(0, true);
        sim->failCall(Sim::Call::SetProfile, wlan::NoMatch);
        engine->connectSecuredAP("Modern", "Modern", kWpa3Sae, DOT11_CIPHER_ALGO_CCMP, "modernkey1",
                                 false, false, true);
        settle();
        QCOMPARE(rec->names(), QStringList{"apNotConnected"});
        QCOMPARE(rec->lastArguments("apNotConnected"), QVariantList{int(wlan::NoMatch)});
        QCOMPARE(sim->callCount(Sim::Call::SetProfile), 5);
    }

    void connectRefusals()
    {
        sim->addAdapter(makeAdapter(0));
        sim->addNetwork(openNetwork("Cafe"));
        sim->addNetwork(securedNetwork("Old", "sharedkey", 2, 257));
        start();

        // A saved profile that is not there.
        engine->connectOpenAP("Gone", "Gone", DOT11_AUTH_ALGO_80211_OPEN, DOT11_CIPHER_ALGO_NONE, false, true, true);
        // Shared-key authentication has no keyword the service accepts.
        engine->connectSecuredAP("Old", "Old", DOT11_AUTH_ALGO_80211_SHARED_KEY, DOT11_CIPHER_ALGO_WEP, "sharedkey",
                                 false, false, true);
        // The connect call itself refused.
        sim->failCall(Sim::Call::Connect, wlan::InvalidState);
        engine->connectOpenAP("Cafe", "Cafe", DOT11_AUTH_ALGO_80211_OPEN, DOT11_CIPHER_ALGO_NONE, false, false, true);
        settle();
        QCOMPARE(rec->names(), QStringList({"apNotConnected", "apNotConnected", "apNotConnected"}));
        const QList<QVariantList> codes = rec->argumentsOf("apNotConnected");
        QCOMPARE(codes.at(0), QVariantList{1168});
        QVERIFY(codes.at(1).value(0).toInt() != 0);
        QCOMPARE(codes.at(2), QVariantList{int(wlan::InvalidState)});
        QVERIFY(sim->storedProfileXml(0, u"Cafe").size() > 0);   // written, not removed by the engine
    }

    void specialCharactersInNameAndKey()
    {
        const std::string ssid = "Tom & Jerry's <5G>";
        sim->addAdapter(makeAdapter(0));
        Sim::Network tj = securedNetwork(ssid, "p&ss<word>");
        tj.bss = {bssAt(5180000, 0x10)};
        sim->addNetwork(tj);
        start();
        subscribe();

        engine->setWirelessNetworks(0, false);
        rec->flush();
        const std::optional<WirelessAP> listed = find(lastNetworks(), QString::fromStdString(ssid));
        QVERIFY(listed);
        QCOMPARE(listed->band, QStringLiteral("5.0 GHz"));

        rec->clear();
        engine->connectSecuredAP(listed->profileName, listed->ssid, DOT11_AUTH_ALGO_RSNA_PSK, DOT11_CIPHER_ALGO_CCMP,
                                 "p&ss<word>", false, false, true);
        QVERIFY(rec->waitUntil([&] { return rec->count("apConnectionComplete") + rec->count("apNotConnected")
                                            + rec->count("apConnectionFailed") > 0; }));
        settle();
        QCOMPARE(rec->names(), QStringList({"apConnecting", "apConnectionComplete"}));
        const Sim::ParsedProfile p = stored(QString::fromStdString(ssid));
        QCOMPARE(QString::fromStdU16String(p.name), QString::fromStdString(ssid));
        QCOMPARE(QString::fromStdU16String(p.ssidName), QString::fromStdString(ssid));
        QCOMPARE(p.ssidBytes, ssid);
        QCOMPARE(QString::fromStdU16String(p.keyMaterial), QStringLiteral("p&ss<word>"));
        QVERIFY(QString::fromStdU16String(sim->storedProfileXml(0, u"Tom & Jerry's <5G>")).contains("&amp;"));
    }

    void ssidThatIsNotUtf8()
    {
        const std::string raw("\xFF\xFE" "Caf\xE9", 6);
        sim->addAdapter(makeAdapter(0));
        sim->addNetwork(openNetwork(raw));
        start();
        subscribe();
        engine->setWirelessNetworks(0, false);
        rec->flush();
        QCOMPARE(lastNetworks().size(), 1);
        const WirelessAP ap = lastNetworks().at(0);
        const QString decoded = QString::fromUtf8(raw.data(), int(raw.size()));
        QCOMPARE(ap.ssid, decoded);
        QVERIFY(ap.ssid.contains(QChar(QChar::ReplacementCharacter)));
        QCOMPARE(ap.profileName, ap.ssid);
        QCOMPARE(ap.isHidden, false);
        QCOMPARE(ap.channel, QStringLiteral("6"));   // the BSS query used the raw bytes

        // The decoded text no longer names the network: the profile carries the replacement
        // characters' UTF-8, so the attempt is accepted but cannot succeed.
        rec->clear();
        engine->connectOpenAP(ap.profileName, ap.ssid, DOT11_AUTH_ALGO_80211_OPEN, DOT11_CIPHER_ALGO_NONE, false,
                              false, true);
        QVERIFY(rec->waitUntil([&] { return rec->count("apConnectionComplete") + rec->count("apNotConnected")
                                            + rec->count("apConnectionFailed") > 0; }));
        settle();
        QCOMPARE(rec->names(), QStringList({"apConnecting", "apConnectionFailed"}));
        QVERIFY(rec->lastArguments("apConnectionFailed").value(0).toString().contains(
            QStringLiteral("Error code: %1\n").arg(0x2800B)));   // network not available
        QVERIFY(sim->connectedProfile(0).empty());
        const Sim::ParsedProfile written = stored(ap.profileName);
        QCOMPARE(written.ssidHex, std::string("EFBFBDEFBFBD436166EFBFBD"));
    }

    void disconnect()
    {
        sim->addAdapter(makeAdapter(0));
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
        sim->addAdapter(makeAdapter(0));
        sim->addNetwork(securedNetwork("Home", "secret123"));
        start();
        subscribe();
        sim->setConnectDelay(300);
        engine->connectSecuredAP("Home", "Home", DOT11_AUTH_ALGO_RSNA_PSK, DOT11_CIPHER_ALGO_CCMP, "secret123", false,
                                 false, true);
        QVERIFY(rec->waitFor("apConnecting"));
        if (failing >= 0)
            sim->failCall(static_cast<Sim::Call>(failing), wlan::AccessDenied);
        engine->cancelAP();
        QTest::qWait(400);
        settle();
        const QStringList names = rec->names();
        QCOMPARE(names.first(), QStringLiteral("apConnecting"));
        QCOMPARE(rec->count("apCanceled"), failing < 0 ? 1 : 0);
        QCOMPARE(rec->count("apCancelFailed"), failing < 0 ? 0 : 1);
        if (failing >= 0)
            QCOMPARE(rec->lastArguments("apCancelFailed"), QVariantList{int(wlan::AccessDenied)});
        // A cancelled attempt may still report its own end before the subscription is gone, but
        // it never completes; one whose disconnect failed goes on.
        QCOMPARE(names.contains("apConnectionComplete"), failing == int(Sim::Call::Disconnect));
        QCOMPARE(sim->connectedProfile(0).empty(), failing != int(Sim::Call::Disconnect));
    }

    void noCompletionAfterUnregistering()
    {
        sim->addAdapter(makeAdapter(0));
        sim->addNetwork(securedNetwork("Home", "secret123"));
        start();
        sim->setConnectDelay(200);
        engine->connectSecuredAP("Home", "Home", DOT11_AUTH_ALGO_RSNA_PSK, DOT11_CIPHER_ALGO_CCMP, "secret123", false,
                                 false, true);
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
        QTest::newRow("missing, recover scan") << "Gone" << true << 0 << QStringList();
        QTest::newRow("refused") << "Cafe" << false << 5 << QStringList{"removeWlanProfileError"};
        QTest::newRow("refused, recover scan") << "Cafe" << true << 5 << QStringList{"removeWlanProfileError"};
    }

    void deleteProfile()
    {
        QFETCH(QString, profile);
        QFETCH(bool, recoverScan);
        QFETCH(int, error);
        QFETCH(QStringList, expected);
        sim->addAdapter(makeAdapter(0));
        sim->addStoredProfile(0, openProfileXml("Cafe"));
        start();
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
        sim->addAdapter(makeAdapter(0));
        sim->addStoredProfile(0, openProfileXml("Cafe"));
        start();
        engine->deleteFailedWlanProfile("Cafe");
        engine->deleteFailedWlanProfile("Cafe");
        sim->failCall(Sim::Call::DeleteProfile, wlan::AccessDenied);
        engine->deleteFailedWlanProfile("Cafe");
        rec->flush();
        QCOMPARE(rec->names(),
                 QStringList({"wlanFailedProfileRemoved", "wlanFailedProfileRemoved", "removeWlanProfileError"}));
        QCOMPARE(rec->lastArguments("removeWlanProfileError"), QVariantList{int(wlan::AccessDenied)});
        QVERIFY(sim->storedProfileNames(0).empty());
    }

    // ---- connection state -----------------------------------------------------------------------

    void checkWlanState_data()
    {
        QTest::addColumn<int>("state");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("not ready") << int(wlan::NotReady) << QStringList();
        QTest::newRow("connected") << int(wlan::Connected) << QStringList{"connectedState"};
        QTest::newRow("ad hoc") << int(wlan::AdHocNetworkFormed) << QStringList();
        QTest::newRow("disconnecting") << int(wlan::Disconnecting) << QStringList{"wlanStateDisconnected"};
        QTest::newRow("disconnected") << int(wlan::Disconnected) << QStringList{"wlanStateDisconnected"};
        QTest::newRow("associating") << int(wlan::Associating) << QStringList();
        QTest::newRow("discovering") << int(wlan::Discovering) << QStringList();
        QTest::newRow("authenticating") << int(wlan::Authenticating) << QStringList{"wlanStateDisconnected"};
    }

    void checkWlanState()
    {
        QFETCH(int, state);
        QFETCH(QStringList, expected);
        sim->addAdapter(makeAdapter(0));
        sim->addNetwork(securedNetwork("Home", "secret123"));
        sim->addStoredProfile(0, ProfileXml::securedProfile("Home profile", "Home", 7, 4, "secret123", false, true)
                                     .toStdU16String());
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
            QCOMPARE(data.ssid, QStringLiteral("Home"));
            QCOMPARE(data.profileName, QStringLiteral("Home profile"));
            QCOMPARE(data.state, 2);
        }
    }

    void checkWlanStateFailures()
    {
        sim->addAdapter(makeAdapter(0));
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
