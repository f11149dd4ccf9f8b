#include "app/startup/ManageStartup.h"

#include "app/appearance/Translations.h"
#include "app/settings/SettingsKeys.h"
#include "app/settings/SettingsStore.h"
#include "app/startup/FontInstaller.h"
#include "app/startup/Splash.h"
#include "app/startup/StartupUpdateCheck.h"
#include "log/LogView.h"
#include "platform/os/Services.h"
#include "ui/dialogs/NotifyAP.h"
#include "ui/widgets/MsgDialog.h"
#include "ui/widgets/WindowRules.h"

#include <QEvent>
#include <QWidget>

namespace {

bool appFlag(const char *key, bool defaultValue)
{
    return readAppSetting(QLatin1String(key), defaultValue).toBool();
}

bool updatesFlag(const char *key, bool defaultValue)
{
    return readSetting(QLatin1String(SettingsGroup::Updates), QLatin1String(key), defaultValue).toBool();
}

} // namespace

ManageStartup::ManageStartup(QObject *parent, StartupServices services)
    : QObject(parent), m_services(std::move(services))
{
    appendLog(tr("launching the program"));
    FontInstaller().installFonts();
    const QString wmiProblem = NotifyAP::wmiServiceMessage(os::ensureWmiServiceRunning());
    if (!wmiProblem.isEmpty())
        MsgDialog::run(nullptr, tr("Error"), wmiProblem, MsgDialog::Critical, QMessageBox::Ok);
    writeDefaultSettings();

    // An update check with updates switched off could still download and run an installer.
    const bool checkAtStart = updatesFlag(SettingsKey::EnableUpdates, true)
        && updatesFlag(SettingsKey::CheckForUpdatesWhenAppStarts, true);
    m_showSplash = appFlag(SettingsKey::ShowSplash, true);
    m_showWindowWhenInTray = appFlag(SettingsKey::ShowWindowWhenInTray, false);
    m_addToTray = appFlag(SettingsKey::AddToTray, false);
    m_closeToTray = appFlag(SettingsKey::CloseToTray, false);
    m_minimizeToTray = appFlag(SettingsKey::MinimizeToTray, false);
    m_alwaysOnTop = appFlag(SettingsKey::AlwaysOnTop, false);

    loadTranslations(&m_programTranslator, &m_toolkitTranslator);

    if (updatesFlag(SettingsKey::DeleteInstaller, false) && m_services.deleteOldInstaller)
        m_services.deleteOldInstaller();

    if (checkAtStart && m_services.createUpdateCheck)
        startUpdateCheck();
    else
        manageWindow();
}

ManageStartup::~ManageStartup()
{
    delete m_updatesWindow;
    delete m_mainWindow;
    removeTranslations(&m_programTranslator, &m_toolkitTranslator);
}

void ManageStartup::startUpdateCheck()
{
    StartupUpdateCheck *check = m_services.createUpdateCheck();
    if (!check) {
        manageWindow();
        return;
    }
    connect(check, &StartupUpdateCheck::updateAvailable, this, &ManageStartup::setUpdateAvailable);
    connect(check, &StartupUpdateCheck::latestVersion, this, &ManageStartup::setLatestVersion);
    connect(check, &StartupUpdateCheck::noNetConnection, this, &ManageStartup::setNoNetConnection);
    connect(check, &StartupUpdateCheck::jsonReaderError, this, &ManageStartup::setJsonReaderError);
    connect(check, &StartupUpdateCheck::finished, this, &ManageStartup::updateCheckEnded);
    connect(check, &StartupUpdateCheck::finished, check, &QObject::deleteLater);
    check->start();
    appendLog(tr("check for updates at startup"));
}

void ManageStartup::updateCheckEnded()
{
    // A check can end without any of its outcomes (a manifest without an entry for this channel,
    // a server that answers with an error page): the program opens all the same.
    if (!m_updateCheckAnswered)
        manageWindow();
}

void ManageStartup::setLatestVersion()
{
    m_updateCheckAnswered = true;
    manageWindow();
}

void ManageStartup::setNoNetConnection()
{
    m_updateCheckAnswered = true;
    MsgDialog::run(nullptr, tr("Error"),
                   tr("No network connection has been found!") + QLatin1Char(' ')
                       + tr("Check for update has been skipped!"),
                   MsgDialog::Critical, QMessageBox::Ok);
    manageWindow();
}

void ManageStartup::setJsonReaderError(QJsonParseError updateError)
{
    m_updateCheckAnswered = true;
    MsgDialog::run(nullptr, tr("Error"),
                   tr("Failed to check for the updates!") + QLatin1Char(' ')
                       + MsgDialog::errorCodeText(static_cast<int>(updateError.error)),
                   MsgDialog::Critical, QMessageBox::Ok);
    manageWindow();
}

void ManageStartup::setUpdateAvailable(QString build, QString channel, QString info, bool isAutoUpdate,
                                       QString url)
{
    m_updateCheckAnswered = true;
    QWidget *window = m_services.createUpdatesWindow
        ? m_services.createUpdatesWindow({build, channel, info, isAutoUpdate, url})
        : nullptr;
    if (!window) {
        manageWindow();
        return;
    }
    m_updatesWindow = window;
    // The offer ends by closeUpdate, but also when the window closes any other way (cancel,
    // "No" after a failure, an error): the program must open in every case.
    if (window->metaObject()->indexOfSignal("closeUpdate()") >= 0)
        connect(window, SIGNAL(closeUpdate()), this, SLOT(manageWindow()));
    connect(window, &QObject::destroyed, this, &ManageStartup::manageWindow);
    window->installEventFilter(this);
    window->show();
}

bool ManageStartup::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_updatesWindow && event->type() == QEvent::Hide && !m_updatesWindow->isMinimized())
        QMetaObject::invokeMethod(this, &ManageStartup::manageWindow, Qt::QueuedConnection);
    return QObject::eventFilter(watched, event);
}

void ManageStartup::manageWindow()
{
    if (m_windowManaged)
        return;
    m_windowManaged = true;
    if (m_showSplash) {
        auto *splash = new Splash(m_services.createMainWindow);
        connect(splash, &Splash::mainWindowCreated, this, &ManageStartup::adoptMainWindow);
        applyTopMost(splash, m_alwaysOnTop);
        splash->show();
    } else if (m_services.createMainWindow) {
        QWidget *window = m_services.createMainWindow();
        adoptMainWindow(window);
        applyTopMost(window, m_alwaysOnTop);
        const bool startInTray = !m_showWindowWhenInTray && m_addToTray && !m_closeToTray && !m_minimizeToTray;
        if (startInTray)
            appendLog(tr("the program starts in the notification area"));
        else
            window->show();
    }
    removeTranslations(&m_programTranslator, &m_toolkitTranslator);
}

void ManageStartup::adoptMainWindow(QWidget *window)
{
    m_mainWindow = window;
}
