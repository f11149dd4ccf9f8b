#pragma once

#include "app/settings/SettingsEnums.h"
#include "ui/dialogs/About.h"
#include "ui/main/HostlensLauncher.h"
#include "ui/main/MainMenus.h"
#include "ui/main/TrayPolicy.h"

#include <QDialog>
#include <QObject>
#include <QPointer>

#include <functional>

class AppTray;
class QCloseEvent;
class QMainWindow;
class QToolBar;

// Everything of the main window that is not the lists: menus, tray, close / minimise / exit,
// the secondary windows it opens (each top-most as the settings say), the title, and the
// language and theme choices. Windows that are built elsewhere reach it through factories; an
// entry whose factory is missing is disabled and says so.
class MainWindowChrome : public QObject
{
    Q_OBJECT

public:
    using DialogFactory = std::function<QDialog *(QWidget *parent)>;
    using UpdateCheck = std::function<void(bool quiet)>;
    using ThemeApplier = std::function<void(App::Theme theme, QWidget *parent)>;

    MainWindowChrome(QMainWindow *window, QToolBar *toolbar);
    ~MainWindowChrome() override;

    MainMenus *menus() const { return mainMenus; }
    AppTray *tray() const { return appTray; }
    About *about() const { return aboutWindow; }
    QDialog *logWindow() const { return logDialog; }

    // The log window, made once with the main window as its owner (never the caller's window).
    void setLogWindowFactory(DialogFactory factory);
    // A new changelog window for each request, with the given parent.
    void setChangelogFactory(DialogFactory factory);
    // The settings dialog, made once with the main window as parent.
    void setSettingsDialogFactory(DialogFactory factory);
    void setUpdateCheck(UpdateCheck check);
    void setThemeApplier(ThemeApplier applier);
    // Whether a feedback form answers feedbackRequested.
    void setFeedbackAvailable(bool available);
    void setUrlOpener(HostlensLauncher::UrlOpener opener) { urlOpener = std::move(opener); }

    // Shutdown: the windows this object made go with the next turn of the event loop.
    void scheduleWindowDeletion();

    // The window's events, handed over by the window.
    void handleClose(QCloseEvent *event);
    // oldState: the state before the change; only a change into minimised counts.
    void handleWindowStateChange(Qt::WindowStates oldState);
    void showContextMenu(const QPoint &globalPos);

    // The stored language, theme and tray options as a start would apply them.
    App::Language language() const { return currentLanguage; }
    App::Theme theme() const { return currentTheme; }

signals:
    void feedbackRequested(QWidget *parent);
    void refreshRequested();
    void connectRequested();
    // The translators were replaced: the window fills its texts and lists again.
    void languageApplied();
    void themeSelected(App::Theme theme);

public slots:
    void manageTraySettings();
    void showTray();
    void releaseTray();
    void trayMessage();
    void setAppWindowVisible();
    // "Exit" entries, exitApp and the exit requests of other windows: the program ends.
    void exitApp();

    void aboutApp();
    void openLog(QWidget *parent);
    void openChangelog();
    void openAppSettings();
    void openFeedback();
    void checkForAppUpdates();
    void checkForAppUpdatesQuietly();
    void openHostlensHome();
    void openHostlensInfo();

    // A language entry was chosen: check it, store it, apply it and log it.
    void chooseLanguage(App::Language language);
    // Installs the translations of the language (unknown values give English).
    void applyLanguage(App::Language language);
    // The same for a window being made, unless the language is installed already.
    void applyStartLanguage(App::Language language);
    void chooseTheme(App::Theme theme);
    void applyTheme(App::Theme theme);

    void setTitle();
    void setAlwaysOnTop(bool onTop);
    // The main window and the dialogs it holds.
    void setOpacity(double opacity);

private:
    void run(const TrayPolicy::Steps &steps, QCloseEvent *event);
    void menuEntry(MainMenus::Entry entry);
    void updateAvailability();
    static void runModal(QDialog *dialog);

    QMainWindow *window;
    MainMenus *mainMenus;
    AppTray *appTray;
    QPointer<About> aboutWindow;
    QPointer<QDialog> logDialog;
    QPointer<QDialog> settingsDialog;
    DialogFactory logFactory;
    DialogFactory changelogFactory;
    DialogFactory settingsFactory;
    UpdateCheck updateCheck;
    ThemeApplier themeApplier;
    HostlensLauncher::UrlOpener urlOpener;
    bool feedbackAvailable = false;
    bool exiting = false;
    App::Language currentLanguage = App::Language::Automatic;
    App::Theme currentTheme = App::Theme::Light;
};
