#include "NotificationRecorder.h"

#include "platform/wlan/SimulatedWlanClient.h"

#include <QtTest>

using namespace wlan;
using Sim = SimulatedWlanClient;

namespace {

const QString head = QStringLiteral("<?xml version=\"1.0\"?><WLANProfile xmlns=\"http://www.microsoft.com/networking/WLAN/profile/v1\">");

// A document with the given security part; %1 and %2 of the SSID part can be replaced by callers.
QString document(const QString &security, const QString &ssid = QStringLiteral("<hex>43616665</hex><name>Cafe</name>"),
                 const QString &name = QStringLiteral("Cafe"))
{
    return head + QStringLiteral("<name>%1</name><SSIDConfig><SSID>%2</SSID><nonBroadcast>false</nonBroadcast></SSIDConfig>"
                                 "<connectionType>ESS</connectionType><connectionMode>auto</connectionMode>"
                                 "<MSM><security>%3</security></MSM></WLANProfile>")
                      .arg(name, ssid, security);
}

QString authEnc(const QString &auth, const QString &enc, const QString &oneX = QStringLiteral("false"))
{
    return QStringLiteral("<authEncryption><authentication>%1</authentication><encryption>%2</encryption>"
                          "<useOneX>%3</useOneX></authEncryption>")
        .arg(auth, enc, oneX);
}

QString sharedKey(const QString &material, const QString &type = QStringLiteral("passPhrase"))
{
    return QStringLiteral("<sharedKey><keyType>%1</keyType><protected>false</protected><keyMaterial>%2</keyMaterial></sharedKey>")
        .arg(type, material);
}

} // namespace

class TestWlanProfiles : public QObject
{
    Q_OBJECT

    std::shared_ptr<Sim> sim;
    Handle handle = 0;
    Guid intel;
    Guid usb;

    uint32_t store(const Guid &iface, const QString &xml, uint32_t &reason, bool overwrite = true)
    {
        return sim->setProfile(handle, iface, 0, xml.toStdU16String(), overwrite, reason);
    }

private slots:
    void init()
    {
        sim = std::make_shared<Sim>();
        Sim::Adapter a;
        a.description = u"Intel(R) Wi-Fi 6E AX211 160MHz";
        sim->addAdapter(a);
        a.description = u"TP-Link Archer T2U Plus Wireless USB Adapter";
        a.supportsWpa3 = false;
        sim->addAdapter(a);
        intel = sim->adapterGuid(0);
        usb = sim->adapterGuid(1);
        uint32_t version = 0;
        QCOMPARE(sim->openHandle(2, &version, &handle), 0u);
    }

    void cleanup() { sim.reset(); }

    void acceptedProfiles_data()
    {
        QTest::addColumn<QString>("xml");
        QTest::addColumn<QByteArray>("ssidBytes");
        QTest::addColumn<QString>("authentication");
        QTest::addColumn<QString>("encryption");
        QTest::addColumn<QString>("keyMaterial");

        QTest::newRow("open") << document(authEnc("open", "none")) << QByteArray("Cafe") << "open" << "none" << QString();
        QTest::newRow("WEP") << document(authEnc("open", "WEP") + sharedKey("abc12", "networkKey"))
                             << QByteArray("Cafe") << "open" << "WEP" << "abc12";
        QTest::newRow("WPA2-Enterprise with 802.1X") << document(authEnc("WPA2", "AES", "true"))
                                                     << QByteArray("Cafe") << "WPA2" << "AES" << QString();
        QTest::newRow("name only, UTF-8") << document(authEnc("open", "none"), QStringLiteral("<name>Дом</name>"))
                                          << QByteArray("Дом") << "open" << "none" << QString();
        QTest::newRow("hex wins over name, lowercase digits")
            << document(authEnc("open", "none"), QStringLiteral("<hex>43a9ff</hex><name>whatever</name>"))
            << QByteArray("\x43\xA9\xFF") << "open" << "none" << QString();
        QTest::newRow("pretty-printed")
            << QString(head + "\n  <name>Cafe</name>\n  <SSIDConfig>\n    <SSID>\n      <hex> 43616665 </hex>\n    </SSID>\n  </SSIDConfig>\n"
                       "  <connectionType>ESS</connectionType>\n  <MSM>\n    <security>\n      <authEncryption>\n"
                       "        <authentication>open</authentication>\n        <encryption>none</encryption>\n"
                       "      </authEncryption>\n    </security>\n  </MSM>\n</WLANProfile>\n")
            << QByteArray("Cafe") << "open" << "none" << QString();
    }

    void acceptedProfiles()
    {
        QFETCH(QString, xml);
        QFETCH(QByteArray, ssidBytes);
        QFETCH(QString, authentication);
        QFETCH(QString, encryption);
        QFETCH(QString, keyMaterial);
        Sim::ParsedProfile p;
        uint32_t reason = 99;
        QCOMPARE(Sim::parseProfile(xml.toStdU16String(), p, reason), 0u);
        QCOMPARE(reason, 0u);
        QCOMPARE(QByteArray::fromStdString(p.ssidBytes), ssidBytes);
        QCOMPARE(QStringList({QString::fromStdU16String(p.authentication), QString::fromStdU16String(p.encryption),
                              QString::fromStdU16String(p.keyMaterial), QString::number(p.hasSharedKey)}),
                 QStringList({authentication, encryption, keyMaterial.isNull() ? QString("") : keyMaterial,
                              QString::number(!keyMaterial.isNull())}));
        QCOMPARE(store(intel, xml, reason), 0u);
    }

    void refusedProfiles_data()
    {
        QTest::addColumn<QString>("xml");
        QTest::addColumn<uint>("reason");
        const uint schema = 0x80001;
        const QString open = authEnc("open", "none");

        QTest::newRow("not XML") << QStringLiteral("this is no profile") << schema;
        QTest::newRow("wrong namespace") << QString(document(open)).replace("profile/v1", "profile/v9") << schema;
        QTest::newRow("undeclared entity") << document(open, QStringLiteral("<name>&cafe;</name>")) << schema;
        QTest::newRow("DTD") << QString("<?xml version=\"1.0\"?><!DOCTYPE WLANProfile [<!ENTITY x \"Cafe\">]>"
                                        + document(open).mid(21)) << schema;
        QTest::newRow("empty name") << document(open, QStringLiteral("<hex>43616665</hex>"), QString()) << 0x80003u;
        QTest::newRow("bad hex digit") << document(open, QStringLiteral("<hex>4G</hex>")) << 0x80013u;
        QTest::newRow("bad connectionType") << QString(document(open)).replace(">ESS<", ">MESH<") << 0x8000Du;
        QTest::newRow("no authEncryption") << document(QString()) << 0x40005u;
        QTest::newRow("keywords are case-sensitive") << document(authEnc("wpa2psk", "aes") + sharedKey("correct-horse")) << schema;
        QTest::newRow("open with AES") << document(authEnc("open", "AES")) << 0x40009u;
        QTest::newRow("secured without key") << document(authEnc("WPA2PSK", "AES")) << 0x8000Cu;
        QTest::newRow("enterprise without 802.1X") << document(authEnc("WPA2", "AES")) << 0x4000Au;
        QTest::newRow("personal with 802.1X") << document(authEnc("WPA2PSK", "AES", "true") + sharedKey("correct-horse")) << 0x4000Bu;
        QTest::newRow("unknown key type") << document(authEnc("WPA2PSK", "AES") + sharedKey("correct-horse", "password")) << schema;
    }

    void refusedProfiles()
    {
        QFETCH(QString, xml);
        QFETCH(uint, reason);
        Sim::ParsedProfile p;
        uint32_t got = 0;
        QCOMPARE(Sim::parseProfile(xml.toStdU16String(), p, got), uint32_t(BadProfile));
        QCOMPARE(got, reason);
        got = 0;
        QCOMPARE(store(intel, xml, got), uint32_t(BadProfile));
        QCOMPARE(got, reason);
        QVERIFY(sim->storedProfileNames(0).empty());
    }

    void escapedNamesRoundTrip_data()
    {
        QTest::addColumn<QString>("written");
        QTest::addColumn<QString>("name");
        QTest::newRow("CDATA") << "<![CDATA[a<b & c]]>" << "a<b & c";
        QTest::newRow("spaces kept") << "  two  spaces  " << "  two  spaces  ";
    }

    void escapedNamesRoundTrip()
    {
        QFETCH(QString, written);
        QFETCH(QString, name);
        const QString xml = document(authEnc("open", "none"), QStringLiteral("<hex>43616665</hex><name>%1</name>").arg(written), written);
        Sim::ParsedProfile p;
        uint32_t reason = 0;
        QCOMPARE(Sim::parseProfile(xml.toStdU16String(), p, reason), 0u);
        QCOMPARE(QString::fromStdU16String(p.name), name);
        QCOMPARE(QString::fromStdU16String(p.ssidName), name);
        QCOMPARE(store(intel, xml, reason), 0u);
        QCOMPARE(QString::fromStdU16String(sim->storedProfileNames(0).at(0)), name);
        std::u16string back;
        QCOMPARE(sim->getProfile(handle, intel, name.toStdU16String(), back), 0u);
        QCOMPARE(QString::fromStdU16String(back), xml);
    }

    void keyMaterialIsCheckedWhenStored_data()
    {
        QTest::addColumn<QString>("security");
        QTest::addColumn<uint>("error");
        QTest::addColumn<uint>("reason");
        const QString wpa2 = authEnc("WPA2PSK", "AES");
        const QString wep = authEnc("open", "WEP");
        QTest::newRow("7 characters") << wpa2 + sharedKey("1234567") << 1206u << 0x40004u;
        QTest::newRow("64 characters as pass phrase") << wpa2 + sharedKey(QString(64, 'a')) << 1206u << 0x40004u;
        QTest::newRow("64 hex digits as key") << wpa2 + sharedKey(QString(64, 'a'), "networkKey") << 0u << 0u;
        QTest::newRow("64 non-hex as key") << wpa2 + sharedKey(QString(64, 'z'), "networkKey") << 1206u << 0x40017u;
        QTest::newRow("non-ASCII pass phrase") << wpa2 + sharedKey("пароль-пароль") << 1206u << 0x40016u;
        QTest::newRow("WEP 6 characters") << wep + sharedKey("abc123", "networkKey") << 1206u << 0x40003u;
    }

    void keyMaterialIsCheckedWhenStored()
    {
        QFETCH(QString, security);
        QFETCH(uint, error);
        QFETCH(uint, reason);
        uint32_t got = 77;
        QCOMPARE(store(intel, document(security), got), uint32_t(error));
        QCOMPARE(got, uint32_t(reason));
    }

    void wpa3NeedsACapableAdapter_data()
    {
        QTest::addColumn<QString>("security");
        QTest::newRow("WPA3-SAE") << authEnc("WPA3SAE", "AES") + sharedKey("correct-horse");
        QTest::newRow("OWE") << authEnc("OWE", "AES");
    }

    void wpa3NeedsACapableAdapter()
    {
        QFETCH(QString, security);
        uint32_t reason = 0;
        QCOMPARE(store(usb, document(security), reason), uint32_t(NoMatch));
        QCOMPARE(reason, 0x4001Eu);
        QVERIFY(sim->storedProfileNames(1).empty());
        QCOMPARE(store(intel, document(security), reason), 0u);
        QCOMPARE(reason, 0u);

        sim->setAdapterSupportsWpa3(1, true);
        QCOMPARE(store(usb, document(security), reason), 0u);
    }

    void namesAreUniqueRegardlessOfCase()
    {
        uint32_t reason = 0;
        QCOMPARE(store(intel, document(authEnc("open", "none")), reason), 0u);
        const QString upper = document(authEnc("WPA2PSK", "AES") + sharedKey("correct-horse"),
                                       QStringLiteral("<hex>43616665</hex>"), QStringLiteral("CAFE"));
        QCOMPARE(store(intel, upper, reason, false), uint32_t(AlreadyExists));
        QCOMPARE(QString::fromStdU16String(sim->storedProfileXml(0, u"cafe")), document(authEnc("open", "none")));

        QCOMPARE(store(intel, upper, reason, true), 0u);
        QCOMPARE(sim->storedProfileNames(0).size(), size_t(1));
        QCOMPARE(QString::fromStdU16String(sim->storedProfileNames(0).at(0)), QStringLiteral("CAFE"));
        std::u16string xml;
        QCOMPARE(sim->getProfile(handle, intel, u"Cafe", xml), 0u);
        QCOMPARE(QString::fromStdU16String(xml), upper);
        QVERIFY(sim->storedProfileNames(1).empty());   // stores are per adapter

        QCOMPARE(sim->deleteProfile(handle, intel, u"cAfE"), 0u);
        xml = u"untouched";
        QCOMPARE(sim->getProfile(handle, intel, u"Cafe", xml), uint32_t(NotFound));
        QCOMPARE(sim->deleteProfile(handle, intel, u"Cafe"), uint32_t(NotFound));
        QCOMPARE(sim->setProfile(handle, intel, 8, document(authEnc("open", "none")).toStdU16String(), true, reason),
                 uint32_t(InvalidParameter));   // only the per-user flag is known
    }
};

QTEST_GUILESS_MAIN(TestWlanProfiles)
#include "tst_wlanprofiles.moc"
