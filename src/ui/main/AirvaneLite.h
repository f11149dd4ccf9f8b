#pragma once

#include "ui/main/InterfaceState.h"
#include "wireless/ConnectionData.h"
#include "wireless/Dot11Types.h"
#include "wireless/WirelessAP.h"
#include "wireless/WirelessInterface.h"

#include <QDateTime>
#include <QMainWindow>
#include <QPointer>
#include <QString>
#include <QVector>

class ConnectAP;
class ConnectHAP;
class NetworkInfoPanel;
class NotifyAP;
class QAction;
class QFont;
class QLabel;
class QMenu;
class QPushButton;
class QShortcut;
class QThread;
class QTimer;
class QToolBar;
class QTreeWidget;
class QTreeWidgetItem;

namespace Ui {
class AirvaneLite;
}

// The main window: adapter selector, the network and profile lists, the information panel and the
// refresh cycle. It owns the worker thread of the process-wide WirelessConnect engine and talks to
// the engine through signals only.
class AirvaneLite : public QMainWindow
{
    Q_OBJECT

public:
    explicit AirvaneLite(QWidget *parent = nullptr);
    ~AirvaneLite() override;

    // "Airvane Lite", or with ShowFullInfo the channel, build and architecture as well.
    static QString titleText(bool showFullInfo, int channel);

signals:
    // Requests to the engine.
    void updateWlanInterface(int index);
    void refreshWlanNetworks(int interfaceIndex);
    void refreshProfiles(int currentInterface);
    void checkWirelessState(int wlanInterfaceIndex);
    void connectionRequest(QString profileName, QString apName, _DOT11_AUTH_ALGORITHM authAlgorithmData,
                           _DOT11_CIPHER_ALGORITHM encryptionData, bool hiddenAP, bool profileExists,
                           bool isAutoConn);
    void openProfileConnectRequest(QString profileName, QString apName,
                                   _DOT11_AUTH_ALGORITHM authAlgorithmData,
                                   _DOT11_CIPHER_ALGORITHM encryptionData, bool hiddenAP,
                                   bool profileExists, bool isAutoConn);
    void securedProfileConnectRequest(QString profileName, QString apName,
                                      _DOT11_AUTH_ALGORITHM apAuthAlgorithm,
                                      _DOT11_CIPHER_ALGORITHM apEncryption, QString apPassword,
                                      bool hiddenAP, bool profileExists, bool isAutoConn);
    void disconnectRequest();
    void removeWlanProfile(QString profileName, bool isScan);
    void removeFailedWlanProfile(QString name);
    void cancelRequest();
    void wlanUnregisterNotification();
    void freeWlanResources();

    // To the other windows.
    void networksRefreshStarted();
    void networksRefreshFinished();
    void allWirelessNetworksData(QVector<WirelessAP> networks);
    void selectedNetwork(QString ssid, _DOT11_CIPHER_ALGORITHM encryption,
                         _DOT11_AUTH_ALGORITHM authAlgortihm, bool isHidden);
    void selectedOpenHAP(QString profile, _DOT11_AUTH_ALGORITHM authAlgorithm,
                         _DOT11_CIPHER_ALGORITHM cipherAlgorithm, bool hiddenAP, bool profileExists,
                         bool isAutoConn);
    void apConnected(QString apName, _DOT11_CIPHER_ALGORITHM apEncryption, bool isSecured,
                     _DOT11_AUTH_ALGORITHM apAuthAlgorithm);
    void apDisconnected();
    void connectionFailed();
    void protectedSSIDData(QString ssid, bool isSecured, _DOT11_CIPHER_ALGORITHM cipherAlgorithm,
                           _DOT11_AUTH_ALGORITHM authAlgorithm, bool isHidden);
    void openSSIDData(QString ssid, _DOT11_CIPHER_ALGORITHM cipherAlgorithm,
                      _DOT11_AUTH_ALGORITHM authAlgorithm, bool isHidden, QString signal);
    void wlanStateConnected(QString apName, _DOT11_CIPHER_ALGORITHM apEncryption, bool isSecured,
                            _DOT11_AUTH_ALGORITHM authAlgorithm);
    void wlanStateDisconnected();
    void currentNetwork(QString name);
    void checkAPTimer();
    void notificationStatusChanged(bool status);
    void openFeedbackDlg(QWidget *parent);

public slots:
    // Adapter selector, lists and the refresh cycle.
    void refreshData();
    void adapterIndexChanged(int index);
    void setWirelessInterfaceData(const QVector<WirelessInterface> &interfaces);
    void setWirelessData(const QVector<WirelessAP> &networks);
    void setProfileWlanData(const QVector<WirelessAP> &profiles);
    void wirelessCardNotFound();
    void setWlanInterfacesError();
    void setWlanAvailableNetworksError();
    void setRefreshFailed(int errorCode);
    void setNetworksScanCompleted();
    void setAllWlanNetworks();
    void interfaceRemoved(int index);
    void setFailedToGetNetworkInfo(int errorCode);
    void setNoWirelessAPAvailable();
    void setAPTimerOn();
    void setAPTimerOff();
    void setCheckWlanState();

    // Connect and disconnect.
    void connectNetwork();
    void setAPConnecting();
    void setAPConnected();
    void setAPNotConnected(int errorCode);
    void setAPConnectionFailed(const QString &errorMsg);
    void setAPDisconnected();
    void setAPCanceled();
    void setAPCancelFailed(int errorCode);
    void setConnectedState(const ConnectionData &currentConnection);
    void setDisconnectedState();
    void setWlanProfileRemoved();
    void setRemoveWlanProfileError(int error);
    void failedWlanProfileRemoved();
    void setWlanUnregisterNotificationError(int errorCode);
    void setCheckAPData(const QString &profileName);
    void setCurrentNetwork(const QString &name);

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

    // Stores the geometry and stops the worker; runs on the application's aboutToQuit, once.
    void shutdown();

protected:
    bool event(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private slots:
    void networkItemPressed(QTreeWidgetItem *item, int column);
    void profileItemPressed(QTreeWidgetItem *item, int column);
    void copyWirelessInformation();
    void refreshShortcutActivated();
    void setReminder(const QString &apName);
    void checkReminder();

private:
    void buildLists();
    void buildToolbar();
    void buildShortcuts();
    void applyStoredSettings();
    void startWorker();
    void stopWorker();

    Interface::State interfaceState() const;
    void setInterfaceState(Interface::State state);
    void putNoCardEntry();
    void setRefreshControlsEnabled(bool enabled);
    void enableProfileList();
    void showEmptyListPlaceholders();
    void layOutPlaceholder(QTreeWidget *list, QLabel *placeholder);
    void stopTimerForError();
    void startTimerAfterError();
    bool autoRefreshEnabled() const;
    int currentAdapterIndex() const;
    void setConnectTexts(bool connected);
    void retryInterfaces();
    void buildConnectionDialogs();
    void markRowConnected(QTreeWidget *list, int column, const QString &name);
    void markRowDisconnected(QTreeWidget *list, int column, const QString &name);
    void markConnectionRowsDisconnected();
    void clearConnectingMarks();
    void noteAttempt(const QString &profileName);
    QTreeWidgetItem *networkRowNamed(const QString &name) const;
    void stopReminder();

    QTreeWidgetItem *makeRow(const WirelessAP &record, bool withProfile, const QFont &boldFont) const;
    static void setRowFont(QTreeWidgetItem *item, const QFont &font);

    Ui::AirvaneLite *ui;
    NetworkInfoPanel *infoPanel = nullptr;
    QLabel *networkPlaceholder = nullptr;
    QLabel *profilePlaceholder = nullptr;
    QToolBar *menuToolBar = nullptr;
    QAction *refreshAction = nullptr;
    QAction *connectAction = nullptr;
    QShortcut *refreshShortcut = nullptr;
    QThread *workerThread = nullptr;
    QTimer *refreshTimer = nullptr;

    QPointer<ConnectAP> connectAP;
    QPointer<NotifyAP> notifyAP;
    QPointer<ConnectHAP> connectHAP;
    QPointer<QTimer> reminderTimer;
    QString reminderAPName;
    QDateTime lastReminderCheck;

    int connectState = 0;
    QString currentNetworkName;
    QString currentProfile;
    QString connectedNetwork;
    QString connectedProfile;
    int connectedCipher = 0;
    bool connectedIsSecured = false;
    int connectedAuth = 0;
    bool hiddenConnect = false;
    // The profile that the running connect wrote, the only one a failure may delete. Empty when
    // the attempt uses a saved profile.
    QString attemptProfile;
    // The running attempt was canceled; its late failure report is not a failure to show.
    bool attemptCanceled = false;
    bool notifyWhenOpenAP = true;
    bool adapterRemoved = false;
    bool shutDown = false;
};
