#include "app/settings/SettingsStore.h"
#include "app/startup/ManageStartup.h"
#include "app/startup/Splash.h"
#include "app/startup/StartupUpdateCheck.h"
#include "app/startup/TranslationResources.h"
#include "log/LogView.h"

#include "core/TestSettings.h"
#include "ui/ModalRecord.h"

#include <QApplication>
#include <QTextBrowser>
#include <QtTest>

namespace {

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

class TestManageStartup : public QObject
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
        testsupport::resetSettings();
        LogView::view()->clear();
        m_shown.clear();
        m_mainWindows = m_checks = 0;
    }

    void cleanup() { delete findSplash(); }

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
};

QTEST_MAIN(TestManageStartup)
#include "tst_managestartup.moc"
