#pragma once

#include "net/FtpData.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

class QNetworkAccessManager;
class QUrl;

// The FTP uploads of one network-worker operation, run in the worker's thread. The worker's
// upload slots hand their arguments over and pass the signals on.
//
// A transfer counts as sent only when the server confirmed it; any failure (the file cannot be
// read, the server refuses the login or the folder, the connection drops, no answer in time)
// leaves every local file where it was and is reported with the network error code.
class FtpUploadJob : public QObject
{
    Q_OBJECT

public:
    explicit FtpUploadJob(QObject *parent = nullptr);

    // Uploads the first record only. Then either dataUploaded (after the record's local clean-up)
    // or dataUploadFailed / noNetworkAvailable, and finally finished.
    void uploadFirst(const QVector<FtpData> &records);
    // Uploads every file at once into <product area>/telemetry/<ftpDirName>; the product name
    // "ALI" selects the online-installer area. finished after the last transfer; a failed one is
    // reported once with dataUploadFailed before that.
    void uploadAll(const QString &productName, const QString &ftpDirName, const QStringList &filesPath);

    // How long a transfer may take before it counts as lost: a base time plus the file's size at
    // a minimum rate. The FTP client does not notice a server that vanishes mid-transfer, so
    // without this limit such an upload would never end.
    static void setTimeLimit(int baseMs, int minimumBytesPerSecond);

signals:
    void dataUploaded();
    void dataUploadFailed(int errorCode);
    void noNetworkAvailable();
    void finished();

private:
    void put(const QUrl &url, const QString &filePath, std::function<void(int error)> done);
    void watchAccessibility();
    void reportFailure(int error);
    void end();

    QNetworkAccessManager *manager = nullptr;
    bool failureReported = false;
};
