// The refresh cycle of the main window: auto-refresh and its pause while an error box is open, the
// Ctrl+R key, errors of a removed adapter, the shutdown of the worker thread; then a machine
// without a wireless adapter, and one appearing.

#include "ui/MainWindowKit.h"
#include "core/TestSettings.h"

#include "app/settings/SettingsKeys.h"
#include "app/settings/SettingsStore.h"
#include "platform/wlan/WlanClientProvider.h"
#include "ui/main/AirvaneLite.h"
#include "ui/widgets/AppQLabel.h"
#include "wireless/WirelessConnect.h"

#include <QComboBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QThread>
#include <QtTest>

#include <atomic>

using namespace mainwindowkit;

class TestMainWindowRefresh : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void emptyProfileListShowsPlaceholder();
    void refreshFailurePausesAutoRefreshUntilBoxCloses();
    void holdingCtrlRStartsOneScan();
    void networksErrorOfRemovedAdapterIsNotShown();
    void shutdownReturnsAfterWorkerEnded();
    void noCardUntilAnAdapterAppears();

private:
    QTimer *timer() const { return child<QTimer>(window, "refreshTimer"); }

    std::shared_ptr<Sim> sim;
    BoxLog *boxes = nullptr;
    AirvaneLite *window = nullptr;
    QTreeWidget *networks = nullptr;
    QComboBox *selector = nullptr;
};

void TestMainWindowRefresh::initTestCase()
{
    resetSettings();
    writeDefaultSettings();
    // The open-network notification is a modal window of its own; these cases are not about it.
    writeAppSetting(QLatin1String(SettingsKey::NotifyWhenOpenAP), false);

    sim = world(0, {openNetwork("Cafe"), securedNetwork("Office", "k")});
    sim->addAdapter(adapter(0, QStringLiteral("Adapter A")));
    sim->addAdapter(adapter(1, QStringLiteral("Adapter B")));
    sim->setScanDelay(150);
    wlan::setDefaultClient(sim);

    window = new AirvaneLite;
    QVERIFY(activate(window));
    networks = child<QTreeWidget>(window, "networkList");
    selector = child<QComboBox>(window, "adapterSelector");
    QTRY_COMPARE(networks->topLevelItemCount(), 2);
    QTRY_COMPARE(selector->count(), 2);
}

void TestMainWindowRefresh::cleanupTestCase()
{
    delete window;
    delete boxes;
}

void TestMainWindowRefresh::emptyProfileListShowsPlaceholder()
{
    auto *placeholder = child<QLabel>(window, "profilePlaceholder");
    QTRY_VERIFY(placeholder->isVisible());
    QCOMPARE(placeholder->text(), QStringLiteral("No wireless profiles are available."));
    QCOMPARE(child<QTreeWidget>(window, "profileList")->topLevelItemCount(), 0);
    QVERIFY(!child<QLabel>(window, "networkPlaceholder")->isVisible());
}

void TestMainWindowRefresh::refreshFailurePausesAutoRefreshUntilBoxCloses()
{
    QVERIFY(timer()->isActive());
    sim->failCall(Sim::Call::Scan, 5023);
    bool timerRanDuringBox = true;
    QString title;
    QString text;
    whenModalAppears([&](QWidget *dialog) {
        auto *box = static_cast<MsgDialog *>(dialog);
        timerRanDuringBox = timer()->isActive();
        title = box->windowTitle();
        for (QLabel *label : box->findChildren<QLabel *>())
            if (!label->text().isEmpty())
                text = label->text();
        box->button(QMessageBox::Ok)->click();
    });

    QTest::mouseClick(child<QPushButton>(window, "refreshButton"), Qt::LeftButton);
    QVERIFY(!child<QPushButton>(window, "refreshButton")->isEnabled());
    QTRY_COMPARE(title, QStringLiteral("Error"));
    QCOMPARE(text, QStringLiteral("Failed to refresh wlan networks! Error code: 5023"));
    QVERIFY(!timerRanDuringBox);
    QTRY_VERIFY(timer()->isActive());
    QCOMPARE(networks->topLevelItemCount(), 0);
    QVERIFY(child<QLabel>(window, "networkPlaceholder")->isVisible());
    QVERIFY(child<QLabel>(window, "profilePlaceholder")->isVisible());
    QVERIFY(child<QPushButton>(window, "refreshButton")->isEnabled());
}

void TestMainWindowRefresh::holdingCtrlRStartsOneScan()
{
    window->setAPTimerOff();
    QVERIFY(!timer()->isActive());
    QVERIFY(activate(window));
    QSignalSpy finished(window, &AirvaneLite::networksRefreshFinished);
    const int scans = sim->callCount(Sim::Call::Scan);

    // The key repeats while held; the scan takes longer than the repeats.
    for (int i = 0; i < 6; ++i)
        QTest::keyClick(window, Qt::Key_R, Qt::ControlModifier);
    QTRY_COMPARE(finished.count(), 1);
    QCOMPARE(sim->callCount(Sim::Call::Scan) - scans, 1);
    QTRY_COMPARE(networks->topLevelItemCount(), 2);

    // Once the scan has completed the key works again.
    QTest::keyClick(window, Qt::Key_R, Qt::ControlModifier);
    QTRY_COMPARE(finished.count(), 2);
    QCOMPARE(sim->callCount(Sim::Call::Scan) - scans, 2);
    QTRY_COMPARE(networks->topLevelItemCount(), 2);
}

void TestMainWindowRefresh::networksErrorOfRemovedAdapterIsNotShown()
{
    // Work with adapter B, then unplug it.
    QSignalSpy listed(window, &AirvaneLite::allWirelessNetworksData);
    selector->setCurrentIndex(1);
    emit selector->activated(1);
    QTRY_COMPARE(listed.count(), 1);
    QCOMPARE(networks->topLevelItemCount(), 2);
    QCOMPARE(readAppSetting(QLatin1String(SettingsKey::WlanIndex)).toInt(), 1);
    listed.clear();

    BoxLog log;
    // The engine's listing error, heard in this thread after the window's.
    int listingErrors = 0;
    QObject listener;
    connect(WirelessConnect::instance(), &WirelessConnect::wlanAvailableNetworksError, &listener,
            [&listingErrors] { ++listingErrors; });
    sim->removeAdapter(1);
    sim->failCall(Sim::Call::GetAvailableNetworkList, 5023);
    QTest::mouseClick(child<AppQLabel>(window, "refreshIcon"), Qt::LeftButton);

    // The engine reports the adapter gone; the window falls back to adapter A, whose listing fails.
    QTRY_COMPARE(selector->count(), 1);
    QCOMPARE(selector->itemText(0), QStringLiteral("Adapter A"));
    QTRY_COMPARE(listingErrors, 1);
    QCOMPARE(listed.count(), 1);
    QVERIFY(log.boxes.isEmpty());

    // A refresh clears the mark, so errors are shown again.
    sim->failCall(Sim::Call::GetAvailableNetworkList, 5023);
    log.answers << QStringLiteral("Cancel");
    window->refreshData();
    QTRY_COMPARE(log.count(QStringLiteral("Can't get available networks!")), 1);
    QCOMPARE(log.boxes[0].title, QStringLiteral("Warning"));
    QTRY_VERIFY(child<QLabel>(window, "networkPlaceholder")->isVisible());
    QCOMPARE(networks->topLevelItemCount(), 0);
}

void TestMainWindowRefresh::shutdownReturnsAfterWorkerEnded()
{
    window->setAPTimerOn();
    QVERIFY(timer()->isActive());
    QThread *worker = WirelessConnect::instance()->thread();
    QVERIFY(worker != QThread::currentThread());
    QVERIFY(worker->isRunning());

    // Keep the worker busy so that a shutdown that does not wait would be caught.
    std::atomic<bool> busyDone{false};
    QMetaObject::invokeMethod(WirelessConnect::instance(), [&busyDone] {
        QThread::msleep(300);
        busyDone = true;
    });
    const int closes = sim->callCount(Sim::Call::CloseHandle);
    window->shutdown();

    QVERIFY(busyDone);
    QVERIFY(worker->isFinished());
    QCOMPARE(sim->callCount(Sim::Call::CloseHandle) - closes, 1);
    QVERIFY(!timer()->isActive());
    QCOMPARE(readAppSetting(QLatin1String(SettingsKey::Position)).toByteArray(), window->saveGeometry());

    window->shutdown();
    QCOMPARE(sim->callCount(Sim::Call::CloseHandle) - closes, 1);
}

// Last: it replaces the window with one on a machine without an adapter.
void TestMainWindowRefresh::noCardUntilAnAdapterAppears()
{
    const QString noCard = QStringLiteral("Wireless card was not found");
    const QString noCardText = noCard + QStringLiteral("! Make sure you have wireless card enabled and newest drivers installed!");
    delete window;
    sim = world(0, {openNetwork("Cafe")});
    wlan::setDefaultClient(sim);
    // The first box is answered with Retry, the one that follows the new search with Cancel.
    boxes = new BoxLog;
    boxes->answers << QStringLiteral("Retry") << QStringLiteral("Cancel");
    window = new AirvaneLite;
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    selector = child<QComboBox>(window, "adapterSelector");
    networks = child<QTreeWidget>(window, "networkList");
    QTRY_COMPARE(boxes->boxes.size(), 2);
    for (const BoxLog::Box &box : boxes->boxes)
        QCOMPARE(box.title + box.text, QStringLiteral("Error") + noCardText);
    // Retry made the engine enumerate the adapters a second time.
    QVERIFY(sim->callCount(Sim::Call::EnumInterfaces) >= 2);
    QCOMPARE(selector->count(), 1);
    QCOMPARE(selector->itemText(0), noCard);
    QCOMPARE(window->interfaceState(), Interface::NoCard);
    QVERIFY(child<QLabel>(window, "networkPlaceholder")->isVisible());
    QVERIFY(child<QLabel>(window, "profilePlaceholder")->isVisible());
    QVERIFY(!timer()->isActive());

    // Refresh looks for an adapter instead of scanning.
    QSignalSpy searches(window, &AirvaneLite::updateWlanInterface);
    QSignalSpy scans(window, &AirvaneLite::refreshWlanNetworks);
    const int enumerations = sim->callCount(Sim::Call::EnumInterfaces);
    boxes->answers << QStringLiteral("Cancel");
    QTest::mouseClick(child<QPushButton>(window, "refreshButton"), Qt::LeftButton);
    QCOMPARE(searches.count(), 1);
    QCOMPARE(scans.count(), 0);
    QTRY_COMPARE(boxes->boxes.size(), 3);
    QCOMPARE(boxes->boxes[2].text, noCardText);
    QVERIFY(sim->callCount(Sim::Call::EnumInterfaces) > enumerations);
    QCOMPARE(sim->callCount(Sim::Call::Scan), 0);
    QCOMPARE(selector->itemText(0), noCard);

    // An adapter found on refresh replaces the entry.
    sim->addAdapter(adapter(0, QStringLiteral("USB Wi-Fi Stick")));
    QTest::mouseClick(child<QPushButton>(window, "refreshButton"), Qt::LeftButton);
    QTRY_COMPARE(networks->topLevelItemCount(), 1);
    QCOMPARE(selector->count(), 1);
    QCOMPARE(selector->itemText(0), QStringLiteral("USB Wi-Fi Stick"));
    QCOMPARE(window->interfaceState(), Interface::Listed);
    QCOMPARE(networks->topLevelItem(0)->text(0), QStringLiteral("Cafe"));
    QVERIFY(!child<QLabel>(window, "networkPlaceholder")->isVisible());
    QCOMPARE(child<QLabel>(window, "guidValue")->text(), adapterGuidText(0));
    QCOMPARE(boxes->boxes.size(), 3);
}

QTEST_MAIN(TestMainWindowRefresh)
#include "tst_mainwindow_refresh.moc"
