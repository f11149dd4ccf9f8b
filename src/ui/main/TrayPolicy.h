#pragma once

// The tray options of "AppSettings" and what the main window does with them when it is closed,
// minimised, asked to exit, or when the options change. Holds no widgets, so every combination
// can be checked on its own.
class TrayPolicy
{
public:
    struct Options
    {
        bool addToTray = false;
        bool minimizeToTray = false;
        bool closeToTray = false;
        bool notifyWhenInTray = false;
        bool showWindowWhenInTray = true;
    };

    // What the window does, in this order: release the tray, hide the window, show the tray,
    // show the balloon; then accept the close (or ignore it) and, for an exit, end the program.
    struct Steps
    {
        bool releaseTray = false;
        bool hideWindow = false;
        bool showTray = false;
        bool showBalloon = false;
        bool acceptClose = false;
        bool quitApplication = false;
    };

    TrayPolicy() = default;
    explicit TrayPolicy(const Options &options) : opts(options) {}

    // The five keys, read afresh from the settings store.
    static TrayPolicy stored();

    const Options &options() const { return opts; }

    // The window's close button (and the "Exit" push button).
    Steps onClose() const;
    // The "Exit" menu entries and exitApp: the program ends even when closing only hides it.
    Steps onExit() const;
    // A window-state change to minimised.
    Steps onMinimize() const;
    // The tray options were (re)applied; windowVisible: the window is shown right now.
    Steps onManage(bool windowVisible) const;

    // Releasing the tray leaves it in place only while all three tray modes are on.
    bool releaseKeepsTray() const;
    // A tray double-click brings the window back only when it is hidden.
    static bool doubleClickShowsWindow(bool windowVisible) { return !windowVisible; }
    // The tray menu's "Open" is offered unless the window and the tray icon are both visible.
    static bool openEntryEnabled(bool windowVisible, bool trayVisible) { return !(windowVisible && trayVisible); }

private:
    Options opts;
};
