#pragma once

#include "app/settings/SettingsEnums.h"

#include <QDateTime>
#include <QJsonParseError>
#include <QObject>
#include <QPointer>
#include <QString>

class QWidget;

// The main window's side of update checks: the check-now command (Ctrl+U), the quiet check at
// start, the insider check, and what each outcome shows. The main window owns one and wires:
//   Ctrl+U / "Check for updates"       -> checkForAppUpdates()
//   1500 ms after it opens, when "CheckForUpdatesWhenAppStarts" is on -> checkQuietly()
//   updatesBuildInfo / manageIPNotification / insiderUpdateChannel -> the settings dialog
// Boxes and the Updates window get the given window as parent; an installer that starts quits
// the program.
class UpdateCheck : public QObject
{
    Q_OBJECT

public:
    explicit UpdateCheck(QWidget *window);

    bool isQuiet() const { return quiet; }
    Update::Channel currentChannel() const { return channel; }

    // Short form for the settings dialog, long form for the log; empty for an automatic language
    // whose system language is none of the three.
    static QString lastCheckedText(const QDateTime &when, bool longForm);

signals:
    void updatesBuildInfo(QString build, QString lastChecked);
    void manageIPNotification(bool enabled);
    void insiderUpdateChannel(Update::Channel channel);

public slots:
    void checkForAppUpdates();
    void checkQuietly();
    void showInsiderNotification();

    void setUpdateAvailable(QString buildNumber, QString channel, QString info, bool isAutoUpdate, QString url);
    void setLatestVersion(QString build);
    void setJsonReaderError(QJsonParseError errorCode);
    void setNoNetConnection();
    void setIPUpdateAvailable(QString buildNumber, QString channel, QString info, bool isAutoUpdate, QString url);

private:
    void startCheck();
    bool updatesEnabled() const;
    bool askToEnableUpdates();
    void recordCheck(const QString &build);
    void openUpdates(const QString &build, const QString &channel, const QString &info, bool autoUpdate,
                     const QString &url);

    QWidget *window;
    bool quiet = false;
    bool insiderNotifications = true;
    Update::Channel channel = Update::Channel::Release;
};
