#pragma once

#include <QObject>

#include <functional>
#include <memory>

class CommandHost;
class QWidget;

// What the settings dialog asks of the rest of the program. Every hook left empty gets the
// program's own: the operating system, the network worker, the changelog window.
struct SettingsDialogHooks
{
    // The network console commands' way to the system; null: the operating system's.
    std::shared_ptr<CommandHost> commands;

    // Start one operation of the network worker and return the worker. The dialog listens to the
    // worker's own signals (address detection: userConnectedStatus(), userNotConnectedStatus(),
    // userIPData(QString), userIPUnknownData(QString); update check: updateAvailable(QString,
    // QString,QString,bool,QString), latestVersion(QString), jsonReaderError(QJsonParseError);
    // both: noNetConnection(), finished()). The worker starts once the dialog has connected to
    // it; a null worker means the check cannot run now.
    std::function<QObject *()> startAddressDetection;
    std::function<QObject *()> startUpdateCheck;

    // Restarts the program; null: start the program again with "-restart" and quit.
    std::function<void()> restartApplication;

    // Opens the changelog window.
    std::function<void(QWidget *parent)> openChangelog;
};
