#include "net/FtpUploadJob.h"

#include "net/FtpTarget.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>

#include <atomic>
#include <memory>

namespace {

std::atomic<int> timeLimitBaseMs{60000};
std::atomic<int> minimumRate{16 * 1024};

int timeLimitFor(qint64 bytes)
{
    const qint64 limit = timeLimitBaseMs.load() + bytes * 1000 / qMax(1, minimumRate.load());
    return int(qMin<qint64>(limit, 24 * 3600 * 1000));
}

bool isInside(const QString &filePath, const QString &directoryPath)
{
    const QString dir = QFileInfo(directoryPath).absoluteFilePath();
    return !directoryPath.isEmpty() && QFileInfo(filePath).absolutePath() == dir;
}

} // namespace

FtpUploadJob::FtpUploadJob(QObject *parent)
    : QObject(parent)
{
}

void FtpUploadJob::setTimeLimit(int baseMs, int minimumBytesPerSecond)
{
    timeLimitBaseMs = baseMs;
    minimumRate = minimumBytesPerSecond;
}

void FtpUploadJob::uploadFirst(const QVector<FtpData> &records)
{
    if (records.isEmpty()) {
        end();
        return;
    }
    const FtpData record = records.first();
    manager = new QNetworkAccessManager(this);
    watchAccessibility();
    const QUrl url = FtpTarget::uploadUrl(record.installerTarget, record.productName, record.ftpDirName,
                                          QFileInfo(record.filePath).fileName());
    put(url, record.filePath, [this, record](int error) {
        if (error != QNetworkReply::NoError) {
            reportFailure(error);
        } else {
            if (record.deleteFileAfterUpload)
                QFile::remove(record.filePath);
            // The folder is the upload's own staging place: its file goes, then the folder if
            // nothing else (an earlier unsent file, another run's log) is left in it. A file
            // chosen elsewhere by the user is never touched.
            if (record.deleteDirectoryAfterUpload && isInside(record.filePath, record.directoryPath)) {
                QFile::remove(record.filePath);
                QDir().rmdir(record.directoryPath);
            }
            emit dataUploaded();
        }
        end();
    });
}

void FtpUploadJob::uploadAll(const QString &productName, const QString &ftpDirName,
                             const QStringList &filesPath)
{
    if (filesPath.isEmpty()) {
        end();
        return;
    }
    manager = new QNetworkAccessManager(this);
    watchAccessibility();
    const bool installerArea = productName == QLatin1String("ALI");
    auto remaining = std::make_shared<int>(filesPath.size());
    for (const QString &path : filesPath) {
        const QUrl url = FtpTarget::uploadUrl(installerArea, productName, ftpDirName,
                                              QFileInfo(path).fileName());
        put(url, path, [this, remaining](int error) {
            if (error != QNetworkReply::NoError)
                reportFailure(error);
            if (--*remaining == 0)
                end();
        });
    }
}

void FtpUploadJob::put(const QUrl &url, const QString &filePath, std::function<void(int)> done)
{
    auto *file = new QFile(filePath, this);
    if (!file->open(QIODevice::ReadOnly)) {
        qWarning("Cannot read %s for the upload to %s", qPrintable(QDir::toNativeSeparators(filePath)),
                 qPrintable(FtpTarget::displayUrl(url)));
        delete file;
        // After the caller has set up everything else, like a transfer that failed at once.
        QTimer::singleShot(0, this, [done] { done(QNetworkReply::ContentNotFoundError); });
        return;
    }
    QNetworkReply *reply = manager->put(QNetworkRequest(url), file);
    auto *deadline = new QTimer(reply);
    deadline->setSingleShot(true);
    auto timedOut = std::make_shared<bool>(false);
    connect(deadline, &QTimer::timeout, reply, [reply, timedOut] {
        *timedOut = true;
        reply->abort();
    });
    deadline->start(timeLimitFor(file->size()));
    connect(reply, &QNetworkReply::finished, this, [reply, file, url, timedOut, done] {
        const int error = *timedOut ? int(QNetworkReply::TimeoutError) : int(reply->error());
        // errorString() of an FTP reply carries the address with the account in it: never shown.
        if (error != QNetworkReply::NoError)
            qWarning("Upload to %s failed with error %d", qPrintable(FtpTarget::displayUrl(url)), error);
        file->close();
        file->deleteLater();
        reply->deleteLater();
        done(error);
    });
}

void FtpUploadJob::watchAccessibility()
{
    QT_WARNING_PUSH
    QT_WARNING_DISABLE_DEPRECATED
    connect(manager, &QNetworkAccessManager::networkAccessibleChanged, this,
            [this](QNetworkAccessManager::NetworkAccessibility accessible) {
                if (accessible != QNetworkAccessManager::Accessible && !failureReported) {
                    failureReported = true;
                    emit noNetworkAvailable();
                }
            });
    QT_WARNING_POP
}

void FtpUploadJob::reportFailure(int error)
{
    if (failureReported)
        return;
    failureReported = true;
    emit dataUploadFailed(error);
}

void FtpUploadJob::end()
{
    if (manager) {
        manager->deleteLater();
        manager = nullptr;
    }
    emit finished();
}
