#include "app/startup/AppRestart.h"
#include "app/startup/CrashRecovery.h"
#include "app/startup/SingleInstance.h"

#include "core/TestSettings.h"
#include "ui/ModalRecord.h"

#include <QApplication>
#include <QtTest>

#include <csignal>
#include <cstdio>

// This executable is also the other program instance of these tests: with
// AIRVANE_STARTUP_HELPER set it plays that role instead of running the cases.
namespace {

const QString HolderTitle = QStringLiteral("Airvane Lite [holder]");

// Holds the marker with a hidden main window (as if in the tray) and reports when a later
// instance brings that window up.
struct HolderWindow : QWidget
{
    void showEvent(QShowEvent *) override { std::puts("SHOWN"); std::fflush(stdout); }
};

int runHolder()
{
    SingleInstance instance(qEnvironmentVariable("AIRVANE_STARTUP_KEY"));
    if (instance.decide(QCoreApplication::arguments(), [] { return HolderTitle; }) != SingleInstance::Decision::Start)
        return 2;
    HolderWindow window;
    window.setWindowTitle(HolderTitle);
    std::puts(instance.ownsMarker() ? "READY" : "NO MARKER");
    std::fflush(stdout);
    return QApplication::exec();
}

int runFault()
{
    if (!CrashRecovery(qEnvironmentVariable("AIRVANE_STARTUP_MARKER")).install())
        return 2;
    std::raise(SIGSEGV);
    return 0;
}

struct Helper
{
    QProcess process;
    QByteArray output;

    Helper(const QString &role, const QString &key, const QString &marker = QString())
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("AIRVANE_STARTUP_HELPER", role);
        env.insert("AIRVANE_STARTUP_KEY", key);
        env.insert("AIRVANE_STARTUP_MARKER", marker);
        process.setProcessEnvironment(env);
        process.start(QCoreApplication::applicationFilePath(), QStringList());
    }
    ~Helper()
    {
        process.kill();
        process.waitForFinished(5000);
    }
    bool waitForLine(const QByteArray &line)
    {
        QDeadlineTimer deadline(20000);
        while (!output.contains(line + '\n') && !deadline.hasExpired() && process.state() != QProcess::NotRunning) {
            process.waitForReadyRead(100);
            output += process.readAllStandardOutput();
        }
        return output.contains(line + '\n');
    }
};

} // namespace

class TestStartupProcesses : public QObject
{
    Q_OBJECT

private slots:
    // A key of its own per case: a real program running on this machine is never disturbed.
    void init() { m_key = "Airvane Lite test " + QUuid::createUuid().toString(QUuid::WithoutBraces); }
    // A killed holder leaves its marker behind; left to pile up, old markers come back under new
    // keys (the system derives them from reused file numbers) and a later case finds "another instance".
    void cleanup()
    {
        QSharedMemory leftover(m_key);
        if (leftover.attach())
            leftover.detach();
    }

    void secondInstanceAsks_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("answer");
        QTest::newRow("no arguments, No raises the first") << QStringList() << "No";
        QTest::newRow("no arguments, Yes starts") << QStringList() << "Yes";
        QTest::newRow("-restart with more arguments") << QStringList{"-restart", "extra"} << "No";
    }

    void secondInstanceAsks()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, answer);
        Helper first("holder", m_key);
        QVERIFY2(first.waitForLine("READY"), first.output.constData());

        QStringList seen;
        testsupport::answerNextModals(&seen, answer);
        SingleInstance second(m_key);
        const auto decision = second.decide(QStringList{"airvane-lite"} + arguments, [] { return HolderTitle; });
        QCOMPARE(seen, QStringList{"Attention|Do you want to open another instance?"});
        QCOMPARE(decision == SingleInstance::Decision::Start, answer == "Yes");
        QVERIFY(!second.ownsMarker());
        if (answer == "No")
            QVERIFY2(first.waitForLine("SHOWN"), first.output.constData());
    }

    void restartedInstanceTakesTheMarkerOnceFree()
    {
        Helper old("holder", m_key);
        QVERIFY2(old.waitForLine("READY"), old.output.constData());

        // Closes a question, should one come; dies with this case so nothing outlives it.
        bool asked = false;
        QTimer questionWatch;
        connect(&questionWatch, &QTimer::timeout, [&] {
            if (QWidget *dialog = QApplication::activeModalWidget()) {
                asked = true;
                dialog->close();
            }
        });
        questionWatch.start(10);
        SingleInstance restarted(m_key);
        QSignalSpy taken(&restarted, &SingleInstance::markerTaken);
        QCOMPARE(restarted.decide({"airvane-lite", "-restart"}, [] { return HolderTitle; }), SingleInstance::Decision::Start);
        QVERIFY(!asked);
        QVERIFY(!restarted.ownsMarker());

        old.process.terminate(); // the old instance goes, without releasing its marker itself
        QVERIFY(taken.wait(SingleInstance::MarkerRetryIntervalMs * SingleInstance::MarkerRetries));
        QSharedMemory probe(m_key); // from now on a later start finds this instance
        QVERIFY(!probe.create(1));
        QCOMPARE(probe.error(), QSharedMemory::AlreadyExists);
    }

    void killedInstanceLeavesNoMarker()
    {
        Helper first("holder", m_key);
        QVERIFY2(first.waitForLine("READY"), first.output.constData());
        first.process.kill(); // SIGKILL: no chance to release anything
        QVERIFY(first.process.waitForFinished(10000));

        Helper next("holder", m_key); // a question would keep it from ever saying READY
        QVERIFY2(next.waitForLine("READY"), next.output.constData());
    }

    void faultEndsBySignalAndNextStartOffersFeedback()
    {
        QTemporaryDir dir;
        const QString marker = dir.filePath("CrashDumps/unexpected-exit");
        Helper child("fault", m_key, marker);
        QVERIFY(child.process.waitForFinished(30000));
        QCOMPARE(child.process.exitStatus(), QProcess::CrashExit);
        QCOMPARE(child.process.exitCode(), int(SIGSEGV));
        QVERIFY(QFile::exists(marker));

        QStringList seen;
        testsupport::answerNextModals(&seen, "Yes");
        int feedbackOpened = 0;
        const CrashRecovery recovery(marker);
        QVERIFY(recovery.offerFeedback([&] { ++feedbackOpened; }));
        QCOMPARE(seen, QStringList{"Error|Unexpected error has occurred! Do you want to submit the feedback?"});
        QCOMPARE(feedbackOpened, 1);
        QVERIFY(!recovery.offerFeedback([&] { ++feedbackOpened; })); // once per fault
    }

    // Started: the program quits; not started: it says so and stays.
    void restartStartsItselfBeforeQuitting()
    {
        QStringList calls, seen;
        testsupport::answerNextModals(&seen, "OK");
        const auto restart = [&](bool startWorks) {
            calls.clear();
            const auto starter = [&](const QString &program, const QStringList &arguments) {
                calls << program + ' ' + arguments.join(' ');
                return startWorks;
            };
            return AppRestart::restart(nullptr, starter, [&](int code) { calls << "quit " + QString::number(code); });
        };
        const QString self = QCoreApplication::applicationFilePath() + " -restart";
        QVERIFY(restart(true));
        QCOMPARE(calls, QStringList({self, "quit 0"}));
        QVERIFY(!restart(false));
        QCOMPARE(calls, QStringList{self});
        QCOMPARE(seen, QStringList{"Error|Failed to restart the application! Close it and start it again."});
    }

private:
    QString m_key;
};

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    testsupport::setApplicationIdentity();
    const QString role = qEnvironmentVariable("AIRVANE_STARTUP_HELPER");
    if (role == "holder")
        return runHolder();
    if (role == "fault")
        return runFault();
    TestStartupProcesses test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_startupprocesses.moc"
