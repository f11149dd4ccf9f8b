#include "ui/main/MainWindowChrome.h"

#include "app/appearance/SharedTranslators.h"
#include "app/appearance/Translations.h"
#include "app/settings/SettingsStore.h"
#include "log/LogView.h"
#include "ui/dialogs/About.h"
#include "ui/main/AppTray.h"
#include "ui/main/WindowTitle.h"
#include "ui/widgets/WindowRules.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDialog>
#include <QMainWindow>
#include <QMenu>

MainWindowChrome::MainWindowChrome(QMainWindow *window, QToolBar *toolbar)
    : QObject(window)
    , window(window)
    , mainMenus(new MainMenus(window))
    , appTray(new AppTray(window))
{
    if (toolbar)
        mainMenus->buildToolbar(toolbar);
    connect(mainMenus, &MainMenus::triggered, this, &MainWindowChrome::menuEntry);
    connect(mainMenus, &MainMenus::languageChosen, this, &MainWindowChrome::chooseLanguage);
    connect(mainMenus, &MainMenus::themeChosen, this, &MainWindowChrome::chooseTheme);
    connect(appTray, &AppTray::showWindowRequested, this, &MainWindowChrome::setAppWindowVisible);
    currentLanguage = readLanguage();
    currentTheme = readTheme();
    mainMenus->setLanguageChecked(currentLanguage);
    mainMenus->setThemeChecked(currentTheme);
    updateAvailability();
}

MainWindowChrome::~MainWindowChrome() = default;

void MainWindowChrome::setLogWindowFactory(DialogFactory factory)
{
    logFactory = std::move(factory);
    updateAvailability();
}

void MainWindowChrome::setChangelogFactory(DialogFactory factory)
{
    changelogFactory = std::move(factory);
    updateAvailability();
}

void MainWindowChrome::setSettingsDialogFactory(DialogFactory factory)
{
    settingsFactory = std::move(factory);
    updateAvailability();
}

void MainWindowChrome::setUpdateCheck(UpdateCheck check)
{
    updateCheck = std::move(check);
    updateAvailability();
}

void MainWindowChrome::setThemeApplier(ThemeApplier applier)
{
    themeApplier = std::move(applier);
    updateAvailability();
}

void MainWindowChrome::setFeedbackAvailable(bool available)
{
    feedbackAvailable = available;
    updateAvailability();
}

void MainWindowChrome::updateAvailability()
{
    mainMenus->setAvailable(MainMenus::Log, bool(logFactory));
    mainMenus->setAvailable(MainMenus::Changelog, bool(changelogFactory));
    mainMenus->setAvailable(MainMenus::Settings, bool(settingsFactory));
    mainMenus->setAvailable(MainMenus::Updates, bool(updateCheck));
    mainMenus->setAvailable(MainMenus::Feedback, feedbackAvailable);
    mainMenus->setThemesAvailable(bool(themeApplier));
    if (!aboutWindow)
        return;
    aboutWindow->setAvailability(bool(logFactory), bool(updateCheck));
    aboutWindow->setChangelogOpener(changelogFactory ? About::WindowOpener([this](QWidget *parent) {
        runModal(changelogFactory(parent));
    }) : About::WindowOpener());
    aboutWindow->setFeedbackOpener(feedbackAvailable ? About::WindowOpener([this](QWidget *parent) {
        emit feedbackRequested(parent);
    }) : About::WindowOpener());
}

void MainWindowChrome::menuEntry(MainMenus::Entry entry)
{
    switch (entry) {
    case MainMenus::Refresh: emit refreshRequested(); break;
    case MainMenus::Connect: emit connectRequested(); break;
    case MainMenus::Exit: exitApp(); break;
    case MainMenus::Settings: openAppSettings(); break;
    case MainMenus::Feedback: openFeedback(); break;
    case MainMenus::Log: openLog(window); break;
    case MainMenus::Updates: checkForAppUpdates(); break;
    case MainMenus::Changelog: openChangelog(); break;
    case MainMenus::HostlensOpen: openHostlensHome(); break;
    case MainMenus::HostlensInfo: openHostlensInfo(); break;
    case MainMenus::AboutApplication:
    case MainMenus::AboutContext: aboutApp(); break;
    case MainMenus::OpenWindow: setAppWindowVisible(); break;
    }
}

// ---------------------------------------------------------------------------------------------
// Tray, close, minimise and exit

void MainWindowChrome::run(const TrayPolicy::Steps &steps, QCloseEvent *event)
{
    if (steps.releaseTray) {
        if (exiting)
            appTray->release(false);
        else
            releaseTray();
    }
    if (steps.hideWindow)
        window->hide();
    if (steps.showTray)
        showTray();
    if (steps.showBalloon)
        trayMessage();
    if (event)
        event->setAccepted(steps.acceptClose);
}

void MainWindowChrome::handleClose(QCloseEvent *event)
{
    const TrayPolicy policy = TrayPolicy::stored();
    run(exiting ? policy.onExit() : policy.onClose(), event);
}

void MainWindowChrome::handleWindowStateChange(Qt::WindowStates oldState)
{
    if (!exiting && !oldState.testFlag(Qt::WindowMinimized) && window->windowState().testFlag(Qt::WindowMinimized))
        run(TrayPolicy::stored().onMinimize(), nullptr);
}

void MainWindowChrome::manageTraySettings()
{
    run(TrayPolicy::stored().onManage(window->isVisible()), nullptr);
}

void MainWindowChrome::showTray()
{
    appTray->show(mainMenus->newTrayMenu());
}

void MainWindowChrome::releaseTray()
{
    appTray->release(TrayPolicy::stored().releaseKeepsTray());
}

void MainWindowChrome::trayMessage()
{
    if (TrayPolicy::stored().options().notifyWhenInTray)
        appTray->showBalloon(window->windowTitle());
}

void MainWindowChrome::setAppWindowVisible()
{
    if (window->isVisible())
        return;
    window->setWindowState((window->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    window->show();
    window->activateWindow();
}

void MainWindowChrome::exitApp()
{
    exiting = true;
    if (!window->close()) {
        exiting = false;
        return;
    }
    // The tray or another open window would keep the program alive; "Exit" means exit.
    QCoreApplication::quit();
}

void MainWindowChrome::scheduleWindowDeletion()
{
    for (QWidget *owned : {static_cast<QWidget *>(aboutWindow.data()), static_cast<QWidget *>(settingsDialog.data()),
                           static_cast<QWidget *>(logDialog.data())}) {
        if (owned)
            owned->deleteLater();
    }
}

void MainWindowChrome::showContextMenu(const QPoint &globalPos)
{
    mainMenus->contextMenu()->popup(globalPos);
}

// ---------------------------------------------------------------------------------------------
// Secondary windows

void MainWindowChrome::runModal(QDialog *dialog)
{
    if (!dialog)
        return;
    QPointer<QDialog> guard(dialog);
    applyTopMostSetting(dialog);
    dialog->exec();
    if (guard)
        guard->deleteLater();
}

void MainWindowChrome::aboutApp()
{
    if (!aboutWindow) {
        aboutWindow = new About(window);
        connect(aboutWindow, &About::checkUpdates, this, &MainWindowChrome::checkForAppUpdates);
        connect(aboutWindow, &About::exitApplication, this, &MainWindowChrome::exitApp);
        connect(aboutWindow, &About::displayLog, this, &MainWindowChrome::openLog);
        updateAvailability();
    }
    applyTopMostSetting(aboutWindow);
    aboutWindow->show();
    aboutWindow->raise();
}

void MainWindowChrome::openLog(QWidget *)
{
    if (!logFactory)
        return;
    // The window that asked may be gone long before the log window is; the main window owns it.
    if (!logDialog)
        logDialog = logFactory(window);
    if (!logDialog)
        return;
    applyTopMostSetting(logDialog);
    logDialog->exec();
}

void MainWindowChrome::openChangelog()
{
    if (changelogFactory)
        runModal(changelogFactory(window));
}

void MainWindowChrome::openAppSettings()
{
    if (!settingsFactory)
        return;
    if (!settingsDialog)
        settingsDialog = settingsFactory(window);
    if (!settingsDialog)
        return;
    const QPoint centre = window->mapToGlobal(window->rect().center());
    settingsDialog->move(centre.x() - settingsDialog->width() / 2, centre.y() - settingsDialog->height() / 2);
    applyTopMostSetting(settingsDialog);
    settingsDialog->exec();
}

void MainWindowChrome::openFeedback()
{
    if (feedbackAvailable)
        emit feedbackRequested(window);
}

void MainWindowChrome::checkForAppUpdates()
{
    if (updateCheck)
        updateCheck(false);
}

void MainWindowChrome::checkForAppUpdatesQuietly()
{
    if (updateCheck)
        updateCheck(true);
}

void MainWindowChrome::openHostlensHome()
{
    HostlensLauncher(window, urlOpener).open();
}

void MainWindowChrome::openHostlensInfo()
{
    HostlensLauncher(window, urlOpener).openInfoPage();
}

// ---------------------------------------------------------------------------------------------
// Language, theme, title and window rules

void MainWindowChrome::chooseLanguage(App::Language language)
{
    mainMenus->setLanguageChecked(language);
    writeLanguage(language);
    applyLanguage(language);
    switch (language) {
    case App::Language::Automatic: appendLog(tr("default language selected")); break;
    case App::Language::English: appendLog(tr("english language selected")); break;
    case App::Language::Russian: appendLog(tr("russian language selected")); break;
    case App::Language::Ukrainian: appendLog(tr("ukrainian language selected")); break;
    }
}

void MainWindowChrome::applyLanguage(App::Language language)
{
    const int value = static_cast<int>(language);
    // A value from a damaged store shows the window in English rather than in no language.
    if (value < 0 || value > 3)
        language = App::Language::English;
    currentLanguage = language;
    mainMenus->setLanguageChecked(language);
    loadTranslations(language, SharedTranslators::program(), SharedTranslators::toolkit());
    mainMenus->retranslate();
    if (aboutWindow)
        aboutWindow->setPrivacyPolicyLanguage(language);
    setTitle();
    emit languageApplied();
}

void MainWindowChrome::applyStartLanguage(App::Language language)
{
    const int value = static_cast<int>(language);
    // The start installs the stored language before the window is made, so every text is in it
    // already and the menus check it since they were made; installing it again would translate
    // each text a second time.
    if (value >= 0 && value <= 3
        && translationsInstalled(language, SharedTranslators::program(), SharedTranslators::toolkit()))
        return;
    applyLanguage(language);
}

void MainWindowChrome::chooseTheme(App::Theme theme)
{
    mainMenus->setThemeChecked(theme);
    writeTheme(theme);
    applyTheme(theme);
    emit themeSelected(theme);
    appendLog(tr("theme was successfully changed"));
}

void MainWindowChrome::applyTheme(App::Theme theme)
{
    currentTheme = theme;
    mainMenus->setThemeChecked(theme);
    if (themeApplier)
        themeApplier(theme, window);
}

void MainWindowChrome::setTitle()
{
    window->setWindowTitle(WindowTitle::stored());
}

void MainWindowChrome::setAlwaysOnTop(bool onTop)
{
    applyTopMost(window, onTop);
}

void MainWindowChrome::setOpacity(double opacity)
{
    window->setWindowOpacity(opacity);
    for (QDialog *dialog : window->findChildren<QDialog *>())
        dialog->setWindowOpacity(opacity);
}
