#include "net/NetworkManager.h"

#include "app/settings/SettingsKeys.h"
#include "app/settings/SettingsStore.h"
#include "net/DownloadProgress.h"
#include "net/FtpUploadJob.h"
#include "net/NetworkEndpoints.h"
#include "net/UpdateManifest.h"
#include "net/UpdateTargets.h"

#include <QLocale>
#include <QMetaObject>
#include <QNetworkAccessManager>
#include <QNetworkRequest>
#include <QUrl>

namespace {

constexpr int smallRequestTimeoutMs = 30000;
constexpr int downloadTimeoutMs = 60000;

void registerTypes()
{
    static const bool done = [] {
        qRegisterMetaType<QJsonParseError>("QJsonParseError");
        qRegisterMetaType<QNetworkReply::NetworkError>("QNetworkReply::NetworkError");
        registerFtpDataTypes();
        return true;
    }();
    Q_UNUSED(done)
}

int httpStatus(const QNetworkReply *reply)
{
    return reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
}

// Only a successful reply's body is taken for a manifest or an address; an error page never is.
QByteArray successfulBody(QNetworkReply *reply)
{
    if (reply->error() != QNetworkReply::NoError || httpStatus(reply) != 200)
        return QByteArray();
    return reply->readAll();
}

} // namespace

NetworkManager::Operation NetworkManager::prepareOperation(bool endsWithWorker)
{
    Operation operation;
    operation.thread = new QThread;
    operation.worker = new NetworkManager;
    operation.worker->moveToThread(operation.thread);
    if (endsWithWorker)
        endOperationOn(operation, operation.worker, &NetworkManager::finished);
    // The worker is deleted from its own thread's finish, which runs deferred deletions after the
    // event loop has stopped: a deleteLater queued to the worker by a signal could arrive after the
    // loop had already quit, and the worker (with its network access objects) would never go.
    QObject::connect(operation.thread, &QThread::finished, operation.worker, &QObject::deleteLater);
    QObject::connect(operation.thread, &QThread::finished, operation.thread, &QObject::deleteLater);
    return operation;
}

void NetworkManager::startOperation(const Operation &operation, const char *slot, QGenericArgument argument)
{
    QMetaObject::invokeMethod(operation.worker, slot, Qt::QueuedConnection, argument);
    operation.thread->start(QThread::InheritPriority);
}

void NetworkManager::startOperation(const Operation &operation, const char *slot, QGenericArgument first,
                                    QGenericArgument second, QGenericArgument third)
{
    QMetaObject::invokeMethod(operation.worker, slot, Qt::QueuedConnection, first, second, third);
    operation.thread->start(QThread::InheritPriority);
}

NetworkManager::NetworkManager(QObject *parent)
    : QObject(parent)
    , latestBuild(QLatin1String(updates::currentVersion))
    , downloadPath(updates::downloadFolder())
    , installPath(updates::installFolder())
    , updateChannel(readUpdatesChannel())
    , delivery(readDelivery())
    , autoUpdate(readSettingOrDefault(QLatin1String(SettingsGroup::Updates),
                                      QLatin1String(SettingsKey::InstallUpdatesAutomatically))
                     .toBool())
{
    registerTypes();
}

NetworkManager::~NetworkManager()
{
    // A worker deleted mid-download leaves no partial installer behind.
    if (installerFile.isOpen()) {
        installerFile.close();
        installerFile.remove();
    }
}

void NetworkManager::applyRequestPolicy(QNetworkRequest &request, int transferTimeoutMs)
{
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setMaximumRedirectsAllowed(3);
    request.setTransferTimeout(transferTimeoutMs);
}

QNetworkReply *NetworkManager::get(const QUrl &url, int transferTimeoutMs)
{
    manager = new QNetworkAccessManager(this);
    QNetworkRequest request(url);
    applyRequestPolicy(request, transferTimeoutMs);
    // Certificates are verified: a TLS error fails the request and takes the failure paths.
    return manager->get(request);
}

void NetworkManager::releaseReply(QNetworkReply *reply)
{
    if (reply->isOpen())
        reply->close();
    reply->deleteLater();
    if (manager) {
        manager->deleteLater();
        manager = nullptr;
    }
}

QString NetworkManager::manifestAddress(bool insiderUpdate)
{
    bool validLanguage = true;
    const QString prefix = updates::languagePrefix(
        readIntSetting(QLatin1String(SettingsGroup::App), QLatin1String(SettingsKey::AppLanguage)),
        QLocale::system().language(), &validLanguage);
    if (!validLanguage)
        emit localeError();
    const Update::Channel channel =
        insiderUpdate ? Update::Channel::Insider : updates::effectiveChannel(updateChannel, updates::isDeveloperBuild());
    return updates::manifestAddress(channel, prefix);
}

void NetworkManager::checkForApplicationUpdates(bool insiderUpdate)
{
    if (!isNetworkAvailable()) {
        emit noNetConnection();
        emit finished();
        return;
    }
    QNetworkReply *reply = get(QUrl(manifestAddress(insiderUpdate)), smallRequestTimeoutMs);
    connect(reply, &QNetworkReply::finished, this, [this, reply] {
        handleManifest(reply);
        releaseReply(reply);
        emit finished();
    });
}

void NetworkManager::handleManifest(QNetworkReply *reply)
{
    const UpdateManifest manifest = UpdateManifest::parse(successfulBody(reply), delivery, latestBuild);
    switch (manifest.outcome) {
    case UpdateManifest::Outcome::JsonError:
        emit jsonReaderError(manifest.error);
        return;
    case UpdateManifest::Outcome::NoEntry:
    case UpdateManifest::Outcome::Incomplete:
        return;
    case UpdateManifest::Outcome::Complete:
        break;
    }
    latestBuild = manifest.build;
    latestChannel = manifest.channel;
    updateInfo = manifest.info;
    updateUrl = manifest.url;
    isNewer = manifest.isNewer;
    if (isNewer) {
        emit updateAvailable();
        emit updateAvailable(latestBuild, latestChannel, updateInfo, updateUrl);
        emit updateAvailable(latestBuild, latestChannel, updateInfo, autoUpdate, updateUrl);
    } else {
        emit latestVersion();
        emit latestVersion(latestBuild);
    }
    emit changelogInfo(latestBuild, latestChannel, updateInfo);
}

void NetworkManager::validateUpdateUrl()
{
    if (!isNetworkAvailable()) {
        emit noNetConnection();
        emit finished();
        return;
    }
    downloadCanceled = false;
    QNetworkReply *reply = get(QUrl(manifestAddress(false)), smallRequestTimeoutMs);
    connect(reply, &QNetworkReply::finished, this, [this, reply] {
        handleValidation(reply);
        releaseReply(reply);
        emit finished();
    });
}

void NetworkManager::handleValidation(QNetworkReply *reply)
{
    const UpdateManifest manifest = UpdateManifest::parse(successfulBody(reply), delivery, latestBuild);
    if (manifest.outcome == UpdateManifest::Outcome::JsonError) {
        emit jsonReaderError(manifest.error);
        return;
    }
    // Even without an address the window hears back, so that it can report the failure.
    updateUrl = manifest.url;
    emit urlValidated(updateUrl);
}

void NetworkManager::detectUserAddress()
{
    QNetworkReply *reply =
        get(QUrl(endpoints::webAddress(QStringLiteral("/includes/user_ip_detection.php"))), smallRequestTimeoutMs);
    connect(reply, &QNetworkReply::finished, this, [this, reply] {
        handleAddress(reply);
    });
}

void NetworkManager::handleAddress(QNetworkReply *reply)
{
    const QString address = parseAddressReply(httpStatus(reply), successfulBody(reply));
    if (!address.isEmpty()) {
        emit userConnectedStatus();
        emit userIPData(address);
    } else {
        emit userNotConnectedStatus();
        emit userIPUnknownData(tr("Unknown"));
    }
    releaseReply(reply);
    emit userIPLocationData(address);
    emit finished();
}

void NetworkManager::downloadUpdate(QString appUpdateUrl)
{
    emit updateStarted();
    emit updatesPaths(downloadPath, installPath);

    const QUrl url(appUpdateUrl, QUrl::StrictMode);
    if (!url.isValid() || url.scheme() != QLatin1String("https") || url.host().isEmpty()) {
        // Nothing to fetch (no address in the manifest) or not over verified HTTPS.
        emit updateAborted(0, QNetworkReply::ProtocolUnknownError);
        emit finished();
        return;
    }

    bytesWritten = 0;
    writeFailed = false;
    progressPercentage = 0;
    downloadReply = get(url, downloadTimeoutMs);
    installerFile.setFileName(
        updates::installerFilePath(downloadPath, updates::effectiveChannel(updateChannel, updates::isDeveloperBuild())));
    if (!installerFile.open(QIODevice::WriteOnly | QIODevice::Truncate))
        writeFailed = true;
    stopwatch.start();

    QNetworkReply *reply = downloadReply;
    connect(reply, &QIODevice::readyRead, this, &NetworkManager::writeDownloadData);
    connect(reply, &QNetworkReply::downloadProgress, this, &NetworkManager::reportProgress);
    connect(reply, &QNetworkReply::finished, this, &NetworkManager::finishDownload);
    if (writeFailed)
        reply->abort();
}

void NetworkManager::writeDownloadData()
{
    QNetworkReply *reply = downloadReply;
    if (!reply || httpStatus(reply) != 200 || reply->bytesAvailable() <= 0)
        return;
    if (downloadCanceled || writeFailed) {
        if (reply->isRunning())
            reply->abort();
        return;
    }
    const QByteArray data = reply->readAll();
    if (installerFile.write(data) != data.size()) {
        writeFailed = true;
        reply->abort();
        return;
    }
    bytesWritten += data.size();
}

void NetworkManager::reportProgress(qint64 received, qint64 total)
{
    if (downloadCanceled)
        return;
    DownloadProgress progress;
    if (!DownloadProgress::compute(received, total, stopwatch.elapsed(), progressPercentage, &progress))
        return;
    progressPercentage = progress.percentage;
    emit downloadProgressData(progress.speed, progress.speedUnit, progress.total, progress.received,
                              progress.percentage, progress.sizeUnit, progress.elapsed, progress.remaining);
}

void NetworkManager::finishDownload()
{
    QNetworkReply *reply = downloadReply;
    if (!reply)
        return;
    const int status = httpStatus(reply);
    const QNetworkReply::NetworkError error = reply->error();
    const bool announced = reply->header(QNetworkRequest::ContentLengthHeader).isValid();
    const qint64 length = reply->header(QNetworkRequest::ContentLengthHeader).toLongLong();
    if (reply->isOpen())
        reply->close();
    const bool flushed = !installerFile.isOpen() || installerFile.flush();
    installerFile.close();

    const bool complete = !downloadCanceled && !writeFailed && flushed && status == 200
        && error == QNetworkReply::NoError && announced && length > 0 && bytesWritten == length
        && installerFile.exists();
    if (downloadCanceled) {
        if (installerFile.exists() && !installerFile.remove())
            emit failedToDeleteUpdateFile();
        if (status != 200)
            emit updateAborted(status, error);
        else
            emit updateAborted();
    } else if (complete) {
        // Where files carry an executable bit, the installer needs it to run at all.
        installerFile.setPermissions(installerFile.permissions() | QFileDevice::ExeOwner);
        progressPercentage = 100;
        emit updateDownloadedSuccessfully(progressPercentage);
        emit installUpdate(installerFile.fileName(), {QStringLiteral("/verysilent")});
    } else {
        // Short, without a length, an error status or a write failure: never an installer.
        abortDownload(status, error);
    }
    downloadReply = nullptr;
    releaseReply(reply);
    emit finished();
}

void NetworkManager::abortDownload(int statusCode, QNetworkReply::NetworkError error)
{
    if (installerFile.exists() && !installerFile.remove())
        emit failedToDeleteUpdateFile();
    emit updateAborted(statusCode, error);
}

void NetworkManager::setDownloadCanceled()
{
    downloadCanceled = true;
    if (downloadReply && downloadReply->isRunning()) {
        // Abort at once: waiting for the next data portion would wait forever on a stalled server.
        downloadReply->abort();
        return;
    }
    emit closeUpdateDlg();
}

FtpUploadJob *NetworkManager::startUploadJob()
{
    auto *job = new FtpUploadJob(this);
    connect(job, &FtpUploadJob::dataUploaded, this, &NetworkManager::dataUploaded);
    connect(job, &FtpUploadJob::dataUploadFailed, this, &NetworkManager::dataUploadFailed);
    connect(job, &FtpUploadJob::noNetworkAvailable, this, &NetworkManager::noNetworkAvailable);
    connect(job, &FtpUploadJob::finished, this, &NetworkManager::finished);
    connect(job, &FtpUploadJob::finished, job, &QObject::deleteLater);
    return job;
}

void NetworkManager::uploadToFtp(QVector<FtpData> ftpDataVector)
{
    startUploadJob()->uploadFirst(ftpDataVector);
}

void NetworkManager::multipleUploadsToFTP(QString productName, QString ftpDirName, QStringList filesPath)
{
    startUploadJob()->uploadAll(productName, ftpDirName, filesPath);
}
