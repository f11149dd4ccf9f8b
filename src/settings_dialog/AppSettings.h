#pragma once

#include "app/settings/SettingsEnums.h"
#include "settings_dialog/SettingsDialogHooks.h"
#include "settings_dialog/SettingsMetaTypes.h"

#include <QAuthenticator>
#include <QByteArray>
#include <QDialog>
#include <QJsonParseError>
#include <QMap>
#include <QVector>
#include <QPixmap>
#include <QUrl>

#include <memory>

namespace Ui {
class AppSettings;
}
class CommandHost;
class CommandLauncher;
class QComboBox;
class QPushButton;
class Switch;

// The settings dialog: a menu of four pages (Application, Misc, Networks, Updates). Every control
// stores its value the moment it changes, and many also tell the main window through a signal;
// there is no OK button.
class AppSettings : public QDialog
{
    Q_OBJECT

public:
    explicit AppSettings(QWidget *parent = nullptr, SettingsDialogHooks hooks = SettingsDialogHooks());
    ~AppSettings() override;

signals:
    void updatesStatusCheck(bool isOn);
    void updateChannel(Update::Channel channel);
    void showFullInfo();
    void alwaysOnTopEnabled(bool isOn);
    void setManageTray();
    void dbUpdateConfirmed();
    void dbUpdateCanceled();
    void selectedTheme(App::Theme index);
    void refreshWlanData();
    void exitApplication();
    void autoRefreshNetworks(bool refreshStatus);
    void opacitySettings(double opacityValue);
    void openAPNotificationSettings(bool notificationStatus);
    void restoreWlanSplitter(QByteArray state);
    void loadLocalization();
    void accountLoggedOut(QString name);
    void accountLoggedIn(QString name);
    void signIn(QWidget *parent);
    void accountInfo();
    void currentLanguage(App::Language index);
    void authInfo(QUrl url, QAuthenticator *authenticator, QPixmap authIcon);
    void authProxyInfo(QUrl url, QString host, QPixmap authIcon);
    void displayLog(QWidget *parent);
    void displayAbout();
    void privacyPolicyLanguage(App::Language index);
    void restoreMainGeomery(QByteArray geometry);
    void openFeedbackDlg(QWidget *parent);

public slots:
    void checkNetwork();
    void userConnected();
    void userNotConnected();
    void userIP(QString ipData);
    void userIPUnknown(QString ipUnknown);
    void checkHostedAPFields();
    void checkForUpdates();
    // Selects the language entry without storing or announcing it (the main window changed it).
    void changeLanguage(App::Language languageIndex);
    void openLog();
    void openChangelog();
    void setInsiderUpdateChannel(Update::Channel updateChannel);
    void setEnabledDev();
    void setDisabledDev();
    void setUpdatesBuildInfo(QString build, QString lastChecked);
    void setSelectedTheme(App::Theme themeIndex);
    void setUpdateAvailable(QString build, QString channel, QString info, bool autoUpdate, QString url);
    void setLatestVersion(QString build);
    void setJsonReaderError(QJsonParseError errorCode);
    void setUpdatesOn(bool isOn);
    void setOpenAPNotification(bool status);
    // The insider notification turned off from the notification itself.
    void setInsiderNotification(bool enabled);

protected:
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;

private slots:
    void connectionCheckEnded();
    void connectionCheckNoNetwork();
    void updateCheckEnded();
    void updateCheckNoNetwork();

private:
    void buildMenu();
    void fitPagesToContent();
    void fillSelectors();
    void loadSettings();
    void connectControls();
    void connectCommandButtons();
    // Stores the switch under the key on every change, then announces it (when given).
    void bindSwitch(Switch *control, const char *group, const char *key, void (AppSettings::*announce)(bool));

    void addToTrayChanged(bool on);
    void closeToTrayChanged(bool on);
    void minimizeToTrayChanged(bool on);
    // Stores a "to tray" option; switched on, it switches the options it excludes off and
    // disables them, switched off it enables them again.
    void trayOptionChanged(const char *key, bool on, std::initializer_list<Switch *> excluded);
    // Switches the tray options off without running their handlers, and stores that.
    void switchOff(std::initializer_list<Switch *> controls);

    void languageChosen();
    void themeChosen();
    void fontChosen();
    void applyFont();
    void resetFont();
    bool askRestart(const QString &reason, bool withCancel, bool *cancelled = nullptr);
    void opacityChanged(int value);
    void setToDefaults();
    void chooseFolder(const char *key);
    void runCommandRow(int row);
    void markUnavailableCommands();
    void updateProfileButtons();
    int themeValue() const;
    void setConfigManager(bool on);

    static void selectValue(QComboBox *box, int value);
    static int selectedValue(const QComboBox *box);

    Ui::AppSettings *ui;
    SettingsDialogHooks hooks;
    std::shared_ptr<CommandHost> commandHost;
    std::unique_ptr<CommandLauncher> launcher;
    QMap<QPushButton *, int> commandRows;

    // The switches that store one key each, loaded from the store in one pass.
    struct SwitchBinding
    {
        Switch *control;
        const char *group;
        const char *key;
    };
    QVector<SwitchBinding> switchBindings;

    bool alwaysOnTop = false;
    bool fontChanged = false;
    bool connectionChecked = false;
    bool updatesChecked = false;
};
