#include "platform/wlan/WlanProfileParser.h"
#include "platform/wlan/WlanText.h"

#include "platform/wlan/WlanReasonCodes.h"

#include <QString>
#include <QXmlStreamReader>

#include <cctype>
#include <vector>

namespace wlan {

namespace {

struct Element {
    QString name;
    QString ns;
    QString text;
    std::vector<Element> children;
};

struct ParseFailure {
    uint32_t reason;
};

const QString profileNamespace = QString::fromUtf16(WlanProfileParser::Namespace);

// Builds the element tree; false for a document that is not well-formed XML or carries a DTD
// (the service never expands entities it did not define itself).
bool readTree(const std::u16string &xml, Element &root)
{
    QXmlStreamReader reader(wlan::toQString(xml));
    std::vector<Element> stack;
    bool haveRoot = false;
    while (!reader.atEnd()) {
        switch (reader.readNext()) {
        case QXmlStreamReader::StartElement:
            stack.push_back(Element{reader.name().toString(), reader.namespaceUri().toString(), {}, {}});
            break;
        case QXmlStreamReader::EndElement: {
            Element done = std::move(stack.back());
            stack.pop_back();
            if (stack.empty()) {
                root = std::move(done);
                haveRoot = true;
            } else {
                stack.back().children.push_back(std::move(done));
            }
            break;
        }
        case QXmlStreamReader::Characters:
            if (!stack.empty())
                stack.back().text += reader.text();
            break;
        case QXmlStreamReader::DTD:
        case QXmlStreamReader::EntityReference:
            return false;
        default:
            break;
        }
    }
    return !reader.hasError() && haveRoot;
}

// The one child of the profile namespace with this name; nullptr when absent. A repeated element
// breaks the schema.
const Element *child(const Element &parent, const char *name)
{
    const Element *found = nullptr;
    for (const Element &c : parent.children) {
        if (c.ns != profileNamespace || c.name != QLatin1String(name))
            continue;
        if (found)
            throw ParseFailure{WlanReasonCodes::InvalidProfileSchema};
        found = &c;
    }
    return found;
}

const Element &required(const Element &parent, const char *name, uint32_t reason)
{
    const Element *c = child(parent, name);
    if (!c)
        throw ParseFailure{reason};
    return *c;
}

// Simple-typed values of the schema allow surrounding white space; names and keys do not.
QString token(const Element &e)
{
    return e.text.trimmed();
}

bool readBoolean(const Element *e, bool fallback)
{
    if (!e)
        return fallback;
    const QString v = token(*e);
    if (v == QLatin1String("true") || v == QLatin1String("1"))
        return true;
    if (v == QLatin1String("false") || v == QLatin1String("0"))
        return false;
    throw ParseFailure{WlanReasonCodes::InvalidProfileSchema};
}

bool decodeHex(const QString &digits, std::string &bytes)
{
    if (digits.isEmpty() || digits.size() % 2 != 0)
        return false;
    bytes.clear();
    for (int i = 0; i < digits.size(); i += 2) {
        bool ok = false;
        const uint v = digits.mid(i, 2).toUInt(&ok, 16);
        if (!ok || !isxdigit(digits.at(i).toLatin1()) || !isxdigit(digits.at(i + 1).toLatin1()))
            return false;
        bytes.push_back(static_cast<char>(v));
    }
    return true;
}

bool isEnterprise(const std::u16string &auth)
{
    return auth == u"WPA" || auth == u"WPA2" || auth == u"WPA3" || auth == u"WPA3ENT192" || auth == u"WPA3ENT";
}

bool pairIsValid(const std::u16string &auth, const std::u16string &enc)
{
    auto oneOf = [&enc](std::initializer_list<const char16_t *> list) {
        for (const char16_t *e : list) {
            if (enc == e)
                return true;
        }
        return false;
    };
    if (auth == u"open")
        return oneOf({u"none", u"WEP"});
    if (auth == u"shared")
        return oneOf({u"WEP"});
    if (auth == u"WPA" || auth == u"WPAPSK" || auth == u"WPA2" || auth == u"WPA2PSK")
        return oneOf({u"TKIP", u"AES"});
    if (auth == u"WPA3ENT192")
        return oneOf({u"GCMP256"});
    if (auth == u"WPA3SAE" || auth == u"WPA3" || auth == u"WPA3ENT" || auth == u"OWE")
        return oneOf({u"AES", u"GCMP", u"GCMP256"});
    return false;
}

bool isHexDigits(const std::u16string &s)
{
    for (char16_t c : s) {
        if (!((c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F')))
            return false;
    }
    return true;
}

bool isPrintableAscii(const std::u16string &s)
{
    for (char16_t c : s) {
        if (c < 0x20 || c > 0x7E)
            return false;
    }
    return true;
}

void parseInto(const std::u16string &xml, SimulatedWlanClient::ParsedProfile &p)
{
    Element root;
    if (!readTree(xml, root) || root.name != QLatin1String("WLANProfile") || root.ns != profileNamespace)
        throw ParseFailure{WlanReasonCodes::InvalidProfileSchema};

    const QString name = required(root, "name", WlanReasonCodes::InvalidProfileSchema).text;
    if (name.isEmpty() || name.size() > 255)
        throw ParseFailure{WlanReasonCodes::InvalidProfileName};
    p.name = name.toStdU16String();

    const Element &ssidConfig = required(root, "SSIDConfig", WlanReasonCodes::InvalidProfileSchema);
    const Element *ssid = nullptr;
    for (const Element &c : ssidConfig.children) {
        if (c.ns == profileNamespace && c.name == QLatin1String("SSID")) {
            ssid = &c;
            break;
        }
    }
    if (!ssid)
        throw ParseFailure{WlanReasonCodes::InvalidProfileSchema};
    const Element *hex = child(*ssid, "hex");
    const Element *ssidName = child(*ssid, "name");
    if (!hex && !ssidName)
        throw ParseFailure{WlanReasonCodes::InvalidProfileSchema};
    if (ssidName)
        p.ssidName = ssidName->text.toStdU16String();
    if (hex) {
        const QString digits = token(*hex);
        p.ssidHex = digits.toStdString();
        if (!decodeHex(digits, p.ssidBytes) || p.ssidBytes.size() > 32)
            throw ParseFailure{WlanReasonCodes::ProfileSsidInvalid};
    } else {
        p.ssidBytes = ssidName->text.toUtf8().toStdString();
        if (p.ssidBytes.empty() || p.ssidBytes.size() > 32)
            throw ParseFailure{WlanReasonCodes::ProfileSsidInvalid};
    }
    p.nonBroadcast = readBoolean(child(ssidConfig, "nonBroadcast"), false);

    const QString connectionType = token(required(root, "connectionType", WlanReasonCodes::InvalidProfileSchema));
    if (connectionType != QLatin1String("ESS") && connectionType != QLatin1String("IBSS"))
        throw ParseFailure{WlanReasonCodes::InvalidBssType};
    p.connectionType = connectionType.toStdU16String();

    p.connectionMode = u"auto";
    if (const Element *mode = child(root, "connectionMode")) {
        const QString m = token(*mode);
        if (m != QLatin1String("auto") && m != QLatin1String("manual"))
            throw ParseFailure{WlanReasonCodes::InvalidProfileSchema};
        p.connectionMode = m.toStdU16String();
    }

    const Element &msm = required(root, "MSM", WlanReasonCodes::MsmSecurityMissing);
    const Element &security = required(msm, "security", WlanReasonCodes::MsmSecurityMissing);
    const Element &authEncryption =
        required(security, "authEncryption", WlanReasonCodes::MsmsecNoAuthCipherSpecified);
    p.authentication =
        token(required(authEncryption, "authentication", WlanReasonCodes::InvalidProfileSchema)).toStdU16String();
    p.encryption =
        token(required(authEncryption, "encryption", WlanReasonCodes::InvalidProfileSchema)).toStdU16String();
    const bool useOneX = readBoolean(child(authEncryption, "useOneX"), false);
    if (WlanProfileParser::authAlgorithm(p.authentication) < 0
        || WlanProfileParser::cipherAlgorithm(p.encryption) < 0)
        throw ParseFailure{WlanReasonCodes::InvalidProfileSchema};
    if (!pairIsValid(p.authentication, p.encryption))
        throw ParseFailure{WlanReasonCodes::MsmsecInvalidAuthCipher};
    if (isEnterprise(p.authentication) && !useOneX)
        throw ParseFailure{WlanReasonCodes::MsmsecOneXDisabled};
    if (!isEnterprise(p.authentication) && useOneX)
        throw ParseFailure{WlanReasonCodes::MsmsecOneXEnabled};

    const Element *sharedKey = child(security, "sharedKey");
    const bool needsKey = WlanProfileParser::needsSharedKey(p.authentication, p.encryption);
    if (needsKey && !sharedKey)
        throw ParseFailure{WlanReasonCodes::SecurityMissing};
    if (!needsKey && sharedKey)
        throw ParseFailure{WlanReasonCodes::MsmsecPskPresent};
    if (sharedKey) {
        p.hasSharedKey = true;
        const QString keyType = token(required(*sharedKey, "keyType", WlanReasonCodes::InvalidProfileSchema));
        if (keyType != QLatin1String("passPhrase") && keyType != QLatin1String("networkKey"))
            throw ParseFailure{WlanReasonCodes::InvalidProfileSchema};
        p.keyType = keyType.toStdU16String();
        p.keyProtected = readBoolean(child(*sharedKey, "protected"), false);
        p.keyMaterial = required(*sharedKey, "keyMaterial", WlanReasonCodes::InvalidProfileSchema)
                            .text.toStdU16String();
        if (p.encryption == u"WEP" && p.keyType != u"networkKey")
            throw ParseFailure{WlanReasonCodes::MsmsecWrongKeyType};
    }
}

} // namespace

uint32_t WlanProfileParser::parse(const std::u16string &xml, SimulatedWlanClient::ParsedProfile &profile,
                                  uint32_t &reasonCode)
{
    SimulatedWlanClient::ParsedProfile parsed;
    try {
        parseInto(xml, parsed);
    } catch (const ParseFailure &failure) {
        reasonCode = failure.reason;
        return BadProfile;
    }
    profile = std::move(parsed);
    reasonCode = WlanReasonCodes::Success;
    return Success;
}

uint32_t WlanProfileParser::checkKeyMaterial(const SimulatedWlanClient::ParsedProfile &profile,
                                             uint32_t &reasonCode)
{
    reasonCode = WlanReasonCodes::Success;
    if (!profile.hasSharedKey || profile.keyProtected)
        return Success;
    const std::u16string &key = profile.keyMaterial;
    if (profile.encryption == u"WEP") {
        const bool asText = (key.size() == 5 || key.size() == 13) && isPrintableAscii(key);
        const bool asHex = (key.size() == 10 || key.size() == 26) && isHexDigits(key);
        if (!asText && !asHex) {
            reasonCode = WlanReasonCodes::MsmsecKeyLength;
            return BadProfile;
        }
        return Success;
    }
    if (profile.keyType == u"networkKey") {
        if (key.size() != 64) {
            reasonCode = WlanReasonCodes::MsmsecPskLength;
            return BadProfile;
        }
        if (!isHexDigits(key)) {
            reasonCode = WlanReasonCodes::MsmsecKeyMaterialChar;
            return BadProfile;
        }
        return Success;
    }
    if (key.size() < 8 || key.size() > 63) {
        reasonCode = WlanReasonCodes::MsmsecPskLength;
        return BadProfile;
    }
    if (!isPrintableAscii(key)) {
        reasonCode = WlanReasonCodes::MsmsecPassphraseChar;
        return BadProfile;
    }
    return Success;
}

int WlanProfileParser::authAlgorithm(const std::u16string &keyword)
{
    if (keyword == u"open") return 1;
    if (keyword == u"shared") return 2;
    if (keyword == u"WPA") return 3;
    if (keyword == u"WPAPSK") return 4;
    if (keyword == u"WPA2") return 6;
    if (keyword == u"WPA2PSK") return 7;
    if (keyword == u"WPA3" || keyword == u"WPA3ENT192") return 8;
    if (keyword == u"WPA3SAE") return 9;
    if (keyword == u"OWE") return 10;
    if (keyword == u"WPA3ENT") return 11;
    return -1;
}

int WlanProfileParser::cipherAlgorithm(const std::u16string &keyword)
{
    if (keyword == u"none") return 0;
    if (keyword == u"TKIP") return 2;
    if (keyword == u"AES") return 4;
    if (keyword == u"GCMP") return 8;
    if (keyword == u"GCMP256") return 9;
    if (keyword == u"WEP") return 257;
    return -1;
}

bool WlanProfileParser::needsSharedKey(const std::u16string &authentication, const std::u16string &encryption)
{
    if (encryption == u"WEP")
        return authentication == u"open" || authentication == u"shared";
    return authentication == u"WPAPSK" || authentication == u"WPA2PSK" || authentication == u"WPA3SAE";
}

bool WlanProfileParser::needsWpa3Adapter(const std::u16string &authentication)
{
    return authentication == u"WPA3SAE" || authentication == u"OWE" || authentication == u"WPA3"
        || authentication == u"WPA3ENT192" || authentication == u"WPA3ENT";
}

} // namespace wlan
