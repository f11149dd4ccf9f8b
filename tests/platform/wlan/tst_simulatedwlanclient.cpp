#include "core/NotificationRecorder.h"
#include "core/SimWorld.h"

#include "platform/wlan/WlanClientProvider.h"
#include "wireless/ProfileXml.h"

#include <QtTest>

#include <atomic>
#include <thread>

// The simulated service as the engine meets it: handles, listings, connection attempts and the
// notifications they produce, and callbacks that call back into the service; its profile store,
// which checks documents the way the operating system does (a profile the program writes wrongly
// is refused here, not first on a user's machine); and the worlds it is built from.

using namespace wlan;
using namespace testsupport;

namespace {

const QString head = QStringLiteral("<?xml version=\"1.0\"?><WLANProfile xmlns=\"http://www.microsoft.com/networking/WLAN/profile/v1\">");

QString document(const QString &security, const QString &ssid = QStringLiteral("<hex>43616665</hex><name>Cafe</name>"),
                 const QString &name = QStringLiteral("Cafe"))
{
    return head + QStringLiteral("<name>%1</name><SSIDConfig><SSID>%2</SSID><nonBroadcast>false</nonBroadcast></SSIDConfig>"
                                 "<connectionType>ESS</connectionType><connectionMode>auto</connectionMode>"
                                 "<MSM><security>%3</security></MSM></WLANProfile>").arg(name, ssid, security);
}

QString authEnc(const QString &auth, const QString &enc, const QString &oneX = QStringLiteral("false"))
{
    return QStringLiteral("<authEncryption><authentication>%1</authentication><encryption>%2</encryption>"
                          "<useOneX>%3</useOneX></authEncryption>").arg(auth, enc, oneX);
}

QString sharedKey(const QString &material, const QString &type = QStringLiteral("passPhrase"))
{
    return QStringLiteral("<sharedKey><keyType>%1</keyType><protected>false</protected><keyMaterial>%2</keyMaterial></sharedKey>")
        .arg(type, material);
}

} // namespace

namespace {

const char *minimal = R"({"adapters": [{"description": "Solo", "guid": "{11111111-2222-3333-4444-555555555555}"}],
                          "networks": [{"ssid": "Only", "bss": [{"bssid": "00:11:22:33:44:55", "centerFrequencyKHz": 2412000}]}]})";

} // namespace

class TestSimulatedWlanClient : public QObject
{
    Q_OBJECT

    std::shared_ptr<Sim> sim;
    Handle handle = 0;
    Guid guid;
    NotificationRecorder recorder;

    uint32_t store(int adapterIndex, const QString &xml, uint32_t &reason, bool overwrite = true)
    {
        return sim->setProfile(handle, sim->adapterGuid(adapterIndex), 0, xml.toStdU16String(), overwrite, reason);
    }
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
        qunsetenv("AIRVANE_WLAN_SCENARIO");
        // Adapter 1 has nothing stored and cannot store WPA3 profiles.
        sim = world(2, {securedNetwork("Home", "correct-horse"), openNetwork("Cafe")});
        sim->setAdapterSupportsWpa3(1, false);
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

    // ---- the profile store ----

    void documents_data()
    {
        QTest::addColumn<QString>("xml");
        QTest::addColumn<uint>("error");
        QTest::addColumn<uint>("reason");
        QTest::addColumn<QString>("parsed");   // stored name, SSID bytes in hex, authentication, encryption, key
        const QString open = authEnc("open", "none"), wpa2 = authEnc("WPA2PSK", "AES");
        const uint bad = BadProfile, schema = 0x80001, key = 1206;
        QTest::newRow("open") << document(open) << 0u << 0u << "Cafe 43616665 open none ";
        QTest::newRow("WEP") << document(authEnc("open", "WEP") + sharedKey("abc12", "networkKey")) << 0u << 0u << "Cafe 43616665 open WEP abc12";
        QTest::newRow("WPA2-Enterprise with 802.1X") << document(authEnc("WPA2", "AES", "true")) << 0u << 0u << "Cafe 43616665 WPA2 AES ";
        QTest::newRow("name only, UTF-8") << document(open, "<name>Дом</name>") << 0u << 0u << "Cafe d094d0bed0bc open none ";
        QTest::newRow("hex wins over name") << document(open, "<hex>43a9ff</hex><name>whatever</name>") << 0u << 0u << "Cafe 43a9ff open none ";
        QTest::newRow("pretty-printed")
            << QString(head + "\n  <name>Cafe</name>\n  <SSIDConfig>\n    <SSID>\n      <hex> 43616665 </hex>\n    </SSID>\n  </SSIDConfig>\n"
                       "  <connectionType>ESS</connectionType>\n  <MSM>\n    <security>\n      <authEncryption>\n"
                       "        <authentication>open</authentication>\n        <encryption>none</encryption>\n"
                       "      </authEncryption>\n    </security>\n  </MSM>\n</WLANProfile>\n") << 0u << 0u << "Cafe 43616665 open none ";
        QTest::newRow("64 hex digits as key") << document(wpa2 + sharedKey(QString(64, 'a'), "networkKey")) << 0u << 0u
                                              << "Cafe 43616665 WPA2PSK AES " + QString(64, 'a');
        QTest::newRow("CDATA name") << document(open, "<hex>43616665</hex><name><![CDATA[a<b & c]]></name>", "<![CDATA[a<b & c]]>")
                                    << 0u << 0u << "a<b & c 43616665 open none ";
        QTest::newRow("spaces kept") << document(open, "<hex>43616665</hex>", "  two  spaces  ") << 0u << 0u << "  two  spaces   43616665 open none ";
        QTest::newRow("not XML") << QStringLiteral("this is no profile") << bad << schema << "";
        QTest::newRow("wrong namespace") << QString(document(open)).replace("profile/v1", "profile/v9") << bad << schema << "";
        QTest::newRow("undeclared entity") << document(open, "<name>&cafe;</name>") << bad << schema << "";
        QTest::newRow("DTD") << QString("<?xml version=\"1.0\"?><!DOCTYPE WLANProfile [<!ENTITY x \"Cafe\">]>" + document(open).mid(21))
                             << bad << schema << "";
        QTest::newRow("empty name") << document(open, "<hex>43616665</hex>", QString()) << bad << 0x80003u << "";
        QTest::newRow("bad hex digit") << document(open, "<hex>4G</hex>") << bad << 0x80013u << "";
        QTest::newRow("bad connectionType") << QString(document(open)).replace(">ESS<", ">MESH<") << bad << 0x8000Du << "";
        QTest::newRow("no authEncryption") << document(QString()) << bad << 0x40005u << "";
        QTest::newRow("keywords are case-sensitive") << document(authEnc("wpa2psk", "aes") + sharedKey("correct-horse")) << bad << schema << "";
        QTest::newRow("open with AES") << document(authEnc("open", "AES")) << bad << 0x40009u << "";
        QTest::newRow("secured without key") << document(wpa2) << bad << 0x8000Cu << "";
        QTest::newRow("enterprise without 802.1X") << document(authEnc("WPA2", "AES")) << bad << 0x4000Au << "";
        QTest::newRow("personal with 802.1X") << document(authEnc("WPA2PSK", "AES", "true") + sharedKey("correct-horse")) << bad << 0x4000Bu << "";
        QTest::newRow("unknown key type") << document(wpa2 + sharedKey("correct-horse", "password")) << bad << schema << "";
        QTest::newRow("7 characters") << document(wpa2 + sharedKey("1234567")) << key << 0x40004u << "";
        QTest::newRow("64 characters as pass phrase") << document(wpa2 + sharedKey(QString(64, 'a'))) << key << 0x40004u << "";
        QTest::newRow("64 non-hex as key") << document(wpa2 + sharedKey(QString(64, 'z'), "networkKey")) << key << 0x40017u << "";
        QTest::newRow("non-ASCII pass phrase") << document(wpa2 + sharedKey("пароль-пароль")) << key << 0x40016u << "";
        QTest::newRow("WEP 6 characters") << document(authEnc("open", "WEP") + sharedKey("abc123", "networkKey")) << key << 0x40003u << "";
    }

    void documents()
    {
        QFETCH(QString, xml);
        QFETCH(uint, error);
        QFETCH(uint, reason);
        QFETCH(QString, parsed);
        uint32_t got = 77;
        QCOMPARE(store(1, xml, got), uint32_t(error));
        QCOMPARE(got, uint32_t(reason));
        QCOMPARE(sim->storedProfileNames(1).size(), size_t(error ? 0 : 1));
        Sim::ParsedProfile p;
        if (error == 0 && Sim::parseProfile(xml.toStdU16String(), p, got) == 0) {
            const std::u16string name = sim->storedProfileNames(1).at(0);
            QCOMPARE(QStringList({QString::fromStdU16String(name), QByteArray::fromStdString(p.ssidBytes).toHex(),
                                  QString::fromStdU16String(p.authentication), QString::fromStdU16String(p.encryption),
                                  QString::fromStdU16String(p.keyMaterial)}).join(' '), parsed);
            std::u16string back;   // the service hands back the document as it was given
            QCOMPARE(sim->getProfile(handle, sim->adapterGuid(1), name, back), 0u);
            QCOMPARE(QString::fromStdU16String(back), xml);
        }
    }

    void wpa3NeedsACapableAdapter()
    {
        for (const QString &security : QStringList{authEnc("WPA3SAE", "AES") + sharedKey("correct-horse"), authEnc("OWE", "AES")}) {
            uint32_t reason = 0;
            QCOMPARE(store(1, document(security), reason), uint32_t(NoMatch));
            QCOMPARE(reason, 0x4001Eu);
            QCOMPARE(store(0, document(security), reason), 0u);
        }
        QVERIFY(sim->storedProfileNames(1).empty());
        sim->setAdapterSupportsWpa3(1, true);
        uint32_t reason = 0;
        QCOMPARE(store(1, document(authEnc("OWE", "AES")), reason), 0u);
    }

    void namesAreUniqueRegardlessOfCase()
    {
        const Guid usb = sim->adapterGuid(1);
        uint32_t reason = 0;
        QCOMPARE(store(1, document(authEnc("open", "none")), reason), 0u);
        const QString upper = document(authEnc("WPA2PSK", "AES") + sharedKey("correct-horse"), "<hex>43616665</hex>", "CAFE");
        QCOMPARE(store(1, upper, reason, false), uint32_t(AlreadyExists));
        QCOMPARE(QString::fromStdU16String(sim->storedProfileXml(1, u"cafe")), document(authEnc("open", "none")));
        QCOMPARE(store(1, upper, reason, true), 0u);
        QCOMPARE(sim->storedProfileNames(1), std::vector<std::u16string>{u"CAFE"});
        std::u16string xml;
        QCOMPARE(sim->getProfile(handle, usb, u"Cafe", xml), 0u);
        QCOMPARE(QString::fromStdU16String(xml), upper);
        QCOMPARE(sim->storedProfileXml(0, u"Cafe"), openProfile("Cafe"));   // stores are per adapter
        QCOMPARE(sim->deleteProfile(handle, usb, u"cAfE"), 0u);
        QCOMPARE(sim->getProfile(handle, usb, u"Cafe", xml), uint32_t(NotFound));
        QCOMPARE(sim->deleteProfile(handle, usb, u"Cafe"), uint32_t(NotFound));
        QCOMPARE(sim->setProfile(handle, usb, 8, document(authEnc("open", "none")).toStdU16String(), true, reason),
                 uint32_t(InvalidParameter));   // only the per-user flag is known
    }

    // ---- worlds ----

    // The default world shows every kind of network the program has to cope with...
    void defaultWorld()
    {
        QString error;
        sim = Sim::fromScenarioJson(Sim::defaultScenarioJson(), &error);
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
        uint32_t version = 0;
        QCOMPARE(sim->openHandle(2, &version, &handle), 0u);
        listen(SourceAcm);
        auto join = [&](int adapter, const QString &name, const QString &xml) {
            uint32_t reason = 0;
            recorder.clear();
            guid = sim->adapterGuid(adapter);
            const uint32_t stored = store(adapter, xml, reason);
            const uint32_t connected = stored ? stored : connectWith(name.toStdU16String());
            sim->waitForNotifications();
            return QStringLiteral("%1 %2 %3").arg(stored).arg(connected).arg(recorder.first(SourceAcm, AcmConnectionComplete).reasonCode);
        };
        const QString tom = QStringLiteral("Tom & Jerry's <5G>");
        QCOMPARE(join(0, tom, ProfileXml::securedProfile(tom, tom, 7, 4, "p&ss<word>", false, true)), QStringLiteral("0 0 0"));
        // The USB adapter cannot store WPA3 profiles; a WPA2-Personal one joins the transition network.
        const auto neighbor = [](int auth) { return QString::fromStdU16String(securedProfile("Neighbor-5G", "neighborly-sae", auth)); };
        QCOMPARE(join(1, "Neighbor-5G", neighbor(9)), QStringLiteral("1169 1169 0"));
        QCOMPARE(join(1, "Neighbor-5G", neighbor(7)), QStringLiteral("0 0 0"));
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

QTEST_GUILESS_MAIN(TestSimulatedWlanClient)
#include "tst_simulatedwlanclient.moc"
