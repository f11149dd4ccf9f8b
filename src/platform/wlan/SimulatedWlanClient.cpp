#include "platform/wlan/SimulatedWlanClient.h"
#include "platform/wlan/WlanText.h"

#include "platform/wlan/WlanNotificationDispatcher.h"
#include "platform/wlan/WlanProfileParser.h"
#include "platform/wlan/WlanReasonCodes.h"
#include "platform/wlan/WlanScenario.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QtDebug>

#include <algorithm>
#include <cstdio>
#include <map>
#include <mutex>
#include <set>
#include <tuple>

static void initWlanResources()
{
    Q_INIT_RESOURCE(wlan);
}

namespace wlan {

namespace {

using Call = SimulatedWlanClient::Call;
constexpr int CallKinds = static_cast<int>(Call::GuidToString) + 1;

// WLAN_NOTIFICATION_ACM / WLAN_NOTIFICATION_MSM codes beyond those the engine names.
enum : uint32_t {
    AcmInterfaceArrival = 13,
    AcmInterfaceRemoval = 14,
    AcmDisconnecting = 20,
    MsmAssociating = 1,
    MsmAssociated = 2,
    MsmAuthenticating = 3,
    MsmConnected = 4,
    MsmRadioStateChange = 7,
    MsmDisassociating = 9,
    MsmDisconnected = 10,
};

struct GuidLess {
    bool operator()(const Guid &a, const Guid &b) const
    {
        return std::tie(a.data1, a.data2, a.data3, a.data4) < std::tie(b.data1, b.data2, b.data3, b.data4);
    }
};

bool sameName(const std::u16string &a, const std::u16string &b)
{
    return wlan::toQString(a).compare(wlan::toQString(b), Qt::CaseInsensitive) == 0;
}

bool isEnterpriseAuth(int auth)
{
    return auth == 3 || auth == 6 || auth == 8 || auth == 11;
}

Notification makeNotification(uint32_t source, uint32_t code, const Guid &iface)
{
    Notification n;
    n.source = source;
    n.code = code;
    n.interfaceGuid = iface;
    return n;
}

Notification connectionNotification(uint32_t source, uint32_t code, const Guid &iface, uint32_t reason,
                                    const std::u16string &profile, const std::string &ssid)
{
    Notification n = makeNotification(source, code, iface);
    n.hasConnectionData = true;
    n.reasonCode = reason;
    n.profileName = profile;
    n.ssid = Ssid::fromBytes(ssid);
    return n;
}

} // namespace

struct SimulatedWlanClient::Private {
    struct StoredProfile {
        std::u16string name;
        std::u16string xml;
        ParsedProfile parsed;
        uint32_t flags = 0;
    };
    struct AdapterSlot {
        Adapter info;
        bool connected = false;
        std::u16string connectedProfile;
        std::string connectedSsid;
        int connectedAuth = 0;
        bool pending = false;
        uint64_t attempt = 0;
        uint64_t outcomeTicket = 0;
        std::u16string pendingProfile;
        std::string pendingSsid;
    };
    struct Failure {
        uint32_t error = 0;
        int times = 0;
    };

    mutable std::mutex m;
    bool serviceAvailable = true;
    std::vector<AdapterSlot> adapters;
    std::map<Guid, std::vector<StoredProfile>, GuidLess> profiles;   // kept per GUID across unplugging
    std::vector<Network> networks;
    std::set<Handle> handles;
    Handle nextHandle = 1;
    uint64_t nextAttempt = 1;
    uint32_t guidSeed = 0;
    std::array<Failure, CallKinds> failures{};
    std::array<int, CallKinds> counts{};
    int scanDelay = 0;
    int connectDelay = 0;
    int backgroundInterval = 0;
    int scanFailuresLeft = 0;
    uint32_t scanFailureReason = 0;
    WlanNotificationDispatcher dispatcher;   // last: its thread stops before the rest goes away

    // Counts the call and applies a scripted failure.
    uint32_t enter(Call call)
    {
        const int i = static_cast<int>(call);
        ++counts[i];
        Failure &f = failures[i];
        if (f.times == 0)
            return Success;
        if (f.times > 0)
            --f.times;
        return f.error;
    }

    uint32_t enter(Call call, Handle handle)
    {
        const uint32_t r = enter(call);
        if (r != Success)
            return r;
        return handles.count(handle) ? Success : InvalidHandle;
    }

    AdapterSlot *find(const Guid &guid)
    {
        for (AdapterSlot &a : adapters) {
            if (a.info.guid == guid)
                return &a;
        }
        return nullptr;
    }

    // A per-adapter query that only reads: failure injection and the handle check, then the adapter.
    template <typename Read>
    uint32_t readAdapter(Call call, Handle handle, const Guid &iface, Read read)
    {
        std::lock_guard<std::mutex> lock(m);
        if (const uint32_t r = enter(call, handle))
            return r;
        const AdapterSlot *a = find(iface);
        if (!a)
            return InvalidParameter;
        read(*a);
        return Success;
    }

    AdapterSlot *at(int index)
    {
        return index >= 0 && index < static_cast<int>(adapters.size()) ? &adapters[static_cast<size_t>(index)]
                                                                       : nullptr;
    }

    static bool radioOn(const AdapterSlot &a) { return a.info.radioSoftwareOn && a.info.radioHardwareOn; }

    StoredProfile *findProfile(const Guid &guid, const std::u16string &name)
    {
        auto it = profiles.find(guid);
        if (it == profiles.end())
            return nullptr;
        for (StoredProfile &p : it->second) {
            if (sameName(p.name, name))
                return &p;
        }
        return nullptr;
    }

    // Same SSID bytes, same kind of network, and a security setting that fits: an open profile for
    // an unsecured network, the profile's algorithm for a secured one (a WPA2-Personal profile also
    // joins a WPA3-Personal network in transition mode).
    static bool profileMatches(const StoredProfile &p, const Network &n)
    {
        if (p.parsed.ssidBytes != n.ssid)
            return false;
        if (n.bssType != (p.parsed.connectionType == u"IBSS" ? 2 : 1))
            return false;
        if (!n.securityEnabled)
            return p.parsed.authentication == u"open" && p.parsed.encryption == u"none";
        if (p.parsed.encryption == u"none")
            return false;
        const int algorithm = WlanProfileParser::authAlgorithm(p.parsed.authentication);
        return algorithm == n.authAlgorithm || (algorithm == 7 && n.authAlgorithm == 9);
    }

    // A hidden network is only found through a profile that asks for it by name.
    static bool profileFinds(const StoredProfile &p, const Network &n)
    {
        return n.inRange && profileMatches(p, n) && (!n.hidden || p.parsed.nonBroadcast);
    }

    const Network *networkFor(const StoredProfile &p) const
    {
        for (const Network &n : networks) {
            if (profileFinds(p, n))
                return &n;
        }
        return nullptr;
    }

    const Network *connectedNetwork(const AdapterSlot &a) const
    {
        for (const Network &n : networks) {
            if (n.inRange && n.ssid == a.connectedSsid && n.authAlgorithm == a.connectedAuth)
                return &n;
        }
        return nullptr;
    }

    // Ends the adapter's connection (or attempt) and returns what the service reports about it.
    std::vector<Notification> dropConnection(AdapterSlot &a, uint32_t reason)
    {
        std::vector<Notification> out;
        const Guid &g = a.info.guid;
        if (a.pending) {
            a.pending = false;
            dispatcher.cancel(a.outcomeTicket);
            out.push_back(connectionNotification(SourceAcm, AcmConnectionComplete, g, reason, a.pendingProfile,
                                                 a.pendingSsid));
            out.push_back(connectionNotification(SourceAcm, AcmDisconnected, g, reason, a.pendingProfile,
                                                 a.pendingSsid));
        }
        if (a.connected) {
            a.connected = false;
            out.push_back(connectionNotification(SourceMsm, MsmDisconnected, g, reason, a.connectedProfile,
                                                 a.connectedSsid));
            out.push_back(connectionNotification(SourceAcm, AcmDisconnected, g, reason, a.connectedProfile,
                                                 a.connectedSsid));
        }
        if (a.info.state == Connected)
            a.info.state = Disconnected;
        return out;
    }

    std::vector<Notification> completeConnect(const Guid &guid, uint64_t attempt)
    {
        std::lock_guard<std::mutex> lock(m);
        AdapterSlot *a = find(guid);
        if (!a || !a->pending || a->attempt != attempt)
            return {};
        a->pending = false;
        const std::u16string profileName = a->pendingProfile;
        const std::string ssid = a->pendingSsid;
        std::vector<Notification> out;
        auto fail = [&](uint32_t reason, bool associated) {
            if (associated) {
                out.push_back(connectionNotification(SourceMsm, MsmAssociated, guid, 0, profileName, ssid));
                out.push_back(connectionNotification(SourceMsm, MsmAuthenticating, guid, 0, profileName, ssid));
                out.push_back(connectionNotification(SourceMsm, MsmDisconnected, guid, reason, profileName, ssid));
            }
            out.push_back(connectionNotification(SourceAcm, AcmConnectionComplete, guid, reason, profileName, ssid));
            out.push_back(connectionNotification(SourceAcm, AcmConnectionAttemptFail, guid, reason, profileName, ssid));
            if (a->info.state == Connected)
                a->info.state = Disconnected;
            return out;
        };

        const StoredProfile *p = findProfile(guid, profileName);
        if (!p)
            return fail(WlanReasonCodes::ProfileChangedOrDeleted, false);
        const Network *n = radioOn(*a) ? networkFor(*p) : nullptr;
        if (!n)
            return fail(WlanReasonCodes::NetworkNotAvailable, false);
        if (!n->connectable)
            return fail(n->notConnectableReason ? n->notConnectableReason : WlanReasonCodes::NetworkNotCompatible,
                        false);
        const bool keyed = n->securityEnabled && n->authAlgorithm != 10;
        if (keyed) {
            if (isEnterpriseAuth(n->authAlgorithm))
                return fail(WlanReasonCodes::MsmsecUiRequestFailure, true);
            const std::string key = wlan::toQString(p->parsed.keyMaterial).toUtf8().toStdString();
            if (!p->parsed.hasSharedKey || key != n->key)
                return fail(WlanReasonCodes::MsmsecPskMismatchSuspected, true);
        }

        a->connected = true;
        a->connectedProfile = p->name;
        a->connectedSsid = n->ssid;
        a->connectedAuth = n->authAlgorithm;
        out.push_back(connectionNotification(SourceMsm, MsmAssociated, guid, 0, p->name, ssid));
        if (n->securityEnabled)
            out.push_back(connectionNotification(SourceMsm, MsmAuthenticating, guid, 0, p->name, ssid));
        out.push_back(connectionNotification(SourceMsm, MsmConnected, guid, 0, p->name, ssid));
        out.push_back(connectionNotification(SourceAcm, AcmConnectionComplete, guid, 0, p->name, ssid));
        return out;
    }

    std::vector<Notification> backgroundScan() const
    {
        std::vector<Notification> out;
        for (const AdapterSlot &a : adapters) {
            if (radioOn(a))
                out.push_back(makeNotification(SourceAcm, AcmScanComplete, a.info.guid));
        }
        return out;
    }

    AvailableNetwork entryFor(const Network &n) const
    {
        AvailableNetwork e;
        e.ssid = Ssid::fromBytes(n.hidden ? std::string() : n.ssid);
        e.bssType = n.bssType;
        e.bssidCount = static_cast<uint32_t>(n.bss.size());
        e.connectable = n.connectable;
        e.notConnectableReason = n.notConnectableReason;
        e.phyTypes.assign(n.phyTypes.begin(), n.phyTypes.begin() + std::min<size_t>(n.phyTypes.size(), 8));
        e.signalQuality = std::min<uint32_t>(n.signalQuality, 100);
        e.securityEnabled = n.securityEnabled;
        e.authAlgorithm = n.authAlgorithm;
        e.cipherAlgorithm = n.cipherAlgorithm;
        e.flags = n.extraFlags;
        return e;
    }
};

SimulatedWlanClient::SimulatedWlanClient()
    : d(std::make_unique<Private>())
{
}

SimulatedWlanClient::~SimulatedWlanClient()
{
    d->dispatcher.stop();
}

// --- construction from scenarios -----------------------------------------------------------------

std::shared_ptr<SimulatedWlanClient> SimulatedWlanClient::fromEnvironment()
{
    QString error;
    const QString path = qEnvironmentVariable("AIRVANE_WLAN_SCENARIO");
    if (!path.isEmpty()) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            qWarning().noquote() << QStringLiteral("WLAN scenario file \"%1\" cannot be read (%2); using the built-in scenario.")
                                        .arg(path, file.errorString());
        } else if (auto client = fromScenarioJson(file.readAll(), &error)) {
            return client;
        } else {
            qWarning().noquote() << QStringLiteral("WLAN scenario file \"%1\" is not valid: %2; using the built-in scenario.")
                                        .arg(path, error);
        }
    }
    if (auto client = fromScenarioJson(defaultScenarioJson(), &error))
        return client;
    qWarning().noquote() << QStringLiteral("The built-in WLAN scenario is not valid: %1").arg(error);
    return std::make_shared<SimulatedWlanClient>();
}

std::shared_ptr<SimulatedWlanClient> SimulatedWlanClient::fromScenarioJson(const QByteArray &json, QString *error)
{
    auto client = std::make_shared<SimulatedWlanClient>();
    QString message;
    if (!WlanScenario::load(json, *client, &message)) {
        if (error)
            *error = message;
        return nullptr;
    }
    return client;
}

QByteArray SimulatedWlanClient::defaultScenarioJson()
{
    initWlanResources();
    QFile file(QStringLiteral(":/wlan/default-scenario.json"));
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

// --- world scripting ----------------------------------------------------------------------------

void SimulatedWlanClient::setServiceAvailable(bool available)
{
    std::lock_guard<std::mutex> lock(d->m);
    d->serviceAvailable = available;
}

int SimulatedWlanClient::addAdapter(const Adapter &adapter)
{
    std::lock_guard<std::mutex> lock(d->m);
    Private::AdapterSlot slot;
    slot.info = adapter;
    if (slot.info.guid == Guid()) {
        ++d->guidSeed;
        slot.info.guid = Guid{0x5A1D0000u + d->guidSeed, 0x7E11, 0x4C0A, {0x9B, 0x3D, 0x00, 0x1F, 0x2E, 0x44, 0x61,
                                                                         static_cast<uint8_t>(d->guidSeed)}};
    }
    d->adapters.push_back(slot);
    d->dispatcher.post({makeNotification(SourceAcm, AcmInterfaceArrival, slot.info.guid)});
    return static_cast<int>(d->adapters.size()) - 1;
}

void SimulatedWlanClient::removeAdapter(int index)
{
    std::lock_guard<std::mutex> lock(d->m);
    Private::AdapterSlot *a = d->at(index);
    if (!a)
        return;
    std::vector<Notification> out = d->dropConnection(*a, WlanReasonCodes::DriverDisconnected);
    out.push_back(makeNotification(SourceAcm, AcmInterfaceRemoval, a->info.guid));
    d->adapters.erase(d->adapters.begin() + index);
    d->dispatcher.post(std::move(out));
}

void SimulatedWlanClient::setAdapterState(int index, int state)
{
    std::lock_guard<std::mutex> lock(d->m);
    if (Private::AdapterSlot *a = d->at(index)) {
        a->info.state = state;
        if (state != Connected)
            a->connected = false;
    }
}

void SimulatedWlanClient::setAdapterSupportsWpa3(int index, bool supported)
{
    std::lock_guard<std::mutex> lock(d->m);
    if (Private::AdapterSlot *a = d->at(index))
        a->info.supportsWpa3 = supported;
}

void SimulatedWlanClient::setAdapterRadio(int index, bool softwareOn, bool hardwareOn)
{
    std::lock_guard<std::mutex> lock(d->m);
    Private::AdapterSlot *a = d->at(index);
    if (!a)
        return;
    const bool wasOn = Private::radioOn(*a);
    a->info.radioSoftwareOn = softwareOn;
    a->info.radioHardwareOn = hardwareOn;
    if (wasOn == Private::radioOn(*a))
        return;
    std::vector<Notification> out{makeNotification(SourceMsm, MsmRadioStateChange, a->info.guid)};
    if (!Private::radioOn(*a) && a->connected) {
        const std::vector<Notification> dropped = d->dropConnection(*a, WlanReasonCodes::DriverDisconnected);
        out.insert(out.end(), dropped.begin(), dropped.end());
    }
    d->dispatcher.post(std::move(out));
}

SimulatedWlanClient::Adapter SimulatedWlanClient::adapter(int index) const
{
    std::lock_guard<std::mutex> lock(d->m);
    const Private::AdapterSlot *a = d->at(index);
    return a ? a->info : Adapter();
}

int SimulatedWlanClient::adapterCount() const
{
    std::lock_guard<std::mutex> lock(d->m);
    return static_cast<int>(d->adapters.size());
}

Guid SimulatedWlanClient::adapterGuid(int index) const
{
    std::lock_guard<std::mutex> lock(d->m);
    const Private::AdapterSlot *a = d->at(index);
    return a ? a->info.guid : Guid();
}

void SimulatedWlanClient::addNetwork(const Network &network)
{
    std::lock_guard<std::mutex> lock(d->m);
    d->networks.push_back(network);
}

void SimulatedWlanClient::setNetworkInRange(const std::string &ssid, bool inRange)
{
    std::lock_guard<std::mutex> lock(d->m);
    for (Network &n : d->networks) {
        if (n.ssid == ssid)
            n.inRange = inRange;
    }
    if (inRange)
        return;
    std::vector<Notification> out;
    for (Private::AdapterSlot &a : d->adapters) {
        if (a.connected && a.connectedSsid == ssid && !d->connectedNetwork(a)) {
            const std::vector<Notification> dropped = d->dropConnection(a, WlanReasonCodes::NetworkNotAvailable);
            out.insert(out.end(), dropped.begin(), dropped.end());
        }
    }
    if (!out.empty())
        d->dispatcher.post(std::move(out));
}

void SimulatedWlanClient::setSignalQuality(const std::string &ssid, uint32_t quality)
{
    std::lock_guard<std::mutex> lock(d->m);
    for (Network &n : d->networks) {
        if (n.ssid == ssid)
            n.signalQuality = quality;
    }
}

void SimulatedWlanClient::clearNetworks()
{
    std::lock_guard<std::mutex> lock(d->m);
    d->networks.clear();
    std::vector<Notification> out;
    for (Private::AdapterSlot &a : d->adapters) {
        if (a.connected) {
            const std::vector<Notification> dropped = d->dropConnection(a, WlanReasonCodes::NetworkNotAvailable);
            out.insert(out.end(), dropped.begin(), dropped.end());
        }
    }
    if (!out.empty())
        d->dispatcher.post(std::move(out));
}

std::vector<SimulatedWlanClient::Network> SimulatedWlanClient::networks() const
{
    std::lock_guard<std::mutex> lock(d->m);
    return d->networks;
}

void SimulatedWlanClient::addStoredProfile(int adapterIndex, const std::u16string &xml)
{
    if (!addStoredProfile(adapterIndex, xml, 0))
        qWarning("Simulated WLAN service: a stored profile was refused");
}

bool SimulatedWlanClient::addStoredProfile(int adapterIndex, const std::u16string &xml, uint32_t flags)
{
    ParsedProfile parsed;
    uint32_t reason = 0;
    if (parseProfile(xml, parsed, reason) != Success)
        return false;
    std::lock_guard<std::mutex> lock(d->m);
    const Private::AdapterSlot *a = d->at(adapterIndex);
    if (!a)
        return false;
    Private::StoredProfile stored{parsed.name, xml, parsed, flags};
    if (Private::StoredProfile *existing = d->findProfile(a->info.guid, parsed.name))
        *existing = stored;
    else
        d->profiles[a->info.guid].push_back(stored);
    return true;
}

std::vector<std::u16string> SimulatedWlanClient::storedProfileNames(int adapterIndex) const
{
    std::lock_guard<std::mutex> lock(d->m);
    std::vector<std::u16string> names;
    const Private::AdapterSlot *a = d->at(adapterIndex);
    if (!a)
        return names;
    const auto it = d->profiles.find(a->info.guid);
    if (it != d->profiles.end()) {
        for (const Private::StoredProfile &p : it->second)
            names.push_back(p.name);
    }
    return names;
}

std::u16string SimulatedWlanClient::storedProfileXml(int adapterIndex, const std::u16string &name) const
{
    std::lock_guard<std::mutex> lock(d->m);
    const Private::AdapterSlot *a = d->at(adapterIndex);
    if (!a)
        return {};
    const Private::StoredProfile *p = d->findProfile(a->info.guid, name);
    return p ? p->xml : std::u16string();
}

void SimulatedWlanClient::setConnected(int adapterIndex, const std::u16string &profileName)
{
    std::lock_guard<std::mutex> lock(d->m);
    Private::AdapterSlot *a = d->at(adapterIndex);
    if (!a)
        return;
    const Private::StoredProfile *p = d->findProfile(a->info.guid, profileName);
    if (!p)
        return;
    if (a->pending) {
        a->pending = false;
        d->dispatcher.cancel(a->outcomeTicket);
    }
    a->connected = true;
    a->connectedProfile = p->name;
    a->connectedSsid = p->parsed.ssidBytes;
    const Network *n = d->networkFor(*p);
    a->connectedAuth = n ? n->authAlgorithm : WlanProfileParser::authAlgorithm(p->parsed.authentication);
}

std::u16string SimulatedWlanClient::connectedProfile(int adapterIndex) const
{
    std::lock_guard<std::mutex> lock(d->m);
    const Private::AdapterSlot *a = d->at(adapterIndex);
    return a && a->connected ? a->connectedProfile : std::u16string();
}

void SimulatedWlanClient::failCall(Call call, uint32_t error, int times)
{
    std::lock_guard<std::mutex> lock(d->m);
    d->failures[static_cast<size_t>(call)] = Private::Failure{error, times};
}

int SimulatedWlanClient::openHandleCount() const
{
    std::lock_guard<std::mutex> lock(d->m);
    return static_cast<int>(d->handles.size());
}

void SimulatedWlanClient::clearFailures()
{
    std::lock_guard<std::mutex> lock(d->m);
    d->failures.fill(Private::Failure());
    d->scanFailuresLeft = 0;
}

int SimulatedWlanClient::callCount(Call call) const
{
    std::lock_guard<std::mutex> lock(d->m);
    return d->counts[static_cast<size_t>(call)];
}

void SimulatedWlanClient::failScans(uint32_t reasonCode, int times)
{
    std::lock_guard<std::mutex> lock(d->m);
    d->scanFailureReason = reasonCode;
    d->scanFailuresLeft = times;
}

void SimulatedWlanClient::setScanDelay(int ms)
{
    std::lock_guard<std::mutex> lock(d->m);
    d->scanDelay = std::max(0, ms);
}

void SimulatedWlanClient::setConnectDelay(int ms)
{
    std::lock_guard<std::mutex> lock(d->m);
    d->connectDelay = std::max(0, ms);
}

void SimulatedWlanClient::setBackgroundScanInterval(int ms)
{
    std::lock_guard<std::mutex> lock(d->m);
    d->backgroundInterval = std::max(0, ms);
    Private *p = d.get();
    WlanNotificationDispatcher::Action action;
    if (d->backgroundInterval > 0) {
        action = [p] {
            std::lock_guard<std::mutex> inner(p->m);
            return p->backgroundScan();
        };
    }
    d->dispatcher.setPeriodic(action, d->backgroundInterval);
}

int SimulatedWlanClient::scanDelay() const
{
    std::lock_guard<std::mutex> lock(d->m);
    return d->scanDelay;
}

int SimulatedWlanClient::connectDelay() const
{
    std::lock_guard<std::mutex> lock(d->m);
    return d->connectDelay;
}

int SimulatedWlanClient::backgroundScanInterval() const
{
    std::lock_guard<std::mutex> lock(d->m);
    return d->backgroundInterval;
}

void SimulatedWlanClient::triggerBackgroundScan()
{
    std::lock_guard<std::mutex> lock(d->m);
    d->dispatcher.post(d->backgroundScan());
}

void SimulatedWlanClient::holdNotifications(bool held)
{
    d->dispatcher.setHeld(held);
}

void SimulatedWlanClient::waitForNotifications()
{
    d->dispatcher.waitUntilDelivered();
}

uint32_t SimulatedWlanClient::parseProfile(const std::u16string &xml, ParsedProfile &profile, uint32_t &reasonCode)
{
    return WlanProfileParser::parse(xml, profile, reasonCode);
}

// --- the service calls -----------------------------------------------------------------------------

uint32_t SimulatedWlanClient::openHandle(uint32_t clientVersion, uint32_t *negotiatedVersion, Handle *handle)
{
    std::lock_guard<std::mutex> lock(d->m);
    if (const uint32_t r = d->enter(Call::OpenHandle))
        return r;
    if (!handle || !negotiatedVersion || (clientVersion != 1 && clientVersion != 2))
        return InvalidParameter;
    if (!d->serviceAvailable)
        return ServiceNotActive;
    *handle = d->nextHandle++;
    d->handles.insert(*handle);
    *negotiatedVersion = std::min<uint32_t>(clientVersion, 2);
    return Success;
}

uint32_t SimulatedWlanClient::closeHandle(Handle handle)
{
    {
        std::lock_guard<std::mutex> lock(d->m);
        if (const uint32_t r = d->enter(Call::CloseHandle, handle))
            return r;
        d->handles.erase(handle);
    }
    d->dispatcher.closeHandle(handle);
    return Success;
}

uint32_t SimulatedWlanClient::enumInterfaces(Handle handle, std::vector<InterfaceInfo> &interfaces)
{
    std::lock_guard<std::mutex> lock(d->m);
    if (const uint32_t r = d->enter(Call::EnumInterfaces, handle))
        return r;
    interfaces.clear();
    for (const Private::AdapterSlot &a : d->adapters) {
        InterfaceInfo info;
        info.guid = a.info.guid;
        info.description = a.info.description.substr(0, 255);
        info.state = a.connected ? Connected : a.pending ? Associating : a.info.state;
        interfaces.push_back(info);
    }
    return Success;
}

uint32_t SimulatedWlanClient::queryRadioState(Handle handle, const Guid &iface, bool &softwareOn, bool &hardwareOn)
{
    return d->readAdapter(Call::QueryRadioState, handle, iface, [&](const Private::AdapterSlot &a) {
        softwareOn = a.info.radioSoftwareOn;
        hardwareOn = a.info.radioHardwareOn;
    });
}

uint32_t SimulatedWlanClient::queryOperationMode(Handle handle, const Guid &iface, uint32_t &mode)
{
    return d->readAdapter(Call::QueryOperationMode, handle, iface, [&](const Private::AdapterSlot &a) {
        mode = a.info.operationMode;
    });
}

uint32_t SimulatedWlanClient::queryBssType(Handle handle, const Guid &iface, int &bssType)
{
    return d->readAdapter(Call::QueryBssType, handle, iface, [&](const Private::AdapterSlot &a) {
        bssType = a.info.bssType;
    });
}

uint32_t SimulatedWlanClient::queryAutoConfEnabled(Handle handle, const Guid &iface, bool &enabled)
{
    return d->readAdapter(Call::QueryAutoConfEnabled, handle, iface, [&](const Private::AdapterSlot &a) {
        enabled = a.info.autoConfiguration;
    });
}

uint32_t SimulatedWlanClient::queryCurrentConnection(Handle handle, const Guid &iface, CurrentConnection &connection)
{
    std::lock_guard<std::mutex> lock(d->m);
    if (const uint32_t r = d->enter(Call::QueryCurrentConnection, handle))
        return r;
    const Private::AdapterSlot *a = d->find(iface);
    if (!a)
        return InvalidParameter;
    if (!a->connected)
        return InvalidState;
    connection = CurrentConnection();
    connection.state = Connected;
    connection.connectionMode = 0;
    connection.profileName = a->connectedProfile;
    connection.ssid = Ssid::fromBytes(a->connectedSsid);
    if (const Network *n = d->connectedNetwork(*a)) {
        if (!n->bss.empty())
            connection.bssid = n->bss.front().bssid;
        connection.signalQuality = std::min<uint32_t>(n->signalQuality, 100);
        connection.securityEnabled = n->securityEnabled;
        connection.authAlgorithm = n->authAlgorithm;
        connection.cipherAlgorithm = n->cipherAlgorithm;
    }
    return Success;
}

uint32_t SimulatedWlanClient::getInterfaceCapability(Handle handle, const Guid &iface, int &interfaceType)
{
    return d->readAdapter(Call::GetInterfaceCapability, handle, iface, [&](const Private::AdapterSlot &a) {
        interfaceType = a.info.interfaceType;
    });
}

uint32_t SimulatedWlanClient::scan(Handle handle, const Guid &iface)
{
    std::lock_guard<std::mutex> lock(d->m);
    if (const uint32_t r = d->enter(Call::Scan, handle))
        return r;
    const Private::AdapterSlot *a = d->find(iface);
    if (!a)
        return InvalidParameter;
    if (!Private::radioOn(*a))
        return NdisDot11PowerStateInvalid;
    if (a->info.state == NotReady || a->info.operationMode != OperationModeExtensibleStation)
        return InvalidState;
    Notification n = makeNotification(SourceAcm, AcmScanComplete, iface);
    if (d->scanFailuresLeft != 0) {
        if (d->scanFailuresLeft > 0)
            --d->scanFailuresLeft;
        n.code = AcmScanFail;
        n.reasonCode = d->scanFailureReason;
    }
    d->dispatcher.post({n}, d->scanDelay);
    return Success;
}

uint32_t SimulatedWlanClient::getAvailableNetworkList(Handle handle, const Guid &iface, uint32_t flags,
                                                      std::vector<AvailableNetwork> &networks)
{
    std::lock_guard<std::mutex> lock(d->m);
    if (const uint32_t r = d->enter(Call::GetAvailableNetworkList, handle))
        return r;
    const Private::AdapterSlot *a = d->find(iface);
    if (!a || (flags & ~0x3u))
        return InvalidParameter;
    networks.clear();
    if (!Private::radioOn(*a) || a->info.state == NotReady)
        return Success;

    static const std::vector<Private::StoredProfile> none;
    const auto store = d->profiles.find(iface);
    const std::vector<Private::StoredProfile> &profiles = store != d->profiles.end() ? store->second : none;

    // Networks known through a profile come first, in the profile order, as the service lists them.
    for (const Private::StoredProfile &p : profiles) {
        for (const Network &n : d->networks) {
            if (!Private::profileFinds(p, n))
                continue;
            AvailableNetwork e = d->entryFor(n);
            e.ssid = Ssid::fromBytes(n.ssid);
            e.profileName = p.name;
            e.flags |= NetworkHasProfile;
            if (p.flags & 0x2)
                e.flags |= NetworkConsoleUserProfile;
            if (a->connected && sameName(a->connectedProfile, p.name) && a->connectedSsid == n.ssid)
                e.flags |= NetworkConnected;
            networks.push_back(e);
        }
    }
    for (const Network &n : d->networks) {
        if (!n.inRange)
            continue;
        const bool known = std::any_of(profiles.begin(), profiles.end(),
                                       [&n](const Private::StoredProfile &p) { return Private::profileFinds(p, n); });
        if (!known)
            networks.push_back(d->entryFor(n));
    }
    return Success;
}

uint32_t SimulatedWlanClient::getNetworkBssList(Handle handle, const Guid &iface, const Ssid *ssid, int bssType,
                                                bool securityEnabled, std::vector<BssEntry> &entries)
{
    std::lock_guard<std::mutex> lock(d->m);
    if (const uint32_t r = d->enter(Call::GetNetworkBssList, handle))
        return r;
    const Private::AdapterSlot *a = d->find(iface);
    if (!a)
        return InvalidParameter;
    if (ssid && (ssid->length > 32 || (bssType != 1 && bssType != 2)))
        return InvalidParameter;
    if (!ssid && (bssType < 1 || bssType > 3))
        return InvalidParameter;
    if (!Private::radioOn(*a))
        return NdisDot11PowerStateInvalid;
    entries.clear();
    for (const Network &n : d->networks) {
        if (!n.inRange)
            continue;
        bool hideName = n.hidden;
        if (ssid) {
            const std::string wanted = ssid->toBytes();
            const bool sameSsid = wanted.empty() ? n.hidden : wanted == n.ssid;
            if (!sameSsid || n.bssType != bssType || n.securityEnabled != securityEnabled)
                continue;
            hideName = wanted.empty();
        } else if (bssType != 3 && n.bssType != bssType) {
            continue;
        }
        for (const Bss &b : n.bss) {
            BssEntry e;
            e.ssid = Ssid::fromBytes(hideName ? std::string() : n.ssid);
            e.bssid = b.bssid;
            e.bssType = n.bssType;
            e.phyType = b.phyType;
            e.rssi = b.rssi;
            e.linkQuality = static_cast<uint32_t>(std::clamp(2 * (b.rssi + 100), 0, 100));
            e.centerFrequencyKHz = b.centerFrequencyKHz;
            entries.push_back(e);
        }
    }
    return Success;
}

uint32_t SimulatedWlanClient::getProfile(Handle handle, const Guid &iface, const std::u16string &profileName,
                                         std::u16string &xml)
{
    std::lock_guard<std::mutex> lock(d->m);
    if (const uint32_t r = d->enter(Call::GetProfile, handle))
        return r;
    if (!d->find(iface) || profileName.empty())
        return InvalidParameter;
    const Private::StoredProfile *p = d->findProfile(iface, profileName);
    if (!p)
        return NotFound;
    xml = p->xml;
    return Success;
}

uint32_t SimulatedWlanClient::setProfile(Handle handle, const Guid &iface, uint32_t flags, const std::u16string &xml,
                                         bool overwrite, uint32_t &reasonCode)
{
    std::lock_guard<std::mutex> lock(d->m);
    reasonCode = WlanReasonCodes::Success;
    if (const uint32_t r = d->enter(Call::SetProfile, handle))
        return r;
    const Private::AdapterSlot *a = d->find(iface);
    if (!a || (flags & ~0x2u))
        return InvalidParameter;
    ParsedProfile parsed;
    if (const uint32_t r = WlanProfileParser::parse(xml, parsed, reasonCode))
        return r;
    if (const uint32_t r = WlanProfileParser::checkKeyMaterial(parsed, reasonCode))
        return r;
    if (WlanProfileParser::needsWpa3Adapter(parsed.authentication) && !a->info.supportsWpa3) {
        reasonCode = WlanReasonCodes::MsmsecCapabilityProfileAuth;
        return NoMatch;
    }
    Private::StoredProfile stored{parsed.name, xml, parsed, flags};
    if (Private::StoredProfile *existing = d->findProfile(iface, parsed.name)) {
        if (!overwrite)
            return AlreadyExists;
        *existing = stored;
    } else {
        d->profiles[iface].push_back(stored);
    }
    return Success;
}

uint32_t SimulatedWlanClient::deleteProfile(Handle handle, const Guid &iface, const std::u16string &profileName)
{
    std::lock_guard<std::mutex> lock(d->m);
    if (const uint32_t r = d->enter(Call::DeleteProfile, handle))
        return r;
    Private::AdapterSlot *a = d->find(iface);
    if (!a || profileName.empty())
        return InvalidParameter;
    auto &store = d->profiles[iface];
    const auto it = std::find_if(store.begin(), store.end(), [&profileName](const Private::StoredProfile &p) {
        return sameName(p.name, profileName);
    });
    if (it == store.end())
        return NotFound;
    const std::u16string name = it->name;
    store.erase(it);
    if (a->connected && sameName(a->connectedProfile, name))
        d->dispatcher.post(d->dropConnection(*a, WlanReasonCodes::ProfileChangedOrDeleted));
    return Success;
}

uint32_t SimulatedWlanClient::connect(Handle handle, const Guid &iface, const ConnectionParameters &parameters)
{
    std::lock_guard<std::mutex> lock(d->m);
    if (const uint32_t r = d->enter(Call::Connect, handle))
        return r;
    Private::AdapterSlot *a = d->find(iface);
    if (!a || parameters.connectionMode != 0 || parameters.profile.empty() || parameters.bssType < 1
        || parameters.bssType > 3)
        return InvalidParameter;
    if (!Private::radioOn(*a))
        return NdisDot11PowerStateInvalid;
    if (a->info.state == NotReady || a->info.operationMode != OperationModeExtensibleStation
        || !a->info.autoConfiguration)
        return InvalidState;
    const Private::StoredProfile *p = d->findProfile(iface, parameters.profile);
    if (!p)
        return NotFound;

    // A new request supersedes an attempt still in progress without a report of its own, and
    // leaves the current network first.
    std::vector<Notification> out;
    if (a->pending) {
        a->pending = false;
        d->dispatcher.cancel(a->outcomeTicket);
    }
    if (a->connected) {
        out.push_back(connectionNotification(SourceAcm, AcmDisconnecting, iface, 0, a->connectedProfile,
                                             a->connectedSsid));
        out.push_back(connectionNotification(SourceMsm, MsmDisassociating, iface, 0, a->connectedProfile,
                                             a->connectedSsid));
        const std::vector<Notification> dropped = d->dropConnection(*a, WlanReasonCodes::Success);
        out.insert(out.end(), dropped.begin(), dropped.end());
    }
    a->pending = true;
    a->attempt = d->nextAttempt++;
    a->pendingProfile = p->name;
    a->pendingSsid = p->parsed.ssidBytes;
    out.push_back(connectionNotification(SourceAcm, AcmConnectionStart, iface, 0, p->name, p->parsed.ssidBytes));
    out.push_back(connectionNotification(SourceMsm, MsmAssociating, iface, 0, p->name, p->parsed.ssidBytes));
    d->dispatcher.post(std::move(out));

    Private *priv = d.get();
    const uint64_t attempt = a->attempt;
    const Guid guid = iface;
    a->outcomeTicket = d->dispatcher.postAction(
        [priv, guid, attempt] { return priv->completeConnect(guid, attempt); }, d->connectDelay);
    return Success;
}

uint32_t SimulatedWlanClient::disconnect(Handle handle, const Guid &iface)
{
    std::lock_guard<std::mutex> lock(d->m);
    if (const uint32_t r = d->enter(Call::Disconnect, handle))
        return r;
    Private::AdapterSlot *a = d->find(iface);
    if (!a)
        return InvalidParameter;
    std::vector<Notification> out;
    if (a->pending) {
        out = d->dropConnection(*a, WlanReasonCodes::UserCancelled);
    } else if (a->connected) {
        out.push_back(connectionNotification(SourceAcm, AcmDisconnecting, iface, 0, a->connectedProfile,
                                             a->connectedSsid));
        out.push_back(connectionNotification(SourceMsm, MsmDisassociating, iface, 0, a->connectedProfile,
                                             a->connectedSsid));
        const std::vector<Notification> dropped = d->dropConnection(*a, WlanReasonCodes::Success);
        out.insert(out.end(), dropped.begin(), dropped.end());
    } else if (a->info.state == Connected) {
        a->info.state = Disconnected;
    }
    if (!out.empty())
        d->dispatcher.post(std::move(out));
    return Success;
}

uint32_t SimulatedWlanClient::registerNotification(Handle handle, uint32_t sourceMask, bool ignoreDuplicate,
                                                   NotificationCallback callback, void *context)
{
    {
        std::lock_guard<std::mutex> lock(d->m);
        if (const uint32_t r = d->enter(Call::RegisterNotification, handle))
            return r;
    }
    // Outside the service lock: this may wait for a callback that itself calls into the service.
    d->dispatcher.setRegistration(handle, sourceMask, callback, context);
    return Success;
}

uint32_t SimulatedWlanClient::reasonCodeToString(uint32_t reasonCode, uint32_t bufferChars, std::u16string &text)
{
    std::lock_guard<std::mutex> lock(d->m);
    if (const uint32_t r = d->enter(Call::ReasonCodeToString))
        return r;
    if (bufferChars == 0)
        return InvalidParameter;
    text = WlanReasonCodes::text(reasonCode);
    if (text.size() > bufferChars - 1)
        text.resize(bufferChars - 1);
    return Success;
}

int SimulatedWlanClient::guidToString(const Guid &guid, uint32_t bufferChars, std::u16string &text)
{
    {
        std::lock_guard<std::mutex> lock(d->m);
        if (d->enter(Call::GuidToString) != Success)
            return 0;
    }
    if (bufferChars < 39)
        return 0;
    text = guidText(guid);
    return 39;
}

} // namespace wlan
