#include <QtTest>

#include "platform/wlan/SimulatedWlanClient.h"
#include "platform/wlan/WlanClientProvider.h"
#include "wireless/ConnectionData.h"
#include "wireless/ConnectionState.h"
#include "wireless/Dot11Types.h"
#include "wireless/WirelessAP.h"
#include "wireless/WirelessInterface.h"
#include "wireless/WirelessTexts.h"

#include <functional>
#include <thread>
#include <vector>

namespace {

// A wireless service whose only working call is the reason-code text, answered by a script.
class ReasonTextClient : public wlan::WlanClient
{
public:
    uint32_t result = wlan::Success;
    std::u16string text;
    std::vector<std::pair<uint32_t, uint32_t>> calls;   // reason code, buffer size

    uint32_t reasonCodeToString(uint32_t reasonCode, uint32_t bufferChars, std::u16string &out) override
    {
        calls.emplace_back(reasonCode, bufferChars);
        if (result == wlan::Success)
            out = text;
        return result;
    }

    uint32_t openHandle(uint32_t, uint32_t *, wlan::Handle *) override { return wlan::NotSupported; }
    uint32_t closeHandle(wlan::Handle) override { return wlan::NotSupported; }
    uint32_t enumInterfaces(wlan::Handle, std::vector<wlan::InterfaceInfo> &) override { return wlan::NotSupported; }
    uint32_t queryRadioState(wlan::Handle, const wlan::Guid &, bool &, bool &) override { return wlan::NotSupported; }
    uint32_t queryOperationMode(wlan::Handle, const wlan::Guid &, uint32_t &) override { return wlan::NotSupported; }
    uint32_t queryBssType(wlan::Handle, const wlan::Guid &, int &) override { return wlan::NotSupported; }
    uint32_t queryAutoConfEnabled(wlan::Handle, const wlan::Guid &, bool &) override { return wlan::NotSupported; }
    uint32_t queryCurrentConnection(wlan::Handle, const wlan::Guid &, wlan::CurrentConnection &) override
    {
        return wlan::NotSupported;
    }
    uint32_t getInterfaceCapability(wlan::Handle, const wlan::Guid &, int &) override { return wlan::NotSupported; }
    uint32_t scan(wlan::Handle, const wlan::Guid &) override { return wlan::NotSupported; }
    uint32_t getAvailableNetworkList(wlan::Handle, const wlan::Guid &, uint32_t,
                                     std::vector<wlan::AvailableNetwork> &) override
    {
        return wlan::NotSupported;
    }
    uint32_t getNetworkBssList(wlan::Handle, const wlan::Guid &, const wlan::Ssid *, int, bool,
                               std::vector<wlan::BssEntry> &) override
    {
        return wlan::NotSupported;
    }
    uint32_t getProfile(wlan::Handle, const wlan::Guid &, const std::u16string &, std::u16string &) override
    {
        return wlan::NotSupported;
    }
    uint32_t setProfile(wlan::Handle, const wlan::Guid &, uint32_t, const std::u16string &, bool,
                        uint32_t &) override
    {
        return wlan::NotSupported;
    }
    uint32_t deleteProfile(wlan::Handle, const wlan::Guid &, const std::u16string &) override
    {
        return wlan::NotSupported;
    }
    uint32_t connect(wlan::Handle, const wlan::Guid &, const wlan::ConnectionParameters &) override
    {
        return wlan::NotSupported;
    }
    uint32_t disconnect(wlan::Handle, const wlan::Guid &) override { return wlan::NotSupported; }
    uint32_t registerNotification(wlan::Handle, uint32_t, bool, wlan::NotificationCallback, void *) override
    {
        return wlan::NotSupported;
    }
    int guidToString(const wlan::Guid &, uint32_t, std::u16string &) override { return 0; }
};

using IntText = std::function<QString(int)>;

} // namespace

Q_DECLARE_METATYPE(IntText)

class TestWirelessTexts : public QObject
{
    Q_OBJECT

private slots:
    // Back to the service the provider picks by itself.
    void cleanup() { wlan::setDefaultClient(nullptr); }

    void tables_data();
    void tables();
    void credentials_data();
    void credentials();
    void operationMode_data();
    void operationMode();

    void signal_data();
    void signal();
    void macAddress();

    void channelFrequencyBand_data();
    void channelFrequencyBand();
    void dualBandWinsOverFrequency();
    void frequencyOutsideKnownBands();

    void reasonCodeFromService_data();
    void reasonCodeFromService();
    void reasonCodeFailure();
    void reasonCodeFromSimulatedService();

    void metaTypesResolveByName_data();
    void metaTypesResolveByName();
    void metaTypesRegisterFromManyThreads();
};

void TestWirelessTexts::tables_data()
{
    QTest::addColumn<IntText>("table");
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("text");

    const IntText cipher = cipherAlgorithmText;
    QTest::newRow("cipher 0") << cipher << 0 << "None";
    QTest::newRow("cipher 1") << cipher << 1 << "WEP-40";
    QTest::newRow("cipher 2") << cipher << 2 << "TKIP";
    QTest::newRow("cipher 3") << cipher << 3 << "Other";
    QTest::newRow("cipher 4") << cipher << 4 << "AES (CCMP)";
    QTest::newRow("cipher 5") << cipher << 5 << "WEP-104";
    QTest::newRow("cipher 8") << cipher << 8 << "Other";
    QTest::newRow("cipher 9") << cipher << 9 << "GCMP-256";
    QTest::newRow("cipher 256") << cipher << 256 << "USE-GROUP";
    QTest::newRow("cipher 257") << cipher << 257 << "WEP";
    QTest::newRow("cipher -1") << cipher << -1 << "Other";

    const IntText auth = authAlgorithmText;
    QTest::newRow("auth 0") << auth << 0 << "Other";
    QTest::newRow("auth 1") << auth << 1 << "802.11 Open";
    QTest::newRow("auth 2") << auth << 2 << "802.11 Shared";
    QTest::newRow("auth 3") << auth << 3 << "WPA-Enterprise (WPA)";
    QTest::newRow("auth 4") << auth << 4 << "WPA-Personal (WPA-PSK)";
    QTest::newRow("auth 5") << auth << 5 << "WPA-None";
    QTest::newRow("auth 6") << auth << 6 << "WPA2-Enterprise (RSNA)";
    QTest::newRow("auth 7") << auth << 7 << "WPA2-Personal (WPA2-PSK)";
    QTest::newRow("auth 8") << auth << 8 << "WPA3-Enterprise (WPA3)";
    QTest::newRow("auth 9") << auth << 9 << "WPA3-Personal (WPA3-PSK)";
    QTest::newRow("auth 10") << auth << 10 << "Enhanced Open (OWE)";
    QTest::newRow("auth 11") << auth << 11 << "Other";

    const IntText state = interfaceStateText;
    QTest::newRow("state 0") << state << 0 << "Not ready";
    QTest::newRow("state 1") << state << 1 << "Connected";
    QTest::newRow("state 2") << state << 2 << "First node in a ad hoc network";
    QTest::newRow("state 3") << state << 3 << "Disconnecting";
    QTest::newRow("state 4") << state << 4 << "Not connected";
    QTest::newRow("state 5") << state << 5 << "Attempting to associate with a network";
    QTest::newRow("state 6") << state << 6 << "Auto configuration is discovering settings for the network";
    QTest::newRow("state 7") << state << 7 << "In process of authenticating";
    QTest::newRow("state 8") << state << 8 << "";
    QTest::newRow("state 42") << state << 42 << "";
    QTest::newRow("state -1") << state << -1 << "";

    const IntText flags = networkFlagsText;
    QTest::newRow("flags 0") << flags << 0 << "No profile";
    QTest::newRow("flags 1") << flags << 1 << "Unknown (1)";
    QTest::newRow("flags 2") << flags << 2 << "Has profile";
    QTest::newRow("flags 3") << flags << 3 << "Connected";
    QTest::newRow("flags 4") << flags << 4 << "The profile is the active console user's per user profile";
    QTest::newRow("flags 6") << flags << 6 << "Unknown (6)";
    QTest::newRow("flags 8") << flags << 8 << "Interworking is supported";
    QTest::newRow("flags 10") << flags << 10 << "Hotspot2 is enabled";
    QTest::newRow("flags 11") << flags << 11 << "Hotspot2 is connected";
    QTest::newRow("flags 16") << flags << 16 << "Unknown (16)";
    QTest::newRow("flags 20") << flags << 20 << "ANQP is supported";
    QTest::newRow("flags 40") << flags << 40 << "Domain network";
    QTest::newRow("flags 80") << flags << 80 << "Roaming network";
    QTest::newRow("flags 100") << flags << 100 << "This network failed to connect";
    QTest::newRow("flags high bit") << flags << int(0x80000002u) << "Unknown (2147483650)";

    const IntText phy = phyTypeText;
    QTest::newRow("phy 0") << phy << 0 << "Unknown";
    QTest::newRow("phy 4") << phy << 4 << "802.11a";
    QTest::newRow("phy 5") << phy << 5 << "Other";
    QTest::newRow("phy 6") << phy << 6 << "802.11g";
    QTest::newRow("phy 7") << phy << 7 << "802.11n";
    QTest::newRow("phy 8") << phy << 8 << "802.11ac";
    QTest::newRow("phy 9") << phy << 9 << "802.11ad";
    QTest::newRow("phy 10") << phy << 10 << "802.11ax";
    QTest::newRow("phy 11") << phy << 11 << "Other";

    const IntText bss = bssTypeText;
    QTest::newRow("bss 0") << bss << 0 << "";
    QTest::newRow("bss 1") << bss << 1 << "Infrastructure";
    QTest::newRow("bss 2") << bss << 2 << "Independent";
    QTest::newRow("bss 3") << bss << 3 << "Any";
    QTest::newRow("bss 4") << bss << 4 << "";

    const IntText ifType = interfaceTypeText;
    QTest::newRow("interface type 0") << ifType << 0 << "Emulated WiFi";
    QTest::newRow("interface type 1") << ifType << 1 << "Native WiFi";
    QTest::newRow("interface type 2") << ifType << 2 << "Invalid interface";
    QTest::newRow("interface type 3") << ifType << 3 << "";
}

void TestWirelessTexts::tables()
{
    QFETCH(IntText, table);
    QFETCH(int, value);
    QFETCH(QString, text);
    QCOMPARE(table(value), text);
}

void TestWirelessTexts::credentials_data()
{
    QTest::addColumn<bool>("secured");
    QTest::addColumn<int>("auth");
    QTest::addColumn<QString>("text");
    QTest::newRow("open network, enterprise auth") << false << 6 << "Not required";
    QTest::newRow("open network, open auth") << false << 1 << "Not required";
    QTest::newRow("secured OWE") << true << 10 << "Not required";
    QTest::newRow("secured WPA2 enterprise") << true << 6 << "Credentials";
    QTest::newRow("secured WPA3 enterprise") << true << 8 << "Credentials";
    QTest::newRow("secured WPA2 personal") << true << 7 << "Required";
    QTest::newRow("secured WPA3 SAE") << true << 9 << "Required";
    QTest::newRow("secured WEP shared") << true << 2 << "Required";
}

void TestWirelessTexts::credentials()
{
    QFETCH(bool, secured);
    QFETCH(int, auth);
    QFETCH(QString, text);
    QCOMPARE(credentialsText(secured, auth), text);
}

void TestWirelessTexts::operationMode_data()
{
    QTest::addColumn<uint>("mode");
    QTest::addColumn<QString>("text");
    QTest::newRow("extensible station") << 4u << "Extensible Station";
    QTest::newRow("network monitor") << 0x80000000u << "Network Monitor";
    QTest::newRow("extensible AP") << 8u << "Unknown";
    QTest::newRow("zero") << 0u << "Unknown";
}

void TestWirelessTexts::operationMode()
{
    QFETCH(uint, mode);
    QFETCH(QString, text);
    QCOMPARE(operationModeText(mode), text);
}

void TestWirelessTexts::signal_data()
{
    QTest::addColumn<uint>("quality");
    QTest::addColumn<QString>("text");
    QTest::newRow("0") << 0u << "0% (-100 dBm)";
    QTest::newRow("1") << 1u << "1% (-100 dBm)";
    QTest::newRow("2") << 2u << "2% (-99 dBm)";
    QTest::newRow("75") << 75u << "75% (-63 dBm)";
    QTest::newRow("100") << 100u << "100% (-50 dBm)";
}

void TestWirelessTexts::signal()
{
    QFETCH(uint, quality);
    QFETCH(QString, text);
    QCOMPARE(signalText(quality), text);
}

void TestWirelessTexts::macAddress()
{
    QCOMPARE(macAddressText({0x00, 0x1A, 0x2B, 0x3C, 0x4D, 0x5E}), QStringLiteral("00:1A:2B:3C:4D:5E"));
    QCOMPARE(macAddressText({0xFF, 0xab, 0x0c, 0xd0, 0x01, 0x10}), QStringLiteral("FF:AB:0C:D0:01:10"));
    QCOMPARE(macAddressText({}), QStringLiteral("00:00:00:00:00:00"));
}

void TestWirelessTexts::channelFrequencyBand_data()
{
    QTest::addColumn<uint>("kHz");
    QTest::addColumn<QString>("channel");
    QTest::addColumn<QString>("frequency");
    QTest::addColumn<QString>("band");

    QTest::newRow("2412") << 2412000u << "1" << "2412 MHz" << "2.4 GHz";
    QTest::newRow("2437") << 2437000u << "6" << "2437 MHz" << "2.4 GHz";
    QTest::newRow("2472") << 2472000u << "13" << "2472 MHz" << "2.4 GHz";
    QTest::newRow("2484") << 2484000u << "14" << "2484 MHz" << "2.4 GHz";
    QTest::newRow("4920 (802.11j)") << 4920000u << "184" << "4920 MHz" << "5.0 GHz";
    QTest::newRow("5180") << 5180000u << "36" << "5180 MHz" << "5.0 GHz";
    QTest::newRow("5745") << 5745000u << "149" << "5745 MHz" << "5.0 GHz";
    QTest::newRow("5825") << 5825000u << "165" << "5825 MHz" << "5.0 GHz";
    QTest::newRow("5935") << 5935000u << "2" << "5935 MHz" << "6.0 GHz";
    QTest::newRow("5955") << 5955000u << "1" << "5955 MHz" << "6.0 GHz";
    QTest::newRow("6415") << 6415000u << "93" << "6415 MHz" << "6.0 GHz";
    QTest::newRow("7115") << 7115000u << "233" << "7115 MHz" << "6.0 GHz";
    QTest::newRow("sub-MHz part dropped") << 2437999u << "6" << "2437 MHz" << "2.4 GHz";
}

void TestWirelessTexts::channelFrequencyBand()
{
    QFETCH(uint, kHz);
    QFETCH(QString, channel);
    QFETCH(QString, frequency);
    QFETCH(QString, band);
    QCOMPARE(channelText(kHz), channel);
    QCOMPARE(frequencyText(kHz), frequency);
    QCOMPARE(bandText(kHz, 1), band);
    QCOMPARE(bandText(kHz, 0), band);
}

void TestWirelessTexts::dualBandWinsOverFrequency()
{
    for (uint kHz : {2437000u, 5180000u, 6415000u}) {
        QCOMPARE(bandText(kHz, 2), QStringLiteral("Dual-Band"));
        QCOMPARE(bandText(kHz, 7), QStringLiteral("Dual-Band"));
    }
}

void TestWirelessTexts::frequencyOutsideKnownBands()
{
    // No channel is invented for frequencies no Wi-Fi band uses; the frequency is still shown.
    for (uint kHz : {0u, 2400000u, 2477000u, 3600000u, 5930000u, 7200000u, 60480000u})
        QCOMPARE(channelText(kHz), QStringLiteral("Unknown"));
    QCOMPARE(frequencyText(3600000u), QStringLiteral("3600 MHz"));
}

void TestWirelessTexts::reasonCodeFromService_data()
{
    QTest::addColumn<uint>("code");
    QTest::addColumn<QString>("serviceText");
    QTest::addColumn<QString>("expected");
    QTest::newRow("zero") << 0u << "The operation was successful." << "The operation was successful. (0)";
    QTest::newRow("WPA3 refused") << 0x4001Eu << "The profile is not supported." << "The profile is not supported. (262174)";
    QTest::newRow("placeholder-like text") << 7u << "Odd %1 text %2" << "Odd %1 text %2 (7)";
    QTest::newRow("largest code") << 0xFFFFFFFFu << "x" << "x (4294967295)";
}

void TestWirelessTexts::reasonCodeFromService()
{
    QFETCH(uint, code);
    QFETCH(QString, serviceText);
    QFETCH(QString, expected);
    auto client = std::make_shared<ReasonTextClient>();
    client->text = serviceText.toStdU16String();
    wlan::setDefaultClient(client);

    QCOMPARE(reasonCodeText(code), expected);
    QCOMPARE(client->calls.size(), size_t(1));
    QCOMPARE(client->calls.front().first, code);
    QCOMPARE(client->calls.front().second, 256u);
}

void TestWirelessTexts::reasonCodeFailure()
{
    auto client = std::make_shared<ReasonTextClient>();
    client->text = u"must not appear";
    client->result = wlan::InvalidParameter;
    wlan::setDefaultClient(client);
    QCOMPARE(reasonCodeText(0x4001E), QStringLiteral("Failed with error code: 87"));
}

void TestWirelessTexts::reasonCodeFromSimulatedService()
{
    auto service = std::make_shared<wlan::SimulatedWlanClient>();
    wlan::setDefaultClient(service);

    const QString zero = reasonCodeText(0);
    QVERIFY2(zero.endsWith(QLatin1String(" (0)")), qPrintable(zero));
    QVERIFY(zero.size() > 4);

    service->failCall(wlan::SimulatedWlanClient::Call::ReasonCodeToString, wlan::ServiceNotActive);
    QCOMPARE(reasonCodeText(0), QStringLiteral("Failed with error code: 1062"));
    QCOMPARE(reasonCodeText(0), zero);
}

void TestWirelessTexts::metaTypesResolveByName_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<bool>("isEnum");
    QTest::newRow("interfaces") << QByteArray("QVector<WirelessInterface>") << false;
    QTest::newRow("networks") << QByteArray("QVector<WirelessAP>") << false;
    QTest::newRow("connection") << QByteArray("ConnectionData") << false;
    QTest::newRow("network state") << QByteArray("CWlanNetworkState") << true;
    QTest::newRow("connection state") << QByteArray("Connection::State") << true;
    QTest::newRow("auth") << QByteArray("_DOT11_AUTH_ALGORITHM") << true;
    QTest::newRow("cipher") << QByteArray("_DOT11_CIPHER_ALGORITHM") << true;
}

void TestWirelessTexts::metaTypesResolveByName()
{
    QFETCH(QByteArray, name);
    QFETCH(bool, isEnum);
    registerWirelessMetaTypes();
    registerWirelessMetaTypes();

    const int id = QMetaType::type(name.constData());
    QVERIFY2(id != QMetaType::UnknownType, name.constData());
    if (isEnum) {
        QCOMPARE(QMetaType::sizeOf(id), 4);
        QVERIFY(QMetaType::typeFlags(id) & QMetaType::IsEnumeration);
    }
}

void TestWirelessTexts::metaTypesRegisterFromManyThreads()
{
    std::vector<std::thread> threads;
    for (int i = 0; i < 4; ++i)
        threads.emplace_back([] { registerWirelessMetaTypes(); });
    for (auto &t : threads)
        t.join();
    QVERIFY(QMetaType::type("QVector<WirelessAP>") != QMetaType::UnknownType);

    // A queued signal argument survives the copy through a QVariant.
    QVector<WirelessAP> list(2);
    list[1].profileName = QStringLiteral("Cafe");
    const QVariant v = QVariant::fromValue(list);
    QCOMPARE(v.userType(), QMetaType::type("QVector<WirelessAP>"));
    QCOMPARE(v.value<QVector<WirelessAP>>().at(1).profileName, QStringLiteral("Cafe"));
}

QTEST_GUILESS_MAIN(TestWirelessTexts)
#include "tst_wirelesstexts.moc"
