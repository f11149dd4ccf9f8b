// Secured networks end to end: the password window, the stored password, saved profiles from the
// profile list, a wrong key and WPA3-SAE on an adapter without WPA3.

#include "FlowKit.h"
#include "core/TestSettings.h"

#include "app/settings/SettingsKeys.h"
#include "app/settings/SettingsStore.h"
#include "platform/wlan/WlanClientProvider.h"
#include "ui/dialogs/ConnectAP.h"
#include "ui/main/AirvaneLite.h"
#include "util/TextCipher.h"
#include "wireless/ProfileXml.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

using namespace flowkit;

class TestConnectFlowSecured : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();

    void checkAPDataAnswersFromTheNetworkList_data();
    void checkAPDataAnswersFromTheNetworkList();
    void rightKeyConnectsThroughThePasswordWindow();
    void savedPasswordIsEncipheredAndRestoredForItsNetworkOnly();
    void wrongKeyRemovesOnlyTheProfileOfThatAttempt();
    void savedProfileConnectsWithoutAskingForAPassword();
    void failedConnectKeepsTheSavedProfile();
    void wpa3SaeFallsBackOnAnAdapterWithoutWpa3();
    void uncheckingSavePasswordClearsTheStore();

private:
    QPushButton *connectButton() const { return child<QPushButton>(window, "connectButton"); }
    // Picks the network row, presses Connect and hands the password window the key.
    void connectThroughPasswordWindow(const QString &ssid, const QString &key);
    QString stored(const char *key) const
    {
        return readSetting(QLatin1String(SettingsGroup::Database), QLatin1String(key), QString()).toString();
    }
    void pick(const QString &name)
    {
        QComboBox *box = child<QComboBox>(dialog, "comboBox");
        box->setCurrentIndex(box->findText(name, Qt::MatchExactly | Qt::MatchCaseSensitive));
        emit box->textActivated(name);
    }

    std::shared_ptr<Sim> sim;
    BoxLog *boxes = nullptr;
    AirvaneLite *window = nullptr;
    ConnectAP *dialog = nullptr;
    QTreeWidget *networks = nullptr;
    QTreeWidget *profiles = nullptr;
};

void TestConnectFlowSecured::initTestCase()
{
    testsupport::resetSettings();
    writeAppSetting(QLatin1String(SettingsKey::AutoRefreshWlanNetworks), false);
    writeAppSetting(QLatin1String(SettingsKey::NotifyWhenOpenAP), false);

    sim = std::make_shared<FlowSim>();
    Sim::Adapter adapter = makeAdapter(0x0A0B0C0D, kAdapter.toStdU16String());
    adapter.supportsWpa3 = false;
    sim->addAdapter(adapter);
    sim->addNetwork(securedNetwork("Office", 0x21));
    sim->addNetwork(securedNetwork("Lab", 0x22));
    sim->addNetwork(securedNetwork("Studio", 0x23, DOT11_AUTH_ALGO_WPA3_SAE));
    sim->addNetwork(securedNetwork("Home", 0x24));
    sim->addNetwork(securedNetwork("Garage", 0x25));
    sim->addNetwork(openNetwork("Lobby", 0x26));
    sim->addStoredProfile(0, ProfileXml::securedProfile(QStringLiteral("Home"), QStringLiteral("Home"), 7, 4,
                                                        kRightKey, false, true).toStdU16String());
    // A saved profile whose key the network no longer takes.
    sim->addStoredProfile(0, ProfileXml::securedProfile(QStringLiteral("Garage"), QStringLiteral("Garage"), 7, 4,
                                                        QStringLiteral("old-key"), false, true).toStdU16String());
    sim->setConnectDelay(300);
    wlan::setDefaultClient(sim);

    boxes = new BoxLog;
    window = new AirvaneLite;
    QVERIFY(activate(window));
    networks = child<QTreeWidget>(window, "networkList");
    profiles = child<QTreeWidget>(window, "profileList");
    QTRY_COMPARE(networks->topLevelItemCount(), 4);
    QTRY_COMPARE(profiles->topLevelItemCount(), 2);
    dialog = topLevel<ConnectAP>();
    QVERIFY(dialog);
}

void TestConnectFlowSecured::cleanupTestCase()
{
    delete window;
    delete boxes;
}

void TestConnectFlowSecured::init()
{
    boxes->boxes.clear();
}

void TestConnectFlowSecured::connectThroughPasswordWindow(const QString &ssid, const QString &key)
{
    if (dialog->isVisible())
        dialog->close();
    QTreeWidgetItem *row = findRow(networks, 0, ssid);
    QVERIFY2(row, qPrintable(ssid));
    pressRow(networks, row);
    connectButton()->click();
    QTRY_VERIFY(dialog->isVisible());
    QCOMPARE(child<QComboBox>(dialog, "comboBox")->currentText(), ssid);
    child<QLineEdit>(dialog, "lineEdit")->setText(key);
    child<QPushButton>(dialog, "pushButton")->click();
}

void TestConnectFlowSecured::checkAPDataAnswersFromTheNetworkList_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QVariantList>("secured");   // protectedSSIDData arguments, or empty
    QTest::addColumn<QVariantList>("open");      // openSSIDData arguments, or empty

    QTest::newRow("secured network") << "Office"
        << QVariantList{QStringLiteral("Office"), true, int(DOT11_CIPHER_ALGO_CCMP), int(DOT11_AUTH_ALGO_RSNA_PSK), false}
        << QVariantList{};
    QTest::newRow("open network, with its signal") << "Lobby" << QVariantList{}
        << QVariantList{QStringLiteral("Lobby"), int(DOT11_CIPHER_ALGO_NONE), int(DOT11_AUTH_ALGO_80211_OPEN), false,
                        QStringLiteral("70% (-65 dBm)")};
    QTest::newRow("only part of a name") << "Offi" << QVariantList{} << QVariantList{};
    QTest::newRow("saved profile, not in the network list") << "Home" << QVariantList{} << QVariantList{};
    QTest::newRow("unknown") << "Nowhere" << QVariantList{} << QVariantList{};
}

void TestConnectFlowSecured::checkAPDataAnswersFromTheNetworkList()
{
    QFETCH(QString, name);
    QFETCH(QVariantList, secured);
    QFETCH(QVariantList, open);

    QSignalSpy protectedData(window, &AirvaneLite::protectedSSIDData);
    QSignalSpy openData(window, &AirvaneLite::openSSIDData);
    window->setCheckAPData(name);

    QCOMPARE(protectedData.count(), secured.isEmpty() ? 0 : 1);
    QCOMPARE(openData.count(), open.isEmpty() ? 0 : 1);
    if (!secured.isEmpty()) {
        const QVariantList args = protectedData[0];
        QCOMPARE(args[0].toString(), secured[0].toString());
        QCOMPARE(args[1].toBool(), secured[1].toBool());
        QCOMPARE(int(args[2].value<_DOT11_CIPHER_ALGORITHM>()), secured[2].toInt());
        QCOMPARE(int(args[3].value<_DOT11_AUTH_ALGORITHM>()), secured[3].toInt());
        QCOMPARE(args[4].toBool(), secured[4].toBool());
    }
    if (!open.isEmpty()) {
        const QVariantList args = openData[0];
        QCOMPARE(args[0].toString(), open[0].toString());
        QCOMPARE(int(args[1].value<_DOT11_CIPHER_ALGORITHM>()), open[1].toInt());
        QCOMPARE(int(args[2].value<_DOT11_AUTH_ALGORITHM>()), open[2].toInt());
        QCOMPARE(args[3].toBool(), open[3].toBool());
        QCOMPARE(args[4].toString(), open[4].toString());
    }
}

void TestConnectFlowSecured::rightKeyConnectsThroughThePasswordWindow()
{
    QSignalSpy removals(window, &AirvaneLite::removeFailedWlanProfile);
    answerBox(QStringLiteral("OK"));
    connectThroughPasswordWindow(QStringLiteral("Office"), kRightKey);
    QCOMPARE(child<QPushButton>(dialog, "pushButton")->text(), QStringLiteral("Cancel"));

    QTRY_COMPARE(boxes->boxes.size(), 1);
    QCOMPARE(boxes->boxes[0].title, QStringLiteral("Information"));
    QCOMPARE(boxes->boxes[0].text, QStringLiteral("You successfully connected to Office"));
    QCOMPARE(connectedTo(*sim), QStringLiteral("Office"));
    QTRY_COMPARE(child<QPushButton>(dialog, "pushButton")->text(), QStringLiteral("Disconnect"));

    QTreeWidgetItem *office = findRow(networks, 0, QStringLiteral("Office"));
    QVERIFY(office);
    QTRY_VERIFY(office->font(0).bold());
    QCOMPARE(office->text(12), QStringLiteral("Yes"));
    QTRY_VERIFY(rowWhere(profiles, QStringLiteral("Office")));
    QCOMPARE(removals.count(), 0);
}

void TestConnectFlowSecured::savedPasswordIsEncipheredAndRestoredForItsNetworkOnly()
{
    auto *save = child<QAbstractButton>(dialog, "savePasswordSwitch");
    auto *password = child<QLineEdit>(dialog, "lineEdit");
    QVERIFY(save->isEnabled());
    save->click();

    const QString name = stored(SettingsKey::APName);
    const QString key = stored(SettingsKey::APPassword);
    QVERIFY(!name.isEmpty() && !key.isEmpty());
    QVERIFY(!name.contains(QStringLiteral("Office")));
    QVERIFY(!key.contains(kRightKey));
    QCOMPARE(TextCipher::decryptText(TextCipher::storedSecretKey, name), QStringLiteral("Office"));
    QCOMPARE(TextCipher::decryptText(TextCipher::storedSecretKey, key), kRightKey);

    pick(QStringLiteral("Lab"));
    QCOMPARE(password->text(), QString());
    QVERIFY(!save->isChecked());

    pick(QStringLiteral("Office"));
    QCOMPARE(password->text(), kRightKey);
    QVERIFY(save->isChecked());
    QCOMPARE(child<QPushButton>(dialog, "pushButton")->text(), QStringLiteral("Disconnect"));
    dialog->close();
}

void TestConnectFlowSecured::wrongKeyRemovesOnlyTheProfileOfThatAttempt()
{
    QSignalSpy removals(window, &AirvaneLite::removeFailedWlanProfile);
    QSignalSpy failures(window, &AirvaneLite::connectionFailed);
    answerBox(QStringLiteral("OK"));
    connectThroughPasswordWindow(QStringLiteral("Lab"), QStringLiteral("wrong-key"));

    QTRY_COMPARE(boxes->boxes.size(), 1);
    QCOMPARE(boxes->boxes[0].title, QStringLiteral("Error"));
    QCOMPARE(boxes->boxes[0].text, wrongKeyText());
    QTRY_COMPARE(removals.count(), 1);
    QCOMPARE(removals[0][0].toString(), QStringLiteral("Lab"));
    QCOMPARE(failures.count(), 1);

    QTRY_VERIFY(!hasProfile(*sim, QStringLiteral("Lab")));
    // The network the adapter was on before and the profiles the user saved stay.
    QVERIFY(hasProfile(*sim, QStringLiteral("Office")));
    QVERIFY(hasProfile(*sim, QStringLiteral("Home")));
    QVERIFY(hasProfile(*sim, QStringLiteral("Garage")));
    QCOMPARE(connectedTo(*sim), QString());

    QCOMPARE(connectButton()->text(), QStringLiteral("Connect"));
    QVERIFY(connectButton()->isEnabled());
    QCOMPARE(child<QPushButton>(dialog, "pushButton")->text(), QStringLiteral("Connect"));
    QTRY_VERIFY(rowWhere(profiles, QStringLiteral("Office")));
    QVERIFY(!rowWhere(profiles, QStringLiteral("Lab")));
    QVERIFY(profiles->isEnabled());
}

void TestConnectFlowSecured::savedProfileConnectsWithoutAskingForAPassword()
{
    dialog->close();
    QTRY_VERIFY(rowWhere(profiles, QStringLiteral("Home")));
    QSignalSpy requests(window, &AirvaneLite::securedProfileConnectRequest);
    pressRow(profiles, rowWhere(profiles, QStringLiteral("Home")));
    answerBox(QStringLiteral("OK"));
    connectButton()->click();

    QCOMPARE(requests.count(), 1);
    const QVariantList request = requests[0];
    QCOMPARE(request[0].toString(), QStringLiteral("Home"));
    QCOMPARE(request[1].toString(), QStringLiteral("Home"));
    QCOMPARE(int(request[2].value<_DOT11_AUTH_ALGORITHM>()), int(DOT11_AUTH_ALGO_RSNA_PSK));
    QCOMPARE(int(request[3].value<_DOT11_CIPHER_ALGORITHM>()), int(DOT11_CIPHER_ALGO_CCMP));
    QCOMPARE(request.mid(4), (QVariantList{QString(), false, true, true}));
    QVERIFY(!dialog->isVisible());

    QTRY_COMPARE(boxes->boxes.size(), 1);
    QCOMPARE(boxes->boxes[0].text, QStringLiteral("You successfully connected to Home"));
    QCOMPARE(connectedTo(*sim), QStringLiteral("Home"));
    QTRY_VERIFY(rowWhere(profiles, QStringLiteral("Home")) && rowWhere(profiles, QStringLiteral("Home"))->font(0).bold());
    QVERIFY(!dialog->isVisible());
}

void TestConnectFlowSecured::failedConnectKeepsTheSavedProfile()
{
    QSignalSpy removals(window, &AirvaneLite::removeFailedWlanProfile);
    QTRY_VERIFY(rowWhere(profiles, QStringLiteral("Garage")));
    pressRow(profiles, rowWhere(profiles, QStringLiteral("Garage")));
    answerBox(QStringLiteral("OK"));
    connectButton()->click();
    QCOMPARE(rowWhere(profiles, QStringLiteral("Garage"))->text(13), QStringLiteral("Connecting"));
    QVERIFY(!profiles->isEnabled());

    QTRY_COMPARE(boxes->boxes.size(), 1);
    QCOMPARE(boxes->boxes[0].title, QStringLiteral("Error"));
    QCOMPARE(boxes->boxes[0].text, wrongKeyText());
    QTest::qWait(300);
    QCOMPARE(removals.count(), 0);
    QVERIFY(hasProfile(*sim, QStringLiteral("Garage")));
    QVERIFY(hasProfile(*sim, QStringLiteral("Home")));
    QVERIFY(profiles->isEnabled());
    QTRY_VERIFY(rowWhere(profiles, QStringLiteral("Garage")));
    // The row tells the state the service reports again, not the attempt.
    QTRY_VERIFY(rowWhere(profiles, QStringLiteral("Garage"))->text(13) != QStringLiteral("Connecting"));
    QVERIFY(!rowWhere(profiles, QStringLiteral("Garage"))->font(0).bold());
}

void TestConnectFlowSecured::wpa3SaeFallsBackOnAnAdapterWithoutWpa3()
{
    answerBox(QStringLiteral("OK"));
    connectThroughPasswordWindow(QStringLiteral("Studio"), kRightKey);
    QTRY_COMPARE(boxes->boxes.size(), 1);
    QCOMPARE(boxes->boxes[0].text, QStringLiteral("You successfully connected to Studio"));
    QCOMPARE(connectedTo(*sim), QStringLiteral("Studio"));
    const QString xml = QString::fromStdU16String(sim->storedProfileXml(0, u"Studio"));
    QVERIFY2(xml.contains(QStringLiteral("<authentication>WPA2PSK</authentication>")), qPrintable(xml));
}

void TestConnectFlowSecured::uncheckingSavePasswordClearsTheStore()
{
    QTRY_COMPARE(child<QPushButton>(dialog, "pushButton")->text(), QStringLiteral("Disconnect"));
    auto *save = child<QAbstractButton>(dialog, "savePasswordSwitch");
    QVERIFY(save->isEnabled());
    // The switch may still be on from the earlier network; it stores only when clicked.
    if (save->isChecked())
        save->click();
    save->click();
    QVERIFY(save->isChecked());
    // Only one network's password is kept: Studio's replaced Office's.
    QCOMPARE(TextCipher::decryptText(TextCipher::storedSecretKey, stored(SettingsKey::APName)),
             QStringLiteral("Studio"));
    QCOMPARE(TextCipher::decryptText(TextCipher::storedSecretKey, stored(SettingsKey::APPassword)), kRightKey);

    save->click();
    QVERIFY(!save->isChecked());
    QCOMPARE(stored(SettingsKey::APName), QString());
    QCOMPARE(stored(SettingsKey::APPassword), QString());
    QVERIFY(hasSetting(QLatin1String(SettingsGroup::Database), QLatin1String(SettingsKey::APName)));
}

QTEST_MAIN(TestConnectFlowSecured)
#include "tst_connectflow_secured.moc"
