#include "ui/main/AirvaneLite.h"
#include "ui/dialogs/DialogSupport.h"
#include "ui_AirvaneLite.h"

#include "app/appearance/AppFont.h"
#include "app/settings/SettingsEnums.h"
#include "app/settings/SettingsKeys.h"
#include "app/settings/SettingsStore.h"
#include "log/LogView.h"
#include "ui/dialogs/About.h"
#include "ui/main/AppTray.h"
#include "ui/main/ConnectionDialogs.h"
#include "ui/main/ConnectionFlow.h"
#include "ui/main/EngineFailures.h"
#include "ui/main/MainWindowChrome.h"
#include "ui/main/NetworkColumn.h"
#include "ui/main/NetworkInfoPanel.h"
#include "ui/main/WindowPersistence.h"
#include "ui/main/WindowTitle.h"
#include "ui/main/WirelessWorker.h"
#include "ui/widgets/MsgDialog.h"
#include "ui/widgets/WindowRules.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QPushButton>
#include <QShortcut>
#include <QSysInfo>
#include <QTimer>
#include <QToolBar>
#include <QTreeWidget>

static void initMainWindowResources()
{
    Q_INIT_RESOURCE(icons);
}

namespace {

using namespace NetworkList;

constexpr int AutoRefreshIntervalMs = 10000;

} // namespace

AirvaneLite::AirvaneLite(QWidget *parent)
    : QMainWindow(parent), ui(new Ui::AirvaneLite)
{
    initMainWindowResources();
    ui->setupUi(this);
    setMinimumSize(1260, 600);
    applyWindowOpacity(this);

    refreshTimer = new QTimer(this);
    refreshTimer->setObjectName(QStringLiteral("refreshTimer"));
    refreshTimer->setInterval(AutoRefreshIntervalMs);
    connect(refreshTimer, &QTimer::timeout, this, [this] { emit refreshWlanNetworks(currentAdapterIndex()); });

    const QFont font = applicationFont();
    ui->adapterSelector->setFont(font);
    ui->adapterSelector->addItem(tr("Loading data..."));
    setInterfaceState(Interface::NotLoaded);
    connect(ui->adapterSelector, QOverload<int>::of(&QComboBox::activated), this, &AirvaneLite::adapterIndexChanged);

    const qreal ratio = devicePixelRatioF();
    ui->refreshIcon->setPixmap(dialogs::svgPixmap(QStringLiteral(":/Icon/sync.svg"), QSize(20, 20), ratio));
    ui->copyIcon->setPixmap(dialogs::svgPixmap(QStringLiteral(":/Icon/copy.svg"), QSize(20, 20), ratio));
    for (AppQLabel *icon : {ui->refreshIcon, ui->copyIcon}) {
        icon->setFixedSize(20, 20);
        icon->setAttribute(Qt::WA_Hover, true);
        connect(icon, &AppQLabel::mouseEnter, icon, [icon] { icon->setCursor(Qt::PointingHandCursor); });
        connect(icon, &AppQLabel::mouseLeave, icon, [icon] { icon->unsetCursor(); });
    }
    connect(ui->refreshIcon, &AppQLabel::mouseClick, this,
            [this] { adapterIndexChanged(ui->adapterSelector->currentIndex()); });
    connect(ui->copyIcon, &AppQLabel::mouseClick, this, &AirvaneLite::copyWirelessInformation);

    lists = new NetworkLists(ui, this);
    infoPanel = new NetworkInfoPanel(ui, this);
    flow = new ConnectionFlow(this, ui, lists, infoPanel);
    for (QTreeWidget *list : {ui->networkList, ui->profileList})
        connect(list, &QTreeWidget::itemDoubleClicked, flow, &ConnectionFlow::connectNetwork);
    connect(ui->networkList, &QTreeWidget::itemPressed, this, &AirvaneLite::networkItemPressed);
    connect(ui->profileList, &QTreeWidget::itemPressed, this, &AirvaneLite::profileItemPressed);
    ui->listSplitter->setCollapsible(0, false);
    connect(ui->listSplitter, &QSplitter::splitterMoved, this,
            [this] { WindowPersistence::storeSplitter(ui->listSplitter); });
    buildToolbar();

    for (QPushButton *button : {ui->settingsButton, ui->refreshButton, ui->connectButton, ui->exitButton})
        button->setFont(font);
    ui->settingsButton->setIcon(dialogs::resourceIcon(QStringLiteral(":/Icon/cog.svg")));
    ui->exitButton->setIcon(dialogs::resourceIcon(QStringLiteral(":/Icon/sign-out.svg")));
    connect(ui->settingsButton, &QPushButton::clicked, this, &AirvaneLite::openAppSettings);
    // The button offers what the menu entry offers (disabled, saying why, without a dialog).
    QAction *settingsEntry = windowChrome->menus()->action(MainMenus::Settings);
    const auto mirrorSettingsEntry = [this, settingsEntry] {
        ui->settingsButton->setEnabled(settingsEntry->isEnabled());
        ui->settingsButton->setToolTip(settingsEntry->isEnabled() ? QString() : settingsEntry->toolTip());
    };
    connect(settingsEntry, &QAction::changed, this, mirrorSettingsEntry);
    mirrorSettingsEntry();
    connect(ui->refreshButton, &QPushButton::clicked, this, &AirvaneLite::refreshData);
    connect(ui->connectButton, &QPushButton::clicked, flow, &ConnectionFlow::connectNetwork);
    connect(ui->exitButton, &QPushButton::clicked, this, &QWidget::close);
    ui->sideLayout->setAlignment(Qt::AlignTop | Qt::AlignRight);

    buildShortcuts();
    dialogs = new ConnectionDialogs(this, flow);
    flow->setDialogs(dialogs);
    connect(this, &AirvaneLite::checkAPTimer, this, &AirvaneLite::setAPTimerOff);
    connect(qApp, &QCoreApplication::aboutToQuit, this, &AirvaneLite::shutdown);

    applyStoredSettings();
    failures = new EngineFailures(this);
    worker = new WirelessWorker(this);
    worker->start(this, flow);
}

AirvaneLite::~AirvaneLite()
{
    // A window destroyed without the application quitting must not leave a running thread behind.
    delete worker;
    delete dialogs;
    delete ui;
}

// ---------------------------------------------------------------------------------------------
// Construction

void AirvaneLite::buildToolbar()
{
    auto *menuToolBar = new QToolBar(this);
    menuToolBar->setObjectName(QStringLiteral("menuToolBar"));
    menuToolBar->setOrientation(Qt::Vertical);
    menuToolBar->setMovable(false);
    menuToolBar->setFloatable(false);
    addToolBar(Qt::LeftToolBarArea, menuToolBar);

    windowChrome = new MainWindowChrome(this, menuToolBar);
    connect(windowChrome, &MainWindowChrome::refreshRequested, this, &AirvaneLite::refreshData);
    connect(windowChrome, &MainWindowChrome::connectRequested, flow, &ConnectionFlow::connectNetwork);
    connect(windowChrome, &MainWindowChrome::feedbackRequested, this, &AirvaneLite::openFeedbackDlg);
    connect(windowChrome, &MainWindowChrome::languageApplied, this, &AirvaneLite::languageApplied);
    connect(windowChrome, &MainWindowChrome::themeSelected, this, &AirvaneLite::selectedTheme);
    connect(this, &AirvaneLite::networksRefreshStarted, windowChrome, [this] {
        if (About *about = windowChrome->about())
            about->setNetworksRefreshStarted();
    });
    connect(this, &AirvaneLite::networksRefreshFinished, windowChrome, [this] {
        if (About *about = windowChrome->about())
            about->setNetworksRefreshCompleted();
    });
}

void AirvaneLite::buildShortcuts()
{
    auto add = [this](const char *keys) {
        auto *shortcut = new QShortcut(QKeySequence(QString::fromLatin1(keys)), this, nullptr, nullptr,
                                       Qt::ApplicationShortcut);
        shortcut->setObjectName(QLatin1String(keys));
        return shortcut;
    };
    refreshShortcut = add("Ctrl+R");
    connect(refreshShortcut, &QShortcut::activated, this, &AirvaneLite::refreshShortcutActivated);
    connect(add("Ctrl+C"), &QShortcut::activated, flow, &ConnectionFlow::connectNetwork);
    connect(add("Ctrl+P"), &QShortcut::activated, this, &AirvaneLite::openAppSettings);
    connect(add("Ctrl+L"), &QShortcut::activated, this, [this] { openLog(this); });
    connect(add("Ctrl+U"), &QShortcut::activated, this, &AirvaneLite::checkForAppUpdates);
    connect(add("Ctrl+N"), &QShortcut::activated, this, &AirvaneLite::openChangelog);
    connect(add("Ctrl+F"), &QShortcut::activated, this, &AirvaneLite::openFeedback);
    connect(add("Ctrl+F1"), &QShortcut::activated, this, &AirvaneLite::aboutApp);
}

void AirvaneLite::applyStoredSettings()
{
    WindowPersistence::restoreGeometry(this);
    WindowPersistence::restoreSplitter(ui->listSplitter);

    windowChrome->applyStartLanguage(readLanguage());
    windowChrome->applyTheme(readTheme());
    windowChrome->setTitle();
    windowChrome->manageTraySettings();

    const QString updates = QLatin1String(SettingsGroup::Updates);
    updatesEnabled = readSetting(updates, QLatin1String(SettingsKey::EnableUpdates), true).toBool();
    const bool checkAtStart =
        readSetting(updates, QLatin1String(SettingsKey::CheckForUpdatesWhenAppStarts), true).toBool();
    // With updates switched off the program neither asks the server nor offers to switch them on
    // unasked at every start.
    if (firstApplication && checkAtStart && updatesEnabled) {
        auto *quietCheck = new QTimer(this);
        quietCheck->setObjectName(QStringLiteral("quietUpdateCheck"));
        quietCheck->setSingleShot(true);
        connect(quietCheck, &QTimer::timeout, windowChrome, &MainWindowChrome::checkForAppUpdatesQuietly);
        connect(quietCheck, &QTimer::timeout, quietCheck, &QObject::deleteLater);
        quietCheck->start(1500);
    }
    firstApplication = false;

    if (autoRefreshEnabled())
        refreshTimer->start(AutoRefreshIntervalMs);
    else
        refreshTimer->stop();
}

void AirvaneLite::shutdown()
{
    if (shutDown)
        return;
    shutDown = true;
    WindowPersistence::storeGeometry(this);
    if (refreshTimer->isActive() && autoRefreshEnabled()) {
        refreshTimer->stop();
        emit wlanUnregisterNotification();
    }
    refreshTimer->stop();
    windowChrome->tray()->release(false);
    windowChrome->scheduleWindowDeletion();
    dialogs->scheduleDeletion();
    worker->stop();
}

// ---------------------------------------------------------------------------------------------
// Window events

bool AirvaneLite::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate && interfaceState() == Interface::Listed)
        emit checkWirelessState(currentAdapterIndex());
    const bool handled = QMainWindow::event(event);
    if (event->type() == QEvent::WindowStateChange)
        windowChrome->handleWindowStateChange(static_cast<QWindowStateChangeEvent *>(event)->oldState());
    return handled;
}

void AirvaneLite::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange && windowChrome)
        retranslateTexts();
    QMainWindow::changeEvent(event);
}

void AirvaneLite::closeEvent(QCloseEvent *event)
{
    if (flow->phase() == ConnectionFlow::Connecting)
        flow->requestCancel();
    windowChrome->handleClose(event);
}

void AirvaneLite::contextMenuEvent(QContextMenuEvent *event)
{
    windowChrome->showContextMenu(event->globalPos());
}

void AirvaneLite::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return)
        flow->connectNetwork();
    QMainWindow::keyPressEvent(event);
}

// ---------------------------------------------------------------------------------------------
// Small helpers

void AirvaneLite::setInterfaceState(Interface::State state)
{
    adapterState = state;
}

void AirvaneLite::putNoCardEntry()
{
    if (interfaceState() != Interface::NotLoaded)
        return;
    ui->adapterSelector->clear();
    ui->adapterSelector->insertItem(0, tr("Wireless card was not found"));
    ui->adapterSelector->setCurrentIndex(0);
    setInterfaceState(Interface::NoCard);
}

void AirvaneLite::setRefreshControlsEnabled(bool enabled)
{
    ui->refreshButton->setEnabled(enabled);
    windowChrome->menus()->setRefreshEnabled(enabled);
}

void AirvaneLite::resumeRefreshControls()
{
    setRefreshControlsEnabled(true);
    refreshShortcut->blockSignals(false);
}

void AirvaneLite::unregisterNotifications()
{
    emit wlanUnregisterNotification();
}

void AirvaneLite::pauseAutoRefresh()
{
    emit checkAPTimer();
}

bool AirvaneLite::autoRefreshEnabled() const
{
    return readAppSetting(QLatin1String(SettingsKey::AutoRefreshWlanNetworks), true).toBool();
}

int AirvaneLite::currentAdapterIndex() const
{
    // An empty selector (the no-card entry was just taken away) still names the first adapter.
    return qMax(0, ui->adapterSelector->currentIndex());
}

QString AirvaneLite::adapterName() const
{
    return ui->adapterSelector->currentText();
}

bool AirvaneLite::isNetworkListed(const QString &ssid) const
{
    return lists->networkRow(ssid) != nullptr;
}

void AirvaneLite::startTimerAfterError()
{
    if (!refreshTimer->isActive() && autoRefreshEnabled())
        refreshTimer->start(AutoRefreshIntervalMs);
}

void AirvaneLite::setConnectTexts(bool connected)
{
    const QString text = connected ? tr("Disconnect") : tr("Connect");
    ui->connectButton->setText(text);
    windowChrome->menus()->setEntryText(MainMenus::Connect, text);
}

void AirvaneLite::setConnectEnabled(bool enabled)
{
    ui->connectButton->setEnabled(enabled);
}

void AirvaneLite::retryInterfaces()
{
    if (interfaceState() == Interface::NoCard) {
        emit updateWlanInterface(currentAdapterIndex());
        ui->adapterSelector->clear();
        lists->hidePlaceholders();
    }
}

void AirvaneLite::clearLists()
{
    // Another adapter or no data at all: whatever row the panel came from is gone.
    lists->clear();
    if (pressedRow) {
        pressedRow.reset();
        infoPanel->resetNetworkRows();
    }
}

void AirvaneLite::checkPressedRow(bool profileList)
{
    if (!pressedRow || pressedRow->isProfile != profileList || lists->rowFor(*pressedRow))
        return;
    pressedRow.reset();
    infoPanel->resetNetworkRows();
}

// ---------------------------------------------------------------------------------------------
// Adapter selector and the refresh cycle

void AirvaneLite::setWirelessInterfaceData(const QVector<WirelessInterface> &interfaces)
{
    if (interfaces.isEmpty())
        return;
    lists->hidePlaceholders();

    // Every record names one adapter; the engine's growing lists hand over each adapter this way.
    QComboBox *selector = ui->adapterSelector;
    bool inserted = false;
    for (const WirelessInterface &record : interfaces) {
        if (record.description.isEmpty())
            continue;
        if (interfaceState() != Interface::Listed) {
            // "Loading data..." or "Wireless card was not found" gives way to the adapters.
            selector->clear();
            setInterfaceState(Interface::Listed);
        }
        if (selector->findText(record.description, Qt::MatchExactly | Qt::MatchCaseSensitive) < 0) {
            selector->insertItem(record.index, record.description);
            inserted = true;
        }
    }
    const WirelessInterface &active = interfaces.first();
    if (inserted)
        selector->setCurrentIndex(active.activeIndex);

    infoPanel->setInterface(active);

    flow->setPhase(active.state == 1 ? ConnectionFlow::Connected : ConnectionFlow::NotConnected);
    setInterfaceState(Interface::Listed);
    setRefreshControlsEnabled(true);
    refreshShortcut->blockSignals(false);
}

void AirvaneLite::adapterIndexChanged(int index)
{
    clearLists();
    ui->profileList->setEnabled(true);
    setRefreshControlsEnabled(true);

    emit updateWlanInterface(qMax(0, index));

    if (interfaceState() == Interface::NoCard) {
        ui->adapterSelector->removeItem(0);
        return;
    }
    writeAppSetting(QLatin1String(SettingsKey::WlanIndex), ui->adapterSelector->currentIndex());
}

void AirvaneLite::refreshData()
{
    adapterRemoved = false;
    if (interfaceState() == Interface::NoCard) {
        emit updateWlanInterface(currentAdapterIndex());
        return;
    }
    setRefreshControlsEnabled(false);
    ui->profileList->setEnabled(true);
    emit networksRefreshStarted();
    emit refreshWlanNetworks(currentAdapterIndex());
}

void AirvaneLite::refreshShortcutActivated()
{
    refreshShortcut->blockSignals(true);
    refreshData();
    // Looking for an adapter again starts no scan, so nothing would unblock the key later.
    if (interfaceState() == Interface::NoCard)
        refreshShortcut->blockSignals(false);
}

void AirvaneLite::setNetworksScanCompleted()
{
    // The new lists follow at once; the pressed row is looked for in them.
    lists->clear();
    resumeRefreshControls();
    emit networksRefreshFinished();
}

void AirvaneLite::setWirelessData(const QVector<WirelessAP> &networks)
{
    if (!networks.isEmpty())
        lists->hidePlaceholders();
    lists->fill(ui->networkList, networks);
    checkPressedRow(false);
}

void AirvaneLite::setProfileWlanData(const QVector<WirelessAP> &profiles)
{
    lists->fill(ui->profileList, profiles);
    lists->showProfilePlaceholderIfEmpty();
    checkPressedRow(true);
}

void AirvaneLite::setAllWlanNetworks()
{
    emit wlanUnregisterNotification();
    emit allWirelessNetworksData(lists->networkRecords());
}

void AirvaneLite::setNoWirelessAPAvailable()
{
    lists->showEmptyPlaceholders();
}

void AirvaneLite::setAPTimerOn()
{
    startTimerAfterError();
}

void AirvaneLite::setAPTimerOff()
{
    if (refreshTimer->isActive() && autoRefreshEnabled()) {
        refreshTimer->stop();
        emit wlanUnregisterNotification();
    }
}

void AirvaneLite::setCheckWlanState()
{
    emit checkWirelessState(currentAdapterIndex());
}

void AirvaneLite::interfaceRemoved(int index)
{
    ui->adapterSelector->removeItem(index);
    adapterRemoved = true;
    if (ui->adapterSelector->count() == 0 || interfaceState() == Interface::NoCard) {
        clearLists();
        failures->wirelessCardNotFound();
    } else {
        adapterIndexChanged(ui->adapterSelector->currentIndex());
    }
}

void AirvaneLite::setSelectedNetworkState(const QString &state)
{
    if (!ui->networkList->selectedItems().isEmpty() && ui->networkList->currentItem())
        ui->networkList->currentItem()->setText(ConnectedColumn, state);
}

void AirvaneLite::connectDialogClosed()
{
    startTimerAfterError();
    ui->connectButton->setEnabled(true);
}

// ---------------------------------------------------------------------------------------------
// Information panel and clipboard

void AirvaneLite::networkItemPressed(QTreeWidgetItem *item, int)
{
    if (!item || !item->isSelected())
        return;
    const NetworkLists::RowKey key = NetworkLists::keyOf(item, false);
    const bool hidden = item->data(SsidColumn, Qt::UserRole).toBool();
    const auto cipher = static_cast<_DOT11_CIPHER_ALGORITHM>(key.cipherAlgorithm);
    const auto auth = static_cast<_DOT11_AUTH_ALGORITHM>(key.authAlgorithm);
    emit selectedNetwork(key.ssid, cipher, auth, hidden);

    pressedRow = key;
    infoPanel->showNetworkRow(item);
    ui->profileList->clearSelection();

    setConnectTexts(NetworkLists::isConnectedRow(item, false));
    emit selectedOpenHAP(key.ssid, auth, cipher, hidden, false, false);
}

void AirvaneLite::profileItemPressed(QTreeWidgetItem *item, int)
{
    if (!item || !item->isSelected())
        return;
    pressedRow = NetworkLists::keyOf(item, true);
    infoPanel->showProfileRow(item);
    ui->networkList->clearSelection();

    setConnectTexts(NetworkLists::isConnectedRow(item, true));
}

void AirvaneLite::copyWirelessInformation()
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(infoPanel->clipboardText(adapterName()), QClipboard::Clipboard);
    MsgDialog::run(this, tr("Information"), tr("Wireless information has been successfully copied to the clipboard."),
                   MsgDialog::Information);
}

// ---------------------------------------------------------------------------------------------
// Title

void AirvaneLite::setFullInfo()
{
    windowChrome->setTitle();
}

QString AirvaneLite::titleText(bool showFullInfo, int channel)
{
    return WindowTitle::text(showFullInfo, channel);
}

// ---------------------------------------------------------------------------------------------
// Menus and secondary windows

void AirvaneLite::setNotifyOpenAP()
{
    dialogs->setNotifyOpenAP();
}

void AirvaneLite::openAPNotificationSettings(bool status)
{
    dialogs->openAPNotificationSettings(status);
}

void AirvaneLite::aboutApp()
{
    windowChrome->aboutApp();
}

void AirvaneLite::openLog(QWidget *parent)
{
    windowChrome->openLog(parent);
}

void AirvaneLite::openChangelog()
{
    windowChrome->openChangelog();
}

void AirvaneLite::openAppSettings()
{
    windowChrome->openAppSettings();
}

void AirvaneLite::openFeedback()
{
    windowChrome->openFeedback();
}

void AirvaneLite::checkForAppUpdates()
{
    windowChrome->checkForAppUpdates();
}

void AirvaneLite::openHostlensHome()
{
    windowChrome->openHostlensHome();
}

void AirvaneLite::exitApp()
{
    windowChrome->exitApp();
}

void AirvaneLite::setAppWindowVisible()
{
    windowChrome->setAppWindowVisible();
}

void AirvaneLite::manageTraySettings()
{
    windowChrome->manageTraySettings();
}

// ---------------------------------------------------------------------------------------------
// Language and theme

void AirvaneLite::autoSelectLanguageChecked()
{
    windowChrome->chooseLanguage(App::Language::Automatic);
}

void AirvaneLite::englishLanguageChecked()
{
    windowChrome->chooseLanguage(App::Language::English);
}

void AirvaneLite::russianLanguageChecked()
{
    windowChrome->chooseLanguage(App::Language::Russian);
}

void AirvaneLite::ukrainianLanguageChecked()
{
    windowChrome->chooseLanguage(App::Language::Ukrainian);
}

void AirvaneLite::lightThemeChecked()
{
    windowChrome->chooseTheme(App::Theme::Light);
}

void AirvaneLite::grayThemeChecked()
{
    windowChrome->chooseTheme(App::Theme::Gray);
}

void AirvaneLite::darkThemeChecked()
{
    windowChrome->chooseTheme(App::Theme::Dark);
}

void AirvaneLite::languageSelected(App::Language index)
{
    windowChrome->applyLanguage(index);
}

void AirvaneLite::applyTheme(App::Theme theme)
{
    windowChrome->applyTheme(theme);
}

void AirvaneLite::languageApplied()
{
    // The lists and the panel are filled again in the new language.
    if (worker && ui->adapterSelector->currentIndex() >= 0 && interfaceState() == Interface::Listed)
        adapterIndexChanged(ui->adapterSelector->currentIndex());
    retranslateTexts();
}

void AirvaneLite::retranslateTexts()
{
    ui->retranslateUi(this);
    windowChrome->menus()->retranslate();
    lists->retranslate();
    infoPanel->resetAllRows();
    if (interfaceState() == Interface::NotLoaded && ui->adapterSelector->count() > 0)
        ui->adapterSelector->setItemText(0, tr("Loading data..."));
    else if (interfaceState() == Interface::NoCard && ui->adapterSelector->count() > 0)
        ui->adapterSelector->setItemText(0, tr("Wireless card was not found"));
    setConnectTexts(false);
    windowChrome->setTitle();
}

// ---------------------------------------------------------------------------------------------
// What the settings dialog announces

void AirvaneLite::restoreMainGeomery(QByteArray geometry)
{
    WindowPersistence::restoreGeometryText(this, geometry);
}

void AirvaneLite::restoreWlanSplitter(QByteArray state)
{
    WindowPersistence::restoreSplitterText(ui->listSplitter, state);
}

void AirvaneLite::autoRefreshNetworks(bool refreshStatus)
{
    if (refreshStatus)
        refreshTimer->start(AutoRefreshIntervalMs);
    else
        refreshTimer->stop();
}

void AirvaneLite::alwaysOnTopEnabled(bool isOn)
{
    windowChrome->setAlwaysOnTop(isOn);
}

void AirvaneLite::updateChannel(Update::Channel channel)
{
    writeUpdatesChannel(channel);
    windowChrome->setTitle();
    if (About *about = windowChrome->about())
        about->setUpdateChannel(channel);
}

void AirvaneLite::updatesStatusCheck(bool isOn)
{
    updatesEnabled = isOn;
}

void AirvaneLite::opacitySettings(double opacityValue)
{
    windowChrome->setOpacity(opacityValue);
}
