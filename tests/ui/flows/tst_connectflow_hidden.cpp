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

// Types the network name into the hidden-network dialog and presses its Connect; an empty name
// closes the dialog instead.
void typeHiddenName(const QString &name)
{
    whenDialogAppears<ConnectHAP>([name](ConnectHAP *dialog) {
        QTimer::singleShot(0, dialog, [dialog, name] {
            if (name.isEmpty())
                return void(dialog->close());
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
        return findRow(networks, kHidden,
                       [secured](QTreeWidgetItem *row) { return row->data(3, Qt::UserRole).toBool() == secured; });
    }
    // The profile the hidden connect stored, and the profile list read afresh.
    void checkStoredProfile(const QString &name, const QString &part)
    {
        const QString xml = profileXml(name);
        QVERIFY2(xml.contains(QStringLiteral("<nonBroadcast>true</nonBroadcast>")) && xml.contains(part), qPrintable(xml));
        QCOMPARE(connected(), name);
        QTRY_VERIFY(findRow(profiles, name));
    }
};

void TestConnectFlowHidden::init()
{
    prepare();
    sim->addNetwork(hidden(openNetwork("Den")));
    sim->addNetwork(hidden(securedNetwork("Lair", kKey)));
    QVERIFY(start());
    QTRY_COMPARE(networks->topLevelItemCount(), 2);
    QVERIFY(hiddenRow(true) && hiddenRow(false));
}

void TestConnectFlowHidden::hiddenNetworkDialogClosedStartsNothing()
{
    QSignalSpy requests(window->connectionFlow(), &ConnectionFlow::connectionRequest);
    pressRow(networks, hiddenRow(false));
    typeHiddenName(QString());
    connectButton()->click();

    QCOMPARE(requests.count(), 0);
    QCOMPARE(sim->callCount(Sim::Call::Connect), 0);
    QVERIFY(connectButton()->isEnabled());
    QCOMPARE(connectButton()->text(), QStringLiteral("Connect"));
    QCOMPARE(boxes->boxes.size(), 0);
}

void TestConnectFlowHidden::hiddenOpenNetworkConnectsWithoutAPassword()
{
    pressRow(networks, hiddenRow(false));
    typeHiddenName(QStringLiteral("Den"));
    connectAnsweringOk();

    QTRY_COMPARE(boxTexts(), QStringList{connectedText("Den")});
    checkStoredProfile(QStringLiteral("Den"), QStringLiteral("<authentication>open</authentication>"));
    QVERIFY(!profileXml(QStringLiteral("Den")).contains(QStringLiteral("sharedKey")));
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
    boxes->answers << QStringLiteral("OK");
    child<QPushButton>(dialog, "pushButton")->click();

    QTRY_COMPARE(boxTexts(), QStringList{connectedText("Lair")});
    checkStoredProfile(QStringLiteral("Lair"), QStringLiteral("<keyMaterial>%1</keyMaterial>").arg(kRightKey));
    QCOMPARE(removals.count(), 0);
    dialog->close();
}

QTEST_MAIN(TestConnectFlowHidden)
#include "tst_connectflow_hidden.moc"
