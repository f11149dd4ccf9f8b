#pragma once

// The wireless engine: owns the WLAN client handle and performs every WLAN operation of the
// program. One process-wide instance, moved into a worker thread by the main window and driven
// through queued slots. A few slots (cancelAP, setWlanUnregisterNotification,
// setFreeWlanResources) are also called directly on the GUI thread, and the service's notification
// thread reaches the engine through instance(), so the state shared between threads is kept in
// atomics or behind stateMutex (never held while emitting or calling the service).

#include "platform/wlan/WlanClient.h"
#include "wireless/ConnectionData.h"
#include "wireless/Dot11Types.h"
#include "wireless/WirelessAP.h"
#include "wireless/WirelessInterface.h"

#include <QObject>
#include <QString>
#include <QVector>

#include <atomic>
#include <memory>
#include <mutex>

void wlanNotificationCallback(const wlan::Notification *notification, void *context);

class WirelessConnect : public QObject
{
    Q_OBJECT

public:
    static WirelessConnect *instance();
    ~WirelessConnect() override;

    // Back to the state right after construction: notifications cancelled, handle closed, client
    // dropped, active adapter and pending scan forgotten. The next initWlan starts afresh.
    void reset();

signals:
    void wirelessCardNotDetected();
    void wlanInterfacesError();
    void wlanAvailableNetworksError();
    void wirelessInterfaceData(QVector<WirelessInterface> wirelessInterfaceVector);
    void appWirelessData(QVector<WirelessAP> wirelessDataVector);
    void appProfileWlanData(QVector<WirelessAP> wlanProfileDataVector);
    void apConnected(QString apName);
    void apNotConnected(int dwResult);
    void apDisconnected();
    void notifyOpenAP();
    void apConnecting();
    void apConnectionComplete();
    void apConnectionFailed(QString error);
    void connectedState(ConnectionData currentConnection);
    void wlanStateDisconnected();
    void wlanUnregisterNotificationError(int errorCode);
    void noWirelessAPAvailable();
    void scanAPConnected(QString profile);
    void scanAPNotConnected();
    void removeWlanProfileError(int errorCode);
    void wlanProfileRemoved();
    void refreshFailed(int errorCode);
    void networksScanCompleted();
    void wlanFailedProfileRemoved();
    void removeInterface(int index);
    void failedToGetNetworkInfo(int errorCode);
    void apCanceled();
    void apCancelFailed(int errorCode);
    void wlanNetworksAdded();

public slots:
    void initWlan();
    void manageWlanInterface(int interfaceIndex);
    void connectOpenAP(const QString &profileName, const QString &apName,
                       _DOT11_AUTH_ALGORITHM authAlgorithm, _DOT11_CIPHER_ALGORITHM encryption,
                       bool hiddenAP, bool profileExists, bool isAutoConnection);
    void connectSecuredAP(const QString &profileName, const QString &apName,
                          _DOT11_AUTH_ALGORITHM authAlgorithm, _DOT11_CIPHER_ALGORITHM encryption,
                          const QString &password, bool hiddenAP, bool profileExists,
                          bool isAutoConnection);
    void setWirelessNetworks(int interfaceIndex, bool isScanning);
    void setFreeWlanResources();
    void setWlanUnregisterNotification();
    void setWlanDeleteProfile(const QString &profile, bool isRecoverScan);
    void disconnectAP();
    void checkWlanState(int interfaceIndex);
    void refreshNetworks(int interfaceIndex);
    void getWlanInRangeProfiles(int adapterInterfaceIndex);
    void deleteFailedWlanProfile(const QString &profile);
    void cancelAP();

private:
    WirelessConnect();
    Q_DISABLE_COPY(WirelessConnect)

    friend void wlanNotificationCallback(const wlan::Notification *notification, void *context);

    // What one operation needs of the shared state, copied under the lock.
    struct Session {
        std::shared_ptr<wlan::WlanClient> client;
        wlan::Handle handle = 0;
        wlan::Guid guid;
        int activeState = 0;
    };
    Session session() const;

    void discoverInterfaces(int requestedIndex);
    WirelessAP buildRecord(const Session &s, const wlan::AvailableNetwork &network);
    uint32_t writeProfile(const Session &s, const QString &xml, uint32_t &reasonCode);
    uint32_t rewriteExistingProfile(const Session &s, const QString &profileName, const QString &xml);
    uint32_t readSavedProfile(const Session &s, const QString &profileName);
    void requestConnection(const Session &s, const QString &profileName);
    void onScanComplete();

    mutable std::mutex stateMutex;
    std::shared_ptr<wlan::WlanClient> client;       // guarded by stateMutex
    wlan::Guid activeInterfaceGuid;                 // guarded by stateMutex
    wlan::InterfaceInfo activeInterfaceInfo;        // guarded by stateMutex

    std::atomic<wlan::Handle> clientHandle{0};
    std::atomic<int> scanInterfaceIndex{0};
    std::atomic<bool> scanPending{false};
    // A scan-complete listing has been handed to the engine's thread and has not run yet; keeps a
    // burst of notifications from producing more than one listing per requested scan.
    std::atomic<bool> listingQueued{false};
};
