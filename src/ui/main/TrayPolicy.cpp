#include "ui/main/TrayPolicy.h"

#include "app/settings/SettingsKeys.h"
#include "app/settings/SettingsStore.h"

TrayPolicy TrayPolicy::stored()
{
    const auto flag = [](const char *key, bool fallback) {
        return readAppSetting(QLatin1String(key), fallback).toBool();
    };
    Options options;
    options.addToTray = flag(SettingsKey::AddToTray, false);
    options.minimizeToTray = flag(SettingsKey::MinimizeToTray, false);
    options.closeToTray = flag(SettingsKey::CloseToTray, false);
    options.notifyWhenInTray = flag(SettingsKey::NotifyWhenInTray, false);
    options.showWindowWhenInTray = flag(SettingsKey::ShowWindowWhenInTray, true);
    return TrayPolicy(options);
}

TrayPolicy::Steps TrayPolicy::onClose() const
{
    Steps steps;
    if (!opts.closeToTray) {
        steps.releaseTray = true;
        steps.acceptClose = true;
        return steps;
    }
    steps.hideWindow = true;
    steps.showTray = true;
    steps.showBalloon = opts.notifyWhenInTray;
    return steps;
}

TrayPolicy::Steps TrayPolicy::onExit() const
{
    // Hiding into the tray is what the close button is for; "Exit" must leave the user a way out.
    Steps steps;
    steps.releaseTray = true;
    steps.acceptClose = true;
    steps.quitApplication = true;
    return steps;
}

TrayPolicy::Steps TrayPolicy::onMinimize() const
{
    Steps steps;
    if (!opts.minimizeToTray)
        return steps;
    steps.showTray = true;
    steps.showBalloon = opts.notifyWhenInTray;
    steps.hideWindow = true;
    return steps;
}

TrayPolicy::Steps TrayPolicy::onManage(bool windowVisible) const
{
    Steps steps;
    if (!opts.addToTray) {
        steps.releaseTray = true;
        return steps;
    }
    steps.hideWindow = windowVisible && !opts.showWindowWhenInTray;
    steps.showTray = true;
    steps.showBalloon = opts.notifyWhenInTray;
    return steps;
}

bool TrayPolicy::releaseKeepsTray() const
{
    return opts.addToTray && opts.minimizeToTray && opts.closeToTray;
}
