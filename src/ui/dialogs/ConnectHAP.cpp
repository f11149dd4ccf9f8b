#include "ui/dialogs/ConnectHAP.h"
#include "ui_ConnectHAP.h"

#include "app/appearance/AppFont.h"
#include "ui/dialogs/DialogSupport.h"
#include "ui/widgets/WindowRules.h"
#include "wireless/WirelessConnect.h"

#include <QCloseEvent>
#include <QKeyEvent>

ConnectHAP::ConnectHAP(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::ConnectHAP)
{
    ui->setupUi(this);
    setWindowModality(Qt::ApplicationModal);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowCloseButtonHint);
    applyWindowOpacity(this);

    const QFont font = applicationFont();
    ui->lineEdit->setFont(font);
    ui->pushButton->setFont(font);

    connect(ui->lineEdit, &QLineEdit::textChanged, this,
            [this](const QString &name) { ui->pushButton->setEnabled(!name.isEmpty()); });
    connect(ui->pushButton, &QPushButton::clicked, this, &ConnectHAP::connectHiddenNetwork);

    WirelessConnect *engine = WirelessConnect::instance();
    connect(this, &ConnectHAP::connectSecuredRequest, engine, &WirelessConnect::connectSecuredAP);
    connect(this, &ConnectHAP::connectOpenRequest, engine, &WirelessConnect::connectOpenAP);
}

ConnectHAP::~ConnectHAP()
{
    delete ui;
}

void ConnectHAP::setSelectedOpenHAP(QString profile, _DOT11_AUTH_ALGORITHM authAlgorithm,
                                    _DOT11_CIPHER_ALGORITHM cipherAlgorithm, bool hiddenAP,
                                    bool profileExists, bool isAutoConn)
{
    if (!hiddenAP || profile != dialogs::hiddenNetworkName())
        return;
    this->profile = profile;
    this->authAlgorithm = authAlgorithm;
    this->cipherAlgorithm = cipherAlgorithm;
    this->hiddenAP = hiddenAP;
    this->profileExists = profileExists;
    this->isAutoConn = isAutoConn;
    isSecured = false;
    password = tr("Not required");
}

void ConnectHAP::setSelectedProtectedHAP(QString profile, _DOT11_AUTH_ALGORITHM authAlgorithm,
                                         _DOT11_CIPHER_ALGORITHM cipherAlgorithm, bool isSecured,
                                         QString password, bool hiddenAP, bool profileExists,
                                         bool isAutoConn)
{
    if (!hiddenAP || profile != dialogs::hiddenNetworkName())
        return;
    this->profile = profile;
    this->authAlgorithm = authAlgorithm;
    this->cipherAlgorithm = cipherAlgorithm;
    this->isSecured = isSecured;
    this->password = password;
    this->hiddenAP = hiddenAP;
    this->profileExists = profileExists;
    this->isAutoConn = isAutoConn;
}

void ConnectHAP::connectHiddenNetwork()
{
    profile = ui->lineEdit->text();
    ssid = profile;
    emit currentNetwork(ssid);
    // A hidden network always gets a profile of its own, whatever the opener knew.
    if (isSecured)
        emit connectSecuredRequest(profile, ssid, authAlgorithm, cipherAlgorithm, password, hiddenAP, false,
                                   isAutoConn);
    else
        emit connectOpenRequest(profile, ssid, authAlgorithm, cipherAlgorithm, hiddenAP, false, isAutoConn);
    connectStarted = true;
    emit wlanConnectivityStatus(tr("Connecting"));
    close();
}

void ConnectHAP::noteClosing()
{
    if (connectStarted)
        connectStarted = false;
    else
        emit hapConnectClosed();
}

void ConnectHAP::closeEvent(QCloseEvent *event)
{
    noteClosing();
    QDialog::closeEvent(event);
    event->accept();
}

void ConnectHAP::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Cancel))
        noteClosing();
    QDialog::keyPressEvent(event);
}

void ConnectHAP::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
    QDialog::changeEvent(event);
}
