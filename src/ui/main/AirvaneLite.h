#pragma once

#include "app/settings/SettingsEnums.h"
#include "ui/main/InterfaceState.h"
#include "ui/main/NetworkLists.h"
#include "wireless/Dot11Types.h"
#include "wireless/WirelessAP.h"
#include "wireless/WirelessInterface.h"

#include <QMainWindow>
#include <QString>
#include <QVector>

#include <optional>

class ConnectionDialogs;
class ConnectionFlow;
class EngineFailures;
class MainWindowChrome;
class NetworkInfoPanel;
class QAction;
class QShortcut;
class QTimer;
class QTreeWidgetItem;
class WirelessWorker;

namespace Ui {
class AirvaneLite;
}

// The main window: adapter selector, the network and profile lists, the information panel, the
// refresh cycle, menus and title. The engine's thread (WirelessWorker), connecting and
// disconnecting (ConnectionFlow) and the connection dialogs (ConnectionDialogs) are parts of it.
class AirvaneLite : public QMainWindow
{
    Q_OBJECT

public:
    explicit AirvaneLite(QWidget *parent = nullptr);
    ~AirvaneLite() override;

    // The title the window carries; a second start looks the running window up by it.
    static QString titleText(bool showFullInfo, int channel);

    ConnectionFlow *connectionFlow() const { return flow; }
    // Menus, tray, the secondary windows and the language and theme; also where the windows of
    // other parts (log, changelog, settings dialog, update check, theme loader) are plugged in.
    MainWindowChrome *chrome() const { return windowChrome; }
    ConnectionDialogs *connectionDialogs() const { return dialogs; }
    // Where the engine's failure reports go.
    EngineFailures *engineFailures() const { return failures; }
    Interface::State interfaceState() const { return adapterState; }

    // For the parts of the window.
    int currentAdapterIndex() const;
    QString adapterName() const;
    bool isNetworkListed(const QString &ssid) const;
    void setConnectTexts(bool connected);
    void setConnectEnabled(bool enabled);
    // Stops the auto-refresh while a connection dialog or a connect is under way.
    void pauseAutoRefresh();
    void resumeRefreshControls();
    void unregisterNotifications();

signals:
    // Requests to the engine.
    void updateWlanInterface(int index);
    void refreshWlanNetworks(int interfaceIndex);
    void checkWirelessState(int wlanInterfaceIndex);
    void wlanUnregisterNotification();

    // To the other windows.
    void networksRefreshStarted();
    void networksRefreshFinished();
    void allWirelessNetworksData(QVector<WirelessAP> networks);
    void selectedNetwork(QString ssid, _DOT11_CIPHER_ALGORITHM encryption,
                         _DOT11_AUTH_ALGORITHM authAlgortihm, bool isHidden);
    void selectedOpenHAP(QString profile, _DOT11_AUTH_ALGORITHM authAlgorithm,
                         _DOT11_CIPHER_ALGORITHM cipherAlgorithm, bool hiddenAP, bool profileExists,
                         bool isAutoConn);
    void checkAPTimer();
    void openFeedbackDlg(QWidget *parent);
    // The theme changed; the other windows restyle themselves.
    void selectedTheme(App::Theme themeIndex);

public slots:
    // Adapter selector, lists and the refresh cycle.
    void refreshData();
    void adapterIndexChanged(int index);
    void setWirelessInterfaceData(const QVector<WirelessInterface> &interfaces);
    void setWirelessData(const QVector<WirelessAP> &networks);
    void setProfileWlanData(const QVector<WirelessAP> &profiles);
    void setNetworksScanCompleted();
    void setAllWlanNetworks();
    void interfaceRemoved(int index);
    void setNoWirelessAPAvailable();
    void setAPTimerOn();
    void setAPTimerOff();
    void setCheckWlanState();
    // The password window's connection state, shown in the selected network row.
    void setSelectedNetworkState(const QString &state);
    void connectDialogClosed();

    // Menus, secondary windows and the title.
    void setNotifyOpenAP();
    // Stores the open-network notification flag (the settings dialog's switch) and tells the
    // notification window.
    void openAPNotificationSettings(bool status);
    void setFullInfo();
    void aboutApp();
    void openLog(QWidget *parent);
    void openChangelog();
    void openAppSettings();
    void openFeedback();
    void checkForAppUpdates();
    void exitApp();
    void openHostlensHome();
    void setAppWindowVisible();
    void manageTraySettings();

    // Language and theme entries of the menus (both sets) and the settings dialog's choice.
    void autoSelectLanguageChecked();
    void englishLanguageChecked();
    void russianLanguageChecked();
    void ukrainianLanguageChecked();
    void lightThemeChecked();
    void grayThemeChecked();
    void darkThemeChecked();
    void languageSelected(App::Language index);

    // What the settings dialog announces.
    void restoreMainGeomery(QByteArray geometry);
    void restoreWlanSplitter(QByteArray state);
    void autoRefreshNetworks(bool refreshStatus);
    void alwaysOnTopEnabled(bool isOn);
    void updateChannel(Update::Channel channel);
    void updatesStatusCheck(bool isOn);
    void opacitySettings(double opacityValue);
    void applyTheme(App::Theme theme);

    // Stores the geometry and stops the worker; runs on the application's aboutToQuit, once.
    void shutdown();

protected:
    bool event(QEvent *event) override;
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private slots:
    void networkItemPressed(QTreeWidgetItem *item, int column);
    void profileItemPressed(QTreeWidgetItem *item, int column);
    void copyWirelessInformation();
    void refreshShortcutActivated();

private:
    // A part of the window that puts it back in order after a failure.
    friend class EngineFailures;

    void buildToolbar();
    void buildShortcuts();
    void applyStoredSettings();
    // Every text of the window in the current language; the panel values read "Unknown" again.
    void retranslateTexts();
    void languageApplied();

    void setInterfaceState(Interface::State state);
    void putNoCardEntry();
    void setRefreshControlsEnabled(bool enabled);
    void startTimerAfterError();
    bool autoRefreshEnabled() const;
    void retryInterfaces();
    void clearLists();
    // The panel's network rows follow the pressed row: once that row is no longer listed they
    // read "Unknown" again.
    void checkPressedRow(bool profileList);

    Ui::AirvaneLite *ui;
    NetworkLists *lists = nullptr;
    NetworkInfoPanel *infoPanel = nullptr;
    ConnectionFlow *flow = nullptr;
    ConnectionDialogs *dialogs = nullptr;
    EngineFailures *failures = nullptr;
    WirelessWorker *worker = nullptr;
    MainWindowChrome *windowChrome = nullptr;
    QShortcut *refreshShortcut = nullptr;
    QTimer *refreshTimer = nullptr;
    Interface::State adapterState = Interface::NotLoaded;
    std::optional<NetworkLists::RowKey> pressedRow;
    bool adapterRemoved = false;
    // True until the stored settings have been applied once: only then runs the quiet update check.
    bool firstApplication = true;
    bool updatesEnabled = true;
    bool shutDown = false;
};
