// Open networks end to end: the main window, the engine in its worker thread and the simulated
// service. Connect, the connected view, disconnect answered No and Yes, and a cancel while
// connecting.

#include "FlowKit.h"

#include <QRegularExpression>
#include <QSignalSpy>
#include <QtTest>

using namespace flowkit;

class TestConnectFlowOpen : public QObject, private Flow
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase() { finish(); }
    void init() { boxes->boxes.clear(); }

    void openNetworkConnects();
    void disconnectAnsweredNoKeepsTheConnection();
    void disconnectAnsweredYes();
    void refusedConnectShowsTheCode();
    void connectPressedWhileConnectingCancels();
    void closingTheWindowWhileConnectingCancels();
};

void TestConnectFlowOpen::initTestCase()
{
    prepare();
    sim->addNetwork(openNetwork("Cafe", 0x11));
    sim->addNetwork(openNetwork("Attic", 0x12));
    QVERIFY(start());
    QTRY_COMPARE(networks->topLevelItemCount(), 2);
}

void TestConnectFlowOpen::openNetworkConnects()
{
    QSignalSpy requests(window->connectionFlow(), &ConnectionFlow::connectionRequest);
    QSignalSpy named(window->connectionFlow(), &ConnectionFlow::currentNetwork);
    QTreeWidgetItem *cafe = findRow(networks, 0, QStringLiteral("Cafe"));
    QVERIFY(cafe);
    pressRow(networks, cafe);

    // Long enough to see the connecting state on a busy machine.
    sim->setConnectDelay(1500);
    answerBox(QStringLiteral("OK"));
    connectButton()->click();

    QCOMPARE(dialogkit::emissions(named), QStringList{"Cafe"});
    QCOMPARE(dialogkit::emissions(requests), QStringList{"Cafe|Cafe|1|0|false|false|false"});

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
    QCOMPARE(panelValues(window, {"status", "connected"}), QStringList({"Connected", "Yes"}));
    QCOMPARE(connectButton()->text(), QStringLiteral("Disconnect"));
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

    QSignalSpy disconnects(window->connectionFlow(), &ConnectionFlow::disconnectRequest);
    answerBox(QStringLiteral("No"));
    connectButton()->click();

    QCOMPARE(boxes->boxes.size(), 1);
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

    QSignalSpy disconnects(window->connectionFlow(), &ConnectionFlow::disconnectRequest);
    QSignalSpy toDialogs(window->connectionFlow(), &ConnectionFlow::apDisconnected);
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
    QCOMPARE(panelValues(window, {"status", "connected"}), QStringList({"Not connected", "No"}));
    QCOMPARE(connectButton()->text(), QStringLiteral("Connect"));
    QVERIFY(logText().contains(QStringLiteral(": disconnected from the Cafe on %1").arg(kAdapter)));
}

void TestConnectFlowOpen::refusedConnectShowsTheCode()
{
    QVERIFY(pressNetwork(QStringLiteral("Cafe")));
    QSignalSpy failures(window->connectionFlow(), &ConnectionFlow::connectionFailed);
    QSignalSpy removals(window->connectionFlow(), &ConnectionFlow::removeFailedWlanProfile);
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

    QSignalSpy cancels(window->connectionFlow(), &ConnectionFlow::cancelRequest);
    QSignalSpy failures(window->connectionFlow(), &ConnectionFlow::connectionFailed);
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
    QVERIFY(pressNetwork(QStringLiteral("Attic")));
    answerBoxes({QStringLiteral("Yes"), QStringLiteral("OK")});
    connectButton()->click();
    QTRY_COMPARE(connectedTo(*sim), QString());
    QTRY_COMPARE(boxes->boxes.size(), 2);

    sim->setConnectDelay(4000);
    QVERIFY(pressNetwork(QStringLiteral("Cafe")));
    QSignalSpy cancels(window->connectionFlow(), &ConnectionFlow::cancelRequest);
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
