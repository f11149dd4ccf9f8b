#pragma once

#include "platform/os/Services.h"
#include "wireless/Dot11Types.h"
#include "wireless/WirelessAP.h"

#include <QDateTime>
#include <QDialog>
#include <QHash>
#include <QSize>
#include <QString>
#include <QVector>

#include <memory>

namespace Ui {
class NotifyAP;
}

class AppQLabel;
class ConnectHAP;
class QLabel;
class QMouseEvent;

// The notification that an open network is in range: connect at once, be reminded at a chosen
// moment, or never be told again. Frameless, with a title bar of its own that drags the window.
class NotifyAP : public QDialog
{
    Q_OBJECT

public:
    static constexpr QSize collapsedSize{ 520, 165 };
    static constexpr QSize expandedSize{ 520, 202 };

    explicit NotifyAP(QWidget *parent = nullptr);
    ~NotifyAP() override;

    // Same numbering as ConnectAP: 0 not connected, 1 connecting, 2 connected, 3 ended, 4 initial.
    int connectionState() const { return state; }

    // The stored form of a reminder moment: "yyyy-MM-dd " and the clock format of the interface
    // language, rendered in the English (United States) locale whatever the system's locale. The
    // main window compares the current time in this form with "AppSettings"/"Reminder".
    static QString reminderText(const QDateTime &moment);

    // The message for the outcome of the WMI service check; empty when there is nothing to say.
    static QString wmiServiceMessage(os::WmiServiceStatus status);

signals:
    void connectOpenAPRequest(QString profileName, QString apName, _DOT11_AUTH_ALGORITHM authentication,
                              _DOT11_CIPHER_ALGORITHM encryption, bool hiddenAP, bool profileExists,
                              bool isAutoConnection);
    void disconnectOpenAPRequest();
    void openAPNotification(bool status);
    void reminderSet(QString apName);
    void currentNetwork(QString name);
    void checkAPData(QString ssid);
    void checkWlanState();
    void selectedOpenHAP(QString profile, _DOT11_AUTH_ALGORITHM authAlgorithm,
                         _DOT11_CIPHER_ALGORITHM cipherAlgorithm, bool hiddenAP, bool profileExists,
                         bool isAutoConn);
    void notifyAPClosed();
    void cancelRequest();

public slots:
    void setWlanOpenAPData(QVector<WirelessAP> wirelessDataVector);
    void loadNotificationSettings(bool status);
    void setHideReminder();
    void setAPConnected();
    void setAPDisconnected();
    void setOpenSSIDData(QString ssid, _DOT11_CIPHER_ALGORITHM cipherAlgorithm,
                         _DOT11_AUTH_ALGORITHM authAlgorithm, bool isHidden, QString signal);
    void setWlanStateConnected(QString apName, _DOT11_CIPHER_ALGORITHM apEncryption, bool isSecured,
                               _DOT11_AUTH_ALGORITHM apAuthAlgorithm);
    void setWlanStateDisconnected();
    void setAPCanceled();
    void setAPCancelFailed(int errorCode);
    // Escape and every other rejection go through the close handling.
    void reject() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;

private slots:
    void connectNow();
    void remindLater();
    void storeReminder();
    void doNotShowAgain(bool checked);
    void showSystemInformation();
    void titlePressed(QMouseEvent *event);
    void titleMoved(QMouseEvent *event);
    void titleReleased(QMouseEvent *event);
    void hiddenDialogClosed();

private:
    void setIcon(QLabel *label, const QString &resource);
    void showReminderRow(bool visible);
    void requestCancel();
    void checkWmiService();
    void useOfferedData(const QString &profileName);

    Ui::NotifyAP *ui;
    AppQLabel *routerPicture = nullptr;
    bool picturesLoaded = false;
    std::unique_ptr<ConnectHAP> hapDialog;

    QString apName;
    _DOT11_AUTH_ALGORITHM authAlgorithm = DOT11_AUTH_ALGO_80211_OPEN;
    _DOT11_CIPHER_ALGORITHM cipherAlgorithm = DOT11_CIPHER_ALGO_NONE;
    bool isHidden = false;
    bool isSecured = false;

    bool dragging = false;
    int pressX = 0;
    int pressY = 0;

    int state = 4;
    // The open networks on offer in the drop-down, by list name.
    QHash<QString, WirelessAP> offeredNetworks;
    bool cancelPending = false;
};
