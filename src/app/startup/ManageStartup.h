#pragma once

#include "app/startup/StartupServices.h"

#include <QJsonParseError>
#include <QObject>
#include <QPointer>
#include <QTranslator>

class Splash;
class QWidget;

// The start-up sequence: logs the launch, installs the fonts, checks the WMI service, writes the
// missing setting defaults, removes an old installer when asked to, runs the update check at
// start and then opens the Updates window, the splash or the main window.
class ManageStartup : public QObject
{
    Q_OBJECT

public:
    explicit ManageStartup(QObject *parent = nullptr, StartupServices services = StartupServices::defaults());
    ~ManageStartup() override;

    // The main window once it exists (made here or by the splash); owned by this object.
    QWidget *mainWindow() const { return m_mainWindow; }

public slots:
    // Opens the splash or the main window; only the first call of a run does anything.
    void manageWindow();
    void setUpdateAvailable(QString build, QString channel, QString info, bool isAutoUpdate, QString url);
    void setLatestVersion();
    void setNoNetConnection();
    void setJsonReaderError(QJsonParseError updateError);

private:
    void startUpdateCheck();
    void updateCheckEnded();
    void adoptMainWindow(QWidget *window);
    bool eventFilter(QObject *watched, QEvent *event) override;

    StartupServices m_services;
    QTranslator m_programTranslator;
    QTranslator m_toolkitTranslator;
    bool m_showSplash = true;
    bool m_showWindowWhenInTray = false;
    bool m_addToTray = false;
    bool m_closeToTray = false;
    bool m_minimizeToTray = false;
    bool m_alwaysOnTop = false;
    bool m_windowManaged = false;
    bool m_updateCheckAnswered = false;
    QPointer<QWidget> m_mainWindow;
    QPointer<QWidget> m_updatesWindow;
};
