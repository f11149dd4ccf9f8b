#include "app/startup/AppRestart.h"
#include "app/startup/CrashRecovery.h"
#include "app/startup/SingleInstance.h"

#include "core/TestSettings.h"
#include "ui/ModalAnswer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QProcess>
#include <QSharedMemory>
#include <QTemporaryDir>
#include <QUuid>
#include <QtTest>

#include <csignal>
#include <cstdio>

// This executable doubles as the other program instance of these tests: with
// AIRVANE_STARTUP_HELPER set it plays that role instead of running the test cases.
namespace {

const char HelperRole[] = "AIRVANE_STARTUP_HELPER";
const char HelperKey[] = "AIRVANE_STARTUP_KEY";
const char HelperMarker[] = "AIRVANE_STARTUP_MARKER";
const QString HolderTitle = QStringLiteral("Airvane Lite [holder]");

void say(const QByteArray &line)
{
    std::fputs(QByteArray(line + '\n').constData(), stdout);
    std::fflush(stdout);
}

// Holds the marker with a hidden main window (as if in the tray) and reports when a later
// instance brings the window up.
int runHolder()
{
    SingleInstance instance(QString::fromUtf8(qgetenv(HelperKey)));
    if (instance.decide(QCoreApplication::arguments(), [] { return HolderTitle; }) != SingleInstance::Decision::Start)
        return 2;
    QWidget window;
    window.setWindowTitle(HolderTitle);
    struct ShowReporter : QObject
    {
        bool eventFilter(QObject *, QEvent *event) override
        {
            if (event->type() == QEvent::Show)
                say("SHOWN");
            return false;
        }
    } reporter;
    window.installEventFilter(&reporter);
    say(instance.ownsMarker() ? "READY" : "NO MARKER");
    return QApplication::exec();
}

int runFault()
{
    if (!CrashRecovery(QString::fromUtf8(qgetenv(HelperMarker))).install())
        return 2;
    say("FAULTING");
    std::raise(SIGSEGV);
    return 0;
}

struct Helper
{
    QProcess process;

    bool start(const QByteArray &role, const QString &key, const QString &marker = QString())
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QString::fromLatin1(HelperRole), QString::fromLatin1(role));
        env.insert(QString::fromLatin1(HelperKey), key);
        env.insert(QString::fromLatin1(HelperMarker), marker);
        process.setProcessEnvironment(env);
        process.start(QCoreApplication::applicationFilePath(), {});
        return process.waitForStarted(10000);
    }
    bool waitForLine(const QByteArray &line, int timeoutMs = 20000)
    {
        QElapsedTimer clock;
        clock.start();
        while (!output.contains(line + '\n')) {
            if (clock.elapsed() > timeoutMs || process.state() == QProcess::NotRunning)
                return false;
            process.waitForReadyRead(100);
            output += process.readAllStandardOutput();
        }
        return true;
    }
    ~Helper()
    {
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished(5000);
        }
    }
    QByteArray output;
};

} // namespace

class TestStartupProcesses : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void secondInstanceAsks_data();
    void secondInstanceAsks();
    void restartedInstanceTakesTheMarkerOnceFree();
    void killedInstanceLeavesNoMarker();
    void faultEndsBySignalAndNextStartOffersFeedback();
    void restartStartsItselfBeforeQuitting_data();
    void restartStartsItselfBeforeQuitting();

private:
    QString m_key;
};

void TestStartupProcesses::init()
{
    testsupport::resetSettings();
    // A key of its own per case: a real program running on this machine is never disturbed.
    m_key = QStringLiteral("Airvane Lite test ") + QUuid::createUuid().toString(QUuid::WithoutBraces);
}

void TestStartupProcesses::secondInstanceAsks_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("starts");
    QTest::newRow("no arguments, No raises the first") << QStringList() << "No" << false;
    QTest::newRow("no arguments, Yes starts") << QStringList() << "Yes" << true;
    QTest::newRow("-restart with more arguments") << QStringList{"-restart", "extra"} << "No" << false;
    QTest::newRow("other argument") << QStringList{"-minimized"} << "Yes" << true;
}

void TestStartupProcesses::secondInstanceAsks()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, answer);
    QFETCH(bool, starts);
    Helper first;
    QVERIFY(first.start("holder", m_key));
    QVERIFY2(first.waitForLine("READY"), first.output.constData());

    QString question;
    testsupport::whenModalAppears([&](QWidget *dialog) {
        question = dialog->windowTitle() + QLatin1Char('|');
        for (QLabel *label : dialog->findChildren<QLabel *>())
            question += label->text();
        for (QAbstractButton *button : dialog->findChildren<QAbstractButton *>()) {
            if (button->text().remove(QLatin1Char('&')) == answer)
                button->click();
        }
    });
    SingleInstance second(m_key);
    const auto decision = second.decide(QStringList{QStringLiteral("airvane-lite")} + arguments, [] { return HolderTitle; });
    QCOMPARE(question, QStringLiteral("Attention|Do you want to open another instance?"));
    QCOMPARE(decision == SingleInstance::Decision::Start, starts);
    QVERIFY(!second.ownsMarker());
    if (!starts)
        QVERIFY2(first.waitForLine("SHOWN"), first.output.constData());
}

void TestStartupProcesses::restartedInstanceTakesTheMarkerOnceFree()
{
    Helper old;
    QVERIFY(old.start("holder", m_key));
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
    QCOMPARE(restarted.decide({QStringLiteral("airvane-lite"), QStringLiteral("-restart")}, [] { return HolderTitle; }),
             SingleInstance::Decision::Start);
    QVERIFY(!asked);
    QVERIFY(!restarted.ownsMarker());

    old.process.terminate(); // the old instance goes, without releasing its marker itself
    QVERIFY(old.process.waitForFinished(10000));
    QVERIFY(taken.wait(SingleInstance::MarkerRetryIntervalMs * SingleInstance::MarkerRetries));
    QVERIFY(restarted.ownsMarker());

    // From now on it is the instance that a later start finds.
    QSharedMemory probe(m_key);
    QVERIFY(!probe.create(1));
    QCOMPARE(probe.error(), QSharedMemory::AlreadyExists);
}

void TestStartupProcesses::killedInstanceLeavesNoMarker()
{
    Helper first;
    QVERIFY(first.start("holder", m_key));
    QVERIFY2(first.waitForLine("READY"), first.output.constData());
    first.process.kill(); // SIGKILL: no chance to release anything
    QVERIFY(first.process.waitForFinished(10000));

    Helper next;
    QVERIFY(next.start("holder", m_key));
    QVERIFY2(next.waitForLine("READY"), next.output.constData());
}

void TestStartupProcesses::faultEndsBySignalAndNextStartOffersFeedback()
{
    QTemporaryDir dir;
    const QString marker = dir.filePath(QStringLiteral("CrashDumps/unexpected-exit"));
    Helper child;
    QVERIFY(child.start("fault", m_key, marker));
    QVERIFY(child.process.waitForFinished(30000));
    QCOMPARE(child.process.exitStatus(), QProcess::CrashExit);
    QCOMPARE(child.process.exitCode(), int(SIGSEGV));
    QVERIFY(QFile::exists(marker));

    const CrashRecovery recovery(marker);
    QVERIFY(recovery.previousRunFaulted());
    QString question;
    testsupport::whenModalAppears([&](QWidget *dialog) {
        for (QLabel *label : dialog->findChildren<QLabel *>())
            question += label->text();
        for (QAbstractButton *button : dialog->findChildren<QAbstractButton *>()) {
            if (button->text().remove(QLatin1Char('&')) == QLatin1String("Yes"))
                button->click();
        }
    });
    int feedbackOpened = 0;
    QVERIFY(recovery.offerFeedback([&] { ++feedbackOpened; }));
    QCOMPARE(question, QStringLiteral("Unexpected error has occurred! Do you want to submit the feedback?"));
    QCOMPARE(feedbackOpened, 1);
    // Asked once per fault.
    QVERIFY(!recovery.offerFeedback([&] { ++feedbackOpened; }));
    QVERIFY(!QFile::exists(marker));
}

void TestStartupProcesses::restartStartsItselfBeforeQuitting_data()
{
    QTest::addColumn<bool>("startWorks");
    QTest::newRow("started") << true;
    QTest::newRow("could not start") << false;
}

void TestStartupProcesses::restartStartsItselfBeforeQuitting()
{
    QFETCH(bool, startWorks);
    QStringList calls;
    QString box;
    if (!startWorks) {
        testsupport::whenModalAppears([&](QWidget *dialog) {
            for (QLabel *label : dialog->findChildren<QLabel *>())
                box += label->text();
            dialog->close();
        });
    }
    const bool restarted = AppRestart::restart(
        nullptr,
        [&](const QString &program, const QStringList &arguments) {
            calls << program + QLatin1Char(' ') + arguments.join(QLatin1Char(' '));
            return startWorks;
        },
        [&](int code) { calls << QStringLiteral("quit %1").arg(code); });
    QCOMPARE(restarted, startWorks);
    QStringList expected{QCoreApplication::applicationFilePath() + QStringLiteral(" -restart")};
    if (startWorks)
        expected << QStringLiteral("quit 0");
    QCOMPARE(calls, expected);
    QCOMPARE(box, startWorks ? QString() : QStringLiteral("Failed to restart the application! Close it and start it again."));
}

int main(int argc, char *argv[])
{
    const QByteArray role = qgetenv(HelperRole);
    QApplication app(argc, argv);
    testsupport::setApplicationIdentity();
    if (role == "holder")
        return runHolder();
    if (role == "fault")
        return runFault();
    TestStartupProcesses test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_startupprocesses.moc"
