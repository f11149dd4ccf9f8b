#pragma once

// Collects what a WLAN client's notification callback receives, with the thread it ran on.

#include "platform/wlan/WlanClient.h"

#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace testsupport {

class NotificationRecorder
{
public:
    struct Entry {
        uint32_t source = 0;
        uint32_t code = 0;
        bool hasConnectionData = false;
        uint32_t reasonCode = 0;
        std::u16string profileName;
        std::string ssid;
        wlan::Guid iface;
        std::thread::id thread;
    };

    static void callback(const wlan::Notification *n, void *context)
    {
        auto *self = static_cast<NotificationRecorder *>(context);
        if (!n)
            return;
        Entry e{n->source, n->code, n->hasConnectionData, n->reasonCode, n->profileName, n->ssid.toBytes(),
                n->interfaceGuid, std::this_thread::get_id()};
        std::lock_guard<std::mutex> lock(self->m);
        self->entries.push_back(e);
    }

    std::vector<Entry> all() const
    {
        std::lock_guard<std::mutex> lock(m);
        return entries;
    }

    // "code code ..." of one source, in delivery order.
    std::string codes(uint32_t source) const
    {
        std::string out;
        for (const Entry &e : all()) {
            if (e.source == source)
                out += (out.empty() ? "" : " ") + std::to_string(e.code);
        }
        return out;
    }

    // The first notification of the source with the code; a default entry when there is none.
    Entry first(uint32_t source, uint32_t code) const
    {
        for (const Entry &e : all()) {
            if (e.source == source && e.code == code)
                return e;
        }
        return Entry();
    }

    void clear()
    {
        std::lock_guard<std::mutex> lock(m);
        entries.clear();
    }

private:
    mutable std::mutex m;
    std::vector<Entry> entries;
};

} // namespace testsupport
