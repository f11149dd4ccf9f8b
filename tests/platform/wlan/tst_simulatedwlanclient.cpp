#include "core/NotificationRecorder.h"
#include "core/SimWorld.h"

#include <QtTest>

#include <atomic>

// The simulated service as the engine meets it: handles, listings, connection attempts and the
// notifications they produce, and callbacks that call back into the service.

using namespace wlan;
using namespace testsupport;

class TestSimulatedWlanClient : public QObject
{
    Q_OBJECT

    std::shared_ptr<Sim> sim;
    Handle handle = 0;
    Guid guid;
    NotificationRecorder recorder;

    void listen(uint32_t mask = SourceAcm | SourceMsm)
    {
        QCOMPARE(sim->registerNotification(handle, mask, false, &NotificationRecorder::callback, &recorder), 0u);
    }
    uint32_t connectWith(const std::u16string &profile, Handle h = 0)
    {
        ConnectionParameters p;
        p.profile = profile;
        return sim->connect(h ? h : handle, guid, p);
    }
    int adapterState()
    {
        std::vector<InterfaceInfo> list;
        return sim->enumInterfaces(handle, list) != 0 || list.empty() ? -1 : list.front().state;
    }
    // "profile|ssid|flags|secured" of each listed network.
    QStringList available()
    {
        std::vector<AvailableNetwork> list;
        sim->getAvailableNetworkList(handle, guid, 0, list);
        QStringList out;
        for (const AvailableNetwork &n : list)
            out << QStringLiteral("%1|%2|%3|%4").arg(QString::fromStdU16String(n.profileName), QString::fromStdString(n.ssid.toBytes()))
                       .arg(n.flags).arg(n.securityEnabled);
        return out;
    }
    // Every notification as "code profile".
    QStringList seen(uint32_t source)
    {
        QStringList out;
        for (const NotificationRecorder::Entry &e : recorder.all())
            if (e.source == source)
                out << QStringLiteral("%1 %2").arg(e.code).arg(QString::fromStdU16String(e.profileName));
        return out;
    }

private slots:
    void init()
    {
        sim = world(1, {securedNetwork("Home", "correct-horse"), openNetwork("Cafe")});
        sim->addStoredProfile(0, securedProfile("Home", "correct-horse"));
        sim->addStoredProfile(0, openProfile("Cafe"));
        guid = sim->adapterGuid(0);
        uint32_t version = 0;
        QCOMPARE(sim->openHandle(2, &version, &handle), 0u);
        sim->waitForNotifications();
        recorder.clear();
    }

    void cleanup() { sim.reset(); }

    void handles()
    {
        Handle closed = 0;
        uint32_t version = 0;
        QCOMPARE(sim->openHandle(2, &version, &closed), 0u);
        QVERIFY(version == 2 && closed != handle && sim->openHandleCount() == 2);
        QCOMPARE(sim->openHandle(3, &version, &closed), uint32_t(InvalidParameter));
        QCOMPARE(sim->registerNotification(closed, SourceAcm, false, &NotificationRecorder::callback, &recorder), 0u);
        QCOMPARE(sim->closeHandle(closed), 0u);
        QCOMPARE(sim->openHandleCount(), 1);
        for (Handle h : {closed, Handle(0xBADC0DE)}) {
            std::vector<InterfaceInfo> l;
            uint32_t reason = 0;
            QCOMPARE(sim->closeHandle(h), uint32_t(InvalidHandle));
            QCOMPARE(sim->enumInterfaces(h, l), uint32_t(InvalidHandle));
            QCOMPARE(sim->setProfile(h, guid, 0, openProfile("X"), true, reason), uint32_t(InvalidHandle));
            QCOMPARE(sim->deleteProfile(h, guid, u"Home"), uint32_t(InvalidHandle));
            QCOMPARE(connectWith(u"Home", h), uint32_t(InvalidHandle));
        }
        // The closed handle's subscription ended with it.
        QCOMPARE(connectWith(u"Home"), 0u);
        sim->waitForNotifications();
        QVERIFY(recorder.all().empty());
        QCOMPARE(sim->storedProfileNames(0).size(), size_t(2));
        sim->setServiceAvailable(false);
        Handle h = 0;
        QCOMPARE(sim->openHandle(2, &version, &h), uint32_t(ServiceNotActive));
    }

    void reasonTextIsCutToTheBuffer()
    {
        std::u16string text;
        QCOMPARE(sim->reasonCodeToString(0, 5, text), 0u);
        QCOMPARE(QString::fromStdU16String(text), QStringLiteral("The "));   // the terminator counts
        QCOMPARE(sim->reasonCodeToString(0, 0, text), uint32_t(InvalidParameter));
    }

    void availableListAndBss()
    {
        Sim::Network marked = securedNetwork("Marked", "marked-key");
        marked.extraFlags = NetworkConsoleUserProfile;
        Sim::Network away = openNetwork("Away");
        away.inRange = false;
        Sim::Network harbor = securedNetwork("Harbor", "harbor-key");
        harbor.bss = {bssAt(2437000, 0xA0, -48), bssAt(5180000, 0xA4, -54)};
        Sim::Network attic = openNetwork("Attic", 2462000);
        attic.hidden = true;
        for (const Sim::Network &n : {marked, away, harbor, attic})
            sim->addNetwork(n);
        sim->addStoredProfile(0, openProfile("Away"));
        QCOMPARE(available(), QStringList({"Home|Home|2|1", "Cafe|Cafe|2|0", "|Marked|4|1", "|Harbor|0|1", "||0|0"}));
        auto bss = [this](const Ssid *ssid, bool secured) {
            std::vector<BssEntry> entries;
            const uint32_t r = sim->getNetworkBssList(handle, guid, ssid, 1, secured, entries);
            QStringList out{QString::number(r)};
            for (const BssEntry &e : entries)
                out << QStringLiteral("%1 %2 %3").arg(e.bssid[5], 0, 16).arg(e.centerFrequencyKHz).arg(e.rssi);
            return out.join(',');
        };
        const Ssid harborSsid = Ssid::fromBytes("Harbor"), cafe = Ssid::fromBytes("Cafe"), empty;
        QCOMPARE(bss(&harborSsid, true), QStringLiteral("0,a0 2437000 -48,a4 5180000 -54"));
        QCOMPARE(bss(&cafe, true), QStringLiteral("0"));   // the open Cafe is not a secured one
        QCOMPARE(bss(&empty, false), QStringLiteral("0,5e 2462000 -60"));
        sim->setAdapterRadio(0, false, true);
        QVERIFY(available().isEmpty());
        QCOMPARE(bss(&harborSsid, true), QString::number(NdisDot11PowerStateInvalid));
        QCOMPARE(sim->scan(handle, guid), uint32_t(NdisDot11PowerStateInvalid));
        QCOMPARE(connectWith(u"Cafe"), uint32_t(NdisDot11PowerStateInvalid));
    }

    void connectWithTheRightKey()
    {
        listen();
        sim->setConnectDelay(30);
        QCOMPARE(connectWith(u"home"), 0u);   // profile names ignore case
        sim->waitForNotifications();
        QCOMPARE(recorder.codes(SourceAcm) + "/" + recorder.codes(SourceMsm), std::string("9 10/1 2 3 4"));
        const NotificationRecorder::Entry done = recorder.first(SourceAcm, AcmConnectionComplete);
        QVERIFY(done.hasConnectionData && done.reasonCode == 0 && done.iface == guid && done.ssid == "Home");
        QCOMPARE(adapterState(), int(Connected));
        // Every notification comes from the one service thread.
        for (const NotificationRecorder::Entry &e : recorder.all())
            QVERIFY(e.thread != std::this_thread::get_id() && e.thread == recorder.all().front().thread);
    }

    void laterRequestsEndAPendingAttempt_data()
    {
        QTest::addColumn<bool>("disconnect");   // else a second connect
        QTest::addColumn<QStringList>("acm");
        QTest::newRow("second connect") << false << QStringList({"9 Home", "9 Cafe", "10 Cafe"});
        QTest::newRow("disconnect") << true << QStringList({"9 Home", "10 Home", "21 Home"});
    }

    void laterRequestsEndAPendingAttempt()
    {
        QFETCH(bool, disconnect);
        QFETCH(QStringList, acm);
        listen(SourceAcm);
        sim->setConnectDelay(5000);
        QElapsedTimer timer;
        timer.start();
        QCOMPARE(connectWith(u"Home"), 0u);
        QCOMPARE(adapterState(), int(Associating));
        sim->setConnectDelay(10);
        QCOMPARE(disconnect ? sim->disconnect(handle, guid) : connectWith(u"Cafe"), 0u);
        sim->waitForNotifications();
        QVERIFY(timer.elapsed() < 4000);   // the superseded attempt's own outcome was called off
        QCOMPARE(seen(SourceAcm), acm);
        QCOMPARE(sim->connectedProfile(0), disconnect ? std::u16string() : std::u16string(u"Cafe"));
        if (disconnect)
            QCOMPARE(recorder.first(SourceAcm, AcmConnectionComplete).reasonCode, 0x38001u);   // cancelled by the user
    }

    void registrationsFilterAndReplace()
    {
        NotificationRecorder second;
        listen(SourceAcm);
        QCOMPARE(connectWith(u"Home"), 0u);
        sim->waitForNotifications();
        QCOMPARE(recorder.codes(SourceAcm) + "/" + recorder.codes(SourceMsm), std::string("9 10/"));
        QCOMPARE(sim->registerNotification(handle, SourceMsm, false, &NotificationRecorder::callback, &second), 0u);
        recorder.clear();
        QCOMPARE(sim->disconnect(handle, guid), 0u);
        sim->waitForNotifications();
        QVERIFY(recorder.all().empty());
        QCOMPARE(second.codes(SourceAcm) + "/" + second.codes(SourceMsm), std::string("/9 10"));
    }

    // A callback may list, wait, script and unsubscribe without deadlocking the service.
    void callbacksMayCallTheService()
    {
        struct Context {
            Sim *sim;
            Handle handle;
            Guid guid;
            std::atomic<int> listed{0};
            std::atomic<bool> unsubscribed{false};
        } context{sim.get(), handle, guid};
        auto callback = [](const Notification *n, void *ctx) {
            auto *c = static_cast<Context *>(ctx);
            if (n->code != AcmScanComplete)
                return;
            std::vector<AvailableNetwork> list;
            if (c->sim->getAvailableNetworkList(c->handle, c->guid, 0, list) == 0)
                c->listed = int(list.size());
            c->sim->waitForNotifications();
            c->sim->addNetwork(openNetwork("Added from callback"));
            c->unsubscribed = c->sim->registerNotification(c->handle, SourceNone, false, nullptr, nullptr) == 0;
        };
        QCOMPARE(sim->registerNotification(handle, SourceAcm, false, callback, &context), 0u);
        QCOMPARE(sim->scan(handle, guid), 0u);
        sim->waitForNotifications();
        QVERIFY(context.listed.load() == 2 && context.unsubscribed.load());
        QCOMPARE(available().size(), 3);
    }

    void destroyingWithPendingWorkDoesNotWait()
    {
        listen();
        sim->setConnectDelay(60000);
        sim->setBackgroundScanInterval(60000);
        QCOMPARE(connectWith(u"Home"), 0u);
        QElapsedTimer timer;
        timer.start();
        sim.reset();
        QVERIFY(timer.elapsed() < 3000);
    }
};

QTEST_GUILESS_MAIN(TestSimulatedWlanClient)
#include "tst_simulatedwlanclient.moc"
