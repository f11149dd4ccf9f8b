#include "app/startup/ProgramWiring.h"

#include "app/startup/AppRestart.h"
#include "app/startup/AppTheme.h"
#include "feedback/Feedback.h"
#include "log/Log.h"
#include "net/UpdateTargets.h"
#include "settings_dialog/AppSettings.h"
#include "ui/widgets/MsgDialog.h"
#include "ui/main/AirvaneLite.h"
#include "ui/main/MainWindowChrome.h"
#include "updates/Changelog.h"
#include "updates/UpdateCheck.h"

UpdateCheck *ProgramWiring::wireMainWindow(AirvaneLite *window)
{
    MainWindowChrome *chrome = window->chrome();
    auto *check = new UpdateCheck(window);
    // The window schedules its quiet check itself; this only gives it something to run.
    chrome->setUpdateCheck([check](bool quiet) {
        if (quiet)
            check->checkQuietly();
        else
            check->checkForAppUpdates();
    });
    chrome->setChangelogFactory([](QWidget *parent) -> QDialog * { return new Changelog(parent); });
    chrome->setThemeApplier([](App::Theme theme, QWidget *parent) { applyTheme(theme, parent); });
    chrome->setLogWindowFactory([](QWidget *parent) -> QDialog * { return new Log(parent); });
    QObject::connect(window, &AirvaneLite::openFeedbackDlg, window,
                     [](QWidget *parent) { Feedback::openFeedback(parent); });
    chrome->setFeedbackAvailable(true);
    chrome->setSettingsDialogFactory(
        [window, check](QWidget *parent) -> QDialog * { return createSettingsDialog(window, check, parent); });
    return check;
}

AppSettings *ProgramWiring::createSettingsDialog(AirvaneLite *window, UpdateCheck *check, QWidget *parent)
{
    SettingsDialogHooks hooks;
    hooks.restartApplication = [parent] { restartApplication(parent); };
    auto *dialog = new AppSettings(parent, std::move(hooks));

    QObject::connect(dialog, &AppSettings::restoreMainGeomery, window, &AirvaneLite::restoreMainGeomery);
    QObject::connect(dialog, &AppSettings::restoreWlanSplitter, window, &AirvaneLite::restoreWlanSplitter);
    QObject::connect(dialog, &AppSettings::autoRefreshNetworks, window, &AirvaneLite::autoRefreshNetworks);
    QObject::connect(dialog, &AppSettings::alwaysOnTopEnabled, window, &AirvaneLite::alwaysOnTopEnabled);
    QObject::connect(dialog, &AppSettings::showFullInfo, window, &AirvaneLite::setFullInfo);
    QObject::connect(dialog, &AppSettings::setManageTray, window, &AirvaneLite::manageTraySettings);
    QObject::connect(dialog, &AppSettings::updateChannel, window, &AirvaneLite::updateChannel);
    QObject::connect(dialog, &AppSettings::updatesStatusCheck, window, &AirvaneLite::updatesStatusCheck);
    QObject::connect(dialog, &AppSettings::openAPNotificationSettings, window,
                     &AirvaneLite::openAPNotificationSettings);
    QObject::connect(dialog, &AppSettings::opacitySettings, window, &AirvaneLite::opacitySettings);
    QObject::connect(dialog, &AppSettings::selectedTheme, window, &AirvaneLite::applyTheme);
    QObject::connect(dialog, &AppSettings::currentLanguage, window, &AirvaneLite::languageSelected);
    QObject::connect(dialog, &AppSettings::refreshWlanData, window, &AirvaneLite::refreshData);
    QObject::connect(dialog, &AppSettings::exitApplication, window, &AirvaneLite::exitApp);
    QObject::connect(dialog, &AppSettings::displayLog, window, &AirvaneLite::openLog);
    QObject::connect(dialog, &AppSettings::displayAbout, window, &AirvaneLite::aboutApp);
    QObject::connect(dialog, &AppSettings::openFeedbackDlg, window, &AirvaneLite::openFeedbackDlg);

    // The window's own menus change language and theme too; the dialog's selectors follow.
    MainWindowChrome *chrome = window->chrome();
    QObject::connect(chrome, &MainWindowChrome::languageApplied, dialog,
                     [dialog, chrome] { dialog->changeLanguage(chrome->language()); });
    QObject::connect(chrome, &MainWindowChrome::themeSelected, dialog, &AppSettings::setSelectedTheme);

    QObject::connect(check, &UpdateCheck::updatesBuildInfo, dialog, &AppSettings::setUpdatesBuildInfo);
    QObject::connect(check, &UpdateCheck::manageIPNotification, dialog, &AppSettings::setInsiderNotification);
    QObject::connect(check, &UpdateCheck::insiderUpdateChannel, dialog, &AppSettings::setInsiderUpdateChannel);
    return dialog;
}

void ProgramWiring::removeOldInstallers(QWidget *parent)
{
    if (!updates::removeOldInstallers(updates::downloadFolder()))
        MsgDialog::run(parent, tr("Error"), tr("Failed to remove the old build!"), MsgDialog::Critical,
                       QMessageBox::Ok);
}
