#include <QtTest>

#include "platform/wlan/SimulatedWlanClient.h"
#include "wireless/ProfileXml.h"

#include <iterator>
#include <random>

// The profile document as the service receives it, and every profile the program writes coming
// back from the service's parser with the same values: names, SSID bytes and keys of any content.

namespace {

// Code points of the kinds that break naive writers, mixed with ordinary text.
class NameGenerator
{
public:
    explicit NameGenerator(uint32_t seed) : m_rng(seed) {}

    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_rng); }
    bool coin() { return pick(0, 1) == 1; }

    // A string whose UTF-8 form has between minBytes and maxBytes bytes.
    QString text(int minBytes, int maxBytes)
    {
        const int target = pick(minBytes, maxBytes);
        QString out;
        while (out.toUtf8().size() < target) {
            const QString piece = nextPiece();
            if (out.toUtf8().size() + piece.toUtf8().size() <= target)
                out += piece;
        }
        return out;
    }

private:
    QString nextPiece()
    {
        switch (pick(0, 9)) {
        case 0: return QString(QChar(coin() ? pick(1, 0x1F) : pick(0x7F, 0x9F))); // control characters
        case 1: return QString(QLatin1Char("&<>\"'"[pick(0, 4)]));         // markup
        case 2: return QStringLiteral("%") + QString::number(pick(1, 9));  // placeholders
        case 3: return QString(QChar(pick(0x0400, 0x07FF)));               // two bytes
        case 4: {                                                           // three bytes, no surrogates
            const int specials[] = {0xFFFD, 0xFFFE, 0xFFFF, 0x2028, 0xFEFF};
            if (pick(0, 4) == 0)
                return QString(QChar(specials[pick(0, 4)]));
            const int cp = pick(0x0800, 0xFFFD - 0x800);
            return QString(QChar(cp >= 0xD800 ? cp + 0x800 : cp));
        }
        case 5: {                                                           // four bytes
            const uint cp = static_cast<uint>(pick(0x10000, 0x10FFFF));
            return QString::fromUcs4(&cp, 1);
        }
        case 6: return QString(QLatin1Char(" %;#"[pick(0, 3)]));
        default: return QString(QLatin1Char(pick(0x21, 0x7E)));
        }
    }

    std::mt19937 m_rng;
};

bool isXmlChar(uint cp)
{
    return cp == 0x9 || cp == 0xA || cp == 0xD || (cp >= 0x20 && cp <= 0xD7FF)
        || (cp >= 0xE000 && cp <= 0xFFFD) || (cp >= 0x10000 && cp <= 0x10FFFF);
}

// What a name element is expected to show: characters XML cannot carry become U+FFFD.
// (Built unit by unit: QString::fromUcs4 would drop a leading U+FEFF.)
QString shownName(const QString &s)
{
    QString out;
    for (int i = 0; i < s.size(); ++i) {
        const QChar c = s.at(i);
        if (c.isHighSurrogate() && i + 1 < s.size() && s.at(i + 1).isLowSurrogate()) {
            out += c;
            out += s.at(++i);
        } else {
            out += isXmlChar(c.unicode()) ? c : QChar(QChar::ReplacementCharacter);
        }
    }
    return out;
}

struct Security {
    int auth;
    int cipher;
    bool secured;
    QString authKeyword, cipherKeyword, keyType;
};

// Pairs the service accepts with the key settings the program writes.
const Security kSecurities[] = {
    {1, 0, false, "open", "none", ""},           {10, 4, false, "OWE", "AES", ""},
    {1, 257, true, "open", "WEP", "networkKey"}, {4, 2, true, "WPAPSK", "TKIP", "passPhrase"},
    {7, 4, true, "WPA2PSK", "AES", "passPhrase"}, {9, 4, true, "WPA3SAE", "AES", "passPhrase"},
};

QString hex(const QString &s) { return QString::fromLatin1(s.toUtf8().toHex()); }

} // namespace

class TestProfileXml : public QObject
{
    Q_OBJECT

private slots:
    void documentIsExact()
    {
        QCOMPARE(ProfileXml::securedProfile("Home profile", "Home", 7, 4, "correct horse", false, true),
                 QStringLiteral("<?xml version=\"1.0\"?><WLANProfile xmlns=\"http://www.microsoft.com/networking/WLAN/profile/v1\">"
                                "<name>Home profile</name><SSIDConfig><SSID><hex>486F6D65</hex><name>Home</name></SSID>"
                                "<nonBroadcast>false</nonBroadcast></SSIDConfig><connectionType>ESS</connectionType>"
                                "<connectionMode>auto</connectionMode><MSM><security><authEncryption>"
                                "<authentication>WPA2PSK</authentication><encryption>AES</encryption><useOneX>false</useOneX>"
                                "</authEncryption><sharedKey><keyType>passPhrase</keyType><protected>false</protected>"
                                "<keyMaterial>correct horse</keyMaterial></sharedKey></security></MSM></WLANProfile>"));
        QCOMPARE(ProfileXml::authenticationKeyword(2) + ProfileXml::encryptionKeyword(3), QStringLiteral("UnknownOther"));
    }

    void generatedProfilesComeBackUnchanged()
    {
        NameGenerator gen(0x5EED2024u);
        const int cases = 4000;
        int withControlInSsid = 0;
        for (int i = 0; i < cases; ++i) {
            const QString ssid = gen.text(1, 32);
            // The representable names are the property; the others are covered below.
            const QString profileName = shownName(gen.coin() ? ssid : gen.text(1, 64));
            const QString key = shownName(gen.text(1, 63));
            const Security &sec = kSecurities[gen.pick(0, int(std::size(kSecurities)) - 1)];
            const bool hidden = gen.coin();
            const bool autoConnect = gen.coin();
            withControlInSsid += shownName(ssid) != ssid ? 1 : 0;

            const QString xml = sec.secured
                ? ProfileXml::securedProfile(profileName, ssid, sec.auth, sec.cipher, key, hidden, autoConnect)
                : ProfileXml::openProfile(profileName, ssid, sec.auth, sec.cipher, hidden, autoConnect);
            const QString what = QStringLiteral("case %1: profile %2, ssid %3, key %4").arg(i).arg(hex(profileName), hex(ssid), hex(key));
            QVERIFY2(!xml.isEmpty() && !xml.contains(QLatin1Char('\n')), qPrintable(what));

            wlan::SimulatedWlanClient::ParsedProfile p;
            uint32_t reason = 0xFFFFFFFF;
            QVERIFY2(wlan::SimulatedWlanClient::parseProfile(xml.toStdU16String(), p, reason) == 0,
                     qPrintable(what + QStringLiteral(", reason %1").arg(reason)));
            // Unit for unit: QString::fromStdU16String would drop a leading U+FEFF.
            const auto s = [](const std::u16string &t) { return QString(reinterpret_cast<const QChar *>(t.data()), int(t.size())); };
            const QStringList actual{s(p.name), QString::fromStdString(p.ssidHex), QString::fromLatin1(QByteArray::fromStdString(p.ssidBytes).toHex()),
                                     s(p.ssidName), QString::number(p.nonBroadcast), s(p.connectionType), s(p.connectionMode),
                                     s(p.authentication), s(p.encryption), QString::number(p.hasSharedKey),
                                     sec.secured ? s(p.keyType) : QString(), QString::number(p.keyProtected),
                                     sec.secured ? s(p.keyMaterial) : QString()};
            const QStringList expected{profileName, QString::fromLatin1(ssid.toUtf8().toHex().toUpper()), hex(ssid),
                                       shownName(ssid), QString::number(hidden), "ESS", autoConnect ? "auto" : "manual",
                                       sec.authKeyword, sec.cipherKeyword, QString::number(sec.secured),
                                       sec.secured ? sec.keyType : QString(), "0", sec.secured ? key : QString()};
            if (actual != expected)
                QCOMPARE(actual, expected);
        }
        // The generator must really exercise the awkward cases.
        QVERIFY(withControlInSsid > cases / 10);
    }

    void unrepresentableNamesAreRefused()
    {
        NameGenerator gen(0xBADC0DEu);
        for (int i = 0; i < 1000; ++i) {
            QString name = gen.text(1, 31);
            QString key = gen.text(8, 40);
            const bool spoilName = gen.coin();
            QString &spoilt = spoilName ? name : key;
            spoilt.insert(gen.pick(0, spoilt.size()), QChar(static_cast<ushort>(gen.pick(1, 8))));
            QVERIFY2(ProfileXml::securedProfile(name, name, 7, 4, key, false, true).isEmpty(),
                     qPrintable(hex(name) + " " + hex(key)));
            if (spoilName)
                QVERIFY(ProfileXml::openProfile(name, name, 1, 0, false, true).isEmpty());
        }
    }
};

QTEST_GUILESS_MAIN(TestProfileXml)
#include "tst_profilexml.moc"
