#include "ui/main/ConnectionDialogs.h"

#include "app/settings/SettingsKeys.h"
#include "app/settings/SettingsStore.h"
#include "ui/dialogs/ConnectAP.h"
#include "ui/dialogs/ConnectHAP.h"
#include "ui/dialogs/NotifyAP.h"
#include "ui/main/AirvaneLite.h"
#include "ui/main/ConnectionFlow.h"
#include "ui/main/OpenNetworkReminder.h"
#include "ui/widgets/WindowRules.h"

ConnectionDialogs::ConnectionDialogs(AirvaneLite *window, ConnectionFlow *flow)
    : QObject(window), window(window), flow(flow)
{
    setObjectName(QStringLiteral("connectionDialogs"));
    passwordDialog = new ConnectAP;
    notification = new NotifyAP;
    hiddenDialog = new ConnectHAP;
    openReminder = new OpenNetworkReminder([window](const QString &name) { return window->isNetworkListed(name); },
                                           this);
    notifyWhenOpenAP = readAppSetting(QLatin1String(SettingsKey::NotifyWhenOpenAP), true).toBool();
    notification->loadNotificationSettings(notifyWhenOpenAP);

    ConnectAP *cap = passwordDialog.data();
    NotifyAP *nap = notification.data();
    ConnectHAP *hap = hiddenDialog.data();
    using A = AirvaneLite;
    using F = ConnectionFlow;
    connect(window, &A::selectedNetwork, cap, &ConnectAP::setSelectedNetwork);
    connect(flow, &F::apConnected, cap, &ConnectAP::setAPConnected);
    connect(flow, &F::apDisconnected, cap, &ConnectAP::setAPDisconnected);
    connect(flow, &F::connectionFailed, cap, &ConnectAP::setConnectionFailed);
    connect(flow, &F::protectedSSIDData, cap, &ConnectAP::setProtectedSSIDData);
    connect(flow, &F::wlanStateConnected, cap, &ConnectAP::setWlanStateConnected);
    connect(flow, &F::wlanStateConnected, nap, &NotifyAP::setWlanStateConnected);
    connect(flow, &F::wlanStateDisconnected, cap, &ConnectAP::setWlanStateDisconnected);
    connect(flow, &F::wlanStateDisconnected, nap, &NotifyAP::setWlanStateDisconnected);
    connect(window, &A::allWirelessNetworksData, cap, &ConnectAP::setWlanNetworksData);
    connect(flow, &F::openSSIDData, nap, &NotifyAP::setOpenSSIDData);
    connect(this, &ConnectionDialogs::notificationStatusChanged, nap, &NotifyAP::loadNotificationSettings);
    connect(window, &A::selectedOpenHAP, hap, &ConnectHAP::setSelectedOpenHAP);

    connect(cap, &ConnectAP::currentNetwork, flow, &F::setCurrentNetwork);
    connect(nap, &NotifyAP::currentNetwork, flow, &F::setCurrentNetwork);
    connect(hap, &ConnectHAP::currentNetwork, flow, &F::setCurrentNetwork);
    // The dialogs also name the network when they disconnect; only a name given while their
    // connect starts is the profile that connect writes.
    connect(cap, &ConnectAP::currentNetwork, flow, [this, flow](const QString &name) {
        if (passwordDialog->connectionState() == ConnectAP::Connecting)
            flow->noteAttempt(name);
    });
    connect(nap, &NotifyAP::currentNetwork, flow, [this, flow](const QString &name) {
        if (notification->connectionState() == ConnectAP::Connecting)
            flow->noteAttempt(name);
    });
    connect(hap, &ConnectHAP::currentNetwork, flow, &F::noteAttempt);

    connect(cap, &ConnectAP::checkAPData, flow, &F::setCheckAPData);
    connect(nap, &NotifyAP::checkAPData, flow, &F::setCheckAPData);
    connect(cap, &ConnectAP::checkWlanState, window, &A::setCheckWlanState);
    connect(nap, &NotifyAP::checkWlanState, window, &A::setCheckWlanState);
    connect(cap, &ConnectAP::apState, window, &A::setSelectedNetworkState);
    connect(cap, &ConnectAP::connectClosed, window, &A::connectDialogClosed);
    connect(cap, &ConnectAP::hiddenNetwork, flow, [flow] { flow->setHiddenConnect(true); });
    connect(hap, &ConnectHAP::hapConnectClosed, window, [window] { window->setConnectEnabled(true); });
    connect(nap, &NotifyAP::notifyAPClosed, window, &A::setAPTimerOn);
    connect(nap, &NotifyAP::openAPNotification, this, [this](bool status) { notifyWhenOpenAP = status; });
    connect(nap, &NotifyAP::reminderSet, openReminder, &OpenNetworkReminder::setReminder);
    connect(openReminder, &OpenNetworkReminder::reminderDue, this, &ConnectionDialogs::reminderDue);
}

ConnectionDialogs::~ConnectionDialogs()
{
    delete passwordDialog.data();
    delete notification.data();
    delete hiddenDialog.data();
}

ConnectAP *ConnectionDialogs::connectAP() const
{
    return passwordDialog.data();
}

NotifyAP *ConnectionDialogs::notifyAP() const
{
    return notification.data();
}

ConnectHAP *ConnectionDialogs::connectHAP() const
{
    return hiddenDialog.data();
}

void ConnectionDialogs::showConnectAP(const QString &connectedProfile)
{
    applyTopMostSetting(passwordDialog);
    passwordDialog->setConnectedAPName(connectedProfile);
    passwordDialog->show();
    passwordDialog->raise();
    passwordDialog->activateWindow();
}

void ConnectionDialogs::runHiddenDialog()
{
    applyTopMostSetting(hiddenDialog);
    hiddenDialog->exec();
}

void ConnectionDialogs::scheduleDeletion()
{
    openReminder->stop();
    for (QWidget *dialog : {static_cast<QWidget *>(passwordDialog.data()), static_cast<QWidget *>(notification.data()),
                            static_cast<QWidget *>(hiddenDialog.data())}) {
        if (dialog)
            dialog->deleteLater();
    }
}

void ConnectionDialogs::setNotifyOpenAP()
{
    if (!notification || notification->isVisible() || !notifyWhenOpenAP || flow->phase() == ConnectionFlow::Connected)
        return;
    window->pauseAutoRefresh();
    applyTopMostSetting(notification);
    notification->exec();
}

void ConnectionDialogs::openAPNotificationSettings(bool status)
{
    notifyWhenOpenAP = status;
    emit notificationStatusChanged(status);
}

void ConnectionDialogs::reminderDue()
{
    notifyWhenOpenAP = true;
    emit notification->openAPNotification(true);
    notification->setHideReminder();
    setNotifyOpenAP();
}
