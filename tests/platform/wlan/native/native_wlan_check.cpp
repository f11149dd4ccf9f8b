// Checks the Windows WLAN client: the copies out of the service's structures and the
// notification trampoline with hand-made data, then every call against the running service.
// Without a wireless adapter (Wine, a desktop without Wi-Fi) the per-adapter calls must fail
// with an error code and never crash. Prints "N passed, M failed".

#include "platform/wlan/NativeWlanClient_win.h"
#include "platform/wlan/NativeWlanData_win.h"

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

int passed = 0;
int failed = 0;

void check(bool ok, const char *what, const std::string &detail = {})
{
    (ok ? passed : failed)++;
    std::printf("%s %s%s%s\n", ok ? "PASS" : "FAIL", what, detail.empty() ? "" : ": ", detail.c_str());
}

std::string code(uint32_t value)
{
    return "returned " + std::to_string(value);
}

std::string narrow(const std::u16string &text)
{
    std::string out;
    for (char16_t c : text)
        out += c < 0x80 ? static_cast<char>(c) : '?';
    return out;
}

struct Received {
    int calls = 0;
    bool gotNull = false;
    void *context = nullptr;
    wlan::Notification last;
};

void recordNotification(const wlan::Notification *notification, void *context)
{
    auto *received = static_cast<Received *>(context);
    received->calls++;
    received->context = context;
    received->gotNull = notification == nullptr;
    if (notification)
        received->last = *notification;
}

std::atomic<int> serviceCallbacks{0};

void countNotification(const wlan::Notification *, void *)
{
    serviceCallbacks++;
}

GUID sampleGuid()
{
    GUID guid{};
    guid.Data1 = 0x1234ABCD;
    guid.Data2 = 0x5678;
    guid.Data3 = 0x9ABC;
    const unsigned char tail[8] = {0xDE, 0xF0, 0x01, 0x23, 0x45, 0x67, 0x89, 0xAB};
    std::memcpy(guid.Data4, tail, 8);
    return guid;
}

void checkCopies()
{
    using namespace wlan::native;

    WCHAR full[256];
    for (WCHAR &c : full)
        c = L'x';
    check(boundedText(full, 256).size() == 255, "an unterminated 256-character buffer yields 255 characters");
    const WCHAR shortText[8] = L"Cafe";
    check(boundedText(shortText, 8) == u"Cafe", "a terminated text stops at its terminator");
    check(boundedText(nullptr, 10).empty(), "no text yields an empty string");

    const GUID guid = sampleGuid();
    const wlan::Guid copied = fromGuid(guid);
    const GUID back = toGuid(copied);
    check(copied.data1 == 0x1234ABCD && copied.data2 == 0x5678 && copied.data3 == 0x9ABC
              && copied.data4[0] == 0xDE && copied.data4[7] == 0xAB
              && std::memcmp(&back, &guid, sizeof(GUID)) == 0,
          "a GUID survives the copy both ways");

    DOT11_SSID longSsid{};
    longSsid.uSSIDLength = 40;
    for (int i = 0; i < DOT11_SSID_MAX_LENGTH; ++i)
        longSsid.ucSSID[i] = static_cast<UCHAR>('a' + i % 26);
    const wlan::Ssid ssid = fromSsid(longSsid);
    check(ssid.length == 32 && ssid.bytes[31] == static_cast<uint8_t>('a' + 31 % 26),
          "an SSID length beyond 32 bytes is cut to the buffer");

    WLAN_AVAILABLE_NETWORK network{};
    std::memcpy(network.strProfileName, L"Home", sizeof(L"Home"));
    network.dot11Ssid.uSSIDLength = 4;
    std::memcpy(network.dot11Ssid.ucSSID, "Home", 4);
    network.dot11BssType = dot11_BSS_type_infrastructure;
    network.uNumberOfBssids = 3;
    network.bNetworkConnectable = FALSE;
    network.wlanNotConnectableReason = 0x8002;
    network.uNumberOfPhyTypes = 12;
    for (int i = 0; i < WLAN_MAX_PHY_TYPE_NUMBER; ++i)
        network.dot11PhyTypes[i] = static_cast<DOT11_PHY_TYPE>(i + 4);
    network.wlanSignalQuality = 77;
    network.bSecurityEnabled = TRUE;
    network.dot11DefaultAuthAlgorithm = DOT11_AUTH_ALGO_RSNA_PSK;
    network.dot11DefaultCipherAlgorithm = DOT11_CIPHER_ALGO_CCMP;
    network.dwFlags = 3;
    const wlan::AvailableNetwork available = fromAvailableNetwork(network);
    check(available.profileName == u"Home" && available.ssid.toBytes() == "Home" && available.bssType == 1
              && available.bssidCount == 3 && !available.connectable && available.notConnectableReason == 0x8002
              && available.signalQuality == 77 && available.securityEnabled && available.authAlgorithm == 7
              && available.cipherAlgorithm == 4 && available.flags == 3,
          "an available-network entry is copied field by field");
    check(available.phyTypes.size() == 8 && available.phyTypes.front() == 4 && available.phyTypes.back() == 11,
          "a PHY count beyond the fixed list reads only the eight listed types");

    WLAN_BSS_ENTRY bss{};
    const UCHAR mac[6] = {0x00, 0x1A, 0x2B, 0x3C, 0x4D, 0x5E};
    std::memcpy(bss.dot11Bssid, mac, 6);
    bss.ulChCenterFrequency = 5180000;
    bss.lRssi = -61;
    bss.uLinkQuality = 80;
    bss.dot11BssPhyType = dot11_phy_type_ht;
    const wlan::BssEntry entry = fromBssEntry(bss);
    check(entry.bssid[0] == 0x00 && entry.bssid[5] == 0x5E && entry.centerFrequencyKHz == 5180000
              && entry.rssi == -61 && entry.linkQuality == 80 && entry.phyType == dot11_phy_type_ht,
          "a BSS entry keeps its BSSID, frequency and signal");

    WLAN_CONNECTION_ATTRIBUTES attributes{};
    attributes.isState = wlan_interface_state_connected;
    std::memcpy(attributes.strProfileName, L"Office", sizeof(L"Office"));
    attributes.wlanAssociationAttributes.dot11Ssid.uSSIDLength = 6;
    std::memcpy(attributes.wlanAssociationAttributes.dot11Ssid.ucSSID, "Office", 6);
    attributes.wlanSecurityAttributes.bSecurityEnabled = TRUE;
    attributes.wlanSecurityAttributes.dot11AuthAlgorithm = DOT11_AUTH_ALGO_RSNA_PSK;
    const wlan::CurrentConnection connection = fromConnectionAttributes(attributes);
    check(connection.state == wlan::Connected && connection.profileName == u"Office"
              && connection.ssid.toBytes() == "Office" && connection.securityEnabled && connection.authAlgorithm == 7,
          "the current connection carries profile name and SSID");
}

void checkTrampoline()
{
    using namespace wlan::native;

    Received received;
    Registration registration;
    registration.callback = &recordNotification;
    registration.context = &received;

    notificationTrampoline(nullptr, &registration);
    check(received.calls == 1 && received.gotNull && received.context == &received,
          "no data from the service reaches the callback as a null notification with its context");

    WLAN_CONNECTION_NOTIFICATION_DATA payload{};
    payload.wlanReasonCode = 0x48000;
    std::memcpy(payload.strProfileName, L"Cafe", sizeof(L"Cafe"));
    payload.dot11Ssid.uSSIDLength = 4;
    std::memcpy(payload.dot11Ssid.ucSSID, "Cafe", 4);
    WLAN_NOTIFICATION_DATA data{};
    data.NotificationSource = WLAN_NOTIFICATION_SOURCE_ACM;
    data.NotificationCode = wlan_notification_acm_connection_complete;
    data.InterfaceGuid = sampleGuid();
    data.dwDataSize = sizeof(payload);
    data.pData = &payload;
    notificationTrampoline(&data, &registration);
    const wlan::Notification &n = received.last;
    check(received.calls == 2 && !received.gotNull && n.source == wlan::SourceAcm
              && n.code == wlan::AcmConnectionComplete && n.hasConnectionData && n.reasonCode == 0x48000
              && n.profileName == u"Cafe" && n.ssid.toBytes() == "Cafe" && n.interfaceGuid.data1 == 0x1234ABCD,
          "a completed connection hands over reason code, profile name and SSID");

    // The optional profile XML may be missing entirely.
    data.dwDataSize = offsetof(WLAN_CONNECTION_NOTIFICATION_DATA, strProfileXml);
    notificationTrampoline(&data, &registration);
    check(received.last.hasConnectionData && received.last.reasonCode == 0x48000,
          "connection data without profile XML is still read");

    data.dwDataSize = 8;
    notificationTrampoline(&data, &registration);
    check(received.calls == 4 && !received.last.hasConnectionData && received.last.reasonCode == 0,
          "connection data shorter than its structure is not read");

    data.dwDataSize = sizeof(payload);
    data.pData = nullptr;
    notificationTrampoline(&data, &registration);
    check(received.calls == 5 && !received.gotNull && !received.last.hasConnectionData,
          "a connection code without data is delivered without connection data");


    data.pData = &payload;
    data.NotificationSource = WLAN_NOTIFICATION_SOURCE_MSM;
    data.NotificationCode = wlan_notification_acm_connection_complete;
    notificationTrampoline(&data, &registration);
    check(received.last.source == wlan::SourceMsm && !received.last.hasConnectionData,
          "an MSM notification with an ACM code number is not read as ACM data");

    const int before = received.calls;
    notificationTrampoline(&data, nullptr);
    Registration empty;
    notificationTrampoline(&data, &empty);
    check(received.calls == before, "a missing context or callback calls nothing");
}

void checkGuidText(wlan::WlanClient &client)
{
    const wlan::Guid guid = wlan::native::fromGuid(sampleGuid());
    std::u16string text;
    const int written = client.guidToString(guid, 39, text);
    check(written == 39 && text == u"{1234ABCD-5678-9ABC-DEF0-0123456789AB}", "a GUID in 39 characters",
          "wrote " + std::to_string(written) + " " + narrow(text));
    text = u"stale";
    check(client.guidToString(guid, 38, text) == 0 && text.empty(), "a GUID does not fit 38 characters");
}

// Calls on an adapter that does not exist. Each runs in a child process of its own: a service
// that lacks a function (Wine has stubs for several) ends the whole process, and the check
// has to tell that apart from a crash in the client. A child exits with the call's result when
// the outputs kept their contract, else with ContractBroken.
constexpr DWORD ContractBroken = 0xE0000BADu;
constexpr DWORD WineStub = 0x80000100u;    // EXCEPTION_WINE_STUB

using AdapterCall = DWORD (*)(wlan::WlanClient &client, wlan::Handle handle);

struct NamedCall {
    const char *name;
    AdapterCall call;
};

DWORD judged(uint32_t result, bool contractKept)
{
    return contractKept ? result : ContractBroken;
}

const wlan::Guid noAdapter{};

const NamedCall adapterCalls[] = {
    {"radio state", [](wlan::WlanClient &c, wlan::Handle h) {
         bool software = true, hardware = true;
         const uint32_t r = c.queryRadioState(h, noAdapter, software, hardware);
         return judged(r, r == 0 || (software && hardware));
     }},
    {"operation mode", [](wlan::WlanClient &c, wlan::Handle h) {
         uint32_t mode = 12345;
         const uint32_t r = c.queryOperationMode(h, noAdapter, mode);
         return judged(r, r == 0 || mode == 12345);
     }},
    {"current connection", [](wlan::WlanClient &c, wlan::Handle h) {
         wlan::CurrentConnection connection;
         connection.signalQuality = 55;
         const uint32_t r = c.queryCurrentConnection(h, noAdapter, connection);
         return judged(r, r == 0 || connection.signalQuality == 55);
     }},
    {"interface capability", [](wlan::WlanClient &c, wlan::Handle h) {
         int type = -7;
         const uint32_t r = c.getInterfaceCapability(h, noAdapter, type);
         return judged(r, r == 0 || type == -7);
     }},
    {"scan", [](wlan::WlanClient &c, wlan::Handle h) { return DWORD(c.scan(h, noAdapter)); }},
    {"available networks", [](wlan::WlanClient &c, wlan::Handle h) {
         std::vector<wlan::AvailableNetwork> networks(1);
         const uint32_t r = c.getAvailableNetworkList(h, noAdapter, 0, networks);
         return judged(r, r == 0 || networks.empty());
     }},
    {"BSS list of every SSID", [](wlan::WlanClient &c, wlan::Handle h) {
         std::vector<wlan::BssEntry> entries(1);
         const uint32_t r = c.getNetworkBssList(h, noAdapter, nullptr, 3, true, entries);
         return judged(r, r == 0 || entries.empty());
     }},
    {"read a profile", [](wlan::WlanClient &c, wlan::Handle h) {
         std::u16string xml = u"stale";
         const uint32_t r = c.getProfile(h, noAdapter, u"Cafe", xml);
         return judged(r, r == 0 || xml.empty());
     }},
    {"write a profile", [](wlan::WlanClient &c, wlan::Handle h) {
         uint32_t reason = 0;
         return DWORD(c.setProfile(h, noAdapter, 0, u"<WLANProfile/>", true, reason));
     }},
    {"connect", [](wlan::WlanClient &c, wlan::Handle h) {
         wlan::ConnectionParameters parameters;
         parameters.profile = u"Cafe";
         return DWORD(c.connect(h, noAdapter, parameters));
     }},
    {"disconnect", [](wlan::WlanClient &c, wlan::Handle h) { return DWORD(c.disconnect(h, noAdapter)); }},
};

// Reason texts need no adapter: success must bring a text, failure an empty one. Reported the
// same way as the adapter calls, with 0 as the expected result.
const NamedCall reasonCalls[] = {
    {"reason text of code 0", [](wlan::WlanClient &c, wlan::Handle) {
         std::u16string text = u"stale";
         const uint32_t r = c.reasonCodeToString(0, 256, text);
         std::printf("     text: \"%s\"\n", narrow(text).c_str());
         return judged(r, r == 0 ? !text.empty() : text.empty());
     }},
    {"reason text into no buffer", [](wlan::WlanClient &c, wlan::Handle) {
         std::u16string text = u"stale";
         const uint32_t r = c.reasonCodeToString(0, 0, text);
         return judged(r, r != 0 && text.empty());
     }},
};

// A vectored handler runs before any frame is unwound, so the child ends with the exception's
// code even when the frames in between cannot be walked.
LONG WINAPI exitWithExceptionCode(EXCEPTION_POINTERS *info)
{
    const DWORD exception = info && info->ExceptionRecord ? info->ExceptionRecord->ExceptionCode : 0;
    if (exception == WineStub || (exception & 0xF0000000u) == 0xC0000000u) {
        std::fflush(stdout);
        ExitProcess(exception);
    }
    return EXCEPTION_CONTINUE_SEARCH;
}

int runChildCall(const NamedCall *table, std::size_t count, int index)
{
    AddVectoredExceptionHandler(1, &exitWithExceptionCode);
    if (index < 0 || static_cast<std::size_t>(index) >= count)
        return static_cast<int>(ContractBroken);
    wlan::NativeWlanClient client;
    wlan::Handle handle = 0;
    if (client.openHandle(2, nullptr, &handle) != 0)
        return static_cast<int>(ContractBroken);
    const DWORD result = table[index].call(client, handle);
    client.closeHandle(handle);
    std::fflush(stdout);
    ExitProcess(result);
}

bool underWine()
{
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    return ntdll && GetProcAddress(ntdll, "wine_get_version");
}

std::vector<std::string> notImplemented;

// mayFail: 0 is an acceptable result too; otherwise the call has to report an error.
void runInChild(const wchar_t *mode, const NamedCall *table, std::size_t count, bool mayFail)
{
    wchar_t self[MAX_PATH];
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    for (std::size_t i = 0; i < count; ++i) {
        std::wstring command = L"\"" + std::wstring(self) + L"\" " + mode + L" " + std::to_wstring(i);
        STARTUPINFOW startup{};
        startup.cb = sizeof(startup);
        PROCESS_INFORMATION process{};
        if (!CreateProcessW(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                            &process)) {
            check(false, table[i].name, "the child process did not start: " + std::to_string(GetLastError()));
            continue;
        }
        const DWORD waited = WaitForSingleObject(process.hProcess, 60000);
        DWORD exitCode = ContractBroken;
        if (waited == WAIT_OBJECT_0) {
            GetExitCodeProcess(process.hProcess, &exitCode);
        } else {
            TerminateProcess(process.hProcess, 1);
            WaitForSingleObject(process.hProcess, 5000);
        }
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);

        char hex[16];
        std::snprintf(hex, sizeof(hex), "0x%08lX", static_cast<unsigned long>(exitCode));
        if (waited != WAIT_OBJECT_0) {
            check(false, table[i].name, "did not return within 60 s");
        } else if (exitCode == WineStub && underWine()) {
            std::printf("SKIP %s: not implemented by this WLAN service\n", table[i].name);
            notImplemented.push_back(table[i].name);
        } else if (exitCode == ContractBroken) {
            check(false, table[i].name, "outputs broke their contract");
        } else if (exitCode >= 0xC0000000u) {
            check(false, table[i].name, std::string("crashed with ") + hex);
        } else {
            check(mayFail || exitCode != 0, table[i].name, code(exitCode));
        }
    }
}

void checkService(wlan::WlanClient &client)
{
    uint32_t negotiated = 0;
    wlan::Handle handle = 0;
    check(client.openHandle(2, nullptr, nullptr) == wlan::InvalidParameter, "opening without a place for the handle is refused");
    const uint32_t opened = client.openHandle(2, &negotiated, &handle);
    check(opened == 0 && handle != 0, "WlanOpenHandle version 2",
          code(opened) + ", negotiated " + std::to_string(negotiated));
    if (opened != 0)
        return;

    std::vector<wlan::InterfaceInfo> interfaces(1);
    const uint32_t enumerated = client.enumInterfaces(handle, interfaces);
    check(enumerated == 0 || interfaces.empty(), "WlanEnumInterfaces",
          code(enumerated) + ", " + std::to_string(interfaces.size()) + " adapters");
    for (const wlan::InterfaceInfo &info : interfaces) {
        std::u16string guidText;
        client.guidToString(info.guid, 39, guidText);
        std::printf("     adapter %s \"%s\" state %d\n", narrow(guidText).c_str(),
                    narrow(info.description).c_str(), info.state);
    }

    runInChild(L"--adapter-call", adapterCalls, sizeof(adapterCalls) / sizeof(adapterCalls[0]), false);
    runInChild(L"--reason-call", reasonCalls, sizeof(reasonCalls) / sizeof(reasonCalls[0]), true);

    // Registration answers are the service's; what matters is that a re-registration and the
    // cancel come back, and that nothing is delivered once the handle is gone.
    uint32_t r = client.registerNotification(handle, wlan::SourceAcm | wlan::SourceMsm, false,
                                             &countNotification, nullptr);
    const uint32_t firstRegistration = r;
    const uint32_t callNotImplemented = 120;
    check(r == 0 || r == callNotImplemented, "registering for ACM and MSM notifications", code(r));
    r = client.registerNotification(handle, wlan::SourceAcm | wlan::SourceMsm, false, &countNotification, nullptr);
    check(r == firstRegistration, "registering again with the same callback", code(r));
    r = client.registerNotification(handle, wlan::SourceNone, false, nullptr, nullptr);
    check(r == 0, "cancelling the registration (done at once where there are no notifications)", code(r));


    r = client.closeHandle(handle);
    check(r == 0, "WlanCloseHandle", code(r));

    interfaces.resize(2);
    r = client.enumInterfaces(handle, interfaces);
    check(r == wlan::InvalidHandle && interfaces.empty(), "enumerating on a closed handle", code(r));
    r = client.closeHandle(handle);
    check(r == wlan::InvalidHandle, "closing a closed handle", code(r));
    std::vector<wlan::InterfaceInfo> none;
    r = client.enumInterfaces(0, none);
    check(r != 0, "enumerating on the null handle", code(r));
    std::printf("     service callbacks received: %d\n", serviceCallbacks.load());
}

} // namespace

int main(int argc, char **argv)
{
    if (argc == 3 && std::strcmp(argv[1], "--adapter-call") == 0)
        return runChildCall(adapterCalls, sizeof(adapterCalls) / sizeof(adapterCalls[0]), std::atoi(argv[2]));
    if (argc == 3 && std::strcmp(argv[1], "--reason-call") == 0)
        return runChildCall(reasonCalls, sizeof(reasonCalls) / sizeof(reasonCalls[0]), std::atoi(argv[2]));

    checkCopies();
    checkTrampoline();
    wlan::NativeWlanClient client;
    checkGuidText(client);
    checkService(client);
    if (!notImplemented.empty()) {
        std::printf("not implemented by this service:");
        for (const std::string &name : notImplemented)
            std::printf(" [%s]", name.c_str());
        std::printf("\n");
    }
    std::printf("%d passed, %d failed\n", passed, failed);
    std::fflush(stdout);
    return failed == 0 ? 0 : 1;
}
