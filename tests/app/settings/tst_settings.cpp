#include "app/appearance/AppFont.h"
#include "app/appearance/InterfaceLanguage.h"
#include "app/appearance/TimeFormat.h"
#include "app/appearance/Translations.h"
#include "app/settings/SettingsEnums.h"
#include "app/settings/SettingsKeys.h"
#include "app/settings/SettingsStore.h"

#include "core/TestSettings.h"

#include <QtTest>

// The settings store as the rest of the program meets it: what a first start leaves there, how
// stored values (hand-edited ones too) read back, that nothing is cached between accesses, and
// the language, clock format and font they choose.

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

const QString twelveHour = QStringLiteral("hh:mm:ss AP");
const QString twentyFourHour = QStringLiteral("hh:mm:ss");

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

    // ---- what the settings choose: the interface's language, clock format and font ----

    void forLanguage_data()
    {
        QTest::addColumn<int>("setting");
        QTest::addColumn<QLocale::Language>("system");
        QTest::addColumn<int>("interface");
        QTest::addColumn<QString>("format");
        QTest::newRow("english on russian system") << 1 << QLocale::Russian << 1 << twelveHour;
        QTest::newRow("automatic english") << 0 << QLocale::English << 1 << twelveHour;
        QTest::newRow("automatic russian") << 0 << QLocale::Russian << 2 << twentyFourHour;
        // No translation for German: the interface is English, and so is its clock.
        QTest::newRow("automatic german") << 0 << QLocale::German << 1 << twelveHour;
        QTest::newRow("russian on english system") << 2 << QLocale::English << 2 << twentyFourHour;
        QTest::newRow("ukrainian on english system") << 3 << QLocale::English << 3 << twentyFourHour;
        QTest::newRow("out of range") << 7 << QLocale::Russian << 1 << twelveHour;
    }

    void forLanguage()
    {
        QFETCH(int, setting);
        QFETCH(QLocale::Language, system);
        QFETCH(int, interface);
        QFETCH(QString, format);
        const auto language = static_cast<App::Language>(setting);
        QCOMPARE(static_cast<int>(interfaceLanguageFor(language, system)), interface);
        QCOMPARE(timeFormatFor(language, system), format);
        // The stored choice, read as the program reads it; "automatic" needs the locale (below).
        writeAppSetting(QStringLiteral("AppLanguage"), setting);
        if (setting != 0)
            QCOMPARE(timeFormat(), format);
    }

    // The system locale is fixed for the life of a process, so each locale runs in a child process
    // of this test (selecting just this function and row) with the locale in its environment.
    void automaticFollowsSystemLocale_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("format");
        QTest::newRow("ru_RU") << "ru_RU.UTF-8" << twentyFourHour;
        QTest::newRow("de_DE") << "de_DE.UTF-8" << twelveHour;
    }

    void automaticFollowsSystemLocale()
    {
        QFETCH(QString, locale);
        QFETCH(QString, format);

        const QByteArray probe = qgetenv("AIRVANE_TIMEFORMAT_PROBE");
        if (!probe.isEmpty()) {
            QCOMPARE(QString::fromUtf8(probe), locale);
            QCOMPARE(readAppSetting(QStringLiteral("AppLanguage"), 0).toInt(), 0);
            QCOMPARE(timeFormat(), format);
            // The files loaded are those of the language the clock follows.
            QCOMPARE(programTranslationPath(App::Language::Automatic).endsWith(
                         format == twelveHour ? QLatin1String("_en.qm") : QLatin1String("_ru.qm")), true);
            writeAppSetting(QStringLiteral("AppLanguage"), QStringLiteral("junk")); // reads as automatic
            QCOMPARE(timeFormat(), format);
            return;
        }
    #ifdef Q_OS_WIN
        QSKIP("The system locale comes from the environment only on POSIX systems");
    #else
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("LC_ALL"), locale);
        env.insert(QStringLiteral("AIRVANE_TIMEFORMAT_PROBE"), locale);
        QProcess child;
        child.setProcessEnvironment(env);
        child.setProcessChannelMode(QProcess::MergedChannels);
        child.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("automaticFollowsSystemLocale:") + QLatin1String(QTest::currentDataTag())});
        QVERIFY(child.waitForFinished(60000));
        const QByteArray output = child.readAll();
        QVERIFY2(child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0, output.constData());
        const QByteArray passLine = QByteArrayLiteral("PASS   : TestSettings::automaticFollowsSystemLocale(")
            + QTest::currentDataTag() + ')';
        QVERIFY2(output.contains(passLine) && output.contains(" 0 failed, 0 skipped"), output.constData());
    #endif
    }

    void validatedAndRepaired_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QVariant>("stored");     // invalid: key missing
        QTest::addColumn<QString>("read");        // what fontFamily()/fontSize() give
        QTest::addColumn<QString>("storedAfter"); // empty: key still missing
        QTest::newRow("family missing") << "Family" << QVariant() << "Segoe UI" << "";
        QTest::newRow("family unknown") << "Family" << QVariant(QStringLiteral("Comic Sans MS")) << "Segoe UI" << "Segoe UI";
        QTest::newRow("family case") << "Family" << QVariant(QStringLiteral("roboto")) << "Segoe UI" << "Segoe UI";
        QTest::newRow("size missing") << "Size" << QVariant() << "12" << "";
        QTest::newRow("size 72 kept") << "Size" << QVariant(72) << "72" << "72";
        QTest::newRow("size 13") << "Size" << QVariant(13) << "12" << "12";
        QTest::newRow("size fraction") << "Size" << QVariant(QStringLiteral("14.5")) << "12" << "12";
        QTest::newRow("size garbage") << "Size" << QVariant(QStringLiteral("large")) << "12" << "12";
    }

    void validatedAndRepaired()
    {
        QFETCH(QString, key);
        QFETCH(QVariant, stored);
        QFETCH(QString, read);
        QFETCH(QString, storedAfter);
        const QString fonts = QStringLiteral("Fonts");
        if (stored.isValid())
            writeSetting(fonts, key, stored);

        for (int pass = 0; pass < 2; ++pass) { // once repaired, the value stays
            QCOMPARE(key == QLatin1String("Family") ? fontFamily() : QString::number(fontSize()), read);
            QCOMPARE(hasSetting(fonts, key), !storedAfter.isEmpty());
            QCOMPARE(readSetting(fonts, key).toString(), storedAfter);
        }
    }

    void applicationFontFollowsSettings()
    {
        writeSetting(QStringLiteral("Fonts"), QStringLiteral("Family"), QStringLiteral("Arial"));
        writeSetting(QStringLiteral("Fonts"), QStringLiteral("Size"), 20);
        for (bool bold : {false, true}) {
            const QFont font = applicationFont(bold);
            QCOMPARE(QStringList({font.family(), QString::number(font.pixelSize()), QString::number(font.weight())}),
                     QStringList({"Arial", "20", bold ? "75" : "50"}));
            QCOMPARE(font.styleStrategy(), QFont::PreferAntialias);
        }

        writeSetting(QStringLiteral("Fonts"), QStringLiteral("Family"), QStringLiteral("Wingdings"));
        writeSetting(QStringLiteral("Fonts"), QStringLiteral("Size"), 15);
        QCOMPARE(applicationFont().family(), QStringLiteral("Segoe UI"));
        QCOMPARE(applicationFont().pixelSize(), 12);
    }
};

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
