#include "app/settings/SettingsEnums.h"
#include "app/settings/SettingsKeys.h"
#include "app/settings/SettingsStore.h"

#include "core/TestSettings.h"

#include <QtTest>

// The settings store as the rest of the program meets it: what a first start leaves there, how
// stored values (hand-edited ones too) read back, and that nothing is cached between accesses.

namespace {

// The normal geometry and screen width of a save-geometry blob (big-endian).
QRect normalGeometry(const QByteArray &blob, qint32 *screenWidth = nullptr)
{
    QDataStream in(blob);
    quint32 magic;
    quint16 major, minor;
    qint32 r[8], screen, width;
    quint8 maximized, fullScreen;
    in >> magic >> major >> minor;
    for (qint32 &v : r)
        in >> v;
    in >> screen >> maximized >> fullScreen >> width;
    if (magic != 0x1D9D0CB || major != 2 || screen != 0 || maximized || fullScreen || in.status() != QDataStream::Ok)
        return QRect();
    if (screenWidth)
        *screenWidth = width;
    return QRect(QPoint(r[4], r[5]), QPoint(r[6], r[7]));
}

} // namespace

class TestSettings : public QObject
{
    Q_OBJECT

private slots:
    void init() { testsupport::resetSettings(); }

    // Every key a first start writes, in the order it writes them, with its value as a store
    // opened afterwards reads it (blobs by size: defaultLayouts reads them); nothing else.
    void firstStartStoresExactly()
    {
        writeDefaultSettings();
        QSettings store;
        QStringList lines;
        for (const SettingKeyInfo &info : settingKeyTable()) {
            const QVariant v = store.value(info.group + '/' + info.key);
            if (info.writtenAtFirstStart && info.key != QLatin1String("DownloadPath"))
                lines << info.key + '=' + (v.type() == QVariant::ByteArray ? QString::number(v.toByteArray().size()) + 'B' : v.toString());
        }
        QCOMPARE(lines.join(' '), QStringLiteral(
            "ShowFullInfo=true ShowSplash=true AlwaysOnTop=false OpenInfoWithConfigManager=true AddToTray=false "
            "CloseToTray=false MinimizeToTray=false ShowWindowWhenInTray=false NotifyWhenOpenAP=true "
            "AutoRefreshWlanNetworks=true Opacity=1 WlanViewSize=31B SettingsViewSize=31B AppLanguage=0 AppTheme=0 "
            "Position=50B SettingsPos=50B Family=Segoe UI Size=12 EnableUpdates=true CheckForUpdatesWhenAppStarts=true "
            "InstallUpdatesAutomatically=true GetInsiderBuildsNotification=true DeleteInstaller=false InstallSilently=true "
            "UpdatesChannel=3 InstallPath=C:\\Program Files\\Tarnwick\\Airvane Lite Delivery=0"));
        // "WlanIndex", "NotifyWhenInTray", "LogPath", "Reminder" and "Database" wait for their first use.
        QCOMPARE(store.allKeys().size(), 29);
        const QString downloads = store.value(QStringLiteral("Updates/DownloadPath")).toString();
        QVERIFY(!downloads.isEmpty() && downloads == QDir::toNativeSeparators(downloads));
    }

    void secondStartChangesNothingAndExistingValuesSurvive()
    {
        writeSetting("Updates", "UpdatesChannel", 1);
        writeAppSetting("Position", QByteArray("kept"));
        writeAppSetting("AppTheme", "junk"); // repairing is not its job
        writeDefaultSettings();
        QCOMPARE(QStringList({readSetting("Updates", "UpdatesChannel").toString(), readAppSetting("Position").toString(),
                              readAppSetting("AppTheme").toString(), readAppSetting("ShowSplash").toString()}),
                 QStringList({"1", "kept", "junk", "true"}));
        const QStringList keys = QSettings().allKeys();
        writeDefaultSettings();
        QCOMPARE(QSettings().allKeys(), keys);
    }

    void defaultLayouts()
    {
        writeDefaultSettings();
        qint32 screenWidth = 0;
        QCOMPARE(normalGeometry(readAppSetting("Position").toByteArray(), &screenWidth), QRect(330, 225, 1260, 600));
        QCOMPARE(screenWidth, 1920);
        QCOMPARE(normalGeometry(readAppSetting("SettingsPos").toByteArray()), QRect(539, 266, 850, 560));
        // Splitter states: magic, version, two unset sizes, ..., orientation.
        for (const auto &splitter : {qMakePair(QString("WlanViewSize"), int(Qt::Vertical)), qMakePair(QString("SettingsViewSize"), int(Qt::Horizontal))}) {
            QDataStream in(readAppSetting(splitter.first).toByteArray());
            qint32 magic, version, handleWidth, orientation;
            QList<int> sizes;
            bool collapsible, opaqueResize;
            in >> magic >> version >> sizes >> collapsible >> handleWidth >> opaqueResize >> orientation;
            QVERIFY(in.status() == QDataStream::Ok && magic == 0xff && sizes == QList<int>({-1, -1}) && orientation == splitter.second);
        }
        // A stored blob, even an empty one, is the user's; a missing one reads as the default.
        writeAppSetting("WlanViewSize", QByteArray());
        QCOMPARE(readLayoutBlob("WlanViewSize"), QByteArray());
        QSettings().remove(QStringLiteral("AppSettings/Position"));
        QCOMPARE(normalGeometry(readLayoutBlob("Position")), QRect(330, 225, 1260, 600));
    }

    // Stored values as their readers see them, hand-edited and damaged ones too.
    void storedValues_data()
    {
        QTest::addColumn<QString>("group");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QVariant>("stored"); // invalid: key missing
        QTest::addColumn<QString>("expected");
        QTest::newRow("language missing") << "AppSettings" << "AppLanguage" << QVariant() << "0";
        QTest::newRow("language text") << "AppSettings" << "AppLanguage" << QVariant("3") << "3";
        QTest::newRow("language garbage") << "AppSettings" << "AppLanguage" << QVariant("en") << "0";
        QTest::newRow("theme boolean") << "AppSettings" << "AppTheme" << QVariant(true) << "0";
        QTest::newRow("channel missing") << "Updates" << "UpdatesChannel" << QVariant() << "3";
        QTest::newRow("channel fraction") << "Updates" << "UpdatesChannel" << QVariant("1.5") << "0";
        // An integer out of range is kept: each user applies its own fallback.
        QTest::newRow("delivery out of range") << "Updates" << "Delivery" << QVariant(7) << "7";
        QTest::newRow("opacity missing") << "AppSettings" << "Opacity" << QVariant() << "1";
        QTest::newRow("opacity text") << "AppSettings" << "Opacity" << QVariant("0.4") << "0.4";
        QTest::newRow("opacity garbage") << "AppSettings" << "Opacity" << QVariant("opaque") << "1";
        QTest::newRow("opacity above one") << "AppSettings" << "Opacity" << QVariant("1.7") << "1";
        QTest::newRow("opacity negative") << "AppSettings" << "Opacity" << QVariant(-0.3) << "0";
        QTest::newRow("opacity nan") << "AppSettings" << "Opacity" << QVariant("nan") << "1";
    }

    void storedValues()
    {
        QFETCH(QString, group);
        QFETCH(QString, key);
        QFETCH(QVariant, stored);
        QFETCH(QString, expected);
        if (stored.isValid())
            writeSetting(group, key, stored);
        const QMap<QString, double> read{{"AppLanguage", int(readLanguage())}, {"AppTheme", int(readTheme())},
                                         {"UpdatesChannel", int(readUpdatesChannel())}, {"Delivery", int(readDelivery())},
                                         {"Opacity", readOpacity()}};
        QCOMPARE(QString::number(read.value(key)), expected);
        if (key != "Opacity")
            QCOMPARE(QString::number(readIntSetting(group, key)), expected);
    }

    void tableDefaultsForMissingKeys()
    {
        QCOMPARE(readSettingOrDefault("AppSettings", "ShowFullInfo").toBool(), true);
        writeAppSetting("ShowFullInfo", false);
        QCOMPARE(readSettingOrDefault("AppSettings", "ShowFullInfo").toBool(), false);
        QVERIFY(!findSettingKey("AppSettings", "Family"));
        QVERIFY(!settingDefault("Fonts", "Opacity").isValid());
        writeLanguage(App::Language::Ukrainian);
        QCOMPARE(readAppSetting("AppLanguage").toString(), QStringLiteral("3"));
    }

    // Nothing is held back in a private object: a store opened independently sees each write.
    void valuesRoundTripThroughTheirGroup()
    {
        for (const QVariant &value : {QVariant("C:\\Users\\a b\\Сеть \"q\""), QVariant(QByteArray("\x00\x01\xff\x80 ab", 7))}) {
            QCOMPARE(readAppSetting("Probe", 42).toInt(), 42);
            writeAppSetting("Probe", value);
            QVERIFY(hasSetting("AppSettings", "Probe") && !hasSetting("Updates", "Probe"));
            QCOMPARE(readSetting("AppSettings", "Probe").toByteArray(), value.toByteArray());
            QCOMPARE(QSettings().value(QStringLiteral("AppSettings/Probe")).toByteArray(), value.toByteArray());
            QSettings().remove(QStringLiteral("AppSettings/Probe"));
        }
    }

    void writeSettingAtTargetsTheGivenStore()
    {
#ifdef Q_OS_WIN
        const QString path = QStringLiteral("HKEY_CURRENT_USER\\Software\\Tarnwick\\AirvaneLiteStoreTest");
#else
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("sub/explicit.conf"));
#endif
        writeSettingAt(path, "Grp", "Name", "C:\\a b\\x.exe");
        writeSettingAt(path, QString(), "Top", 5);
        QSettings explicitStore(path, QSettings::NativeFormat);
        QCOMPARE(explicitStore.value(QStringLiteral("Grp/Name")).toString() + explicitStore.value(QStringLiteral("Top")).toString(),
                 QStringLiteral("C:\\a b\\x.exe5"));
        explicitStore.clear();
        QVERIFY(QSettings().allKeys().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
