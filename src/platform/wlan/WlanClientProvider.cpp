#include "platform/wlan/WlanClientProvider.h"

#include "platform/wlan/SimulatedWlanClient.h"

#include <QByteArray>
#include <QtDebug>

#include <cstdio>
#include <mutex>

namespace wlan {

namespace {

std::mutex &providerMutex()
{
    static std::mutex m;
    return m;
}

std::shared_ptr<WlanClient> &currentClient()
{
    static std::shared_ptr<WlanClient> client;
    return client;
}

std::shared_ptr<WlanClient> chooseClient()
{
    const QByteArray choice = qgetenv("AIRVANE_WLAN").trimmed().toLower();
    if (choice == "simulated")
        return SimulatedWlanClient::fromEnvironment();
    if (choice == "networkmanager") {
        if (auto nm = createNetworkManagerClient(false))
            return nm;
        qWarning("AIRVANE_WLAN=networkmanager: this system has no D-Bus; using the simulated WLAN service");
        return SimulatedWlanClient::fromEnvironment();
    }
    if (!choice.isEmpty() && choice != "native")
        qWarning().noquote() << QStringLiteral("AIRVANE_WLAN=%1 is not known (use simulated, native or networkmanager)")
                                    .arg(QString::fromLocal8Bit(choice));
    if (auto native = createNativeClient())
        return native;
    if (choice == "native") {
        qWarning("AIRVANE_WLAN=native: this system has no native WLAN service; using the simulated one");
        return SimulatedWlanClient::fromEnvironment();
    }
    // No native service and no choice made: NetworkManager if it answers, and the user is told which.
    static std::once_flag told;
    auto nm = createNetworkManagerClient(true);
    std::call_once(told, [&nm] {
        std::fputs(nm ? "Airvane Lite: NetworkManager answers on the system bus; managing real Wi-Fi through it\n"
                      : "Airvane Lite: NetworkManager does not answer on the system bus; using the simulated WLAN service\n",
                   stderr);
    });
    if (nm)
        return nm;
    return SimulatedWlanClient::fromEnvironment();
}

} // namespace

std::shared_ptr<WlanClient> defaultClient()
{
    std::lock_guard<std::mutex> lock(providerMutex());
    std::shared_ptr<WlanClient> &client = currentClient();
    if (!client)
        client = chooseClient();
    return client;
}

void setDefaultClient(std::shared_ptr<WlanClient> client)
{
    std::shared_ptr<WlanClient> previous;
    {
        std::lock_guard<std::mutex> lock(providerMutex());
        previous = std::move(currentClient());
        currentClient() = std::move(client);
    }
    // The old client (and its notification thread) goes away outside the lock.
}

} // namespace wlan
