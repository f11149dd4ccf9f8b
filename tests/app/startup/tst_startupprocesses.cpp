#include "app/settings/SettingsStore.h"
#include "app/startup/AppRestart.h"
#include "app/startup/CrashRecovery.h"
#include "app/startup/ManageStartup.h"
#include "app/startup/SingleInstance.h"
#include "app/startup/Splash.h"
#include "app/startup/StartupUpdateCheck.h"
#include "app/startup/TranslationResources.h"
#include "log/LogView.h"

#include "core/TestSettings.h"
#include "ui/ModalRecord.h"

#include <QApplication>
#include <QTextBrowser>
#include <QtTest>

#include <csignal>
#include <cstdio>
#include <cstdlib>

// The program's start: the paths to the main window (splash, tray, update check), one instance at
// a time, recovery after a fault, and restarting.
//
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
    // A question would keep the holder waiting unseen: say so and end, so the case fails at once.
    QTimer questionWatch;
    QObject::connect(&questionWatch, &QTimer::timeout, [] {
        if (QApplication::activeModalWidget()) {
            std::puts("ASKED");
            std::fflush(stdout);
            std::_Exit(3);
        }
    });
    questionWatch.start(20);
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
        process.setProcessChannelMode(QProcess::MergedChannels);
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

// Reports the outcome it was given, queued like the worker thread's result.
struct UpdateCheckDouble : StartupUpdateCheck
{
    QString outcome;
    void start() override
    {
        QTimer::singleShot(0, this, [this] {
            if (outcome == "latest")
                emit latestVersion();
            if (outcome == "nonet")
                emit noNetConnection();
            if (outcome == "json")
                emit jsonReaderError(QJsonParseError{0, QJsonParseError::TerminationByNumber});
            if (outcome == "update")
                emit updateAvailable("2.9.0.700", "Release", "notes", false, "https://example.invalid/setup.exe");
            emit finished();
        });
    }
};

class UpdatesWindowDouble : public QWidget
{
    Q_OBJECT
signals:
    void closeUpdate();
};

Splash *findSplash()
{
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (auto *splash = qobject_cast<Splash *>(window))
            return splash;
    }
    return nullptr;
}

} // namespace

class TestStartupProcesses : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        initTranslationResources();
        qApp->installEventFilter(this);
    }

    void init()
    {
        // A key of its own per case: a real program running on this machine is never disturbed.
        m_key = "Airvane Lite test " + QUuid::createUuid().toString(QUuid::WithoutBraces);
        testsupport::resetSettings();
        LogView::view()->clear();
        m_shown.clear();
        m_mainWindows = m_checks = 0;
    }
    // A killed holder leaves its marker behind; left to pile up, old markers come back under new
    // keys (the system derives them from reused file numbers) and a later case finds "another instance".
    void cleanup()
    {
        delete findSplash();
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

    void killedInstanceLeavesNoMarker_data()
    {
        QTest::addColumn<bool>("temporaryFolderEmptied");
        QTest::newRow("key file kept") << false;
        QTest::newRow("temporary folder emptied") << true;
    }

    void killedInstanceLeavesNoMarker()
    {
        QFETCH(bool, temporaryFolderEmptied);
        Helper first("holder", m_key);
        QVERIFY2(first.waitForLine("READY"), first.output.constData());
        first.process.kill(); // SIGKILL: no chance to release anything
        QVERIFY(first.process.waitForFinished(10000));
        if (temporaryFolderEmptied) {
            // The system names the marker's key files after a hash of the key; without them,
            // the next key file usually gets the freed file number and with it the old marker's key.
            const QString hash = QCryptographicHash::hash(m_key.toUtf8(), QCryptographicHash::Sha1).toHex();
            QDir temp = QDir::temp();
            const QStringList keyFiles = temp.entryList({"*" + hash}, QDir::Files | QDir::System);
            QVERIFY(!keyFiles.isEmpty());
            for (const QString &file : keyFiles)
                QVERIFY(temp.remove(file));
        }

        Helper next("holder", m_key); // a question would make it say ASKED instead of READY
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

    // ---- the start-up paths, with the update check and the windows played by doubles ----

    void startupPaths_data()
    {
        QTest::addColumn<bool>("splash");
        QTest::addColumn<bool>("tray");
        QTest::addColumn<int>("check"); // 0 off, 1 on, 2 on but updates switched off
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<bool>("mainVisible");
        for (int check : {0, 1, 2}) {
            const QByteArray c = " check " + QByteArray::number(check);
            QTest::newRow(QByteArray("window" + c).constData()) << false << false << check << QStringList{"main"} << true;
            QTest::newRow(QByteArray("tray" + c).constData()) << false << true << check << QStringList() << false;
            QTest::newRow(QByteArray("splash" + c).constData()) << true << false << check << QStringList{"Splash", "main"} << true;
            // The splash always shows the program: the tray rule belongs to the direct path.
            QTest::newRow(QByteArray("splash tray" + c).constData()) << true << true << check << QStringList{"Splash", "main"} << true;
        }
    }

    void startupPaths()
    {
        QFETCH(bool, splash);
        QFETCH(bool, tray);
        QFETCH(int, check);
        QFETCH(QStringList, shown);
        QFETCH(bool, mainVisible);
        writeAppSetting("ShowSplash", splash);
        writeAppSetting("AddToTray", tray);
        writeSetting("Updates", "CheckForUpdatesWhenAppStarts", check > 0);
        writeSetting("Updates", "EnableUpdates", check < 2);

        ManageStartup startup(nullptr, services("latest"));
        if (splash) { // its ten seconds in milliseconds: the tick count is checked on its own
            QTRY_VERIFY(findSplash());
            findSplash()->timer()->setInterval(1);
        }
        QTRY_COMPARE(m_mainWindows, 1);
        QTRY_COMPARE(m_shown, shown);
        QCOMPARE(startup.mainWindow()->isVisible(), mainVisible);
        QCOMPARE(m_checks, check == 1 ? 1 : 0);

        QStringList events;
        for (const QString &line : LogView::view()->toPlainText().split('\n'))
            events << line.section(": ", 1);
        QStringList expected{"launching the program"};
        if (check == 1)
            expected << "check for updates at startup";
        if (!splash && tray)
            expected << "the program starts in the notification area";
        QCOMPARE(events, expected);
    }

    void updateOutcomesOpenTheProgramOnce_data()
    {
        QTest::addColumn<QString>("outcome");
        QTest::addColumn<QString>("ending");
        QTest::addColumn<QStringList>("boxes");
        QTest::newRow("no network") << "nonet" << "" << QStringList{"Error|No network connection has been found! Check for update has been skipped!"};
        QTest::newRow("json error") << "json" << "" << QStringList{"Error|Failed to check for the updates! Error code: 6"};
        QTest::newRow("update, closeUpdate") << "update" << "signal" << QStringList();
        QTest::newRow("update, closed") << "update" << "close" << QStringList();
        QTest::newRow("update, deleted") << "update" << "delete" << QStringList();
        QTest::newRow("ended without an outcome") << "none" << "" << QStringList();
    }

    void updateOutcomesOpenTheProgramOnce()
    {
        QFETCH(QString, outcome);
        QFETCH(QString, ending);
        QFETCH(QStringList, boxes);
        writeAppSetting("ShowSplash", false);
        QStringList seen;
        if (!boxes.isEmpty())
            testsupport::answerNextModals(&seen, "OK");
        ManageStartup startup(nullptr, services(outcome));
        if (!ending.isEmpty()) {
            QTRY_VERIFY(m_updatesWindow && m_updatesWindow->isVisible());
            QCOMPARE(m_updatesWindow->objectName(), QStringLiteral("2.9.0.700"));
            QCOMPARE(m_mainWindows, 0);
            if (ending == "signal")
                emit m_updatesWindow->closeUpdate();
            if (ending == "delete")
                delete m_updatesWindow;
            else
                m_updatesWindow->close();
        }
        QTRY_VERIFY(startup.mainWindow() && startup.mainWindow()->isVisible());
        QCOMPARE(seen, boxes);
        startup.manageWindow(); // a late second report opens nothing more
        QCoreApplication::processEvents();
        QCOMPARE(m_mainWindows, 1);
    }

    void splashStaysHundredAndOneTicksAndDrags()
    {
        int created = 0;
        auto *splash = new Splash([&] { ++created; return new QWidget; });
        QSignalSpy ticks(splash->timer(), &QTimer::timeout);
        QSignalSpy opened(splash, &Splash::mainWindowCreated);
        QCOMPARE(splash->timer()->interval(), 100);
        splash->show();
        QVERIFY(QTest::qWaitForWindowExposed(splash));

        splash->move(100, 100);
        QTest::mousePress(splash, Qt::LeftButton, Qt::NoModifier, QPoint(20, 30));
        QMouseEvent drag(QEvent::MouseMove, QPoint(20, 30), QPoint(320, 250), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(splash, &drag);
        QTest::mouseRelease(splash, Qt::LeftButton, Qt::NoModifier, QPoint(20, 30));
        QApplication::sendEvent(splash, &drag); // released: no longer follows the mouse
        QCOMPARE(splash->pos(), QPoint(300, 220));

        splash->timer()->setInterval(1);
        QVERIFY(opened.wait(10000));
        QCOMPARE(ticks.count(), 101);
        QCOMPARE(created, 1);
        auto *window = opened.first().first().value<QWidget *>();
        QVERIFY(window->isVisible());
        delete window;
    }

    void splashWithoutTranslationsEndsTheProgram()
    {
        Q_CLEANUP_RESOURCE(localization);
        QStringList seen;
        testsupport::answerNextModals(&seen, "OK");
        int created = 0;
        QPointer<Splash> splash;
        QTimer::singleShot(0, [&] { splash = new Splash([&] { ++created; return new QWidget; }); });
        const int exitCode = QApplication::exec();
        initTranslationResources();
        QCOMPARE(exitCode, 1);
        QCOMPARE(seen, QStringList{"Error|No localization file was found! Reinstall the application to fix this problem."});
        QTRY_VERIFY(splash.isNull());
        QCOMPARE(created, 0);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event)
    {
        auto *widget = qobject_cast<QWidget *>(watched);
        if (event->type() == QEvent::Show && widget && widget->isWindow() && !widget->objectName().isEmpty())
            m_shown << widget->objectName();
        return false;
    }

private:
    StartupServices services(const QString &outcome)
    {
        StartupServices s;
        s.createMainWindow = [this] {
            ++m_mainWindows;
            auto *window = new QWidget;
            window->setObjectName("main");
            return window;
        };
        s.createUpdateCheck = [this, outcome]() -> StartupUpdateCheck * {
            ++m_checks;
            auto *check = new UpdateCheckDouble;
            check->outcome = outcome;
            return check;
        };
        s.createUpdatesWindow = [this](const StartupServices::UpdateOffer &offer) -> QWidget * {
            m_updatesWindow = new UpdatesWindowDouble;
            m_updatesWindow->setObjectName(offer.build);
            return m_updatesWindow;
        };
        return s;
    }

    QStringList m_shown; // top-level windows in the order they were shown
    int m_mainWindows = 0;
    int m_checks = 0;
    QPointer<UpdatesWindowDouble> m_updatesWindow;
    QString m_key;
};

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
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
