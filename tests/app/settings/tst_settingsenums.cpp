#include "app/settings/SettingsEnums.h"
#include "app/settings/SettingsStore.h"

#include "core/TestSettings.h"

#include <QtTest>

class TestSettingsEnums : public QObject
{
    Q_OBJECT

private slots:
    void init() { testsupport::resetSettings(); }

    void storedValue_data();
    void storedValue();
    void writtenAsPlainIntegers();
};

void TestSettingsEnums::storedValue_data()
{
    QTest::addColumn<QString>("group");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QVariant>("stored"); // invalid: key missing
    QTest::addColumn<int>("expected");
    const QString app = QStringLiteral("AppSettings");
    const QString updates = QStringLiteral("Updates");
    QTest::newRow("language missing") << app << "AppLanguage" << QVariant() << 0;
    QTest::newRow("language text") << app << "AppLanguage" << QVariant(QStringLiteral("3")) << 3;
    QTest::newRow("language garbage") << app << "AppLanguage" << QVariant(QStringLiteral("en")) << 0;
    QTest::newRow("theme boolean") << app << "AppTheme" << QVariant(true) << 0;
    QTest::newRow("channel missing") << updates << "UpdatesChannel" << QVariant() << 3;
    QTest::newRow("channel fraction") << updates << "UpdatesChannel" << QVariant(QStringLiteral("1.5")) << 0;
    // An integer out of range is kept: each user applies its own fallback.
    QTest::newRow("delivery out of range") << updates << "Delivery" << QVariant(7) << 7;
}

void TestSettingsEnums::storedValue()
{
    QFETCH(QString, group);
    QFETCH(QString, key);
    QFETCH(QVariant, stored);
    QFETCH(int, expected);
    if (stored.isValid())
        writeSetting(group, key, stored);

    const QMap<QString, int> read{
        {QStringLiteral("AppLanguage"), static_cast<int>(readLanguage())},
        {QStringLiteral("AppTheme"), static_cast<int>(readTheme())},
        {QStringLiteral("UpdatesChannel"), static_cast<int>(readUpdatesChannel())},
        {QStringLiteral("Delivery"), static_cast<int>(readDelivery())},
    };
    QCOMPARE(read.value(key), expected);
    QCOMPARE(readIntSetting(group, key), expected);
}

void TestSettingsEnums::writtenAsPlainIntegers()
{
    writeLanguage(App::Language::Ukrainian);
    writeUpdatesChannel(Update::Channel::Beta);
    QCOMPARE(readAppSetting(QStringLiteral("AppLanguage")).toString(), QStringLiteral("3"));
    QCOMPARE(readSetting(QStringLiteral("Updates"), QStringLiteral("UpdatesChannel")).toString(), QStringLiteral("2"));
}

QTEST_GUILESS_MAIN(TestSettingsEnums)
#include "tst_settingsenums.moc"
