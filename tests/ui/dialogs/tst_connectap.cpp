#include "ui/dialogs/ConnectAP.h"

#include "DialogTestKit.h"
#include "app/settings/SettingsStore.h"
#include "core/SignalRecorder.h"
#include "core/TestSettings.h"
#include "ui/dialogs/ConnectHAP.h"
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
    explicit View(ConnectAP &dialog)
        : combo(dialog.findChild<QComboBox *>("comboBox"))
        , password(dialog.findChild<QLineEdit *>("lineEdit"))
        , button(dialog.findChild<QPushButton *>("pushButton"))
        , close(dialog.findChild<QPushButton *>("pushButton_2"))
        , showCharacters(dialog.findChild<Switch *>("showCharactersSwitch"))
        , savePassword(dialog.findChild<Switch *>("savePasswordSwitch"))
        , autoConnect(dialog.findChild<Switch *>("autoConnectSwitch"))
    {
    }
    QComboBox *combo;
    QLineEdit *password;
    QPushButton *button;
    QPushButton *close;
    Switch *showCharacters;
    Switch *savePassword;
    Switch *autoConnect;
};

QString stored(const char *key)
{
    return readSetting(QStringLiteral("Database"), QLatin1String(key), QStringLiteral("<missing>")).toString();
}

void storePassword(const QString &name, const QString &password)
{
    writeSetting(QStringLiteral("Database"), QStringLiteral("APName"),
                 TextCipher::encryptText(TextCipher::storedSecretKey, name));
    writeSetting(QStringLiteral("Database"), QStringLiteral("APPassword"),
                 TextCipher::encryptText(TextCipher::storedSecretKey, password));
}

} // namespace

class TestConnectAP : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void networkFilter_data();
    void networkFilter();
    void sameSsidListedOnce();
    void listKeepsTheNetworkOnShow();
    void passwordRuleForButton();
    void emptyPasswordIsRefused();
    void connectRequestDescribesTheEntryShown();
    void fiveStates();
    void failedCancelKeepsConnecting();
    void disconnectAskedFirst();
    void closingWhileConnectingCancelsFirst();
    void activationAsksForState();

    void savedPasswordIsEnciphered();
    void savedPasswordRestoredForItsNetworkOnly();
    void uncheckingForgetsPassword();
    void undecipherableNameClearsField();

    void hiddenNetworkHandedToDialog();
    void hiddenDialogClosedAllowsNewConnect();
    void hiddenNetworkDataAnswerForwarded();
};

void TestConnectAP::initTestCase()
{
    WirelessConnect::instance();
}

void TestConnectAP::init()
{
    testsupport::resetSettings();
}

void TestConnectAP::cleanup()
{
    // A line edit's clear-button fade outlives the field by one animation tick and then deletes
    // itself later; give it that tick so nothing is left behind when the process ends.
    QTest::qWait(60);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void TestConnectAP::networkFilter_data()
{
    QTest::addColumn<bool>("secured");
    QTest::addColumn<int>("cipher");
    QTest::addColumn<int>("auth");
    QTest::addColumn<QString>("ssid");
    QTest::addColumn<bool>("listed");

    QTest::newRow("WPA2-Personal") << true << int(DOT11_CIPHER_ALGO_CCMP) << int(DOT11_AUTH_ALGO_RSNA_PSK) << "A" << true;
    QTest::newRow("WPA-Personal") << true << int(DOT11_CIPHER_ALGO_TKIP) << int(DOT11_AUTH_ALGO_WPA_PSK) << "A" << true;
    QTest::newRow("WEP shared key") << true << int(DOT11_CIPHER_ALGO_WEP40) << int(DOT11_AUTH_ALGO_80211_SHARED_KEY) << "A" << true;
    QTest::newRow("WPA3-SAE") << true << int(DOT11_CIPHER_ALGO_CCMP) << int(DOT11_AUTH_ALGO_WPA3_SAE) << "A" << true;
    QTest::newRow("WPA3-Enterprise") << true << int(DOT11_CIPHER_ALGO_GCMP_256) << 11 << "A" << true;
    QTest::newRow("auth 12") << true << int(DOT11_CIPHER_ALGO_CCMP) << 12 << "A" << true;
    QTest::newRow("WPA2-Enterprise") << true << int(DOT11_CIPHER_ALGO_CCMP) << int(DOT11_AUTH_ALGO_RSNA) << "A" << false;
    QTest::newRow("WPA3-Enterprise 192") << true << int(DOT11_CIPHER_ALGO_GCMP_256) << 8 << "A" << false;
    QTest::newRow("OWE") << true << int(DOT11_CIPHER_ALGO_CCMP) << int(DOT11_AUTH_ALGO_OWE) << "A" << false;
    QTest::newRow("cipher none") << true << int(DOT11_CIPHER_ALGO_NONE) << int(DOT11_AUTH_ALGO_RSNA_PSK) << "A" << false;
    QTest::newRow("not secured") << false << int(DOT11_CIPHER_ALGO_CCMP) << int(DOT11_AUTH_ALGO_RSNA_PSK) << "A" << false;
    QTest::newRow("empty ssid") << true << int(DOT11_CIPHER_ALGO_CCMP) << int(DOT11_AUTH_ALGO_RSNA_PSK) << "" << false;
}

void TestConnectAP::networkFilter()
{
    QFETCH(bool, secured);
    QFETCH(int, cipher);
    QFETCH(int, auth);
    QFETCH(QString, ssid);
    QFETCH(bool, listed);

    ConnectAP dialog;
    View view(dialog);
    dialog.setWlanNetworksData({ wpa2("Before"), network(ssid, secured, cipher, auth), wpa2("After") });
    const QStringList expected = listed ? QStringList{ "Before", ssid, "After" } : QStringList{ "Before", "After" };
    QCOMPARE(entries(view.combo), expected);
}

void TestConnectAP::sameSsidListedOnce()
{
    ConnectAP dialog;
    View view(dialog);
    QSignalSpy asked(&dialog, &ConnectAP::checkAPData);
    dialog.setWlanNetworksData({ wpa2("Home"), wpa2("home"), wpa2("Home"), wpa2("Cafe") });
    QCOMPARE(entries(view.combo), QStringList({ "Home", "home", "Cafe" }));
    // A refresh replaces the list.
    dialog.setWlanNetworksData({ wpa2("Cafe") });
    QCOMPARE(entries(view.combo), QStringList({ "Cafe" }));
    QCOMPARE(asked.count(), 2);
}

void TestConnectAP::listKeepsTheNetworkOnShow()
{
    ConnectAP dialog;
    View view(dialog);
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

void TestConnectAP::passwordRuleForButton()
{
    ConnectAP dialog;
    View view(dialog);
    dialog.setWlanNetworksData({ wpa2("A") });
    QCOMPARE(view.button->text(), QStringLiteral("Connect"));
    QVERIFY(!view.button->isEnabled());
    QTest::keyClick(view.password, Qt::Key_X);
    QVERIFY(view.button->isEnabled());
    QTest::keyClick(view.password, Qt::Key_Backspace);
    QVERIFY(!view.button->isEnabled());

    // Disconnecting needs no password.
    dialog.setAPConnected(QStringLiteral("A"), DOT11_CIPHER_ALGO_CCMP, true, DOT11_AUTH_ALGO_RSNA_PSK);
    QCOMPARE(view.button->text(), QStringLiteral("Disconnect"));
    QVERIFY(view.button->isEnabled());
    view.password->setText(QStringLiteral("y"));
    view.password->clear();
    QVERIFY(view.button->isEnabled());
}

void TestConnectAP::emptyPasswordIsRefused()
{
    ConnectAP dialog;
    View view(dialog);
    testsupport::SignalRecorder recorder(&dialog);
    dialog.setWlanNetworksData({ wpa2("A") });
    recorder.flush();
    recorder.clear();

    const auto box = answerNextBox(QStringLiteral("OK"));
    QTest::keyClick(view.password, Qt::Key_Return);
    recorder.flush();
    QCOMPARE(box->shown, 1);
    QCOMPARE(box->title, QStringLiteral("Attention"));
    QCOMPARE(box->text, QStringLiteral("Enter your password to connect to this network!"));
    QVERIFY(withoutActivation(recorder.names()).isEmpty());
    QCOMPARE(dialog.connectionState(), int(ConnectAP::Initial));
}

void TestConnectAP::connectRequestDescribesTheEntryShown()
{
    ConnectAP dialog;
    View view(dialog);
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
    QCOMPARE(request.count(), 1);
    QCOMPARE(argAt<QString>(request, 0, 0), QStringLiteral("Alpha"));
    QCOMPARE(argAt<QString>(request, 0, 1), QStringLiteral("Alpha"));
    QCOMPARE(argAt<_DOT11_AUTH_ALGORITHM>(request, 0, 2), DOT11_AUTH_ALGO_RSNA_PSK);
    QCOMPARE(argAt<_DOT11_CIPHER_ALGORITHM>(request, 0, 3), DOT11_CIPHER_ALGO_CCMP);
    QCOMPARE(argAt<QString>(request, 0, 4), QStringLiteral("pa55 word"));
    QCOMPARE(argAt<bool>(request, 0, 5), false);
    QCOMPARE(argAt<bool>(request, 0, 6), false);
    QCOMPARE(argAt<bool>(request, 0, 7), true);

    QCOMPARE(view.button->text(), QStringLiteral("Cancel"));
    QVERIFY(!view.combo->isEnabled());
    QVERIFY(!view.password->isEnabled());
    QVERIFY(!view.autoConnect->isEnabled());

    // Picking the other network sends its own data.
    dialog.setConnectionFailed();
    pick(view.combo, QStringLiteral("Beta"));
    view.password->setText(QStringLiteral("other"));
    QTest::mouseClick(view.button, Qt::LeftButton);
    QCOMPARE(request.count(), 2);
    QCOMPARE(argAt<QString>(request, 1, 1), QStringLiteral("Beta"));
    QCOMPARE(argAt<_DOT11_AUTH_ALGORITHM>(request, 1, 2), DOT11_AUTH_ALGO_WPA_PSK);
    QCOMPARE(argAt<_DOT11_CIPHER_ALGORITHM>(request, 1, 3), DOT11_CIPHER_ALGO_TKIP);
}

void TestConnectAP::fiveStates()
{
    ConnectAP dialog;
    View view(dialog);
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

    dialog.setConnectionFailed();
    QCOMPARE(dialog.connectionState(), int(ConnectAP::Ended));
    QCOMPARE(view.button->text(), QStringLiteral("Connect"));
    QVERIFY(view.combo->isEnabled() && view.password->isEnabled() && view.autoConnect->isEnabled());
    QVERIFY(view.button->isEnabled());

    QTest::mouseClick(view.button, Qt::LeftButton);
    QCOMPARE(request.count(), 2);
    dialog.setAPConnected(QStringLiteral("A"), DOT11_CIPHER_ALGO_CCMP, true, DOT11_AUTH_ALGO_RSNA_PSK);
    QCOMPARE(dialog.connectionState(), int(ConnectAP::Connected));
    QCOMPARE(view.button->text(), QStringLiteral("Disconnect"));
    QVERIFY(!view.combo->isEnabled());
    QVERIFY(!view.password->isEnabled());
    QVERIFY(!view.autoConnect->isEnabled());
    QVERIFY(view.savePassword->isEnabled());

    dialog.setAPDisconnected();
    QCOMPARE(dialog.connectionState(), int(ConnectAP::NotConnected));
    QCOMPARE(view.button->text(), QStringLiteral("Connect"));
    QVERIFY(view.combo->isEnabled() && view.password->isEnabled() && view.autoConnect->isEnabled());
    QVERIFY(!view.savePassword->isEnabled());

    QTest::mouseClick(view.button, Qt::LeftButton);
    dialog.setAPCanceled();
    QCOMPARE(dialog.connectionState(), int(ConnectAP::Ended));
    QCOMPARE(view.button->text(), QStringLiteral("Connect"));
    QVERIFY(view.combo->isEnabled() && view.password->isEnabled() && view.autoConnect->isEnabled());

    // The adapter is connected elsewhere: only the state follows, the view stays.
    dialog.setWlanStateConnected(QStringLiteral("B"), DOT11_CIPHER_ALGO_CCMP, true, DOT11_AUTH_ALGO_RSNA_PSK);
    QCOMPARE(dialog.connectionState(), int(ConnectAP::Connected));
    QCOMPARE(view.button->text(), QStringLiteral("Connect"));
    // ... and connecting to the network on show is a new connection.
    QTest::mouseClick(view.button, Qt::LeftButton);
    QCOMPARE(request.count(), 4);
    dialog.setWlanStateDisconnected();
    QCOMPARE(dialog.connectionState(), int(ConnectAP::NotConnected));
    QCOMPARE(view.button->text(), QStringLiteral("Connect"));
}

void TestConnectAP::failedCancelKeepsConnecting()
{
    ConnectAP dialog;
    View view(dialog);
    QSignalSpy cancel(&dialog, &ConnectAP::cancelRequest);
    dialog.setWlanNetworksData({ wpa2("A") });
    view.password->setText(QStringLiteral("secret"));
    QTest::mouseClick(view.button, Qt::LeftButton);

    // The engine has no WLAN session here, so it refuses the cancel with "invalid handle".
    const auto box = answerNextBox(QStringLiteral("OK"));
    QTest::mouseClick(view.button, Qt::LeftButton);
    QCOMPARE(cancel.count(), 1);
    QCOMPARE(box->shown, 1);
    QCOMPARE(box->title, QStringLiteral("Error"));
    QCOMPARE(box->text, QStringLiteral("Failed to cancel the network connection!\nError code: 6"));
    QCOMPARE(dialog.connectionState(), int(ConnectAP::Connecting));
    QCOMPARE(view.button->text(), QStringLiteral("Cancel"));

    // A failure of somebody else's cancel is not this window's to report.
    const auto other = answerNextBox(QStringLiteral("OK"), 200);
    dialog.setAPCancelFailed(5);
    QTest::qWait(300);
    QCOMPARE(other->shown, 0);
}

void TestConnectAP::disconnectAskedFirst()
{
    ConnectAP dialog;
    View view(dialog);
    testsupport::SignalRecorder recorder(&dialog);
    dialog.setWlanNetworksData({ wpa2("A") });
    dialog.setAPConnected(QStringLiteral("A"), DOT11_CIPHER_ALGO_CCMP, true, DOT11_AUTH_ALGO_RSNA_PSK);
    recorder.flush();
    recorder.clear();

    auto box = answerNextBox(QStringLiteral("No"));
    QTest::mouseClick(view.button, Qt::LeftButton);
    recorder.flush();
    QCOMPARE(box->title, QStringLiteral("Question"));
    QCOMPARE(box->text, QStringLiteral("Do you want to disconnect?"));
    QVERIFY(withoutActivation(recorder.names()).isEmpty());
    QCOMPARE(dialog.connectionState(), int(ConnectAP::Connected));
    QCOMPARE(view.button->text(), QStringLiteral("Disconnect"));

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
    View view(dialog);
    testsupport::SignalRecorder recorder(&dialog);
    dialog.show();
    dialog.setWlanNetworksData({ wpa2("A") });
    view.password->setText(QStringLiteral("secret"));
    QTest::mouseClick(view.button, Qt::LeftButton);
    recorder.flush();
    recorder.clear();

    const auto box = answerNextBox(QStringLiteral("OK"));
    QTest::mouseClick(view.close, Qt::LeftButton);
    recorder.flush();
    QVERIFY(!dialog.isVisible());
    QCOMPARE(withoutActivation(recorder.names()), QStringList({ "cancelRequest", "connectClosed" }));

    // Not connecting: closing only says so.
    dialog.setAPCanceled();
    dialog.show();
    recorder.clear();
    QTest::keyClick(view.password, Qt::Key_Escape);
    recorder.flush();
    QVERIFY(!dialog.isVisible());
    QCOMPARE(withoutActivation(recorder.names()), QStringList({ "connectClosed" }));
}

void TestConnectAP::activationAsksForState()
{
    ConnectAP dialog;
    View view(dialog);
    QSignalSpy asked(&dialog, &ConnectAP::checkWlanState);
    QEvent activate(QEvent::WindowActivate);
    QCoreApplication::sendEvent(&dialog, &activate);
    QCOMPARE(asked.count(), 1);

    dialog.setWlanNetworksData({ wpa2("A") });
    view.password->setText(QStringLiteral("secret"));
    QTest::mouseClick(view.button, Qt::LeftButton);
    QCoreApplication::sendEvent(&dialog, &activate);
    QCOMPARE(asked.count(), 1);
}

void TestConnectAP::savedPasswordIsEnciphered()
{
    ConnectAP dialog;
    View view(dialog);
    dialog.setWlanNetworksData({ wpa2("Alpha"), wpa2("Beta") });
    pick(view.combo, QStringLiteral("Alpha"));
    view.password->setText(QStringLiteral("s3cr3t"));
    QTest::mouseClick(view.button, Qt::LeftButton);
    dialog.setAPConnected(QStringLiteral("Alpha"), DOT11_CIPHER_ALGO_CCMP, true, DOT11_AUTH_ALGO_RSNA_PSK);

    QVERIFY(view.savePassword->isEnabled());
    view.savePassword->click();
    QVERIFY(view.savePassword->isChecked());
    QVERIFY(view.savePassword->isEnabled());

    const QString name = stored("APName");
    const QString password = stored("APPassword");
    QVERIFY(!name.isEmpty() && name != QStringLiteral("<missing>"));
    QVERIFY(!name.contains(QStringLiteral("Alpha")));
    QVERIFY(!password.contains(QStringLiteral("s3cr3t")));
    QCOMPARE(TextCipher::decryptText(TextCipher::storedSecretKey, name), QStringLiteral("Alpha"));
    QCOMPARE(TextCipher::decryptText(TextCipher::storedSecretKey, password), QStringLiteral("s3cr3t"));
}

void TestConnectAP::savedPasswordRestoredForItsNetworkOnly()
{
    storePassword(QStringLiteral("Alpha"), QStringLiteral("s3cr3t"));
    ConnectAP dialog;
    View view(dialog);
    QVERIFY(view.password->text().isEmpty());
    dialog.setWlanNetworksData({ wpa2("Alpha"), wpa2("Beta") });
    dialog.setWlanStateConnected(QStringLiteral("Alpha"), DOT11_CIPHER_ALGO_CCMP, true, DOT11_AUTH_ALGO_RSNA_PSK);

    pick(view.combo, QStringLiteral("Alpha"));
    QCOMPARE(view.button->text(), QStringLiteral("Disconnect"));
    QVERIFY(!view.combo->isEnabled());
    QVERIFY(!view.password->isEnabled());
    QCOMPARE(view.password->text(), QStringLiteral("s3cr3t"));
    QVERIFY(view.savePassword->isChecked());
    QVERIFY(view.savePassword->isEnabled());

    // Connected to Beta instead: Alpha's password is not offered for it.
    dialog.setWlanStateConnected(QStringLiteral("Beta"), DOT11_CIPHER_ALGO_CCMP, true, DOT11_AUTH_ALGO_RSNA_PSK);
    dialog.setAPDisconnected();
    pick(view.combo, QStringLiteral("Beta"));
    QCOMPARE(view.button->text(), QStringLiteral("Disconnect"));
    QVERIFY(view.password->text().isEmpty());
}

void TestConnectAP::uncheckingForgetsPassword()
{
    storePassword(QStringLiteral("Alpha"), QStringLiteral("s3cr3t"));
    ConnectAP dialog;
    View view(dialog);
    dialog.setWlanNetworksData({ wpa2("Alpha") });
    dialog.setWlanStateConnected(QStringLiteral("Alpha"), DOT11_CIPHER_ALGO_CCMP, true, DOT11_AUTH_ALGO_RSNA_PSK);
    pick(view.combo, QStringLiteral("Alpha"));
    QVERIFY(view.savePassword->isChecked());

    view.savePassword->click();
    QCOMPARE(stored("APName"), QString());
    QCOMPARE(stored("APPassword"), QString());
    // Still connected ("Disconnect"), so the switch stays usable.
    QVERIFY(view.savePassword->isEnabled());

    // Picking another network leaves the stored keys alone.
    storePassword(QStringLiteral("Alpha"), QStringLiteral("again"));
    dialog.setWlanNetworksData({ wpa2("Alpha"), wpa2("Beta") });
    dialog.setWlanStateDisconnected();
    pick(view.combo, QStringLiteral("Beta"));
    QVERIFY(!view.savePassword->isEnabled());
    QCOMPARE(TextCipher::decryptText(TextCipher::storedSecretKey, stored("APPassword")), QStringLiteral("again"));
}

void TestConnectAP::undecipherableNameClearsField()
{
    writeSetting(QStringLiteral("Database"), QStringLiteral("APName"), QStringLiteral("bm90IGEgY2lwaGVy"));
    writeSetting(QStringLiteral("Database"), QStringLiteral("APPassword"),
                 TextCipher::encryptText(TextCipher::storedSecretKey, QStringLiteral("leaked")));
    ConnectAP dialog;
    View view(dialog);
    // The empty drop-down must not match the empty result of a failed decipher.
    QVERIFY(view.password->text().isEmpty());
    dialog.setWlanNetworksData({ wpa2("Alpha") });
    dialog.setWlanStateConnected(QStringLiteral("Alpha"), DOT11_CIPHER_ALGO_CCMP, true, DOT11_AUTH_ALGO_RSNA_PSK);
    view.password->setText(QStringLiteral("typed"));
    pick(view.combo, QStringLiteral("Alpha"));
    QVERIFY(view.password->text().isEmpty());
}

void TestConnectAP::hiddenNetworkHandedToDialog()
{
    ConnectAP dialog;
    View view(dialog);
    testsupport::SignalRecorder recorder(&dialog);
    QSignalSpy handOver(&dialog, &ConnectAP::selectedProtectedHAP);
    QSignalSpy ownRequest(&dialog, &ConnectAP::connectSecuredRequest);

    const QString hidden = dialogs::hiddenNetworkName();
    dialog.setWlanNetworksData({ wpa2("Alpha"), network(hidden, true, DOT11_CIPHER_ALGO_CCMP,
                                                         DOT11_AUTH_ALGO_WPA3_SAE, true) });
    pick(view.combo, hidden);
    view.password->setText(QStringLiteral("s3cr3t"));
    view.autoConnect->click();
    recorder.flush();
    recorder.clear();

    std::unique_ptr<QSignalSpy> hapRequest;
    testsupport::whenModalAppears([&hapRequest](QWidget *modal) {
        auto *hap = qobject_cast<ConnectHAP *>(modal);
        QVERIFY(hap);
        hapRequest = std::make_unique<QSignalSpy>(hap, &ConnectHAP::connectSecuredRequest);
        hap->findChild<QLineEdit *>("lineEdit")->setText(QStringLiteral("Attic"));
        QTest::mouseClick(hap->findChild<QPushButton *>("pushButton"), Qt::LeftButton);
    });
    QTest::mouseClick(view.button, Qt::LeftButton);
    recorder.flush();

    QCOMPARE(withoutActivation(recorder.names()),
             QStringList({ "apState", "selectedProtectedHAP", "currentNetwork", "hiddenNetwork" }));
    QCOMPARE(handOver.count(), 1);
    QCOMPARE(handOver.at(0).at(0).toString(), hidden);
    QCOMPARE(argAt<_DOT11_AUTH_ALGORITHM>(handOver, 0, 1), DOT11_AUTH_ALGO_WPA3_SAE);
    QCOMPARE(argAt<_DOT11_CIPHER_ALGORITHM>(handOver, 0, 2), DOT11_CIPHER_ALGO_CCMP);
    QCOMPARE(argAt<bool>(handOver, 0, 3), true);
    QCOMPARE(argAt<QString>(handOver, 0, 4), QStringLiteral("s3cr3t"));
    QCOMPARE(argAt<bool>(handOver, 0, 5), true);
    QCOMPARE(argAt<bool>(handOver, 0, 6), false);
    QCOMPARE(argAt<bool>(handOver, 0, 7), true);
    QCOMPARE(recorder.lastArguments("currentNetwork"), QVariantList{ QStringLiteral("Attic") });
    QCOMPARE(ownRequest.count(), 0);

    QVERIFY(hapRequest);
    QCOMPARE(hapRequest->count(), 1);
    QCOMPARE(argAt<QString>(*hapRequest, 0, 1), QStringLiteral("Attic"));
    QCOMPARE(argAt<_DOT11_AUTH_ALGORITHM>(*hapRequest, 0, 2), DOT11_AUTH_ALGO_WPA3_SAE);
    QCOMPARE(argAt<QString>(*hapRequest, 0, 4), QStringLiteral("s3cr3t"));
    QCOMPARE(argAt<bool>(*hapRequest, 0, 7), true);

    QCOMPARE(view.button->text(), QStringLiteral("Connecting"));
    QVERIFY(!view.button->isEnabled());
    QVERIFY(!view.combo->isEnabled());
    QVERIFY(!view.password->isEnabled());
    QCOMPARE(dialog.connectionState(), int(ConnectAP::Connecting));
}

void TestConnectAP::hiddenDialogClosedAllowsNewConnect()
{
    ConnectAP dialog;
    View view(dialog);
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
        QVERIFY(view.button->isEnabled());
        QVERIFY(view.combo->isEnabled() && view.password->isEnabled() && view.autoConnect->isEnabled());
    }
    QCOMPARE(cancel.count(), 0);
}

void TestConnectAP::hiddenNetworkDataAnswerForwarded()
{
    ConnectAP dialog;
    View view(dialog);
    QSignalSpy handOver(&dialog, &ConnectAP::selectedProtectedHAP);
    const QString hidden = dialogs::hiddenNetworkName();
    dialog.setWlanNetworksData({ network(hidden, true, DOT11_CIPHER_ALGO_CCMP, DOT11_AUTH_ALGO_RSNA_PSK, true) });
    view.password->setText(QStringLiteral("pw"));

    dialog.setProtectedSSIDData(hidden, true, DOT11_CIPHER_ALGO_TKIP, DOT11_AUTH_ALGO_WPA_PSK, true);
    QCOMPARE(handOver.count(), 1);
    QCOMPARE(handOver.at(0).at(0).toString(), hidden);
    QCOMPARE(argAt<_DOT11_AUTH_ALGORITHM>(handOver, 0, 1), DOT11_AUTH_ALGO_WPA_PSK);
    QCOMPARE(argAt<_DOT11_CIPHER_ALGORITHM>(handOver, 0, 2), DOT11_CIPHER_ALGO_TKIP);
    QCOMPARE(argAt<QString>(handOver, 0, 4), QStringLiteral("pw"));
    QCOMPARE(argAt<bool>(handOver, 0, 6), false);

    // Not hidden: only stored.
    dialog.setProtectedSSIDData(hidden, true, DOT11_CIPHER_ALGO_TKIP, DOT11_AUTH_ALGO_WPA_PSK, false);
    QCOMPARE(handOver.count(), 1);
}

QTEST_MAIN(TestConnectAP)
#include "tst_connectap.moc"
