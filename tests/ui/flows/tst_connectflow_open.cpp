// Open networks end to end: the main window, the engine in its worker thread and the simulated
// service. Connect, the connected view, disconnect answered No and Yes, a refused connect, and a
// cancel while connecting. Every test starts from a fresh world.

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

    void connectThenDisconnectAsked();
    void refusedConnectShowsTheCode();
    void connectPressedWhileConnectingCancels();
    void closingTheWindowWhileConnectingCancels();
};

void TestConnectFlowOpen::init()
{
    prepare();
    sim->addNetwork(openNetwork("Cafe"));
    sim->addNetwork(openNetwork("Attic", 2412000));
    QVERIFY(start());
    QTRY_COMPARE(networks->topLevelItemCount(), 2);
}

void TestConnectFlowOpen::connectThenDisconnectAsked()
{
    QSignalSpy requests(window->connectionFlow(), &ConnectionFlow::connectionRequest);
    QTreeWidgetItem *cafe = findRow(networks, QStringLiteral("Cafe"));
    QVERIFY(cafe);
    pressRow(networks, cafe);

    // Long enough to see the connecting state on a busy machine.
    sim->setConnectDelay(1500);
    connectAnsweringOk();
    QCOMPARE(dialogkit::emissions(requests), QStringList{"Cafe|Cafe|1|0|false|false|false"});
    QTRY_COMPARE(connectButton()->text(), QStringLiteral("Cancel"));

    QTRY_COMPARE(boxTexts(), QStringList{connectedText("Cafe")});
    QCOMPARE(boxes->boxes[0].title, QStringLiteral("Information"));
    QCOMPARE(connected(), QStringLiteral("Cafe"));
    QTRY_VERIFY(cafe->font(0).bold());
    QCOMPARE(cafe->text(12), QStringLiteral("Yes"));
    QCOMPARE(panelValues(window, {"status", "connected"}), QStringList({"Connected", "Yes"}));
    QCOMPARE(connectButton()->text(), QStringLiteral("Disconnect"));
    QTRY_VERIFY(findRow(profiles, QStringLiteral("Cafe")));
    const QRegularExpression line(QStringLiteral("\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d: connected to Cafe on %1")
                                      .arg(QRegularExpression::escape(kAdapter)));
    QVERIFY2(line.match(logText()).hasMatch(), qPrintable(logText()));

    // Disconnect asks first: No keeps the connection, Yes ends it.
    QSignalSpy disconnects(window->connectionFlow(), &ConnectionFlow::disconnectRequest);
    QSignalSpy toDialogs(window->connectionFlow(), &ConnectionFlow::apDisconnected);
    boxes->answers << QStringLiteral("No");
    connectButton()->click();
    QCOMPARE(boxTexts().last(), QStringLiteral("Do you want to disconnect?"));
    QCOMPARE(disconnects.count(), 0);
    QCOMPARE(connected(), QStringLiteral("Cafe"));
    QCOMPARE(panel("status"), QStringLiteral("Connected"));

    boxes->answers << QStringLiteral("Yes") << QStringLiteral("OK");
    connectButton()->click();
    QCOMPARE(disconnects.count(), 1);
    QTRY_COMPARE(boxes->boxes.size(), 4);
    QCOMPARE(boxTexts().last(), QStringLiteral("You successfully disconnected from Cafe!"));
    QTRY_COMPARE(toDialogs.count(), 1);
    QCOMPARE(connected(), QString());
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
    connectAnsweringOk();

    QTRY_COMPARE(boxTexts(), QStringList{"Not connected! Error code: 5\nCheck your password and try again."});
    QCOMPARE(boxes->boxes[0].title, QStringLiteral("Error"));
    QTRY_COMPARE(failures.count(), 1);
    QCOMPARE(removals.count(), 0);
    QVERIFY(connectButton()->isEnabled());
    QCOMPARE(connectButton()->text(), QStringLiteral("Connect"));
}

void TestConnectFlowOpen::connectPressedWhileConnectingCancels()
{
    sim->setConnectDelay(4000);
    QTreeWidgetItem *attic = findRow(networks, QStringLiteral("Attic"));
    QVERIFY(attic);
    pressRow(networks, attic);

    QSignalSpy cancels(window->connectionFlow(), &ConnectionFlow::cancelRequest);
    QSignalSpy failures(window->connectionFlow(), &ConnectionFlow::connectionFailed);
    // The service's last word on the dropped attempt, heard in this thread after the window's.
    int dropReports = 0;
    QObject listener;
    connect(WirelessConnect::instance(), &WirelessConnect::apConnectionFailed, &listener, [&] { ++dropReports; });
    connectButton()->click();
    QTRY_COMPARE(connectButton()->text(), QStringLiteral("Cancel"));
    connectButton()->click();
    QCOMPARE(cancels.count(), 1);
    QTRY_COMPARE(connectButton()->text(), QStringLiteral("Connect"));
    QVERIFY(profiles->isEnabled());
    QTRY_COMPARE(dropReports, 1);
    QCOMPARE(failures.count(), 0);

    // The next press starts a connect again instead of canceling.
    sim->setConnectDelay(300);
    connectAnsweringOk();
    QCOMPARE(cancels.count(), 1);
    QTRY_COMPARE(connected(), QStringLiteral("Attic"));
    QTRY_COMPARE(boxTexts(), QStringList{connectedText("Attic")});
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
