#include "app/appearance/AppFont.h"
#include "app/appearance/InterfaceLanguage.h"
#include "app/appearance/TimeFormat.h"
#include "app/appearance/Translations.h"
#include "app/settings/SettingsStore.h"

#include "core/TestSettings.h"

#include <QtTest>

namespace {

const QString twelveHour = QStringLiteral("hh:mm:ss AP");
const QString twentyFourHour = QStringLiteral("hh:mm:ss");

} // namespace

// The interface's language, clock format and font as the settings choose them.
class TestAppearance : public QObject
{
    Q_OBJECT

private slots:
    void init() { testsupport::resetSettings(); }

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
        const QByteArray passLine = QByteArrayLiteral("PASS   : TestAppearance::automaticFollowsSystemLocale(")
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

QTEST_GUILESS_MAIN(TestAppearance)
#include "tst_appearance.moc"
