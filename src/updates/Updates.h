#pragma once

#include "net/NetworkManager.h"

#include <QJsonParseError>
#include <QNetworkReply>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>

namespace Ui {
class Updates;
}

class QLabel;

// The update window: shows the notes of the offered build, downloads its installer on a worker
// of its own (kept while the window lives) and runs it. With automatic installation off it waits
// for the user twice: to download, then to install.
class Updates : public QWidget
{
    Q_OBJECT

public:
    enum State { Idle = 0, Downloading = 1, Downloaded = 2, Failed = 4 };

    explicit Updates(QWidget *parent = nullptr);
    ~Updates() override;

    // Opens the window for an offered build, as after "Yes" to the update question: notes shown,
    // the download started at once unless installation is manual, top-most rule applied, shown.
    // The window deletes itself when closed; connect updateReady() to quitting the program.
    static Updates *open(QWidget *parent, const QString &build, const QString &channel, const QString &info,
                         bool autoUpdate, const QString &url);

    int updateState() const { return state; }
    bool isManualInstall() const { return manualInstall; }

signals:
    void updateReady();
    void closeUpdate();
    void displayWindow();
    void restartUpdateDownload();
    void finished();
    void runUpdate(QString url);

public slots:
    void appJsonReaderError(QJsonParseError readerError);
    void appJsonData(QString appUpdatesVersion, QString appUpdatesChannel, QString appUpdatesInfo);
    void appUpdatePaths(QString downloadsPath, QString installPath);
    void appProgressData(double speed, QString speedUnit, int totalSize, int totalMBReceived, int progressPercentage,
                         QString updateSizeUnit, QString elapsedTime, QString remainingTime);
    void appUpdatesDownloaded(int progressPercentage);
    void appUpdateStarted();
    void appInstallUpdate(QString filePath, QStringList arguments);
    void startManualInstallProcess();
    void appCancelUpdates();
    void setFailedToDeleteUpdateFile();
    void setNoNetConnection();
    void setValidatedUrl(QString url);
    void setUpdateAborted(int statusCode, QNetworkReply::NetworkError netError);

protected:
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void setManualInstall(bool manual);
    void startDownload();
    void restartUpdate();
    void cancelUpdate();
    bool launchInstaller(const QString &file, const QStringList &arguments);
    void showDetails(bool visible);
    void setPathLink(QLabel *label, const QString &path);
    void openFolder(const QString &path, const QString &failure);
    void applyStateTexts();
    void showError(const QString &text);

    Ui::Updates *ui;
    int state = Idle;
    bool manualInstall = false;
    bool cancelling = false;
    int lastPercentage = 0;
    QString appUpdateUrl;
    QString installerFilePath;
    QStringList installerArguments;
    QString downloadsPath;
    QString installPath;
    NetworkManager::Operation operation;
    QPointer<QThread> workerThread;
};
