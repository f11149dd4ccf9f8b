#include "ui/dialogs/ConnectAP.h"
#include "ui_ConnectAP.h"

#include "app/appearance/AppFont.h"
#include "app/settings/SettingsKeys.h"
#include "app/settings/SettingsStore.h"
#include "log/LogView.h"
#include "ui/dialogs/ConnectHAP.h"
#include "ui/dialogs/DialogSupport.h"
#include "ui/widgets/MsgDialog.h"
#include "ui/widgets/WindowRules.h"
#include "util/TextCipher.h"
#include "wireless/WirelessConnect.h"

#include <QCloseEvent>
#include <QIcon>
#include <QKeyEvent>

namespace {

// Secured networks this window can connect with a password: enterprise (802.1X) and OWE
// networks need no password from the user and are connected elsewhere.
bool isOfferedNetwork(int cipherAlgorithm, int authAlgorithm)
{
    if (cipherAlgorithm == DOT11_CIPHER_ALGO_NONE)
        return false;
    return authAlgorithm != DOT11_AUTH_ALGO_RSNA && authAlgorithm != DOT11_AUTH_ALGO_WPA3
        && authAlgorithm != DOT11_AUTH_ALGO_OWE;
}

QString storedValue(const char *key)
{
    return readSetting(QLatin1String(SettingsGroup::Database), QLatin1String(key), QString()).toString();
}

void storeValue(const char *key, const QString &value)
{
    writeSetting(QLatin1String(SettingsGroup::Database), QLatin1String(key), value);
}

} // namespace

ConnectAP::ConnectAP(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::ConnectAP)
    , hapDialog(std::make_unique<ConnectHAP>())
{
    dialogs::ensureIconResources();
    ui->setupUi(this);
    setWindowModality(Qt::ApplicationModal);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowCloseButtonHint);
    applyWindowOpacity(this);
    installEventFilter(this);

    const QFont font = applicationFont();
    for (QWidget *widget : { static_cast<QWidget *>(ui->comboBox), static_cast<QWidget *>(ui->lineEdit),
                             static_cast<QWidget *>(ui->pushButton), static_cast<QWidget *>(ui->pushButton_2),
                             static_cast<QWidget *>(ui->showCharactersSwitch),
                             static_cast<QWidget *>(ui->savePasswordSwitch),
                             static_cast<QWidget *>(ui->autoConnectSwitch) })
        widget->setFont(font);

    ui->lineEdit->addAction(QIcon(dialogs::svgPixmap(QStringLiteral(":/Icon/key.svg"), QSize(16, 16),
                                                     devicePixelRatioF())),
                            QLineEdit::LeadingPosition);
    ui->lineEdit->setFocus();

    WirelessConnect *engine = WirelessConnect::instance();
    connect(this, &ConnectAP::connectSecuredRequest, engine, &WirelessConnect::connectSecuredAP);
    connect(this, &ConnectAP::disconnectRequest, engine, &WirelessConnect::disconnectAP);
    connect(this, &ConnectAP::cancelRequest, engine, &WirelessConnect::cancelAP, Qt::DirectConnection);
    connect(engine, &WirelessConnect::apCanceled, this, &ConnectAP::setAPCanceled);
    connect(engine, &WirelessConnect::apCancelFailed, this, &ConnectAP::setAPCancelFailed);
    connect(this, &ConnectAP::selectedProtectedHAP, hapDialog.get(), &ConnectHAP::setSelectedProtectedHAP);

    connect(ui->comboBox, &QComboBox::textActivated, this, &ConnectAP::networkPicked);
    connect(ui->lineEdit, &QLineEdit::textChanged, this, &ConnectAP::applyPasswordRule);
    connect(ui->showCharactersSwitch, &QAbstractButton::clicked, this, &ConnectAP::showCharacters);
    connect(ui->savePasswordSwitch, &QAbstractButton::clicked, this, &ConnectAP::savePassword);
    connect(ui->pushButton, &QPushButton::clicked, this, &ConnectAP::manageConnect);
    connect(ui->pushButton_2, &QPushButton::clicked, this, &QWidget::close);
    connect(hapDialog.get(), &ConnectHAP::currentNetwork, this, &ConnectAP::hiddenNetworkChosen);
    connect(hapDialog.get(), &ConnectHAP::wlanConnectivityStatus, this, &ConnectAP::hiddenConnectivityStatus);
    connect(hapDialog.get(), &ConnectHAP::hapConnectClosed, this, &ConnectAP::hiddenDialogClosed);

    loadSavedPassword();
}

ConnectAP::~ConnectAP()
{
    delete ui;
}

void ConnectAP::setWlanNetworksData(QVector<WirelessAP> wirelessDataVector)
{
    ui->comboBox->clear();
    offeredNetworks.clear();
    for (const WirelessAP &ap : wirelessDataVector) {
        if (!ap.isSecured || !isOfferedNetwork(ap.cipherAlgorithm, ap.authAlgorithm) || ap.ssid.isEmpty())
            continue;
        if (ui->comboBox->findText(ap.ssid, Qt::MatchExactly | Qt::MatchCaseSensitive) >= 0)
            continue;
        ui->comboBox->addItem(ap.ssid);
        offeredNetworks.insert(ap.ssid, ap);
        useOfferedData(ap.ssid);
    }

    emit checkAPData(currentNetworkName);

    if (!currentNetworkName.isEmpty()) {
        const int index = ui->comboBox->findText(currentNetworkName, Qt::MatchExactly | Qt::MatchCaseSensitive);
        ui->comboBox->setCurrentIndex(index < 0 ? 0 : index);
    }
    // What a connect sends has to describe the entry on show, not merely the last one listed.
    useOfferedData(ui->comboBox->currentText());
}

void ConnectAP::setSelectedNetwork(QString ssid, _DOT11_CIPHER_ALGORITHM encryption,
                                   _DOT11_AUTH_ALGORITHM authAlgortihm, bool isHidden)
{
    if (!isOfferedNetwork(encryption, authAlgortihm))
        return;
    ui->comboBox->setCurrentText(ssid);
    selectedSsid = ssid;
    this->encryption = encryption;
    authAlgorithm = authAlgortihm;
    this->isHidden = isHidden;
    currentNetworkName = ssid;
    if (ui->comboBox->currentText() == connectedAPName && isWlanConnected)
        return;
    resetDialog();
    ui->lineEdit->clear();
}

void ConnectAP::networkPicked(const QString &name)
{
    currentNetworkName = name;
    useOfferedData(name);
    emit checkAPData(currentNetworkName);

    if (connectedAPName == currentNetworkName && isWlanConnected) {
        showConnectedView();
        state = Connected;
        loadSavedPassword();
    } else {
        resetDialog();
        ui->lineEdit->clear();
        ui->savePasswordSwitch->setChecked(false);
        ui->savePasswordSwitch->setEnabled(false);
    }

    if (!ui->comboBox->currentText().isEmpty())
        appendLog(QStringLiteral("%1 - %2").arg(tr("chosen network"), ui->comboBox->currentText()));
}

void ConnectAP::useOfferedData(const QString &ssid)
{
    const auto found = offeredNetworks.constFind(ssid);
    if (found == offeredNetworks.constEnd())
        return;
    selectedSsid = found->ssid;
    isHidden = found->isHidden;
    encryption = static_cast<_DOT11_CIPHER_ALGORITHM>(found->cipherAlgorithm);
    authAlgorithm = static_cast<_DOT11_AUTH_ALGORITHM>(found->authAlgorithm);
    isSecured = found->isSecured;
}

void ConnectAP::resetDialog()
{
    if (!isWlanConnected) {
        connectedAPName.clear();
        connectedIsSecured = false;
        hiddenNetworkName.clear();
    }
    ui->pushButton->setText(tr("Connect"));
    ui->comboBox->setEnabled(true);
    applyPasswordRule();
    ui->lineEdit->setEnabled(true);
    ui->autoConnectSwitch->setEnabled(true);
    if (!ui->savePasswordSwitch->isChecked())
        ui->savePasswordSwitch->setEnabled(false);
    state = NotConnected;
}

void ConnectAP::showConnectedView()
{
    ui->pushButton->setText(tr("Disconnect"));
    ui->comboBox->setEnabled(false);
    ui->lineEdit->setEnabled(false);
    ui->savePasswordSwitch->setEnabled(true);
    ui->pushButton->setEnabled(true);
    ui->autoConnectSwitch->setEnabled(false);
}

void ConnectAP::setAPDisconnected()
{
    resetDialog();
}

void ConnectAP::setWlanStateDisconnected()
{
    isWlanConnected = false;
    connectedIsSecured = false;
    resetDialog();
    state = NotConnected;
}

void ConnectAP::setConnectionFailed()
{
    hiddenNetworkName.clear();
    ui->pushButton->setText(tr("Connect"));
    ui->comboBox->setEnabled(true);
    applyPasswordRule();
    ui->lineEdit->setEnabled(true);
    ui->autoConnectSwitch->setEnabled(true);
    connectedAPName.clear();
    connectedIsSecured = false;
    state = Ended;
}

void ConnectAP::setAPConnected(QString apName, _DOT11_CIPHER_ALGORITHM apEncryption, bool isSecured,
                               _DOT11_AUTH_ALGORITHM apAuthAlgorithm)
{
    connectedAPName = apName;
    connectedEncryption = apEncryption;
    connectedIsSecured = isSecured;
    connectedAuthAlgorithm = apAuthAlgorithm;
    showConnectedView();
    currentNetworkName = apName;
    state = Connected;
}

void ConnectAP::setWlanStateConnected(QString apName, _DOT11_CIPHER_ALGORITHM apEncryption, bool isSecured,
                                      _DOT11_AUTH_ALGORITHM apAuthAlgorithm)
{
    isWlanConnected = true;
    connectedAPName = apName;
    connectedEncryption = apEncryption;
    connectedIsSecured = isSecured;
    connectedAuthAlgorithm = apAuthAlgorithm;
    state = Connected;
}

void ConnectAP::setAPCanceled()
{
    cancelPending = false;
    ui->pushButton->setText(tr("Connect"));
    ui->comboBox->setEnabled(true);
    ui->lineEdit->setEnabled(true);
    ui->autoConnectSwitch->setEnabled(true);
    state = Ended;
}

void ConnectAP::setAPCancelFailed(int errorCode)
{
    // The engine reports every window's cancel to every window; only the one that asked says so.
    if (!cancelPending)
        return;
    cancelPending = false;
    MsgDialog::run(this, tr("Error"),
                   QStringLiteral("%1\n%2 %3")
                       .arg(tr("Failed to cancel the network connection!"), tr("Error code:"))
                       .arg(errorCode),
                   MsgDialog::Information, QMessageBox::Ok);
}

void ConnectAP::requestCancel()
{
    cancelPending = true;
    emit cancelRequest();
}

void ConnectAP::setProtectedSSIDData(QString ssid, bool isSecured, _DOT11_CIPHER_ALGORITHM cipherAlgorithm,
                                     _DOT11_AUTH_ALGORITHM authAlgorithm, bool isHidden)
{
    selectedSsid = ssid;
    this->isSecured = isSecured;
    encryption = cipherAlgorithm;
    this->authAlgorithm = authAlgorithm;
    this->isHidden = isHidden;
    if (isHidden && ui->comboBox->currentText() == dialogs::hiddenNetworkName())
        emit selectedProtectedHAP(ssid, authAlgorithm, cipherAlgorithm, isSecured, ui->lineEdit->text(), isHidden,
                                  false, ui->autoConnectSwitch->isChecked());
}

bool ConnectAP::buttonReads(const QString &text) const
{
    return ui->pushButton->text() == text;
}

void ConnectAP::applyPasswordRule()
{
    ui->pushButton->setEnabled(!ui->lineEdit->text().isEmpty() || buttonReads(tr("Disconnect")));
}

void ConnectAP::showCharacters(bool checked)
{
    ui->lineEdit->setEchoMode(checked ? QLineEdit::Normal : QLineEdit::Password);
}

void ConnectAP::manageConnect()
{
    const QString current = ui->comboBox->currentText();
    const QString password = ui->lineEdit->text();

    if (password.isEmpty() && !(current == connectedAPName && state == Connected)) {
        MsgDialog::run(this, tr("Attention"), tr("Enter your password to connect to this network!"),
                       MsgDialog::Warning, QMessageBox::Ok);
        return;
    }

    const bool startsConnection = state == NotConnected || state == Ended || state == Initial
        || (state == Connected && current != connectedAPName);
    if (startsConnection) {
        // Without the data of a listed network there is nothing to connect to; showing "Cancel"
        // for a connection that never started would leave the window stuck.
        if (encryption == DOT11_CIPHER_ALGO_NONE)
            return;
        ui->pushButton->setText(tr("Cancel"));
        emit apState(tr("Connecting"));
        ui->comboBox->setEnabled(false);
        ui->lineEdit->setEnabled(false);
        ui->autoConnectSwitch->setEnabled(false);
        state = Connecting;

        const bool autoConnect = ui->autoConnectSwitch->isChecked();
        if (isHidden && current == dialogs::hiddenNetworkName()) {
            emit selectedProtectedHAP(current, authAlgorithm, encryption, isSecured, password, isHidden, false,
                                      autoConnect);
            applyTopMostSetting(hapDialog.get(), false);
            hapDialog->exec();
        } else {
            emit currentNetwork(current);
            emit connectSecuredRequest(current, current, authAlgorithm, encryption, password, isHidden, false,
                                       autoConnect);
        }
    } else if (state == Connecting && current != connectedAPName) {
        requestCancel();
    } else {
        const int answer = MsgDialog::run(this, tr("Question"), tr("Do you want to disconnect?"),
                                          MsgDialog::Question, QMessageBox::Yes | QMessageBox::No);
        if (answer == QMessageBox::Yes) {
            emit currentNetwork(current);
            emit disconnectRequest();
            state = NotConnected;
        }
    }
}

void ConnectAP::hiddenNetworkChosen(const QString &name)
{
    hiddenNetworkName = name;
    connectedAPName = name;
    emit currentNetwork(name);
    emit hiddenNetwork();
}

void ConnectAP::hiddenConnectivityStatus(const QString &status)
{
    ui->pushButton->setText(status);
    ui->pushButton->setEnabled(false);
    ui->comboBox->setEnabled(false);
    ui->lineEdit->setEnabled(false);
}

void ConnectAP::hiddenDialogClosed()
{
    ui->pushButton->setText(tr("Connect"));
    ui->pushButton->setEnabled(true);
    ui->comboBox->setEnabled(true);
    ui->lineEdit->setEnabled(true);
    ui->autoConnectSwitch->setEnabled(true);
    // Nothing was started: the next press must connect again, not cancel.
    state = NotConnected;
}

void ConnectAP::savePassword(bool checked)
{
    // Switching it off forgets the stored name and password at once, whatever is connected.
    if (!checked) {
        storeValue(SettingsKey::APName, QString());
        storeValue(SettingsKey::APPassword, QString());
        if (buttonReads(tr("Connect")))
            ui->savePasswordSwitch->setEnabled(false);
        return;
    }
    const QString name = ui->comboBox->currentText();
    if (name.isEmpty() || name != connectedAPName)
        return;
    const QString password = ui->lineEdit->text();
    if (!isHidden && !password.isEmpty()) {
        storeValue(SettingsKey::APName, TextCipher::encryptText(TextCipher::storedSecretKey, name));
        storeValue(SettingsKey::APPassword, TextCipher::encryptText(TextCipher::storedSecretKey, password));
    }
}

void ConnectAP::loadSavedPassword()
{
    const QString storedName = storedValue(SettingsKey::APName);
    const QString storedPassword = storedValue(SettingsKey::APPassword);
    if (storedName.isEmpty() || storedPassword.isEmpty())
        return;
    const QString name = TextCipher::decryptText(TextCipher::storedSecretKey, storedName);
    // A name that fails to decipher comes back empty and must not match an empty drop-down.
    if (!name.isEmpty() && name == ui->comboBox->currentText()) {
        ui->lineEdit->setText(TextCipher::decryptText(TextCipher::storedSecretKey, storedPassword));
        const bool filled = !ui->lineEdit->text().isEmpty();
        ui->savePasswordSwitch->setEnabled(filled);
        ui->savePasswordSwitch->setChecked(filled);
    } else {
        ui->lineEdit->clear();
    }
}

QString ConnectAP::buttonTextForState() const
{
    switch (state) {
    case Connecting:
        return tr("Cancel");
    case Connected:
        return tr("Disconnect");
    default:
        return tr("Connect");
    }
}

bool ConnectAP::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == this) {
        if (event->type() == QEvent::KeyPress) {
            const auto *key = static_cast<QKeyEvent *>(event);
            if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
                manageConnect();
                return true;
            }
            if (key->key() == Qt::Key_Escape) {
                close();
                return true;
            }
        } else if (event->type() == QEvent::WindowActivate && state != Connecting) {
            emit checkWlanState();
        }
    }
    return QWidget::eventFilter(watched, event);
}

void ConnectAP::closeEvent(QCloseEvent *event)
{
    if (state == Connecting)
        requestCancel();
    emit connectClosed();
    event->accept();
}

void ConnectAP::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        // The button's text carries the state (the password rule reads it), so it follows the state.
        ui->pushButton->setText(buttonTextForState());
    }
    QWidget::changeEvent(event);
}
