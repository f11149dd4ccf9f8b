// The main window with its menus, tray and settings applied at start: the quiet update check,
// the title, switching language and theme from either menu set, and hiding into the tray.

#include "ui/MainWindowKit.h"
#include "core/TestSettings.h"

#include "app/settings/SettingsKeys.h"
#include "app/settings/SettingsStore.h"
#include "app/startup/TranslationResources.h"
#include "log/LogView.h"
#include "platform/wlan/WlanClientProvider.h"
#include "ui/main/AirvaneLite.h"
#include "ui/main/AppTray.h"
#include "ui/main/MainWindowChrome.h"

#include <QAction>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QPushButton>
#include <QSignalSpy>
#include <QTextBrowser>
#include <QtTest>

using namespace mainwindowkit;

class TestMainWindowChrome : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void quietUpdateCheckOnceAfterStart();
    void titleIsTheLookupText_data();
    void titleIsTheLookupText();
    void languageSwitchFromEitherMenu();
    void invalidLanguageGivesEnglish();
    void themeActionsMoveInStep();
    void closeHidesIntoTrayAndExitEnds();

private:
    QStringList toolbarTexts() const;

    std::shared_ptr<Sim> sim;
    AirvaneLite *window = nullptr;
    QTreeWidget *networks = nullptr;
    QElapsedTimer sinceStart;
    QList<std::pair<bool, qint64>> updateChecks;
};

void TestMainWindowChrome::initTestCase()
{
    testsupport::resetSettings();
    initTranslationResources();
    writeAppSetting(QLatin1String(SettingsKey::AutoRefreshWlanNetworks), false);
    writeAppSetting(QLatin1String(SettingsKey::AppLanguage), 1);
    writeAppSetting(QLatin1String(SettingsKey::NotifyWhenOpenAP), false);
    writeSetting(QLatin1String(SettingsGroup::Updates), QLatin1String(SettingsKey::CheckForUpdatesWhenAppStarts), true);

    sim = std::make_shared<Sim>();
    sim->addAdapter(makeAdapter(0x12345678, u"Intel(R) Wi-Fi 6 AX201 160MHz"));
    sim->addNetwork(makeNetwork("Cafe", false, 1, 0, 70, {makeBss(0x55, 2437000)}));
    sim->addNetwork(makeNetwork("Office", true, 7, 4, 100, {makeBss(0x01, 5180000)}));
    wlan::setDefaultClient(sim);

    sinceStart.start();
    window = new AirvaneLite;
    window->chrome()->setUpdateCheck([this](bool quiet) { updateChecks.append({quiet, sinceStart.elapsed()}); });
    QVERIFY(activate(window));
    networks = child<QTreeWidget>(window, "networkList");
    QTRY_COMPARE(networks->topLevelItemCount(), 2);
}

QStringList TestMainWindowChrome::toolbarTexts() const
{
    QStringList texts;
    for (QPushButton *button : window->findChildren<QPushButton *>(QStringLiteral("menuButton")))
        texts << button->text();
    return texts;
}

void TestMainWindowChrome::quietUpdateCheckOnceAfterStart()
{
    QTRY_COMPARE_WITH_TIMEOUT(updateChecks.size(), 1, 4000);
    QCOMPARE(updateChecks.at(0).first, true);
    QVERIFY2(updateChecks.at(0).second >= 1400, qPrintable(QString::number(updateChecks.at(0).second)));
    window->checkForAppUpdates();
    QCOMPARE(updateChecks.size(), 2);
    QCOMPARE(updateChecks.at(1).first, false);
}

void TestMainWindowChrome::titleIsTheLookupText_data()
{
    QTest::addColumn<bool>("full");
    QTest::addColumn<int>("channel");
    QTest::addColumn<QString>("title");
    QTest::newRow("insider") << true << 1 << "Airvane Lite [Insider | Build 2.8.8.652 | x64]";
    QTest::newRow("development") << true << 0 << "Airvane Lite [Development | Build 2.8.8.652 | x64]";
    QTest::newRow("unknown channel") << true << 9 << "Airvane Lite [Release | Build 2.8.8.652 | x64]";
    QTest::newRow("short") << false << 2 << "Airvane Lite";
}

void TestMainWindowChrome::titleIsTheLookupText()
{
    QFETCH(bool, full);
    QFETCH(int, channel);
    QFETCH(QString, title);
    writeAppSetting(QLatin1String(SettingsKey::ShowFullInfo), full);
    window->updateChannel(static_cast<Update::Channel>(channel));
    QCOMPARE(readSetting(QLatin1String(SettingsGroup::Updates), QLatin1String(SettingsKey::UpdatesChannel)).toInt(),
             channel);
    QCOMPARE(window->windowTitle(), title);
    QCOMPARE(AirvaneLite::titleText(full, channel), title);
}

void TestMainWindowChrome::languageSwitchFromEitherMenu()
{
    MainMenus *menus = window->chrome()->menus();
    QCOMPARE(toolbarTexts(), QStringList({"File", "Options", "Hostlens", "About"}));

    menus->languageActions(1).at(2)->trigger(); // "Русский" in the right-click menu
    QCOMPARE(readSetting(QLatin1String(SettingsGroup::App), QLatin1String(SettingsKey::AppLanguage)).toInt(), 2);
    QCOMPARE(toolbarTexts(), QStringList({"Файл", "Параметры", "Hostlens", "О программе"}));
    QCOMPARE(networks->headerItem()->text(1), QStringLiteral("Шифрование"));
    QCOMPARE(child<QPushButton>(window, "connectButton")->text(), QStringLiteral("Подключиться"));
    QCOMPARE(panelValues(window, {"network", "signal", "guid"}), QStringList({"Неизвестно", "Неизвестно", "Неизвестно"}));
    QVERIFY(menus->languageActions(0).at(2)->isChecked());
    QVERIFY(!menus->languageActions(0).at(1)->isChecked());
    QVERIFY(LogView::view()->toPlainText().endsWith(QStringLiteral(": выбран русский язык")));
    // The lists are asked for again and come back.
    QTRY_COMPARE(networks->topLevelItemCount(), 2);

    menus->languageActions(0).at(1)->trigger(); // "English" in the "Options" / tray set
    QCOMPARE(toolbarTexts(), QStringList({"File", "Options", "Hostlens", "About"}));
    QVERIFY(menus->languageActions(1).at(1)->isChecked());
    QTRY_COMPARE(networks->topLevelItemCount(), 2);
}

void TestMainWindowChrome::invalidLanguageGivesEnglish()
{
    window->russianLanguageChecked();
    QCOMPARE(networks->headerItem()->text(1), QStringLiteral("Шифрование"));
    QTRY_COMPARE(networks->topLevelItemCount(), 2);
    window->languageSelected(static_cast<App::Language>(7));
    QCOMPARE(networks->headerItem()->text(1), QStringLiteral("Encryption"));
    QCOMPARE(toolbarTexts().first(), QStringLiteral("File"));
    QVERIFY(window->chrome()->menus()->languageActions(1).at(1)->isChecked());
    QTRY_COMPARE(networks->topLevelItemCount(), 2);
}

void TestMainWindowChrome::themeActionsMoveInStep()
{
    MainMenus *menus = window->chrome()->menus();
    QList<App::Theme> applied;
    window->chrome()->setThemeApplier([&applied](App::Theme theme, QWidget *) { applied << theme; });
    QSignalSpy selected(window, &AirvaneLite::selectedTheme);
    std::unique_ptr<QMenu> tray(menus->newTrayMenu());
    QMenu *settings = tray->actions().at(3)->menu();
    QMenu *themes = settings->actions().at(1)->menu();
    themes->actions().at(1)->trigger(); // "Gray"
    QCOMPARE(applied, QList<App::Theme>({App::Theme::Gray}));
    QCOMPARE(selected.count(), 1);
    QVERIFY(menus->themeActions(1).at(1)->isChecked());
    QVERIFY(!menus->themeActions(1).at(0)->isChecked());
    QCOMPARE(readSetting(QLatin1String(SettingsGroup::App), QLatin1String(SettingsKey::AppTheme)).toInt(), 1);
    QVERIFY(LogView::view()->toPlainText().endsWith(QStringLiteral(": theme was successfully changed")));
}

// Last: "Exit" ends the event loop, and the window stores its geometry on the way out.
void TestMainWindowChrome::closeHidesIntoTrayAndExitEnds()
{
    writeAppSetting(QLatin1String(SettingsKey::AddToTray), true);
    writeAppSetting(QLatin1String(SettingsKey::CloseToTray), true);
    window->manageTraySettings();
    AppTray *tray = window->chrome()->tray();
    QVERIFY(tray->isVisible());
    QVERIFY(window->close() == false);
    QVERIFY(!window->isVisible());
    window->setAppWindowVisible();
    QVERIFY(window->isVisible());

    QTimer::singleShot(0, window, &AirvaneLite::exitApp);
    QTimer giveUp;
    connect(&giveUp, &QTimer::timeout, [] { QCoreApplication::exit(7); });
    giveUp.start(5000);
    QCOMPARE(QCoreApplication::exec(), 0);
    QVERIFY(!tray->isVisible());
    QVERIFY(!readSetting(QLatin1String(SettingsGroup::App), QLatin1String(SettingsKey::Position)).toByteArray().isEmpty());
    delete window;
    window = nullptr;
}

QTEST_MAIN(TestMainWindowChrome)
#include "tst_mainwindow_chrome.moc"
