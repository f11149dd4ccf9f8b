// The password window and the hidden-network window on their own, the engine replaced by the
// signals they send.

#include "ui/dialogs/ConnectAP.h"
#include "ui/dialogs/ConnectHAP.h"

#include "ui/DialogTestKit.h"
#include "app/settings/SettingsStore.h"
#include "core/SignalRecorder.h"
#include "core/TestSettings.h"
#include "ui/dialogs/DialogSupport.h"
#include "ui/widgets/Switch.h"
#include "util/TextCipher.h"
#include "wireless/WirelessConnect.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using namespace dialogkit;

namespace {

struct View
{
    ConnectAP &dialog;
    QComboBox *combo = dialog.findChild<QComboBox *>("comboBox");
    QLineEdit *password = dialog.findChild<QLineEdit *>("lineEdit");
    QPushButton *button = dialog.findChild<QPushButton *>("pushButton");
    QPushButton *close = dialog.findChild<QPushButton *>("pushButton_2");
    Switch *savePassword = dialog.findChild<Switch *>("savePasswordSwitch");
    Switch *autoConnect = dialog.findChild<Switch *>("autoConnectSwitch");

    // Whether the drop-down, the password and the auto-connect switch take input.
    bool editable() const { return combo->isEnabled() && password->isEnabled() && autoConnect->isEnabled(); }
    bool locked() const { return !combo->isEnabled() && !password->isEnabled() && !autoConnect->isEnabled(); }
};

} // namespace

class TestConnectAP : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { WirelessConnect::instance(); }
    void init() { testsupport::resetSettings(); }
    void cleanup() { dialogkit::settleDeferredDeletes(); }

    void networkFilter();
    void listKeepsTheNetworkOnShow();
    void passwordRule();
    void connectRequestDescribesTheEntryShown();
    void fiveStates();
    void failedCancelKeepsConnecting();
    void disconnectAskedFirst();
    void closingWhileConnectingCancelsFirst();
    void undecipherableNameClearsField();
    void savePasswordOffForgetsAtOnce();
    void hiddenDialogClosedAllowsNewConnect();

    // The hidden-network window.
    void securedHiddenNetworkRequest();
    void openHandOverReplacesSecuredOne();
    void handOverIgnoredUnlessHiddenNetwork_data();
    void handOverIgnoredUnlessHiddenNetwork();
    void nameFieldEnablesConnect();
    void closeReportsOnlyWhenNothingStarted();

private:
    static QLineEdit *nameField(ConnectHAP &dialog) { return dialog.findChild<QLineEdit *>("lineEdit"); }
    static QPushButton *connectButton(ConnectHAP &dialog) { return dialog.findChild<QPushButton *>("pushButton"); }
    static void typeAndConnect(ConnectHAP &dialog, const QString &name)
    {
        nameField(dialog)->setText(name);
        QTest::mouseClick(connectButton(dialog), Qt::LeftButton);
    }
};

// Only networks this window can connect with a password are offered, each name once; a refresh
// replaces the list.
void TestConnectAP::networkFilter()
{
    ConnectAP dialog;
    View view{dialog};
    dialog.setWlanNetworksData({ wpa2("WPA2"), network("WEP", true, DOT11_CIPHER_ALGO_WEP40, DOT11_AUTH_ALGO_80211_SHARED_KEY),
                                 network("SAE", true, DOT11_CIPHER_ALGO_CCMP, DOT11_AUTH_ALGO_WPA3_SAE),
                                 network("Enterprise", true, DOT11_CIPHER_ALGO_CCMP, DOT11_AUTH_ALGO_RSNA),
                                 network("OWE", true, DOT11_CIPHER_ALGO_CCMP, DOT11_AUTH_ALGO_OWE),
                                 network("No cipher", true, DOT11_CIPHER_ALGO_NONE, DOT11_AUTH_ALGO_RSNA_PSK),
                                 open("Open"), wpa2(QString()), wpa2("WPA2"), wpa2("wpa2") });
    QCOMPARE(entries(view.combo), QStringList({ "WPA2", "WEP", "SAE", "wpa2" }));
    dialog.setWlanNetworksData({ wpa2("Cafe") });
    QCOMPARE(entries(view.combo), QStringList{ "Cafe" });
}

void TestConnectAP::listKeepsTheNetworkOnShow()
{
    ConnectAP dialog;
    View view{dialog};
    QSignalSpy asked(&dialog, &ConnectAP::checkAPData);
    dialog.setWlanNetworksData({ wpa2("A"), wpa2("B") });
    dialog.setSelectedNetwork(QStringLiteral("B"), DOT11_CIPHER_ALGO_CCMP, DOT11_AUTH_ALGO_RSNA_PSK, false);
    dialog.setWlanNetworksData({ wpa2("C"), wpa2("A"), wpa2("B") });
    QCOMPARE(view.combo->currentText(), QStringLiteral("B"));
    QCOMPARE(asked.last(), QVariantList{ QStringLiteral("B") });

    // The network went away: the first entry is shown instead.
    dialog.setWlanNetworksData({ wpa2("C"), wpa2("A") });
    QCOMPARE(view.combo->currentText(), QStringLiteral("C"));

    // A network this window does not handle is not selected.
    dialog.setSelectedNetwork(QStringLiteral("A"), DOT11_CIPHER_ALGO_CCMP, DOT11_AUTH_ALGO_RSNA, false);
    QCOMPARE(view.combo->currentText(), QStringLiteral("C"));
}

void TestConnectAP::passwordRule()
{
    ConnectAP dialog;
    View view{dialog};
    testsupport::SignalRecorder recorder(&dialog);
    dialog.setWlanNetworksData({ wpa2("A") });
    QVERIFY(!view.button->isEnabled());
    QTest::keyClick(view.password, Qt::Key_X);
    QVERIFY(view.button->isEnabled());
    QTest::keyClick(view.password, Qt::Key_Backspace);
    QVERIFY(!view.button->isEnabled());

    // Return with an empty field is refused with a box instead of a request.
    recorder.flush();
    recorder.clear();
    const auto box = answerNextBox(QStringLiteral("OK"));
    QTest::keyClick(view.password, Qt::Key_Return);
    recorder.flush();
    QCOMPARE(box->shown, 1);
    QCOMPARE(box->text, QStringLiteral("Enter your password to connect to this network!"));
    QVERIFY(withoutActivation(recorder.names()).isEmpty());
    QCOMPARE(dialog.connectionState(), int(ConnectAP::Initial));

    // Disconnecting needs no password.
    dialog.setAPConnected(QStringLiteral("A"), DOT11_CIPHER_ALGO_CCMP, true, DOT11_AUTH_ALGO_RSNA_PSK);
    QCOMPARE(view.button->text(), QStringLiteral("Disconnect"));
    view.password->setText(QStringLiteral("y"));
    view.password->clear();
    QVERIFY(view.button->isEnabled());
}

void TestConnectAP::connectRequestDescribesTheEntryShown()
{
    ConnectAP dialog;
    View view{dialog};
    testsupport::SignalRecorder recorder(&dialog);
    QSignalSpy request(&dialog, &ConnectAP::connectSecuredRequest);

    // No entry picked: the first one is on show and the request must be about it, not about the
    // last network of the list.
    dialog.setWlanNetworksData({ network("Alpha", true, DOT11_CIPHER_ALGO_CCMP, DOT11_AUTH_ALGO_RSNA_PSK),
                                 network("Beta", true, DOT11_CIPHER_ALGO_TKIP, DOT11_AUTH_ALGO_WPA_PSK) });
    view.autoConnect->click();
    view.password->setText(QStringLiteral("pa55 word"));
    recorder.flush();
    recorder.clear();
    QTest::mouseClick(view.button, Qt::LeftButton);
    recorder.flush();

    QCOMPARE(withoutActivation(recorder.names()), QStringList({ "apState", "currentNetwork", "connectSecuredRequest" }));
    QCOMPARE(recorder.lastArguments("apState"), QVariantList{ QStringLiteral("Connecting") });
    QCOMPARE(recorder.lastArguments("currentNetwork"), QVariantList{ QStringLiteral("Alpha") });

    // Picking the other network sends its own data.
    dialog.setConnectionFailed();
    pick(view.combo, QStringLiteral("Beta"));
    view.password->setText(QStringLiteral("other"));
    QTest::mouseClick(view.button, Qt::LeftButton);
    QCOMPARE(emissions(request), QStringList({ "Alpha|Alpha|7|4|pa55 word|false|false|true",
                                               "Beta|Beta|4|2|other|false|false|true" }));
}

void TestConnectAP::fiveStates()
{
    ConnectAP dialog;
    View view{dialog};
    QSignalSpy request(&dialog, &ConnectAP::connectSecuredRequest);
    QCOMPARE(dialog.connectionState(), int(ConnectAP::Initial));

    // Nothing listed yet: nothing to connect to, and the window must not pretend otherwise.
    view.password->setText(QStringLiteral("secret"));
    QTest::mouseClick(view.button, Qt::LeftButton);
    QCOMPARE(request.count(), 0);
    QCOMPARE(dialog.connectionState(), int(ConnectAP::Initial));
    QCOMPARE(view.button->text(), QStringLiteral("Connect"));

    dialog.setWlanNetworksData({ wpa2("A") });
    QTest::mouseClick(view.button, Qt::LeftButton);
    QCOMPARE(dialog.connectionState(), int(ConnectAP::Connecting));
    QCOMPARE(view.button->text(), QStringLiteral("Cancel"));
    QVERIFY(view.locked());

    dialog.setConnectionFailed();
    QCOMPARE(dialog.connectionState(), int(ConnectAP::Ended));
    QCOMPARE(view.button->text(), QStringLiteral("Connect"));
    QVERIFY(view.editable() && view.button->isEnabled());

    QTest::mouseClick(view.button, Qt::LeftButton);
    dialog.setAPConnected(QStringLiteral("A"), DOT11_CIPHER_ALGO_CCMP, true, DOT11_AUTH_ALGO_RSNA_PSK);
    QCOMPARE(dialog.connectionState(), int(ConnectAP::Connected));
    QCOMPARE(view.button->text(), QStringLiteral("Disconnect"));
    QVERIFY(view.locked() && view.savePassword->isEnabled());

    dialog.setAPDisconnected();
    QCOMPARE(dialog.connectionState(), int(ConnectAP::NotConnected));
    QCOMPARE(view.button->text(), QStringLiteral("Connect"));
    QVERIFY(view.editable() && !view.savePassword->isEnabled());

    QTest::mouseClick(view.button, Qt::LeftButton);
    dialog.setAPCanceled();
    QCOMPARE(dialog.connectionState(), int(ConnectAP::Ended));
    QCOMPARE(view.button->text(), QStringLiteral("Connect"));
    QVERIFY(view.editable());

    // The adapter is connected elsewhere: only the state follows, the view stays.
    dialog.setWlanStateConnected(QStringLiteral("B"), DOT11_CIPHER_ALGO_CCMP, true, DOT11_AUTH_ALGO_RSNA_PSK);
    QCOMPARE(dialog.connectionState(), int(ConnectAP::Connected));
    QCOMPARE(view.button->text(), QStringLiteral("Connect"));
    // ... and connecting to the network on show is a new connection.
    QTest::mouseClick(view.button, Qt::LeftButton);
    QCOMPARE(request.count(), 4);
    dialog.setWlanStateDisconnected();
    QCOMPARE(dialog.connectionState(), int(ConnectAP::NotConnected));
}

void TestConnectAP::failedCancelKeepsConnecting()
{
    ConnectAP dialog;
    View view{dialog};
    QSignalSpy cancel(&dialog, &ConnectAP::cancelRequest);
    dialog.setWlanNetworksData({ wpa2("A") });
    view.password->setText(QStringLiteral("secret"));
    QTest::mouseClick(view.button, Qt::LeftButton);

    // The engine has no WLAN session here, so it refuses the cancel with "invalid handle".
    const auto box = answerNextBox(QStringLiteral("OK"));
    QTest::mouseClick(view.button, Qt::LeftButton);
    QCOMPARE(cancel.count(), 1);
    QCOMPARE(box->text, QStringLiteral("Failed to cancel the network connection!\nError code: 6"));
    QCOMPARE(dialog.connectionState(), int(ConnectAP::Connecting));
    QCOMPARE(view.button->text(), QStringLiteral("Cancel"));

    // A failure of somebody else's cancel is not this window's to report (a box would be modal,
    // so it would have come and gone within the call).
    const auto other = answerNextBox(QStringLiteral("OK"), 100);
    dialog.setAPCancelFailed(5);
    QCOMPARE(other->shown, 0);
}

void TestConnectAP::disconnectAskedFirst()
{
    ConnectAP dialog;
    View view{dialog};
    testsupport::SignalRecorder recorder(&dialog);
    dialog.setWlanNetworksData({ wpa2("A") });
    dialog.setAPConnected(QStringLiteral("A"), DOT11_CIPHER_ALGO_CCMP, true, DOT11_AUTH_ALGO_RSNA_PSK);
    recorder.flush();
    recorder.clear();

    auto box = answerNextBox(QStringLiteral("No"));
    QTest::mouseClick(view.button, Qt::LeftButton);
    recorder.flush();
    QCOMPARE(box->text, QStringLiteral("Do you want to disconnect?"));
    QVERIFY(withoutActivation(recorder.names()).isEmpty());
    QCOMPARE(dialog.connectionState(), int(ConnectAP::Connected));

    box = answerNextBox(QStringLiteral("Yes"));
    QTest::mouseClick(view.button, Qt::LeftButton);
    recorder.flush();
    QCOMPARE(withoutActivation(recorder.names()), QStringList({ "currentNetwork", "disconnectRequest" }));
    QCOMPARE(recorder.lastArguments("currentNetwork"), QVariantList{ QStringLiteral("A") });
    QCOMPARE(dialog.connectionState(), int(ConnectAP::NotConnected));
}

void TestConnectAP::closingWhileConnectingCancelsFirst()
{
    ConnectAP dialog;
    View view{dialog};
    testsupport::SignalRecorder recorder(&dialog);
    QSignalSpy stateAsked(&dialog, &ConnectAP::checkWlanState);
    dialog.show();
    dialog.setWlanNetworksData({ wpa2("A") });
    view.password->setText(QStringLiteral("secret"));
    QTest::mouseClick(view.button, Qt::LeftButton);
    // While connecting, activating the window does not ask for the adapter's state.
    stateAsked.clear();
    QEvent activate(QEvent::WindowActivate);
    QCoreApplication::sendEvent(&dialog, &activate);
    QCOMPARE(stateAsked.count(), 0);
    recorder.flush();
    recorder.clear();

    const auto box = answerNextBox(QStringLiteral("OK"));
    QTest::mouseClick(view.close, Qt::LeftButton);
    recorder.flush();
    QVERIFY(!dialog.isVisible());
    QCOMPARE(withoutActivation(recorder.names()), QStringList({ "cancelRequest", "connectClosed" }));

    // Not connecting: closing only says so, and activation asks for the state again.
    dialog.setAPCanceled();
    QCoreApplication::sendEvent(&dialog, &activate);
    QCOMPARE(stateAsked.count(), 1);
    dialog.show();
    recorder.clear();
    QTest::keyClick(view.password, Qt::Key_Escape);
    recorder.flush();
    QVERIFY(!dialog.isVisible());
    QCOMPARE(withoutActivation(recorder.names()), QStringList({ "connectClosed" }));
}

void TestConnectAP::undecipherableNameClearsField()
{
    writeSetting(QStringLiteral("Database"), QStringLiteral("APName"), QStringLiteral("bm90IGEgY2lwaGVy"));
    writeSetting(QStringLiteral("Database"), QStringLiteral("APPassword"),
                 TextCipher::encryptText(TextCipher::storedSecretKey, QStringLiteral("leaked")));
    ConnectAP dialog;
    View view{dialog};
    // The empty drop-down must not match the empty result of a failed decipher.
    QVERIFY(view.password->text().isEmpty());
    dialog.setWlanNetworksData({ wpa2("Alpha") });
    dialog.setWlanStateConnected(QStringLiteral("Alpha"), DOT11_CIPHER_ALGO_CCMP, true, DOT11_AUTH_ALGO_RSNA_PSK);
    view.password->setText(QStringLiteral("typed"));
    pick(view.combo, QStringLiteral("Alpha"));
    QVERIFY(view.password->text().isEmpty());
}

void TestConnectAP::savePasswordOffForgetsAtOnce()
{
    const auto stored = [](const char *key) {
        return readSetting(QStringLiteral("Database"), QLatin1String(key), QString()).toString();
    };
    writeSetting(QStringLiteral("Database"), QStringLiteral("APName"),
                 TextCipher::encryptText(TextCipher::storedSecretKey, QStringLiteral("Cafe")));
    writeSetting(QStringLiteral("Database"), QStringLiteral("APPassword"),
                 TextCipher::encryptText(TextCipher::storedSecretKey, QStringLiteral("s3cr3t")));
    ConnectAP dialog;
    View view{dialog};
    dialog.setWlanNetworksData({ wpa2("Cafe") });
    dialog.setWlanStateConnected(QStringLiteral("Cafe"), DOT11_CIPHER_ALGO_CCMP, true, DOT11_AUTH_ALGO_RSNA_PSK);
    pick(view.combo, QStringLiteral("Cafe"));
    QCOMPARE(view.password->text(), QStringLiteral("s3cr3t"));
    QVERIFY(view.savePassword->isChecked());

    // The connection has ended meanwhile; the switch still speaks for the stored password.
    dialog.setAPDisconnected();
    QVERIFY(view.savePassword->isEnabled());
    view.savePassword->click();
    QCOMPARE(stored("APName"), QString());
    QCOMPARE(stored("APPassword"), QString());
}

void TestConnectAP::hiddenDialogClosedAllowsNewConnect()
{
    ConnectAP dialog;
    View view{dialog};
    QSignalSpy handOver(&dialog, &ConnectAP::selectedProtectedHAP);
    QSignalSpy cancel(&dialog, &ConnectAP::cancelRequest);
    const QString hidden = dialogs::hiddenNetworkName();
    dialog.setWlanNetworksData({ network(hidden, true, DOT11_CIPHER_ALGO_CCMP, DOT11_AUTH_ALGO_RSNA_PSK, true) });
    view.password->setText(QStringLiteral("s3cr3t"));

    for (int round = 1; round <= 2; ++round) {
        testsupport::whenModalAppears([](QWidget *modal) { modal->close(); });
        QTest::mouseClick(view.button, Qt::LeftButton);
        QCOMPARE(handOver.count(), round);
        QCOMPARE(view.button->text(), QStringLiteral("Connect"));
        QVERIFY(view.button->isEnabled() && view.editable());
    }
    QCOMPARE(cancel.count(), 0);
}

void TestConnectAP::securedHiddenNetworkRequest()
{
    ConnectHAP dialog;
    testsupport::SignalRecorder recorder(&dialog);
    QSignalSpy secured(&dialog, &ConnectHAP::connectSecuredRequest);

    // An existing profile is never reused for a typed name.
    dialog.setSelectedProtectedHAP(dialogs::hiddenNetworkName(), DOT11_AUTH_ALGO_WPA3_SAE, DOT11_CIPHER_ALGO_CCMP,
                                   true, QStringLiteral("p@ss word"), true, true, true);
    typeAndConnect(dialog, QStringLiteral("Attic"));
    recorder.flush();

    QCOMPARE(recorder.names(), QStringList({ "currentNetwork", "connectSecuredRequest", "wlanConnectivityStatus" }));
    QCOMPARE(recorder.lastArguments("currentNetwork"), QVariantList{ QStringLiteral("Attic") });
    QCOMPARE(recorder.lastArguments("wlanConnectivityStatus"), QVariantList{ QStringLiteral("Connecting") });
    QCOMPARE(emissions(secured), QStringList{ "Attic|Attic|9|4|p@ss word|true|false|true" });
}

void TestConnectAP::openHandOverReplacesSecuredOne()
{
    ConnectHAP dialog;
    QSignalSpy secured(&dialog, &ConnectHAP::connectSecuredRequest);
    QSignalSpy open(&dialog, &ConnectHAP::connectOpenRequest);

    // A secured hand-over followed by an open one: the open network wins and needs no key.
    dialog.setSelectedProtectedHAP(dialogs::hiddenNetworkName(), DOT11_AUTH_ALGO_RSNA_PSK, DOT11_CIPHER_ALGO_CCMP,
                                   true, QStringLiteral("secret"), true, false, true);
    dialog.setSelectedOpenHAP(dialogs::hiddenNetworkName(), DOT11_AUTH_ALGO_80211_OPEN, DOT11_CIPHER_ALGO_NONE,
                              true, true, false);
    typeAndConnect(dialog, QStringLiteral("Garden"));

    QCOMPARE(secured.count(), 0);
    QCOMPARE(emissions(open), QStringList{ "Garden|Garden|1|0|true|false|false" });
}

void TestConnectAP::handOverIgnoredUnlessHiddenNetwork_data()
{
    QTest::addColumn<bool>("secured");
    QTest::addColumn<QString>("profile");
    QTest::addColumn<bool>("hiddenAP");

    QTest::newRow("secured, named network") << true << QStringLiteral("Office") << true;
    QTest::newRow("secured, not hidden") << true << dialogs::hiddenNetworkName() << false;
    QTest::newRow("open, named network") << false << QStringLiteral("Office") << true;
    QTest::newRow("open, not hidden") << false << dialogs::hiddenNetworkName() << false;
    QTest::newRow("open, other case") << false << dialogs::hiddenNetworkName().toUpper() << true;
}

void TestConnectAP::handOverIgnoredUnlessHiddenNetwork()
{
    QFETCH(bool, secured);
    QFETCH(QString, profile);
    QFETCH(bool, hiddenAP);

    ConnectHAP dialog;
    QSignalSpy securedSpy(&dialog, &ConnectHAP::connectSecuredRequest);
    QSignalSpy openSpy(&dialog, &ConnectHAP::connectOpenRequest);
    dialog.setSelectedOpenHAP(dialogs::hiddenNetworkName(), DOT11_AUTH_ALGO_80211_SHARED_KEY,
                              DOT11_CIPHER_ALGO_WEP40, true, false, true);

    if (secured)
        dialog.setSelectedProtectedHAP(profile, DOT11_AUTH_ALGO_RSNA_PSK, DOT11_CIPHER_ALGO_CCMP, true,
                                       QStringLiteral("secret"), hiddenAP, false, false);
    else
        dialog.setSelectedOpenHAP(profile, DOT11_AUTH_ALGO_OWE, DOT11_CIPHER_ALGO_CCMP, hiddenAP, false, false);
    typeAndConnect(dialog, QStringLiteral("Cellar"));

    QCOMPARE(securedSpy.count(), 0);
    QCOMPARE(emissions(openSpy), QStringList{ "Cellar|Cellar|2|1|true|false|true" });
}

void TestConnectAP::nameFieldEnablesConnect()
{
    ConnectHAP dialog;
    QVERIFY(!connectButton(dialog)->isEnabled());
    QTest::keyClick(nameField(dialog), Qt::Key_A);
    QVERIFY(connectButton(dialog)->isEnabled());
    QTest::keyClick(nameField(dialog), Qt::Key_Backspace);
    QVERIFY(!connectButton(dialog)->isEnabled());
}

void TestConnectAP::closeReportsOnlyWhenNothingStarted()
{
    ConnectHAP dialog;
    QSignalSpy closed(&dialog, &ConnectHAP::hapConnectClosed);

    dialog.show();
    typeAndConnect(dialog, QStringLiteral("Loft"));
    QVERIFY(!dialog.isVisible());
    QCOMPARE(closed.count(), 0);

    // The name stays for the next showing; closing this time starts nothing and says so once.
    dialog.show();
    QCOMPARE(nameField(dialog)->text(), QStringLiteral("Loft"));
    QVERIFY(dialog.close());
    QCOMPARE(closed.count(), 1);

    // Escape is a close like any other.
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QTest::keyClick(&dialog, Qt::Key_Escape);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(closed.count(), 2);
}

QTEST_MAIN(TestConnectAP)
#include "tst_connectap.moc"
