#include "wireless/WirelessConnect.h"
#include "platform/wlan/WlanText.h"

#include "app/settings/SettingsStore.h"
#include "platform/wlan/WlanClientProvider.h"
#include "wireless/ProfileXml.h"
#include "wireless/WirelessTexts.h"

#include <QMetaObject>

#include <algorithm>
#include <utility>

namespace {

constexpr uint32_t ClientVersion = 2;
constexpr uint32_t NotificationSources = wlan::SourceAcm | wlan::SourceMsm;
constexpr uint32_t ReasonWpa3NotSupported = 0x4001E;
constexpr uint32_t GuidTextChars = 39;
// Numeric: older Windows SDK headers have no names for the WPA3 values.
constexpr int AuthWpa2Psk = 7;
constexpr int AuthWpa3Sae = 9;

// Cleared first thing in the destructor: a notification racing process exit must not reach an
// engine that is being torn down.
std::atomic<bool> engineAlive{false};

QString decodeSsid(const wlan::Ssid &ssid)
{
    const int length = static_cast<int>(std::min<uint32_t>(ssid.length, 32));
    return QString::fromUtf8(reinterpret_cast<const char *>(ssid.bytes.data()), length);
}

bool hasName(const wlan::Ssid &ssid)
{
    return ssid.length > 0 && ssid.bytes[0] != 0;
}

// Entries whose whole flags value is one of these count as having a saved profile.
bool inProfileSet(uint32_t flags)
{
    return flags == 2 || flags == 3 || flags == 4 || flags == 10 || flags == 11;
}

bool isIndexIn(int index, const std::vector<wlan::InterfaceInfo> &list)
{
    return index >= 0 && static_cast<size_t>(index) < list.size();
}

// Ends the subscription and closes the handle of a client the engine lets go of.
void release(const std::shared_ptr<wlan::WlanClient> &client, wlan::Handle handle)
{
    if (!client || handle == 0)
        return;
    client->registerNotification(handle, wlan::SourceNone, false, nullptr, nullptr);
    client->closeHandle(handle);
}

} // namespace

void wlanNotificationCallback(const wlan::Notification *notification, void * /*context*/)
{
    if (!notification || notification->source != wlan::SourceAcm || !engineAlive.load())
        return;

    WirelessConnect *engine = WirelessConnect::instance();
    switch (notification->code) {
    case wlan::AcmScanComplete:
        engine->onScanComplete();
        break;
    case wlan::AcmConnectionStart:
        emit engine->apConnecting();
        break;
    case wlan::AcmConnectionComplete: {
        // Without its connection data the outcome is unknown; it is never reported as success.
        if (!notification->hasConnectionData)
            break;
        const uint32_t reason = notification->reasonCode;
        if (reason == 0) {
            emit engine->apConnectionComplete();
        } else {
            emit engine->apConnectionFailed(
                QStringLiteral("%1 %2 %3\n%4")
                    .arg(WirelessConnect::tr("Your security key/network name is not correct!"),
                         WirelessConnect::tr("Error code:"), QString::number(reason),
                         WirelessConnect::tr("Please try again.")));
        }
        break;
    }
    default:
        break;
    }
}

WirelessConnect *WirelessConnect::instance()
{
    static WirelessConnect engine;
    return &engine;
}

WirelessConnect::WirelessConnect()
    : QObject(nullptr)
{
    registerWirelessMetaTypes();
    engineAlive.store(true);
}

WirelessConnect::~WirelessConnect()
{
    engineAlive.store(false);
    reset();
}

void WirelessConnect::reset()
{
    std::shared_ptr<wlan::WlanClient> oldClient;
    {
        std::lock_guard<std::mutex> lock(stateMutex);
        oldClient = std::move(client);
        client.reset();
        activeInterfaceGuid = wlan::Guid();
        activeInterfaceInfo = wlan::InterfaceInfo();
    }
    release(oldClient, clientHandle.exchange(0));
    scanInterfaceIndex.store(0);
    scanPending.store(false);
    listingQueued.store(false);
}

WirelessConnect::Session WirelessConnect::session() const
{
    Session s;
    {
        std::lock_guard<std::mutex> lock(stateMutex);
        s.client = client;
        s.guid = activeInterfaceGuid;
        s.activeState = activeInterfaceInfo.state;
    }
    s.handle = clientHandle.load();
    return s;
}

// --- Interfaces ------------------------------------------------------------------------------

void WirelessConnect::initWlan()
{
    std::shared_ptr<wlan::WlanClient> service = wlan::defaultClient();
    std::shared_ptr<wlan::WlanClient> previous;
    {
        std::lock_guard<std::mutex> lock(stateMutex);
        previous = std::exchange(client, service);
    }
    // A second start must not leak the handle of the first (nor leave its subscription running).
    release(previous, clientHandle.exchange(0));
    if (!service) {
        emit wirelessCardNotDetected();
        return;
    }
    uint32_t negotiated = 0;
    wlan::Handle handle = 0;
    if (service->openHandle(ClientVersion, &negotiated, &handle) != wlan::Success) {
        emit wirelessCardNotDetected();
        return;
    }
    clientHandle.store(handle);
    discoverInterfaces(scanInterfaceIndex.load());
}

void WirelessConnect::manageWlanInterface(int interfaceIndex)
{
    discoverInterfaces(interfaceIndex);
}

void WirelessConnect::discoverInterfaces(int requestedIndex)
{
    const Session s = session();
    if (!s.client) {
        emit wlanInterfacesError();
        return;
    }

    std::vector<wlan::InterfaceInfo> interfaces;
    if (s.client->enumInterfaces(s.handle, interfaces) != wlan::Success) {
        emit wlanInterfacesError();
        return;
    }
    if (interfaces.empty()) {
        emit wirelessCardNotDetected();
        return;
    }

    int activeIndex = requestedIndex;
    if (interfaces.size() >= 2 && hasSetting(QStringLiteral("AppSettings"), QStringLiteral("WlanIndex")))
        activeIndex = readSetting(QStringLiteral("AppSettings"), QStringLiteral("WlanIndex"), 0).toInt();

    // A stored index left from an adapter that is gone reads like that adapter being removed.
    if (!isIndexIn(activeIndex, interfaces)) {
        emit removeInterface(activeIndex);
        return;
    }

    const wlan::InterfaceInfo &active = interfaces[static_cast<size_t>(activeIndex)];
    bool softwareOn = false;
    bool hardwareOn = false;
    if (s.client->queryRadioState(s.handle, active.guid, softwareOn, hardwareOn) != wlan::Success) {
        emit removeInterface(activeIndex);
        return;
    }

    QVector<WirelessInterface> records;
    for (size_t i = 0; i < interfaces.size(); ++i) {
        {
            std::lock_guard<std::mutex> lock(stateMutex);
            activeInterfaceInfo = active;
            activeInterfaceGuid = active.guid;
        }

        WirelessInterface record;
        record.index = static_cast<int>(i);
        record.activeIndex = activeIndex;
        record.description = wlan::toQString(interfaces[i].description);

        std::u16string guidText;
        if (s.client->guidToString(active.guid, GuidTextChars, guidText) == 0)
            record.guid = tr("Unknown");
        else
            record.guid = wlan::toQString(guidText);

        int interfaceType = 0;
        if (s.client->getInterfaceCapability(s.handle, active.guid, interfaceType) == wlan::Success)
            record.type = interfaceTypeText(interfaceType);
        else
            record.type = tr("Unknown");

        record.state = active.state;
        record.stateText = interfaceStateText(active.state);

        uint32_t mode = 0;
        if (s.client->queryOperationMode(s.handle, active.guid, mode) == wlan::Success)
            record.operationMode = operationModeText(mode);
        else
            record.operationMode = tr("Error");

        int bssType = 0;
        if (s.client->queryBssType(s.handle, active.guid, bssType) == wlan::Success)
            record.bssType = bssTypeText(bssType);
        else
            record.bssType = tr("Error");

        bool autoConf = false;
        if (s.client->queryAutoConfEnabled(s.handle, active.guid, autoConf) == wlan::Success)
            record.autoConfiguration = autoConf ? tr("True") : tr("False");
        else
            record.autoConfiguration = tr("Error");

        records.append(record);
        emit wirelessInterfaceData(records);
    }

    setWirelessNetworks(activeIndex, false);
}

void WirelessConnect::setFreeWlanResources()
{
    const Session s = session();
    if (s.client)
        s.client->closeHandle(s.handle);
}

// --- Scan and listing ------------------------------------------------------------------------

void WirelessConnect::refreshNetworks(int interfaceIndex)
{
    scanInterfaceIndex.store(interfaceIndex);
    scanPending.store(true);

    const Session s = session();
    if (!s.client) {
        emit refreshFailed(static_cast<int>(wlan::InvalidHandle));
        return;
    }
    s.client->registerNotification(s.handle, NotificationSources, false, &wlanNotificationCallback, nullptr);
    const uint32_t result = s.client->scan(s.handle, s.guid);
    if (result != wlan::Success)
        emit refreshFailed(static_cast<int>(result));
}

// Runs on the service's notification thread. The listing itself is handed to the engine's own
// thread; the flags make sure one pending scan yields one listing even if several completions
// (requested and background) arrive before it runs.
void WirelessConnect::onScanComplete()
{
    if (!scanPending.load())
        return;
    if (listingQueued.exchange(true))
        return;
    if (!scanPending.load()) {
        // The listing that answered this scan finished between the two checks.
        listingQueued.store(false);
        return;
    }
    QMetaObject::invokeMethod(this, "setWirelessNetworks", Qt::QueuedConnection,
                              Q_ARG(int, scanInterfaceIndex.load()), Q_ARG(bool, true));
}

void WirelessConnect::setWirelessNetworks(int interfaceIndex, bool isScanning)
{
    enum class Status { None, InterfacesError, NetworksError, NoNetworks, OpenNetwork };

    QVector<WirelessAP> networks;
    QVector<WirelessAP> profiles;
    Status status = Status::None;

    const Session s = session();
    std::vector<wlan::InterfaceInfo> interfaces;
    std::vector<wlan::AvailableNetwork> available;
    if (!s.client || s.client->enumInterfaces(s.handle, interfaces) != wlan::Success) {
        status = Status::InterfacesError;
    } else if (!isIndexIn(interfaceIndex, interfaces)
               || s.client->getAvailableNetworkList(s.handle, interfaces[static_cast<size_t>(interfaceIndex)].guid,
                                                    0, available) != wlan::Success) {
        status = Status::NetworksError;
    } else if (available.empty()) {
        status = Status::NoNetworks;
    } else {
        bool openNetwork = false;
        for (const wlan::AvailableNetwork &network : available) {
            const WirelessAP record = buildRecord(s, network);
            if (inProfileSet(network.flags)) {
                profiles.append(record);
            } else {
                networks.append(record);
                if (!network.securityEnabled)
                    openNetwork = true;
            }
        }
        if (openNetwork)
            status = Status::OpenNetwork;
    }

    switch (status) {
    case Status::InterfacesError: emit wlanInterfacesError(); break;
    case Status::NetworksError: emit wlanAvailableNetworksError(); break;
    case Status::NoNetworks: emit noWirelessAPAvailable(); break;
    case Status::OpenNetwork: emit notifyOpenAP(); break;
    case Status::None: break;
    }

    if (isScanning) {
        scanPending.store(false);
        listingQueued.store(false);
        emit networksScanCompleted();
    }

    emit appWirelessData(networks);
    emit appProfileWlanData(profiles);
    emit wlanNetworksAdded();
}

void WirelessConnect::getWlanInRangeProfiles(int adapterInterfaceIndex)
{
    const Session s = session();
    std::vector<wlan::InterfaceInfo> interfaces;
    if (!s.client || s.client->enumInterfaces(s.handle, interfaces) != wlan::Success) {
        emit wlanInterfacesError();
        return;
    }
    std::vector<wlan::AvailableNetwork> available;
    if (!isIndexIn(adapterInterfaceIndex, interfaces)
        || s.client->getAvailableNetworkList(s.handle, interfaces[static_cast<size_t>(adapterInterfaceIndex)].guid,
                                             0, available) != wlan::Success) {
        emit wlanAvailableNetworksError();
        return;
    }
    if (available.empty()) {
        emit noWirelessAPAvailable();
        return;
    }
    QVector<WirelessAP> profiles;
    for (const wlan::AvailableNetwork &network : available) {
        if (inProfileSet(network.flags))
            profiles.append(buildRecord(s, network));
    }
    emit appProfileWlanData(profiles);
}

WirelessAP WirelessConnect::buildRecord(const Session &s, const wlan::AvailableNetwork &network)
{
    WirelessAP ap;
    if (!network.profileName.empty()) {
        ap.profileName = wlan::toQString(network.profileName);
        ap.ssid = decodeSsid(network.ssid);
        ap.isHidden = false;
    } else if (hasName(network.ssid)) {
        ap.ssid = decodeSsid(network.ssid);
        ap.profileName = ap.ssid;
        ap.isHidden = false;
    } else {
        ap.ssid = tr("Hidden network");
        ap.profileName = ap.ssid;
        ap.isHidden = true;
    }

    ap.cipherAlgorithm = network.cipherAlgorithm;
    ap.cipherText = cipherAlgorithmText(network.cipherAlgorithm);
    ap.authAlgorithm = network.authAlgorithm;
    ap.authText = authAlgorithmText(network.authAlgorithm);
    ap.isSecured = network.securityEnabled;
    ap.securityText = network.securityEnabled ? tr("Yes") : tr("No");
    ap.credentials = credentialsText(ap.isSecured, ap.authAlgorithm);

    ap.signal = signalText(std::min<uint32_t>(network.signalQuality, 100));

    ap.bssType = bssTypeText(network.bssType);
    ap.connectable = network.connectable ? tr("Yes") : tr("No");
    ap.bssidCount = QString::number(network.bssidCount);
    ap.notConnectableReason = reasonCodeText(network.notConnectableReason);
    ap.phyTypeCount = QString::number(network.phyTypes.size());
    ap.flags = static_cast<int>(network.flags);
    ap.flagsText = networkFlagsText(ap.flags);
    ap.phyType = phyTypeText(network.phyTypes.empty() ? 0 : network.phyTypes.front());

    switch (s.activeState) {
    case wlan::Connected: {
        wlan::CurrentConnection current;
        if (s.client->queryCurrentConnection(s.handle, s.guid, current) != wlan::Success)
            ap.connectionState = 4;
        else
            // Two networks may share a name (one open, one secured): the connected one matches both.
            ap.connectionState =
                decodeSsid(current.ssid) == ap.ssid && current.securityEnabled == network.securityEnabled ? 2 : 0;
        break;
    }
    case wlan::Disconnecting:
    case wlan::Disconnected:
    case wlan::Authenticating:
        ap.connectionState = 0;
        break;
    default:
        ap.connectionState = 4;
        break;
    }
    ap.connectionText = ap.connectionState == 2 ? tr("Yes") : ap.connectionState == 0 ? tr("No") : tr("Unknown");

    std::vector<wlan::BssEntry> bssList;
    const uint32_t bssResult = s.client->getNetworkBssList(s.handle, s.guid, &network.ssid, network.bssType,
                                                           network.securityEnabled, bssList);
    if (bssResult != wlan::Success) {
        emit failedToGetNetworkInfo(static_cast<int>(bssResult));
    } else if (bssList.empty()) {
        ap.channel = ap.bssid = ap.frequency = ap.band = tr("Unknown");
    } else {
        for (const wlan::BssEntry &entry : bssList) {
            ap.bssid = macAddressText(entry.bssid);
            ap.channel = channelText(entry.centerFrequencyKHz);
            ap.frequency = frequencyText(entry.centerFrequencyKHz);
            ap.band = bandText(entry.centerFrequencyKHz, network.bssidCount);
        }
    }
    return ap;
}

// --- Profiles, connect and disconnect --------------------------------------------------------

uint32_t WirelessConnect::writeProfile(const Session &s, const QString &xml, uint32_t &reasonCode)
{
    reasonCode = 0;
    return s.client->setProfile(s.handle, s.guid, 0, xml.toStdU16String(), true, reasonCode);
}

uint32_t WirelessConnect::rewriteExistingProfile(const Session &s, const QString &profileName, const QString &xml)
{
    // The user's profile is deleted before the new one is written; a new one the service refuses
    // must not cost the old one, so it is kept and written back. One that is there but cannot be
    // read is not deleted at all.
    const std::u16string name = profileName.toStdU16String();
    std::u16string previous;
    const uint32_t read = s.client->getProfile(s.handle, s.guid, name, previous);
    if (read != wlan::Success && read != wlan::NotFound)
        return read;
    const uint32_t deleted = s.client->deleteProfile(s.handle, s.guid, name);
    if (deleted != wlan::Success)
        return deleted;
    uint32_t reasonCode = 0;
    const uint32_t written = writeProfile(s, xml, reasonCode);
    if (written != wlan::Success && !previous.empty())
        s.client->setProfile(s.handle, s.guid, 0, previous, true, reasonCode);
    return written;
}

uint32_t WirelessConnect::readSavedProfile(const Session &s, const QString &profileName)
{
    // Only whether the saved profile is there matters; its XML is not used.
    std::u16string xml;
    return s.client->getProfile(s.handle, s.guid, profileName.toStdU16String(), xml);
}

void WirelessConnect::requestConnection(const Session &s, const QString &profileName)
{
    wlan::ConnectionParameters parameters;
    parameters.connectionMode = 0;
    parameters.profile = profileName.toStdU16String();
    parameters.bssType = 3;
    parameters.flags = 0;
    // Subscribed before the request, not after it: the service may report the connection start
    // before WlanConnect has returned, and a start that nobody hears leaves the window unable to
    // show "Cancel". A refused request is answered by apNotConnected and the window unsubscribes.
    s.client->registerNotification(s.handle, NotificationSources, false, &wlanNotificationCallback, nullptr);
    const uint32_t result = s.client->connect(s.handle, s.guid, parameters);
    if (result != wlan::Success)
        emit apNotConnected(static_cast<int>(result));
}

void WirelessConnect::connectOpenAP(const QString &profileName, const QString &apName,
                                    _DOT11_AUTH_ALGORITHM authAlgorithm, _DOT11_CIPHER_ALGORITHM encryption,
                                    bool hiddenAP, bool profileExists, bool isAutoConnection)
{
    const Session s = session();
    if (!s.client) {
        emit apNotConnected(static_cast<int>(wlan::InvalidHandle));
        return;
    }

    uint32_t result = wlan::Success;
    if (profileExists) {
        result = readSavedProfile(s, profileName);
    } else {
        const QString xml = ProfileXml::openProfile(profileName, apName, static_cast<int>(authAlgorithm),
                                                    static_cast<int>(encryption), hiddenAP, isAutoConnection);
        uint32_t reasonCode = 0;
        result = writeProfile(s, xml, reasonCode);
        if (result == wlan::AlreadyExists)
            result = rewriteExistingProfile(s, profileName, xml);
    }
    if (result != wlan::Success) {
        emit apNotConnected(static_cast<int>(result));
        return;
    }
    requestConnection(s, profileName);
}

void WirelessConnect::connectSecuredAP(const QString &profileName, const QString &apName,
                                       _DOT11_AUTH_ALGORITHM authAlgorithm, _DOT11_CIPHER_ALGORITHM encryption,
                                       const QString &password, bool hiddenAP, bool profileExists,
                                       bool isAutoConnection)
{
    const Session s = session();
    if (!s.client) {
        emit apNotConnected(static_cast<int>(wlan::InvalidHandle));
        return;
    }

    uint32_t result = wlan::Success;
    if (profileExists) {
        result = readSavedProfile(s, profileName);
    } else {
        const auto profileFor = [&](int auth) {
            return ProfileXml::securedProfile(profileName, apName, auth, static_cast<int>(encryption), password,
                                              hiddenAP, isAutoConnection);
        };
        const QString xml = profileFor(static_cast<int>(authAlgorithm));
        uint32_t reasonCode = 0;
        result = writeProfile(s, xml, reasonCode);
        if (result == wlan::NoMatch && reasonCode == ReasonWpa3NotSupported
            && static_cast<int>(authAlgorithm) == AuthWpa3Sae) {
            // The adapter cannot do WPA3-SAE; WPA2-PSK with the same key is what the network offers too.
            result = writeProfile(s, profileFor(AuthWpa2Psk), reasonCode);
        } else if (result == wlan::AlreadyExists) {
            result = rewriteExistingProfile(s, profileName, xml);
        }
    }
    if (result != wlan::Success) {
        emit apNotConnected(static_cast<int>(result));
        return;
    }
    requestConnection(s, profileName);
}

void WirelessConnect::disconnectAP()
{
    const Session s = session();
    if (s.client && s.client->disconnect(s.handle, s.guid) == wlan::Success)
        emit apDisconnected();
}

void WirelessConnect::cancelAP()
{
    const Session s = session();
    if (!s.client) {
        emit apCancelFailed(static_cast<int>(wlan::InvalidHandle));
        return;
    }
    uint32_t result = s.client->disconnect(s.handle, s.guid);
    if (result != wlan::Success) {
        emit apCancelFailed(static_cast<int>(result));
        return;
    }
    result = s.client->registerNotification(s.handle, wlan::SourceNone, false, nullptr, nullptr);
    if (result != wlan::Success)
        emit apCancelFailed(static_cast<int>(result));
    else
        emit apCanceled();
}

void WirelessConnect::setWlanDeleteProfile(const QString &profile, bool isRecoverScan)
{
    const Session s = session();
    const uint32_t result = s.client ? s.client->deleteProfile(s.handle, s.guid, profile.toStdU16String())
                                     : static_cast<uint32_t>(wlan::InvalidHandle);
    if (result == wlan::Success || result == wlan::NotFound) {
        if (!isRecoverScan)
            emit wlanProfileRemoved();
    } else {
        emit removeWlanProfileError(static_cast<int>(result));
    }
}

void WirelessConnect::deleteFailedWlanProfile(const QString &profile)
{
    const Session s = session();
    const uint32_t result = s.client ? s.client->deleteProfile(s.handle, s.guid, profile.toStdU16String())
                                     : static_cast<uint32_t>(wlan::InvalidHandle);
    if (result == wlan::Success || result == wlan::NotFound)
        emit wlanFailedProfileRemoved();
    else
        emit removeWlanProfileError(static_cast<int>(result));
}

// --- Notifications and connection state ------------------------------------------------------

void WirelessConnect::setWlanUnregisterNotification()
{
    const Session s = session();
    const uint32_t result = s.client
        ? s.client->registerNotification(s.handle, wlan::SourceNone, false, nullptr, nullptr)
        : static_cast<uint32_t>(wlan::InvalidHandle);
    if (result != wlan::Success)
        emit wlanUnregisterNotificationError(static_cast<int>(result));
}

void WirelessConnect::checkWlanState(int interfaceIndex)
{
    const Session s = session();
    std::vector<wlan::InterfaceInfo> interfaces;
    if (!s.client || s.client->enumInterfaces(s.handle, interfaces) != wlan::Success
        || !isIndexIn(interfaceIndex, interfaces)) {
        emit wlanStateDisconnected();
        return;
    }

    const wlan::InterfaceInfo entry = interfaces[static_cast<size_t>(interfaceIndex)];
    {
        std::lock_guard<std::mutex> lock(stateMutex);
        activeInterfaceInfo = entry;
    }

    switch (entry.state) {
    case wlan::Connected: {
        wlan::CurrentConnection current;
        if (s.client->queryCurrentConnection(s.handle, s.guid, current) != wlan::Success) {
            emit wlanStateDisconnected();
            return;
        }
        ConnectionData data;
        data.ssid = decodeSsid(current.ssid);
        data.profileName = wlan::toQString(current.profileName);
        data.state = 2;
        emit connectedState(data);
        break;
    }
    case wlan::Disconnecting:
    case wlan::Disconnected:
    case wlan::Authenticating:
        emit wlanStateDisconnected();
        break;
    default:
        break;
    }
}
