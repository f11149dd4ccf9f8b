#include "core/NotificationRecorder.h"
#include "core/SimWorld.h"

#include "platform/wlan/WlanClientProvider.h"
#include "wireless/ProfileXml.h"

#include <QtTest>

#include <thread>

using namespace wlan;
using namespace testsupport;

namespace {

const char *minimal = R"({"adapters": [{"description": "Solo", "guid": "{11111111-2222-3333-4444-555555555555}"}],
                          "networks": [{"ssid": "Only", "bss": [{"bssid": "00:11:22:33:44:55", "centerFrequencyKHz": 2412000}]}]})";

} // namespace

class TestWlanScenario : public QObject
{
    Q_OBJECT

private slots:
    void init() { qunsetenv("AIRVANE_WLAN_SCENARIO"); }

    // The default world shows every kind of network the program has to cope with...
    void defaultWorld()
    {
        QString error;
        const auto sim = Sim::fromScenarioJson(Sim::defaultScenarioJson(), &error);
        QVERIFY2(sim && error.isEmpty(), qPrintable(error));
        QVERIFY(sim->adapterCount() == 2 && sim->adapter(0).supportsWpa3 && !sim->adapter(1).supportsWpa3);
        QVERIFY(!sim->storedProfileNames(0).empty() && !sim->connectedProfile(0).empty());
        QSet<int> auths;
        bool hidden = false, markup = false, notUtf8 = false, sixGHz = false;
        for (const Sim::Network &n : sim->networks()) {
            auths << n.authAlgorithm;
            hidden |= n.hidden;
            markup |= n.ssid.find('&') != std::string::npos;
            notUtf8 |= QString::fromUtf8(n.ssid.c_str()).toUtf8() != QByteArray::fromStdString(n.ssid);
            for (const Sim::Bss &b : n.bss)
                sixGHz |= b.centerFrequencyKHz >= 5925000;
        }
        QVERIFY(hidden && markup && notUtf8 && sixGHz);
        QVERIFY(auths.contains(QSet<int>({1, 6, 7, 9, 10})));

        // ... and can be joined.
        sim->setConnectDelay(0);
        Handle h = 0;
        uint32_t version = 0;
        QCOMPARE(sim->openHandle(2, &version, &h), 0u);
        NotificationRecorder recorder;
        QCOMPARE(sim->registerNotification(h, SourceAcm, false, &NotificationRecorder::callback, &recorder), 0u);
        auto join = [&](int adapter, const std::u16string &name, const std::u16string &xml) {
            uint32_t reason = 0;
            recorder.clear();
            ConnectionParameters p;
            p.profile = name;
            const uint32_t stored = sim->setProfile(h, sim->adapterGuid(adapter), 0, xml, true, reason);
            const uint32_t connected = stored ? stored : sim->connect(h, sim->adapterGuid(adapter), p);
            sim->waitForNotifications();
            return QStringLiteral("%1 %2 %3").arg(stored).arg(connected).arg(recorder.first(SourceAcm, AcmConnectionComplete).reasonCode);
        };
        QCOMPARE(join(0, u"Tom & Jerry's <5G>", ProfileXml::securedProfile("Tom & Jerry's <5G>", "Tom & Jerry's <5G>", 7, 4,
                                                                             "p&ss<word>", false, true).toStdU16String()),
                 QStringLiteral("0 0 0"));
        // The USB adapter cannot store WPA3 profiles; a WPA2-Personal one joins the transition network.
        QCOMPARE(join(1, u"Neighbor-5G", securedProfile("Neighbor-5G", "neighborly-sae", 9)), QStringLiteral("1169 1169 0"));
        QCOMPARE(join(1, u"Neighbor-5G", securedProfile("Neighbor-5G", "neighborly-sae", 7)), QStringLiteral("0 0 0"));
        QCOMPARE(QString::fromStdU16String(sim->connectedProfile(1)), QStringLiteral("Neighbor-5G"));
    }

    void minimalScenarioTakesDefaults()
    {
        QString error;
        const auto sim = Sim::fromScenarioJson(minimal, &error);
        QVERIFY2(sim, qPrintable(error));
        const Sim::Adapter a = sim->adapter(0);
        QVERIFY(a.state == Disconnected && a.supportsWpa3 && a.autoConfiguration && a.radioSoftwareOn && a.radioHardwareOn);
        QVERIFY(a.guid == (Guid{0x11111111, 0x2222, 0x3333, {0x44, 0x44, 0x55, 0x55, 0x55, 0x55, 0x55, 0x55}}));
        const Sim::Network n = sim->networks().at(0);
        QVERIFY(!n.securityEnabled && n.inRange && n.bss.at(0).bssid[5] == 0x55);
        QCOMPARE(sim->scanDelay() + sim->backgroundScanInterval(), 0);
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
        QTest::newRow("no description") << QByteArray(R"({"adapters": [{"guid": "{11111111-2222-3333-4444-555555555555}"}], "networks": []})")
                                        << "adapters[0].description: missing";
        QTest::newRow("bad GUID") << QByteArray(R"({"adapters": [{"description": "A", "guid": "1234"}], "networks": []})")
                                  << "adapters[0].guid: expected a GUID";
        QTest::newRow("duplicate GUID") << QByteArray(QByteArray(R"({"adapters": [)") + adapter + "}, " + adapter + R"(}], "networks": []})")
                                        << "adapters[1].guid: the same GUID as adapters[0]";
        QTest::newRow("state out of range") << withAdapter(R"(, "state": 9)") << "adapters[0].state: expected an integer from 0 to 7";
        QTest::newRow("profile refused") << withAdapter(R"(, "profiles": [{"name": "X", "authentication": "WPA2PSK", "encryption": "AES"}])")
                                         << "adapters[0].profiles[0]: the service refuses this profile";
        QTest::newRow("WPA3 profile on an old adapter")
            << withAdapter(R"(, "supportsWpa3": false, "profiles": [{"name": "X", "authentication": "WPA3SAE", "encryption": "AES", "key": "12345678"}])")
            << "adapters[0].profiles[0]: the service refuses this profile with error 1169, reason 0x4001e";
        QTest::newRow("unknown connected profile") << withAdapter(R"(, "connectedProfile": "Ghost")")
                                                   << "adapters[0].connectedProfile: no profile of this adapter is named \"Ghost\"";
        QTest::newRow("SSID too long") << withAdapter("", R"([{"ssid": "0123456789012345678901234567890123"}])")
                                       << "networks[0].ssid: expected 1 to 32 bytes";
        QTest::newRow("quality as text") << withAdapter("", R"([{"ssid": "A"}, {"ssid": "B", "signalQuality": "high"}])")
                                         << "networks[1].signalQuality: expected an integer from 0 to 100";
        QTest::newRow("bad BSSID") << withAdapter("", R"([{"ssid": "A", "bss": [{"bssid": "00:11:22", "centerFrequencyKHz": 2412000}]}])")
                                   << "networks[0].bss[0].bssid: expected six hexadecimal bytes";
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

    void environmentNamesAScenarioFile_data()
    {
        QTest::addColumn<QByteArray>("content");   // empty: no file at all
        QTest::addColumn<QString>("warning");
        QTest::addColumn<int>("adapters");
        QTest::newRow("valid") << QByteArray(minimal) << QString() << 1;
        QTest::newRow("missing file falls back") << QByteArray() << "cannot be read" << 2;
        QTest::newRow("invalid file falls back") << QByteArray(R"({"adapters": [], "networks": [{"signalQuality": 3}]})")
                                                 << "networks\\[0\\]\\.ssid: missing" << 2;
    }

    void environmentNamesAScenarioFile()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, warning);
        QFETCH(int, adapters);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("lab.json"));
        QFile file(path);
        if (!content.isEmpty()) {
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content);
            file.close();
        }
        qputenv("AIRVANE_WLAN_SCENARIO", QFile::encodeName(path));
        if (!warning.isEmpty())
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QRegularExpression::escape(path) + ".*" + warning));
        // Through the provider, as the program picks its service.
        qputenv("AIRVANE_WLAN", "simulated");
        setDefaultClient(nullptr);
        const auto sim = std::dynamic_pointer_cast<Sim>(defaultClient());
        QVERIFY(sim && sim->adapterCount() == adapters);
        setDefaultClient(nullptr);
    }

    // Who picks the service: the simulated one on request (kept, and replaceable by a test's),
    // the native one where there is one, one client however many threads ask first.
    void defaultClientChoice()
    {
        qputenv("AIRVANE_WLAN", "simulated");
        setDefaultClient(nullptr);
        std::vector<WlanClient *> seen(4, nullptr);
        std::vector<std::thread> threads;
        for (size_t i = 0; i < seen.size(); ++i)
            threads.emplace_back([&seen, i] { seen[i] = defaultClient().get(); });
        for (std::thread &t : threads)
            t.join();
        QVERIFY(dynamic_cast<Sim *>(seen[0]) && std::count(seen.begin(), seen.end(), seen[0]) == 4);
        auto scripted = std::make_shared<Sim>();
        setDefaultClient(scripted);
        QCOMPARE(defaultClient().get(), static_cast<WlanClient *>(scripted.get()));

        setDefaultClient(nullptr);
        qunsetenv("AIRVANE_WLAN");
        // No NetworkManager to find: the machine's own system bus is never asked.
        qputenv("DBUS_SYSTEM_BUS_ADDRESS", "unix:path=/nonexistent/system_bus_socket");
        QCOMPARE(bool(std::dynamic_pointer_cast<Sim>(defaultClient())), !createNativeClient());
        if (!createNativeClient()) {
            setDefaultClient(nullptr);
            qputenv("AIRVANE_WLAN", "native");
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("no native WLAN service"));
            QVERIFY(std::dynamic_pointer_cast<Sim>(defaultClient()));
        }
        setDefaultClient(nullptr);
        qputenv("AIRVANE_WLAN", "simulated");
    }
};

QTEST_GUILESS_MAIN(TestWlanScenario)
#include "tst_wlanscenario.moc"
