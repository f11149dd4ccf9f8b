#include <QtTest>

#include "platform/wlan/SimulatedWlanClient.h"
#include "platform/wlan/WlanClientProvider.h"
#include "wireless/WirelessTexts.h"

// What the listing tests do not reach: values outside the tables, the channel arithmetic, the
// reason text as the service words it, and the type names queued signals depend on.

namespace {

// The simulated service with a scripted reason text, recording the buffer size it was given.
struct ReasonTextClient : wlan::SimulatedWlanClient
{
    std::vector<std::pair<uint32_t, uint32_t>> calls;   // reason code, buffer size
    uint32_t reasonCodeToString(uint32_t reasonCode, uint32_t bufferChars, std::u16string &out) override
    {
        calls.emplace_back(reasonCode, bufferChars);
        out = u"Odd %1 text %2";
        return wlan::Success;
    }
};

} // namespace

class TestWirelessTexts : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { wlan::setDefaultClient(nullptr); }

    void valuesOutsideTheTables()
    {
        QCOMPARE(QStringList({cipherAlgorithmText(-1), authAlgorithmText(11), interfaceStateText(8), networkFlagsText(0x80000002u),
                              phyTypeText(11), bssTypeText(4), interfaceTypeText(3), operationModeText(8u),
                              credentialsText(true, 10), credentialsText(true, 8)}),
                 QStringList({"Other", "Other", "", "Unknown (2147483650)", "Other", "", "", "Unknown", "Not required", "Credentials"}));
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
        QTest::newRow("7115") << 7115000u << "233" << "6.0 GHz";
        QTest::newRow("sub-MHz part dropped") << 2437999u << "6" << "2.4 GHz";
        // No channel is invented for frequencies no Wi-Fi band uses.
        QTest::newRow("2477") << 2477000u << "Unknown" << "2.4 GHz";
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

    void reasonCodeFromService()
    {
        auto client = std::make_shared<ReasonTextClient>();
        wlan::setDefaultClient(client);
        QCOMPARE(reasonCodeText(0xFFFFFFFFu), QStringLiteral("Odd %1 text %2 (4294967295)"));
        QCOMPARE(client->calls, (std::vector<std::pair<uint32_t, uint32_t>>{{0xFFFFFFFFu, 256u}}));

        auto service = std::make_shared<wlan::SimulatedWlanClient>();
        wlan::setDefaultClient(service);
        service->failCall(wlan::SimulatedWlanClient::Call::ReasonCodeToString, wlan::ServiceNotActive);
        QCOMPARE(reasonCodeText(0), QStringLiteral("Failed with error code: 1062"));
        QCOMPARE(reasonCodeText(0), QStringLiteral("The operation succeeds. (0)"));
    }

    // Queued signals between threads need every argument type known by name.
    void metaTypesKnownByName()
    {
        registerWirelessMetaTypes();
        for (const char *name : {"QVector<WirelessInterface>", "QVector<WirelessAP>", "ConnectionData", "CWlanNetworkState",
                                 "Connection::State", "_DOT11_AUTH_ALGORITHM", "_DOT11_CIPHER_ALGORITHM"})
            QVERIFY2(QMetaType::type(name) != QMetaType::UnknownType, name);
    }
};

QTEST_GUILESS_MAIN(TestWirelessTexts)
#include "tst_wirelesstexts.moc"
