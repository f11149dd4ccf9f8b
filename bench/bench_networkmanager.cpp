// How long the engine takes to list 100 access points through NetworkManager (python3-dbusmock's
// NetworkManager template on a private system bus) beside the same world on the simulated
// service, in the same run: simulated, NetworkManager, simulated, ... and the median of the
// per-pair ratios. Usage: bench_networkmanager [--repeat N] (default 15 pairs).

#include "../tests/platform/wlan/NetworkManagerMock.h"

#include "platform/wlan/NetworkManagerWlanClient_posix.h"
#include "platform/wlan/SimulatedWlanClient.h"
#include "platform/wlan/WlanClientProvider.h"
#include "wireless/WirelessConnect.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QStandardPaths>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

using Sim = wlan::SimulatedWlanClient;
constexpr int kNetworks = 100;

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2.0;
}

// Network i of the world: every third one open, the others WPA2-PSK, spread over 2.4 and 5 GHz.
uint32_t mhzOf(int i) { return i % 4 == 3 ? 5180 + uint32_t(i % 8) * 20 : 2412 + uint32_t(i % 13) * 5; }
uint8_t strengthOf(int i) { return uint8_t(30 + i % 70); }
bool securedAt(int i) { return i % 3 != 0; }
QByteArray ssidOf(int i) { return "Network-" + QByteArray::number(i); }

std::shared_ptr<Sim> simulatedWorld()
{
    auto sim = std::make_shared<Sim>();
    Sim::Adapter adapter;
    adapter.description = u"Bench adapter";
    sim->addAdapter(adapter);
    for (int i = 0; i < kNetworks; ++i) {
        Sim::Network n;
        n.ssid = ssidOf(i).toStdString();
        n.securityEnabled = securedAt(i);
        n.authAlgorithm = n.securityEnabled ? 7 : 1;
        n.cipherAlgorithm = n.securityEnabled ? 4 : 0;
        n.signalQuality = strengthOf(i);
        Sim::Bss bss;
        bss.bssid = {0x02, 0x00, 0x00, 0x00, uint8_t(i >> 8), uint8_t(i)};
        bss.centerFrequencyKHz = mhzOf(i) * 1000;
        n.bss = {bss};
        sim->addNetwork(n);
    }
    return sim;
}

void networkManagerWorld(testsupport::NetworkManagerMock &nm)
{
    const QString dev = nm.addWifiDevice(QStringLiteral("wlan0"), QStringLiteral("02:00:00:00:00:01"));
    for (int i = 0; i < kNetworks; ++i) {
        nm.addAccessPoint(dev, QStringLiteral("ap%1").arg(i), ssidOf(i),
                          QStringLiteral("02:00:00:00:%1:%2").arg(i >> 8, 2, 16, QLatin1Char('0')).arg(i & 0xFF, 2, 16, QLatin1Char('0')),
                          mhzOf(i), strengthOf(i), securedAt(i) ? 0x100 : 0);
    }
}

// One listing of the engine on this client (opening and discovery are not timed).
double listingMs(WirelessConnect *engine, const std::shared_ptr<wlan::WlanClient> &client, int *records)
{
    engine->reset();
    wlan::setDefaultClient(client);
    engine->initWlan();
    int seen = 0;
    const QMetaObject::Connection c = QObject::connect(engine, &WirelessConnect::appWirelessData,
                                                       [&seen](const QVector<WirelessAP> &list) { seen = list.size(); });
    QElapsedTimer clock;
    clock.start();
    engine->setWirelessNetworks(0, false);
    const double ms = double(clock.nsecsElapsed()) / 1e6;
    QObject::disconnect(c);
    *records = seen;
    return ms;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    const QStringList args = app.arguments();
    const int repeatAt = args.indexOf(QStringLiteral("--repeat"));
    const int pairs = repeatAt >= 0 ? std::max(1, args.value(repeatAt + 1).toInt()) : 15;

    testsupport::NetworkManagerMock nm;
    QString error;
    if (!nm.start(&error)) {
        std::fprintf(stderr, "bench_networkmanager: %s\n", qPrintable(error));
        return 1;
    }
    networkManagerWorld(nm);
    const std::shared_ptr<wlan::WlanClient> sim = simulatedWorld();
    const auto networkManager = std::make_shared<wlan::NetworkManagerWlanClient>();
    WirelessConnect *engine = WirelessConnect::instance();

    std::vector<double> simMs, nmMs, ratios;
    for (int i = 0; i < pairs; ++i) {
        int simRecords = 0;
        int nmRecords = 0;
        simMs.push_back(listingMs(engine, sim, &simRecords));
        nmMs.push_back(listingMs(engine, networkManager, &nmRecords));
        if (simRecords != nmRecords) {
            std::fprintf(stderr, "the two worlds differ: %d and %d networks listed\n", simRecords, nmRecords);
            return 1;
        }
        ratios.push_back(nmMs.back() / simMs.back());
    }
    engine->reset();
    wlan::setDefaultClient(nullptr);

    std::printf("Listing %d access points, %d interleaved pairs (median):\n", kNetworks, pairs);
    std::printf("  simulated service      %8.2f ms\n", median(simMs));
    std::printf("  NetworkManager (mock)  %8.2f ms\n", median(nmMs));
    std::printf("  ratio NetworkManager / simulated, median of per-pair ratios: %.1f\n", median(ratios));
    return 0;
}
