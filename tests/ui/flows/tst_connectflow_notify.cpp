// The open-network notification as the main window drives it: when it is shown and when not, and
// the reminder that brings it back at the chosen moment. Every test starts from a fresh world whose
// first listing brings the notification up.

#include "ui/FlowKit.h"
#include "ui/main/ConnectionDialogs.h"
#include "ui/main/OpenNetworkReminder.h"
#include "ui/dialogs/NotifyAP.h"

#include <QDateTimeEdit>
#include <QSignalSpy>
#include <QtTest>

using namespace flowkit;

namespace {

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

class TestConnectFlowNotify : public QObject, private Flow
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void shownOnceAndNotAgainWhileVisible();
    void notShownWhenSwitchedOff();
    void reminderBringsItBackAtTheChosenMoment();
    void reminderWaitsWhileItsNetworkIsNotListed();
    void notShownWhileConnected();

private:
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
};

void TestConnectFlowNotify::initTestCase()
{
    connect(WirelessConnect::instance(), &WirelessConnect::notifyOpenAP, this, [this] { ++reported; });
}

void TestConnectFlowNotify::cleanup()
{
    finish();
    counter.shows = 0;
    firstClosed = false;
    shownWhileVisible = -1;
}

void TestConnectFlowNotify::init()
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

void TestConnectFlowNotify::shownOnceAndNotAgainWhileVisible()
{
    QCOMPARE(shownWhileVisible, 1);
    QTRY_VERIFY(!notify->isVisible());
    QCOMPARE(counter.shows, 1);
    QVERIFY(reported >= 2);
}

void TestConnectFlowNotify::notShownWhenSwitchedOff()
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

void TestConnectFlowNotify::reminderBringsItBackAtTheChosenMoment()
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

void TestConnectFlowNotify::reminderWaitsWhileItsNetworkIsNotListed()
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

void TestConnectFlowNotify::notShownWhileConnected()
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

QTEST_MAIN(TestConnectFlowNotify)
#include "tst_connectflow_notify.moc"
