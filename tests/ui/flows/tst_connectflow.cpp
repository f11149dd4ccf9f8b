// Connecting end to end: the main window, the engine in its worker thread and the simulated
// service, on an adapter without WPA3. Open networks: connect, the connected view, disconnect
// answered No and Yes, a refused connect, a cancel while connecting. Hidden networks: an open one
// through the main window's hidden-network dialog, a secured one through the password window and
// its own. Secured networks: the password window, the stored password, saved profiles from the
// profile list, a wrong key and WPA3-SAE falling back. Every test starts from a fresh world.

#include "ui/FlowKit.h"
#include "ui/dialogs/ConnectAP.h"
#include "ui/dialogs/ConnectHAP.h"
#include "util/TextCipher.h"

#include <QComboBox>
#include <QLineEdit>
#include <QRegularExpression>
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

class TestConnectFlow : public QObject, private Flow
{
    Q_OBJECT

private slots:
    void init();
    void cleanup() { finish(); }

    void connectThenDisconnectAsked();
    void refusedConnectShowsTheCode();
    void connectPressedWhileConnectingCancels();
    void closingTheWindowWhileConnectingCancels();

    void hiddenNetworkDialogClosedStartsNothing();
    void hiddenOpenNetworkConnectsWithoutAPassword();
    void hiddenSecuredNetworkConnectsThroughThePasswordWindow();

    void checkAPDataAnswersFromTheNetworkList_data();
    void checkAPDataAnswersFromTheNetworkList();
    void rightKeyConnectsAndTheSavedPasswordIsEnciphered();
    void wrongKeyRemovesOnlyTheProfileOfThatAttempt();
    void savedProfileConnectsWithoutAskingForAPassword();
    void failedConnectKeepsTheSavedProfile();
    void wpa3SaeFallsBackOnAnAdapterWithoutWpa3();

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
    QString stored(const char *key) const
    {
        return readSetting(QLatin1String(SettingsGroup::Database), QLatin1String(key), QString()).toString();
    }
    QString dialogButton() const { return child<QPushButton>(dialog, "pushButton")->text(); }
    void pick(const QString &name) { dialogkit::pick(child<QComboBox>(dialog, "comboBox"), name); }
    bool hasProfile(const QString &name) const { return !profileXml(name).isEmpty(); }

    ConnectAP *dialog = nullptr;
};

void TestConnectFlow::init()
{
    prepare(false, false);
    sim->addNetwork(openNetwork("Cafe"));
    sim->addNetwork(openNetwork("Attic", 2412000));
    sim->addNetwork(openNetwork("Lobby"));
    sim->addNetwork(hidden(openNetwork("Den")));
    sim->addNetwork(hidden(securedNetwork("Lair", kKey)));
    for (const char *name : {"Office", "Lab", "Home", "Garage"})
        sim->addNetwork(securedNetwork(name, kKey));
    sim->addNetwork(securedNetwork("Studio", kKey, DOT11_AUTH_ALGO_WPA3_SAE));
    sim->addStoredProfile(0, securedProfile(QStringLiteral("Home"), kRightKey));
    // A saved profile whose key the network no longer takes.
    sim->addStoredProfile(0, securedProfile(QStringLiteral("Garage"), QStringLiteral("old-key")));
    QVERIFY(start());
    QTRY_COMPARE(networks->topLevelItemCount(), 8);
    QTRY_COMPARE(profiles->topLevelItemCount(), 2);
    QVERIFY(hiddenRow(true) && hiddenRow(false));
    dialog = topLevel<ConnectAP>();
    QVERIFY(dialog);
}

void TestConnectFlow::connectThenDisconnectAsked()
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

void TestConnectFlow::refusedConnectShowsTheCode()
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

void TestConnectFlow::connectPressedWhileConnectingCancels()
{
    sim->setConnectDelay(4000);
    QTreeWidgetItem *attic = findRow(networks, QStringLiteral("Attic"));
    QVERIFY(attic);
    pressRow(networks, attic);

    QSignalSpy cancels(window->connectionFlow(), &ConnectionFlow::cancelRequest);
    QSignalSpy failures(window->connectionFlow(), &ConnectionFlow::connectionFailed);
    connectButton()->click();
    QTRY_COMPARE(connectButton()->text(), QStringLiteral("Cancel"));
    connectButton()->click();
    QCOMPARE(cancels.count(), 1);
    QTRY_COMPARE(connectButton()->text(), QStringLiteral("Connect"));
    QVERIFY(profiles->isEnabled());
    // Whatever the service still reports about the dropped attempt reaches the window now; it is
    // no failure to show.
    sim->waitForNotifications();
    QCoreApplication::sendPostedEvents();
    QCOMPARE(failures.count(), 0);
    QCOMPARE(boxes->boxes.size(), 0);

    // The next press starts a connect again instead of canceling.
    sim->setConnectDelay(300);
    connectAnsweringOk();
    QCOMPARE(cancels.count(), 1);
    QTRY_COMPARE(connected(), QStringLiteral("Attic"));
    QTRY_COMPARE(boxTexts(), QStringList{connectedText("Attic")});
    QCOMPARE(failures.count(), 0);
    QTRY_VERIFY(attic->font(0).bold());
}

void TestConnectFlow::closingTheWindowWhileConnectingCancels()
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

void TestConnectFlow::hiddenNetworkDialogClosedStartsNothing()
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

void TestConnectFlow::hiddenOpenNetworkConnectsWithoutAPassword()
{
    pressRow(networks, hiddenRow(false));
    typeHiddenName(QStringLiteral("Den"));
    connectAnsweringOk();

    QTRY_COMPARE(boxTexts(), QStringList{connectedText("Den")});
    checkStoredProfile(QStringLiteral("Den"), QStringLiteral("<authentication>open</authentication>"));
    QVERIFY(!profileXml(QStringLiteral("Den")).contains(QStringLiteral("sharedKey")));
    QVERIFY(logText().contains(QStringLiteral("connected to Den on %1").arg(kAdapter)));
}

void TestConnectFlow::hiddenSecuredNetworkConnectsThroughThePasswordWindow()
{
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

void TestConnectFlow::checkAPDataAnswersFromTheNetworkList_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("secured");   // protectedSSIDData emissions
    QTest::addColumn<QStringList>("open");      // openSSIDData emissions

    QTest::newRow("secured network") << "Office" << QStringList{"Office|true|4|7|false"} << QStringList{};
    QTest::newRow("open network, with its signal") << "Lobby" << QStringList{} << QStringList{"Lobby|0|1|false|70% (-65 dBm)"};
    QTest::newRow("only part of a name") << "Offi" << QStringList{} << QStringList{};
    QTest::newRow("saved profile") << "Home" << QStringList{} << QStringList{};
}

void TestConnectFlow::checkAPDataAnswersFromTheNetworkList()
{
    QFETCH(QString, name);
    QFETCH(QStringList, secured);
    QFETCH(QStringList, open);

    QSignalSpy protectedData(window->connectionFlow(), &ConnectionFlow::protectedSSIDData);
    QSignalSpy openData(window->connectionFlow(), &ConnectionFlow::openSSIDData);
    window->connectionFlow()->setCheckAPData(name);
    QCOMPARE(dialogkit::emissions(protectedData), secured);
    QCOMPARE(dialogkit::emissions(openData), open);
}

void TestConnectFlow::rightKeyConnectsAndTheSavedPasswordIsEnciphered()
{
    QSignalSpy removals(window->connectionFlow(), &ConnectionFlow::removeFailedWlanProfile);
    boxes->answers << QStringLiteral("OK");
    connectWithKey(QStringLiteral("Office"), kRightKey);
    QCOMPARE(dialogButton(), QStringLiteral("Cancel"));

    QTRY_COMPARE(boxTexts(), QStringList{connectedText("Office")});
    QCOMPARE(connected(), QStringLiteral("Office"));
    QTRY_COMPARE(dialogButton(), QStringLiteral("Disconnect"));
    QTRY_VERIFY(findRow(networks, QStringLiteral("Office"))->font(0).bold());
    QCOMPARE(findRow(networks, QStringLiteral("Office"))->text(12), QStringLiteral("Yes"));
    QTRY_VERIFY(findRow(profiles, QStringLiteral("Office")));
    QCOMPARE(removals.count(), 0);

    // "Save my password" keeps name and key enciphered, and only for this network.
    auto *save = child<QAbstractButton>(dialog, "savePasswordSwitch");
    auto *password = child<QLineEdit>(dialog, "lineEdit");
    QVERIFY(save->isEnabled());
    save->click();
    const QString name = stored(SettingsKey::APName);
    const QString key = stored(SettingsKey::APPassword);
    QVERIFY(!name.contains(QStringLiteral("Office")) && !key.contains(kRightKey));
    QCOMPARE(TextCipher::decryptText(TextCipher::storedSecretKey, name), QStringLiteral("Office"));
    QCOMPARE(TextCipher::decryptText(TextCipher::storedSecretKey, key), kRightKey);
    pick(QStringLiteral("Lab"));
    QCOMPARE(password->text(), QString());
    QVERIFY(!save->isChecked());
    pick(QStringLiteral("Office"));
    QCOMPARE(password->text(), kRightKey);
    QVERIFY(save->isChecked());
    dialog->close();
}

void TestConnectFlow::wrongKeyRemovesOnlyTheProfileOfThatAttempt()
{
    QSignalSpy removals(window->connectionFlow(), &ConnectionFlow::removeFailedWlanProfile);
    QSignalSpy failures(window->connectionFlow(), &ConnectionFlow::connectionFailed);
    boxes->answers << QStringLiteral("OK");
    connectWithKey(QStringLiteral("Lab"), QStringLiteral("wrong-key"));

    QTRY_COMPARE(boxTexts(), QStringList{wrongKeyText()});
    QCOMPARE(boxes->boxes[0].title, QStringLiteral("Error"));
    QTRY_COMPARE(dialogkit::emissions(removals), QStringList{"Lab"});
    QCOMPARE(failures.count(), 1);
    QTRY_VERIFY(!hasProfile(QStringLiteral("Lab")));
    // The profiles the user saved stay.
    QVERIFY(hasProfile(QStringLiteral("Home")) && hasProfile(QStringLiteral("Garage")));
    QCOMPARE(connectButton()->text() + dialogButton(), QStringLiteral("ConnectConnect"));
    QVERIFY(!findRow(profiles, QStringLiteral("Lab")));
    QVERIFY(profiles->isEnabled());
    dialog->close();
}

void TestConnectFlow::savedProfileConnectsWithoutAskingForAPassword()
{
    QSignalSpy requests(window->connectionFlow(), &ConnectionFlow::securedProfileConnectRequest);
    pressRow(profiles, findRow(profiles, QStringLiteral("Home")));
    connectAnsweringOk();

    QCOMPARE(dialogkit::emissions(requests), QStringList{"Home|Home|7|4||false|true|true"});
    QTRY_COMPARE(boxTexts(), QStringList{connectedText("Home")});
    QCOMPARE(connected(), QStringLiteral("Home"));
    QTRY_VERIFY(findRow(profiles, QStringLiteral("Home"), [](QTreeWidgetItem *row) { return row->font(0).bold(); }));
    QVERIFY(!dialog->isVisible());
}

void TestConnectFlow::failedConnectKeepsTheSavedProfile()
{
    QSignalSpy removals(window->connectionFlow(), &ConnectionFlow::removeFailedWlanProfile);
    pressRow(profiles, findRow(profiles, QStringLiteral("Garage")));
    connectAnsweringOk();
    QCOMPARE(findRow(profiles, QStringLiteral("Garage"))->text(13), QStringLiteral("Connecting"));
    QVERIFY(!profiles->isEnabled());

    QTRY_COMPARE(boxTexts(), QStringList{wrongKeyText()});
    // The list is given back once the box is answered; a removal would have been asked for by then.
    QTRY_VERIFY(profiles->isEnabled());
    QCOMPARE(removals.count(), 0);
    QVERIFY(hasProfile(QStringLiteral("Garage")));
    // The row tells the state the service reports again, not the attempt.
    QTRY_VERIFY(findRow(profiles, QStringLiteral("Garage"), [](QTreeWidgetItem *row) {
        return row->text(13) != QLatin1String("Connecting") && !row->font(0).bold();
    }));
}

void TestConnectFlow::wpa3SaeFallsBackOnAnAdapterWithoutWpa3()
{
    boxes->answers << QStringLiteral("OK");
    connectWithKey(QStringLiteral("Studio"), kRightKey);
    QTRY_COMPARE(boxTexts(), QStringList{connectedText("Studio")});
    QCOMPARE(connected(), QStringLiteral("Studio"));
    QVERIFY2(profileXml("Studio").contains(QStringLiteral("<authentication>WPA2PSK</authentication>")),
             qPrintable(profileXml("Studio")));
    dialog->close();
}

QTEST_MAIN(TestConnectFlow)
#include "tst_connectflow.moc"
