#include "ui/main/ConnectionFlow.h"
#include "ui_AirvaneLite.h"

#include "log/LogView.h"
#include "ui/main/AirvaneLite.h"
#include "ui/main/ConnectionDialogs.h"
#include "ui/main/NetworkColumn.h"
#include "ui/main/NetworkInfoPanel.h"
#include "ui/main/NetworkLists.h"
#include "ui/widgets/MsgDialog.h"
#include "ui/widgets/PlainText.h"
#include "wireless/ConnectionState.h"

#include <QTreeWidget>

namespace {

using namespace NetworkList;

// Networks that sign in with a user name and a certificate (802.1X): the program has no way to
// ask for those, so it never starts such a connect.
bool isEnterprise(int auth)
{
    return auth == DOT11_AUTH_ALGO_WPA || auth == DOT11_AUTH_ALGO_RSNA || auth == DOT11_AUTH_ALGO_WPA3_ENT_192
        || auth == DOT11_AUTH_ALGO_WPA3_ENT;
}

} // namespace

ConnectionFlow::ConnectionFlow(AirvaneLite *window, Ui::AirvaneLite *form, NetworkLists *lists,
                               NetworkInfoPanel *panel)
    : QObject(window), window(window), ui(form), lists(lists), panel(panel)
{
    setObjectName(QStringLiteral("connectionFlow"));
    connect(this, &ConnectionFlow::currentNetwork, this, &ConnectionFlow::setCurrentNetwork);
}

void ConnectionFlow::showBox(const QString &title, const QString &text, int icon, bool parented)
{
    MsgDialog::run(parented ? window : nullptr, title, text, icon, QMessageBox::Ok);
}

void ConnectionFlow::noteAttempt(const QString &profileName)
{
    attemptProfile = profileName;
}

void ConnectionFlow::requestCancel()
{
    cancelPending = true;
    emit cancelRequest();
}

void ConnectionFlow::connectNetwork()
{
    if (currentPhase == Connecting) {
        requestCancel();
        return;
    }
    QTreeWidget *networks = lists->networks();
    QTreeWidget *profiles = lists->profiles();
    if (networks->selectedItems().isEmpty() && profiles->selectedItems().isEmpty()) {
        showBox(tr("Warning"), tr("Select the network to proceed!"), MsgDialog::Warning, true);
        return;
    }

    window->pauseAutoRefresh();
    window->resumeRefreshControls();

    if (!profiles->selectedItems().isEmpty()) {
        QTreeWidgetItem *row = profiles->selectedItems().first();
        if (!NetworkLists::isConnectedRow(row, true)) {
            connectProfileRow(row);
            return;
        }
    }
    QTreeWidgetItem *row = networks->selectedItems().isEmpty() ? nullptr : networks->selectedItems().first();
    if (row && !NetworkLists::isConnectedRow(row, false) && connectNetworkRow(row))
        return;

    const int answer = MsgDialog::run(window, tr("Question"), tr("Do you want to disconnect?"), MsgDialog::Question,
                                      QMessageBox::Yes | QMessageBox::No);
    if (answer == QMessageBox::Yes)
        emit disconnectRequest();
    ui->connectButton->setEnabled(true);
}

void ConnectionFlow::connectProfileRow(QTreeWidgetItem *row)
{
    const QString profileName = row->text(0);
    emit currentNetwork(profileName);
    // A saved profile belongs to the user: a failed connect must not delete it.
    noteAttempt(QString());
    row->setText(ConnectedColumn + 1, tr("Connecting"));
    lists->profiles()->setEnabled(false);
    hiddenConnect = false;

    const NetworkLists::RowKey key = NetworkLists::keyOf(row, true);
    const auto cipher = static_cast<_DOT11_CIPHER_ALGORITHM>(key.cipherAlgorithm);
    const auto auth = static_cast<_DOT11_AUTH_ALGORITHM>(key.authAlgorithm);
    const bool hidden = row->data(SsidColumn + 1, Qt::UserRole).toBool();
    if (cipher != DOT11_CIPHER_ALGO_NONE && key.isSecured)
        emit securedProfileConnectRequest(profileName, key.ssid, auth, cipher, QString(), hidden, true, true);
    else
        emit openProfileConnectRequest(profileName, key.ssid, auth, cipher, hidden, true, true);
}

bool ConnectionFlow::connectNetworkRow(QTreeWidgetItem *row)
{
    const NetworkLists::RowKey key = NetworkLists::keyOf(row, false);
    const auto cipher = static_cast<_DOT11_CIPHER_ALGORITHM>(key.cipherAlgorithm);
    const auto auth = static_cast<_DOT11_AUTH_ALGORITHM>(key.authAlgorithm);
    const bool hidden = row->data(SsidColumn, Qt::UserRole).toBool();
    const bool openOrOwe = cipher == DOT11_CIPHER_ALGO_NONE || auth == DOT11_AUTH_ALGO_OWE;

    if (key.isSecured && isEnterprise(auth)) {
        showBox(tr("Information"),
                tr("Networks that need a user name and a certificate (enterprise networks) cannot be "
                   "connected from this program."),
                MsgDialog::Information, true);
        ui->connectButton->setEnabled(true);
        return true;
    }
    if (cipher != DOT11_CIPHER_ALGO_NONE && key.isSecured && auth != DOT11_AUTH_ALGO_OWE) {
        hiddenConnect = false;
        dialogs->showConnectAP(currentProfile);
        return true;
    }
    if (hidden && openOrOwe) {
        hiddenConnect = true;
        dialogs->runHiddenDialog();
        return true;
    }
    if (!hidden && openOrOwe) {
        hiddenConnect = false;
        emit currentNetwork(key.ssid);
        noteAttempt(key.ssid);
        emit connectionRequest(key.ssid, key.ssid, auth, cipher, hidden, false, false);
        return true;
    }
    return false;
}

void ConnectionFlow::setAPConnecting()
{
    ui->connectButton->setText(tr("Cancel"));
    // From here on a failure report is this attempt's.
    attemptCanceled = false;
    currentPhase = Connecting;
}

void ConnectionFlow::setAPConnected()
{
    window->unregisterNotifications();
    markConnectionRowsDisconnected();

    ui->connectButton->setEnabled(true);
    window->setConnectTexts(true);
    panel->setStatus(tr("Connected"));
    panel->setConnected(tr("Yes"));
    ui->profileList->setEnabled(true);
    attemptProfile.clear();
    cancelPending = false;

    window->setCheckWlanState();
    emit apConnected(currentNetworkName, static_cast<_DOT11_CIPHER_ALGORITHM>(connectedCipher),
                     connectedIsSecured, static_cast<_DOT11_AUTH_ALGORITHM>(connectedAuth));

    showBox(tr("Information"), tr("You successfully connected to") + QLatin1Char(' ')
                + plaintext::singleLine(currentNetworkName), MsgDialog::Information);

    if (hiddenConnect) {
        window->refreshData();
    } else {
        ui->profileList->clear();
        emit refreshProfiles(window->currentAdapterIndex());
    }
    if (!currentNetworkName.isEmpty()) {
        appendLog(QStringLiteral("%1 %2 %3 %4")
                      .arg(tr("connected to"), currentNetworkName, tr("on"), window->adapterName()));
    }
}

void ConnectionFlow::setAPNotConnected(int errorCode)
{
    ui->connectButton->setEnabled(true);
    window->unregisterNotifications();
    lists->clearConnectingMarks();

    showBox(tr("Error"),
            QStringLiteral("%1 %2 %3\n%4")
                .arg(tr("Not connected!"), tr("Error code:"), QString::number(errorCode),
                     tr("Check your password and try again.")),
            MsgDialog::Critical);

    ui->profileList->setEnabled(true);
    currentPhase = NotConnected;
    attemptProfile.clear();
    emit connectionFailed();
    recheckAfterAttempt();
}

void ConnectionFlow::setAPConnectionFailed(const QString &errorMsg)
{
    // The report of an attempt the user has just canceled: the cancel has been answered already,
    // and the next attempt may be under way (its subscription must stay).
    if (attemptCanceled) {
        attemptCanceled = false;
        return;
    }

    ui->connectButton->setEnabled(true);
    window->setConnectTexts(false);
    window->unregisterNotifications();
    markConnectionRowsDisconnected();
    lists->clearConnectingMarks();

    const QString failedProfile = attemptProfile;
    attemptProfile.clear();
    showBox(tr("Error"), errorMsg, MsgDialog::Critical);
    emit connectionFailed();

    if (!failedProfile.isEmpty()) {
        emit removeFailedWlanProfile(failedProfile);
    } else {
        // Nothing to delete; the profile list still shows the attempt.
        failedWlanProfileRemoved();
    }
    ui->profileList->setEnabled(true);
    currentPhase = Ended;
    currentProfile.clear();
    recheckAfterAttempt();
}

void ConnectionFlow::recheckAfterAttempt()
{
    window->setCheckWlanState();
}

void ConnectionFlow::setAPDisconnected()
{
    window->unregisterNotifications();
    ui->connectButton->setEnabled(true);
    window->setConnectTexts(false);
    panel->setStatus(tr("Not connected"));
    panel->setConnected(tr("No"));

    markConnectionRowsDisconnected();
    ui->profileList->setEnabled(true);
    attemptProfile.clear();

    showBox(tr("Information"), QStringLiteral("%1 %2!").arg(tr("You successfully disconnected from"),
                                                              plaintext::singleLine(currentProfile)),
            MsgDialog::Information);

    ui->profileList->clear();
    emit refreshProfiles(window->currentAdapterIndex());

    if (!currentProfile.isEmpty()) {
        appendLog(QStringLiteral("%1 %2 %3 %4")
                      .arg(tr("disconnected from the"), currentProfile, tr("on"), window->adapterName()));
    } else {
        appendLog(tr("disconnected from the network"));
    }

    emit wlanStateDisconnected();
    emit apDisconnected();
}

void ConnectionFlow::setAPCanceled()
{
    ui->connectButton->setText(tr("Connect"));
    ui->profileList->setEnabled(true);
    lists->clearConnectingMarks();
    cancelPending = false;
    attemptProfile.clear();
    // A failure report of the canceled attempt may still come, even after the next attempt has
    // been asked for; it comes before that attempt's start report (the service reports in order).
    attemptCanceled = currentPhase == Connecting;
    currentPhase = Ended;
    recheckAfterAttempt();
}

void ConnectionFlow::setAPCancelFailed(int errorCode)
{
    // The dialogs answer the cancels they asked for; this box is for the window's own.
    if (!cancelPending)
        return;
    cancelPending = false;
    showBox(tr("Error"),
            QStringLiteral("%1\n%2 %3").arg(tr("Failed to cancel the network connection!"), tr("Error code:"))
                .arg(errorCode),
            MsgDialog::Critical, true);
}

void ConnectionFlow::setConnectedState(const ConnectionData &currentConnection)
{
    currentNetworkName = currentConnection.ssid;
    currentProfile = currentConnection.profileName;
    currentPhase = static_cast<Phase>(currentConnection.state);
    if (currentNetworkName.isEmpty() || currentProfile.isEmpty() || currentConnection.state != Connection::Connected)
        return;

    panel->setStatus(tr("Connected"));
    // The profile says which of the networks sharing a name is the connected one.
    QTreeWidgetItem *profileRow = lists->profileRow(currentProfile, currentNetworkName);
    QTreeWidgetItem *networkRow = lists->networkRow(currentNetworkName, profileRow);
    if (const QTreeWidgetItem *source = profileRow ? profileRow : networkRow) {
        const NetworkLists::RowKey key = NetworkLists::keyOf(source, source == profileRow);
        connectedCipher = key.cipherAlgorithm;
        connectedIsSecured = key.isSecured;
        connectedAuth = key.authAlgorithm;
    } else {
        connectedIsSecured = false;
    }

    lists->markConnected(networkRow, false);
    lists->markConnected(profileRow, true);
    emit wlanStateConnected(currentProfile, static_cast<_DOT11_CIPHER_ALGORITHM>(connectedCipher),
                            connectedIsSecured, static_cast<_DOT11_AUTH_ALGORITHM>(connectedAuth));
    connectedNetwork = currentNetworkName;
    connectedProfile = currentProfile;
}

void ConnectionFlow::setDisconnectedState()
{
    if (currentPhase == Connecting)
        return;
    window->setConnectTexts(false);
    panel->setStatus(tr("Not connected"));
    markConnectionRowsDisconnected();
    connectedIsSecured = false;
    currentPhase = NotConnected;
    emit wlanStateDisconnected();
}

void ConnectionFlow::markConnectionRowsDisconnected()
{
    QTreeWidgetItem *profileRow = lists->profileRow(connectedProfile);
    lists->markDisconnected(lists->networkRow(connectedNetwork, profileRow), false);
    lists->markDisconnected(profileRow, true);
}

void ConnectionFlow::setWlanProfileRemoved()
{
    QTreeWidget *profiles = ui->profileList;
    if (!profiles->selectedItems().isEmpty() && profiles->currentItem()) {
        delete profiles->takeTopLevelItem(profiles->indexOfTopLevelItem(profiles->currentItem()));
        if (profiles->topLevelItemCount() == 0)
            lists->showProfilePlaceholderIfEmpty();
    }
    lists->markDisconnected(lists->networkRow(connectedNetwork), false);
    window->setCheckWlanState();
    showBox(tr("Information"), tr("Profile has been successfully removed!"), MsgDialog::Information);
}

void ConnectionFlow::setRemoveWlanProfileError(int error)
{
    showBox(tr("Error"),
            QStringLiteral("%1\n%2 %3").arg(tr("Could not delete network profile!"), tr("Error code:")).arg(error),
            MsgDialog::Critical);
}

void ConnectionFlow::failedWlanProfileRemoved()
{
    ui->profileList->clear();
    emit refreshProfiles(window->currentAdapterIndex());
}

void ConnectionFlow::setCheckAPData(const QString &profileName)
{
    const QTreeWidgetItem *row = lists->networkRow(profileName);
    if (!row)
        return;
    const NetworkLists::RowKey key = NetworkLists::keyOf(row, false);
    const auto cipher = static_cast<_DOT11_CIPHER_ALGORITHM>(key.cipherAlgorithm);
    const auto auth = static_cast<_DOT11_AUTH_ALGORITHM>(key.authAlgorithm);
    const bool hidden = row->data(SsidColumn, Qt::UserRole).toBool();
    if (key.isSecured)
        emit protectedSSIDData(profileName, true, cipher, auth, hidden);
    else
        emit openSSIDData(profileName, cipher, auth, hidden, row->text(SignalColumn));
}

void ConnectionFlow::setCurrentNetwork(const QString &name)
{
    currentNetworkName = name;
}
