#include "updates/UpdateCheck.h"

#include "app/appearance/InterfaceLanguage.h"
#include "app/settings/SettingsKeys.h"
#include "app/settings/SettingsStore.h"
#include "log/LogView.h"
#include "net/NetworkManager.h"
#include "net/UpdateTargets.h"
#include "ui/widgets/MsgDialog.h"
#include "ui/widgets/WindowRules.h"
#include "updates/InsiderNotification.h"
#include "updates/Updates.h"

#include <QCoreApplication>
#include <QLocale>
#include <QWidget>

#include <memory>

namespace {

const char productName[] = "Airvane Lite";

QVariant updatesSetting(const char *key)
{
    return readSettingOrDefault(QLatin1String(SettingsGroup::Updates), QLatin1String(key));
}

} // namespace

UpdateCheck::UpdateCheck(QWidget *window)
    : QObject(window)
    , window(window)
    , insiderNotifications(updatesSetting(SettingsKey::GetInsiderBuildsNotification).toBool())
    , channel(readUpdatesChannel())
{
    qRegisterMetaType<Update::Channel>("Update::Channel");
}

QString UpdateCheck::lastCheckedText(const QDateTime &when, bool longForm)
{
    const App::Language setting = readLanguage();
    const QLocale::Language system = QLocale::system().language();
    if (setting == App::Language::Automatic && system != QLocale::English && system != QLocale::Russian
        && system != QLocale::Ukrainian)
        return QString();
    switch (interfaceLanguageFor(setting, system)) {
    case App::Language::Russian:
        return QLocale(QLocale::Russian, QLocale::Russia)
            .toString(when, longForm ? QStringLiteral("dddd, dd MMMM yyyy, HH:mm:ss") : QStringLiteral("dddd, HH:mm"));
    case App::Language::Ukrainian:
        return QLocale(QLocale::Ukrainian, QLocale::Ukraine)
            .toString(when, longForm ? QStringLiteral("dddd, dd MMMM yyyy, HH:mm:ss") : QStringLiteral("dddd, HH:mm"));
    default:
        return QLocale(QLocale::English, QLocale::UnitedStates)
            .toString(when, longForm ? QStringLiteral("dddd, dd MMMM yyyy, hh:mm:ss AP")
                                     : QStringLiteral("dddd, hh:mm AP"));
    }
}

void UpdateCheck::checkForAppUpdates()
{
    // A check the user asked for always shows its outcome, whatever an earlier quiet check left.
    quiet = false;
    startCheck();
}

void UpdateCheck::startCheck()
{
    const NetworkManager::Operation operation = NetworkManager::prepareOperation();
    // A manifest without this channel's entry ends the check without any outcome; the user who
    // asked must still hear that it failed. Marked before the outcome's own box runs its loop.
    auto answered = std::make_shared<bool>(false);
    const auto markAnswered = [answered] { *answered = true; };
    connect(operation.worker, qOverload<>(&NetworkManager::updateAvailable), this, markAnswered);
    connect(operation.worker, qOverload<>(&NetworkManager::latestVersion), this, markAnswered);
    connect(operation.worker, &NetworkManager::noNetConnection, this, markAnswered);
    connect(operation.worker, &NetworkManager::jsonReaderError, this, markAnswered);
    connect(operation.worker, &NetworkManager::finished, this, [this, answered, askedQuietly = quiet] {
        if (*answered || askedQuietly)
            return;
        MsgDialog::run(window, tr("Error"), tr("Failed to check for the updates!"), MsgDialog::Critical,
                       QMessageBox::Ok);
    });
    connect(operation.worker,
            qOverload<QString, QString, QString, bool, QString>(&NetworkManager::updateAvailable), this,
            &UpdateCheck::setUpdateAvailable);
    connect(operation.worker, qOverload<QString>(&NetworkManager::latestVersion), this,
            &UpdateCheck::setLatestVersion);
    connect(operation.worker, &NetworkManager::noNetConnection, this, &UpdateCheck::setNoNetConnection);
    connect(operation.worker, &NetworkManager::jsonReaderError, this, &UpdateCheck::setJsonReaderError);
    NetworkManager::startOperation(operation, "checkForApplicationUpdates", Q_ARG(bool, false));
}

void UpdateCheck::checkQuietly()
{
    quiet = true;
    startCheck();
}

void UpdateCheck::showInsiderNotification()
{
    const NetworkManager::Operation operation = NetworkManager::prepareOperation();
    connect(operation.worker,
            qOverload<QString, QString, QString, bool, QString>(&NetworkManager::updateAvailable), this,
            &UpdateCheck::setIPUpdateAvailable);
    connect(operation.worker, &NetworkManager::noNetConnection, this, &UpdateCheck::setNoNetConnection);
    NetworkManager::startOperation(operation, "checkForApplicationUpdates", Q_ARG(bool, insiderNotifications));
}

bool UpdateCheck::updatesEnabled() const
{
    return updatesSetting(SettingsKey::EnableUpdates).toBool();
}

bool UpdateCheck::askToEnableUpdates()
{
    const int answer = MsgDialog::run(window, tr("Updates"), tr("Updates are disabled. Do you want to enable it?"),
                                      MsgDialog::Question, QMessageBox::Yes | QMessageBox::No);
    if (answer != QMessageBox::Yes)
        return false;
    writeSetting(QLatin1String(SettingsGroup::Updates), QLatin1String(SettingsKey::EnableUpdates), true);
    checkForAppUpdates();
    return true;
}

void UpdateCheck::recordCheck(const QString &build)
{
    const QDateTime now = QDateTime::currentDateTime();
    const QString longForm = lastCheckedText(now, true);
    if (!longForm.isEmpty())
        appendLog(QStringLiteral("%1: %2 %3").arg(QLatin1String(productName), tr("last updates checked on"), longForm));
    emit updatesBuildInfo(build, lastCheckedText(now, false));
}

void UpdateCheck::setUpdateAvailable(QString buildNumber, QString channel, QString info, bool isAutoUpdate,
                                     QString url)
{
    if (!updatesEnabled()) {
        askToEnableUpdates();
        return;
    }
    recordCheck(buildNumber);
    appendLog(tr("check for updates"));
    const QString text = this->channel == Update::Channel::Release
        ? QStringLiteral("%1 %2 %3 %4 %5")
              .arg(tr("New"), QLatin1String(productName), tr("build:"), buildNumber,
                   tr("is available, would you like to download it?"))
        : QStringLiteral("%1 %2 %3 %4 %5 %6")
              .arg(tr("New"), QLatin1String(productName), updates::channelDisplayName(this->channel), tr("build:"),
                   buildNumber, tr("is available, would you like to download it?"));
    const int answer =
        MsgDialog::run(window, tr("Updates"), text, MsgDialog::Question, QMessageBox::Yes | QMessageBox::No);
    if (answer == QMessageBox::Yes)
        openUpdates(buildNumber, channel, info, isAutoUpdate, url);
}

void UpdateCheck::setLatestVersion(QString build)
{
    if (!updatesEnabled()) {
        askToEnableUpdates();
        return;
    }
    if (!quiet) {
        const QString text = channel == Update::Channel::Release
            ? QStringLiteral("%1 %2").arg(QLatin1String(productName), tr("is up to date"))
            : QStringLiteral("%1 %2 %3")
                  .arg(QLatin1String(productName), updates::channelDisplayName(channel), tr("is up to date"));
        MsgDialog::run(window, tr("Updates"), text, MsgDialog::Information, QMessageBox::Ok);
    }
    quiet = false;
    if (insiderNotifications && channel != Update::Channel::Insider)
        showInsiderNotification();
    recordCheck(build);
    appendLog(tr("check for updates"));
}

void UpdateCheck::setJsonReaderError(QJsonParseError errorCode)
{
    quiet = false;
    MsgDialog::run(window, tr("Error"),
                   QStringLiteral("%1 %2").arg(tr("Failed to check for the updates!"),
                                               MsgDialog::errorCodeText(int(errorCode.error))),
                   MsgDialog::Critical, QMessageBox::Ok);
}

void UpdateCheck::setNoNetConnection()
{
    quiet = false;
    MsgDialog::run(window, tr("Error"),
                   tr("Network connection is not available! Check your network and try again."), MsgDialog::Critical,
                   QMessageBox::Ok);
}

void UpdateCheck::setIPUpdateAvailable(QString buildNumber, QString channel, QString info, bool isAutoUpdate,
                                       QString url)
{
    auto *notification = new InsiderNotification;
    connect(notification, &InsiderNotification::disableInsiderNotification, this, [this](bool disabled) {
        insiderNotifications = !disabled;
        emit manageIPNotification(insiderNotifications);
    });
    connect(notification, &InsiderNotification::setInsiderChannel, this, [this](Update::Channel insider) {
        emit insiderUpdateChannel(insider);
        this->channel = Update::Channel::Insider;
    });
    connect(notification, &InsiderNotification::startInsiderUpdate, this,
            [=] { openUpdates(buildNumber, channel, info, isAutoUpdate, url); });
    notification->setBuild(buildNumber);
    if (window)
        notification->move(window->frameGeometry().center() - notification->rect().center());
    applyTopMostSetting(notification);
    notification->show();
}

void UpdateCheck::openUpdates(const QString &build, const QString &channel, const QString &info, bool autoUpdate,
                              const QString &url)
{
    Updates *updates = Updates::open(window, build, channel, info, autoUpdate, url);
    connect(updates, &Updates::updateReady, qApp, &QCoreApplication::quit, Qt::QueuedConnection);
}
