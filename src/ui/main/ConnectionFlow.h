#pragma once

#include "wireless/ConnectionData.h"
#include "wireless/Dot11Types.h"

#include <QObject>
#include <QString>

class AirvaneLite;
class ConnectionDialogs;
class NetworkInfoPanel;
class NetworkLists;
class QTreeWidgetItem;

namespace Ui {
class AirvaneLite;
}

// Connect, disconnect and cancel from the main window, and what the engine reports back: the
// phase of the adapter's connection, the running attempt and the boxes that tell the user.
class ConnectionFlow : public QObject
{
    Q_OBJECT

public:
    // The adapter's connection as the window knows it (the same numbering as the dialogs use).
    enum Phase : int { NotConnected = 0, Connecting = 1, Connected = 2, Ended = 3 };
    Q_ENUM(Phase)

    ConnectionFlow(AirvaneLite *window, Ui::AirvaneLite *form, NetworkLists *lists, NetworkInfoPanel *panel);

    void setDialogs(ConnectionDialogs *dialogs) { this->dialogs = dialogs; }
    Phase phase() const { return currentPhase; }
    void setPhase(Phase phase) { currentPhase = phase; }
    // The profile of the connection the window knows about ("" when none).
    QString connectedProfileName() const { return currentProfile; }

signals:
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
    void cancelRequest();
    void refreshProfiles(int currentInterface);
    void removeWlanProfile(QString profileName, bool isScan);
    void removeFailedWlanProfile(QString name);

    // To the connection dialogs.
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

public slots:
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
    void setCheckAPData(const QString &profileName);
    void setCurrentNetwork(const QString &name);
    // Notes the profile a starting connect writes, the only one its failure may delete ("" for a
    // saved profile, which belongs to the user).
    void noteAttempt(const QString &profileName);
    void setHiddenConnect(bool hidden) { hiddenConnect = hidden; }
    // Asks the engine to cancel the running attempt; the window answers a failed cancel itself.
    void requestCancel();

private:
    void connectProfileRow(QTreeWidgetItem *row);
    // Returns true when the row was handed on (a dialog or a request).
    bool connectNetworkRow(QTreeWidgetItem *row);
    void markConnectionRowsDisconnected();
    // An attempt ended without a connection: the service may have dropped the one before it.
    void recheckAfterAttempt();
    void showBox(const QString &title, const QString &text, int icon, bool parented = false);

    AirvaneLite *window;
    Ui::AirvaneLite *ui;
    NetworkLists *lists;
    NetworkInfoPanel *panel;
    ConnectionDialogs *dialogs = nullptr;

    Phase currentPhase = NotConnected;
    QString currentNetworkName;
    QString currentProfile;
    QString connectedNetwork;
    QString connectedProfile;
    // The security of the connected network, from its profile row (or the row connected from).
    int connectedCipher = 0;
    bool connectedIsSecured = false;
    int connectedAuth = 0;
    bool hiddenConnect = false;
    // The profile that the running connect wrote, the only one a failure may delete. Empty when
    // the attempt uses a saved profile.
    QString attemptProfile;
    // An attempt was canceled and the next one has not reported its start yet: a failure report
    // in between is the canceled attempt's, not a failure to show.
    bool attemptCanceled = false;
    // This window asked for the cancel, so a failed cancel is its box to show.
    bool cancelPending = false;
};
