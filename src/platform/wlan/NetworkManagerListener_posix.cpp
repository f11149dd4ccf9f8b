#include "platform/wlan/NetworkManagerListener_posix.h"

#include <QDBusMessage>
#include <QDBusServiceWatcher>

namespace wlan {

namespace {
const QString kService = QStringLiteral("org.freedesktop.NetworkManager");
const QString kWirelessInterface = QStringLiteral("org.freedesktop.NetworkManager.Device.Wireless");
} // namespace

NetworkManagerListener::NetworkManagerListener(const QDBusConnection &bus, Handlers handlers)
    : m_bus(bus)
    , m_handlers(std::move(handlers))
{
}

void NetworkManagerListener::start()
{
    m_bus.connect(kService, QString(), QStringLiteral("org.freedesktop.NetworkManager.Device"),
                  QStringLiteral("StateChanged"), this,
                  SLOT(onStateChanged(uint,uint,uint,QDBusMessage)));
    m_bus.connect(kService, QString(), QStringLiteral("org.freedesktop.DBus.Properties"),
                  QStringLiteral("PropertiesChanged"), this,
                  SLOT(onPropertiesChanged(QString,QVariantMap,QStringList,QDBusMessage)));
    m_watcher = new QDBusServiceWatcher(kService, m_bus, QDBusServiceWatcher::WatchForOwnerChange, this);
    connect(m_watcher, &QDBusServiceWatcher::serviceRegistered, this, &NetworkManagerListener::onServiceRegistered);
    connect(m_watcher, &QDBusServiceWatcher::serviceUnregistered, this,
            &NetworkManagerListener::onServiceUnregistered);
}

void NetworkManagerListener::reportScanDone(const QString &devicePath)
{
    m_handlers.scanDone(devicePath);
}

void NetworkManagerListener::onStateChanged(uint newState, uint oldState, uint reason, const QDBusMessage &message)
{
    m_handlers.deviceState(message.path(), newState, oldState, reason);
}

void NetworkManagerListener::onPropertiesChanged(const QString &interfaceName, const QVariantMap &changed,
                                                 const QStringList &invalidated, const QDBusMessage &message)
{
    if (interfaceName == kWirelessInterface
        && (changed.contains(QStringLiteral("LastScan")) || invalidated.contains(QStringLiteral("LastScan"))))
        m_handlers.scanDone(message.path());
}

void NetworkManagerListener::onServiceRegistered()
{
    m_handlers.servicePresence(true);
}

void NetworkManagerListener::onServiceUnregistered()
{
    m_handlers.servicePresence(false);
}

} // namespace wlan
