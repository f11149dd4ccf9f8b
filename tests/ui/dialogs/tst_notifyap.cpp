#include "ui/dialogs/NotifyAP.h"

#include "ui/DialogTestKit.h"
#include "app/settings/SettingsEnums.h"
#include "app/settings/SettingsStore.h"
#include "core/SignalRecorder.h"
#include "core/TestSettings.h"
#include "ui/dialogs/ConnectHAP.h"
#include "ui/dialogs/DialogSupport.h"
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
    NotifyAP &dialog;
    QComboBox *combo = dialog.findChild<QComboBox *>("comboBox");
    QLabel *signal = dialog.findChild<QLabel *>("signalValue");
    QPushButton *connect = dialog.findChild<QPushButton *>("connectButton");
    QPushButton *remind = dialog.findChild<QPushButton *>("remindButton");
    QPushButton *close = dialog.findChild<QPushButton *>("closeButton");
    QPushButton *ok = dialog.findChild<QPushButton *>("okButton");
    QLabel *timerLabel = dialog.findChild<QLabel *>("timerLabel");
    QDateTimeEdit *moment = dialog.findChild<QDateTimeEdit *>("dateTimeEdit");
    Switch *doNotShow = dialog.findChild<Switch *>("doNotShowSwitch");

    // Hidden parts of the reminder row, as flags "label moment ok".
    QString reminderRowHidden() const
    {
        return QStringLiteral("%1 %2 %3").arg(timerLabel->isHidden()).arg(moment->isHidden()).arg(ok->isHidden());
    }
};

QVariant appSetting(const char *key)
{
    return readAppSetting(QLatin1String(key), QStringLiteral("<missing>"));
}

const QString kRowShown = QStringLiteral("0 0 0");
const QString kRowHidden = QStringLiteral("1 1 1");

} // namespace

class TestNotifyAP : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { WirelessConnect::instance(); }
    void init();
    void cleanup() { dialogkit::settleDeferredDeletes(); }

    void openNetworkFilter();
    void refreshReplacesTheList();
    void remindLaterToggles();
    void pastMomentRefused();
    void reminderText_data();
    void reminderText();
    void doNotShowAgain_data();
    void doNotShowAgain();
    void connectedStateAndDisconnect();
    void hiddenOpenNetworkGoesThroughDialog();
    void closingReportsAndCancelsWhileConnecting();
};

void TestNotifyAP::init()
{
    testsupport::resetSettings();
    QLocale::setDefault(QLocale::c());
}

// Only open networks are offered; the last listed one is on offer with its signal.
void TestNotifyAP::openNetworkFilter()
{
    NotifyAP dialog;
    View view{dialog};
    dialog.setWlanOpenAPData({ open("Cafe", "40% (-80 dBm)"), open("Attic", "90% (-55 dBm)"),
                               network("Secured", true, DOT11_CIPHER_ALGO_NONE, DOT11_AUTH_ALGO_80211_OPEN),
                               network("WEP", false, DOT11_CIPHER_ALGO_WEP40, DOT11_AUTH_ALGO_80211_OPEN),
                               network("OWE", false, DOT11_CIPHER_ALGO_CCMP, DOT11_AUTH_ALGO_OWE),
                               network("Shared", false, DOT11_CIPHER_ALGO_NONE, DOT11_AUTH_ALGO_80211_SHARED_KEY) });
    QCOMPARE(entries(view.combo), QStringList({ "Cafe", "Attic" }));
    QCOMPARE(view.combo->currentText(), QStringLiteral("Attic"));
    QCOMPARE(view.signal->text(), QStringLiteral("90% (-55 dBm)"));
}

void TestNotifyAP::refreshReplacesTheList()
{
    NotifyAP dialog;
    View view{dialog};
    QSignalSpy request(&dialog, &NotifyAP::connectOpenAPRequest);
    QSignalSpy asked(&dialog, &NotifyAP::checkAPData);
    dialog.setWlanOpenAPData({ open("Cafe"), open("Library") });
    WirelessAP library = open("Library", "33% (-84 dBm)");
    library.ssid = QStringLiteral("Library-5G");
    dialog.setWlanOpenAPData({ open("Cafe", "10% (-95 dBm)"), library, open("Cafe", "10% (-95 dBm)") });
    QCOMPARE(entries(view.combo), QStringList({ "Cafe", "Library" }));
    // The entry on offer and the data sent for it belong together.
    QCOMPARE(view.combo->currentText(), QStringLiteral("Library"));
    QCOMPARE(view.signal->text(), QStringLiteral("33% (-84 dBm)"));
    QTest::mouseClick(view.connect, Qt::LeftButton);
    QCOMPARE(emissions(request), QStringList{ "Library|Library-5G|1|0|false|false|false" });
    dialog.setAPCanceled();

    // Picking asks for fresh data, whose signal replaces the listed one.
    pick(view.combo, QStringLiteral("Cafe"));
    QCOMPARE(asked.last(), QVariantList{ QStringLiteral("Cafe") });
    QCOMPARE(view.signal->text(), QStringLiteral("10% (-95 dBm)"));
    dialog.setOpenSSIDData(QStringLiteral("Cafe"), DOT11_CIPHER_ALGO_NONE, DOT11_AUTH_ALGO_80211_OPEN, false,
                           QStringLiteral("12% (-94 dBm)"));
    QCOMPARE(view.signal->text(), QStringLiteral("12% (-94 dBm)"));

    dialog.setWlanOpenAPData({ wpa2("Home") });
    QVERIFY(entries(view.combo).isEmpty());
    QCOMPARE(view.signal->text(), QStringLiteral("Unknown"));
}

void TestNotifyAP::remindLaterToggles()
{
    NotifyAP dialog;
    View view{dialog};
    dialog.show();
    const QDateTime before = QDateTime::currentDateTime();
    QTest::mouseClick(view.remind, Qt::LeftButton);
    // Offered a moment still to come, so that OK takes it as it is: the current minute plus five.
    const QDateTime offered = view.moment->dateTime();
    QCOMPARE(offered.time().second(), 0);
    QVERIFY2(offered > before.addSecs(240) && offered <= before.addSecs(300), qPrintable(offered.toString()));
    QCOMPARE(view.reminderRowHidden(), kRowShown);

    QTest::mouseClick(view.remind, Qt::LeftButton);
    QCOMPARE(view.reminderRowHidden(), kRowHidden);

    QTest::mouseClick(view.remind, Qt::LeftButton);
    dialog.setHideReminder();
    QCOMPARE(view.reminderRowHidden(), kRowHidden);
}

void TestNotifyAP::pastMomentRefused()
{
    writeAppSetting(QStringLiteral("NotifyWhenOpenAP"), true);
    writeAppSetting(QStringLiteral("Reminder"), QStringLiteral("unknown"));
    NotifyAP dialog;
    View view{dialog};
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
    QCOMPARE(box->text, QStringLiteral("You can't select this date! Choose another date!"));
    QCOMPARE(appSetting("Reminder").toString(), QStringLiteral("unknown"));
    QCOMPARE(appSetting("NotifyWhenOpenAP").toBool(), true);
    QVERIFY(withoutActivation(recorder.names()).isEmpty());
    QVERIFY(dialog.isVisible());
}

void TestNotifyAP::reminderText_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("expected");

    const QLocale c = QLocale::c();
    QTest::newRow("English") << int(App::Language::English) << c << QStringLiteral("2025-03-05 02:07:09 PM");
    QTest::newRow("Russian") << int(App::Language::Russian) << c << QStringLiteral("2025-03-05 14:07:09");
    // The stored text is compared with a rendering of the clock, so it never takes the locale's
    // day-period names or digits.
    QTest::newRow("English, Arabic locale") << int(App::Language::English) << QLocale(QLocale::Arabic, QLocale::Egypt)
                                            << QStringLiteral("2025-03-05 02:07:09 PM");
}

void TestNotifyAP::reminderText()
{
    QFETCH(int, language);
    QFETCH(QLocale, locale);
    QFETCH(QString, expected);
    writeLanguage(static_cast<App::Language>(language));
    QLocale::setDefault(locale);
    QCOMPARE(NotifyAP::reminderText(QDateTime(QDate(2025, 3, 5), QTime(14, 7, 9))), expected);
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
    View view{dialog};
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

void TestNotifyAP::connectedStateAndDisconnect()
{
    NotifyAP dialog;
    View view{dialog};
    QSignalSpy disconnect(&dialog, &NotifyAP::disconnectOpenAPRequest);
    QSignalSpy request(&dialog, &NotifyAP::connectOpenAPRequest);
    dialog.setWlanOpenAPData({ open("Cafe"), open("Library") });

    dialog.setWlanStateConnected(QStringLiteral("Cafe"), DOT11_CIPHER_ALGO_NONE, false, DOT11_AUTH_ALGO_80211_OPEN);
    QCOMPARE(view.combo->currentText(), QStringLiteral("Cafe"));
    QCOMPARE(view.connect->text(), QStringLiteral("Disconnect"));
    QVERIFY(!view.combo->isEnabled() && !view.remind->isEnabled());
    QCOMPARE(dialog.connectionState(), 2);

    auto box = answerNextBox(QStringLiteral("No"));
    QTest::mouseClick(view.connect, Qt::LeftButton);
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
}

void TestNotifyAP::hiddenOpenNetworkGoesThroughDialog()
{
    NotifyAP dialog;
    View view{dialog};
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
    QCOMPARE(ownRequest.count(), 0);
    QVERIFY(hapRequest);
    QCOMPARE(emissions(*hapRequest), QStringList{ "Backyard|Backyard|1|0|true|false|false" });
    QCOMPARE(emissions(current), QStringList{ "Backyard" });
    QCOMPARE(view.connect->text(), QStringLiteral("Cancel"));

    // Closing the name dialog without a name leaves nothing connecting.
    dialog.setAPCanceled();
    testsupport::whenModalAppears([](QWidget *modal) { modal->close(); });
    QTest::mouseClick(view.connect, Qt::LeftButton);
    QCOMPARE(handOver.count(), 2);
    QCOMPARE(view.connect->text(), QStringLiteral("Connect now"));
    QCOMPARE(dialog.connectionState(), 0);
}

void TestNotifyAP::closingReportsAndCancelsWhileConnecting()
{
    NotifyAP dialog;
    View view{dialog};
    testsupport::SignalRecorder recorder(&dialog);
    dialog.setWlanOpenAPData({ open("Cafe") });
    dialog.show();
    QTest::mouseClick(view.connect, Qt::LeftButton);
    recorder.flush();
    recorder.clear();

    // No WLAN session in the test: the engine refuses the cancel and this window says so.
    const auto box = answerNextBox(QStringLiteral("OK"));
    QTest::mouseClick(view.close, Qt::LeftButton);
    recorder.flush();
    QCOMPARE(withoutActivation(recorder.names()), QStringList({ "cancelRequest", "notifyAPClosed" }));
    QCOMPARE(box->text, QStringLiteral("Failed to cancel the network connection!\nError code: 6"));
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

QTEST_MAIN(TestNotifyAP)
#include "tst_notifyap.moc"
