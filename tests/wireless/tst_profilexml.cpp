#include <QtTest>
#include <QXmlStreamReader>

#include "wireless/ProfileXml.h"

namespace {

// Element path ("WLANProfile/SSIDConfig/SSID/name") -> text, read with a real XML reader so that
// anything not well-formed fails the test.
QMap<QString, QString> parse(const QString &xml)
{
    QMap<QString, QString> text;
    QXmlStreamReader r(xml);
    QStringList path;
    while (!r.atEnd()) {
        r.readNext();
        if (r.isStartElement())
            path << r.name().toString();
        else if (r.isCharacters())
            text[path.join(QLatin1Char('/'))] += r.text().toString();
        else if (r.isEndElement())
            path.removeLast();
    }
    if (r.hasError())
        text.insert(QStringLiteral("error"), r.errorString());
    return text;
}

const QString kName = QStringLiteral("WLANProfile/name");
const QString kSsidName = QStringLiteral("WLANProfile/SSIDConfig/SSID/name");
const QString kSsidHex = QStringLiteral("WLANProfile/SSIDConfig/SSID/hex");
const QString kKey = QStringLiteral("WLANProfile/MSM/security/sharedKey/keyMaterial");
const QString kKeyType = QStringLiteral("WLANProfile/MSM/security/sharedKey/keyType");

} // namespace

class TestProfileXml : public QObject
{
    Q_OBJECT

private slots:
    void keywordEdges()
    {
        const QList<QPair<int, QString>> auth{{0, "Unknown"}, {2, "Unknown"}, {5, "Unknown"}, {9, "WPA3SAE"},
                                              {10, "OWE"}, {11, "Unknown"}};
        for (const auto &a : auth)
            QCOMPARE(ProfileXml::authenticationKeyword(a.first), a.second);
        const QList<QPair<int, QString>> enc{{0, "none"}, {3, "Other"}, {9, "Other"}, {256, "USE-GROUP"}, {257, "WEP"}};
        for (const auto &e : enc)
            QCOMPARE(ProfileXml::encryptionKeyword(e.first), e.second);
    }

    void securedProfileIsExact()
    {
        QCOMPARE(ProfileXml::securedProfile("Home profile", "Home", 7, 4, "correct horse", false, true),
                 QStringLiteral("<?xml version=\"1.0\"?><WLANProfile xmlns=\"http://www.microsoft.com/networking/WLAN/profile/v1\">"
                                "<name>Home profile</name><SSIDConfig><SSID><hex>486F6D65</hex><name>Home</name></SSID>"
                                "<nonBroadcast>false</nonBroadcast></SSIDConfig><connectionType>ESS</connectionType>"
                                "<connectionMode>auto</connectionMode><MSM><security><authEncryption>"
                                "<authentication>WPA2PSK</authentication><encryption>AES</encryption><useOneX>false</useOneX>"
                                "</authEncryption><sharedKey><keyType>passPhrase</keyType><protected>false</protected>"
                                "<keyMaterial>correct horse</keyMaterial></sharedKey></security></MSM></WLANProfile>"));
        QCOMPARE(parse(ProfileXml::securedProfile("Net", "Net", 1, 257, "abc12", false, true)).value(kKeyType),
                 QStringLiteral("networkKey"));
    }

    void ssidHexIsUtf8_data()
    {
        QTest::addColumn<QString>("ssid");
        QTest::addColumn<QString>("hex");
        QTest::newRow("cyrillic") << QString::fromUtf8("Сеть") << "D0A1D0B5D182D18C";
        QTest::newRow("emoji") << QString::fromUtf8("\xF0\x9F\x93\xB6") << "F09F93B6";
    }

    void ssidHexIsUtf8()
    {
        QFETCH(QString, ssid);
        QFETCH(QString, hex);
        QCOMPARE(ProfileXml::ssidHex(ssid), hex);
        const auto p = parse(ProfileXml::openProfile(ssid, ssid, 1, 0, false, true));
        QCOMPARE(QStringList({p.value(kSsidHex), p.value(kSsidName), p.value(kName), p.value("error")}),
                 QStringList({hex, ssid, ssid, QString()}));
    }

    void specialCharactersAreEscaped()
    {
        const QString name = QStringLiteral("Tom & Jerry's <5G>");
        const QString xml = ProfileXml::securedProfile(name, name, 7, 4, "p&ss<word>", false, true);
        QCOMPARE(xml.count("<name>Tom &amp; Jerry&apos;s &lt;5G&gt;</name>"), 2);
        QVERIFY(xml.contains("<keyMaterial>p&amp;ss&lt;word&gt;</keyMaterial>"));
        const auto p = parse(xml);
        QCOMPARE(QStringList({p.value(kName), p.value(kSsidHex), p.value(kKey), p.value("error")}),
                 QStringList({name, "546F6D2026204A657272792773203C35473E", "p&ss<word>", QString()}));
        QCOMPARE(parse(ProfileXml::openProfile("say \"hi\"", "x", 1, 0, false, true)).value(kName), QStringLiteral("say \"hi\""));
    }

    void placeholdersAreFilledOnce()
    {
        const auto p = parse(ProfileXml::securedProfile("%1 net %9 %2%", "%3", 7, 257, "%8%9%1abc", false, true));
        QCOMPARE(QStringList({p.value(kName), p.value(kSsidName), p.value(kSsidHex), p.value(kKey)}),
                 QStringList({"%1 net %9 %2%", "%3", "2533", "%8%9%1abc"}));
        const auto open = parse(ProfileXml::openProfile("%5%6%7", "%4", 1, 0, false, true));
        QCOMPARE(QStringList({open.value(kName), open.value(kSsidName)}), QStringList({"%5%6%7", "%4"}));
    }

    void unrepresentableSsidCharactersInNameOnly()
    {
        const QString ssid = QString("a") + QChar(0x01) + "b" + QChar(0x1F) + QChar(0xFFFF);
        const auto p = parse(ProfileXml::securedProfile("Lab", ssid, 7, 4, "secret12", false, true));
        const QString r(QChar::ReplacementCharacter);
        QCOMPARE(QStringList({p.value(kSsidHex), p.value(kSsidName), p.value(kName), p.value("error")}),
                 QStringList({"6101621FEFBFBF", "a" + r + "b" + r + r, "Lab", QString()}));
    }

    void unrepresentableProfileNameOrKeyGivesNoDocument_data()
    {
        QTest::addColumn<QString>("profileName");
        QTest::addColumn<QString>("key");
        QTest::newRow("control character in name") << QString("x") + QChar(0x02) << "secret12";
        QTest::newRow("control character in key") << "Lab" << QString("secret") + QChar(0x1B);
        QTest::newRow("U+FFFE in name") << QString(QChar(0xFFFE)) << "secret12";
        QTest::newRow("lone surrogate in key") << "Lab" << QString(QChar(0xD83D)) + "abcdefgh";
    }

    void unrepresentableProfileNameOrKeyGivesNoDocument()
    {
        QFETCH(QString, profileName);
        QFETCH(QString, key);
        QVERIFY(ProfileXml::securedProfile(profileName, "Lab", 7, 4, key, false, true).isEmpty());
        QCOMPARE(ProfileXml::openProfile(profileName, "Lab", 1, 0, false, true).isEmpty(), profileName != "Lab");
    }
};

QTEST_GUILESS_MAIN(TestProfileXml)
#include "tst_profilexml.moc"
