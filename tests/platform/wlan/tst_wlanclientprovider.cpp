#include "platform/wlan/SimulatedWlanClient.h"
#include "platform/wlan/WlanClientProvider.h"

#include <QTemporaryDir>
#include <QtTest>

#include <thread>
#include <vector>

using namespace wlan;

class TestWlanClientProvider : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        qunsetenv("AIRVANE_WLAN_SCENARIO");
        qputenv("AIRVANE_WLAN", "simulated");
        setDefaultClient(nullptr);
    }

    void cleanupTestCase()
    {
        setDefaultClient(nullptr);
    }

    void simulatedOnRequestKeptAndReplaceable()
    {
        const std::shared_ptr<WlanClient> first = defaultClient();
        QVERIFY(std::dynamic_pointer_cast<SimulatedWlanClient>(first));
        QCOMPARE(defaultClient().get(), first.get());
        auto scripted = std::make_shared<SimulatedWlanClient>();
        setDefaultClient(scripted);
        QCOMPARE(defaultClient().get(), static_cast<WlanClient *>(scripted.get()));
        setDefaultClient(nullptr);
        QVERIFY(defaultClient() && defaultClient().get() != static_cast<WlanClient *>(scripted.get()));
    }

    void scenarioFileReachesTheDefaultClient()
    {
        QTemporaryDir dir;
        QFile file(dir.filePath(QStringLiteral("one.json")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(R"({"adapters": [{"description": "Only one", "guid": "{AAAAAAAA-2222-3333-4444-555555555555}"}], "networks": []})");
        file.close();
        qputenv("AIRVANE_WLAN_SCENARIO", QFile::encodeName(file.fileName()));
        const auto sim = std::dynamic_pointer_cast<SimulatedWlanClient>(defaultClient());
        QVERIFY(sim && sim->adapterCount() == 1);
    }

    void nativeRequestWithoutANativeService()
    {
        if (createNativeClient())
            QSKIP("this system has a native WLAN service");
        qputenv("AIRVANE_WLAN", "native");
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("no native WLAN service"));
        QVERIFY(std::dynamic_pointer_cast<SimulatedWlanClient>(defaultClient()));
    }

    void defaultWithoutAChoice()
    {
        qunsetenv("AIRVANE_WLAN");
        // No NetworkManager to find: the machine's own system bus is never asked.
        qputenv("DBUS_SYSTEM_BUS_ADDRESS", "unix:path=/nonexistent/system_bus_socket");
        const std::shared_ptr<WlanClient> client = defaultClient();
        QVERIFY(client);
        QCOMPARE(bool(std::dynamic_pointer_cast<SimulatedWlanClient>(client)), !createNativeClient());
    }

    void concurrentFirstUseGivesOneClient()
    {
        std::vector<WlanClient *> seen(4, nullptr);
        std::vector<std::thread> threads;
        for (size_t i = 0; i < seen.size(); ++i)
            threads.emplace_back([&seen, i] { seen[i] = defaultClient().get(); });
        for (std::thread &t : threads)
            t.join();
        QVERIFY(seen[0]);
        for (WlanClient *c : seen)
            QCOMPARE(c, seen[0]);
    }
};

QTEST_GUILESS_MAIN(TestWlanClientProvider)
#include "tst_wlanclientprovider.moc"
