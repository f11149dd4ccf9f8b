// The program's main window as the program builds it: every entry reaches its window, the
// settings dialog drives the window and follows its menus, and a language switch after a
// Russian start gives English.

#include "ui/MainWindowKit.h"
#include "core/TestSettings.h"

#include "app/settings/SettingsKeys.h"
#include "app/settings/SettingsStore.h"
#include "app/startup/EntryPoint.h"
#include "app/startup/StartupServices.h"
#include "app/startup/TranslationResources.h"
#include "platform/wlan/WlanClientProvider.h"
#include "settings_dialog/AppSettings.h"
#include "ui/main/AirvaneLite.h"
#include "ui/main/MainWindowChrome.h"
#include "updates/UpdateCheck.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QtTest>

using namespace mainwindowkit;

class TestMainWindowWiring : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void entriesReachTheirWindows();
    void ctrlPOpensTheOneSettingsDialog();
    void settingsDialogDrivesTheWindow();
    void dialogFollowsMenusAndUpdateCheck();
    void englishAfterARussianStart();

private:
    AirvaneLite *window = nullptr;
    AppSettings *dialog = nullptr;
};

void TestMainWindowWiring::initTestCase()
{
    resetSettings();
    initTranslationResources();
    initAppearanceResources();
    writeAppSetting(QLatin1String(SettingsKey::AutoRefreshWlanNetworks), false);
    writeAppSetting(QLatin1String(SettingsKey::AppLanguage), 1);
    writeSetting(QLatin1String(SettingsGroup::Updates), QLatin1String(SettingsKey::CheckForUpdatesWhenAppStarts), false);
    wlan::setDefaultClient(world(1));

    const StartupServices services = StartupServices::defaults();
    QVERIFY(services.createUpdateCheck && services.createUpdatesWindow && services.deleteOldInstaller
            && services.openFeedback);
    window = qobject_cast<AirvaneLite *>(services.createMainWindow());
    QVERIFY(window);
    QVERIFY(activate(window));
}

void TestMainWindowWiring::entriesReachTheirWindows()
{
    for (MainMenus::Entry entry : {MainMenus::Settings, MainMenus::Updates, MainMenus::Changelog, MainMenus::Log,
                                   MainMenus::Feedback})
        QVERIFY2(window->chrome()->menus()->action(entry)->isEnabled(), qPrintable(QString::number(entry)));
}

void TestMainWindowWiring::ctrlPOpensTheOneSettingsDialog()
{
    QStringList opened;
    const auto closeNext = [&opened] {
        QTimer::singleShot(0, [&opened] {
            QWidget *modal = QApplication::activeModalWidget();
            opened << (modal ? modal->metaObject()->className() : "none");
            const QString shot = qEnvironmentVariable("AIRVANE_SCREENSHOT"); // under Xvfb, for the eye
            if (modal && !shot.isEmpty() && opened.size() == 1 && QTest::qWaitForWindowExposed(modal))
                QGuiApplication::primaryScreen()->grabWindow(0).save(shot);
            if (modal)
                modal->close();
        });
    };
    closeNext();
    QTest::keyClick(window, Qt::Key_P, Qt::ControlModifier);
    closeNext();
    QTest::mouseClick(child<QPushButton>(window, "settingsButton"), Qt::LeftButton);
    QCOMPARE(opened, QStringList({"AppSettings", "AppSettings"}));
    QCOMPARE(window->findChildren<AppSettings *>().size(), 1);
    dialog = window->findChild<AppSettings *>();
}

void TestMainWindowWiring::settingsDialogDrivesTheWindow()
{
    QVERIFY(dialog);
    emit dialog->opacitySettings(0.7);
    QVERIFY(qAbs(window->windowOpacity() - 0.7) < 0.01); // stored in 1/255 steps
    emit dialog->currentLanguage(App::Language::Russian);
    QCOMPARE(child<QPushButton>(window, "connectButton")->text(), QStringLiteral("Подключиться"));
    emit dialog->currentLanguage(App::Language::English);
    QCOMPARE(child<QPushButton>(window, "connectButton")->text(), QStringLiteral("Connect"));
    emit dialog->displayAbout();
    QTRY_VERIFY(window->chrome()->about() && window->chrome()->about()->isVisible());
    window->chrome()->about()->close();
    emit dialog->openFeedbackDlg(dialog);
    QTRY_VERIFY(QApplication::activeModalWidget() && QApplication::activeModalWidget()->inherits("Feedback"));
    QApplication::activeModalWidget()->close();
}

void TestMainWindowWiring::dialogFollowsMenusAndUpdateCheck()
{
    QVERIFY(dialog);
    auto *languageBox = dialog->findChild<QComboBox *>(QStringLiteral("languageBox"));
    auto *themeBox = dialog->findChild<QComboBox *>(QStringLiteral("themeBox"));
    window->ukrainianLanguageChecked();
    QCOMPARE(languageBox->currentData().toInt(), int(App::Language::Ukrainian));
    window->englishLanguageChecked();
    window->darkThemeChecked();
    QCOMPARE(themeBox->currentData().toInt(), int(App::Theme::Dark));
    window->lightThemeChecked();

    auto *check = window->findChild<UpdateCheck *>();
    QVERIFY(check);
    emit check->updatesBuildInfo(QStringLiteral("3.1.4"), QStringLiteral("today"));
    QCOMPARE(dialog->findChild<QLabel *>(QStringLiteral("buildLabel"))->text(), QStringLiteral("3.1.4"));
}

void TestMainWindowWiring::englishAfterARussianStart()
{
    writeAppSetting(QLatin1String(SettingsKey::AppLanguage), int(App::Language::Russian));
    QVERIFY(EntryPoint::loadStartupTranslations());
    QCOMPARE(QCoreApplication::translate("AirvaneLite", "Connect"), QStringLiteral("Подключиться"));
    window->englishLanguageChecked();
    QCOMPARE(child<QPushButton>(window, "connectButton")->text(), QStringLiteral("Connect"));
}

QTEST_MAIN(TestMainWindowWiring)
#include "tst_mainwindow_wiring.moc"
