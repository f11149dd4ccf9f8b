#include "ui/main/WirelessWorker.h"

#include "ui/main/AirvaneLite.h"
#include "ui/main/ConnectionFlow.h"
#include "ui/main/EngineFailures.h"
#include "wireless/WirelessConnect.h"
#include "wireless/WirelessTexts.h"

#include <QThread>

WirelessWorker::WirelessWorker(QObject *parent) : QObject(parent)
{
    setObjectName(QStringLiteral("wirelessWorker"));
}

WirelessWorker::~WirelessWorker()
{
    stop();
}

void WirelessWorker::start(AirvaneLite *window, ConnectionFlow *flow)
{
    if (thread)
        return;

    thread = std::make_unique<QThread>();
    thread->setObjectName(QStringLiteral("WirelessWorker"));
    WirelessConnect *engine = WirelessConnect::instance();
    // The engine outlives a window: after an earlier worker's thread has ended it belongs to no
    // thread, and is taken back before it moves on.
    if (!engine->thread())
        engine->moveToThread(QThread::currentThread());
    engine->moveToThread(thread.get());
    qRegisterMetaType<ConnectionData>("ConnectionData");
    qRegisterMetaType<QVector<WirelessInterface>>("QVector<WirelessInterface>");
    qRegisterMetaType<QVector<WirelessAP>>("QVector<WirelessAP>");
    registerWirelessMetaTypes();

    QMetaObject::invokeMethod(engine, "initWlan");

    // The order of these connections is the order the engine's reports reach their receivers.
    using W = WirelessConnect;
    using A = AirvaneLite;
    using F = ConnectionFlow;
    using E = EngineFailures;
    E *failures = window->engineFailures();
    connect(engine, &W::wirelessInterfaceData, window, &A::setWirelessInterfaceData);
    connect(engine, &W::appWirelessData, window, &A::setWirelessData);
    connect(engine, &W::appProfileWlanData, window, &A::setProfileWlanData);
    connect(flow, &F::connectionRequest, engine, &W::connectOpenAP);
    connect(flow, &F::disconnectRequest, engine, &W::disconnectAP);
    connect(flow, &F::securedProfileConnectRequest, engine, &W::connectSecuredAP);
    connect(flow, &F::openProfileConnectRequest, engine, &W::connectOpenAP);
    connect(engine, &W::apDisconnected, flow, &F::setAPDisconnected);
    connect(engine, &W::wirelessCardNotDetected, failures, &E::wirelessCardNotFound);
    connect(engine, &W::wlanInterfacesError, failures, &E::setWlanInterfacesError);
    connect(engine, &W::notifyOpenAP, window, &A::setNotifyOpenAP);
    connect(window, &A::updateWlanInterface, engine, &W::manageWlanInterface);
    connect(window, &A::refreshWlanNetworks, engine, &W::refreshNetworks);
    connect(engine, &W::refreshFailed, failures, &E::setRefreshFailed);
    connect(engine, &W::networksScanCompleted, window, &A::setNetworksScanCompleted);
    connect(engine, &W::wlanNetworksAdded, window, &A::setAllWlanNetworks);
    connect(engine, &W::apConnecting, flow, &F::setAPConnecting);
    connect(engine, &W::apNotConnected, flow, &F::setAPNotConnected);
    connect(engine, &W::apConnectionComplete, flow, &F::setAPConnected);
    connect(engine, &W::apConnectionFailed, flow, &F::setAPConnectionFailed);
    connect(engine, &W::wlanAvailableNetworksError, failures, &E::setWlanAvailableNetworksError);
    connect(flow, &F::cancelRequest, engine, &W::cancelAP, Qt::DirectConnection);
    connect(engine, &W::apCanceled, flow, &F::setAPCanceled);
    connect(engine, &W::apCancelFailed, flow, &F::setAPCancelFailed);
    connect(window, &A::checkWirelessState, engine, &W::checkWlanState);
    connect(engine, &W::connectedState, flow, &F::setConnectedState);
    connect(engine, &W::wlanStateDisconnected, flow, &F::setDisconnectedState);
    connect(engine, &W::noWirelessAPAvailable, window, &A::setNoWirelessAPAvailable);
    connect(flow, &F::removeWlanProfile, engine, &W::setWlanDeleteProfile);
    connect(engine, &W::removeWlanProfileError, flow, &F::setRemoveWlanProfileError);
    connect(engine, &W::failedToGetNetworkInfo, failures, &E::setFailedToGetNetworkInfo);
    connect(engine, &W::wlanProfileRemoved, flow, &F::setWlanProfileRemoved);
    connect(flow, &F::removeFailedWlanProfile, engine, &W::deleteFailedWlanProfile);
    connect(engine, &W::wlanFailedProfileRemoved, flow, &F::failedWlanProfileRemoved);
    connect(flow, &F::refreshProfiles, engine, &W::getWlanInRangeProfiles);
    connect(engine, &W::removeInterface, window, &A::interfaceRemoved);
    connect(window, &A::wlanUnregisterNotification, engine, &W::setWlanUnregisterNotification,
            Qt::DirectConnection);
    connect(engine, &W::wlanUnregisterNotificationError, failures, &E::setWlanUnregisterNotificationError);
    connect(this, &WirelessWorker::freeWlanResources, engine, &W::setFreeWlanResources, Qt::DirectConnection);

    thread->start(QThread::InheritPriority);
}

void WirelessWorker::stop()
{
    if (!thread || thread->isFinished())
        return;
    emit freeWlanResources();
    thread->quit();
    thread->wait();
}
