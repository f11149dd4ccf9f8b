#include "ui/dialogs/ConnectHAP.h"

#include "ui/DialogTestKit.h"
#include "core/SignalRecorder.h"
#include "core/TestSettings.h"
#include "ui/dialogs/DialogSupport.h"
#include "wireless/WirelessConnect.h"

#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using dialogkit::emissions;

class TestConnectHAP : public QObject
{
    Q_OBJECT

private slots:
    // Registers the enumerations the requests carry.
    void initTestCase() { WirelessConnect::instance(); }
    void init() { testsupport::resetSettings(); }
    void cleanup() { dialogkit::settleDeferredDeletes(); }
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

void TestConnectHAP::securedHiddenNetworkRequest()
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

void TestConnectHAP::openHandOverReplacesSecuredOne()
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

void TestConnectHAP::handOverIgnoredUnlessHiddenNetwork_data()
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

void TestConnectHAP::handOverIgnoredUnlessHiddenNetwork()
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

void TestConnectHAP::nameFieldEnablesConnect()
{
    ConnectHAP dialog;
    QVERIFY(!connectButton(dialog)->isEnabled());
    QTest::keyClick(nameField(dialog), Qt::Key_A);
    QVERIFY(connectButton(dialog)->isEnabled());
    QTest::keyClick(nameField(dialog), Qt::Key_Backspace);
    QVERIFY(!connectButton(dialog)->isEnabled());
}

void TestConnectHAP::closeReportsOnlyWhenNothingStarted()
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

QTEST_MAIN(TestConnectHAP)
#include "tst_connecthap.moc"
