#include "updates/Updates.h"
#include "ui_Updates.h"

#include "app/appearance/AppFont.h"
#include "log/LogView.h"
#include "ui/widgets/MsgDialog.h"
#include "ui/widgets/ScrollBar.h"
#include "ui/widgets/WindowRules.h"
#include "updates/Changelog.h"

#include <QCloseEvent>
#include <QDesktopServices>
#include <QFile>
#include <QProcess>
#include <QUrl>

namespace {

const char linkFormat[] = "<a style=\"text-decoration: none;\" href=\"#\">%1</a>";

} // namespace

Updates::Updates(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::Updates)
{
    ui->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowCloseButtonHint);
    setWindowModality(Qt::ApplicationModal);
    setAttribute(Qt::WA_DeleteOnClose);
    setMinimumSize(515, 360);
    applyWindowOpacity(this);

    ui->updateInfo->setVerticalScrollBar(new ScrollBar(Qt::Vertical, ui->updateInfo));
    ui->updateInfo->setHorizontalScrollBar(new ScrollBar(Qt::Horizontal, ui->updateInfo));
    ui->updateInfo->setFont(applicationFont());
    ui->updateInfo->setReadOnly(true);
    for (QLabel *label : {ui->downloadPathValue, ui->installPathValue}) {
        label->setTextFormat(Qt::RichText);
        label->setTextInteractionFlags(Qt::LinksAccessibleByMouse);
    }
    for (QLabel *label : {ui->speedValue, ui->stateValue, ui->sizeValue, ui->elapsedValue, ui->remainingValue})
        label->setTextFormat(Qt::PlainText);
    ui->statusLine->setTextFormat(Qt::PlainText);

    connect(ui->downloadPathValue, &QLabel::linkActivated, this, [this] {
        openFolder(downloadsPath, tr("Failed to open the download directory!"));
    });
    connect(ui->installPathValue, &QLabel::linkActivated, this, [this] {
        openFolder(installPath, tr("Failed to open the install directory!"));
    });
    connect(ui->downloadButton, &QPushButton::clicked, this, &Updates::startManualInstallProcess);
    connect(ui->cancelButton, &QPushButton::clicked, this, &Updates::appCancelUpdates);

    showDetails(false);
    applyStateTexts();
}

Updates::~Updates()
{
    // A window that goes away without being closed still ends its worker.
    if (workerThread) {
        emit finished();
        workerThread->quit();
        workerThread->wait();
    }
    delete ui;
}

Updates *Updates::open(QWidget *parent, const QString &build, const QString &channel, const QString &info,
                       bool autoUpdate, const QString &url)
{
    auto *window = new Updates(parent);
    window->setWindowModality(Qt::ApplicationModal);
    window->appJsonData(build, channel, info);
    window->setManualInstall(!autoUpdate);
    window->appUpdateUrl = url;
    if (!window->manualInstall)
        window->startDownload();
    applyTopMostSetting(window);
    window->show();
    return window;
}

void Updates::setManualInstall(bool manual)
{
    manualInstall = manual;
    ui->downloadButton->setVisible(manual);
    ui->downloadButton->setDefault(manual);
}

void Updates::startDownload()
{
    if (workerThread) {
        emit runUpdate(appUpdateUrl);
        return;
    }
    operation = NetworkManager::prepareOperation(false);
    workerThread = operation.thread;
    NetworkManager *worker = operation.worker;
    connect(worker, &NetworkManager::updatesPaths, this, &Updates::appUpdatePaths);
    connect(worker, &NetworkManager::jsonReaderError, this, &Updates::appJsonReaderError);
    connect(worker, &NetworkManager::downloadProgressData, this, &Updates::appProgressData);
    connect(worker, &NetworkManager::updateDownloadedSuccessfully, this, &Updates::appUpdatesDownloaded);
    connect(worker, &NetworkManager::installUpdate, this, &Updates::appInstallUpdate);
    connect(worker, &NetworkManager::failedToDeleteUpdateFile, this, &Updates::setFailedToDeleteUpdateFile);
    connect(worker, &NetworkManager::updateStarted, this, &Updates::appUpdateStarted);
    connect(worker, &NetworkManager::closeUpdateDlg, this, &QWidget::close);
    connect(worker, qOverload<int, QNetworkReply::NetworkError>(&NetworkManager::updateAborted), this,
            &Updates::setUpdateAborted);
    connect(worker, qOverload<>(&NetworkManager::updateAborted), this, &QWidget::close);
    connect(worker, &NetworkManager::noNetConnection, this, &Updates::setNoNetConnection);
    connect(worker, &NetworkManager::urlValidated, this, &Updates::setValidatedUrl);
    connect(this, &Updates::closeUpdate, worker, &NetworkManager::setDownloadCanceled);
    connect(this, &Updates::restartUpdateDownload, worker, &NetworkManager::validateUpdateUrl);
    connect(this, &Updates::runUpdate, worker, &NetworkManager::downloadUpdate);
    NetworkManager::endOperationOn(operation, this, &Updates::finished);
    NetworkManager::startOperation(operation, "downloadUpdate", Q_ARG(QString, appUpdateUrl));
}

void Updates::appJsonData(QString appUpdatesVersion, QString appUpdatesChannel, QString appUpdatesInfo)
{
    Changelog::appendBlock(ui->updateInfo, appUpdatesVersion, appUpdatesChannel, appUpdatesInfo);
}

void Updates::appUpdatePaths(QString downloadsPath, QString installPath)
{
    this->downloadsPath = downloadsPath;
    this->installPath = installPath;
    ui->elapsedValue->setText(tr("Unknown"));
    ui->remainingValue->setText(tr("Unknown"));
    setPathLink(ui->downloadPathValue, downloadsPath);
    setPathLink(ui->installPathValue, installPath);
}

void Updates::setPathLink(QLabel *label, const QString &path)
{
    label->setText(QString::fromLatin1(linkFormat).arg(path.toHtmlEscaped()));
    label->setToolTip(path);
}

void Updates::openFolder(const QString &path, const QString &failure)
{
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(path)))
        showError(failure);
}

void Updates::appUpdateStarted()
{
    showDetails(true);
    ui->downloadButton->setEnabled(false);
    state = Downloading;
    lastPercentage = 0;
    applyStateTexts();
}

void Updates::appProgressData(double speed, QString speedUnit, int totalSize, int totalMBReceived,
                              int progressPercentage, QString updateSizeUnit, QString elapsedTime,
                              QString remainingTime)
{
    lastPercentage = progressPercentage;
    ui->speedValue->setText(QStringLiteral("%1 %2").arg(speed, 3, 'f', 1).arg(speedUnit));
    ui->progressBar->setMaximum(totalSize);
    ui->progressBar->setValue(totalMBReceived);
    ui->stateValue->setText(QStringLiteral("%1%").arg(progressPercentage));
    ui->sizeValue->setText(
        QStringLiteral("%1 %2 / %3 %4").arg(totalSize).arg(updateSizeUnit).arg(totalMBReceived).arg(updateSizeUnit));
    ui->elapsedValue->setText(elapsedTime);
    ui->remainingValue->setText(remainingTime);
}

void Updates::appUpdatesDownloaded(int progressPercentage)
{
    state = Downloaded;
    lastPercentage = progressPercentage;
    ui->progressBar->setMaximum(100);
    ui->progressBar->setValue(100);
    ui->stateValue->setText(QStringLiteral("%1%").arg(progressPercentage));
    ui->statusLine->setStyleSheet(QStringLiteral("color: green;"));
    applyStateTexts();
}

void Updates::appInstallUpdate(QString filePath, QStringList arguments)
{
    installerFilePath = filePath;
    installerArguments = arguments;
    if (manualInstall) {
        ui->downloadButton->setEnabled(true);
        return;
    }
    launchInstaller(filePath, arguments);
}

bool Updates::launchInstaller(const QString &file, const QStringList &arguments)
{
    // The program quits only once the installer really runs; otherwise the user hears why.
    if (!QProcess::startDetached(file, arguments)) {
        state = Failed;
        showError(QStringLiteral("%1\n%2").arg(tr("Failed to start the update installer!"), file));
        return false;
    }
    appendLog(tr("update was successfully installed!"));
    emit updateReady();
    emit finished();
    return true;
}

void Updates::startManualInstallProcess()
{
    if (manualInstall && state == Downloaded) {
        if (QFile::exists(installerFilePath)) {
            launchInstaller(installerFilePath, installerArguments);
            return;
        }
        const int answer = MsgDialog::run(this, tr("Error"), tr("File was not found! Do you want to restart update now?"),
                                          MsgDialog::Critical, QMessageBox::Yes | QMessageBox::No);
        if (answer == QMessageBox::Yes)
            restartUpdate();
        else
            close();
        return;
    }
    startDownload();
}

void Updates::restartUpdate()
{
    state = Idle;
    cancelling = false;
    ui->progressBar->setMaximum(100);
    ui->progressBar->setValue(0);
    showDetails(false);
    ui->statusLine->setStyleSheet(QString());
    ui->statusLine->clear();
    ui->downloadButton->setEnabled(true);
    ui->cancelButton->setEnabled(true);
    ui->downloadButton->setDefault(true);
    applyStateTexts();
    if (!workerThread) {
        startDownload();
        return;
    }
    emit restartUpdateDownload();
}

void Updates::appCancelUpdates()
{
    if ((ui->downloadButton->isEnabled() && ui->downloadButton->isVisible()) || ui->cancelButton->text() != tr("Cancel")) {
        close();
        return;
    }
    const int answer = MsgDialog::run(this, tr("Updates"), tr("Do you want to cancel update?"), MsgDialog::Question,
                                      QMessageBox::Yes | QMessageBox::No);
    if (answer == QMessageBox::Yes)
        cancelUpdate();
}

void Updates::cancelUpdate()
{
    cancelling = true;
    ui->downloadButton->setEnabled(false);
    ui->cancelButton->setEnabled(false);
    state = Failed;
    applyStateTexts();
    emit closeUpdate();
}

void Updates::setFailedToDeleteUpdateFile()
{
    state = Failed;
    showError(tr("Failed to delete the update file!"));
}

void Updates::appJsonReaderError(QJsonParseError readerError)
{
    state = Failed;
    showError(MsgDialog::errorCodeText(int(readerError.error)));
    close();
}

void Updates::setNoNetConnection()
{
    state = Failed;
    MsgDialog::run(nullptr, tr("Error"),
                   QStringLiteral("%1 %2").arg(tr("No network connection has been found!"),
                                               tr("Check for update has been skipped!")),
                   MsgDialog::Critical, QMessageBox::Ok);
    close();
}

void Updates::setValidatedUrl(QString url)
{
    appUpdateUrl = url;
    emit runUpdate(url);
}

void Updates::setUpdateAborted(int statusCode, QNetworkReply::NetworkError netError)
{
    state = Failed;
    applyStateTexts();
    const QString text = QStringLiteral("%1\n%2: %3\n%4: %5\n%6")
                             .arg(tr("Update process has been failed!"), tr("Status code"))
                             .arg(statusCode)
                             .arg(tr("Error code"))
                             .arg(int(netError))
                             .arg(tr("Do you want to restart update now?"));
    const int answer =
        MsgDialog::run(this, tr("Error"), text, MsgDialog::Critical, QMessageBox::Yes | QMessageBox::No);
    if (answer == QMessageBox::Yes)
        restartUpdate();
    else
        close();
}

void Updates::showDetails(bool visible)
{
    for (QWidget *widget : {static_cast<QWidget *>(ui->downloadPathLabel), static_cast<QWidget *>(ui->downloadPathValue),
                            static_cast<QWidget *>(ui->installPathLabel), static_cast<QWidget *>(ui->installPathValue),
                            static_cast<QWidget *>(ui->speedLabel), static_cast<QWidget *>(ui->speedValue),
                            static_cast<QWidget *>(ui->stateLabel), static_cast<QWidget *>(ui->stateValue),
                            static_cast<QWidget *>(ui->sizeLabel), static_cast<QWidget *>(ui->sizeValue),
                            static_cast<QWidget *>(ui->elapsedLabel), static_cast<QWidget *>(ui->elapsedValue),
                            static_cast<QWidget *>(ui->remainingLabel), static_cast<QWidget *>(ui->remainingValue)})
        widget->setVisible(visible);
}

// Texts that follow the state, so that a language change keeps them right.
void Updates::applyStateTexts()
{
    setWindowTitle(QStringLiteral("%1 - %2").arg(QStringLiteral("Airvane Lite"), tr("UpdateTitle")));
    const bool downloaded = state == Downloaded;
    ui->downloadButton->setText(downloaded && manualInstall ? tr("Install") : tr("Download"));
    ui->cancelButton->setText(downloaded ? tr("Close") : tr("Cancel"));
    if (cancelling) {
        ui->stateLabel->setText(tr("Status:"));
        ui->stateValue->setTextFormat(Qt::RichText);
        ui->stateValue->setText(QStringLiteral("<span style=\"color: red;\">%1</span>").arg(tr("cancelling...")));
    } else {
        ui->stateValue->setTextFormat(Qt::PlainText);
        ui->stateLabel->setText(downloaded ? tr("Downloaded:") : tr("Downloading:"));
        ui->stateValue->setText(QStringLiteral("%1%").arg(lastPercentage));
    }
    if (downloaded)
        ui->statusLine->setText(tr("Downloaded successfully!"));
}

void Updates::showError(const QString &text)
{
    MsgDialog::run(this, tr("Error"), text, MsgDialog::Critical, QMessageBox::Ok);
}

void Updates::closeEvent(QCloseEvent *event)
{
    if (state == Downloading) {
        // A running download is never left behind: closing cancels it first.
        event->ignore();
        cancelUpdate();
        return;
    }
    emit displayWindow();
    emit finished();
    event->accept();
}

void Updates::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        applyStateTexts();
    }
    QWidget::changeEvent(event);
}
