#pragma once

#include "console/CommandCatalogue.h"

#include <QCoreApplication>
#include <QPointer>

class CommandHost;
class ConfigManager;
class QWidget;

// Runs a row of the network console catalogue the way the settings page's buttons do: refuses
// unsafe field texts, asks the row's confirmation, then picks the program's console window or an
// external (possibly elevated) console of the system.
class CommandLauncher
{
    Q_DECLARE_TR_FUNCTIONS(CommandLauncher)

public:
    enum class Outcome {
        Unavailable,      // the system has no such command
        Refused,          // a field held a character that cannot go into a command line
        NotConfirmed,     // the confirmation or the administrator question was not answered Yes
        External,         // an external console was asked for
        ExternalElevated, // an external console with administrator rights was asked for
        Console,          // the program's console window runs it
    };

    CommandLauncher(const CommandCatalogue &catalogue, CommandHost &host);

    // `useConfigManager`: the "Open network information with Config Manager" switch;
    // `alwaysOnTop`: how the console window is placed. Message boxes and the console window
    // belong to `parent`.
    Outcome run(int row, const CommandFields &fields, bool useConfigManager, bool alwaysOnTop,
                QWidget *parent);

    // The console window the last run opened, while it is open.
    ConfigManager *lastConsole() const;

    // The name of a field as the error box calls it.
    static QString fieldName(CommandField field);

private:
    const CommandCatalogue &m_catalogue;
    CommandHost &m_host;
    QPointer<ConfigManager> m_lastConsole;
};
