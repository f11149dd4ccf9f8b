#include "ui/dialogs/NotifyAP.h"
#include "ui_NotifyAP.h"

#include "app/appearance/AppFont.h"
#include "app/appearance/TimeFormat.h"
#include "app/settings/SettingsKeys.h"
#include "app/settings/SettingsStore.h"
#include "sysinfo/GetSpecs.h"
#include "ui/dialogs/ConnectHAP.h"
#include "ui/dialogs/DialogSupport.h"
#include "ui/widgets/AppQLabel.h"
#include "ui/widgets/MsgDialog.h"
#include "ui/widgets/WindowRules.h"
#include "wireless/WirelessConnect.h"

#include <QCloseEvent>
#include <QIcon>
#include <QLocale>
#include <QMouseEvent>

namespace {

const QString minimizeBlack = QStringLiteral(":/Icon/window-minimize_black.svg");
const QString minimizeBlue = QStringLiteral(":/Icon/window-minimize_blue.svg");
const QString closeBlack = QStringLiteral(":/Icon/times_black.svg");
const QString closeRed = QStringLiteral(":/Icon/times_red.svg");

bool isOpenNetwork(const WirelessAP &ap)
{
    return !ap.isSecured && ap.cipherAlgorithm == DOT11_CIPHER_ALGO_NONE
        && ap.authAlgorithm == DOT11_AUTH_ALGO_80211_OPEN;
}

} // namespace

NotifyAP::NotifyAP(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::NotifyAP)
    , hapDialog(std::make_unique<ConnectHAP>())
{
    dialogs::ensureIconResources();
    ui->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setWindowModality(Qt::ApplicationModal);
    setFixedSize(collapsedSize);
    applyWindowOpacity(this);
    installEventFilter(this);

    ui->titleNotifyAP->setAttribute(Qt::WA_Hover);
    QFont titleFont = applicationFont(true);
    titleFont.setPixelSize(14);
    ui->dlgTitle->setFont(titleFont);
    ui->dlgTitle->setAttribute(Qt::WA_TranslucentBackground);
    for (QLabel *icon : { static_cast<QLabel *>(ui->minimizeLabel), static_cast<QLabel *>(ui->closeLabel) }) {
        icon->setAttribute(Qt::WA_Hover);
        icon->setAttribute(Qt::WA_TranslucentBackground);
        icon->setScaledContents(true);
    }
    setIcon(ui->minimizeLabel, minimizeBlack);
    setIcon(ui->closeLabel, closeBlack);

    routerPicture = new AppQLabel(this);
    routerPicture->setObjectName(QStringLiteral("routerPicture"));
    routerPicture->setGeometry(350, 35, 140, 80);
    routerPicture->setScaledContents(true);
    routerPicture->raise();

    const QFont bold = applicationFont(true);
    for (QLabel *label : { ui->networkLabel, ui->signalLabel, ui->timerLabel })
        label->setFont(bold);
    const QFont normal = applicationFont();
    for (QWidget *widget : { static_cast<QWidget *>(ui->comboBox), static_cast<QWidget *>(ui->signalValue),
                             static_cast<QWidget *>(ui->doNotShowSwitch), static_cast<QWidget *>(ui->connectButton),
                             static_cast<QWidget *>(ui->remindButton), static_cast<QWidget *>(ui->closeButton),
                             static_cast<QWidget *>(ui->dateTimeEdit), static_cast<QWidget *>(ui->okButton) })
        widget->setFont(normal);

    ui->dateTimeEdit->setDateTime(QDateTime::currentDateTime());
    showReminderRow(false);

    WirelessConnect *engine = WirelessConnect::instance();
    connect(this, &NotifyAP::connectOpenAPRequest, engine, &WirelessConnect::connectOpenAP);
    connect(this, &NotifyAP::disconnectOpenAPRequest, engine, &WirelessConnect::disconnectAP);
    connect(this, &NotifyAP::cancelRequest, engine, &WirelessConnect::cancelAP, Qt::DirectConnection);
    connect(engine, &WirelessConnect::appWirelessData, this, &NotifyAP::setWlanOpenAPData);
    connect(engine, &WirelessConnect::apConnectionComplete, this, &NotifyAP::setAPConnected);
    connect(engine, &WirelessConnect::apDisconnected, this, &NotifyAP::setAPDisconnected);
    connect(engine, &WirelessConnect::apCanceled, this, &NotifyAP::setAPCanceled);
    connect(engine, &WirelessConnect::apCancelFailed, this, &NotifyAP::setAPCancelFailed);

    connect(this, &NotifyAP::selectedOpenHAP, hapDialog.get(), &ConnectHAP::setSelectedOpenHAP);
    // The typed name of a hidden network is what the connect concerns.
    connect(hapDialog.get(), &ConnectHAP::currentNetwork, this, &NotifyAP::currentNetwork);
    connect(hapDialog.get(), &ConnectHAP::hapConnectClosed, this, &NotifyAP::hiddenDialogClosed);

    connect(ui->comboBox, &QComboBox::textActivated, this, [this](const QString &text) {
        useOfferedData(text);
        emit checkAPData(text);
    });
    connect(ui->connectButton, &QPushButton::clicked, this, &NotifyAP::connectNow);
    connect(ui->remindButton, &QPushButton::clicked, this, &NotifyAP::remindLater);
    connect(ui->closeButton, &QPushButton::clicked, this, &QWidget::close);
    connect(ui->okButton, &QPushButton::clicked, this, &NotifyAP::storeReminder);
    connect(ui->doNotShowSwitch, &QAbstractButton::clicked, this, &NotifyAP::doNotShowAgain);

    connect(ui->titleNotifyAP, &AppQFrame::mouseClick, this, &NotifyAP::titlePressed);
    connect(ui->titleNotifyAP, &AppQFrame::mouseMove, this, &NotifyAP::titleMoved);
    connect(ui->titleNotifyAP, &AppQFrame::mouseRelease, this, &NotifyAP::titleReleased);
    connect(ui->titleNotifyAP, &AppQFrame::mouseEnter, this,
            [this] { ui->titleNotifyAP->setCursor(Qt::SizeAllCursor); });
    connect(ui->titleNotifyAP, &AppQFrame::mouseLeave, this, [this] { ui->titleNotifyAP->unsetCursor(); });

    connect(ui->minimizeLabel, &AppQLabel::mouseEnter, this, [this] {
        setIcon(ui->minimizeLabel, minimizeBlue);
        ui->minimizeLabel->setCursor(Qt::ArrowCursor);
    });
    connect(ui->minimizeLabel, &AppQLabel::mouseLeave, this, [this] {
        setIcon(ui->minimizeLabel, minimizeBlack);
        ui->minimizeLabel->unsetCursor();
    });
    connect(ui->minimizeLabel, &AppQLabel::mouseClick, this, &QWidget::showMinimized);
    connect(ui->closeLabel, &AppQLabel::mouseEnter, this, [this] { setIcon(ui->closeLabel, closeRed); });
    connect(ui->closeLabel, &AppQLabel::mouseLeave, this, [this] { setIcon(ui->closeLabel, closeBlack); });
    connect(ui->closeLabel, &AppQLabel::mouseClick, this, &QWidget::close);

    connect(routerPicture, &AppQLabel::mouseClick, this, &NotifyAP::showSystemInformation);

    checkWmiService();
}

NotifyAP::~NotifyAP()
{
    delete ui;
}

QString NotifyAP::reminderText(const QDateTime &moment)
{
    return QLocale(QLocale::English, QLocale::UnitedStates)
        .toString(moment, QStringLiteral("yyyy-MM-dd ") + timeFormat());
}

QString NotifyAP::wmiServiceMessage(os::WmiServiceStatus status)
{
    switch (status) {
    case os::WmiServiceStatus::ResumeFailed:
        return tr("Failed to resume the WMI service!");
    case os::WmiServiceStatus::StartFailed:
        return tr("Failed to start the WMI service!");
    default:
        return QString();
    }
}

void NotifyAP::checkWmiService()
{
    const QString message = wmiServiceMessage(os::ensureWmiServiceRunning());
    if (!message.isEmpty())
        MsgDialog::run(this, tr("Error"), message, MsgDialog::Critical, QMessageBox::Ok);
}

void NotifyAP::setIcon(QLabel *label, const QString &resource)
{
    label->setPixmap(dialogs::svgPixmap(resource, label->size(), devicePixelRatioF()));
}

void NotifyAP::showReminderRow(bool visible)
{
    ui->timerLabel->setVisible(visible);
    ui->dateTimeEdit->setVisible(visible);
    ui->okButton->setVisible(visible);
}

void NotifyAP::setWlanOpenAPData(QVector<WirelessAP> wirelessDataVector)
{
    // Every refresh brings the whole list again: it replaces what was offered before.
    ui->comboBox->clear();
    offeredNetworks.clear();
    for (const WirelessAP &ap : wirelessDataVector) {
        if (!isOpenNetwork(ap))
            continue;
        if (ui->comboBox->findText(ap.profileName, Qt::MatchExactly | Qt::MatchCaseSensitive) < 0)
            ui->comboBox->addItem(ap.profileName);
        offeredNetworks.insert(ap.profileName, ap);
        useOfferedData(ap.profileName);
    }
    if (ui->comboBox->count() == 0)
        ui->signalValue->setText(tr("Unknown"));
    ui->comboBox->setCurrentIndex(ui->comboBox->count() > 0 ? ui->comboBox->count() - 1 : 0);
    useOfferedData(ui->comboBox->currentText());
}

void NotifyAP::useOfferedData(const QString &profileName)
{
    const auto found = offeredNetworks.constFind(profileName);
    if (found == offeredNetworks.constEnd())
        return;
    ui->signalValue->setText(found->signal);
    apName = found->ssid;
    authAlgorithm = static_cast<_DOT11_AUTH_ALGORITHM>(found->authAlgorithm);
    cipherAlgorithm = static_cast<_DOT11_CIPHER_ALGORITHM>(found->cipherAlgorithm);
    isSecured = found->isSecured;
    isHidden = found->isHidden;
}

void NotifyAP::loadNotificationSettings(bool status)
{
    ui->doNotShowSwitch->setChecked(!status);
}

void NotifyAP::setHideReminder()
{
    setFixedSize(collapsedSize);
    showReminderRow(false);
}

void NotifyAP::setAPConnected()
{
    ui->connectButton->setText(tr("Disconnect"));
    ui->comboBox->setEnabled(false);
    ui->remindButton->setEnabled(false);
    state = 2;
}

void NotifyAP::setAPDisconnected()
{
    ui->connectButton->setText(tr("Connect now"));
    ui->comboBox->setEnabled(true);
    ui->remindButton->setEnabled(true);
    state = 0;
}

void NotifyAP::setWlanStateDisconnected()
{
    setAPDisconnected();
}

void NotifyAP::setAPCanceled()
{
    cancelPending = false;
    ui->connectButton->setText(tr("Connect now"));
    ui->comboBox->setEnabled(true);
    ui->remindButton->setEnabled(true);
    state = 3;
}

void NotifyAP::setAPCancelFailed(int errorCode)
{
    // Every window hears about every cancel; only the one that asked shows the failure.
    if (!cancelPending)
        return;
    cancelPending = false;
    MsgDialog::run(this, tr("Error"),
                   QStringLiteral("%1\n%2 %3")
                       .arg(tr("Failed to cancel the network connection!"), tr("Error code:"))
                       .arg(errorCode),
                   MsgDialog::Information, QMessageBox::Ok);
}

void NotifyAP::requestCancel()
{
    cancelPending = true;
    emit cancelRequest();
}

void NotifyAP::setOpenSSIDData(QString ssid, _DOT11_CIPHER_ALGORITHM cipherAlgorithm,
                               _DOT11_AUTH_ALGORITHM authAlgorithm, bool isHidden, QString signal)
{
    apName = ssid;
    this->cipherAlgorithm = cipherAlgorithm;
    this->authAlgorithm = authAlgorithm;
    this->isHidden = isHidden;
    ui->signalValue->setText(signal);
    if (isHidden && ui->comboBox->currentText() == dialogs::hiddenNetworkName())
        emit selectedOpenHAP(apName, authAlgorithm, cipherAlgorithm, isHidden, false, false);
}

void NotifyAP::setWlanStateConnected(QString apName, _DOT11_CIPHER_ALGORITHM apEncryption, bool isSecured,
                                     _DOT11_AUTH_ALGORITHM apAuthAlgorithm)
{
    if (!apName.isEmpty()) {
        const int index = ui->comboBox->findText(apName, Qt::MatchExactly | Qt::MatchCaseSensitive);
        ui->comboBox->setCurrentIndex(index < 0 ? 0 : index);
    }
    cipherAlgorithm = apEncryption;
    authAlgorithm = apAuthAlgorithm;
    this->isSecured = isSecured;
    setAPConnected();
}

void NotifyAP::connectNow()
{
    if (state == 1) {
        requestCancel();
        return;
    }
    if (state == 2) {
        const int answer = MsgDialog::run(this, tr("Question"), tr("Do you want to disconnect?"),
                                          MsgDialog::Question, QMessageBox::Yes | QMessageBox::No);
        if (answer == QMessageBox::Yes)
            emit disconnectOpenAPRequest();
        return;
    }

    ui->connectButton->setText(tr("Cancel"));
    state = 1;
    const QString current = ui->comboBox->currentText();
    if (isHidden && current == dialogs::hiddenNetworkName()) {
        emit selectedOpenHAP(current, authAlgorithm, cipherAlgorithm, isHidden, false, false);
        applyTopMostSetting(hapDialog.get(), false);
        hapDialog->exec();
    } else {
        emit currentNetwork(current);
        emit connectOpenAPRequest(current, apName, authAlgorithm, cipherAlgorithm, isHidden, false, false);
    }
}

void NotifyAP::hiddenDialogClosed()
{
    // The name was never given, so nothing is connecting.
    ui->connectButton->setText(tr("Connect now"));
    state = 0;
}

void NotifyAP::remindLater()
{
    if (size() == expandedSize) {
        setHideReminder();
        return;
    }
    setFixedSize(expandedSize);
    // A moment that has not passed yet, so that OK is accepted as offered.
    const QDateTime now = QDateTime::currentDateTime();
    ui->dateTimeEdit->setDateTime(QDateTime(now.date(), QTime(now.time().hour(), now.time().minute())).addSecs(5 * 60));
    showReminderRow(true);
}

void NotifyAP::storeReminder()
{
    const QDateTime chosen = ui->dateTimeEdit->dateTime();
    if (chosen < QDateTime::currentDateTime()) {
        MsgDialog::run(this, tr("Error"), tr("You can't select this date! Choose another date!"),
                       MsgDialog::Critical, QMessageBox::Ok);
        return;
    }
    writeAppSetting(QLatin1String(SettingsKey::Reminder), reminderText(chosen));
    writeAppSetting(QLatin1String(SettingsKey::NotifyWhenOpenAP), false);
    emit openAPNotification(false);
    emit reminderSet(ui->comboBox->currentText());
    close();
}

void NotifyAP::doNotShowAgain(bool checked)
{
    writeAppSetting(QLatin1String(SettingsKey::NotifyWhenOpenAP), !checked);
    emit openAPNotification(!checked);
    close();
}

void NotifyAP::showSystemInformation()
{
    auto *specs = new GetSpecs(this);
    const auto showError = [this](const QString &text) {
        MsgDialog::run(this, tr("Error"), text, MsgDialog::Critical, QMessageBox::Ok);
    };
    connect(specs, &GetSpecs::initComLibError, this, showError);
    connect(specs, &GetSpecs::errorCreateIWbemObject, this, showError);
    connect(specs, &GetSpecs::errorRootConnection, this, showError);
    connect(specs, &GetSpecs::errorProxyBlanket, this, showError);
    connect(specs, &GetSpecs::errorProcessQuery, this, showError);
    connect(specs, &GetSpecs::appOSData, this, [this](const QVector<WmiOSData> &records) {
        const QString user = QStringLiteral("%1 %2").arg(tr("Username:"), QString::fromStdWString(os::userName()));
        QString facts;
        for (const WmiOSData &record : records)
            facts += QStringLiteral("%1 %2\n").arg(record.label, record.value);
        MsgDialog::run(this, tr("Information"), QStringLiteral("%1\n%2").arg(user, facts), MsgDialog::Information,
                       QMessageBox::Ok);
    });
    connect(specs, &GetSpecs::finished, specs, &QObject::deleteLater);
    specs->appOSWMIData();
}

void NotifyAP::titlePressed(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    dragging = true;
    pressX = event->x();
    pressY = event->y();
}

void NotifyAP::titleMoved(QMouseEvent *event)
{
    if (dragging)
        move(event->globalX() - pressX, event->globalY() - pressY);
}

void NotifyAP::titleReleased(QMouseEvent *)
{
    dragging = false;
}

bool NotifyAP::eventFilter(QObject *watched, QEvent *event)
{
    // The window is built with the main window but may never be shown: its pictures are decoded
    // when it is first shown (before the window is mapped), not at start-up.
    if (watched == this && event->type() == QEvent::Show && !picturesLoaded) {
        picturesLoaded = true;
        setWindowIcon(QIcon(QStringLiteral(":/Icon/airvane_large_icon.ico")));
        routerPicture->setPixmap(QPixmap(QStringLiteral(":/Icon/wifi_router.png")));
    }
    if (watched == this && event->type() == QEvent::WindowActivate)
        emit checkWlanState();
    return QDialog::eventFilter(watched, event);
}

void NotifyAP::reject()
{
    close();
}

void NotifyAP::closeEvent(QCloseEvent *event)
{
    if (state == 1)
        requestCancel();
    emit notifyAPClosed();
    setResult(QDialog::Rejected);
    event->accept();
}

void NotifyAP::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        // The connect button's text tells the state; a language change must not reset it.
        if (state == 1)
            ui->connectButton->setText(tr("Cancel"));
        else if (state == 2)
            ui->connectButton->setText(tr("Disconnect"));
    }
    QDialog::changeEvent(event);
}
