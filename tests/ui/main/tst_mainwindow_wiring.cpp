// The program's main window as the program builds it, against a scripted world with two adapters,
// open, secured, hidden and connected networks: the selector, both lists, the information panel and
// the clipboard text; the window's chrome: the quiet update check, the title, language and theme
// from either menu set; every entry reaches its window, the settings dialog drives the window and
// follows its menus, a language switch after a Russian start gives English; and hiding into the
// tray (last: it ends the window).

#include "ui/MainWindowKit.h"
#include "core/TestSettings.h"

#include "app/settings/SettingsKeys.h"
#include "app/settings/SettingsStore.h"
#include "app/startup/EntryPoint.h"
#include "app/startup/StartupServices.h"
#include "app/startup/TranslationResources.h"
#include "log/LogView.h"
#include "platform/wlan/WlanClientProvider.h"
#include "settings_dialog/AppSettings.h"
#include "ui/main/AirvaneLite.h"
#include "ui/main/AppTray.h"
#include "ui/main/MainWindowChrome.h"
#include "ui/main/PanelValueLabel.h"
#include "ui/widgets/AppQLabel.h"
#include "updates/UpdateCheck.h"
#include "wireless/ConnectionState.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLayout>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTextBrowser>
#include <QtTest>

using namespace mainwindowkit;

namespace {
const QString kAdapter0 = QStringLiteral("Intel(R) Wi-Fi 6 AX201 160MHz");
const QString kAdapter1 = QStringLiteral("Realtek RTL8821CE 802.11ac PCIe Adapter");
const QString kGuid0 = adapterGuidText(0);

Sim::Network withSignal(Sim::Network network, uint32_t quality, std::vector<Sim::Bss> bss)
{
    network.signalQuality = quality;
    network.bss = std::move(bss);
    return network;
}
} // namespace

class TestMainWindowWiring : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void adaptersArriveInSelector();
    void networkRows_data();
    void networkRows();
    void networkPressFillsPanel();
    void panelValuesAreAsTallAsTheirText();
    void panelValueSelectsWithoutChangingItsLook();
    void profilePressFillsPanelAndClearsNetworkSelection();
    void clipboardAfterNetworkPress();
    void returnWithoutSelectionWarns();
    void activationAsksForConnectionState();
    void quietUpdateCheckOnceAfterStart();
    void titleIsTheLookupText_data();
    void titleIsTheLookupText();
    void languageSwitchFromEitherMenu();
    void themeActionsMoveInStep();
    void entriesReachTheirWindows();
    void ctrlPOpensTheOneSettingsDialog();
    void settingsDialogDrivesTheWindow();
    void dialogFollowsMenusAndUpdateCheck();
    void englishAfterARussianStart();
    void closeHidesIntoTrayAndExitEnds();

private:
    QString copyPanel();
    QStringList toolbarTexts() const;

    std::shared_ptr<Sim> sim;
    AirvaneLite *window = nullptr;
    AppSettings *dialog = nullptr;
    QTreeWidget *networks = nullptr;
    QTreeWidget *profiles = nullptr;
    QElapsedTimer sinceStart;
    QList<std::pair<bool, qint64>> updateChecks;
    QList<App::Theme> applied;  // by the theme applier the window is given
};

void TestMainWindowWiring::initTestCase()
{
    resetSettings();
    initTranslationResources();
    initAppearanceResources();
    writeAppSetting(QLatin1String(SettingsKey::AutoRefreshWlanNetworks), false);
    writeAppSetting(QLatin1String(SettingsKey::AppLanguage), 1);
    writeAppSetting(QLatin1String(SettingsKey::NotifyWhenOpenAP), false);
    writeSetting(QLatin1String(SettingsGroup::Updates), QLatin1String(SettingsKey::CheckForUpdatesWhenAppStarts), true);

    sim = world(0);
    sim->addAdapter(adapter(0, kAdapter0));
    sim->addAdapter(adapter(1, kAdapter1));
    sim->addNetwork(withSignal(openNetwork("Cafe"), 70, {bssAt(2437000, 0x55)}));
    sim->addNetwork(withSignal(securedNetwork("Office", "k"), 100, {bssAt(5180000, 0x01), bssAt(5200000, 0x02)}));
    sim->addNetwork(withSignal(openNetwork("Attic"), 1, {bssAt(2412000, 0x66)}));
    sim->addNetwork(hidden(withSignal(securedNetwork("Lair", "k"), 40, {bssAt(2462000, 0x77)})));
    sim->addNetwork(withSignal(securedNetwork("Home", "k"), 90, {bssAt(2437000, 0x99)}));
    sim->addStoredProfile(0, securedProfile(QStringLiteral("Home"), QStringLiteral("k")));
    sim->setConnected(0, u"Home");
    wlan::setDefaultClient(sim);

    sinceStart.start();
    const StartupServices services = StartupServices::defaults();
    QVERIFY(services.createUpdateCheck && services.createUpdatesWindow && services.deleteOldInstaller
            && services.openFeedback);
    window = qobject_cast<AirvaneLite *>(services.createMainWindow());
    QVERIFY(window);
    window->chrome()->setUpdateCheck([this](bool quiet) { updateChecks.append({quiet, sinceStart.elapsed()}); });
    QVERIFY(activate(window));
    networks = child<QTreeWidget>(window, "networkList");
    profiles = child<QTreeWidget>(window, "profileList");
    QTRY_VERIFY(networks->topLevelItemCount() >= 4);
    QTRY_VERIFY(profiles->topLevelItemCount() >= 1);
}

void TestMainWindowWiring::cleanupTestCase()
{
    delete window;
    window = nullptr;
}

void TestMainWindowWiring::adaptersArriveInSelector()
{
    auto *selector = child<QComboBox>(window, "adapterSelector");
    QTRY_COMPARE(selector->count(), 2);
    QCOMPARE(selector->itemText(0), kAdapter0);
    QCOMPARE(selector->itemText(1), kAdapter1);
    QCOMPARE(selector->currentIndex(), 0);
    QCOMPARE(window->interfaceState(), Interface::Listed);
    QVERIFY(child<QPushButton>(window, "refreshButton")->isEnabled());
    QCOMPARE(panelValues(window, {"guid", "interface", "status", "operMode", "bssType", "autoConf"}),
             QStringList({kGuid0, "Native WiFi", "Connected", "Extensible Station", "Infrastructure", "True"}));

    QStringList order;
    for (int i = 0; i < networks->topLevelItemCount(); ++i)
        order << networks->topLevelItem(i)->text(0);
    QCOMPARE(order, QStringList({"Attic", "Cafe", "Hidden network", "Office"}));
}

void TestMainWindowWiring::networkRows_data()
{
    QTest::addColumn<QString>("ssid");
    QTest::addColumn<QStringList>("texts");   // columns 1..7, 11..17
    QTest::addColumn<QString>("data");        // isHidden, cipher, isSecured, auth, flags, connection

    QTest::newRow("secured, two BSSIDs") << "Office"
        << QStringList{"AES (CCMP)", "100% (-50 dBm)", "Yes", "WPA2-Personal (WPA2-PSK)", "Infrastructure",
                       "Required", "Yes", "No profile", "No", "00:1A:2B:3C:4D:02", "40", "802.11n",
                       "5200 MHz", "Dual-Band"}
        << "false|4|true|7|0|0";
    QTest::newRow("hidden") << "Hidden network"
        << QStringList{"AES (CCMP)", "40% (-80 dBm)", "Yes", "WPA2-Personal (WPA2-PSK)", "Infrastructure",
                       "Required", "Yes", "No profile", "No", "00:1A:2B:3C:4D:77", "11", "802.11n", "2462 MHz", "2.4 GHz"}
        << "true|4|true|7|0|0";
}

void TestMainWindowWiring::networkRows()
{
    QFETCH(QString, ssid);
    QFETCH(QStringList, texts);
    QFETCH(QString, data);

    QTreeWidgetItem *row = findRow(networks, ssid);
    QVERIFY2(row, qPrintable(ssid));
    QStringList shown;
    for (int column : {1, 2, 3, 4, 5, 6, 7, 11, 12, 13, 14, 15, 16, 17})
        shown << row->text(column);
    QCOMPARE(shown, texts);
    const QVariant state = row->data(12, Qt::UserRole);
    QCOMPARE(state.userType(), qMetaTypeId<Connection::State>());
    QStringList stored;
    for (int column : {0, 1, 3, 4, 11})
        stored << row->data(column, Qt::UserRole).toString();
    stored << QString::number(int(state.value<Connection::State>()));
    QCOMPARE(stored.join(QLatin1Char('|')), data);
    QVERIFY(!row->font(0).bold());
}

void TestMainWindowWiring::networkPressFillsPanel()
{
    QSignalSpy selected(window, &AirvaneLite::selectedNetwork);
    pressRow(profiles, findRow(profiles, QStringLiteral("Home")));
    QCOMPARE(profiles->selectedItems().size(), 1);

    pressRow(networks, findRow(networks, QStringLiteral("Office")));
    QCOMPARE(selected.count(), 1);
    QCOMPARE(selected.at(0).at(0).toString(), QStringLiteral("Office"));
    QVERIFY(profiles->selectedItems().isEmpty());
    QVERIFY(child<QLabel>(window, "profileCaption")->isHidden());
    QVERIFY(child<QLabel>(window, "profileValue")->isHidden());

    // The panel shows the row's values (the row texts are checked in networkRows).
    QCOMPARE(panelValues(window, {"network", "signal", "macAddress", "band"}),
             QStringList({"Office", "100% (-50 dBm)", "00:1A:2B:3C:4D:02", "Dual-Band"}));
    QCOMPARE(child<QPushButton>(window, "connectButton")->text(), QStringLiteral("Connect"));

    // A second press with Ctrl deselects the row and must leave the panel alone.
    pressRow(networks, findRow(networks, QStringLiteral("Office")), Qt::ControlModifier);
    QVERIFY(networks->selectedItems().isEmpty());
    QCOMPARE(selected.count(), 1);
    QCOMPARE(panelValues(window, {"network"}), QStringList{"Office"});
}

// The panel's values skip measuring each new text; they must still come out as tall as a plain
// selectable label would, in any font and for text that needs a fallback font.
void TestMainWindowWiring::panelValuesAreAsTallAsTheirText()
{
    auto *value = window->findChild<QLabel *>(QStringLiteral("networkValue"));
    QVERIFY(value);
    const QFont original = value->font();
    QLabel reference;
    reference.setTextFormat(Qt::PlainText);
    reference.setFixedWidth(value->minimumWidth());
    reference.setTextInteractionFlags(value->textInteractionFlags());
    for (int scale : {1, 3}) {
        QFont font = original;
        if (original.pixelSize() > 0)
            font.setPixelSize(original.pixelSize() * scale);
        else
            font.setPointSizeF(original.pointSizeF() * scale);
        value->setFont(font);
        reference.setFont(font);
        for (const QString &text : {QStringLiteral("Office"), QStringLiteral("\u041a\u0430\u0444\u0435"),
                                    QStringLiteral("\u4e2d\u6587\u7f51\u7edc"), QStringLiteral("\u0634\u0628\u0643\u0629"),
                                    QStringLiteral("\u0e40\u0e04\u0e23\u0e37\u0e2d\u0e02\u0e48\u0e32\u0e22"),
                                    QStringLiteral("\U0001F4F6 Free"), QString()}) {
            value->setText(text);
            reference.setText(text);
            QCOMPARE(value->sizeHint().height(), reference.sizeHint().height());
            QCOMPARE(value->minimumSizeHint().height(), reference.minimumSizeHint().height());
        }
    }
    value->setFont(original);
    value->setText(QStringLiteral("Unknown"));
}

// A value becomes selectable when first visited; until then it is drawn as a plain label, which
// must look exactly like the selectable one it turns into. Both agree when the label is as tall as
// its text, which the panel gives every value.
void TestMainWindowWiring::panelValueSelectsWithoutChangingItsLook()
{
    const QList<PanelValueLabel *> values = window->findChildren<PanelValueLabel *>();
    QCOMPARE(values.size(), 23);
    const QSize shownSize = window->size();
    for (int height : {window->minimumHeight(), window->minimumHeight() + 300}) {
        window->resize(window->width(), height);
        QTRY_COMPARE(window->height(), height);
        window->layout()->activate();
        for (PanelValueLabel *value : values)
            QCOMPARE(value->height(), value->sizeHint().height());
    }
    window->resize(shownSize);

    const auto freshValue = [&values](QWidget *parent) {
        auto *value = new PanelValueLabel(parent);
        value->setFont(values.first()->font());
        value->setTextFormat(Qt::PlainText);
        value->setFixedSize(values.first()->size());
        value->setSelectable();
        value->setText(QStringLiteral("5 GHz (Tom & Jerry's <5G>)"));
        return value;
    };
    QWidget holder;
    PanelValueLabel *hovered = freshValue(&holder);
    const QImage plain = hovered->grab().toImage();
    QEvent enter(QEvent::Enter);
    QCoreApplication::sendEvent(hovered, &enter);
    QVERIFY(hovered->textInteractionFlags() & Qt::TextSelectableByMouse);
    QCOMPARE(hovered->grab().toImage(), plain);

    // A click that comes without the pointer entering (a touch, say) selects and gives focus too.
    PanelValueLabel *clicked = freshValue(&holder);
    clicked->move(0, 40);
    QVERIFY(activate(&holder));
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(2, 2), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(clicked, &press);
    QVERIFY(clicked->hasFocus());
    QTest::keyClick(clicked, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(clicked->selectedText(), clicked->text());
}

void TestMainWindowWiring::profilePressFillsPanelAndClearsNetworkSelection()
{
    pressRow(networks, findRow(networks, QStringLiteral("Cafe")));
    QCOMPARE(networks->selectedItems().size(), 1);

    pressRow(profiles, findRow(profiles, QStringLiteral("Home")));
    QVERIFY(networks->selectedItems().isEmpty());
    QVERIFY(!child<QLabel>(window, "profileCaption")->isHidden());
    QVERIFY(!child<QLabel>(window, "profileValue")->isHidden());
    QCOMPARE(panelValues(window, {"profile", "network", "signal", "connected", "macAddress", "channel"}),
             QStringList({"Home", "Home", "90% (-55 dBm)", "Yes", "00:1A:2B:3C:4D:99", "6"}));
    QCOMPARE(child<QPushButton>(window, "connectButton")->text(), QStringLiteral("Disconnect"));
    const QStringList copied = copyPanel().split(QLatin1Char('\n'));
    QCOMPARE(copied.size(), 24); // the profile row is copied too
    QCOMPARE(copied.at(7), QStringLiteral("Profile: Home"));
}

QString TestMainWindowWiring::copyPanel()
{
    BoxLog log;
    log.answers << QStringLiteral("OK");
    QGuiApplication::clipboard()->setText(QStringLiteral("stale"));
    QTest::mouseClick(child<AppQLabel>(window, "copyIcon"), Qt::LeftButton);
    if (log.boxes.size() != 1)
        return QStringLiteral("<expected one box, got %1>").arg(log.boxes.size());
    if (log.boxes[0].title != QLatin1String("Information")
        || log.boxes[0].text != QLatin1String("Wireless information has been successfully copied to the clipboard."))
        return QStringLiteral("<wrong box: %1 / %2>").arg(log.boxes[0].title, log.boxes[0].text);
    return QGuiApplication::clipboard()->text(QClipboard::Clipboard);
}

void TestMainWindowWiring::clipboardAfterNetworkPress()
{
    pressRow(networks, findRow(networks, QStringLiteral("Cafe")));
    const QStringList expected{
        kAdapter0,
        "GUID: " + kGuid0,
        "Interface: Native WiFi",
        "Status: Connected",
        "Oper.Mode: Extensible Station",
        "BSS Type: Infrastructure",
        "Auto Conf.: True",
        "Network: Cafe",
        "Encryption: None",
        "Signal: 70% (-65 dBm)",
        "Security: No",
        "Auth. Algorithm: 802.11 Open",
        "Connectable: Yes",
        "Not connectable reason: The operation succeeds. (0)",
        "Dot11BssType: Infrastructure",
        "Flags: No profile",
        "Password: Not required",
        "Connected: No",
        "MAC Address: 00:1A:2B:3C:4D:55",
        "Channel: 6",
        "Mode: 802.11n",
        "Frequency: 2437 MHz",
        "Band: 2.4 GHz",
    };
    QCOMPARE(copyPanel().split(QLatin1Char('\n')), expected);
}

void TestMainWindowWiring::returnWithoutSelectionWarns()
{
    networks->clearSelection();
    profiles->clearSelection();
    BoxLog log;
    log.answers << QStringLiteral("OK");
    QTest::keyClick(window, Qt::Key_Return);
    QCOMPARE(log.boxes.size(), 1);
    QCOMPARE(log.boxes[0].title, QStringLiteral("Warning"));
    QCOMPARE(log.boxes[0].text, QStringLiteral("Select the network to proceed!"));
}

void TestMainWindowWiring::activationAsksForConnectionState()
{
    QSignalSpy asked(window, &AirvaneLite::checkWirelessState);
    QWidget other;
    QVERIFY(activate(&other));
    QVERIFY(activate(window));
    QTRY_VERIFY(asked.count() >= 1);
    QCOMPARE(asked.last().at(0).toInt(), 0);
}

QStringList TestMainWindowWiring::toolbarTexts() const
{
    QStringList texts;
    for (QPushButton *button : window->findChildren<QPushButton *>(QStringLiteral("menuButton")))
        texts << button->text();
    return texts;
}

void TestMainWindowWiring::quietUpdateCheckOnceAfterStart()
{
    QTRY_COMPARE_WITH_TIMEOUT(updateChecks.size(), 1, 4000);
    QCOMPARE(updateChecks.at(0).first, true);
    QVERIFY2(updateChecks.at(0).second >= 1400, qPrintable(QString::number(updateChecks.at(0).second)));
    window->checkForAppUpdates();
    QCOMPARE(updateChecks.size(), 2);
    QCOMPARE(updateChecks.at(1).first, false);
}

void TestMainWindowWiring::titleIsTheLookupText_data()
{
    QTest::addColumn<bool>("full");
    QTest::addColumn<int>("channel");
    QTest::addColumn<QString>("title");
    QTest::newRow("insider") << true << 1 << "Airvane Lite [Insider | Build 2.8.8.652 | x64]";
    QTest::newRow("unknown channel") << true << 9 << "Airvane Lite [Release | Build 2.8.8.652 | x64]";
    QTest::newRow("short") << false << 2 << "Airvane Lite";
}

void TestMainWindowWiring::titleIsTheLookupText()
{
    QFETCH(bool, full);
    QFETCH(int, channel);
    QFETCH(QString, title);
    writeAppSetting(QLatin1String(SettingsKey::ShowFullInfo), full);
    window->updateChannel(static_cast<Update::Channel>(channel));
    QCOMPARE(readSetting(QLatin1String(SettingsGroup::Updates), QLatin1String(SettingsKey::UpdatesChannel)).toInt(),
             channel);
    QCOMPARE(window->windowTitle(), title);
}

void TestMainWindowWiring::languageSwitchFromEitherMenu()
{
    MainMenus *menus = window->chrome()->menus();
    const int rows = networks->topLevelItemCount();
    QCOMPARE(toolbarTexts(), QStringList({"File", "Options", "Hostlens", "About"}));

    menus->languageActions(1).at(2)->trigger(); // "Русский" in the right-click menu
    QCOMPARE(readSetting(QLatin1String(SettingsGroup::App), QLatin1String(SettingsKey::AppLanguage)).toInt(), 2);
    QCOMPARE(toolbarTexts(), QStringList({"Файл", "Параметры", "Hostlens", "О программе"}));
    QCOMPARE(networks->headerItem()->text(1), QStringLiteral("Шифрование"));
    QCOMPARE(child<QPushButton>(window, "connectButton")->text(), QStringLiteral("Подключиться"));
    QCOMPARE(panelValues(window, {"network", "signal", "guid"}), QStringList({"Неизвестно", "Неизвестно", "Неизвестно"}));
    QVERIFY(menus->languageActions(0).at(2)->isChecked());
    QVERIFY(!menus->languageActions(0).at(1)->isChecked());
    QVERIFY(LogView::view()->toPlainText().endsWith(QStringLiteral(": выбран русский язык")));
    // The lists are asked for again and come back.
    QTRY_COMPARE(networks->topLevelItemCount(), rows);

    menus->languageActions(0).at(1)->trigger(); // "English" in the "Options" / tray set
    QCOMPARE(toolbarTexts(), QStringList({"File", "Options", "Hostlens", "About"}));
    QVERIFY(menus->languageActions(1).at(1)->isChecked());
    QTRY_COMPARE(networks->topLevelItemCount(), rows);

    // A language the program does not know gives English.
    window->russianLanguageChecked();
    QTRY_COMPARE(networks->topLevelItemCount(), rows);
    window->languageSelected(static_cast<App::Language>(7));
    QCOMPARE(networks->headerItem()->text(1), QStringLiteral("Encryption"));
    QCOMPARE(toolbarTexts().first(), QStringLiteral("File"));
    QVERIFY(window->chrome()->menus()->languageActions(1).at(1)->isChecked());
    QTRY_COMPARE(networks->topLevelItemCount(), rows);
}

void TestMainWindowWiring::themeActionsMoveInStep()
{
    MainMenus *menus = window->chrome()->menus();
    window->chrome()->setThemeApplier([this](App::Theme theme, QWidget *) { applied << theme; });
    QSignalSpy selected(window, &AirvaneLite::selectedTheme);
    std::unique_ptr<QMenu> tray(menus->newTrayMenu());
    QMenu *settings = tray->actions().at(3)->menu();
    QMenu *themes = settings->actions().at(1)->menu();
    themes->actions().at(1)->trigger(); // "Gray"
    QCOMPARE(applied, QList<App::Theme>({App::Theme::Gray}));
    QCOMPARE(selected.count(), 1);
    QVERIFY(menus->themeActions(1).at(1)->isChecked());
    QVERIFY(!menus->themeActions(1).at(0)->isChecked());
    QCOMPARE(readSetting(QLatin1String(SettingsGroup::App), QLatin1String(SettingsKey::AppTheme)).toInt(), 1);
    QVERIFY(LogView::view()->toPlainText().endsWith(QStringLiteral(": theme was successfully changed")));
}

void TestMainWindowWiring::entriesReachTheirWindows()
{
    for (MainMenus::Entry entry : {MainMenus::Settings, MainMenus::Updates, MainMenus::Changelog, MainMenus::Log,
                                   MainMenus::Feedback})
        QVERIFY2(window->chrome()->menus()->action(entry)->isEnabled(), qPrintable(QString::number(entry)));
}

void TestMainWindowWiring::ctrlPOpensTheOneSettingsDialog()
{
    QStringList opened;
    const auto closeNext = [&opened] {
        QTimer::singleShot(0, [&opened] {
            QWidget *modal = QApplication::activeModalWidget();
            opened << (modal ? modal->metaObject()->className() : "none");
            const QString shot = qEnvironmentVariable("AIRVANE_SCREENSHOT"); // under Xvfb, for the eye
            if (modal && !shot.isEmpty() && opened.size() == 1 && QTest::qWaitForWindowExposed(modal))
                QGuiApplication::primaryScreen()->grabWindow(0).save(shot);
            if (modal)
                modal->close();
        });
    };
    closeNext();
    QTest::keyClick(window, Qt::Key_P, Qt::ControlModifier);
    closeNext();
    QTest::mouseClick(child<QPushButton>(window, "settingsButton"), Qt::LeftButton);
    QCOMPARE(opened, QStringList({"AppSettings", "AppSettings"}));
    QCOMPARE(window->findChildren<AppSettings *>().size(), 1);
    dialog = window->findChild<AppSettings *>();
}

void TestMainWindowWiring::settingsDialogDrivesTheWindow()
{
    QVERIFY(dialog);
    emit dialog->opacitySettings(0.7);
    QVERIFY(qAbs(window->windowOpacity() - 0.7) < 0.01); // stored in 1/255 steps
    emit dialog->currentLanguage(App::Language::Russian);
    QCOMPARE(child<QPushButton>(window, "connectButton")->text(), QStringLiteral("Подключиться"));
    emit dialog->currentLanguage(App::Language::English);
    QCOMPARE(child<QPushButton>(window, "connectButton")->text(), QStringLiteral("Connect"));
    emit dialog->displayAbout();
    QTRY_VERIFY(window->chrome()->about() && window->chrome()->about()->isVisible());
    window->chrome()->about()->close();
    emit dialog->openFeedbackDlg(dialog);
    QTRY_VERIFY(QApplication::activeModalWidget() && QApplication::activeModalWidget()->inherits("Feedback"));
    QApplication::activeModalWidget()->close();
}

void TestMainWindowWiring::dialogFollowsMenusAndUpdateCheck()
{
    QVERIFY(dialog);
    auto *languageBox = dialog->findChild<QComboBox *>(QStringLiteral("languageBox"));
    auto *themeBox = dialog->findChild<QComboBox *>(QStringLiteral("themeBox"));
    window->ukrainianLanguageChecked();
    QCOMPARE(languageBox->currentData().toInt(), int(App::Language::Ukrainian));
    window->englishLanguageChecked();
    window->darkThemeChecked();
    QCOMPARE(themeBox->currentData().toInt(), int(App::Theme::Dark));
    window->lightThemeChecked();

    auto *check = window->findChild<UpdateCheck *>();
    QVERIFY(check);
    emit check->updatesBuildInfo(QStringLiteral("3.1.4"), QStringLiteral("today"));
    QCOMPARE(dialog->findChild<QLabel *>(QStringLiteral("buildLabel"))->text(), QStringLiteral("3.1.4"));
}

void TestMainWindowWiring::englishAfterARussianStart()
{
    writeAppSetting(QLatin1String(SettingsKey::AppLanguage), int(App::Language::Russian));
    QVERIFY(EntryPoint::loadStartupTranslations());
    QCOMPARE(QCoreApplication::translate("AirvaneLite", "Connect"), QStringLiteral("Подключиться"));
    window->englishLanguageChecked();
    QCOMPARE(child<QPushButton>(window, "connectButton")->text(), QStringLiteral("Connect"));
}

// Last: "Exit" ends the event loop, and the window stores its geometry on the way out.
void TestMainWindowWiring::closeHidesIntoTrayAndExitEnds()
{
    writeAppSetting(QLatin1String(SettingsKey::AddToTray), true);
    writeAppSetting(QLatin1String(SettingsKey::CloseToTray), true);
    window->manageTraySettings();
    AppTray *tray = window->chrome()->tray();
    QVERIFY(tray->isVisible());
    QVERIFY(window->close() == false);
    QVERIFY(!window->isVisible());
    window->setAppWindowVisible();
    QVERIFY(window->isVisible());

    QTimer::singleShot(0, window, &AirvaneLite::exitApp);
    QTimer giveUp;
    connect(&giveUp, &QTimer::timeout, [] { QCoreApplication::exit(7); });
    giveUp.start(5000);
    QCOMPARE(QCoreApplication::exec(), 0);
    QVERIFY(!tray->isVisible());
    QVERIFY(!readSetting(QLatin1String(SettingsGroup::App), QLatin1String(SettingsKey::Position)).toByteArray().isEmpty());
    delete window;
    window = nullptr;
}

QTEST_MAIN(TestMainWindowWiring)
#include "tst_mainwindow_wiring.moc"
