#include "NotificationRecorder.h"

#include "platform/wlan/SimulatedWlanClient.h"

#include <QElapsedTimer>
#include <QStringList>
#include <QtTest>

#include <atomic>

using namespace wlan;
using Sim = SimulatedWlanClient;

namespace {

Sim::Bss bss(uint8_t last, uint32_t frequencyKHz, int32_t rssi = -50)
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

QString u(const std::u16string &s) { return QString::fromStdU16String(s); }

constexpr uint32_t PskMismatch = 0x48014;
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
    uint32_t connectWith(const QString &profile, Handle h = 0)
    {
        ConnectionParameters p;
        p.profile = profile.toStdU16String();
        return sim->connect(h ? h : handle, guid, p);
    }
    int adapterState()
    {
        std::vector<InterfaceInfo> list;
        return sim->enumInterfaces(handle, list) != 0 || list.empty() ? -1 : list.front().state;
    }
    // "profile|flags" of each listed network.
    QStringList available()
    {
        std::vector<AvailableNetwork> list;
        sim->getAvailableNetworkList(handle, guid, 0, list);
        QStringList out;
        for (const AvailableNetwork &n : list)
            out << QStringLiteral("%1|%2|%3|%4").arg(u(n.profileName), QString::fromStdString(n.ssid.toBytes())).arg(n.flags).arg(n.securityEnabled);
        return out;
    }
    void addProfile(const QString &name, const QString &auth, const QString &enc, const QString &key = QString(),
                    bool nonBroadcast = false, uint32_t flags = 0)
    {
        QVERIFY(sim->addStoredProfile(0, testProfileXml(name, hexOf(name.toStdString()), auth, enc, key, nonBroadcast), flags));
    }
    void addSecuredHome()
    {
        sim->addNetwork(network("Home", 7, 4, "correct-horse", {bss(0xA0, 2437000)}));
        addProfile("Home", "WPA2PSK", "AES", "correct-horse");
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

    void cleanup() { sim.reset(); }

    // --- handles ----------------------------------------------------------------------------------

    void handles()
    {
        Handle second = 0;
        uint32_t version = 0;
        QCOMPARE(sim->openHandle(2, &version, &second), 0u);
        QVERIFY(version == 2 && handle != 0 && second != 0 && second != handle);
        QCOMPARE(sim->openHandle(3, &version, &second), uint32_t(InvalidParameter));
        QCOMPARE(sim->openHandle(2, &version, nullptr), uint32_t(InvalidParameter));
        sim->setServiceAvailable(false);
        Handle h = 0;
        QCOMPARE(sim->openHandle(2, &version, &h), uint32_t(ServiceNotActive));
        QCOMPARE(h, Handle(0));
    }

    void closedOrUnknownHandlesAreRefused()
    {
        addSecuredHome();
        Handle closed = 0;
        uint32_t version = 0;
        QCOMPARE(sim->openHandle(2, &version, &closed), 0u);
        QCOMPARE(sim->closeHandle(closed), 0u);
        for (Handle h : {closed, Handle(0xBADC0DE)}) {
            std::vector<InterfaceInfo> l;
            uint32_t reason = 0;
            QCOMPARE(sim->closeHandle(h), uint32_t(InvalidHandle));
            QCOMPARE(sim->enumInterfaces(h, l), uint32_t(InvalidHandle));
            QCOMPARE(sim->scan(h, guid), uint32_t(InvalidHandle));
            QCOMPARE(sim->setProfile(h, guid, 0, sim->storedProfileXml(0, u"Home"), true, reason), uint32_t(InvalidHandle));
            QCOMPARE(sim->deleteProfile(h, guid, u"Home"), uint32_t(InvalidHandle));
            QCOMPARE(connectWith("Home", h), uint32_t(InvalidHandle));
            QCOMPARE(sim->registerNotification(h, SourceAcm, false, &NotificationRecorder::callback, &recorder),
                     uint32_t(InvalidHandle));
        }
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
        QCOMPARE(connectWith("Home", other), 0u);
        sim->waitForNotifications();
        QCOMPARE(recorder.size(), size_t(0));
    }

    void reasonTexts()
    {
        std::u16string text;
        QCOMPARE(sim->reasonCodeToString(0, 5, text), 0u);
        QCOMPARE(u(text), QStringLiteral("The "));   // cut to the buffer, terminator included
        QCOMPARE(sim->reasonCodeToString(0, 0, text), uint32_t(InvalidParameter));
        QStringList texts;
        for (uint32_t code : {0x4001Eu, PskMismatch, 0x7777777u, 0x7777778u}) {
            QCOMPARE(sim->reasonCodeToString(code, 256, text), 0u);
            texts << u(text);
        }
        QVERIFY(!texts[2].isEmpty() && texts[2] == texts[3]);
        QCOMPARE(QSet<QString>(texts.begin(), texts.end()).size(), 3);
    }

    // --- available networks -----------------------------------------------------------------------

    void availableListFlags()
    {
        sim->addNetwork(network("Cafe", 1, 0));
        Sim::Network marked = network("Marked", 7, 4, "marked-key");
        marked.extraFlags = NetworkConsoleUserProfile;
        sim->addNetwork(marked);
        Sim::Network away = network("Away", 1, 0);
        away.inRange = false;
        sim->addNetwork(away);
        addProfile("Marked", "WPA2PSK", "AES", "marked-key");
        addProfile("Away", "open", "none");
        QCOMPARE(available(), QStringList({"Marked|Marked|6|1", "|Cafe|0|0"}));
    }

    void radioOffListsNothing()
    {
        sim->addNetwork(network("Cafe", 1, 0, std::string(), {bss(1, 2412000)}));
        sim->setAdapterRadio(0, false, true);
        QVERIFY(available().isEmpty());
        std::vector<BssEntry> entries;
        QCOMPARE(sim->getNetworkBssList(handle, guid, nullptr, 3, false, entries), uint32_t(NdisDot11PowerStateInvalid));
        QCOMPARE(sim->scan(handle, guid), uint32_t(NdisDot11PowerStateInvalid));
        QCOMPARE(connectWith("Cafe"), uint32_t(NdisDot11PowerStateInvalid));
    }

    void bssListsFollowTheNetwork()
    {
        sim->addNetwork(network("Harbor", 7, 4, "k", {bss(0xA0, 2437000, -48), bss(0xA4, 5180000, -54)}));
        sim->addNetwork(network("Harbor", 1, 0, std::string(), {bss(0xB0, 2412000)}));
        Sim::Network hidden = network("Attic", 7, 4, "k", {bss(0x11, 2462000)});
        hidden.hidden = true;
        sim->addNetwork(hidden);
        // "ssid last-byte frequency rssi" of each entry.
        auto query = [this](const Ssid *ssid, int bssType, bool secured, uint32_t expected = 0) {
            std::vector<BssEntry> entries;
            const uint32_t r = sim->getNetworkBssList(handle, guid, ssid, bssType, secured, entries);
            QStringList out;
            for (const BssEntry &e : entries)
                out << QStringLiteral("%1 %2 %3 %4").arg(QString::fromStdString(e.ssid.toBytes())).arg(e.bssid[5], 0, 16)
                           .arg(e.centerFrequencyKHz).arg(e.rssi);
            return r == expected ? out.join(',') : QStringLiteral("error %1").arg(r);
        };
        const Ssid harbor = Ssid::fromBytes("Harbor"), nobody = Ssid::fromBytes("Nobody"), empty;
        QCOMPARE(query(&harbor, 1, true), QStringLiteral("Harbor a0 2437000 -48,Harbor a4 5180000 -54"));
        QCOMPARE(query(&harbor, 1, false), QStringLiteral("Harbor b0 2412000 -50"));
        QCOMPARE(query(&nobody, 1, true), QString());
        QCOMPARE(query(&empty, 1, true), QStringLiteral(" 11 2462000 -50"));
        QCOMPARE(query(nullptr, 3, false).count(','), 3);
        QCOMPARE(query(&harbor, 3, true, InvalidParameter), QString());
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
        QVERIFY(done.hasConnectionData && done.reasonCode == 0 && done.iface == guid);
        QCOMPARE(u(done.profileName) + "/" + QString::fromStdString(done.ssid), QStringLiteral("Home/Home"));
        QCOMPARE(adapterState(), int(Connected));
        // Every notification comes from the one service thread.
        for (const NotificationRecorder::Entry &e : recorder.all())
            QVERIFY(e.thread != std::this_thread::get_id() && e.thread == recorder.all().front().thread);
    }

    void aSecondConnectReplacesTheFirst()
    {
        addSecuredHome();
        sim->addNetwork(network("Cafe", 1, 0));
        addProfile("Cafe", "open", "none");
        listenAll(SourceAcm);
        sim->setConnectDelay(5000);
        QElapsedTimer timer;
        timer.start();
        QCOMPARE(connectWith("Home"), 0u);
        sim->setConnectDelay(10);
        QCOMPARE(connectWith("Cafe"), 0u);
        sim->waitForNotifications();
        QVERIFY(timer.elapsed() < 4000);
        QStringList seen;
        for (const NotificationRecorder::Entry &e : recorder.all())
            seen << QStringLiteral("%1 %2").arg(e.code).arg(u(e.profileName));
        QCOMPARE(seen, QStringList({"9 Home", "9 Cafe", "10 Cafe"}));
        QCOMPARE(u(sim->connectedProfile(0)), QStringLiteral("Cafe"));
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
        QVERIFY(adapterState() == Disconnected && sim->connectedProfile(0).empty());
    }

    void registrationsFilterAndReplace()
    {
        addSecuredHome();
        NotificationRecorder second;
        listenAll(SourceAcm);
        QCOMPARE(connectWith("Home"), 0u);
        sim->waitForNotifications();
        QCOMPARE(codes(recorder.codes(SourceAcm)) + "/" + codes(recorder.codes(SourceMsm)), QStringLiteral("9 10/"));
        QCOMPARE(sim->registerNotification(handle, SourceMsm, false, &NotificationRecorder::callback, &second), 0u);
        recorder.clear();
        QCOMPARE(sim->disconnect(handle, guid), 0u);
        sim->waitForNotifications();
        QCOMPARE(recorder.size(), size_t(0));
        QCOMPARE(codes(second.codes(SourceAcm)) + "/" + codes(second.codes(SourceMsm)), QStringLiteral("/9 10"));
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
        QCOMPARE(available().size(), 2);
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
