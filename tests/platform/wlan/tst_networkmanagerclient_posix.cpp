#include <QtTest>

#include "NetworkManagerMock.h"
#include "core/SignalRecorder.h"
#include "core/TestSettings.h"

#include "platform/wlan/NetworkManagerWlanClient_posix.h"
#include "platform/wlan/WlanClientProvider.h"
#include "wireless/WirelessConnect.h"

#include <QDBusArgument>

#include <atomic>

using testsupport::NetworkManagerMock;
using testsupport::SignalRecorder;
using Settings = QMap<QString, QVariantMap>;

namespace {

const QByteArray kNotUtf8("\xFF\xFE" "Caf\xE9", 6);
const QString kDeviceAddress = QStringLiteral("02:00:00:00:00:01");
constexpr uint kPsk = 0x100;

QVector<WirelessAP> apList(const QVariant &v) { return v.value<QVector<WirelessAP>>(); }

QString shown(const WirelessAP &ap)
{
    return QStringList{ap.profileName, ap.flagsText, ap.signal, ap.authText, ap.cipherText, ap.connectionText,
                       ap.bssidCount, ap.bssid, ap.channel, ap.frequency, ap.band}
        .join(QLatin1Char('|'));
}

std::atomic<int> completions{0};
void countCompletions(const wlan::Notification *n, void *)
{
    if (n && n->code == wlan::AcmConnectionComplete)
        completions.fetch_add(1);
}

} // namespace

class TestNetworkManagerClient : public QObject
{
    Q_OBJECT

private:
    NetworkManagerMock nm;
    QString dev;
    WirelessConnect *engine = nullptr;
    std::shared_ptr<wlan::NetworkManagerWlanClient> client;
    std::unique_ptr<SignalRecorder> rec;

    QString addAp(const QByteArray &ssid, uint mhz = 2437, uchar strength = 80, uint security = 0, int n = 0)
    {
        return nm.addAccessPoint(dev, QStringLiteral("ap%1").arg(qHash(ssid) + uint(n)), ssid,
                                 QStringLiteral("00:1A:2B:3C:4D:%1").arg(0x50 + n, 2, 16, QLatin1Char('0')).toUpper(), mhz,
                                 strength, security);
    }
    void start()
    {
        engine->initWlan();
        rec->flush();
        QVERIFY2(rec->count("wirelessInterfaceData") == 1, qPrintable(rec->names().join(',')));
        rec->clear();
    }
    // A subscription (a finished scan) before a connect: nothing the service reports while the
    // connect call runs slips past, and the lists of that scan are at hand.
    void subscribe()
    {
        rec->clear();
        engine->refreshNetworks(0);
        QVERIFY(rec->waitFor("wlanNetworksAdded"));   // the scan ends when the device's LastScan changes
        QVERIFY(rec->names().contains("networksScanCompleted"));
    }
    void list()
    {
        rec->clear();
        engine->setWirelessNetworks(0, false);
        rec->flush();
    }
    QVector<WirelessAP> last(const char *signal) const { return apList(rec->lastArguments(signal).value(0)); }
    void connectTo(const QString &name, const QString &key, bool profileExists = false)
    {
        if (key.isEmpty())
            engine->connectOpenAP(name, name, DOT11_AUTH_ALGO_80211_OPEN, DOT11_CIPHER_ALGO_NONE, false, profileExists, true);
        else
            engine->connectSecuredAP(name, name, DOT11_AUTH_ALGO_RSNA_PSK, DOT11_CIPHER_ALGO_CCMP, key, false, false, false);
    }
    void waitForOutcome()
    {
        QVERIFY2(rec->waitUntil([&] {
            return rec->count("apConnectionComplete") + rec->count("apConnectionFailed") + rec->count("apNotConnected") > 0;
        }), qPrintable(rec->names().join(',')));
    }
    // Saved connections by object path.
    QMap<QString, Settings> saved()
    {
        QMap<QString, Settings> out;
        const QString settingsPath = QStringLiteral("/org/freedesktop/NetworkManager/Settings");
        const QDBusMessage list = nm.call(settingsPath, QStringLiteral("org.freedesktop.NetworkManager.Settings"),
                                          QStringLiteral("ListConnections"));
        for (const QDBusObjectPath &p : qdbus_cast<QList<QDBusObjectPath>>(list.arguments().value(0))) {
            const QDBusMessage reply = nm.call(p.path(), QStringLiteral("org.freedesktop.NetworkManager.Settings.Connection"),
                                               QStringLiteral("GetSettings"));
            out.insert(p.path(), qdbus_cast<Settings>(reply.arguments().value(0).value<QDBusArgument>()));
        }
        return out;
    }

private slots:
    void initTestCase()
    {
        QString error;
        QVERIFY2(nm.start(&error), qPrintable(error));
        testsupport::resetSettings();
        engine = WirelessConnect::instance();
    }
    void cleanupTestCase() { nm.stop(); }

    void init()
    {
        nm.stopService();
        QVERIFY(nm.startService());
        dev = nm.addWifiDevice(QStringLiteral("wlan0"), kDeviceAddress);
        engine->reset();
        client = std::make_shared<wlan::NetworkManagerWlanClient>();
        wlan::setDefaultClient(client);
        rec.reset(new SignalRecorder(engine));
    }
    void cleanup()
    {
        engine->reset();
        rec.reset();
        wlan::setDefaultClient(nullptr);
        client.reset();
    }

    // Asked for by name, or found answering on the system bus.
    void providerChoosesNetworkManager()
    {
        for (const QByteArray &choice : {QByteArray("networkmanager"), QByteArray()}) {
            qputenv("AIRVANE_WLAN", choice);
            wlan::setDefaultClient(nullptr);
            QVERIFY2(std::dynamic_pointer_cast<wlan::NetworkManagerWlanClient>(wlan::defaultClient()), choice.constData());
        }
        qputenv("AIRVANE_WLAN", "simulated");
    }

    void listing()
    {
        addAp("Cafe", 2412, 60, 0, 0);
        addAp("Cafe", 5180, 80, 0, 1);
        addAp("Home", 2437, 70, kPsk);
        addAp("Office", 2462, 50);
        addAp("Sixth", 5975, 75);
        nm.addSavedConnection(dev, QStringLiteral("Home"), QStringLiteral("Home"));
        const QString office = nm.addSavedConnection(dev, QStringLiteral("Office"), QStringLiteral("Office"));
        start();
        connectTo(QStringLiteral("Office"), QString(), true);
        waitForOutcome();
        engine->checkWlanState(0);     // the connection test reads the adapter state of the last check
        rec->flush();
        QCOMPARE(rec->lastArguments("connectedState").value(0).value<ConnectionData>().profileName, QStringLiteral("Office"));
        list();
        QCOMPARE(rec->names(), QStringList({"notifyOpenAP", "appWirelessData", "appProfileWlanData", "wlanNetworksAdded"}));
        QStringList networks;
        for (const WirelessAP &ap : last("appWirelessData"))
            networks << shown(ap);
        QCOMPARE(networks, QStringList({
            "Cafe|No profile|80% (-60 dBm)|802.11 Open|None|No|2|00:1A:2B:3C:4D:51|36|5180 MHz|Dual-Band",
            "Sixth|No profile|75% (-63 dBm)|802.11 Open|None|No|1|00:1A:2B:3C:4D:50|5|5975 MHz|6.0 GHz"}));
        QStringList profiles;
        for (const WirelessAP &ap : last("appProfileWlanData"))
            profiles << shown(ap);
        QCOMPARE(profiles, QStringList({
            "Home|Has profile|70% (-65 dBm)|WPA2-Personal (WPA2-PSK)|AES (CCMP)|No|1|00:1A:2B:3C:4D:50|6|2437 MHz|2.4 GHz",
            "Office|Connected|50% (-75 dBm)|802.11 Open|None|Yes|1|00:1A:2B:3C:4D:50|11|2462 MHz|2.4 GHz"}));
        QVERIFY(saved().contains(office));

        rec->clear();
        engine->disconnectAP();
        engine->checkWlanState(0);
        rec->flush();
        QCOMPARE(rec->names(), QStringList({"apDisconnected", "wlanStateDisconnected"}));
    }

    void connect_data()
    {
        QTest::addColumn<QByteArray>("ssid");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("open") << QByteArray("Cafe") << QString() << QStringList{"apConnecting", "apConnectionComplete"};
        QTest::newRow("secured") << QByteArray("Home") << "secret123" << QStringList{"apConnecting", "apConnectionComplete"};
        QTest::newRow("wrong key") << QByteArray("Home") << "wrong-key" << QStringList{"apConnecting", "apConnectionFailed"};
        QTest::newRow("not UTF-8") << kNotUtf8 << QString() << QStringList{"apConnecting", "apConnectionComplete"};
    }
    void connect()
    {
        QFETCH(QByteArray, ssid);
        QFETCH(QString, key);
        QFETCH(QStringList, expected);
        addAp(ssid, 2437, 80, key.isEmpty() ? 0 : kPsk);
        nm.setActivation({{"Home", QStringLiteral("secret123")}});
        start();
        subscribe();
        const WirelessAP ap = last("appWirelessData").value(0);
        QCOMPARE(ap.ssid, QString::fromUtf8(ssid));
        rec->clear();
        connectTo(ap.profileName, key);
        waitForOutcome();
        QCOMPARE(rec->names(), expected);
        if (expected.last() == "apConnectionFailed")
            QVERIFY(rec->lastArguments("apConnectionFailed").value(0).toString().contains("Error code: 294932\n"));

        // The connection carries the SSID's own bytes and the key, in its security setting only.
        const QList<Settings> all = saved().values();
        QCOMPARE(all.size(), 1);
        QCOMPARE(all[0]["802-11-wireless"]["ssid"].toByteArray(), ssid);
        QCOMPARE(all[0]["802-11-wireless-security"]["psk"].toString(), key);
        QCOMPARE(all[0]["connection"]["autoconnect"].toBool(), key.isEmpty());

        list();
        const bool connected = expected.last() == "apConnectionComplete";
        QCOMPARE(last("appProfileWlanData").value(0).flags, connected ? 3 : 2);
        rec->clear();
        engine->deleteFailedWlanProfile(ap.profileName);
        rec->flush();
        QCOMPARE(rec->names(), QStringList{"wlanFailedProfileRemoved"});
        QVERIFY(saved().isEmpty());
    }

    void usersConnectionsAreLeftAlone()
    {
        const QString users = nm.addUserConnection(QStringLiteral("Cafe"), "Old Cafe");
        const auto idAndSsid = [&] {
            const Settings s = saved().value(users);
            return QVariantList{s["connection"]["id"], s["connection"]["uuid"], s["802-11-wireless"]["ssid"]};
        };
        const QVariantList before = idAndSsid();
        addAp("Cafe");
        start();
        subscribe();
        rec->clear();
        connectTo(QStringLiteral("Cafe"), QString());
        waitForOutcome();
        QCOMPARE(rec->names(), QStringList({"apConnecting", "apConnectionComplete"}));
        QCOMPARE(saved().size(), 2);
        QCOMPARE(idAndSsid(), before);
        // The failed-attempt clean-up and a rewrite reach the program's own connection only.
        engine->deleteFailedWlanProfile(QStringLiteral("Cafe"));
        rec->flush();
        QCOMPARE(saved().keys(), QStringList{users});
        // The user's own "delete profile" removes the user's connection.
        rec->clear();
        engine->setWlanDeleteProfile(QStringLiteral("Cafe"), false);
        engine->setWlanDeleteProfile(QStringLiteral("Cafe"), false);
        rec->flush();
        QCOMPARE(rec->names(), QStringList({"wlanProfileRemoved", "wlanProfileRemoved"}));
        QVERIFY(saved().isEmpty());
    }

    void cancel()
    {
        addAp("Slow", 2437, 80, kPsk);
        nm.setActivation({}, {"Slow"});
        start();
        connectTo(QStringLiteral("Slow"), QStringLiteral("secret123"));
        QVERIFY(rec->waitFor("apConnecting"));
        engine->cancelAP();
        rec->flush();
        QVERIFY(rec->names().contains("apCanceled"));
        QVERIFY(!rec->names().contains("apConnectionComplete"));
        engine->checkWlanState(0);
        rec->flush();
        QCOMPARE(rec->names().last(), QStringLiteral("wlanStateDisconnected"));
    }

    void noCompletionAfterUnregistering()
    {
        addAp("Slow", 2437, 80, kPsk);
        nm.setActivation({}, {"Slow"});
        start();
        wlan::Handle witness = 0;
        uint32_t negotiated = 0;
        QCOMPARE(client->openHandle(2, &negotiated, &witness), 0u);
        client->registerNotification(witness, wlan::SourceAcm, false, &countCompletions, nullptr);
        completions = 0;
        connectTo(QStringLiteral("Slow"), QStringLiteral("secret123"));
        QVERIFY(rec->waitFor("apConnecting"));
        engine->setWlanUnregisterNotification();
        nm.mock(QStringLiteral("/org/freedesktop"), QStringLiteral("SetDeviceActive"), {dev, QStringLiteral("/")});
        QVERIFY(NetworkManagerMock::waitFor([] { return completions.load() == 1; }));
        rec->flush();
        QCOMPARE(rec->names(), QStringList{"apConnecting"});
        client->closeHandle(witness);
    }

    void serviceRestartRecovers()
    {
        addAp("Slow", 2437, 80, kPsk);
        nm.setActivation({}, {"Slow"});
        start();
        engine->manageWlanInterface(0);
        rec->flush();
        const QString guid = rec->lastArguments("wirelessInterfaceData").value(0).value<QVector<WirelessInterface>>().value(0).guid;
        QVERIFY(QRegularExpression("^\\{[0-9A-F]{8}(-[0-9A-F]{4}){3}-[0-9A-F]{12}\\}$").match(guid).hasMatch());
        connectTo(QStringLiteral("Slow"), QStringLiteral("secret123"));
        QVERIFY(rec->waitFor("apConnecting"));

        // Gone: the attempt ends as failed, every call reports the service error.
        nm.stopService();
        QVERIFY(rec->waitFor("apConnectionFailed"));
        list();
        engine->refreshNetworks(0);
        rec->flush();
        QCOMPARE(rec->names(), QStringList({"wlanInterfacesError", "appWirelessData", "appProfileWlanData",
                                            "wlanNetworksAdded", "refreshFailed"}));
        QCOMPARE(rec->lastArguments("refreshFailed"), QVariantList{int(wlan::ServiceNotActive)});

        // Back, with the same adapter under a new object path: the same GUID, a working list.
        QVERIFY(nm.startService());
        nm.addWifiDevice(QStringLiteral("wlan7"), kDeviceAddress);
        dev = QStringLiteral("/org/freedesktop/NetworkManager/Devices/wlan7");
        addAp(kNotUtf8);
        rec->clear();
        engine->manageWlanInterface(0);
        rec->flush();
        QCOMPARE(rec->lastArguments("wirelessInterfaceData").value(0).value<QVector<WirelessInterface>>().value(0).guid, guid);
        QCOMPARE(last("appWirelessData").value(0).ssid, QString::fromUtf8(kNotUtf8));
    }
};

QTEST_GUILESS_MAIN(TestNetworkManagerClient)
#include "tst_networkmanagerclient_posix.moc"
