#pragma once

// Facts about the running operating system and the installed memory. Free of Qt so that the
// Windows implementation is plain Win32/COM.

#include <cstdint>
#include <string>
#include <vector>

namespace os {

// One instance of the operating-system class; a property that is absent or not a string is empty.
struct OsInstanceFacts
{
    std::wstring caption;
    std::wstring version;
    std::wstring osArchitecture;
    std::wstring csName;
};

// The query step that failed, in the order the steps run.
enum class OsQueryStep {
    None,
    InitializeCom,
    CreateLocator,
    ConnectNamespace,
    SetProxyBlanket,
    ExecuteQuery,
};

struct OsQueryResult
{
    OsQueryStep failedStep = OsQueryStep::None;
    std::uint32_t errorCode = 0; // the failing result code, unchanged
    std::vector<OsInstanceFacts> instances;
};

// Windows: WMI ROOT\CIMV2, Win32_OperatingSystem. Elsewhere: os-release, uname and host name.
OsQueryResult queryOperatingSystem();

struct MemoryFacts
{
    enum class Source {
        Unavailable,
        InstalledMemory, // installedKilobytes holds the firmware-reported size
        MemoryStatus,    // totalPhysicalBytes holds the memory usable by the system
    };
    Source source = Source::Unavailable;
    std::uint64_t installedKilobytes = 0;
    std::uint64_t totalPhysicalBytes = 0;
};

MemoryFacts queryMemory();

} // namespace os
