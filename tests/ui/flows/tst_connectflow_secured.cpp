// Secured networks end to end: the password window, the stored password, saved profiles from the
// profile list, a wrong key and WPA3-SAE on an adapter without WPA3. Every test starts from a
// fresh world.

#include "ui/FlowKit.h"
#include "ui/dialogs/ConnectAP.h"
#include "util/TextCipher.h"

#include <QComboBox>
#include <QLineEdit>
#include <QSignalSpy>
#include <QtTest>

using namespace flowkit;

class TestConnectFlowSecured : public QObject, private Flow
{
    Q_OBJECT

private slots:
    void init();
    void cleanup() { finish(); }

    void checkAPDataAnswersFromTheNetworkList_data();
    void checkAPDataAnswersFromTheNetworkList();
    void rightKeyConnectsAndTheSavedPasswordIsEnciphered();
    void wrongKeyRemovesOnlyTheProfileOfThatAttempt();
    void savedProfileConnectsWithoutAskingForAPassword();
    void failedConnectKeepsTheSavedProfile();
    void wpa3SaeFallsBackOnAnAdapterWithoutWpa3();

private:
    // Picks the network row, presses Connect and hands the password window the key.
    void connectThroughPasswordWindow(const QString &ssid, const QString &key);
    QString stored(const char *key) const
    {
        return readSetting(QLatin1String(SettingsGroup::Database), QLatin1String(key), QString()).toString();
    }
    QString dialogButton() const { return child<QPushButton>(dialog, "pushButton")->text(); }
    void pick(const QString &name) { dialogkit::pick(child<QComboBox>(dialog, "comboBox"), name); }
    bool hasProfile(const QString &name) const { return !profileXml(name).isEmpty(); }

    ConnectAP *dialog = nullptr;
};

void TestConnectFlowSecured::init()
{
    prepare(false, false);
    for (const char *name : {"Office", "Lab", "Home", "Garage"})
        sim->addNetwork(securedNetwork(name, kKey));
    sim->addNetwork(securedNetwork("Studio", kKey, DOT11_AUTH_ALGO_WPA3_SAE));
    sim->addNetwork(openNetwork("Lobby"));
    sim->addStoredProfile(0, securedProfile(QStringLiteral("Home"), kRightKey));
    // A saved profile whose key the network no longer takes.
    sim->addStoredProfile(0, securedProfile(QStringLiteral("Garage"), QStringLiteral("old-key")));
    QVERIFY(start());
    QTRY_COMPARE(networks->topLevelItemCount(), 4);
    QTRY_COMPARE(profiles->topLevelItemCount(), 2);
    dialog = topLevel<ConnectAP>();
    QVERIFY(dialog);
}

void TestConnectFlowSecured::connectThroughPasswordWindow(const QString &ssid, const QString &key)
{
    QVERIFY2(pressNetwork(ssid), qPrintable(ssid));
    connectButton()->click();
    QTRY_VERIFY(dialog->isVisible());
    QCOMPARE(child<QComboBox>(dialog, "comboBox")->currentText(), ssid);
    child<QLineEdit>(dialog, "lineEdit")->setText(key);
    child<QPushButton>(dialog, "pushButton")->click();
}

void TestConnectFlowSecured::checkAPDataAnswersFromTheNetworkList_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("secured");   // protectedSSIDData emissions
    QTest::addColumn<QStringList>("open");      // openSSIDData emissions

    QTest::newRow("secured network") << "Office" << QStringList{"Office|true|4|7|false"} << QStringList{};
    QTest::newRow("open network, with its signal") << "Lobby" << QStringList{} << QStringList{"Lobby|0|1|false|70% (-65 dBm)"};
    QTest::newRow("only part of a name") << "Offi" << QStringList{} << QStringList{};
    QTest::newRow("saved profile") << "Home" << QStringList{} << QStringList{};
}

void TestConnectFlowSecured::checkAPDataAnswersFromTheNetworkList()
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

void TestConnectFlowSecured::rightKeyConnectsAndTheSavedPasswordIsEnciphered()
{
    QSignalSpy removals(window->connectionFlow(), &ConnectionFlow::removeFailedWlanProfile);
    boxes->answers << QStringLiteral("OK");
    connectThroughPasswordWindow(QStringLiteral("Office"), kRightKey);
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

void TestConnectFlowSecured::wrongKeyRemovesOnlyTheProfileOfThatAttempt()
{
    QSignalSpy removals(window->connectionFlow(), &ConnectionFlow::removeFailedWlanProfile);
    QSignalSpy failures(window->connectionFlow(), &ConnectionFlow::connectionFailed);
    boxes->answers << QStringLiteral("OK");
    connectThroughPasswordWindow(QStringLiteral("Lab"), QStringLiteral("wrong-key"));

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

void TestConnectFlowSecured::savedProfileConnectsWithoutAskingForAPassword()
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

void TestConnectFlowSecured::failedConnectKeepsTheSavedProfile()
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

void TestConnectFlowSecured::wpa3SaeFallsBackOnAnAdapterWithoutWpa3()
{
    boxes->answers << QStringLiteral("OK");
    connectThroughPasswordWindow(QStringLiteral("Studio"), kRightKey);
    QTRY_COMPARE(boxTexts(), QStringList{connectedText("Studio")});
    QCOMPARE(connected(), QStringLiteral("Studio"));
    QVERIFY2(profileXml("Studio").contains(QStringLiteral("<authentication>WPA2PSK</authentication>")),
             qPrintable(profileXml("Studio")));
    dialog->close();
}

QTEST_MAIN(TestConnectFlowSecured)
#include "tst_connectflow_secured.moc"
