#include <QtTest>

#include "platform/wlan/SimulatedWlanClient.h"
#include "platform/wlan/WlanClientProvider.h"
#include "wireless/WirelessAP.h"
#include "wireless/WirelessTexts.h"

#include <functional>
#include <thread>
#include <vector>

namespace {

// The simulated service with a scripted reason text, recording the buffer size it was given.
class ReasonTextClient : public wlan::SimulatedWlanClient
{
public:
    std::u16string text;
    std::vector<std::pair<uint32_t, uint32_t>> calls;   // reason code, buffer size

    uint32_t reasonCodeToString(uint32_t reasonCode, uint32_t bufferChars, std::u16string &out) override
    {
        calls.emplace_back(reasonCode, bufferChars);
        out = text;
        return wlan::Success;
    }
};

using IntText = std::function<QString(int)>;

} // namespace

Q_DECLARE_METATYPE(IntText)

class TestWirelessTexts : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { wlan::setDefaultClient(nullptr); }

    // The edges of each table: the values outside the named ones and the odd ones within.
    void tableEdges_data()
    {
        QTest::addColumn<IntText>("table");
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("text");
        const IntText cipher = cipherAlgorithmText, auth = authAlgorithmText, state = interfaceStateText,
                      flags = networkFlagsText, phy = phyTypeText, bss = bssTypeText;
        QTest::newRow("cipher 3") << cipher << 3 << "Other";
        QTest::newRow("cipher 8") << cipher << 8 << "Other";
        QTest::newRow("cipher 9") << cipher << 9 << "GCMP-256";
        QTest::newRow("cipher 256") << cipher << 256 << "USE-GROUP";
        QTest::newRow("cipher 257") << cipher << 257 << "WEP";
        QTest::newRow("cipher -1") << cipher << -1 << "Other";
        QTest::newRow("auth 0") << auth << 0 << "Other";
        QTest::newRow("auth 10") << auth << 10 << "Enhanced Open (OWE)";
        QTest::newRow("auth 11") << auth << 11 << "Other";
        QTest::newRow("state 7") << state << 7 << "In process of authenticating";
        QTest::newRow("state 8") << state << 8 << "";
        QTest::newRow("state -1") << state << -1 << "";
        QTest::newRow("flags 0") << flags << 0 << "No profile";
        QTest::newRow("flags 3") << flags << 3 << "Connected";
        QTest::newRow("flags 6") << flags << 6 << "Unknown (6)";
        QTest::newRow("flags 100") << flags << 100 << "This network failed to connect";
        QTest::newRow("flags high bit") << flags << int(0x80000002u) << "Unknown (2147483650)";
        QTest::newRow("phy 0") << phy << 0 << "Unknown";
        QTest::newRow("phy 5") << phy << 5 << "Other";
        QTest::newRow("phy 10") << phy << 10 << "802.11ax";
        QTest::newRow("phy 11") << phy << 11 << "Other";
        QTest::newRow("bss 0") << bss << 0 << "";
        QTest::newRow("bss 4") << bss << 4 << "";
        QTest::newRow("interface type 3") << IntText(interfaceTypeText) << 3 << "";
    }

    void tableEdges()
    {
        QFETCH(IntText, table);
        QFETCH(int, value);
        QFETCH(QString, text);
        QCOMPARE(table(value), text);
    }

    void credentials_data()
    {
        QTest::addColumn<bool>("secured");
        QTest::addColumn<int>("auth");
        QTest::addColumn<QString>("text");
        QTest::newRow("open network, enterprise auth") << false << 6 << "Not required";
        QTest::newRow("secured OWE") << true << 10 << "Not required";
        QTest::newRow("secured WPA2 enterprise") << true << 6 << "Credentials";
        QTest::newRow("secured WPA3 enterprise") << true << 8 << "Credentials";
        QTest::newRow("secured WPA2 personal") << true << 7 << "Required";
        QTest::newRow("secured WEP shared") << true << 2 << "Required";
    }

    void credentials()
    {
        QFETCH(bool, secured);
        QFETCH(int, auth);
        QFETCH(QString, text);
        QCOMPARE(credentialsText(secured, auth), text);
    }

    void operationModeAndMac()
    {
        QCOMPARE(operationModeText(4u), QStringLiteral("Extensible Station"));
        QCOMPARE(operationModeText(0x80000000u), QStringLiteral("Network Monitor"));
        QCOMPARE(operationModeText(8u), QStringLiteral("Unknown"));
        QCOMPARE(macAddressText({0xFF, 0xab, 0x0c, 0xd0, 0x01, 0x10}), QStringLiteral("FF:AB:0C:D0:01:10"));
    }

    void signal_data()
    {
        QTest::addColumn<uint>("quality");
        QTest::addColumn<QString>("text");
        QTest::newRow("0") << 0u << "0% (-100 dBm)";
        QTest::newRow("1") << 1u << "1% (-100 dBm)";
        QTest::newRow("2") << 2u << "2% (-99 dBm)";
        QTest::newRow("75") << 75u << "75% (-63 dBm)";
        QTest::newRow("100") << 100u << "100% (-50 dBm)";
    }

    void signal()
    {
        QFETCH(uint, quality);
        QFETCH(QString, text);
        QCOMPARE(signalText(quality), text);
    }

    void channelFrequencyBand_data()
    {
        QTest::addColumn<uint>("kHz");
        QTest::addColumn<QString>("channel");
        QTest::addColumn<QString>("band");
        QTest::newRow("2412") << 2412000u << "1" << "2.4 GHz";
        QTest::newRow("2484") << 2484000u << "14" << "2.4 GHz";
        QTest::newRow("4920 (802.11j)") << 4920000u << "184" << "5.0 GHz";
        QTest::newRow("5825") << 5825000u << "165" << "5.0 GHz";
        QTest::newRow("5935") << 5935000u << "2" << "6.0 GHz";
        QTest::newRow("5955") << 5955000u << "1" << "6.0 GHz";
        QTest::newRow("7115") << 7115000u << "233" << "6.0 GHz";
        QTest::newRow("sub-MHz part dropped") << 2437999u << "6" << "2.4 GHz";
        // No channel is invented for frequencies no Wi-Fi band uses.
        QTest::newRow("2477") << 2477000u << "Unknown" << "2.4 GHz";
        QTest::newRow("3600") << 3600000u << "Unknown" << "";
        QTest::newRow("5930") << 5930000u << "Unknown" << "";
    }

    void channelFrequencyBand()
    {
        QFETCH(uint, kHz);
        QFETCH(QString, channel);
        QFETCH(QString, band);
        QCOMPARE(channelText(kHz), channel);
        QCOMPARE(frequencyText(kHz), QStringLiteral("%1 MHz").arg(kHz / 1000));
        if (!band.isEmpty())
            QCOMPARE(bandText(kHz, 1), band);
        QCOMPARE(bandText(kHz, 2), QStringLiteral("Dual-Band"));
    }

    void reasonCodeFromService_data()
    {
        QTest::addColumn<uint>("code");
        QTest::addColumn<QString>("serviceText");
        QTest::addColumn<QString>("expected");
        QTest::newRow("WPA3 refused") << 0x4001Eu << "Not supported." << "Not supported. (262174)";
        QTest::newRow("placeholder-like text") << 7u << "Odd %1 text %2" << "Odd %1 text %2 (7)";
        QTest::newRow("largest code") << 0xFFFFFFFFu << "x" << "x (4294967295)";
        QTest::newRow("leading U+FEFF kept") << 1u << QString(QChar(0xFEFF)) + "x" << QString(QChar(0xFEFF)) + "x (1)";
    }

    void reasonCodeFromService()
    {
        QFETCH(uint, code);
        QFETCH(QString, serviceText);
        QFETCH(QString, expected);
        auto client = std::make_shared<ReasonTextClient>();
        client->text = serviceText.toStdU16String();
        wlan::setDefaultClient(client);
        QCOMPARE(reasonCodeText(code), expected);
        QCOMPARE(client->calls, (std::vector<std::pair<uint32_t, uint32_t>>{{code, 256u}}));
    }

    void reasonCodeFromSimulatedService()
    {
        auto service = std::make_shared<wlan::SimulatedWlanClient>();
        wlan::setDefaultClient(service);
        QCOMPARE(reasonCodeText(0), QStringLiteral("The operation succeeds. (0)"));
        service->failCall(wlan::SimulatedWlanClient::Call::ReasonCodeToString, wlan::ServiceNotActive);
        QCOMPARE(reasonCodeText(0), QStringLiteral("Failed with error code: 1062"));
        QCOMPARE(reasonCodeText(0), QStringLiteral("The operation succeeds. (0)"));
    }

    // Queued signals between threads need every argument type known by name.
    void metaTypesFromManyThreads()
    {
        std::vector<std::thread> threads;
        for (int i = 0; i < 4; ++i)
            threads.emplace_back([] { registerWirelessMetaTypes(); });
        for (auto &t : threads)
            t.join();
        for (const char *name : {"QVector<WirelessInterface>", "QVector<WirelessAP>", "ConnectionData"})
            QVERIFY2(QMetaType::type(name) != QMetaType::UnknownType, name);
        for (const char *name : {"CWlanNetworkState", "Connection::State", "_DOT11_AUTH_ALGORITHM", "_DOT11_CIPHER_ALGORITHM"}) {
            const int id = QMetaType::type(name);
            QVERIFY2(id != QMetaType::UnknownType && (QMetaType::typeFlags(id) & QMetaType::IsEnumeration), name);
        }
        QVector<WirelessAP> list(2);
        list[1].profileName = QStringLiteral("Cafe");
        QCOMPARE(QVariant::fromValue(list).value<QVector<WirelessAP>>().at(1).profileName, QStringLiteral("Cafe"));
    }
};

QTEST_GUILESS_MAIN(TestWirelessTexts)
#include "tst_wirelesstexts.moc"
