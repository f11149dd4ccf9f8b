#include "wireless/WirelessTexts.h"

#include "platform/wlan/WlanClientProvider.h"
#include "wireless/ConnectionData.h"
#include "wireless/ConnectionState.h"
#include "wireless/Dot11Types.h"
#include "wireless/WirelessAP.h"
#include "wireless/WirelessInterface.h"

#include <QCoreApplication>
#include <QMetaType>

namespace {

constexpr uint32_t kReasonTextBufferChars = 256;

// Centre frequencies in MHz of the bands the program names.
constexpr uint32_t k24First = 2412;
constexpr uint32_t k24Last = 2472;
constexpr uint32_t kJapanChannel14 = 2484;
constexpr uint32_t k49First = 4900;     // 802.11j, numbered from 4000 MHz
constexpr uint32_t k5First = 5000;
constexpr uint32_t k5Last = 5925;
constexpr uint32_t k6Channel2 = 5935;   // the one 6 GHz channel below the regular grid
constexpr uint32_t k6First = 5955;
constexpr uint32_t k6Last = 7115;

bool isSixGHz(uint32_t mhz)
{
    return mhz == k6Channel2 || (mhz >= k6First && mhz <= k6Last);
}

} // namespace

QString cipherAlgorithmText(int cipherAlgorithm)
{
    switch (cipherAlgorithm) {
    case 0: return QStringLiteral("None");
    case 1: return QStringLiteral("WEP-40");
    case 2: return QStringLiteral("TKIP");
    case 4: return QStringLiteral("AES (CCMP)");
    case 5: return QStringLiteral("WEP-104");
    case 9: return QStringLiteral("GCMP-256");
    case 256: return QStringLiteral("USE-GROUP");
    case 257: return QStringLiteral("WEP");
    default: return QStringLiteral("Other");
    }
}

QString authAlgorithmText(int authAlgorithm)
{
    switch (authAlgorithm) {
    case 1: return QStringLiteral("802.11 Open");
    case 2: return QStringLiteral("802.11 Shared");
    case 3: return QStringLiteral("WPA-Enterprise (WPA)");
    case 4: return QStringLiteral("WPA-Personal (WPA-PSK)");
    case 5: return QStringLiteral("WPA-None");
    case 6: return QStringLiteral("WPA2-Enterprise (RSNA)");
    case 7: return QStringLiteral("WPA2-Personal (WPA2-PSK)");
    case 8: return QStringLiteral("WPA3-Enterprise (WPA3)");
    case 9: return QStringLiteral("WPA3-Personal (WPA3-PSK)");
    case 10: return QStringLiteral("Enhanced Open (OWE)");
    default: return QStringLiteral("Other");
    }
}

QString credentialsText(bool isSecured, int authAlgorithm)
{
    if (!isSecured || authAlgorithm == 10)
        return QCoreApplication::translate("WirelessConnect", "Not required");
    if (authAlgorithm == 6 || authAlgorithm == 8)
        return QCoreApplication::translate("WirelessConnect", "Credentials");
    return QCoreApplication::translate("WirelessConnect", "Required");
}

QString interfaceStateText(int state)
{
    switch (state) {
    case 0: return QCoreApplication::translate("WirelessConnect", "Not ready");
    case 1: return QCoreApplication::translate("WirelessConnect", "Connected");
    case 2: return QCoreApplication::translate("WirelessConnect", "First node in a ad hoc network");
    case 3: return QCoreApplication::translate("WirelessConnect", "Disconnecting");
    case 4: return QCoreApplication::translate("WirelessConnect", "Not connected");
    case 5: return QCoreApplication::translate("WirelessConnect", "Attempting to associate with a network");
    case 6: return QCoreApplication::translate("WirelessConnect",
                                               "Auto configuration is discovering settings for the network");
    case 7: return QCoreApplication::translate("WirelessConnect", "In process of authenticating");
    default: return QString();
    }
}

QString networkFlagsText(int flags)
{
    switch (flags) {
    case 0: return QCoreApplication::translate("WirelessConnect", "No profile");
    case 2: return QCoreApplication::translate("WirelessConnect", "Has profile");
    case 3: return QCoreApplication::translate("WirelessConnect", "Connected");
    case 4: return QCoreApplication::translate("WirelessConnect",
                                               "The profile is the active console user's per user profile");
    case 8: return QCoreApplication::translate("WirelessConnect", "Interworking is supported");
    case 10: return QCoreApplication::translate("WirelessConnect", "Hotspot2 is enabled");
    case 11: return QCoreApplication::translate("WirelessConnect", "Hotspot2 is connected");
    case 20: return QCoreApplication::translate("WirelessConnect", "ANQP is supported");
    case 40: return QCoreApplication::translate("WirelessConnect", "Domain network");
    case 80: return QCoreApplication::translate("WirelessConnect", "Roaming network");
    case 100: return QCoreApplication::translate("WirelessConnect", "This network failed to connect");
    default:
        // The flags are a DWORD bit set; a high bit must not show as a negative number.
        return QStringLiteral("%1 (%2)").arg(QCoreApplication::translate("WirelessConnect", "Unknown"),
                                             QString::number(static_cast<uint32_t>(flags)));
    }
}

QString phyTypeText(int phyType)
{
    switch (phyType) {
    case 0: return QCoreApplication::translate("WirelessConnect", "Unknown");
    case 4: return QStringLiteral("802.11a");
    case 6: return QStringLiteral("802.11g");
    case 7: return QStringLiteral("802.11n");
    case 8: return QStringLiteral("802.11ac");
    case 9: return QStringLiteral("802.11ad");
    case 10: return QStringLiteral("802.11ax");
    default: return QCoreApplication::translate("WirelessConnect", "Other");
    }
}

QString bssTypeText(int bssType)
{
    switch (bssType) {
    case 1: return QCoreApplication::translate("WirelessConnect", "Infrastructure");
    case 2: return QCoreApplication::translate("WirelessConnect", "Independent");
    case 3: return QCoreApplication::translate("WirelessConnect", "Any");
    default: return QString();
    }
}

QString interfaceTypeText(int interfaceType)
{
    switch (interfaceType) {
    case 0: return QCoreApplication::translate("WirelessConnect", "Emulated WiFi");
    case 1: return QCoreApplication::translate("WirelessConnect", "Native WiFi");
    case 2: return QCoreApplication::translate("WirelessConnect", "Invalid interface");
    default: return QString();
    }
}

QString operationModeText(uint32_t operationMode)
{
    switch (operationMode) {
    case wlan::OperationModeExtensibleStation:
        return QCoreApplication::translate("WirelessConnect", "Extensible Station");
    case wlan::OperationModeNetworkMonitor:
        return QCoreApplication::translate("WirelessConnect", "Network Monitor");
    default:
        return QCoreApplication::translate("WirelessConnect", "Unknown");
    }
}

QString reasonCodeText(uint32_t reasonCode)
{
    const std::shared_ptr<wlan::WlanClient> client = wlan::defaultClient();
    std::u16string systemText;
    const uint32_t error = client
        ? client->reasonCodeToString(reasonCode, kReasonTextBufferChars, systemText)
        : static_cast<uint32_t>(wlan::ServiceNotActive);
    if (error != wlan::Success) {
        return QStringLiteral("%1: %2").arg(
            QCoreApplication::translate("WirelessConnect", "Failed with error code"),
            QString::number(error));
    }
    // Unit for unit: QString::fromStdU16String would swallow a leading U+FEFF.
    const QString text(reinterpret_cast<const QChar *>(systemText.data()), int(systemText.size()));
    return QStringLiteral("%1 (%2)").arg(text, QString::number(reasonCode));
}

QString macAddressText(const std::array<uint8_t, 6> &bssid)
{
    static const char digits[] = "0123456789ABCDEF";
    QString text;
    text.reserve(17);
    for (size_t i = 0; i < bssid.size(); ++i) {
        if (i > 0)
            text += QLatin1Char(':');
        text += QLatin1Char(digits[bssid[i] >> 4]);
        text += QLatin1Char(digits[bssid[i] & 0x0F]);
    }
    return text;
}

QString signalText(uint32_t quality)
{
    const qint64 level = static_cast<qint64>(quality) / 2 - 100;
    return QStringLiteral("%1% (%2 dBm)").arg(QString::number(quality), QString::number(level));
}

QString channelText(uint32_t centerFrequencyKHz)
{
    const uint32_t mhz = centerFrequencyKHz / 1000;
    uint32_t channel = 0;
    if (mhz >= k24First && mhz <= k24Last)
        channel = ((centerFrequencyKHz % 2412000) / 1000) / 5 + 1;
    else if (mhz == kJapanChannel14)
        channel = 14;
    else if (mhz >= k49First && mhz < k5First)
        channel = (mhz - 4000) / 5;
    else if (mhz >= k5First && mhz <= k5Last)
        channel = (mhz - 5000) / 5;
    else if (mhz == k6Channel2)
        channel = 2;
    else if (mhz >= k6First && mhz <= k6Last)
        channel = (mhz - 5950) / 5;
    else
        return QCoreApplication::translate("WirelessConnect", "Unknown");
    return QString::number(channel);
}

QString frequencyText(uint32_t centerFrequencyKHz)
{
    return QStringLiteral("%1 %2").arg(QString::number(centerFrequencyKHz / 1000),
                                       QCoreApplication::translate("WirelessConnect", "MHz"));
}

QString bandText(uint32_t centerFrequencyKHz, uint32_t bssidCount)
{
    if (bssidCount >= 2)
        return QCoreApplication::translate("WirelessConnect", "Dual-Band");
    const uint32_t mhz = centerFrequencyKHz / 1000;
    const QString ghz = QCoreApplication::translate("WirelessConnect", "GHz");
    if (mhz < 3000)
        return QStringLiteral("2.4 %1").arg(ghz);
    if (isSixGHz(mhz))
        return QStringLiteral("6.0 %1").arg(ghz);
    return QStringLiteral("5.0 %1").arg(ghz);
}

void registerWirelessMetaTypes()
{
    // A function-local static runs exactly once even when several threads get here together.
    static const bool registered = [] {
        qRegisterMetaType<QVector<WirelessInterface>>("QVector<WirelessInterface>");
        qRegisterMetaType<QVector<WirelessAP>>("QVector<WirelessAP>");
        qRegisterMetaType<ConnectionData>("ConnectionData");
        qRegisterMetaType<CWlanNetworkState>("CWlanNetworkState");
        qRegisterMetaType<Connection::State>("Connection::State");
        qRegisterMetaType<_DOT11_AUTH_ALGORITHM>("_DOT11_AUTH_ALGORITHM");
        qRegisterMetaType<_DOT11_CIPHER_ALGORITHM>("_DOT11_CIPHER_ALGORITHM");
        return true;
    }();
    Q_UNUSED(registered)
}
