// Hidden networks end to end: an open one through the main window's hidden-network dialog and a
// secured one through the password window and its own hidden-network dialog. Every test starts
// from a fresh world.

#include "ui/FlowKit.h"
#include "ui/dialogs/ConnectAP.h"
#include "ui/dialogs/ConnectHAP.h"

#include <QComboBox>
#include <QLineEdit>
#include <QSignalSpy>
#include <QtTest>

using namespace flowkit;

namespace {

const QString kHidden = QStringLiteral("Hidden network");

// Types the network name into the hidden-network dialog and presses its Connect.
void typeHiddenName(const QString &name)
{
    whenDialogAppears<ConnectHAP>([name](ConnectHAP *dialog) {
        QTimer::singleShot(0, dialog, [dialog, name] {
            dialog->findChild<QLineEdit *>(QStringLiteral("lineEdit"))->setText(name);
            dialog->findChild<QPushButton *>(QStringLiteral("pushButton"))->click();
        });
    });
}

} // namespace

class TestConnectFlowHidden : public QObject, private Flow
{
    Q_OBJECT

private slots:
    void init();
    void cleanup() { finish(); }

    void hiddenNetworkDialogClosedStartsNothing();
    void hiddenOpenNetworkConnectsWithoutAPassword();
    void hiddenSecuredNetworkConnectsThroughThePasswordWindow();

private:
    QTreeWidgetItem *hiddenRow(bool secured) const
    {
        return rowWhere(networks, kHidden,
                        [secured](QTreeWidgetItem *row) { return row->data(3, Qt::UserRole).toBool() == secured; });
    }
};

void TestConnectFlowHidden::init()
{
    prepare();
    sim->addNetwork(openNetwork("Den", 0x31, true));
    sim->addNetwork(securedNetwork("Lair", 0x32, DOT11_AUTH_ALGO_RSNA_PSK, true));
    QVERIFY(start());
    QTRY_COMPARE(networks->topLevelItemCount(), 2);
    QVERIFY(hiddenRow(true) && hiddenRow(false));
}

void TestConnectFlowHidden::hiddenNetworkDialogClosedStartsNothing()
{
    const int connects = sim->callCount(Sim::Call::Connect);
    QSignalSpy requests(window->connectionFlow(), &ConnectionFlow::connectionRequest);
    pressRow(networks, hiddenRow(false));
    bool seen = false;
    whenDialogAppears<ConnectHAP>([&seen](ConnectHAP *dialog) {
        seen = true;
        QTimer::singleShot(0, dialog, [dialog] { dialog->close(); });
    });
    connectButton()->click();

    QVERIFY(seen);
    QCOMPARE(requests.count(), 0);
    QCOMPARE(sim->callCount(Sim::Call::Connect), connects);
    QVERIFY(connectButton()->isEnabled());
    QCOMPARE(connectButton()->text(), QStringLiteral("Connect"));
    QCOMPARE(boxes->boxes.size(), 0);
}

void TestConnectFlowHidden::hiddenOpenNetworkConnectsWithoutAPassword()
{
    pressRow(networks, hiddenRow(false));
    typeHiddenName(QStringLiteral("Den"));
    answerBox(QStringLiteral("OK"));
    connectButton()->click();

    QTRY_COMPARE(boxes->boxes.size(), 1);
    QCOMPARE(boxes->boxes[0].text, QStringLiteral("You successfully connected to Den"));
    QCOMPARE(connectedTo(*sim), QStringLiteral("Den"));
    const QString xml = QString::fromStdU16String(sim->storedProfileXml(0, u"Den"));
    QVERIFY2(xml.contains(QStringLiteral("<nonBroadcast>true</nonBroadcast>")), qPrintable(xml));
    QVERIFY2(!xml.contains(QStringLiteral("sharedKey")), qPrintable(xml));
    QVERIFY2(xml.contains(QStringLiteral("<authentication>open</authentication>")), qPrintable(xml));
    // A hidden connect reads both lists afresh.
    QTRY_VERIFY(rowWhere(profiles, QStringLiteral("Den")));
    QVERIFY(logText().contains(QStringLiteral("connected to Den on %1").arg(kAdapter)));
}

void TestConnectFlowHidden::hiddenSecuredNetworkConnectsThroughThePasswordWindow()
{
    auto *dialog = topLevel<ConnectAP>();
    QVERIFY(dialog);
    pressRow(networks, hiddenRow(true));
    connectButton()->click();
    QTRY_VERIFY(dialog->isVisible());
    QCOMPARE(child<QComboBox>(dialog, "comboBox")->currentText(), kHidden);

    QSignalSpy removals(window->connectionFlow(), &ConnectionFlow::removeFailedWlanProfile);
    child<QLineEdit>(dialog, "lineEdit")->setText(kRightKey);
    typeHiddenName(QStringLiteral("Lair"));
    answerBox(QStringLiteral("OK"));
    child<QPushButton>(dialog, "pushButton")->click();

    QTRY_COMPARE(boxes->boxes.size(), 1);
    QCOMPARE(boxes->boxes[0].text, QStringLiteral("You successfully connected to Lair"));
    QCOMPARE(connectedTo(*sim), QStringLiteral("Lair"));
    const QString xml = QString::fromStdU16String(sim->storedProfileXml(0, u"Lair"));
    QVERIFY2(xml.contains(QStringLiteral("<nonBroadcast>true</nonBroadcast>")), qPrintable(xml));
    QVERIFY2(xml.contains(QStringLiteral("<keyMaterial>%1</keyMaterial>").arg(kRightKey)), qPrintable(xml));
    QCOMPARE(removals.count(), 0);
    QTRY_VERIFY(rowWhere(profiles, QStringLiteral("Lair")));
    dialog->close();
}

QTEST_MAIN(TestConnectFlowHidden)
#include "tst_connectflow_hidden.moc"
