#pragma once

#include <QCoreApplication>

class AirvaneLite;
class AppSettings;
class UpdateCheck;
class QWidget;

// Plugs the windows built by the other parts of the program into the main window: the settings
// dialog, the update check, the changelog and the theme loader. The program does this once for
// its main window; an entry of the window whose piece is wired here is never a dead end.
class ProgramWiring
{
    Q_DECLARE_TR_FUNCTIONS(ProgramWiring)

public:
    // Returns the window's update check (owned by the window).
    static UpdateCheck *wireMainWindow(AirvaneLite *window);
    // The settings dialog with its announcements connected to the window and the check.
    static AppSettings *createSettingsDialog(AirvaneLite *window, UpdateCheck *check, QWidget *parent);
    // Deletes the installers an earlier update left behind; says so when that fails.
    static void removeOldInstallers(QWidget *parent = nullptr);
};
