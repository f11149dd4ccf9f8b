#include <QtTest>

#include "core/SignalRecorder.h"
#include "core/SimWorld.h"
#include "core/TestSettings.h"

#include "platform/wlan/WlanClientProvider.h"
#include "wireless/WirelessConnect.h"

#include <deque>
#include <future>
#include <mutex>

using namespace testsupport;

namespace {

const QStringList kListingSignals{"wlanInterfacesError", "wlanAvailableNetworksError", "noWirelessAPAvailable",
                                  "notifyOpenAP", "networksScanCompleted", "appWirelessData",
                                  "appProfileWlanData", "wlanNetworksAdded"};

// Runs posted jobs on the thread it lives in, in order with everything else queued there. A named
// slot, not a queued functor: Qt releases a functor's slot object through a reference count of
// its own that the race checker cannot see, while these jobs change hands under a std::mutex.
class ThreadJobs : public QObject
{
    Q_OBJECT

public:
    void post(std::function<void()> job)
    {
        {
            std::lock_guard<std::mutex> lock(mutex);
            jobs.push_back(std::move(job));
        }
        QMetaObject::invokeMethod(this, "runPending", Qt::QueuedConnection);
    }

public slots:
    void runPending()
    {
        std::deque<std::function<void()>> taken;
        {
            std::lock_guard<std::mutex> lock(mutex);
            taken.swap(jobs);
        }
        for (const auto &job : taken)
            job();
    }

private:
    std::mutex mutex;
    std::deque<std::function<void()>> jobs;
};

} // namespace

// The engine lives in a worker thread exactly as the main window sets it up: moved there, driven
// through queued invocations, while the service's notification thread and direct calls from this
// (GUI) thread reach it at the same time.
class TestWirelessConnectStress : public QObject
{
    Q_OBJECT

private:
    WirelessConnect *engine = nullptr;
    std::shared_ptr<Sim> sim;
    std::unique_ptr<SignalRecorder> rec;
    QThread *worker = nullptr;
    ThreadJobs *engineJobs = nullptr;

    void queue(const char *slot, int index = -1)
    {
        QVERIFY(index < 0 ? QMetaObject::invokeMethod(engine, slot, Qt::QueuedConnection)
                          : QMetaObject::invokeMethod(engine, slot, Qt::QueuedConnection, Q_ARG(int, index)));
    }
    void queueConnect(bool secured)
    {
        const QString name = secured ? QStringLiteral("Home") : QStringLiteral("Cafe");
        QVERIFY(secured ? QMetaObject::invokeMethod(engine, "connectSecuredAP", Qt::QueuedConnection, Q_ARG(QString, name),
                                                    Q_ARG(QString, name), Q_ARG(_DOT11_AUTH_ALGORITHM, DOT11_AUTH_ALGO_RSNA_PSK),
                                                    Q_ARG(_DOT11_CIPHER_ALGORITHM, DOT11_CIPHER_ALGO_CCMP),
                                                    Q_ARG(QString, QStringLiteral("secret123")), Q_ARG(bool, false),
                                                    Q_ARG(bool, true), Q_ARG(bool, true))
                        : QMetaObject::invokeMethod(engine, "connectOpenAP", Qt::QueuedConnection, Q_ARG(QString, name),
                                                    Q_ARG(QString, name), Q_ARG(_DOT11_AUTH_ALGORITHM, DOT11_AUTH_ALGO_80211_OPEN),
                                                    Q_ARG(_DOT11_CIPHER_ALGORITHM, DOT11_CIPHER_ALGO_NONE),
                                                    Q_ARG(bool, false), Q_ARG(bool, false), Q_ARG(bool, true)));
    }
    // Runs `work` on the engine's thread after everything queued there so far, and waits for it.
    // A std::promise rather than a blocking queued call: the tool checking for races sees it.
    void runOnEngineThread(const std::function<void()> &work)
    {
        std::promise<void> done;
        engineJobs->post([&work, &done] {
            work();
            done.set_value();
        });
        done.get_future().wait();
    }
    // Everything queued for the worker has run, every notification has been delivered, and
    // everything that produced has been recorded.
    void drain()
    {
        for (int round = 0; round < 3; ++round) {
            runOnEngineThread([] {});
            sim->waitForNotifications();
        }
        runOnEngineThread([] {});
        rec->flush();
    }
    // The listing signals in order form whole blocks: an optional status, networksScanCompleted
    // when answering a scan, then the three list signals. A lone profile list answers
    // getWlanInRangeProfiles.
    void verifyListingBlocks(int *scanned, int *blocks)
    {
        QString seq;
        for (const QString &n : rec->names())
            seq += kListingSignals.contains(n) ? n + ' ' : QString();
        static const QRegularExpression wholeBlocks(
            "^(((wlanInterfacesError|wlanAvailableNetworksError|noWirelessAPAvailable|notifyOpenAP) )?(networksScanCompleted )?"
            "appWirelessData appProfileWlanData wlanNetworksAdded |appProfileWlanData )*$");
        QVERIFY2(wholeBlocks.match(seq).hasMatch(), qPrintable(seq.left(2000)));
        *scanned = seq.count("networksScanCompleted");
        *blocks = seq.count("wlanNetworksAdded");
    }

private slots:
    void initTestCase()
    {
        testsupport::resetSettings();
        engine = WirelessConnect::instance();
        engine->reset();
        rec.reset(new SignalRecorder(engine));
        worker = new QThread;
        engine->moveToThread(worker);
        engineJobs = new ThreadJobs;
        engineJobs->moveToThread(worker);
        worker->start();
    }

    // A fresh world for every test, the engine started on it through its queue.
    void init()
    {
        sim = world(2, {securedNetwork("Home", "secret123"), openNetwork("Cafe", 2437000), securedNetwork("Lab", "secret123")});
        for (int i = 0; i < 2; ++i)
            QVERIFY(sim->addStoredProfile(i, securedProfile("Home", "secret123"), 0));
        wlan::setDefaultClient(sim);
        rec->clear();
        queue("initWlan");
        QVERIFY(rec->waitFor("wlanNetworksAdded"));
        drain();
        QCOMPARE(rec->count("wirelessInterfaceData"), 2);
        rec->clear();
    }

    void cleanupTestCase()
    {
        drain();
        QThread *gui = thread();
        runOnEngineThread([this, gui] { engine->moveToThread(gui); });
        worker->quit();
        worker->wait();
        delete engineJobs;
        delete worker;
        engine->reset();
        rec.reset();
        wlan::setDefaultClient(nullptr);
        sim.reset();
    }

    // Requested scans while the service scans on its own every millisecond and connections come
    // and go: every requested scan is answered by exactly one listing, built from a consistent view.
    void scansUnderBackgroundNotifications()
    {
        const int cycles = 60;
        sim->setScanDelay(1);
        sim->setConnectDelay(1);
        sim->setBackgroundScanInterval(1);
        for (int c = 0; c < cycles; ++c) {
            queue("refreshNetworks", 0);
            if (c % 3 == 0)
                queueConnect(c % 2 == 0);
            if (c % 5 == 0)
                queue("disconnectAP");
            if (c % 4 == 0)
                queue("checkWlanState", 0);
            queue("getWlanInRangeProfiles", 0);
            QVERIFY2(rec->waitFor("networksScanCompleted", c + 1, 10000), qPrintable(QString::number(c)));
        }
        sim->setBackgroundScanInterval(0);
        drain();

        for (const char *name : {"refreshFailed", "apNotConnected", "wlanInterfacesError", "wlanAvailableNetworksError",
                                 "failedToGetNetworkInfo"})
            QVERIFY2(rec->count(name) == 0, name);
        int scanned = 0, blocks = 0;
        verifyListingBlocks(&scanned, &blocks);
        QCOMPARE(scanned, cycles);
        QCOMPARE(blocks, cycles);
        // The profile list of every answer: the stored "Home" only, plus "Cafe" once its profile exists.
        for (const QVariantList &args : rec->argumentsOf("appWirelessData")) {
            const QVector<WirelessAP> list = args.value(0).value<QVector<WirelessAP>>();
            for (const WirelessAP &ap : list)
                QVERIFY(ap.ssid == "Cafe" || ap.ssid == "Lab");
            QVERIFY(list.size() >= 1 && list.size() <= 2);
        }
        for (const QVariantList &args : rec->argumentsOf("appProfileWlanData")) {
            const QVector<WirelessAP> list = args.value(0).value<QVector<WirelessAP>>();
            QVERIFY(!list.isEmpty());
            QCOMPARE(list.at(0).profileName, QStringLiteral("Home"));
        }
        QCOMPARE(rec->count("appProfileWlanData"), cycles + cycles);   // listings and profile requests
    }

    // Connect requests on the worker, cancels and unsubscriptions straight from this thread, adapter
    // switches that rewrite the active adapter, and scans, all at once.
    void connectCancelAndSwitchAdapters()
    {
        const int cycles = 80;
        sim->setScanDelay(0);
        sim->setConnectDelay(2);
        sim->setBackgroundScanInterval(1);
        int cancels = 0;
        int unsubscribes = 0;
        int switches = 0;
        for (int c = 0; c < cycles; ++c) {
            queueConnect(c % 2 == 0);
            if (c % 4 == 1) {
                queue("manageWlanInterface", c % 8 == 1 ? 1 : 0);
                ++switches;
            }
            queue("refreshNetworks", c % 2);
            if (c % 3 == 0) {
                engine->setWlanUnregisterNotification();
                ++unsubscribes;
            }
            QThread::usleep(static_cast<unsigned long>(200 * (c % 7)));
            engine->cancelAP();
            ++cancels;
            if (c % 10 == 0)
                rec->flush();
        }
        sim->setBackgroundScanInterval(0);
        // Back to the first adapter, and one last scan that nothing unsubscribes from.
        queue("manageWlanInterface", 0);
        ++switches;
        queue("refreshNetworks", 0);
        const int answeredBefore = rec->count("networksScanCompleted");
        QVERIFY(rec->waitUntil([&] { return rec->count("networksScanCompleted") > answeredBefore
                                            || rec->count("wirelessInterfaceData") >= 2 * switches; }, 10000));
        drain();

        QCOMPARE(rec->count("apCanceled"), cancels);
        QCOMPARE(rec->count("wirelessInterfaceData"), 2 * switches);
        for (const char *name : {"apCancelFailed", "wlanUnregisterNotificationError", "apNotConnected", "refreshFailed",
                                 "removeInterface"})
            QVERIFY2(rec->count(name) == 0, name);
        QVERIFY(unsubscribes > 0);
        int scanned = 0, blocks = 0;
        verifyListingBlocks(&scanned, &blocks);
        QVERIFY(blocks >= switches);
        for (const QVariantList &args : rec->argumentsOf("wirelessInterfaceData")) {
            const QVector<WirelessInterface> list = args.value(0).value<QVector<WirelessInterface>>();
            for (const WirelessInterface &r : list) {
                QCOMPARE(r.activeIndex, list.first().activeIndex);
                QCOMPARE(r.guid.size(), 38);
            }
        }
        for (const QVariantList &args : rec->argumentsOf("apConnectionFailed"))
            QVERIFY(args.value(0).toString().contains("Error code: "));
    }
};

QTEST_GUILESS_MAIN(TestWirelessConnectStress)
#include "tst_wirelessconnect_stress.moc"
