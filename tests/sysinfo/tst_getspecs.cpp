#include "core/SignalRecorder.h"
#include "sysinfo/GetSpecs.h"

#include <QtTest>

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

} // namespace

Q_DECLARE_METATYPE(os::MemoryFacts)
Q_DECLARE_METATYPE(os::OsQueryStep)

class TestGetSpecs : public QObject
{
    Q_OBJECT

private slots:
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

QTEST_GUILESS_MAIN(TestGetSpecs)
#include "tst_getspecs.moc"
