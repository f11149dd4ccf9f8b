#include <QtTest>
#include <QXmlStreamReader>

#include "wireless/ProfileXml.h"

namespace {

const QString kNamespace = QStringLiteral("http://www.microsoft.com/networking/WLAN/profile/v1");

// Element path ("WLANProfile/SSIDConfig/SSID/name") -> text, parsed with a real XML reader, so a
// test fails on anything that is not well-formed.
struct Parsed {
    bool ok = false;
    QString error;
    QStringList order;          // element paths in document order
    QMap<QString, QString> text;
    QString rootNamespace;
    int rootAttributeCount = -1;
};

Parsed parse(const QString &xml)
{
    Parsed p;
    QXmlStreamReader r(xml);
    QStringList path;
    while (!r.atEnd()) {
        r.readNext();
        if (r.isStartElement()) {
            path << r.name().toString();
            if (path.size() == 1) {
                p.rootNamespace = r.namespaceUri().toString();
                p.rootAttributeCount = r.attributes().size() + r.namespaceDeclarations().size();
            }
            p.order << path.join(QLatin1Char('/'));
        } else if (r.isCharacters()) {
            p.text[path.join(QLatin1Char('/'))] += r.text().toString();
        } else if (r.isEndElement()) {
            path.removeLast();
        }
    }
    p.ok = !r.hasError();
    p.error = r.errorString();
    return p;
}

} // namespace

class TestProfileXml : public QObject
{
    Q_OBJECT

private slots:
    void authenticationKeywords_data();
    void authenticationKeywords();
    void encryptionKeywords_data();
    void encryptionKeywords();

    void openProfileIsExact();
    void securedProfileIsExact();
    void keyTypeFollowsCipher_data();
    void keyTypeFollowsCipher();

    void ssidHexIsUtf8_data();
    void ssidHexIsUtf8();
    void specialCharactersAreEscaped();
    void placeholdersAreFilledOnce();

    void unrepresentableSsidCharactersInNameOnly();
    void unrepresentableProfileNameOrKeyGivesNoDocument_data();
    void unrepresentableProfileNameOrKeyGivesNoDocument();
};

void TestProfileXml::authenticationKeywords_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("keyword");
    QTest::newRow("0") << 0 << "Unknown";
    QTest::newRow("1 open") << 1 << "open";
    QTest::newRow("2 shared") << 2 << "Unknown";
    QTest::newRow("3") << 3 << "WPA";
    QTest::newRow("4") << 4 << "WPAPSK";
    QTest::newRow("5 WPA-None") << 5 << "Unknown";
    QTest::newRow("6") << 6 << "WPA2";
    QTest::newRow("7") << 7 << "WPA2PSK";
    QTest::newRow("8") << 8 << "WPA3";
    QTest::newRow("9") << 9 << "WPA3SAE";
    QTest::newRow("10") << 10 << "OWE";
    QTest::newRow("11") << 11 << "Unknown";
}

void TestProfileXml::authenticationKeywords()
{
    QFETCH(int, value);
    QFETCH(QString, keyword);
    QCOMPARE(ProfileXml::authenticationKeyword(value), keyword);
}

void TestProfileXml::encryptionKeywords_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("keyword");
    QTest::newRow("0") << 0 << "none";
    QTest::newRow("1") << 1 << "WEP-40";
    QTest::newRow("2") << 2 << "TKIP";
    QTest::newRow("3") << 3 << "Other";
    QTest::newRow("4") << 4 << "AES";
    QTest::newRow("5") << 5 << "WEP-104";
    QTest::newRow("9 GCMP-256") << 9 << "Other";
    QTest::newRow("256") << 256 << "USE-GROUP";
    QTest::newRow("257") << 257 << "WEP";
}

void TestProfileXml::encryptionKeywords()
{
    QFETCH(int, value);
    QFETCH(QString, keyword);
    QCOMPARE(ProfileXml::encryptionKeyword(value), keyword);
}

void TestProfileXml::openProfileIsExact()
{
    const QString expected = QStringLiteral(
        "<?xml version=\"1.0\"?><WLANProfile xmlns=\"http://www.microsoft.com/networking/WLAN/profile/v1\">"
        "<name>Cafe</name><SSIDConfig><SSID><hex>43616665</hex><name>Cafe</name></SSID>"
        "<nonBroadcast>false</nonBroadcast></SSIDConfig><connectionType>ESS</connectionType>"
        "<connectionMode>auto</connectionMode><MSM><security><authEncryption>"
        "<authentication>open</authentication><encryption>none</encryption><useOneX>false</useOneX>"
        "</authEncryption></security></MSM></WLANProfile>");
    QCOMPARE(ProfileXml::openProfile("Cafe", "Cafe", 1, 0, false, true), expected);

    const Parsed p = parse(expected);
    QVERIFY2(p.ok, qPrintable(p.error));
    QCOMPARE(p.rootNamespace, kNamespace);
    QCOMPARE(p.rootAttributeCount, 1);
}

void TestProfileXml::securedProfileIsExact()
{
    const QString expected = QStringLiteral(
        "<?xml version=\"1.0\"?><WLANProfile xmlns=\"http://www.microsoft.com/networking/WLAN/profile/v1\">"
        "<name>Home profile</name><SSIDConfig><SSID><hex>486F6D65</hex><name>Home</name></SSID>"
        "<nonBroadcast>false</nonBroadcast></SSIDConfig><connectionType>ESS</connectionType>"
        "<connectionMode>auto</connectionMode><MSM><security><authEncryption>"
        "<authentication>WPA2PSK</authentication><encryption>AES</encryption><useOneX>false</useOneX>"
        "</authEncryption><sharedKey><keyType>passPhrase</keyType><protected>false</protected>"
        "<keyMaterial>correct horse</keyMaterial></sharedKey></security></MSM></WLANProfile>");
    QCOMPARE(ProfileXml::securedProfile("Home profile", "Home", 7, 4, "correct horse", false, true), expected);

    const Parsed p = parse(expected);
    QVERIFY2(p.ok, qPrintable(p.error));
    QCOMPARE(p.order.size(), 19);
}

void TestProfileXml::keyTypeFollowsCipher_data()
{
    QTest::addColumn<int>("cipher");
    QTest::addColumn<QString>("keyType");
    QTest::newRow("WEP 257") << 257 << "networkKey";
    QTest::newRow("AES 4") << 4 << "passPhrase";
    QTest::newRow("TKIP 2") << 2 << "passPhrase";
}

void TestProfileXml::keyTypeFollowsCipher()
{
    QFETCH(int, cipher);
    QFETCH(QString, keyType);
    const Parsed p = parse(ProfileXml::securedProfile("Net", "Net", 7, cipher, "0123456789", false, true));
    QVERIFY2(p.ok, qPrintable(p.error));
    QCOMPARE(p.text.value("WLANProfile/MSM/security/sharedKey/keyType"), keyType);
    QCOMPARE(p.text.value("WLANProfile/MSM/security/sharedKey/protected"), QStringLiteral("false"));
    QCOMPARE(p.text.value("WLANProfile/MSM/security/sharedKey/keyMaterial"), QStringLiteral("0123456789"));
}

void TestProfileXml::ssidHexIsUtf8_data()
{
    QTest::addColumn<QString>("ssid");
    QTest::addColumn<QString>("hex");
    QTest::newRow("ascii") << "Cafe" << "43616665";
    QTest::newRow("cyrillic") << QString::fromUtf8("Сеть") << "D0A1D0B5D182D18C";
    QTest::newRow("accented") << QString::fromUtf8("Café") << "436166C3A9";
    QTest::newRow("emoji") << QString::fromUtf8("\xF0\x9F\x93\xB6") << "F09F93B6";
    QTest::newRow("markup") << "a&<" << "61263C";
}

void TestProfileXml::ssidHexIsUtf8()
{
    QFETCH(QString, ssid);
    QFETCH(QString, hex);
    QCOMPARE(ProfileXml::ssidHex(ssid), hex);
    const Parsed p = parse(ProfileXml::openProfile(ssid, ssid, 1, 0, false, true));
    QVERIFY2(p.ok, qPrintable(p.error));
    QCOMPARE(p.text.value("WLANProfile/SSIDConfig/SSID/hex"), hex);
    QCOMPARE(p.text.value("WLANProfile/SSIDConfig/SSID/name"), ssid);
    QCOMPARE(p.text.value("WLANProfile/name"), ssid);
}

void TestProfileXml::specialCharactersAreEscaped()
{
    const QString name = QStringLiteral("Tom & Jerry's <5G>");
    const QString key = QStringLiteral("p&ss<word>");
    const QString xml = ProfileXml::securedProfile(name, name, 7, 4, key, false, true);

    QVERIFY(xml.contains("<name>Tom &amp; Jerry&apos;s &lt;5G&gt;</name>"));
    QVERIFY(xml.contains("<keyMaterial>p&amp;ss&lt;word&gt;</keyMaterial>"));
    QCOMPARE(xml.count("Tom &amp; Jerry&apos;s &lt;5G&gt;"), 2);

    const Parsed p = parse(xml);
    QVERIFY2(p.ok, qPrintable(p.error));
    QCOMPARE(p.text.value("WLANProfile/name"), name);
    QCOMPARE(p.text.value("WLANProfile/SSIDConfig/SSID/name"), name);
    QCOMPARE(p.text.value("WLANProfile/SSIDConfig/SSID/hex"),
             QStringLiteral("546F6D2026204A657272792773203C35473E"));
    QCOMPARE(p.text.value("WLANProfile/MSM/security/sharedKey/keyMaterial"), key);

    const Parsed quoted = parse(ProfileXml::openProfile("say \"hi\"", "say \"hi\"", 1, 0, false, true));
    QVERIFY2(quoted.ok, qPrintable(quoted.error));
    QCOMPARE(quoted.text.value("WLANProfile/name"), QStringLiteral("say \"hi\""));
}

void TestProfileXml::placeholdersAreFilledOnce()
{
    const QString name = QStringLiteral("%1 net %9 %2%");
    const QString key = QStringLiteral("%8%9%1abc");
    const QString xml = ProfileXml::securedProfile(name, "%3", 7, 257, key, false, true);

    const Parsed p = parse(xml);
    QVERIFY2(p.ok, qPrintable(p.error));
    QCOMPARE(p.text.value("WLANProfile/name"), name);
    QCOMPARE(p.text.value("WLANProfile/SSIDConfig/SSID/name"), QStringLiteral("%3"));
    QCOMPARE(p.text.value("WLANProfile/SSIDConfig/SSID/hex"), QStringLiteral("2533"));
    QCOMPARE(p.text.value("WLANProfile/MSM/security/sharedKey/keyType"), QStringLiteral("networkKey"));
    QCOMPARE(p.text.value("WLANProfile/MSM/security/sharedKey/keyMaterial"), key);

    const Parsed open = parse(ProfileXml::openProfile("%5%6%7", "%4", 1, 0, false, true));
    QCOMPARE(open.text.value("WLANProfile/name"), QStringLiteral("%5%6%7"));
    QCOMPARE(open.text.value("WLANProfile/SSIDConfig/SSID/name"), QStringLiteral("%4"));
    QCOMPARE(open.text.value("WLANProfile/connectionMode"), QStringLiteral("auto"));
}

void TestProfileXml::unrepresentableSsidCharactersInNameOnly()
{
    const QString ssid = QString("a") + QChar(0x01) + "b" + QChar(0x1F) + QChar(0xFFFF);
    const QString xml = ProfileXml::securedProfile("Lab", ssid, 7, 4, "secret12", false, true);

    const Parsed p = parse(xml);
    QVERIFY2(p.ok, qPrintable(p.error));
    QCOMPARE(p.text.value("WLANProfile/SSIDConfig/SSID/hex"), QStringLiteral("6101621FEFBFBF"));
    const QString replacement(QChar::ReplacementCharacter);
    QCOMPARE(p.text.value("WLANProfile/SSIDConfig/SSID/name"),
             QString("a" + replacement + "b" + replacement + replacement));
    QCOMPARE(p.text.value("WLANProfile/name"), QStringLiteral("Lab"));
}

void TestProfileXml::unrepresentableProfileNameOrKeyGivesNoDocument_data()
{
    QTest::addColumn<QString>("profileName");
    QTest::addColumn<QString>("key");
    const QString bad = QString("x") + QChar(0x02);
    QTest::newRow("control character in name") << bad << "secret12";
    QTest::newRow("control character in key") << "Lab" << QString("secret") + QChar(0x1B);
    QTest::newRow("U+FFFE in name") << QString(QChar(0xFFFE)) << "secret12";
    QTest::newRow("lone surrogate in key") << "Lab" << QString(QChar(0xD83D)) + "abcdefgh";
}

void TestProfileXml::unrepresentableProfileNameOrKeyGivesNoDocument()
{
    QFETCH(QString, profileName);
    QFETCH(QString, key);
    QVERIFY(ProfileXml::securedProfile(profileName, "Lab", 7, 4, key, false, true).isEmpty());
    QCOMPARE(ProfileXml::openProfile(profileName, "Lab", 1, 0, false, true).isEmpty(),
             profileName != QLatin1String("Lab"));
}

QTEST_GUILESS_MAIN(TestProfileXml)
#include "tst_profilexml.moc"
