// The settings dialog with its workers replaced by signals on demand, and the consoles its command
// pages open: the command catalogues, the launcher's decisions and the console window that runs
// them against real child processes of /bin/sh.

#include "settings_dialog/AppSettings.h"

#include "app/settings/SettingsStore.h"
#include "console/CommandCatalogue.h"
#include "console/CommandLauncher.h"
#include "console/ConfigManager.h"
#include "core/SignalRecorder.h"
#include "core/TestSettings.h"
#include "ui/DialogTestKit.h"
#include "ui/RecordingCommandHost.h"
#include "ui/widgets/Switch.h"

#include <QComboBox>
#include <QFile>
#include <QJsonParseError>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QSlider>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCodec>
#include <QWidget>
#include <QtTest>

#include <memory>

using testsupport::RecordingCommandHost;
using Form = CommandCatalogue::Form;

namespace {

const CommandFields Typed { QStringLiteral("Home Net"), QStringLiteral("p@ss word"), QStringLiteral("Office 5G") };

} // namespace

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
    void initTestCase();
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

    // The command catalogues, the launcher's decisions and the console window that runs them.
    void netshCommandTexts();
    void unsafeFieldsRefused_data();
    void unsafeFieldsRefused();
    void shellFieldsCannotEscapeTheirQuotes();
    void decisionSteps_data();
    void decisionSteps();

    // The console window against real child processes of /bin/sh.
    void piecesBecomeParagraphsAndExitCodeIsReported();
    void results_data();
    void results();
    void closingEndsTheCommandAndItsChildren_data();
    void closingEndsTheCommandAndItsChildren();

private:
    AppSettings *makeDialog();
    template <typename T> T *child(const char *name) { return dialog->findChild<T *>(QLatin1String(name)); }
    Switch *sw(const char *name) { return child<Switch>(name); }

    std::shared_ptr<RecordingCommandHost> host;
    AppSettings *dialog = nullptr;
    FakeWorker *worker = nullptr;
    int restarts = 0;
    QWidget parent;  // of the console windows
    static QStringList paragraphs(ConfigManager &window);
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

void TestAppSettings::initTestCase()
{
    // The console decodes with the locale's codec; the test machine's locale may be plain C.
    QTextCodec::setCodecForLocale(QTextCodec::codecForName("UTF-8"));
}

void TestAppSettings::cleanup()
{
    // Console windows delete themselves later; end their commands now.
    for (ConfigManager *window : parent.findChildren<ConfigManager *>())
        delete window;
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

void TestAppSettings::netshCommandTexts()
{
    // "command|admin|confirmation" of the rows that take the typed fields, one of them asking first;
    // the command texts are what Windows is handed.
    const QStringList expected{
        "netsh wlan set hostednetwork mode=allow ssid=\"Home Net\" key=\"p@ss word\"|1|",
        "netsh wlan stop hostednetwork|0|",
        "netsh wlan set hostednetwork mode=disallow ssid=\"Home Net\"|1|Do you want to delete this hosted network profile?",
        "netsh wlan show profile name=\"Office 5G\" key=clear|0|",
        "netsh wlan delete profile name=\"Office 5G\"|0|Do you want to delete this network profile?"};
    const CommandCatalogue &netsh = CommandCatalogue::netsh();
    QStringList console, external;
    for (int row : {1, 3, 7, 12, 14}) {
        const QString tail = QStringLiteral("|%1|").arg(int(netsh.command(row).admin)) + netsh.confirmationText(row);
        console << netsh.build(row, Form::Console, Typed).text.mid(3) + tail;
        external << netsh.build(row, Form::External, Typed).text + tail;
    }
    QCOMPARE(console, expected);
    QCOMPARE(external, QStringList(expected).replaceInStrings(QRegularExpression("^"), "/K "));
    QVERIFY(netsh.build(1, Form::Console, Typed).text.startsWith(QLatin1String("/C ")));
}

void TestAppSettings::unsafeFieldsRefused_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("quote and ampersands") << QStringLiteral("x\" & touch /tmp/pwned & \"");
    QTest::newRow("variable") << QStringLiteral("%PATH%");
    QTest::newRow("caret") << QStringLiteral("a^b");
    QTest::newRow("line break") << QStringLiteral("first\ntouch /tmp/pwned");
    QTest::newRow("delayed expansion") << QStringLiteral("a!b!");
    QTest::newRow("pipe") << QStringLiteral("a|b");
    QTest::newRow("redirection") << QStringLiteral("a>b");
    QTest::newRow("tab") << QStringLiteral("a\tb");
}

void TestAppSettings::unsafeFieldsRefused()
{
    QFETCH(QString, text);
    QFile::remove(QStringLiteral("/tmp/pwned"));

    // In both catalogues: the rows taking the network name (1, 7) or the password (1) build nothing.
    for (const CommandCatalogue *catalogue : { &CommandCatalogue::netsh(), &CommandCatalogue::nmcli() }) {
        QVERIFY(catalogue->build(1, Form::Console, { text, QStringLiteral("pw"), QString() }).refused);
        QVERIFY(catalogue->build(1, Form::External, { QStringLiteral("n"), text, QString() }).text.isEmpty());
        QVERIFY(catalogue->build(7, Form::Console, { text, QString(), QString() }).refused);
    }

    // Through the launcher, elevated, switch on: an error box and nothing runs.
    RecordingCommandHost host;
    host.elevated = true;
    CommandLauncher launcher(CommandCatalogue::system(), host);
    const auto seen = dialogkit::answerNextBox(QStringLiteral("OK"));
    CommandFields fields = Typed;
    fields.profileName = text;
    QCOMPARE(launcher.run(12, fields, true, false, &parent), CommandLauncher::Outcome::Refused);
    QCOMPARE(seen->title, QStringLiteral("Error"));
    QVERIFY(seen->text.contains(QStringLiteral("network profile")));
    QVERIFY(host.externalConsoles.isEmpty());
    QVERIFY(parent.findChildren<ConfigManager *>().isEmpty());
    QVERIFY(!QFile::exists(QStringLiteral("/tmp/pwned")));
}

void TestAppSettings::shellFieldsCannotEscapeTheirQuotes()
{
    // Characters a shell would act on are allowed in names and stay literal inside their quotes.
    QTemporaryDir dir;
    const QString marker = dir.filePath(QStringLiteral("marker"));
    CommandFields fields = Typed;
    fields.profileName = QStringLiteral("it's $(touch %1) `touch %1`").arg(marker);
    const QString text = CommandCatalogue::nmcli().build(12, Form::Console, fields).text;
    QCOMPARE(text, QStringLiteral("nmcli --show-secrets connection show id 'it'\\''s $(touch %1) `touch %1`'").arg(marker));

    ConfigManager window(nullptr);
    QSignalSpy failed(&window, &ConfigManager::commandFailed);
    QSignalSpy succeeded(&window, &ConfigManager::commandSucceeded);
    // The same quoting around echo shows what the shell received.
    window.runCommand({ QStringLiteral("echo ") + text.mid(QStringLiteral("nmcli --show-secrets connection show id ").size()) });
    QTRY_COMPARE(failed.count() + succeeded.count(), 1);
    QCOMPARE(window.outputView()->toPlainText(), fields.profileName);
    QVERIFY(!QFile::exists(marker));
}

void TestAppSettings::decisionSteps_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<bool>("configManager");
    QTest::addColumn<bool>("elevated");
    QTest::addColumn<QString>("answer");   // pressed in the one box expected, empty: no box
    QTest::addColumn<QString>("boxTitle");
    QTest::addColumn<QString>("external"); // "plain" or "elevated" console asked for, empty: none
    QTest::addColumn<bool>("window");      // the console window runs the row

    QTest::newRow("delete network No, switch on") << 7 << true << true << "No" << "Warning" << "" << false;
    QTest::newRow("delete network No, switch off") << 7 << false << true << "No" << "Warning" << "" << false;
    QTest::newRow("delete profile No, switch on") << 14 << true << true << "No" << "Warning" << "" << false;
    QTest::newRow("delete profile No, switch off") << 14 << false << false << "No" << "Warning" << "" << false;
    QTest::newRow("delete profile Yes, switch off") << 14 << false << false << "Yes" << "Warning" << "plain" << false;
    QTest::newRow("admin, not elevated, No") << 2 << true << false << "No" << "Attention" << "" << false;
    QTest::newRow("admin, not elevated, Yes") << 2 << true << false << "Yes" << "Attention" << "elevated" << false;
    QTest::newRow("admin, elevated") << 1 << true << true << "" << "" << "" << true;
    QTest::newRow("no admin, not elevated") << 11 << true << false << "" << "" << "" << true;
    QTest::newRow("switch off, no admin") << 11 << false << true << "" << "" << "plain" << false;
    QTest::newRow("switch off, admin") << 2 << false << false << "" << "" << "elevated" << false;
}

void TestAppSettings::decisionSteps()
{
    QFETCH(int, row);
    QFETCH(bool, configManager);
    QFETCH(bool, elevated);
    QFETCH(QString, answer);
    QFETCH(QString, boxTitle);
    QFETCH(QString, external);
    QFETCH(bool, window);

    RecordingCommandHost host;
    host.elevated = elevated;
    CommandLauncher launcher(CommandCatalogue::system(), host);
    const auto seen = answer.isEmpty() ? std::make_shared<dialogkit::SeenBox>() : dialogkit::answerNextBox(answer);
    launcher.run(row, Typed, configManager, false, &parent);

    QCOMPARE(seen->title, boxTitle);
    if (boxTitle == QLatin1String("Attention"))
        QCOMPARE(seen->text, QStringLiteral("You need the admin privileges to use this feature with Config Manager!\n"
                                            "Do you want to run this command in console?"));
    else if (!boxTitle.isEmpty())
        QCOMPARE(seen->text, CommandCatalogue::system().confirmationText(row));
    const QString externalText = CommandCatalogue::system().build(row, Form::External, Typed).text;
    QCOMPARE(host.externalConsoles, external.isEmpty() ? QStringList() : QStringList{ external + '|' + externalText });

    ConfigManager *console = launcher.lastConsole();
    QCOMPARE(console != nullptr, window);
    if (console) {
        QCOMPARE(console->parent(), &parent);
        QCOMPARE(console->windowModality(), Qt::ApplicationModal);
        // The test host's interpreter is echo: the window shows the console form it was given.
        QCOMPARE(console->commandLine(), CommandCatalogue::system().build(row, Form::Console, Typed).text);
        QTRY_COMPARE(console->outputView()->toPlainText(), "-c " + console->commandLine());
    }
}

QStringList TestAppSettings::paragraphs(ConfigManager &window)
{
    QStringList texts;
    for (QTextBlock block = window.outputView()->document()->begin(); block.isValid(); block = block.next())
        texts << block.text();
    return texts;
}

// printf argument that writes these bytes, so the command line itself stays ASCII.
static QString octal(const QByteArray &bytes)
{
    QString text;
    for (unsigned char byte : bytes)
        text += byte < 0x80 && byte != '\\' && byte != '\'' && byte != '%' ? QString(QChar(byte))
                                                                          : QStringLiteral("\\%1").arg(byte, 3, 8, QLatin1Char('0'));
    return text;
}

void TestAppSettings::piecesBecomeParagraphsAndExitCodeIsReported()
{
    // "Привет" plus the first byte of "м", then the rest of "мир": the character split between
    // two reads must come out whole. Markup in the output stays text.
    const QByteArray first = QStringLiteral("Привет").toUtf8() + QStringLiteral("м").toUtf8().left(1);
    const QByteArray second = QStringLiteral("м").toUtf8().mid(1) + QStringLiteral("ир\n").toUtf8();
    const QByteArray third = QStringLiteral("<b>конец</b>\n").toUtf8();
    const QString command = QStringLiteral("printf '%1'; sleep 0.3; printf '%2'; sleep 0.3; printf '%3'; exit 3")
                                .arg(octal(first), octal(second), octal(third));

    ConfigManager window;
    QSignalSpy failed(&window, &ConfigManager::commandFailed);
    window.runCommand({ command });

    QVERIFY(failed.wait(5000));
    QCOMPARE(failed.takeFirst(), QVariantList{ 3 });
    QCOMPARE(paragraphs(window), QStringList({ QStringLiteral("Привет"), QStringLiteral("мир"),
                                               QStringLiteral("<b>конец</b>") }));
    QCOMPARE(window.outputView()->textCursor().position(), 0);
}

void TestAppSettings::results_data()
{
    QTest::addColumn<QString>("interpreter");
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("result");
    QTest::newRow("exit 0") << "/bin/sh" << "true" << "succeeded";
    QTest::newRow("exit 5") << "/bin/sh" << "exit 5" << "failed 5";
    QTest::newRow("killed") << "/bin/sh" << "kill -9 $$" << "failed -2";
    // The window says why instead of staying empty.
    QTest::newRow("cannot start") << "/nonexistent/interpreter" << "true" << "failed -1";
}

void TestAppSettings::results()
{
    QFETCH(QString, interpreter);
    QFETCH(QString, command);
    QFETCH(QString, result);
    ConfigManager window(nullptr, interpreter);
    QStringList seen;
    connect(&window, &ConfigManager::commandSucceeded, this, [&] { seen << QStringLiteral("succeeded"); });
    connect(&window, &ConfigManager::commandFailed, this, [&](int code) { seen << QStringLiteral("failed %1").arg(code); });
    window.runCommand({ command });
    QTRY_COMPARE(seen, QStringList{ result });
    QCOMPARE(window.outputView()->toPlainText().startsWith(QStringLiteral("The command could not be started")),
             result == QLatin1String("failed -1"));
}

void TestAppSettings::closingEndsTheCommandAndItsChildren_data()
{
    QTest::addColumn<bool>("escape");
    QTest::newRow("window closed") << false;
    QTest::newRow("Escape") << true;
}

static bool processGone(const QString &pid)
{
    // A child of the shell is re-parented when the shell dies; a zombie waiting for its new parent
    // has ended too.
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return true;
    const QByteArray line = stat.readAll();
    const int end = line.lastIndexOf(')');
    return end > 0 && line.mid(end + 2, 1) == "Z";
}

void TestAppSettings::closingEndsTheCommandAndItsChildren()
{
    QFETCH(bool, escape);
    auto *window = new ConfigManager;
    QPointer<ConfigManager> alive(window);
    window->runCommand({ QStringLiteral("echo $$; sleep 30 & echo $!; wait") });
    window->show();
    QTRY_COMPARE_WITH_TIMEOUT(window->outputView()->toPlainText().split(QLatin1Char('\n')).size(), 2, 5000);
    const QStringList pids = window->outputView()->toPlainText().split(QLatin1Char('\n'));
    QVERIFY(!processGone(pids.at(0)));
    QVERIFY(!processGone(pids.at(1)));

    QElapsedTimer clock;
    clock.start();
    if (escape)
        QTest::keyClick(window, Qt::Key_Escape);
    else
        window->close();
    QTRY_VERIFY_WITH_TIMEOUT(processGone(pids.at(0)) && processGone(pids.at(1)), 1000);
    QVERIFY(clock.elapsed() < 1000);
    // The window deletes itself when closed.
    QTRY_VERIFY(alive.isNull());
}

QTEST_MAIN(TestAppSettings)
#include "tst_appsettings.moc"
