#include "platform/os/Autostart.h"
#include "platform/os/OsRelease.h"
#include "platform/os/Services.h"
#include "sysinfo/GetSpecs.h"

#include "core/SignalRecorder.h"

#include "app/settings/SettingsStore.h"

#include <QtTest>

// The user's name and the system's name as the dialogs and the system facts read them, the system
// facts themselves, and "start with the operating system" as the start-up list sees it: the Run
// value on Windows, a desktop entry elsewhere.

namespace {

os::MemoryFacts installed(quint64 kilobytes)
{
    os::MemoryFacts facts;
    facts.source = os::MemoryFacts::Source::InstalledMemory;
    facts.installedKilobytes = kilobytes;
    return facts;
}

os::MemoryFacts usable(quint64 bytes)
{
    os::MemoryFacts facts;
    facts.source = os::MemoryFacts::Source::MemoryStatus;
    facts.totalPhysicalBytes = bytes;
    return facts;
}

constexpr quint64 MiB = 1024ULL * 1024ULL;
constexpr quint64 GiB = 1024ULL * MiB;

os::OsInstanceFacts windowsFacts()
{
    return {L"Microsoft Windows 11 Pro", L"10.0.22631", L"64-bit", L"DESKTOP-7Q2K"};
}

// "name text" of every signal, in the order emitted.
QStringList events(const testsupport::SignalRecorder &recorder)
{
    QStringList out;
    for (const auto &e : recorder.emissions()) {
        const QVariant arg = e.arguments.value(0);
        out << QString::fromLatin1(e.name) + (arg.type() == QVariant::String ? " " + arg.toString() : QString());
    }
    return out;
}

QVector<WmiOSData> records(const testsupport::SignalRecorder &recorder)
{
    return recorder.lastArguments("appOSData").value(0).value<QVector<WmiOSData>>();
}

GetSpecs::FactsSource fakeSource(os::OsQueryResult result, os::MemoryFacts memory)
{
    GetSpecs::FactsSource source;
    source.queryOperatingSystem = [result] { return result; };
    source.queryMemory = [memory] { return memory; };
    return source;
}

const QString kRunKey = QStringLiteral("HKEY_CURRENT_USER\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run");
}

Q_DECLARE_METATYPE(os::MemoryFacts)
Q_DECLARE_METATYPE(os::OsQueryStep)

class TestOsServices : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_config;
    QByteArray m_savedConfigHome;
    QByteArray savedUsername, savedUser;

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
    void initTestCase()
    {
        savedUsername = qgetenv("USERNAME");
        savedUser = qgetenv("USER");
    }
    void cleanupTestCase()
    {
        qputenv("USERNAME", savedUsername);
        qputenv("USER", savedUser);
    }

    void userName_data()
    {
        QTest::addColumn<QByteArray>("username");   // null: unset
        QTest::addColumn<QByteArray>("user");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<bool>("posixOnly");
        QTest::newRow("USERNAME wins") << QByteArray("alice") << QByteArray("bob") << "alice" << false;
        QTest::newRow("non-ASCII") << QStringLiteral("Ярослав").toLocal8Bit() << QByteArray() << QStringLiteral("Ярослав") << true;
        QTest::newRow("USER when USERNAME unset") << QByteArray() << QByteArray("bob") << "bob" << true;
        QTest::newRow("USER when USERNAME empty") << QByteArray("") << QByteArray("dave") << "dave" << true;
        QTest::newRow("neither") << QByteArray() << QByteArray() << QString() << false;
    }

    void userName()
    {
        QFETCH(QByteArray, username);
        QFETCH(QByteArray, user);
        QFETCH(QString, expected);
        QFETCH(bool, posixOnly);
#ifdef Q_OS_WIN
        if (posixOnly)
            QSKIP("Windows always reads USERNAME alone");
#else
        Q_UNUSED(posixOnly)
#endif
        username.isNull() ? qunsetenv("USERNAME") : qputenv("USERNAME", username);
        user.isNull() ? qunsetenv("USER") : qputenv("USER", user);
        QCOMPARE(QString::fromStdWString(os::userName()), expected);
    }

    void systemName_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("name");
        QTest::newRow("pretty name") << QByteArray("NAME=\"Debian GNU/Linux\"\nPRETTY_NAME=\"Debian GNU/Linux 12 (bookworm)\"\n")
                                     << "Debian GNU/Linux 12 (bookworm)";
        QTest::newRow("name and version") << QByteArray("NAME=Fedora\nVERSION=\"39 (Workstation Edition)\"\n")
                                          << "Fedora 39 (Workstation Edition)";
        QTest::newRow("empty pretty name") << QByteArray("PRETTY_NAME=\"\"\nNAME=Arch\n") << "Arch";
        QTest::newRow("single quotes") << QByteArray("PRETTY_NAME='Void Linux'\n") << "Void Linux";
        QTest::newRow("escapes") << QByteArray("PRETTY_NAME=\"My \\\"Best\\\" OS \\\\ 1\"\n") << "My \"Best\" OS \\ 1";
        QTest::newRow("comments, blanks, CRLF") << QByteArray("# PRETTY_NAME=wrong\r\n\r\n  \r\nPRETTY_NAME=\"Right\"\r\n") << "Right";
        QTest::newRow("utf-8") << QStringLiteral("PRETTY_NAME=\"Астра Линукс\"\n").toUtf8() << QStringLiteral("Астра Линукс");
        QTest::newRow("no equals sign") << QByteArray("PRETTY_NAME\n=value\n") << QString();
    }

    void systemName()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, name);
        QCOMPARE(QString::fromStdWString(os::osReleaseName(content.toStdString())), name);
    }

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

    // ---- the system facts ----

    void memoryText_data()
    {
        QTest::addColumn<os::MemoryFacts>("memory");
        QTest::addColumn<QString>("text");

        QTest::newRow("512 MB installed") << installed(512ULL * 1024) << QStringLiteral("512 MB");
        QTest::newRow("exactly 1 GB") << installed(1024ULL * 1024) << QStringLiteral("1024 MB (1 GB)");
        QTest::newRow("fractional GB") << installed(7936ULL * 1024) << QStringLiteral("7936 MB (7.75 GB)");
        QTest::newRow("six significant digits") << installed(1365ULL * 1024) << QStringLiteral("1365 MB (1.33301 GB)");
        QTest::newRow("fallback rounds up") << usable(GiB + MiB) << QStringLiteral("1025 MB (2 GB)");
        QTest::newRow("fallback 512 MiB") << usable(512 * MiB) << QStringLiteral("512 MB");
        QTest::newRow("nothing known") << os::MemoryFacts() << QStringLiteral("Unknown RAM capacity");
    }

    void memoryText()
    {
        QFETCH(os::MemoryFacts, memory);
        QFETCH(QString, text);
        QCOMPARE(GetSpecs::memoryText(memory), text);
    }

    void recordsFromEveryInstance()
    {
        os::OsQueryResult result;
        result.instances.push_back(windowsFacts());
        result.instances.push_back({L"", L"  10.0.19045\t", L"", L" \n"});   // blanks read as unknown
        GetSpecs specs(fakeSource(result, installed(16ULL * 1024 * 1024)));
        testsupport::SignalRecorder recorder(&specs);
        specs.appOSWMIData();
        QCOMPARE(events(recorder), QStringList({"osArchitectureNotAvailable", "appOSData", "finished"}));
        QStringList lines;
        for (const WmiOSData &record : records(recorder))
            lines << record.label + " " + record.value;
        QCOMPARE(lines, QStringList({"OS: Microsoft Windows 11 Pro", "Version: 10.0.22631", "Architecture: 64-bit",
                                       "RAM: 16384 MB (16 GB)", "Computer name: DESKTOP-7Q2K", "OS: Unknown",
                                       "Version: 10.0.19045", "Architecture: Unknown", "RAM: 16384 MB (16 GB)",
                                       "Computer name: Unknown"}));
    }

    void queryFailures_data()
    {
        QTest::addColumn<os::OsQueryStep>("step");
        QTest::addColumn<quint32>("code");
        QTest::addColumn<QString>("event");

        QTest::newRow("com") << os::OsQueryStep::InitializeCom << quint32(0x80010106)
                             << "initComLibError Failed to initialize COM library. Error code: 0x80010106";
        QTest::newRow("locator") << os::OsQueryStep::CreateLocator << quint32(0x80040154)
                                 << "errorCreateIWbemObject Failed to create IWbemLocator object. Error code: 0x80040154";
        QTest::newRow("namespace") << os::OsQueryStep::ConnectNamespace << quint32(0x8004100e)
                                   << "errorRootConnection Could not connect. Error code: 0x8004100e";
        QTest::newRow("blanket") << os::OsQueryStep::SetProxyBlanket << quint32(0x80070005)
                                 << "errorProxyBlanket Could not set proxy blanket. Error code: 0x80070005";
        QTest::newRow("query, short code") << os::OsQueryStep::ExecuteQuery << quint32(0x1f)
                                           << "errorProcessQuery Query for processes failed. Error code: 0x1f";
    }

    void queryFailures()
    {
        QFETCH(os::OsQueryStep, step);
        QFETCH(quint32, code);
        QFETCH(QString, event);

        os::OsQueryResult result;
        result.failedStep = step;
        result.errorCode = code;
        GetSpecs specs(fakeSource(result, installed(8ULL * 1024 * 1024)));
        testsupport::SignalRecorder recorder(&specs);
        specs.appOSWMIData();
        QCOMPARE(events(recorder), QStringList({event, QStringLiteral("finished")}));
    }

    void thisMachine()
    {
        GetSpecs specs;
        testsupport::SignalRecorder recorder(&specs);
        specs.appOSWMIData();
        const QStringList seen = events(recorder);
        QCOMPARE(seen.last(), QStringLiteral("finished"));
    #ifdef Q_OS_WIN
        // A machine without a working management service reports one of the error signals instead.
        if (!seen.contains("appOSData"))
            QSKIP(qPrintable(seen.first()));
    #endif
        QCOMPARE(recorder.count("appOSData"), 1);
        const QVector<WmiOSData> found = records(recorder);
        const QStringList labels{"OS:", "Version:", "Architecture:", "RAM:", "Computer name:"};
        QVERIFY(found.size() >= 5 && found.size() % 5 == 0);
        for (int i = 0; i < found.size(); ++i)
            QVERIFY2(found.at(i).label == labels.at(i % 5) && !found.at(i).value.isEmpty(), qPrintable(found.at(i).label));
        QVERIFY2(QRegularExpression(QStringLiteral("^\\d+ MB( \\(\\d+(\\.\\d+)? GB\\))?$")).match(found.at(3).value).hasMatch(),
                 qPrintable(found.at(3).value));
    #ifndef Q_OS_WIN
        for (int i : {0, 1, 4})
            QVERIFY(found.at(i).value != QLatin1String("Unknown"));
    #endif
    }
};

QTEST_GUILESS_MAIN(TestOsServices)
#include "tst_osservices.moc"
