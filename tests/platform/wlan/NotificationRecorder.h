#pragma once

// Collects what a WLAN client's notification callback receives, with the thread it ran on.

#include "platform/wlan/WlanClient.h"

#include <QString>

#include <mutex>
#include <string>
#include <thread>
#include <utility>
#include <vector>

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
        static_cast<NotificationRecorder *>(context)->add(n);
    }

    void add(const wlan::Notification *n)
    {
        Entry e;
        if (n) {
            e.source = n->source;
            e.code = n->code;
            e.hasConnectionData = n->hasConnectionData;
            e.reasonCode = n->reasonCode;
            e.profileName = n->profileName;
            e.ssid = n->ssid.toBytes();
            e.iface = n->interfaceGuid;
        }
        e.thread = std::this_thread::get_id();
        std::lock_guard<std::mutex> lock(m);
        entries.push_back(e);
    }

    std::vector<Entry> all() const
    {
        std::lock_guard<std::mutex> lock(m);
        return entries;
    }

    // Codes of one source, in delivery order.
    std::vector<uint32_t> codes(uint32_t source) const
    {
        std::vector<uint32_t> out;
        for (const Entry &e : all()) {
            if (e.source == source)
                out.push_back(e.code);
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

    size_t size() const
    {
        std::lock_guard<std::mutex> lock(m);
        return entries.size();
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

// A profile document as the engine writes it (values given already XML-escaped).
inline std::u16string testProfileXml(const QString &name, const QString &ssidHex, const QString &auth,
                                     const QString &enc, const QString &key = QString(), bool nonBroadcast = false)
{
    QString xml = QStringLiteral("<?xml version=\"1.0\"?><WLANProfile xmlns=\"http://www.microsoft.com/networking/WLAN/profile/v1\">"
                                 "<name>%1</name><SSIDConfig><SSID><hex>%2</hex><name>%1</name></SSID>"
                                 "<nonBroadcast>%3</nonBroadcast></SSIDConfig><connectionType>ESS</connectionType>"
                                 "<connectionMode>auto</connectionMode><MSM><security><authEncryption>"
                                 "<authentication>%4</authentication><encryption>%5</encryption><useOneX>false</useOneX>"
                                 "</authEncryption>")
                      .arg(name, ssidHex, nonBroadcast ? QStringLiteral("true") : QStringLiteral("false"), auth, enc);
    if (!key.isNull()) {
        xml += QStringLiteral("<sharedKey><keyType>%1</keyType><protected>false</protected><keyMaterial>%2</keyMaterial></sharedKey>")
                   .arg(enc == QLatin1String("WEP") ? QStringLiteral("networkKey") : QStringLiteral("passPhrase"), key);
    }
    xml += QStringLiteral("</security></MSM></WLANProfile>");
    return xml.toStdU16String();
}

inline QString hexOf(const std::string &bytes)
{
    return QString::fromLatin1(QByteArray::fromStdString(bytes).toHex().toUpper());
}
