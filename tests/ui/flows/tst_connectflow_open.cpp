// Open networks end to end: the main window, the engine in its worker thread and the simulated
// service. Connect, the connected view, disconnect answered No and Yes, and a cancel while
// connecting. Every test starts from a fresh world.

#include "ui/FlowKit.h"

#include <QRegularExpression>
#include <QSignalSpy>
#include <QtTest>

using namespace flowkit;

class TestConnectFlowOpen : public QObject, private Flow
{
    Q_OBJECT

private slots:
    void init();
    void cleanup() { finish(); }

    void openNetworkConnects();
    void disconnectAsked_data();
    void disconnectAsked();
    void refusedConnectShowsTheCode();
    void connectPressedWhileConnectingCancels();
    void closingTheWindowWhileConnectingCancels();
};

void TestConnectFlowOpen::init()
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
    QTreeWidgetItem *cafe = findRow(networks, 0, QStringLiteral("Cafe"));
    QVERIFY(cafe);
    pressRow(networks, cafe);

    // Long enough to see the connecting state on a busy machine.
    sim->setConnectDelay(1500);
    answerBox(QStringLiteral("OK"));
    connectButton()->click();
    QCOMPARE(dialogkit::emissions(requests), QStringList{"Cafe|Cafe|1|0|false|false|false"});
    QTRY_COMPARE(connectButton()->text(), QStringLiteral("Cancel"));

    QTRY_COMPARE(boxes->boxes.size(), 1);
    QCOMPARE(boxes->boxes[0].title, QStringLiteral("Information"));
    QCOMPARE(boxes->boxes[0].text, QStringLiteral("You successfully connected to Cafe"));
    QCOMPARE(connectedTo(*sim), QStringLiteral("Cafe"));

    QTRY_VERIFY(cafe->font(0).bold());
    QCOMPARE(cafe->text(12), QStringLiteral("Yes"));
    QCOMPARE(panelValues(window, {"status", "connected"}), QStringList({"Connected", "Yes"}));
    QCOMPARE(connectButton()->text(), QStringLiteral("Disconnect"));
    QTRY_VERIFY(rowWhere(profiles, QStringLiteral("Cafe")));

    const QRegularExpression line(QStringLiteral("\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d: connected to Cafe on %1")
                                      .arg(QRegularExpression::escape(kAdapter)));
    QVERIFY2(line.match(logText()).hasMatch(), qPrintable(logText()));
}

void TestConnectFlowOpen::disconnectAsked_data()
{
    QTest::addColumn<QString>("answer");
    QTest::newRow("No keeps the connection") << "No";
    QTest::newRow("Yes disconnects") << "Yes";
}

void TestConnectFlowOpen::disconnectAsked()
{
    QFETCH(QString, answer);
    const bool yes = answer == QLatin1String("Yes");
    QTreeWidgetItem *cafe = findRow(networks, 0, QStringLiteral("Cafe"));
    QVERIFY(cafe);
    pressRow(networks, cafe);
    answerBox(QStringLiteral("OK"));
    connectButton()->click();
    QTRY_COMPARE(connectButton()->text(), QStringLiteral("Disconnect"));
    QTRY_COMPARE(boxes->boxes.size(), 1);
    boxes->boxes.clear();

    QSignalSpy disconnects(window->connectionFlow(), &ConnectionFlow::disconnectRequest);
    QSignalSpy toDialogs(window->connectionFlow(), &ConnectionFlow::apDisconnected);
    answerBoxes(yes ? QStringList{answer, QStringLiteral("OK")} : QStringList{answer});
    connectButton()->click();
    QCOMPARE(boxes->boxes[0].text, QStringLiteral("Do you want to disconnect?"));
    QCOMPARE(disconnects.count(), int(yes));
    if (!yes) {
        QCOMPARE(connectedTo(*sim), QStringLiteral("Cafe"));
        QCOMPARE(panel("status"), QStringLiteral("Connected"));
        return;
    }
    QTRY_COMPARE(boxes->boxes.size(), 2);
    QCOMPARE(boxes->boxes[1].text, QStringLiteral("You successfully disconnected from Cafe!"));
    QTRY_COMPARE(toDialogs.count(), 1);
    QCOMPARE(connectedTo(*sim), QString());
    QVERIFY(!cafe->font(0).bold());
    QCOMPARE(cafe->text(12), QStringLiteral("No"));
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
    // A service slow to report: what it says about the dropped attempt comes in only after the
    // next attempt has been asked for (and subscribed to).
    sim->holdNotifications(true);
    connectButton()->click();
    QCOMPARE(cancels.count(), 1);
    QTRY_COMPARE(connectButton()->text(), QStringLiteral("Connect"));
    QVERIFY(profiles->isEnabled());

    // The next press, at once, starts a connect again instead of canceling. The late report of
    // the dropped attempt is no failure to show and does not end the new attempt.
    sim->setConnectDelay(300);
    answerBox(QStringLiteral("OK"));
    connectButton()->click();
    QCOMPARE(cancels.count(), 1);
    QTRY_COMPARE(sim->callCount(Sim::Call::Connect), 2);
    sim->holdNotifications(false);
    QTRY_COMPARE(connectedTo(*sim), QStringLiteral("Attic"));
    QTRY_COMPARE(boxes->boxes.size(), 1);
    QCOMPARE(boxes->boxes[0].text, QStringLiteral("You successfully connected to Attic"));
    QCOMPARE(failures.count(), 0);
    QTRY_VERIFY(attic->font(0).bold());
}

void TestConnectFlowOpen::closingTheWindowWhileConnectingCancels()
{
    sim->setConnectDelay(4000);
    QVERIFY(pressNetwork(QStringLiteral("Cafe")));
    QSignalSpy cancels(window->connectionFlow(), &ConnectionFlow::cancelRequest);
    connectButton()->click();
    QTRY_COMPARE(connectButton()->text(), QStringLiteral("Cancel"));

    qApp->setQuitOnLastWindowClosed(false);
    window->close();
    QCOMPARE(cancels.count(), 1);
    QTRY_COMPARE(connectButton()->text(), QStringLiteral("Connect"));
}

QTEST_MAIN(TestConnectFlowOpen)
#include "tst_connectflow_open.moc"
