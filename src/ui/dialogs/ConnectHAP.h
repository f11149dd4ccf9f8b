#pragma once

#include "wireless/Dot11Types.h"

#include <QDialog>
#include <QString>

namespace Ui {
class ConnectHAP;
}

// Asks for the name of a hidden network. Everything else about the network (authentication,
// cipher, password, auto-connect) is handed over by the opener beforehand; Connect sends the
// request for the typed name straight to the wireless engine.
class ConnectHAP : public QDialog
{
    Q_OBJECT

public:
    explicit ConnectHAP(QWidget *parent = nullptr);
    ~ConnectHAP() override;

signals:
    void connectSecuredRequest(QString profile, QString ssid, _DOT11_AUTH_ALGORITHM apAuthAlgorithm,
                               _DOT11_CIPHER_ALGORITHM apEncryption, QString password, bool hiddenAP,
                               bool profileExists, bool isAutoConn);
    void connectOpenRequest(QString profile, QString ssid, _DOT11_AUTH_ALGORITHM apAuthAlgorithm,
                            _DOT11_CIPHER_ALGORITHM apEncryption, bool hiddenAP, bool profileExists,
                            bool isAutoConn);
    void currentNetwork(QString name);
    void wlanConnectivityStatus(QString status);
    void hapConnectClosed();

public slots:
    void setSelectedOpenHAP(QString profile, _DOT11_AUTH_ALGORITHM authAlgorithm,
                            _DOT11_CIPHER_ALGORITHM cipherAlgorithm, bool hiddenAP, bool profileExists,
                            bool isAutoConn);
    void setSelectedProtectedHAP(QString profile, _DOT11_AUTH_ALGORITHM authAlgorithm,
                                 _DOT11_CIPHER_ALGORITHM cipherAlgorithm, bool isSecured, QString password,
                                 bool hiddenAP, bool profileExists, bool isAutoConn);

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void changeEvent(QEvent *event) override;

private slots:
    void connectHiddenNetwork();

private:
    // A close that follows Connect is not a cancel; any other close tells the opener.
    void noteClosing();

    Ui::ConnectHAP *ui;

    QString profile;
    QString ssid;
    _DOT11_AUTH_ALGORITHM authAlgorithm = DOT11_AUTH_ALGO_80211_OPEN;
    _DOT11_CIPHER_ALGORITHM cipherAlgorithm = DOT11_CIPHER_ALGO_NONE;
    bool isSecured = false;
    QString password;
    bool hiddenAP = false;
    bool profileExists = false;
    bool isAutoConn = false;
    bool connectStarted = false;
};
