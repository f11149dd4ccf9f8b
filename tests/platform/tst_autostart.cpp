#include "platform/os/Autostart.h"

#include "app/settings/SettingsStore.h"

#include <QtTest>

// "Start with the operating system" as the start-up list sees it: the Run value on Windows, a
// desktop entry elsewhere.

namespace {
const QString kRunKey = QStringLiteral("HKEY_CURRENT_USER\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run");
}

class TestAutostart : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_config;
    QByteArray m_savedConfigHome;

    QString entryPath() const { return m_config->filePath(QStringLiteral("autostart/airvane-lite.desktop")); }

    // What the start-up list will run: the registry value, or the whole desktop entry.
    QString registered() const
    {
#ifdef Q_OS_WIN
        return QSettings(kRunKey, QSettings::NativeFormat).value(QStringLiteral("Airvane Lite")).toString();
#else
        QFile file(entryPath());
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
#endif
    }

private slots:
    void init()
    {
        // The entry goes to a throw-away configuration folder, whoever runs the test.
        m_savedConfigHome = qgetenv("XDG_CONFIG_HOME");
        m_config = std::make_unique<QTemporaryDir>();
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_config->path()));
    }

    void cleanup()
    {
        setRunAtStartup(false, QString());
        qputenv("XDG_CONFIG_HOME", m_savedConfigHome);
        m_config.reset();
    }

    void turningOnAndOff()
    {
        QVERIFY(!isRunAtStartup());
        QVERIFY(setRunAtStartup(false, QString())); // nothing to remove is no failure
        QVERIFY(!setRunAtStartup(true, QString()));
#ifndef Q_OS_WIN
        // A launcher at log-in has no working folder to resolve a relative path against.
        QVERIFY(!setRunAtStartup(true, QStringLiteral("bin/airvane-lite")));
#endif
        QVERIFY(!isRunAtStartup());
        QVERIFY(setRunAtStartup(true, QStringLiteral("/old/airvane-lite")));
        QVERIFY(setRunAtStartup(true, QStringLiteral("/opt/Airvane Lite/airvane-lite")));
        QVERIFY(isRunAtStartup());
#ifdef Q_OS_WIN
        // Quoted, or Windows would try to run "\opt\Airvane" first.
        QCOMPARE(registered(), QStringLiteral("\"\\opt\\Airvane Lite\\airvane-lite\""));
        // The bare path an older version wrote still reads as on.
        writeSettingAt(kRunKey, QString(), QStringLiteral("Airvane Lite"), QStringLiteral("C:\\Airvane Lite\\airvane-lite.exe"));
        QVERIFY(isRunAtStartup());
#else
        QCOMPARE(registered(), QStringLiteral("[Desktop Entry]\nType=Application\nVersion=1.0\nName=Airvane Lite\n"
                                              "Exec=\"/opt/Airvane Lite/airvane-lite\"\nTerminal=false\n"
                                              "X-GNOME-Autostart-enabled=true\n"));
        // Written whole: no temporary file is left beside it.
        QCOMPARE(QDir(m_config->filePath(QStringLiteral("autostart"))).entryList(QDir::Files), QStringList{"airvane-lite.desktop"});
#endif
        QVERIFY(setRunAtStartup(false, QStringLiteral("/opt/Airvane Lite/airvane-lite")));
        QVERIFY(!isRunAtStartup());
        QCOMPARE(registered(), QString());
    }

    void execLineQuoting_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("exec");
        QTest::newRow("double quote") << "/opt/a\"b/x" << "Exec=\"/opt/a\\\\\"b/x\"";
        QTest::newRow("dollar and backtick") << "/opt/$HOME/`id`" << "Exec=\"/opt/\\\\$HOME/\\\\`id\\\\`\"";
        QTest::newRow("backslash") << "/opt/a\\b" << "Exec=\"/opt/a\\\\\\\\b\"";
        QTest::newRow("field code") << "/opt/100%u/x" << "Exec=\"/opt/100%%u/x\"";
        QTest::newRow("newline") << "/opt/a\nExec=evil" << "Exec=\"/opt/a\\nExec=evil\"";
    }

    void execLineQuoting()
    {
#ifdef Q_OS_WIN
        QSKIP("Desktop entries are the POSIX start-up list");
#else
        QFETCH(QString, path);
        QFETCH(QString, exec);
        QVERIFY(setRunAtStartup(true, path));
        const QStringList lines = registered().split('\n');
        QCOMPARE(lines.filter(QRegularExpression("^Exec=")), QStringList{exec});
#endif
    }

    void failureToWriteIsReported()
    {
#ifdef Q_OS_WIN
        QSKIP("The registry offers no portable way to refuse a write here");
#else
        // A file where the autostart folder belongs: the folder cannot be made.
        QFile blocker(m_config->filePath(QStringLiteral("autostart")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        QVERIFY(!setRunAtStartup(true, QStringLiteral("/usr/bin/airvane-lite")));
        QVERIFY(!isRunAtStartup());
#endif
    }
};

QTEST_GUILESS_MAIN(TestAutostart)
#include "tst_autostart.moc"
