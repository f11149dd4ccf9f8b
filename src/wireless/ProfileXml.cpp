#include "wireless/ProfileXml.h"

#include <QByteArray>
#include <QStringList>

namespace {

// Both documents share everything up to the end of authEncryption; the secured one adds the key.
const QString kProfileHead = QStringLiteral(
    "<?xml version=\"1.0\"?>"
    "<WLANProfile xmlns=\"http://www.microsoft.com/networking/WLAN/profile/v1\">"
    "<name>%1</name>"
    "<SSIDConfig><SSID><hex>%2</hex><name>%3</name></SSID><nonBroadcast>%4</nonBroadcast></SSIDConfig>"
    "<connectionType>ESS</connectionType>"
    "<connectionMode>%5</connectionMode>"
    "<MSM><security>"
    "<authEncryption><authentication>%6</authentication><encryption>%7</encryption>"
    "<useOneX>false</useOneX></authEncryption>");
const QString kSharedKey = QStringLiteral(
    "<sharedKey><keyType>%8</keyType><protected>false</protected><keyMaterial>%9</keyMaterial></sharedKey>");
const QString kProfileTail = QStringLiteral("</security></MSM></WLANProfile>");

const QString kOpenTemplate = kProfileHead + kProfileTail;
const QString kSecuredTemplate = kProfileHead + kSharedKey + kProfileTail;

constexpr int kWepCipher = 257;

// Every %1..%9 of the template is replaced by its value exactly once; text coming from a value is
// never looked at again, so a name such as "%2" stays as it is.
QString fill(const QString &tmpl, const QStringList &values)
{
    QString out;
    out.reserve(tmpl.size() + 128);
    for (int i = 0; i < tmpl.size(); ++i) {
        const QChar c = tmpl.at(i);
        if (c == QLatin1Char('%') && i + 1 < tmpl.size()) {
            const int n = tmpl.at(i + 1).unicode() - '1';
            if (n >= 0 && n < 9 && n < values.size()) {
                out += values.at(n);
                ++i;
                continue;
            }
        }
        out += c;
    }
    return out;
}

// Characters XML 1.0 can carry at all, literally or as a character reference.
bool isXmlChar(uint cp)
{
    return cp == 0x9 || cp == 0xA || cp == 0xD || (cp >= 0x20 && cp <= 0xD7FF)
        || (cp >= 0xE000 && cp <= 0xFFFD) || (cp >= 0x10000 && cp <= 0x10FFFF);
}

// Calls visit(codePoint, utf16Units) for each code point; a lone surrogate is reported as itself.
template<typename Visit>
void forEachCodePoint(const QString &text, Visit visit)
{
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            visit(QChar::surrogateToUcs4(c, text.at(i + 1)), text.mid(i, 2));
            ++i;
        } else {
            visit(c.unicode(), QString(c));
        }
    }
}

bool isRepresentable(const QString &text)
{
    bool ok = true;
    forEachCodePoint(text, [&ok](uint cp, const QString &) { ok = ok && isXmlChar(cp); });
    return ok;
}

// Escapes markup and keeps the document on one line. Tab, line feed and carriage return go out as
// character references: a literal CR would be turned into LF by any XML parser.
// Characters XML cannot carry become U+FFFD; callers decide whether that is acceptable.
QString escaped(const QString &text)
{
    QString out;
    out.reserve(text.size() + 16);
    forEachCodePoint(text, [&out](uint cp, const QString &units) {
        switch (cp) {
        case '&': out += QLatin1String("&amp;"); break;
        case '<': out += QLatin1String("&lt;"); break;
        case '>': out += QLatin1String("&gt;"); break;
        case '"': out += QLatin1String("&quot;"); break;
        case '\'': out += QLatin1String("&apos;"); break;
        case '\t': out += QLatin1String("&#9;"); break;
        case '\n': out += QLatin1String("&#10;"); break;
        case '\r': out += QLatin1String("&#13;"); break;
        default:
            if (isXmlChar(cp))
                out += units;
            else
                out += QChar(QChar::ReplacementCharacter);
        }
    });
    return out;
}

QStringList commonValues(const QString &profileName, const QString &ssid, int authAlgorithm,
                         int cipherAlgorithm, bool hidden, bool autoConnect)
{
    return {
        escaped(profileName),
        ProfileXml::ssidHex(ssid),
        escaped(ssid),
        hidden ? QStringLiteral("true") : QStringLiteral("false"),
        autoConnect ? QStringLiteral("auto") : QStringLiteral("manual"),
        ProfileXml::authenticationKeyword(authAlgorithm),
        ProfileXml::encryptionKeyword(cipherAlgorithm),
    };
}

} // namespace

namespace ProfileXml {

QString authenticationKeyword(int authAlgorithm)
{
    switch (authAlgorithm) {
    case 1: return QStringLiteral("open");
    case 3: return QStringLiteral("WPA");
    case 4: return QStringLiteral("WPAPSK");
    case 6: return QStringLiteral("WPA2");
    case 7: return QStringLiteral("WPA2PSK");
    case 8: return QStringLiteral("WPA3");
    case 9: return QStringLiteral("WPA3SAE");
    case 10: return QStringLiteral("OWE");
    default: return QStringLiteral("Unknown");
    }
}

QString encryptionKeyword(int cipherAlgorithm)
{
    switch (cipherAlgorithm) {
    case 0: return QStringLiteral("none");
    case 1: return QStringLiteral("WEP-40");
    case 2: return QStringLiteral("TKIP");
    case 4: return QStringLiteral("AES");
    case 5: return QStringLiteral("WEP-104");
    case 256: return QStringLiteral("USE-GROUP");
    case 257: return QStringLiteral("WEP");
    default: return QStringLiteral("Other");
    }
}

QString ssidHex(const QString &ssid)
{
    return QString::fromLatin1(ssid.toUtf8().toHex().toUpper());
}

QString openProfile(const QString &profileName, const QString &ssid, int authAlgorithm,
                    int cipherAlgorithm, bool hidden, bool autoConnect)
{
    if (!isRepresentable(profileName))
        return QString();
    return fill(kOpenTemplate,
                commonValues(profileName, ssid, authAlgorithm, cipherAlgorithm, hidden, autoConnect));
}

QString securedProfile(const QString &profileName, const QString &ssid, int authAlgorithm,
                       int cipherAlgorithm, const QString &password, bool hidden, bool autoConnect)
{
    if (!isRepresentable(profileName) || !isRepresentable(password))
        return QString();
    QStringList values =
        commonValues(profileName, ssid, authAlgorithm, cipherAlgorithm, hidden, autoConnect);
    values << (cipherAlgorithm == kWepCipher ? QStringLiteral("networkKey") : QStringLiteral("passPhrase"))
           << escaped(password);
    return fill(kSecuredTemplate, values);
}

} // namespace ProfileXml
