#include "ui/dialogs/NotifyAP.h"

#include "DialogTestKit.h"
#include "app/settings/SettingsEnums.h"
#include "app/settings/SettingsStore.h"
#include "core/SignalRecorder.h"
#include "core/TestSettings.h"
#include "sysinfo/GetSpecs.h"
#include "ui/dialogs/ConnectHAP.h"
#include "ui/dialogs/DialogSupport.h"
#include "ui/widgets/AppQFrame.h"
#include "ui/widgets/AppQLabel.h"
#include "ui/widgets/Switch.h"
#include "wireless/WirelessConnect.h"

#include <QComboBox>
#include <QDateTimeEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using namespace dialogkit;

namespace {

struct View
{
    explicit View(NotifyAP &dialog)
        : combo(dialog.findChild<QComboBox *>("comboBox"))
        , signal(dialog.findChild<QLabel *>("signalValue"))
        , connect(dialog.findChild<QPushButton *>("connectButton"))
        , remind(dialog.findChild<QPushButton *>("remindButton"))
        , close(dialog.findChild<QPushButton *>("closeButton"))
        , ok(dialog.findChild<QPushButton *>("okButton"))
        , timerLabel(dialog.findChild<QLabel *>("timerLabel"))
        , moment(dialog.findChild<QDateTimeEdit *>("dateTimeEdit"))
        , doNotShow(dialog.findChild<Switch *>("doNotShowSwitch"))
        , router(dialog.findChild<AppQLabel *>("routerPicture"))
    {
    }
    bool reminderRowShown() const { return !timerLabel->isHidden() && !moment->isHidden() && !ok->isHidden(); }
    bool reminderRowHidden() const { return timerLabel->isHidden() && moment->isHidden() && ok->isHidden(); }

    QComboBox *combo;
    QLabel *signal;
    QPushButton *connect;
    QPushButton *remind;
    QPushButton *close;
    QPushButton *ok;
    QLabel *timerLabel;
    QDateTimeEdit *moment;
    Switch *doNotShow;
    AppQLabel *router;
};

QVariant appSetting(const char *key)
{
    return readAppSetting(QLatin1String(key), QStringLiteral("<missing>"));
}

} // namespace

class TestNotifyAP : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void openNetworkFilter_data();
    void openNetworkFilter();
    void refreshReplacesTheList();
    void remindLaterToggles();
    void pastMomentRefused();
    void reminderStored();
    void reminderText_data();
    void reminderText();
    void reminderTextIgnoresDefaultLocale();
    void doNotShowAgain_data();
    void doNotShowAgain();
    void connectThenCancel();
    void connectedStateAndDisconnect();
    void hiddenOpenNetworkGoesThroughDialog();
    void pickedNetworkAsksForData();
    void closingReportsAndCancelsWhileConnecting();
    void titleBarDragsWindow();
    void routerShowsSystemInformation();
};

void TestNotifyAP::initTestCase()
{
    WirelessConnect::instance();
}

void TestNotifyAP::init()
{
    testsupport::resetSettings();
    QLocale::setDefault(QLocale::c());
}

void TestNotifyAP::cleanup()
{
    // A line edit's clear-button fade outlives the field by one animation tick and then deletes
    // itself later; give it that tick so nothing is left behind when the process ends.
    QTest::qWait(60);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void TestNotifyAP::openNetworkFilter_data()
{
    QTest::addColumn<bool>("secured");
    QTest::addColumn<int>("cipher");
    QTest::addColumn<int>("auth");
    QTest::addColumn<bool>("listed");

    QTest::newRow("open") << false << int(DOT11_CIPHER_ALGO_NONE) << int(DOT11_AUTH_ALGO_80211_OPEN) << true;
    QTest::newRow("secured flag") << true << int(DOT11_CIPHER_ALGO_NONE) << int(DOT11_AUTH_ALGO_80211_OPEN) << false;
    QTest::newRow("WEP") << false << int(DOT11_CIPHER_ALGO_WEP40) << int(DOT11_AUTH_ALGO_80211_OPEN) << false;
    QTest::newRow("OWE") << false << int(DOT11_CIPHER_ALGO_CCMP) << int(DOT11_AUTH_ALGO_OWE) << false;
    QTest::newRow("shared key") << false << int(DOT11_CIPHER_ALGO_NONE) << int(DOT11_AUTH_ALGO_80211_SHARED_KEY)
                                << false;
    QTest::newRow("WPA2") << true << int(DOT11_CIPHER_ALGO_CCMP) << int(DOT11_AUTH_ALGO_RSNA_PSK) << false;
}

void TestNotifyAP::openNetworkFilter()
{
    QFETCH(bool, secured);
    QFETCH(int, cipher);
    QFETCH(int, auth);
    QFETCH(bool, listed);

    NotifyAP dialog;
    View view(dialog);
    dialog.setWlanOpenAPData({ open("Cafe", "40% (-80 dBm)"), network("Probe", secured, cipher, auth, false,
                                                                       "90% (-55 dBm)") });
    const QStringList expected = listed ? QStringList{ "Cafe", "Probe" } : QStringList{ "Cafe" };
    QCOMPARE(entries(view.combo), expected);
    // The last listed network is the one on offer.
    QCOMPARE(view.combo->currentText(), expected.last());
    QCOMPARE(view.signal->text(), listed ? QStringLiteral("90% (-55 dBm)") : QStringLiteral("40% (-80 dBm)"));
}

void TestNotifyAP::refreshReplacesTheList()
{
    NotifyAP dialog;
    View view(dialog);
    QSignalSpy request(&dialog, &NotifyAP::connectOpenAPRequest);
    dialog.setWlanOpenAPData({ open("Cafe"), open("Library") });
    WirelessAP library = open("Library", "33% (-84 dBm)");
    library.ssid = QStringLiteral("Library-5G");
    dialog.setWlanOpenAPData({ open("Cafe"), library, open("Cafe") });
    QCOMPARE(entries(view.combo), QStringList({ "Cafe", "Library" }));
    // The entry on offer and the data sent for it belong together.
    QCOMPARE(view.combo->currentText(), QStringLiteral("Library"));
    QCOMPARE(view.signal->text(), QStringLiteral("33% (-84 dBm)"));
    QTest::mouseClick(view.connect, Qt::LeftButton);
    QCOMPARE(request.count(), 1);
    QCOMPARE(argAt<QString>(request, 0, 0), QStringLiteral("Library"));
    QCOMPARE(argAt<QString>(request, 0, 1), QStringLiteral("Library-5G"));
    dialog.setAPCanceled();

    dialog.setWlanOpenAPData({ wpa2("Home") });
    QVERIFY(entries(view.combo).isEmpty());
    QCOMPARE(view.signal->text(), QStringLiteral("Unknown"));
}

void TestNotifyAP::remindLaterToggles()
{
    NotifyAP dialog;
    View view(dialog);
    dialog.show();
    QTest::mouseClick(view.remind, Qt::LeftButton);
    QCOMPARE(dialog.size(), QSize(520, 202));
    QCOMPARE(dialog.minimumSize(), QSize(520, 202));
    QVERIFY(view.reminderRowShown());

    QTest::mouseClick(view.remind, Qt::LeftButton);
    QCOMPARE(dialog.size(), QSize(520, 165));
    QVERIFY(view.reminderRowHidden());

    QTest::mouseClick(view.remind, Qt::LeftButton);
    dialog.setHideReminder();
    QCOMPARE(dialog.size(), QSize(520, 165));
    QVERIFY(view.reminderRowHidden());
}

void TestNotifyAP::pastMomentRefused()
{
    writeAppSetting(QStringLiteral("NotifyWhenOpenAP"), true);
    writeAppSetting(QStringLiteral("Reminder"), QStringLiteral("unknown"));
    NotifyAP dialog;
    View view(dialog);
    testsupport::SignalRecorder recorder(&dialog);
    dialog.setWlanOpenAPData({ open("Cafe") });
    dialog.show();
    QTest::mouseClick(view.remind, Qt::LeftButton);
    view.moment->setDateTime(QDateTime::currentDateTime().addSecs(-3600));
    recorder.flush();
    recorder.clear();

    const auto box = answerNextBox(QStringLiteral("OK"));
    QTest::mouseClick(view.ok, Qt::LeftButton);
    recorder.flush();
    QCOMPARE(box->shown, 1);
    QCOMPARE(box->title, QStringLiteral("Error"));
    QCOMPARE(box->text, QStringLiteral("You can't select this date! Choose another date!"));
    QCOMPARE(appSetting("Reminder").toString(), QStringLiteral("unknown"));
    QCOMPARE(appSetting("NotifyWhenOpenAP").toBool(), true);
    QVERIFY(withoutActivation(recorder.names()).isEmpty());
    QVERIFY(dialog.isVisible());
}

void TestNotifyAP::reminderStored()
{
    writeLanguage(App::Language::English);
    NotifyAP dialog;
    View view(dialog);
    testsupport::SignalRecorder recorder(&dialog);
    dialog.setWlanOpenAPData({ open("Cafe"), open("Library") });
    dialog.show();
    QTest::mouseClick(view.remind, Qt::LeftButton);
    const QDate nextYear(QDate::currentDate().year() + 1, 3, 5);
    view.moment->setDateTime(QDateTime(nextYear, QTime(14, 7, 9)));
    recorder.flush();
    recorder.clear();

    QTest::mouseClick(view.ok, Qt::LeftButton);
    recorder.flush();
    QCOMPARE(appSetting("Reminder").toString(), QStringLiteral("%1-03-05 02:07:09 PM").arg(nextYear.year()));
    QCOMPARE(appSetting("NotifyWhenOpenAP").toBool(), false);
    QCOMPARE(withoutActivation(recorder.names()), QStringList({ "openAPNotification", "reminderSet", "notifyAPClosed" }));
    QCOMPARE(recorder.lastArguments("openAPNotification"), QVariantList{ false });
    QCOMPARE(recorder.lastArguments("reminderSet"), QVariantList{ QStringLiteral("Library") });
    QVERIFY(!dialog.isVisible());
}

void TestNotifyAP::reminderText_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("expected");

    QTest::newRow("English") << int(App::Language::English) << QStringLiteral("2025-03-05 02:07:09 PM");
    QTest::newRow("Russian") << int(App::Language::Russian) << QStringLiteral("2025-03-05 14:07:09");
    QTest::newRow("Ukrainian") << int(App::Language::Ukrainian) << QStringLiteral("2025-03-05 14:07:09");
}

void TestNotifyAP::reminderText()
{
    QFETCH(int, language);
    QFETCH(QString, expected);
    writeLanguage(static_cast<App::Language>(language));
    QCOMPARE(NotifyAP::reminderText(QDateTime(QDate(2025, 3, 5), QTime(14, 7, 9))), expected);
}

void TestNotifyAP::reminderTextIgnoresDefaultLocale()
{
    // The stored text is compared with a rendering of the clock, so it never takes the locale's
    // day-period names or digits.
    writeLanguage(App::Language::English);
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    QCOMPARE(NotifyAP::reminderText(QDateTime(QDate(2025, 3, 5), QTime(14, 7, 9))),
             QStringLiteral("2025-03-05 02:07:09 PM"));
    QLocale::setDefault(QLocale(QLocale::Arabic, QLocale::Egypt));
    QCOMPARE(NotifyAP::reminderText(QDateTime(QDate(2025, 3, 5), QTime(9, 0, 0))),
             QStringLiteral("2025-03-05 09:00:00 AM"));
}

void TestNotifyAP::doNotShowAgain_data()
{
    QTest::addColumn<bool>("startChecked");
    QTest::addColumn<bool>("stored");

    QTest::newRow("checking turns the notification off") << false << false;
    QTest::newRow("unchecking turns it on") << true << true;
}

void TestNotifyAP::doNotShowAgain()
{
    QFETCH(bool, startChecked);
    QFETCH(bool, stored);

    NotifyAP dialog;
    View view(dialog);
    testsupport::SignalRecorder recorder(&dialog);
    dialog.loadNotificationSettings(!startChecked);
    QCOMPARE(view.doNotShow->isChecked(), startChecked);
    dialog.show();
    view.doNotShow->click();
    recorder.flush();

    QCOMPARE(appSetting("NotifyWhenOpenAP").toBool(), stored);
    QCOMPARE(withoutActivation(recorder.names()), QStringList({ "openAPNotification", "notifyAPClosed" }));
    QCOMPARE(recorder.lastArguments("openAPNotification"), QVariantList{ stored });
    QVERIFY(!dialog.isVisible());
}

void TestNotifyAP::connectThenCancel()
{
    NotifyAP dialog;
    View view(dialog);
    testsupport::SignalRecorder recorder(&dialog);
    QSignalSpy request(&dialog, &NotifyAP::connectOpenAPRequest);
    dialog.setWlanOpenAPData({ open("Cafe"), open("Library") });
    pick(view.combo, QStringLiteral("Cafe"));
    recorder.flush();
    recorder.clear();

    QTest::mouseClick(view.connect, Qt::LeftButton);
    QCOMPARE(view.connect->text(), QStringLiteral("Cancel"));
    QCOMPARE(dialog.connectionState(), 1);
    QCOMPARE(request.count(), 1);
    QCOMPARE(argAt<QString>(request, 0, 0), QStringLiteral("Cafe"));
    QCOMPARE(argAt<QString>(request, 0, 1), QStringLiteral("Cafe"));
    QCOMPARE(argAt<_DOT11_AUTH_ALGORITHM>(request, 0, 2), DOT11_AUTH_ALGO_80211_OPEN);
    QCOMPARE(argAt<_DOT11_CIPHER_ALGORITHM>(request, 0, 3), DOT11_CIPHER_ALGO_NONE);
    QCOMPARE(argAt<bool>(request, 0, 4), false);
    QCOMPARE(argAt<bool>(request, 0, 5), false);
    QCOMPARE(argAt<bool>(request, 0, 6), false);

    // No WLAN session in the test: the engine refuses the cancel and this window says so.
    const auto box = answerNextBox(QStringLiteral("OK"));
    QTest::mouseClick(view.connect, Qt::LeftButton);
    recorder.flush();
    QCOMPARE(withoutActivation(recorder.names()), QStringList({ "currentNetwork", "connectOpenAPRequest", "cancelRequest" }));
    QCOMPARE(recorder.lastArguments("currentNetwork"), QVariantList{ QStringLiteral("Cafe") });
    QCOMPARE(box->text, QStringLiteral("Failed to cancel the network connection!\nError code: 6"));
    QCOMPARE(dialog.connectionState(), 1);

    dialog.setAPCanceled();
    QCOMPARE(dialog.connectionState(), 3);
    QCOMPARE(view.connect->text(), QStringLiteral("Connect now"));
    QVERIFY(view.combo->isEnabled() && view.remind->isEnabled());
    QCOMPARE(request.count(), 1);
}

void TestNotifyAP::connectedStateAndDisconnect()
{
    NotifyAP dialog;
    View view(dialog);
    QSignalSpy disconnect(&dialog, &NotifyAP::disconnectOpenAPRequest);
    QSignalSpy request(&dialog, &NotifyAP::connectOpenAPRequest);
    dialog.setWlanOpenAPData({ open("Cafe"), open("Library") });

    dialog.setWlanStateConnected(QStringLiteral("Cafe"), DOT11_CIPHER_ALGO_NONE, false, DOT11_AUTH_ALGO_80211_OPEN);
    QCOMPARE(view.combo->currentText(), QStringLiteral("Cafe"));
    QCOMPARE(view.connect->text(), QStringLiteral("Disconnect"));
    QVERIFY(!view.combo->isEnabled());
    QVERIFY(!view.remind->isEnabled());
    QCOMPARE(dialog.connectionState(), 2);

    auto box = answerNextBox(QStringLiteral("No"));
    QTest::mouseClick(view.connect, Qt::LeftButton);
    QCOMPARE(box->title, QStringLiteral("Question"));
    QCOMPARE(box->text, QStringLiteral("Do you want to disconnect?"));
    QCOMPARE(disconnect.count(), 0);
    box = answerNextBox(QStringLiteral("Yes"));
    QTest::mouseClick(view.connect, Qt::LeftButton);
    QCOMPARE(disconnect.count(), 1);
    QCOMPARE(request.count(), 0);

    dialog.setWlanStateDisconnected();
    QCOMPARE(dialog.connectionState(), 0);
    QCOMPARE(view.connect->text(), QStringLiteral("Connect now"));
    QVERIFY(view.combo->isEnabled() && view.remind->isEnabled());

    // An unknown network name selects the first entry.
    dialog.setWlanStateConnected(QStringLiteral("Elsewhere"), DOT11_CIPHER_ALGO_NONE, false,
                                 DOT11_AUTH_ALGO_80211_OPEN);
    QCOMPARE(view.combo->currentIndex(), 0);
    dialog.setAPDisconnected();
    dialog.setAPConnected();
    QCOMPARE(dialog.connectionState(), 2);
}

void TestNotifyAP::hiddenOpenNetworkGoesThroughDialog()
{
    NotifyAP dialog;
    View view(dialog);
    QSignalSpy handOver(&dialog, &NotifyAP::selectedOpenHAP);
    QSignalSpy ownRequest(&dialog, &NotifyAP::connectOpenAPRequest);
    QSignalSpy current(&dialog, &NotifyAP::currentNetwork);
    const QString hidden = dialogs::hiddenNetworkName();
    WirelessAP hiddenAP = network(hidden, false, DOT11_CIPHER_ALGO_NONE, DOT11_AUTH_ALGO_80211_OPEN, true);
    dialog.setWlanOpenAPData({ hiddenAP, open("Cafe") });
    pick(view.combo, hidden);

    std::unique_ptr<QSignalSpy> hapRequest;
    testsupport::whenModalAppears([&hapRequest](QWidget *modal) {
        auto *hap = qobject_cast<ConnectHAP *>(modal);
        QVERIFY(hap);
        hapRequest = std::make_unique<QSignalSpy>(hap, &ConnectHAP::connectOpenRequest);
        hap->findChild<QLineEdit *>("lineEdit")->setText(QStringLiteral("Backyard"));
        QTest::mouseClick(hap->findChild<QPushButton *>("pushButton"), Qt::LeftButton);
    });
    QTest::mouseClick(view.connect, Qt::LeftButton);

    QCOMPARE(handOver.count(), 1);
    QCOMPARE(handOver.at(0).at(0).toString(), hidden);
    QCOMPARE(argAt<bool>(handOver, 0, 3), true);
    QCOMPARE(ownRequest.count(), 0);
    QVERIFY(hapRequest);
    QCOMPARE(hapRequest->count(), 1);
    QCOMPARE(argAt<QString>(*hapRequest, 0, 1), QStringLiteral("Backyard"));
    QCOMPARE(current.count(), 1);
    QCOMPARE(current.at(0).at(0).toString(), QStringLiteral("Backyard"));
    QCOMPARE(view.connect->text(), QStringLiteral("Cancel"));

    // Closing the name dialog without a name leaves nothing connecting.
    dialog.setAPCanceled();
    testsupport::whenModalAppears([](QWidget *modal) { modal->close(); });
    QTest::mouseClick(view.connect, Qt::LeftButton);
    QCOMPARE(handOver.count(), 2);
    QCOMPARE(view.connect->text(), QStringLiteral("Connect now"));
    QCOMPARE(dialog.connectionState(), 0);
}

void TestNotifyAP::pickedNetworkAsksForData()
{
    NotifyAP dialog;
    View view(dialog);
    QSignalSpy asked(&dialog, &NotifyAP::checkAPData);
    QSignalSpy handOver(&dialog, &NotifyAP::selectedOpenHAP);
    dialog.setWlanOpenAPData({ open("Cafe", "10% (-95 dBm)"), open("Library", "70% (-65 dBm)") });
    pick(view.combo, QStringLiteral("Cafe"));
    QCOMPARE(asked.count(), 1);
    QCOMPARE(asked.at(0).at(0).toString(), QStringLiteral("Cafe"));
    QCOMPARE(view.signal->text(), QStringLiteral("10% (-95 dBm)"));

    dialog.setOpenSSIDData(QStringLiteral("Cafe"), DOT11_CIPHER_ALGO_NONE, DOT11_AUTH_ALGO_80211_OPEN, false,
                           QStringLiteral("12% (-94 dBm)"));
    QCOMPARE(view.signal->text(), QStringLiteral("12% (-94 dBm)"));
    QCOMPARE(handOver.count(), 0);

    const QString hidden = dialogs::hiddenNetworkName();
    dialog.setWlanOpenAPData({ network(hidden, false, DOT11_CIPHER_ALGO_NONE, DOT11_AUTH_ALGO_80211_OPEN, true) });
    dialog.setOpenSSIDData(hidden, DOT11_CIPHER_ALGO_NONE, DOT11_AUTH_ALGO_80211_OPEN, true, QStringLiteral("50%"));
    QCOMPARE(handOver.count(), 1);
    QCOMPARE(handOver.at(0).at(0).toString(), hidden);
    QCOMPARE(argAt<bool>(handOver, 0, 3), true);
    QCOMPARE(argAt<bool>(handOver, 0, 4), false);
    QCOMPARE(argAt<bool>(handOver, 0, 5), false);
}

void TestNotifyAP::closingReportsAndCancelsWhileConnecting()
{
    NotifyAP dialog;
    View view(dialog);
    testsupport::SignalRecorder recorder(&dialog);
    dialog.setWlanOpenAPData({ open("Cafe") });
    dialog.show();
    QTest::mouseClick(view.connect, Qt::LeftButton);
    recorder.flush();
    recorder.clear();

    const auto box = answerNextBox(QStringLiteral("OK"));
    QTest::mouseClick(view.close, Qt::LeftButton);
    recorder.flush();
    QCOMPARE(withoutActivation(recorder.names()), QStringList({ "cancelRequest", "notifyAPClosed" }));
    QVERIFY(!dialog.isVisible());

    // Escape is a close like any other.
    dialog.setAPCanceled();
    recorder.clear();
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QTest::keyClick(&dialog, Qt::Key_Escape);
    recorder.flush();
    QCOMPARE(withoutActivation(recorder.names()), QStringList({ "notifyAPClosed" }));
    QVERIFY(!dialog.isVisible());
}

void TestNotifyAP::titleBarDragsWindow()
{
    NotifyAP dialog;
    dialog.move(100, 100);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto *title = dialog.findChild<AppQFrame *>("titleNotifyAP");
    const QPoint origin = dialog.pos();

    QTest::mousePress(title, Qt::LeftButton, Qt::NoModifier, QPoint(40, 10));
    QMouseEvent move(QEvent::MouseMove, QPointF(60, 25), QPointF(title->mapToGlobal(QPoint(60, 25))),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(title, &move);
    QCOMPARE(dialog.pos(), origin + QPoint(20, 15));
    QTest::mouseRelease(title, Qt::LeftButton, Qt::NoModifier, QPoint(60, 25));

    // Released: moving the mouse no longer drags.
    const QPoint settled = dialog.pos();
    QMouseEvent after(QEvent::MouseMove, QPointF(90, 20), QPointF(title->mapToGlobal(QPoint(90, 20))),
                      Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(title, &after);
    QCOMPARE(dialog.pos(), settled);
}

void TestNotifyAP::routerShowsSystemInformation()
{
    qputenv("USERNAME", "tester");
    NotifyAP dialog;
    View view(dialog);
    QVERIFY(!view.router->pixmap(Qt::ReturnByValue).isNull());
    const auto box = answerNextBox(QStringLiteral("OK"));
    QTest::mouseClick(view.router, Qt::LeftButton);
    QCOMPARE(box->shown, 1);
    QVERIFY2(box->title == QStringLiteral("Information") || box->title == QStringLiteral("Error"),
             qPrintable(box->title));
    if (box->title == QStringLiteral("Information")) {
        QVERIFY2(box->text.startsWith(QStringLiteral("Username: tester\n")), qPrintable(box->text));
        // Every fact is a "label value" line of its own.
        const QStringList facts = box->text.section(QLatin1Char('\n'), 1).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QVERIFY(!facts.isEmpty());
        for (const QString &fact : facts)
            QVERIFY2(fact.contains(QStringLiteral(": ")), qPrintable(fact));
    }
    // The query object is gone once it has finished.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(dialog.findChildren<GetSpecs *>().isEmpty());
}

QTEST_MAIN(TestNotifyAP)
#include "tst_notifyap.moc"
