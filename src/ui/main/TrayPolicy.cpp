#include "ui/main/TrayPolicy.h"

#include "app/settings/SettingsKeys.h"
#include "app/settings/SettingsStore.h"

TrayPolicy TrayPolicy::stored()
{
    // The five flags in one visit to the store.
    const QString app = QLatin1String(SettingsGroup::App);
    const auto flag = [&app](const char *key, bool fallback) {
        return SettingValue{app, QLatin1String(key), fallback};
    };
    const QVector<QVariant> flags = readSettings({
        flag(SettingsKey::AddToTray, false),
        flag(SettingsKey::MinimizeToTray, false),
        flag(SettingsKey::CloseToTray, false),
        flag(SettingsKey::NotifyWhenInTray, false),
        flag(SettingsKey::ShowWindowWhenInTray, true),
    });
    Options options;
    options.addToTray = flags.at(0).toBool();
    options.minimizeToTray = flags.at(1).toBool();
    options.closeToTray = flags.at(2).toBool();
    options.notifyWhenInTray = flags.at(3).toBool();
    options.showWindowWhenInTray = flags.at(4).toBool();
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
