#pragma once

#include <QString>

#include <functional>

class QWidget;
class StartupUpdateCheck;

// The windows and workers the start-up sequence hands over to. Each is a factory so that the
// sequence can be run against doubles; an empty one means the piece is not part of this build
// and its step is left out (never pretended).
struct StartupServices
{
    struct UpdateOffer
    {
        QString build;
        QString channel;
        QString info;
        bool isAutoUpdate = false;
        QString url;
    };

    // The main window, without parent, not shown yet.
    std::function<QWidget *()> createMainWindow;
    // A fresh update check, or null when none can run.
    std::function<StartupUpdateCheck *()> createUpdateCheck;
    // The Updates window for an offer, without parent and not shown; it reports the end of the
    // offer by a closeUpdate() signal or by closing.
    std::function<QWidget *(const UpdateOffer &offer)> createUpdatesWindow;
    // Deletes the installer an earlier update left in the download folder.
    std::function<void()> deleteOldInstaller;
    // Opens the feedback form (modal) after a run that ended with a fault.
    std::function<void()> openFeedback;

    // What the program itself uses.
    static StartupServices defaults();
};
