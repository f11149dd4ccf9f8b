#include "platform/wlan/NetworkManagerWlanClient_posix.h"

#include "platform/wlan/NetworkManagerListener_posix.h"
#include "platform/wlan/NetworkManagerProfile_posix.h"
#include "platform/wlan/WlanReasonCodes.h"
#include "platform/wlan/WlanText.h"

#include <QAtomicInteger>
#include <QCryptographicHash>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QElapsedTimer>
#include <QHash>
#include <QThread>

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <map>
#include <mutex>

using NmSettings = wlan::NetworkManagerProfile::Settings;
using NmObjects = QMap<QDBusObjectPath, QMap<QString, QVariantMap>>;
using NmStringMap = QMap<QString, QString>;
Q_DECLARE_METATYPE(NmSettings)
Q_DECLARE_METATYPE(NmObjects)
Q_DECLARE_METATYPE(NmStringMap)

namespace wlan {

namespace {

const QString kService = QStringLiteral("org.freedesktop.NetworkManager");
const QString kRootPath = QStringLiteral("/org/freedesktop");
const QString kManagerPath = QStringLiteral("/org/freedesktop/NetworkManager");
const QString kSettingsPath = QStringLiteral("/org/freedesktop/NetworkManager/Settings");
const QString kManagerIface = QStringLiteral("org.freedesktop.NetworkManager");
const QString kSettingsIface = QStringLiteral("org.freedesktop.NetworkManager.Settings");
const QString kConnectionIface = QStringLiteral("org.freedesktop.NetworkManager.Settings.Connection");
const QString kDeviceIface = QStringLiteral("org.freedesktop.NetworkManager.Device");
const QString kWirelessIface = QStringLiteral("org.freedesktop.NetworkManager.Device.Wireless");
const QString kApIface = QStringLiteral("org.freedesktop.NetworkManager.AccessPoint");
const QString kActiveIface = QStringLiteral("org.freedesktop.NetworkManager.Connection.Active");

// Long enough for a busy service, short enough that a hung one never freezes the window for long
// (cancelAP calls disconnect from the user-interface thread).
constexpr int kCallTimeoutMs = 3000;
// Listing asks for one BSS list and one current connection per network right after reading the
// whole world; answers that young are taken from that reading.
constexpr qint64 kSnapshotMaxAgeMs = 2000;
constexpr uint32_t kGeneralFailure = 31;     // ERROR_GEN_FAILURE

// NMDeviceState
enum : uint {
    NmUnavailable = 20, NmDisconnected = 30, NmPrepare = 40, NmNeedAuth = 60, NmIpConfig = 70,
    NmSecondaries = 90, NmActivated = 100, NmDeactivating = 110, NmFailed = 120,
};
constexpr uint kDeviceTypeWifi = 2;

// NM80211ApSecurityFlags / NM80211ApFlags
enum : uint {
    SecPairTkip = 0x4, SecPairCcmp = 0x8, SecPsk = 0x100, SecEap = 0x200, SecSae = 0x400, SecOwe = 0x800,
    SecSuiteB192 = 0x2000, ApPrivacy = 0x1,
};

struct Ap {
    QByteArray ssid;
    QString hwAddress;
    uint frequencyMHz = 0;
    uint strength = 0;
    uint flags = 0;
    uint wpaFlags = 0;
    uint rsnFlags = 0;
    uint mode = 2;
    uint maxBitrate = 0;
};

struct Device {
    QString path;
    Guid guid;
    QString description;
    uint state = 0;
    QString activeConnection;
    QStringList accessPoints;
    uint mode = 2;
    bool managed = true;
};

struct Active {
    QString connection;
    QString specificObject;
};

struct Saved {
    QString path;
    NmSettings settings;
};

struct World {
    std::vector<Device> devices;
    QHash<QString, Ap> aps;
    QHash<QString, Active> active;
    std::vector<Saved> saved;
    bool hasSaved = false;
    bool wirelessEnabled = true;
    bool wirelessHardwareEnabled = true;

    const Device *device(const Guid &guid) const
    {
        for (const Device &dev : devices) {
            if (dev.guid == guid)
                return &dev;
        }
        return nullptr;
    }
    const Saved *savedAt(const QString &path) const
    {
        for (const Saved &s : saved) {
            if (s.path == path)
                return &s;
        }
        return nullptr;
    }
};

uint32_t errorOf(const QDBusMessage &reply)
{
    if (reply.type() == QDBusMessage::ReplyMessage)
        return Success;
    const QString name = reply.errorName();
    const auto is = [&name](const char *suffix) { return name.endsWith(QLatin1String(suffix)); };
    if (is(".ServiceUnknown") || is(".NameHasNoOwner") || is(".NoReply") || is(".Timeout") || is(".TimedOut")
        || is(".Disconnected") || is(".NoServer") || name.isEmpty())
        return ServiceNotActive;
    if (is(".PermissionDenied") || is(".AccessDenied") || is(".NotAuthorized"))
        return AccessDenied;
    if (is(".AlreadyExists"))
        return AlreadyExists;
    if (is(".UnknownObject") || is(".UnknownMethod") || is(".UnknownInterface") || is(".UnknownDevice")
        || is(".UnknownConnection") || is(".DoesNotExist") || is(".ConnectionNotAvailable"))
        return NotFound;
    if (is(".InvalidConnection") || is(".InvalidProperty") || is(".InvalidSetting") || is(".MissingProperty"))
        return BadProfile;
    return kGeneralFailure;
}

QStringList objectPaths(const QVariant &value)
{
    QList<QDBusObjectPath> list;
    if (value.canConvert<QDBusArgument>())
        list = qdbus_cast<QList<QDBusObjectPath>>(value.value<QDBusArgument>());
    else
        list = value.value<QList<QDBusObjectPath>>();
    QStringList out;
    for (const QDBusObjectPath &p : list)
        out << p.path();
    return out;
}

QString objectPath(const QVariant &value)
{
    const QString path = value.value<QDBusObjectPath>().path();
    return path == QLatin1String("/") ? QString() : path;
}

// A stable name for an adapter: the same device gets the same GUID in every run and after the
// service restarts, whatever object path NetworkManager gives it then.
Guid guidFor(const QString &address)
{
    const QByteArray h = QCryptographicHash::hash("NetworkManager Wi-Fi " + address.toUpper().toLatin1(),
                                                  QCryptographicHash::Sha1);
    const auto b = [&h](int i) { return static_cast<uint8_t>(h.at(i)); };
    Guid g;
    g.data1 = (uint32_t(b(0)) << 24) | (uint32_t(b(1)) << 16) | (uint32_t(b(2)) << 8) | b(3);
    g.data2 = static_cast<uint16_t>((b(4) << 8) | b(5));
    g.data3 = static_cast<uint16_t>((((b(6) << 8) | b(7)) & 0x0FFF) | 0x5000);
    g.data4[0] = static_cast<uint8_t>((b(8) & 0x3F) | 0x80);
    for (int i = 1; i < 8; ++i)
        g.data4[static_cast<size_t>(i)] = b(8 + i);
    return g;
}

int interfaceState(uint nmState)
{
    if (nmState == NmActivated)
        return Connected;
    if (nmState == NmDeactivating)
        return Disconnecting;
    if (nmState == NmDisconnected || nmState == NmFailed)
        return Disconnected;
    if (nmState == NmNeedAuth)
        return Authenticating;
    if (nmState >= NmPrepare && nmState < NmNeedAuth)
        return Associating;
    if (nmState >= NmIpConfig && nmState <= NmSecondaries)
        return Discovering;
    return NotReady;
}

// What an access point's WPA/RSN flags mean in the authentication and cipher values the engine
// knows. A WPA3 transition network (PSK and SAE) is reported as WPA2-PSK, which every adapter can join.
void apSecurity(const Ap &ap, bool &secured, int &auth, int &cipher)
{
    const uint rsn = ap.rsnFlags;
    const uint wpa = ap.wpaFlags;
    secured = true;
    const int rsnCipher = (rsn & SecPairTkip) && !(rsn & SecPairCcmp) ? 2 : 4;
    const int wpaCipher = (wpa & SecPairCcmp) ? 4 : 2;
    if (rsn & SecOwe) {
        auth = 10; cipher = 4;
    } else if (rsn & SecSuiteB192) {
        auth = 8; cipher = 9;
    } else if (rsn & SecEap) {
        auth = 6; cipher = rsnCipher;
    } else if (rsn & SecPsk) {
        auth = 7; cipher = rsnCipher;
    } else if (rsn & SecSae) {
        auth = 9; cipher = 4;
    } else if (wpa & SecEap) {
        auth = 3; cipher = wpaCipher;
    } else if (wpa & SecPsk) {
        auth = 4; cipher = wpaCipher;
    } else if (ap.flags & ApPrivacy) {
        auth = 1; cipher = 257;
    } else {
        secured = false; auth = 1; cipher = 0;
    }
}

// NetworkManager does not say which 802.11 generation an access point speaks; the band and the
// highest bit rate tell it well enough for display.
int phyTypeOf(const Ap &ap)
{
    const uint kbps = ap.maxBitrate;
    if (ap.frequencyMHz >= 5925)
        return 10;
    if (kbps > 1733000)
        return 10;
    if (ap.frequencyMHz >= 4900)
        return kbps > 600000 ? 8 : kbps > 54000 ? 7 : 4;
    return kbps > 54000 ? 7 : kbps > 11000 ? 6 : 5;
}

std::array<uint8_t, 6> macBytes(const QString &text)
{
    std::array<uint8_t, 6> out{};
    const QStringList parts = text.split(QLatin1Char(':'));
    if (parts.size() != 6)
        return out;
    for (int i = 0; i < 6; ++i)
        out[static_cast<size_t>(i)] = static_cast<uint8_t>(parts.at(i).toUInt(nullptr, 16));
    return out;
}

// NMDeviceStateReason to the WLAN reason code of a failed connection; never 0, which would read
// as success.
uint32_t failureReason(uint nmReason)
{
    switch (nmReason) {
    case 7:     // no secrets: the key was refused
    case 8:     // supplicant disconnected during the handshake
        return WlanReasonCodes::MsmsecPskMismatchSuspected;
    case 9:  return WlanReasonCodes::ProfileNotCompatible;     // supplicant configuration failed
    case 10: return WlanReasonCodes::InternalFailure;          // supplicant failed
    case 11: return WlanReasonCodes::AssociationTimeout;       // supplicant timeout
    case 36: return WlanReasonCodes::DriverDisconnected;       // device removed
    case 38: return WlanReasonCodes::ProfileChangedOrDeleted;  // connection removed
    case 39: return WlanReasonCodes::UserCancelled;            // user requested
    case 53: return WlanReasonCodes::NetworkNotAvailable;      // SSID not found
    default: return WlanReasonCodes::Unknown;
    }
}

bool matchesSecurity(const Ap &ap, bool securityEnabled)
{
    bool secured = false;
    int auth = 0;
    int cipher = 0;
    apSecurity(ap, secured, auth, cipher);
    return secured == securityEnabled;
}

int bssTypeOf(uint nmMode)
{
    return nmMode == 1 ? 2 : 1;
}

} // namespace

struct NetworkManagerWlanClient::Private {
    struct Registration {
        uint32_t mask = SourceNone;
        NotificationCallback callback = nullptr;
        void *context = nullptr;
    };

    QString connectionName;
    QDBusConnection bus{QString()};

    std::mutex m;
    std::map<Handle, Registration> handles;     // guarded by m
    Handle nextHandle = 1;                      // guarded by m
    World snapshot;                             // guarded by m
    QElapsedTimer snapshotAge;                  // guarded by m; invalid: no snapshot
    std::map<QString, Guid> guidOfPath;         // guarded by m

    // Held while a callback runs, so that a registration change waits for a running callback.
    std::mutex callbackMutex;
    std::atomic<uint64_t> changes{0};           // bumped by every change the service reports
    uint64_t snapshotChanges = 0;               // guarded by m

    QThread thread;
    NetworkManagerListener *listener = nullptr; // guarded by m; lives on the thread above
    std::condition_variable listenerReady;      // with m: the listener has subscribed
    std::map<QString, bool> activating;         // listener thread only

    QDBusMessage call(const QString &path, const QString &iface, const QString &method,
                      const QVariantList &args = {}) const
    {
        QDBusMessage msg = QDBusMessage::createMethodCall(kService, path, iface, method);
        msg.setArguments(args);
        return bus.call(msg, QDBus::Block, kCallTimeoutMs);
    }

    bool validHandle(Handle h)
    {
        std::lock_guard<std::mutex> lock(m);
        return handles.count(h) != 0;
    }

    uint32_t fetch(bool withSaved, World &world);
    uint32_t fetchSaved(World &world);
    // The latest reading of the world when it is young and nothing changed since, else a new one.
    uint32_t recent(bool withSaved, World &world);
    void forget()
    {
        changes.fetch_add(1);
    }
    uint32_t deviceOf(Handle h, const Guid &guid, bool withSaved, World &world, const Device *&device);

    void onDeviceState(const QString &path, uint now, uint before, uint reason);
    void onScanDone(const QString &path);
    void onServicePresence(bool present);
    Guid guidOf(const QString &devicePath);
    void deliver(uint32_t code, const Guid &guid, bool connectionData, uint32_t reason);
};

NetworkManagerWlanClient::NetworkManagerWlanClient()
    : d(new Private)
{
    qDBusRegisterMetaType<NmSettings>();
    qDBusRegisterMetaType<NmObjects>();
    qDBusRegisterMetaType<NmStringMap>();
    qDBusRegisterMetaType<QList<QDBusObjectPath>>();

    static QAtomicInteger<int> serial;
    d->connectionName = QStringLiteral("airvane-networkmanager-%1").arg(serial.fetchAndAddRelaxed(1));
    const QByteArray address = qgetenv("DBUS_SYSTEM_BUS_ADDRESS");
    d->bus = QDBusConnection::connectToBus(
        address.isEmpty() ? QStringLiteral("unix:path=/var/run/dbus/system_bus_socket") : QString::fromLocal8Bit(address),
        d->connectionName);

    Private *p = d.get();
    NetworkManagerListener::Handlers handlers;
    handlers.deviceState = [p](const QString &path, uint now, uint before, uint reason) {
        p->onDeviceState(path, now, before, reason);
    };
    handlers.scanDone = [p](const QString &path) { p->onScanDone(path); };
    handlers.servicePresence = [p](bool present) { p->onServicePresence(present); };
    d->thread.setObjectName(QStringLiteral("NetworkManager notifications"));
    // The listener is made, subscribed and deleted on its own thread, where its D-Bus connections
    // live. The hand-overs between that thread and the others go through the mutex m, so that the
    // order of every access to the shared state stands in the program itself and not only inside
    // Qt's event queue.
    QObject::connect(&d->thread, &QThread::started, [p, handlers] {
        auto *listener = new NetworkManagerListener(p->bus, handlers);
        listener->start();
        std::lock_guard<std::mutex> lock(p->m);
        p->listener = listener;
        p->listenerReady.notify_all();
    });
    QObject::connect(&d->thread, &QThread::finished, [p] {
        NetworkManagerListener *listener = nullptr;
        {
            std::lock_guard<std::mutex> lock(p->m);
            std::swap(listener, p->listener);
        }
        delete listener;
        std::lock_guard<std::mutex> lock(p->m); // publishes the listener thread's last work
    });
    d->thread.start();
    std::unique_lock<std::mutex> lock(d->m);
    d->listenerReady.wait(lock, [p] { return p->listener != nullptr; });
}

NetworkManagerWlanClient::~NetworkManagerWlanClient()
{
    d->thread.quit();
    d->thread.wait();
    {
        // Everything the listener thread did to the shared state happened before this point.
        std::lock_guard<std::mutex> lock(d->m);
    }
    QDBusConnection::disconnectFromBus(d->connectionName);
}

bool NetworkManagerWlanClient::serviceAnswers()
{
    const QByteArray address = qgetenv("DBUS_SYSTEM_BUS_ADDRESS");
    const QString name = QStringLiteral("airvane-networkmanager-probe");
    bool answers = false;
    {
        QDBusConnection bus = QDBusConnection::connectToBus(
            address.isEmpty() ? QStringLiteral("unix:path=/var/run/dbus/system_bus_socket")
                              : QString::fromLocal8Bit(address),
            name);
        if (bus.isConnected()) {
            const QDBusMessage ping = QDBusMessage::createMethodCall(
                kService, kManagerPath, QStringLiteral("org.freedesktop.DBus.Peer"), QStringLiteral("Ping"));
            answers = bus.call(ping, QDBus::Block, 1000).type() == QDBusMessage::ReplyMessage;
        }
    }
    QDBusConnection::disconnectFromBus(name);
    return answers;
}

// --- reading the world -----------------------------------------------------------------------

uint32_t NetworkManagerWlanClient::Private::fetch(bool withSaved, World &world)
{
    world = World();
    const uint64_t changesBefore = changes.load();
    const QDBusMessage reply =
        call(kRootPath, QStringLiteral("org.freedesktop.DBus.ObjectManager"), QStringLiteral("GetManagedObjects"));
    if (const uint32_t r = errorOf(reply))
        return r;
    const NmObjects objects = qdbus_cast<NmObjects>(reply.arguments().value(0).value<QDBusArgument>());

    QStringList order;
    std::map<QString, std::pair<QVariantMap, QVariantMap>> devices;
    for (auto it = objects.cbegin(); it != objects.cend(); ++it) {
        const QString path = it.key().path();
        const QMap<QString, QVariantMap> &ifaces = it.value();
        if (ifaces.contains(kManagerIface)) {
            const QVariantMap props = ifaces.value(kManagerIface);
            order = objectPaths(props.value(QStringLiteral("Devices")));
            world.wirelessEnabled = props.value(QStringLiteral("WirelessEnabled"), true).toBool();
            world.wirelessHardwareEnabled = props.value(QStringLiteral("WirelessHardwareEnabled"), true).toBool();
        }
        if (ifaces.contains(kWirelessIface) && ifaces.contains(kDeviceIface))
            devices[path] = {ifaces.value(kDeviceIface), ifaces.value(kWirelessIface)};
        if (ifaces.contains(kApIface)) {
            const QVariantMap p = ifaces.value(kApIface);
            Ap ap;
            ap.ssid = p.value(QStringLiteral("Ssid")).toByteArray();
            ap.hwAddress = p.value(QStringLiteral("HwAddress")).toString();
            ap.frequencyMHz = p.value(QStringLiteral("Frequency")).toUInt();
            ap.strength = p.value(QStringLiteral("Strength")).toUInt();
            ap.flags = p.value(QStringLiteral("Flags")).toUInt();
            ap.wpaFlags = p.value(QStringLiteral("WpaFlags")).toUInt();
            ap.rsnFlags = p.value(QStringLiteral("RsnFlags")).toUInt();
            ap.mode = p.value(QStringLiteral("Mode"), 2).toUInt();
            ap.maxBitrate = p.value(QStringLiteral("MaxBitrate")).toUInt();
            world.aps.insert(path, ap);
        }
        if (ifaces.contains(kActiveIface)) {
            const QVariantMap p = ifaces.value(kActiveIface);
            world.active.insert(path, Active{objectPath(p.value(QStringLiteral("Connection"))),
                                             objectPath(p.value(QStringLiteral("SpecificObject")))});
        }
    }
    for (const auto &entry : devices) {
        if (!order.contains(entry.first))
            order << entry.first;
    }

    QStringList addresses;
    for (const QString &path : order) {
        const auto found = devices.find(path);
        if (found == devices.end()
            || found->second.first.value(QStringLiteral("DeviceType")).toUInt() != kDeviceTypeWifi)
            continue;
        const QVariantMap &dev = found->second.first;
        const QVariantMap &wifi = found->second.second;
        Device device;
        device.path = path;
        device.state = dev.value(QStringLiteral("State")).toUInt();
        device.activeConnection = objectPath(dev.value(QStringLiteral("ActiveConnection")));
        device.accessPoints = objectPaths(wifi.value(QStringLiteral("AccessPoints")));
        device.mode = wifi.value(QStringLiteral("Mode"), 2).toUInt();
        device.managed = dev.value(QStringLiteral("Managed"), true).toBool();
        const QString iface = dev.value(QStringLiteral("Interface")).toString();
        // NetworkManager names no product; the driver and the interface name tell adapters apart.
        const QString driver = dev.value(QStringLiteral("Driver")).toString();
        device.description = driver.isEmpty() ? iface : QStringLiteral("%1 (%2)").arg(driver, iface);
        QString address = wifi.value(QStringLiteral("PermHwAddress")).toString();
        if (address.isEmpty())
            address = wifi.value(QStringLiteral("HwAddress")).toString();
        // Two devices reporting one address (virtual interfaces) are told apart by their names.
        if (address.isEmpty() || addresses.contains(address, Qt::CaseInsensitive))
            address += QLatin1Char('/') + iface;
        addresses << address;
        device.guid = guidFor(address);
        world.devices.push_back(device);
    }

    if (withSaved) {
        if (const uint32_t r = fetchSaved(world))
            return r;
    }

    std::lock_guard<std::mutex> lock(m);
    for (const Device &dev : world.devices)
        guidOfPath[dev.path] = dev.guid;
    snapshot = world;
    snapshotAge.start();
    snapshotChanges = changesBefore;
    return Success;
}

uint32_t NetworkManagerWlanClient::Private::fetchSaved(World &world)
{
    const QDBusMessage list = call(kSettingsPath, kSettingsIface, QStringLiteral("ListConnections"));
    if (const uint32_t r = errorOf(list))
        return r;
    for (const QString &path : objectPaths(list.arguments().value(0))) {
        const QDBusMessage reply = call(path, kConnectionIface, QStringLiteral("GetSettings"));
        if (errorOf(reply) != Success)
            continue;   // removed meanwhile
        const NmSettings settings = qdbus_cast<NmSettings>(reply.arguments().value(0).value<QDBusArgument>());
        if (NetworkManagerProfile::isWireless(settings))
            world.saved.push_back(Saved{path, settings});
    }
    world.hasSaved = true;
    return Success;
}

uint32_t NetworkManagerWlanClient::Private::recent(bool withSaved, World &world)
{
    {
        std::lock_guard<std::mutex> lock(m);
        if (snapshotAge.isValid() && snapshotAge.elapsed() < kSnapshotMaxAgeMs && snapshotChanges == changes.load()
            && (snapshot.hasSaved || !withSaved)) {
            world = snapshot;
            return Success;
        }
    }
    return fetch(withSaved, world);
}

uint32_t NetworkManagerWlanClient::Private::deviceOf(Handle h, const Guid &guid, bool withSaved, World &world,
                                                     const Device *&device)
{
    device = nullptr;
    if (!validHandle(h))
        return InvalidHandle;
    if (const uint32_t r = recent(withSaved, world))
        return r;
    device = world.device(guid);
    return device ? Success : static_cast<uint32_t>(NotFound);
}

// Among saved connections with this name, the one this program added (the newest of them) is the
// one it means; a connection of the user's with the same name is only reached when there is none.
static const Saved *savedByName(const World &world, const QString &name)
{
    const Saved *users = nullptr;
    const Saved *ours = nullptr;
    for (const Saved &s : world.saved) {
        if (NetworkManagerProfile::id(s.settings) != name)
            continue;
        if (NetworkManagerProfile::isOwnedByProgram(s.settings))
            ours = &s;
        else if (!users)
            users = &s;
    }
    return ours ? ours : users;
}

// --- handle and adapters ---------------------------------------------------------------------

uint32_t NetworkManagerWlanClient::openHandle(uint32_t clientVersion, uint32_t *negotiatedVersion, Handle *handle)
{
    if (!handle || clientVersion == 0)
        return InvalidParameter;
    if (!d->bus.isConnected())
        return ServiceNotActive;
    const QDBusMessage ping =
        d->call(kManagerPath, QStringLiteral("org.freedesktop.DBus.Peer"), QStringLiteral("Ping"));
    if (errorOf(ping) != Success)
        return ServiceNotActive;
    std::lock_guard<std::mutex> lock(d->m);
    *handle = d->nextHandle++;
    d->handles[*handle] = Private::Registration();
    if (negotiatedVersion)
        *negotiatedVersion = 2;
    return Success;
}

uint32_t NetworkManagerWlanClient::closeHandle(Handle handle)
{
    std::unique_lock<std::mutex> callbackLock(d->callbackMutex, std::defer_lock);
    if (QThread::currentThread() != &d->thread)
        callbackLock.lock();
    std::lock_guard<std::mutex> lock(d->m);
    return d->handles.erase(handle) ? static_cast<uint32_t>(Success) : static_cast<uint32_t>(InvalidHandle);
}

uint32_t NetworkManagerWlanClient::enumInterfaces(Handle handle, std::vector<InterfaceInfo> &interfaces)
{
    interfaces.clear();
    if (!d->validHandle(handle))
        return InvalidHandle;
    World world;
    if (const uint32_t r = d->fetch(false, world))
        return r;
    for (const Device &dev : world.devices) {
        InterfaceInfo info;
        info.guid = dev.guid;
        info.description = toU16(dev.description.left(255));
        info.state = interfaceState(dev.state);
        interfaces.push_back(info);
    }
    return Success;
}

uint32_t NetworkManagerWlanClient::queryRadioState(Handle handle, const Guid &iface, bool &softwareOn,
                                                   bool &hardwareOn)
{
    World world;
    const Device *dev = nullptr;
    if (const uint32_t r = d->deviceOf(handle, iface, false, world, dev))
        return r;
    softwareOn = world.wirelessEnabled;
    hardwareOn = world.wirelessHardwareEnabled;
    return Success;
}

uint32_t NetworkManagerWlanClient::queryOperationMode(Handle handle, const Guid &iface, uint32_t &mode)
{
    World world;
    const Device *dev = nullptr;
    if (const uint32_t r = d->deviceOf(handle, iface, false, world, dev))
        return r;
    // An access point or mesh point is no station; Windows would call it an extensible AP (8).
    mode = dev->mode == 3 || dev->mode == 4 ? 0x8u : static_cast<uint32_t>(OperationModeExtensibleStation);
    return Success;
}

uint32_t NetworkManagerWlanClient::queryBssType(Handle handle, const Guid &iface, int &bssType)
{
    World world;
    const Device *dev = nullptr;
    if (const uint32_t r = d->deviceOf(handle, iface, false, world, dev))
        return r;
    bssType = dev->mode == 1 ? 2 : dev->mode == 2 ? 1 : 3;
    return Success;
}

uint32_t NetworkManagerWlanClient::queryAutoConfEnabled(Handle handle, const Guid &iface, bool &enabled)
{
    World world;
    const Device *dev = nullptr;
    if (const uint32_t r = d->deviceOf(handle, iface, false, world, dev))
        return r;
    enabled = dev->managed;
    return Success;
}

uint32_t NetworkManagerWlanClient::getInterfaceCapability(Handle handle, const Guid &iface, int &interfaceType)
{
    World world;
    const Device *dev = nullptr;
    if (const uint32_t r = d->deviceOf(handle, iface, false, world, dev))
        return r;
    interfaceType = 1;      // native Wi-Fi
    return Success;
}

uint32_t NetworkManagerWlanClient::queryCurrentConnection(Handle handle, const Guid &iface,
                                                          CurrentConnection &connection)
{
    World world;
    const Device *dev = nullptr;
    if (const uint32_t r = d->deviceOf(handle, iface, true, world, dev))
        return r;
    if (dev->activeConnection.isEmpty() || !world.active.contains(dev->activeConnection))
        return InvalidState;
    const Active active = world.active.value(dev->activeConnection);
    connection = CurrentConnection();
    connection.state = interfaceState(dev->state);
    connection.connectionMode = 0;
    if (const Saved *saved = world.savedAt(active.connection)) {
        connection.profileName = toU16(NetworkManagerProfile::id(saved->settings));
        connection.ssid = Ssid::fromBytes(NetworkManagerProfile::ssid(saved->settings).toStdString());
        NetworkManagerProfile::authAndCipher(saved->settings, connection.authAlgorithm, connection.cipherAlgorithm);
        connection.securityEnabled = connection.cipherAlgorithm != 0 || connection.authAlgorithm != 1;
    }
    if (world.aps.contains(active.specificObject)) {
        const Ap ap = world.aps.value(active.specificObject);
        if (connection.ssid.length == 0)
            connection.ssid = Ssid::fromBytes(ap.ssid.toStdString());
        connection.bssid = macBytes(ap.hwAddress);
        connection.signalQuality = std::min(ap.strength, 100u);
    }
    return Success;
}

// --- scan and listing ------------------------------------------------------------------------

uint32_t NetworkManagerWlanClient::scan(Handle handle, const Guid &iface)
{
    World world;
    const Device *dev = nullptr;
    if (const uint32_t r = d->deviceOf(handle, iface, false, world, dev))
        return r;
    const QDBusMessage reply =
        d->call(dev->path, kWirelessIface, QStringLiteral("RequestScan"), {QVariant::fromValue(QVariantMap())});
    if (reply.errorName().endsWith(QLatin1String(".NotAllowed"))) {
        // Refused because a scan ran moments ago: the list is current, so the scan is done.
        std::lock_guard<std::mutex> lock(d->m);
        if (d->listener)
            QMetaObject::invokeMethod(d->listener, "reportScanDone", Qt::QueuedConnection,
                                      Q_ARG(QString, dev->path));
        return Success;
    }
    return errorOf(reply);
}

uint32_t NetworkManagerWlanClient::getAvailableNetworkList(Handle handle, const Guid &iface, uint32_t flags,
                                                           std::vector<AvailableNetwork> &networks)
{
    networks.clear();
    if (!d->validHandle(handle))
        return InvalidHandle;
    World world;
    if (const uint32_t r = d->fetch(true, world))
        return r;
    const Device *dev = world.device(iface);
    if (!dev)
        return NotFound;

    const Active active = world.active.value(dev->activeConnection);
    const Saved *activeSaved = dev->activeConnection.isEmpty() ? nullptr : world.savedAt(active.connection);

    struct Group {
        AvailableNetwork network;
        QByteArray ssid;
        bool connected = false;
    };
    std::vector<Group> groups;
    for (const QString &path : dev->accessPoints) {
        if (!world.aps.contains(path))
            continue;
        const Ap ap = world.aps.value(path);
        bool secured = false;
        int auth = 1;
        int cipher = 0;
        apSecurity(ap, secured, auth, cipher);
        const int bssType = bssTypeOf(ap.mode);
        auto group = std::find_if(groups.begin(), groups.end(), [&](const Group &g) {
            return g.ssid == ap.ssid && g.network.bssType == bssType && g.network.securityEnabled == secured;
        });
        if (group == groups.end()) {
            Group g;
            g.ssid = ap.ssid;
            g.network.ssid = Ssid::fromBytes(ap.ssid.toStdString());
            g.network.bssType = bssType;
            g.network.securityEnabled = secured;
            g.network.authAlgorithm = auth;
            g.network.cipherAlgorithm = cipher;
            g.network.phyTypes = {phyTypeOf(ap)};
            groups.push_back(g);
            group = groups.end() - 1;
        }
        group->network.bssidCount += 1;
        group->network.signalQuality = std::max(group->network.signalQuality, std::min(ap.strength, 100u));
        if (path == active.specificObject)
            group->connected = true;
    }

    for (Group &g : groups) {
        AvailableNetwork &n = g.network;
        if (activeSaved && !g.ssid.isEmpty() && NetworkManagerProfile::ssid(activeSaved->settings) == g.ssid)
            g.connected = true;
        // Connected means connected: a connection still being activated is not.
        g.connected = g.connected && dev->state == NmActivated;
        const Saved *profile = g.connected ? activeSaved : nullptr;
        for (const Saved &s : world.saved) {
            if (profile || g.ssid.isEmpty())
                break;
            if (NetworkManagerProfile::ssid(s.settings) == g.ssid)
                profile = &s;
        }
        if (profile) {
            n.profileName = toU16(NetworkManagerProfile::id(profile->settings));
            n.flags |= NetworkHasProfile;
            if (g.connected)
                n.flags |= NetworkConnected;
        }
        networks.push_back(n);
    }
    return Success;
}

uint32_t NetworkManagerWlanClient::getNetworkBssList(Handle handle, const Guid &iface, const Ssid *ssid, int bssType,
                                                     bool securityEnabled, std::vector<BssEntry> &entries)
{
    entries.clear();
    World world;
    const Device *dev = nullptr;
    if (const uint32_t r = d->deviceOf(handle, iface, false, world, dev))
        return r;
    const QByteArray wanted = ssid ? QByteArray::fromStdString(ssid->toBytes()) : QByteArray();
    for (const QString &path : dev->accessPoints) {
        if (!world.aps.contains(path))
            continue;
        const Ap ap = world.aps.value(path);
        if ((ssid && ap.ssid != wanted) || (bssType != 3 && bssTypeOf(ap.mode) != bssType)
            || !matchesSecurity(ap, securityEnabled))
            continue;
        BssEntry e;
        e.ssid = Ssid::fromBytes(ap.ssid.toStdString());
        e.bssid = macBytes(ap.hwAddress);
        e.bssType = bssTypeOf(ap.mode);
        e.phyType = phyTypeOf(ap);
        e.linkQuality = std::min(ap.strength, 100u);
        e.rssi = static_cast<int32_t>(e.linkQuality / 2) - 100;
        e.centerFrequencyKHz = ap.frequencyMHz * 1000;
        entries.push_back(e);
    }
    return Success;
}

// --- profiles, connect and disconnect --------------------------------------------------------

uint32_t NetworkManagerWlanClient::getProfile(Handle handle, const Guid &iface, const std::u16string &profileName,
                                              std::u16string &xml)
{
    World world;
    const Device *dev = nullptr;
    if (const uint32_t r = d->deviceOf(handle, iface, false, world, dev))
        return r;
    if (const uint32_t r = d->fetchSaved(world))
        return r;
    const Saved *saved = savedByName(world, toQString(profileName));
    if (!saved)
        return NotFound;
    xml = NetworkManagerProfile::toXml(saved->settings);
    return Success;
}

uint32_t NetworkManagerWlanClient::setProfile(Handle handle, const Guid &iface, uint32_t flags,
                                              const std::u16string &xml, bool overwrite, uint32_t &reasonCode)
{
    reasonCode = 0;
    World world;
    const Device *dev = nullptr;
    if (const uint32_t r = d->deviceOf(handle, iface, false, world, dev))
        return r;
    NmSettings settings;
    QByteArray ssid;
    if (const uint32_t r = NetworkManagerProfile::toSettings(xml, settings, ssid, reasonCode))
        return r;

    // The engine names a network by its SSID decoded as UTF-8; for an SSID that is not UTF-8 that
    // text no longer holds the bytes. The network in range whose name reads the same is meant.
    bool inRange = false;
    QByteArray readsTheSame;
    for (const QString &path : dev->accessPoints) {
        const QByteArray bytes = world.aps.value(path).ssid;
        inRange = inRange || bytes == ssid;
        if (readsTheSame.isEmpty() && !bytes.isEmpty() && QString::fromUtf8(bytes).toUtf8() == ssid)
            readsTheSame = bytes;
    }
    if (!inRange && !readsTheSame.isEmpty()) {
        ssid = readsTheSame;
        settings[QStringLiteral("802-11-wireless")].insert(QStringLiteral("ssid"), ssid);
    }

    if (const uint32_t r = d->fetchSaved(world))
        return r;
    const QString name = NetworkManagerProfile::id(settings);
    std::vector<QString> ours;
    bool taken = false;
    for (const Saved &s : world.saved) {
        if (NetworkManagerProfile::id(s.settings) != name)
            continue;
        taken = true;
        if (NetworkManagerProfile::isOwnedByProgram(s.settings))
            ours.push_back(s.path);
    }
    if (taken && !overwrite)
        return AlreadyExists;
    // Only connections this program added are replaced; the user's own connection of the same name
    // stays as it is, and the new one is added beside it.
    for (const QString &path : ours) {
        const uint32_t r = errorOf(d->call(path, kConnectionIface, QStringLiteral("Delete")));
        if (r != Success && r != NotFound)
            return r;
    }
    d->forget();
    // Saved to disk with autoconnect blocked until the first activation: NetworkManager must not
    // start an activation of its own that the engine's connect request would then cut short.
    const QDBusMessage added = d->call(kSettingsPath, kSettingsIface, QStringLiteral("AddConnection2"),
                                       {QVariant::fromValue(settings), QVariant::fromValue(uint(0x1 | 0x20)),
                                        QVariant::fromValue(QVariantMap())});
    if (!added.errorName().endsWith(QLatin1String(".UnknownMethod")))
        return errorOf(added);
    // NetworkManager before 1.20.
    return errorOf(d->call(kSettingsPath, kSettingsIface, QStringLiteral("AddConnection"),
                           {QVariant::fromValue(settings)}));
}

uint32_t NetworkManagerWlanClient::deleteProfile(Handle handle, const Guid &iface, const std::u16string &profileName)
{
    World world;
    const Device *dev = nullptr;
    if (const uint32_t r = d->deviceOf(handle, iface, false, world, dev))
        return r;
    if (const uint32_t r = d->fetchSaved(world))
        return r;
    const Saved *saved = savedByName(world, toQString(profileName));
    if (!saved)
        return NotFound;
    d->forget();
    return errorOf(d->call(saved->path, kConnectionIface, QStringLiteral("Delete")));
}

uint32_t NetworkManagerWlanClient::connect(Handle handle, const Guid &iface, const ConnectionParameters &parameters)
{
    World world;
    const Device *dev = nullptr;
    if (const uint32_t r = d->deviceOf(handle, iface, false, world, dev))
        return r;
    if (parameters.connectionMode != 0)
        return InvalidParameter;    // only connections through a saved profile have an equivalent
    if (const uint32_t r = d->fetchSaved(world))
        return r;
    const Saved *saved = savedByName(world, toQString(parameters.profile));
    if (!saved)
        return NotFound;
    d->forget();
    return errorOf(d->call(kManagerPath, kManagerIface, QStringLiteral("ActivateConnection"),
                           {QVariant::fromValue(QDBusObjectPath(saved->path)),
                            QVariant::fromValue(QDBusObjectPath(dev->path)),
                            QVariant::fromValue(QDBusObjectPath(QStringLiteral("/")))}));
}

uint32_t NetworkManagerWlanClient::disconnect(Handle handle, const Guid &iface)
{
    World world;
    const Device *dev = nullptr;
    if (const uint32_t r = d->deviceOf(handle, iface, false, world, dev))
        return r;
    d->forget();
    const QDBusMessage reply = d->call(dev->path, kDeviceIface, QStringLiteral("Disconnect"));
    // Disconnecting an adapter that is not connected succeeds, as it does on Windows.
    if (reply.errorName().endsWith(QLatin1String(".NotActive")))
        return Success;
    return errorOf(reply);
}

// --- notifications ---------------------------------------------------------------------------

uint32_t NetworkManagerWlanClient::registerNotification(Handle handle, uint32_t sourceMask, bool /*ignoreDuplicate*/,
                                                        NotificationCallback callback, void *context)
{
    std::unique_lock<std::mutex> callbackLock(d->callbackMutex, std::defer_lock);
    if (QThread::currentThread() != &d->thread)
        callbackLock.lock();
    std::lock_guard<std::mutex> lock(d->m);
    const auto found = d->handles.find(handle);
    if (found == d->handles.end())
        return InvalidHandle;
    if (sourceMask == SourceNone || !callback)
        found->second = Private::Registration();
    else
        found->second = Private::Registration{sourceMask, callback, context};
    return Success;
}

void NetworkManagerWlanClient::Private::deliver(uint32_t code, const Guid &guid, bool connectionData, uint32_t reason)
{
    Notification n;
    n.source = SourceAcm;
    n.code = code;
    n.interfaceGuid = guid;
    n.hasConnectionData = connectionData;
    n.reasonCode = reason;
    std::lock_guard<std::mutex> callbackLock(callbackMutex);
    std::vector<Registration> targets;
    {
        std::lock_guard<std::mutex> lock(m);
        for (const auto &entry : handles) {
            if (entry.second.callback && (entry.second.mask & SourceAcm))
                targets.push_back(entry.second);
        }
    }
    for (const Registration &r : targets)
        r.callback(&n, r.context);
}

Guid NetworkManagerWlanClient::Private::guidOf(const QString &devicePath)
{
    {
        std::lock_guard<std::mutex> lock(m);
        const auto found = guidOfPath.find(devicePath);
        if (found != guidOfPath.end())
            return found->second;
    }
    World world;
    if (fetch(false, world) == Success) {
        std::lock_guard<std::mutex> lock(m);
        const auto found = guidOfPath.find(devicePath);
        if (found != guidOfPath.end())
            return found->second;
    }
    return Guid();
}

// Device states to the ACM notifications of a connection: entering activation starts an attempt,
// "activated" completes it, "failed" (or falling back before activation) completes it with the
// state's reason. Every attempt that was reported started is reported ended exactly once.
void NetworkManagerWlanClient::Private::onDeviceState(const QString &path, uint now, uint before, uint reason)
{
    forget();
    if (now == before)
        return;
    bool &inAttempt = activating[path];
    const Guid guid = guidOf(path);
    const auto start = [&] {
        if (!inAttempt)
            deliver(AcmConnectionStart, guid, true, 0);
        inAttempt = false;
    };
    if (now >= NmPrepare && now <= NmSecondaries) {
        if (!inAttempt)
            deliver(AcmConnectionStart, guid, true, 0);
        inAttempt = true;
    } else if (now == NmActivated) {
        start();
        deliver(AcmConnectionComplete, guid, true, 0);
    } else if (now == NmFailed || (inAttempt && (now <= NmDisconnected || now == NmDeactivating))) {
        start();
        deliver(AcmConnectionComplete, guid, true, failureReason(reason));
    } else if (before == NmActivated) {
        deliver(AcmDisconnected, guid, true, failureReason(reason));
    }
}

void NetworkManagerWlanClient::Private::onScanDone(const QString &path)
{
    forget();
    deliver(AcmScanComplete, guidOf(path), false, 0);
}

// The service went away: an attempt in progress can no longer succeed and is reported failed, so
// that nobody waits for its end.
void NetworkManagerWlanClient::Private::onServicePresence(bool present)
{
    forget();
    if (present)
        return;
    std::map<QString, bool> attempts;
    attempts.swap(activating);
    for (const auto &entry : attempts) {
        if (!entry.second)
            continue;
        Guid guid;
        {
            std::lock_guard<std::mutex> lock(m);
            const auto found = guidOfPath.find(entry.first);
            if (found != guidOfPath.end())
                guid = found->second;
        }
        deliver(AcmConnectionComplete, guid, true, WlanReasonCodes::Unknown);
    }
}

uint32_t NetworkManagerWlanClient::reasonCodeToString(uint32_t reasonCode, uint32_t bufferChars, std::u16string &text)
{
    if (bufferChars == 0)
        return InvalidParameter;
    text = WlanReasonCodes::text(reasonCode);
    if (text.size() > bufferChars - 1)
        text.resize(bufferChars - 1);
    return Success;
}

int NetworkManagerWlanClient::guidToString(const Guid &guid, uint32_t bufferChars, std::u16string &text)
{
    if (bufferChars < 39)
        return 0;
    text = guidText(guid);
    return 39;
}

} // namespace wlan
