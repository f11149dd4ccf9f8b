#pragma once

#include <QDialog>
#include <QDir>
#include <QScopedPointer>
#include <QString>

class QFile;
class QTextBrowser;

namespace Ui {
class Log;
}

// The log window: the process-wide log view with Save, Save as, Open, Clear, Delete, Send and
// Close. The opener keeps one window for the whole run (it adopts the shared view, which it hands
// back when it goes) and calls showWindow() for every request to see the log.
class Log : public QDialog
{
    Q_OBJECT

public:
    explicit Log(QWidget *parent = nullptr);
    ~Log() override;

    // Applies the top-most rule and shows the window (application-modal) in front.
    void showWindow();

    // The file Save writes in this run: <local data>/Log/Airvane_Lite_Log_<locale>_<time>.txt.
    QString defaultLogFilePath() const { return logFilePath; }

public slots:
    void logSaved();
    void deletedAppLog();
    void fileNotFound();
    void uploadData(QString fileName);
    void uploadFinished();
    void uploadFailed(int errorCode);
    void logNetworkError();

protected:
    void changeEvent(QEvent *event) override;

private slots:
    void saveLog();
    void saveLogAs();
    void openLog();
    void clearLog();
    void deleteLog();
    void sendLog();

private:
    void fitButtons();
    void setFileButtonsEnabled(bool enabled);
    void viewChanged();
    // Writes the whole log (windows-1251) and announces a file that is not empty.
    void writeLogTo(QFile &file, const QString &shownPath);
    QString storedLogPath() const;
    void storeLogPath(const QString &path);

    Ui::Log *ui;
    QTextBrowser *view;

    QString logFilePath;
    QString logDirPath;
    QDir logDir;
    QString saveAsPath;
    QString saveAsFileName;
    QScopedPointer<QFile> savedFile;
    QScopedPointer<QFile> savedAsFile;
    bool savedWithSave = false;
    // The file of the upload in progress: only this file is cleaned up when it has arrived.
    QString uploadingPath;
    bool viewWasEmpty = true;
};
