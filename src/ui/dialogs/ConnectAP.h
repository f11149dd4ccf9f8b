#pragma once

#include "wireless/Dot11Types.h"
#include "wireless/WirelessAP.h"

#include <QHash>
#include <QString>
#include <QVector>
#include <QWidget>

#include <memory>

namespace Ui {
class ConnectAP;
}

class ConnectHAP;

// The window in which the user connects to a password-protected network. Connect, disconnect and
// cancel requests go straight to the wireless engine; everything else is reported to the main
// window. One network name and password can be remembered (enciphered) in the settings store.
class ConnectAP : public QWidget
{
    Q_OBJECT

public:
    enum State { NotConnected = 0, Connecting = 1, Connected = 2, Ended = 3, Initial = 4 };

    explicit ConnectAP(QWidget *parent = nullptr);
    ~ConnectAP() override;

    int connectionState() const { return state; }

    // The profile of the connection the main window knows about, copied in before the window is
    // shown so that the connected network is recognised.
    void setConnectedAPName(const QString &name) { connectedAPName = name; }

signals:
    void connectSecuredRequest(QString profileName, QString apName, _DOT11_AUTH_ALGORITHM apAuthAlgorithm,
                               _DOT11_CIPHER_ALGORITHM apEncryption, QString apPassword, bool hiddenAP,
                               bool profileExists, bool isAutoConn);
    void disconnectRequest();
    void connectClosed();
    void checkAPData(QString ssid);
    void currentNetwork(QString name);
    void checkWlanState();
    void selectedProtectedHAP(QString profile, _DOT11_AUTH_ALGORITHM authAlgorithm,
                              _DOT11_CIPHER_ALGORITHM cipherAlgorithm, bool isSecured, QString password,
                              bool hiddenAP, bool profileExists, bool isAutoConn);
    void cancelRequest();
    void apState(QString state);
    void hiddenNetwork();

public slots:
    void setSelectedNetwork(QString ssid, _DOT11_CIPHER_ALGORITHM encryption,
                            _DOT11_AUTH_ALGORITHM authAlgortihm, bool isHidden);
    void setAPConnected(QString apName, _DOT11_CIPHER_ALGORITHM apEncryption, bool isSecured,
                        _DOT11_AUTH_ALGORITHM apAuthAlgorithm);
    void setAPDisconnected();
    void setConnectionFailed();
    void setProtectedSSIDData(QString ssid, bool isSecured, _DOT11_CIPHER_ALGORITHM cipherAlgorithm,
                              _DOT11_AUTH_ALGORITHM authAlgorithm, bool isHidden);
    void setWlanStateConnected(QString apName, _DOT11_CIPHER_ALGORITHM apEncryption, bool isSecured,
                               _DOT11_AUTH_ALGORITHM apAuthAlgorithm);
    void setWlanStateDisconnected();
    void manageConnect();
    void setAPCanceled();
    void setAPCancelFailed(int errorCode);
    void setWlanNetworksData(QVector<WirelessAP> wirelessDataVector);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;

private slots:
    void networkPicked(const QString &name);
    void applyPasswordRule();
    void showCharacters(bool checked);
    void savePassword(bool checked);
    void hiddenNetworkChosen(const QString &name);
    void hiddenConnectivityStatus(const QString &status);
    void hiddenDialogClosed();

private:
    void resetDialog();
    void useOfferedData(const QString &ssid);
    void requestCancel();
    void showConnectedView();
    void loadSavedPassword();
    bool buttonReads(const QString &text) const;
    QString buttonTextForState() const;

    Ui::ConnectAP *ui;
    std::unique_ptr<ConnectHAP> hapDialog;

    QString selectedSsid;
    _DOT11_CIPHER_ALGORITHM encryption = DOT11_CIPHER_ALGO_NONE;
    _DOT11_AUTH_ALGORITHM authAlgorithm = DOT11_AUTH_ALGO_80211_OPEN;
    bool isSecured = false;
    bool isHidden = false;

    QString currentNetworkName;

    QString connectedAPName;
    _DOT11_CIPHER_ALGORITHM connectedEncryption = DOT11_CIPHER_ALGO_NONE;
    bool connectedIsSecured = false;
    _DOT11_AUTH_ALGORITHM connectedAuthAlgorithm = DOT11_AUTH_ALGO_80211_OPEN;
    bool isWlanConnected = false;

    QString hiddenNetworkName;
    int state = Initial;

    // The networks on offer in the drop-down, by SSID.
    QHash<QString, WirelessAP> offeredNetworks;
    bool cancelPending = false;
};
