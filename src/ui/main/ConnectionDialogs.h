#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

class AirvaneLite;
class ConnectAP;
class ConnectHAP;
class ConnectionFlow;
class NotifyAP;
class OpenNetworkReminder;

// The connection dialogs of the main window (password, hidden network, open-network notification):
// which one opens, and the relays between them, the window and the connection flow. The dialogs
// have no parent; this object deletes them.
class ConnectionDialogs : public QObject
{
    Q_OBJECT

public:
    ConnectionDialogs(AirvaneLite *window, ConnectionFlow *flow);
    ~ConnectionDialogs() override;

    ConnectAP *connectAP() const;
    NotifyAP *notifyAP() const;
    ConnectHAP *connectHAP() const;
    OpenNetworkReminder *reminder() const { return openReminder; }

    // The password window for the selected secured network; `connectedProfile` is the profile of
    // the connection the window knows about.
    void showConnectAP(const QString &connectedProfile);
    void runHiddenDialog();
    // Deletes the dialogs at the next turn of the event loop (the application is quitting).
    void scheduleDeletion();

signals:
    void notificationStatusChanged(bool status);

public slots:
    // Shows the open-network notification unless it is up already, switched off, or the adapter
    // is connected.
    void setNotifyOpenAP();
    // Stores the open-network notification flag (the settings dialog's switch) and tells the
    // notification window.
    void openAPNotificationSettings(bool status);

private:
    void reminderDue();

    AirvaneLite *window;
    ConnectionFlow *flow;
    QPointer<ConnectAP> passwordDialog;
    QPointer<NotifyAP> notification;
    QPointer<ConnectHAP> hiddenDialog;
    OpenNetworkReminder *openReminder = nullptr;
    bool notifyWhenOpenAP = true;
};
