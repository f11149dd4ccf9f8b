// The main window end to end: the window, the engine in its worker thread and the simulated
// service. Every test starts from a fresh world; most from the one built in startConnectWorld(),
// on an adapter without WPA3. Open networks: connect, the connected view, disconnect
// answered No and Yes, a refused connect, a cancel while connecting. Hidden networks: an open one
// through the main window's hidden-network dialog, a secured one through the password window and
// its own. Secured networks: the password window, the stored password, saved profiles from the
// profile list, a wrong key and WPA3-SAE falling back.
// The open-network notification (notify_*): when it is shown and when not, and the reminder that
// brings it back at the chosen moment; its world's first listing brings the notification up.
// What a user met on hostile and crowded worlds (faults_*, each on a world of its own): outside
// text shown literally, the panel following the pressed row, rows found exactly, the state re-read
// after a failed attempt, enterprise rows, one box for a failed cancel, every shortcut alive, a
// panel that keeps its place, a machine without an adapter until one appears.
// The refresh cycle (refresh_*, two adapters, auto-refresh on): its pause while an error box is
// open, the Ctrl+R key, errors of a removed adapter, and the shutdown of the worker thread.

#include "ui/FlowKit.h"
#include "ui/dialogs/ConnectAP.h"
#include "ui/dialogs/ConnectHAP.h"
#include "ui/dialogs/NotifyAP.h"
#include "ui/main/ConnectionDialogs.h"
#include "ui/main/OpenNetworkReminder.h"
#include "ui/widgets/AppQLabel.h"
#include "util/TextCipher.h"

#include <QComboBox>
#include <QDateTimeEdit>
#include <QGroupBox>
#include <QShortcut>
#include <QLineEdit>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QThread>
#include <QtTest>

#include <atomic>

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

// Counts how often a widget is shown.
class ShowCounter : public QObject
{
public:
    int shows = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Show)
            ++shows;
        return false;
    }
};

QString reminder()
{
    return readAppSetting(QLatin1String(SettingsKey::Reminder), QString()).toString();
}

bool notifyFlag()
{
    return readAppSetting(QLatin1String(SettingsKey::NotifyWhenOpenAP), true).toBool();
}

} // namespace

class TestConnectFlow : public QObject, private Flow
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

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

    void notify_shownOnceAndNotAgainWhileVisible();
    void notify_notShownWhenSwitchedOff();
    void notify_reminderBringsItBackAtTheChosenMoment();
    void notify_reminderWaitsWhileItsNetworkIsNotListed();
    void notify_notShownWhileConnected();

    void faults_outsideTextIsShownLiterally();
    void faults_panelForgetsARowThatIsGone();
    void faults_connectionRowIsFoundBySecurityToo();
    void faults_failedAttemptRereadsTheConnection();
    void faults_enterpriseRowIsExplainedNotOpened();
    void faults_failedCancelShowsOneBox();
    void faults_everyShortcutFires();
    void faults_panelKeepsItsPlace();
    void faults_noCardUntilAnAdapterAppears();
    void faults_noQuietUpdateCheckWithUpdatesOff();

    void refresh_emptyProfileListShowsPlaceholder();
    void refresh_refreshFailurePausesAutoRefreshUntilBoxCloses();
    void refresh_holdingCtrlRStartsOneScan();
    void refresh_networksErrorOfRemovedAdapterIsNotShown();
    void refresh_shutdownReturnsAfterWorkerEnded();

private:
    void startConnectWorld();
    void startNotifyWorld();
    void startRefreshWorld();
    QTimer *timer() const { return child<QTimer>(window, "refreshTimer"); }
    QComboBox *selector = nullptr;
    // Runs a refresh and waits until the engine has reported the open networks again.
    bool refreshUntilReported()
    {
        const int before = reported;
        window->refreshData();
        const bool done = QTest::qWaitFor([&] { return reported > before; }, 5000);
        // The window's own slot for the same report was queued beside ours; let it decide now.
        QCoreApplication::sendPostedEvents();
        return done;
    }
    QTimer *reminderTimer() const { return window->findChild<QTimer *>(QStringLiteral("reminderTimer")); }

    NotifyAP *notify = nullptr;
    ShowCounter counter;
    int reported = 0;     // notifyOpenAP reports of the engine, counted in this thread
    bool firstClosed = false;
    int shownWhileVisible = -1;
    QStringList panelNetworkValues()
    {
        return panelValues(window, {"network", "encryption", "signal", "macAddress", "channel", "band"});
    }
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
    const QByteArray test = QTest::currentTestFunction();
    if (test.startsWith("notify_"))
        startNotifyWorld();
    else if (test.startsWith("faults_"))
        prepare();
    else if (test.startsWith("refresh_"))
        startRefreshWorld();
    else
        startConnectWorld();
}

void TestConnectFlow::startConnectWorld()
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
    QVERIFY(startListing(8));
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
    connectAnsweringOk();
    QCOMPARE(cancels.count(), 1);
    QTRY_COMPARE(sim->callCount(Sim::Call::Connect), 2);
    sim->holdNotifications(false);
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

void TestConnectFlow::initTestCase()
{
    connect(WirelessConnect::instance(), &WirelessConnect::notifyOpenAP, this, [this] { ++reported; });
}

void TestConnectFlow::cleanup()
{
    finish();
    counter.shows = 0;
    firstClosed = false;
    shownWhileVisible = -1;
}

void TestConnectFlow::startRefreshWorld()
{
    prepare();
    writeDefaultSettings();
    writeAppSetting(QLatin1String(SettingsKey::AutoRefreshWlanNetworks), true);
    sim->addAdapter(adapter(1, QStringLiteral("Adapter B")));
    sim->addNetwork(openNetwork("Cafe"));
    sim->addNetwork(securedNetwork("Office", kKey));
    sim->setScanDelay(150);
    QVERIFY(start());
    selector = child<QComboBox>(window, "adapterSelector");
    QTRY_COMPARE(networks->topLevelItemCount(), 2);
    QTRY_COMPARE(selector->count(), 2);
}

void TestConnectFlow::startNotifyWorld()
{
    prepare(true);
    sim->addNetwork(openNetwork("Cafe"));
    sim->addNetwork(openNetwork("Attic", 2412000));

    // The first listing brings the notification up; while it is up another listing comes in,
    // and only then is it closed.
    whenDialogAppears<NotifyAP>([this](NotifyAP *dialog) {
        const int before = reported;
        window->refreshData();
        auto *poll = new QTimer(dialog);
        connect(poll, &QTimer::timeout, dialog, [this, dialog, poll, before] {
            if (reported <= before)
                return;
            poll->stop();
            shownWhileVisible = counter.shows;
            dialog->findChild<QPushButton *>(QStringLiteral("closeButton"))->click();
            firstClosed = true;
        });
        poll->start(20);
    });

    create();
    notify = topLevel<NotifyAP>();
    QVERIFY(notify);
    notify->installEventFilter(&counter);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QTRY_VERIFY_WITH_TIMEOUT(firstClosed, 10000);
}

void TestConnectFlow::notify_shownOnceAndNotAgainWhileVisible()
{
    QCOMPARE(shownWhileVisible, 1);
    QTRY_VERIFY(!notify->isVisible());
    QCOMPARE(counter.shows, 1);
    QVERIFY(reported >= 2);
}

void TestConnectFlow::notify_notShownWhenSwitchedOff()
{
    whenDialogAppears<NotifyAP>([](NotifyAP *dialog) {
        QTimer::singleShot(0, dialog, [dialog] {
            dialog->findChild<QAbstractButton *>(QStringLiteral("doNotShowSwitch"))->click();
        });
    });
    QVERIFY(refreshUntilReported());
    QTRY_COMPARE(counter.shows, 2);
    QTRY_VERIFY(!notify->isVisible());
    QCOMPARE(notifyFlag(), false);

    QVERIFY(refreshUntilReported());
    QCOMPARE(counter.shows, 2);

    // Turned on again from the settings: the window follows, and so does the switch.
    window->openAPNotificationSettings(true);
    QVERIFY(!notify->findChild<QAbstractButton *>(QStringLiteral("doNotShowSwitch"))->isChecked());
}

void TestConnectFlow::notify_reminderBringsItBackAtTheChosenMoment()
{
    QDateTime moment;
    whenDialogAppears<NotifyAP>([&moment](NotifyAP *dialog) {
        QTimer::singleShot(0, dialog, [dialog, &moment] {
            dialog->findChild<QPushButton *>(QStringLiteral("remindButton"))->click();
            moment = QDateTime::currentDateTime().addSecs(2);
            dialog->findChild<QDateTimeEdit *>(QStringLiteral("dateTimeEdit"))->setDateTime(moment);
            dialog->findChild<QPushButton *>(QStringLiteral("okButton"))->click();
        });
    });
    QVERIFY(refreshUntilReported());
    QTRY_COMPARE(counter.shows, 2);
    QTRY_VERIFY(!notify->isVisible());
    QCOMPARE(reminder(), NotifyAP::reminderText(moment));
    QCOMPARE(notifyFlag(), false);
    QVERIFY(reminderTimer());

    struct Seen {
        bool shown = false;
        QString reminder;
        bool flag = false;
    };
    auto seen = std::make_shared<Seen>();
    whenDialogAppears<NotifyAP>([seen](NotifyAP *dialog) {
        seen->shown = true;
        seen->reminder = reminder();
        seen->flag = notifyFlag();
        QTimer::singleShot(0, dialog, [dialog] { dialog->close(); });
    }, 10000);
    QTRY_VERIFY_WITH_TIMEOUT(seen->shown, 8000);
    QVERIFY(QDateTime::currentDateTime() >= moment.addMSecs(-999));
    QCOMPARE(counter.shows, 3);
    QCOMPARE(seen->reminder, QStringLiteral("unknown"));
    QCOMPARE(seen->flag, true);
    QTRY_VERIFY(!reminderTimer());
}

void TestConnectFlow::notify_reminderWaitsWhileItsNetworkIsNotListed()
{
    QTRY_VERIFY(!notify->isVisible());
    const int shows = counter.shows;
    // The reminder's clock stands at the chosen moment; its network is not in range.
    OpenNetworkReminder *clock = window->connectionDialogs()->reminder();
    const QDateTime moment = QDateTime::currentDateTime().addDays(1);
    clock->setClock([moment] { return moment; });
    writeAppSetting(QLatin1String(SettingsKey::Reminder), NotifyAP::reminderText(moment));
    emit notify->reminderSet(QStringLiteral("Nowhere"));
    clock->checkReminder();
    QCOMPARE(counter.shows, shows);
    QVERIFY(reminderTimer());
    QVERIFY(reminder() != QStringLiteral("unknown"));
    clock->stop();
    clock->setClock([] { return QDateTime::currentDateTime(); });
}

void TestConnectFlow::notify_notShownWhileConnected()
{
    const int shows = counter.shows;
    QVERIFY(pressNetwork(QStringLiteral("Cafe")));
    connectAnsweringOk();
    QTRY_COMPARE(connected(), QStringLiteral("Cafe"));
    QTRY_COMPARE(boxTexts(), QStringList{connectedText("Cafe")});
    QTRY_COMPARE(connectButton()->text(), QStringLiteral("Disconnect"));
    // The window has taken the adapter's state as connected.
    QTRY_VERIFY(findRow(networks, QStringLiteral("Cafe"))->font(0).bold());

    // Attic is still an open network without a profile.
    QVERIFY(refreshUntilReported());
    QCOMPARE(counter.shows, shows);
}

void TestConnectFlow::faults_outsideTextIsShownLiterally()
{
    const QStringList names = {"<b>x</b>", "<img src=x>", "A\tB\nC", "&amp;"};
    for (int i = 0; i < names.size(); ++i)
        sim->addNetwork(openNetwork(names[i].toStdString()));
    QVERIFY(start());
    QTRY_COMPARE(networks->topLevelItemCount(), names.size());

    for (const QString &name : names) {
        QVERIFY2(pressNetwork(name), qPrintable(name));
        QString shown = name;
        shown.replace(QLatin1Char('\t'), QChar::ReplacementCharacter).replace(QLatin1Char('\n'), QChar::ReplacementCharacter);
        QCOMPARE(panel("network"), shown);
        for (QLabel *label : child<QGroupBox>(window, "infoPanel")->findChildren<QLabel *>())
            QVERIFY2(label->textFormat() == Qt::PlainText || label->objectName().endsWith(QLatin1String("Caption")),
                     qPrintable(label->objectName()));
    }

    QVERIFY(pressNetwork(names[0]));
    connectAnsweringOk();
    QTRY_COMPARE(boxTexts(), QStringList{connectedText("<b>x</b>")});
    QVERIFY(boxes->boxes[0].plain);
}

void TestConnectFlow::faults_panelForgetsARowThatIsGone()
{
    sim->addAdapter(adapter(1));
    sim->addNetwork(openNetwork("Cafe"));
    sim->addNetwork(openNetwork("Attic"));
    QVERIFY(startListing(2));
    const QStringList unknown = QString(QStringLiteral("Unknown,")).repeated(6).split(QLatin1Char(','), Qt::SkipEmptyParts);

    // A refresh that still lists the row keeps it; one that drops it empties the rows.
    QVERIFY(pressNetwork(QStringLiteral("Cafe")));
    QSignalSpy refreshed(window, &AirvaneLite::networksRefreshFinished);
    window->refreshData();
    QTRY_COMPARE(networks->topLevelItemCount(), 2);
    QCOMPARE(panel("network"), QStringLiteral("Cafe"));
    sim->setNetworkInRange("Cafe", false);
    window->refreshData();
    QTRY_COMPARE(networks->topLevelItemCount(), 1);
    QCOMPARE(panelNetworkValues(), unknown);

    // So does another adapter, whose data is not that of the row.
    QVERIFY(pressNetwork(QStringLiteral("Attic")));
    auto *selector = child<QComboBox>(window, "adapterSelector");
    selector->setCurrentIndex(1);
    emit selector->activated(1);
    QCOMPARE(panelNetworkValues(), unknown);
}

void TestConnectFlow::faults_connectionRowIsFoundBySecurityToo()
{
    sim->addNetwork(securedNetwork("Twin", kKey));
    sim->addNetwork(openNetwork("Twin"));
    QVERIFY(startListing(2));

    QTreeWidgetItem *open = findRow(networks, QStringLiteral("Twin"),
                                    [](QTreeWidgetItem *row) { return row->text(1) == QLatin1String("None"); });
    QVERIFY(open);
    pressRow(networks, open);
    connectAnsweringOk();
    QTRY_COMPARE(connected(), QStringLiteral("Twin"));
    QTRY_COMPARE(boxes->boxes.size(), 1);

    window->refreshData();
    QTRY_VERIFY(findRow(profiles, QStringLiteral("Twin"), [](QTreeWidgetItem *row) { return row->font(0).bold(); }));
    QTreeWidgetItem *secured = findRow(networks, QStringLiteral("Twin"));
    QVERIFY(secured && secured->text(1) != QLatin1String("None"));
    QVERIFY(!secured->font(0).bold());
    QCOMPARE(secured->text(12), QStringLiteral("No"));
}

void TestConnectFlow::faults_failedAttemptRereadsTheConnection()
{
    sim->addNetwork(securedNetwork("Home", kKey));
    sim->addNetwork(securedNetwork("Office", kKey));
    sim->addStoredProfile(0, securedProfile(QStringLiteral("Home"), kRightKey));
    sim->setConnected(0, u"Home");
    QVERIFY(start());
    QTRY_VERIFY(findRow(profiles, QStringLiteral("Home")));
    QTRY_COMPARE(panel("status"), QStringLiteral("Connected"));

    // The service leaves Home for the attempt, which the wrong key ends.
    boxes->answers << QStringLiteral("OK");
    connectWithKey(QStringLiteral("Office"), QStringLiteral("wrong-key"));
    QTRY_COMPARE(boxTexts(), QStringList{wrongKeyText()});
    QTRY_COMPARE(panel("status"), QStringLiteral("Not connected"));
    QCOMPARE(connected(), QString());
}

void TestConnectFlow::faults_enterpriseRowIsExplainedNotOpened()
{
    sim->addNetwork(securedNetwork("Campus", kKey, DOT11_AUTH_ALGO_RSNA));
    sim->addNetwork(securedNetwork("Office", kKey));
    QVERIFY(startListing(2));

    QSignalSpy requests(window->connectionFlow(), &ConnectionFlow::connectionRequest);
    QVERIFY(pressNetwork(QStringLiteral("Campus")));
    connectAnsweringOk();
    QCOMPARE(boxTexts(), QStringList{"Networks that need a user name and a certificate (enterprise "
                                     "networks) cannot be connected from this program."});
    QVERIFY(!topLevel<ConnectAP>()->isVisible());
    QCOMPARE(requests.count(), 0);
    QVERIFY(connectButton()->isEnabled());
}

void TestConnectFlow::faults_failedCancelShowsOneBox()
{
    sim->addNetwork(securedNetwork("Office", kKey));
    QVERIFY(startListing(1));

    sim->setConnectDelay(4000);
    connectWithKey(QStringLiteral("Office"), kRightKey);
    auto *dialogButton = child<QPushButton>(topLevel<ConnectAP>(), "pushButton");
    QTRY_COMPARE(dialogButton->text(), QStringLiteral("Cancel"));

    sim->failCall(Sim::Call::Disconnect, 5);
    boxes->answers << QStringLiteral("OK");
    dialogButton->click();
    QTRY_COMPARE(boxTexts(), QStringList{"Failed to cancel the network connection!\nError code: 5"});
    // Both windows hear the same report; the second box would be up by now.
    QCoreApplication::processEvents();
    QCOMPARE(boxes->boxes.size(), 1);
}

void TestConnectFlow::faults_everyShortcutFires()
{
    QVERIFY(start());
    for (const char *keys : {"Ctrl+P", "Ctrl+L", "Ctrl+U", "Ctrl+N", "Ctrl+F", "Ctrl+F1"}) {
        const QKeySequence sequence(QString::fromLatin1(keys));
        QShortcut *shortcut = nullptr;
        for (QShortcut *candidate : window->findChildren<QShortcut *>()) {
            if (candidate->key() == sequence)
                shortcut = candidate;
        }
        QVERIFY2(shortcut, keys);
        QSignalSpy fired(shortcut, &QShortcut::activated);
        QSignalSpy ambiguous(shortcut, &QShortcut::activatedAmbiguously);
        QTest::keySequence(window, sequence);
        QVERIFY2(fired.count() == 1 && ambiguous.isEmpty(), keys);
    }
}

void TestConnectFlow::faults_panelKeepsItsPlace()
{
    sim->addNetwork(openNetwork("A network name that fills all 32"));
    QVERIFY(startListing(1));
    auto *box = child<QGroupBox>(window, "infoPanel");
    const QRect before = box->geometry();
    QVERIFY(pressNetwork(QStringLiteral("A network name that fills all 32")));
    QApplication::processEvents();
    QCOMPARE(box->geometry(), before);
    // Every row of the panel fits in the window's default height.
    QLabel *last = child<QLabel>(window, "bandValue");
    QVERIFY(last->mapTo(box, QPoint(0, last->height())).y() <= box->height());
}

void TestConnectFlow::refresh_emptyProfileListShowsPlaceholder()
{
    auto *placeholder = child<QLabel>(window, "profilePlaceholder");
    QTRY_VERIFY(placeholder->isVisible());
    QCOMPARE(placeholder->text(), QStringLiteral("No wireless profiles are available."));
    QCOMPARE(child<QTreeWidget>(window, "profileList")->topLevelItemCount(), 0);
    QVERIFY(!child<QLabel>(window, "networkPlaceholder")->isVisible());
}

void TestConnectFlow::refresh_refreshFailurePausesAutoRefreshUntilBoxCloses()
{
    QVERIFY(timer()->isActive());
    sim->failCall(Sim::Call::Scan, 5023);
    bool timerRanDuringBox = true;
    QString title;
    QString text;
    whenModalAppears([&](QWidget *dialog) {
        auto *box = static_cast<MsgDialog *>(dialog);
        timerRanDuringBox = timer()->isActive();
        title = box->windowTitle();
        for (QLabel *label : box->findChildren<QLabel *>())
            if (!label->text().isEmpty())
                text = label->text();
        box->button(QMessageBox::Ok)->click();
    });

    QTest::mouseClick(child<QPushButton>(window, "refreshButton"), Qt::LeftButton);
    QVERIFY(!child<QPushButton>(window, "refreshButton")->isEnabled());
    QTRY_COMPARE(title, QStringLiteral("Error"));
    QCOMPARE(text, QStringLiteral("Failed to refresh wlan networks! Error code: 5023"));
    QVERIFY(!timerRanDuringBox);
    QTRY_VERIFY(timer()->isActive());
    QCOMPARE(networks->topLevelItemCount(), 0);
    QVERIFY(child<QLabel>(window, "networkPlaceholder")->isVisible());
    QVERIFY(child<QLabel>(window, "profilePlaceholder")->isVisible());
    QVERIFY(child<QPushButton>(window, "refreshButton")->isEnabled());
}

void TestConnectFlow::refresh_holdingCtrlRStartsOneScan()
{
    window->setAPTimerOff();
    QVERIFY(!timer()->isActive());
    QVERIFY(activate(window));
    QSignalSpy finished(window, &AirvaneLite::networksRefreshFinished);
    const int scans = sim->callCount(Sim::Call::Scan);

    // The key repeats while held; the scan takes longer than the repeats.
    for (int i = 0; i < 6; ++i)
        QTest::keyClick(window, Qt::Key_R, Qt::ControlModifier);
    QTRY_COMPARE(finished.count(), 1);
    QCOMPARE(sim->callCount(Sim::Call::Scan) - scans, 1);
    QTRY_COMPARE(networks->topLevelItemCount(), 2);

    // Once the scan has completed the key works again.
    QTest::keyClick(window, Qt::Key_R, Qt::ControlModifier);
    QTRY_COMPARE(finished.count(), 2);
    QCOMPARE(sim->callCount(Sim::Call::Scan) - scans, 2);
    QTRY_COMPARE(networks->topLevelItemCount(), 2);
}

void TestConnectFlow::refresh_networksErrorOfRemovedAdapterIsNotShown()
{
    // Work with adapter B, then unplug it.
    QSignalSpy listed(window, &AirvaneLite::allWirelessNetworksData);
    selector->setCurrentIndex(1);
    emit selector->activated(1);
    QTRY_COMPARE(listed.count(), 1);
    QCOMPARE(networks->topLevelItemCount(), 2);
    QCOMPARE(readAppSetting(QLatin1String(SettingsKey::WlanIndex)).toInt(), 1);
    listed.clear();

    BoxLog log;
    // The engine's listing error, heard in this thread after the window's.
    int listingErrors = 0;
    QObject listener;
    connect(WirelessConnect::instance(), &WirelessConnect::wlanAvailableNetworksError, &listener,
            [&listingErrors] { ++listingErrors; });
    sim->removeAdapter(1);
    sim->failCall(Sim::Call::GetAvailableNetworkList, 5023);
    QTest::mouseClick(child<AppQLabel>(window, "refreshIcon"), Qt::LeftButton);

    // The engine reports the adapter gone; the window falls back to adapter A, whose listing fails.
    QTRY_COMPARE(selector->count(), 1);
    QCOMPARE(selector->itemText(0), kAdapter);
    QTRY_COMPARE(listingErrors, 1);
    QCOMPARE(listed.count(), 1);
    QVERIFY(log.boxes.isEmpty());

    // A refresh clears the mark, so errors are shown again.
    sim->failCall(Sim::Call::GetAvailableNetworkList, 5023);
    log.answers << QStringLiteral("Cancel");
    window->refreshData();
    QTRY_COMPARE(log.count(QStringLiteral("Can't get available networks!")), 1);
    QCOMPARE(log.boxes[0].title, QStringLiteral("Warning"));
    QTRY_VERIFY(child<QLabel>(window, "networkPlaceholder")->isVisible());
    QCOMPARE(networks->topLevelItemCount(), 0);
}

void TestConnectFlow::refresh_shutdownReturnsAfterWorkerEnded()
{
    window->setAPTimerOn();
    QVERIFY(timer()->isActive());
    QThread *worker = WirelessConnect::instance()->thread();
    QVERIFY(worker != QThread::currentThread());
    QVERIFY(worker->isRunning());

    // Keep the worker busy so that a shutdown that does not wait would be caught.
    std::atomic<bool> busyDone{false};
    QMetaObject::invokeMethod(WirelessConnect::instance(), [&busyDone] {
        QThread::msleep(300);
        busyDone = true;
    });
    const int closes = sim->callCount(Sim::Call::CloseHandle);
    window->shutdown();

    QVERIFY(busyDone);
    QVERIFY(worker->isFinished());
    QCOMPARE(sim->callCount(Sim::Call::CloseHandle) - closes, 1);
    QVERIFY(!timer()->isActive());
    QCOMPARE(readAppSetting(QLatin1String(SettingsKey::Position)).toByteArray(), window->saveGeometry());

    window->shutdown();
    QCOMPARE(sim->callCount(Sim::Call::CloseHandle) - closes, 1);
}

void TestConnectFlow::faults_noCardUntilAnAdapterAppears()
{
    const QString noCard = QStringLiteral("Wireless card was not found");
    const QString noCardText = noCard + QStringLiteral("! Make sure you have wireless card enabled and newest drivers installed!");
    sim->removeAdapter(0);
    sim->addNetwork(openNetwork("Cafe"));
    create();
    // The first box is answered with Retry, the one that follows the new search with Cancel.
    boxes->answers << QStringLiteral("Retry") << QStringLiteral("Cancel");
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    auto *selector = child<QComboBox>(window, "adapterSelector");
    QTRY_COMPARE(boxes->boxes.size(), 2);
    for (const BoxLog::Box &box : boxes->boxes)
        QCOMPARE(box.title + box.text, QStringLiteral("Error") + noCardText);
    // Retry made the engine enumerate the adapters a second time.
    QVERIFY(sim->callCount(Sim::Call::EnumInterfaces) >= 2);
    QCOMPARE(selector->count(), 1);
    QCOMPARE(selector->itemText(0), noCard);
    QCOMPARE(window->interfaceState(), Interface::NoCard);
    QVERIFY(child<QLabel>(window, "networkPlaceholder")->isVisible());
    QVERIFY(child<QLabel>(window, "profilePlaceholder")->isVisible());
    QVERIFY(!timer()->isActive());

    // Refresh looks for an adapter instead of scanning.
    QSignalSpy searches(window, &AirvaneLite::updateWlanInterface);
    QSignalSpy scans(window, &AirvaneLite::refreshWlanNetworks);
    const int enumerations = sim->callCount(Sim::Call::EnumInterfaces);
    boxes->answers << QStringLiteral("Cancel");
    QTest::mouseClick(child<QPushButton>(window, "refreshButton"), Qt::LeftButton);
    QCOMPARE(searches.count(), 1);
    QCOMPARE(scans.count(), 0);
    QTRY_COMPARE(boxes->boxes.size(), 3);
    QCOMPARE(boxes->boxes[2].text, noCardText);
    QVERIFY(sim->callCount(Sim::Call::EnumInterfaces) > enumerations);
    QCOMPARE(sim->callCount(Sim::Call::Scan), 0);
    QCOMPARE(selector->itemText(0), noCard);

    // An adapter found on refresh replaces the entry.
    sim->addAdapter(adapter(1, QStringLiteral("USB Wi-Fi Stick")));
    QTest::mouseClick(child<QPushButton>(window, "refreshButton"), Qt::LeftButton);
    QTRY_COMPARE(networks->topLevelItemCount(), 1);
    QCOMPARE(selector->count(), 1);
    QCOMPARE(selector->itemText(0), QStringLiteral("USB Wi-Fi Stick"));
    QCOMPARE(window->interfaceState(), Interface::Listed);
    QCOMPARE(networks->topLevelItem(0)->text(0), QStringLiteral("Cafe"));
    QVERIFY(!child<QLabel>(window, "networkPlaceholder")->isVisible());
    QCOMPARE(child<QLabel>(window, "guidValue")->text(), adapterGuidText(1));
    QCOMPARE(boxes->boxes.size(), 3);
}

QTEST_MAIN(TestConnectFlow)
void TestConnectFlow::faults_noQuietUpdateCheckWithUpdatesOff()
{
    // Switched off, updates are neither checked at start nor offered back unasked (with updates on,
    // the wiring test sees the quiet check run).
    writeSetting(QLatin1String(SettingsGroup::Updates), QLatin1String(SettingsKey::EnableUpdates), false);
    sim->addNetwork(openNetwork("Cafe"));
    QVERIFY(startListing(1));
    QVERIFY(!window->findChild<QTimer *>(QStringLiteral("quietUpdateCheck")));
}

#include "tst_connectflow.moc"
