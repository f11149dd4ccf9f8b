#include "settings_dialog/AppSettings.h"

#include "app/settings/SettingsStore.h"
#include "core/SignalRecorder.h"
#include "ui/DialogTestKit.h"
#include "core/TestSettings.h"
#include "ui/RecordingCommandHost.h"
#include "ui/widgets/Switch.h"

#include <QComboBox>
#include <QJsonParseError>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QtTest>

#include <memory>

using testsupport::RecordingCommandHost;

// Stands in for the network worker: the signals the dialog listens to, emitted on demand.
class FakeWorker : public QObject
{
    Q_OBJECT

signals:
    void userConnectedStatus();
    void userNotConnectedStatus();
    void userIPData(QString ipData);
    void userIPUnknownData(QString unknownIPData);
    void updateAvailable(QString build, QString channel, QString info, bool autoUpdate, QString url);
    void latestVersion(QString build);
    void jsonReaderError(QJsonParseError updateError);
    void noNetConnection();
    void finished();
};

class TestAppSettings : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void switchesStoreAndSignal_data();
    void switchesStoreAndSignal();
    void trayMatrix_data();
    void trayMatrix();
    void selectorsStoreEnumValues_data();
    void selectorsStoreEnumValues();
    void storedValuesReloadAndDefaults();
    void opacitySlider();
    void fontChangeAsksRestartOnClose_data();
    void fontChangeAsksRestartOnClose();
    void resetFontAsksRestart();
    void connectionCheckOutcomes_data();
    void connectionCheckOutcomes();
    void updateCheckRestoresButton_data();
    void updateCheckRestoresButton();
    void commandFieldRules();
    void commandButtonsRunThroughHost();

private:
    AppSettings *makeDialog();
    template <typename T> T *child(const char *name) { return dialog->findChild<T *>(QLatin1String(name)); }
    Switch *sw(const char *name) { return child<Switch>(name); }

    std::shared_ptr<RecordingCommandHost> host;
    AppSettings *dialog = nullptr;
    FakeWorker *worker = nullptr;
    int restarts = 0;
};

AppSettings *TestAppSettings::makeDialog()
{
    delete dialog;
    SettingsDialogHooks hooks;
    hooks.commands = host;
    hooks.startAddressDetection = [this] { return worker = new FakeWorker; };
    hooks.startUpdateCheck = [this] { return worker = new FakeWorker; };
    hooks.restartApplication = [this] { ++restarts; };
    dialog = new AppSettings(nullptr, hooks);
    return dialog;
}

void TestAppSettings::init()
{
    testsupport::resetSettings();
    host = std::make_shared<RecordingCommandHost>();
    restarts = 0;
    makeDialog();
}

void TestAppSettings::cleanup()
{
    delete worker;
    worker = nullptr;
    delete dialog;
    dialog = nullptr;
    dialogkit::settleDeferredDeletes();
}

void TestAppSettings::switchesStoreAndSignal_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("group");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("signal"); // empty: none; the argument, when there is one, is the new state

    QTest::newRow("full info") << "showFullInfoSwitch" << "AppSettings" << "ShowFullInfo" << "showFullInfo";
    QTest::newRow("splash") << "showSplashSwitch" << "AppSettings" << "ShowSplash" << "";
    QTest::newRow("always on top") << "alwaysOnTopSwitch" << "AppSettings" << "AlwaysOnTop" << "alwaysOnTopEnabled";
    QTest::newRow("config manager") << "configManagerSwitch" << "AppSettings" << "OpenInfoWithConfigManager" << "";
    QTest::newRow("config manager, networks page") << "networkConfigManagerSwitch" << "AppSettings" << "OpenInfoWithConfigManager" << "";
    QTest::newRow("auto refresh") << "autoRefreshSwitch" << "AppSettings" << "AutoRefreshWlanNetworks" << "autoRefreshNetworks";
    QTest::newRow("notify in tray") << "notifyInTraySwitch" << "AppSettings" << "NotifyWhenInTray" << "";
    QTest::newRow("show window in tray") << "showWindowInTraySwitch" << "AppSettings" << "ShowWindowWhenInTray" << "";
    QTest::newRow("open network notification") << "openNotificationSwitch" << "AppSettings" << "NotifyWhenOpenAP" << "openAPNotificationSettings";
    QTest::newRow("get updates") << "getUpdatesSwitch" << "Updates" << "EnableUpdates" << "updatesStatusCheck";
    QTest::newRow("check at start") << "checkOnStartSwitch" << "Updates" << "CheckForUpdatesWhenAppStarts" << "";
    QTest::newRow("install automatically") << "installAutomaticallySwitch" << "Updates" << "InstallUpdatesAutomatically" << "";
    QTest::newRow("insider notification") << "insiderNotificationSwitch" << "Updates" << "GetInsiderBuildsNotification" << "";
    QTest::newRow("delete installer") << "deleteInstallerSwitch" << "Updates" << "DeleteInstaller" << "";
    QTest::newRow("install silently") << "installSilentlySwitch" << "Updates" << "InstallSilently" << "";
}

void TestAppSettings::switchesStoreAndSignal()
{
    QFETCH(QString, control);
    QFETCH(QString, group);
    QFETCH(QString, key);
    QFETCH(QString, signal);

    Switch *target = sw(control.toLatin1().constData());
    QVERIFY(target);
    testsupport::SignalRecorder recorder(dialog);
    for (int round = 0; round < 2; ++round) {
        const bool expected = !target->isChecked();
        recorder.clear();
        target->click();
        QCOMPARE(readSetting(group, key).toBool(), expected);
        QCOMPARE(recorder.names(), signal.isEmpty() ? QStringList() : QStringList{ signal });
        if (!signal.isEmpty() && !recorder.lastArguments(signal.toLatin1()).isEmpty())
            QCOMPARE(recorder.lastArguments(signal.toLatin1()), QVariantList{ expected });
    }
}

void TestAppSettings::trayMatrix_data()
{
    QTest::addColumn<QString>("control");
    // Switch states "add close minimize showWindow" as 0/1 before, after on, and enabled after on.
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("afterOn");
    QTest::addColumn<QString>("enabledOn");
    QTest::addColumn<bool>("hides"); // the dialog hides itself when the window is not shown in the tray

    QTest::newRow("add to tray") << "addToTraySwitch" << "0001" << "1001" << "1001" << false;
    QTest::newRow("add to tray, no window") << "addToTraySwitch" << "0000" << "1000" << "1001" << true;
    QTest::newRow("close to tray") << "closeToTraySwitch" << "0001" << "0100" << "0100" << false;
    QTest::newRow("minimize to tray") << "minimizeToTraySwitch" << "0001" << "0010" << "0010" << false;
}

void TestAppSettings::trayMatrix()
{
    QFETCH(QString, control);
    QFETCH(QString, before);
    QFETCH(QString, afterOn);
    QFETCH(QString, enabledOn);
    QFETCH(bool, hides);

    const char *names[] = { "addToTraySwitch", "closeToTraySwitch", "minimizeToTraySwitch", "showWindowInTraySwitch" };
    const char *keys[] = { "AddToTray", "CloseToTray", "MinimizeToTray", "ShowWindowWhenInTray" };
    for (int i = 0; i < 4; ++i)
        writeAppSetting(QLatin1String(keys[i]), before.at(i) == QLatin1Char('1'));
    makeDialog();
    // 0/1 per switch: stored (0), shown checked (1) or enabled (2).
    auto states = [&](int what) {
        QString text;
        for (int i = 0; i < 4; ++i)
            text += (what == 0 ? readAppSetting(QLatin1String(keys[i])).toBool()
                     : what == 1 ? sw(names[i])->isChecked() : sw(names[i])->isEnabled()) ? '1' : '0';
        return text;
    };
    QSignalSpy manage(dialog, &AppSettings::setManageTray);
    dialog->show();

    sw(control.toLatin1().constData())->click();
    QCOMPARE(dialog->isVisible(), !hides);
    QCOMPARE(states(1), afterOn);
    // Whatever the switches show is what the store holds: never two tray options at once.
    QCOMPARE(states(0), afterOn);
    QCOMPARE(states(2), enabledOn);
    QCOMPARE(manage.count(), 1);

    sw(control.toLatin1().constData())->click();
    QCOMPARE(states(2), QStringLiteral("1111"));
    QCOMPARE(states(0), states(1));
    QCOMPARE(manage.count(), 2);
}

void TestAppSettings::selectorsStoreEnumValues_data()
{
    QTest::addColumn<QString>("selector");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("group");
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("value");
    QTest::addColumn<QStringList>("emitted");
    // Each entry's position differs from its value, so a position stored as the value shows.

    QTest::newRow("Русский") << "languageBox" << "Русский" << "AppSettings" << "AppLanguage" << 2
                             << QStringList{ "currentLanguage", "privacyPolicyLanguage" };
    QTest::newRow("Dark") << "themeBox" << "Dark" << "AppSettings" << "AppTheme" << 2 << QStringList{ "selectedTheme" };
    QTest::newRow("Beta") << "channelBox" << "Beta" << "Updates" << "UpdatesChannel" << 2 << QStringList{ "updateChannel" };
    QTest::newRow("Dropbox") << "deliveryBox" << "Dropbox" << "Updates" << "Delivery" << 2 << QStringList();
}

void TestAppSettings::selectorsStoreEnumValues()
{
    QFETCH(QString, selector);
    QFETCH(QString, entry);
    QFETCH(QString, group);
    QFETCH(QString, key);
    QFETCH(int, value);
    QFETCH(QStringList, emitted);

    auto *box = child<QComboBox>(selector.toLatin1().constData());
    testsupport::SignalRecorder recorder(dialog);
    const int index = box->findText(entry);
    QVERIFY(index >= 0);
    box->setCurrentIndex(index);
    emit box->activated(index);

    QCOMPARE(readSetting(group, key).toInt(), value);
    QCOMPARE(recorder.names(), emitted);
    for (const QString &name : emitted)
        QCOMPARE(recorder.lastArguments(name.toLatin1()).value(0).toInt(), value);
}

void TestAppSettings::storedValuesReloadAndDefaults()
{
    writeSetting(QStringLiteral("AppSettings"), QStringLiteral("AppLanguage"), 3);
    writeSetting(QStringLiteral("Updates"), QStringLiteral("UpdatesChannel"), 0);
    writeSetting(QStringLiteral("AppSettings"), QStringLiteral("AppTheme"), 1);
    writeSetting(QStringLiteral("Updates"), QStringLiteral("Delivery"), 1);
    // Two tray options at once (an older build's store): the first one stays.
    writeAppSetting(QStringLiteral("CloseToTray"), true);
    writeAppSetting(QStringLiteral("MinimizeToTray"), true);
    makeDialog();
    QCOMPARE(readAppSetting(QStringLiteral("MinimizeToTray")).toBool(), false);
    QVERIFY(sw("closeToTraySwitch")->isChecked() && !sw("minimizeToTraySwitch")->isEnabled());
    QCOMPARE(child<QComboBox>("languageBox")->currentText(), QStringLiteral("Українська"));
    QCOMPARE(child<QComboBox>("channelBox")->currentText(), QStringLiteral("Development"));
    QCOMPARE(child<QComboBox>("themeBox")->currentText(), QStringLiteral("Gray"));
    QCOMPARE(child<QComboBox>("deliveryBox")->currentText(), QStringLiteral("OneDrive"));
    // "Set to defaults" writes the defaults, and what the selectors show as their values.
    sw("showSplashSwitch")->click();
    sw("closeToTraySwitch")->click();
    writeAppSetting(QStringLiteral("SettingsPos"), QByteArray("junk"));
    child<QPushButton>("setDefaultsButton")->click();
    QCOMPARE(readAppSetting(QStringLiteral("ShowSplash")).toBool(), true);
    QCOMPARE(readAppSetting(QStringLiteral("CloseToTray")).toBool(), false);
    QVERIFY(readAppSetting(QStringLiteral("SettingsPos")).toByteArray() != "junk");
    QVERIFY(sw("showSplashSwitch")->isChecked()); // the controls show the stored values again
    QVERIFY(sw("addToTraySwitch")->isEnabled());
    QCOMPARE(readSetting(QStringLiteral("AppSettings"), QStringLiteral("AppLanguage")).toInt(), 3);
    QCOMPARE(readSetting(QStringLiteral("Updates"), QStringLiteral("UpdatesChannel")).toInt(), 0);
    QCOMPARE(readSetting(QStringLiteral("AppSettings"), QStringLiteral("AppTheme")).toInt(), 1);
}

void TestAppSettings::opacitySlider()
{
    QSignalSpy opacity(dialog, &AppSettings::opacitySettings);
    auto *slider = child<QSlider>("opacitySlider");
    QCOMPARE(slider->value(), 10);
    slider->setValue(0);
    QCOMPARE(opacity.count(), 0);
    QCOMPARE(readSetting(QStringLiteral("AppSettings"), QStringLiteral("Opacity"), 1).toDouble(), 1.0);
    slider->setValue(7);
    QCOMPARE(opacity.count(), 1);
    QCOMPARE(opacity.takeFirst().value(0).toDouble(), 0.7);
    QCOMPARE(readSetting(QStringLiteral("AppSettings"), QStringLiteral("Opacity")).toDouble(), 0.7);
    QVERIFY(qAbs(dialog->windowOpacity() - 0.7) < 0.01); // the window system keeps 8 bits
}

void TestAppSettings::fontChangeAsksRestartOnClose_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("stays");
    QTest::addColumn<int>("restarts");
    QTest::newRow("Cancel keeps the dialog") << "Cancel" << true << 0;
    QTest::newRow("No closes") << "No" << false << 0;
    QTest::newRow("Yes restarts") << "Yes" << false << 1;
}

void TestAppSettings::fontChangeAsksRestartOnClose()
{
    QFETCH(QString, answer);
    QFETCH(bool, stays);
    QFETCH(int, restarts);

    dialog->show();
    auto *sizes = child<QComboBox>("fontSizeBox");
    QVERIFY(!child<QPushButton>("applyFontButton")->isEnabled());
    sizes->setCurrentIndex(sizes->findText(QStringLiteral("16")));
    emit sizes->activated(sizes->currentIndex());
    QCOMPARE(readSetting(QStringLiteral("Fonts"), QStringLiteral("Size")).toInt(), 16);
    QVERIFY(child<QPushButton>("applyFontButton")->isEnabled());
    QCOMPARE(child<QLabel>("previewLabel")->font().pixelSize(), 16);

    const auto seen = dialogkit::answerNextBox(answer);
    dialog->close();
    QCOMPARE(seen->text, QStringLiteral("You must restart the program to apply the selected font. Do you want to restart now?"));
    QCOMPARE(dialog->isVisible(), stays);
    QCOMPARE(this->restarts, restarts);
    QVERIFY(hasSetting(QStringLiteral("AppSettings"), QStringLiteral("SettingsPos")));
}

void TestAppSettings::resetFontAsksRestart()
{
    writeSetting(QStringLiteral("Fonts"), QStringLiteral("Family"), QStringLiteral("Roboto"));
    makeDialog();
    auto *families = child<QComboBox>("fontFamilyBox");
    QCOMPARE(families->currentText(), QStringLiteral("Roboto"));
    QVERIFY(!child<QPushButton>("resetFontButton")->isEnabled());
    families->setCurrentIndex(families->findText(QStringLiteral("Arial")));
    emit families->activated(families->currentIndex());
    QCOMPARE(readSetting(QStringLiteral("Fonts"), QStringLiteral("Family")).toString(), QStringLiteral("Arial"));
    const auto seen = dialogkit::answerNextBox(QStringLiteral("Yes"));
    child<QPushButton>("resetFontButton")->click();
    QCOMPARE(seen->text, QStringLiteral("You must restart the program to set the default font. Do you want to restart now?"));
    QCOMPARE(restarts, 1);
    QCOMPARE(families->currentText(), QStringLiteral("Segoe UI"));
    QCOMPARE(readSetting(QStringLiteral("Fonts"), QStringLiteral("Family")).toString(), QStringLiteral("Segoe UI"));
}

void TestAppSettings::connectionCheckOutcomes_data()
{
    QTest::addColumn<QString>("outcome");
    QTest::addColumn<QString>("status");
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("addressStyle");

    QTest::newRow("address found") << "ip" << "Connected" << "<b>203.0.113.7</b>" << "color: green;";
    QTest::newRow("address unknown") << "unknown" << "Not connected" << "Unknown" << "color: red;";
    QTest::newRow("no network") << "nonet" << "Not connected" << "Unknown" << "color: red;";
    QTest::newRow("worker ends without result") << "finished" << "Not connected" << "Unknown" << "color: red;";
    QTest::newRow("worker deleted") << "deleted" << "Not connected" << "Unknown" << "color: red;";
}

void TestAppSettings::connectionCheckOutcomes()
{
    QFETCH(QString, outcome);
    QFETCH(QString, status);
    QFETCH(QString, address);
    QFETCH(QString, addressStyle);

    auto *button = child<QPushButton>("checkConnectionButton");
    auto *statusLabel = child<QLabel>("statusLabel");
    auto *addressLabel = child<QLabel>("addressLabel");
    QCOMPARE(statusLabel->text(), QStringLiteral("Unknown"));
    button->click();
    QVERIFY(!button->isEnabled());
    QCOMPARE(statusLabel->text(), QStringLiteral("Checking..."));
    QCOMPARE(addressLabel->styleSheet(), QStringLiteral("color: #000000;"));

    if (outcome == "ip") {
        emit worker->userConnectedStatus();
        emit worker->userIPData(address);
    } else if (outcome == "unknown") {
        emit worker->userNotConnectedStatus();
        emit worker->userIPUnknownData(address);
    } else if (outcome == "nonet") {
        emit worker->noNetConnection();
    } else if (outcome == "finished") {
        emit worker->finished();
    } else {
        delete worker;
        worker = nullptr;
    }
    QVERIFY(button->isEnabled());
    QCOMPARE(statusLabel->text(), status);
    QCOMPARE(addressLabel->text(), address);
    QCOMPARE(addressLabel->styleSheet(), addressStyle);
    // Server text is shown as it is, never as markup.
    QCOMPARE(addressLabel->textFormat(), Qt::PlainText);
    QCOMPARE(statusLabel->textFormat(), Qt::PlainText);
}

void TestAppSettings::updateCheckRestoresButton_data()
{
    QTest::addColumn<QString>("outcome");
    QTest::addColumn<QString>("build");
    QTest::addColumn<QString>("box");
    QTest::newRow("latest") << "latest" << "2.8.8.652" << "";
    QTest::newRow("reader error") << "json" << "Not checked" << "Failed to check for the updates! Error code: 5";
    QTest::newRow("no network") << "nonet" << "Not checked"
                                << "Network connection is not available! Check your network and try again.";
    QTest::newRow("ends without result") << "finished" << "Not checked" << "";
}

void TestAppSettings::updateCheckRestoresButton()
{
    QFETCH(QString, outcome);
    QFETCH(QString, build);
    QFETCH(QString, box);

    auto *button = child<QPushButton>("checkUpdatesButton");
    button->click();
    QVERIFY(!button->isEnabled());
    QCOMPARE(child<QLabel>("buildLabel")->text(), QStringLiteral("Checking..."));
    QCOMPARE(child<QLabel>("lastCheckedLabel")->text(), QStringLiteral("Checking..."));

    const auto seen = box.isEmpty() ? std::make_shared<dialogkit::SeenBox>() : dialogkit::answerNextBox(QStringLiteral("OK"));
    if (outcome == "latest") {
        emit worker->latestVersion(build);
    } else if (outcome == "json") {
        QJsonParseError error;
        error.error = QJsonParseError::IllegalValue;
        emit worker->jsonReaderError(error);
    } else if (outcome == "nonet") {
        emit worker->noNetConnection();
    }
    emit worker->finished();
    QVERIFY(button->isEnabled());
    QCOMPARE(child<QLabel>("buildLabel")->text(), build);
    QCOMPARE(seen->text, box);
}

void TestAppSettings::commandFieldRules()
{
    auto *name = child<QLineEdit>("networkNameEdit");
    auto *password = child<QLineEdit>("networkPasswordEdit");
    auto *profile = child<QLineEdit>("profileNameEdit");
    // Enabled states as 0/1: create, start, stop, show, enable, disable, delete network; then the
    // three profile buttons.
    auto states = [this] {
        QString text;
        for (const char *button : { "createNetworkButton", "startNetworkButton", "stopNetworkButton", "showNetworkButton",
                                    "enableNetworkButton", "disableNetworkButton", "deleteNetworkButton", "showProfileKeyButton",
                                    "stopAutoConnectButton", "deleteProfileButton" })
            text += child<QPushButton>(button)->isEnabled() ? '1' : '0';
        return text;
    };
    // Enable and disable have no NetworkManager command: always off, with a tooltip saying why.
    QCOMPARE(states(), QStringLiteral("0000001000"));
    QVERIFY(!child<QPushButton>("enableNetworkButton")->toolTip().isEmpty());
    name->setText(QStringLiteral("Home"));
    QCOMPARE(states(), QStringLiteral("0000001000"));
    password->setText(QStringLiteral("secret12"));
    QCOMPARE(states(), QStringLiteral("1111001000"));
    profile->setText(QStringLiteral("Office"));
    name->clear();
    QCOMPARE(states(), QStringLiteral("0000001111"));
    profile->clear();
    QCOMPARE(states(), QStringLiteral("0000001000"));

    // "Show characters" switches the password echo.
    sw("showCharactersSwitch")->click();
    QCOMPARE(password->echoMode(), QLineEdit::Normal);
    sw("showCharactersSwitch")->click();
    QCOMPARE(password->echoMode(), QLineEdit::Password);
}

void TestAppSettings::commandButtonsRunThroughHost()
{
    // Switch off (on either page): the external console, with the page's field texts.
    sw("networkConfigManagerSwitch")->click();
    QVERIFY(!sw("configManagerSwitch")->isChecked());
    child<QLineEdit>("profileNameEdit")->setText(QStringLiteral("Office"));
    child<QPushButton>("stopAutoConnectButton")->click();
    QCOMPARE(host->externalConsoles, QStringList{ "plain|nmcli connection modify id 'Office' connection.autoconnect no" });
    child<QPushButton>("openNetworkSettingsButton")->click();
    QCOMPARE(host->networkSettingsOpened, 1);
}

QTEST_MAIN(TestAppSettings)
#include "tst_appsettings.moc"
