// The main window against a scripted world with two adapters, open, secured, hidden and connected
// networks: the selector, both lists, the information panel, the clipboard text and the title.

#include "MainWindowKit.h"
#include "ui/ModalAnswer.h"
#include "core/TestSettings.h"

#include "app/settings/SettingsKeys.h"
#include "app/settings/SettingsStore.h"
#include "platform/wlan/WlanClientProvider.h"
#include "ui/main/AirvaneLite.h"
#include "ui/widgets/AppQLabel.h"
#include "wireless/ConnectionState.h"
#include "wireless/ProfileXml.h"
#include "wireless/WirelessTexts.h"

#include <QClipboard>
#include <QComboBox>
#include <QHeaderView>
#include <QPushButton>
#include <QSignalSpy>
#include <QSplitter>
#include <QtTest>

using namespace mainwindowkit;

namespace {
const QString kAdapter0 = QStringLiteral("Intel(R) Wi-Fi 6 AX201 160MHz");
const QString kAdapter1 = QStringLiteral("Realtek RTL8821CE 802.11ac PCIe Adapter");
const QString kGuid0 = QStringLiteral("{12345678-9ABC-DEF0-1122-334455667788}");
} // namespace

class TestMainWindowLists : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void adaptersArriveInSelector();
    void listHeaders_data();
    void listHeaders();
    void networkRows_data();
    void networkRows();
    void networkRowsAreSortedBySsid();
    void connectedProfileRowIsBold();
    void hoveringACellShowsItsText();
    void networkPressFillsPanel();
    void profilePressFillsPanelAndClearsNetworkSelection();
    void clipboardAfterNetworkPress();
    void clipboardAfterProfilePress();
    void returnWithoutSelectionWarns();
    void titleText_data();
    void titleText();
    void titleFollowsShowFullInfo();
    void splitterMoveIsStored();
    void activationAsksForConnectionState();
    void layoutBasics();

private:
    QString panelValue(const char *row) const
    {
        const QByteArray name = QByteArray(row) + QByteArray("Value");
        return child<QLabel>(window, name.constData())->text();
    }
    QString copyPanel();

    std::shared_ptr<Sim> sim;
    AirvaneLite *window = nullptr;
    QTreeWidget *networks = nullptr;
    QTreeWidget *profiles = nullptr;
};

void TestMainWindowLists::initTestCase()
{
    testsupport::resetSettings();
    writeAppSetting(QLatin1String(SettingsKey::AutoRefreshWlanNetworks), false);

    sim = std::make_shared<Sim>();
    sim->addAdapter(makeAdapter(0x12345678, kAdapter0.toStdU16String()));
    sim->addAdapter(makeAdapter(0x87654321, kAdapter1.toStdU16String()));
    sim->addNetwork(makeNetwork("Cafe", false, 1, 0, 70, {makeBss(0x55, 2437000)}));
    sim->addNetwork(makeNetwork("Office", true, 7, 4, 100, {makeBss(0x01, 5180000), makeBss(0x02, 5200000)}));
    sim->addNetwork(makeNetwork("Attic", false, 1, 0, 1, {makeBss(0x66, 2412000)}));
    Sim::Network hidden = makeNetwork("Lair", true, 7, 4, 40, {makeBss(0x77, 2462000)});
    hidden.hidden = true;
    sim->addNetwork(hidden);
    sim->addNetwork(makeNetwork("Home", true, 7, 4, 90, {makeBss(0x99, 2437000)}));
    sim->addStoredProfile(0, ProfileXml::securedProfile(QStringLiteral("Home"), QStringLiteral("Home"), 7, 4,
                                                        QStringLiteral("correct-horse"), false, true)
                                 .toStdU16String());
    sim->setConnected(0, u"Home");
    wlan::setDefaultClient(sim);

    window = new AirvaneLite;
    QVERIFY(activate(window));
    networks = child<QTreeWidget>(window, "networkList");
    profiles = child<QTreeWidget>(window, "profileList");
    QTRY_VERIFY(networks->topLevelItemCount() >= 4);
    QTRY_VERIFY(profiles->topLevelItemCount() >= 1);
}

void TestMainWindowLists::cleanupTestCase()
{
    delete window;
    window = nullptr;
}

void TestMainWindowLists::adaptersArriveInSelector()
{
    auto *selector = child<QComboBox>(window, "adapterSelector");
    QTRY_COMPARE(selector->count(), 2);
    QCOMPARE(selector->itemText(0), kAdapter0);
    QCOMPARE(selector->itemText(1), kAdapter1);
    QCOMPARE(selector->currentIndex(), 0);
    QCOMPARE(selector->itemData(0, Qt::UserRole).value<Interface::State>(), Interface::Listed);
    QVERIFY(child<QPushButton>(window, "refreshButton")->isEnabled());

    QCOMPARE(panelValue("guid"), kGuid0);
    QCOMPARE(panelValue("interface"), QStringLiteral("Native WiFi"));
    QCOMPARE(panelValue("status"), QStringLiteral("Connected"));
    QCOMPARE(panelValue("operMode"), QStringLiteral("Extensible Station"));
    QCOMPARE(panelValue("bssType"), QStringLiteral("Infrastructure"));
    QCOMPARE(panelValue("autoConf"), QStringLiteral("True"));
}

void TestMainWindowLists::listHeaders_data()
{
    QTest::addColumn<QString>("list");
    QTest::addColumn<QStringList>("headers");
    const QStringList networkHeaders = {
        "SSID", "Encryption", "Signal", "Security", "Auth. Algorith", "Dot11BssType", "Password",
        "Connectable", "Number of BSSIDS", "Not connectable reason", "PHY Type", "Flags", "Connected",
        "MAC address", "Channel", "Mode", "Frequency", "Band"};
    QTest::newRow("networks") << "networkList" << networkHeaders;
    QTest::newRow("profiles") << "profileList" << (QStringList{"Profile"} + networkHeaders);
}

void TestMainWindowLists::listHeaders()
{
    QFETCH(QString, list);
    QFETCH(QStringList, headers);
    QCOMPARE(headerTexts(child<QTreeWidget>(window, list.toLatin1().constData())), headers);
}

void TestMainWindowLists::networkRows_data()
{
    QTest::addColumn<QString>("ssid");
    QTest::addColumn<QStringList>("texts");   // columns 1..7, 12..17
    QTest::addColumn<QVariantList>("data");   // isHidden, cipher, isSecured, auth, connection

    QTest::newRow("open") << "Cafe"
        << QStringList{"None", "70% (-65 dBm)", "No", "802.11 Open", "Infrastructure", "Not required", "Yes",
                       "No", "00:11:22:33:44:55", "6", "802.11n", "2437 MHz", "2.4 GHz"}
        << QVariantList{false, 0, false, 1, int(Connection::NotConnected)};
    QTest::newRow("secured, two BSSIDs") << "Office"
        << QStringList{"AES (CCMP)", "100% (-50 dBm)", "Yes", "WPA2-Personal (WPA2-PSK)", "Infrastructure",
                       "Required", "Yes", "No", "00:11:22:33:44:02", channelText(5200000), "802.11n",
                       "5200 MHz", "Dual-Band"}
        << QVariantList{false, 4, true, 7, int(Connection::NotConnected)};
    QTest::newRow("weakest signal") << "Attic"
        << QStringList{"None", "1% (-100 dBm)", "No", "802.11 Open", "Infrastructure", "Not required", "Yes",
                       "No", "00:11:22:33:44:66", "1", "802.11n", "2412 MHz", "2.4 GHz"}
        << QVariantList{false, 0, false, 1, int(Connection::NotConnected)};
    QTest::newRow("hidden") << "Hidden network"
        << QStringList{"AES (CCMP)", "40% (-80 dBm)", "Yes", "WPA2-Personal (WPA2-PSK)", "Infrastructure",
                       "Required", "Yes", "No", "00:11:22:33:44:77", "11", "802.11n", "2462 MHz", "2.4 GHz"}
        << QVariantList{true, 4, true, 7, int(Connection::NotConnected)};
}

void TestMainWindowLists::networkRows()
{
    QFETCH(QString, ssid);
    QFETCH(QStringList, texts);
    QFETCH(QVariantList, data);

    QTreeWidgetItem *row = findRow(networks, 0, ssid);
    QVERIFY2(row, qPrintable(ssid));
    QStringList shown;
    for (int column : {1, 2, 3, 4, 5, 6, 7, 12, 13, 14, 15, 16, 17})
        shown << row->text(column);
    QCOMPARE(shown, texts);
    QCOMPARE(row->text(11), QStringLiteral("No profile"));

    QCOMPARE(row->data(0, Qt::UserRole).toBool(), data[0].toBool());
    QCOMPARE(row->data(1, Qt::UserRole).toInt(), data[1].toInt());
    QCOMPARE(row->data(3, Qt::UserRole).toBool(), data[2].toBool());
    QCOMPARE(row->data(4, Qt::UserRole).toInt(), data[3].toInt());
    QCOMPARE(row->data(11, Qt::UserRole).toInt(), 0);
    const QVariant state = row->data(12, Qt::UserRole);
    QCOMPARE(state.userType(), qMetaTypeId<Connection::State>());
    QCOMPARE(int(state.value<Connection::State>()), data[4].toInt());
    QVERIFY(!row->font(0).bold());
}

void TestMainWindowLists::networkRowsAreSortedBySsid()
{
    QStringList order;
    for (int i = 0; i < networks->topLevelItemCount(); ++i)
        order << networks->topLevelItem(i)->text(0);
    QStringList sorted = order;
    std::sort(sorted.begin(), sorted.end());
    QCOMPARE(order, sorted);
    QVERIFY(order.contains(QStringLiteral("Attic")));
    QVERIFY(order.contains(QStringLiteral("Cafe")));
}

void TestMainWindowLists::connectedProfileRowIsBold()
{
    QTreeWidgetItem *home = findRow(profiles, 0, QStringLiteral("Home"));
    QVERIFY(home);
    QCOMPARE(home->text(1), QStringLiteral("Home"));
    QCOMPARE(home->text(13), QStringLiteral("Yes"));
    QCOMPARE(home->data(13, Qt::UserRole).value<Connection::State>(), Connection::Connected);
    QCOMPARE(home->data(4, Qt::UserRole).toBool(), true);
    QCOMPARE(home->data(5, Qt::UserRole).toInt(), 7);
    for (int column = 0; column < profiles->columnCount(); ++column)
        QVERIFY2(home->font(column).bold(), qPrintable(QString::number(column)));
    for (int i = 0; i < networks->topLevelItemCount(); ++i)
        QVERIFY(!networks->topLevelItem(i)->font(0).bold());
    QVERIFY(!child<QLabel>(window, "profilePlaceholder")->isVisible());
}

void TestMainWindowLists::hoveringACellShowsItsText()
{
    QTreeWidgetItem *row = findRow(networks, 0, QStringLiteral("Office"));
    QVERIFY(row);
    networks->scrollToItem(row);
    const QRect rect = networks->visualItemRect(row);
    const int x = networks->header()->sectionViewportPosition(2) + 5;
    QMouseEvent move(QEvent::MouseMove, QPoint(x, rect.center().y()), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(networks->viewport(), &move);
    QCOMPARE(row->toolTip(2), QStringLiteral("100% (-50 dBm)"));
}

void TestMainWindowLists::networkPressFillsPanel()
{
    QSignalSpy selected(window, &AirvaneLite::selectedNetwork);
    pressRow(profiles, findRow(profiles, 0, QStringLiteral("Home")));
    QCOMPARE(profiles->selectedItems().size(), 1);

    pressRow(networks, findRow(networks, 0, QStringLiteral("Office")));
    QCOMPARE(selected.count(), 1);
    QCOMPARE(selected.at(0).at(0).toString(), QStringLiteral("Office"));
    QVERIFY(profiles->selectedItems().isEmpty());
    QVERIFY(child<QLabel>(window, "profileCaption")->isHidden());
    QVERIFY(child<QLabel>(window, "profileValue")->isHidden());

    QCOMPARE(panelValue("network"), QStringLiteral("Office"));
    QCOMPARE(panelValue("encryption"), QStringLiteral("AES (CCMP)"));
    QCOMPARE(panelValue("signal"), QStringLiteral("100% (-50 dBm)"));
    QCOMPARE(panelValue("security"), QStringLiteral("Yes"));
    QCOMPARE(panelValue("authAlgorithm"), QStringLiteral("WPA2-Personal (WPA2-PSK)"));
    QCOMPARE(panelValue("connectable"), QStringLiteral("Yes"));
    QCOMPARE(panelValue("dot11BssType"), QStringLiteral("Infrastructure"));
    QCOMPARE(panelValue("flags"), QStringLiteral("No profile"));
    QCOMPARE(panelValue("password"), QStringLiteral("Required"));
    QCOMPARE(panelValue("connected"), QStringLiteral("No"));
    QCOMPARE(panelValue("macAddress"), QStringLiteral("00:11:22:33:44:02"));
    QCOMPARE(panelValue("mode"), QStringLiteral("802.11n"));
    QCOMPARE(panelValue("frequency"), QStringLiteral("5200 MHz"));
    QCOMPARE(panelValue("band"), QStringLiteral("Dual-Band"));
    QCOMPARE(child<QPushButton>(window, "connectButton")->text(), QStringLiteral("Connect"));

    // A second press with Ctrl deselects the row and must leave the panel alone.
    pressRow(networks, findRow(networks, 0, QStringLiteral("Office")), Qt::ControlModifier);
    QVERIFY(networks->selectedItems().isEmpty());
    QCOMPARE(selected.count(), 1);
    QCOMPARE(panelValue("network"), QStringLiteral("Office"));
}

void TestMainWindowLists::profilePressFillsPanelAndClearsNetworkSelection()
{
    pressRow(networks, findRow(networks, 0, QStringLiteral("Cafe")));
    QCOMPARE(networks->selectedItems().size(), 1);

    pressRow(profiles, findRow(profiles, 0, QStringLiteral("Home")));
    QVERIFY(networks->selectedItems().isEmpty());
    QVERIFY(!child<QLabel>(window, "profileCaption")->isHidden());
    QVERIFY(!child<QLabel>(window, "profileValue")->isHidden());
    QCOMPARE(panelValue("profile"), QStringLiteral("Home"));
    QCOMPARE(panelValue("network"), QStringLiteral("Home"));
    QCOMPARE(panelValue("signal"), QStringLiteral("90% (-55 dBm)"));
    QCOMPARE(panelValue("connected"), QStringLiteral("Yes"));
    QCOMPARE(panelValue("macAddress"), QStringLiteral("00:11:22:33:44:99"));
    QCOMPARE(panelValue("channel"), QStringLiteral("6"));
    QCOMPARE(child<QPushButton>(window, "connectButton")->text(), QStringLiteral("Disconnect"));
}

QString TestMainWindowLists::copyPanel()
{
    BoxLog log;
    QGuiApplication::clipboard()->setText(QStringLiteral("stale"));
    testsupport::pressInNextModal(QStringLiteral("OK"));
    QTest::mouseClick(child<AppQLabel>(window, "copyIcon"), Qt::LeftButton);
    if (log.boxes.size() != 1)
        return QStringLiteral("<expected one box, got %1>").arg(log.boxes.size());
    if (log.boxes[0].title != QLatin1String("Information")
        || log.boxes[0].text != QLatin1String("Wireless information has been successfully copied to the clipboard."))
        return QStringLiteral("<wrong box: %1 / %2>").arg(log.boxes[0].title, log.boxes[0].text);
    return QGuiApplication::clipboard()->text(QClipboard::Clipboard);
}

void TestMainWindowLists::clipboardAfterNetworkPress()
{
    pressRow(networks, findRow(networks, 0, QStringLiteral("Cafe")));
    const QString expected = QStringList{
        kAdapter0,
        "GUID: " + kGuid0,
        "Interface: Native WiFi",
        "Status: Connected",
        "Oper.Mode: Extensible Station",
        "BSS Type: Infrastructure",
        "Auto Conf.: True",
        "Network: Cafe",
        "Encryption: None",
        "Signal: 70% (-65 dBm)",
        "Security: No",
        "Auth. Algorithm: 802.11 Open",
        "Connectable: Yes",
        "Not connectable reason: " + reasonCodeText(0),
        "Dot11BssType: Infrastructure",
        "Flags: No profile",
        "Password: Not required",
        "Connected: No",
        "MAC Address: 00:11:22:33:44:55",
        "Channel: 6",
        "Mode: 802.11n",
        "Frequency: 2437 MHz",
        "Band: 2.4 GHz",
    }.join(QLatin1Char('\n'));
    QCOMPARE(copyPanel(), expected);
}

void TestMainWindowLists::clipboardAfterProfilePress()
{
    pressRow(profiles, findRow(profiles, 0, QStringLiteral("Home")));
    const QString text = copyPanel();
    const QStringList lines = text.split(QLatin1Char('\n'));
    QCOMPARE(lines.size(), 24);
    QCOMPARE(lines.first(), kAdapter0);
    QCOMPARE(lines.at(7), QStringLiteral("Profile: Home"));
    QCOMPARE(lines.at(8), QStringLiteral("Network: Home"));
    QCOMPARE(lines.at(18), QStringLiteral("Connected: Yes"));
    QCOMPARE(lines.last(), QStringLiteral("Band: 2.4 GHz"));
    QVERIFY(!text.endsWith(QLatin1Char('\n')));
}

void TestMainWindowLists::returnWithoutSelectionWarns()
{
    networks->clearSelection();
    profiles->clearSelection();
    BoxLog log;
    testsupport::pressInNextModal(QStringLiteral("OK"));
    QTest::keyClick(window, Qt::Key_Return);
    QCOMPARE(log.boxes.size(), 1);
    QCOMPARE(log.boxes[0].title, QStringLiteral("Warning"));
    QCOMPARE(log.boxes[0].text, QStringLiteral("Select the network to proceed!"));
}

void TestMainWindowLists::titleText_data()
{
    QTest::addColumn<bool>("full");
    QTest::addColumn<int>("channel");
    QTest::addColumn<QString>("title");
    QTest::newRow("short, development") << false << 0 << "Airvane Lite";
    QTest::newRow("short, release") << false << 3 << "Airvane Lite";
    QTest::newRow("development") << true << 0 << "Airvane Lite [Development | Build 2.8.8.652 | x64]";
    QTest::newRow("insider") << true << 1 << "Airvane Lite [Insider | Build 2.8.8.652 | x64]";
    QTest::newRow("beta") << true << 2 << "Airvane Lite [Beta | Build 2.8.8.652 | x64]";
    QTest::newRow("release") << true << 3 << "Airvane Lite [Release | Build 2.8.8.652 | x64]";
    QTest::newRow("unknown channel") << true << 9 << "Airvane Lite [Release | Build 2.8.8.652 | x64]";
}

void TestMainWindowLists::titleText()
{
    QFETCH(bool, full);
    QFETCH(int, channel);
    QFETCH(QString, title);
    QCOMPARE(AirvaneLite::titleText(full, channel), title);
}

void TestMainWindowLists::titleFollowsShowFullInfo()
{
    QCOMPARE(window->windowTitle(), QStringLiteral("Airvane Lite [Release | Build 2.8.8.652 | x64]"));
    writeAppSetting(QLatin1String(SettingsKey::ShowFullInfo), false);
    window->setFullInfo();
    QCOMPARE(window->windowTitle(), QStringLiteral("Airvane Lite"));
    writeAppSetting(QLatin1String(SettingsKey::ShowFullInfo), true);
    writeSetting(QLatin1String(SettingsGroup::Updates), QLatin1String(SettingsKey::UpdatesChannel), 2);
    window->setFullInfo();
    QCOMPARE(window->windowTitle(), QStringLiteral("Airvane Lite [Beta | Build 2.8.8.652 | x64]"));
}

void TestMainWindowLists::splitterMoveIsStored()
{
    auto *splitter = child<QSplitter>(window, "listSplitter");
    QVERIFY(!splitter->isCollapsible(0));
    writeAppSetting(QLatin1String(SettingsKey::WlanViewSize), QByteArray());

    QSplitterHandle *handle = splitter->handle(1);
    const QPoint start = handle->rect().center();
    QMouseEvent press(QEvent::MouseButtonPress, start, handle->mapToGlobal(start), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(handle, &press);
    const QPoint end = start - QPoint(0, 60);
    QMouseEvent move(QEvent::MouseMove, end, handle->mapToGlobal(end), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(handle, &move);
    QMouseEvent release(QEvent::MouseButtonRelease, end, handle->mapToGlobal(end), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(handle, &release);

    const QByteArray stored = readAppSetting(QLatin1String(SettingsKey::WlanViewSize)).toByteArray();
    QVERIFY(!stored.isEmpty());
    QCOMPARE(stored, splitter->saveState());
}

void TestMainWindowLists::activationAsksForConnectionState()
{
    QSignalSpy asked(window, &AirvaneLite::checkWirelessState);
    QWidget other;
    QVERIFY(activate(&other));
    QVERIFY(activate(window));
    QTRY_VERIFY(asked.count() >= 1);
    QCOMPARE(asked.last().at(0).toInt(), 0);
}

void TestMainWindowLists::layoutBasics()
{
    QCOMPARE(window->minimumSize(), QSize(1260, 600));
    QStringList menus;
    for (QPushButton *button : window->findChildren<QPushButton *>(QStringLiteral("menuButton")))
        menus << button->text();
    QCOMPARE(menus, (QStringList{"File", "Options", "Hostlens", "About"}));
}

QTEST_MAIN(TestMainWindowLists)
#include "tst_mainwindow_lists.moc"
