#pragma once

// The notification thread of the NetworkManager backend: a QObject living in a thread of its own
// that receives NetworkManager's D-Bus signals (device state changes, finished scans, the service
// leaving and returning) and hands them on, on that thread, to the backend's handlers.

#include <QDBusConnection>
#include <QObject>
#include <QString>
#include <QVariantMap>

#include <functional>

class QDBusMessage;
class QDBusServiceWatcher;

namespace wlan {

class NetworkManagerListener : public QObject
{
    Q_OBJECT

public:
    struct Handlers {
        std::function<void(const QString &devicePath, uint newState, uint oldState, uint reason)> deviceState;
        std::function<void(const QString &devicePath)> scanDone;
        std::function<void(bool present)> servicePresence;
    };

    NetworkManagerListener(const QDBusConnection &bus, Handlers handlers);

public slots:
    // Subscribes to the signals; runs on the listener's own thread.
    void start();
    // A scan that needs no waiting (NetworkManager's list is already current) ends on this thread too.
    void reportScanDone(const QString &devicePath);

private slots:
    void onStateChanged(uint newState, uint oldState, uint reason, const QDBusMessage &message);
    void onPropertiesChanged(const QString &interfaceName, const QVariantMap &changed,
                             const QStringList &invalidated, const QDBusMessage &message);
    void onServiceRegistered();
    void onServiceUnregistered();

private:
    QDBusConnection m_bus;
    Handlers m_handlers;
    QDBusServiceWatcher *m_watcher = nullptr;
};

} // namespace wlan
