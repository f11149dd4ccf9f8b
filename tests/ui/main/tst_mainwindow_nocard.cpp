// The main window on a machine without a wireless adapter, and what happens when one appears.

#include "ui/MainWindowKit.h"
#include "core/TestSettings.h"

#include "app/settings/SettingsKeys.h"
#include "app/settings/SettingsStore.h"
#include "platform/wlan/WlanClientProvider.h"
#include "ui/main/AirvaneLite.h"

#include <QComboBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

using namespace mainwindowkit;

namespace {
const QString kNoCard = QStringLiteral("Wireless card was not found");
const QString kNoCardText = QStringLiteral(
    "Wireless card was not found! Make sure you have wireless card enabled and newest drivers installed!");
} // namespace

class TestMainWindowNoCard : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void noCardEntryAfterRetryAndCancel();
    void refreshLooksForAnAdapterInsteadOfScanning();
    void adapterFoundOnRefreshReplacesTheEntry();

private:
    std::shared_ptr<Sim> sim;
    BoxLog *boxes = nullptr;
    AirvaneLite *window = nullptr;
    QComboBox *selector = nullptr;
};

void TestMainWindowNoCard::initTestCase()
{
    resetSettings();
    // The open-network notification is a modal window of its own; these cases are not about it.
    writeAppSetting(QLatin1String(SettingsKey::NotifyWhenOpenAP), false);
    sim = world(0, {openNetwork("Cafe")});
    wlan::setDefaultClient(sim);
    boxes = new BoxLog;

    // The first box is answered with Retry, the one that follows the new search with Cancel.
    whenModalAppears([](QWidget *box) {
        static_cast<MsgDialog *>(box)->button(QMessageBox::Retry)->click();
        pressInNextModal(QStringLiteral("Cancel"));
    });
    window = new AirvaneLite;
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    selector = child<QComboBox>(window, "adapterSelector");
}

void TestMainWindowNoCard::cleanupTestCase()
{
    delete window;
    delete boxes;
}

void TestMainWindowNoCard::noCardEntryAfterRetryAndCancel()
{
    QTRY_COMPARE(boxes->boxes.size(), 2);
    for (const BoxLog::Box &box : boxes->boxes) {
        QCOMPARE(box.title, QStringLiteral("Error"));
        QCOMPARE(box.text, kNoCardText);
    }
    // Retry made the engine enumerate the adapters a second time.
    QVERIFY(sim->callCount(Sim::Call::EnumInterfaces) >= 2);

    QCOMPARE(selector->count(), 1);
    QCOMPARE(selector->itemText(0), kNoCard);
    QCOMPARE(window->interfaceState(), Interface::NoCard);
    QVERIFY(child<QLabel>(window, "networkPlaceholder")->isVisible());
    QVERIFY(child<QLabel>(window, "profilePlaceholder")->isVisible());
    QVERIFY(!child<QTimer>(window, "refreshTimer")->isActive());
}

void TestMainWindowNoCard::refreshLooksForAnAdapterInsteadOfScanning()
{
    QSignalSpy searches(window, &AirvaneLite::updateWlanInterface);
    QSignalSpy scans(window, &AirvaneLite::refreshWlanNetworks);
    const int enumerations = sim->callCount(Sim::Call::EnumInterfaces);
    BoxLog log;
    pressInNextModal(QStringLiteral("Cancel"));

    QTest::mouseClick(child<QPushButton>(window, "refreshButton"), Qt::LeftButton);

    QCOMPARE(searches.count(), 1);
    QCOMPARE(scans.count(), 0);
    QTRY_COMPARE(log.boxes.size(), 1);
    QCOMPARE(log.boxes[0].text, kNoCardText);
    QVERIFY(sim->callCount(Sim::Call::EnumInterfaces) > enumerations);
    QCOMPARE(sim->callCount(Sim::Call::Scan), 0);
    QCOMPARE(selector->count(), 1);
    QCOMPARE(selector->itemText(0), kNoCard);
}

void TestMainWindowNoCard::adapterFoundOnRefreshReplacesTheEntry()
{
    BoxLog log;
    sim->addAdapter(adapter(0, QStringLiteral("USB Wi-Fi Stick")));
    QTest::mouseClick(child<QPushButton>(window, "refreshButton"), Qt::LeftButton);

    auto *networks = child<QTreeWidget>(window, "networkList");
    QTRY_COMPARE(networks->topLevelItemCount(), 1);
    QCOMPARE(selector->count(), 1);
    QCOMPARE(selector->itemText(0), QStringLiteral("USB Wi-Fi Stick"));
    QCOMPARE(window->interfaceState(), Interface::Listed);
    QCOMPARE(networks->topLevelItem(0)->text(0), QStringLiteral("Cafe"));
    QVERIFY(!child<QLabel>(window, "networkPlaceholder")->isVisible());
    QCOMPARE(child<QLabel>(window, "guidValue")->text(), adapterGuidText(0));
    QVERIFY(log.boxes.isEmpty());
}

QTEST_MAIN(TestMainWindowNoCard)
#include "tst_mainwindow_nocard.moc"
