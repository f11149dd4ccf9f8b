#include "app/settings/SettingsStore.h"
#include "app/startup/ManageStartup.h"
#include "app/startup/Splash.h"
#include "app/startup/StartupUpdateCheck.h"
#include "app/startup/TranslationResources.h"
#include "log/LogView.h"

#include "core/TestSettings.h"
#include "ui/ModalAnswer.h"

#include <QApplication>
#include <QLabel>
#include <QTextBrowser>
#include <QTimer>
#include <QtTest>

#include <algorithm>

namespace {

// Finishes with the outcome it was given, queued like a worker thread's result.
class UpdateCheckDouble : public StartupUpdateCheck
{
public:
    explicit UpdateCheckDouble(QString outcome) : m_outcome(std::move(outcome)) {}
    void start() override
    {
        QTimer::singleShot(0, this, [this] {
            if (m_outcome == QLatin1String("latest"))
                emit latestVersion();
            else if (m_outcome == QLatin1String("nonet"))
                emit noNetConnection();
            else if (m_outcome == QLatin1String("json"))
                emit jsonReaderError(QJsonParseError{0, QJsonParseError::TerminationByNumber});
            else
                emit updateAvailable(QStringLiteral("2.9.0.700"), QStringLiteral("Release"), QStringLiteral("notes"),
                                     false, QStringLiteral("https://example.invalid/setup.exe"));
            emit finished();
        });
    }

private:
    QString m_outcome;
};

class UpdatesWindowDouble : public QWidget
{
    Q_OBJECT
signals:
    void closeUpdate();
};

// Records which top-level windows are shown, in order.
class ShowRecorder : public QObject
{
public:
    QStringList shown;
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *widget = qobject_cast<QWidget *>(watched);
        if (event->type() == QEvent::Show && widget && widget->isWindow() && !widget->objectName().isEmpty())
            shown << widget->objectName();
        return false;
    }
};

QStringList logLines()
{
    return LogView::view()->toPlainText().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

bool logHas(const QString &event)
{
    const auto lines = logLines();
    return std::any_of(lines.cbegin(), lines.cend(), [&](const QString &l) { return l.endsWith(QStringLiteral(": ") + event); });
}

Splash *findSplash()
{
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (auto *splash = qobject_cast<Splash *>(window))
            return splash;
    }
    return nullptr;
}

} // namespace

class TestManageStartup : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void startupPaths_data();
    void startupPaths();
    void updateOutcomesOpenTheProgramOnce_data();
    void updateOutcomesOpenTheProgramOnce();
    void updatesSwitchedOffMeansNoCheck();
    void splashStaysHundredAndOneTicksAndDrags();
    void splashWithoutTranslationsEndsTheProgram();

private:
    StartupServices services(const QString &outcome);
    void speedUpSplash();

    ShowRecorder m_recorder;
    int m_mainWindows = 0;
    int m_checks = 0;
    QPointer<UpdatesWindowDouble> m_updatesWindow;
};

void TestManageStartup::initTestCase()
{
    initTranslationResources();
    qApp->installEventFilter(&m_recorder);
}

void TestManageStartup::init()
{
    testsupport::resetSettings();
    LogView::view()->clear();
    m_recorder.shown.clear();
    m_mainWindows = 0;
    m_checks = 0;
}

void TestManageStartup::cleanup()
{
    delete findSplash();
}

StartupServices TestManageStartup::services(const QString &outcome)
{
    StartupServices s;
    s.createMainWindow = [this] {
        ++m_mainWindows;
        auto *window = new QWidget;
        window->setObjectName(QStringLiteral("main"));
        return window;
    };
    s.createUpdateCheck = [this, outcome]() -> StartupUpdateCheck * {
        ++m_checks;
        return new UpdateCheckDouble(outcome);
    };
    s.createUpdatesWindow = [this](const StartupServices::UpdateOffer &offer) -> QWidget * {
        m_updatesWindow = new UpdatesWindowDouble;
        m_updatesWindow->setObjectName(QStringLiteral("updates"));
        m_updatesWindow->setWindowTitle(offer.build);
        return m_updatesWindow;
    };
    return s;
}

// The splash's 10-second wait, in milliseconds: its tick count is what matters here.
void TestManageStartup::speedUpSplash()
{
    QTRY_VERIFY(findSplash());
    findSplash()->timer()->setInterval(1);
}

void TestManageStartup::startupPaths_data()
{
    QTest::addColumn<bool>("splash");
    QTest::addColumn<bool>("tray");
    QTest::addColumn<bool>("check");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<bool>("mainVisible");
    const QStringList viaSplash{"Splash", "main"};
    for (bool check : {false, true}) {
        const QString c = check ? QStringLiteral(" check") : QString();
        QTest::newRow(qPrintable("window" + c)) << false << false << check << QStringList{"main"} << true;
        QTest::newRow(qPrintable("tray" + c)) << false << true << check << QStringList() << false;
        QTest::newRow(qPrintable("splash" + c)) << true << false << check << viaSplash << true;
        // The splash always shows the program; the tray rule is the direct path's only.
        QTest::newRow(qPrintable("splash tray" + c)) << true << true << check << viaSplash << true;
    }
}

void TestManageStartup::startupPaths()
{
    QFETCH(bool, splash);
    QFETCH(bool, tray);
    QFETCH(bool, check);
    QFETCH(QStringList, shown);
    QFETCH(bool, mainVisible);
    writeAppSetting(QStringLiteral("ShowSplash"), splash);
    writeAppSetting(QStringLiteral("AddToTray"), tray);
    writeSetting(QStringLiteral("Updates"), QStringLiteral("CheckForUpdatesWhenAppStarts"), check);

    ManageStartup startup(nullptr, services(QStringLiteral("latest")));
    if (splash)
        speedUpSplash();
    QTRY_COMPARE(m_mainWindows, 1);
    QTRY_COMPARE(m_recorder.shown, shown);
    QCOMPARE(startup.mainWindow()->isVisible(), mainVisible);
    QCOMPARE(m_checks, check ? 1 : 0);

    QStringList events;
    for (const QString &line : logLines())
        events << line.section(QStringLiteral(": "), 1);
    QStringList expected{"launching the program"};
    if (check)
        expected << "check for updates at startup";
    if (!splash && tray)
        expected << "the program starts in the notification area";
    QCOMPARE(events, expected);
}

void TestManageStartup::updateOutcomesOpenTheProgramOnce_data()
{
    QTest::addColumn<QString>("outcome");
    QTest::addColumn<QString>("ending");
    QTest::addColumn<QString>("box");
    QTest::newRow("no network") << "nonet" << "" << "No network connection has been found! Check for update has been skipped!";
    QTest::newRow("json error") << "json" << "" << "Failed to check for the updates! Error code: 6";
    QTest::newRow("update, closeUpdate") << "update" << "signal" << "";
    QTest::newRow("update, closed") << "update" << "close" << "";
    QTest::newRow("update, deleted") << "update" << "delete" << "";
}

void TestManageStartup::updateOutcomesOpenTheProgramOnce()
{
    QFETCH(QString, outcome);
    QFETCH(QString, ending);
    QFETCH(QString, box);
    writeAppSetting(QStringLiteral("ShowSplash"), false);
    QString boxText;
    if (!box.isEmpty()) {
        testsupport::whenModalAppears([&](QWidget *dialog) {
            for (QLabel *label : dialog->findChildren<QLabel *>())
                boxText += label->text();
            dialog->close();
        });
    }
    ManageStartup startup(nullptr, services(outcome));
    if (!ending.isEmpty()) {
        QTRY_VERIFY(m_updatesWindow && m_updatesWindow->isVisible());
        QCOMPARE(m_updatesWindow->windowTitle(), QStringLiteral("2.9.0.700"));
        QCOMPARE(m_mainWindows, 0);
        if (ending == QLatin1String("signal")) {
            emit m_updatesWindow->closeUpdate();
            m_updatesWindow->close();
        } else if (ending == QLatin1String("close")) {
            m_updatesWindow->close();
        } else {
            delete m_updatesWindow;
        }
    }
    QTRY_COMPARE(m_mainWindows, 1);
    QCOMPARE(boxText, box);
    QTRY_VERIFY(startup.mainWindow()->isVisible());
    // Later reports of the same offer open nothing more.
    startup.manageWindow();
    startup.setLatestVersion();
    QCOMPARE(m_mainWindows, 1);
}

void TestManageStartup::updatesSwitchedOffMeansNoCheck()
{
    writeAppSetting(QStringLiteral("ShowSplash"), false);
    writeSetting(QStringLiteral("Updates"), QStringLiteral("EnableUpdates"), false);
    ManageStartup startup(nullptr, services(QStringLiteral("update")));
    QCOMPARE(m_mainWindows, 1);
    QCOMPARE(m_checks, 0);
    QVERIFY(!logHas(QStringLiteral("check for updates at startup")));
}

void TestManageStartup::splashStaysHundredAndOneTicksAndDrags()
{
    int created = 0;
    auto *splash = new Splash([&] {
        ++created;
        auto *window = new QWidget;
        window->setObjectName(QStringLiteral("main"));
        return window;
    });
    QSignalSpy ticks(splash->timer(), &QTimer::timeout);
    QSignalSpy opened(splash, &Splash::mainWindowCreated);
    QCOMPARE(splash->size(), QSize(680, 192));
    QCOMPARE(splash->timer()->interval(), 100);
    splash->show();
    QVERIFY(QTest::qWaitForWindowExposed(splash));

    splash->move(100, 100);
    QTest::mousePress(splash, Qt::LeftButton, Qt::NoModifier, QPoint(20, 30));
    QMouseEvent move(QEvent::MouseMove, QPoint(20, 30), QPoint(320, 250), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(splash, &move);
    QTest::mouseRelease(splash, Qt::LeftButton, Qt::NoModifier, QPoint(20, 30));
    QCOMPARE(splash->pos(), QPoint(300, 220));
    QMouseEvent after(QEvent::MouseMove, QPoint(5, 5), QPoint(600, 600), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(splash, &after);
    QCOMPARE(splash->pos(), QPoint(300, 220));

    splash->timer()->setInterval(1);
    QVERIFY(opened.wait(10000));
    QCOMPARE(ticks.count(), 101);
    QCOMPARE(created, 1);
    auto *window = opened.first().first().value<QWidget *>();
    QVERIFY(window->isVisible());
    delete window;
}

void TestManageStartup::splashWithoutTranslationsEndsTheProgram()
{
    Q_CLEANUP_RESOURCE(localization);
    QString text;
    testsupport::whenModalAppears([&](QWidget *dialog) {
        for (QLabel *label : dialog->findChildren<QLabel *>())
            text += label->text();
        dialog->close();
    });
    int created = 0;
    QPointer<Splash> splash;
    QTimer::singleShot(0, [&] { splash = new Splash([&] { ++created; return new QWidget; }); });
    const int exitCode = QApplication::exec();
    initTranslationResources();
    QCOMPARE(exitCode, 1);
    QCOMPARE(text, QStringLiteral("No localization file was found! Reinstall the application to fix this problem."));
    QTRY_VERIFY(splash.isNull());
    QCOMPARE(created, 0);
}

QTEST_MAIN(TestManageStartup)
#include "tst_managestartup.moc"
