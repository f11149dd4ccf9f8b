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

// Every signal of one GetSpecs object, in the order emitted, with its text argument if any.
class Recorder
{
public:
    explicit Recorder(GetSpecs &specs)
    {
        const auto text = [this](const char *name) {
            return [this, name](const QString &value) { events << QStringLiteral("%1 %2").arg(QLatin1String(name), value); };
        };
        QObject::connect(&specs, &GetSpecs::initComLibError, text("initComLibError"));
        QObject::connect(&specs, &GetSpecs::errorCreateIWbemObject, text("errorCreateIWbemObject"));
        QObject::connect(&specs, &GetSpecs::errorRootConnection, text("errorRootConnection"));
        QObject::connect(&specs, &GetSpecs::errorProxyBlanket, text("errorProxyBlanket"));
        QObject::connect(&specs, &GetSpecs::errorProcessQuery, text("errorProcessQuery"));
        QObject::connect(&specs, &GetSpecs::appOSData, [this](const QVector<WmiOSData> &data) {
            records = data;
            events << QStringLiteral("appOSData");
        });
        QObject::connect(&specs, &GetSpecs::osArchitectureNotAvailable,
            [this] { events << QStringLiteral("osArchitectureNotAvailable"); });
        QObject::connect(&specs, &GetSpecs::finished, [this] { events << QStringLiteral("finished"); });
    }

    QStringList events;
    QVector<WmiOSData> records;
};

GetSpecs::FactsSource fakeSource(os::OsQueryResult result, os::MemoryFacts memory)
{
    GetSpecs::FactsSource source;
    source.queryOperatingSystem = [result] { return result; };
    source.queryMemory = [memory] { return memory; };
    return source;
}

const QStringList labels = {QStringLiteral("OS:"), QStringLiteral("Version:"), QStringLiteral("Architecture:"),
    QStringLiteral("RAM:"), QStringLiteral("Computer name:")};

QStringList labelsOf(const QVector<WmiOSData> &records)
{
    QStringList out;
    for (const WmiOSData &record : records)
        out << record.label;
    return out;
}

} // namespace

Q_DECLARE_METATYPE(os::MemoryFacts)
Q_DECLARE_METATYPE(os::OsQueryStep)

class TestGetSpecs : public QObject
{
    Q_OBJECT

private slots:
    void memoryText_data();
    void memoryText();
    void recordsFromEveryInstance();
    void queryFailures_data();
    void queryFailures();
    void thisMachine();
};

void TestGetSpecs::memoryText_data()
{
    QTest::addColumn<os::MemoryFacts>("memory");
    QTest::addColumn<QString>("text");

    QTest::newRow("8 GB installed") << installed(8ULL * 1024 * 1024) << QStringLiteral("8192 MB (8 GB)");
    QTest::newRow("512 MB installed") << installed(512ULL * 1024) << QStringLiteral("512 MB");
    QTest::newRow("exactly 1 GB") << installed(1024ULL * 1024) << QStringLiteral("1024 MB (1 GB)");
    QTest::newRow("fractional GB") << installed(7936ULL * 1024) << QStringLiteral("7936 MB (7.75 GB)");
    QTest::newRow("six significant digits") << installed(1365ULL * 1024) << QStringLiteral("1365 MB (1.33301 GB)");
    QTest::newRow("fallback 7.6 GiB usable") << usable(quint64(7.6 * GiB)) << QStringLiteral("7782 MB (8 GB)");
    QTest::newRow("fallback rounds up") << usable(GiB + MiB) << QStringLiteral("1025 MB (2 GB)");
    QTest::newRow("fallback 512 MiB") << usable(512 * MiB) << QStringLiteral("512 MB");
    QTest::newRow("nothing known") << os::MemoryFacts() << QStringLiteral("Unknown RAM capacity");
}

void TestGetSpecs::memoryText()
{
    QFETCH(os::MemoryFacts, memory);
    QFETCH(QString, text);
    QCOMPARE(GetSpecs::memoryText(memory), text);
}

void TestGetSpecs::recordsFromEveryInstance()
{
    os::OsQueryResult result;
    result.instances.push_back(windowsFacts());
    result.instances.push_back({L"", L"  10.0.19045\t", L"", L" \n"});   // blanks read as unknown
    GetSpecs specs(fakeSource(result, installed(16ULL * 1024 * 1024)));
    Recorder recorder(specs);

    specs.appOSWMIData();

    QCOMPARE(recorder.events, QStringList({"osArchitectureNotAvailable", "appOSData", "finished"}));
    QStringList records;
    for (const WmiOSData &record : recorder.records)
        records << record.label + " " + record.value;
    QCOMPARE(records, QStringList({"OS: Microsoft Windows 11 Pro", "Version: 10.0.22631", "Architecture: 64-bit",
                                   "RAM: 16384 MB (16 GB)", "Computer name: DESKTOP-7Q2K", "OS: Unknown",
                                   "Version: 10.0.19045", "Architecture: Unknown", "RAM: 16384 MB (16 GB)",
                                   "Computer name: Unknown"}));
}

void TestGetSpecs::queryFailures_data()
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

void TestGetSpecs::queryFailures()
{
    QFETCH(os::OsQueryStep, step);
    QFETCH(quint32, code);
    QFETCH(QString, event);

    os::OsQueryResult result;
    result.failedStep = step;
    result.errorCode = code;
    GetSpecs specs(fakeSource(result, installed(8ULL * 1024 * 1024)));
    Recorder recorder(specs);

    specs.appOSWMIData();

    QCOMPARE(recorder.events, QStringList({event, QStringLiteral("finished")}));
}

void TestGetSpecs::thisMachine()
{
    GetSpecs specs;
    Recorder recorder(specs);
    QSignalSpy data(&specs, &GetSpecs::appOSData);
    QVERIFY(data.isValid());

    specs.appOSWMIData();

    QCOMPARE(recorder.events.last(), QStringLiteral("finished"));
#ifdef Q_OS_WIN
    // A machine without a working management service reports one of the error signals instead.
    if (data.isEmpty())
        QSKIP(qPrintable(recorder.events.first()));
#endif
    QCOMPARE(data.count(), 1);
    QVERIFY(!recorder.records.isEmpty());
    QCOMPARE(labelsOf(recorder.records.mid(0, 5)), labels);
    for (const WmiOSData &record : recorder.records)
        QVERIFY2(!record.value.isEmpty(), qPrintable(record.label));
    QVERIFY2(QRegularExpression(QStringLiteral("^\\d+ MB( \\(\\d+(\\.\\d+)? GB\\))?$"))
                 .match(recorder.records.at(3).value)
                 .hasMatch(),
        qPrintable(recorder.records.at(3).value));
#ifndef Q_OS_WIN
    QVERIFY(recorder.records.at(0).value != QLatin1String("Unknown"));
    QVERIFY(recorder.records.at(1).value != QLatin1String("Unknown"));
    QVERIFY(recorder.records.at(4).value != QLatin1String("Unknown"));
#endif
}

QTEST_GUILESS_MAIN(TestGetSpecs)
#include "tst_getspecs.moc"
