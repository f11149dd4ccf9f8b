// The main window's chrome (tray, menus, windows it owns, geometry) on a stand-in window, and the
// Hostlens launcher of its menu.

#include "ui/main/HostlensLauncher.h"
#include "ui/main/MainWindowChrome.h"

#include "app/settings/SettingsStore.h"
#include "core/TestSettings.h"
#include "ui/ModalAnswer.h"
#include "ui/dialogs/About.h"
#include "ui/main/AppTray.h"
#include "ui/main/WindowPersistence.h"
#include "ui/widgets/MsgDialog.h"

#include <QAbstractButton>
#include <QAction>
#include <QCloseEvent>
#include <QDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QPointer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolBar>
#include <QtTest>

// A main window that hands its close and state events to the chrome, as the program's does.
class Shell : public QMainWindow
{
public:
    Shell()
    {
        toolbar = new QToolBar(this);
        addToolBar(Qt::LeftToolBarArea, toolbar);
        chrome = new MainWindowChrome(this, toolbar);
        resize(400, 300);
    }
    QToolBar *toolbar;
    MainWindowChrome *chrome;
    int closesAccepted = 0;

protected:
    void closeEvent(QCloseEvent *event) override
    {
        chrome->handleClose(event);
        closesAccepted += event->isAccepted() ? 1 : 0;
    }
    void changeEvent(QEvent *event) override
    {
        if (event->type() == QEvent::WindowStateChange)
            chrome->handleWindowStateChange(static_cast<QWindowStateChangeEvent *>(event)->oldState());
        QMainWindow::changeEvent(event);
    }
};

class TestMainWindowChrome : public QObject
{
    Q_OBJECT

private slots:
    void init() { testsupport::resetSettings(); }
    void cleanup() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
    void trayMatrix_data();
    void trayMatrix();
    void exitEndsTheEventLoopWithCloseToTray();
    void logWindowOwnedByTheMainWindow();
    void missingWindowsAreDisabled();
    void opacityReachesOpenDialogs();
    void geometryFirstStartStoredAndDamaged();


    // The Hostlens launcher of the main window's menu.
    void installedCopyOpensWithoutQuestions();
    void threeFileDialogsThenThePurchaseHint();
    void fileChosenOnTheSecondTry_data();
    void fileChosenOnTheSecondTry();
    void infoPageFailureIsReported();

private:
    // The program's event loop; 7 when nothing ended it within five seconds.
    static int runEventLoop()
    {
        QTimer giveUp;
        giveUp.setSingleShot(true);
        connect(&giveUp, &QTimer::timeout, [] { QCoreApplication::exit(7); });
        giveUp.start(5000);
        return QCoreApplication::exec();
    }

    // The five tray options, one bit each in this order.
    static constexpr const char *options[] = {"AddToTray", "MinimizeToTray", "CloseToTray", "NotifyWhenInTray",
                                              "ShowWindowWhenInTray"};
    static void storeOptions(int bits)
    {
        for (int i = 0; i < 5; ++i)
            writeAppSetting(QLatin1String(options[i]), bool(bits & (1 << i)));
    }

    QTemporaryDir dir;
    QList<QUrl> opened;
    // An empty file standing for the program.
    QString program()
    {
        QFile file(dir.filePath(QStringLiteral("HostlensHome.exe")));
        return file.open(QIODevice::WriteOnly) ? file.fileName() : QString();
    }
    HostlensLauncher::UrlOpener recordingOpener(bool result)
    {
        return [this, result](const QUrl &url) {
            opened << url;
            return result;
        };
    }
};

void TestMainWindowChrome::trayMatrix_data()
{
    QTest::addColumn<int>("bits");
    for (int bits = 0; bits < 32; ++bits) {
        QStringList on;
        for (int i = 0; i < 5; ++i)
            on << QLatin1String(bits & (1 << i) ? options[i] : "");
        QTest::newRow(qPrintable(on.join(QLatin1Char('+')))) << bits;
    }
}

// Every combination of the five options against the window's close button, minimising, the tray
// options being applied, a double-click on the tray icon and "Exit".
void TestMainWindowChrome::trayMatrix()
{
    QFETCH(int, bits);
    const bool add = bits & 1, minimize = bits & 2, close = bits & 4, notify = bits & 8, show = bits & 16;
    storeOptions(bits);
    Shell shell;
    AppTray *tray = shell.chrome->tray();
    QSignalSpy balloons(tray, &AppTray::balloonShown);
    shell.setWindowTitle(QStringLiteral("Shell <Release>"));

    // Applying the options (start-up, or a change in the settings dialog).
    shell.show();
    shell.chrome->manageTraySettings();
    QCOMPARE(tray->isVisible(), add);
    QCOMPARE(shell.isVisible(), !(add && !show));
    QCOMPARE(balloons.count(), add && notify ? 1 : 0);
    if (!balloons.isEmpty()) {
        QCOMPARE(balloons.at(0).at(0).toString(), QStringLiteral("Information"));
        QCOMPARE(balloons.at(0).at(1).toString(), QStringLiteral("Shell &lt;Release&gt; running in a tray"));
    }
    balloons.clear();

    // The close button.
    shell.show();
    tray->release(false);
    shell.close();
    QCOMPARE(shell.closesAccepted, close ? 0 : 1);
    QCOMPARE(shell.isVisible(), false);
    QCOMPARE(tray->isVisible(), close);
    QCOMPARE(QApplication::quitOnLastWindowClosed(), !close);
    QCOMPARE(balloons.count(), close && notify ? 1 : 0);
    balloons.clear();

    // A double-click on the tray icon brings a hidden window back, and only a hidden one.
    emit tray->icon()->activated(QSystemTrayIcon::DoubleClick);
    QVERIFY(shell.isVisible());
    emit tray->icon()->activated(QSystemTrayIcon::DoubleClick);
    QVERIFY(shell.isVisible());

    // Minimising.
    tray->release(false);
    shell.setWindowState(Qt::WindowMinimized);
    QCOMPARE(shell.isVisible(), !minimize);
    QCOMPARE(tray->isVisible(), minimize);
    QCOMPARE(balloons.count(), minimize && notify ? 1 : 0);
    if (minimize) {
        // "Open" in the tray menu is offered while the window is hidden.
        QMenu *menu = tray->menu();
        emit menu->aboutToShow();
        QAction *open = menu->actions().at(0);
        QVERIFY(open->isEnabled());
        open->trigger();
        QVERIFY(shell.isVisible());
        QVERIFY(!shell.windowState().testFlag(Qt::WindowMinimized));
        emit menu->aboutToShow();
        QVERIFY(!open->isEnabled());
    }

    // "Exit" always closes and lets go of the tray.
    shell.show();
    const int accepted = shell.closesAccepted;
    QTimer::singleShot(0, shell.chrome, &MainWindowChrome::exitApp);
    QCOMPARE(runEventLoop(), 0);
    QCOMPARE(shell.closesAccepted, accepted + 1);
    QVERIFY(!shell.isVisible());
    QVERIFY(!tray->isVisible());
}

void TestMainWindowChrome::exitEndsTheEventLoopWithCloseToTray()
{
    storeOptions(31);
    Shell shell;
    shell.show();
    shell.chrome->manageTraySettings();
    // Another open window would keep the program alive as well.
    QWidget other;
    other.show();
    QMenu *menu = shell.chrome->menus()->contextMenu();
    QAction *exit = menu->actions().last();
    QCOMPARE(exit->text(), QStringLiteral("Exit\tAlt+F4"));
    // Network names reach the tray menu; a '&' there must not turn into an accelerator.
    QCOMPARE(AppTray::plainMenuText(QStringLiteral("R&D net")), QStringLiteral("R&&D net"));
    QTimer::singleShot(0, exit, &QAction::trigger);
    QCOMPARE(runEventLoop(), 0);
    QVERIFY(!shell.isVisible());
}

void TestMainWindowChrome::logWindowOwnedByTheMainWindow()
{
    Shell shell;
    QList<QWidget *> owners;
    shell.chrome->setLogWindowFactory([&owners](QWidget *owner) {
        owners << owner;
        auto *dialog = new QDialog(owner);
        QTimer::singleShot(0, dialog, &QDialog::accept);
        return dialog;
    });
    {
        auto *caller = new QDialog(&shell);
        shell.chrome->openLog(caller);
        delete caller;
    }
    QPointer<QDialog> log = shell.chrome->logWindow();
    QVERIFY(log);
    QTimer::singleShot(0, log.data(), &QDialog::accept);
    shell.chrome->openLog(&shell);
    QCOMPARE(owners, QList<QWidget *>({&shell}));
    delete log;
    shell.chrome->openLog(nullptr);
    QCOMPARE(owners, QList<QWidget *>({&shell, &shell}));
}

void TestMainWindowChrome::missingWindowsAreDisabled()
{
    Shell shell;
    MainMenus *menus = shell.chrome->menus();
    for (MainMenus::Entry entry : {MainMenus::Log, MainMenus::Changelog, MainMenus::Settings, MainMenus::Updates,
                                   MainMenus::Feedback}) {
        QVERIFY(!menus->action(entry)->isEnabled());
        QCOMPARE(menus->action(entry)->toolTip(), QStringLiteral("Not available in this build"));
    }
    QVERIFY(!menus->themeActions(0).at(1)->isEnabled());
    shell.chrome->setUpdateCheck([](bool) {});
    QVERIFY(menus->action(MainMenus::Updates)->isEnabled());
}

void TestMainWindowChrome::opacityReachesOpenDialogs()
{
    Shell shell;
    shell.chrome->aboutApp();
    auto *other = new QDialog(&shell);
    other->show();
    shell.chrome->setOpacity(0.75);
    // The platform keeps opacity in 1/255 steps.
    QCOMPARE(qRound(shell.windowOpacity() * 100), 75);
    QCOMPARE(qRound(shell.chrome->about()->windowOpacity() * 100), 75);
    QCOMPARE(qRound(other->windowOpacity() * 100), 75);
}

void TestMainWindowChrome::geometryFirstStartStoredAndDamaged()
{
    QMainWindow first;
    WindowPersistence::restoreGeometry(&first);
    QCOMPARE(first.size(), QSize(1260, 600));
    first.resize(1400, 720);
    WindowPersistence::storeGeometry(&first);

    QMainWindow restarted;
    WindowPersistence::restoreGeometry(&restarted);
    QCOMPARE(restarted.size(), QSize(1400, 720));

    writeAppSetting(QStringLiteral("Position"), QByteArray("\x01\xd9\xd0\xcb damaged"));
    QMainWindow damaged;
    damaged.resize(10, 10);
    WindowPersistence::restoreGeometry(&damaged);
    QCOMPARE(damaged.size(), QSize(1260, 600));
}

static const QString missing =
    QStringLiteral("Application was not found! Would you like to provide path to the application?");

void TestMainWindowChrome::installedCopyOpensWithoutQuestions()
{
    opened.clear();
    const QString installed = program();
    HostlensLauncher launcher(nullptr, recordingOpener(true));
    launcher.setInstallPaths({dir.filePath(QStringLiteral("absent.exe")), installed});
    launcher.open();
    QCOMPARE(opened, QList<QUrl>({QUrl::fromLocalFile(installed)}));
}

void TestMainWindowChrome::threeFileDialogsThenThePurchaseHint()
{
    opened.clear();
    QWidget window;
    HostlensLauncher launcher(&window, recordingOpener(true));
    launcher.setInstallPaths({});
    testsupport::ModalScript script({"Yes", "cancel", "Retry", "cancel", "Retry", "cancel", "OK"});
    launcher.open();
    const QString dialog = QStringLiteral("file dialog: Open HostlensHome.exe");
    QCOMPARE(script.seen, QStringList({QStringLiteral("Attention: ") + missing, dialog,
                                       QStringLiteral("Warning: ") + missing, dialog,
                                       QStringLiteral("Warning: ") + missing, dialog,
                                       QStringLiteral("Information: You can purchase it here: https://www.tarnwick.example")}));
    QVERIFY(opened.isEmpty());
}

void TestMainWindowChrome::fileChosenOnTheSecondTry_data()
{
    QTest::addColumn<bool>("opens");
    QTest::addColumn<QStringList>("after");
    QTest::newRow("opens") << true << QStringList();
    QTest::newRow("cannot open")
        << false << QStringList({"Error: Failed to open the application! Make sure it is installed."});
}

void TestMainWindowChrome::fileChosenOnTheSecondTry()
{
    QFETCH(bool, opens);
    QFETCH(QStringList, after);
    opened.clear();
    const QString chosen = program();
    HostlensLauncher launcher(nullptr, recordingOpener(opens));
    launcher.setInstallPaths({});
    QStringList answers({"Yes", "cancel", "Retry", chosen});
    if (!opens)
        answers << QStringLiteral("OK");
    testsupport::ModalScript script(answers);
    launcher.open();
    QCOMPARE(opened, QList<QUrl>({QUrl::fromLocalFile(chosen)}));
    QCOMPARE(script.seen.mid(4), after);
}

void TestMainWindowChrome::infoPageFailureIsReported()
{
    opened.clear();
    HostlensLauncher launcher(nullptr, recordingOpener(false));
    testsupport::ModalScript script({"OK"});
    launcher.openInfoPage();
    QCOMPARE(opened, QList<QUrl>({QUrl(QStringLiteral("https://www.tarnwick.example/apps/hostlens-home"))}));
    QCOMPARE(script.seen, QStringList({"Error: Failed to open the information about the application!"}));
}

QTEST_MAIN(TestMainWindowChrome)
#include "tst_mainwindowchrome.moc"
