#include <QtTest>

#include "platform/wlan/SimulatedWlanClient.h"
#include "wireless/ProfileXml.h"

#include <iterator>
#include <random>

// Every profile the program writes must come back from the service's parser with the same
// values: names, SSID bytes and keys of any content.

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
        int bytes = 0;
        while (bytes < target) {
            const QString piece = nextPiece();
            const int size = piece.toUtf8().size();
            if (bytes + size > target)
                continue;
            out += piece;
            bytes += size;
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
        case 3: return QString(QChar(pick(0x0400, 0x04FF)));               // Cyrillic, two bytes
        case 4: return QString(QChar(pick(0x00A0, 0x07FF)));               // other two-byte letters
        case 5: {                                                           // three bytes, no surrogates
            const int specials[] = {0xFFFD, 0xFFFE, 0xFFFF, 0x2028, 0xFEFF};
            if (pick(0, 4) == 0)
                return QString(QChar(specials[pick(0, 4)]));
            int cp = pick(0x0800, 0xFFFD - 0x800);
            if (cp >= 0xD800)
                cp += 0x800;
            return QString(QChar(cp));
        }
        case 6: {                                                           // four bytes
            const uint cp = static_cast<uint>(pick(0x10000, 0x10FFFF));
            return QString::fromUcs4(&cp, 1);
        }
        case 7: return QString(QLatin1Char(" %;#"[pick(0, 3)]));
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

bool representable(const QString &s)
{
    for (uint cp : s.toUcs4()) {
        if (!isXmlChar(cp))
            return false;
    }
    return true;
}

// What the SSID's name element is expected to show: characters XML cannot carry become U+FFFD.
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
    const char16_t *authKeyword;
    const char16_t *cipherKeyword;
    const char16_t *keyType;
};

// Pairs the service accepts with the key settings the program writes.
const Security kSecurities[] = {
    {1, 0, false, u"open", u"none", u""},
    {10, 4, false, u"OWE", u"AES", u""},
    {1, 257, true, u"open", u"WEP", u"networkKey"},
    {4, 2, true, u"WPAPSK", u"TKIP", u"passPhrase"},
    {4, 4, true, u"WPAPSK", u"AES", u"passPhrase"},
    {7, 2, true, u"WPA2PSK", u"TKIP", u"passPhrase"},
    {7, 4, true, u"WPA2PSK", u"AES", u"passPhrase"},
    {9, 4, true, u"WPA3SAE", u"AES", u"passPhrase"},
};

QString describe(int i, const QString &profileName, const QString &ssid, const QString &key)
{
    return QStringLiteral("case %1: profile %2, ssid %3, key %4")
        .arg(QString::number(i), QString::fromLatin1(profileName.toUtf8().toHex()),
             QString::fromLatin1(ssid.toUtf8().toHex()), QString::fromLatin1(key.toUtf8().toHex()));
}

} // namespace

class TestProfileRoundTrip : public QObject
{
    Q_OBJECT

private slots:
    void generatedProfilesComeBackUnchanged();
    void unrepresentableNamesAreRefused();
};

void TestProfileRoundTrip::generatedProfilesComeBackUnchanged()
{
    NameGenerator gen(0x5EED2024u);
    const int cases = 4000;
    int checked = 0;
    int withControlInSsid = 0;
    for (int i = 0; i < cases; ++i) {
        const QString ssid = gen.text(1, 32);
        QString profileName = gen.coin() ? ssid : gen.text(1, 64);
        QString key = gen.text(1, 63);
        // The representable cases are the property; the others are covered below.
        if (!representable(profileName))
            profileName = shownName(profileName);
        if (!representable(key))
            key = shownName(key);
        const Security &sec = kSecurities[gen.pick(0, int(std::size(kSecurities)) - 1)];
        const bool hidden = gen.coin();
        const bool autoConnect = gen.coin();

        const QString xml = sec.secured
            ? ProfileXml::securedProfile(profileName, ssid, sec.auth, sec.cipher, key, hidden, autoConnect)
            : ProfileXml::openProfile(profileName, ssid, sec.auth, sec.cipher, hidden, autoConnect);
        const QString what = describe(i, profileName, ssid, key);
        QVERIFY2(!xml.isEmpty(), qPrintable(what));
        QVERIFY2(!xml.contains(QLatin1Char('\n')), qPrintable(what));

        wlan::SimulatedWlanClient::ParsedProfile parsed;
        uint32_t reason = 0xFFFFFFFF;
        const uint32_t result = wlan::SimulatedWlanClient::parseProfile(xml.toStdU16String(), parsed, reason);
        QVERIFY2(result == 0, qPrintable(what + QStringLiteral(", reason %1").arg(reason)));

        const QByteArray ssidBytes = ssid.toUtf8();
        QVERIFY2(parsed.name == profileName.toStdU16String(), qPrintable(what));
        QVERIFY2(parsed.ssidHex == ssidBytes.toHex().toUpper().toStdString(), qPrintable(what));
        QVERIFY2(parsed.ssidBytes == ssidBytes.toStdString(), qPrintable(what));
        QVERIFY2(parsed.ssidName == shownName(ssid).toStdU16String(), qPrintable(what));
        QVERIFY2(parsed.nonBroadcast == hidden, qPrintable(what));
        QVERIFY2(parsed.connectionType == u"ESS", qPrintable(what));
        QVERIFY2(parsed.connectionMode == (autoConnect ? u"auto" : u"manual"), qPrintable(what));
        QVERIFY2(parsed.authentication == sec.authKeyword, qPrintable(what));
        QVERIFY2(parsed.encryption == sec.cipherKeyword, qPrintable(what));
        QVERIFY2(parsed.hasSharedKey == sec.secured, qPrintable(what));
        if (sec.secured) {
            QVERIFY2(parsed.keyType == sec.keyType, qPrintable(what));
            QVERIFY2(!parsed.keyProtected, qPrintable(what));
            QVERIFY2(parsed.keyMaterial == key.toStdU16String(), qPrintable(what));
        }
        if (!representable(ssid))
            ++withControlInSsid;
        ++checked;
    }
    QCOMPARE(checked, cases);
    // The generator must really exercise the awkward cases.
    QVERIFY(withControlInSsid > cases / 10);
}

void TestProfileRoundTrip::unrepresentableNamesAreRefused()
{
    NameGenerator gen(0xBADC0DEu);
    int refused = 0;
    for (int i = 0; i < 1000; ++i) {
        QString name = gen.text(1, 31);
        QString key = gen.text(8, 40);
        const bool spoilName = gen.coin();
        const QChar bad(static_cast<ushort>(gen.pick(1, 8)));
        if (spoilName)
            name.insert(gen.pick(0, name.size()), bad);
        else
            key.insert(gen.pick(0, key.size()), bad);

        const QString secured = ProfileXml::securedProfile(name, name, 7, 4, key, false, true);
        QVERIFY2(secured.isEmpty(), qPrintable(describe(i, name, name, key)));
        if (spoilName)
            QVERIFY(ProfileXml::openProfile(name, name, 1, 0, false, true).isEmpty());

        wlan::SimulatedWlanClient::ParsedProfile parsed;
        uint32_t reason = 0;
        if (wlan::SimulatedWlanClient::parseProfile(secured.toStdU16String(), parsed, reason) != 0)
            ++refused;
    }
    QCOMPARE(refused, 1000);
}

QTEST_GUILESS_MAIN(TestProfileRoundTrip)
#include "tst_profileroundtrip.moc"
