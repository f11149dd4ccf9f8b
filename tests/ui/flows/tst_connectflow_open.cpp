// Open networks end to end: the main window, the engine in its worker thread and the simulated
// service. Connect, the connected view, disconnect answered No and Yes, and a cancel while
// connecting.

#include "FlowKit.h"
#include "core/TestSettings.h"

#include "app/settings/SettingsKeys.h"
#include "app/settings/SettingsStore.h"
#include "platform/wlan/WlanClientProvider.h"
#include "ui/main/AirvaneLite.h"

#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QtTest>

using namespace flowkit;

class TestConnectFlowOpen : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();

    void connectWithoutSelectionWarns();
    void openNetworkConnects();
    void disconnectAnsweredNoKeepsTheConnection();
    void disconnectAnsweredYes();
    void refusedConnectShowsTheCode();
    void connectPressedWhileConnectingCancels();
    void closingTheWindowWhileConnectingCancels();

private:
    QString panel(const char *row) const
    {
        const QByteArray name = QByteArray(row) + QByteArray("Value");
        return child<QLabel>(window, name.constData())->text();
    }
    QPushButton *connectButton() const { return child<QPushButton>(window, "connectButton"); }

    std::shared_ptr<Sim> sim;
    BoxLog *boxes = nullptr;
    AirvaneLite *window = nullptr;
    QTreeWidget *networks = nullptr;
};

void TestConnectFlowOpen::initTestCase()
{
    testsupport::resetSettings();
    writeAppSetting(QLatin1String(SettingsKey::AutoRefreshWlanNetworks), false);
    writeAppSetting(QLatin1String(SettingsKey::NotifyWhenOpenAP), false);

    sim = std::make_shared<FlowSim>();
    sim->addAdapter(makeAdapter(0x0A0B0C0D, kAdapter.toStdU16String()));
    sim->addNetwork(openNetwork("Cafe", 0x11));
    sim->addNetwork(openNetwork("Attic", 0x12));
    // Notifications reach the engine only after its connect request has returned.
    sim->setConnectDelay(300);
    wlan::setDefaultClient(sim);

    boxes = new BoxLog;
    window = new AirvaneLite;
    QVERIFY(activate(window));
    networks = child<QTreeWidget>(window, "networkList");
    QTRY_COMPARE(networks->topLevelItemCount(), 2);
}

void TestConnectFlowOpen::cleanupTestCase()
{
    delete window;
    delete boxes;
}

void TestConnectFlowOpen::init()
{
    boxes->boxes.clear();
}

void TestConnectFlowOpen::connectWithoutSelectionWarns()
{
    networks->clearSelection();
    QSignalSpy requests(window, &AirvaneLite::connectionRequest);
    answerBox(QStringLiteral("OK"));
    connectButton()->click();
    QTRY_COMPARE(boxes->boxes.size(), 1);
    QCOMPARE(boxes->boxes[0].title, QStringLiteral("Warning"));
    QCOMPARE(boxes->boxes[0].text, QStringLiteral("Select the network to proceed!"));
    QCOMPARE(requests.count(), 0);
}

void TestConnectFlowOpen::openNetworkConnects()
{
    QSignalSpy requests(window, &AirvaneLite::connectionRequest);
    QSignalSpy named(window, &AirvaneLite::currentNetwork);
    QTreeWidgetItem *cafe = findRow(networks, 0, QStringLiteral("Cafe"));
    QVERIFY(cafe);
    pressRow(networks, cafe);

    // Long enough to see the connecting state on a busy machine.
    sim->setConnectDelay(1500);
    answerBox(QStringLiteral("OK"));
    connectButton()->click();

    QCOMPARE(named.count(), 1);
    QCOMPARE(named[0][0].toString(), QStringLiteral("Cafe"));
    QCOMPARE(requests.count(), 1);
    const QVariantList request = requests[0];
    QCOMPARE(request[0].toString(), QStringLiteral("Cafe"));
    QCOMPARE(request[1].toString(), QStringLiteral("Cafe"));
    QCOMPARE(int(request[2].value<_DOT11_AUTH_ALGORITHM>()), int(DOT11_AUTH_ALGO_80211_OPEN));
    QCOMPARE(int(request[3].value<_DOT11_CIPHER_ALGORITHM>()), int(DOT11_CIPHER_ALGO_NONE));
    QCOMPARE(request.mid(4), (QVariantList{false, false, false}));

    // While the service works on it, the button offers to cancel.
    QTRY_COMPARE(connectButton()->text(), QStringLiteral("Cancel"));
    sim->setConnectDelay(300);

    QTRY_COMPARE(boxes->boxes.size(), 1);
    QCOMPARE(boxes->boxes[0].title, QStringLiteral("Information"));
    QCOMPARE(boxes->boxes[0].text, QStringLiteral("You successfully connected to Cafe"));
    QCOMPARE(connectedTo(*sim), QStringLiteral("Cafe"));

    QTRY_VERIFY(cafe->font(0).bold());
    QCOMPARE(cafe->text(12), QStringLiteral("Yes"));
    QCOMPARE(int(cafe->data(12, Qt::UserRole).value<Connection::State>()), int(Connection::Connected));
    QCOMPARE(panel("status"), QStringLiteral("Connected"));
    QCOMPARE(panel("connected"), QStringLiteral("Yes"));
    QCOMPARE(connectButton()->text(), QStringLiteral("Disconnect"));
    QVERIFY(connectButton()->isEnabled());
    // The new profile is listed with the profiles in range.
    QTRY_VERIFY(rowWhere(child<QTreeWidget>(window, "profileList"), QStringLiteral("Cafe")));

    const QRegularExpression line(QStringLiteral("\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d: connected to Cafe on %1")
                                      .arg(QRegularExpression::escape(kAdapter)));
    QVERIFY2(line.match(logText()).hasMatch(), qPrintable(logText()));
    QVERIFY(boxes->count(QStringLiteral("Not connected!")) == 0);
}

void TestConnectFlowOpen::disconnectAnsweredNoKeepsTheConnection()
{
    QTreeWidgetItem *cafe = findRow(networks, 0, QStringLiteral("Cafe"));
    QVERIFY(cafe);
    pressRow(networks, cafe);
    QCOMPARE(connectButton()->text(), QStringLiteral("Disconnect"));

    QSignalSpy disconnects(window, &AirvaneLite::disconnectRequest);
    answerBox(QStringLiteral("No"));
    connectButton()->click();

    QCOMPARE(boxes->boxes.size(), 1);
    QCOMPARE(boxes->boxes[0].title, QStringLiteral("Question"));
    QCOMPARE(boxes->boxes[0].text, QStringLiteral("Do you want to disconnect?"));
    QCOMPARE(disconnects.count(), 0);
    QTest::qWait(200);
    QCOMPARE(connectedTo(*sim), QStringLiteral("Cafe"));
    QVERIFY(cafe->font(0).bold());
    QCOMPARE(panel("status"), QStringLiteral("Connected"));
}

void TestConnectFlowOpen::disconnectAnsweredYes()
{
    QTreeWidgetItem *cafe = findRow(networks, 0, QStringLiteral("Cafe"));
    QVERIFY(cafe);
    pressRow(networks, cafe);

    QSignalSpy disconnects(window, &AirvaneLite::disconnectRequest);
    QSignalSpy toDialogs(window, &AirvaneLite::apDisconnected);
    answerBoxes({QStringLiteral("Yes"), QStringLiteral("OK")});
    connectButton()->click();
    QCOMPARE(disconnects.count(), 1);

    QTRY_COMPARE(boxes->boxes.size(), 2);
    QCOMPARE(boxes->boxes[1].title, QStringLiteral("Information"));
    QCOMPARE(boxes->boxes[1].text, QStringLiteral("You successfully disconnected from Cafe!"));
    QTRY_COMPARE(toDialogs.count(), 1);
    QCOMPARE(connectedTo(*sim), QString());

    QVERIFY(!cafe->font(0).bold());
    QCOMPARE(cafe->text(12), QStringLiteral("No"));
    QCOMPARE(int(cafe->data(12, Qt::UserRole).value<Connection::State>()), int(Connection::NotConnected));
    QCOMPARE(panel("status"), QStringLiteral("Not connected"));
    QCOMPARE(panel("connected"), QStringLiteral("No"));
    QCOMPARE(connectButton()->text(), QStringLiteral("Connect"));
    QVERIFY(logText().contains(QStringLiteral(": disconnected from the Cafe on %1").arg(kAdapter)));
}

void TestConnectFlowOpen::refusedConnectShowsTheCode()
{
    QTreeWidgetItem *cafe = findRow(networks, 0, QStringLiteral("Cafe"));
    QVERIFY(cafe);
    pressRow(networks, cafe);
    QSignalSpy failures(window, &AirvaneLite::connectionFailed);
    QSignalSpy removals(window, &AirvaneLite::removeFailedWlanProfile);
    sim->failCall(Sim::Call::Connect, 5);
    answerBox(QStringLiteral("OK"));
    connectButton()->click();

    QTRY_COMPARE(boxes->boxes.size(), 1);
    QCOMPARE(boxes->boxes[0].title, QStringLiteral("Error"));
    QCOMPARE(boxes->boxes[0].text,
             QStringLiteral("Not connected! Error code: 5\nCheck your password and try again."));
    QTRY_COMPARE(failures.count(), 1);
    QCOMPARE(removals.count(), 0);
    QCOMPARE(connectedTo(*sim), QString());
    QVERIFY(connectButton()->isEnabled());
    QCOMPARE(connectButton()->text(), QStringLiteral("Connect"));
}

void TestConnectFlowOpen::connectPressedWhileConnectingCancels()
{
    sim->setConnectDelay(4000);
    QTreeWidgetItem *attic = findRow(networks, 0, QStringLiteral("Attic"));
    QVERIFY(attic);
    pressRow(networks, attic);

    QSignalSpy cancels(window, &AirvaneLite::cancelRequest);
    QSignalSpy failures(window, &AirvaneLite::connectionFailed);
    connectButton()->click();
    QTRY_COMPARE(connectButton()->text(), QStringLiteral("Cancel"));

    connectButton()->click();
    QCOMPARE(cancels.count(), 1);
    QTRY_COMPARE(connectButton()->text(), QStringLiteral("Connect"));
    QVERIFY(child<QTreeWidget>(window, "profileList")->isEnabled());

    // Whatever the service still reports about the dropped attempt is no failure to show.
    QTest::qWait(600);
    QCOMPARE(connectedTo(*sim), QString());
    QCOMPARE(boxes->boxes.size(), 0);
    QCOMPARE(failures.count(), 0);

    // The next press starts a connect again instead of canceling.
    sim->setConnectDelay(300);
    answerBox(QStringLiteral("OK"));
    connectButton()->click();
    QCOMPARE(cancels.count(), 1);
    QTRY_COMPARE(connectedTo(*sim), QStringLiteral("Attic"));
    QTRY_COMPARE(boxes->boxes.size(), 1);
    QCOMPARE(boxes->boxes[0].text, QStringLiteral("You successfully connected to Attic"));
    QTRY_VERIFY(attic->font(0).bold());
}

void TestConnectFlowOpen::closingTheWindowWhileConnectingCancels()
{
    // Back to a disconnected adapter first.
    QTreeWidgetItem *attic = findRow(networks, 0, QStringLiteral("Attic"));
    QVERIFY(attic);
    pressRow(networks, attic);
    answerBoxes({QStringLiteral("Yes"), QStringLiteral("OK")});
    connectButton()->click();
    QTRY_COMPARE(connectedTo(*sim), QString());
    QTRY_COMPARE(boxes->boxes.size(), 2);

    sim->setConnectDelay(4000);
    QTreeWidgetItem *cafe = findRow(networks, 0, QStringLiteral("Cafe"));
    QVERIFY(cafe);
    pressRow(networks, cafe);
    QSignalSpy cancels(window, &AirvaneLite::cancelRequest);
    connectButton()->click();
    QTRY_COMPARE(connectButton()->text(), QStringLiteral("Cancel"));

    qApp->setQuitOnLastWindowClosed(false);
    window->close();
    QCOMPARE(cancels.count(), 1);
    QTRY_COMPARE(connectButton()->text(), QStringLiteral("Connect"));
    QTest::qWait(300);
    QCOMPARE(connectedTo(*sim), QString());
}

QTEST_MAIN(TestConnectFlowOpen)
#include "tst_connectflow_open.moc"
