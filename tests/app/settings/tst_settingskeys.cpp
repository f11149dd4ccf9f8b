#include "app/settings/SettingsKeys.h"
#include "app/settings/SettingsStore.h"

#include "core/TestSettings.h"

#include <QDataStream>
#include <QRect>
#include <QSettings>
#include <QtTest>

namespace {

QStringList firstStartKeys()
{
    return QStringLiteral(
               "AppSettings/ShowFullInfo AppSettings/ShowSplash AppSettings/AlwaysOnTop "
               "AppSettings/OpenInfoWithConfigManager AppSettings/AddToTray AppSettings/CloseToTray "
               "AppSettings/MinimizeToTray AppSettings/ShowWindowWhenInTray AppSettings/NotifyWhenOpenAP "
               "AppSettings/AutoRefreshWlanNetworks AppSettings/Opacity AppSettings/WlanViewSize "
               "AppSettings/SettingsViewSize AppSettings/AppLanguage AppSettings/AppTheme AppSettings/Position "
               "AppSettings/SettingsPos Fonts/Family Fonts/Size Updates/EnableUpdates "
               "Updates/CheckForUpdatesWhenAppStarts Updates/InstallUpdatesAutomatically "
               "Updates/GetInsiderBuildsNotification Updates/DeleteInstaller Updates/InstallSilently "
               "Updates/UpdatesChannel Updates/DownloadPath Updates/InstallPath Updates/Delivery")
        .split(QLatin1Char(' '));
}

QMap<QString, QVariant> wholeStore()
{
    QSettings settings;
    QMap<QString, QVariant> all;
    for (const QString &key : settings.allKeys())
        all.insert(key, settings.value(key));
    return all;
}

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

class TestSettingsKeys : public QObject
{
    Q_OBJECT

private slots:
    void init() { testsupport::resetSettings(); }

    void firstStartWritesListedKeysInOrder();
    void firstStartStoresExactly();
    void firstStartDefaults_data();
    void firstStartDefaults();
    void secondStartChangesNothingAndExistingValuesSurvive();
    void defaultLayouts();
    void layoutBlobStoredOrDefault();
    void missingKeysReadThroughTableDefault();
};

void TestSettingsKeys::firstStartWritesListedKeysInOrder()
{
    QStringList tableOrder;
    for (const SettingKeyInfo &info : settingKeyTable()) {
        if (info.writtenAtFirstStart)
            tableOrder << info.group + QLatin1Char('/') + info.key;
    }
    QCOMPARE(tableOrder, firstStartKeys());

    writeDefaultSettings();
    QStringList stored = wholeStore().keys();
    QStringList expected = firstStartKeys();
    stored.sort();
    expected.sort();
    // Nothing more: "WlanIndex", "NotifyWhenInTray", "LogPath", "Reminder" and "Database" wait.
    QCOMPARE(stored, expected);

    const QString downloads = QSettings().value(QStringLiteral("Updates/DownloadPath")).toString();
    QVERIFY(!downloads.isEmpty());
    QCOMPARE(downloads, QDir::toNativeSeparators(downloads));
}

// Every key and value a first start leaves in the store, read back by a store of its own.
void TestSettingsKeys::firstStartStoresExactly()
{
    writeDefaultSettings();
    QStringList lines;
    const auto all = wholeStore();
    for (auto it = all.begin(); it != all.end(); ++it) {
        if (it.key() != QLatin1String("Updates/DownloadPath"))
            lines << it.key() + '=' + (it.value().type() == QVariant::ByteArray ? it.value().toByteArray().toBase64() : it.value().toString());
    }
    QCOMPARE(lines.join(' '), QStringLiteral(
        "AppSettings/AddToTray=false "
        "AppSettings/AlwaysOnTop=false "
        "AppSettings/AppLanguage=0 "
        "AppSettings/AppTheme=0 "
        "AppSettings/AutoRefreshWlanNetworks=true "
        "AppSettings/CloseToTray=false "
        "AppSettings/MinimizeToTray=false "
        "AppSettings/NotifyWhenOpenAP=true "
        "AppSettings/Opacity=1 "
        "AppSettings/OpenInfoWithConfigManager=true "
        "AppSettings/Position=AdnQywACAAAAAAFFAAAAywAABjoAAAM9AAABSgAAAOEAAAY1AAADOAAAAAAAAAAAB4A= "
        "AppSettings/SettingsPos=AdnQywACAAAAAAIWAAAA9AAABXEAAAM+AAACGwAAAQoAAAVsAAADOQAAAAAAAAAAB4A= "
        "AppSettings/SettingsViewSize=AAAA/wAAAAEAAAAC//////////8B/////wEAAAABAA== "
        "AppSettings/ShowFullInfo=true "
        "AppSettings/ShowSplash=true "
        "AppSettings/ShowWindowWhenInTray=false "
        "AppSettings/WlanViewSize=AAAA/wAAAAEAAAAC//////////8B/////wEAAAACAA== "
        "Fonts/Family=Segoe UI "
        "Fonts/Size=12 "
        "Updates/CheckForUpdatesWhenAppStarts=true "
        "Updates/DeleteInstaller=false "
        "Updates/Delivery=0 "
        "Updates/EnableUpdates=true "
        "Updates/GetInsiderBuildsNotification=true "
        "Updates/InstallPath=C:\\Program Files\\Tarnwick\\Airvane Lite "
        "Updates/InstallSilently=true "
        "Updates/InstallUpdatesAutomatically=true "
        "Updates/UpdatesChannel=3"));
}

void TestSettingsKeys::firstStartDefaults_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("text");
    QTest::newRow("ShowFullInfo") << "AppSettings/ShowFullInfo" << "true";
    QTest::newRow("Opacity") << "AppSettings/Opacity" << "1";
    QTest::newRow("Size") << "Fonts/Size" << "12";
    QTest::newRow("InstallPath") << "Updates/InstallPath" << "C:\\Program Files\\Tarnwick\\Airvane Lite";
}

void TestSettingsKeys::firstStartDefaults()
{
    QFETCH(QString, key);
    QFETCH(QString, text);
    writeDefaultSettings();
    QCOMPARE(QSettings().value(key).toString(), text);
}

void TestSettingsKeys::secondStartChangesNothingAndExistingValuesSurvive()
{
    writeSetting(QStringLiteral("Updates"), QStringLiteral("UpdatesChannel"), 1);
    writeAppSetting(QStringLiteral("Position"), QByteArray("kept"));
    writeAppSetting(QStringLiteral("AppTheme"), QStringLiteral("junk")); // repairing is not its job

    writeDefaultSettings();
    QCOMPARE(QStringList({readSetting(QStringLiteral("Updates"), QStringLiteral("UpdatesChannel")).toString(),
                          readAppSetting(QStringLiteral("Position")).toString(), readAppSetting(QStringLiteral("AppTheme")).toString(),
                          readAppSetting(QStringLiteral("ShowSplash")).toString()}),
             QStringList({"1", "kept", "junk", "true"}));

    const auto afterFirst = wholeStore();
    writeDefaultSettings();
    QCOMPARE(wholeStore(), afterFirst);
}

void TestSettingsKeys::defaultLayouts()
{
    writeDefaultSettings();
    qint32 screenWidth = 0;
    QCOMPARE(normalGeometry(readAppSetting(QStringLiteral("Position")).toByteArray(), &screenWidth),
             QRect(330, 225, 1260, 600));
    QCOMPARE(screenWidth, 1920);
    QCOMPARE(normalGeometry(readAppSetting(QStringLiteral("SettingsPos")).toByteArray()), QRect(539, 266, 850, 560));

    // Splitter states: magic, version, two unset sizes, ..., orientation.
    const QPair<const char *, qint32> splitters[] = {{"WlanViewSize", Qt::Vertical},
                                                     {"SettingsViewSize", Qt::Horizontal}};
    for (const auto &splitter : splitters) {
        QDataStream in(readAppSetting(QLatin1String(splitter.first)).toByteArray());
        qint32 magic, version, handleWidth, orientation;
        QList<int> sizes;
        bool collapsible, opaqueResize;
        in >> magic >> version >> sizes >> collapsible >> handleWidth >> opaqueResize >> orientation;
        QCOMPARE(in.status(), QDataStream::Ok);
        QCOMPARE(magic, 0xff);
        QCOMPARE(sizes, QList<int>({-1, -1}));
        QCOMPARE(orientation, splitter.second);
    }
}

void TestSettingsKeys::layoutBlobStoredOrDefault()
{
    writeDefaultSettings();
    writeAppSetting(QStringLiteral("Position"), QByteArray("\x01\xd9\xd0\xcb-moved", 10));
    QCOMPARE(readLayoutBlob(QStringLiteral("Position")), QByteArray("\x01\xd9\xd0\xcb-moved", 10));
    writeAppSetting(QStringLiteral("WlanViewSize"), QByteArray()); // still the user's blob
    QCOMPARE(readLayoutBlob(QStringLiteral("WlanViewSize")), QByteArray());

    QSettings().remove(QStringLiteral("AppSettings/Position"));
    QCOMPARE(normalGeometry(readLayoutBlob(QStringLiteral("Position"))), QRect(330, 225, 1260, 600));
    writeDefaultSettings();
    QCOMPARE(readAppSetting(QStringLiteral("Position")).toByteArray(),
             QByteArray::fromBase64(DefaultLayout::PositionBase64));
}

void TestSettingsKeys::missingKeysReadThroughTableDefault()
{
    const QString app = QStringLiteral("AppSettings");
    QCOMPARE(readSettingOrDefault(app, QStringLiteral("ShowFullInfo")).toBool(), true);
    writeAppSetting(QStringLiteral("ShowFullInfo"), false);
    QCOMPARE(readSettingOrDefault(app, QStringLiteral("ShowFullInfo")).toBool(), false);
    QVERIFY(!findSettingKey(app, QStringLiteral("Family")));
    QVERIFY(!settingDefault(QStringLiteral("Fonts"), QStringLiteral("Opacity")).isValid());
}

QTEST_GUILESS_MAIN(TestSettingsKeys)
#include "tst_settingskeys.moc"
