#include "platform/os/SystemFacts.h"

#include "platform/os/OsRelease.h"

#include <QString>

#include <fstream>
#include <sstream>

#include <sys/utsname.h>
#include <unistd.h>

namespace os {

namespace {

std::string readFile(const char *path)
{
    std::ifstream in(path);
    if (!in)
        return std::string();
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::wstring wide(const char *text)
{
    return QString::fromUtf8(text).trimmed().toStdWString();
}

// The same wording Windows uses for OSArchitecture.
std::wstring architectureOf(const std::string &machine)
{
    if (machine.find("64") != std::string::npos || machine == "s390x")
        return L"64-bit";
    if (machine.empty())
        return std::wstring();
    if (machine.find("86") != std::string::npos || machine.compare(0, 3, "arm") == 0)
        return L"32-bit";
    return wide(machine.c_str());
}

} // namespace

OsQueryResult queryOperatingSystem()
{
    OsInstanceFacts facts;

    std::string release = readFile("/etc/os-release");
    if (release.empty())
        release = readFile("/usr/lib/os-release");
    facts.caption = osReleaseName(release);

    struct utsname names {};
    if (uname(&names) == 0) {
        facts.version = wide(names.release);
        facts.osArchitecture = architectureOf(names.machine);
        if (facts.caption.empty())
            facts.caption = wide(names.sysname);
    }

    char host[256] = {};
    if (gethostname(host, sizeof host - 1) == 0)
        facts.csName = wide(host);

    OsQueryResult result;
    result.instances.push_back(facts);
    return result;
}

MemoryFacts queryMemory()
{
    MemoryFacts facts;
    std::istringstream lines(readFile("/proc/meminfo"));
    std::string key;
    while (lines >> key) {
        if (key == "MemTotal:") {
            unsigned long long kilobytes = 0;
            if (lines >> kilobytes && kilobytes > 0) {
                facts.source = MemoryFacts::Source::MemoryStatus;
                facts.totalPhysicalBytes = std::uint64_t(kilobytes) * 1024;
            }
            break;
        }
        std::string rest;
        std::getline(lines, rest);
    }
    return facts;
}

} // namespace os
