#pragma once

#include "app/settings/SettingsEnums.h"
#include "net/FtpData.h"
#include "net/NetworkAvailability.h"

#include <QElapsedTimer>
#include <QFile>
#include <QJsonParseError>
#include <QNetworkReply>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QThread>

class FtpUploadJob;
class QNetworkAccessManager;
class QNetworkRequest;
class QUrl;

Q_DECLARE_METATYPE(QJsonParseError)

// The network worker: update manifest checks, the installer download and address detection
// (uploads to the FTP server live here too). One worker serves one operation in a thread of its
// own; every result is a signal, so callers in the GUI thread get them queued.
//
// Running an operation (every caller does the same, see prepareOperation / startOperation):
//   auto operation = NetworkManager::prepareOperation();
//   connect(operation.worker, &NetworkManager::noNetConnection, this, ...);   // results wanted
//   NetworkManager::startOperation(operation, "checkForApplicationUpdates", Q_ARG(bool, false));
// The worker's finished() quits the thread and deletes the worker; the thread deletes itself.
class NetworkManager : public QObject
{
    Q_OBJECT

public:
    struct Operation
    {
        QThread *thread = nullptr;
        NetworkManager *worker = nullptr;
    };

    // A new worker moved into a new thread (neither has a parent). With endsWithWorker the
    // worker's finished() quits the thread and deletes the worker; without it (a window that
    // keeps its worker for several operations) the caller ends both with endOperation().
    static Operation prepareOperation(bool endsWithWorker = true);
    // Queues the slot by name on the worker and starts the thread with inherited priority.
    static void startOperation(const Operation &operation, const char *slot,
                               QGenericArgument argument = QGenericArgument(nullptr));
    // The same for an operation with several arguments.
    static void startOperation(const Operation &operation, const char *slot, QGenericArgument first,
                               QGenericArgument second, QGenericArgument third = QGenericArgument(nullptr));
    // Connects `signal` of `sender` to quitting the thread; the worker goes with the thread.
    template <typename Sender, typename Signal>
    static void endOperationOn(const Operation &operation, Sender *sender, Signal signal);

    explicit NetworkManager(QObject *parent = nullptr);
    ~NetworkManager() override;

    // The redirect rule of every request: no step from https to http, at most 3 steps.
    static void applyRequestPolicy(QNetworkRequest &request, int transferTimeoutMs);

signals:
    // Update check
    void updateAvailable();
    void updateAvailable(QString build, QString channel, QString info, QString url);
    void updateAvailable(QString build, QString channel, QString info, bool autoUpdate, QString url);
    void latestVersion();
    void latestVersion(QString build);
    void jsonReaderError(QJsonParseError updateError);
    void changelogInfo(QString build, QString channel, QString info);
    void urlValidated(QString url);
    void noNetConnection();
    void localeError();
    void finished();

    // Address detection
    void userIPData(QString ipData);
    void userIPUnknownData(QString unknownIPData);
    void userConnectedStatus();
    void userNotConnectedStatus();
    void userIPLocationData(QString ip);

    // Installer download
    void updateStarted();
    void updatesPaths(QString downloadPath, QString installPath);
    void downloadProgressData(double speed, QString speedUnit, int totalSize, int totalMBReceived,
                              int progressPercentage, QString downloadSizeUnit, QString elapsed, QString remaining);
    void updateDownloadedSuccessfully(int progressPercentage);
    void installUpdate(QString updateFilePath, QStringList updateArguments);
    void failedToDeleteUpdateFile();
    void updateAborted();
    void updateAborted(int statusCode, QNetworkReply::NetworkError error);
    void closeUpdateDlg();

    // FTP uploads. A transfer that failed is reported with the network error code and never
    // counted as sent; noNetworkAvailable stands for a network that went away meanwhile.
    void dataUploaded();
    void dataUploadFailed(int errorCode);
    void noNetworkAvailable();

public slots:
    void checkForApplicationUpdates(bool insiderUpdate);
    void validateUpdateUrl();
    // The public address of this machine as the web server sees it.
    void detectUserAddress();
    void downloadUpdate(QString appUpdateUrl);
    void setDownloadCanceled();

    // Uploads the first record of the vector (FtpUploadJob::uploadFirst).
    void uploadToFtp(QVector<FtpData> ftpDataVector);
    // Uploads every file at once; "ALI" selects the online-installer area (FtpUploadJob::uploadAll).
    void multipleUploadsToFTP(QString productName, QString ftpDirName, QStringList filesPath);

private:
    FtpUploadJob *startUploadJob();
    QNetworkReply *get(const QUrl &url, int transferTimeoutMs);
    void releaseReply(QNetworkReply *reply);
    QString manifestAddress(bool insiderUpdate);
    void handleManifest(QNetworkReply *reply);
    void handleValidation(QNetworkReply *reply);
    void handleAddress(QNetworkReply *reply);
    void writeDownloadData();
    void reportProgress(qint64 received, qint64 total);
    void finishDownload();
    void abortDownload(int statusCode, QNetworkReply::NetworkError error);

    QNetworkAccessManager *manager = nullptr;
    QString latestBuild;
    QString latestChannel;
    QString updateInfo;
    QString updateUrl;
    QString downloadPath;
    QString installPath;
    Update::Channel updateChannel = Update::Channel::Release;
    Update::Delivery delivery = Update::Delivery::Server;
    bool autoUpdate = true;

    int progressPercentage = 0;
    bool isNewer = false;
    bool downloadCanceled = false;
    QPointer<QNetworkReply> downloadReply;
    QFile installerFile;
    QElapsedTimer stopwatch;
    qint64 bytesWritten = 0;
    bool writeFailed = false;
};

template <typename Sender, typename Signal>
void NetworkManager::endOperationOn(const Operation &operation, Sender *sender, Signal signal)
{
    QObject::connect(sender, signal, operation.thread, &QThread::quit);
}
