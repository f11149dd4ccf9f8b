#include "NotificationRecorder.h"

#include "platform/wlan/SimulatedWlanClient.h"

#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>

using namespace wlan;
using Sim = SimulatedWlanClient;

namespace {

const char *minimal = R"({"adapters": [{"description": "Solo", "guid": "{11111111-2222-3333-4444-555555555555}"}],
                          "networks": [{"ssid": "Only", "bss": [{"bssid": "00:11:22:33:44:55", "centerFrequencyKHz": 2412000}]}]})";

bool isValidUtf8(const std::string &bytes)
{
    const QByteArray raw = QByteArray::fromStdString(bytes);
    return QString::fromUtf8(raw).toUtf8() == raw;
}

} // namespace

class TestWlanScenario : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        qunsetenv("AIRVANE_WLAN_SCENARIO");
    }

    void defaultWorldIsRealistic()
    {
        QString error;
        const auto sim = Sim::fromScenarioJson(Sim::defaultScenarioJson(), &error);
        QVERIFY2(sim, qPrintable(error));
        QVERIFY(error.isEmpty());

        QCOMPARE(sim->adapterCount(), 2);
        QVERIFY(QString::fromStdU16String(sim->adapter(0).description).contains(QLatin1String("AX211")));
        QVERIFY(sim->adapter(0).supportsWpa3);
        QVERIFY(QString::fromStdU16String(sim->adapter(1).description).contains(QLatin1String("TP-Link")));
        QVERIFY(!sim->adapter(1).supportsWpa3);
        QVERIFY(!sim->storedProfileNames(0).empty());
        QVERIFY(!sim->connectedProfile(0).empty());
        QVERIFY(sim->scanDelay() > 0);
        QVERIFY(sim->connectDelay() > 0);
        QVERIFY(sim->backgroundScanInterval() > 0);

        const std::vector<Sim::Network> networks = sim->networks();
        QVERIFY(networks.size() >= 12);
        auto any = [&networks](auto predicate) { return std::any_of(networks.begin(), networks.end(), predicate); };
        QVERIFY(any([](const Sim::Network &n) { return !isValidUtf8(n.ssid); }));
        QVERIFY(any([](const Sim::Network &n) { return n.ssid.find('&') != std::string::npos && n.ssid.find('<') != std::string::npos; }));
        QVERIFY(any([](const Sim::Network &n) { return n.hidden; }));
        QVERIFY(any([](const Sim::Network &n) { return !n.securityEnabled; }));
        QVERIFY(any([](const Sim::Network &n) { return n.authAlgorithm == 7; }));
        QVERIFY(any([](const Sim::Network &n) { return n.authAlgorithm == 9; }));
        QVERIFY(any([](const Sim::Network &n) { return n.authAlgorithm == 6; }));
        QVERIFY(any([](const Sim::Network &n) { return n.authAlgorithm == 10; }));
        QVERIFY(any([](const Sim::Network &n) { return n.bss.size() >= 2; }));
        auto onBand = [&any](uint32_t lowMHz, uint32_t highMHz) {
            return any([=](const Sim::Network &n) {
                return std::any_of(n.bss.begin(), n.bss.end(), [=](const Sim::Bss &b) {
                    return b.centerFrequencyKHz / 1000 >= lowMHz && b.centerFrequencyKHz / 1000 <= highMHz;
                });
            });
        };
        QVERIFY(onBand(2400, 2500));
        QVERIFY(onBand(5150, 5900));
        QVERIFY(onBand(5925, 7125));
        for (const Sim::Network &n : networks) {
            if (n.securityEnabled && (n.authAlgorithm == 4 || n.authAlgorithm == 7 || n.authAlgorithm == 9))
                QVERIFY2(!n.key.empty(), n.ssid.c_str());
        }
    }

    void defaultWorldCanBeJoined()
    {
        const auto sim = Sim::fromScenarioJson(Sim::defaultScenarioJson(), nullptr);
        QVERIFY(sim);
        sim->setConnectDelay(0);
        Handle h = 0;
        uint32_t version = 0;
        QCOMPARE(sim->openHandle(2, &version, &h), 0u);
        NotificationRecorder recorder;
        QCOMPARE(sim->registerNotification(h, SourceAcm, false, &NotificationRecorder::callback, &recorder), 0u);

        const std::string tom = "Tom & Jerry's <5G>";
        uint32_t reason = 0;
        const std::u16string xml = testProfileXml("Tom &amp; Jerry's &lt;5G&gt;", hexOf(tom), "WPA2PSK", "AES",
                                                  "p&amp;ss&lt;word&gt;");
        QCOMPARE(sim->setProfile(h, sim->adapterGuid(0), 0, xml, true, reason), 0u);
        ConnectionParameters p;
        p.profile = u"Tom & Jerry's <5G>";
        QCOMPARE(sim->connect(h, sim->adapterGuid(0), p), 0u);
        sim->waitForNotifications();
        QCOMPARE(recorder.first(SourceAcm, AcmConnectionComplete).reasonCode, 0u);

        // The USB adapter cannot store WPA3 profiles; a WPA2-Personal one joins the transition network.
        const Guid usb = sim->adapterGuid(1);
        QCOMPARE(sim->setProfile(h, usb, 0, testProfileXml("Neighbor-5G", hexOf("Neighbor-5G"), "WPA3SAE", "AES", "neighborly-sae"),
                                 true, reason), uint32_t(NoMatch));
        QCOMPARE(reason, 0x4001Eu);
        QCOMPARE(sim->setProfile(h, usb, 0, testProfileXml("Neighbor-5G", hexOf("Neighbor-5G"), "WPA2PSK", "AES", "neighborly-sae"),
                                 true, reason), 0u);
        recorder.clear();
        p.profile = u"Neighbor-5G";
        QCOMPARE(sim->connect(h, usb, p), 0u);
        sim->waitForNotifications();
        QCOMPARE(recorder.first(SourceAcm, AcmConnectionComplete).reasonCode, 0u);
        QCOMPARE(QString::fromStdU16String(sim->connectedProfile(1)), QStringLiteral("Neighbor-5G"));
    }

    void minimalScenarioTakesDefaults()
    {
        QString error;
        const auto sim = Sim::fromScenarioJson(minimal, &error);
        QVERIFY2(sim, qPrintable(error));
        const Sim::Adapter a = sim->adapter(0);
        QCOMPARE(a.state, int(Disconnected));
        QVERIFY(a.supportsWpa3 && a.autoConfiguration && a.radioSoftwareOn && a.radioHardwareOn);
        QVERIFY(a.guid == (Guid{0x11111111, 0x2222, 0x3333, {0x44, 0x44, 0x55, 0x55, 0x55, 0x55, 0x55, 0x55}}));
        const Sim::Network n = sim->networks().at(0);
        QVERIFY(!n.securityEnabled);
        QVERIFY(n.inRange);
        QCOMPARE(n.bss.at(0).bssid[5], uint8_t(0x55));
        QCOMPARE(sim->scanDelay(), 0);
        QCOMPARE(sim->backgroundScanInterval(), 0);
    }

    void invalidScenariosNameTheField_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<QString>("message");
        const QByteArray adapter = R"({"description": "A", "guid": "{11111111-2222-3333-4444-555555555555}")";
        auto withAdapter = [&](const QByteArray &extra, const QByteArray &networks = "[]") -> QByteArray {
            return QByteArray(R"({"adapters": [)") + adapter + extra + "}], \"networks\": " + networks + "}";
        };
        QTest::newRow("not JSON") << QByteArray("{\"adapters\": [") << "not valid JSON";
        QTest::newRow("not an object") << QByteArray("[1, 2]") << "the scenario must be a JSON object";
        QTest::newRow("no adapters") << QByteArray(R"({"networks": []})") << "adapters: missing";
        QTest::newRow("no networks") << QByteArray(R"({"adapters": []})") << "networks: missing";
        QTest::newRow("adapters not an array") << QByteArray(R"({"adapters": {}, "networks": []})") << "adapters: expected an array";
        QTest::newRow("adapter not an object") << QByteArray(R"({"adapters": [3], "networks": []})") << "adapters[0]: expected an object";
        QTest::newRow("no description") << QByteArray(R"({"adapters": [{"guid": "{11111111-2222-3333-4444-555555555555}"}], "networks": []})")
                                        << "adapters[0].description: missing";
        QTest::newRow("bad GUID") << QByteArray(R"({"adapters": [{"description": "A", "guid": "1234"}], "networks": []})")
                                  << "adapters[0].guid: expected a GUID";
        QTest::newRow("duplicate GUID") << QByteArray(QByteArray(R"({"adapters": [)") + adapter + "}, " + adapter + R"(}], "networks": []})")
                                        << "adapters[1].guid: the same GUID as adapters[0]";
        QTest::newRow("state out of range") << withAdapter(R"(, "state": 9)") << "adapters[0].state: expected an integer from 0 to 7";
        QTest::newRow("WPA3 flag not boolean") << withAdapter(R"(, "supportsWpa3": "yes")") << "adapters[0].supportsWpa3: expected true or false";
        QTest::newRow("profile refused") << withAdapter(R"(, "profiles": [{"name": "X", "authentication": "WPA2PSK", "encryption": "AES"}])")
                                         << "adapters[0].profiles[0]: the service refuses this profile";
        QTest::newRow("WPA3 profile on an old adapter")
            << withAdapter(R"(, "supportsWpa3": false, "profiles": [{"name": "X", "authentication": "WPA3SAE", "encryption": "AES", "key": "12345678"}])")
            << "adapters[0].profiles[0]: the service refuses this profile with error 1169, reason 0x4001e";
        QTest::newRow("profile without authentication") << withAdapter(R"(, "profiles": [{"name": "X", "encryption": "none"}])")
                                                        << "adapters[0].profiles[0].authentication: missing";
        QTest::newRow("unknown connected profile") << withAdapter(R"(, "connectedProfile": "Ghost")")
                                                   << "adapters[0].connectedProfile: no profile of this adapter is named \"Ghost\"";
        QTest::newRow("network without SSID") << withAdapter("", R"([{"authAlgorithm": 1}])") << "networks[0].ssid: missing";
        QTest::newRow("SSID too long") << withAdapter("", R"([{"ssid": "0123456789012345678901234567890123"}])")
                                       << "networks[0].ssid: expected 1 to 32 bytes";
        QTest::newRow("bad SSID hex") << withAdapter("", R"([{"ssidHex": "ABC"}])") << "networks[0].ssidHex: expected 1 to 32 bytes";
        QTest::newRow("both SSID forms") << withAdapter("", R"([{"ssid": "A", "ssidHex": "41"}])") << "networks[0].ssid: give either";
        QTest::newRow("quality as text") << withAdapter("", R"([{"ssid": "A"}, {"ssid": "B", "signalQuality": "high"}])")
                                         << "networks[1].signalQuality: expected an integer from 0 to 100";
        QTest::newRow("fractional quality") << withAdapter("", R"([{"ssid": "A", "signalQuality": 50.5}])")
                                            << "networks[0].signalQuality: expected an integer";
        QTest::newRow("PHY type as text") << withAdapter("", R"([{"ssid": "A", "phyTypes": [7, "ax"]}])") << "networks[0].phyTypes[1]: expected an integer";
        QTest::newRow("bad BSSID") << withAdapter("", R"([{"ssid": "A", "bss": [{"bssid": "00:11:22", "centerFrequencyKHz": 2412000}]}])")
                                   << "networks[0].bss[0].bssid: expected six hexadecimal bytes";
        QTest::newRow("BSS without frequency") << withAdapter("", R"([{"ssid": "A", "bss": [{"bssid": "00:11:22:33:44:55"}]}])")
                                               << "networks[0].bss[0].centerFrequencyKHz: missing";
        QTest::newRow("negative delay") << QByteArray(R"({"adapters": [], "networks": [], "scanDelayMs": -1})") << "scanDelayMs: expected an integer";
    }

    void invalidScenariosNameTheField()
    {
        QFETCH(QByteArray, json);
        QFETCH(QString, message);
        QString error;
        QVERIFY(!Sim::fromScenarioJson(json, &error));
        QVERIFY2(error.startsWith(message), qPrintable(error));
    }

    void environmentNamesAScenarioFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("lab.json"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(minimal);
        file.close();
        qputenv("AIRVANE_WLAN_SCENARIO", QFile::encodeName(path));
        const auto sim = Sim::fromEnvironment();
        QCOMPARE(sim->adapterCount(), 1);
        QCOMPARE(QString::fromStdU16String(sim->adapter(0).description), QStringLiteral("Solo"));
    }

    void unreadableScenarioFileFallsBackToTheDefault()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("missing.json"));
        qputenv("AIRVANE_WLAN_SCENARIO", QFile::encodeName(path));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QRegularExpression::escape(path) + ".*cannot be read"));
        const auto sim = Sim::fromEnvironment();
        QCOMPARE(sim->adapterCount(), 2);
    }

    void invalidScenarioFileFallsBackToTheDefault()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("broken.json"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(R"({"adapters": [], "networks": [{"signalQuality": 3}]})");
        file.close();
        qputenv("AIRVANE_WLAN_SCENARIO", QFile::encodeName(path));
        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression(QRegularExpression::escape(path) + ".*networks\\[0\\]\\.ssid: missing"));
        const auto sim = Sim::fromEnvironment();
        QCOMPARE(sim->adapterCount(), 2);
        QVERIFY(sim->networks().size() >= 12);
    }
};

QTEST_GUILESS_MAIN(TestWlanScenario)
#include "tst_wlanscenario.moc"
