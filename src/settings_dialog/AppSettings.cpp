#include "settings_dialog/AppSettings.h"
#include "ui_AppSettings.h"

#include "app/appearance/AppFont.h"
#include "app/appearance/InterfaceLanguage.h"
#include "app/settings/SettingsKeys.h"
#include "app/settings/SettingsStore.h"
#include "console/CommandHost.h"
#include "console/CommandLauncher.h"
#include "net/NetworkManager.h"
#include "platform/os/Autostart.h"
#include "ui/dialogs/DialogSupport.h"
#include "ui/widgets/MsgDialog.h"
#include "ui/widgets/ScrollBar.h"
#include "ui/widgets/Switch.h"
#include "ui/dialogs/DialogSupport.h"
#include "ui/widgets/WindowRules.h"
#include "updates/Changelog.h"
#include "updates/UpdateCheck.h"

#include <QCloseEvent>
#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QListWidget>
#include <QLocale>
#include <QProcess>
#include <QScrollArea>
#include <QStandardItemModel>
#include <QTimer>

static void initSettingsDialogResources()
{
    Q_INIT_RESOURCE(settings_dialog);
}

namespace {

const char *const AppGroup = SettingsGroup::App;
const char *const UpdatesGroup = SettingsGroup::Updates;
const char *const Black = "color: #000000;";
const char *const Red = "color: red;";
const char *const ThemeGreen = "color: #79B220;";

// Selector entries are listed from the highest enumeration value down; each keeps its value.
struct Entry
{
    int value;
    const char *text;   // translated in the context "AppSettings" unless it is a language name
    const char *icon;
};

const Entry LanguageEntries[] = {
    { 3, "Українська", ":/Icon/flag_uk.svg" },
    { 2, "Русский", ":/Icon/flag_ru.svg" },
    { 1, "English", ":/Icon/flag_en.svg" },
    { 0, QT_TRANSLATE_NOOP("AppSettings", "Auto select"), ":/Icon/flag_auto.svg" },
};
const Entry ThemeEntries[] = {
    { 2, QT_TRANSLATE_NOOP("AppSettings", "Dark"), nullptr },
    { 1, QT_TRANSLATE_NOOP("AppSettings", "Gray"), nullptr },
    { 0, QT_TRANSLATE_NOOP("AppSettings", "Light"), nullptr },
};
const Entry ChannelEntries[] = {
    { 3, QT_TRANSLATE_NOOP("AppSettings", "Release"), nullptr },
    { 2, QT_TRANSLATE_NOOP("AppSettings", "Beta"), nullptr },
    { 1, QT_TRANSLATE_NOOP("AppSettings", "Insider"), nullptr },
    { 0, QT_TRANSLATE_NOOP("AppSettings", "Development"), nullptr },
};
const Entry DeliveryEntries[] = {
    { 2, QT_TRANSLATE_NOOP("AppSettings", "Dropbox"), nullptr },
    { 1, QT_TRANSLATE_NOOP("AppSettings", "OneDrive"), nullptr },
    { 0, QT_TRANSLATE_NOOP("AppSettings", "Tarnwick"), nullptr },
};

template <size_t N>
void fillBox(QComboBox *box, const Entry (&entries)[N], bool translate)
{
    const QSignalBlocker blocker(box);
    const bool fresh = box->count() == 0;
    for (size_t i = 0; i < N; ++i) {
        const QString text = translate ? QCoreApplication::translate("AppSettings", entries[i].text)
                                       : QString::fromUtf8(entries[i].text);
        if (fresh) {
            if (entries[i].icon)
                box->addItem(QIcon(QString::fromLatin1(entries[i].icon)), text, entries[i].value);
            else
                box->addItem(text, entries[i].value);
        } else {
            box->setItemText(int(i), text);
        }
    }
}

void setSilently(Switch *control, bool on)
{
    const QSignalBlocker blocker(control);
    control->setChecked(on);
}

bool readBool(const char *group, const char *key)
{
    return readSettingOrDefault(QLatin1String(group), QLatin1String(key)).toBool();
}

void writeKey(const char *group, const char *key, const QVariant &value)
{
    writeSetting(QLatin1String(group), QLatin1String(key), value);
}

// Connects a worker's signal to a slot when the worker has that signal; the worker is any
// object that reports the way the network worker does.
void connectIfPresent(QObject *worker, const char *signature, QObject *receiver, const char *slot)
{
    const QByteArray normalized = QMetaObject::normalizedSignature(signature);
    if (worker->metaObject()->indexOfSignal(normalized.constData()) < 0)
        return;
    QObject::connect(worker, QByteArray("2" + normalized).constData(), receiver,
                     QByteArray("1" + QMetaObject::normalizedSignature(slot)).constData());
}

// A network worker in a thread of its own for one operation. It starts from the event loop, once
// the dialog has connected to its results; it deletes itself (and its thread) after finished().
template <typename Start>
QObject *networkOperation(Start start)
{
    const NetworkManager::Operation operation = NetworkManager::prepareOperation();
    QTimer::singleShot(0, operation.thread, [operation, start] { start(operation); });
    return operation.worker;
}

void fillDefaultHooks(SettingsDialogHooks &hooks)
{
    if (!hooks.startAddressDetection)
        hooks.startAddressDetection = [] {
            return networkOperation([](const NetworkManager::Operation &operation) {
                NetworkManager::startOperation(operation, "detectUserAddress");
            });
        };
    if (!hooks.startUpdateCheck)
        hooks.startUpdateCheck = [] {
            return networkOperation([](const NetworkManager::Operation &operation) {
                NetworkManager::startOperation(operation, "checkForApplicationUpdates", Q_ARG(bool, false));
            });
        };
    if (!hooks.openChangelog)
        hooks.openChangelog = [](QWidget *parent) {
            auto *changelog = new Changelog(parent);
            changelog->setAttribute(Qt::WA_DeleteOnClose);
            changelog->show();
        };
}

void restartProgram()
{
    QProcess::startDetached(QCoreApplication::applicationFilePath(), { QStringLiteral("-restart") });
    QCoreApplication::quit();
}

} // namespace

AppSettings::AppSettings(QWidget *parent, SettingsDialogHooks dialogHooks)
    : QDialog(parent)
    , ui(new Ui::AppSettings)
    , hooks(std::move(dialogHooks))
    , commandHost(hooks.commands ? hooks.commands : std::make_shared<CommandHost>())
    , launcher(new CommandLauncher(CommandCatalogue::system(), *commandHost))
{
    fillDefaultHooks(hooks);
    qRegisterMetaType<App::Language>("App::Language");
    qRegisterMetaType<App::Theme>("App::Theme");
    qRegisterMetaType<Update::Channel>("Update::Channel");
    qRegisterMetaType<QJsonParseError>("QJsonParseError");
    dialogs::ensureIconResources();
    initSettingsDialogResources();

    ui->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    applyWindowOpacity(this);
    setFont(applicationFont());
    ui->previewLabel->setFont(applicationFont());

    for (QScrollArea *area : findChildren<QScrollArea *>()) {
        area->setVerticalScrollBar(new ScrollBar(Qt::Vertical, area));
        area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    }
    ui->settingsMenuView->setVerticalScrollBar(new ScrollBar(Qt::Vertical, ui->settingsMenuView));
    fitPagesToContent();

    buildMenu();
    fillSelectors();
    connectControls();
    loadSettings();
    applyTopMost(this, alwaysOnTop);
    connectCommandButtons();
    checkHostedAPFields();
    updateProfileButtons();

    restoreGeometry(readLayoutBlob(QLatin1String(SettingsKey::SettingsPos)));
    ui->settingsSplitter->restoreState(readLayoutBlob(QLatin1String(SettingsKey::SettingsViewSize)));
}

AppSettings::~AppSettings()
{
    delete ui;
}

void AppSettings::buildMenu()
{
    const char *const icons[] = { ":/Icon/cog.svg", ":/Icon/tools.svg", ":/Icon/signal-stream.svg", ":/Icon/sync.svg" };
    const QString texts[] = { tr("Application"), tr("Misc"), tr("Networks"), tr("Updates") };
    if (ui->settingsMenuView->count() == 0) {
        for (int i = 0; i < 4; ++i)
            ui->settingsMenuView->addItem(new QListWidgetItem(dialogs::resourceIcon(QString::fromLatin1(icons[i])), texts[i]));
        connect(ui->settingsMenuView, &QListWidget::currentRowChanged, ui->settingsView,
                &QStackedWidget::setCurrentIndex);
        ui->settingsMenuView->setCurrentRow(0);
    } else {
        for (int i = 0; i < 4; ++i)
            ui->settingsMenuView->item(i)->setText(texts[i]);
    }
}

void AppSettings::fillSelectors()
{
    fillBox(ui->languageBox, LanguageEntries, false);
    ui->languageBox->setItemText(3, tr("Auto select"));
    fillBox(ui->themeBox, ThemeEntries, true);
    fillBox(ui->channelBox, ChannelEntries, true);
    fillBox(ui->deliveryBox, DeliveryEntries, true);
    if (ui->fontFamilyBox->count() == 0) {
        ui->fontFamilyBox->addItems(fontFamilies());
        for (int size : fontSizes())
            ui->fontSizeBox->addItem(QString::number(size), size);
    }
}

void AppSettings::selectValue(QComboBox *box, int value)
{
    const QSignalBlocker blocker(box);
    const int index = box->findData(value);
    if (index >= 0)
        box->setCurrentIndex(index);
}

int AppSettings::selectedValue(const QComboBox *box)
{
    return box->currentData().toInt();
}

void AppSettings::loadSettings()
{
    using namespace SettingsKey;
    alwaysOnTop = readBool(AppGroup, AlwaysOnTop);

    for (const SwitchBinding &binding : switchBindings)
        setSilently(binding.control, readBool(binding.group, binding.key));
    setSilently(ui->runAtStartupSwitch, isRunAtStartup());
    setSilently(ui->configManagerSwitch, readBool(AppGroup, OpenInfoWithConfigManager));
    setSilently(ui->networkConfigManagerSwitch, readBool(AppGroup, OpenInfoWithConfigManager));

    // The three "to tray" options exclude one another; a store holding more than one (left by an
    // older build) keeps the first of them.
    Switch *const tray[] = { ui->addToTraySwitch, ui->closeToTraySwitch, ui->minimizeToTraySwitch };
    const char *const trayKeys[] = { AddToTray, CloseToTray, MinimizeToTray };
    bool taken = false;
    for (int i = 0; i < 3; ++i) {
        bool on = readBool(AppGroup, trayKeys[i]);
        if (on && taken) {
            writeKey(AppGroup, trayKeys[i], false);
            on = false;
        }
        taken = taken || on;
        setSilently(tray[i], on);
        tray[i]->setEnabled(true);
    }
    ui->showWindowInTraySwitch->setEnabled(true);
    if (ui->addToTraySwitch->isChecked()) {
        ui->closeToTraySwitch->setEnabled(false);
        ui->minimizeToTraySwitch->setEnabled(false);
    } else if (ui->closeToTraySwitch->isChecked() || ui->minimizeToTraySwitch->isChecked()) {
        for (Switch *other : { ui->addToTraySwitch, ui->closeToTraySwitch, ui->minimizeToTraySwitch,
                               ui->showWindowInTraySwitch }) {
            if (!other->isChecked())
                other->setEnabled(false);
        }
    }

    selectValue(ui->languageBox, int(readLanguage()));
    selectValue(ui->themeBox, int(readTheme()));
    selectValue(ui->channelBox, int(readUpdatesChannel()));
    selectValue(ui->deliveryBox, int(readDelivery()));

    {
        const QSignalBlocker family(ui->fontFamilyBox);
        const QSignalBlocker size(ui->fontSizeBox);
        ui->fontFamilyBox->setCurrentText(fontFamily());
        ui->fontSizeBox->setCurrentIndex(ui->fontSizeBox->findData(fontSize()));
    }
    ui->applyFontButton->setEnabled(fontChanged);
    ui->resetFontButton->setEnabled(fontChanged);

    {
        const QSignalBlocker blocker(ui->opacitySlider);
        ui->opacitySlider->setValue(qRound(readOpacity() * 10));
    }

    ui->downloadPathEdit->setText(readSettingOrDefault(QLatin1String(UpdatesGroup), QLatin1String(DownloadPath)).toString());
    ui->installPathEdit->setText(readSettingOrDefault(QLatin1String(UpdatesGroup), QLatin1String(InstallPath)).toString());
    ui->changelogButton->setEnabled(bool(hooks.openChangelog));
}

void AppSettings::bindSwitch(Switch *control, const char *group, const char *key, void (AppSettings::*announce)(bool))
{
    switchBindings.append({ control, group, key });
    connect(control, &QAbstractButton::toggled, this, [this, group, key, announce](bool on) {
        writeKey(group, key, on);
        if (announce)
            (this->*announce)(on);
    });
}

void AppSettings::connectControls()
{
    using namespace SettingsKey;

    for (QPushButton *close : { ui->closeButton1, ui->closeButton2, ui->closeButton3, ui->closeButton4 })
        connect(close, &QPushButton::clicked, this, &QWidget::close);

    bindSwitch(ui->showFullInfoSwitch, AppGroup, ShowFullInfo, nullptr);
    connect(ui->showFullInfoSwitch, &QAbstractButton::toggled, this, [this] { emit showFullInfo(); });
    connect(ui->runAtStartupSwitch, &QAbstractButton::toggled, this,
            [](bool on) { setRunAtStartup(on, QCoreApplication::applicationFilePath()); });
    bindSwitch(ui->showSplashSwitch, AppGroup, ShowSplash, nullptr);
    bindSwitch(ui->alwaysOnTopSwitch, AppGroup, AlwaysOnTop, &AppSettings::alwaysOnTopEnabled);
    connect(ui->alwaysOnTopSwitch, &QAbstractButton::toggled, this, [this](bool on) {
        alwaysOnTop = on;
        applyTopMost(this, on);
    });
    connect(ui->configManagerSwitch, &QAbstractButton::toggled, this, &AppSettings::setConfigManager);
    connect(ui->networkConfigManagerSwitch, &QAbstractButton::toggled, this, &AppSettings::setConfigManager);
    bindSwitch(ui->autoRefreshSwitch, AppGroup, AutoRefreshWlanNetworks, &AppSettings::autoRefreshNetworks);
    connect(ui->setDefaultsButton, &QPushButton::clicked, this, &AppSettings::setToDefaults);

    connect(ui->addToTraySwitch, &QAbstractButton::toggled, this, &AppSettings::addToTrayChanged);
    connect(ui->closeToTraySwitch, &QAbstractButton::toggled, this, &AppSettings::closeToTrayChanged);
    connect(ui->minimizeToTraySwitch, &QAbstractButton::toggled, this, &AppSettings::minimizeToTrayChanged);
    bindSwitch(ui->notifyInTraySwitch, AppGroup, NotifyWhenInTray, nullptr);
    bindSwitch(ui->showWindowInTraySwitch, AppGroup, ShowWindowWhenInTray, nullptr);
    bindSwitch(ui->openNotificationSwitch, AppGroup, NotifyWhenOpenAP, &AppSettings::openAPNotificationSettings);

    connect(ui->languageBox, QOverload<int>::of(&QComboBox::activated), this, &AppSettings::languageChosen);
    connect(ui->themeBox, QOverload<int>::of(&QComboBox::activated), this, &AppSettings::themeChosen);

    connect(ui->fontFamilyBox, QOverload<int>::of(&QComboBox::activated), this, &AppSettings::fontChosen);
    connect(ui->fontSizeBox, QOverload<int>::of(&QComboBox::activated), this, &AppSettings::fontChosen);
    connect(ui->applyFontButton, &QPushButton::clicked, this, &AppSettings::applyFont);
    connect(ui->resetFontButton, &QPushButton::clicked, this, &AppSettings::resetFont);
    connect(ui->opacitySlider, &QSlider::valueChanged, this, &AppSettings::opacityChanged);

    connect(ui->checkConnectionButton, &QPushButton::clicked, this, &AppSettings::checkNetwork);
    connect(ui->showCharactersSwitch, &QAbstractButton::toggled, this, [this](bool on) {
        ui->networkPasswordEdit->setEchoMode(on ? QLineEdit::Normal : QLineEdit::Password);
    });
    connect(ui->networkNameEdit, &QLineEdit::textChanged, this, &AppSettings::checkHostedAPFields);
    connect(ui->networkPasswordEdit, &QLineEdit::textChanged, this, &AppSettings::checkHostedAPFields);
    connect(ui->profileNameEdit, &QLineEdit::textChanged, this, &AppSettings::updateProfileButtons);
    connect(ui->openNetworkSettingsButton, &QPushButton::clicked, this,
            [this] { commandHost->openNetworkSettings(); });

    connect(ui->checkUpdatesButton, &QPushButton::clicked, this, &AppSettings::checkForUpdates);
    connect(ui->changelogButton, &QPushButton::clicked, this, &AppSettings::openChangelog);
    connect(ui->channelBox, QOverload<int>::of(&QComboBox::activated), this, [this] {
        const auto channel = Update::Channel(selectedValue(ui->channelBox));
        writeUpdatesChannel(channel);
        emit updateChannel(channel);
    });
    connect(ui->deliveryBox, QOverload<int>::of(&QComboBox::activated), this,
            [this] { writeDelivery(Update::Delivery(selectedValue(ui->deliveryBox))); });
    bindSwitch(ui->getUpdatesSwitch, UpdatesGroup, EnableUpdates, &AppSettings::updatesStatusCheck);
    bindSwitch(ui->checkOnStartSwitch, UpdatesGroup, CheckForUpdatesWhenAppStarts, nullptr);
    bindSwitch(ui->installAutomaticallySwitch, UpdatesGroup, InstallUpdatesAutomatically, nullptr);
    bindSwitch(ui->insiderNotificationSwitch, UpdatesGroup, GetInsiderBuildsNotification, nullptr);
    bindSwitch(ui->deleteInstallerSwitch, UpdatesGroup, DeleteInstaller, nullptr);
    bindSwitch(ui->installSilentlySwitch, UpdatesGroup, InstallSilently, nullptr);
    connect(ui->downloadPathButton, &QPushButton::clicked, this, [this] { chooseFolder(SettingsKey::DownloadPath); });
    connect(ui->installPathButton, &QPushButton::clicked, this, [this] { chooseFolder(SettingsKey::InstallPath); });
}

void AppSettings::setConfigManager(bool on)
{
    writeKey(SettingsGroup::App, SettingsKey::OpenInfoWithConfigManager, on);
    // The switch is on two pages; both show the one stored value.
    setSilently(ui->configManagerSwitch, on);
    setSilently(ui->networkConfigManagerSwitch, on);
}

// Tray rules ------------------------------------------------------------------------------------

void AppSettings::switchOff(std::initializer_list<Switch *> controls)
{
    using namespace SettingsKey;
    for (Switch *control : controls) {
        setSilently(control, false);
        const char *key = control == ui->addToTraySwitch     ? AddToTray
            : control == ui->closeToTraySwitch                ? CloseToTray
            : control == ui->minimizeToTraySwitch             ? MinimizeToTray
                                                              : ShowWindowWhenInTray;
        writeKey(SettingsGroup::App, key, false);
    }
}

void AppSettings::trayOptionChanged(const char *key, bool on, std::initializer_list<Switch *> excluded)
{
    writeKey(AppGroup, key, on);
    if (on)
        switchOff(excluded);
    for (Switch *other : excluded)
        other->setEnabled(!on);
}

void AppSettings::addToTrayChanged(bool on)
{
    trayOptionChanged(SettingsKey::AddToTray, on, { ui->closeToTraySwitch, ui->minimizeToTraySwitch });
    if (on && !ui->showWindowInTraySwitch->isChecked())
        hide();
    emit setManageTray();
}

void AppSettings::closeToTrayChanged(bool on)
{
    trayOptionChanged(SettingsKey::CloseToTray, on,
                      { ui->addToTraySwitch, ui->minimizeToTraySwitch, ui->showWindowInTraySwitch });
    emit setManageTray();
}

void AppSettings::minimizeToTrayChanged(bool on)
{
    trayOptionChanged(SettingsKey::MinimizeToTray, on,
                      { ui->addToTraySwitch, ui->closeToTraySwitch, ui->showWindowInTraySwitch });
    emit setManageTray();
}

// Language and theme ----------------------------------------------------------------------------

void AppSettings::languageChosen()
{
    const auto language = App::Language(selectedValue(ui->languageBox));
    writeLanguage(language);
    // The main window loads the translations; the language-change event then re-translates this
    // dialog like every other window.
    emit currentLanguage(language);
    emit privacyPolicyLanguage(language);
}

void AppSettings::changeLanguage(App::Language languageIndex)
{
    selectValue(ui->languageBox, int(languageIndex));
}

void AppSettings::themeChosen()
{
    const auto theme = App::Theme(selectedValue(ui->themeBox));
    writeTheme(theme);
    emit selectedTheme(theme);
}

void AppSettings::setSelectedTheme(App::Theme themeIndex)
{
    selectValue(ui->themeBox, int(themeIndex));
}

int AppSettings::themeValue() const
{
    return selectedValue(ui->themeBox);
}

// Fonts and opacity -----------------------------------------------------------------------------

void AppSettings::fontChosen()
{
    const QString family = ui->fontFamilyBox->currentText();
    const int size = ui->fontSizeBox->currentData().toInt();
    QFont preview(family);
    preview.setPixelSize(size);
    preview.setWeight(QFont::Normal);
    preview.setUnderline(false);
    preview.setStyleStrategy(QFont::PreferAntialias);
    ui->previewLabel->setFont(preview);

    if (sender() == ui->fontFamilyBox)
        writeKey(SettingsGroup::Fonts, SettingsKey::Family, family);
    else
        writeKey(SettingsGroup::Fonts, SettingsKey::Size, size);
    fontChanged = true;
    ui->applyFontButton->setEnabled(true);
    ui->resetFontButton->setEnabled(true);
}

bool AppSettings::askRestart(const QString &reason, bool withCancel, bool *cancelled)
{
    QMessageBox::StandardButtons buttons = QMessageBox::Yes | QMessageBox::No;
    if (withCancel)
        buttons |= QMessageBox::Cancel;
    const int answer = MsgDialog::run(this, tr("Settings"), QStringLiteral("%1 %2").arg(reason, tr("Do you want to restart now?")),
                                      MsgDialog::Question, buttons);
    if (cancelled)
        *cancelled = answer != QMessageBox::Yes && answer != QMessageBox::No;
    if (answer != QMessageBox::Yes)
        return false;
    if (hooks.restartApplication)
        hooks.restartApplication();
    else
        restartProgram();
    return true;
}

void AppSettings::applyFont()
{
    if (fontChanged)
        askRestart(tr("You must restart the program to apply the selected font."), false);
}

void AppSettings::resetFont()
{
    const QString family = settingDefault(QLatin1String(SettingsGroup::Fonts), QLatin1String(SettingsKey::Family)).toString();
    const int size = settingDefault(QLatin1String(SettingsGroup::Fonts), QLatin1String(SettingsKey::Size)).toInt();
    writeKey(SettingsGroup::Fonts, SettingsKey::Family, family);
    writeKey(SettingsGroup::Fonts, SettingsKey::Size, size);
    {
        const QSignalBlocker familyBlocker(ui->fontFamilyBox);
        const QSignalBlocker sizeBlocker(ui->fontSizeBox);
        ui->fontFamilyBox->setCurrentText(family);
        ui->fontSizeBox->setCurrentIndex(ui->fontSizeBox->findData(size));
    }
    QFont preview(family);
    preview.setPixelSize(size);
    preview.setStyleStrategy(QFont::PreferAntialias);
    ui->previewLabel->setFont(preview);
    askRestart(tr("You must restart the program to set the default font."), false);
}

void AppSettings::opacityChanged(int value)
{
    // A window at opacity 0 could not be seen to be set back.
    if (value == 0)
        return;
    const double opacity = value / 10.0;
    writeKey(SettingsGroup::App, SettingsKey::Opacity, opacity);
    setWindowOpacity(opacity);
    emit opacitySettings(opacity);
}

// Defaults and paths ----------------------------------------------------------------------------

void AppSettings::setToDefaults()
{
    using namespace SettingsKey;
    const std::pair<const char *, const char *> keys[] = {
        { AppGroup, ShowFullInfo }, { AppGroup, ShowSplash }, { AppGroup, AlwaysOnTop }, { AppGroup, OpenInfoWithConfigManager },
        { AppGroup, AddToTray }, { AppGroup, CloseToTray }, { AppGroup, MinimizeToTray }, { AppGroup, ShowWindowWhenInTray },
        { AppGroup, NotifyWhenOpenAP }, { UpdatesGroup, EnableUpdates }, { UpdatesGroup, CheckForUpdatesWhenAppStarts },
        { UpdatesGroup, InstallUpdatesAutomatically }, { UpdatesGroup, GetInsiderBuildsNotification },
        { UpdatesGroup, DeleteInstaller }, { UpdatesGroup, InstallSilently }, { AppGroup, AutoRefreshWlanNetworks },
        { AppGroup, Opacity }, { AppGroup, Position }, { AppGroup, SettingsPos }, { AppGroup, WlanViewSize }, { AppGroup, SettingsViewSize },
    };
    for (const auto &key : keys)
        writeKey(key.first, key.second, settingDefault(QLatin1String(key.first), QLatin1String(key.second)));
    // The selectors keep what they show; that choice is stored as its value.
    writeUpdatesChannel(Update::Channel(selectedValue(ui->channelBox)));
    writeLanguage(App::Language(selectedValue(ui->languageBox)));
    writeTheme(App::Theme(selectedValue(ui->themeBox)));
    loadSettings();
}

void AppSettings::chooseFolder(const char *key)
{
    QLineEdit *edit = qstrcmp(key, SettingsKey::DownloadPath) == 0 ? ui->downloadPathEdit : ui->installPathEdit;
    const QString folder = QFileDialog::getExistingDirectory(this, tr("Choose a folder"), edit->text());
    if (folder.isEmpty())
        return;
    const QString native = QDir::toNativeSeparators(folder);
    writeKey(SettingsGroup::Updates, key, native);
    edit->setText(native);
}

// Network console -------------------------------------------------------------------------------

void AppSettings::connectCommandButtons()
{
    commandRows = {
        { ui->createNetworkButton, 1 }, { ui->startNetworkButton, 2 }, { ui->stopNetworkButton, 3 },
        { ui->showNetworkButton, 4 }, { ui->enableNetworkButton, 5 }, { ui->disableNetworkButton, 6 },
        { ui->deleteNetworkButton, 7 }, { ui->hostedInfoButton, 8 }, { ui->globalSettingsButton, 9 },
        { ui->systemInfoButton, 10 }, { ui->showProfilesButton, 11 }, { ui->showProfileKeyButton, 12 },
        { ui->stopAutoConnectButton, 13 }, { ui->deleteProfileButton, 14 },
    };
    for (auto it = commandRows.cbegin(); it != commandRows.cend(); ++it) {
        const int row = it.value();
        connect(it.key(), &QPushButton::clicked, this, [this, row] { runCommandRow(row); });
    }
    markUnavailableCommands();
}

void AppSettings::markUnavailableCommands()
{
    const CommandCatalogue &catalogue = CommandCatalogue::system();
    for (auto it = commandRows.cbegin(); it != commandRows.cend(); ++it) {
        if (!catalogue.command(it.value()).available()) {
            it.key()->setEnabled(false);
            it.key()->setToolTip(tr("This command has no equivalent on this system."));
        }
    }
}

void AppSettings::runCommandRow(int row)
{
    const CommandFields fields { ui->networkNameEdit->text(), ui->networkPasswordEdit->text(),
                                 ui->profileNameEdit->text() };
    launcher->run(row, fields, ui->networkConfigManagerSwitch->isChecked(), alwaysOnTop, this);
}

void AppSettings::checkHostedAPFields()
{
    const bool filled = !ui->networkNameEdit->text().isEmpty() && !ui->networkPasswordEdit->text().isEmpty();
    const CommandCatalogue &catalogue = CommandCatalogue::system();
    for (QPushButton *button : { ui->createNetworkButton, ui->startNetworkButton, ui->stopNetworkButton,
                                 ui->showNetworkButton, ui->enableNetworkButton, ui->disableNetworkButton })
        button->setEnabled(filled && catalogue.command(commandRows.value(button)).available());
}

void AppSettings::updateProfileButtons()
{
    const bool filled = !ui->profileNameEdit->text().isEmpty();
    for (QPushButton *button : { ui->showProfileKeyButton, ui->stopAutoConnectButton, ui->deleteProfileButton })
        button->setEnabled(filled);
}

// Connection check ------------------------------------------------------------------------------

void AppSettings::checkNetwork()
{
    ui->checkConnectionButton->setEnabled(false);
    connectionChecked = true;
    for (QLabel *label : { ui->statusLabel, ui->addressLabel }) {
        label->setText(tr("Checking..."));
        label->setStyleSheet(QLatin1String(Black));
    }
    QObject *worker = hooks.startAddressDetection ? hooks.startAddressDetection() : nullptr;
    if (!worker) {
        connectionCheckEnded();
        return;
    }
    connectIfPresent(worker, "userConnectedStatus()", this, "userConnected()");
    connectIfPresent(worker, "userNotConnectedStatus()", this, "userNotConnected()");
    connectIfPresent(worker, "userIPData(QString)", this, "userIP(QString)");
    connectIfPresent(worker, "userIPUnknownData(QString)", this, "userIPUnknown(QString)");
    connectIfPresent(worker, "noNetConnection()", this, "connectionCheckNoNetwork()");
    connectIfPresent(worker, "finished()", this, "connectionCheckEnded()");
    connect(worker, &QObject::destroyed, this, &AppSettings::connectionCheckEnded);
}

void AppSettings::userConnected()
{
    ui->statusLabel->setText(tr("Connected"));
    ui->statusLabel->setStyleSheet(themeValue() == 1 ? QLatin1String(ThemeGreen) : QStringLiteral("color: #008000;"));
}

void AppSettings::userNotConnected()
{
    ui->statusLabel->setText(tr("Not connected"));
    ui->statusLabel->setStyleSheet(QLatin1String(Red));
}

void AppSettings::userIP(QString ipData)
{
    ui->addressLabel->setText(ipData);
    ui->addressLabel->setStyleSheet(themeValue() == 1 ? QLatin1String(ThemeGreen) : QStringLiteral("color: green;"));
    ui->checkConnectionButton->setEnabled(true);
}

void AppSettings::userIPUnknown(QString ipUnknown)
{
    ui->addressLabel->setText(ipUnknown);
    ui->addressLabel->setStyleSheet(QLatin1String(Red));
    ui->checkConnectionButton->setEnabled(true);
}

void AppSettings::connectionCheckNoNetwork()
{
    userNotConnected();
    userIPUnknown(tr("Unknown"));
}

void AppSettings::connectionCheckEnded()
{
    // A check that ended without an answer failed.
    if (ui->statusLabel->text() == tr("Checking..."))
        userNotConnected();
    if (ui->addressLabel->text() == tr("Checking..."))
        userIPUnknown(tr("Unknown"));
    ui->checkConnectionButton->setEnabled(true);
}

// Update check ----------------------------------------------------------------------------------

void AppSettings::checkForUpdates()
{
    ui->checkUpdatesButton->setEnabled(false);
    ui->buildLabel->setText(tr("Checking..."));
    ui->lastCheckedLabel->setText(tr("Checking..."));
    QObject *worker = hooks.startUpdateCheck ? hooks.startUpdateCheck() : nullptr;
    if (!worker) {
        updateCheckEnded();
        return;
    }
    connectIfPresent(worker, "updateAvailable(QString,QString,QString,bool,QString)", this,
                     "setUpdateAvailable(QString,QString,QString,bool,QString)");
    connectIfPresent(worker, "latestVersion(QString)", this, "setLatestVersion(QString)");
    connectIfPresent(worker, "jsonReaderError(QJsonParseError)", this, "setJsonReaderError(QJsonParseError)");
    connectIfPresent(worker, "noNetConnection()", this, "updateCheckNoNetwork()");
    connectIfPresent(worker, "finished()", this, "updateCheckEnded()");
    connect(worker, &QObject::destroyed, this, &AppSettings::updateCheckEnded);
}

void AppSettings::setUpdatesBuildInfo(QString build, QString lastChecked)
{
    updatesChecked = true;
    ui->buildLabel->setText(build);
    ui->lastCheckedLabel->setText(lastChecked);
}

void AppSettings::setUpdateAvailable(QString build, QString, QString, bool, QString)
{
    setUpdatesBuildInfo(tr("%1 (update available)").arg(build), UpdateCheck::lastCheckedText(QDateTime::currentDateTime(), false));
    ui->checkUpdatesButton->setEnabled(true);
}

void AppSettings::setLatestVersion(QString build)
{
    setUpdatesBuildInfo(build, UpdateCheck::lastCheckedText(QDateTime::currentDateTime(), false));
    ui->checkUpdatesButton->setEnabled(true);
}

void AppSettings::setJsonReaderError(QJsonParseError errorCode)
{
    ui->buildLabel->setText(tr("Not checked"));
    ui->lastCheckedLabel->setText(tr("Not checked"));
    ui->checkUpdatesButton->setEnabled(true);
    MsgDialog::run(this, tr("Error"),
                   tr("Failed to check for the updates!") + QLatin1Char(' ') + MsgDialog::errorCodeText(errorCode.error),
                   MsgDialog::Critical);
}

void AppSettings::updateCheckNoNetwork()
{
    ui->buildLabel->setText(tr("Not checked"));
    ui->lastCheckedLabel->setText(tr("Not checked"));
    ui->checkUpdatesButton->setEnabled(true);
    MsgDialog::run(this, tr("Error"), tr("Network connection is not available! Check your network and try again."),
                   MsgDialog::Critical);
}

void AppSettings::updateCheckEnded()
{
    if (ui->buildLabel->text() == tr("Checking..."))
        ui->buildLabel->setText(tr("Not checked"));
    if (ui->lastCheckedLabel->text() == tr("Checking..."))
        ui->lastCheckedLabel->setText(tr("Not checked"));
    ui->checkUpdatesButton->setEnabled(true);
}

void AppSettings::setInsiderUpdateChannel(Update::Channel updateChannel)
{
    selectValue(ui->channelBox, int(updateChannel));
}

void AppSettings::setEnabledDev()
{
    if (auto *model = qobject_cast<QStandardItemModel *>(ui->channelBox->model()))
        model->item(ui->channelBox->findData(int(Update::Channel::Development)))->setEnabled(true);
}

void AppSettings::setDisabledDev()
{
    if (auto *model = qobject_cast<QStandardItemModel *>(ui->channelBox->model()))
        model->item(ui->channelBox->findData(int(Update::Channel::Development)))->setEnabled(false);
}

void AppSettings::setUpdatesOn(bool isOn)
{
    setSilently(ui->getUpdatesSwitch, isOn);
}

void AppSettings::setOpenAPNotification(bool status)
{
    setSilently(ui->openNotificationSwitch, status);
}

void AppSettings::setInsiderNotification(bool enabled)
{
    setSilently(ui->insiderNotificationSwitch, enabled);
}

void AppSettings::openLog()
{
    emit displayLog(this);
}

void AppSettings::openChangelog()
{
    if (hooks.openChangelog)
        hooks.openChangelog(this);
}

// Window events ---------------------------------------------------------------------------------

void AppSettings::closeEvent(QCloseEvent *event)
{
    writeAppSetting(QLatin1String(SettingsKey::SettingsPos), saveGeometry());
    writeAppSetting(QLatin1String(SettingsKey::SettingsViewSize), ui->settingsSplitter->saveState());
    if (fontChanged) {
        bool cancelled = false;
        askRestart(tr("You must restart the program to apply the selected font."), true, &cancelled);
        if (cancelled) {
            event->ignore();
            return;
        }
    }
    QDialog::closeEvent(event);
}

void AppSettings::fitPagesToContent()
{
    // The pages scroll only vertically, so a page is never made narrower than its content: the
    // right-hand buttons would go under the scroll bar (16 px wide under the pointer).
    for (QScrollArea *area : findChildren<QScrollArea *>()) {
        if (QWidget *content = area->widget())
            area->setMinimumWidth(content->minimumSizeHint().width() + 16 + 2 * area->frameWidth());
    }
}

void AppSettings::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        const QString texts[] = { ui->statusLabel->text(), ui->addressLabel->text(), ui->buildLabel->text(),
                                  ui->lastCheckedLabel->text() };
        ui->retranslateUi(this);
        buildMenu();
        fillSelectors();
        markUnavailableCommands();
        fitPagesToContent();
        if (connectionChecked) {
            ui->statusLabel->setText(texts[0]);
            ui->addressLabel->setText(texts[1]);
        }
        if (updatesChecked) {
            ui->buildLabel->setText(texts[2]);
            ui->lastCheckedLabel->setText(texts[3]);
        }
    }
    QDialog::changeEvent(event);
}
