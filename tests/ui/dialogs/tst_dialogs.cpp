// The windows on their own, the engine replaced by the signals they send: first the log view; the
// log window and the feedback window with the network worker's uploads to a real FTP server; the
// password window, the
// hidden-network window, the open-network notification, and the About window with its license
// viewer; the program's own widgets: the message box, window rules, the switch, clickable labels
// and frames, the scroll bar and the loader; last the main window's chrome (tray, menus, windows it
// owns, geometry) on a stand-in window, and the Hostlens launcher of its menu.

#include "ui/dialogs/About.h"
#include "ui/dialogs/ConnectAP.h"
#include "ui/dialogs/ConnectHAP.h"
#include "ui/dialogs/LicenseAgreement.h"
#include "ui/dialogs/NotifyAP.h"
#include "ui/main/HostlensLauncher.h"
#include "ui/main/MainWindowChrome.h"
#include "ui/main/AppTray.h"
#include "ui/main/WindowPersistence.h"

#include "app/appearance/Translations.h"
#include "app/startup/TranslationResources.h"
#include "core/FtpTestServer.h"
#include "feedback/Feedback.h"
#include "log/Log.h"
#include "log/LogView.h"
#include "net/FtpUploadJob.h"
#include "net/NetworkManager.h"
#include "app/settings/SettingsEnums.h"
#include "settings_dialog/AppSettings.h"
#include "console/CommandCatalogue.h"
#include "console/CommandLauncher.h"
#include "console/ConfigManager.h"
#include "ui/RecordingCommandHost.h"
#include "app/settings/SettingsStore.h"
#include "core/SignalRecorder.h"
#include "core/TestSettings.h"
#include "ui/DialogTestKit.h"
#include "ui/ModalAnswer.h"
#include "ui/dialogs/DialogSupport.h"
#include "ui/widgets/Animator.h"
#include "ui/widgets/AppQFrame.h"
#include "ui/widgets/AppQLabel.h"
#include "ui/widgets/LoaderWidget.h"
#include "ui/widgets/MsgDialog.h"
#include "ui/widgets/ScrollBar.h"
#include "ui/widgets/Switch.h"
#include "ui/widgets/WindowRules.h"
#include "util/TextCipher.h"
#include "wireless/WirelessConnect.h"

#include <QAction>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QDialog>
#include <QDir>
#include <QHoverEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTextBrowser>
#include <QAbstractButton>
#include <QCloseEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QMainWindow>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolBar>
#include <QCheckBox>
#include <QMutex>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTextBlock>
#include <QTextCodec>
#include <QTranslator>
#include <QVBoxLayout>
#include <QFile>
#include <QJsonParseError>
#include <QKeyEvent>
#include <QRegularExpression>
#include <QSlider>
#include <QWidget>
#include <QScrollArea>
#include <QtTest>

#include <memory>
#include <thread>

using namespace dialogkit;
using testsupport::RecordingCommandHost;
using Form = CommandCatalogue::Form;
using testsupport::FtpTestServer;

namespace {

// The windows with their parts at hand.
struct PasswordWindow : ConnectAP
{
    QComboBox *combo = findChild<QComboBox *>("comboBox");
    QLineEdit *password = findChild<QLineEdit *>("lineEdit");
    QPushButton *button = findChild<QPushButton *>("pushButton");
    QPushButton *closeButton = findChild<QPushButton *>("pushButton_2");
    Switch *savePassword = findChild<Switch *>("savePasswordSwitch");
    Switch *autoConnect = findChild<Switch *>("autoConnectSwitch");

    // Whether the drop-down, the password and the auto-connect switch take input.
    bool editable() const { return combo->isEnabled() && password->isEnabled() && autoConnect->isEnabled(); }
    bool locked() const { return !combo->isEnabled() && !password->isEnabled() && !autoConnect->isEnabled(); }
};

struct NotifyWindow : NotifyAP
{
    QComboBox *combo = findChild<QComboBox *>("comboBox");
    QLabel *signal = findChild<QLabel *>("signalValue");
    QPushButton *connectButton = findChild<QPushButton *>("connectButton");
    QPushButton *remind = findChild<QPushButton *>("remindButton");
    QPushButton *closeButton = findChild<QPushButton *>("closeButton");
    QPushButton *ok = findChild<QPushButton *>("okButton");
    QLabel *timerLabel = findChild<QLabel *>("timerLabel");
    QDateTimeEdit *moment = findChild<QDateTimeEdit *>("dateTimeEdit");
    Switch *doNotShow = findChild<Switch *>("doNotShowSwitch");

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

QString states(const QSignalSpy &spy)
{
    QStringList out;
    for (const QList<QVariant> &args : spy)
        out << args.at(0).toString();
    return out.join(QLatin1Char(' '));
}

class Probe : public QWidget
{
public:
    int updates = 0;

protected:
    bool event(QEvent *event) override
    {
        if (event->type() == QEvent::StyleAnimationUpdate)
            ++updates;
        return QWidget::event(event);
    }
};

void hover(QWidget *widget, QEvent::Type type)
{
    QHoverEvent event(type, QPointF(2, 2), QPointF(-1, -1));
    QCoreApplication::sendEvent(widget, &event);
}

// Debug output of every thread, kept from the first call on.
inline QString debugOutput()
{
    static QMutex mutex;
    static QString text;
    static const bool installed = (qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &line) {
        QMutexLocker lock(&mutex);
        text += line + '\n';
    }), true);
    Q_UNUSED(installed)
    QMutexLocker lock(&mutex);
    return text;
}

inline QByteArray bytesOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline QString writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() ? path : QString();
}

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

// A main window that hands its close and state events to the chrome, as the program's does.
class Shell : public QMainWindow
{
public:
    Shell()
    {
        toolbar = new QToolBar(this);
        addToolBar(Qt::LeftToolBarArea, toolbar);
        chrome = new MainWindowChrome(this, toolbar);
        resize(400, 300);
    }
    QToolBar *toolbar;
    MainWindowChrome *chrome;
    int closesAccepted = 0;

protected:
    void closeEvent(QCloseEvent *event) override
    {
        chrome->handleClose(event);
        closesAccepted += event->isAccepted() ? 1 : 0;
    }
    void changeEvent(QEvent *event) override
    {
        if (event->type() == QEvent::WindowStateChange)
            chrome->handleWindowStateChange(static_cast<QWindowStateChangeEvent *>(event)->oldState());
        QMainWindow::changeEvent(event);
    }
};

class TestDialogs : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        WirelessConnect::instance();
        initTranslationResources();
        // The console decodes with the locale's codec; the test machine's locale may be plain C.
        QTextCodec::setCodecForLocale(QTextCodec::codecForName("UTF-8"));
    }
    void init()
    {
        testsupport::resetSettings();
        QLocale::setDefault(QLocale::c());
        QDir(folder()).removeRecursively();
        QDir(feedbackFolder()).removeRecursively();
        QDir().mkpath(folder());
        if (LogView::exists())
            LogView::view()->clear();
        if (QByteArray(QTest::currentTestFunction()).startsWith("settings_")) {
            host = std::make_shared<RecordingCommandHost>();
            restarts = 0;
            makeDialog();
        }
    }
    void cleanup();

    // The log view on its own; first, while no window exists yet.
    void appendBeforeAnyWindowCreatesTheView();
    void eachLineIsAParagraphOfPlainText();
    void lineFormat_data();
    void lineFormat();
    void survivesAdoptionAndItsEnd();
    void fromAnotherThread();

    void initialButtons_data();
    void initialButtons();
    void deleteLadder_data();
    void deleteLadder();
    void sendUploadsAndRemovesOnlyThatFile();
    void failedSendKeepsEverything_data();
    void failedSendKeepsEverything();
    void viewOutlivesTheWindow();

    // The feedback window and the upload operations of the network worker.
    void attachmentLimit_data();
    void attachmentLimit();
    void fileContents_data();
    void fileContents();
    void sendWithAttachments();
    void workerFirstRecordAndInstallerArea();
    void workerServerStoppedMidTransfer();

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


    // The open-network notification.
    void refreshReplacesTheList();
    void remindLaterToggles();
    void pastMomentRefused();
    void reminderText();
    void doNotShowAgain();
    void connectedStateAndDisconnect();
    void hiddenOpenNetworkGoesThroughDialog();
    void closingReportsAndCancelsWhileConnecting();

    // The About window and the license viewer.
    void rowsAndPrivacyLink_data();
    void rowsAndPrivacyLink();
    void contextMenuInOrder();
    void missingWindowsAreSaidSo();
    void licenseResourceFallsBackToEnglish();
    void everyLicenseFileDecodes();
    void unreadableLicenseFileGivesNoText();
    void eulaLinkShowsInsiderUkrainianText();

    // The program's own widgets.
    void returnPressesNothing();
    void clickedButtonEndsWithItsValue();
    void closeValue_data();
    void closeValue();
    void fitSize_data();
    void fitSize();
    void topMostKeepsTheWindowShown();
    void windowRulesFromSettings();
    void switchTogglesAndReports();
    void setCheckedOnCheckedSwitchDoesNothing();
    void switchDestroyedWhileAnimating();
    void labelAndFrameHandOutMouseEvents();
    void scrollBarWidensWhileHovered();
    void loaderStartAndStop();

    // The settings dialog (settings_*) with its workers replaced by signals on demand.
    void settings_switchesStoreAndSignal_data();
    void settings_switchesStoreAndSignal();
    void settings_trayMatrix_data();
    void settings_trayMatrix();
    void settings_selectorsStoreEnumValues_data();
    void settings_selectorsStoreEnumValues();
    void settings_storedValuesReloadAndDefaults();
    void settings_opacitySlider();
    void settings_pagesAreNeverNarrowerThanTheirContent();
    void settings_fontChangeAsksRestartOnClose_data();
    void settings_fontChangeAsksRestartOnClose();
    void settings_resetFontAsksRestart();
    void settings_connectionCheckOutcomes_data();
    void settings_connectionCheckOutcomes();
    void settings_updateCheckRestoresButton_data();
    void settings_updateCheckRestoresButton();
    void settings_commandFieldRules();
    void settings_commandButtonsRunThroughHost();

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

    // The main window's chrome and the Hostlens launcher; last, as they end event loops.
    void trayMatrix_data();
    void trayMatrix();
    void exitEndsTheEventLoopWithCloseToTray();
    void logWindowOwnedByTheMainWindow();
    void missingWindowsAreDisabled();
    void opacityReachesOpenDialogs();
    void geometryFirstStartStoredAndDamaged();


    // The Hostlens launcher of the main window's menu.
    void installedCopyOpensWithoutQuestions();
    void threeFileDialogsThenThePurchaseHint();
    void fileChosenOnTheSecondTry_data();
    void fileChosenOnTheSecondTry();
    void infoPageFailureIsReported();

private:
    static QLineEdit *nameField(ConnectHAP &dialog) { return dialog.findChild<QLineEdit *>("lineEdit"); }
    static QPushButton *connectButton(ConnectHAP &dialog) { return dialog.findChild<QPushButton *>("pushButton"); }
    static void typeAndConnect(ConnectHAP &dialog, const QString &name)
    {
        nameField(dialog)->setText(name);
        QTest::mouseClick(connectButton(dialog), Qt::LeftButton);
    }
    static QString value(About &about, const char *row)
    {
        return about.findChild<QLabel *>(QString::fromLatin1(row) + QStringLiteral("Value"))->text();
    }
    AppSettings *makeDialog();
    template <typename T> T *child(const char *name) { return settings->findChild<T *>(QLatin1String(name)); }
    Switch *sw(const char *name) { return child<Switch>(name); }

    std::shared_ptr<RecordingCommandHost> host;
    AppSettings *settings = nullptr;
    FakeWorker *worker = nullptr;
    int restarts = 0;
    std::unique_ptr<QWidget> parent;  // of the console windows, made by the console cases
    QWidget *consoles()
    {
        if (!parent)
            parent = std::make_unique<QWidget>();
        return parent.get();
    }
    static QStringList paragraphs(ConfigManager &window);
    // "1" per enabled button: Save, Save as, Open, Clear, Delete, Send, Close.
    static QString buttons(Log &window)
    {
        QString states;
        for (const char *name : {"Save", "SaveAs", "Open", "Clear", "Delete", "Send", "Close"})
            states += press(window, name, false)->isEnabled() ? '1' : '0';
        return states;
    }
    static QPushButton *press(Log &window, const char *name, bool click = true)
    {
        auto *button = window.findChild<QPushButton *>(QStringLiteral("pushButton") + name);
        if (click)
            button->click();
        return button;
    }
    static QString logPath() { return readAppSetting(QStringLiteral("LogPath")).toString(); }
    static QString folder() { return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) + "/Log"; }
    QString file(const QString &name, qint64 size)
    {
        QFile made(files.filePath(name));
        return made.open(QIODevice::WriteOnly) && made.resize(size) ? made.fileName() : QString();
    }
    static void fill(Feedback *window, const QString &type, int rate, const QString &message,
                     const QString &email = QString())
    {
        window->findChild<QRadioButton *>(type)->click();
        if (rate)
            window->findChild<QRadioButton *>(QStringLiteral("radioButtonRate%1").arg(rate))->click();
        window->findChild<QPlainTextEdit *>()->setPlainText(message);
        window->findChild<QCheckBox *>()->setChecked(!email.isNull());
        window->findChild<QLineEdit *>()->setText(email);
    }
    static void send(Feedback *window) { window->findChild<QPushButton *>("pushButtonSend")->click(); }
    static FtpData record(const QString &path)
    {
        return FtpData{QFileInfo(path).path(), path, "Airvane Lite", "log", true, true, false};
    }
    static QString feedbackFolder() { return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) + "/Feedback"; }

    QTemporaryDir files;
    // The program's event loop; 7 when nothing ended it within five seconds.
    static int runEventLoop()
    {
        QTimer giveUp;
        giveUp.setSingleShot(true);
        connect(&giveUp, &QTimer::timeout, [] { QCoreApplication::exit(7); });
        giveUp.start(5000);
        return QCoreApplication::exec();
    }

    // The five tray options, one bit each in this order.
    static constexpr const char *options[] = {"AddToTray", "MinimizeToTray", "CloseToTray", "NotifyWhenInTray",
                                              "ShowWindowWhenInTray"};
    static void storeOptions(int bits)
    {
        for (int i = 0; i < 5; ++i)
            writeAppSetting(QLatin1String(options[i]), bool(bits & (1 << i)));
    }

    QTemporaryDir dir;
    QList<QUrl> opened;
    // An empty file standing for the program.
    QString program()
    {
        QFile file(dir.filePath(QStringLiteral("HostlensHome.exe")));
        return file.open(QIODevice::WriteOnly) ? file.fileName() : QString();
    }
    HostlensLauncher::UrlOpener recordingOpener(bool result)
    {
        return [this, result](const QUrl &url) {
            opened << url;
            return result;
        };
    }
};

// Only networks this window can connect with a password are offered, each name once; a refresh
// replaces the list.
void TestDialogs::networkFilter()
{
    PasswordWindow dialog;
    dialog.setWlanNetworksData({ wpa2("WPA2"), network("WEP", true, DOT11_CIPHER_ALGO_WEP40, DOT11_AUTH_ALGO_80211_SHARED_KEY),
                                 network("SAE", true, DOT11_CIPHER_ALGO_CCMP, DOT11_AUTH_ALGO_WPA3_SAE),
                                 network("Enterprise", true, DOT11_CIPHER_ALGO_CCMP, DOT11_AUTH_ALGO_RSNA),
                                 network("OWE", true, DOT11_CIPHER_ALGO_CCMP, DOT11_AUTH_ALGO_OWE),
                                 network("No cipher", true, DOT11_CIPHER_ALGO_NONE, DOT11_AUTH_ALGO_RSNA_PSK),
                                 open("Open"), wpa2(QString()), wpa2("WPA2"), wpa2("wpa2") });
    QCOMPARE(entries(dialog.combo), QStringList({ "WPA2", "WEP", "SAE", "wpa2" }));
    dialog.setWlanNetworksData({ wpa2("Cafe") });
    QCOMPARE(entries(dialog.combo), QStringList{ "Cafe" });
}

void TestDialogs::listKeepsTheNetworkOnShow()
{
    PasswordWindow dialog;
    QSignalSpy asked(&dialog, &ConnectAP::checkAPData);
    dialog.setWlanNetworksData({ wpa2("A"), wpa2("B") });
    dialog.setSelectedNetwork(QStringLiteral("B"), DOT11_CIPHER_ALGO_CCMP, DOT11_AUTH_ALGO_RSNA_PSK, false);
    dialog.setWlanNetworksData({ wpa2("C"), wpa2("A"), wpa2("B") });
    QCOMPARE(dialog.combo->currentText(), QStringLiteral("B"));
    QCOMPARE(asked.last(), QVariantList{ QStringLiteral("B") });

    // The network went away: the first entry is shown instead.
    dialog.setWlanNetworksData({ wpa2("C"), wpa2("A") });
    QCOMPARE(dialog.combo->currentText(), QStringLiteral("C"));

    // A network this window does not handle is not selected.
    dialog.setSelectedNetwork(QStringLiteral("A"), DOT11_CIPHER_ALGO_CCMP, DOT11_AUTH_ALGO_RSNA, false);
    QCOMPARE(dialog.combo->currentText(), QStringLiteral("C"));
}

void TestDialogs::passwordRule()
{
    PasswordWindow dialog;
    testsupport::SignalRecorder recorder(&dialog);
    dialog.setWlanNetworksData({ wpa2("A") });
    QVERIFY(!dialog.button->isEnabled());
    QTest::keyClick(dialog.password, Qt::Key_X);
    QVERIFY(dialog.button->isEnabled());
    QTest::keyClick(dialog.password, Qt::Key_Backspace);
    QVERIFY(!dialog.button->isEnabled());

    // Return with an empty field is refused with a box instead of a request.
    recorder.flush();
    recorder.clear();
    const auto box = answerNextBox(QStringLiteral("OK"));
    QTest::keyClick(dialog.password, Qt::Key_Return);
    recorder.flush();
    QCOMPARE(box->shown, 1);
    QCOMPARE(box->text, QStringLiteral("Enter your password to connect to this network!"));
    QVERIFY(withoutActivation(recorder.names()).isEmpty());
    QCOMPARE(dialog.connectionState(), int(ConnectAP::Initial));

    // Disconnecting needs no password.
    dialog.setAPConnected(QStringLiteral("A"), DOT11_CIPHER_ALGO_CCMP, true, DOT11_AUTH_ALGO_RSNA_PSK);
    QCOMPARE(dialog.button->text(), QStringLiteral("Disconnect"));
    dialog.password->setText(QStringLiteral("y"));
    dialog.password->clear();
    QVERIFY(dialog.button->isEnabled());
}

void TestDialogs::connectRequestDescribesTheEntryShown()
{
    PasswordWindow dialog;
    testsupport::SignalRecorder recorder(&dialog);
    QSignalSpy request(&dialog, &ConnectAP::connectSecuredRequest);

    // No entry picked: the first one is on show and the request must be about it, not about the
    // last network of the list.
    dialog.setWlanNetworksData({ network("Alpha", true, DOT11_CIPHER_ALGO_CCMP, DOT11_AUTH_ALGO_RSNA_PSK),
                                 network("Beta", true, DOT11_CIPHER_ALGO_TKIP, DOT11_AUTH_ALGO_WPA_PSK) });
    dialog.autoConnect->click();
    dialog.password->setText(QStringLiteral("pa55 word"));
    recorder.flush();
    recorder.clear();
    QTest::mouseClick(dialog.button, Qt::LeftButton);
    recorder.flush();

    QCOMPARE(withoutActivation(recorder.names()), QStringList({ "apState", "currentNetwork", "connectSecuredRequest" }));
    QCOMPARE(recorder.lastArguments("apState"), QVariantList{ QStringLiteral("Connecting") });
    QCOMPARE(recorder.lastArguments("currentNetwork"), QVariantList{ QStringLiteral("Alpha") });

    // Picking the other network sends its own data.
    dialog.setConnectionFailed();
    pick(dialog.combo, QStringLiteral("Beta"));
    dialog.password->setText(QStringLiteral("other"));
    QTest::mouseClick(dialog.button, Qt::LeftButton);
    QCOMPARE(emissions(request), QStringList({ "Alpha|Alpha|7|4|pa55 word|false|false|true",
                                               "Beta|Beta|4|2|other|false|false|true" }));
}

void TestDialogs::fiveStates()
{
    PasswordWindow dialog;
    QSignalSpy request(&dialog, &ConnectAP::connectSecuredRequest);
    QCOMPARE(dialog.connectionState(), int(ConnectAP::Initial));

    // Nothing listed yet: nothing to connect to, and the window must not pretend otherwise.
    dialog.password->setText(QStringLiteral("secret"));
    QTest::mouseClick(dialog.button, Qt::LeftButton);
    QCOMPARE(request.count(), 0);
    QCOMPARE(dialog.connectionState(), int(ConnectAP::Initial));
    QCOMPARE(dialog.button->text(), QStringLiteral("Connect"));

    dialog.setWlanNetworksData({ wpa2("A") });
    QTest::mouseClick(dialog.button, Qt::LeftButton);
    QCOMPARE(dialog.connectionState(), int(ConnectAP::Connecting));
    QCOMPARE(dialog.button->text(), QStringLiteral("Cancel"));
    QVERIFY(dialog.locked());

    dialog.setConnectionFailed();
    QCOMPARE(dialog.connectionState(), int(ConnectAP::Ended));
    QCOMPARE(dialog.button->text(), QStringLiteral("Connect"));
    QVERIFY(dialog.editable() && dialog.button->isEnabled());

    QTest::mouseClick(dialog.button, Qt::LeftButton);
    dialog.setAPConnected(QStringLiteral("A"), DOT11_CIPHER_ALGO_CCMP, true, DOT11_AUTH_ALGO_RSNA_PSK);
    QCOMPARE(dialog.connectionState(), int(ConnectAP::Connected));
    QCOMPARE(dialog.button->text(), QStringLiteral("Disconnect"));
    QVERIFY(dialog.locked() && dialog.savePassword->isEnabled());

    dialog.setAPDisconnected();
    QCOMPARE(dialog.connectionState(), int(ConnectAP::NotConnected));
    QCOMPARE(dialog.button->text(), QStringLiteral("Connect"));
    QVERIFY(dialog.editable() && !dialog.savePassword->isEnabled());

    QTest::mouseClick(dialog.button, Qt::LeftButton);
    dialog.setAPCanceled();
    QCOMPARE(dialog.connectionState(), int(ConnectAP::Ended));
    QCOMPARE(dialog.button->text(), QStringLiteral("Connect"));
    QVERIFY(dialog.editable());

    // The adapter is connected elsewhere: only the state follows, the view stays.
    dialog.setWlanStateConnected(QStringLiteral("B"), DOT11_CIPHER_ALGO_CCMP, true, DOT11_AUTH_ALGO_RSNA_PSK);
    QCOMPARE(dialog.connectionState(), int(ConnectAP::Connected));
    QCOMPARE(dialog.button->text(), QStringLiteral("Connect"));
    // ... and connecting to the network on show is a new connection.
    QTest::mouseClick(dialog.button, Qt::LeftButton);
    QCOMPARE(request.count(), 4);
    dialog.setWlanStateDisconnected();
    QCOMPARE(dialog.connectionState(), int(ConnectAP::NotConnected));
}

void TestDialogs::failedCancelKeepsConnecting()
{
    PasswordWindow dialog;
    QSignalSpy cancel(&dialog, &ConnectAP::cancelRequest);
    dialog.setWlanNetworksData({ wpa2("A") });
    dialog.password->setText(QStringLiteral("secret"));
    QTest::mouseClick(dialog.button, Qt::LeftButton);

    // The engine has no WLAN session here, so it refuses the cancel with "invalid handle".
    const auto box = answerNextBox(QStringLiteral("OK"));
    QTest::mouseClick(dialog.button, Qt::LeftButton);
    QCOMPARE(cancel.count(), 1);
    QCOMPARE(box->text, QStringLiteral("Failed to cancel the network connection!\nError code: 6"));
    QCOMPARE(dialog.connectionState(), int(ConnectAP::Connecting));
    QCOMPARE(dialog.button->text(), QStringLiteral("Cancel"));

    // A failure of somebody else's cancel is not this window's to report (a box would be modal,
    // so it would have come and gone within the call).
    const auto other = answerNextBox(QStringLiteral("OK"), 100);
    dialog.setAPCancelFailed(5);
    QCOMPARE(other->shown, 0);
}

void TestDialogs::disconnectAskedFirst()
{
    PasswordWindow dialog;
    testsupport::SignalRecorder recorder(&dialog);
    dialog.setWlanNetworksData({ wpa2("A") });
    dialog.setAPConnected(QStringLiteral("A"), DOT11_CIPHER_ALGO_CCMP, true, DOT11_AUTH_ALGO_RSNA_PSK);
    recorder.flush();
    recorder.clear();

    auto box = answerNextBox(QStringLiteral("No"));
    QTest::mouseClick(dialog.button, Qt::LeftButton);
    recorder.flush();
    QCOMPARE(box->text, QStringLiteral("Do you want to disconnect?"));
    QVERIFY(withoutActivation(recorder.names()).isEmpty());
    QCOMPARE(dialog.connectionState(), int(ConnectAP::Connected));

    box = answerNextBox(QStringLiteral("Yes"));
    QTest::mouseClick(dialog.button, Qt::LeftButton);
    recorder.flush();
    QCOMPARE(withoutActivation(recorder.names()), QStringList({ "currentNetwork", "disconnectRequest" }));
    QCOMPARE(recorder.lastArguments("currentNetwork"), QVariantList{ QStringLiteral("A") });
    QCOMPARE(dialog.connectionState(), int(ConnectAP::NotConnected));
}

void TestDialogs::closingWhileConnectingCancelsFirst()
{
    PasswordWindow dialog;
    testsupport::SignalRecorder recorder(&dialog);
    QSignalSpy stateAsked(&dialog, &ConnectAP::checkWlanState);
    dialog.show();
    dialog.setWlanNetworksData({ wpa2("A") });
    dialog.password->setText(QStringLiteral("secret"));
    QTest::mouseClick(dialog.button, Qt::LeftButton);
    // While connecting, activating the window does not ask for the adapter's state.
    stateAsked.clear();
    QEvent activate(QEvent::WindowActivate);
    QCoreApplication::sendEvent(&dialog, &activate);
    QCOMPARE(stateAsked.count(), 0);
    recorder.flush();
    recorder.clear();

    const auto box = answerNextBox(QStringLiteral("OK"));
    QTest::mouseClick(dialog.closeButton, Qt::LeftButton);
    recorder.flush();
    QVERIFY(!dialog.isVisible());
    QCOMPARE(withoutActivation(recorder.names()), QStringList({ "cancelRequest", "connectClosed" }));

    // Not connecting: closing only says so, and activation asks for the state again.
    dialog.setAPCanceled();
    QCoreApplication::sendEvent(&dialog, &activate);
    QCOMPARE(stateAsked.count(), 1);
    dialog.show();
    recorder.clear();
    QTest::keyClick(dialog.password, Qt::Key_Escape);
    recorder.flush();
    QVERIFY(!dialog.isVisible());
    QCOMPARE(withoutActivation(recorder.names()), QStringList({ "connectClosed" }));
}

void TestDialogs::undecipherableNameClearsField()
{
    writeSetting(QStringLiteral("Database"), QStringLiteral("APName"), QStringLiteral("bm90IGEgY2lwaGVy"));
    writeSetting(QStringLiteral("Database"), QStringLiteral("APPassword"),
                 TextCipher::encryptText(TextCipher::storedSecretKey, QStringLiteral("leaked")));
    PasswordWindow dialog;
    // The empty drop-down must not match the empty result of a failed decipher.
    QVERIFY(dialog.password->text().isEmpty());
    dialog.setWlanNetworksData({ wpa2("Alpha") });
    dialog.setWlanStateConnected(QStringLiteral("Alpha"), DOT11_CIPHER_ALGO_CCMP, true, DOT11_AUTH_ALGO_RSNA_PSK);
    dialog.password->setText(QStringLiteral("typed"));
    pick(dialog.combo, QStringLiteral("Alpha"));
    QVERIFY(dialog.password->text().isEmpty());
}

void TestDialogs::savePasswordOffForgetsAtOnce()
{
    const auto stored = [](const char *key) {
        return readSetting(QStringLiteral("Database"), QLatin1String(key), QString()).toString();
    };
    writeSetting(QStringLiteral("Database"), QStringLiteral("APName"),
                 TextCipher::encryptText(TextCipher::storedSecretKey, QStringLiteral("Cafe")));
    writeSetting(QStringLiteral("Database"), QStringLiteral("APPassword"),
                 TextCipher::encryptText(TextCipher::storedSecretKey, QStringLiteral("s3cr3t")));
    PasswordWindow dialog;
    dialog.setWlanNetworksData({ wpa2("Cafe") });
    dialog.setWlanStateConnected(QStringLiteral("Cafe"), DOT11_CIPHER_ALGO_CCMP, true, DOT11_AUTH_ALGO_RSNA_PSK);
    pick(dialog.combo, QStringLiteral("Cafe"));
    QCOMPARE(dialog.password->text(), QStringLiteral("s3cr3t"));
    QVERIFY(dialog.savePassword->isChecked());

    // The connection has ended meanwhile; the switch still speaks for the stored password.
    dialog.setAPDisconnected();
    QVERIFY(dialog.savePassword->isEnabled());
    dialog.savePassword->click();
    QCOMPARE(stored("APName"), QString());
    QCOMPARE(stored("APPassword"), QString());
}

void TestDialogs::hiddenDialogClosedAllowsNewConnect()
{
    PasswordWindow dialog;
    QSignalSpy handOver(&dialog, &ConnectAP::selectedProtectedHAP);
    QSignalSpy cancel(&dialog, &ConnectAP::cancelRequest);
    const QString hidden = dialogs::hiddenNetworkName();
    dialog.setWlanNetworksData({ network(hidden, true, DOT11_CIPHER_ALGO_CCMP, DOT11_AUTH_ALGO_RSNA_PSK, true) });
    dialog.password->setText(QStringLiteral("s3cr3t"));

    for (int round = 1; round <= 2; ++round) {
        testsupport::whenModalAppears([](QWidget *modal) { modal->close(); });
        QTest::mouseClick(dialog.button, Qt::LeftButton);
        QCOMPARE(handOver.count(), round);
        QCOMPARE(dialog.button->text(), QStringLiteral("Connect"));
        QVERIFY(dialog.button->isEnabled() && dialog.editable());
    }
    QCOMPARE(cancel.count(), 0);
}

void TestDialogs::securedHiddenNetworkRequest()
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

void TestDialogs::openHandOverReplacesSecuredOne()
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

void TestDialogs::handOverIgnoredUnlessHiddenNetwork_data()
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

void TestDialogs::handOverIgnoredUnlessHiddenNetwork()
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

void TestDialogs::nameFieldEnablesConnect()
{
    ConnectHAP dialog;
    QVERIFY(!connectButton(dialog)->isEnabled());
    QTest::keyClick(nameField(dialog), Qt::Key_A);
    QVERIFY(connectButton(dialog)->isEnabled());
    QTest::keyClick(nameField(dialog), Qt::Key_Backspace);
    QVERIFY(!connectButton(dialog)->isEnabled());
}

void TestDialogs::closeReportsOnlyWhenNothingStarted()
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

// Only open networks are offered; the last listed one is on offer with its signal.
void TestDialogs::refreshReplacesTheList()
{
    NotifyWindow dialog;
    QSignalSpy request(&dialog, &NotifyAP::connectOpenAPRequest);
    QSignalSpy asked(&dialog, &NotifyAP::checkAPData);
    dialog.setWlanOpenAPData({ open("Cafe"), open("Library") });
    WirelessAP library = open("Library", "33% (-84 dBm)");
    library.ssid = QStringLiteral("Library-5G");
    // Only open networks are offered, each name once; the last one listed is on offer.
    dialog.setWlanOpenAPData({ open("Cafe", "10% (-95 dBm)"), library, open("Cafe", "10% (-95 dBm)"),
                               network("Secured", true, DOT11_CIPHER_ALGO_NONE, DOT11_AUTH_ALGO_80211_OPEN),
                               network("WEP", false, DOT11_CIPHER_ALGO_WEP40, DOT11_AUTH_ALGO_80211_OPEN),
                               network("OWE", false, DOT11_CIPHER_ALGO_CCMP, DOT11_AUTH_ALGO_OWE),
                               network("Shared", false, DOT11_CIPHER_ALGO_NONE, DOT11_AUTH_ALGO_80211_SHARED_KEY) });
    QCOMPARE(entries(dialog.combo), QStringList({ "Cafe", "Library" }));
    // The entry on offer and the data sent for it belong together.
    QCOMPARE(dialog.combo->currentText(), QStringLiteral("Library"));
    QCOMPARE(dialog.signal->text(), QStringLiteral("33% (-84 dBm)"));
    QTest::mouseClick(dialog.connectButton, Qt::LeftButton);
    QCOMPARE(emissions(request), QStringList{ "Library|Library-5G|1|0|false|false|false" });
    dialog.setAPCanceled();

    // Picking asks for fresh data, whose signal replaces the listed one.
    pick(dialog.combo, QStringLiteral("Cafe"));
    QCOMPARE(asked.last(), QVariantList{ QStringLiteral("Cafe") });
    QCOMPARE(dialog.signal->text(), QStringLiteral("10% (-95 dBm)"));
    dialog.setOpenSSIDData(QStringLiteral("Cafe"), DOT11_CIPHER_ALGO_NONE, DOT11_AUTH_ALGO_80211_OPEN, false,
                           QStringLiteral("12% (-94 dBm)"));
    QCOMPARE(dialog.signal->text(), QStringLiteral("12% (-94 dBm)"));

    dialog.setWlanOpenAPData({ wpa2("Home") });
    QVERIFY(entries(dialog.combo).isEmpty());
    QCOMPARE(dialog.signal->text(), QStringLiteral("Unknown"));
}

void TestDialogs::remindLaterToggles()
{
    NotifyWindow dialog;
    dialog.show();
    const QDateTime before = QDateTime::currentDateTime();
    QTest::mouseClick(dialog.remind, Qt::LeftButton);
    // Offered a moment still to come, so that OK takes it as it is: the current minute plus five.
    const QDateTime offered = dialog.moment->dateTime();
    QCOMPARE(offered.time().second(), 0);
    QVERIFY2(offered > before.addSecs(240) && offered <= before.addSecs(300), qPrintable(offered.toString()));
    QCOMPARE(dialog.reminderRowHidden(), kRowShown);

    QTest::mouseClick(dialog.remind, Qt::LeftButton);
    QCOMPARE(dialog.reminderRowHidden(), kRowHidden);

    QTest::mouseClick(dialog.remind, Qt::LeftButton);
    dialog.setHideReminder();
    QCOMPARE(dialog.reminderRowHidden(), kRowHidden);
}

void TestDialogs::pastMomentRefused()
{
    writeAppSetting(QStringLiteral("NotifyWhenOpenAP"), true);
    writeAppSetting(QStringLiteral("Reminder"), QStringLiteral("unknown"));
    NotifyWindow dialog;
    testsupport::SignalRecorder recorder(&dialog);
    dialog.setWlanOpenAPData({ open("Cafe") });
    dialog.show();
    QTest::mouseClick(dialog.remind, Qt::LeftButton);
    dialog.moment->setDateTime(QDateTime::currentDateTime().addSecs(-3600));
    recorder.flush();
    recorder.clear();

    const auto box = answerNextBox(QStringLiteral("OK"));
    QTest::mouseClick(dialog.ok, Qt::LeftButton);
    recorder.flush();
    QCOMPARE(box->shown, 1);
    QCOMPARE(box->text, QStringLiteral("You can't select this date! Choose another date!"));
    QCOMPARE(appSetting("Reminder").toString(), QStringLiteral("unknown"));
    QCOMPARE(appSetting("NotifyWhenOpenAP").toBool(), true);
    QVERIFY(withoutActivation(recorder.names()).isEmpty());
    QVERIFY(dialog.isVisible());
}

void TestDialogs::reminderText()
{
    const QDateTime moment(QDate(2025, 3, 5), QTime(14, 7, 9));
    writeLanguage(App::Language::Russian);
    QCOMPARE(NotifyAP::reminderText(moment), QStringLiteral("2025-03-05 14:07:09"));
    writeLanguage(App::Language::English);
    QCOMPARE(NotifyAP::reminderText(moment), QStringLiteral("2025-03-05 02:07:09 PM"));
    // The stored text is compared with a rendering of the clock, so it never takes the locale's
    // day-period names or digits.
    QLocale::setDefault(QLocale(QLocale::Arabic, QLocale::Egypt));
    QCOMPARE(NotifyAP::reminderText(moment), QStringLiteral("2025-03-05 02:07:09 PM"));
}

// Checking turns the notification off, unchecking turns it on.
void TestDialogs::doNotShowAgain()
{
    for (const bool startChecked : {false, true}) {
        NotifyWindow dialog;
        testsupport::SignalRecorder recorder(&dialog);
        dialog.loadNotificationSettings(!startChecked);
        QCOMPARE(dialog.doNotShow->isChecked(), startChecked);
        dialog.show();
        dialog.doNotShow->click();
        recorder.flush();

        QCOMPARE(appSetting("NotifyWhenOpenAP").toBool(), startChecked);
        QCOMPARE(withoutActivation(recorder.names()), QStringList({ "openAPNotification", "notifyAPClosed" }));
        QCOMPARE(recorder.lastArguments("openAPNotification"), QVariantList{ startChecked });
        QVERIFY(!dialog.isVisible());
    }
}

void TestDialogs::connectedStateAndDisconnect()
{
    NotifyWindow dialog;
    QSignalSpy disconnect(&dialog, &NotifyAP::disconnectOpenAPRequest);
    QSignalSpy request(&dialog, &NotifyAP::connectOpenAPRequest);
    dialog.setWlanOpenAPData({ open("Cafe"), open("Library") });

    dialog.setWlanStateConnected(QStringLiteral("Cafe"), DOT11_CIPHER_ALGO_NONE, false, DOT11_AUTH_ALGO_80211_OPEN);
    QCOMPARE(dialog.combo->currentText(), QStringLiteral("Cafe"));
    QCOMPARE(dialog.connectButton->text(), QStringLiteral("Disconnect"));
    QVERIFY(!dialog.combo->isEnabled() && !dialog.remind->isEnabled());
    QCOMPARE(dialog.connectionState(), 2);

    auto box = answerNextBox(QStringLiteral("No"));
    QTest::mouseClick(dialog.connectButton, Qt::LeftButton);
    QCOMPARE(box->text, QStringLiteral("Do you want to disconnect?"));
    QCOMPARE(disconnect.count(), 0);
    box = answerNextBox(QStringLiteral("Yes"));
    QTest::mouseClick(dialog.connectButton, Qt::LeftButton);
    QCOMPARE(disconnect.count(), 1);
    QCOMPARE(request.count(), 0);

    dialog.setWlanStateDisconnected();
    QCOMPARE(dialog.connectionState(), 0);
    QCOMPARE(dialog.connectButton->text(), QStringLiteral("Connect now"));
    QVERIFY(dialog.combo->isEnabled() && dialog.remind->isEnabled());
}

void TestDialogs::hiddenOpenNetworkGoesThroughDialog()
{
    NotifyWindow dialog;
    QSignalSpy handOver(&dialog, &NotifyAP::selectedOpenHAP);
    QSignalSpy ownRequest(&dialog, &NotifyAP::connectOpenAPRequest);
    QSignalSpy current(&dialog, &NotifyAP::currentNetwork);
    const QString hidden = dialogs::hiddenNetworkName();
    WirelessAP hiddenAP = network(hidden, false, DOT11_CIPHER_ALGO_NONE, DOT11_AUTH_ALGO_80211_OPEN, true);
    dialog.setWlanOpenAPData({ hiddenAP, open("Cafe") });
    pick(dialog.combo, hidden);

    std::unique_ptr<QSignalSpy> hapRequest;
    testsupport::whenModalAppears([&hapRequest](QWidget *modal) {
        auto *hap = qobject_cast<ConnectHAP *>(modal);
        QVERIFY(hap);
        hapRequest = std::make_unique<QSignalSpy>(hap, &ConnectHAP::connectOpenRequest);
        hap->findChild<QLineEdit *>("lineEdit")->setText(QStringLiteral("Backyard"));
        QTest::mouseClick(hap->findChild<QPushButton *>("pushButton"), Qt::LeftButton);
    });
    QTest::mouseClick(dialog.connectButton, Qt::LeftButton);

    QCOMPARE(handOver.count(), 1);
    QCOMPARE(ownRequest.count(), 0);
    QVERIFY(hapRequest);
    QCOMPARE(emissions(*hapRequest), QStringList{ "Backyard|Backyard|1|0|true|false|false" });
    QCOMPARE(emissions(current), QStringList{ "Backyard" });
    QCOMPARE(dialog.connectButton->text(), QStringLiteral("Cancel"));

    // Closing the name dialog without a name leaves nothing connecting.
    dialog.setAPCanceled();
    testsupport::whenModalAppears([](QWidget *modal) { modal->close(); });
    QTest::mouseClick(dialog.connectButton, Qt::LeftButton);
    QCOMPARE(handOver.count(), 2);
    QCOMPARE(dialog.connectButton->text(), QStringLiteral("Connect now"));
    QCOMPARE(dialog.connectionState(), 0);
}

void TestDialogs::closingReportsAndCancelsWhileConnecting()
{
    NotifyWindow dialog;
    testsupport::SignalRecorder recorder(&dialog);
    dialog.setWlanOpenAPData({ open("Cafe") });
    dialog.show();
    QTest::mouseClick(dialog.connectButton, Qt::LeftButton);
    recorder.flush();
    recorder.clear();

    // No WLAN session in the test: the engine refuses the cancel and this window says so.
    const auto box = answerNextBox(QStringLiteral("OK"));
    QTest::mouseClick(dialog.closeButton, Qt::LeftButton);
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

void TestDialogs::rowsAndPrivacyLink_data()
{
    QTest::addColumn<int>("channel");
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("channelName");
    QTest::addColumn<QString>("privacyPage");

    QTest::newRow("development, english") << 0 << 1 << "Development" << "privacy-policy-en\"";
    QTest::newRow("insider, russian") << 1 << 2 << "Insider" << "privacy-policy-ru\"";
    QTest::newRow("beta, ukrainian") << 2 << 3 << "Beta" << "privacy-policy-uk\"";
    QTest::newRow("unknown values") << 9 << 7 << "Release" << "privacy-policy-en\"";
}

void TestDialogs::rowsAndPrivacyLink()
{
    QFETCH(int, channel);
    QFETCH(int, language);
    QFETCH(QString, channelName);
    QFETCH(QString, privacyPage);
    writeSetting(QStringLiteral("Updates"), QStringLiteral("UpdatesChannel"), channel);
    writeAppSetting(QStringLiteral("AppLanguage"), language);

    About about;
    QCOMPARE(QStringList({value(about, "company"), value(about, "version"), value(about, "build"),
                          value(about, "channel"), value(about, "architecture")}),
             QStringList({"Tarnwick", "Lite", "2.8.8.652", channelName, "x64"}));
    const QString privacy = value(about, "privacy");
    QVERIFY2(privacy.contains(QStringLiteral("href=\"https://www.tarnwick.example/terms/") + privacyPage),
             qPrintable(privacy));
    // A German system with the automatic language gets the English page.
    QCOMPARE(About::privacyPolicyCode(App::Language::Automatic, QLocale::German), QStringLiteral("en"));
}

void TestDialogs::contextMenuInOrder()
{
    About about;
    QSignalSpy log(&about, &About::displayLog);
    QSignalSpy updates(&about, &About::checkUpdates);
    QSignalSpy exit(&about, &About::exitApplication);
    QWidget *changelogParent = nullptr;
    QWidget *feedbackParent = nullptr;
    about.setChangelogOpener([&](QWidget *parent) { changelogParent = parent; });
    about.setFeedbackOpener([&](QWidget *parent) { feedbackParent = parent; });
    connect(&about, &About::displayLog, this, [] {});
    connect(&about, &About::checkUpdates, this, [] {});
    connect(&about, &About::exitApplication, this, [] {});

    QMenu *menu = about.contextMenu();
    emit menu->aboutToShow();
    QStringList texts;
    for (QAction *action : menu->actions()) {
        texts << action->text();
        QVERIFY2(action->isEnabled(), qPrintable(action->text()));
        action->trigger();
    }
    QCOMPARE(texts, QStringList({"Log", "Changelog", "Updates", "Feedback", "Exit"}));
    QCOMPARE(log.count(), 1);
    QCOMPARE(log.at(0).at(0).value<QWidget *>(), &about);
    QCOMPARE(changelogParent, &about);
    QCOMPARE(updates.count(), 1);
    QCOMPARE(feedbackParent, &about);
    QCOMPARE(exit.count(), 1);

    // The update check waits while the main window scans.
    about.setNetworksRefreshStarted();
    emit menu->aboutToShow();
    QVERIFY(!menu->actions().at(2)->isEnabled());
    about.setNetworksRefreshCompleted();
    QVERIFY(menu->actions().at(2)->isEnabled());
}

void TestDialogs::missingWindowsAreSaidSo()
{
    About about;
    QMenu *menu = about.contextMenu();
    emit menu->aboutToShow();
    for (QAction *action : menu->actions()) {
        QVERIFY2(!action->isEnabled(), qPrintable(action->text()));
        QCOMPARE(action->toolTip(), QStringLiteral("Not available in this build"));
    }
    auto *feedbackLink = about.findChild<QLabel *>(QStringLiteral("feedbackValue"));
    QVERIFY(!feedbackLink->isEnabled());
    about.setFeedbackOpener([](QWidget *) {});
    QVERIFY(feedbackLink->isEnabled());
}

// The automatic language on a German system, and values no build knows, get the English text.
void TestDialogs::licenseResourceFallsBackToEnglish()
{
    const QString english = QStringLiteral(":/License/AirvaneLite.license.english.html");
    QCOMPARE(LicenseAgreement::resourcePath(3, App::Language::Automatic, QLocale::German), english);
    QCOMPARE(LicenseAgreement::resourcePath(8, App::Language(6), QLocale::Russian), english);
    LicenseAgreement viewer; // registers the resources
    QVERIFY(QFile::exists(english));
}

void TestDialogs::everyLicenseFileDecodes()
{
    LicenseAgreement viewer;
    const QStringList files = QDir(QStringLiteral(":/License")).entryList(QDir::Files);
    QCOMPARE(files.size(), 12);
    for (const QString &name : files) {
        const QString text = LicenseAgreement::readWindows1251(QStringLiteral(":/License/") + name);
        QVERIFY2(text.size() > 2000, qPrintable(name));
        QVERIFY2(!text.contains(QChar::ReplacementCharacter), qPrintable(name));
        QVERIFY2(text.contains(QLatin1String("Tarnwick")), qPrintable(name));
        // Cyrillic comes through as Cyrillic, not as Latin-1 look-alikes.
        const bool cyrillic = text.contains(QRegularExpression(QStringLiteral("[\\x{0430}-\\x{044F}]{5}")));
        QCOMPARE(cyrillic, !name.contains(QLatin1String("english")));
        if (name.contains(QLatin1String("ukrainian")))
            QVERIFY2(text.contains(QChar(0x0456)) && text.contains(QChar(0x0457)), qPrintable(name));
    }
}

void TestDialogs::unreadableLicenseFileGivesNoText()
{
    QTemporaryDir dir;
    QFile empty(dir.filePath(QStringLiteral("empty.html")));
    QVERIFY(empty.open(QIODevice::WriteOnly));
    empty.close();
    QVERIFY(LicenseAgreement::readWindows1251(empty.fileName()).isNull());
    QVERIFY(LicenseAgreement::readWindows1251(dir.filePath(QStringLiteral("missing.html"))).isNull());
}

void TestDialogs::eulaLinkShowsInsiderUkrainianText()
{
    writeSetting(QStringLiteral("Updates"), QStringLiteral("UpdatesChannel"), 1);
    writeAppSetting(QStringLiteral("AppLanguage"), 3);
    About about;
    emit about.findChild<QLabel *>(QStringLiteral("eulaValue"))->linkActivated(QStringLiteral("#"));
    auto *viewer = about.findChild<LicenseAgreement *>();
    QVERIFY(viewer);
    QVERIFY(viewer->isVisible());
    QCOMPARE(viewer->windowTitle(), QStringLiteral("License agreement"));
    QVERIFY2(viewer->text().contains(QStringLiteral("Збірка Insider")), qPrintable(viewer->text().left(300)));
    viewer->findChild<QPushButton *>(QStringLiteral("closeButton"))->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!about.findChild<LicenseAgreement *>());
}

void TestDialogs::returnPressesNothing()
{
    MsgDialog box(nullptr, QStringLiteral("Attention"), QStringLiteral("Run it?"),
                  MsgDialog::Question, QMessageBox::Yes | QMessageBox::No);
    bool stillOpen = false;
    testsupport::whenModalAppears([&stillOpen](QWidget *dialog) {
        QPushButton *button = qobject_cast<MsgDialog *>(dialog)->button(QMessageBox::Yes);
        button->setFocus();
        QTest::keyClick(button, Qt::Key_Return);
        QTest::keyClick(button, Qt::Key_Enter);
        QTest::keyClick(dialog, Qt::Key_Y);
        stillOpen = dialog->isVisible();
        dialog->close();
    });
    QCOMPARE(box.exec(), int(QMessageBox::No));
    QVERIFY(stillOpen);
}

// A button ends the box with its own value, even Help, on which a button box would not close.
void TestDialogs::clickedButtonEndsWithItsValue()
{
    MsgDialog box(nullptr, QStringLiteral("Title"), QStringLiteral("Text"), MsgDialog::Warning,
                  QMessageBox::Ok | QMessageBox::Help);
    testsupport::pressInNextModal(QStringLiteral("Help"));
    QCOMPARE(box.exec(), int(QMessageBox::Help));
}

// Escape and the title bar's close button end the box with the same value.
void TestDialogs::closeValue_data()
{
    QTest::addColumn<int>("buttons");
    QTest::addColumn<bool>("titleBar");
    QTest::addColumn<int>("expected");
    QTest::newRow("ok alone") << int(QMessageBox::Ok) << false << int(QMessageBox::Ok);
    QTest::newRow("yes no, title bar") << int(QMessageBox::Yes | QMessageBox::No) << true << int(QMessageBox::No);
    QTest::newRow("yes no cancel, last wins")
        << int(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel) << false << int(QMessageBox::Cancel);
    QTest::newRow("no reject role") << int(QMessageBox::Ok | QMessageBox::Apply) << false << 0;
}

void TestDialogs::closeValue()
{
    QFETCH(int, buttons);
    QFETCH(bool, titleBar);
    QFETCH(int, expected);
    MsgDialog box(nullptr, QStringLiteral("Title"), QStringLiteral("Text"), MsgDialog::Critical,
                  QMessageBox::StandardButtons(buttons));
    QVERIFY(box.windowFlags().testFlag(Qt::WindowStaysOnTopHint));  // "always on top" is on unless switched off
    testsupport::whenModalAppears([titleBar](QWidget *dialog) {
        if (titleBar)
            dialog->close();
        else
            QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : dialog, Qt::Key_Escape);
    });
    QCOMPARE(box.exec(), expected);
    QVERIFY(!box.isVisible());
}

void TestDialogs::fitSize_data()
{
    const QString longText = QStringLiteral("The wireless network could not be reached because the adapter "
        "reported that the radio is switched off; switch it on with the hardware switch or in the system "
        "settings, then try connecting again to the same network with the same password.");
    // A path does not wrap at spaces: only the hard limit keeps the box on the screen.
    const QString path = QStringLiteral("C:/Users/") + QString(240, QLatin1Char('x')) + QStringLiteral("/log.txt");
    QTest::addColumn<int>("screen");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("maxWidth");
    QTest::newRow("800 long") << 800 << longText << 800;
    QTest::newRow("1920 long") << 1920 << longText << 1000;
    QTest::newRow("1920 path") << 1920 << path << 1000;
    QTest::newRow("1920 short") << 1920 << QStringLiteral("Network connection is not available!") << 500;
}

void TestDialogs::fitSize()
{
    QFETCH(int, screen);
    QFETCH(QString, text);
    QFETCH(int, maxWidth);
    const bool longMessage = text.size() > 100;
    MsgDialog box(nullptr, QStringLiteral("Title"), text, MsgDialog::Warning, QMessageBox::Ok);
    const QSize size = box.fitSize(screen);
    AppQLabel *label = box.findChild<AppQLabel *>(QStringLiteral("textLabel"));
    QVERIFY2(size.width() <= maxWidth, qPrintable(QString::number(size.width())));
    if (!text.startsWith(QLatin1String("C:/")))
        QVERIFY(size.width() >= box.layout()->totalMinimumSize().width());
    QVERIFY(size.height() >= box.layout()->totalMinimumSize().height());
    QCOMPARE(label->wordWrap(), longMessage);
    if (longMessage)
        QVERIFY(size.height() > 2 * label->fontMetrics().height());
    else
        QVERIFY(size.width() > label->fontMetrics().horizontalAdvance(text));
}

void TestDialogs::topMostKeepsTheWindowShown()
{
    QDialog dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    applyTopMost(&dialog, true);
    QVERIFY(dialog.windowFlags().testFlag(Qt::WindowStaysOnTopHint) && dialog.isVisible());
    applyTopMost(&dialog, false);
    QVERIFY(!dialog.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QCOMPARE(dialog.windowFlags() & Qt::WindowType_Mask, Qt::Dialog);
    applyTopMost(nullptr, true);
}

// Nothing stored: on top; stored off: not, and an opacity out of range is taken as none.
void TestDialogs::windowRulesFromSettings()
{
    for (const bool stored : {false, true}) {
        if (stored) {
            writeAppSetting(QStringLiteral("AlwaysOnTop"), false);
            writeAppSetting(QStringLiteral("Opacity"), 7);
        }
        QDialog dialog;
        QCOMPARE(applyTopMostSetting(&dialog, true), !stored);
        QCOMPARE(dialog.windowFlags().testFlag(Qt::WindowStaysOnTopHint), !stored);
        applyWindowOpacity(&dialog);
        QVERIFY2(qAbs(dialog.windowOpacity() - 1.0) < 0.01, qPrintable(QString::number(dialog.windowOpacity())));
    }
}

void TestDialogs::switchTogglesAndReports()
{
    Switch sw(QStringLiteral("Save my password"));
    sw.show();
    QVERIFY(QTest::qWaitForWindowExposed(&sw));
    QSignalSpy spy(&sw, &SelectionControl::stateChanged);
    QTest::mouseClick(&sw, Qt::LeftButton, Qt::NoModifier, QPoint(26, 18));
    QVERIFY(sw.isChecked());
    QTRY_COMPARE(sw.thumbPositionAnimation()->currentValue().toInt(), 36);
    QTest::mouseClick(&sw, Qt::LeftButton, Qt::NoModifier, QPoint(26, 18));
    QTRY_COMPARE(sw.thumbPositionAnimation()->currentValue().toInt(), 0);
    sw.setFocus();
    QTest::keyClick(&sw, Qt::Key_Space);
    // A program's change jumps to the end without a run.
    sw.setChecked(false);
    QCOMPARE(sw.thumbPositionAnimation()->endValue().toInt(), 0);
    QCOMPARE(states(spy), QStringLiteral("2 0 2 0"));
}

void TestDialogs::setCheckedOnCheckedSwitchDoesNothing()
{
    Switch sw;
    sw.setChecked(true);
    QSignalSpy spy(&sw, &SelectionControl::stateChanged);
    QSignalSpy toggled(&sw, &QAbstractButton::toggled);
    QSignalSpy position(sw.thumbPositionAnimation(), &QAbstractAnimation::stateChanged);
    sw.setChecked(true);
    QVERIFY(sw.isChecked());
    QCOMPARE(spy.count() + toggled.count() + position.count(), 0);
}

void TestDialogs::switchDestroyedWhileAnimating()
{
    auto *sw = new Switch(QStringLiteral("Connect automatically"));
    sw->show();
    QVERIFY(QTest::qWaitForWindowExposed(sw));
    QTest::mouseClick(sw, Qt::LeftButton, Qt::NoModifier, QPoint(26, 18));
    QPointer<Animator> position = sw->thumbPositionAnimation();
    QCOMPARE(position->state(), QAbstractAnimation::Running);
    delete sw;
    QVERIFY(position.isNull());

    // An animation that outlives its target stops on its next tick instead of touching it.
    auto target = std::make_unique<Probe>();
    target->show();
    QVERIFY(QTest::qWaitForWindowExposed(target.get()));
    Animator animator(target.get());
    animator.setDuration(10000);
    animator.setStartValue(0);
    animator.setEndValue(100);
    animator.start();
    QTRY_VERIFY(target->updates > 0);
    target.reset();
    QTRY_COMPARE(animator.state(), QAbstractAnimation::Stopped);
    QCOMPARE(animator.targetObject(), nullptr);
}

void TestDialogs::labelAndFrameHandOutMouseEvents()
{
    AppQLabel label(QStringLiteral("icon"));
    label.show();
    QVERIFY(QTest::qWaitForWindowExposed(&label));
    QSignalSpy clicks(&label, &AppQLabel::mouseClick);
    QSignalSpy enters(&label, &AppQLabel::mouseEnter);
    QSignalSpy leaves(&label, &AppQLabel::mouseLeave);
    QTest::mouseClick(&label, Qt::LeftButton);
    hover(&label, QEvent::HoverEnter);
    hover(&label, QEvent::HoverLeave);
    QCOMPARE(QStringLiteral("%1 %2 %3").arg(clicks.count()).arg(enters.count()).arg(leaves.count()),
             QStringLiteral("1 1 1"));

    AppQFrame frame;
    frame.resize(100, 30);
    frame.show();
    QVERIFY(QTest::qWaitForWindowExposed(&frame));
    QStringList order;
    const auto record = [&order](const char *name) {
        return [&order, name](QMouseEvent *event) {
            order << QStringLiteral("%1 %2,%3").arg(QLatin1String(name)).arg(event->pos().x()).arg(event->pos().y());
        };
    };
    connect(&frame, &AppQFrame::mouseClick, this, record("press"));
    connect(&frame, &AppQFrame::mouseMove, this, record("move"));
    connect(&frame, &AppQFrame::mouseRelease, this, record("release"));
    connect(&frame, &AppQFrame::mouseEnter, this, [&] { order << QStringLiteral("enter"); });
    connect(&frame, &AppQFrame::mouseLeave, this, [&] { order << QStringLiteral("leave"); });
    hover(&frame, QEvent::HoverEnter);
    QTest::mousePress(&frame, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
    QMouseEvent move(QEvent::MouseMove, QPointF(40, 12), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&frame, &move);
    QTest::mouseRelease(&frame, Qt::LeftButton, Qt::NoModifier, QPoint(40, 12));
    hover(&frame, QEvent::HoverLeave);
    QCOMPARE(order, (QStringList{ "enter", "press 10,10", "move 40,12", "release 40,12", "leave" }));
}

void TestDialogs::scrollBarWidensWhileHovered()
{
    ScrollBar hidden(Qt::Vertical);
    hover(&hidden, QEvent::HoverEnter);
    QVERIFY(hidden.styleSheet().isEmpty());

    ScrollBar bar(Qt::Horizontal);
    bar.setRange(0, 100);
    bar.setEnabled(false);
    bar.show();
    QVERIFY(QTest::qWaitForWindowExposed(&bar));
    hover(&bar, QEvent::HoverEnter);
    QVERIFY(bar.styleSheet().isEmpty());
    bar.setEnabled(true);
    hover(&bar, QEvent::HoverEnter);
    QCOMPARE(bar.styleSheet(), QStringLiteral("height: 16px;"));
    hover(&bar, QEvent::HoverLeave);
    QCOMPARE(bar.styleSheet(), QStringLiteral("height: 12px;"));
    // Other events keep their usual handling.
    bar.setValue(10);
    QTest::keyClick(&bar, Qt::Key_PageDown);
    QVERIFY(bar.value() > 10);
}

// Spinning blocks the window it covers and the timer turns it; stopping gives the window back.
void TestDialogs::loaderStartAndStop()
{
    QWidget parent;
    parent.resize(300, 200);
    auto *loader = new LoaderWidget(&parent);
    loader->setLineLength(20);
    loader->setInnerRadius(20);
    parent.show();
    QVERIFY(QTest::qWaitForWindowExposed(&parent));

    loader->start();
    QVERIFY(loader->isSpinning() && loader->isVisible() && !parent.isEnabled());
    QCOMPARE(loader->pos(), QPoint(150 - 40, 100 - 40));
    QTRY_VERIFY(loader->currentCounter() > 1);
    for (int tick = 0; tick < 40; ++tick)
        QMetaObject::invokeMethod(loader, "rotate");
    QVERIFY(loader->currentCounter() < 20);
    loader->stop();
    QVERIFY(!loader->isSpinning() && loader->isHidden() && !loader->isTimerActive() && parent.isEnabled());
    QCOMPARE(loader->currentCounter(), 0);

    loader->setDisableParentWhenSpinning(false);
    loader->start();
    QVERIFY(parent.isEnabled());
    loader->stop();

    // Without a parent there is nothing to centre on or to disable.
    LoaderWidget lonely;
    lonely.start();
    QVERIFY(lonely.isSpinning());
    lonely.stop();
}

void TestDialogs::trayMatrix_data()
{
    QTest::addColumn<int>("bits");
    for (int bits = 0; bits < 32; ++bits) {
        QStringList on;
        for (int i = 0; i < 5; ++i)
            on << QLatin1String(bits & (1 << i) ? options[i] : "");
        QTest::newRow(qPrintable(on.join(QLatin1Char('+')))) << bits;
    }
}

// Every combination of the five options against the window's close button, minimising, the tray
// options being applied, a double-click on the tray icon and "Exit".
void TestDialogs::trayMatrix()
{
    QFETCH(int, bits);
    const bool add = bits & 1, minimize = bits & 2, close = bits & 4, notify = bits & 8, show = bits & 16;
    storeOptions(bits);
    Shell shell;
    AppTray *tray = shell.chrome->tray();
    QSignalSpy balloons(tray, &AppTray::balloonShown);
    shell.setWindowTitle(QStringLiteral("Shell <Release>"));

    // Applying the options (start-up, or a change in the settings dialog).
    shell.show();
    shell.chrome->manageTraySettings();
    QCOMPARE(tray->isVisible(), add);
    QCOMPARE(shell.isVisible(), !(add && !show));
    QCOMPARE(balloons.count(), add && notify ? 1 : 0);
    if (!balloons.isEmpty()) {
        QCOMPARE(balloons.at(0).at(0).toString(), QStringLiteral("Information"));
        QCOMPARE(balloons.at(0).at(1).toString(), QStringLiteral("Shell &lt;Release&gt; running in a tray"));
    }
    balloons.clear();

    // The close button.
    shell.show();
    tray->release(false);
    shell.close();
    QCOMPARE(shell.closesAccepted, close ? 0 : 1);
    QCOMPARE(shell.isVisible(), false);
    QCOMPARE(tray->isVisible(), close);
    QCOMPARE(QApplication::quitOnLastWindowClosed(), !close);
    QCOMPARE(balloons.count(), close && notify ? 1 : 0);
    balloons.clear();

    // A double-click on the tray icon brings a hidden window back, and only a hidden one.
    emit tray->icon()->activated(QSystemTrayIcon::DoubleClick);
    QVERIFY(shell.isVisible());
    emit tray->icon()->activated(QSystemTrayIcon::DoubleClick);
    QVERIFY(shell.isVisible());

    // Minimising.
    tray->release(false);
    shell.setWindowState(Qt::WindowMinimized);
    QCOMPARE(shell.isVisible(), !minimize);
    QCOMPARE(tray->isVisible(), minimize);
    QCOMPARE(balloons.count(), minimize && notify ? 1 : 0);
    if (minimize) {
        // "Open" in the tray menu is offered while the window is hidden.
        QMenu *menu = tray->menu();
        emit menu->aboutToShow();
        QAction *open = menu->actions().at(0);
        QVERIFY(open->isEnabled());
        open->trigger();
        QVERIFY(shell.isVisible());
        QVERIFY(!shell.windowState().testFlag(Qt::WindowMinimized));
        emit menu->aboutToShow();
        QVERIFY(!open->isEnabled());
    }

    // "Exit" always closes and lets go of the tray.
    shell.show();
    const int accepted = shell.closesAccepted;
    QTimer::singleShot(0, shell.chrome, &MainWindowChrome::exitApp);
    QCOMPARE(runEventLoop(), 0);
    QCOMPARE(shell.closesAccepted, accepted + 1);
    QVERIFY(!shell.isVisible());
    QVERIFY(!tray->isVisible());
}

void TestDialogs::exitEndsTheEventLoopWithCloseToTray()
{
    storeOptions(31);
    Shell shell;
    shell.show();
    shell.chrome->manageTraySettings();
    // Another open window would keep the program alive as well.
    QWidget other;
    other.show();
    QMenu *menu = shell.chrome->menus()->contextMenu();
    QAction *exit = menu->actions().last();
    QCOMPARE(exit->text(), QStringLiteral("Exit\tAlt+F4"));
    QTimer::singleShot(0, exit, &QAction::trigger);
    QCOMPARE(runEventLoop(), 0);
    QVERIFY(!shell.isVisible());
}

void TestDialogs::logWindowOwnedByTheMainWindow()
{
    Shell shell;
    QList<QWidget *> owners;
    shell.chrome->setLogWindowFactory([&owners](QWidget *owner) {
        owners << owner;
        auto *dialog = new QDialog(owner);
        QTimer::singleShot(0, dialog, &QDialog::accept);
        return dialog;
    });
    {
        auto *caller = new QDialog(&shell);
        shell.chrome->openLog(caller);
        delete caller;
    }
    QPointer<QDialog> log = shell.chrome->logWindow();
    QVERIFY(log);
    QTimer::singleShot(0, log.data(), &QDialog::accept);
    shell.chrome->openLog(&shell);
    QCOMPARE(owners, QList<QWidget *>({&shell}));
    delete log;
    shell.chrome->openLog(nullptr);
    QCOMPARE(owners, QList<QWidget *>({&shell, &shell}));
}

void TestDialogs::missingWindowsAreDisabled()
{
    Shell shell;
    MainMenus *menus = shell.chrome->menus();
    for (MainMenus::Entry entry : {MainMenus::Log, MainMenus::Changelog, MainMenus::Settings, MainMenus::Updates,
                                   MainMenus::Feedback}) {
        QVERIFY(!menus->action(entry)->isEnabled());
        QCOMPARE(menus->action(entry)->toolTip(), QStringLiteral("Not available in this build"));
    }
    QVERIFY(!menus->themeActions(0).at(1)->isEnabled());
    shell.chrome->setUpdateCheck([](bool) {});
    QVERIFY(menus->action(MainMenus::Updates)->isEnabled());
}

void TestDialogs::opacityReachesOpenDialogs()
{
    Shell shell;
    shell.chrome->aboutApp();
    auto *other = new QDialog(&shell);
    other->show();
    shell.chrome->setOpacity(0.75);
    // The platform keeps opacity in 1/255 steps.
    QCOMPARE(qRound(shell.windowOpacity() * 100), 75);
    QCOMPARE(qRound(shell.chrome->about()->windowOpacity() * 100), 75);
    QCOMPARE(qRound(other->windowOpacity() * 100), 75);
}

void TestDialogs::geometryFirstStartStoredAndDamaged()
{
    QMainWindow first;
    WindowPersistence::restoreGeometry(&first);
    QCOMPARE(first.size(), QSize(1260, 600));
    first.resize(1400, 720);
    WindowPersistence::storeGeometry(&first);

    QMainWindow restarted;
    WindowPersistence::restoreGeometry(&restarted);
    QCOMPARE(restarted.size(), QSize(1400, 720));

    writeAppSetting(QStringLiteral("Position"), QByteArray("\x01\xd9\xd0\xcb damaged"));
    QMainWindow damaged;
    damaged.resize(10, 10);
    WindowPersistence::restoreGeometry(&damaged);
    QCOMPARE(damaged.size(), QSize(1260, 600));
}

static const QString missing =
    QStringLiteral("Application was not found! Would you like to provide path to the application?");

void TestDialogs::installedCopyOpensWithoutQuestions()
{
    opened.clear();
    const QString installed = program();
    HostlensLauncher launcher(nullptr, recordingOpener(true));
    launcher.setInstallPaths({dir.filePath(QStringLiteral("absent.exe")), installed});
    launcher.open();
    QCOMPARE(opened, QList<QUrl>({QUrl::fromLocalFile(installed)}));
}

void TestDialogs::threeFileDialogsThenThePurchaseHint()
{
    opened.clear();
    QWidget window;
    HostlensLauncher launcher(&window, recordingOpener(true));
    launcher.setInstallPaths({});
    testsupport::ModalScript script({"Yes", "cancel", "Retry", "cancel", "Retry", "cancel", "OK"});
    launcher.open();
    const QString dialog = QStringLiteral("file dialog: Open HostlensHome.exe");
    QCOMPARE(script.seen, QStringList({QStringLiteral("Attention: ") + missing, dialog,
                                       QStringLiteral("Warning: ") + missing, dialog,
                                       QStringLiteral("Warning: ") + missing, dialog,
                                       QStringLiteral("Information: You can purchase it here: https://www.tarnwick.example")}));
    QVERIFY(opened.isEmpty());
}

void TestDialogs::fileChosenOnTheSecondTry_data()
{
    QTest::addColumn<bool>("opens");
    QTest::addColumn<QStringList>("after");
    QTest::newRow("opens") << true << QStringList();
    QTest::newRow("cannot open")
        << false << QStringList({"Error: Failed to open the application! Make sure it is installed."});
}

void TestDialogs::fileChosenOnTheSecondTry()
{
    QFETCH(bool, opens);
    QFETCH(QStringList, after);
    opened.clear();
    const QString chosen = program();
    HostlensLauncher launcher(nullptr, recordingOpener(opens));
    launcher.setInstallPaths({});
    QStringList answers({"Yes", "cancel", "Retry", chosen});
    if (!opens)
        answers << QStringLiteral("OK");
    testsupport::ModalScript script(answers);
    launcher.open();
    QCOMPARE(opened, QList<QUrl>({QUrl::fromLocalFile(chosen)}));
    QCOMPARE(script.seen.mid(4), after);
}

void TestDialogs::infoPageFailureIsReported()
{
    opened.clear();
    HostlensLauncher launcher(nullptr, recordingOpener(false));
    testsupport::ModalScript script({"OK"});
    launcher.openInfoPage();
    QCOMPARE(opened, QList<QUrl>({QUrl(QStringLiteral("https://www.tarnwick.example/apps/hostlens-home"))}));
    QCOMPARE(script.seen, QStringList({"Error: Failed to open the information about the application!"}));
}

void TestDialogs::initialButtons_data()
{
    QTest::addColumn<bool>("lines");
    QTest::addColumn<bool>("savedFile");
    QTest::addColumn<QString>("states");
    QTest::newRow("nothing") << false << false << "0000001";
    QTest::newRow("file of an earlier run, empty view") << false << true << "1101001";
    QTest::newRow("lines, nothing saved") << true << false << "1101001";
    QTest::newRow("lines and a saved file") << true << true << "1111111";
}

void TestDialogs::initialButtons()
{
    QFETCH(bool, lines);
    QFETCH(bool, savedFile);
    if (lines)
        appendLog(QStringLiteral("launching the program"));
    if (savedFile)
        writeAppSetting(QStringLiteral("LogPath"), writeBytes(folder() + "/earlier.txt", "x"));
    Log window;
    QTEST(buttons(window), "states");
}

void TestDialogs::deleteLadder_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QStringList>("boxes");
    QTest::newRow("stored file") << "file" << QStringList{"Log: Log file was successfully deleted!"};
    QTest::newRow("stored file gone") << "gone" << QStringList{"Error: Log file is not exists!"};
}

void TestDialogs::deleteLadder()
{
    QFETCH(QString, stored);
    appendLog(QStringLiteral("launching the program"));
    const QString other = writeBytes(folder() + "/other.txt", "other run");
    writeAppSetting(QStringLiteral("LogPath"), writeBytes(folder() + "/saved.txt", "saved"));
    Log window;
    if (stored == "gone")   // behind the window's back
        QFile::remove(folder() + "/saved.txt");
    testsupport::ModalScript boxes({"OK", "OK"});
    press(window, "Delete");
    QTEST(boxes.seen, "boxes");
    QVERIFY(!QFile::exists(folder() + "/saved.txt") && QFile::exists(other));
    QCOMPARE(logPath(), QString());
}

void TestDialogs::sendUploadsAndRemovesOnlyThatFile()
{
    FtpTestServer server;
    QVERIFY(server.start());
    server.useForUploads();
    appendLog(QString::fromUtf8("запуск программы"));
    appendLog(QStringLiteral("chosen network - <b>Cafe</b>"));
    const QString earlier = writeBytes(folder() + "/Airvane_Lite_Log_earlier.txt", "an earlier run");
    Log window;
    testsupport::ModalScript boxes({"OK", "OK"});
    press(window, "Save");
    const QString path = window.defaultLogFilePath();
    QVERIFY2(QRegularExpression(QRegularExpression::anchoredPattern(
                                    QRegularExpression::escape(QDir::toNativeSeparators(folder()) + "/Airvane_Lite_Log_"
                                                               + QLocale::system().name())
                                    + "_\\d{4}(\\.\\d\\d){5}\\.\\d{3}\\.txt"))
                 .match(path).hasMatch(), qPrintable(path));
    const QByteArray saved = bytesOf(path);
    // windows-1251, the markup kept as text.
    QVERIFY2(saved.contains("\xe7\xe0\xef\xf3\xf1\xea \xef\xf0\xee\xe3\xf0\xe0\xec\xec\xfb\n"), saved.constData());
    QVERIFY(saved.endsWith(": chosen network - <b>Cafe</b>"));
    QCOMPARE(boxes.seen, QStringList{"Log: Log file was successfully saved!\nLog path: " + path});
    QCOMPARE(logPath(), path);
    QCOMPARE(buttons(window), QStringLiteral("1111111"));

    press(window, "Send");
    QCOMPARE(buttons(window).mid(4, 2), QStringLiteral("00"));
    QTRY_COMPARE_WITH_TIMEOUT(boxes.seen.size(), 2, 20000);
    QCOMPARE(boxes.seen.last(), QStringLiteral("Log: Log file was successfully sent!"));
    QCOMPARE(server.bytes("airvane_lite/telemetry/log/" + QFileInfo(path).fileName()), saved);
    QCOMPARE(logPath(), QString());
    QVERIFY(!QFile::exists(path));
    QCOMPARE(bytesOf(earlier), QByteArray("an earlier run"));
}

void TestDialogs::failedSendKeepsEverything_data()
{
    QTest::addColumn<QString>("failure");
    QTest::addColumn<QString>("box");
    QTest::newRow("server down") << "down" << "Error: Failed to send the log file! Error code: 1";
    QTest::newRow("read-only folder") << "read-only" << "Error: Failed to send the log file! Error code: 201";
    QTest::newRow("wrong password") << "password" << "Error: Failed to send the log file! Error code: 204";
    QTest::newRow("saved file gone") << "gone" << "Error: Log file is not exists!";
    QTest::newRow("offline") << "offline"
                             << "Error: Network connection is not available! Check your network and try again.";
}

void TestDialogs::failedSendKeepsEverything()
{
    QFETCH(QString, failure);
    FtpTestServer server;
    QVERIFY(server.start(failure == "read-only" ? QStringList{"--read-only", "public_html/apps/airvane_lite/telemetry/log"}
                                                : QStringList()));
    server.useForUploads(failure == "password" ? QStringLiteral("Wr0ng:p@ss/#16ch") : FtpTestServer::password());
    if (failure == "down")
        server.stop();
    if (failure == "offline")   // nothing answers the probe
        qputenv("AIRVANE_WEB_BASE_URL", QStringLiteral("https://127.0.0.1:%1").arg(server.port()).toUtf8()), server.stop();

    appendLog(QStringLiteral("launching the program"));
    Log window;
    testsupport::ModalScript boxes({"OK", "OK"});
    press(window, "Save");
    const QString path = window.defaultLogFilePath();
    if (failure == "gone")
        QFile::remove(path);
    press(window, "Send");
    QTRY_COMPARE_WITH_TIMEOUT(boxes.seen.size(), 2, 20000);
    QTEST(boxes.seen.last(), "box");
    QCOMPARE(QFile::exists(path), failure != "gone");
    QCOMPARE(logPath(), path);
    QCOMPARE(buttons(window).mid(4, 2), failure == "gone" ? "00" : "01");
    QVERIFY(server.files("airvane_lite/telemetry/log").isEmpty());
    // No part of the account in anything the program shows or writes (any encoding of it).
    const QString everything = boxes.seen.join('\n') + debugOutput() + LogView::view()->toPlainText();
    for (const QString &secret : {QStringLiteral("W0rd"), QStringLiteral("Wr0ng"), QString(FtpTestServer::user() + ':')})
        QVERIFY2(!everything.contains(secret), qPrintable(everything));
}

void TestDialogs::viewOutlivesTheWindow()
{
    appendLog(QStringLiteral("first"));
    QTextBrowser *view = LogView::view();
    for (int i = 0; i < 2; ++i) {
        Log window;
        window.showWindow();
        QVERIFY(view->parent() == &window && view->isVisible());
        QVERIFY(!view->openLinks() && !view->openExternalLinks());
    }
    QCOMPARE(LogView::view(), view);
    QCOMPARE(view->toPlainText().count(": first"), 1);
}

void TestDialogs::appendBeforeAnyWindowCreatesTheView()
{
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
    QVERIFY(!LogView::exists());
    appendLog(QStringLiteral("launching the program"));
    QTextBrowser *view = LogView::view();
    QVERIFY(LogView::exists() && view && !view->parent());
    // Stamped with the current local time, in the line format checked below.
    QVERIFY2(view->toPlainText().endsWith(QStringLiteral(": launching the program")), qPrintable(view->toPlainText()));
    const QDateTime stamped = QDateTime::fromString(view->toPlainText().left(19), QStringLiteral("yyyy-MM-dd hh:mm:ss"));
    QVERIFY(qAbs(stamped.secsTo(QDateTime::currentDateTime())) <= 2);
}

void TestDialogs::eachLineIsAParagraphOfPlainText()
{
    QTextBrowser *view = LogView::view();
    view->clear();
    appendLog(QStringLiteral("check for updates"));
    appendLog(QStringLiteral("chosen network - <b>Cafe</b> & <i>Bar</i>"));
    QCOMPARE(view->document()->blockCount(), 2);
    QVERIFY(view->document()->firstBlock().text().endsWith(QStringLiteral(": check for updates")));
    QVERIFY(view->document()->lastBlock().text().endsWith(QStringLiteral(": chosen network - <b>Cafe</b> & <i>Bar</i>")));
}

void TestDialogs::lineFormat_data()
{
    QTest::addColumn<QDateTime>("when");
    QTest::addColumn<QString>("event");
    QTest::addColumn<QString>("line");
    QTest::newRow("afternoon is 24-hour") << QDateTime(QDate(2024, 3, 5), QTime(14, 7, 9))
                                          << "checked for updates"
                                          << "2024-03-05 14:07:09: checked for updates";
    QTest::newRow("translated text") << QDateTime(QDate(2024, 1, 2), QTime(9, 3, 4))
                                     << QString::fromUtf8("запуск программы")
                                     << QString::fromUtf8("2024-01-02 09:03:04: запуск программы");
}

void TestDialogs::lineFormat()
{
    QFETCH(QDateTime, when);
    QFETCH(QString, event);
    QFETCH(QString, line);
    // The digits do not follow the user's locale.
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::Arabic, QLocale::Egypt));
    const QString actual = LogView::line(event, when);
    QLocale::setDefault(previous);
    QCOMPARE(actual, line);
}

void TestDialogs::survivesAdoptionAndItsEnd()
{
    QTextBrowser *view = LogView::view();
    view->clear();
    appendLog(QStringLiteral("first"));
    {
        QWidget window;
        auto *layout = new QVBoxLayout(&window);
        layout->addWidget(LogView::view());
        QCOMPARE(LogView::view(), view);
        QCOMPARE(view->parent(), &window);
        appendLog(QStringLiteral("second"));
        QCOMPARE(view->document()->blockCount(), 2);
    }
    // Its owner is gone: the next line starts a new view rather than failing.
    QVERIFY(!LogView::exists());
    appendLog(QStringLiteral("third"));
    QVERIFY(LogView::exists());
    QVERIFY(LogView::view()->toPlainText().endsWith(QStringLiteral(": third")));
}

void TestDialogs::fromAnotherThread()
{
    LogView::view()->clear();
    std::thread worker([] { appendLog(QStringLiteral("feedback was successfully sent")); });
    worker.join();
    QTRY_VERIFY(LogView::view()->toPlainText().endsWith(QStringLiteral(": feedback was successfully sent")));
}


void TestDialogs::attachmentLimit_data()
{
    QTest::addColumn<QList<qint64>>("sizes");
    QTest::addColumn<QString>("label");   // "" stands for the one file's native path
    QTest::newRow("20 MB in one file") << QList<qint64>{20971520} << "No file is selected";
    QTest::newRow("20 MB in two files") << QList<qint64>{10485760, 10485760} << "No file is selected";
    QTest::newRow("one byte less") << QList<qint64>{20971519} << "";
    QTest::newRow("several in MB") << QList<qint64>{1048576, 524288, 1} << "Selected 3 files (1.50 MB)";
    QTest::newRow("exactly 1 MB in KB") << QList<qint64>{524288, 524288} << "Selected 2 files (1024.00 KB)";
}

void TestDialogs::attachmentLimit()
{
    QFETCH(QList<qint64>, sizes);
    QFETCH(QString, label);
    QStringList paths;
    for (qint64 size : sizes)
        paths << file(QStringLiteral("part%1.dmp").arg(paths.size()), size);
    const bool refused = label == "No file is selected";
    Feedback window;
    testsupport::ModalScript boxes({"OK", "OK"});
    QCOMPARE(window.setAttachments(paths), !refused);
    QCOMPARE(boxes.seen.join(""), refused ? "Error: The size of selected data is too big (max. 20.0 MB)!" : "");
    QCOMPARE(window.attachments(), refused ? QStringList() : paths);
    QCOMPARE(window.findChild<QLabel *>("labelFiles")->text(), label.isEmpty() ? QDir::toNativeSeparators(paths[0]) : label);
    QCOMPARE(window.findChild<QWidget *>("previewRow")->findChildren<QLabel *>().size(), refused ? 0 : paths.size());
}

void TestDialogs::fileContents_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("text");
    QTest::newRow("English") << int(App::Language::English)
                             << "Application name: Airvane Lite\nApplication build: 2.8.8.652\n"
                                "Application channel: Beta\nApplication architecture: x64\n"
                                "Creation date: 3/5/2024 04:07:09 PM\n"
                                "Feedback type: Problem with the application\nApplication rate: 7\n"
                                "Message: drops <b>every</b> hour\nEmail: jo.doe@example.com\n"
                                "Attachments:\nshot #1.png\ncrash.dmp\n";
    QTest::newRow("Russian") << int(App::Language::Russian)
                             << QString::fromUtf8("Название приложения: Airvane Lite\nСборка приложения: 2.8.8.652\n"
                                                  "Канал приложения: Бета\nАрхитектура приложения: x64\n"
                                                  "Дата создания: 3/5/2024 16:07:09\n"
                                                  "Тип отзыва: Проблема с приложением\nОценка приложения: 7\n"
                                                  "Сообщение: drops <b>every</b> hour\nЭл. почта: jo.doe@example.com\n"
                                                  "Вложения:\nshot #1.png\ncrash.dmp\n");
}

void TestDialogs::fileContents()
{
    QFETCH(int, language);
    QFETCH(QString, text);
    writeLanguage(App::Language(language));
    writeUpdatesChannel(Update::Channel::Beta);
    QTranslator program;
    loadTranslations(App::Language(language), &program, nullptr);
    auto *window = new Feedback;
    fill(window, "radioButtonProblem", 7, "drops <b>every</b> hour", "jo.doe@example.com");
    window->setAttachments({file("shot #1.png", 10), file("crash.dmp", 10)});
    // 14:07:09 UTC is 16:07:09 in the maker's time zone (UTC+2 in early March).
    const QDateTime when(QDate(2024, 3, 5), QTime(14, 7, 9, 123), Qt::UTC);
    const QByteArray bytes = window->feedbackFileContents(when);
    QCOMPARE(bytes, QTextCodec::codecForName("windows-1251")->fromUnicode(text));
    QVERIFY(language == 1 || bytes.startsWith("\xcd\xe0\xe7\xe2\xe0\xed\xe8\xe5 "));   // "Название "
    QCOMPARE(window->feedbackFilePathFor(when), QDir::toNativeSeparators(feedbackFolder() + "/Airvane_Lite_Feedback_"
                                                                          + QLocale::system().name()
                                                                          + "_2024.03.05.16.07.09.123.txt"));
    delete window;
    removeTranslations(&program, nullptr);
    writeLanguage(App::Language::English);
}

void TestDialogs::sendWithAttachments()
{
    FtpTestServer server;
    QVERIFY(server.start());
    server.useForUploads();
    const QStringList names = {"shot #1 50%41.png", QString::fromUtf8("дамп памяти.dmp")};
    QPointer<Feedback> window = new Feedback;
    fill(window, "radioButtonVote", 10, QString());   // a vote needs no message
    QVERIFY(window->setAttachments({file(names[0], 3000), file(names[1], 5000)}));
    testsupport::ModalScript boxes({"OK", "OK"});
    send(window);
    QTRY_COMPARE_WITH_TIMEOUT(boxes.seen, QStringList{"Feedback: Thank you for the feedback!"}, 20000);
    QTRY_VERIFY(window.isNull());

    QCOMPARE(server.files("airvane_lite/telemetry/feedback/files"), names);
    QCOMPARE(server.bytes("airvane_lite/telemetry/feedback/files/" + names[1]), bytesOf(files.filePath(names[1])));
    const QStringList sent = server.files("airvane_lite/telemetry/feedback");
    QCOMPARE(sent.size(), 1);
    // The attachments went first, the feedback file last.
    QCOMPARE(server.stored().value(2), "airvane_lite/telemetry/feedback/" + sent[0]);
    QVERIFY(server.bytes("airvane_lite/telemetry/feedback/" + sent[0])
                .endsWith("Feedback type: Just vote for the application\nApplication rate: 10\n"
                          "Attachments:\nshot #1 50%41.png\n\xe4\xe0\xec\xef \xef\xe0\xec\xff\xf2\xe8.dmp\n"));
    QVERIFY(!QFileInfo::exists(feedbackFolder()));
    QVERIFY(LogView::view()->toPlainText().endsWith(": feedback was successfully sent"));
}

void TestDialogs::workerFirstRecordAndInstallerArea()
{
    FtpTestServer server;
    QVERIFY(server.start());
    server.useForUploads();
    const QString first = writeBytes(files.filePath("first.txt"), "first");
    const QVector<FtpData> records = {record(first), record(file("second.txt", 6))};
    const QStringList paths = {file("a?.png", 1), file("b.png", 2)};
    for (const char *operation : {"uploadToFtp", "multipleUploadsToFTP"}) {
        const NetworkManager::Operation run = NetworkManager::prepareOperation();
        testsupport::SignalRecorder recorder(run.worker);
        if (*operation == 'u')
            NetworkManager::startOperation(run, operation, Q_ARG(QVector<FtpData>, records));
        else
            NetworkManager::startOperation(run, operation, Q_ARG(QString, "ALI"), Q_ARG(QString, "feedback/files"),
                                           Q_ARG(QStringList, paths));
        QVERIFY(recorder.waitFor("finished"));
        QCOMPARE(recorder.names().join(' '), *operation == 'u' ? "dataUploaded finished" : "finished");
    }
    QCOMPARE(server.files("airvane_lite/telemetry/log"), QStringList{"first.txt"});
    QCOMPARE(server.bytes("airvane_lite/telemetry/log/first.txt"), QByteArray("first"));
    QCOMPARE(server.files("installers/online/ali/telemetry/feedback/files"), (QStringList{"a?.png", "b.png"}));
    // Sent, so removed here; the folder stays while it holds another file.
    QVERIFY(!QFile::exists(first) && QFile::exists(files.filePath("second.txt")));
}

void TestDialogs::workerServerStoppedMidTransfer()
{
    FtpTestServer server;
    QVERIFY(server.start({"--slow", "65536"}));
    server.useForUploads();
    FtpUploadJob::setTimeLimit(2000, 1 << 30);
    const QByteArray body(4 * 1024 * 1024, 'L');
    const QString big = writeBytes(files.filePath("big.txt"), body);
    const NetworkManager::Operation operation = NetworkManager::prepareOperation();
    testsupport::SignalRecorder recorder(operation.worker);
    NetworkManager::startOperation(operation, "uploadToFtp", Q_ARG(QVector<FtpData>, {record(big)}));
    QTRY_VERIFY_WITH_TIMEOUT(!server.stored().isEmpty(), 10000);
    server.stop();
    QVERIFY(recorder.waitFor("finished", 1, 30000));
    QCOMPARE(recorder.names(), (QStringList{"dataUploadFailed", "finished"}));
    QCOMPARE(recorder.lastArguments("dataUploadFailed"), QVariantList{int(QNetworkReply::TimeoutError)});
    QCOMPARE(bytesOf(big), body);
    FtpUploadJob::setTimeLimit(60000, 16 * 1024);
}

void TestDialogs::cleanup()
{
    // Console windows delete themselves later; end their commands now.
    if (parent)
        qDeleteAll(parent->findChildren<ConfigManager *>());
    delete worker;
    worker = nullptr;
    delete settings;
    settings = nullptr;
    dialogkit::settleDeferredDeletes();
}

AppSettings *TestDialogs::makeDialog()
{
    delete settings;
    SettingsDialogHooks hooks;
    hooks.commands = host;
    hooks.startAddressDetection = [this] { return worker = new FakeWorker; };
    hooks.startUpdateCheck = [this] { return worker = new FakeWorker; };
    hooks.restartApplication = [this] { ++restarts; };
    settings = new AppSettings(nullptr, hooks);
    return settings;
}

void TestDialogs::settings_switchesStoreAndSignal_data()
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

void TestDialogs::settings_switchesStoreAndSignal()
{
    QFETCH(QString, control);
    QFETCH(QString, group);
    QFETCH(QString, key);
    QFETCH(QString, signal);

    Switch *target = sw(control.toLatin1().constData());
    QVERIFY(target);
    testsupport::SignalRecorder recorder(settings);
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

void TestDialogs::settings_trayMatrix_data()
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

void TestDialogs::settings_trayMatrix()
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
    QSignalSpy manage(settings, &AppSettings::setManageTray);
    settings->show();

    sw(control.toLatin1().constData())->click();
    QCOMPARE(settings->isVisible(), !hides);
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

void TestDialogs::settings_selectorsStoreEnumValues_data()
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

void TestDialogs::settings_selectorsStoreEnumValues()
{
    QFETCH(QString, selector);
    QFETCH(QString, entry);
    QFETCH(QString, group);
    QFETCH(QString, key);
    QFETCH(int, value);
    QFETCH(QStringList, emitted);

    auto *box = child<QComboBox>(selector.toLatin1().constData());
    testsupport::SignalRecorder recorder(settings);
    const int index = box->findText(entry);
    QVERIFY(index >= 0);
    box->setCurrentIndex(index);
    emit box->activated(index);

    QCOMPARE(readSetting(group, key).toInt(), value);
    QCOMPARE(recorder.names(), emitted);
    for (const QString &name : emitted)
        QCOMPARE(recorder.lastArguments(name.toLatin1()).value(0).toInt(), value);
}

void TestDialogs::settings_storedValuesReloadAndDefaults()
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

void TestDialogs::settings_pagesAreNeverNarrowerThanTheirContent()
{
    // The pages do not scroll sideways: at the default size and in the longer Russian texts every
    // page shows its whole width beside the vertical scroll bar.
    settings->resize(850, 560);
    settings->show();
    QVERIFY(QTest::qWaitForWindowExposed(settings));
    QTranslator program;
    for (const App::Language language : {App::Language::English, App::Language::Russian}) {
        loadTranslations(language, &program, nullptr);
        for (QScrollArea *page : settings->findChildren<QScrollArea *>()) {
            page->show();
            QTRY_VERIFY2(page->viewport()->width() >= page->widget()->minimumSizeHint().width(),
                         qPrintable(page->objectName()));
        }
    }
    removeTranslations(&program, nullptr);
}

void TestDialogs::settings_opacitySlider()
{
    QSignalSpy opacity(settings, &AppSettings::opacitySettings);
    auto *slider = child<QSlider>("opacitySlider");
    QCOMPARE(slider->value(), 10);
    slider->setValue(0);
    QCOMPARE(opacity.count(), 0);
    QCOMPARE(readSetting(QStringLiteral("AppSettings"), QStringLiteral("Opacity"), 1).toDouble(), 1.0);
    slider->setValue(7);
    QCOMPARE(opacity.count(), 1);
    QCOMPARE(opacity.takeFirst().value(0).toDouble(), 0.7);
    QCOMPARE(readSetting(QStringLiteral("AppSettings"), QStringLiteral("Opacity")).toDouble(), 0.7);
    QVERIFY(qAbs(settings->windowOpacity() - 0.7) < 0.01); // the window system keeps 8 bits
}

void TestDialogs::settings_fontChangeAsksRestartOnClose_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("stays");
    QTest::addColumn<int>("restarts");
    QTest::newRow("Cancel keeps the dialog") << "Cancel" << true << 0;
    QTest::newRow("No closes") << "No" << false << 0;
    QTest::newRow("Yes restarts") << "Yes" << false << 1;
}

void TestDialogs::settings_fontChangeAsksRestartOnClose()
{
    QFETCH(QString, answer);
    QFETCH(bool, stays);
    QFETCH(int, restarts);

    settings->show();
    auto *sizes = child<QComboBox>("fontSizeBox");
    QVERIFY(!child<QPushButton>("applyFontButton")->isEnabled());
    sizes->setCurrentIndex(sizes->findText(QStringLiteral("16")));
    emit sizes->activated(sizes->currentIndex());
    QCOMPARE(readSetting(QStringLiteral("Fonts"), QStringLiteral("Size")).toInt(), 16);
    QVERIFY(child<QPushButton>("applyFontButton")->isEnabled());
    QCOMPARE(child<QLabel>("previewLabel")->font().pixelSize(), 16);

    const auto seen = dialogkit::answerNextBox(answer);
    settings->close();
    QCOMPARE(seen->text, QStringLiteral("You must restart the program to apply the selected font. Do you want to restart now?"));
    QCOMPARE(settings->isVisible(), stays);
    QCOMPARE(this->restarts, restarts);
    QVERIFY(hasSetting(QStringLiteral("AppSettings"), QStringLiteral("SettingsPos")));
}

void TestDialogs::settings_resetFontAsksRestart()
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

void TestDialogs::settings_connectionCheckOutcomes_data()
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

void TestDialogs::settings_connectionCheckOutcomes()
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

void TestDialogs::settings_updateCheckRestoresButton_data()
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

void TestDialogs::settings_updateCheckRestoresButton()
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

void TestDialogs::settings_commandFieldRules()
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

void TestDialogs::settings_commandButtonsRunThroughHost()
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

void TestDialogs::netshCommandTexts()
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

void TestDialogs::unsafeFieldsRefused_data()
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

void TestDialogs::unsafeFieldsRefused()
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
    QCOMPARE(launcher.run(12, fields, true, false, consoles()), CommandLauncher::Outcome::Refused);
    QCOMPARE(seen->title, QStringLiteral("Error"));
    QVERIFY(seen->text.contains(QStringLiteral("network profile")));
    QVERIFY(host.externalConsoles.isEmpty());
    QVERIFY(consoles()->findChildren<ConfigManager *>().isEmpty());
    QVERIFY(!QFile::exists(QStringLiteral("/tmp/pwned")));
}

void TestDialogs::shellFieldsCannotEscapeTheirQuotes()
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

void TestDialogs::decisionSteps_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<bool>("configManager");
    QTest::addColumn<bool>("elevated");
    QTest::addColumn<QString>("answer");   // pressed in the one box expected, empty: no box
    QTest::addColumn<QString>("boxTitle");
    QTest::addColumn<QString>("external"); // "plain" or "elevated" console asked for, empty: none
    QTest::addColumn<bool>("window");      // the console window runs the row

    QTest::newRow("delete network No, switch on") << 7 << true << true << "No" << "Warning" << "" << false;
    QTest::newRow("delete profile No, switch off") << 14 << false << false << "No" << "Warning" << "" << false;
    QTest::newRow("delete profile Yes, switch off") << 14 << false << false << "Yes" << "Warning" << "plain" << false;
    QTest::newRow("admin, not elevated, No") << 2 << true << false << "No" << "Attention" << "" << false;
    QTest::newRow("admin, not elevated, Yes") << 2 << true << false << "Yes" << "Attention" << "elevated" << false;
    QTest::newRow("admin, elevated") << 1 << true << true << "" << "" << "" << true;
    QTest::newRow("no admin, not elevated") << 11 << true << false << "" << "" << "" << true;
    QTest::newRow("switch off, no admin") << 11 << false << true << "" << "" << "plain" << false;
    QTest::newRow("switch off, admin") << 2 << false << false << "" << "" << "elevated" << false;
}

void TestDialogs::decisionSteps()
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
    launcher.run(row, Typed, configManager, false, consoles());

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
        QCOMPARE(console->parent(), consoles());
        QCOMPARE(console->windowModality(), Qt::ApplicationModal);
        // The test host's interpreter is echo: the window shows the console form it was given.
        QCOMPARE(console->commandLine(), CommandCatalogue::system().build(row, Form::Console, Typed).text);
        QTRY_COMPARE(console->outputView()->toPlainText(), "-c " + console->commandLine());
    }
}

QStringList TestDialogs::paragraphs(ConfigManager &window)
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

void TestDialogs::piecesBecomeParagraphsAndExitCodeIsReported()
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

void TestDialogs::results_data()
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

void TestDialogs::results()
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

void TestDialogs::closingEndsTheCommandAndItsChildren_data()
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

void TestDialogs::closingEndsTheCommandAndItsChildren()
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

QTEST_MAIN(TestDialogs)
#include "tst_dialogs.moc"
