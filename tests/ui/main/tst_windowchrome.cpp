#include "ui/main/AppTray.h"
#include "ui/main/MainMenus.h"
#include "ui/main/TrayPolicy.h"
#include "ui/main/WindowTitle.h"

#include "app/settings/SettingsStore.h"
#include "core/TestSettings.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QSignalSpy>
#include <QtTest>

Q_DECLARE_METATYPE(App::Language)
Q_DECLARE_METATYPE(App::Theme)

static QStringList entryTexts(const QMenu *menu)
{
    QStringList texts;
    for (QAction *action : menu->actions()) {
        if (action->menu())
            texts << action->text() + QStringLiteral("(") + entryTexts(action->menu()).join(QLatin1Char(','))
                         + QStringLiteral(")");
        else
            texts << action->text();
    }
    return texts;
}

class TestWindowChrome : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        qRegisterMetaType<MainMenus::Entry>();
        qRegisterMetaType<App::Language>();
        qRegisterMetaType<App::Theme>();
    }
    void init() { testsupport::resetSettings(); }
    void titlePerChannel_data();
    void titlePerChannel();
    void trayPolicy_data();
    void trayPolicy();
    void menusHoldTheirEntries();
    void languageAndThemeSetsMoveInStep();
    void unavailableEntriesSaySo();
    void trayConnectsOnceAndReplacesItsMenu();
    void releasedTrayLetsTheProgramQuit();
    void outsideTextStaysPlain();
};

void TestWindowChrome::titlePerChannel_data()
{
    QTest::addColumn<bool>("full");
    QTest::addColumn<int>("channel");
    QTest::addColumn<QString>("title");
    QTest::newRow("development") << true << 0 << "Airvane Lite [Development | Build 2.8.8.652 | x64]";
    QTest::newRow("insider") << true << 1 << "Airvane Lite [Insider | Build 2.8.8.652 | x64]";
    QTest::newRow("beta") << true << 2 << "Airvane Lite [Beta | Build 2.8.8.652 | x64]";
    QTest::newRow("release") << true << 3 << "Airvane Lite [Release | Build 2.8.8.652 | x64]";
    QTest::newRow("unknown channel") << true << 11 << "Airvane Lite [Release | Build 2.8.8.652 | x64]";
    QTest::newRow("short, insider") << false << 1 << "Airvane Lite";
    QTest::newRow("short, release") << false << 3 << "Airvane Lite";
}

void TestWindowChrome::titlePerChannel()
{
    QFETCH(bool, full);
    QFETCH(int, channel);
    QFETCH(QString, title);
    writeAppSetting(QStringLiteral("ShowFullInfo"), full);
    writeSetting(QStringLiteral("Updates"), QStringLiteral("UpdatesChannel"), channel);
    QCOMPARE(WindowTitle::stored(), title);
}

// Options as "add min close notify show" (1 on, 0 off); steps as the words of what happens.
void TestWindowChrome::trayPolicy_data()
{
    QTest::addColumn<QString>("options");
    QTest::addColumn<QString>("event");
    QTest::addColumn<QString>("steps");
    QTest::newRow("close, no tray") << "0 0 0 1 1" << "close" << "release accept";
    QTest::newRow("close, only add") << "1 0 0 1 1" << "close" << "release accept";
    QTest::newRow("close to tray") << "1 0 1 0 1" << "close" << "hide tray";
    QTest::newRow("close to tray, notify") << "1 0 1 1 1" << "close" << "hide tray balloon";
    QTest::newRow("exit, close to tray") << "1 1 1 1 1" << "exit" << "release accept quit";
    QTest::newRow("exit, no tray") << "0 0 0 0 1" << "exit" << "release accept quit";
    QTest::newRow("minimize, off") << "1 0 1 1 1" << "minimize" << "";
    QTest::newRow("minimize to tray") << "0 1 0 0 1" << "minimize" << "hide tray";
    QTest::newRow("minimize to tray, notify") << "0 1 0 1 1" << "minimize" << "hide tray balloon";
    QTest::newRow("manage, no tray") << "0 1 1 1 0" << "manage" << "release";
    QTest::newRow("manage, keep window") << "1 0 0 0 1" << "manage" << "tray";
    QTest::newRow("manage, hide window") << "1 0 0 1 0" << "manage" << "hide tray balloon";
    QTest::newRow("manage, hidden already") << "1 0 0 0 0" << "manage hidden" << "tray";
}

void TestWindowChrome::trayPolicy()
{
    QFETCH(QString, options);
    QFETCH(QString, event);
    QFETCH(QString, steps);
    QStringList flags = options.split(QLatin1Char(' '));
    for (const char *key : {"AddToTray", "MinimizeToTray", "CloseToTray", "NotifyWhenInTray", "ShowWindowWhenInTray"})
        writeAppSetting(QLatin1String(key), flags.takeFirst() == QLatin1String("1"));
    QVERIFY(flags.isEmpty());
    const TrayPolicy policy = TrayPolicy::stored();

    TrayPolicy::Steps result;
    if (event == QLatin1String("close"))
        result = policy.onClose();
    else if (event == QLatin1String("exit"))
        result = policy.onExit();
    else if (event == QLatin1String("minimize"))
        result = policy.onMinimize();
    else
        result = policy.onManage(event == QLatin1String("manage"));
    QStringList words;
    const std::pair<bool, const char *> named[] = {
        {result.releaseTray, "release"}, {result.hideWindow, "hide"}, {result.showTray, "tray"},
        {result.showBalloon, "balloon"}, {result.acceptClose, "accept"}, {result.quitApplication, "quit"}};
    for (const auto &[on, word] : named) {
        if (on)
            words << QLatin1String(word);
    }
    QCOMPARE(words.join(QLatin1Char(' ')), steps);
    QCOMPARE(policy.releaseKeepsTray(), options.startsWith(QLatin1String("1 1 1")));
}

void TestWindowChrome::menusHoldTheirEntries()
{
    QWidget window;
    MainMenus menus(&window);
    QCOMPARE(entryTexts(menus.contextMenu()),
             QStringList({"Connect", "Refresh",
                          "Settings(Languages(Auto select,English,Русский,Українська),Themes(Light,Gray,Dark),"
                          "Log,Updates,Changelog)",
                          "Feedback", "About", "Exit"}));
    std::unique_ptr<QMenu> tray(menus.newTrayMenu());
    QCOMPARE(entryTexts(tray.get()),
             QStringList({"Open", "Connect", "Refresh",
                          "Settings(Languages(Auto select,English,Русский,Українська),Themes(Light,Gray,Dark))",
                          "Log", "Changelog", "Feedback", "Updates", "Exit"}));
}

void TestWindowChrome::languageAndThemeSetsMoveInStep()
{
    QWidget window;
    MainMenus menus(&window);
    QSignalSpy languages(&menus, &MainMenus::languageChosen);
    QSignalSpy themes(&menus, &MainMenus::themeChosen);
    menus.setLanguageChecked(App::Language::English);
    menus.setThemeChecked(App::Theme::Light);

    menus.languageActions(0)[2]->trigger(); // "Русский" in the tray / "Options" set
    menus.themeActions(1)[2]->trigger();    // "Dark" in the right-click set
    const auto checked = [](const QVector<QAction *> &set) {
        QString marks;
        for (QAction *action : set)
            marks += action->isChecked() ? QLatin1Char('x') : QLatin1Char('-');
        return marks;
    };
    QCOMPARE(checked(menus.languageActions(0)) + checked(menus.languageActions(1)), QStringLiteral("--x---x-"));
    QCOMPARE(checked(menus.themeActions(0)) + checked(menus.themeActions(1)), QStringLiteral("--x--x"));
    QCOMPARE(languages.count(), 1);
    QCOMPARE(languages.at(0).at(0).value<App::Language>(), App::Language::Russian);
    QCOMPARE(themes.count(), 1);
    QCOMPARE(themes.at(0).at(0).value<App::Theme>(), App::Theme::Dark);
}

void TestWindowChrome::unavailableEntriesSaySo()
{
    QWidget window;
    MainMenus menus(&window);
    QSignalSpy triggered(&menus, &MainMenus::triggered);
    menus.setAvailable(MainMenus::Log, false);
    std::unique_ptr<QMenu> tray(menus.newTrayMenu());
    QAction *log = tray->actions().at(4);
    QCOMPARE(log->text(), QStringLiteral("Log"));
    QVERIFY(!log->isEnabled());
    QCOMPARE(log->toolTip(), QStringLiteral("Not available in this build"));
    menus.retranslate();
    QCOMPARE(log->toolTip(), QStringLiteral("Not available in this build"));
    menus.action(MainMenus::Refresh)->trigger();
    QCOMPARE(triggered.count(), 1);
    QCOMPARE(triggered.at(0).at(0).value<MainMenus::Entry>(), MainMenus::Refresh);
}

void TestWindowChrome::trayConnectsOnceAndReplacesItsMenu()
{
    QWidget window;
    AppTray tray(&window);
    QSignalSpy showRequests(&tray, &AppTray::showWindowRequested);
    QPointer<QMenu> first = new QMenu;
    tray.show(first);
    tray.show(new QMenu);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(first.isNull());
    QVERIFY(tray.isVisible());
    QVERIFY(!QApplication::quitOnLastWindowClosed());

    emit tray.icon()->activated(QSystemTrayIcon::DoubleClick);
    QCOMPARE(showRequests.count(), 1);
    emit tray.icon()->messageClicked();
    QCOMPARE(showRequests.count(), 2);
    window.show();
    emit tray.icon()->activated(QSystemTrayIcon::DoubleClick);
    QCOMPARE(showRequests.count(), 2);
    tray.release(false);
}

void TestWindowChrome::releasedTrayLetsTheProgramQuit()
{
    QWidget window;
    AppTray tray(&window);
    QPointer<QMenu> menu = new QMenu;
    tray.show(menu);
    tray.release(true);
    QVERIFY(tray.isVisible());
    tray.release(false);
    QVERIFY(!tray.isVisible());
    QVERIFY(QApplication::quitOnLastWindowClosed());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(menu.isNull());
}

void TestWindowChrome::outsideTextStaysPlain()
{
    QCOMPARE(AppTray::plainBalloonText(QStringLiteral("<b>Cafe & Bar</b>")),
             QStringLiteral("&lt;b&gt;Cafe &amp; Bar&lt;/b&gt;"));
    QCOMPARE(AppTray::plainMenuText(QStringLiteral("R&D net")), QStringLiteral("R&&D net"));
}

QTEST_MAIN(TestWindowChrome)
#include "tst_windowchrome.moc"
