#include "ui/main/AirvaneLite.h"
#include "ui_AirvaneLite.h"

#include "app/appearance/AppFont.h"
#include "app/settings/SettingsEnums.h"
#include "app/settings/SettingsKeys.h"
#include "app/settings/SettingsStore.h"
#include "log/LogView.h"
#include "ui/dialogs/ConnectAP.h"
#include "ui/dialogs/ConnectHAP.h"
#include "ui/dialogs/NotifyAP.h"
#include "ui/main/NetworkColumn.h"
#include "ui/main/NetworkInfoPanel.h"
#include "ui/widgets/MsgDialog.h"
#include "ui/widgets/ScrollBar.h"
#include "ui/widgets/WindowRules.h"
#include "wireless/ConnectionState.h"
#include "wireless/WirelessConnect.h"
#include "wireless/WirelessTexts.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QShortcut>
#include <QSvgRenderer>
#include <QSysInfo>
#include <QThread>
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

QPixmap svgPixmap(const QString &path, const QSize &size, qreal ratio)
{
    QPixmap pixmap(size * ratio);
    pixmap.fill(Qt::transparent);
    QSvgRenderer renderer(path);
    QPainter painter(&pixmap);
    renderer.render(&painter);
    painter.end();
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

QIcon svgIcon(const QString &path)
{
    QIcon icon;
    for (int side : {16, 24, 32, 48})
        icon.addPixmap(svgPixmap(path, QSize(side, side), 1.0));
    return icon;
}

bool isConnectedRow(const QTreeWidgetItem *item, int connectedColumn)
{
    return item->data(connectedColumn, Qt::UserRole).toInt() == Connection::Connected;
}

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
    connect(refreshTimer, &QTimer::timeout, this,
            [this] { emit refreshWlanNetworks(currentAdapterIndex()); });

    ui->adapterSelector->setFont(applicationFont());
    ui->adapterSelector->addItem(tr("Loading data..."));
    setInterfaceState(Interface::NotLoaded);
    connect(ui->adapterSelector, QOverload<int>::of(&QComboBox::activated), this,
            &AirvaneLite::adapterIndexChanged);

    const qreal ratio = devicePixelRatioF();
    ui->refreshIcon->setPixmap(svgPixmap(QStringLiteral(":/Icon/sync.svg"), QSize(20, 20), ratio));
    ui->copyIcon->setPixmap(svgPixmap(QStringLiteral(":/Icon/copy.svg"), QSize(20, 20), ratio));
    for (AppQLabel *icon : {ui->refreshIcon, ui->copyIcon}) {
        icon->setFixedSize(20, 20);
        icon->setAttribute(Qt::WA_Hover, true);
        connect(icon, &AppQLabel::mouseEnter, icon, [icon] { icon->setCursor(Qt::PointingHandCursor); });
        connect(icon, &AppQLabel::mouseLeave, icon, [icon] { icon->unsetCursor(); });
    }
    connect(ui->refreshIcon, &AppQLabel::mouseClick, this,
            [this] { adapterIndexChanged(ui->adapterSelector->currentIndex()); });
    connect(ui->copyIcon, &AppQLabel::mouseClick, this, &AirvaneLite::copyWirelessInformation);

    buildLists();
    infoPanel = new NetworkInfoPanel(ui, this);
    buildToolbar();

    for (QPushButton *button : {ui->settingsButton, ui->refreshButton, ui->connectButton, ui->exitButton})
        button->setFont(applicationFont());
    ui->settingsButton->setIcon(svgIcon(QStringLiteral(":/Icon/cog.svg")));
    ui->exitButton->setIcon(svgIcon(QStringLiteral(":/Icon/sign-out.svg")));
    connect(ui->settingsButton, &QPushButton::clicked, this, &AirvaneLite::openAppSettings);
    connect(ui->refreshButton, &QPushButton::clicked, this, &AirvaneLite::refreshData);
    connect(ui->connectButton, &QPushButton::clicked, this, &AirvaneLite::connectNetwork);
    connect(ui->exitButton, &QPushButton::clicked, this, &QWidget::close);
    ui->sideLayout->setAlignment(Qt::AlignTop | Qt::AlignRight);

    buildShortcuts();
    buildConnectionDialogs();
    connect(qApp, &QCoreApplication::aboutToQuit, this, &AirvaneLite::shutdown);

    applyStoredSettings();
    startWorker();
}

AirvaneLite::~AirvaneLite()
{
    // A window destroyed without the application quitting must not leave a running thread behind.
    stopWorker();
    delete workerThread;
    // The dialogs have no parent; shutdown only schedules their deletion.
    delete connectAP.data();
    delete notifyAP.data();
    delete connectHAP.data();
    delete ui;
}

// ---------------------------------------------------------------------------------------------
// Construction

void AirvaneLite::buildLists()
{
    const QFont font = applicationFont();
    for (QTreeWidget *list : {ui->networkList, ui->profileList}) {
        list->setVerticalScrollBar(new ScrollBar(Qt::Vertical, list));
        list->setHorizontalScrollBar(new ScrollBar(Qt::Horizontal, list));
        list->setFont(font);
        list->header()->setFont(font);
        list->setIndentation(0);
        list->setMouseTracking(true);
        list->setSortingEnabled(true);
        list->sortByColumn(0, Qt::AscendingOrder);
        list->setSelectionMode(QAbstractItemView::SingleSelection);
        // Fitting to every row of a long list costs far more than filling it; the rows in view and
        // a sample around them decide the width, and a cell's tooltip shows what is cut off.
        list->header()->setResizeContentsPrecision(100);
        connect(list, &QTreeWidget::itemEntered, list,
                [](QTreeWidgetItem *item, int column) { item->setToolTip(column, item->text(column)); });
        connect(list, &QTreeWidget::itemDoubleClicked, this, &AirvaneLite::connectNetwork);
        list->viewport()->installEventFilter(this);
    }
    for (int column : {SsidColumn, SignalColumn, AuthColumn})
        ui->networkList->header()->setSectionResizeMode(column, QHeaderView::ResizeToContents);
    for (int column : {0, 1, 3, 5})
        ui->profileList->header()->setSectionResizeMode(column, QHeaderView::ResizeToContents);

    connect(ui->networkList, &QTreeWidget::itemPressed, this, &AirvaneLite::networkItemPressed);
    connect(ui->profileList, &QTreeWidget::itemPressed, this, &AirvaneLite::profileItemPressed);

    networkPlaceholder = new QLabel(tr("No wireless data is available! Click refresh to access data."),
                                    ui->networkList);
    networkPlaceholder->setObjectName(QStringLiteral("networkPlaceholder"));
    profilePlaceholder = new QLabel(tr("No wireless profiles are available."), ui->profileList);
    profilePlaceholder->setObjectName(QStringLiteral("profilePlaceholder"));
    for (QLabel *placeholder : {networkPlaceholder, profilePlaceholder}) {
        placeholder->setFont(font);
        placeholder->setAlignment(Qt::AlignCenter);
        placeholder->setWordWrap(true);
        placeholder->setAttribute(Qt::WA_TransparentForMouseEvents);
        placeholder->hide();
    }

    ui->listSplitter->setCollapsible(0, false);
    connect(ui->listSplitter, &QSplitter::splitterMoved, this, [this] {
        writeAppSetting(QLatin1String(SettingsKey::WlanViewSize), ui->listSplitter->saveState());
    });
}

void AirvaneLite::buildToolbar()
{
    menuToolBar = new QToolBar(this);
    menuToolBar->setObjectName(QStringLiteral("menuToolBar"));
    menuToolBar->setOrientation(Qt::Vertical);
    menuToolBar->setMovable(false);
    menuToolBar->setFloatable(false);
    addToolBar(Qt::LeftToolBarArea, menuToolBar);

    // The window's own shortcuts serve the keys; the menu entries only show them, so the two
    // never make a key sequence ambiguous.
    auto addEntry = [this](QMenu *menu, const QString &text, const QString &icon,
                           const QKeySequence &keys) {
        QAction *action = icon.isEmpty() ? menu->addAction(text) : menu->addAction(svgIcon(icon), text);
        if (!keys.isEmpty()) {
            action->setShortcut(keys);
            action->setShortcutContext(Qt::WidgetShortcut);
        }
        return action;
    };
    auto addMenuButton = [this](const QString &text) {
        auto *button = new QPushButton(text, menuToolBar);
        button->setObjectName(QStringLiteral("menuButton"));
        button->setFont(applicationFont());
        auto *menu = new QMenu(button);
        menu->setFont(applicationFont());
        button->setMenu(menu);
        menuToolBar->addWidget(button);
        return menu;
    };

    QMenu *fileMenu = addMenuButton(tr("File"));
    refreshAction = addEntry(fileMenu, tr("Refresh"), QString(), QKeySequence(QStringLiteral("Ctrl+R")));
    connect(refreshAction, &QAction::triggered, this, &AirvaneLite::refreshData);
    connectAction = addEntry(fileMenu, tr("Connect"), QString(), QKeySequence(QStringLiteral("Ctrl+C")));
    connect(connectAction, &QAction::triggered, this, &AirvaneLite::connectNetwork);
    QAction *exitAction = addEntry(fileMenu, tr("Exit"), QStringLiteral(":/Icon/sign-out.svg"),
                                   QKeySequence(QStringLiteral("Alt+F4")));
    connect(exitAction, &QAction::triggered, this, &AirvaneLite::exitApp);

    QMenu *optionsMenu = addMenuButton(tr("Options"));
    QAction *settingsAction = addEntry(optionsMenu, tr("Settings"), QStringLiteral(":/Icon/cog.svg"),
                                       QKeySequence(QStringLiteral("Ctrl+P")));
    connect(settingsAction, &QAction::triggered, this, &AirvaneLite::openAppSettings);
    QMenu *languages = optionsMenu->addMenu(tr("Languages"));
    languages->setFont(applicationFont());
    languages->addAction(tr("Auto select"))->setCheckable(true);
    for (const char *name : {"English", "Русский", "Українська"})
        languages->addAction(QString::fromUtf8(name))->setCheckable(true);
    QMenu *themes = optionsMenu->addMenu(tr("Themes"));
    themes->setFont(applicationFont());
    for (const QString &name : {tr("Light"), tr("Gray"), tr("Dark")})
        themes->addAction(name)->setCheckable(true);
    QAction *feedbackAction = addEntry(optionsMenu, tr("Feedback"), QString(),
                                       QKeySequence(QStringLiteral("Ctrl+F")));
    connect(feedbackAction, &QAction::triggered, this, &AirvaneLite::openFeedback);
    QAction *logAction = addEntry(optionsMenu, tr("Log"), QStringLiteral(":/Icon/file.svg"),
                                  QKeySequence(QStringLiteral("Ctrl+L")));
    connect(logAction, &QAction::triggered, this, [this] { openLog(this); });
    QAction *updatesAction = addEntry(optionsMenu, tr("Updates"), QStringLiteral(":/Icon/sync.svg"),
                                      QKeySequence(QStringLiteral("Ctrl+U")));
    connect(updatesAction, &QAction::triggered, this, &AirvaneLite::checkForAppUpdates);
    QAction *changelogAction = addEntry(optionsMenu, tr("Changelog"), QStringLiteral(":/Icon/file-code.svg"),
                                        QKeySequence(QStringLiteral("Ctrl+N")));
    connect(changelogAction, &QAction::triggered, this, &AirvaneLite::openChangelog);

    QMenu *hostlensMenu = addMenuButton(tr("Hostlens"));
    QAction *openHostlens = addEntry(hostlensMenu, tr("Open"), QString(), QKeySequence());
    connect(openHostlens, &QAction::triggered, this, &AirvaneLite::openHostlensHome);
    addEntry(hostlensMenu, tr("About Hostlens Home"), QStringLiteral(":/Icon/external-link.svg"),
             QKeySequence());

    QMenu *aboutMenu = addMenuButton(tr("About"));
    QAction *aboutAction = addEntry(aboutMenu, tr("Application"), QString(),
                                    QKeySequence(QStringLiteral("Ctrl+F1")));
    connect(aboutAction, &QAction::triggered, this, &AirvaneLite::aboutApp);
}

void AirvaneLite::buildShortcuts()
{
    auto add = [this](const char *keys) {
        return new QShortcut(QKeySequence(QString::fromLatin1(keys)), this, nullptr, nullptr,
                             Qt::ApplicationShortcut);
    };
    refreshShortcut = add("Ctrl+R");
    refreshShortcut->setObjectName(QStringLiteral("refreshShortcut"));
    connect(refreshShortcut, &QShortcut::activated, this, &AirvaneLite::refreshShortcutActivated);
    connect(add("Ctrl+C"), &QShortcut::activated, this, &AirvaneLite::connectNetwork);
    connect(add("Ctrl+P"), &QShortcut::activated, this, &AirvaneLite::openAppSettings);
    connect(add("Ctrl+L"), &QShortcut::activated, this, [this] { openLog(this); });
    connect(add("Ctrl+U"), &QShortcut::activated, this, &AirvaneLite::checkForAppUpdates);
    connect(add("Ctrl+N"), &QShortcut::activated, this, &AirvaneLite::openChangelog);
    connect(add("Ctrl+F"), &QShortcut::activated, this, &AirvaneLite::openFeedback);
    connect(add("Ctrl+F1"), &QShortcut::activated, this, &AirvaneLite::aboutApp);
}

void AirvaneLite::applyStoredSettings()
{
    if (!restoreGeometry(readLayoutBlob(QLatin1String(SettingsKey::Position))))
        resize(1260, 600);
    ui->listSplitter->restoreState(readLayoutBlob(QLatin1String(SettingsKey::WlanViewSize)));
    setFullInfo();
    if (autoRefreshEnabled())
        refreshTimer->start(AutoRefreshIntervalMs);
    else
        refreshTimer->stop();
}

void AirvaneLite::startWorker()
{
    if (workerThread)
        return;

    workerThread = new QThread;
    workerThread->setObjectName(QStringLiteral("WirelessWorker"));
    WirelessConnect *worker = WirelessConnect::instance();
    worker->moveToThread(workerThread);
    qRegisterMetaType<ConnectionData>("ConnectionData");
    qRegisterMetaType<QVector<WirelessInterface>>("QVector<WirelessInterface>");
    qRegisterMetaType<QVector<WirelessAP>>("QVector<WirelessAP>");
    registerWirelessMetaTypes();

    QMetaObject::invokeMethod(worker, "initWlan");

    using W = WirelessConnect;
    using A = AirvaneLite;
    connect(worker, &W::wirelessInterfaceData, this, &A::setWirelessInterfaceData);
    connect(worker, &W::appWirelessData, this, &A::setWirelessData);
    connect(worker, &W::appProfileWlanData, this, &A::setProfileWlanData);
    connect(this, &A::connectionRequest, worker, &W::connectOpenAP);
    connect(this, &A::disconnectRequest, worker, &W::disconnectAP);
    connect(this, &A::securedProfileConnectRequest, worker, &W::connectSecuredAP);
    connect(this, &A::openProfileConnectRequest, worker, &W::connectOpenAP);
    connect(worker, &W::apDisconnected, this, &A::setAPDisconnected);
    connect(worker, &W::wirelessCardNotDetected, this, &A::wirelessCardNotFound);
    connect(worker, &W::wlanInterfacesError, this, &A::setWlanInterfacesError);
    connect(worker, &W::notifyOpenAP, this, &A::setNotifyOpenAP);
    connect(this, &A::updateWlanInterface, worker, &W::manageWlanInterface);
    connect(this, &A::refreshWlanNetworks, worker, &W::refreshNetworks);
    connect(worker, &W::refreshFailed, this, &A::setRefreshFailed);
    connect(worker, &W::networksScanCompleted, this, &A::setNetworksScanCompleted);
    connect(worker, &W::wlanNetworksAdded, this, &A::setAllWlanNetworks);
    connect(worker, &W::apConnecting, this, &A::setAPConnecting);
    connect(worker, &W::apNotConnected, this, &A::setAPNotConnected);
    connect(worker, &W::apConnectionComplete, this, &A::setAPConnected);
    connect(worker, &W::apConnectionFailed, this, &A::setAPConnectionFailed);
    connect(worker, &W::wlanAvailableNetworksError, this, &A::setWlanAvailableNetworksError);
    connect(this, &A::cancelRequest, worker, &W::cancelAP, Qt::DirectConnection);
    connect(worker, &W::apCanceled, this, &A::setAPCanceled);
    connect(worker, &W::apCancelFailed, this, &A::setAPCancelFailed);
    connect(this, &A::checkWirelessState, worker, &W::checkWlanState);
    connect(worker, &W::connectedState, this, &A::setConnectedState);
    connect(worker, &W::wlanStateDisconnected, this, &A::setDisconnectedState);
    connect(worker, &W::noWirelessAPAvailable, this, &A::setNoWirelessAPAvailable);
    connect(this, &A::removeWlanProfile, worker, &W::setWlanDeleteProfile);
    connect(worker, &W::removeWlanProfileError, this, &A::setRemoveWlanProfileError);
    connect(worker, &W::failedToGetNetworkInfo, this, &A::setFailedToGetNetworkInfo);
    connect(worker, &W::wlanProfileRemoved, this, &A::setWlanProfileRemoved);
    connect(this, &A::removeFailedWlanProfile, worker, &W::deleteFailedWlanProfile);
    connect(worker, &W::wlanFailedProfileRemoved, this, &A::failedWlanProfileRemoved);
    connect(this, &A::refreshProfiles, worker, &W::getWlanInRangeProfiles);
    connect(worker, &W::removeInterface, this, &A::interfaceRemoved);
    connect(this, &A::wlanUnregisterNotification, worker, &W::setWlanUnregisterNotification,
            Qt::DirectConnection);
    connect(worker, &W::wlanUnregisterNotificationError, this, &A::setWlanUnregisterNotificationError);
    connect(this, &A::freeWlanResources, worker, &W::setFreeWlanResources, Qt::DirectConnection);

    workerThread->start(QThread::InheritPriority);
}

void AirvaneLite::stopWorker()
{
    if (!workerThread || workerThread->isFinished())
        return;
    emit freeWlanResources();
    workerThread->quit();
    workerThread->wait();
}

void AirvaneLite::shutdown()
{
    if (shutDown)
        return;
    shutDown = true;
    writeAppSetting(QLatin1String(SettingsKey::Position), saveGeometry());
    if (refreshTimer->isActive() && autoRefreshEnabled()) {
        refreshTimer->stop();
        emit wlanUnregisterNotification();
    }
    refreshTimer->stop();
    stopReminder();
    for (QWidget *dialog : {static_cast<QWidget *>(connectAP.data()), static_cast<QWidget *>(notifyAP.data()),
                            static_cast<QWidget *>(connectHAP.data())}) {
        if (dialog)
            dialog->deleteLater();
    }
    stopWorker();
}

// ---------------------------------------------------------------------------------------------
// Window events

bool AirvaneLite::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate && interfaceState() == Interface::Listed)
        emit checkWirelessState(currentAdapterIndex());
    return QMainWindow::event(event);
}

void AirvaneLite::closeEvent(QCloseEvent *event)
{
    if (connectState == 1)
        emit cancelRequest();
    QMainWindow::closeEvent(event);
}

void AirvaneLite::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return)
        connectNetwork();
    QMainWindow::keyPressEvent(event);
}

bool AirvaneLite::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Resize) {
        if (watched == ui->networkList->viewport())
            layOutPlaceholder(ui->networkList, networkPlaceholder);
        else if (watched == ui->profileList->viewport())
            layOutPlaceholder(ui->profileList, profilePlaceholder);
    }
    return QMainWindow::eventFilter(watched, event);
}

void AirvaneLite::layOutPlaceholder(QTreeWidget *list, QLabel *placeholder)
{
    if (placeholder)
        placeholder->setGeometry(list->viewport()->geometry().adjusted(10, 0, -10, 0));
}

// ---------------------------------------------------------------------------------------------
// Small helpers

Interface::State AirvaneLite::interfaceState() const
{
    const QVariant data = ui->adapterSelector->itemData(0, Qt::UserRole);
    return data.isValid() ? data.value<Interface::State>() : Interface::NotLoaded;
}

void AirvaneLite::setInterfaceState(Interface::State state)
{
    ui->adapterSelector->setItemData(0, QVariant::fromValue(state), Qt::UserRole);
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
    refreshAction->setEnabled(enabled);
}

void AirvaneLite::enableProfileList()
{
    if (!ui->profileList->isEnabled())
        ui->profileList->setEnabled(true);
}

void AirvaneLite::showEmptyListPlaceholders()
{
    if (ui->networkList->topLevelItemCount() == 0) {
        layOutPlaceholder(ui->networkList, networkPlaceholder);
        networkPlaceholder->show();
    }
    if (ui->profileList->topLevelItemCount() == 0) {
        layOutPlaceholder(ui->profileList, profilePlaceholder);
        profilePlaceholder->show();
    }
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

void AirvaneLite::stopTimerForError()
{
    setAPTimerOff();
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
    connectAction->setText(text);
}

void AirvaneLite::retryInterfaces()
{
    if (ui->adapterSelector->itemText(0) == tr("Wireless card was not found")) {
        emit updateWlanInterface(currentAdapterIndex());
        ui->adapterSelector->clear();
        networkPlaceholder->hide();
        profilePlaceholder->hide();
    }
}

QTreeWidgetItem *AirvaneLite::makeRow(const WirelessAP &r, bool withProfile, const QFont &boldFont) const
{
    QStringList texts;
    texts.reserve(NetworkColumnCount + 1);
    if (withProfile)
        texts << r.profileName;
    texts << r.ssid << r.cipherText << r.signal << r.securityText << r.authText << r.bssType
          << r.credentials << r.connectable << r.bssidCount << r.notConnectableReason
          << r.phyTypeCount << r.flagsText << r.connectionText << r.bssid << r.channel << r.phyType
          << r.frequency << r.band;

    auto *item = new QTreeWidgetItem(texts);
    const int o = withProfile ? 1 : 0;
    item->setData(SsidColumn + o, Qt::UserRole, r.isHidden);
    item->setData(EncryptionColumn + o, Qt::UserRole, r.cipherAlgorithm);
    item->setData(SecurityColumn + o, Qt::UserRole, r.isSecured);
    item->setData(AuthColumn + o, Qt::UserRole, r.authAlgorithm);
    item->setData(FlagsColumn + o, Qt::UserRole, r.flags);
    item->setData(ConnectedColumn + o, Qt::UserRole,
                  QVariant::fromValue(static_cast<Connection::State>(r.connectionState)));
    // Other rows keep the list's own font, the application font at normal weight.
    if (r.connectionState == Connection::Connected)
        setRowFont(item, boldFont);
    return item;
}

void AirvaneLite::setRowFont(QTreeWidgetItem *item, const QFont &font)
{
    for (int column = 0; column < item->columnCount(); ++column)
        item->setFont(column, font);
}

// ---------------------------------------------------------------------------------------------
// Adapter selector and the refresh cycle

void AirvaneLite::setWirelessInterfaceData(const QVector<WirelessInterface> &interfaces)
{
    if (interfaces.isEmpty())
        return;
    networkPlaceholder->hide();
    profilePlaceholder->hide();

    // Every record names one adapter; the engine's growing lists hand over each adapter this way.
    QComboBox *selector = ui->adapterSelector;
    bool inserted = false;
    for (const WirelessInterface &record : interfaces) {
        if (record.description.isEmpty())
            continue;
        for (const QString &stale : {tr("Loading data..."), tr("Wireless card was not found")}) {
            const int at = selector->findText(stale, Qt::MatchExactly | Qt::MatchCaseSensitive);
            if (at >= 0)
                selector->removeItem(at);
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

    connectState = active.state == 1 ? 2 : 0;
    setInterfaceState(Interface::Listed);
    setRefreshControlsEnabled(true);
    refreshShortcut->blockSignals(false);
}

void AirvaneLite::adapterIndexChanged(int index)
{
    ui->networkList->clear();
    ui->profileList->clear();
    enableProfileList();
    setRefreshControlsEnabled(true);

    emit updateWlanInterface(qMax(0, index));

    const int noCard = ui->adapterSelector->findText(tr("Wireless card was not found"),
                                                     Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (noCard >= 0) {
        ui->adapterSelector->removeItem(noCard);
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
    enableProfileList();
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
    ui->networkList->clear();
    ui->profileList->clear();
    setRefreshControlsEnabled(true);
    refreshShortcut->blockSignals(false);
    emit networksRefreshFinished();
}

void AirvaneLite::setWirelessData(const QVector<WirelessAP> &networks)
{
    if (!networks.isEmpty()) {
        networkPlaceholder->hide();
        profilePlaceholder->hide();
    }
    QList<QTreeWidgetItem *> rows;
    rows.reserve(networks.size());
    const QFont bold = applicationFont(true);
    for (const WirelessAP &record : networks)
        rows << makeRow(record, false, bold);
    // One sort after the whole batch instead of one per row; the order is the same.
    QTreeWidget *list = ui->networkList;
    list->setSortingEnabled(false);
    list->addTopLevelItems(rows);
    list->setSortingEnabled(true);
}

void AirvaneLite::setProfileWlanData(const QVector<WirelessAP> &profiles)
{
    if (profiles.isEmpty()) {
        layOutPlaceholder(ui->profileList, profilePlaceholder);
        profilePlaceholder->show();
    } else {
        profilePlaceholder->hide();
    }
    QList<QTreeWidgetItem *> rows;
    rows.reserve(profiles.size());
    const QFont bold = applicationFont(true);
    for (const WirelessAP &record : profiles)
        rows << makeRow(record, true, bold);
    QTreeWidget *list = ui->profileList;
    list->setSortingEnabled(false);
    list->addTopLevelItems(rows);
    list->setSortingEnabled(true);
}

void AirvaneLite::setAllWlanNetworks()
{
    emit wlanUnregisterNotification();
    QVector<WirelessAP> networks;
    const QTreeWidget *list = ui->networkList;
    networks.reserve(list->topLevelItemCount());
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        const QTreeWidgetItem *row = list->topLevelItem(i);
        WirelessAP record;
        record.ssid = row->text(SsidColumn);
        record.isSecured = row->data(SecurityColumn, Qt::UserRole).toBool();
        record.cipherAlgorithm = row->data(EncryptionColumn, Qt::UserRole).toInt();
        record.authAlgorithm = row->data(AuthColumn, Qt::UserRole).toInt();
        record.isHidden = row->data(SsidColumn, Qt::UserRole).toBool();
        networks << record;
    }
    emit allWirelessNetworksData(networks);
}

void AirvaneLite::setNoWirelessAPAvailable()
{
    showEmptyListPlaceholders();
}

void AirvaneLite::setAPTimerOn()
{
    if (!refreshTimer->isActive() && autoRefreshEnabled())
        refreshTimer->start(AutoRefreshIntervalMs);
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
    const QString current = ui->adapterSelector->currentText();
    if (current.isEmpty() || current == tr("Wireless card was not found"))
        wirelessCardNotFound();
    else
        adapterIndexChanged(ui->adapterSelector->currentIndex());
}

// ---------------------------------------------------------------------------------------------
// Failures

void AirvaneLite::wirelessCardNotFound()
{
    stopTimerForError();
    putNoCardEntry();
    refreshShortcut->blockSignals(false);

    MsgDialog box(this, tr("Error"),
                  tr("Wireless card was not found! Make sure you have wireless card enabled and "
                     "newest drivers installed!"),
                  3, QMessageBox::Retry | QMessageBox::Cancel);
    if (box.exec() == QMessageBox::Retry) {
        refreshData();
    } else {
        putNoCardEntry();
        showEmptyListPlaceholders();
    }
    appendLog(tr("no wireless card found"));
}

void AirvaneLite::setWlanInterfacesError()
{
    stopTimerForError();
    const QString noCard = tr("Wireless card was not found");
    if (ui->adapterSelector->count() == 0)
        ui->adapterSelector->addItem(noCard);
    else
        ui->adapterSelector->setItemText(0, noCard);
    ui->connectButton->setText(tr("Connect"));
    refreshShortcut->blockSignals(false);

    MsgDialog box(nullptr, tr("Error"), tr("Can't get wlan interfaces!"), 3,
                  QMessageBox::Retry | QMessageBox::Cancel);
    if (box.exec() == QMessageBox::Retry) {
        retryInterfaces();
    } else {
        putNoCardEntry();
        showEmptyListPlaceholders();
    }
}

void AirvaneLite::setWlanAvailableNetworksError()
{
    if (adapterRemoved)
        return;
    stopTimerForError();
    showEmptyListPlaceholders();
    ui->connectButton->setText(tr("Connect"));

    MsgDialog box(this, tr("Warning"), tr("Can't get available networks!"), 4,
                  QMessageBox::Retry | QMessageBox::Cancel);
    if (box.exec() == QMessageBox::Retry)
        refreshData();
    else
        setNoWirelessAPAvailable();
}

void AirvaneLite::setRefreshFailed(int errorCode)
{
    ui->networkList->clear();
    ui->profileList->clear();
    layOutPlaceholder(ui->networkList, networkPlaceholder);
    layOutPlaceholder(ui->profileList, profilePlaceholder);
    networkPlaceholder->show();
    profilePlaceholder->show();
    setRefreshControlsEnabled(true);
    // No scan completes after a refused scan, so the key would otherwise stay dead.
    refreshShortcut->blockSignals(false);

    if (ui->adapterSelector->currentText() == tr("Wireless card was not found")) {
        retryInterfaces();
        return;
    }
    stopTimerForError();
    MsgDialog box(this, tr("Error"),
                  QStringLiteral("%1 %2").arg(tr("Failed to refresh wlan networks! Error code:"))
                      .arg(errorCode),
                  3, QMessageBox::Ok);
    box.exec();
    startTimerAfterError();
}

void AirvaneLite::setFailedToGetNetworkInfo(int errorCode)
{
    MsgDialog box(this, tr("Error"),
                  QStringLiteral("%1 %2").arg(tr("Failed to get network information! Error code:"))
                      .arg(errorCode),
                  3, QMessageBox::Ok);
    box.exec();
}

// ---------------------------------------------------------------------------------------------
// Information panel and clipboard

void AirvaneLite::networkItemPressed(QTreeWidgetItem *item, int)
{
    if (!item || !item->isSelected())
        return;
    const bool hidden = item->data(SsidColumn, Qt::UserRole).toBool();
    const auto cipher = static_cast<_DOT11_CIPHER_ALGORITHM>(item->data(EncryptionColumn, Qt::UserRole).toInt());
    const auto auth = static_cast<_DOT11_AUTH_ALGORITHM>(item->data(AuthColumn, Qt::UserRole).toInt());
    emit selectedNetwork(item->text(SsidColumn), cipher, auth, hidden);

    infoPanel->showNetworkRow(item);
    ui->profileList->clearSelection();

    setConnectTexts(isConnectedRow(item, ConnectedColumn));
    emit selectedOpenHAP(item->text(SsidColumn), auth, cipher, hidden, false, false);
}

void AirvaneLite::profileItemPressed(QTreeWidgetItem *item, int)
{
    if (!item || !item->isSelected())
        return;
    infoPanel->showProfileRow(item);
    ui->networkList->clearSelection();

    setConnectTexts(isConnectedRow(item, ConnectedColumn + 1));
}

void AirvaneLite::copyWirelessInformation()
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->clear();

    clipboard->setText(infoPanel->clipboardText(ui->adapterSelector->currentText()), QClipboard::Clipboard);

    MsgDialog box(this, tr("Information"),
                  tr("Wireless information has been successfully copied to the clipboard."), 1,
                  QMessageBox::Ok);
    box.exec();
}

// ---------------------------------------------------------------------------------------------
// Title

void AirvaneLite::setFullInfo()
{
    const bool full = readAppSetting(QLatin1String(SettingsKey::ShowFullInfo), true).toBool();
    setWindowTitle(titleText(full, static_cast<int>(readUpdatesChannel())));
}

QString AirvaneLite::titleText(bool showFullInfo, int channel)
{
    const QString name = QStringLiteral("Airvane Lite");
    if (!showFullInfo)
        return name;
    QString channelName;
    switch (channel) {
    case 0: channelName = tr("Development"); break;
    case 1: channelName = tr("Insider"); break;
    case 2: channelName = tr("Beta"); break;
    default: channelName = tr("Release"); break;
    }
    QString architecture = QString::number(QSysInfo::WordSize);
    if (architecture == QLatin1String("64"))
        architecture = QStringLiteral("x64");
    else if (architecture == QLatin1String("32"))
        architecture = QStringLiteral("x86");
    return QStringLiteral("%1 [%2 | %3 %4 | %5]")
        .arg(name, channelName, tr("Build"), QStringLiteral(AIRVANE_VERSION), architecture);
}

// ---------------------------------------------------------------------------------------------
// Connect and disconnect

void AirvaneLite::buildConnectionDialogs()
{
    connectAP = new ConnectAP;
    notifyAP = new NotifyAP;
    connectHAP = new ConnectHAP;
    notifyWhenOpenAP = readAppSetting(QLatin1String(SettingsKey::NotifyWhenOpenAP), true).toBool();
    notifyAP->loadNotificationSettings(notifyWhenOpenAP);

    using A = AirvaneLite;
    connect(this, &A::selectedNetwork, connectAP.data(), &ConnectAP::setSelectedNetwork);
    connect(this, &A::apConnected, connectAP.data(), &ConnectAP::setAPConnected);
    connect(this, &A::apDisconnected, connectAP.data(), &ConnectAP::setAPDisconnected);
    connect(this, &A::connectionFailed, connectAP.data(), &ConnectAP::setConnectionFailed);
    connect(this, &A::protectedSSIDData, connectAP.data(), &ConnectAP::setProtectedSSIDData);
    connect(this, &A::wlanStateConnected, connectAP.data(), &ConnectAP::setWlanStateConnected);
    connect(this, &A::wlanStateConnected, notifyAP.data(), &NotifyAP::setWlanStateConnected);
    connect(this, &A::wlanStateDisconnected, connectAP.data(), &ConnectAP::setWlanStateDisconnected);
    connect(this, &A::wlanStateDisconnected, notifyAP.data(), &NotifyAP::setWlanStateDisconnected);
    connect(this, &A::allWirelessNetworksData, connectAP.data(), &ConnectAP::setWlanNetworksData);
    connect(this, &A::openSSIDData, notifyAP.data(), &NotifyAP::setOpenSSIDData);
    connect(this, &A::notificationStatusChanged, notifyAP.data(), &NotifyAP::loadNotificationSettings);
    connect(this, &A::selectedOpenHAP, connectHAP.data(), &ConnectHAP::setSelectedOpenHAP);
    connect(this, &A::checkAPTimer, this, &A::setAPTimerOff);
    connect(this, &A::currentNetwork, this, &A::setCurrentNetwork);

    connect(connectAP.data(), &ConnectAP::currentNetwork, this, &A::setCurrentNetwork);
    connect(notifyAP.data(), &NotifyAP::currentNetwork, this, &A::setCurrentNetwork);
    connect(connectHAP.data(), &ConnectHAP::currentNetwork, this, &A::setCurrentNetwork);
    // The dialogs also name the network when they disconnect; only a name given while their
    // connect starts is the profile that connect writes.
    connect(connectAP.data(), &ConnectAP::currentNetwork, this, [this](const QString &name) {
        if (connectAP->connectionState() == ConnectAP::Connecting)
            noteAttempt(name);
    });
    connect(notifyAP.data(), &NotifyAP::currentNetwork, this, [this](const QString &name) {
        if (notifyAP->connectionState() == ConnectAP::Connecting)
            noteAttempt(name);
    });
    connect(connectHAP.data(), &ConnectHAP::currentNetwork, this, &A::noteAttempt);

    connect(connectAP.data(), &ConnectAP::checkAPData, this, &A::setCheckAPData);
    connect(notifyAP.data(), &NotifyAP::checkAPData, this, &A::setCheckAPData);
    connect(connectAP.data(), &ConnectAP::checkWlanState, this, &A::setCheckWlanState);
    connect(notifyAP.data(), &NotifyAP::checkWlanState, this, &A::setCheckWlanState);
    connect(connectAP.data(), &ConnectAP::apState, this, [this](const QString &state) {
        if (!ui->networkList->selectedItems().isEmpty() && ui->networkList->currentItem())
            ui->networkList->currentItem()->setText(ConnectedColumn, state);
    });
    connect(connectAP.data(), &ConnectAP::connectClosed, this, [this] {
        startTimerAfterError();
        ui->connectButton->setEnabled(true);
    });
    connect(connectAP.data(), &ConnectAP::hiddenNetwork, this, [this] { hiddenConnect = true; });
    connect(connectHAP.data(), &ConnectHAP::hapConnectClosed, this,
            [this] { ui->connectButton->setEnabled(true); });
    connect(notifyAP.data(), &NotifyAP::notifyAPClosed, this, &A::setAPTimerOn);
    connect(notifyAP.data(), &NotifyAP::openAPNotification, this,
            [this](bool status) { notifyWhenOpenAP = status; });
    connect(notifyAP.data(), &NotifyAP::reminderSet, this, &A::setReminder);
}

void AirvaneLite::noteAttempt(const QString &profileName)
{
    attemptProfile = profileName;
    attemptCanceled = false;
}

void AirvaneLite::connectNetwork()
{
    if (connectState == 1) {
        emit cancelRequest();
        return;
    }
    QTreeWidget *networks = ui->networkList;
    QTreeWidget *profiles = ui->profileList;
    if (networks->selectedItems().isEmpty() && profiles->selectedItems().isEmpty()) {
        MsgDialog box(this, tr("Warning"), tr("Select the network to proceed!"), 2, QMessageBox::Ok);
        box.exec();
        return;
    }

    emit checkAPTimer();
    setRefreshControlsEnabled(true);
    refreshShortcut->blockSignals(false);

    // Profile rows carry the network columns one place to the right.
    const auto rowData = [](QTreeWidgetItem *row, int column, int offset) {
        return row->data(column + offset, Qt::UserRole);
    };

    if (!profiles->selectedItems().isEmpty()) {
        QTreeWidgetItem *row = profiles->selectedItems().first();
        if (!isConnectedRow(row, ConnectedColumn + 1)) {
            const QString profileName = row->text(0);
            emit currentNetwork(profileName);
            // A saved profile belongs to the user: a failed connect must not delete it.
            noteAttempt(QString());
            row->setText(ConnectedColumn + 1, tr("Connecting"));
            profiles->setEnabled(false);
            hiddenConnect = false;

            const QString ssid = row->text(SsidColumn + 1);
            const auto cipher = static_cast<_DOT11_CIPHER_ALGORITHM>(rowData(row, EncryptionColumn, 1).toInt());
            const auto auth = static_cast<_DOT11_AUTH_ALGORITHM>(rowData(row, AuthColumn, 1).toInt());
            const bool secured = rowData(row, SecurityColumn, 1).toBool();
            const bool hidden = rowData(row, SsidColumn, 1).toBool();
            if (cipher != DOT11_CIPHER_ALGO_NONE && secured)
                emit securedProfileConnectRequest(profileName, ssid, auth, cipher, QString(), hidden, true, true);
            else
                emit openProfileConnectRequest(profileName, ssid, auth, cipher, hidden, true, true);
            return;
        }
    }

    QTreeWidgetItem *row = networks->selectedItems().isEmpty() ? nullptr : networks->selectedItems().first();
    if (row && !isConnectedRow(row, ConnectedColumn)) {
        const QString ssid = row->text(SsidColumn);
        const auto cipher = static_cast<_DOT11_CIPHER_ALGORITHM>(rowData(row, EncryptionColumn, 0).toInt());
        const auto auth = static_cast<_DOT11_AUTH_ALGORITHM>(rowData(row, AuthColumn, 0).toInt());
        const bool secured = rowData(row, SecurityColumn, 0).toBool();
        const bool hidden = rowData(row, SsidColumn, 0).toBool();
        const bool openOrOwe = cipher == DOT11_CIPHER_ALGO_NONE || auth == DOT11_AUTH_ALGO_OWE;

        if (cipher != DOT11_CIPHER_ALGO_NONE && secured && auth != DOT11_AUTH_ALGO_OWE) {
            hiddenConnect = false;
            applyTopMostSetting(connectAP);
            connectAP->setConnectedAPName(currentProfile);
            connectAP->show();
            connectAP->raise();
            connectAP->activateWindow();
            return;
        }
        if (hidden && openOrOwe) {
            hiddenConnect = true;
            applyTopMostSetting(connectHAP);
            connectHAP->exec();
            return;
        }
        if (!hidden && openOrOwe) {
            hiddenConnect = false;
            emit currentNetwork(ssid);
            noteAttempt(ssid);
            emit connectionRequest(ssid, ssid, auth, cipher, hidden, false, false);
            return;
        }
    }

    MsgDialog box(this, tr("Question"), tr("Do you want to disconnect?"), 4,
                  QMessageBox::Yes | QMessageBox::No);
    if (box.exec() == QMessageBox::Yes)
        emit disconnectRequest();
    ui->connectButton->setEnabled(true);
}

void AirvaneLite::setAPConnecting()
{
    ui->connectButton->setText(tr("Cancel"));
    connectState = 1;
}

void AirvaneLite::setAPConnected()
{
    emit wlanUnregisterNotification();
    markConnectionRowsDisconnected();

    ui->connectButton->setEnabled(true);
    setConnectTexts(true);
    infoPanel->setStatus(tr("Connected"));
    infoPanel->setConnected(tr("Yes"));
    enableProfileList();
    attemptProfile.clear();

    emit checkWirelessState(currentAdapterIndex());
    emit apConnected(currentNetworkName, static_cast<_DOT11_CIPHER_ALGORITHM>(connectedCipher),
                     connectedIsSecured, static_cast<_DOT11_AUTH_ALGORITHM>(connectedAuth));

    MsgDialog box(nullptr, tr("Information"),
                  QStringLiteral("%1 %2").arg(tr("You successfully connected to"), currentNetworkName), 1,
                  QMessageBox::Ok);
    box.exec();

    if (hiddenConnect) {
        refreshData();
    } else {
        ui->profileList->clear();
        emit refreshProfiles(currentAdapterIndex());
    }
    if (!currentNetworkName.isEmpty()) {
        appendLog(QStringLiteral("%1 %2 %3 %4")
                      .arg(tr("connected to"), currentNetworkName, tr("on"), ui->adapterSelector->currentText()));
    }
}

void AirvaneLite::setAPNotConnected(int errorCode)
{
    ui->connectButton->setEnabled(true);
    emit wlanUnregisterNotification();
    clearConnectingMarks();

    MsgDialog box(nullptr, tr("Error"),
                  QStringLiteral("%1 %2 %3\n%4")
                      .arg(tr("Not connected!"), tr("Error code:"), QString::number(errorCode),
                           tr("Check your password and try again.")),
                  3, QMessageBox::Ok);
    box.exec();

    enableProfileList();
    connectState = 0;
    attemptProfile.clear();
    emit connectionFailed();
}

void AirvaneLite::setAPConnectionFailed(const QString &errorMsg)
{
    ui->connectButton->setEnabled(true);
    setConnectTexts(false);
    emit wlanUnregisterNotification();
    markConnectionRowsDisconnected();
    clearConnectingMarks();

    // The report of an attempt the user has just canceled: the cancel has been answered already.
    if (attemptCanceled) {
        attemptCanceled = false;
        attemptProfile.clear();
        enableProfileList();
        return;
    }

    const QString failedProfile = attemptProfile;
    attemptProfile.clear();
    MsgDialog box(nullptr, tr("Error"), errorMsg, 3, QMessageBox::Ok);
    box.exec();
    emit connectionFailed();

    if (!failedProfile.isEmpty()) {
        emit removeFailedWlanProfile(failedProfile);
    } else {
        // Nothing to delete; the profile list still shows the attempt.
        failedWlanProfileRemoved();
    }
    enableProfileList();
    connectState = 3;
    currentProfile.clear();
}

void AirvaneLite::setAPDisconnected()
{
    emit wlanUnregisterNotification();
    ui->connectButton->setEnabled(true);
    setConnectTexts(false);
    infoPanel->setStatus(tr("Not connected"));
    infoPanel->setConnected(tr("No"));

    markConnectionRowsDisconnected();
    enableProfileList();
    attemptProfile.clear();

    MsgDialog box(nullptr, tr("Information"),
                  QStringLiteral("%1 %2!").arg(tr("You successfully disconnected from"), currentProfile), 1,
                  QMessageBox::Ok);
    box.exec();

    ui->profileList->clear();
    emit refreshProfiles(currentAdapterIndex());

    if (!currentProfile.isEmpty()) {
        appendLog(QStringLiteral("%1 %2 %3 %4")
                      .arg(tr("disconnected from the"), currentProfile, tr("on"),
                           ui->adapterSelector->currentText()));
    } else {
        appendLog(tr("disconnected from the network"));
    }

    emit wlanStateDisconnected();
    emit apDisconnected();
}

void AirvaneLite::setAPCanceled()
{
    ui->connectButton->setText(tr("Connect"));
    enableProfileList();
    clearConnectingMarks();
    // A failure report of the canceled attempt may still be on its way.
    attemptCanceled = connectState == 1;
    connectState = 3;
}

void AirvaneLite::setAPCancelFailed(int errorCode)
{
    MsgDialog box(this, tr("Error"),
                  QStringLiteral("%1\n%2 %3")
                      .arg(tr("Failed to cancel the network connection!"), tr("Error code:"))
                      .arg(errorCode),
                  3, QMessageBox::Ok);
    box.exec();
}

void AirvaneLite::setConnectedState(const ConnectionData &currentConnection)
{
    currentNetworkName = currentConnection.ssid;
    currentProfile = currentConnection.profileName;
    connectState = currentConnection.state;
    if (currentNetworkName.isEmpty() || currentProfile.isEmpty() || currentConnection.state != Connection::Connected)
        return;

    infoPanel->setStatus(tr("Connected"));
    if (const QTreeWidgetItem *row = networkRowNamed(currentNetworkName)) {
        connectedCipher = row->data(EncryptionColumn, Qt::UserRole).toInt();
        connectedIsSecured = row->data(SecurityColumn, Qt::UserRole).toBool();
        connectedAuth = row->data(AuthColumn, Qt::UserRole).toInt();
    } else {
        connectedIsSecured = false;
    }

    markRowConnected(ui->networkList, ConnectedColumn, currentNetworkName);
    markRowConnected(ui->profileList, ConnectedColumn + 1, currentProfile);
    emit wlanStateConnected(currentProfile, static_cast<_DOT11_CIPHER_ALGORITHM>(connectedCipher),
                            connectedIsSecured, static_cast<_DOT11_AUTH_ALGORITHM>(connectedAuth));
    connectedNetwork = currentNetworkName;
    connectedProfile = currentProfile;
}

void AirvaneLite::setDisconnectedState()
{
    if (connectState == 1)
        return;
    setConnectTexts(false);
    infoPanel->setStatus(tr("Not connected"));
    markConnectionRowsDisconnected();
    connectedIsSecured = false;
    connectState = 0;
    emit wlanStateDisconnected();
}

void AirvaneLite::setWlanProfileRemoved()
{
    QTreeWidget *profiles = ui->profileList;
    if (!profiles->selectedItems().isEmpty() && profiles->currentItem()) {
        delete profiles->takeTopLevelItem(profiles->indexOfTopLevelItem(profiles->currentItem()));
        if (profiles->topLevelItemCount() == 0) {
            layOutPlaceholder(profiles, profilePlaceholder);
            profilePlaceholder->show();
        }
    }
    markRowDisconnected(ui->networkList, ConnectedColumn, connectedNetwork);
    emit checkWirelessState(currentAdapterIndex());
    MsgDialog box(nullptr, tr("Information"), tr("Profile has been successfully removed!"), 1, QMessageBox::Ok);
    box.exec();
}

void AirvaneLite::setRemoveWlanProfileError(int error)
{
    MsgDialog box(nullptr, tr("Error"),
                  QStringLiteral("%1\n%2 %3").arg(tr("Could not delete network profile!"), tr("Error code:"))
                      .arg(error),
                  3, QMessageBox::Ok);
    box.exec();
}

void AirvaneLite::failedWlanProfileRemoved()
{
    ui->profileList->clear();
    emit refreshProfiles(currentAdapterIndex());
}

void AirvaneLite::setWlanUnregisterNotificationError(int errorCode)
{
    MsgDialog box(this, tr("Error"),
                  QStringLiteral("%1 %2 %3")
                      .arg(tr("Could not unregister wlan notification!"), tr("Error code:"))
                      .arg(errorCode),
                  3, QMessageBox::Ok);
    box.exec();
}

void AirvaneLite::setCheckAPData(const QString &profileName)
{
    const QTreeWidgetItem *row = networkRowNamed(profileName);
    if (!row)
        return;
    const auto cipher = static_cast<_DOT11_CIPHER_ALGORITHM>(row->data(EncryptionColumn, Qt::UserRole).toInt());
    const auto auth = static_cast<_DOT11_AUTH_ALGORITHM>(row->data(AuthColumn, Qt::UserRole).toInt());
    const bool hidden = row->data(SsidColumn, Qt::UserRole).toBool();
    if (row->data(SecurityColumn, Qt::UserRole).toBool())
        emit protectedSSIDData(profileName, true, cipher, auth, hidden);
    else
        emit openSSIDData(profileName, cipher, auth, hidden, row->text(SignalColumn));
}

void AirvaneLite::setCurrentNetwork(const QString &name)
{
    currentNetworkName = name;
}

QTreeWidgetItem *AirvaneLite::networkRowNamed(const QString &name) const
{
    if (name.isEmpty())
        return nullptr;
    const auto rows = ui->networkList->findItems(name, Qt::MatchContains | Qt::MatchRecursive, SsidColumn);
    for (QTreeWidgetItem *row : rows) {
        if (row->text(SsidColumn) == name)
            return row;
    }
    return nullptr;
}

void AirvaneLite::markRowConnected(QTreeWidget *list, int column, const QString &name)
{
    if (name.isEmpty())
        return;
    const auto rows = list->findItems(name, Qt::MatchContains | Qt::MatchRecursive, 0);
    for (QTreeWidgetItem *row : rows) {
        if (row->text(0) != name)
            continue;
        setRowFont(row, applicationFont(true));
        row->setText(column, tr("Yes"));
        row->setData(column, Qt::UserRole, QVariant::fromValue(Connection::Connected));
        return;
    }
}

void AirvaneLite::markRowDisconnected(QTreeWidget *list, int column, const QString &name)
{
    const auto rows = list->findItems(name, Qt::MatchExactly, 0);
    if (rows.isEmpty())
        return;
    QTreeWidgetItem *row = rows.first();
    setRowFont(row, applicationFont(false));
    row->setText(column, tr("No"));
    row->setData(column, Qt::UserRole, QVariant::fromValue(Connection::NotConnected));
}

void AirvaneLite::markConnectionRowsDisconnected()
{
    markRowDisconnected(ui->networkList, ConnectedColumn, connectedNetwork);
    markRowDisconnected(ui->profileList, ConnectedColumn + 1, connectedProfile);
}

void AirvaneLite::clearConnectingMarks()
{
    // "Connecting" was put into the row by hand; an attempt that ends without a connection
    // leaves the row as its state says.
    const QString connecting = tr("Connecting");
    const auto restore = [&connecting](QTreeWidget *list, int column) {
        for (int i = 0; i < list->topLevelItemCount(); ++i) {
            QTreeWidgetItem *row = list->topLevelItem(i);
            if (row->text(column) == connecting)
                row->setText(column, isConnectedRow(row, column) ? tr("Yes") : tr("No"));
        }
    };
    restore(ui->networkList, ConnectedColumn);
    restore(ui->profileList, ConnectedColumn + 1);
}

// ---------------------------------------------------------------------------------------------
// Open-network notification and its reminder

void AirvaneLite::setNotifyOpenAP()
{
    if (!notifyAP || notifyAP->isVisible() || !notifyWhenOpenAP || connectState == 2)
        return;
    emit checkAPTimer();
    applyTopMostSetting(notifyAP);
    notifyAP->exec();
}

void AirvaneLite::openAPNotificationSettings(bool status)
{
    notifyWhenOpenAP = status;
    emit notificationStatusChanged(status);
}

void AirvaneLite::setReminder(const QString &apName)
{
    stopReminder();
    reminderAPName = apName;
    // The second in progress counts as well: a reminder set for this very second is due.
    lastReminderCheck = QDateTime::currentDateTime().addSecs(-1);
    reminderTimer = new QTimer(this);
    reminderTimer->setObjectName(QStringLiteral("reminderTimer"));
    reminderTimer->setTimerType(Qt::PreciseTimer);
    reminderTimer->setInterval(1000);
    connect(reminderTimer.data(), &QTimer::timeout, this, &AirvaneLite::checkReminder);
    reminderTimer->start();
}

void AirvaneLite::stopReminder()
{
    if (!reminderTimer)
        return;
    reminderTimer->stop();
    reminderTimer->deleteLater();
    reminderTimer = nullptr;
}

void AirvaneLite::checkReminder()
{
    const QString reminder = readAppSetting(QLatin1String(SettingsKey::Reminder), QString()).toString();
    const auto wholeSecond = [](QDateTime moment) {
        const QTime time = moment.time();
        moment.setTime(QTime(time.hour(), time.minute(), time.second()));
        return moment;
    };
    const QDateTime now = wholeSecond(QDateTime::currentDateTime());

    // The moment is kept to the second; a tick that comes late (a busy event loop, a modal box)
    // must not step over it, so every second since the previous tick is compared.
    QDateTime moment = now;
    if (lastReminderCheck.isValid() && lastReminderCheck < now && lastReminderCheck.secsTo(now) <= 3600)
        moment = wholeSecond(lastReminderCheck).addSecs(1);
    bool due = false;
    for (; moment <= now && !due; moment = moment.addSecs(1))
        due = NotifyAP::reminderText(moment) == reminder;
    lastReminderCheck = now;

    if (!due || !networkRowNamed(reminderAPName))
        return;

    writeAppSetting(QLatin1String(SettingsKey::NotifyWhenOpenAP), true);
    writeAppSetting(QLatin1String(SettingsKey::Reminder), QStringLiteral("unknown"));
    notifyWhenOpenAP = true;
    emit notifyAP->openAPNotification(true);
    notifyAP->setHideReminder();
    // Stopped before the notification runs its own event loop, or the next tick would fire in it.
    stopReminder();
    setNotifyOpenAP();
}

// ---------------------------------------------------------------------------------------------
// Menus and secondary windows

void AirvaneLite::aboutApp() {}
void AirvaneLite::openLog(QWidget *) {}
void AirvaneLite::openChangelog() {}
void AirvaneLite::openAppSettings() {}
void AirvaneLite::openFeedback() {}
void AirvaneLite::checkForAppUpdates() {}
void AirvaneLite::openHostlensHome() {}

void AirvaneLite::exitApp()
{
    close();
}
