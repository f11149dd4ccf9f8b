#include "core/SimWorld.h"

#include <QtTest>

// The simulated service's profile store checks documents the way the operating system does, so a
// profile the program writes wrongly is refused here, not first on a user's machine.

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

class TestWlanProfiles : public QObject
{
    Q_OBJECT

    std::shared_ptr<Sim> sim;
    Handle handle = 0;

    uint32_t store(int adapterIndex, const QString &xml, uint32_t &reason, bool overwrite = true)
    {
        return sim->setProfile(handle, sim->adapterGuid(adapterIndex), 0, xml.toStdU16String(), overwrite, reason);
    }

private slots:
    void init()
    {
        sim = world(2);
        sim->setAdapterSupportsWpa3(1, false);
        uint32_t version = 0;
        QCOMPARE(sim->openHandle(2, &version, &handle), 0u);
    }

    void cleanup() { sim.reset(); }

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
        QCOMPARE(store(0, xml, got), uint32_t(error));
        QCOMPARE(got, uint32_t(reason));
        QCOMPARE(sim->storedProfileNames(0).size(), size_t(error ? 0 : 1));
        Sim::ParsedProfile p;
        if (error == 0 && Sim::parseProfile(xml.toStdU16String(), p, got) == 0) {
            const std::u16string name = sim->storedProfileNames(0).at(0);
            QCOMPARE(QStringList({QString::fromStdU16String(name), QByteArray::fromStdString(p.ssidBytes).toHex(),
                                  QString::fromStdU16String(p.authentication), QString::fromStdU16String(p.encryption),
                                  QString::fromStdU16String(p.keyMaterial)}).join(' '), parsed);
            std::u16string back;   // the service hands back the document as it was given
            QCOMPARE(sim->getProfile(handle, sim->adapterGuid(0), name, back), 0u);
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
        const Guid intel = sim->adapterGuid(0);
        uint32_t reason = 0;
        QCOMPARE(store(0, document(authEnc("open", "none")), reason), 0u);
        const QString upper = document(authEnc("WPA2PSK", "AES") + sharedKey("correct-horse"), "<hex>43616665</hex>", "CAFE");
        QCOMPARE(store(0, upper, reason, false), uint32_t(AlreadyExists));
        QCOMPARE(QString::fromStdU16String(sim->storedProfileXml(0, u"cafe")), document(authEnc("open", "none")));
        QCOMPARE(store(0, upper, reason, true), 0u);
        QCOMPARE(sim->storedProfileNames(0), std::vector<std::u16string>{u"CAFE"});
        std::u16string xml;
        QCOMPARE(sim->getProfile(handle, intel, u"Cafe", xml), 0u);
        QCOMPARE(QString::fromStdU16String(xml), upper);
        QVERIFY(sim->storedProfileNames(1).empty());   // stores are per adapter
        QCOMPARE(sim->deleteProfile(handle, intel, u"cAfE"), 0u);
        QCOMPARE(sim->getProfile(handle, intel, u"Cafe", xml), uint32_t(NotFound));
        QCOMPARE(sim->deleteProfile(handle, intel, u"Cafe"), uint32_t(NotFound));
        QCOMPARE(sim->setProfile(handle, intel, 8, document(authEnc("open", "none")).toStdU16String(), true, reason),
                 uint32_t(InvalidParameter));   // only the per-user flag is known
    }
};

QTEST_GUILESS_MAIN(TestWlanProfiles)
#include "tst_wlanprofiles.moc"
