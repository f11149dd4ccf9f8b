// How long listing networks takes: (a) the engine building the two lists from the simulated
// service, (b) the main window filling its lists, beside a bare QTreeWidget filled with the same
// texts, (c) process start to the first listing on screen, beside a bare Qt window with two trees
// showing the rows the program's first listing shows.
// Usage: bench_listing [--repeat N]. The program runs itself as a child for (c). Ratios are
// medians of per-pair ratios, baseline and subject measured in turns.

#include "app/appearance/AppFont.h"
#include "app/appearance/SharedTranslators.h"
#include "app/appearance/Translations.h"
#include "app/settings/SettingsKeys.h"
#include "app/settings/SettingsStore.h"
#include "app/startup/TranslationResources.h"
#include "platform/wlan/SimulatedWlanClient.h"
#include "platform/wlan/WlanClientProvider.h"
#include "ui/main/AirvaneLite.h"
#include "wireless/WirelessConnect.h"

#include <QApplication>
#include <QDataStream>
#include <QElapsedTimer>
#include <QFile>
#include <QHeaderView>
#include <QMainWindow>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <QWindow>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

namespace {

using Sim = wlan::SimulatedWlanClient;

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2.0;
}

double timeMs(const std::function<void()> &work)
{
    QElapsedTimer clock;
    clock.start();
    work();
    return double(clock.nsecsElapsed()) / 1e6;
}

std::shared_ptr<Sim> worldWith(int networks)
{
    auto sim = std::make_shared<Sim>();
    Sim::Adapter adapter;
    adapter.guid.data1 = 0x0BE4C400;
    adapter.description = u"Bench adapter";
    sim->addAdapter(adapter);
    for (int i = 0; i < networks; ++i) {
        Sim::Network network;
        network.ssid = "Network-" + std::to_string(i);
        network.securityEnabled = i % 3 != 0;
        network.authAlgorithm = network.securityEnabled ? 7 : 1;
        network.cipherAlgorithm = network.securityEnabled ? 4 : 0;
        network.signalQuality = uint32_t(i % 101);
        Sim::Bss bss;
        bss.bssid = {0x02, 0x00, 0x00, uint8_t(i >> 16), uint8_t(i >> 8), uint8_t(i)};
        bss.centerFrequencyKHz = 2412000 + uint32_t(i % 13) * 5000;
        network.bss = {bss};
        sim->addNetwork(network);
    }
    return sim;
}

// `round` goes into the names, so that no run lists the names of an earlier one: the lists keep
// the measures of the texts they have shown, and each run is to fill the lists with new names.
QVector<WirelessAP> records(int count, bool profiles, int round = 0)
{
    QVector<WirelessAP> list;
    list.reserve(count);
    const QString prefix = round ? QStringLiteral("Network-%1-").arg(round) : QStringLiteral("Network-");
    for (int i = 0; i < count; ++i) {
        WirelessAP r;
        r.ssid = prefix + QString::number((i * 7919) % count);
        r.profileName = profiles ? QStringLiteral("Profile-%1-%2").arg(round).arg(i) : r.ssid;
        r.cipherText = QStringLiteral("AES (CCMP)");
        r.cipherAlgorithm = 4;
        r.signal = QStringLiteral("%1% (%2 dBm)").arg(i % 101).arg((i % 101) / 2 - 100);
        r.securityText = QStringLiteral("Yes");
        r.isSecured = true;
        r.credentials = QStringLiteral("Required");
        r.authText = QStringLiteral("WPA2-Personal (WPA2-PSK)");
        r.authAlgorithm = 7;
        r.bssType = QStringLiteral("Infrastructure");
        r.connectable = QStringLiteral("Yes");
        r.bssidCount = QStringLiteral("1");
        r.notConnectableReason = QStringLiteral("The network is connectable. (0)");
        r.phyTypeCount = QStringLiteral("1");
        r.flagsText = profiles ? QStringLiteral("Has profile") : QStringLiteral("No profile");
        r.flags = profiles ? 2 : 0;
        r.connectionText = QStringLiteral("No");
        r.channel = QString::number(i % 13 + 1);
        r.bssid = QStringLiteral("02:00:00:00:%1:%2").arg((i >> 8) & 0xFF, 2, 16, QLatin1Char('0'))
                      .arg(i & 0xFF, 2, 16, QLatin1Char('0')).toUpper();
        r.phyType = QStringLiteral("802.11n");
        r.frequency = QStringLiteral("%1 MHz").arg(2412 + (i % 13) * 5);
        r.band = QStringLiteral("2.4 GHz");
        list << r;
    }
    return list;
}

QStringList rowTexts(const WirelessAP &r, bool withProfile)
{
    QStringList texts;
    if (withProfile)
        texts << r.profileName;
    texts << r.ssid << r.cipherText << r.signal << r.securityText << r.authText << r.bssType
          << r.credentials << r.connectable << r.bssidCount << r.notConnectableReason
          << r.phyTypeCount << r.flagsText << r.connectionText << r.bssid << r.channel << r.phyType
          << r.frequency << r.band;
    return texts;
}

QVector<QStringList> rowsOf(const QVector<WirelessAP> &records, bool withProfile)
{
    QVector<QStringList> rows;
    rows.reserve(records.size());
    for (const WirelessAP &r : records)
        rows << rowTexts(r, withProfile);
    return rows;
}

// A bare window: two sorted tree widgets with the same columns, nothing else.
struct BareWindow {
    QMainWindow window;
    QTreeWidget *networks;
    QTreeWidget *profiles;

    BareWindow()
    {
        auto *central = new QWidget;
        auto *layout = new QVBoxLayout(central);
        networks = new QTreeWidget;
        profiles = new QTreeWidget;
        networks->setColumnCount(18);
        profiles->setColumnCount(19);
        for (QTreeWidget *list : {networks, profiles}) {
            // The program's font, so that both draw the same text.
            list->setFont(applicationFont());
            list->setSortingEnabled(true);
            list->sortByColumn(0, Qt::AscendingOrder);
            layout->addWidget(list);
        }
        window.setCentralWidget(central);
        window.resize(1260, 600);
    }

    void fill(const QVector<WirelessAP> &networkRecords, const QVector<WirelessAP> &profileRecords)
    {
        fill(rowsOf(networkRecords, false), rowsOf(profileRecords, true));
    }

    void fill(const QVector<QStringList> &networkRows, const QVector<QStringList> &profileRows)
    {
        for (const QStringList &texts : networkRows)
            networks->addTopLevelItem(new QTreeWidgetItem(texts));
        for (const QStringList &texts : profileRows)
            profiles->addTopLevelItem(new QTreeWidgetItem(texts));
    }
};

// The rows of the program's first listing, as the engine builds them from the simulated world the
// program starts on, written to `path` for the baseline child: a baseline showing other texts
// (no Cyrillic name, say) would skip font work the program cannot skip.
bool writeFirstListing(const QString &path)
{
    WirelessConnect *engine = WirelessConnect::instance();
    engine->reset();
    wlan::setDefaultClient(Sim::fromEnvironment());
    QVector<QStringList> networkRows, profileRows;
    const QMetaObject::Connection networks =
        QObject::connect(engine, &WirelessConnect::appWirelessData,
                         [&networkRows](const QVector<WirelessAP> &list) { networkRows = rowsOf(list, false); });
    const QMetaObject::Connection profiles =
        QObject::connect(engine, &WirelessConnect::appProfileWlanData,
                         [&profileRows](const QVector<WirelessAP> &list) { profileRows = rowsOf(list, true); });
    engine->initWlan();
    engine->setWirelessNetworks(0, false);
    QObject::disconnect(networks);
    QObject::disconnect(profiles);
    engine->reset();
    QFile file(path);
    if (networkRows.isEmpty() || !file.open(QIODevice::WriteOnly))
        return false;
    QDataStream out(&file);
    out << networkRows << profileRows;
    return out.status() == QDataStream::Ok && file.flush();
}

void useTemporarySettings()
{
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName(QStringLiteral("Tarnwick"));
    QCoreApplication::setApplicationName(QStringLiteral("Airvane Lite"));
}

// ---- (c) children ---------------------------------------------------------------------------

// Reports the listing once its rows are on screen. A shown window repaints what changed (its
// pending update requests, as the event loop would next); a window that is not exposed yet paints
// nothing until its first expose, which paints it whole.
[[noreturn]] void reportListed(QWidget *window, int rows)
{
    if (window->windowHandle() && window->windowHandle()->isExposed())
        QCoreApplication::sendPostedEvents(window, QEvent::UpdateRequest);
    else
        (void)QTest::qWaitForWindowExposed(window);
    std::printf("listed %d\n", rows);
    std::fflush(stdout);
    std::_Exit(0);
}

int childProgram()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Tarnwick"));
    QCoreApplication::setApplicationName(QStringLiteral("Airvane Lite"));
    writeDefaultSettings();
    // As the program's start does: the stored language is installed before the window is made.
    initTranslationResources();
    loadTranslations(SharedTranslators::program(), SharedTranslators::toolkit());
    auto *window = new AirvaneLite;
    auto *list = window->findChild<QTreeWidget *>(QStringLiteral("networkList"));
    QObject::connect(window, &AirvaneLite::allWirelessNetworksData, window, [window, list] {
        if (list->topLevelItemCount() > 0)
            reportListed(window, list->topLevelItemCount());
    });
    window->show();
    return qApp->exec();
}

int childBare(const QString &listingPath)
{
    auto *bare = new BareWindow;
    bare->window.show();
    QTimer::singleShot(0, [bare, listingPath] {
        QFile file(listingPath);
        QVector<QStringList> networkRows, profileRows;
        if (file.open(QIODevice::ReadOnly)) {
            QDataStream in(&file);
            in >> networkRows >> profileRows;
        }
        if (networkRows.isEmpty())
            std::_Exit(1);
        bare->fill(networkRows, profileRows);
        reportListed(&bare->window, bare->networks->topLevelItemCount());
    });
    return qApp->exec();
}

// The time to the child's report, or -1 when it reported nothing; `rows` gets the rows it listed.
double startToListingMs(const QStringList &childArgs, const QString &configHome, int *rows)
{
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), configHome);
    env.insert(QStringLiteral("AIRVANE_WLAN"), QStringLiteral("simulated"));
    if (!env.contains(QStringLiteral("DISPLAY")) && !env.contains(QStringLiteral("QT_QPA_PLATFORM")))
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    child.setProcessEnvironment(env);
    QElapsedTimer clock;
    clock.start();
    child.start(QCoreApplication::applicationFilePath(), QStringList{QStringLiteral("--child")} + childArgs);
    if (!child.waitForStarted(10000))
        return -1;
    QByteArray out;
    while (!out.contains("listed") && child.state() != QProcess::NotRunning) {
        child.waitForReadyRead(20000);
        out += child.readAllStandardOutput();
    }
    const double ms = double(clock.nsecsElapsed()) / 1e6;
    child.waitForFinished(10000);
    const int at = out.indexOf("listed ");
    if (at < 0)
        return -1;
    *rows = out.mid(at + 7).trimmed().split('\n').value(0).toInt();
    return ms;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() >= 3 && args.at(1) == QLatin1String("--child"))
        return args.at(2) == QLatin1String("app") ? childProgram() : childBare(args.value(3));

    int repeat = 7;
    const int at = args.indexOf(QStringLiteral("--repeat"));
    if (at > 0 && at + 1 < args.size())
        repeat = std::max(1, args.at(at + 1).toInt());
    useTemporarySettings();
    writeAppSetting(QLatin1String(SettingsKey::AutoRefreshWlanNetworks), false);

    std::printf("Airvane Lite listing benchmark (median of %d runs; times in ms)\n\n", repeat);

    // (a) The engine alone, on this thread, for growing worlds.
    std::printf("(a) engine listing on the simulated service\n");
    std::printf("    %-10s %12s %16s\n", "networks", "time", "per network (us)");
    WirelessConnect *engine = WirelessConnect::instance();
    for (int count : {10, 100, 1000}) {
        engine->reset();
        wlan::setDefaultClient(worldWith(count));
        engine->initWlan();
        std::vector<double> runs;
        for (int i = 0; i < repeat; ++i)
            runs.push_back(timeMs([engine] { engine->setWirelessNetworks(0, false); }));
        const double ms = median(runs);
        std::printf("    %-10d %12.3f %16.2f\n", count, ms, ms * 1000.0 / count);
    }
    engine->reset();

    // (b) Filling the two lists with 1000 records each, painted. Baseline and subject take turns
    // (bare, window, bare, window, ...) so that a busy moment of the machine hits both; the figure
    // is the median of the ratios of each pair.
    const int fillCount = 1000;
    std::vector<double> bareRuns, windowRuns, fillRatios;
    {
        BareWindow bare;
        bare.window.show();
        (void)QTest::qWaitForWindowExposed(&bare.window);
        wlan::setDefaultClient(worldWith(0));
        AirvaneLite window;
        window.show();
        (void)QTest::qWaitForWindowExposed(&window);
        QTest::qWait(200);
        for (int i = 0; i < repeat; ++i) {
            const QVector<WirelessAP> networkRecords = records(fillCount, false, i + 1);
            const QVector<WirelessAP> profileRecords = records(fillCount, true, i + 1);
            bare.networks->clear();
            bare.profiles->clear();
            QCoreApplication::processEvents();
            const double bareMs = timeMs([&] {
                bare.fill(networkRecords, profileRecords);
                bare.window.repaint();
                QCoreApplication::processEvents();
            });
            window.setNetworksScanCompleted();
            QCoreApplication::processEvents();
            const double windowMs = timeMs([&] {
                window.setWirelessData(networkRecords);
                window.setProfileWlanData(profileRecords);
                window.repaint();
                QCoreApplication::processEvents();
            });
            bareRuns.push_back(bareMs);
            windowRuns.push_back(windowMs);
            fillRatios.push_back(windowMs / bareMs);
        }
        window.shutdown();
    }
    std::printf("\n(b) filling both lists with %d records each (to the first paint)\n", fillCount);
    std::printf("    %-40s %12s %8s\n", "", "time", "ratio");
    std::printf("    %-40s %12.3f %8.2f\n", "bare QTreeWidget (baseline)", median(bareRuns), 1.0);
    std::printf("    %-40s %12.3f %8.2f\n", "AirvaneLite setWirelessData/Profile", median(windowRuns),
                median(fillRatios));

    // (c) Process start to the first listing shown, each child in a fresh settings home, taking
    // turns with the bare window. The first start of a fresh settings home also writes every
    // default; a later start finds them.
    QTemporaryDir listingDir;
    const QString listing = listingDir.filePath(QStringLiteral("first-listing"));
    if (!writeFirstListing(listing)) {
        std::printf("\n(c) the simulated world lists no networks; no start-up figures\n");
        return 1;
    }
    const QStringList bareArgs{QStringLiteral("bare"), listing};
    const QStringList appArgs{QStringLiteral("app")};
    std::vector<double> bareStart, firstStart, laterStart, firstRatios, laterRatios;
    bool sameRows = true;
    for (int i = 0; i < repeat; ++i) {
        QTemporaryDir home;
        QTemporaryDir appHome;
        int bareRows = 0, appRows = 0;
        const double bareMs = startToListingMs(bareArgs, home.path(), &bareRows);
        const double firstMs = startToListingMs(appArgs, appHome.path(), &appRows);
        const double bareAgainMs = startToListingMs(bareArgs, home.path(), &bareRows);
        const double laterMs = startToListingMs(appArgs, appHome.path(), &appRows);
        if (bareRows != appRows)
            sameRows = false;
        bareStart.push_back(bareMs);
        bareStart.push_back(bareAgainMs);
        firstStart.push_back(firstMs);
        laterStart.push_back(laterMs);
        firstRatios.push_back(firstMs / bareMs);
        laterRatios.push_back(laterMs / bareAgainMs);
    }
    std::printf("\n(c) process start to the first listing shown\n");
    std::printf("    %-40s %12s %8s\n", "", "time", "ratio");
    std::printf("    %-40s %12.1f %8.2f\n", "bare window, same rows (baseline)", median(bareStart), 1.0);
    std::printf("    %-40s %12.1f %8.2f\n", "Airvane Lite, first start", median(firstStart), median(firstRatios));
    std::printf("    %-40s %12.1f %8.2f\n", "Airvane Lite, later start", median(laterStart), median(laterRatios));
    for (const std::vector<double> *runs : {&bareStart, &firstStart, &laterStart}) {
        if (std::any_of(runs->begin(), runs->end(), [](double ms) { return ms < 0; })) {
            std::printf("    (a child did not report a listing)\n");
            break;
        }
    }
    if (!sameRows)
        std::printf("    (the program and the baseline listed different numbers of networks)\n");
    return 0;
}
