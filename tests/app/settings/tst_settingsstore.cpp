#include "app/settings/SettingsStore.h"

#include "core/TestSettings.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

class TestSettingsStore : public QObject
{
    Q_OBJECT

private slots:
    void init() { testsupport::resetSettings(); }

    void valuesRoundTripThroughTheirGroup_data();
    void valuesRoundTripThroughTheirGroup();
    void writeSettingAtTargetsTheGivenStore();
    void opacity_data();
    void opacity();
};

void TestSettingsStore::valuesRoundTripThroughTheirGroup_data()
{
    QTest::addColumn<QVariant>("value");
    QTest::newRow("string") << QVariant(QStringLiteral("C:\\Users\\a b\\Сеть \"q\""));
    QTest::newRow("bytes") << QVariant(QByteArray("\x00\x01\xff\x80 ab", 7));
}

void TestSettingsStore::valuesRoundTripThroughTheirGroup()
{
    QFETCH(QVariant, value);
    QCOMPARE(readAppSetting(QStringLiteral("Probe"), 42).toInt(), 42);
    QVERIFY(!hasSetting(QStringLiteral("AppSettings"), QStringLiteral("Probe")));

    writeAppSetting(QStringLiteral("Probe"), value);
    QVERIFY(hasSetting(QStringLiteral("AppSettings"), QStringLiteral("Probe")));
    QVERIFY(!hasSetting(QStringLiteral("Updates"), QStringLiteral("Probe")));
    QCOMPARE(readSetting(QStringLiteral("AppSettings"), QStringLiteral("Probe")).toByteArray(), value.toByteArray());

    // A store opened independently sees the same key: nothing is held back in a private object.
    QSettings independent;
    QCOMPARE(independent.value(QStringLiteral("AppSettings/Probe")).toByteArray(), value.toByteArray());
}

void TestSettingsStore::writeSettingAtTargetsTheGivenStore()
{
#ifdef Q_OS_WIN
    const QString path = QStringLiteral("HKEY_CURRENT_USER\\Software\\Tarnwick\\AirvaneLiteStoreTest");
#else
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("sub/explicit.conf"));
#endif
    writeSettingAt(path, QStringLiteral("Grp"), QStringLiteral("Name"), QStringLiteral("C:\\a b\\x.exe"));
    writeSettingAt(path, QString(), QStringLiteral("Top"), 5);
    {
        QSettings explicitStore(path, QSettings::NativeFormat);
        QCOMPARE(explicitStore.value(QStringLiteral("Grp/Name")).toString(), QStringLiteral("C:\\a b\\x.exe"));
        QCOMPARE(explicitStore.value(QStringLiteral("Top")).toInt(), 5);
        explicitStore.clear();
    }
    QVERIFY(QSettings().allKeys().isEmpty());
}

void TestSettingsStore::opacity_data()
{
    QTest::addColumn<QVariant>("stored"); // invalid: key missing
    QTest::addColumn<double>("expected");
    QTest::newRow("missing") << QVariant() << 1.0;
    QTest::newRow("text") << QVariant(QStringLiteral("0.4")) << 0.4;
    QTest::newRow("garbage") << QVariant(QStringLiteral("opaque")) << 1.0;
    QTest::newRow("above one") << QVariant(QStringLiteral("1.7")) << 1.0;
    QTest::newRow("negative") << QVariant(-0.3) << 0.0;
    QTest::newRow("nan") << QVariant(QStringLiteral("nan")) << 1.0;
}

void TestSettingsStore::opacity()
{
    QFETCH(QVariant, stored);
    QFETCH(double, expected);
    if (stored.isValid())
        writeAppSetting(QStringLiteral("Opacity"), stored);
    QCOMPARE(readOpacity(), expected);
}

QTEST_GUILESS_MAIN(TestSettingsStore)
#include "tst_settingsstore.moc"
