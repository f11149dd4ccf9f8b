#pragma once

#include <QObject>

class AirvaneLite;

// What the window does when the engine reports a failure: no wireless card, no interfaces, no
// network list, a refused refresh, no network details, a subscription that could not be ended.
// Each puts the window in a state it can go on from and asks the user through a box.
class EngineFailures : public QObject
{
    Q_OBJECT

public:
    explicit EngineFailures(AirvaneLite *window);

public slots:
    void wirelessCardNotFound();
    void setWlanInterfacesError();
    void setWlanAvailableNetworksError();
    void setRefreshFailed(int errorCode);
    void setFailedToGetNetworkInfo(int errorCode);
    void setWlanUnregisterNotificationError(int errorCode);

private:
    AirvaneLite *window;
};
